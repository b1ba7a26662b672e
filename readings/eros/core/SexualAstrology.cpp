#include "SexualAstrology.h"

namespace kesto {

const SignYears &erosYears()
{
    static const SignYears years(erosTable(), erosSkyTable());
    return years;
}

std::optional<ZodiacSign> FindErosSign(std::string_view yearText, std::string_view monthText,
                                       std::string_view dayText)
{
    return erosYears().signForListTexts(1940, 1990, yearText, monthText, dayText);
}

} // namespace kesto
