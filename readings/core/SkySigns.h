#pragma once

#include "zodiac/SignChangeRow.h"
#include "zodiac/ZodiacSign.h"

#include <cstdint>
#include <optional>
#include <span>

// The Venus and Eros signs for any date from 1900 to 2100: inside the years of a reading's own
// table the answer is that table's, outside them it comes from the tables computed from the
// planets' positions (tools/venus-table, tools/eros-table).
namespace kesto {

inline constexpr int SkyFirstYear = 1900;
inline constexpr int SkyLastYear = 2100;

enum class SignSource { Table, Ephemeris };

struct SourcedSign
{
    ZodiacSign sign;
    SignSource source;
};

struct SourcedRow
{
    SignChangeRow row;
    SignSource source;
};

// A block of consecutive years of a computed table. Each year is one entry carrying its
// 1 January sign, then one entry per change, an entry being month << 9 | day << 4 | sign
// ordinal; the year's first entry has month and day 0.
struct PackedSignYears
{
    int firstYear;
    int lastYear;
    std::span<const std::uint16_t> entries;
};

// The computed years only: 1900-1929 and 2013-2100 for Venus, 1900-1939 and 1991-2100 for Eros.
std::span<const PackedSignYears> venusSkyTable();
std::span<const PackedSignYears> erosSkyTable();

// Month 1..12 and day numbers 1..31 of every month, read as the reading's tables read them (a
// change dated past a month's end acts from the next month's first day, 29 February of a common
// year has the sign the table gives it). Nothing for any other year, month or day.
std::optional<SourcedSign> venusSignAnyYear(int year, int month, int day);
std::optional<SourcedSign> erosSignAnyYear(int year, int month, int day);

// The row of a year from 1900 to 2100, from the same source as the signs above.
std::optional<SourcedRow> venusRowAnyYear(int year);
std::optional<SourcedRow> erosRowAnyYear(int year);

} // namespace kesto
