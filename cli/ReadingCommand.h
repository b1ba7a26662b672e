#pragma once

#include <ostream>
#include <span>
#include <string_view>

// The command-line companion: the four readings and the sign tables behind them, on the
// terminal or as JSON.
namespace kesto {

inline constexpr int ExitSuccess = 0;
// A table had no sign for a date it should cover; the lookup tables are incomplete.
inline constexpr int ExitNoAnswer = 1;
// Usage errors and refused input, including the input windows' own date refusals.
inline constexpr int ExitUsage = 2;

// Runs one command. args are the words after the program name; the result goes to out,
// messages and the usage after a usage error go to err. Returns the exit status.
int runReadingCommand(std::span<const std::string_view> args, std::ostream &out, std::ostream &err);

// The text of --help.
std::string_view readingCommandUsage();

} // namespace kesto
