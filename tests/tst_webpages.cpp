#include "FakePlatform.h"
#include "gui/SettingKey.h"
#include "gui/WebPages.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

// Which address each web command opens: the maker's server when one is named, else the copy of
// the pages installed with the program; never anything for a page outside the six. A page the
// desktop cannot show is reported with its address.
class tst_WebPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void server_data();
    void server();
    void installedPages();
    void unknownPageOpensNothing();
    void pageWithoutBrowser_data();
    void pageWithoutBrowser();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

namespace {

// The six pages with their keys, fixed by the maker's site.
const std::pair<WebPage, QString> Pages[] = {{WebPage::HomePage, "home-page"},
                                             {WebPage::HelpWebPage, "help-web-page"},
                                             {WebPage::DownloadWebPage, "download-web-page"},
                                             {WebPage::Donate, "donate"},
                                             {WebPage::FullyBranded, "fully-branded"},
                                             {WebPage::CoBrand, "co-brand"}};

QString installedPage(const QString &key)
{
    return installedSiteFolder() + QLatin1Char('/') + key + QStringLiteral(".html");
}

} // namespace

void tst_WebPages::init()
{
    qunsetenv(WebHostVariable);
    m_platform = std::make_unique<FakePlatform>();
}

void tst_WebPages::cleanup()
{
    m_platform.reset();
    qunsetenv(WebHostVariable);
}

void tst_WebPages::server_data()
{
    QTest::addColumn<QString>("environment"); // "-": not set
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("host"); // empty: the installed pages open
    const auto row = [](const char *tag, const QString &environment, const QString &setting,
                        const QString &host) {
        QTest::newRow(tag) << environment << setting << host;
    };
    row("environment", "example.org", "", "example.org");
    row("environment with port", "localhost:8470", "", "localhost:8470");
    row("environment over setting", "a.example", "b.example", "a.example");
    row("setting", "-", "pages.example.org:8080", "pages.example.org:8080");
    row("setting, IPv4", "-", "127.0.0.1:9000", "127.0.0.1:9000");
    row("setting, IPv6", "-", "[::1]:8470", "[::1]:8470");
    row("blanks around", " example.org ", "", "example.org");
    row("none", "-", "", "");
    // An unusable value opens the installed pages; in the environment it also hides a usable
    // setting.
    const auto unusable = [&row](const char *what, const QString &host) {
        row(qPrintable(QStringLiteral("environment, ") + what), host, "example.org", "");
        row(qPrintable(QStringLiteral("setting, ") + what), "-", host, "");
    };
    unusable("empty", "");
    unusable("blanks only", "   ");
    unusable("blank inside", "exa mple.org");
    unusable("slash", "example.org/evil");
    unusable("scheme", "http://example.org");
    unusable("user name", "user@example.org");
    unusable("query", "example.org?page=donate");
    unusable("fragment", "example.org#top");
    unusable("control character", "exam\x01ple.org");
    unusable("line break inside", "example.org\nevil.org");
    unusable("backslash", "example.org\\evil");
    unusable("port 0", "example.org:0");
    unusable("port too high", "example.org:65536");
    unusable("empty port", "example.org:");
    unusable("label starting with hyphen", "-example.org");
    unusable("empty label", "example..org");
    unusable("unclosed IPv6", "[::1:8470");
    unusable("not an IPv6 address", "[::g]");
    unusable("non-ASCII", QStringLiteral("\u00e9xample.org"));
    unusable("too long", QString(300, QLatin1Char('a')));
}

void tst_WebPages::server()
{
    QFETCH(QString, environment);
    QFETCH(QString, setting);
    QFETCH(QString, host);
    if (environment != QLatin1String("-"))
        qputenv(WebHostVariable, environment.toUtf8());
    m_platform->settings[settingName(SettingKey::WebHost)] = setting;

    QList<QUrl> expected;
    for (const auto &[page, key] : Pages) {
        OpenWebPage(page);
        expected << (host.isEmpty() ? QUrl::fromLocalFile(installedPage(key))
                                    : QUrl("http://" + host
                                           + "/kesto-free-astrology-suite/ssd.php?page=" + key));
    }
    // The amount chosen for a donation goes to the server; the installed page is one for all.
    OpenWebPage(WebPage::Donate, QUrlQuery(QStringLiteral("amount=25")));
    expected << (host.isEmpty()
                     ? QUrl::fromLocalFile(installedPage("donate"))
                     : QUrl("http://" + host
                            + "/kesto-free-astrology-suite/ssd.php?page=donate&amount=25"));
    QCOMPARE(m_platform->opened, expected);
    QCOMPARE(webSiteName(),
             host.isEmpty() ? QStringLiteral("the Kesto Astrology web site")
                            : "http://" + host + "/kesto-free-astrology-suite/");
}

// Each installed page is the page itself (its navigation marks it as the current one), and its
// links lead to the neighbouring files, not to a server.
void tst_WebPages::installedPages()
{
    // The build folder holds the pages where an installation does: beside the program's folder.
    QCOMPARE(QFileInfo(installedSiteFolder()).dir().path(),
             QFileInfo(QCoreApplication::applicationDirPath()).dir().path()
                 + QStringLiteral("/share/kesto-astrology"));
    for (const auto &[page, key] : Pages) {
        QFile file(installedPage(key));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray html = file.readAll();
        QVERIFY2(html.contains("href=\"" + key.toUtf8() + ".html\" aria-current=\"page\""),
                 qPrintable(key));
        QVERIFY(html.contains("href=\"style.css\""));
        QVERIFY(!html.contains("/kesto-free-astrology-suite/"));
    }
}

void tst_WebPages::unknownPageOpensNothing()
{
    const auto unknown = static_cast<WebPage>(int(WebPage::CoBrand) + 1);
    OpenWebPage(unknown);
    qputenv(WebHostVariable, "example.org");
    OpenWebPage(unknown);
    QVERIFY(m_platform->opened.isEmpty());
}

void tst_WebPages::pageWithoutBrowser_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("browserWorks");
    QTest::newRow("installed pages, no browser") << "" << false;
    QTest::newRow("server, no browser") << "example.org:8470" << false;
    QTest::newRow("installed pages, a browser") << "" << true;
}

void tst_WebPages::pageWithoutBrowser()
{
    QFETCH(QString, host);
    QFETCH(bool, browserWorks);
    m_platform->settings[settingName(SettingKey::WebHost)] = host;
    m_platform->browserWorks = browserWorks;
    for (const auto &[page, key] : Pages)
        OpenWebPage(page);
    QCOMPARE(m_platform->opened.size(), qsizetype(std::size(Pages)));
    if (browserWorks) {
        QVERIFY(m_platform->messages.isEmpty());
        return;
    }
    // One message for each page, naming the address to open by hand.
    QCOMPARE(m_platform->messages.size(), qsizetype(std::size(Pages)));
    for (qsizetype i = 0; i < m_platform->messages.size(); ++i) {
        const QString message = m_platform->messages.at(i);
        QVERIFY2(message.contains(QLatin1String("could not be opened")), qPrintable(message));
        QVERIFY2(message.contains(m_platform->opened.at(i).toString()), qPrintable(message));
    }
}

QTEST_GUILESS_MAIN(tst_WebPages)
#include "tst_webpages.moc"
