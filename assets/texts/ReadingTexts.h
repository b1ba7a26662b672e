#pragma once

#include "zodiac/ZodiacSign.h"

#include <array>
#include <string_view>

// The prose of the four readings, one table per kind of text, each keyed by sign.
namespace kesto {

// Positive and negative sun-sign traits, shared by Love and Romance Astrology. Each is one
// paragraph in the second person, without line breaks.
struct TraitTexts
{
    std::string_view positive;
    std::string_view negative;
};
TraitTexts SunSignTraits(ZodiacSign sign);

// A love profile is stored as one to three pieces. As separate paragraphs they are joined by an
// empty line; as one paragraph they follow each other directly. No piece holds a line break.
enum class PieceJoin { Paragraphs, Direct };
struct LoveProfilePieces
{
    PieceJoin join;
    std::array<std::string_view, 3> pieces; // unused pieces are empty
};
const LoveProfilePieces &loveProfilePieces(ZodiacSign sign);

// One paragraph each.
std::string_view RomanceProfileText(ZodiacSign sign);
std::string_view LoveSignText(ZodiacSign sign); // Venus in the sign
std::string_view ErosSignText(ZodiacSign sign); // the asteroid Eros in the sign

} // namespace kesto
