// Computes the sign of the asteroid 433 Eros for every day from 1 January 1900 to 31 December
// 2100 by integrating its orbit, measures the result against the Sexual Astrology reading's own
// rows (1940 to 1990, read from readings/eros/core/ErosTable.cpp), and writes the years outside
// them as the packed table readings/eros/core/ErosSkyTable.cpp.
//
// The orbit starts from the osculating elements in eros-elements.txt and is integrated in the
// barycentric ecliptic J2000 frame under the Sun, the eight planets and the Moon, whose
// positions come from the Swiss Ephemeris files. A day's sign is that of Eros's apparent
// geocentric longitude at 0h UT (light time, annual aberration, precession and nutation to the
// true equinox of date), and a change is dated as in the Venus table.
//
// It also writes the moment of every change of sign of Eros from 1900 to 2100, to the minute, as
// readings/eros/core/ErosSignMoments.cpp, and reports how far a hundredfold looser integration
// moves them.
//
// Usage: eros-table <elements-file> <eros-rows-source> <output-file> <moments-file>

#include "Integrator.h"
#include "SignMoments.h"
#include "SignRows.h"

#include <swephexp.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace kesto::orbit;
using namespace kesto::signrows;

constexpr int FirstYear = 1900;
constexpr int LastYear = 2100;
constexpr int TableFirstYear = 1940;
constexpr int TableLastYear = 1990;

// The integration keeps every step's estimated error below this, in AU and AU/day.
constexpr double Tolerance = 1e-13;

// Below this share of the reading's 1940-1990 days the run fails: the figure this generator
// reaches, rounded down, so that a change that makes the orbit worse cannot pass unnoticed.
constexpr double MinimumAgreement = 0.953;

// The moments: sampled twice a day (Eros turns every few months at the closest, and crosses a
// sign in no less than two weeks), each crossing bisected to under a millisecond.
constexpr double SampleStep = 0.5;
constexpr double CrossingPrecision = 1e-8;

// Eros changes sign at least twice and at most this often in a year (it lingers for months
// near opposition and crosses a sign a month when close to the Earth).
constexpr int FewestChangesInAYear = 2;
constexpr int MostChangesInAYear = 14;

constexpr double Degree = 3.14159265358979323846 / 180.0;
constexpr double Arcsecond = Degree / 3600.0;
constexpr double AstronomicalUnitKm = 149597870.7;
constexpr double SpeedOfLight = 299792.458 * 86400.0 / AstronomicalUnitKm; // AU/day

// Gravitational parameters, km^3/s^2 (JPL DE440), converted to AU^3/day^2.
constexpr double toAuDay(double gm)
{
    return gm * 86400.0 * 86400.0 / (AstronomicalUnitKm * AstronomicalUnitKm * AstronomicalUnitKm);
}

struct Body
{
    int number;
    const char *name;
    double gm;
};

const std::vector<Body> Bodies = {
    {SE_SUN, "Sun", toAuDay(132712440041.279419)}, {SE_MERCURY, "Mercury", toAuDay(22031.868551)},
    {SE_VENUS, "Venus", toAuDay(324858.592)},      {SE_EARTH, "Earth", toAuDay(398600.435507)},
    {SE_MOON, "Moon", toAuDay(4902.800118)},       {SE_MARS, "Mars", toAuDay(42828.375816)},
    {SE_JUPITER, "Jupiter", toAuDay(126712764.1)}, {SE_SATURN, "Saturn", toAuDay(37940584.8418)},
    {SE_URANUS, "Uranus", toAuDay(5794556.4)},     {SE_NEPTUNE, "Neptune", toAuDay(6836527.10058)},
};

const double SunGm = Bodies.front().gm;

struct OrbitFile
{
    Elements elements {};
    double epochJd = 0; // TDB
};

OrbitFile readElements(const std::string &path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::map<std::string, double> values;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            throw std::runtime_error(path + ": not a 'key = value' line: " + line);
        std::string key = line.substr(0, equals);
        key.erase(key.find_last_not_of(' ') + 1);
        values[key] = std::stod(line.substr(equals + 1));
    }
    const auto value = [&](const std::string &key) {
        const auto it = values.find(key);
        if (it == values.end())
            throw std::runtime_error(path + ": no value for " + key);
        return it->second;
    };
    OrbitFile orbit;
    orbit.elements = {value("a"),    value("e"),          value("i"),
                      value("node"), value("perihelion"), value("mean_anomaly")};
    orbit.epochJd = value("epoch_mjd_tdb") + 2400000.5;
    return orbit;
}

