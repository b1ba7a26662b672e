#include "Readings.h"

#include "readings/eros/core/SexualAstrology.h"
#include "readings/lovesign/core/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SunSign.h"

namespace kesto {

namespace {

// The day-by-day signs of a body read from a table; none for the Sun, whose sign is the
// calendar's.
const SignYears *signYearsOf(Body body)
{
    switch (body) {
    case Body::Venus:
        return &venusYears();
    case Body::Eros:
        return &erosYears();
    case Body::Sun:
        break;
    }
    return nullptr;
}

} // namespace

std::string dateText(const BirthDate &date)
{
    return std::to_string(date.day) + ' ' + std::string(monthName(date.month)) + ' '
        + std::to_string(date.year);
}

std::optional<ZodiacSign> findReadingSign(Reading reading, std::string_view yearText,
                                          std::string_view monthText, std::string_view dayText)
{
    switch (describe(reading).body) {
    case Body::Sun: {
        const std::optional<int> month = monthFromName(monthText);
        const std::optional<int> day = parseListNumber(dayText);
        if (!month || !day)
            return std::nullopt;
        return SunSignFromDate(*day, *month);
    }
    case Body::Venus: {
        // The three blocks are one table, and only the block holding a year can answer for it:
        // a year of the list is read once and looked up in the table straight away. Any other
        // text goes through the three blocks in turn, as the window has always asked them.
        const int year = listDigits(yearText);
        if (year >= 1930 && year <= 2012)
            return venusYears().signForListYear(year, monthText, dayText);
        if (year < 0) {
            std::optional<ZodiacSign> sign = FindLoveSign1930To1959(yearText, monthText, dayText);
            if (const std::optional<ZodiacSign> later =
                    FindLoveSign1960To1989(yearText, monthText, dayText))
                sign = later;
            if (const std::optional<ZodiacSign> latest =
                    FindLoveSign1990To2012(yearText, monthText, dayText))
                sign = latest;
            if (sign)
                return sign;
        }
        break;
    }
    case Body::Eros:
        if (const std::optional<ZodiacSign> sign = FindErosSign(yearText, monthText, dayText))
            return sign;
        break;
    }
    // Beyond the table's years, the sign computed from the sky, read the same way.
    const ReadingDescription &description = describe(reading);
    const SignYears &sky = *signYearsOf(description.body);
    const YearRange table = description.tableYears;
    if (const std::optional<ZodiacSign> before =
            sky.signForListTexts(SkyFirstYear, table.first - 1, yearText, monthText, dayText))
        return before;
    return sky.signForListTexts(table.last + 1, SkyLastYear, yearText, monthText, dayText);
}

std::optional<ZodiacSign> findReadingSign(Reading reading, const BirthDate &date)
{
    const std::optional<SourcedSign> found = findReadingSignAnyYear(reading, date);
    return found ? std::optional(found->sign) : std::nullopt;
}

std::optional<SourcedSign> findReadingSignAnyYear(Reading reading, const BirthDate &date)
{
    if (const SignYears *years = signYearsOf(describe(reading).body))
        return years->sign(date.year, date.month, date.day);
    const std::optional<ZodiacSign> sign = SunSignFromDate(date.day, date.month);
    return sign ? std::optional<SourcedSign>({*sign, SignSource::Table}) : std::nullopt;
}

} // namespace kesto
