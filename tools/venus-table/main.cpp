// Computes the sign of Venus for every day from 1 January 1930 to 31 December 2012 and writes it
// as the constant table of the Zodiac Love Sign reading (readings/lovesign/core/VenusTable.cpp).
//
// The position is Venus's apparent geocentric ecliptic longitude at 0h UT (true equinox of date;
// light-time, aberration and nutation applied), and a day's sign is floor(longitude / 30). A
// change is dated on the first day whose 0h position already lies in the new sign. Six rows
// that the reading has always shown are kept exactly as they are, wherever the ephemeris
// disagrees with them. The result is checked against the table's invariants before anything
// is written; a broken invariant stops the run with a non-zero exit status.
//
// With a second output file it also writes, by the same rule, the years 1900 to 1929 and 2013
// to 2100 as the packed table readings/lovesign/core/VenusSkyTable.cpp, and reports how much of the
// 1930-2012 table outside the kept rows the rule reproduces.
//
// With three more it writes the moment of every change of sign of Venus and of the Sun from 1900
// to 2100, to the minute (readings/lovesign/core/VenusSignMoments.cpp, zodiac/SunSignMoments.cpp),
// and the Delta T those moments rest on (tools/sign-moments/delta-t.txt), which the independent
// check of the moments reads.
//
// Usage: venus-table [--moshier] <output-file> [<sky-output-file>
//                    [<venus-moments> <sun-moments> <delta-t-file>]]
//   --moshier  the library's built-in analytical ephemeris instead of the ephemeris files

#include "SignMoments.h"
#include "SignRows.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kesto::signrows;

constexpr int FirstYear = 1930;
constexpr int LastYear = 2012;
constexpr int ExpectedRows = LastYear - FirstYear + 1;
constexpr int ExpectedChanges = 1052;
constexpr int ExpectedBackward = 30;
constexpr int FewestChangesInAYear = 9;
constexpr int MostChangesInAYear = 15;
constexpr std::size_t ColumnLimit = 100;
constexpr int SkyFirstYear = 1900;
constexpr int SkyLastYear = 2100;
// Venus changes sign 9 to 15 times in every year from 1900 to 2100.
constexpr int SkyFewestChangesInAYear = 9;
constexpr int SkyMostChangesInAYear = 15;
// The moments: sampled twice a day (Venus turns every 9 to 10 months and crosses a sign in no
// less than 3 weeks), each crossing bisected to under a millisecond.
constexpr double SampleStep = 0.5;
constexpr double CrossingPrecision = 1e-8;

