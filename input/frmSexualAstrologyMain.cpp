#include "frmSexualAstrologyMain.h"

#include "app/ReadingState.h"
#include "app/frmMDI.h"
#include "readings/eros/SexualAstrology.h"
#include "readings/eros/frmSexualAstrologyDisplay.h"

frmSexualAstrologyMain::frmSexualAstrologyMain(frmMDI *mdi)
    : BirthDataWindow(
        mdi, kesto::Reading::SexualAstrology,
        {QStringLiteral("Kesto Sexual Astrology"), 7260, 5040, QColor(255, 192, 255), Qt::black,
         QStringLiteral("Find My &Sexual Astrology Sign"), QStringLiteral("mnuFindSexualitySign"),
         QStringLiteral("&Exit"), WindowMenus::UpdateAccessKey::U,
         QStringLiteral("mnuMakeMoneyOnline"),
         QStringLiteral(
             "Kesto Sexual Astrology describes the placement of the asteroid Eros in your "
             "birth chart. This helps you know more about the sexual, passion, love and "
             "erotic side of your nature")})
{
    setObjectName(QStringLiteral("frmSexualAstrologyMain"));
}

void frmSexualAstrologyMain::runReading()
{
    const BirthData data = birthData();
    if (const std::optional<kesto::ZodiacSign> sign = kesto::FindErosSign(
            data.yearText.toStdString(), data.monthText.toStdString(), data.dayText.toStdString()))
        ReadingState::ErosSign = QString::fromLatin1(kesto::displayName(*sign));
    mdi()->readingWindow<frmSexualAstrologyDisplay>()->presentReading(this, ReadingState::ErosSign);
}
