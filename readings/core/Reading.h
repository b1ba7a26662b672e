#pragma once

// The four readings of the program.
namespace kesto {

enum class Reading { LoveAstrology, RomanceAstrology, SexualAstrology, ZodiacLoveSign };

// Love and Romance Astrology read the sun sign and show its card; the other two look one sign
// up in a day-by-day table and show its description.
constexpr bool isSunSignReading(Reading reading)
{
    return reading == Reading::LoveAstrology || reading == Reading::RomanceAstrology;
}

} // namespace kesto
