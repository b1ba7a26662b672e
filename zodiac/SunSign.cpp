#include "SunSign.h"

#include <array>

namespace kesto {

namespace {

// Each month: the sign that ends in it, the first day of the sign that begins in it, that sign.
struct MonthCutOver
{
    ZodiacSign earlier;
    int firstDayOfLater;
    ZodiacSign later;
};

using enum ZodiacSign;

// clang-format off
constexpr std::array<MonthCutOver, 12> CutOvers = {{
    {Capricorn, 20, Aquarius},   // January
    {Aquarius, 19, Pisces},      // February
    {Pisces, 21, Aries},         // March
    {Aries, 21, Taurus},         // April
    {Taurus, 21, Gemini},        // May
    {Gemini, 21, Cancer},        // June
    {Cancer, 21, Leo},           // July
    {Leo, 21, Virgo},            // August
    {Virgo, 21, Libra},          // September
    {Libra, 21, Scorpio},        // October
    {Scorpio, 21, Sagittarius},  // November
    {Sagittarius, 21, Capricorn} // December
}};
// clang-format on

} // namespace

std::optional<ZodiacSign> SunSignFromDate(int day, int month)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const MonthCutOver &cut = CutOvers[static_cast<std::size_t>(month - 1)];
    return day < cut.firstDayOfLater ? cut.earlier : cut.later;
}

} // namespace kesto
