#include "ZodiacSign.h"

namespace kesto {

namespace {

struct SignNames
{
    std::string_view display;
    std::string_view picture;
};

constexpr std::array<SignNames, 12> Names = {{
    {"Aries", "aries.jpg"},
    {"Taurus", "taurus.jpg"},
    {"Gemini", "gemini.jpg"},
    {"Cancer", "cancer.jpg"},
    {"Leo", "leo.jpg"},
    {"Virgo", "virgo.jpg"},
    {"Libra", "libra.jpg"},
    {"Scorpio", "scorpio.jpg"},
    {"Sagittarius", "sagittarius.jpg"},
    {"Capricorn", "capricorn.jpg"},
    {"Aquarius", "aquarius.jpg"},
    {"Pisces", "pisces.jpg"},
}};

const SignNames &namesOf(ZodiacSign sign)
{
    return Names[static_cast<std::size_t>(ordinal(sign) - 1)];
}

} // namespace

std::optional<ZodiacSign> signFromOrdinal(int ordinal)
{
    if (ordinal < 1 || ordinal > 12)
        return std::nullopt;
    return static_cast<ZodiacSign>(ordinal);
}

std::string_view displayName(ZodiacSign sign)
{
    return namesOf(sign).display;
}

std::optional<ZodiacSign> signFromDisplayName(std::string_view name)
{
    for (ZodiacSign sign : AllSigns) {
        if (displayName(sign) == name)
            return sign;
    }
    return std::nullopt;
}

std::string_view pictureKey(ZodiacSign sign)
{
    return namesOf(sign).picture;
}

ZodiacSign nextSign(ZodiacSign sign)
{
    return static_cast<ZodiacSign>(ordinal(sign) % 12 + 1);
}

ZodiacSign previousSign(ZodiacSign sign)
{
    return static_cast<ZodiacSign>((ordinal(sign) + 10) % 12 + 1);
}

} // namespace kesto
