#include "GuiTestSupport.h"

#include "assets/texts/ReadingTexts.h"
#include "gui/QtText.h"
#include "readings/core/Readings.h"
#include "readings/windows/ReadingState.h"
#include "readings/windows/ResultWindow.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

using namespace GuiTest;

namespace {

// Numbered as the readings' buttons on the main window's strip.
enum Button { Love = 0, Romance = 1, Sexual = 2, Zodiac = 3 };

// Where each reading shows and stores its sign, and the input window's File entry that runs it.
// clang-format off
struct Shown { kesto::Reading reading; const char *signLabel; QString *state; const char *runEntry; };
const Shown Readings[] = {
    {kesto::Reading::LoveAstrology,    "lblSunSign",       &ReadingState::CurrentSunSign, "mnuNext"},
    {kesto::Reading::RomanceAstrology, "lblSunSign",       &ReadingState::CurrentSunSign, "mnuNext"},
    {kesto::Reading::SexualAstrology,  "lblSexualitySign", &ReadingState::ErosSign,       "mnuFindSexualitySign"},
    {kesto::Reading::ZodiacLoveSign,   "lblLoveSign",      &ReadingState::LoveSign,       "mnuFindLoveSign"},
};
// clang-format on

// The bar the main window shows, one line per entry: a menu's caption, then its entries as
// "name: caption" ("-" for a separator); a command of the bar itself as "name: caption".
QStringList shownMenuBar(frmMDI &mdi)
{
    QStringList lines;
    for (QAction *top : mdi.menuBar()->actions()) {
        if (!top->menu()) {
            lines << top->objectName() + QStringLiteral(": ") + top->text();
            continue;
        }
        lines << top->menu()->title();
        for (QAction *entry : top->menu()->actions())
            lines << (entry->isSeparator()
                          ? QStringLiteral("-")
                          : entry->objectName() + QStringLiteral(": ") + entry->text());
    }
    return lines;
}

} // namespace

// Every reading through its windows, from the main window's button to the result and back: what
// opens, what is refused, and each window's menu bar and pages.
class tst_ResultWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desk.open()); }
    void cleanup() { QCOMPARE(m_desk.close(), 0); }

    void nextFindsTheSign_data();
    void nextFindsTheSign();
    void leavingTheResult_data();
    void leavingTheResult();
    void menuBarAndPages_data();
    void menuBarAndPages();
    void headingsAreTheDocuments_data();
    void headingsAreTheDocuments();
    void noteUnderTheSign_data();
    void noteUnderTheSign();

private:
    Desktop m_desk;
};

