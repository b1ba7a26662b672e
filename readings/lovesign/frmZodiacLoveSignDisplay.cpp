#include "frmZodiacLoveSignDisplay.h"

frmZodiacLoveSignDisplay::frmZodiacLoveSignDisplay(frmMDI *mdi)
    : ReadingWindow(mdi)
{
    setObjectName(QStringLiteral("frmZodiacLoveSignDisplay"));
    setWindowTitle(QStringLiteral("Kesto Zodiac Love Sign"));
}
