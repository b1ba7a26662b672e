#include "frmZodiacLoveSignMain.h"

frmZodiacLoveSignMain::frmZodiacLoveSignMain(frmMDI *mdi)
    : BirthDataWindow(mdi, kesto::Reading::ZodiacLoveSign,
                      {QStringLiteral("Kesto Zodiac Love Sign"), 7260, 5175, QColor(0, 64, 64), Qt::white,
                       QStringLiteral("Find My Zodiac &Love Sign"), QStringLiteral("mnuFindLoveSign"),
                       QStringLiteral("&Exit"), WindowMenus::UpdateAccessKey::U,
                       QStringLiteral("mnuMakeMoneyOnline"),
                       QStringLiteral("Kesto Zodiac Love Sign describes your characteristics based on the placement "
                       "of Venus in your birth chart. Venus is a planet which is considered to be the "
                       "planet of Love. This sign describes your romantic and sensual nature and how "
                       "you deal with the different relationships in your life.")})
{
    setObjectName(QStringLiteral("frmZodiacLoveSignMain"));
}

void frmZodiacLoveSignMain::runReading()
{
}
