#include "frmRomanceAstrologyMain.h"

namespace {

const BirthDataWindow::WindowLook RomanceAstrologyLook = {
    .caption = QStringLiteral("Kesto Romance Astrology"),
    .clientWidth = 7455,
    .clientHeight = 4290,
    .background = QColor(90, 35, 220),
    .text = Qt::white,
    .nextCaption = QStringLiteral("Get My Romance Astrology Reading"),
    .nextMenuName = QStringLiteral("mnuNext"),
    .exitCaption = QStringLiteral("E&xit"),
    .updateKey = WindowMenus::UpdateAccessKey::C,
    .makeMoneyName = QStringLiteral("mnumakemoney"),
    .blurb = QStringLiteral("Love! Romance! Learn more about your Romantic Profile. "
                            "Understand your partner better! Enter your Date of Birth "
                            "and Know More!"),
};

} // namespace

frmRomanceAstrologyMain::frmRomanceAstrologyMain()
    : BirthDataWindow(kesto::Reading::RomanceAstrology, RomanceAstrologyLook)
{
    setObjectName(QStringLiteral("frmRomanceAstrologyMain"));
}

QPixmap frmRomanceAstrologyMain::signPicture(kesto::ZodiacSign sign) const
{
    return IMGSunsignList.picture(kesto::ordinal(sign));
}
