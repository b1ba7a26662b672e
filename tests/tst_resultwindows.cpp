#include "GuiTestSupport.h"
#include "SunSignCards.h"

#include "cli/ReadingCommand.h"
#include "zodiac/SignAttributes.h"
#include "zodiac/SunSign.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <sstream>
#include <string>
#include <vector>

using namespace GuiTest;

namespace {

QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// kesto-reading's JSON object for the words after the program name.
QJsonObject readingJson(const QStringList &args)
{
    std::vector<std::string> words;
    for (const QString &arg : args)
        words.push_back(arg.toStdString());
    const std::vector<std::string_view> views(words.begin(), words.end());
    std::ostringstream out;
    std::ostringstream err;
    if (kesto::runReadingCommand(views, out, err) != kesto::ExitSuccess)
        qWarning("kesto-reading %s: %s", qPrintable(args.join(' ')), err.str().c_str());
    return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
}

// The signs a text names, each once, in the order of the zodiac.
QStringList signsNamed(const QString &text)
{
    QStringList named;
    for (const SunSignCards::Card &card : SunSignCards::Cards) {
        const QString sign = QString::fromLatin1(card.sign);
        if (text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(sign))))
            named << sign;
    }
    return named;
}

// The sign's name and its five values as the result window's first tab shows them.
QStringList shownCard(QWidget *result)
{
    QStringList card;
    for (const char *name : {"lblSunSign", "lblSunSignElement", "lblSunSignBirthStone",
                             "lblSunSignNumber", "lblSunSignDay", "lblSunSignCompatibility"})
        card << labelText(result, name);
    return card;
}

// The bar the main window shows, one line per entry: a menu's caption, then its entries as
// "name: caption" ("-" for a separator); a command of the bar itself as "name: caption".
QStringList shownMenuBar(frmMDI &mdi)
{
    QStringList lines;
    for (QAction *top : mdi.menuBar()->actions()) {
        QMenu *menu = top->menu();
        if (!menu) {
            lines << top->objectName() + QStringLiteral(": ") + top->text();
            continue;
        }
        lines << menu->title();
        for (QAction *entry : menu->actions()) {
            lines << (entry->isSeparator()
                          ? QStringLiteral("-")
                          : entry->objectName() + QStringLiteral(": ") + entry->text());
        }
    }
    return lines;
}

// Numbered as the readings' buttons on the main window's strip.
enum Reading { Love = 0, Romance = 1, Sexual = 2, Zodiac = 3 };

} // namespace

// What the result windows must show, written out as literals: each sun sign's card, the same
// in the core, in kesto-reading and on both sun-sign result windows; and every reading window's
// menu bar.
class tst_ResultWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signCard_data();
    void signCard();
    void menuBar_data();
    void menuBar();

private:
    Desktop m_desk;
};

void tst_ResultWindows::init()
{
    QVERIFY(m_desk.open());
}

void tst_ResultWindows::cleanup()
{
    QCOMPARE(m_desk.close(), 0);
}

void tst_ResultWindows::signCard_data()
{
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QStringList>("card"); // sign, element, birthstone, number, day, compatibility
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    int ordinal = 0;
    for (const SunSignCards::Card &card : SunSignCards::Cards) {
        QTest::newRow(card.sign) << ++ordinal << SunSignCards::values(card) << card.day
                                 << card.month;
    }
}

