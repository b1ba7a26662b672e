#pragma once

#include "gui/ReadingWindowId.h"
#include "readings/windows/SunSignResultWindow.h"

// The result window of the Romance Astrology reading: the Love Astrology result window with a
// romance profile, the trait boxes one above the other, and its own colours.
class frmRomanceAstrologyDisplay : public SunSignResultWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::RomanceAstrologyDisplay;

    frmRomanceAstrologyDisplay();
};
