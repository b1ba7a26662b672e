#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kesto {

// The twelve signs in zodiac order. The ordinal (1 to 12) is also the sign's position in the
// picture list of the sun-sign readings.
enum class ZodiacSign {
    Aries = 1,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

inline constexpr std::array<ZodiacSign, 12> AllSigns = {
    ZodiacSign::Aries,       ZodiacSign::Taurus,    ZodiacSign::Gemini,   ZodiacSign::Cancer,
    ZodiacSign::Leo,         ZodiacSign::Virgo,     ZodiacSign::Libra,    ZodiacSign::Scorpio,
    ZodiacSign::Sagittarius, ZodiacSign::Capricorn, ZodiacSign::Aquarius, ZodiacSign::Pisces};

constexpr int ordinal(ZodiacSign sign)
{
    return static_cast<int>(sign);
}

// Sign at ordinal 1..12; nothing for any other number.
std::optional<ZodiacSign> signFromOrdinal(int ordinal);

// "Aries" ... "Pisces": the name every reading shows and compares.
std::string_view displayName(ZodiacSign sign);

// Exact, case-sensitive match against the display names, tested in zodiac order.
std::optional<ZodiacSign> signFromDisplayName(std::string_view name);

// "aries.jpg" ... "pisces.jpg"
std::string_view pictureKey(ZodiacSign sign);

// One step along the zodiac, wrapping Pisces -> Aries and back.
ZodiacSign nextSign(ZodiacSign sign);
ZodiacSign previousSign(ZodiacSign sign);

} // namespace kesto
