#pragma once

#include "zodiac/Synastry.h"
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

// Love Match: what two people's signs of one body say together, by the aspect between them,
// written to the two of them; one paragraph each. The Sun layer is how they get along, the Venus
// layer how they love, the Eros layer what they desire.
std::string_view LoveMatchText(Body layer, Aspect aspect);
// One short line over the three layers of a Love Match.
std::string_view LoveMatchOverallText(MatchTone tone);

} // namespace kesto
