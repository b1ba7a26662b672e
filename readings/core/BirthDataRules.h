#pragma once

#include "Reading.h"

#include <string_view>

// What the birth-data input windows accept, shared by the windows and the command line.
namespace kesto {

struct YearRange
{
    int first;
    int last;
    constexpr bool contains(int year) const { return year >= first && year <= last; }
};

// The years the reading's year list offers.
YearRange yearRange(Reading reading);

// Love and Romance take names in three fields and every day 1..31 in every month; the two table
// readings take one name and refuse days their month never has (29 February always passes).
bool usesThreeNameFields(Reading reading);

// The message for a character typed into a name field that is neither a letter, a blank, Enter
// nor Backspace.
std::string_view nameKeyMessage(Reading reading);

// The key filter of the name fields, on a character code k: letters are taken and raised to
// upper case, a blank, Enter (13) and Backspace (8) pass unchanged, anything else is refused.
struct KeyVerdict
{
    int key;      // the character to take; 0 when the key is refused
    bool refused; // true when the user must be told
};
KeyVerdict FilterNameKey(int k);

enum class DateRefusal { None, FebruaryTooLong, ThirtyDayMonth };

// Day 1..31 and month 1..12 as picked from the lists.
DateRefusal checkBirthDate(Reading reading, int day, int month);

// The message shown for a refusal; empty for DateRefusal::None.
std::string_view dateRefusalMessage(Reading reading, DateRefusal refusal);

} // namespace kesto
