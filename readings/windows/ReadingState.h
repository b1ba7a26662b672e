#pragma once

#include "readings/core/Reading.h"

#include <QString>

// The sign each kind of reading found last, as its display name ("Aries" ... "Pisces"). Empty
// until a reading of that kind has run; a lookup that finds nothing leaves the old value.
namespace ReadingState {

inline QString CurrentSunSign; // Love and Romance Astrology
inline QString LoveSign;       // Zodiac Love Sign (Venus)
inline QString ErosSign;       // Sexual Astrology (Eros)

inline QString &signOf(kesto::Reading reading)
{
    switch (reading) {
    case kesto::Reading::ZodiacLoveSign:
        return LoveSign;
    case kesto::Reading::SexualAstrology:
        return ErosSign;
    case kesto::Reading::LoveAstrology:
    case kesto::Reading::RomanceAstrology:
        break;
    }
    return CurrentSunSign;
}

} // namespace ReadingState
