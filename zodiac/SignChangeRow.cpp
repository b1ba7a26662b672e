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

SignDayIndex::SignDayIndex(std::span<const SignChangeRow> table)
{
    if (table.empty())
        return;
    m_firstYear = table.front().year;
    m_years = table.back().year - m_firstYear + 1;
    m_days.assign(static_cast<std::size_t>(m_years) * 12 * 31, 0);
    for (int year = m_firstYear; year < m_firstYear + m_years; ++year) {
        const SignChangeRow *row = findRow(table, year);
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::size_t at = (static_cast<std::size_t>(year - m_firstYear) * 12
                                        + static_cast<std::size_t>(month - 1))
                        * 31
                    + static_cast<std::size_t>(day - 1);
                if (row)
                    m_days[at] = static_cast<unsigned char>(ordinal(signOnDay(*row, month, day)));
            }
        }
    }
}

std::optional<ZodiacSign> SignDayIndex::sign(int year, int month, int day) const
{
    // The range first: subtracting the first year from any int could overflow.
    if (year < m_firstYear || year >= m_firstYear + m_years || month < 1 || month > 12)
        return std::nullopt;
    const int yearIndex = year - m_firstYear;
    day = std::clamp(day, 1, 31);
    const unsigned char sign =
        m_days[(static_cast<std::size_t>(yearIndex) * 12 + static_cast<std::size_t>(month - 1)) * 31
               + static_cast<std::size_t>(day - 1)];
    return signFromOrdinal(sign);
}

} // namespace kesto
