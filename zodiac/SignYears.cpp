#include "SignYears.h"

#include <algorithm>

namespace kesto {

SignYears::SignYears(std::span<const SignChangeRow> table, std::span<const PackedSignYears> sky)
    : m_days(static_cast<std::size_t>(Years) * 12 * 31, 0)
{
    for (const SignChangeRow &row : table) {
        if (row.year >= SkyFirstYear && row.year <= SkyLastYear)
            m_rows[static_cast<std::size_t>(row.year - SkyFirstYear)] = {row, SignSource::Table};
    }
    for (const PackedSignYears &block : sky)
        unpack(block);
    for (int year = SkyFirstYear; year <= SkyLastYear; ++year) {
        const std::optional<SourcedRow> &row =
            m_rows[static_cast<std::size_t>(year - SkyFirstYear)];
        if (!row)
            continue;
        const unsigned char source = row->source == SignSource::Ephemeris ? ComputedBit : 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day)
                m_days[dayIndex(year, month, day)] =
                    static_cast<unsigned char>(ordinal(signOnDay(row->row, month, day)) | source);
        }
    }
}

void SignYears::unpack(const PackedSignYears &block)
{
    int year = block.firstYear - 1;
    std::vector<SignChange> *changes = nullptr;
    std::optional<ZodiacSign> january1;
    const auto finish = [&] {
        if (!changes || !january1 || year < SkyFirstYear || year > SkyLastYear)
            return;
        std::optional<SourcedRow> &slot = m_rows[static_cast<std::size_t>(year - SkyFirstYear)];
        if (!slot)
            slot = SourcedRow {{year, *january1, *changes}, SignSource::Ephemeris};
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

std::optional<ZodiacSign> SignYears::signForOtherTexts(int firstYear, int lastYear,
                                                       std::string_view yearText,
                                                       std::string_view monthText,
                                                       std::string_view dayText) const
{
    const std::optional<int> year = parseListNumber(yearText);
    if (!year || *year < firstYear || *year > lastYear)
        return std::nullopt;
    const std::optional<int> month = monthFromName(monthText);
    if (!month)
        return std::nullopt;
    const std::optional<int> day = parseListNumber(dayText);
    if (!day)
        return std::nullopt;
    const std::optional<SourcedSign> found = sign(*year, *month, std::clamp(*day, 1, 31));
    return found ? std::optional(found->sign) : std::nullopt;
}

std::optional<SourcedRow> SignYears::row(int year) const
{
    if (year < SkyFirstYear || year > SkyLastYear)
        return std::nullopt;
    return m_rows[static_cast<std::size_t>(year - SkyFirstYear)];
}

} // namespace kesto