// Barycentric ecliptic J2000 positions (and velocities) from the Swiss Ephemeris files.
State barycentric(int body, double tjd, bool withSpeed = false)
{
    std::array<double, 6> x {};
    std::array<char, AS_MAXCH> error {};
    const int flags = SEFLG_SWIEPH | SEFLG_BARYCTR | SEFLG_J2000 | SEFLG_XYZ | SEFLG_TRUEPOS
        | SEFLG_NONUT | (withSpeed ? SEFLG_SPEED : 0);
    const int used = swe_calc(tjd, body, flags, x.data(), error.data());
    if (used < 0)
        throw std::runtime_error("the ephemeris failed: " + std::string(error.data()));
    if ((used & SEFLG_SWIEPH) == 0)
        throw std::runtime_error("the ephemeris files were not found (" + std::string(error.data())
                                 + "); install swe-basic-data or set SE_EPHE_PATH");
    return {{x[0], x[1], x[2]}, {x[3], x[4], x[5]}};
}

// Newtonian attraction of every body, and the Sun's leading relativistic term (it turns the
// perihelion by about 5" a century).
Vec3 acceleration(double tjd, const Vec3 &r, const Vec3 &v)
{
    Vec3 a {};
    for (const Body &body : Bodies) {
        const Vec3 d = r - barycentric(body.number, tjd).r;
        const double distance = norm(d);
        a = a - (body.gm / (distance * distance * distance)) * d;
        if (body.number == SE_SUN) {
            const double c2 = SpeedOfLight * SpeedOfLight;
            const double factor = body.gm / (c2 * distance * distance * distance);
            a = a + factor * ((4 * body.gm / distance - dot(v, v)) * d + (4 * dot(d, v)) * v);
        }
    }
    return a;
}

using Integrator = Rkf78<Vec3 (*)(double, const Vec3 &, const Vec3 &)>;

double julianDay(int year, int month, int day)
{
    return swe_julday(year, month, day, 0.0, SE_GREG_CAL);
}

double terrestrialTime(double jdUt)
{
    std::array<char, AS_MAXCH> error {};
    return jdUt + swe_deltat_ex(jdUt, SEFLG_SWIEPH, error.data());
}

// Apparent ecliptic longitude of date, degrees in [0, 360), of a body seen from the Earth at
// tjd, given the body's barycentric position at any time (light time is solved here).
template<typename PositionAt>
double apparentLongitude(double tjd, const PositionAt &positionAt)
{
    const State earth = barycentric(SE_EARTH, tjd, true);
    double lightTime = 0;
    Vec3 geocentric {};
    for (int k = 0; k < 4; ++k) {
        geocentric = positionAt(tjd - lightTime) - earth.r;
        lightTime = norm(geocentric) / SpeedOfLight;
    }
    // Annual aberration, to first order in v/c (the second order is below 0.001").
    Vec3 u = (1.0 / norm(geocentric)) * geocentric;
    const Vec3 beta = (1.0 / SpeedOfLight) * earth.v;
    u = u + beta - dot(u, beta) * u;
    u = (1.0 / norm(u)) * u;
    const double lambda = std::atan2(u[1], u[0]);
    const double betaAngle = std::asin(std::clamp(u[2], -1.0, 1.0));

    // Precession from the ecliptic and equinox of J2000 to those of date (Lieske 1977).
    const double t = (tjd - 2451545.0) / 36525.0;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * Arcsecond;
    const double bigPi = 174.876383889 * Degree + (-869.8089 * t + 0.03536 * t * t) * Arcsecond;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * Arcsecond;
    const double a = std::cos(eta) * std::cos(betaAngle) * std::sin(bigPi - lambda)
        - std::sin(eta) * std::sin(betaAngle);
    const double b = std::cos(betaAngle) * std::cos(bigPi - lambda);
    double longitude = (p + bigPi - std::atan2(a, b)) / Degree;

    // Nutation in longitude: true equinox of date.
    std::array<double, 6> nutation {};
    std::array<char, AS_MAXCH> error {};
    swe_calc(tjd, SE_ECL_NUT, 0, nutation.data(), error.data());
    longitude += nutation[2];
    longitude = std::fmod(longitude, 360.0);
    return longitude < 0 ? longitude + 360.0 : longitude;
}

