#pragma once

#include <optional>
#include <string_view>

namespace kesto {

// A whole decimal number, optionally signed and surrounded by ASCII white space (blanks, tabs,
// line ends); nothing for any other text (including numbers too large for an int).
std::optional<int> parseWholeNumber(std::string_view text);

// The lists' own number texts, one to four digits ("1984", "29"), as their value; -1 for any
// other text. Read inline: the sign lookups read two on every call.
constexpr int listDigits(std::string_view text)
{
    const auto digit = [&text](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(text[i])) - unsigned('0');
    };
    switch (text.size()) {
    case 1:
        return digit(0) <= 9 ? static_cast<int>(digit(0)) : -1;
    case 2:
        return digit(0) <= 9 && digit(1) <= 9 ? static_cast<int>(digit(0) * 10 + digit(1)) : -1;
    case 3:
        return digit(0) <= 9 && digit(1) <= 9 && digit(2) <= 9
            ? static_cast<int>(digit(0) * 100 + digit(1) * 10 + digit(2))
            : -1;
    case 4:
        return digit(0) <= 9 && digit(1) <= 9 && digit(2) <= 9 && digit(3) <= 9
            ? static_cast<int>(digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3))
            : -1;
    default:
        return -1;
    }
}

// parseWholeNumber, with the lists' own texts read inline.
inline std::optional<int> parseListNumber(std::string_view text)
{
    const int value = listDigits(text);
    return value >= 0 ? std::optional(value) : parseWholeNumber(text);
}

// 1..12 for the lists' month names "January".."December", compared exactly and case-sensitively;
// 0 for any other text. Read inline: every lookup of the sign tables passes here, and the second
// letter with the length single out the one name to compare with.
inline constexpr std::string_view MonthNames[] = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};

constexpr int listMonth(std::string_view name)
{
    if (name.size() < 3)
        return 0;
    int month = 0;
    switch (name[1]) {
    case 'a': // January, March, May
        month = name.size() == 7 ? 1 : name.size() == 5 ? 3 : 5;
        break;
    case 'e': // February, September, December
        month = name[0] == 'F' ? 2 : name[0] == 'S' ? 9 : 12;
        break;
    case 'p':
        month = 4;
        break;
    case 'u': // June, July, August
        month = name[0] == 'A' ? 8 : name[2] == 'n' ? 6 : 7;
        break;
    case 'c':
        month = 10;
        break;
    case 'o':
        month = 11;
        break;
    default:
        return 0;
    }
    // Compared letter by letter: a call of memcmp costs more than these few letters.
    const std::string_view expected = MonthNames[month - 1];
    if (expected.size() != name.size())
        return 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (expected[i] != name[i])
            return 0;
    }
    return month;
}

// 1..12 for "January".."December", compared exactly and case-sensitively.
std::optional<int> monthFromName(std::string_view name);

// The days of month 1..12 in the Gregorian calendar: 28 to 31.
int daysInMonth(int year, int month);

// "January".."December" for 1..12, empty otherwise.
std::string_view monthName(int month);

// Months given as a number 1..12 or an English name in any letter case, white space around
// either ignored.
std::optional<int> monthFromUserText(std::string_view text);

} // namespace kesto
