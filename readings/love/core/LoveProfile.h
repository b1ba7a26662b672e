#pragma once

#include "zodiac/ZodiacSign.h"

#include <string>

namespace kesto {

// The love profile of a sign as shown: its paragraphs separated by an empty line (two
// carriage-return line-feed pairs), the pieces of one paragraph run together.
std::string LoveProfileText(ZodiacSign sign);

} // namespace kesto
