#pragma once

#include "Reading.h"
#include "zodiac/SignYears.h"
#include "zodiac/ZodiacSign.h"

#include <optional>
#include <string>
#include <string_view>

// One entry to the readings' sign lookups for everything that shows them: the windows, the
// command line, the tests and the benchmarks. Built on the readings' own lookups, which stay as
// they are.
namespace kesto {

struct BirthDate
{
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31; the readings take every day number in every month
};

// "20 January 1990"
std::string dateText(const BirthDate &date);

// The sign a reading finds for a date given as the input window's lists show it ("1984",
// "January", "29"). Within their tables' years Zodiac Love Sign asks its three table blocks in
// turn and Sexual Astrology its table, as they always have; beyond them both read the sign
// computed from the sky, 1900 to 2100. Nothing for any other text.
std::optional<ZodiacSign> findReadingSign(Reading reading, std::string_view yearText,
                                          std::string_view monthText, std::string_view dayText);

// The same for a date given as numbers, as the windows' lists' positions give it.
std::optional<ZodiacSign> findReadingSign(Reading reading, const BirthDate &date);

// The same for any date from 1900 to 2100, with where the sign comes from: Zodiac Love Sign and
// Sexual Astrology answer from their own tables within the years of their tables and from the
// signs computed from the planets' positions outside them; the sun signs need no table.
std::optional<SourcedSign> findReadingSignAnyYear(Reading reading, const BirthDate &date);

} // namespace kesto
