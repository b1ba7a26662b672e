#include "ReadingCommand.h"

#include "CliText.h"
#include "KestoVersion.h"
#include "ReadingUsage.h"
#include "readings/core/BirthDataRules.h"
#include "readings/core/ReadingDocument.h"
#include "readings/core/Readings.h"
#include "readings/match/core/LoveMatch.h"
#include "zodiac/DateText.h"
#include "zodiac/SunSign.h"

#include <optional>
#include <string>
#include <vector>

namespace kesto {

namespace {

constexpr std::string_view Program = "kesto-reading";
constexpr std::size_t WrapWidth = 78;

// The text of --help, from usage.txt, the source of the manual page too.
constexpr std::string_view Usage = ReadingUsage;

int refuse(std::ostream &err, std::string_view message)
{
    err << Program << ": " << message << '\n';
    return ExitUsage;
}

// Anything that starts with a dash and is not a (negative) number.
bool isOption(std::string_view arg)
{
    return arg.size() > 1 && arg.front() == '-' && (arg[1] < '0' || arg[1] > '9');
}

// Checks YEAR MONTH DAY as the reading's input window would let them through.
std::optional<BirthDate> parseBirthDate(const ReadingDescription &command,
                                        std::span<const std::string_view> operands,
                                        std::ostream &err, std::string_view whose = {})
{
    // The table readings answer beyond their windows' years, from the planets' positions.
    const YearRange years = command.commandYears;
    const std::optional<int> year = parseWholeNumber(operands[0]);
    if (!year || !years.contains(*year)) {
        refuse(err,
               "invalid year " + quotedArgument(operands[0]) + ": " + std::string(command.command)
                   + " takes a whole number from " + std::to_string(years.first) + " to "
                   + std::to_string(years.last));
        return std::nullopt;
    }
    const std::optional<int> month = monthFromUserText(operands[1]);
    if (!month) {
        refuse(err,
               "invalid month " + quotedArgument(operands[1])
                   + ": takes a number from 1 to 12 or an English month name (January to "
                     "December)");
        return std::nullopt;
    }
    const std::optional<int> day = parseWholeNumber(operands[2]);
    if (!day || *day < 1 || *day > 31) {
        refuse(err,
               "invalid day " + quotedArgument(operands[2])
                   + ": takes a whole number from 1 to 31");
        return std::nullopt;
    }
    // The window's own refusal, with the reason and the window's own words.
    const DateRefusal refusal = checkBirthDate(command.reading, *day, *month);
    if (refusal != DateRefusal::None) {
        refuse(err,
               "no day " + std::to_string(*day) + " in " + std::string(monthName(*month)) + ": "
                   + std::string(command.command) + " refuses it as its input window does (\""
                   + (whose == "partner"
                          ? partnersMessage(dateRefusalMessage(command.reading, refusal))
                          : std::string(dateRefusalMessage(command.reading, refusal)))
                   + "\")");
        return std::nullopt;
    }
    return BirthDate {*year, *month, *day};
}

class JsonObject
{
public:
    void add(std::string_view key, std::string_view value)
    {
        m_text += m_text.empty() ? "{\n  " : ",\n  ";
        m_text += jsonString(key);
        m_text += ": ";
        m_text += jsonString(value);
    }
    // A value that is already JSON, such as an object made by another JsonObject.
    void addJson(std::string_view key, std::string_view json)
    {
        m_text += m_text.empty() ? "{\n  " : ",\n  ";
        m_text += jsonString(key);
        m_text += ": ";
        m_text += json;
    }
    std::string finished() const { return m_text + "\n}\n"; }

private:
    std::string m_text;
};

void appendSection(std::string &text, std::string_view heading, std::string_view body)
{
    text += '\n';
    text += heading;
    text += '\n';
    text.append(heading.size(), '-');
    text += '\n';
    text += wrapText(body, WrapWidth);
}

void appendField(std::string &text, std::string_view label, std::string_view value)
{
    constexpr std::size_t LabelWidth = 16;
    text += label;
    text += ':';
    text.append(label.size() + 1 < LabelWidth ? LabelWidth - label.size() - 1 : 1, ' ');
    text += value;
    text += '\n';
}

// How a reading is printed: as text for the terminal, or in one of the exchange formats.
enum class Format { Text, Json, Markdown, Html };

// "Love Astrology", "Born 20 January 1990", an empty line, the values, then the texts wrapped
// for the terminal: the lines the Markdown and the saved text open with, too.
std::string terminalText(const ReadingDocument &document)
{
    std::string text(document.title);
    text += '\n';
    text += document.personLine();
    text += '\n';
    if (const std::string note = document.dayNote(); !note.empty())
        text += wrapText(note, WrapWidth);
    text += '\n';
    for (const ReadingValue &value : document.values)
        appendField(text, value.label, value.value);
    if (const std::string_view note = document.sourceNote(); !note.empty())
        appendField(text, "Source", note);
    if (document.signChange) {
        text += '\n';
        text += wrapText(document.signChange->line, WrapWidth);
    }
    for (const std::string &note : document.notes) {
        text += '\n';
        text += wrapText(note, WrapWidth);
    }
    for (const ReadingText &section : document.texts) {
        if (section.label.empty()) {
            text += '\n';
            text += wrapText(section.joined(), WrapWidth);
        } else {
            appendSection(text, section.label, section.joined());
        }
    }
    return text;
}

std::string jsonText(const ReadingDocument &document, std::string_view commandName)
{
    JsonObject object;
    object.add("reading", commandName);
    if (const std::string note = document.dayNote(); !note.empty())
        object.add("dayNote", note);
    for (const ReadingValue &value : document.values)
        object.add(value.key, value.value);
    if (!isSunSignReading(document.reading))
        object.add("source", document.source == SignSource::Ephemeris ? "ephemeris" : "table");
    if (document.signChange) {
        const SignMoment &moment = document.signChange->moment;
        object.addJson("signChange",
                       "{\"body\": " + jsonString(bodyName(moment.body))
                           + ", \"time\": " + jsonString(isoMinute(moment.time))
                           + ", \"from\": " + jsonString(displayName(moment.from))
                           + ", \"to\": " + jsonString(displayName(moment.to)) + "}");
    }
    for (const ReadingText &section : document.texts)
        object.add(section.key, section.joined());
    if (!document.picture.empty())
        object.add("picture", document.picture);
    return object.finished();
}

void printReading(const ReadingDocument &document, Format format, std::ostream &out)
{
    switch (format) {
    case Format::Text:
        out << terminalText(document);
        return;
    case Format::Json:
        out << jsonText(document, describe(document.reading).command);
        return;
    case Format::Markdown:
        out << readingMarkdown(document);
        return;
    case Format::Html:
        out << readingHtml(document, {.pictureSource = {}, .wholePage = true});
        return;
    }
}

// --json, --markdown or --html: the format it asks for.
std::optional<Format> formatOption(std::string_view arg)
{
    if (arg == "--json")
        return Format::Json;
    if (arg == "--markdown")
        return Format::Markdown;
    if (arg == "--html")
        return Format::Html;
    return std::nullopt;
}

// A lookup that should answer did not: the tables are incomplete.
int noAnswer(Reading reading, const BirthDate &date, std::ostream &err)
{
    err << Program << ": the " << bodyName(describe(reading).body) << " table has no sign for "
        << dateText(date) << '\n';
    return ExitNoAnswer;
}

// Love Match as JSON: both people's signs, each layer's aspect and text, the pairs, the overall
// line and the changes of sign on the birth dates.
std::string matchJson(const LoveMatch &match, const ReadingDocument &document)
{
    JsonObject object;
    object.add("reading", "match");
    if (const std::string note = document.dayNote(); !note.empty())
        object.add("dayNote", note);
    std::string people = "[";
    for (const MatchPerson &who : match.people) {
        people += people.size() > 1 ? ", {" : "{";
        people += "\"date\": "
            + jsonString(
                      isoMinute({who.date.year, who.date.month, who.date.day, 0, 0}).substr(0, 10))
            + ", ";
        for (const Body body : MatchLayers) {
            people += jsonString(bodyKey(body)) + ": " + jsonString(displayName(who.sign(body)));
            people += body == Body::Eros ? "" : ", ";
        }
        people += '}';
    }
    object.addJson("people", people + ']');
    std::string layers = "[";
    for (const MatchLayer &layer : match.layers) {
        layers += layers.size() > 1 ? ",\n    " : "\n    ";
        layers += "{\"layer\": " + jsonString(bodyKey(layer.body)) + ", \"aspect\": "
            + jsonString(aspectName(layer.aspect)) + ", \"text\": " + jsonString(layer.text) + '}';
    }
    object.addJson("layers", layers + "\n  ]");
    object.addJson("inPartnersPair",
                   std::string("[") + (match.inPartnersPair[0] ? "true" : "false") + ", "
                       + (match.inPartnersPair[1] ? "true" : "false") + ']');
    object.add("overall", match.overall);
    if (!match.changes.empty()) {
        std::string changes = "[";
        for (const MatchChange &change : match.changes) {
            changes += changes.size() > 1 ? ", " : "";
            changes += "{\"person\": " + std::to_string(change.person + 1)
                + ", \"body\": " + jsonString(bodyName(change.moment.body))
                + ", \"time\": " + jsonString(isoMinute(change.moment.time))
                + ", \"from\": " + jsonString(displayName(change.moment.from))
                + ", \"to\": " + jsonString(displayName(change.moment.to)) + '}';
        }
        object.addJson("signChanges", changes + ']');
    }
    return object.finished();
}

int showMatch(const BirthDate &first, const BirthDate &second, Format format, std::ostream &out,
              std::ostream &err)
{
    const std::optional<LoveMatch> match = loveMatch({}, first, {}, second);
    if (!match)
        return noAnswer(Reading::LoveMatch, first, err);
    const ReadingDocument document = loveMatchDocument(*match);
    if (format == Format::Json)
        out << matchJson(*match, document);
    else
        printReading(document, format, out);
    return ExitSuccess;
}

int showReading(const ReadingDescription &command, const BirthDate &date, Format format,
                std::ostream &out, std::ostream &err)
{
    const std::optional<SourcedSign> found = findReadingSignAnyYear(command.reading, date);
    if (!found)
        return noAnswer(command.reading, date, err);
    printReading(readingDocument(command.reading, found->sign, {}, date), format, out);
    return ExitSuccess;
}

int showSunTable(std::ostream &out)
{
    std::string text;
    text.reserve(12 * 31 * 16);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            text += std::to_string(month);
            text += '\t';
            text += std::to_string(day);
            text += '\t';
            text += displayName(*SunSignFromDate(day, month));
            text += '\n';
        }
    }
    out << text;
    return ExitSuccess;
}

