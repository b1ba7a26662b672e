#include "ZodiacLoveSign.h"

#include "zodiac/DateText.h"

namespace kesto {

namespace {

// One block of the table: the year first, then the month name, then the day, as the reading
// has always looked them up. Day numbers past a month's end fall in the month's last run.
std::optional<ZodiacSign> findInBlock(int firstYear, int lastYear, std::string_view yearText,
                                      std::string_view monthText, std::string_view dayText)
{
    static const SignDayIndex days(venusTable());
    const std::optional<int> year = parseListNumber(yearText);
    if (!year || *year < firstYear || *year > lastYear)
        return std::nullopt;
    const std::optional<int> month = monthFromName(monthText);
    if (!month)
        return std::nullopt;
    const std::optional<int> day = parseListNumber(dayText);
    if (!day)
        return std::nullopt;
    return days.sign(*year, *month, *day);
}

} // namespace

std::optional<ZodiacSign> FindLoveSign1930To1959(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText)
{
    return findInBlock(1930, 1959, yearText, monthText, dayText);
}

std::optional<ZodiacSign> FindLoveSign1960To1989(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText)
{
    return findInBlock(1960, 1989, yearText, monthText, dayText);
}

std::optional<ZodiacSign> FindLoveSign1990To2012(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText)
{
    return findInBlock(1990, 2012, yearText, monthText, dayText);
}

} // namespace kesto
