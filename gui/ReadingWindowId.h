#pragma once

#include "readings/core/Reading.h"

// The reading windows, two a reading (its result window, then its input window), in the order
// the main window closes them.
enum class ReadingWindowId {
    LoveAstrologyDisplay,
    LoveAstrologyMain,
    RomanceAstrologyDisplay,
    RomanceAstrologyMain,
    SexualAstrologyDisplay,
    SexualAstrologyMain,
    ZodiacLoveSignDisplay,
    ZodiacLoveSignMain,
    LoveMatchDisplay,
    LoveMatchMain
};

inline constexpr int ReadingWindowCount = 10;

constexpr ReadingWindowId inputWindowOf(kesto::Reading reading)
{
    return static_cast<ReadingWindowId>(2 * static_cast<int>(reading) + 1);
}

constexpr ReadingWindowId resultWindowOf(kesto::Reading reading)
{
    return static_cast<ReadingWindowId>(2 * static_cast<int>(reading));
}

constexpr kesto::Reading readingOf(ReadingWindowId id)
{
    return static_cast<kesto::Reading>(static_cast<int>(id) / 2);
}

constexpr bool isInputWindow(ReadingWindowId id)
{
    return static_cast<int>(id) % 2 == 1;
}

static_assert(inputWindowOf(kesto::Reading::ZodiacLoveSign) == ReadingWindowId::ZodiacLoveSignMain
                  && resultWindowOf(kesto::Reading::SexualAstrology)
                      == ReadingWindowId::SexualAstrologyDisplay,
              "two windows a reading, in the readings' order");
