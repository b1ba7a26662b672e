#include "BirthDataRules.h"

#include <string>

namespace kesto {

KeyVerdict FilterNameKey(int k)
{
    if (k >= 'a' && k <= 'z')
        return {k - 32, false};
    if (k >= 'A' && k <= 'Z')
        return {k, false};
    if (k == ' ' || k == 13 || k == 8)
        return {k, false};
    return {0, true};
}

DateRefusal checkBirthDate(Reading reading, int day, int month)
{
    if (describe(reading).februaryMessage.empty())
        return DateRefusal::None;
    if (month == 2 && day >= 30)
        return DateRefusal::FebruaryTooLong;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return DateRefusal::ThirtyDayMonth;
    return DateRefusal::None;
}

std::string_view dateRefusalMessage(Reading reading, DateRefusal refusal)
{
    switch (refusal) {
    case DateRefusal::None:
        break;
    case DateRefusal::FebruaryTooLong:
        return describe(reading).februaryMessage;
    case DateRefusal::ThirtyDayMonth:
        return describe(reading).thirtyDayMessage;
    }
    return {};
}

std::string partnersMessage(std::string_view message)
{
    std::string text(message);
    const std::size_t your = text.find("Your ");
    if (your != std::string::npos)
        text.insert(your + 5, "Partner's ");
    return text;
}

} // namespace kesto
