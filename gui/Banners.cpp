#include "Banners.h"

#include "ClickableLabel.h"
#include "Look.h"
#include "WebPages.h"

namespace Banners {

namespace {

ClickableLabel *pageLabel(QWidget *parent, const QString &name, const QString &text, WebPage page)
{
    auto *label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setFont(Look::verdana(8.25));
    QObject::connect(label, &ClickableLabel::clicked, label, [page] { OpenWebPage(page); });
    return label;
}

} // namespace

ClickableLabel *forumBanner(QWidget *parent)
{
    auto *label = pageLabel(
        parent, QStringLiteral("Label61"),
        QStringLiteral("Talk love and the stars with friends at the Kesto Astrology Forum. Click "
                       "here to visit the forum's web site!"),
        WebPage::HomePage);
    label->setFont(Look::verdana(8.25, true));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

ClickableLabel *fullBrandLabel(QWidget *parent)
{
    return pageLabel(parent, QStringLiteral("lblFullBrand"),
                     QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                    "and make money online. Get this software fully branded for "
                                    "your website. Click here for more details."),
                     WebPage::FullyBranded);
}

ClickableLabel *coBrandLabel(QWidget *parent, CoBrandSpacing spacing)
{
    // The caption's doubled ampersand of old shows as one.
    const QString gap = spacing == CoBrandSpacing::Spaced ? QStringLiteral("    ") : QString();
    return pageLabel(parent, QStringLiteral("lblCobrand"),
                     QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                    "traffic to your site. Put your site's name &  link here. "
                                    "See \"Help\" for details.")
                         + gap + QStringLiteral("Click Here for more info on co-branding."),
                     WebPage::CoBrand);
}

} // namespace Banners
