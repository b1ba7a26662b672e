#pragma once

#include "readings/eros/core/SexualAstrology.h"
#include "readings/lovesign/core/ZodiacLoveSign.h"
#include "zodiac/SignYears.h"

#include <optional>

// The Venus and Eros signs for any date from 1900 to 2100: inside the years of a reading's own
// table the answer is that table's, outside them it comes from the tables computed from the
// planets' positions (tools/venus-table, tools/eros-table).
namespace kesto {

// Month 1..12 and day numbers 1..31 of every month, read as the reading's tables read them (a
// change dated past a month's end acts from the next month's first day, 29 February of a common
// year has the sign the table gives it). Nothing for any other year, month or day.
inline std::optional<SourcedSign> venusSignAnyYear(int year, int month, int day)
{
    return venusYears().sign(year, month, day);
}
inline std::optional<SourcedSign> erosSignAnyYear(int year, int month, int day)
{
    return erosYears().sign(year, month, day);
}

// The row of a year from 1900 to 2100, from the same source as the signs above.
inline std::optional<SourcedRow> venusRowAnyYear(int year)
{
    return venusYears().row(year);
}
inline std::optional<SourcedRow> erosRowAnyYear(int year)
{
    return erosYears().row(year);
}

} // namespace kesto