// The same reduction applied to Venus, against the library's own apparent position: a check of
// everything after the integration.
double reductionCheck()
{
    double worst = 0;
    for (double jd = julianDay(FirstYear, 1, 1); jd <= julianDay(LastYear, 12, 31); jd += 7.3) {
        const double tjd = terrestrialTime(jd);
        const double ours =
            apparentLongitude(tjd, [](double t) { return barycentric(SE_VENUS, t).r; });
        std::array<double, 6> x {};
        std::array<char, AS_MAXCH> error {};
        swe_calc(tjd, SE_VENUS, SEFLG_SWIEPH | SEFLG_NOGDEFL, x.data(), error.data());
        worst = std::max(worst, std::abs(std::remainder(ours - x[0], 360.0)) * 3600.0);
    }
    return worst;
}

struct Orbit
{
    std::vector<Node> nodes; // in time order
    double forwardBackKm = 0;
    int steps = 0;
};

// Integrates from the epoch back to before firstJd and forward to after lastJd; checks the
// integration by returning from the earliest point to the epoch.
Orbit integrateOrbit(const OrbitFile &file, double firstJd, double lastJd, double tolerance)
{
    State start = stateFromElements(file.elements, SunGm);
    const State sun = barycentric(SE_SUN, file.epochJd, true);
    start.r = start.r + sun.r;
    start.v = start.v + sun.v;

    Integrator integrator(&acceleration, tolerance);
    Orbit orbit;
    std::vector<Node> backward;
    const State earliest = integrator.integrate(file.epochJd, start, firstJd, &backward);
    orbit.steps += integrator.steps();
    std::vector<Node> forward;
    integrator.integrate(file.epochJd, start, lastJd, &forward);
    orbit.steps += integrator.steps();

    const State back = integrator.integrate(firstJd, earliest, file.epochJd);
    orbit.forwardBackKm = norm(back.r - start.r) * AstronomicalUnitKm;

    orbit.nodes.assign(backward.rbegin(), backward.rend());
    orbit.nodes.insert(orbit.nodes.end(), forward.begin() + 1, forward.end());
    return orbit;
}

struct Year
{
    int year;
    std::vector<std::array<int, 31>> signs; // [month][day - 1], -1 past the month's end
    std::vector<std::array<double, 31>> longitudes;
};

std::vector<Year> dailyLongitudes(const Orbit &orbit)
{
    std::vector<Year> years;
    for (int year = FirstYear; year <= LastYear; ++year) {
        Year row {year, std::vector<std::array<int, 31>>(12),
                  std::vector<std::array<double, 31>>(12)};
        for (int month = 1; month <= 12; ++month) {
            row.signs[month - 1].fill(-1);
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                const double longitude =
                    apparentLongitude(terrestrialTime(julianDay(year, month, day)),
                                      [&orbit](double t) { return interpolate(orbit.nodes, t); });
                row.longitudes[month - 1][day - 1] = longitude;
                row.signs[month - 1][day - 1] = signOf(longitude);
            }
        }
        years.push_back(std::move(row));
    }
    return years;
}

int signNumber(const std::string &name)
{
    for (std::size_t i = 0; i < SignNames.size(); ++i) {
        if (SignNames[i] == name)
            return static_cast<int>(i);
    }
    throw std::runtime_error("not a sign: " + name);
}

int monthNumber(const std::string &name)
{
    for (std::size_t i = 0; i < MonthAbbreviations.size(); ++i) {
        if (MonthAbbreviations[i] == name)
            return static_cast<int>(i) + 1;
    }
    return std::stoi(name);
}

// The reading's rows, as the program holds them.
std::map<int, Row> readTableRows(const std::string &path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string source = text.str();

    std::map<int, std::vector<Change>> changes;
    const std::regex block(R"(Changes(\d{4})\[\] = \{([^;]*)\};)");
    const std::regex item(R"(\{(\w+), (\d+), (\w+)\})");
    for (auto it = std::sregex_iterator(source.begin(), source.end(), block);
         it != std::sregex_iterator(); ++it) {
        const std::string body = (*it)[2];
        std::vector<Change> &list = changes[std::stoi((*it)[1])];
        for (auto c = std::sregex_iterator(body.begin(), body.end(), item);
             c != std::sregex_iterator(); ++c)
            list.push_back({monthNumber((*c)[1]), std::stoi((*c)[2]), signNumber((*c)[3])});
    }
    std::map<int, Row> rows;
    const std::regex row(R"(\{(\d{4}), (\w+), Changes(\d{4})\})");
    for (auto it = std::sregex_iterator(source.begin(), source.end(), row);
         it != std::sregex_iterator(); ++it) {
        const int year = std::stoi((*it)[1]);
        rows[year] = {year, signNumber((*it)[2]), changes[std::stoi((*it)[3])]};
    }
    if (static_cast<int>(rows.size()) != TableLastYear - TableFirstYear + 1)
        throw std::runtime_error(path + ": found " + std::to_string(rows.size())
                                 + " rows instead of 51");
    return rows;
}

