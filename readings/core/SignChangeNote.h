#pragma once

#include "Reading.h"
#include "Readings.h"
#include "zodiac/SignMoments.h"

#include <optional>
#include <string>

// When a birth date is a day on which the reading's body changed sign, the sign depends on the
// hour of birth, which the readings do not ask. This is the line that says so.
namespace kesto {

struct SignChangeNote
{
    // The change that decides the day; on a day the sun-sign rule and the sky disagree all day,
    // the change that separates the date from the sign shown.
    SignMoment moment;
    // "Venus moved from Capricorn into Aquarius at 00:22 UTC on this day: born after then, your
    // Zodiac Love Sign is Aquarius."
    std::string line;
    // The same, short enough for the line under the sign in the result window: "Born after
    // 00:22 UTC: Aquarius".
    std::string shortLine;
};

// The note for a reading that shows `shown` for a person born on `date`, or nothing on a quiet
// day, a day the month does not have, or outside 1900 to 2100. Within the Venus and Eros tables
// it never contradicts the table: it speaks only of a change on that day that leaves or enters
// the sign shown. The sun-sign readings keep the calendar's sign and also say when the Sun
// stood in another sign all day.
std::optional<SignChangeNote> signChangeNote(Reading reading, ZodiacSign shown,
                                             const BirthDate &date);

// "00:22 UTC"
std::string utcClock(const UtcMinute &time);

// "2033-03-10T14:05Z"
std::string isoMinute(const UtcMinute &time);

} // namespace kesto
