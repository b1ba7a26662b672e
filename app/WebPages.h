#pragma once

#include <QUrl>

// The maker's web pages, one address per page key.
enum class WebPage { HomePage, HelpWebPage, DownloadWebPage, Donate, FullyBranded, CoBrand };

// The maker's web server, as host and port.
QString webHost();

// "home-page", "help-web-page", ...
QString pageKey(WebPage page);

// http://HOST/kesto-free-astrology-suite/ssd.php?page=KEY
QUrl webPageAddress(WebPage page);

// Opens the page in the default browser; a failure goes unreported.
void OpenWebPage(WebPage page);
