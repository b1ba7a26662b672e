#pragma once

#include "zodiac/SignChangeRow.h"
#include "zodiac/SignYears.h"
#include "zodiac/ZodiacSign.h"

#include <optional>
#include <span>
#include <string_view>

// Where the asteroid Eros stood, day by day: the Sexual Astrology reading's own table from
// 1 January 1940 to 31 December 1990, and the years around it computed from its orbit.
namespace kesto {

// One row a year, 1940 to 1990 in order.
std::span<const SignChangeRow> erosTable();
// 1900-1939 and 1991-2100.
std::span<const PackedSignYears> erosSkyTable();
// Both, 1900 to 2100, the table answering for its own years.
const SignYears &erosYears();

// Takes the year, month and day texts exactly as the input window's lists show them. A year
// outside 1940..1990 or not a number, a day text that is not a number, or a month text that is
// not exactly one of "January".."December" gets no answer. Every day number has a sign, even
// 30 February: the day list offers 1 to 31 in every month.
std::optional<ZodiacSign> FindErosSign(std::string_view yearText, std::string_view monthText,
                                       std::string_view dayText);

} // namespace kesto
