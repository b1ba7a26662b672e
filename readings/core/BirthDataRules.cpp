#include "BirthDataRules.h"

namespace kesto {

YearRange yearRange(Reading reading)
{
    switch (reading) {
    case Reading::LoveAstrology:
    case Reading::RomanceAstrology:
        return {1900, 2050};
    case Reading::SexualAstrology:
        return {1940, 1990};
    case Reading::ZodiacLoveSign:
        return {1930, 2012};
    }
    return {0, -1};
}

bool usesThreeNameFields(Reading reading)
{
    return isSunSignReading(reading);
}

std::string_view nameKeyMessage(Reading reading)
{
    return usesThreeNameFields(reading) ? "Please Enter Only Alphabet"
                                        : "Please Enter only Letters";
}

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
    if (usesThreeNameFields(reading))
        return DateRefusal::None;
    if (month == 2 && day >= 30)
        return DateRefusal::FebruaryTooLong;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return DateRefusal::ThirtyDayMonth;
    return DateRefusal::None;
}

std::string_view dateRefusalMessage(Reading reading, DateRefusal refusal)
{
    // The two messages of a window differ only by the blank before the exclamation mark.
    const bool sexual = reading == Reading::SexualAstrology;
    switch (refusal) {
    case DateRefusal::None:
        return {};
    case DateRefusal::FebruaryTooLong:
        return sexual ? "Please Enter Your Correct Date of Birth!"
                      : "Please Enter Correct Date of Birth!";
    case DateRefusal::ThirtyDayMonth:
        return sexual ? "Please Enter Your Correct Date of Birth !"
                      : "Please Enter Correct Date of Birth !";
    }
    return {};
}

} // namespace kesto
