#pragma once

#include "BirthDataWindow.h"
#include "SignPictureList.h"
#include "gui/ReadingWindowId.h"

// The input window of the Romance Astrology reading.
class frmRomanceAstrologyMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::RomanceAstrologyMain;

    frmRomanceAstrologyMain();

protected:
    QPixmap signPicture(kesto::ZodiacSign sign) const override;

private:
    SignPictureList IMGSunsignList;
};
