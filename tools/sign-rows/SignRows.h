#pragma once

// Shared by the Venus and Eros generators: the dating rule that turns a sign at 0h UT for every
// day into one row a year, the invariants such rows keep, and the packed C++ source the program
// reads them from (see readings/core/SkySigns.h); with what both need around them: sign names and
// numbers, dates as text, the closest call to a sign boundary, wrapped comments, writing a file.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::signrows {

constexpr std::array<std::string_view, 12> SignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

constexpr std::array<std::string_view, 12> MonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Signs are numbered 0 (Aries) to 11 (Pisces) here; the program numbers them 1 to 12.
inline std::string signName(int sign)
{
    if (sign < 0 || sign > 11)
        return "sign " + std::to_string(sign);
    return std::string(SignNames[static_cast<std::size_t>(sign)]);
}

// The tropical sign of an ecliptic longitude, 0 <= degrees < 360.
inline int signOf(double longitude)
{
    return static_cast<int>(std::floor(longitude / 30.0)) % 12;
}

// How close a day came to another sign: the 0h UT longitude nearest to a sign boundary, and how
// many days lay within a hundredth of a degree of one.
struct ClosestCall
{
    double degrees = 360.0;
    int year = 0;
    int month = 0;
    int day = 0;
    int daysWithinHundredth = 0;

    void note(double longitude, int onYear, int onMonth, int onDay)
    {
        const double intoSign = std::fmod(longitude, 30.0);
        const double margin = std::min(intoSign, 30.0 - intoSign);
        if (margin < degrees) {
            degrees = margin;
            year = onYear;
            month = onMonth;
            day = onDay;
        }
        if (margin < 0.01)
            ++daysWithinHundredth;
    }
};

struct Change
{
    int month;
    int day;
    int sign;

    bool operator==(const Change &) const = default;
};

struct Row
{
    int year;
    int january1;
    std::vector<Change> changes;

    bool operator==(const Row &) const = default;

    int december31() const { return changes.empty() ? january1 : changes.back().sign; }
};

inline bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

inline int daysInMonth(int year, int month)
{
    constexpr std::array<int, 12> Days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return Days[static_cast<std::size_t>(month - 1)];
}

// How many signs forward from one sign to another, 0 to 11.
inline int signsForward(int from, int to)
{
    return ((to - from) % 12 + 12) % 12;
}

// +1 for one sign forward, -1 for one back, 0 for anything else.
inline int stepBetween(int from, int to)
{
    const int difference = signsForward(from, to);
    if (difference == 1)
        return 1;
    if (difference == 11)
        return -1;
    return 0;
}

// The sign of a row for a month and day number: the last change on or before it.
inline int signOnDay(const Row &row, int month, int day)
{
    int sign = row.january1;
    for (const Change &change : row.changes) {
        if (change.month > month || (change.month == month && change.day > day))
            break;
        sign = change.sign;
    }
    return sign;
}

// The dating rule: a change is dated on the first day whose 0h UT sign is the new one; without
// a 29 February, a change on 1 March is dated 29 February so that the 29th, which the input
// windows accept in every year, already has the March sign; a change on 1 January is not
// written, the row just begins with the new sign.
inline Row rowFromDays(int year, const std::function<int(int year, int month, int day)> &signOn)
{
    Row row {year, 0, {}};
    int previous = -1;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= daysInMonth(year, month); ++day) {
            const int sign = signOn(year, month, day);
            if (month == 1 && day == 1) {
                row.january1 = sign;
            } else if (sign != previous) {
                if (month == 3 && day == 1 && !isLeapYear(year))
                    row.changes.push_back({2, 29, sign});
                else
                    row.changes.push_back({month, day, sign});
            }
            previous = sign;
        }
    }
    return row;
}

inline std::string dateText(int month, int day)
{
    if (month < 1 || month > 12)
        return "month " + std::to_string(month) + " day " + std::to_string(day);
    return std::string(MonthAbbreviations[static_cast<std::size_t>(month - 1)]) + ' '
        + std::to_string(day);
}

inline std::string rowText(const Row &row)
{
    std::string text = signName(row.january1);
    for (const Change &change : row.changes)
        text += "; " + dateText(change.month, change.day) + ' ' + signName(change.sign);
    return text;
}

