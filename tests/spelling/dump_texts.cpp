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
    return std::cout.good() ? 0 : 1;
}
