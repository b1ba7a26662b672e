#pragma once

#include <optional>
#include <string_view>

namespace kesto {

// A whole decimal number, optionally signed and surrounded by blanks; nothing for any other
// text (including numbers too large for an int).
std::optional<int> parseWholeNumber(std::string_view text);

// 1..12 for "January".."December", compared exactly and case-sensitively.
std::optional<int> monthFromName(std::string_view name);

// "January".."December" for 1..12, empty otherwise.
std::string_view monthName(int month);

// Months given as a number 1..12 or an English name in any letter case.
std::optional<int> monthFromUserText(std::string_view text);

} // namespace kesto
