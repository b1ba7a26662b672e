#pragma once

#include "BirthDataWindow.h"
#include "SignPictureList.h"
#include "gui/ReadingWindowId.h"

// The input window of the Love Astrology reading.
class frmLoveAstrologyMain : public BirthDataWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::LoveAstrologyMain;

    frmLoveAstrologyMain();

protected:
    QPixmap signPicture(kesto::ZodiacSign sign) const override;

private:
    SignPictureList IMGSunsignList;
};
