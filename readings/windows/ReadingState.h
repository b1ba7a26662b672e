#pragma once

#include "readings/core/Reading.h"

#include <QString>

#include <optional>

// The sign each kind of reading found last, as its display name ("Aries" ... "Pisces"): the
// readings hand their sign to the result windows through these texts. Empty until a reading of
// that kind has run; a lookup that finds nothing leaves the old value.
namespace ReadingState {

inline QString CurrentSunSign; // Love and Romance Astrology
inline QString LoveSign;       // Zodiac Love Sign (Venus)
inline QString ErosSign;       // Sexual Astrology (Eros)

// The text a reading stores its sign in: one per body it looks at.
QString &signOf(kesto::Reading reading);

// The sign the text of the reading's kind names, compared with the twelve names in zodiac
// order; nothing when it names none of them. The one place a found sign is read back.
std::optional<kesto::ZodiacSign> foundSign(kesto::Reading reading);

} // namespace ReadingState
