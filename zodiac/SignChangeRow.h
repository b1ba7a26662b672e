#pragma once

#include "ZodiacSign.h"

#include <span>

namespace kesto {

// One change in a year of a day-by-day sign table: from this month and day on, the new sign.
// Day may exceed the month's length (a table may date a change "31 September"); it then acts
// from the first day of the next month for every real date.
struct SignChange
{
    int month;
    int day;
    ZodiacSign sign;
};

// One year of such a table: the sign in force on 1 January, then every change in date order.
struct SignChangeRow
{
    int year;
    ZodiacSign january1;
    std::span<const SignChange> changes;
};

// The sign for month 1..12 and any day number of a row: that of the last change on or before
// the day in the row, or the 1 January sign. Day numbers below 1 count as day 1, so every
// number has an answer.
ZodiacSign signOnDay(const SignChangeRow &row, int month, int day);

// The row for a year in a table sorted by year, or nullptr.
const SignChangeRow *findRow(std::span<const SignChangeRow> table, int year);

} // namespace kesto