// A day past its month's end (31 September, or the day after 31 December) as the first day of
// the next month.
void rollOver(int &year, int &month, int &day)
{
    if (day > daysInMonth(year, month)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

// Day number of a date counted from 1 January of TableFirstYear; a change dated past its
// month's end (31 September) acts from the next month's first day.
int dayIndex(int year, int month, int day)
{
    rollOver(year, month, day);
    return static_cast<int>(julianDay(year, month, day) - julianDay(TableFirstYear, 1, 1));
}

struct Comparison
{
    int days = 0;
    int agreeing = 0;
    int agreeingAtEndOfDay = 0;
    std::map<int, std::pair<int, int>> perYear; // agreeing, days
    std::map<int, int> offsets;                 // days the reading's change is late -> count
    int unmatched = 0;
    std::vector<std::string> details;
    std::map<int, std::vector<int>> offsetsByDecade;
};

Comparison compareWithTable(const std::vector<Year> &years, const std::map<int, Row> &table)
{
    Comparison result;
    // Computed change days over the whole span, by the sign entered and the sign left.
    struct Crossing
    {
        int index;
        int from;
        int to;
    };
    std::vector<Crossing> crossings;
    int previous = -1;
    for (const Year &year : years) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(year.year, month); ++day) {
                const int sign = year.signs[month - 1][day - 1];
                if (previous >= 0 && sign != previous)
                    crossings.push_back({dayIndex(year.year, month, day), previous, sign});
                previous = sign;
            }
        }
    }

    for (const auto &[yearNumber, row] : table) {
        const Year &year = years[static_cast<std::size_t>(yearNumber - FirstYear)];
        auto &[agreeing, days] = result.perYear[yearNumber];
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(yearNumber, month); ++day) {
                ++days;
                if (signOnDay(row, month, day) == year.signs[month - 1][day - 1])
                    ++agreeing;
            }
        }
        result.days += days;
        result.agreeing += agreeing;
        // The same rows read as "the day the crossing happens": the sign at 24h UT.
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(yearNumber, month); ++day) {
                int y = yearNumber, m = month, d = day + 1;
                rollOver(y, m, d);
                const Year &next = years[static_cast<std::size_t>(y - FirstYear)];
                if (signOnDay(row, month, day) == next.signs[m - 1][d - 1])
                    ++result.agreeingAtEndOfDay;
            }
        }

        int before = row.january1;
        for (const Change &change : row.changes) {
            const int at = dayIndex(yearNumber, change.month, change.day);
            const Crossing *nearest = nullptr;
            for (const Crossing &crossing : crossings) {
                if (crossing.to == change.sign && crossing.from == before
                    && (!nearest || std::abs(crossing.index - at) < std::abs(nearest->index - at)))
                    nearest = &crossing;
            }
            const std::string what = std::to_string(yearNumber) + ' '
                + dateText(change.month, change.day) + ' ' + signName(change.sign);
            if (!nearest || std::abs(nearest->index - at) > 60) {
                ++result.unmatched;
                result.details.push_back(what + ": no such crossing within 60 days");
            } else {
                const int offset = at - nearest->index;
                ++result.offsets[offset];
                result.offsetsByDecade[yearNumber / 10 * 10].push_back(offset);
                if (std::abs(offset) >= 3)
                    result.details.push_back(what + ": " + std::to_string(offset) + " days");
            }
            before = change.sign;
        }
    }
    return result;
}

