#pragma once

#include "Body.h"
#include "ZodiacSign.h"

#include <string_view>

// Two people's charts compared sign by sign.
namespace kesto {

// The aspect between two signs, named by how many signs apart they stand along the zodiac, the
// shorter way round: 0 conjunction, 1 semisextile, ..., 6 opposition.
enum class Aspect { Conjunction, Semisextile, Sextile, Square, Trine, Quincunx, Opposition };

inline constexpr Aspect AllAspects[] = {Aspect::Conjunction, Aspect::Semisextile, Aspect::Sextile,
                                        Aspect::Square,      Aspect::Trine,       Aspect::Quincunx,
                                        Aspect::Opposition};

// 0..6: the signs between them counted the shorter way round the zodiac.
int signDistance(ZodiacSign a, ZodiacSign b);

Aspect aspectBetween(ZodiacSign a, ZodiacSign b);

// "conjunction", "semisextile", "sextile", "square", "trine", "quincunx", "opposition"
std::string_view aspectName(Aspect aspect);

// How three aspects read together: the kind that two or three of them share, or Mixed when all
// three differ. Flowing: sextile and trine; Testing: square and opposition; Close: conjunction;
// Adjusting: semisextile and quincunx.
enum class MatchTone { Flowing, Close, Adjusting, Testing, Mixed };

MatchTone matchTone(Aspect sun, Aspect venus, Aspect eros);

} // namespace kesto
