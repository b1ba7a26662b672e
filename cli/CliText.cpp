#include "CliText.h"

namespace kesto {

namespace {

void appendWrappedLine(std::string &out, std::string_view line, std::size_t width)
{
    std::size_t column = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == ' ' || line[pos] == '\t') {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        const std::string_view word = line.substr(pos, end - pos);
        if (column > 0 && column + 1 + word.size() > width) {
            out += '\n';
            column = 0;
        }
        if (column > 0) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        pos = end;
    }
    out += '\n';
}

} // namespace

std::string wrapText(std::string_view text, std::size_t width)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 1);
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        appendWrappedLine(out, line, width);
    }
    return out;
}

std::string jsonString(std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += Hex[static_cast<unsigned char>(c) >> 4];
                out += Hex[static_cast<unsigned char>(c) & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace kesto
