#include "Synastry.h"

#include <array>

namespace kesto {

namespace {

MatchTone toneOf(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Conjunction:
        return MatchTone::Close;
    case Aspect::Sextile:
    case Aspect::Trine:
        return MatchTone::Flowing;
    case Aspect::Square:
    case Aspect::Opposition:
        return MatchTone::Testing;
    case Aspect::Semisextile:
    case Aspect::Quincunx:
        break;
    }
    return MatchTone::Adjusting;
}

} // namespace

int signDistance(ZodiacSign a, ZodiacSign b)
{
    const int apart = (ordinal(a) - ordinal(b) + 12) % 12;
    return apart > 6 ? 12 - apart : apart;
}

Aspect aspectBetween(ZodiacSign a, ZodiacSign b)
{
    return static_cast<Aspect>(signDistance(a, b));
}

std::string_view aspectName(Aspect aspect)
{
    static constexpr std::array<std::string_view, 7> Names = {
        "conjunction", "semisextile", "sextile", "square", "trine", "quincunx", "opposition"};
    return Names[static_cast<std::size_t>(aspect)];
}

MatchTone matchTone(Aspect sun, Aspect venus, Aspect eros)
{
    const MatchTone a = toneOf(sun);
    const MatchTone b = toneOf(venus);
    const MatchTone c = toneOf(eros);
    if (a == b || a == c)
        return a;
    if (b == c)
        return b;
    return MatchTone::Mixed;
}

} // namespace kesto