// Sign numbers by name, for the kept rows below.
enum Sign : int {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

// The rows the reading has always shown; they stay as they are.
// clang-format off
const std::vector<Row> FixedRows = {
    {1930, Capricorn, {{1, 25, Aquarius}, {2, 17, Pisces}, {3, 13, Aries}, {4, 7, Taurus},
                       {5, 1, Gemini}, {5, 26, Cancer}, {6, 20, Leo}, {7, 15, Virgo},
                       {8, 11, Libra}, {9, 8, Scorpio}, {10, 13, Sagittarius}, {11, 23, Scorpio}}},
    {1932, Aquarius, {{1, 20, Pisces}, {2, 13, Aries}, {3, 10, Taurus}, {4, 6, Gemini},
                      {5, 7, Cancer}, {7, 14, Gemini}, {7, 29, Cancer}, {9, 9, Leo}, {10, 8, Virgo},
                      {11, 3, Libra}, {11, 28, Scorpio}, {12, 22, Sagittarius}}},
    {1945, Aquarius, {{1, 6, Pisces}, {2, 3, Aries}, {3, 12, Taurus}, {4, 8, Aries},
                      {6, 5, Taurus}, {7, 8, Gemini}, {8, 5, Cancer}, {8, 31, Leo}, {9, 25, Virgo},
                      {10, 20, Libra}, {11, 13, Scorpio}, {12, 7, Sagittarius},
                      {12, 31, Capricorn}}},
    {1973, Sagittarius, {{1, 12, Capricorn}, {2, 5, Aquarius}, {2, 29, Pisces}, {3, 25, Aries},
                         {4, 19, Taurus}, {5, 13, Gemini}, {6, 6, Cancer}, {7, 1, Leo},
                         {7, 26, Virgo}, {8, 20, Libra}, {9, 14, Scorpio}, {10, 10, Sagittarius},
                         {11, 6, Capricorn}, {12, 8, Aquarius}}},
    {1977, Pisces, {{1, 5, Aries}, {2, 3, Taurus}, {6, 7, Gemini}, {7, 7, Cancer}, {8, 3, Leo},
                    {8, 29, Virgo}, {9, 23, Libra}, {10, 18, Scorpio}, {11, 11, Sagittarius},
                    {12, 5, Capricorn}, {12, 28, Aquarius}}},
    {2012, Aquarius, {{1, 15, Pisces}, {2, 9, Aries}, {3, 6, Taurus}, {4, 4, Gemini},
                      {8, 8, Cancer}, {9, 7, Leo}, {10, 4, Virgo}, {10, 29, Libra},
                      {11, 23, Scorpio}, {12, 17, Sagittarius}}},
};
// clang-format on

// The only years whose 1 January sign is not the sign in force on 31 December before.
struct BrokenJoin
{
    int year;
    int december31Before;
    int january1;
};

constexpr std::array<BrokenJoin, 3> BrokenJoins = {{
    {1977, Aquarius, Pisces},
    {1992, Scorpio, Sagittarius},
    {2000, Scorpio, Sagittarius},
}};

// For a note in the table: how a computed row differs from the row kept in its place.
std::string differenceText(const Row &computed, const Row &kept)
{
    const auto sameDates = [&] {
        if (computed.changes.size() != kept.changes.size())
            return false;
        for (std::size_t i = 0; i < kept.changes.size(); ++i) {
            if (computed.changes[i].month != kept.changes[i].month
                || computed.changes[i].day != kept.changes[i].day)
                return false;
        }
        return true;
    };
    if (sameDates()) {
        const int shift = signsForward(kept.january1, computed.january1);
        bool uniform = true;
        for (std::size_t i = 0; i < kept.changes.size(); ++i)
            uniform =
                uniform && signsForward(kept.changes[i].sign, computed.changes[i].sign) == shift;
        if (uniform && (shift == 1 || shift == 11))
            return std::string("the same dates with every sign one step ")
                + (shift == 1 ? "later" : "earlier") + ", from " + signName(computed.january1)
                + " to " + signName(computed.december31());
    }
    return rowText(computed);
}

class Ephemeris
{
public:
    explicit Ephemeris(bool analytical)
        : m_flags(analytical ? SEFLG_MOSEPH : SEFLG_SWIEPH)
    {
        // Default search path: SE_EPHE_PATH from the environment, else the library's own
        // (/usr/share/libswe/ephe on Debian).
        swe_set_ephe_path(nullptr);
    }
    ~Ephemeris() { swe_close(); }
    Ephemeris(const Ephemeris &) = delete;
    Ephemeris &operator=(const Ephemeris &) = delete;

    std::string_view name() const
    {
        return m_flags == SEFLG_MOSEPH ? "Moshier analytical ephemeris (built in)"
                                       : "Swiss Ephemeris files (swe-basic-data)";
    }

    // Apparent geocentric ecliptic longitude of Venus, 0 <= degrees < 360, at 0h UT.
    double venusLongitude(int year, int month, int day) const
    {
        return longitude(SE_VENUS, swe_julday(year, month, day, 0.0, SE_GREG_CAL));
    }

    // Apparent geocentric ecliptic longitude of a body (SE_SUN, SE_VENUS), 0 <= degrees < 360,
    // at a Julian day in UT.
    double longitude(int body, double julianDayUt) const
    {
        std::array<double, 6> position {};
        std::array<char, AS_MAXCH> error {};
        const int used = swe_calc_ut(julianDayUt, body, m_flags, position.data(), error.data());
        if (used < 0)
            throw std::runtime_error("the ephemeris failed on JD " + std::to_string(julianDayUt)
                                     + ": " + error.data());
        // The library quietly falls back to its analytical theory when the files are missing.
        if ((used & m_flags) == 0)
            throw std::runtime_error("the ephemeris files were not found ("
                                     + std::string(error.data())
                                     + "); install swe-basic-data, set SE_EPHE_PATH, or run with "
                                       "--moshier");
        return position[0];
    }