// Within the reading's own years every cell comes from its table, as the windows read it; any
// other year from the signs computed from the planets' positions.
int showYearTable(Reading reading, YearRange years, std::ostream &out, std::ostream &err)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(years.last - years.first + 1) * 12 * 31 * 24);
    for (int year = years.first; year <= years.last; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::optional<SourcedSign> sign =
                    findReadingSignAnyYear(reading, {year, month, day});
                if (!sign)
                    return noAnswer(reading, {year, month, day}, err);
                text += std::to_string(year);
                text += '\t';
                text += std::to_string(month);
                text += '\t';
                text += std::to_string(day);
                text += '\t';
                text += displayName(sign->sign);
                text += '\n';
            }
        }
    }
    out << text;
    return ExitSuccess;
}

// The reading whose day-by-day table `table venus` or `table eros` prints, or nullptr.
const ReadingDescription *tableReading(std::string_view name)
{
    for (const ReadingDescription &reading : allReadings()) {
        if (reading.tableYears.first <= reading.tableYears.last && bodyKey(reading.body) == name)
            return &reading;
    }
    return nullptr;
}

// --from YEAR and --to YEAR of a venus or eros table, each within 1900 to 2100.
struct TableYears
{
    std::optional<int> from;
    std::optional<int> to;
};

