#pragma once

#include "app/ReadingWindow.h"
#include "app/ReadingWindowId.h"

class frmSexualAstrologyDisplay : public ReadingWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::SexualAstrologyDisplay;

    explicit frmSexualAstrologyDisplay(frmMDI *mdi);
};