    // TT - UT in seconds, as swe_calc_ut applies it.
    double deltaTSeconds(double julianDayUt) const
    {
        std::array<char, AS_MAXCH> error {};
        return swe_deltat_ex(julianDayUt, m_flags, error.data()) * 86400.0;
    }

private:
    int m_flags;
};

// The rows of the years first to last by the dating rule; notes each day's position in closest.
std::vector<Row> venusRows(const Ephemeris &ephemeris, int first, int last,
                           ClosestCall *closest = nullptr)
{
    std::vector<Row> rows;
    for (int year = first; year <= last; ++year) {
        rows.push_back(rowFromDays(year, [&ephemeris, closest](int y, int m, int d) {
            const double longitude = ephemeris.venusLongitude(y, m, d);
            if (closest)
                closest->note(longitude, y, m, d);
            return signOf(longitude);
        }));
    }
    return rows;
}

Row *rowOf(std::vector<Row> &rows, int year)
{
    const auto it =
        std::find_if(rows.begin(), rows.end(), [year](const Row &row) { return row.year == year; });
    return it == rows.end() ? nullptr : &*it;
}

bool isFixedYear(int year)
{
    return std::any_of(FixedRows.begin(), FixedRows.end(),
                       [year](const Row &row) { return row.year == year; });
}

// Puts the fixed rows in place of the computed ones. Where a fixed row ends in another sign
// than the ephemeris, that sign stays in force into the next year until Venus next enters a
// different sign, so that the next row still joins; the notes say which rows that touched.
void applyFixedRows(std::vector<Row> &rows, std::map<int, std::string> &notes)
{
    for (const Row &fixed : FixedRows) {
        Row *row = rowOf(rows, fixed.year);
        if (!row)
            throw std::runtime_error("no computed row for " + std::to_string(fixed.year));
        if (*row == fixed) {
            std::fprintf(stderr, "%d: the ephemeris gives the fixed row exactly\n", fixed.year);
            notes[fixed.year] = "kept as the reading has always shown it; the ephemeris agrees";
            continue;
        }
        std::fprintf(stderr,
                     "%d: the ephemeris differs from the fixed row\n  ephemeris: %s\n"
                     "  fixed:     %s\n",
                     fixed.year, rowText(*row).c_str(), rowText(fixed).c_str());
        notes[fixed.year] = "kept as the reading has always shown it; the ephemeris differs: "
            + differenceText(*row, fixed);
        const int computedEnd = row->december31();
        *row = fixed;

        Row *next = rowOf(rows, fixed.year + 1);
        if (!next || isFixedYear(next->year) || next->january1 == fixed.december31()
            || next->january1 != computedEnd)
            continue;
        const Row before = *next;
        next->january1 = fixed.december31();
        std::string dropped;
        while (!next->changes.empty() && next->changes.front().sign == next->january1) {
            const Change &change = next->changes.front();
            dropped +=
                ", entering " + signName(change.sign) + " on " + dateText(change.month, change.day);
            next->changes.erase(next->changes.begin());
        }
        std::fprintf(stderr,
                     "%d: begins in %s, carried over from the fixed %d row\n"
                     "  ephemeris: %s\n  written:   %s\n",
                     next->year, signName(next->january1).c_str(), fixed.year,
                     rowText(before).c_str(), rowText(*next).c_str());
        notes[next->year] = "begins in " + signName(next->january1) + ", where the "
            + std::to_string(fixed.year) + " row ends; the ephemeris begins in "
            + signName(before.january1) + dropped;
    }
}

struct Counts
{
    int changes = 0;
    int backward = 0;
    int onFirstOfMonth = 0;
    int on29FebruaryOfCommonYear = 0;
};

Counts countsOf(const std::vector<Row> &rows)
{
    Counts counts;
    for (const Row &row : rows) {
        int before = row.january1;
        for (const Change &change : row.changes) {
            ++counts.changes;
            if (stepBetween(before, change.sign) < 0)
                ++counts.backward;
            if (change.day == 1)
                ++counts.onFirstOfMonth;
            if (change.month == 2 && change.day == 29 && !isLeapYear(row.year))
                ++counts.on29FebruaryOfCommonYear;
            before = change.sign;
        }
    }
    return counts;
}

// What the table keeps beyond what every year's rows keep (signrows::brokenInvariants): its
// years, its counts, the kept rows, and the sign it begins each year with, which is the sign the
// year before ends with except in the listed years.
std::vector<std::string> brokenInvariants(const std::vector<Row> &rows)
{
    std::vector<std::string> broken =
        kesto::signrows::brokenInvariants(rows, FewestChangesInAYear, MostChangesInAYear);
    auto fail = [&broken](int year, const std::string &what) {
        broken.push_back(std::to_string(year) + ": " + what);
    };

    if (static_cast<int>(rows.size()) != ExpectedRows)
        broken.push_back(std::to_string(rows.size()) + " rows instead of "
                         + std::to_string(ExpectedRows));
    if (!rows.empty() && rows.front().year != FirstYear)
        fail(rows.front().year, "the first row instead of " + std::to_string(FirstYear));

    for (std::size_t i = 1; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const int previousEnd = rows[i - 1].december31();
        const auto exception =
            std::find_if(BrokenJoins.begin(), BrokenJoins.end(),
                         [&row](const BrokenJoin &join) { return join.year == row.year; });
        if (exception == BrokenJoins.end()) {
            if (row.january1 != previousEnd)
                fail(row.year,
                     "begins in " + signName(row.january1) + " but " + std::to_string(row.year - 1)
                         + " ends in " + signName(previousEnd));
        } else if (row.january1 != exception->january1
                   || previousEnd != exception->december31Before) {
            fail(row.year,
                 "should begin in " + signName(exception->january1) + " after "
                     + signName(exception->december31Before) + ", not in " + signName(row.january1)
                     + " after " + signName(previousEnd));
        }
    }

    const Counts counts = countsOf(rows);
    if (counts.changes != ExpectedChanges)
        broken.push_back(std::to_string(counts.changes) + " changes in all instead of "
                         + std::to_string(ExpectedChanges));
    if (counts.backward != ExpectedBackward)
        broken.push_back(std::to_string(counts.backward) + " backward changes instead of "
                         + std::to_string(ExpectedBackward));

    for (const Row &fixed : FixedRows) {
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [&fixed](const Row &row) { return row.year == fixed.year; });
        if (it == rows.end() || !(*it == fixed))
            fail(fixed.year, "not the fixed row");
    }
    return broken;
}