void tst_ResultWindows::nextFindsTheSign_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day"); // 0: the lists as they open
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("byMenu"); // the input window's File entry instead of Next
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("message"); // a refusal, each wording once, blanks as they are

    // The tables' first and last days and 29 February of other years; 31 February and November.
    // clang-format off
    QTest::newRow("love 19 January, menu")    << int(Love)    << "MARY JONES" << 19 << 1  << 0    << true  << "Capricorn"   << "";
    QTest::newRow("love lists untouched")     << int(Love)    << "MARY JONES" << 0  << 0  << 0    << false << "Capricorn"   << "";
    QTest::newRow("love 31 February")         << int(Love)    << "MARY JONES" << 31 << 2  << 0    << false << "Pisces"      << "";
    QTest::newRow("romance 21 March, menu")   << int(Romance) << "MARY JONES" << 21 << 3  << 0    << true  << "Aries"       << "";
    QTest::newRow("romance 31 November")      << int(Romance) << "MARY JONES" << 31 << 11 << 0    << false << "Sagittarius" << "";
    QTest::newRow("lovesign 1930-01-01 menu") << int(Zodiac)  << "ANN"        << 1  << 1  << 1930 << true  << "Capricorn"   << "";
    QTest::newRow("lovesign 2012-12-31")      << int(Zodiac)  << "ANN"        << 31 << 12 << 2012 << false << "Sagittarius" << "";
    QTest::newRow("lovesign 1973-02-29")      << int(Zodiac)  << "ANN"        << 29 << 2  << 1973 << false << "Pisces"      << "";
    QTest::newRow("sexual 1940-01-01 menu")   << int(Sexual)  << "ANN"        << 1  << 1  << 1940 << true  << "Scorpio"     << "";
    QTest::newRow("sexual 1952-02-29")        << int(Sexual)  << "ANN"        << 29 << 2  << 1952 << false << "Taurus"      << "";
    QTest::newRow("sexual 1941-02-29")        << int(Sexual)  << "ANN"        << 29 << 2  << 1941 << false << "Pisces"      << "";
    // Beyond the tables, to the end of the year lists: the computed sign.
    QTest::newRow("sexual 1995-05-17")        << int(Sexual)  << "ANN"        << 17 << 5  << 1995 << false << "Pisces"      << "";
    QTest::newRow("lovesign 2033-03-10")      << int(Zodiac)  << "ANN"        << 10 << 3  << 2033 << false << "Aries"       << "";
    QTest::newRow("lovesign 2050-12-31")      << int(Zodiac)  << "ANN"        << 31 << 12 << 2050 << false << "Scorpio"     << "";
    QTest::newRow("love, no first name")      << int(Love)    << " JONES"     << 20 << 1  << 0    << false << "" << "Please Enter Your First Name";
    QTest::newRow("romance, no last name")    << int(Romance) << "MARY "      << 20 << 1  << 0    << false << "" << "Please Enter Your Last Name";
    QTest::newRow("lovesign 30 February")     << int(Zodiac)  << "ANN"        << 30 << 2  << 0    << false << "" << "Please Enter Correct Date of Birth!";
    QTest::newRow("lovesign 31 April")        << int(Zodiac)  << "ANN"        << 31 << 4  << 0    << false << "" << "Please Enter Correct Date of Birth !";
    QTest::newRow("sexual, no name")          << int(Sexual)  << ""           << 4  << 6  << 0    << false << "" << "Please Enter Your Name";
    QTest::newRow("sexual 30 February")       << int(Sexual)  << "ANN"        << 30 << 2  << 0    << false << "" << "Please Enter Your Correct Date of Birth!";
    QTest::newRow("sexual 31 June")           << int(Sexual)  << "ANN"        << 31 << 6  << 0    << false << "" << "Please Enter Your Correct Date of Birth !";
    // clang-format on
}

// The result stands in for the input window, which stays loaded, and puts its menus on the bar;
// refused entries give the message and nothing else: no result, no sign stored.
void tst_ResultWindows::nextFindsTheSign()
{
    QFETCH(int, button);
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(bool, byMenu);
    QFETCH(QString, sign);
    QFETCH(QString, message);
    const Shown &shown = Readings[button];
    frmMDI &mdi = m_desk.mdi();

    *shown.state = QStringLiteral("unchanged");
    ReadingWindow *input = openReading(mdi, button);
    QVERIFY(input && fillForm(input, name, day, month, year));
    ReadingWindow *result =
        pressNext(mdi, input, byMenu ? QLatin1String(shown.runEntry) : QString());
    QCOMPARE(m_desk.platform().messages, message.isEmpty() ? QStringList() : QStringList {message});
    if (!message.isEmpty()) {
        QVERIFY(!result);
        QCOMPARE(shownReading(mdi), input);
        QCOMPARE(*shown.state, QStringLiteral("unchanged"));
        QCOMPARE(subWindowCount(mdi), 1);
        return;
    }
    QVERIFY(result);
    QCOMPARE(labelText(result, shown.signLabel), sign);
    QCOMPARE(*shown.state, sign);
    if (!kesto::isSunSignReading(shown.reading)) {
        const auto zodiacSign = kesto::signFromDisplayName(sign.toStdString());
        QCOMPARE(labelText(result, "lblSignDesc"),
                 toQString(shown.reading == kesto::Reading::ZodiacLoveSign
                               ? kesto::LoveSignText(*zodiacSign)
                               : kesto::ErosSignText(*zodiacSign)));
    }
    QVERIFY(!mdi.isWelcomePanelVisible());
    QCOMPARE(mdi.menuBar()->actions(), result->menuBarActions());
    QCOMPARE(subWindowCount(mdi), 2);
}

