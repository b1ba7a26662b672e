#pragma once

#include "Reading.h"

#include <string>
#include <string_view>

// What the birth-data input windows accept, shared by the windows and the command line.
namespace kesto {

// The key filter of the name fields, on a character code k: letters are taken and raised to
// upper case, a blank, Enter (13) and Backspace (8) pass unchanged, anything else is refused.
struct KeyVerdict
{
    int key;      // the character to take; 0 when the key is refused
    bool refused; // true when the user must be told
};
KeyVerdict FilterNameKey(int k);

enum class DateRefusal { None, FebruaryTooLong, ThirtyDayMonth };

// Day 1..31 and month 1..12 as picked from the lists. Love and Romance take every day 1..31 in
// every month; the table readings refuse days their month never has (29 February always
// passes).
DateRefusal checkBirthDate(Reading reading, int day, int month);

// The message shown for a refusal; empty for DateRefusal::None.
std::string_view dateRefusalMessage(Reading reading, DateRefusal refusal);

// A reading for two people says whose entry a message is about: the partner's messages name the
// partner where the reader's say "Your" ("Please Enter Your Partner's Name").
std::string partnersMessage(std::string_view message);

} // namespace kesto
