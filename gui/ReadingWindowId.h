#pragma once

// The eight reading windows, in the order the main window closes them.
enum class ReadingWindowId {
    LoveAstrologyDisplay,
    LoveAstrologyMain,
    RomanceAstrologyDisplay,
    RomanceAstrologyMain,
    SexualAstrologyDisplay,
    SexualAstrologyMain,
    ZodiacLoveSignDisplay,
    ZodiacLoveSignMain
};

inline constexpr int ReadingWindowCount = 8;
