#include "IniSettingsFile.h"

#include "gui/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

// One line as Qt reads it. A line goes on past a line break inside quotation marks or after a
// backslash; an unquoted semicolon starts a comment that runs to the line break.
struct Line
{
    qsizetype start = 0;
    qsizetype contentEnd = 0; // where the comment or the line break begins
    qsizetype next = 0;       // where the next line begins
    qsizetype equals = -1;    // the first '=' of the content
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<Line> linesOf(const QByteArray &data)
{
    std::vector<Line> lines;
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        Line line;
        line.start = i;
        line.contentEnd = -1;
        bool quoted = false;
        while (i < size) {
            const char c = data.at(i);
            if ((c == '\n' || c == '\r') && !quoted)
                break;
            if (c == '\\') {
                i += 2;
                if (i < size && data.at(i - 1) == '\r' && data.at(i) == '\n')
                    ++i;
                continue;
            }
            if (line.contentEnd < 0) {
                if (c == '"')
                    quoted = !quoted;
                else if (c == '=' && line.equals < 0)
                    line.equals = i;
                else if (c == ';' && !quoted)
                    line.contentEnd = i;
            }
            ++i;
        }
        i = std::min(i, size);
        if (line.contentEnd < 0)
            line.contentEnd = i;
        if (i < size && data.at(i) == '\r')
            ++i;
        if (i < size && data.at(i) == '\n')
            ++i;
        line.next = i;
        lines.push_back(line);
    }
    return lines;
}

QByteArray trimmed(QByteArrayView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text.at(from)))
        ++from;
    while (to > from && isBlank(text.at(to - 1)))
        --to;
    return text.sliced(from, to - from).toByteArray();
}

// The section a header line opens ("General" and no header at all are Qt's root), or nothing.
std::optional<QString> sectionOf(const QByteArray &data, const Line &line)
{
    const QByteArray content =
        trimmed(QByteArrayView(data).sliced(line.start, line.contentEnd - line.start));
    if (!content.startsWith('['))
        return std::nullopt;
    const qsizetype close = content.indexOf(']');
    if (close < 0)
        return std::nullopt;
    const QString name = QString::fromUtf8(content.sliced(1, close - 1));
    return name == QLatin1String("General") ? QString() : name;
}

// The key a line sets, with its section, as Qt names it: "Settings/WebHost".
QString fullKey(const QString &section, const QByteArray &data, const Line &line)
{
    const QString key =
        QString::fromUtf8(
            trimmed(QByteArrayView(data).sliced(line.start, line.equals - line.start)))
            .replace(QLatin1Char('\\'), QLatin1Char('/'));
    return section.isEmpty() ? key : section + QLatin1Char('/') + key;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A value's text as Qt reads it: quotation marks group, backslashes escape, an unquoted comma
// makes a list and a leading '@' a typed value. Only a single string is a string.
QString decodedValue(QByteArrayView raw)
{
    const QByteArray text = trimmed(raw);
    QByteArray bytes;
    bool quoted = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        const char c = text.at(i++);
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            return {};
        } else if (c != '\\') {
            bytes += c;
        } else if (i < size) {
            const char e = text.at(i++);
            static constexpr char Named[] = "a\ab\bf\fn\nr\rt\tv\v\"\"''??\\\\";
            const char *named = nullptr;
            for (const char *n = Named; *n; n += 2) {
                if (*n == e)
                    named = n;
            }
            if (named) {
                bytes += named[1];
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                char32_t code = e == 'x' ? 0 : char32_t(e - '0');
                while (i < size) {
                    const int digit = hexValue(text.at(i));
                    if (digit < 0 || digit >= base)
                        break;
                    code = (code * base + char32_t(digit)) & 0xffff;
                    ++i;
                }
                bytes += QString(QChar(char16_t(code))).toUtf8();
            } else if (e == '\n' || e == '\r') {
                // A line continued.
                if (i < size && (text.at(i) == '\n' || text.at(i) == '\r') && text.at(i) != e)
                    ++i;
            } else {
                bytes += e;
            }
        }
    }
    QString value = QString::fromUtf8(bytes);
    if (value.startsWith(QLatin1String("@@")))
        return value.mid(1);
    if (value.startsWith(QLatin1Char('@')))
        return {};
    return value.isNull() ? QStringLiteral("") : value;
}

// The value as the right-hand side of a line that reads back as the same string.
QByteArray encodedValue(const QString &value)
{
    const QByteArray text =
        (value.startsWith(QLatin1Char('@')) ? QStringLiteral("@") : QString()).toUtf8()
        + value.toUtf8();
    const bool quote = text.contains(',') || text.contains(';') || text.contains('=')
        || (!text.isEmpty() && (isBlank(text.front()) || isBlank(text.back())));
    QByteArray out = quote ? "\"" : "";
    bool escapeHexDigit = false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // After \x a hex digit would join the number: it is escaped too.
        if (escapeHexDigit && hexValue(c) >= 0) {
            out += "\\x" + QByteArray::number(byte, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f) {
                out += "\\x" + QByteArray::number(byte, 16);
                escapeHexDigit = true;
            } else {
                out += c;
            }
        }
    }
    if (quote)
        out += '"';
    return out;
}

