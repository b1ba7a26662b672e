#include "frmLoveAstrologyDisplay.h"

namespace {

// clang-format off
constexpr SunSignResultWindow::Layout LoveLayout = {
    .caption = "Kesto Love Astrology",
    .reading = kesto::Reading::LoveAstrology,
    .clientHeight = 6435,
    .tabHeight = 5055,
    .profileTab = "Love Profile",
    .profileHeadingBox = {2160, 1200, 3600, 270},
    .profileBox =        {233, 1680, 7455, 2100},
    .headingTops = {360, 864, 1368, 1872, 2376, 2880},
    .valueTops =   {360, 900, 1395, 1890, 2385, 2880},
    .noteBox =     {240, 615, 4380, 240},
    .positiveBox = {240,  3600, 3735, 1020}, // side by side
    .negativeBox = {4080, 3600, 3735, 1020},
    .footerTop = 5640,
    .footerHeight = 800,
    .backTop = 240,
    .fullBrandTop = 140,
    .coBrandTop = 135,
    .band =               QColor(0, 64, 0),
    .headingText =        QColor(0, 64, 0),
    .profileHeadingText = QColor(0, 64, 0),
    .valueText =          QColor(64, 0, 0),
    .signText =           QColor(255, 0, 255),
};
// clang-format on

} // namespace

frmLoveAstrologyDisplay::frmLoveAstrologyDisplay()
    : SunSignResultWindow(LoveLayout)
{ }
