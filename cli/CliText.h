#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text helpers of the command line: terminal wrapping, JSON strings and quoted arguments.
namespace kesto {

// Wraps text at word boundaries so no line exceeds width columns (a single word longer than
// that keeps a line of its own). Line breaks in the text ("\r\n" or "\n") are kept as "\n",
// so an empty line between paragraphs stays empty. Runs of blanks collapse to one. The result
// ends with "\n" unless the text is empty.
std::string wrapText(std::string_view text, std::size_t width);

// The text as a JSON string literal, quotes included: quotation mark, backslash and control
// characters escaped ("\r", "\n", "\t", "\b", "\f" by name, others as \u00XX); all other bytes
// pass unchanged, so UTF-8 stays UTF-8.
std::string jsonString(std::string_view text);

// A user's argument as messages quote it, in double quotes: no byte of it can reach the terminal
// as a control. Control characters (C0, DEL and the C1 range) are escaped as "\n", "\r", "\t"
// or "\x1b", "\x7f", "\xc2\x9b" (the bytes of the character); bytes that are not UTF-8, a
// backslash and a quotation mark are escaped as well. Only the first maxCharacters characters are
// kept, followed by "…" when there were more.
std::string quotedArgument(std::string_view text, std::size_t maxCharacters = 40);

} // namespace kesto
