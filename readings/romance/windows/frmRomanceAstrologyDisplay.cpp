#include "frmRomanceAstrologyDisplay.h"

namespace {

// clang-format off
constexpr SunSignResultWindow::Layout RomanceLayout = {
    .caption = "Kesto Romance Astrology",
    .reading = kesto::Reading::RomanceAstrology,
    .clientHeight = 7215,
    .tabHeight = 5775,
    .profileTab = " Romance Profile",
    .profileHeadingBox = {1890, 1560, 4140, 270},
    .profileBox =        {240, 2040, 7455, 2265},
    .headingTops = {360, 800, 1240, 1680, 2120, 2560},
    .valueTops =   {360, 800, 1240, 1680, 2120, 2560},
    .noteBox =     {240, 600, 4380, 195},
    .positiveBox = {240, 3240, 7455, 900}, // one above the other, full width
    .negativeBox = {240, 4440, 7455, 855},
    .footerTop = 6360,
    .footerHeight = 855,
    .backTop = 280,
    .fullBrandTop = 160,
    .coBrandTop = 165,
    .band =               QColor(90, 35, 220),
    .headingText =        QColor(64, 0, 64),
    .profileHeadingText = QColor(128, 0, 128),
    .valueText =          QColor(90, 35, 220),
    .signText =           QColor(192, 0, 0),
};
// clang-format on

} // namespace

frmRomanceAstrologyDisplay::frmRomanceAstrologyDisplay()
    : SunSignResultWindow(RomanceLayout)
{ }
