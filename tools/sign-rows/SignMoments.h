#pragma once

// Shared by the generators: the moments a body passes from one sign into the next over a span of
// time, found from any longitude function of the time, given to the minute, and written as the
// C++ source the program reads them from (see zodiac/SignMoments.h).

#include "SignRows.h"

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace kesto::signrows {

// Apparent ecliptic longitude, degrees in [0, 360), at a Julian day in UT.
using LongitudeAt = std::function<double(double julianDayUt)>;

// 1 January 1900, 0h UT: where every list of moments starts, and minute 0 of its count.
constexpr double JulianDay1900 = 2415020.5;

struct Crossing
{
    double julianDay; // UT
    int from;
    int to;
};

struct Crossings
{
    int first = 0; // the sign at the start of the span
    std::vector<Crossing> crossings;
    int stations = 0;
};

// The moment, within `precision` days, where the motion between a and b turns (the longitude's
// maximum when `maximum`, else its minimum), by golden-section search.
inline double stationBetween(const LongitudeAt &longitude, double a, double b, bool maximum,
                             double precision)
{
    const double base = longitude(a);
    const auto height = [&](double t) {
        const double moved = std::remainder(longitude(t) - base, 360.0);
        return maximum ? moved : -moved;
    };
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = b - ratio * (b - a);
    double d = a + ratio * (b - a);
    double hc = height(c);
    double hd = height(d);
    while (b - a > precision) {
        if (hc > hd) {
            b = d;
            d = c;
            hd = hc;
            c = b - ratio * (b - a);
            hc = height(c);
        } else {
            a = c;
            c = d;
            hc = hd;
            d = a + ratio * (b - a);
            hd = height(d);
        }
    }
    return (a + b) / 2;
}

// Every passage of the longitude over a multiple of 30 degrees from start to end (Julian days,
// UT). The longitude is sampled every `step` days; wherever three samples show the motion turning,
// the station is found and becomes a sample too, so that between neighbouring samples the motion
// runs one way and passes a boundary at most once. Each passage is then bisected to `precision`
// days and given as the first moment found in the new sign. The step must be short against the
// time between stations and the time to cross a sign.
inline Crossings findCrossings(const LongitudeAt &longitude, double start, double end, double step,
                               double precision)
{
    std::vector<double> times;
    for (long k = 0; start + static_cast<double>(k) * step < end; ++k)
        times.push_back(start + static_cast<double>(k) * step);
    times.push_back(end);
    std::vector<double> values;
    values.reserve(times.size());
    for (double t : times)
        values.push_back(longitude(t));

    Crossings result;
    std::vector<std::pair<double, double>> samples;
    samples.reserve(times.size() + 1000);
    samples.emplace_back(times.front(), values.front());
    for (std::size_t i = 1; i < times.size(); ++i) {
        if (i + 1 < times.size()) {
            const double before = std::remainder(values[i] - values[i - 1], 360.0);
            const double after = std::remainder(values[i + 1] - values[i], 360.0);
            if ((before > 0) != (after > 0)) {
                const double station =
                    stationBetween(longitude, times[i - 1], times[i + 1], before > 0, precision);
                ++result.stations;
                // The station joins the samples in time order, once.
                if (station > samples.back().first && station < times[i])
                    samples.emplace_back(station, longitude(station));
                samples.emplace_back(times[i], values[i]);
                if (station > times[i] && station < times[i + 1])
                    samples.emplace_back(station, longitude(station));
                continue;
            }
        }
        if (times[i] > samples.back().first)
            samples.emplace_back(times[i], values[i]);
    }

    result.first = signOf(samples.front().second);
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const int from = signOf(samples[i - 1].second);
        const int to = signOf(samples[i].second);
        if (from == to)
            continue;
        double a = samples[i - 1].first;
        double b = samples[i].first;
        while (b - a > precision) {
            const double middle = (a + b) / 2;
            if (signOf(longitude(middle)) == from)
                a = middle;
            else
                b = middle;
        }
        result.crossings.push_back({b, from, to});
    }
    return result;
}

