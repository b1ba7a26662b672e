#pragma once

#include "gui/ReadingWindowId.h"
#include "readings/windows/SunSignResultWindow.h"

// The result window of the Love Astrology reading.
class frmLoveAstrologyDisplay : public SunSignResultWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::LoveAstrologyDisplay;

    frmLoveAstrologyDisplay();
};
