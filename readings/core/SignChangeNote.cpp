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
    const std::string when = utcClock(moment.time);
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

std::string utcClock(const UtcMinute &time)
{
    return twoDigits(time.hour) + ':' + twoDigits(time.minute) + " UTC";
}

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
    // The change that separates the day from the calendar's sign: the Sun entered it later, or
    // had left it before.
    const std::optional<SignMoment> next = nextSignChange(body, midnight);
    const std::optional<SignMoment> previous = previousSignChange(body, midnight);
    const bool entersLater = next && next->to == shown;
    if (!entersLater && !(previous && previous->from == shown))
        return std::nullopt;
    const SignMoment &moment = entersLater ? *next : *previous;
    return SignChangeNote {moment,
                           "The Sun stood in " + name(*sky) + " all this day: it "
                               + (entersLater ? "entered " : "had left ") + name(shown) + " on "
                               + dayAndMonth(moment.time) + " at " + utcClock(moment.time) + '.',
                           "The Sun stood in " + name(*sky) + " all day"};
}

} // namespace kesto