QByteArray lineFor(const QString &key, const QString &value)
{
    return key.toUtf8() + '=' + encodedValue(value);
}

// Every key the file sets in `section`, in order.
QStringList keysIn(const QByteArray &file, const QString &section)
{
    QStringList keys;
    QString current;
    const QString prefix = section + QLatin1Char('/');
    for (const Line &line : linesOf(file)) {
        if (const auto opened = sectionOf(file, line)) {
            current = *opened;
        } else if (line.equals >= 0) {
            const QString key = fullKey(current, file, line);
            if (key.startsWith(prefix) && !keys.contains(key.mid(prefix.size())))
                keys << key.mid(prefix.size());
        }
    }
    return keys;
}

} // namespace

IniSettingsFile::IniSettingsFile(const QString &path)
    : m_path(path)
{ }

QString IniSettingsFile::valueIn(const QByteArray &file, const QString &section, const QString &key)
{
    const QString wanted = section + QLatin1Char('/') + key;
    QString current;
    QString value;
    // The last line of a key counts, as in Qt.
    for (const Line &line : linesOf(file)) {
        if (const auto opened = sectionOf(file, line))
            current = *opened;
        else if (line.equals >= 0 && fullKey(current, file, line) == wanted)
            value = decodedValue(
                QByteArrayView(file).sliced(line.equals + 1, line.contentEnd - line.equals - 1));
    }
    return value;
}

QByteArray IniSettingsFile::withValue(const QByteArray &file, const QString &section,
                                      const QString &key, const QString &value)
{
    const QString wanted = section + QLatin1Char('/') + key;
    const QByteArray newLine = lineFor(key, value);
    QByteArray out;
    QString current;
    bool replaced = false;
    qsizetype insertAt = -1; // after the last line of the section's last stretch
    for (const Line &line : linesOf(file)) {
        const QByteArrayView whole =
            QByteArrayView(file).sliced(line.start, line.next - line.start);
        if (const auto opened = sectionOf(file, line)) {
            current = *opened;
            out += whole;
            if (current == section)
                insertAt = out.size();
            continue;
        }
        if (line.equals >= 0 && fullKey(current, file, line) == wanted) {
            // The value is replaced in its own line, written as it would be in the section.
            const QString name = current == section
                ? key
                : QString(wanted).replace(QLatin1Char('/'), QLatin1Char('\\'));
            out += lineFor(name, value);
            out += QByteArrayView(file).sliced(line.contentEnd, line.next - line.contentEnd);
            replaced = true;
        } else {
            out += whole;
        }
        if (current == section && !whole.toByteArray().trimmed().isEmpty())
            insertAt = out.size();
    }
    if (replaced)
        return out;
    if (insertAt >= 0) {
        if (!out.sliced(0, insertAt).endsWith('\n'))
            out.insert(insertAt++, '\n');
        out.insert(insertAt, newLine + '\n');
        return out;
    }
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += '\n';
    if (!out.isEmpty())
        out += '\n';
    return out + '[' + section.toUtf8() + "]\n" + newLine + '\n';
}

QString IniSettingsFile::value(const QString &section, const QString &key) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return valueIn(file.readAll(), section, key);
}

bool IniSettingsFile::setValue(const QString &section, const QString &key, const QString &value,
                               QString *error)
{
    const auto fail = [&](const QString &why) {
        *error = QStringLiteral("%1 cannot be written: %2").arg(m_path, why);
        return false;
    };
    QByteArray old;
    QFile file(m_path);
    if (file.exists()) {
        if (!QFileInfo(m_path).isFile())
            return fail(SafeFileWriter::refusal(m_path));
        if (!file.open(QIODevice::ReadOnly))
            return fail(file.errorString());
        old = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return fail(file.errorString());
        file.close();
    } else if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return fail(QStringLiteral("its folder cannot be made"));
    }
    QByteArray updated = withValue(old, section, key, value);
    QString why;
    if (valueIn(updated, section, key) != value) {
        // Kept beside it before a new file takes its place.
        if (!SafeFileWriter::write(m_path + QStringLiteral(".bak"), old, &why))
            return fail(why);
        updated.clear();
        for (const QString &kept : keysIn(old, section)) {
            const QString keptValue = valueIn(old, section, kept);
            if (kept != key && !keptValue.isNull())
                updated = withValue(updated, section, kept, keptValue);
        }
        updated = withValue(updated, section, key, value);
    }
    if (!SafeFileWriter::write(m_path, updated, &why))
        return fail(why);
    return true;
}