// What the computed rows must keep: consecutive years; changes on real dates (29 February in
// every year) in date order, each one sign forward or back; between fewest and most changes a
// year; each row beginning with the sign the year before ends with, or one step on from it
// when the change fell on 1 January. Returns the broken ones, named.
inline std::vector<std::string> brokenInvariants(const std::vector<Row> &rows, int fewest, int most)
{
    std::vector<std::string> broken;
    const auto isSign = [](int sign) { return sign >= 0 && sign < 12; };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const std::string year = std::to_string(row.year) + ": ";
        if (i > 0 && row.year != rows[i - 1].year + 1)
            broken.push_back(year + "does not follow " + std::to_string(rows[i - 1].year));
        const int count = static_cast<int>(row.changes.size());
        if (count < fewest || count > most)
            broken.push_back(year + std::to_string(count) + " changes, outside "
                             + std::to_string(fewest) + ".." + std::to_string(most));
        if (!isSign(row.january1)
            || !std::all_of(row.changes.begin(), row.changes.end(),
                            [&](const Change &c) { return isSign(c.sign); }))
            broken.push_back(year + "a sign outside Aries to Pisces");
        int before = row.january1;
        int lastMonth = 1, lastDay = 1;
        for (const Change &change : row.changes) {
            const std::string when = dateText(change.month, change.day);
            int length = 0;
            if (change.month >= 1 && change.month <= 12)
                length = change.month == 2 ? 29 : daysInMonth(row.year, change.month);
            if (change.day < 1 || change.day > length)
                broken.push_back(year + "change dated " + when + ", a day the month lacks");
            else if (change.month < lastMonth
                     || (change.month == lastMonth && change.day <= lastDay))
                broken.push_back(year + "change on " + when
                                 + " out of date order (or on 1 January)");
            if (stepBetween(before, change.sign) == 0)
                broken.push_back(year + "change on " + when + " from " + signName(before) + " to "
                                 + signName(change.sign) + " is not one sign step");
            before = change.sign;
            lastMonth = change.month;
            lastDay = change.day;
        }
        if (i > 0 && rows[i - 1].year == row.year - 1) {
            const int end = rows[i - 1].december31();
            if (row.january1 != end && stepBetween(end, row.january1) == 0)
                broken.push_back(year + "begins in " + signName(row.january1) + " but "
                                 + std::to_string(row.year - 1) + " ends in " + signName(end));
        }
    }
    return broken;
}

// One packed entry: month << 9 | day << 4 | sign ordinal (1..12); month 0 opens a year with
// its 1 January sign.
inline unsigned packed(int month, int day, int sign)
{
    return static_cast<unsigned>(month) << 9 | static_cast<unsigned>(day) << 4
        | static_cast<unsigned>(sign + 1);
}

// text as // comment lines of at most columnLimit characters, each after indent; the lines after
// the first hang that many spaces further in.
inline std::string wrappedComment(const std::string &text, std::string_view indent = "",
                                  std::size_t hanging = 3, std::size_t columnLimit = 100)
{
    std::string result;
    std::string line = std::string(indent) + "//";
    const std::size_t empty = line.size();
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (line.size() > empty && line.size() + 1 + word.size() > columnLimit) {
            result += line + '\n';
            line = std::string(indent) + "//" + std::string(hanging, ' ');
        }
        line += ' ' + word;
    }
    return result + line + '\n';
}

// One block of consecutive years as a packed array named name, each year under a comment that
// spells it out.
inline std::string packedBlock(const std::string &name, const std::vector<Row> &rows)
{
    std::ostringstream out;
    out << "constexpr std::uint16_t " << name << "[] = {\n";
    for (const Row &row : rows) {
        out << wrappedComment(std::to_string(row.year) + ": " + rowText(row), "    ");
        std::string line = "   ";
        std::vector<unsigned> entries {packed(0, 0, row.january1)};
        for (const Change &change : row.changes)
            entries.push_back(packed(change.month, change.day, change.sign));
        for (unsigned entry : entries) {
            char item[16];
            std::snprintf(item, sizeof item, " 0x%04x,", entry);
            if (line.size() + std::string_view(item).size() > 100) {
                out << line << '\n';
                line = "   ";
            }
            line += item;
        }
        out << line << '\n';
    }
    out << "};\n";
    return out.str();
}

// The whole source of a packed table of the years before and after a reading's own rows: comment
// (the lines that open the file, each beginning with //), then the two blocks and the function
// of the given name (declared in readings/core/SkySigns.h) that hands them to the program.
inline std::string packedSkySource(const std::string &comment, const std::string &function,
                                   const std::vector<Row> &early, const std::vector<Row> &late)
{
    const auto name = [](const std::vector<Row> &rows) {
        return "Years" + std::to_string(rows.front().year) + "To"
            + std::to_string(rows.back().year);
    };
    std::ostringstream out;
    out << comment << "\n"
        << "#include \"readings/core/SkySigns.h\"\n"
        << "\n"
        << "namespace kesto {\n"
        << "\n"
        << "namespace {\n"
        << "\n"
        << "// clang-format off\n"
        << packedBlock(name(early), early) << "\n"
        << packedBlock(name(late), late) << "// clang-format on\n"
        << "\n"
        << "constexpr PackedSignYears Blocks[] = {\n";
    for (const std::vector<Row> *rows : {&early, &late})
        out << "    {" << rows->front().year << ", " << rows->back().year << ", " << name(*rows)
            << "},\n";
    out << "};\n"
        << "\n"
        << "} // namespace\n"
        << "\n"
        << "std::span<const PackedSignYears> " << function << "()\n"
        << "{\n"
        << "    return Blocks;\n"
        << "}\n"
        << "\n"
        << "} // namespace kesto\n";
    return out.str();
}

// Writes text to path as it is, replacing the file; throws when it cannot.
inline void writeFile(const std::string &path, const std::string &text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace kesto::signrows
