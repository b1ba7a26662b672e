#include "DateText.h"

#include <array>
#include <cctype>
#include <charconv>

namespace kesto {

namespace {

// ASCII white space, whatever the locale: a number or a month name reads the same with blanks,
// tabs or line ends around it (a shell's "$(...)" or a pasted line brings a trailing newline).
bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isAsciiSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> parseWholeNumber(std::string_view text)
{
    text = trimmed(text);
    // One sign at most: from_chars takes a minus but not a plus, so a "+-2" must not get by.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> monthFromName(std::string_view name)
{
    const int month = listMonth(name);
    return month != 0 ? std::optional(month) : std::nullopt;
}

int daysInMonth(int year, int month)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : Days[month - 1];
}

std::string_view monthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return MonthNames[static_cast<std::size_t>(month - 1)];
}

std::optional<int> monthFromUserText(std::string_view text)
{
    text = trimmed(text);
    if (auto number = parseWholeNumber(text)) {
        if (*number >= 1 && *number <= 12)
            return number;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < std::size(MonthNames); ++i) {
        if (equalsIgnoringCase(MonthNames[i], text))
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

} // namespace kesto