int runTable(std::span<const std::string_view> operands, const TableYears &chosen,
             std::ostream &out, std::ostream &err)
{
    if (operands.empty())
        return refuse(err, "table needs a table name: sun, venus or eros");
    if (operands.size() > 1)
        return refuse(err, "too many arguments for table: " + quotedArgument(operands[1]));
    const std::string_view name = operands[0];
    const bool yearsChosen = chosen.from || chosen.to;
    if (name == "sun") {
        if (yearsChosen)
            return refuse(err, "--from and --to are for the venus and eros tables");
        return showSunTable(out);
    }
    if (!tableReading(name))
        return refuse(err, "unknown table " + quotedArgument(name) + ": takes sun, venus or eros");
    const Reading reading = tableReading(name)->reading;
    if (!yearsChosen)
        return showYearTable(reading, describe(reading).tableYears, out, err);
    const YearRange years {chosen.from.value_or(SkyFirstYear), chosen.to.value_or(SkyLastYear)};
    if (years.first > years.last)
        return refuse(err,
                      "--from " + std::to_string(years.first) + " is after --to "
                          + std::to_string(years.last));
    return showYearTable(reading, years, out, err);
}

// The year after --from or --to: a whole number from 1900 to 2100.
std::optional<int> parseTableYear(std::string_view option, std::optional<std::string_view> text,
                                  std::ostream &err)
{
    const std::optional<int> year = text ? parseWholeNumber(*text) : std::nullopt;
    if (!year || *year < SkyFirstYear || *year > SkyLastYear) {
        refuse(err,
               std::string(option) + " takes a year from " + std::to_string(SkyFirstYear) + " to "
                   + std::to_string(SkyLastYear));
        return std::nullopt;
    }
    return year;
}

} // namespace