// "{1, 25, Aquarius}, {2, 17, Pisces}, ..." wrapped to the column limit.
std::string changesDefinition(const Row &row)
{
    std::vector<std::string> items;
    for (const Change &change : row.changes)
        items.push_back('{' + std::to_string(change.month) + ", " + std::to_string(change.day)
                        + ", " + signName(change.sign) + '}');

    const std::string head = "constexpr SignChange Changes" + std::to_string(row.year) + "[] = {";
    std::string oneLine = head;
    for (std::size_t i = 0; i < items.size(); ++i)
        oneLine += (i ? ", " : "") + items[i];
    oneLine += "};";
    if (oneLine.size() <= ColumnLimit)
        return oneLine + '\n';

    std::string text = head + '\n';
    std::string line = "   ";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
        if (line.size() + 1 + item.size() > ColumnLimit) {
            text += line + '\n';
            line = "   ";
        }
        line += ' ' + item;
    }
    return text + line + "\n};\n";
}

std::string tableSource(const std::vector<Row> &rows, const std::map<int, std::string> &notes,
                        std::string_view ephemerisName)
{
    std::ostringstream out;
    out << "// Generated by tools/venus-table from the " << ephemerisName << ".\n"
        << "// Do not edit by hand; regenerate from the top of the source tree with:\n"
        << "//     tools/venus-table/generate\n"
        << "//\n"
        << "// One row a year: the sign of Venus on 1 January, then each day on which Venus stands "
           "in a new\n"
        << "// sign at 0h UT (apparent geocentric longitude, tropical zodiac), with that sign. "
           "Without a\n"
        << "// 29 February, a change on 1 March is dated 29 February; a change on 1 January only "
           "gives the\n"
        << "// row its first sign.\n"
        << "\n"
        << "#include \"ZodiacLoveSign.h\"\n"
        << "\n"
        << "namespace kesto {\n"
        << "\n"
        << "namespace {\n"
        << "\n"
        << "using enum ZodiacSign;\n"
        << "\n"
        << "// clang-format off\n";
    for (const Row &row : rows) {
        if (const auto note = notes.find(row.year); note != notes.end())
            out << wrappedComment(std::to_string(row.year) + ": " + note->second + '.', "", 0);
        out << changesDefinition(row);
    }
    out << "\nconstexpr SignChangeRow Rows[] = {\n";
    for (const Row &row : rows)
        out << "    {" << row.year << ", " << signName(row.january1) << ", Changes" << row.year
            << "},\n";
    out << "};\n"
        << "// clang-format on\n"
        << "\n"
        << "} // namespace\n"
        << "\n"
        << "std::span<const SignChangeRow> venusTable()\n"
        << "{\n"
        << "    return Rows;\n"
        << "}\n"
        << "\n"
        << "} // namespace kesto\n";
    return out.str();
}

