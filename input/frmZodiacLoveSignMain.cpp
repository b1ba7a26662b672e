#include "frmZodiacLoveSignMain.h"

namespace {

const BirthDataWindow::WindowLook ZodiacLoveSignLook = {
    .caption = QStringLiteral("Kesto Zodiac Love Sign"),
    .clientWidth = 7260,
    .clientHeight = 5175,
    .background = QColor(0, 64, 64),
    .text = Qt::white,
    .nextCaption = QStringLiteral("Find My Zodiac &Love Sign"),
    .nextMenuName = QStringLiteral("mnuFindLoveSign"),
    .exitCaption = QStringLiteral("&Exit"),
    .updateKey = WindowMenus::UpdateAccessKey::U,
    .makeMoneyName = QStringLiteral("mnuMakeMoneyOnline"),
    .blurb = QStringLiteral("Kesto Zodiac Love Sign describes your characteristics based on "
                            "the placement of Venus in your birth chart. Venus is a planet "
                            "which is considered to be the planet of Love. This sign "
                            "describes your romantic and sensual nature and how you deal "
                            "with the different relationships in your life."),
};

} // namespace

frmZodiacLoveSignMain::frmZodiacLoveSignMain()
    : BirthDataWindow(kesto::Reading::ZodiacLoveSign, ZodiacLoveSignLook)
{
    setObjectName(QStringLiteral("frmZodiacLoveSignMain"));
}