std::string_view readingCommandUsage()
{
    return Usage;
}

int runReadingCommand(std::span<const std::string_view> args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        err << Usage;
        return ExitUsage;
    }
    for (const std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << Usage;
            return ExitSuccess;
        }
        if (arg == "--version") {
            out << Program << ' ' << Version << '\n';
            return ExitSuccess;
        }
    }

    const std::string_view commandName = args.front();
    if (formatOption(commandName))
        return refuse(err, std::string(commandName) + " goes after the command (try --help)");
    if (isOption(commandName))
        return refuse(err, "unknown option " + quotedArgument(commandName) + " (try --help)");

    Format format = Format::Text;
    std::string_view formatName; // the option that chose the format
    TableYears tableYears;
    std::vector<std::string_view> operands;
    const std::span<const std::string_view> rest = args.subspan(1);
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string_view arg = rest[i];
        if (commandName == "table" && (arg == "--from" || arg == "--to")) {
            const std::optional<std::string_view> value =
                i + 1 < rest.size() ? std::optional(rest[++i]) : std::nullopt;
            const std::optional<int> year = parseTableYear(arg, value, err);
            if (!year)
                return ExitUsage;
            (arg == "--from" ? tableYears.from : tableYears.to) = year;
        } else if (const std::optional<Format> chosen = formatOption(arg)) {
            if (!formatName.empty() && formatName != arg)
                return refuse(err,
                              std::string(formatName) + " and " + std::string(arg)
                                  + " cannot go together: choose one output format");
            format = *chosen;
            formatName = arg;
        } else if (isOption(arg)) {
            return refuse(err, "unknown option " + quotedArgument(arg) + " (try --help)");
        } else {
            operands.push_back(arg);
        }
    }

    if (commandName == "table") {
        if (!formatName.empty())
            return refuse(err,
                          std::string(formatName)
                              + " is for readings; tables are always tab-separated text");
        return runTable(operands, tableYears, out, err);
    }

    const ReadingDescription *command = readingForCommand(commandName);
    if (!command) {
        return refuse(err,
                      "unknown command " + quotedArgument(commandName)
                          + ": takes love, romance, lovesign, sexual, match or table (try --help)");
    }
    const std::size_t dates = command->twoPeople ? 2 : 1;
    if (operands.size() < 3 * dates) {
        return refuse(err,
                      std::string(command->command)
                          + (dates == 2 ? " needs YEAR MONTH DAY for each of two people"
                                        : " needs YEAR MONTH DAY")
                          + " (try --help)");
    }
    if (operands.size() > 3 * dates)
        return refuse(err,
                      "too many arguments for " + std::string(command->command) + ": "
                          + quotedArgument(operands[3 * dates]));

    const std::optional<BirthDate> date =
        parseBirthDate(*command, std::span(operands).subspan(0, 3), err);
    if (!date)
        return ExitUsage;
    if (dates == 2) {
        const std::optional<BirthDate> partner =
            parseBirthDate(*command, std::span(operands).subspan(3, 3), err, "partner");
        if (!partner)
            return ExitUsage;
        return showMatch(*date, *partner, format, out, err);
    }
    return showReading(*command, *date, format, out, err);
}

} // namespace kesto
