#pragma once

#include "zodiac/SignChangeRow.h"
#include "zodiac/ZodiacSign.h"

#include <optional>
#include <span>
#include <string_view>

// Where the asteroid Eros stood, day by day, from 1 January 1940 to 31 December 1990.
namespace kesto {

// One row a year, 1940 to 1990 in order.
std::span<const SignChangeRow> erosTable();

// Takes the year, month and day texts exactly as the input window's lists show them. A year
// outside 1940..1990 or not a number, a day text that is not a number, or a month text that is
// not exactly one of "January".."December" gets no answer.
std::optional<ZodiacSign> FindErosSign(std::string_view yearText, std::string_view monthText,
                                       std::string_view dayText);

} // namespace kesto
