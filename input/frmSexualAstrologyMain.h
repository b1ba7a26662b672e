#pragma once

#include "BirthDataWindow.h"
#include "gui/ReadingWindowId.h"

// The input window of the Sexual Astrology reading.
class frmSexualAstrologyMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::SexualAstrologyMain;

    frmSexualAstrologyMain();
};
