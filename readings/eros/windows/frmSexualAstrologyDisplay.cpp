#include "frmSexualAstrologyDisplay.h"

namespace {

constexpr QColor DarkGrey(64, 64, 64);
constexpr QColor Silver(192, 192, 192);
constexpr QColor LightGrey(224, 224, 224);

// clang-format off
constexpr TableSignResultWindow::Layout SexualLayout = {
    .reading = kesto::Reading::SexualAstrology,
    .caption = "Kesto Sexual Astrology",
    .clientWidth = 8415, .clientHeight = 6135,
    .background = DarkGrey,
    .bannerStrip = {0, 0, 8415, 615},
    .offerStrip = {0, 5160, 8415, 975},
    .coBrandSpacing = Banners::CoBrandSpacing::Spaced,
    .frameName = "fraSexualitySign", .frameCaption = "Sexual Astrology Sign",
    .frame = {0, 600, 8415, 3975},
    .frameBackground = DarkGrey, .frameText = Silver, .frameFontSize = 8.25, .frameFontBold = false,
    .intro =    {"Label2", {2182, 360, 4050, 210}, LightGrey},
    .placedIn = {"Label12", {2722, 720, 2970, 210}, Silver},
    .signName = {"lblSexualitySign", {3397, 1080, 1620, 210}, LightGrey},
    .description = {"lblSignDesc", {180, 1440, 8055, 2415}, Silver},
    .note = {"lblSignNote", {5100, 1000, 3200, 420}, LightGrey},
    .noteAlignment = Qt::AlignLeft | Qt::AlignTop, // beside the sign: no room under it
    .back = {0, 4680, 7095, 465},
    .exit = {7200, 4680, 1215, 465},
    .boldButtons = false,
};
// clang-format on

} // namespace

frmSexualAstrologyDisplay::frmSexualAstrologyDisplay()
    : TableSignResultWindow(SexualLayout)
{ }
