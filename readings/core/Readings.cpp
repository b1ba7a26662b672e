#include "Readings.h"

#include "readings/eros/core/SexualAstrology.h"
#include "readings/love/core/LoveProfile.h"
#include "readings/lovesign/core/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SunSign.h"

namespace kesto {

namespace {

std::optional<ZodiacSign> tableSign(std::span<const SignChangeRow> table, const BirthDate &date)
{
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    const SignChangeRow *row = findRow(table, date.year);
    if (!row)
        return std::nullopt;
    return signOnDay(*row, date.month, date.day);
}

} // namespace

std::string dateText(const BirthDate &date)
{
    return std::to_string(date.day) + ' ' + std::string(monthName(date.month)) + ' '
        + std::to_string(date.year);
}

std::string_view readingTitle(Reading reading)
{
    switch (reading) {
    case Reading::LoveAstrology:
        return "Love Astrology";
    case Reading::RomanceAstrology:
        return "Romance Astrology";
    case Reading::SexualAstrology:
        return "Sexual Astrology";
    case Reading::ZodiacLoveSign:
        return "Zodiac Love Sign";
    }
    return {};
}

std::optional<ZodiacSign> findReadingSign(Reading reading, std::string_view yearText,
                                          std::string_view monthText, std::string_view dayText)
{
    switch (reading) {
    case Reading::LoveAstrology:
    case Reading::RomanceAstrology: {
        const std::optional<int> month = monthFromName(monthText);
        const std::optional<int> day = parseListNumber(dayText);
        if (!month || !day)
            return std::nullopt;
        return SunSignFromDate(*day, *month);
    }
    case Reading::ZodiacLoveSign: {
        // Every block is asked; only the one holding the year answers.
        std::optional<ZodiacSign> sign;
        for (auto find : {FindLoveSign1930To1959, FindLoveSign1960To1989, FindLoveSign1990To2012}) {
            if (const std::optional<ZodiacSign> answer = find(yearText, monthText, dayText))
                sign = answer;
        }
        return sign;
    }
    case Reading::SexualAstrology:
        return FindErosSign(yearText, monthText, dayText);
    }
    return std::nullopt;
}

std::optional<ZodiacSign> findReadingSign(Reading reading, const BirthDate &date)
{
    switch (reading) {
    case Reading::LoveAstrology:
    case Reading::RomanceAstrology:
        return SunSignFromDate(date.day, date.month);
    case Reading::ZodiacLoveSign:
        return tableSign(venusTable(), date);
    case Reading::SexualAstrology:
        return tableSign(erosTable(), date);
    }
    return std::nullopt;
}

std::optional<SourcedSign> findReadingSignAnyYear(Reading reading, const BirthDate &date)
{
    switch (reading) {
    case Reading::ZodiacLoveSign:
        return venusSignAnyYear(date.year, date.month, date.day);
    case Reading::SexualAstrology:
        return erosSignAnyYear(date.year, date.month, date.day);
    case Reading::LoveAstrology:
    case Reading::RomanceAstrology:
        break;
    }
    const std::optional<ZodiacSign> sign = findReadingSign(reading, date);
    return sign ? std::optional<SourcedSign>({*sign, SignSource::Table}) : std::nullopt;
}

SunSignCard sunSignCard(Reading reading, ZodiacSign sign)
{
    return {sign, SignAttributes(sign), SunSignTraits(sign),
            reading == Reading::RomanceAstrology ? std::string(RomanceProfileText(sign))
                                                 : LoveProfileText(sign),
            pictureKey(sign)};
}

std::string_view signDescription(Reading reading, ZodiacSign sign)
{
    return reading == Reading::SexualAstrology ? ErosSignText(sign) : LoveSignText(sign);
}

} // namespace kesto
