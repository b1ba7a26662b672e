#include "ReadingDocument.h"

#include "zodiac/DateText.h"

namespace kesto {

namespace {

constexpr std::string_view ParagraphBreak = "\r\n\r\n";
constexpr std::string_view ProgramTitle = "Kesto Astrology Suite";

std::vector<std::string> paragraphsOf(std::string_view text)
{
    std::vector<std::string> paragraphs;
    while (!text.empty()) {
        const std::size_t end = text.find(ParagraphBreak);
        paragraphs.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + ParagraphBreak.size());
    }
    return paragraphs;
}

void appendEscaped(std::string &out, std::string_view text)
{
    out += escapeHtml(text);
}

std::string markdownEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (std::string_view("\\`*_[]<>#|").find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

std::string ReadingText::joined() const
{
    std::string text;
    for (const std::string &paragraph : paragraphs) {
        if (!text.empty())
            text += ParagraphBreak;
        text += paragraph;
    }
    return text;
}

const ReadingValue *ReadingDocument::value(std::string_view key) const
{
    for (const ReadingValue &entry : values) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

const ReadingText *ReadingDocument::text(std::string_view key) const
{
    for (const ReadingText &entry : texts) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

std::string ReadingDocument::dateText() const
{
    return kesto::dateText(date);
}

std::string ReadingDocument::dayNote() const
{
    const auto noteOn = [](const BirthDate &day) -> std::string {
        if (day.month < 1 || day.month > 12 || day.day <= daysInMonth(day.year, day.month))
            return {};
        return "There is no " + kesto::dateText(day)
            + ": the reading takes the day as the lists offer it.";
    };
    std::string note = noteOn(date);
    if (partner) {
        const std::string second = noteOn(partner->date);
        if (!second.empty() && second != note)
            note += (note.empty() ? "" : " ") + second;
    }
    return note;
}

std::string ReadingDocument::personLine() const
{
    const auto person = [](const std::string &who, const BirthDate &day, bool first) {
        const std::string born = kesto::dateText(day);
        if (who.empty())
            return (first ? "Born " : "born ") + born;
        return who + ", born " + born;
    };
    if (!partner)
        return person(name, date, true);
    // Two people without names are the reader and the partner.
    return person(name.empty() ? "You" : name, date, true) + ", and "
        + person(partner->name.empty() ? "your partner" : partner->name, partner->date, false);
}

std::string_view ReadingDocument::sourceNote() const
{
    if (source != SignSource::Ephemeris)
        return {};
    return describe(reading).body == Body::Eros ? "computed from the asteroid's position"
                                                : "computed from the planets' positions";
}

std::string ReadingDocument::sourceLine() const
{
    std::string line(sourceNote());
    if (!line.empty()) {
        line.front() = static_cast<char>(line.front() - 'a' + 'A');
        line += '.';
    }
    return line;
}

std::string ReadingDocument::shortNote() const
{
    // The short form has no full stop; the change follows the source after a semicolon.
    std::string source = sourceLine();
    if (!source.empty())
        source.pop_back();
    if (!signChange)
        return source;
    if (source.empty())
        return signChange->shortLine;
    std::string change = signChange->shortLine;
    change.front() = static_cast<char>(change.front() - 'A' + 'a');
    return source + "; " + change;
}

std::string ReadingDocument::fullNote() const
{
    std::string note = sourceLine();
    if (signChange)
        note += (note.empty() ? "" : " ") + signChange->line;
    return note;
}

ReadingDocument readingDocument(Reading reading, ZodiacSign sign, std::string name,
                                const BirthDate &date)
{
    const ReadingDescription &description = describe(reading);
    ReadingDocument document;
    document.reading = reading;
    document.title = description.title;
    document.name = std::move(name);
    document.date = date;
    document.sign = sign;
    const bool beyondTable =
        description.body != Body::Sun && !description.tableYears.contains(date.year);
    document.source = beyondTable ? SignSource::Ephemeris : SignSource::Table;
    document.signChange = signChangeNote(reading, sign, date);
    document.intro = description.intro;
    for (const ValueField &field : description.values) {
        if (field.value)
            document.values.push_back(
                {field.key, field.label, field.heading, std::string(field.value(sign))});
    }
    for (const TextField &field : description.texts) {
        if (field.text)
            document.texts.push_back(
                {field.key, field.label, field.heading, paragraphsOf(field.text(sign))});
    }
    if (description.layout == ResultLayout::SunSignCard)
        document.picture = pictureKey(sign);
    return document;
}

std::string readingPlainText(const ReadingDocument &document)
{
    std::string text(document.title);
    text += '\n';
    text += document.personLine();
    text += '\n';
    if (const std::string note = document.dayNote(); !note.empty()) {
        text += note;
        text += '\n';
    }
    text += '\n';
    if (!document.intro.empty()) {
        text += document.intro;
        text += '\n';
    }
    for (const ReadingValue &value : document.values) {
        text += value.heading;
        text += ": ";
        text += value.value;
        text += '\n';
    }
    if (const std::string_view note = document.sourceNote(); !note.empty()) {
        text += "Source: ";
        text += note;
        text += '\n';
    }
    if (document.signChange) {
        text += document.signChange->line;
        text += '\n';
    }
    for (const std::string &note : document.notes) {
        text += note;
        text += '\n';
    }
    for (const ReadingText &section : document.texts) {
        text += '\n';
        if (!section.heading.empty()) {
            text += section.heading;
            text += '\n';
        }
        for (std::size_t i = 0; i < section.paragraphs.size(); ++i) {
            if (i > 0)
                text += '\n';
            text += section.paragraphs[i];
            text += '\n';
        }
    }
    return text;
}

std::string readingMarkdown(const ReadingDocument &document)
{
    std::string text = "# ";
    text += document.title;
    text += "\n\n";
    text += markdownEscaped(document.personLine());
    text += "\n\n";
    if (const std::string note = document.dayNote(); !note.empty()) {
        text += markdownEscaped(note);
        text += "\n\n";
    }
    if (!document.intro.empty()) {
        text += '*';
        text += markdownEscaped(document.intro);
        text += "*\n\n";
    }
    for (const ReadingValue &value : document.values) {
        text += "- **";
        text += markdownEscaped(value.heading);
        text += ":** ";
        text += markdownEscaped(value.value);
        text += '\n';
    }
    if (const std::string_view note = document.sourceNote(); !note.empty()) {
        text += "- **Source:** ";
        text += markdownEscaped(note);
        text += '\n';
    }
    if (document.signChange) {
        text += "\n*";
        text += markdownEscaped(document.signChange->line);
        text += "*\n";
    }
    for (const std::string &note : document.notes) {
        text += "\n*";
        text += markdownEscaped(note);
        text += "*\n";
    }
    for (const ReadingText &section : document.texts) {
        if (!section.heading.empty()) {
            text += "\n## ";
            text += markdownEscaped(section.heading);
            text += '\n';
        }
        for (const std::string &paragraph : section.paragraphs) {
            text += '\n';
            text += markdownEscaped(paragraph);
            text += '\n';
        }
    }
    text += "\n*";
    text += ProgramTitle;
    text += "*\n";
    return text;
}

std::string readingHtml(const ReadingDocument &document, const HtmlOptions &options)
{
    std::string html;
    if (options.wholePage) {
        html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
        appendEscaped(html, document.title);
        html += " - ";
        appendEscaped(html, document.personLine());
        html += "</title>\n</head>\n<body>\n";
    }
    html += "<p><small>";
    appendEscaped(html, ProgramTitle);
    html += "</small></p>\n<h1>";
    appendEscaped(html, document.title);
    html += "</h1>\n<p>";
    appendEscaped(html, document.personLine());
    html += "</p>\n";
    if (const std::string note = document.dayNote(); !note.empty()) {
        html += "<p>";
        appendEscaped(html, note);
        html += "</p>\n";
    }
    if (!options.pictureSource.empty() && !document.picture.empty()) {
        html += "<p><img src=\"";
        appendEscaped(html, options.pictureSource);
        html += "\" alt=\"";
        appendEscaped(html, displayName(document.sign));
        html += "\" width=\"150\" height=\"150\"></p>\n";
    }
    if (!document.intro.empty()) {
        html += "<p><i>";
        appendEscaped(html, document.intro);
        html += "</i></p>\n";
    }
    html += "<table>\n";
    auto row = [&html](std::string_view heading, std::string_view value) {
        html += "<tr><th align=\"left\">";
        appendEscaped(html, heading);
        html += "</th><td>";
        appendEscaped(html, value);
        html += "</td></tr>\n";
    };
    for (const ReadingValue &value : document.values)
        row(value.heading, value.value);
    if (const std::string_view note = document.sourceNote(); !note.empty())
        row("Source", note);
    html += "</table>\n";
    if (document.signChange) {
        html += "<p><i>";
        appendEscaped(html, document.signChange->line);
        html += "</i></p>\n";
    }
    for (const std::string &note : document.notes) {
        html += "<p><i>";
        appendEscaped(html, note);
        html += "</i></p>\n";
    }
    for (const ReadingText &section : document.texts) {
        if (!section.heading.empty()) {
            html += "<h2>";
            appendEscaped(html, section.heading);
            html += "</h2>\n";
        }
        for (const std::string &paragraph : section.paragraphs) {
            html += "<p>";
            appendEscaped(html, paragraph);
            html += "</p>\n";
        }
    }
    if (options.wholePage)
        html += "</body>\n</html>\n";
    return html;
}

std::string readingFileName(const ReadingDocument &document)
{
    std::string name(document.title);
    std::string who = document.name;
    if (document.partner && !document.partner->name.empty())
        who += (who.empty() ? "" : " & ") + document.partner->name;
    if (!who.empty())
        name += " - " + who;
    if (!document.partner) {
        name += " - ";
        name += displayName(document.sign);
    }
    // Windows refuses these, every system the path separator; none can start a hidden file.
    for (char &c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f
            || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    if (name.front() == '.')
        name.front() = '_';
    return name;
}

std::string escapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace kesto
