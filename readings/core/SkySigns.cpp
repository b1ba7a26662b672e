#include "SkySigns.h"

#include "readings/eros/core/SexualAstrology.h"
#include "readings/lovesign/core/ZodiacLoveSign.h"

#include <array>
#include <deque>
#include <vector>

namespace kesto {

namespace {

constexpr int Years = SkyLastYear - SkyFirstYear + 1;

// One reading's rows for every year from 1900 to 2100 with their source, and the signs spelt
// out day by day. The reading's own table claims its years first, so a computed row can never
// stand in for one of them.
class SkyBook
{
public:
    SkyBook(std::span<const SignChangeRow> table, std::span<const PackedSignYears> sky)
    {
        for (const SignChangeRow &row : table) {
            if (row.year >= SkyFirstYear && row.year <= SkyLastYear)
                m_rows[index(row.year)] = SourcedRow {row, SignSource::Table};
        }
        for (const PackedSignYears &block : sky)
            unpack(block);
        m_days.resize(static_cast<std::size_t>(Years) * 12 * 31, 0);
        for (int year = SkyFirstYear; year <= SkyLastYear; ++year) {
            const std::optional<SourcedRow> &row = m_rows[index(year)];
            if (!row)
                continue;
            const unsigned char source = row->source == SignSource::Ephemeris ? 16 : 0;
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 31; ++day)
                    m_days[dayIndex(year, month, day)] = static_cast<unsigned char>(
                        ordinal(signOnDay(row->row, month, day)) | source);
            }
        }
    }

    std::optional<SourcedSign> sign(int year, int month, int day) const
    {
        if (year < SkyFirstYear || year > SkyLastYear || month < 1 || month > 12 || day < 1
            || day > 31)
            return std::nullopt;
        const unsigned char cell = m_days[dayIndex(year, month, day)];
        const std::optional<ZodiacSign> sign = signFromOrdinal(cell & 15);
        if (!sign)
            return std::nullopt;
        return SourcedSign {*sign, cell & 16 ? SignSource::Ephemeris : SignSource::Table};
    }

    std::optional<SourcedRow> row(int year) const
    {
        if (year < SkyFirstYear || year > SkyLastYear)
            return std::nullopt;
        return m_rows[index(year)];
    }

private:
    static std::size_t index(int year) { return static_cast<std::size_t>(year - SkyFirstYear); }

    static std::size_t dayIndex(int year, int month, int day)
    {
        return (index(year) * 12 + static_cast<std::size_t>(month - 1)) * 31
            + static_cast<std::size_t>(day - 1);
    }

    void unpack(const PackedSignYears &block)
    {
        int year = block.firstYear - 1;
        std::vector<SignChange> *changes = nullptr;
        std::optional<ZodiacSign> january1;
        const auto finish = [&] {
            if (!changes || !january1 || year < SkyFirstYear || year > SkyLastYear
                || m_rows[index(year)])
                return;
            m_rows[index(year)] = SourcedRow {{year, *january1, *changes}, SignSource::Ephemeris};
        };
        for (const std::uint16_t entry : block.entries) {
            const int month = entry >> 9;
            const int day = (entry >> 4) & 31;
            const std::optional<ZodiacSign> sign = signFromOrdinal(entry & 15);
            if (month == 0) {
                finish();
                ++year;
                january1 = sign;
                changes = &m_storage.emplace_back();
            } else if (changes && sign) {
                changes->push_back({month, day, *sign});
            }
        }
        finish();
    }

    std::array<std::optional<SourcedRow>, Years> m_rows {};
    std::deque<std::vector<SignChange>> m_storage; // stable addresses for the rows' spans
    std::vector<unsigned char> m_days; // sign ordinal, plus 16 when computed; 0 for no row
};

const SkyBook &venusBook()
{
    static const SkyBook book(venusTable(), venusSkyTable());
    return book;
}

const SkyBook &erosBook()
{
    static const SkyBook book(erosTable(), erosSkyTable());
    return book;
}

} // namespace

std::optional<SourcedSign> venusSignAnyYear(int year, int month, int day)
{
    return venusBook().sign(year, month, day);
}

std::optional<SourcedSign> erosSignAnyYear(int year, int month, int day)
{
    return erosBook().sign(year, month, day);
}

std::optional<SourcedRow> venusRowAnyYear(int year)
{
    return venusBook().row(year);
}

std::optional<SourcedRow> erosRowAnyYear(int year)
{
    return erosBook().row(year);
}

} // namespace kesto
