#include "SignChangeRow.h"

#include <algorithm>

namespace kesto {

ZodiacSign signOnDay(const SignChangeRow &row, int month, int day)
{
    day = std::max(day, 1);
    ZodiacSign sign = row.january1;
    for (const SignChange &change : row.changes) {
        if (change.month > month || (change.month == month && change.day > day))
            break;
        sign = change.sign;
    }
    return sign;
}

const SignChangeRow *findRow(std::span<const SignChangeRow> table, int year)
{
    if (table.empty())
        return nullptr;
    // The tables hold one row for each year in turn, so the year gives the row straight away;
    // the search is only for a table with gaps.
    const long long index = static_cast<long long>(year) - table.front().year;
    if (index < 0 || index >= static_cast<long long>(table.size()))
        return nullptr;
    if (table[static_cast<std::size_t>(index)].year == year)
        return &table[static_cast<std::size_t>(index)];
    auto it = std::lower_bound(table.begin(), table.end(), year,
                               [](const SignChangeRow &row, int y) { return row.year < y; });
    if (it == table.end() || it->year != year)
        return nullptr;
    return &*it;
}

} // namespace kesto