void tst_ResultWindows::signCard()
{
    QFETCH(int, ordinal);
    QFETCH(QStringList, card);
    QFETCH(int, day);
    QFETCH(int, month);
    const QString sign = card.first();

    // The core.
    const std::optional<kesto::ZodiacSign> found = kesto::SunSignFromDate(day, month);
    QVERIFY(found);
    QCOMPARE(kesto::ordinal(*found), ordinal);
    const kesto::SignAttributeRow &row = kesto::SignAttributes(*found);
    QCOMPARE((QStringList {fromView(kesto::displayName(*found)), fromView(row.element),
                           fromView(row.birthstone), fromView(row.luckyNumber),
                           fromView(row.luckyDay), fromView(row.compatibility)}),
             card);

    // kesto-reading, both readings; each profile names its own sign and no other.
    const QStringList keys = {"sign",        "element",  "birthstone",
                              "luckyNumber", "luckyDay", "compatibility"};
    for (const char *reading : {"love", "romance"}) {
        const QJsonObject json =
            readingJson({reading, "1990", QString::number(month), QString::number(day), "--json"});
        QStringList values;
        for (const QString &key : keys)
            values << json.value(key).toString();
        QCOMPARE(values, card);
        QCOMPARE(json.value("picture").toString(), sign.toLower() + QStringLiteral(".jpg"));
        QCOMPARE(signsNamed(json.value("profile").toString()), QStringList {sign});
    }

    // Both result windows, driven from the main window.
    for (Reading reading : {Love, Romance}) {
        ReadingWindow *result = readFor(m_desk.mdi(), reading, "MARY JONES", day, month);
        QVERIFY(result);
        QCOMPARE(shownCard(result), card);
        auto *profile = child<QPlainTextEdit>(result, QStringLiteral("txtLoveProfile"));
        QVERIFY(profile);
        QCOMPARE(signsNamed(profile->toPlainText()), QStringList {sign});
    }
}

void tst_ResultWindows::menuBar_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("result"); // the result window, else the input window
    QTest::addColumn<QStringList>("bar");

    const auto bar = [](const QStringList &file, const char *update, const char *makeMoney) {
        return QStringList {"&File"} + file
            + QStringList {"&Help",
                           "mnuOnline: &Online Help",
                           "mnuVisit: &Visit Us Online",
                           "-",
                           QStringLiteral("mnuUpdate: ") + update,
                           "-",
                           "mnuAbout: &About Software",
                           "mnuDonate: &Donate",
                           QString::fromLatin1(makeMoney) + ": Make Money &Online"};
    };
    const char *updateU = "Check for Software &Update";
    const char *updateC = "&Check for Software Update";

    // The sun-sign result windows' Back has no access key; the other two's has.
    QTest::newRow("frmLoveAstrologyDisplay")
        << int(Love) << true << bar({"mnuBack: Back", "mnuExit: E&xit"}, updateU, "mnumakemoney");
    QTest::newRow("frmRomanceAstrologyDisplay")
        << int(Romance) << true
        << bar({"mnuBack: Back", "mnuExit: E&xit"}, updateU, "mnumakemoney");
    QTest::newRow("frmSexualAstrologyDisplay")
        << int(Sexual) << true
        << bar({"mnuFileBack: &Back", "mnuExit: E&xit"}, updateC, "mnuMakeMoneyOnline");
    QTest::newRow("frmZodiacLoveSignDisplay")
        << int(Zodiac) << true
        << bar({"mnuFileBack: &Back", "mnuExit: E&xit"}, updateC, "mnuMakeMoneyOnline");
    QTest::newRow("frmLoveAstrologyMain")
        << int(Love) << false
        << bar({"mnuNext: Get My Love Astrology Reading", "mnuExit: E&xit"}, updateC,
               "mnumakemoney");
    QTest::newRow("frmRomanceAstrologyMain")
        << int(Romance) << false
        << bar({"mnuNext: Get My Romance Astrology Reading", "mnuExit: E&xit"}, updateC,
               "mnumakemoney");
    QTest::newRow("frmSexualAstrologyMain")
        << int(Sexual) << false
        << bar({"mnuFindSexualitySign: Find My &Sexual Astrology Sign", "mnuExit: E&xit"}, updateU,
               "mnuMakeMoneyOnline");
    QTest::newRow("frmZodiacLoveSignMain")
        << int(Zodiac) << false
        << bar({"mnuFindLoveSign: Find My Zodiac &Love Sign", "mnuExit: E&xit"}, updateU,
               "mnuMakeMoneyOnline");
}

// The bar the main window shows while the window is active.
void tst_ResultWindows::menuBar()
{
    QFETCH(int, reading);
    QFETCH(bool, result);
    QFETCH(QStringList, bar);

    ReadingWindow *window = result ? readFor(m_desk.mdi(), reading, "MARY JONES", 1, 1)
                                   : openReading(m_desk.mdi(), reading);
    QVERIFY(window);
    QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(shownMenuBar(m_desk.mdi()), bar);
}

QTEST_MAIN(tst_ResultWindows)
#include "tst_resultwindows.moc"
