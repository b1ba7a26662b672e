#include "SexualAstrology.h"

#include "zodiac/DateText.h"

namespace kesto {

namespace {

// The years of the table, and of the input window's year list.
constexpr int FirstYear = 1940;
constexpr int LastYear = 1990;

} // namespace

std::optional<ZodiacSign> FindErosSign(std::string_view yearText, std::string_view monthText,
                                       std::string_view dayText)
{
    static const SignDayIndex days(erosTable());
    const std::optional<int> year = parseListNumber(yearText);
    if (!year || *year < FirstYear || *year > LastYear)
        return std::nullopt;
    const std::optional<int> month = monthFromName(monthText);
    if (!month)
        return std::nullopt;
    // Every day number has a sign, even 30 February: the day list offers 1 to 31 in every month.
    const std::optional<int> day = parseListNumber(dayText);
    if (!day)
        return std::nullopt;
    return days.sign(*year, *month, *day);
}

} // namespace kesto
