#pragma once

#include "DateText.h"
#include "SignChangeRow.h"
#include "ZodiacSign.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One body's signs for every day from 1900 to 2100, from the reading's own day-by-day table
// within its years and from a table computed from the sky around them.
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

// The rows of every year with their source, and the signs spelt out a byte a day (74 kB), so
// that every lookup, whichever table answers it, is one read: the readings look up far more
// often than a table changes. The reading's own table claims its years first, so a computed
// row can never stand in for one of them.
class SignYears
{
public:
    SignYears(std::span<const SignChangeRow> table, std::span<const PackedSignYears> sky);

    // The sign for a year from 1900 to 2100, month 1..12 and day number 1..31 (every month has
    // 31, as the day lists offer them); nothing for anything else.
    std::optional<SourcedSign> sign(int year, int month, int day) const
    {
        if (year < SkyFirstYear || year > SkyLastYear || month < 1 || month > 12 || day < 1
            || day > 31)
            return std::nullopt;
        const unsigned char cell = m_days[dayIndex(year, month, day)];
        if (cell == 0)
            return std::nullopt;
        return SourcedSign {static_cast<ZodiacSign>(cell & OrdinalBits),
                            cell & ComputedBit ? SignSource::Ephemeris : SignSource::Table};
    }

    // The sign for a date as the input window's lists show it ("1984", "February", "29"), for the
    // years firstYear..lastYear only: the year first, then the month name, exactly, then the day.
    // Day numbers below 1 count as 1 and above 31 as 31; any other text gets no answer.
    // The lists' own texts are read inline; anything else takes the general parser.
    std::optional<ZodiacSign> signForListTexts(int firstYear, int lastYear,
                                               std::string_view yearText,
                                               std::string_view monthText,
                                               std::string_view dayText) const
    {
        const int year = listDigits(yearText);
        if (year < 0)
            return signForOtherTexts(firstYear, lastYear, yearText, monthText, dayText);
        if (year < firstYear || year > lastYear)
            return std::nullopt;
        return signForListYear(year, monthText, dayText);
    }

    // The same for a year already read from its list text (one to four digits), within the
    // years of the table.
    std::optional<ZodiacSign> signForListYear(int year, std::string_view monthText,
                                              std::string_view dayText) const
    {
        const int month = listMonth(monthText);
        if (month == 0)
            return std::nullopt;
        const int day = listDigits(dayText);
        if (day < 1 || day > 31) {
            const std::string yearText = std::to_string(year);
            return signForOtherTexts(year, year, yearText, monthText, dayText);
        }
        const unsigned char cell = m_days[dayIndex(year, month, day)];
        return cell == 0 ? std::nullopt
                         : std::optional(static_cast<ZodiacSign>(cell & OrdinalBits));
    }

    // The row of a year from 1900 to 2100.
    std::optional<SourcedRow> row(int year) const;

private:
    static constexpr int Years = SkyLastYear - SkyFirstYear + 1;
    static constexpr unsigned char OrdinalBits = 15;
    static constexpr unsigned char ComputedBit = 16;

    static std::size_t dayIndex(int year, int month, int day)
    {
        return (static_cast<std::size_t>(year - SkyFirstYear) * 12
                + static_cast<std::size_t>(month - 1))
            * 31
            + static_cast<std::size_t>(day - 1);
    }
    void unpack(const PackedSignYears &block);
    std::optional<ZodiacSign> signForOtherTexts(int firstYear, int lastYear,
                                                std::string_view yearText,
                                                std::string_view monthText,
                                                std::string_view dayText) const;

    std::array<std::optional<SourcedRow>, Years> m_rows {};
    std::deque<std::vector<SignChange>> m_storage; // the unpacked rows' changes, never moved
    // Sign ordinal, plus ComputedBit for a computed row; 0 for a year without a row.
    std::vector<unsigned char> m_days;
};

} // namespace kesto
