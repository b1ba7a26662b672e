// The cost of one sign lookup, as the readings make them, over every cell of the three tables:
// the sun-sign rule (12 months x 31 days), the Venus table (1930-2012) and the Eros table
// (1940-1990); and of the change moments of the Sun, Venus and Eros, every day 1900-2100 asked
// for its change of sign and for the sign at noon. The table lookups take the texts the input
// windows' lists show ("1984", "February", "29"); a Venus cell is asked of all three block lookups,
// as the Zodiac Love Sign window asks them. Every answer is folded into a checksum that is printed,
// so no lookup can be left out by the optimiser, and the checksum must come out the same in every
// round.

#include "BenchSupport.h"

#include "readings/core/Readings.h"
#include "readings/eros/core/SexualAstrology.h"
#include "readings/lovesign/core/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SignMoments.h"
#include "zodiac/SunSign.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

using namespace kesto;

namespace {

struct DateTexts
{
    std::string_view year;
    std::string_view month;
    std::string_view day;
};

// Every year x month x day cell of a table, as text. The strings stay put in `storage`.
std::vector<DateTexts> cellsOf(int firstYear, int lastYear, std::vector<std::string> &storage)
{
    storage.clear();
    storage.reserve(std::size_t(lastYear - firstYear + 1 + 31));
    for (int year = firstYear; year <= lastYear; ++year)
        storage.push_back(std::to_string(year));
    for (int day = 1; day <= 31; ++day)
        storage.push_back(std::to_string(day));
    const std::size_t dayBase = std::size_t(lastYear - firstYear + 1);

    std::vector<DateTexts> cells;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day)
                cells.push_back({storage[std::size_t(year - firstYear)], monthName(month),
                                 storage[dayBase + std::size_t(day - 1)]});
        }
    }
    return cells;
}

struct Pass
{
    long long checksum = 0;
    long long unanswered = 0;
};

void fold(Pass &pass, std::optional<ZodiacSign> sign)
{
    if (sign)
        pass.checksum = pass.checksum * 31 + ordinal(*sign);
    else
        ++pass.unanswered;
}

Pass sunPass()
{
    Pass pass;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day)
            fold(pass, SunSignFromDate(day, month));
    }
    return pass;
}

Pass venusPass(const std::vector<DateTexts> &cells)
{
    Pass pass;
    for (const DateTexts &cell : cells) {
        fold(pass, findReadingSign(Reading::ZodiacLoveSign, cell.year, cell.month, cell.day));
    }
    return pass;
}

// For comparison: each cell asked only of the block that holds its year.
Pass venusOwnBlockPass(const std::vector<DateTexts> &cells)
{
    Pass pass;
    for (const DateTexts &cell : cells) {
        const auto find = cell.year < "1960" ? FindLoveSign1930To1959
            : cell.year < "1990"             ? FindLoveSign1960To1989
                                             : FindLoveSign1990To2012;
        fold(pass, find(cell.year, cell.month, cell.day));
    }
    return pass;
}

Pass erosPass(const std::vector<DateTexts> &cells)
{
    Pass pass;
    for (const DateTexts &cell : cells)
        fold(pass, FindErosSign(cell.year, cell.month, cell.day));
    return pass;
}

struct Day
{
    int year;
    int month;
    int day;
};

std::vector<Day> everyDay(int firstYear, int lastYear)
{
    constexpr int Lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Day> days;
    for (int year = firstYear; year <= lastYear; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= Lengths[month - 1] + (month == 2 && leap); ++day)
                days.push_back({year, month, day});
        }
    }
    return days;
}

// Each day of each body: its change of sign, if any, and the sign at noon (two lookups).
Pass momentsPass(const std::vector<Day> &days)
{
    Pass pass;
    for (const Body body : {Body::Sun, Body::Venus, Body::Eros}) {
        for (const Day &d : days) {
            if (const std::optional<SignMoment> change =
                    signChangeOnDay(body, d.year, d.month, d.day))
                pass.checksum = pass.checksum * 31 + change->time.minute;
            fold(pass, signAt(body, {d.year, d.month, d.day, 12, 0}));
        }
    }
    return pass;
}

struct TableResult
{
    const char *name;
    std::size_t cells;
    double nsPerLookup;
    long long checksum;
};

