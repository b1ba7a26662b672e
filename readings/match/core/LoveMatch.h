#pragma once

#include "readings/core/ReadingDocument.h"
#include "readings/core/Readings.h"
#include "readings/core/SignChangeNote.h"
#include "zodiac/SignYears.h"
#include "zodiac/Synastry.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Love Match: two people's Sun, Venus and Eros signs side by side, and the aspect between them
// layer by layer.
namespace kesto {

inline constexpr std::array<Body, 3> MatchLayers = {Body::Sun, Body::Venus, Body::Eros};

struct MatchPerson
{
    std::string name; // as entered; empty on the command line
    BirthDate date;
    // By layer: the sun sign by the calendar rule, the Venus and Eros signs as Zodiac Love Sign
    // and Sexual Astrology read them (their tables within their years, computed outside).
    std::array<SourcedSign, 3> signs;

    ZodiacSign sign(Body body) const { return signs[static_cast<std::size_t>(body)].sign; }
};

struct MatchLayer
{
    Body body;
    Aspect aspect; // by the distance between the two people's signs of this body
    std::string_view text;
};

// A birth date on which a layer's body changed sign: that layer could differ with the hour.
struct MatchChange
{
    int person; // 0 or 1
    SignMoment moment;
};

struct LoveMatch
{
    std::array<MatchPerson, 2> people;
    std::array<MatchLayer, 3> layers;
    // Whether each person's sun sign is one of the two signs of the other's "Compatibility".
    std::array<bool, 2> inPartnersPair;
    std::string_view overall;
    std::vector<MatchChange> changes;
};

// The match of two people born on those dates (1900 to 2100, every day number of the lists);
// nothing when a sign cannot be found for one of them.
std::optional<LoveMatch> loveMatch(std::string firstName, const BirthDate &first,
                                   std::string secondName, const BirthDate &second);

// The match as a reading document, for the result window and every export.
ReadingDocument loveMatchDocument(const LoveMatch &match);

} // namespace kesto
