#pragma once

#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <array>

// The maker's web pages, one address per page key.
enum class WebPage { HomePage, HelpWebPage, DownloadWebPage, Donate, FullyBranded, CoBrand };

inline constexpr std::array<WebPage, 6> AllWebPages {
    WebPage::HomePage, WebPage::HelpWebPage,  WebPage::DownloadWebPage,
    WebPage::Donate,   WebPage::FullyBranded, WebPage::CoBrand,
};

// The environment variable that names the maker's web server, before the WebHost setting.
inline constexpr char WebHostVariable[] = "KESTO_WEB_HOST";

// "home-page", "help-web-page", ...; empty for a value outside the six pages.
QString pageKey(WebPage page);

// True for a bare server name: a host name, an IPv4 address or a bracketed IPv6 address, with an
// optional port 1 to 65535. Anything else (blanks, slashes, a scheme, user names, control
// characters, an empty text) would make a different address than the pages' own.
bool isUsableWebHost(const QString &host);

// The configured web server: the environment variable if set, else the setting; empty when that
// value is missing or not usable, and the installed pages are opened instead.
QString webHost();

// The folder holding the copy of the web pages installed with the program.
QString installedSiteFolder();

// With a web server configured, http://HOST/kesto-free-astrology-suite/ssd.php?page=KEY;
// without one, the installed copy of the page as a file: URL. Empty for an unknown page.
// `details` follow the page key in the query (for the donate page, the amount chosen); the
// installed copy, the same page for every detail, leaves them out, as some openers take a
// file: URL's query for part of the file name.
QUrl webPageAddress(WebPage page, const QUrlQuery &details = {});

// How the About window names the maker's web site: its address on the configured server, or
// "the Kesto Astrology web site" for the installed pages, whose file: address means nothing
// to a reader.
QString webSiteName();

// The message shown when the desktop could not open `address` in a browser.
QString unopenedPageMessage(const QUrl &address);

// Opens the page in the default browser, and tells the user, with the address, when the
// desktop has no browser to show it in.
void OpenWebPage(WebPage page, const QUrlQuery &details = {});