// How many real dates of the table, outside the kept rows, the dating rule alone gives the
// same sign; prints each run of dates it does not.
void reportReproduction(const std::vector<Row> &computed, const std::vector<Row> &table)
{
    int days = 0;
    int agreeing = 0;
    std::string run;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (isFixedYear(table[i].year))
            continue;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(table[i].year, month); ++day) {
                ++days;
                const int written = signOnDay(table[i], month, day);
                const int rule = signOnDay(computed[i], month, day);
                if (written == rule) {
                    ++agreeing;
                    if (!run.empty())
                        std::fprintf(stderr, "%s\n", run.c_str());
                    run.clear();
                    continue;
                }
                const std::string date = std::to_string(table[i].year) + ' ' + dateText(month, day);
                if (run.empty())
                    run = "  from " + date + ": table " + signName(written) + ", rule "
                        + signName(rule) + ", to ";
                else
                    run.erase(run.rfind(", to ") + 5);
                run += date;
            }
        }
    }
    if (!run.empty())
        std::fprintf(stderr, "%s\n", run.c_str());
    std::fprintf(stderr,
                 "the rule reproduces %d of the %d days (%.3f %%) of the %d years outside the kept "
                 "rows\n",
                 agreeing, days, 100.0 * agreeing / days,
                 ExpectedRows - static_cast<int>(FixedRows.size()));
}

std::string skyTableSource(const std::vector<Row> &early, const std::vector<Row> &late,
                           std::string_view ephemerisName)
{
    std::ostringstream comment;
    comment << "// Generated by tools/venus-table from the " << ephemerisName << ".\n"
            << "// Do not edit by hand; regenerate from the top of the source tree with:\n"
            << "//     tools/venus-table/generate\n"
            << "//\n"
            << "// The sign of Venus at 0h UT (apparent geocentric longitude, tropical zodiac) for "
               "the years\n"
            << "// before and after the Zodiac Love Sign table (1930 to 2012), dated by the same "
               "rule: a change\n"
            << "// on the first day in the new sign; without a 29 February, a change on 1 March "
               "dated 29 February;\n"
            << "// a change on 1 January only gives the row its first sign.\n";
    return packedSkySource(comment.str(), "venusSkyTable", early, late);
}

void write(const std::string &path, const std::string &text)
{
    writeFile(path, text);
    std::fprintf(stderr, "wrote %s\n", path.c_str());
}

struct MomentFiles
{
    std::string venus;
    std::string sun;
    std::string deltaT;
};

double momentsEnd()
{
    return swe_julday(SkyLastYear + 1, 1, 1, 0.0, SE_GREG_CAL);
}

