#pragma once

#include "zodiac/Synastry.h"
#include "zodiac/ZodiacSign.h"

#include <span>
#include <string>
#include <string_view>

// What each reading of the program is, in one row: everything the windows, the documents and
// the command line need to know about it besides its texts and its windows' layouts.
namespace kesto {

// The readings, in the order the main window closes their windows.
enum class Reading { LoveAstrology, RomanceAstrology, SexualAstrology, ZodiacLoveSign, LoveMatch };

struct YearRange
{
    int first;
    int last;
    constexpr bool contains(int year) const { return year >= first && year <= last; }
};

// Which result window shows a reading.
enum class ResultLayout {
    SunSignCard, // the sun sign's card, and a profile on a second tab
    TableSign,   // one sign looked up day by day, and its description
    Match,       // two people's Sun, Venus and Eros signs and the aspects between them
};

// Back either shows the input window before unloading the result, or unloads first.
enum class BackOrder { ShowInputFirst, UnloadFirst };

// One value a reading shows for its sign, under the same heading wherever it is shown.
struct ValueField
{
    std::string_view key;     // JSON key: "sign", "luckyNumber"
    std::string_view label;   // kesto-reading's short label: "Sun Sign", "Lucky Number"
    std::string_view heading; // the result window's heading: "Your Sun Sign", "Lucky Number"
    std::string_view (*value)(ZodiacSign sign); // none where the value is not one sign's
};

// One text a reading shows for its sign.
struct TextField
{
    std::string_view key;     // JSON key: "positiveTraits", "profile", "description"
    std::string_view label;   // kesto-reading's heading: "Positive Traits"; empty for none
    std::string_view heading; // the result window's heading; empty where it has none
    std::string (*text)(ZodiacSign sign); // paragraphs parted by CR LF CR LF; or none
};

struct ReadingDescription
{
    Reading reading;
    std::string_view title;   // "Love Astrology"
    std::string_view command; // kesto-reading's name for it: "love"
    Body body;                // whose sign the reading reads
    YearRange years;          // the input window's year list
    YearRange tableYears;     // the years of its own day-by-day table; empty for the sun sign
    YearRange commandYears;   // the years kesto-reading takes
    bool threeNameFields;     // first, middle and last name; else one name field
    bool twoPeople;           // a name and a birth date for each of two people
    std::string_view nameKeyMessage; // for a typed character that is not a letter
    // The input window refuses 30 and 31 February and the 31st of a 30-day month with these;
    // both empty where every day 1..31 passes in every month.
    std::string_view februaryMessage;
    std::string_view thirtyDayMessage;
    ResultLayout layout;
    std::string_view inputWindow;  // the windows' names: "frmLoveAstrologyMain"
    std::string_view resultWindow; // "frmLoveAstrologyDisplay"
    BackOrder back;
    std::string_view intro;    // the line above the sign on the table windows; empty otherwise
    std::string_view signName; // what the reading calls its sign: "Zodiac Love Sign"
    std::span<const ValueField> values;
    std::span<const TextField> texts;

    // The heading of the value or text under `key`; empty when it has none.
    std::string_view heading(std::string_view key) const;
};

const ReadingDescription &describe(Reading reading);
std::span<const ReadingDescription> allReadings();
// The reading kesto-reading calls `command`, or nullptr.
const ReadingDescription *readingForCommand(std::string_view command);

inline bool isSunSignReading(Reading reading)
{
    return describe(reading).layout == ResultLayout::SunSignCard;
}

} // namespace kesto
