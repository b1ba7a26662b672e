#include "frmLoveAstrologyMain.h"

#include "readings/love/LoveProfile.h"
#include "readings/love/frmLoveAstrologyDisplay.h"

frmLoveAstrologyMain::frmLoveAstrologyMain(frmMDI *mdi)
    : BirthDataWindow(mdi, kesto::Reading::LoveAstrology,
                      {QStringLiteral("Kesto Love Astrology"), 7455, 4215, QColor(28, 28, 28),
                       Qt::white, QStringLiteral("Get My Love Astrology Reading"),
                       QStringLiteral("mnuNext"), QStringLiteral("E&xit"),
                       WindowMenus::UpdateAccessKey::C, QStringLiteral("mnumakemoney"),
                       QStringLiteral("Love! Romance! Learn more about your Love Profile or your "
                                      "partner's likes and dislikes with this software.")})
{
    setObjectName(QStringLiteral("frmLoveAstrologyMain"));
}

void frmLoveAstrologyMain::runReading()
{
    runSunSignReading(mdi(), this, IMGSunsignList, frmLoveAstrologyDisplay::Id,
                      [](kesto::ZodiacSign sign) {
                          return QString::fromStdString(kesto::LoveProfileText(sign));
                      });
}