// Every change of sign of a body from 1 January 1900 0h to 1 January 2101 0h UT, to the minute.
SignMoments bodyMoments(const Ephemeris &ephemeris, int body)
{
    const Crossings crossings =
        findCrossings([&ephemeris, body](double t) { return ephemeris.longitude(body, t); },
                      JulianDay1900, momentsEnd(), SampleStep, CrossingPrecision);
    return toMinutes(crossings, nearestMinute(momentsEnd()));
}

std::string momentsSource(std::string_view ephemerisName, const std::string &body,
                          const std::string &function, const SignMoments &moments)
{
    std::ostringstream comment;
    comment << "// Generated by tools/venus-table from the " << ephemerisName << ".\n"
            << "// Do not edit by hand; regenerate from the top of the source tree with:\n"
            << "//     tools/venus-table/generate\n"
            << "//\n"
            << momentsRuleComment(body, kesto::signrows::countsOf(moments));
    return signMomentsSource(comment.str(), function, moments, SkyFirstYear, SkyLastYear);
}

// TT - UT at 0h UT on 1 January of every year the moments cover, and of the year after.
std::string deltaTSource(const Ephemeris &ephemeris)
{
    std::ostringstream out;
    out << "# Generated by tools/venus-table/generate from the " << ephemeris.name() << ".\n"
        << "# Delta T = TT - UT in seconds at 0h UT on 1 January, as swe_calc_ut applies it\n"
        << "# to the moments in zodiac/SunSignMoments.cpp and\n"
        << "# readings/lovesign/core/VenusSignMoments.cpp (after today an extrapolation).\n"
        << "# tools/sign-moments/check reads it to compare positions at the same moment of\n"
        << "# Terrestrial Time.\n";
    for (int year = SkyFirstYear; year <= SkyLastYear + 1; ++year) {
        char line[32];
        std::snprintf(line, sizeof line, "%d %.3f\n", year,
                      ephemeris.deltaTSeconds(swe_julday(year, 1, 1, 0.0, SE_GREG_CAL)));
        out << line;
    }
    return out.str();
}

// The moments of Venus and the Sun, checked, and the Delta T beside them. False when a check
// fails; nothing is written then.
bool writeMoments(const Ephemeris &ephemeris, const MomentFiles &files)
{
    struct Body
    {
        int number;
        const char *name;
        const char *function;
        const std::string *path;
    };
    const Body bodies[] = {{SE_VENUS, "Venus", "venusSignMoments", &files.venus},
                           {SE_SUN, "the Sun", "sunSignMoments", &files.sun}};
    std::vector<std::pair<std::string, std::string>> outputs;
    for (const Body &body : bodies) {
        const SignMoments moments = bodyMoments(ephemeris, body.number);
        const MomentCounts counts = kesto::signrows::countsOf(moments);
        std::fprintf(stderr,
                     "moments of %s, 1900-2100: %d changes, %d backward; shortest stay %lld "
                     "minutes, until %s\n",
                     body.name, counts.changes, counts.backward, counts.shortestStay,
                     momentText(counts.shortestStayAt).c_str());
        std::vector<std::string> broken =
            kesto::signrows::brokenInvariants(moments, nearestMinute(momentsEnd()));
        const int contradicted = daysContradicted(
            moments, nearestMinute(momentsEnd()) / 1440, [&ephemeris, &body](long long day) {
                return signOf(
                    ephemeris.longitude(body.number, JulianDay1900 + static_cast<double>(day)));
            });
        if (contradicted > 0)
            broken.push_back(std::to_string(contradicted)
                             + " days whose 0h sign the moments contradict");
        if (!broken.empty()) {
            std::fprintf(stderr,
                         "venus-table: the moments of %s break their invariants; nothing "
                         "written:\n",
                         body.name);
            for (const std::string &message : broken)
                std::fprintf(stderr, "  %s\n", message.c_str());
            return false;
        }
        outputs.emplace_back(*body.path,
                             momentsSource(ephemeris.name(), body.name, body.function, moments));
    }
    outputs.emplace_back(files.deltaT, deltaTSource(ephemeris));
    for (const auto &[path, text] : outputs)
        write(path, text);
    return true;
}