// Minutes since 1 January 1900 0h UT, rounded to the nearest minute (half a minute rounds up).
inline long long nearestMinute(double julianDayUt)
{
    return static_cast<long long>(std::floor((julianDayUt - JulianDay1900) * 1440.0 + 0.5));
}

struct CivilMinute
{
    int year;
    int month;
    int day;
    int hour;
    int minute;
};

// The calendar date and time of a count of minutes since 1 January 1900 0h (proleptic
// Gregorian, days counted as in H. Hinnant's civil_from_days).
inline CivilMinute civilMinute(long long minutes)
{
    const long long days = minutes / 1440 - 25567 + 719468; // from 1 March 0000
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    const int inDay = static_cast<int>(minutes % 1440);
    return {year, month, day, inDay / 60, inDay % 60};
}

struct SignMoment
{
    long long minute; // since 1 January 1900 0h UT
    int sign;         // the sign entered
};

struct SignMoments
{
    int first = 0; // the sign at minute 0
    std::vector<SignMoment> changes;
};

// The crossings to the minute, keeping those before endMinute.
inline SignMoments toMinutes(const Crossings &crossings, long long endMinute)
{
    SignMoments moments {crossings.first, {}};
    for (const Crossing &crossing : crossings.crossings) {
        const long long minute = nearestMinute(crossing.julianDay);
        if (minute < endMinute)
            moments.changes.push_back({minute, crossing.to});
    }
    return moments;
}

struct MomentCounts
{
    int changes = 0;
    int backward = 0;
    long long shortestStay = -1; // minutes between two changes
    long long shortestStayAt = 0;
};

inline MomentCounts countsOf(const SignMoments &moments)
{
    MomentCounts counts;
    int before = moments.first;
    for (std::size_t i = 0; i < moments.changes.size(); ++i) {
        const SignMoment &change = moments.changes[i];
        ++counts.changes;
        if (stepBetween(before, change.sign) < 0)
            ++counts.backward;
        if (i > 0) {
            const long long stay = change.minute - moments.changes[i - 1].minute;
            if (counts.shortestStay < 0 || stay < counts.shortestStay) {
                counts.shortestStay = stay;
                counts.shortestStayAt = change.minute;
            }
        }
        before = change.sign;
    }
    return counts;
}

// What every list keeps: changes in time order, each one sign forward or back from the sign
// before, none before minute 0 or from endMinute on. Returns the broken ones, named.
inline std::vector<std::string> brokenInvariants(const SignMoments &moments, long long endMinute)
{
    std::vector<std::string> broken;
    int before = moments.first;
    long long last = 0;
    for (const SignMoment &change : moments.changes) {
        const CivilMinute when = civilMinute(change.minute);
        const std::string what = std::to_string(when.year) + ' ' + dateText(when.month, when.day)
            + " " + signName(change.sign) + ": ";
        if (change.minute < last || change.minute >= endMinute)
            broken.push_back(what + "out of time order or outside the span");
        if (stepBetween(before, change.sign) == 0)
            broken.push_back(what + "not one sign step from " + signName(before));
        before = change.sign;
        last = change.minute;
    }
    return broken;
}

inline std::string momentText(long long minute)
{
    const CivilMinute when = civilMinute(minute);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", when.year, when.month, when.day,
                  when.hour, when.minute);
    return text;
}

// The days 0 to days - 1 (counted from 1 January 1900) whose sign at 0h UT, read from the
// moments, is not the sign signAtZeroHours gives them, printed to stderr. A change within the half
// minute after 0h is stamped 00:00 and so counts as made at 0h: such days are only reported.
// Returns the others.
inline int daysContradicted(const SignMoments &moments, long long days,
                            const std::function<int(long long day)> &signAtZeroHours)
{
    int contradicted = 0;
    int stampedMidnight = 0;
    std::size_t next = 0;
    int sign = moments.first;
    int before = moments.first;
    for (long long day = 0; day < days; ++day) {
        bool changedAtMidnight = false;
        for (; next < moments.changes.size() && moments.changes[next].minute <= day * 1440;
             ++next) {
            before = sign;
            sign = moments.changes[next].sign;
            changedAtMidnight = moments.changes[next].minute == day * 1440;
        }
        const int atZeroHours = signAtZeroHours(day);
        if (sign == atZeroHours)
            continue;
        const bool rounded = changedAtMidnight && before == atZeroHours;
        ++(rounded ? stampedMidnight : contradicted);
        std::fprintf(stderr, "  %s: the moments give %s, the position at 0h %s%s\n",
                     momentText(day * 1440).c_str(), signName(sign).c_str(),
                     signName(atZeroHours).c_str(),
                     rounded ? " (a change in the half minute after 0h)" : "");
    }
    std::fprintf(stderr, "  %d days whose 0h sign differs by a change stamped 00:00\n",
                 stampedMidnight);
    return contradicted;
}