// Runs `rounds` passes over the table a few times and keeps the median time per lookup.
// Returns a negative time when a cell goes unanswered or a round's checksum differs.
TableResult measure(const char *name, std::size_t cells, int rounds,
                    const std::function<Pass()> &pass)
{
    constexpr int Repeats = 5;
    const Pass first = pass();
    std::vector<double> nsPerLookup;
    long long sum = 0;
    bool steady = first.unanswered == 0;
    for (int repeat = 0; repeat < Repeats; ++repeat) {
        const std::int64_t start = bench::monotonicNs();
        for (int round = 0; round < rounds; ++round) {
            const Pass result = pass();
            steady = steady && result.checksum == first.checksum && result.unanswered == 0;
            sum += result.checksum;
        }
        const std::int64_t elapsed = bench::monotonicNs() - start;
        nsPerLookup.push_back(double(elapsed) / double(rounds) / double(cells));
    }
    std::printf("  %-30s %7zu cells %6d rounds x %d %9.1f ns  (checksum %llx)\n", name, cells,
                rounds, Repeats, bench::median(nsPerLookup), static_cast<unsigned long long>(sum));
    return {name, cells, steady ? bench::median(nsPerLookup) : -1, first.checksum};
}

} // namespace

// An optional argument scales the number of rounds (0.01 for a quick run under a profiler).
int main(int argc, char *argv[])
{
    const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    auto rounds = [scale](int full) { return std::max(1, int(full * scale)); };
    std::vector<std::string> venusStorage;
    std::vector<std::string> erosStorage;
    const std::vector<DateTexts> venusCells = cellsOf(1930, 2012, venusStorage);
    const std::vector<DateTexts> erosCells = cellsOf(1940, 1990, erosStorage);

    std::printf("Sign lookups, time per lookup (median of 5 repeats)\n");
    const TableResult results[] = {
        measure("sun sign (12 x 31)", 12 * 31, rounds(20000), sunPass),
        measure("Venus, 3 blocks (1930-2012)", venusCells.size(), rounds(60),
                [&] { return venusPass(venusCells); }),
        measure("Eros (1940-1990)", erosCells.size(), rounds(100),
                [&] { return erosPass(erosCells); }),
    };
    const TableResult ownBlock = measure("Venus, own block only", venusCells.size(), rounds(60),
                                         [&] { return venusOwnBlockPass(venusCells); });
    const std::vector<Day> days = everyDay(MomentsFirstYear, MomentsLastYear);
    const TableResult moments = measure("moments, day and noon (x3)", days.size() * 3 * 2,
                                        rounds(10), [&] { return momentsPass(days); });

    double totalNs = 0;
    std::size_t totalCells = 0;
    for (const TableResult &result : results) {
        if (result.nsPerLookup < 0) {
            std::fprintf(stderr, "%s: a cell went unanswered or a round's answers differed\n",
                         result.name);
            return 1;
        }
        totalNs += result.nsPerLookup * double(result.cells);
        totalCells += result.cells;
    }
    if (ownBlock.nsPerLookup < 0 || ownBlock.checksum != results[1].checksum) {
        std::fprintf(stderr, "Venus: the own block answers differently from the three blocks\n");
        return 1;
    }
    if (moments.nsPerLookup < 0) {
        std::fprintf(stderr, "moments: a noon went unanswered or a round's answers differed\n");
        return 1;
    }
    const double ownBlockMean =
        (totalNs + (ownBlock.nsPerLookup - results[1].nsPerLookup) * double(results[1].cells))
        / double(totalCells);
    std::printf("RESULT lookup_ns_venus_own_block %.1f ns\n", ownBlock.nsPerLookup);
    std::printf("RESULT lookup_ns_own_block_mean %.1f ns\n", ownBlockMean);
    std::printf("RESULT lookup_ns_sun %.1f ns\n", results[0].nsPerLookup);
    std::printf("RESULT lookup_ns_venus %.1f ns\n", results[1].nsPerLookup);
    std::printf("RESULT lookup_ns_eros %.1f ns\n", results[2].nsPerLookup);
    std::printf("RESULT lookup_ns %.1f ns\n", totalNs / double(totalCells));
    std::printf("RESULT lookup_ns_moments %.1f ns\n", moments.nsPerLookup);
    return 0;
}
