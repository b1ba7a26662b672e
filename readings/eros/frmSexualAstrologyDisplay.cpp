#include "frmSexualAstrologyDisplay.h"

frmSexualAstrologyDisplay::frmSexualAstrologyDisplay(frmMDI *mdi)
    : ReadingWindow(mdi)
{
    setObjectName(QStringLiteral("frmSexualAstrologyDisplay"));
    setWindowTitle(QStringLiteral("Kesto Sexual Astrology"));
}