// The whole source of a list of moments: comment (the lines that open the file, each beginning
// with //), then one line per entry, {year, month, day, hour, minute, sign}, under a comment for
// each year, and the function of the given name (declared in zodiac/SignMoments.h) that hands
// them to the program. The first entry, at 1 January 1900 0h, is the sign in force then.
inline std::string signMomentsSource(const std::string &comment, const std::string &function,
                                     const SignMoments &moments, int firstYear, int lastYear)
{
    const auto entry = [](long long minute, int sign) {
        const CivilMinute when = civilMinute(minute);
        return "    {" + std::to_string(when.year) + ", " + std::to_string(when.month) + ", "
            + std::to_string(when.day) + ", " + std::to_string(when.hour) + ", "
            + std::to_string(when.minute) + ", " + signName(sign) + "},";
    };
    std::ostringstream out;
    out << comment << "\n"
        << "#include \"zodiac/SignMoments.h\"\n"
        << "\n"
        << "namespace kesto {\n"
        << "\n"
        << "namespace {\n"
        << "\n"
        << "using enum ZodiacSign;\n"
        << "\n"
        << "// clang-format off\n"
        << "constexpr SignMomentEntry Moments[] = {\n"
        << entry(0, moments.first) << " // in force at the start\n";
    int before = moments.first;
    std::size_t next = 0;
    for (int year = firstYear; year <= lastYear; ++year) {
        out << "    // " << year << '\n';
        for (; next < moments.changes.size()
             && civilMinute(moments.changes[next].minute).year == year;
             ++next) {
            const SignMoment &change = moments.changes[next];
            out << entry(change.minute, change.sign);
            if (stepBetween(before, change.sign) < 0)
                out << " // back";
            out << '\n';
            before = change.sign;
        }
    }
    out << "};\n"
        << "// clang-format on\n"
        << "\n"
        << "} // namespace\n"
        << "\n"
        << "std::span<const SignMomentEntry> " << function << "()\n"
        << "{\n"
        << "    return Moments;\n"
        << "}\n"
        << "\n"
        << "} // namespace kesto\n";
    return out.str();
}

// The opening comment of a list of moments, after the generator's own first lines.
inline std::string momentsRuleComment(const std::string &body, const MomentCounts &counts)
{
    return wrappedComment("Every moment " + body
                              + " entered another sign from 1 January 1900 00:00 to 1 January "
                                "2101 00:00 UT: its apparent geocentric ecliptic longitude (true "
                                "equinox of date; light time, aberration and nutation applied) "
                                "passing a multiple of 30 degrees, found by bracketing and "
                                "bisection to a millisecond and rounded to the nearest minute "
                                "(half a minute up).",
                          "", 0)
        + wrappedComment("Times are UT as the ephemeris takes them (UT1), which UTC keeps within "
                         "a second of: close enough for minutes. After today they rest on the "
                         "ephemeris' extrapolated Delta T.",
                         "", 0)
        + wrappedComment(
               "An entry {year, month, day, hour, minute, sign} is the minute the body "
               "entered the sign; the first is the sign in force at the start. "
                   + std::to_string(counts.changes) + " changes, "
                   + (counts.backward == 0 ? std::string("none") : std::to_string(counts.backward))
                   + " of them back into the sign before"
                   + (counts.backward == 0 ? "." : " (marked // back)."),
               "", 0);
}

} // namespace kesto::signrows