void tst_ResultWindows::leavingTheResult_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("how"); // a button of the window, a File entry, or its close box
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("nextDaySign");

    // clang-format off
    const struct { Button button; const char *tag, *back, *exit; QDate date; const char *sign, *next; } rows[] = {
        {Love,    "love",     "mnuBack",     "close box", {1990, 8, 20}, "Leo",   "Virgo"},
        {Romance, "romance",  "mnuBack",     "close box", {1990, 8, 20}, "Leo",   "Virgo"},
        {Zodiac,  "lovesign", "mnuFileBack", "cmdExit",   {1945, 6, 4},  "Aries", "Taurus"},
        {Sexual,  "sexual",   "mnuFileBack", "cmdExit",   {1943, 9, 30}, "Libra", "Scorpio"},
    };
    // clang-format on
    for (const auto &row : rows) {
        for (const char *how : {"cmdBack", row.back, "mnuExit", row.exit}) {
            QTest::addRow("%s, %s", row.tag, how)
                << int(row.button) << QString::fromLatin1(how) << row.date << row.sign << row.next;
        }
    }
}

// Back shows the entries as they were, and Next then builds a fresh result (a sun-sign one on its
// first tab); Exit shows the welcome panel, the input window staying loaded but hidden.
void tst_ResultWindows::leavingTheResult()
{
    QFETCH(int, button);
    QFETCH(QString, how);
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    QFETCH(QString, nextDaySign);
    const Shown &reading = Readings[button];
    const bool back = how.endsWith(QLatin1String("Back"));
    frmMDI &mdi = m_desk.mdi();
    mdi.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mdi));

    QPointer<ReadingWindow> input = openReading(mdi, button);
    QVERIFY(input && fillForm(input, QStringLiteral("MARY JONES"), 1, 1, date.year()));
    for (const auto &[day, expected] :
         {std::pair {date, sign}, std::pair {date.addDays(1), nextDaySign}}) {
        child<QComboBox>(input, QStringLiteral("cboDate"))->setCurrentIndex(day.day() - 1);
        child<QComboBox>(input, QStringLiteral("cboMonth"))->setCurrentIndex(day.month() - 1);
        const QStringList entered = formEntries(input);
        QPointer<ReadingWindow> shown = pressNext(mdi, input);
        QVERIFY(shown);
        QCOMPARE(labelText(shown, reading.signLabel), expected);
        if (auto *tabs = shown->findChild<QTabWidget *>(QStringLiteral("SSTab1"))) {
            QCOMPARE(tabs->currentIndex(), 0);
            tabs->setCurrentIndex(1);
        }

        if (how.startsWith(QLatin1String("cmd")))
            QTest::mouseClick(child(shown, how), Qt::LeftButton);
        else if (how == QLatin1String("close box"))
            shown->subWindow()->close();
        else
            menuEntry(mdi, how)->trigger();
        QCOMPARE(subWindowCount(mdi), 1);
        QVERIFY(input && !shown);
        QCOMPARE(shownReading(mdi), back ? input.get() : nullptr);
        QCOMPARE(mdi.isWelcomePanelVisible(), !back);
        QCOMPARE(formEntries(input), entered);
        QCOMPARE(*reading.state, expected);
        // The bar holds the menus of the input window, or the main window's own; the focus is on
        // Next, or on the main window's button of the reading.
        QVERIFY(menuEntry(mdi, QLatin1String(back ? reading.runEntry : "mkmoney")));
        QTRY_COMPARE(focusedName(),
                     back ? QStringLiteral("cmdNext")
                          : QStringLiteral("cmdSelectOption_%1").arg(button));
        if (!back)
            break;
    }
}

