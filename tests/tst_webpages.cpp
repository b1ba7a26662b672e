#include "FakePlatform.h"
#include "app/WebPages.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

// Which address each web command opens: the maker's server when one is named, else the copy of
// the pages installed with the program; never anything for a page outside the six.
class tst_WebPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namedServer_data();
    void namedServer();
    void installedPages_data();
    void installedPages();
    void unusableServer_data();
    void unusableServer();
    void unknownPageOpensNothing();

private:
    FakePlatform *m_platform = nullptr;
};

void tst_WebPages::init()
{
    qunsetenv(WebHostVariable);
    m_platform = new FakePlatform;
}

void tst_WebPages::cleanup()
{
    delete m_platform;
    qunsetenv(WebHostVariable);
}

void tst_WebPages::namedServer_data()
{
    QTest::addColumn<QString>("environment"); // "-": not set
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("host");
    QTest::newRow("environment") << "example.org"
                                 << ""
                                 << "example.org";
    QTest::newRow("environment with port") << "localhost:8470"
                                           << ""
                                           << "localhost:8470";
    QTest::newRow("environment over setting") << "a.example"
                                              << "b.example"
                                              << "a.example";
    QTest::newRow("setting") << "-"
                             << "pages.example.org:8080"
                             << "pages.example.org:8080";
    QTest::newRow("setting, IPv4") << "-"
                                   << "127.0.0.1:9000"
                                   << "127.0.0.1:9000";
    QTest::newRow("setting, IPv6") << "-"
                                   << "[::1]:8470"
                                   << "[::1]:8470";
    QTest::newRow("blanks around") << " example.org "
                                   << ""
                                   << "example.org";
}

void tst_WebPages::namedServer()
{
    QFETCH(QString, environment);
    QFETCH(QString, setting);
    QFETCH(QString, host);
    if (environment != QLatin1String("-"))
        qputenv(WebHostVariable, environment.toUtf8());
    m_platform->settings[QLatin1String(WebHostSetting)] = setting;

    QCOMPARE(webHost(), host);
    for (const WebPage page : AllWebPages) {
        const QString expected =
            QStringLiteral("http://%1/kesto-free-astrology-suite/ssd.php?page=%2")
                .arg(host, pageKey(page));
        QCOMPARE(webPageAddress(page).toString(), expected);
        m_platform->clear();
        OpenWebPage(page);
        QCOMPARE(m_platform->opened, QList<QUrl> {QUrl(expected)});
    }
}

void tst_WebPages::installedPages_data()
{
    QTest::addColumn<WebPage>("page");
    QTest::addColumn<QString>("key");
    QTest::newRow("home") << WebPage::HomePage << "home-page";
    QTest::newRow("help") << WebPage::HelpWebPage << "help-web-page";
    QTest::newRow("download") << WebPage::DownloadWebPage << "download-web-page";
    QTest::newRow("donate") << WebPage::Donate << "donate";
    QTest::newRow("fully branded") << WebPage::FullyBranded << "fully-branded";
    QTest::newRow("co-brand") << WebPage::CoBrand << "co-brand";
}

void tst_WebPages::installedPages()
{
    QFETCH(WebPage, page);
    QFETCH(QString, key);
    QCOMPARE(pageKey(page), key);
    QCOMPARE(webHost(), QString());

    const QUrl address = webPageAddress(page);
    QVERIFY(address.isLocalFile());
    QCOMPARE(address.toLocalFile(), installedSiteFolder() + QLatin1Char('/') + key + ".html");
    // The build folder holds the pages where an installation does: beside the program's folder.
    QCOMPARE(QFileInfo(installedSiteFolder()).dir().path(),
             QFileInfo(QCoreApplication::applicationDirPath()).dir().path()
                 + QStringLiteral("/share/kesto-astrology"));

    // It is the page itself (its navigation marks it as the current one), and its links lead to
    // the neighbouring files, not to a server.
    QFile file(address.toLocalFile());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray html = file.readAll();
    QVERIFY(html.contains("href=\"" + key.toUtf8() + ".html\" aria-current=\"page\""));
    QVERIFY(html.contains("href=\"style.css\""));
    QVERIFY(!html.contains("/kesto-free-astrology-suite/"));

    m_platform->clear();
    OpenWebPage(page);
    QCOMPARE(m_platform->opened, QList<QUrl> {address});
}

void tst_WebPages::unusableServer_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("blank inside") << "exa mple.org";
    QTest::newRow("slash") << "example.org/evil";
    QTest::newRow("scheme") << "http://example.org";
    QTest::newRow("user name") << "user@example.org";
    QTest::newRow("query") << "example.org?page=donate";
    QTest::newRow("fragment") << "example.org#top";
    QTest::newRow("control character") << QStringLiteral("exam\x01ple.org");
    QTest::newRow("line break inside") << "example.org\nevil.org";
    QTest::newRow("backslash") << "example.org\\evil";
    QTest::newRow("port 0") << "example.org:0";
    QTest::newRow("port too high") << "example.org:65536";
    QTest::newRow("empty port") << "example.org:";
    QTest::newRow("label starting with hyphen") << "-example.org";
    QTest::newRow("empty label") << "example..org";
    QTest::newRow("unclosed IPv6") << "[::1:8470";
    QTest::newRow("not an IPv6 address") << "[::g]";
    QTest::newRow("non-ASCII") << QStringLiteral("\u00e9xample.org");
    QTest::newRow("too long") << QString(300, QLatin1Char('a'));
}

void tst_WebPages::unusableServer()
{
    QFETCH(QString, host);
    QVERIFY(!isUsableWebHost(host));
    const QUrl installed = QUrl::fromLocalFile(installedSiteFolder() + "/donate.html");

    // From the environment, which then also hides a usable setting ...
    qputenv(WebHostVariable, host.toUtf8());
    m_platform->settings[QLatin1String(WebHostSetting)] = QStringLiteral("example.org");
    QCOMPARE(webHost(), QString());
    QCOMPARE(webPageAddress(WebPage::Donate), installed);

    // ... and from the settings.
    qunsetenv(WebHostVariable);
    m_platform->settings[QLatin1String(WebHostSetting)] = host;
    QCOMPARE(webHost(), QString());
    OpenWebPage(WebPage::Donate);
    QCOMPARE(m_platform->opened, QList<QUrl> {installed});
}

void tst_WebPages::unknownPageOpensNothing()
{
    const auto unknown = static_cast<WebPage>(int(WebPage::CoBrand) + 1);
    QCOMPARE(pageKey(unknown), QString());
    QVERIFY(webPageAddress(unknown).isEmpty());
    OpenWebPage(unknown);
    qputenv(WebHostVariable, "example.org");
    OpenWebPage(unknown);
    QVERIFY(m_platform->opened.isEmpty());
}

QTEST_GUILESS_MAIN(tst_WebPages)
#include "tst_webpages.moc"
