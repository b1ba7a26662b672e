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
    auto it = std::lower_bound(table.begin(), table.end(), year,
                               [](const SignChangeRow &row, int y) { return row.year < y; });
    if (it == table.end() || it->year != year)
        return nullptr;
    return &*it;
}

} // namespace kesto
