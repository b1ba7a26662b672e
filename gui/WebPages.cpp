#include "WebPages.h"

#include "Platform.h"
#include "Settings.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>

#ifndef KESTO_SITE_FROM_BINDIR
#    define KESTO_SITE_FROM_BINDIR "../share/kesto-astrology/site"
#endif

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

bool isUsableWebHost(const QString &host)
{
    // A DNS name of letter-digit-hyphen labels, or a bracketed IPv6 address, then ":port".
    static const QRegularExpression form(QStringLiteral(
        R"(^(?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?(?:\.[A-Za-z0-9](?:[A-Za-z0-9-]{0,61})"
        R"([A-Za-z0-9])?)*|\[[0-9A-Fa-f:.]+\])(?::([0-9]{1,5}))?$)"));
    if (host.size() > 260)
        return false;
    const QRegularExpressionMatch match = form.match(host);
    if (!match.hasMatch())
        return false;
    const QString port = match.captured(1);
    if (!port.isEmpty() && (port.toInt() < 1 || port.toInt() > 65535))
        return false;
    // Qt's own parser has the last word on what an address is, IPv6 forms included.
    const QUrl probe(QStringLiteral("http://") + host + QLatin1Char('/'), QUrl::StrictMode);
    return probe.isValid() && !probe.host().isEmpty();
}

QString webHost()
{
    const QString host = qEnvironmentVariableIsSet(WebHostVariable)
        ? qEnvironmentVariable(WebHostVariable).trimmed()
        : Settings::webHost();
    return isUsableWebHost(host) ? host : QString();
}

QString installedSiteFolder()
{
    // The pages lie beside the program's own folder, the same way in every installation prefix
    // and in the build folder.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QLatin1String(KESTO_SITE_FROM_BINDIR));
}

QUrl webPageAddress(WebPage page, const QUrlQuery &details)
{
    const QString key = pageKey(page);
    if (key.isEmpty())
        return {};
    const QString host = webHost();
    if (host.isEmpty()) {
        return QUrl::fromLocalFile(installedSiteFolder() + QLatin1Char('/') + key
                                   + QStringLiteral(".html"));
    }
    QUrl address(QStringLiteral("http://") + host
                 + QStringLiteral("/kesto-free-astrology-suite/ssd.php?page=") + key);
    if (!details.isEmpty()) {
        QUrlQuery query(address);
        for (const auto &[name, value] : details.queryItems(QUrl::FullyEncoded))
            query.addQueryItem(name, value);
        address.setQuery(query);
    }
    return address;
}

QString webSiteName()
{
    const QString host = webHost();
    if (host.isEmpty())
        return QStringLiteral("the Kesto Astrology web site");
    return QStringLiteral("http://") + host + QStringLiteral("/kesto-free-astrology-suite/");
}

QString unopenedPageMessage(const QUrl &address)
{
    return QStringLiteral("The web page could not be opened: no web browser was found to show "
                          "it.\nTo see the page, open this address in a web browser:\n")
        + address.toString();
}

void OpenWebPage(WebPage page, const QUrlQuery &details)
{
    const QUrl address = webPageAddress(page, details);
    if (address.isEmpty())
        return;
    Platform::current().web->open(address, [address] {
        Platform::current().prompter->information(QApplication::activeWindow(),
                                                  unopenedPageMessage(address));
    });
}
