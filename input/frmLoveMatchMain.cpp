#include "frmLoveMatchMain.h"

namespace {

const BirthDataWindow::WindowLook LoveMatchLook = {
    .caption = QStringLiteral("Kesto Love Match"),
    .clientWidth = 7260,
    .clientHeight = 5820,
    .background = QColor(96, 16, 48),
    .text = Qt::white,
    .nextCaption = QStringLiteral("Get Our Love &Match"),
    .nextMenuName = QStringLiteral("mnuFindLoveMatch"),
    .exitCaption = QStringLiteral("&Exit"),
    .updateKey = WindowMenus::UpdateAccessKey::U,
    .makeMoneyName = QStringLiteral("mnuMakeMoneyOnline"),
    .blurb = QStringLiteral("Kesto Love Match sets your Sun, Venus and Eros beside your "
                            "partner's and reads the aspect between them: how you two get "
                            "along, how you love and what you desire."),
};

} // namespace

frmLoveMatchMain::frmLoveMatchMain()
    : BirthDataWindow(kesto::Reading::LoveMatch, LoveMatchLook)
{
    setObjectName(QStringLiteral("frmLoveMatchMain"));
}
