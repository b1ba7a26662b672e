#include "frmLoveAstrologyMain.h"

frmLoveAstrologyMain::frmLoveAstrologyMain(frmMDI *mdi)
    : BirthDataWindow(mdi, kesto::Reading::LoveAstrology,
                      {QStringLiteral("Kesto Love Astrology"), 7455, 4215, QColor(28, 28, 28), Qt::white,
                       QStringLiteral("Get My Love Astrology Reading"), QStringLiteral("mnuNext"),
                       QStringLiteral("E&xit"), WindowMenus::UpdateAccessKey::C,
                       QStringLiteral("mnumakemoney"),
                       QStringLiteral("Love! Romance! Learn more about your Love Profile or your partner's likes and "
                       "dislikes with this software.")})
{
    setObjectName(QStringLiteral("frmLoveAstrologyMain"));
}

void frmLoveAstrologyMain::runReading()
{
}
