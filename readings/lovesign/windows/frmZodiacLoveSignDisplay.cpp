#include "frmZodiacLoveSignDisplay.h"

namespace {

constexpr QColor Cyan(0, 255, 255);
constexpr QColor DarkTeal(0, 64, 64);
constexpr QColor White(255, 255, 255);

// clang-format off
constexpr TableSignResultWindow::Layout ZodiacLayout = {
    .reading = kesto::Reading::ZodiacLoveSign,
    .caption = "Kesto Zodiac Love Sign",
    .clientWidth = 7260, .clientHeight = 5295,
    .background = DarkTeal,
    .bannerStrip = {0, 0, 7215, 615},
    .offerStrip = {0, 4440, 7215, 855},
    .coBrandSpacing = Banners::CoBrandSpacing::Joined,
    .frameName = "fraLoveSign", .frameCaption = "Zodiac Love Sign",
    .frame = {0, 600, 7215, 3255},
    .frameBackground = DarkTeal, .frameText = Cyan, .frameFontSize = 9, .frameFontBold = true,
    .intro =    {"Label6", {1785, 480, 3750, 210}, Cyan},
    .placedIn = {"Label7", {2048, 960, 3165, 210}, Cyan},
    .signName = {"lblLoveSign", {3053, 1320, 1155, 210}, White},
    .description = {"lblSignDesc", {120, 1800, 6975, 1215}, White},
    .note = {"lblSignNote", {120, 1545, 6975, 240}, Cyan},
    .noteAlignment = Qt::AlignHCenter | Qt::AlignTop, // under the sign
    .back = {0, 3960, 5895, 465},
    .exit = {6000, 3960, 1215, 465},
    .boldButtons = true,
};
// clang-format on

} // namespace

frmZodiacLoveSignDisplay::frmZodiacLoveSignDisplay()
    : TableSignResultWindow(ZodiacLayout)
{
    // What a fresh window shows until a reading names a sign.
    showDescription(kesto::ZodiacSign::Cancer);
}