void tst_ResultWindows::menuBarAndPages_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("result"); // the result window, else the input window
    QTest::addColumn<QStringList>("bar");

    // clang-format off
    const auto bar = [](const char *run, const char *update, const char *makeMoney) {
        return QStringList {"&File", run, "mnuExit: E&xit", "&Help", "mnuOnline: &Online Help",
                            "mnuVisit: &Visit Us Online", "-", QStringLiteral("mnuUpdate: ") + update, "-",
                            "mnuAbout: &About Software", "mnuDonate: &Donate", QString(makeMoney) + ": Make Money &Online"};
    };
    const char *updateU = "Check for Software &Update";
    const char *updateC = "&Check for Software Update";
    // The sun-sign result windows' Back has no access key; the other two's has.
    QTest::newRow("frmLoveAstrologyDisplay")    << int(Love)    << true  << bar("mnuBack: Back", updateU, "mnumakemoney");
    QTest::newRow("frmRomanceAstrologyDisplay") << int(Romance) << true  << bar("mnuBack: Back", updateU, "mnumakemoney");
    QTest::newRow("frmSexualAstrologyDisplay")  << int(Sexual)  << true  << bar("mnuFileBack: &Back", updateC, "mnuMakeMoneyOnline");
    QTest::newRow("frmZodiacLoveSignDisplay")   << int(Zodiac)  << true  << bar("mnuFileBack: &Back", updateC, "mnuMakeMoneyOnline");
    QTest::newRow("frmLoveAstrologyMain")       << int(Love)    << false << bar("mnuNext: Get My Love Astrology Reading", updateC, "mnumakemoney");
    QTest::newRow("frmRomanceAstrologyMain")    << int(Romance) << false << bar("mnuNext: Get My Romance Astrology Reading", updateC, "mnumakemoney");
    QTest::newRow("frmSexualAstrologyMain")     << int(Sexual)  << false << bar("mnuFindSexualitySign: Find My &Sexual Astrology Sign", updateU, "mnuMakeMoneyOnline");
    QTest::newRow("frmZodiacLoveSignMain")      << int(Zodiac)  << false << bar("mnuFindLoveSign: Find My Zodiac &Love Sign", updateU, "mnuMakeMoneyOnline");
    // clang-format on
}

// The bar the main window shows while the window is active; a result window is centred at the
// top of the area, names every control for assistive technology and opens the maker's pages.
void tst_ResultWindows::menuBarAndPages()
{
    QFETCH(int, button);
    QFETCH(bool, result);
    QFETCH(QStringList, bar);
    frmMDI &mdi = m_desk.mdi();

    ReadingWindow *window =
        result ? readFor(mdi, button, "MARY JONES", 1, 1) : openReading(mdi, button);
    QVERIFY(window);
    QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(shownMenuBar(mdi), bar);
    if (!result)
        return;

    QCOMPARE(window->subWindow()->pos(), QPoint((1280 - window->subWindow()->width()) / 2, 0));
    // The banner and offer strips run the window's whole width, and no white edge shows beside
    // them.
    const QImage picture = window->grab().toImage();
    for (const char *name : {"fraHeader", "fraFooter", "Frame2", "Frame5"}) {
        auto *strip = window->findChild<QFrame *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (!strip)
            continue;
        QCOMPARE(strip->x(), 0);
        QCOMPARE(strip->geometry().right(), window->width() - 1);
        for (int x = window->width() - 4; x < window->width(); ++x)
            QVERIFY2(picture.pixelColor(x, strip->geometry().center().y()) != QColor(Qt::white),
                     name);
    }
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isHidden()) // hidden itself, such as the sign's note on a quiet day
            continue;
        if (qobject_cast<QLabel *>(control) || qobject_cast<QPlainTextEdit *>(control)
            || qobject_cast<QPushButton *>(control)) {
            QAccessibleInterface *named = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(named && !named->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    for (const QString &page : pageControls(bar.last().section(QLatin1Char(':'), 0, 0))) {
        const QString control = page.section(QLatin1Char('='), 0, 0);
        m_desk.platform().opened.clear();
        if (QLabel *label = window->findChild<QLabel *>(control))
            QTest::mouseClick(label, Qt::LeftButton);
        else
            menuEntry(mdi, control)->trigger();
        QCOMPARE(control + QLatin1Char('=') + openedPage(m_desk.platform().opened), page);
    }
    QCOMPARE(shownReading(mdi), window);
}

void tst_ResultWindows::headingsAreTheDocuments_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("love") << int(Love);
    QTest::newRow("romance") << int(Romance);
    QTest::newRow("sexual") << int(Sexual);
    QTest::newRow("zodiac") << int(Zodiac);
}

