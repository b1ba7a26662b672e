#include "frmRomanceAstrologyDisplay.h"

frmRomanceAstrologyDisplay::frmRomanceAstrologyDisplay(frmMDI *mdi)
    : ReadingWindow(mdi)
{
    setObjectName(QStringLiteral("frmRomanceAstrologyDisplay"));
    setWindowTitle(QStringLiteral("Kesto Romance Astrology"));
}
