#include "frmZodiacLoveSignMain.h"

#include "app/ReadingState.h"
#include "app/frmMDI.h"
#include "readings/lovesign/ZodiacLoveSign.h"
#include "readings/lovesign/frmZodiacLoveSignDisplay.h"

frmZodiacLoveSignMain::frmZodiacLoveSignMain(frmMDI *mdi)
    : BirthDataWindow(
        mdi, kesto::Reading::ZodiacLoveSign,
        {QStringLiteral("Kesto Zodiac Love Sign"), 7260, 5175, QColor(0, 64, 64), Qt::white,
         QStringLiteral("Find My Zodiac &Love Sign"), QStringLiteral("mnuFindLoveSign"),
         QStringLiteral("&Exit"), WindowMenus::UpdateAccessKey::U,
         QStringLiteral("mnuMakeMoneyOnline"),
         QStringLiteral(
             "Kesto Zodiac Love Sign describes your characteristics based on the placement "
             "of Venus in your birth chart. Venus is a planet which is considered to be the "
             "planet of Love. This sign describes your romantic and sensual nature and how "
             "you deal with the different relationships in your life.")})
{
    setObjectName(QStringLiteral("frmZodiacLoveSignMain"));
}

void frmZodiacLoveSignMain::runReading()
{
    const BirthData data = birthData();
    const std::string year = data.yearText.toStdString();
    const std::string month = data.monthText.toStdString();
    const std::string day = data.dayText.toStdString();
    // All three blocks are asked every time; only the one holding the year answers.
    using Block =
        std::optional<kesto::ZodiacSign> (*)(std::string_view, std::string_view, std::string_view);
    for (Block find : {kesto::FindLoveSign1930To1959, kesto::FindLoveSign1960To1989,
                       kesto::FindLoveSign1990To2012}) {
        if (const std::optional<kesto::ZodiacSign> sign = find(year, month, day))
            ReadingState::LoveSign = QString::fromLatin1(kesto::displayName(*sign));
    }
    mdi()->readingWindow<frmZodiacLoveSignDisplay>()->presentReading(this, ReadingState::LoveSign);
}