// Every crossing of a sign boundary from 1 January 1900 0h to 1 January 2101 0h UT.
Crossings orbitCrossings(const Orbit &orbit)
{
    const auto longitude = [&orbit](double jdUt) {
        return apparentLongitude(terrestrialTime(jdUt),
                                 [&orbit](double t) { return interpolate(orbit.nodes, t); });
    };
    return findCrossings(longitude, JulianDay1900, julianDay(LastYear + 1, 1, 1), SampleStep,
                         CrossingPrecision);
}

// How far the crossings of a looser integration lie from ours: the largest shift in seconds,
// and how many of the minutes it changes; nothing when the two disagree on the changes
// themselves.
struct MomentShift
{
    double largestSeconds = 0;
    long long largestAt = 0; // minute
    int overASecond = 0;
    int minutesChanged = 0;
};

std::optional<MomentShift> shiftBetween(const Crossings &ours, const Crossings &looser)
{
    if (ours.first != looser.first || ours.crossings.size() != looser.crossings.size())
        return std::nullopt;
    MomentShift shift;
    for (std::size_t i = 0; i < ours.crossings.size(); ++i) {
        const Crossing &a = ours.crossings[i];
        const Crossing &b = looser.crossings[i];
        if (a.from != b.from || a.to != b.to)
            return std::nullopt;
        const double seconds = std::abs(a.julianDay - b.julianDay) * 86400.0;
        if (seconds > shift.largestSeconds) {
            shift.largestSeconds = seconds;
            shift.largestAt = nearestMinute(a.julianDay);
        }
        if (seconds > 1)
            ++shift.overASecond;
        if (nearestMinute(a.julianDay) != nearestMinute(b.julianDay))
            ++shift.minutesChanged;
    }
    return shift;
}

std::string momentsSource(const SignMoments &moments, const MomentShift &shift)
{
    char figure[256];
    std::snprintf(figure, sizeof figure,
                  "Checked when generated: integrated with a hundred times the step tolerance, "
                  "no change moves by more than %.1f seconds, and %d of the minutes change.",
                  shift.largestSeconds, shift.minutesChanged);
    const std::string comment =
        "// Generated by tools/eros-table from an integration of the orbit of 433 Eros, with the\n"
        "// Sun, the planets and the Moon from the Swiss Ephemeris files (swe-basic-data).\n"
        "// Do not edit by hand; regenerate from the top of the source tree with:\n"
        "//     tools/eros-table/generate\n"
        "//\n"
        + momentsRuleComment("Eros", countsOf(moments)) + wrappedComment(figure, "", 0);
    return signMomentsSource(comment, "erosSignMoments", moments, FirstYear, LastYear);
}

std::string percent(int part, int whole)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", 100.0 * part / whole);
    return text;
}

std::string tableSource(const std::vector<Row> &early, const std::vector<Row> &late,
                        const std::string &summary)
{
    const std::string comment =
        "// Generated by tools/eros-table from an integration of the orbit of 433 Eros, with the\n"
        "// Sun, the planets and the Moon from the Swiss Ephemeris files (swe-basic-data).\n"
        "// Do not edit by hand; regenerate from the top of the source tree with:\n"
        "//     tools/eros-table/generate\n"
        "//\n"
        "// The sign of Eros at 0h UT (apparent geocentric longitude, tropical zodiac) for the "
        "years\n"
        "// before and after the Sexual Astrology reading's own rows (1940 to 1990), dated as the "
        "Venus\n"
        "// table: a change on the first day in the new sign; without a 29 February, a change on 1 "
        "March\n"
        "// dated 29 February; a change on 1 January only gives the row its first sign.\n"
        "//\n";
    return packedSkySource(comment + summary, "erosSkyTable", early, late);
}

