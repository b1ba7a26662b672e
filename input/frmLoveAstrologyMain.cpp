#include "frmLoveAstrologyMain.h"

namespace {

const BirthDataWindow::WindowLook LoveAstrologyLook = {
    .caption = QStringLiteral("Kesto Love Astrology"),
    .clientWidth = 7455,
    .clientHeight = 4215,
    .background = QColor(28, 28, 28),
    .text = Qt::white,
    .nextCaption = QStringLiteral("Get My Love Astrology Reading"),
    .nextMenuName = QStringLiteral("mnuNext"),
    .exitCaption = QStringLiteral("E&xit"),
    .updateKey = WindowMenus::UpdateAccessKey::C,
    .makeMoneyName = QStringLiteral("mnumakemoney"),
    .blurb = QStringLiteral("Love! Romance! Learn more about your Love Profile or your "
                            "partner's likes and dislikes with this software."),
};

} // namespace

frmLoveAstrologyMain::frmLoveAstrologyMain()
    : BirthDataWindow(kesto::Reading::LoveAstrology, LoveAstrologyLook)
{
    setObjectName(QStringLiteral("frmLoveAstrologyMain"));
}

QPixmap frmLoveAstrologyMain::signPicture(kesto::ZodiacSign sign) const
{
    return IMGSunsignList.picture(kesto::ordinal(sign));
}
