#include "frmSexualAstrologyMain.h"

namespace {

const BirthDataWindow::WindowLook SexualAstrologyLook = {
    .caption = QStringLiteral("Kesto Sexual Astrology"),
    .clientWidth = 7260,
    .clientHeight = 5040,
    .background = QColor(255, 192, 255),
    .text = Qt::black,
    .nextCaption = QStringLiteral("Find My &Sexual Astrology Sign"),
    .nextMenuName = QStringLiteral("mnuFindSexualitySign"),
    .exitCaption = QStringLiteral("&Exit"),
    .updateKey = WindowMenus::UpdateAccessKey::U,
    .makeMoneyName = QStringLiteral("mnuMakeMoneyOnline"),
    .blurb = QStringLiteral("Kesto Sexual Astrology describes the placement of the asteroid "
                            "Eros in your birth chart. This helps you know more about the "
                            "sexual, passion, love and erotic side of your nature"),
};

} // namespace

frmSexualAstrologyMain::frmSexualAstrologyMain()
    : BirthDataWindow(kesto::Reading::SexualAstrology, SexualAstrologyLook)
{
    setObjectName(QStringLiteral("frmSexualAstrologyMain"));
}
