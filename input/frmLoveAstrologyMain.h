#pragma once

#include "BirthDataWindow.h"
#include "SignPictureList.h"

// The input window of the Love Astrology reading.
class frmLoveAstrologyMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::LoveAstrologyMain;

    explicit frmLoveAstrologyMain(frmMDI *mdi);

protected:
    void runReading() override;

private:
    SignPictureList IMGSunsignList;
};
