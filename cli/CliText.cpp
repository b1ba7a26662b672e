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

// The length of the UTF-8 sequence at the start of text: 1 to 4, or 0 when it is not one
// (a stray continuation byte, an overlong form, a surrogate, past U+10FFFF, cut short).
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    }
    return length;
}

void appendHexEscapes(std::string &out, std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789abcdef";
    for (const char c : bytes) {
        out += "\\x";
        out += Hex[static_cast<unsigned char>(c) >> 4];
        out += Hex[static_cast<unsigned char>(c) & 0xf];
    }
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

std::string quotedArgument(std::string_view text, std::size_t maxCharacters)
{
    std::string out = "\"";
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == maxCharacters) {
            out += "\xe2\x80\xa6"; // U+2026 …
            break;
        }
        const std::size_t length = utf8SequenceLength(text);
        const std::string_view character = text.substr(0, length == 0 ? 1 : length);
        const unsigned char first = static_cast<unsigned char>(character[0]);
        // U+0080 to U+009F, the C1 controls, some terminals obey as well.
        const bool c1 =
            length == 2 && first == 0xc2 && static_cast<unsigned char>(character[1]) < 0xa0;
        if (character == "\n") {
            out += "\\n";
        } else if (character == "\r") {
            out += "\\r";
        } else if (character == "\t") {
            out += "\\t";
        } else if (character == "\\" || character == "\"") {
            out += '\\';
            out += character;
        } else if (length == 0 || first < 0x20 || first == 0x7f || c1) {
            appendHexEscapes(out, character);
        } else {
            out += character;
        }
        text.remove_prefix(character.size());
        ++characters;
    }
    out += '"';
    return out;
}

} // namespace kesto
