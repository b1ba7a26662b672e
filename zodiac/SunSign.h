#pragma once

#include "ZodiacSign.h"

#include <optional>

namespace kesto {

// The sun sign for a day (1..31) and month (1..12). Impossible days such as 31 February are
// answered like any other day of their month; the year plays no part. Nothing outside those
// ranges.
std::optional<ZodiacSign> SunSignFromDate(int day, int month);

} // namespace kesto
