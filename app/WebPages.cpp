#include "WebPages.h"

#include "Platform.h"

namespace {

// The maker's web server; site/serve serves the pages on this address.
constexpr char WebHost[] = "localhost:8470";

} // namespace

QString webHost()
{
    return QLatin1String(WebHost);
}

QString pageKey(WebPage page)
{
    switch (page) {
    case WebPage::HomePage:
        return QStringLiteral("home-page");
    case WebPage::HelpWebPage:
        return QStringLiteral("help-web-page");
    case WebPage::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case WebPage::Donate:
        return QStringLiteral("donate");
    case WebPage::FullyBranded:
        return QStringLiteral("fully-branded");
    case WebPage::CoBrand:
        return QStringLiteral("co-brand");
    }
    return {};
}

QUrl webPageAddress(WebPage page)
{
    return QUrl(QStringLiteral("http://") + webHost()
                + QStringLiteral("/kesto-free-astrology-suite/ssd.php?page=") + pageKey(page));
}

void OpenWebPage(WebPage page)
{
    if (WebOpener *web = Platform::current().web)
        web->open(webPageAddress(page));
}
