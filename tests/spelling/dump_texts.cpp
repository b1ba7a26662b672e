// Prints every reading text, one per line, for the spelling check.
#include "assets/texts/ReadingTexts.h"
#include "readings/love/core/LoveProfile.h"
#include "zodiac/ZodiacSign.h"

#include <iostream>

int main()
{
    using namespace kesto;
    for (ZodiacSign sign : AllSigns) {
        const TraitTexts traits = SunSignTraits(sign);
        std::cout << traits.positive << '\n'
                  << traits.negative << '\n'
                  << LoveProfileText(sign) << '\n'
                  << RomanceProfileText(sign) << '\n'
                  << LoveSignText(sign) << '\n'
                  << ErosSignText(sign) << '\n';
    }
    for (Body layer : {Body::Sun, Body::Venus, Body::Eros}) {
        for (Aspect aspect : AllAspects)
            std::cout << LoveMatchText(layer, aspect) << '\n';
    }
    for (MatchTone tone : {MatchTone::Flowing, MatchTone::Close, MatchTone::Adjusting,
                           MatchTone::Testing, MatchTone::Mixed})
        std::cout << LoveMatchOverallText(tone) << '\n';
    return std::cout.good() ? 0 : 1;
}
