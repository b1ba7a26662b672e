#pragma once

#include "app/ReadingWindow.h"
#include "app/ReadingWindowId.h"

class frmRomanceAstrologyDisplay : public ReadingWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::RomanceAstrologyDisplay;

    explicit frmRomanceAstrologyDisplay(frmMDI *mdi);
};
