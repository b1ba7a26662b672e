#pragma once

#include "BirthDataWindow.h"

// The input window of the Sexual Astrology reading.
class frmSexualAstrologyMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::SexualAstrologyMain;

    explicit frmSexualAstrologyMain(frmMDI *mdi);

protected:
    void runReading() override;
};
