#pragma once

#include "BirthDataWindow.h"
#include "SignPictureList.h"

// The input window of the Romance Astrology reading.
class frmRomanceAstrologyMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::RomanceAstrologyMain;

    explicit frmRomanceAstrologyMain(frmMDI *mdi);

protected:
    void runReading() override;

private:
    SignPictureList IMGSunsignList;
};
