#include "ZodiacLoveSign.h"

namespace kesto {

const SignYears &venusYears()
{
    static const SignYears years(venusTable(), venusSkyTable());
    return years;
}

std::optional<ZodiacSign> FindLoveSign1930To1959(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText)
{
    return venusYears().signForListTexts(1930, 1959, yearText, monthText, dayText);
}

std::optional<ZodiacSign> FindLoveSign1960To1989(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText)
{
    return venusYears().signForListTexts(1960, 1989, yearText, monthText, dayText);
}

std::optional<ZodiacSign> FindLoveSign1990To2012(std::string_view yearText,
                                                 std::string_view monthText,
                                                 std::string_view dayText)
{
    return venusYears().signForListTexts(1990, 2012, yearText, monthText, dayText);
}

} // namespace kesto