int run(const std::string &elementsPath, const std::string &tablePath,
        const std::string &outputPath, const std::string &momentsPath)
{
    swe_set_ephe_path(nullptr);
    const auto started = std::chrono::steady_clock::now();
    const OrbitFile file = readElements(elementsPath);

    const double reduction = reductionCheck();
    std::fprintf(stderr, "reduction check: Venus differs from the library's by %.3f\" at most\n",
                 reduction);
    if (reduction > 0.5)
        throw std::runtime_error("the apparent-position reduction is off");

    // Light time never exceeds an hour; two days' margin at either end.
    const double firstJd = terrestrialTime(julianDay(FirstYear, 1, 1)) - 2;
    const double lastJd = terrestrialTime(julianDay(LastYear, 12, 31)) + 2;
    const Orbit orbit = integrateOrbit(file, firstJd, lastJd, Tolerance);
    std::fprintf(stderr,
                 "integration: %d steps; from the epoch to %d and back the position returns "
                 "within %.3f km\n",
                 orbit.steps, FirstYear, orbit.forwardBackKm);
    // On a pure Kepler orbit the integrator returns within 0.2 km over this span; the rest comes
    // from the ephemeris file's segment joins, where the Sun's barycentric position steps by up
    // to 1.5e-8 AU and which the integration meets at other points forward than back. 100 km
    // is 1" at the closest the Earth comes (0.15 AU).
    if (orbit.forwardBackKm > 100.0)
        throw std::runtime_error("the integration does not return to its start");

    const std::vector<Year> years = dailyLongitudes(orbit);

    // The integrator's own share of the error: the same orbit at a hundred times the tolerance.
    const Orbit coarse = integrateOrbit(file, firstJd, lastJd, Tolerance * 100);
    double worstArcsec = 0;
    for (const Year &year : years) {
        for (int month = 1; month <= 12; month += 3) {
            const double ours = year.longitudes[month - 1][0];
            const double theirs =
                apparentLongitude(terrestrialTime(julianDay(year.year, month, 1)),
                                  [&coarse](double t) { return interpolate(coarse.nodes, t); });
            worstArcsec =
                std::max(worstArcsec, std::abs(std::remainder(ours - theirs, 360.0)) * 3600);
        }
    }
    std::fprintf(stderr,
                 "integration error: at 100 times the tolerance the longitude moves %.5f\" at "
                 "most\n",
                 worstArcsec);

    // The moments of every change, and how far the looser integration moves them.
    const Crossings crossings = orbitCrossings(orbit);
    const long long momentsEnd = nearestMinute(julianDay(LastYear + 1, 1, 1));
    const SignMoments moments = toMinutes(crossings, momentsEnd);
    const MomentCounts momentCounts = countsOf(moments);
    std::fprintf(stderr,
                 "moments, 1900-2100: %d changes, %d backward, %d stations; shortest stay %lld "
                 "minutes, until %s\n",
                 momentCounts.changes, momentCounts.backward, crossings.stations,
                 momentCounts.shortestStay, momentText(momentCounts.shortestStayAt).c_str());
    const std::optional<MomentShift> shift = shiftBetween(crossings, orbitCrossings(coarse));
    if (!shift)
        throw std::runtime_error("the looser integration gives other changes of sign");
    std::fprintf(stderr,
                 "moments at 100 times the tolerance: the largest shift %.2f s (%s), %d over a "
                 "second, %d minutes changed\n",
                 shift->largestSeconds, momentText(shift->largestAt).c_str(), shift->overASecond,
                 shift->minutesChanged);
    std::vector<std::string> momentsBroken = brokenInvariants(moments, momentsEnd);
    const int contradicted = daysContradicted(moments, momentsEnd / 1440, [&years](long long day) {
        const CivilMinute date = civilMinute(day * 1440);
        return years[static_cast<std::size_t>(date.year - FirstYear)]
            .signs[static_cast<std::size_t>(date.month - 1)]
                  [static_cast<std::size_t>(date.day - 1)];
    });
    if (contradicted > 0)
        momentsBroken.push_back(std::to_string(contradicted)
                                + " days whose 0h sign the moments contradict");
    if (!momentsBroken.empty()) {
        std::fprintf(stderr, "eros-table: the moments break their invariants:\n");
        for (const std::string &message : momentsBroken)
            std::fprintf(stderr, "  %s\n", message.c_str());
        return 1;
    }

    std::vector<Row> rows;
    for (const Year &year : years)
        rows.push_back(rowFromDays(year.year, [&year](int, int month, int day) {
            return year.signs[month - 1][day - 1];
        }));

    // Closest call: the 0h position nearest to a sign boundary outside the reading's years.
    ClosestCall closest;
    for (const Year &year : years) {
        if (year.year >= TableFirstYear && year.year <= TableLastYear)
            continue;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(year.year, month); ++day)
                closest.note(year.longitudes[month - 1][day - 1], year.year, month, day);
        }
    }
    std::fprintf(stderr, "closest call: %.5f degrees from a sign boundary on %d %s\n",
                 closest.degrees, closest.year, dateText(closest.month, closest.day).c_str());

    const std::vector<std::string> broken =
        brokenInvariants(rows, FewestChangesInAYear, MostChangesInAYear);
    if (!broken.empty()) {
        std::fprintf(stderr, "eros-table: the computed rows break their invariants:\n");
        for (const std::string &message : broken)
            std::fprintf(stderr, "  %s\n", message.c_str());
        return 1;
    }

    const Comparison comparison = compareWithTable(years, readTableRows(tablePath));
    std::fprintf(stderr, "agreement with the reading's rows, day by day over real dates:\n");
    for (const auto &[year, counts] : comparison.perYear)
        std::fprintf(stderr, "  %d: %3d of %3d days (%s)\n", year, counts.first, counts.second,
                     percent(counts.first, counts.second).c_str());
    const double agreement = static_cast<double>(comparison.agreeing) / comparison.days;
    std::fprintf(stderr, "  in all: %d of %d days (%s)\n", comparison.agreeing, comparison.days,
                 percent(comparison.agreeing, comparison.days).c_str());
    std::fprintf(stderr, "  with the sign at 24h UT instead of 0h: %d days (%s)\n",
                 comparison.agreeingAtEndOfDay,
                 percent(comparison.agreeingAtEndOfDay, comparison.days).c_str());
    std::fprintf(stderr, "change dates, days the reading's row is later than the crossing:\n");
    for (const auto &[offset, count] : comparison.offsets)
        std::fprintf(stderr, "  %+d: %d\n", offset, count);
    std::fprintf(stderr, "  without a matching crossing within 60 days: %d\n",
                 comparison.unmatched);
    for (const auto &[decade, offsets] : comparison.offsetsByDecade) {
        double sum = 0, squares = 0;
        for (int offset : offsets)
            sum += offset;
        const double mean = sum / offsets.size();
        for (int offset : offsets)
            squares += (offset - mean) * (offset - mean);
        std::fprintf(stderr, "  %ds: %zu changes, mean %+.2f days, spread %.2f\n", decade,
                     offsets.size(), mean, std::sqrt(squares / offsets.size()));
    }
    for (const std::string &detail : comparison.details)
        std::fprintf(stderr, "  %s\n", detail.c_str());
    if (std::getenv("EROS_TABLE_ROWS")) {
        for (const Row &row : rows)
            std::fprintf(stderr, "%d: %s\n", row.year, rowText(row).c_str());
    }
    if (agreement < MinimumAgreement) {
        std::fprintf(stderr, "eros-table: agreement %.4f below the %.4f this generator reaches\n",
                     agreement, MinimumAgreement);
        return 1;
    }

    const std::vector<Row> early(rows.begin(), rows.begin() + (TableFirstYear - FirstYear));
    const std::vector<Row> late(rows.begin() + (TableLastYear - FirstYear + 1), rows.end());
    char figures[512];
    std::snprintf(figures, sizeof figures,
                  "Checked when generated: the same reduction applied to Venus matches the "
                  "library's apparent position to %.3f\"; the integration returns to its start "
                  "within %.1f km, and a hundred times its tolerance moves the longitude by %.3f\" "
                  "at most. Over 1940 to 1990 the computed signs agree with the reading's rows on "
                  "%d of %d days (%s).",
                  reduction, orbit.forwardBackKm, worstArcsec, comparison.agreeing, comparison.days,
                  percent(comparison.agreeing, comparison.days).c_str());
    const std::string kinds =
        "The rest is of three kinds (docs/sky-signs.md): change dates a day early or late, as "
        "the rows are not exact to the day; whole blocks relabelled by a skipped or an added "
        "change (March 1940, 1948 from June, 1975, August 1979 to January 1980), where the rows "
        "contradict the sky by a sign for weeks; and single dates off by weeks (1958 Jul 26, "
        "1970 Dec 1, 1987 Dec 1), slips of the pen. None of it touches the years below.";
    const std::string summary = wrappedComment(figures, "", 0) + wrappedComment(kinds, "", 0);

    writeFile(outputPath, tableSource(early, late, summary));
    writeFile(momentsPath, momentsSource(moments, *shift));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr, "wrote %s and %s in %.0f s\n", outputPath.c_str(), momentsPath.c_str(),
                 seconds);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: eros-table <elements-file> <eros-rows-source> <output-file> "
                     "<moments-file>\n");
        return 2;
    }
    try {
        const int status = run(argv[1], argv[2], argv[3], argv[4]);
        swe_close();
        return status;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "eros-table: %s\n", error.what());
        return 1;
    }
}
