#include "SignAttributes.h"

#include <array>

namespace kesto {

namespace {

// clang-format off
constexpr std::array<SignAttributeRow, 12> Rows = {{
    // element   number     day          compatibility            birthstone
    {"Fire",  "9",       "Tuesday",   "Leo and Sagittarius",   "Diamond"},    // Aries
    {"Earth", "6",       "Friday",    "Capricorn and Virgo",   "Emerald"},    // Taurus
    {"Air",   "5",       "Wednesday", "Aquarius and Libra",    "Agate"},      // Gemini
    {"Water", "2",       "Monday",    "Pisces and Scorpio",    "Pearl"},      // Cancer
    {"Fire",  "8 and 9", "Sunday",    "Aries and Sagittarius", "Ruby"},       // Leo
    {"Earth", "3 and 5", "Wednesday", "Capricorn and Taurus",  "Sapphire"},   // Virgo
    {"Air",   "6 and 9", "Friday",    "Aquarius and Gemini",   "Opal"},       // Libra
    {"Water", "2 and 4", "Tuesday",   "Cancer and Pisces",     "Topaz"},      // Scorpio
    {"Fire",  "5 and 7", "Thursday",  "Aries and Leo",         "Turquoise"},  // Sagittarius
    {"Earth", "8 and 2", "Saturday",  "Taurus and Virgo",      "Garnet"},     // Capricorn
    {"Air",   "1 and 7", "Wednesday", "Taurus and Virgo",      "Amethyst"},   // Aquarius
    {"Water", "2 and 6", "Friday",    "Taurus and Virgo",      "Aquamarine"}, // Pisces
}};
// clang-format on

} // namespace

const SignAttributeRow &SignAttributes(ZodiacSign sign)
{
    return Rows[static_cast<std::size_t>(ordinal(sign) - 1)];
}

} // namespace kesto
