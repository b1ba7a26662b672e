#pragma once

#include "app/ReadingWindow.h"
#include "app/ReadingWindowId.h"

class frmLoveAstrologyDisplay : public ReadingWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::LoveAstrologyDisplay;

    explicit frmLoveAstrologyDisplay(frmMDI *mdi);
};