// Every heading the window shows over a value or a text is the one its document gives that
// value or text, which is what copying, saving and printing show; and every heading of the
// document is on the window.
void tst_ResultWindows::headingsAreTheDocuments()
{
    QFETCH(int, button);
    ReadingWindow *window = readFor(m_desk.mdi(), button, "MARY JONES", 21, 7, 1975);
    QVERIFY(window);
    const std::optional<kesto::ReadingDocument> &document =
        static_cast<ResultWindow *>(window)->document();
    QVERIFY(document);
    QStringList expected;
    for (const kesto::ReadingValue &value : document->values)
        expected << toQString(value.heading);
    for (const kesto::ReadingText &text : document->texts) {
        if (!text.heading.empty())
            expected << toQString(text.heading);
    }
    if (!document->intro.empty())
        expected << toQString(document->intro);
    QStringList shown;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() || expected.contains(label->text()))
            shown << label->text();
    }
    expected.sort();
    shown.sort();
    QCOMPARE(shown, expected);
}

void tst_ResultWindows::noteUnderTheSign_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QList<int>>("date"); // day, month, year
    QTest::addColumn<QString>("note");    // what the line under the sign says; empty: no line
    // clang-format off
    QTest::newRow("love, quiet day")         << int(Love)    << QList {1, 1, 1990} << "";
    QTest::newRow("love, the Sun elsewhere") << int(Love)    << QList {21, 7, 1990} << "The Sun stood in Cancer all day";
    QTest::newRow("romance, change day")     << int(Romance) << QList {23, 7, 1990} << "Born before 02:22 UTC: the Sun in Cancer";
    QTest::newRow("zodiac, change day")      << int(Zodiac)  << QList {24, 1, 1930} << "Born after 00:22 UTC: Aquarius";
    QTest::newRow("zodiac, computed")        << int(Zodiac)  << QList {10, 3, 2033} << "Computed from the planets' positions";
    QTest::newRow("sexual, computed")        << int(Sexual)  << QList {17, 5, 1995} << "Computed from the asteroid's position";
    QTest::newRow("sexual, quiet table day") << int(Sexual)  << QList {1, 1, 1940} << "";
    // clang-format on
}

// The line under the sign: what it says, that it fits its place without covering any other
// control, and that a screen reader hears it with the sign.
void tst_ResultWindows::noteUnderTheSign()
{
    QFETCH(int, button);
    QFETCH(QList<int>, date);
    QFETCH(QString, note);
    ReadingWindow *window = readFor(m_desk.mdi(), button, "MARY JONES", date[0], date[1], date[2]);
    QVERIFY(window);
    auto *line = child<QLabel>(window, QStringLiteral("lblSignNote"));
    QCOMPARE(line->isVisibleTo(window), !note.isEmpty());
    auto *sign = child<QLabel>(window, QLatin1String(Readings[button].signLabel));
    if (note.isEmpty()) {
        QVERIFY(sign->accessibleDescription().isEmpty());
        return;
    }
    QCOMPARE(line->text(), note);
    QVERIFY(line->heightForWidth(line->width()) <= line->height());
    QVERIFY(!sign->accessibleDescription().isEmpty());
    QCOMPARE(sign->accessibleDescription(), line->accessibleName());
    for (QWidget *other :
         line->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != line && other->isVisibleTo(window))
            QVERIFY2(!other->geometry().intersects(line->geometry()),
                     qPrintable(other->objectName()));
    }
}

QTEST_MAIN(tst_ResultWindows)
#include "tst_resultwindows.moc"
