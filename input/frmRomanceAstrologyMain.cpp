#include "frmRomanceAstrologyMain.h"

#include "assets/texts/ReadingTexts.h"
#include "readings/romance/frmRomanceAstrologyDisplay.h"

frmRomanceAstrologyMain::frmRomanceAstrologyMain(frmMDI *mdi)
    : BirthDataWindow(mdi, kesto::Reading::RomanceAstrology,
                      {QStringLiteral("Kesto Romance Astrology"), 7455, 4290, QColor(90, 35, 220),
                       Qt::white, QStringLiteral("Get My Romance Astrology Reading"),
                       QStringLiteral("mnuNext"), QStringLiteral("E&xit"),
                       WindowMenus::UpdateAccessKey::C, QStringLiteral("mnumakemoney"),
                       QStringLiteral("Love! Romance! Learn more about your Romantic Profile. "
                                      "Understand your partner better! Enter your Date of Birth "
                                      "and Know More!")})
{
    setObjectName(QStringLiteral("frmRomanceAstrologyMain"));
}

void frmRomanceAstrologyMain::runReading()
{
    runSunSignReading(mdi(), this, IMGSunsignList, frmRomanceAstrologyDisplay::Id,
                      [](kesto::ZodiacSign sign) {
                          const std::string_view text = kesto::RomanceProfileText(sign);
                          return QString::fromLatin1(text.data(), qsizetype(text.size()));
                      });
}