int run(bool analytical, const std::string &outputPath, const std::string &skyOutputPath,
        const std::optional<MomentFiles> &momentFiles)
{
    const Ephemeris ephemeris(analytical);
    std::fprintf(stderr, "Venus at 0h UT, %d-01-01 to %d-12-31, from the %s\n", FirstYear, LastYear,
                 std::string(ephemeris.name()).c_str());

    ClosestCall closest;
    std::vector<Row> rows = venusRows(ephemeris, FirstYear, LastYear, &closest);
    const Counts computed = countsOf(rows);
    std::fprintf(stderr,
                 "ephemeris alone: %d changes, %d backward\n"
                 "closest call: %.5f degrees from a sign boundary on %d-%02d-%02d; "
                 "%d days within 0.01 degrees\n",
                 computed.changes, computed.backward, closest.degrees, closest.year, closest.month,
                 closest.day, closest.daysWithinHundredth);

    const std::vector<Row> computedRows = rows;
    std::map<int, std::string> notes;
    applyFixedRows(rows, notes);

    const std::vector<std::string> broken = brokenInvariants(rows);
    if (!broken.empty()) {
        std::fprintf(stderr, "venus-table: the table breaks its invariants; nothing written:\n");
        for (const std::string &message : broken)
            std::fprintf(stderr, "  %s\n", message.c_str());
        return 1;
    }

    const Counts counts = countsOf(rows);
    std::fprintf(stderr,
                 "table: %zu rows, %d changes, %d backward, %d on the 1st of a month, "
                 "%d dated 29 February of a common year\n",
                 rows.size(), counts.changes, counts.backward, counts.onFirstOfMonth,
                 counts.on29FebruaryOfCommonYear);

    reportReproduction(computedRows, rows);

    // The years before and after the table, by the same rule.
    std::vector<Row> early;
    std::vector<Row> late;
    if (!skyOutputPath.empty()) {
        early = venusRows(ephemeris, SkyFirstYear, FirstYear - 1);
        late = venusRows(ephemeris, LastYear + 1, SkyLastYear);
        // They must join the table's first and last rows as they join each other.
        std::vector<Row> earlySide = early;
        earlySide.push_back(rows.front());
        std::vector<Row> lateSide {rows.back()};
        lateSide.insert(lateSide.end(), late.begin(), late.end());
        std::vector<std::string> skyBroken;
        for (const auto *side : {&earlySide, &lateSide}) {
            for (const std::string &message : kesto::signrows::brokenInvariants(
                     *side, SkyFewestChangesInAYear, SkyMostChangesInAYear))
                skyBroken.push_back(message);
        }
        if (!skyBroken.empty()) {
            std::fprintf(stderr,
                         "venus-table: the years outside the table break their "
                         "invariants; nothing written:\n");
            for (const std::string &message : skyBroken)
                std::fprintf(stderr, "  %s\n", message.c_str());
            return 1;
        }
        std::fprintf(stderr, "sky table: %zu rows, %d-%d and %d-%d\n", early.size() + late.size(),
                     SkyFirstYear, FirstYear - 1, LastYear + 1, SkyLastYear);
    }

    if (momentFiles && !writeMoments(ephemeris, *momentFiles))
        return 1;
    write(outputPath, tableSource(rows, notes, ephemeris.name()));
    if (!skyOutputPath.empty())
        write(skyOutputPath, skyTableSource(early, late, ephemeris.name()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool analytical = !arguments.empty() && arguments.front() == "--moshier";
    if (analytical)
        arguments.erase(arguments.begin());
    if (arguments.size() != 1 && arguments.size() != 2 && arguments.size() != 5) {
        std::fprintf(stderr,
                     "usage: venus-table [--moshier] <output-file> [<sky-output-file> "
                     "[<venus-moments> <sun-moments> <delta-t-file>]]\n");
        return 2;
    }
    std::optional<MomentFiles> momentFiles;
    if (arguments.size() == 5)
        momentFiles = MomentFiles {arguments[2], arguments[3], arguments[4]};
    try {
        return run(analytical, arguments.front(), arguments.size() >= 2 ? arguments[1] : "",
                   momentFiles);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "venus-table: %s\n", error.what());
        return 1;
    }
}
