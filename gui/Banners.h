#pragma once

class ClickableLabel;
class QWidget;

// The clickable advertisements every reading window carries, each opening its web page.
namespace Banners {

// `Label61`: the forum banner, opens the home page.
ClickableLabel *forumBanner(QWidget *parent);

// `lblFullBrand`: the home-business offer, opens the fully-branded page.
ClickableLabel *fullBrandLabel(QWidget *parent);

// `lblCobrand`: the co-branding offer, opens the co-brand page. The Zodiac Love Sign windows
// run "details." and "Click" together.
enum class CoBrandSpacing { Spaced, Joined };
ClickableLabel *coBrandLabel(QWidget *parent, CoBrandSpacing spacing = CoBrandSpacing::Spaced);

} // namespace Banners
