#include "frmLoveAstrologyDisplay.h"

frmLoveAstrologyDisplay::frmLoveAstrologyDisplay(frmMDI *mdi)
    : ReadingWindow(mdi)
{
    setObjectName(QStringLiteral("frmLoveAstrologyDisplay"));
    setWindowTitle(QStringLiteral("Kesto Love Astrology"));
}
