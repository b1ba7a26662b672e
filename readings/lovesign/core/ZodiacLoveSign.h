#pragma once

#include "zodiac/SignChangeRow.h"
#include "zodiac/SignYears.h"
#include "zodiac/ZodiacSign.h"

#include <optional>
#include <span>
#include <string_view>

// Where Venus stood, day by day: the Zodiac Love Sign reading's own table from 1 January 1930 to
// 31 December 2012, and the years around it computed by the same generator.
namespace kesto {

// One row a year, 1930 to 2012 in order.
std::span<const SignChangeRow> venusTable();
// 1900-1929 and 2013-2100.
std::span<const PackedSignYears> venusSkyTable();
// Both, 1900 to 2100, the table answering for its own years.
const SignYears &venusYears();

// The three block lookups of the Zodiac Love Sign reading. Each takes the year, month and day
// texts exactly as the input window's lists show them and answers only for the years of its
// block; a year or day text that is not a number, or a month text that is not exactly one of
// "January".."December", gets no answer.
std::optional<ZodiacSign> FindLoveSign1930To1959(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText);
std::optional<ZodiacSign> FindLoveSign1960To1989(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText);
std::optional<ZodiacSign> FindLoveSign1990To2012(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText);

} // namespace kesto
