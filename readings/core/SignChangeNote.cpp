#include "SignChangeNote.h"

#include "zodiac/DateText.h"

#include <cstdio>

namespace kesto {

namespace {

std::string twoDigits(int value)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// "00:22 UTC"
std::string clockTime(const UtcMinute &time)
{
    return twoDigits(time.hour) + ':' + twoDigits(time.minute) + " UTC";
}

std::string name(ZodiacSign sign)
{
    return std::string(displayName(sign));
}

// "Venus", "The Sun" at the start of a sentence.
std::string subject(Body body)
{
    return body == Body::Sun ? "The Sun" : std::string(bodyName(body));
}

// The body changed sign during the day; the reading shows the sign it had at one end of it.
SignChangeNote changeDuringDay(const ReadingDescription &reading, const SignMoment &moment,
                               bool shownIsBefore)
{
    const std::string when = clockTime(moment.time);
    const ZodiacSign other = shownIsBefore ? moment.to : moment.from;
    const std::string side = shownIsBefore ? "after" : "before";
    std::string line = subject(moment.body) + " moved from " + name(moment.from) + " into "
        + name(moment.to) + " at " + when + " on this day: born " + side + " then, ";
    std::string shortLine = "Born " + side + ' ' + when + ": ";
    if (moment.body == Body::Sun) {
        line += "the Sun stood in " + name(other) + '.';
        shortLine += "the Sun in " + name(other);
    } else {
        line += "your " + std::string(reading.signName) + " is " + name(other) + '.';
        shortLine += name(other);
    }
    return {moment, line, shortLine};
}

// "23 July"
std::string dayAndMonth(const UtcMinute &time)
{
    return std::to_string(time.day) + ' ' + std::string(monthName(time.month));
}

} // namespace

std::string isoMinute(const UtcMinute &time)
{
    return std::to_string(time.year) + '-' + twoDigits(time.month) + '-' + twoDigits(time.day) + 'T'
        + twoDigits(time.hour) + ':' + twoDigits(time.minute) + 'Z';
}

std::optional<SignChangeNote> signChangeNote(Reading reading, ZodiacSign shown,
                                             const BirthDate &date)
{
    const ReadingDescription &description = describe(reading);
    const Body body = description.body;
    if (const std::optional<SignMoment> change =
            signChangeOnDay(body, date.year, date.month, date.day)) {
        if (shown == change->from || shown == change->to)
            return changeDuringDay(description, *change, shown == change->from);
        return std::nullopt;
    }
    if (body != Body::Sun)
        return std::nullopt;
    // A quiet day: the Sun stood in one sign all day, which the calendar rule may not give.
    const UtcMinute midnight {date.year, date.month, date.day, 0, 0};
    const std::optional<ZodiacSign> sky = signAt(body, midnight);
    if (!sky || *sky == shown)
        return std::nullopt;
    const std::optional<SignMoment> next = nextSignChange(body, midnight);
    if (next && next->to == shown) {
        return SignChangeNote {*next,
                               "The Sun stood in " + name(*sky) + " all this day: it entered "
                                   + name(shown) + " on " + dayAndMonth(next->time) + " at "
                                   + clockTime(next->time) + '.',
                               "The Sun stood in " + name(*sky) + " all day"};
    }
    const std::optional<SignMoment> previous = previousSignChange(body, midnight);
    if (previous && previous->from == shown) {
        return SignChangeNote {*previous,
                               "The Sun stood in " + name(*sky) + " all this day: it had left "
                                   + name(shown) + " on " + dayAndMonth(previous->time) + " at "
                                   + clockTime(previous->time) + '.',
                               "The Sun stood in " + name(*sky) + " all day"};
    }
    return std::nullopt;
}

} // namespace kesto
