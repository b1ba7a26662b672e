#pragma once

#include <optional>
#include <string_view>

namespace kesto {

// A whole decimal number, optionally signed and surrounded by ASCII white space (blanks, tabs,
// line ends); nothing for any other text (including numbers too large for an int).
std::optional<int> parseWholeNumber(std::string_view text);

// The same, with the lists' plain numbers ("1984", "29") read inline: the sign lookups read two
// of them on every call.
inline std::optional<int> parseListNumber(std::string_view text)
{
    if (!text.empty() && text.size() <= 9) {
        unsigned value = 0;
        for (char c : text) {
            const unsigned digit = static_cast<unsigned>(c) - '0';
            if (digit > 9)
                return parseWholeNumber(text);
            value = value * 10 + digit;
        }
        return static_cast<int>(value);
    }
    return parseWholeNumber(text);
}

// 1..12 for "January".."December", compared exactly and case-sensitively.
std::optional<int> monthFromName(std::string_view name);

// "January".."December" for 1..12, empty otherwise.
std::string_view monthName(int month);

// Months given as a number 1..12 or an English name in any letter case, white space around
// either ignored.
std::optional<int> monthFromUserText(std::string_view text);

} // namespace kesto
