#include "GuiTestSupport.h"

#include "app/ReadingState.h"
#include "assets/texts/ReadingTexts.h"
#include "readings/lovesign/frmZodiacLoveSignDisplay.h"

#include <QAccessible>
#include <QPointer>
#include <QPushButton>

using namespace GuiTest;
using kesto::ZodiacSign;

namespace {

enum class Kind { Zodiac, Sexual };

// What the tests need to know of each of the two readings, in the order of Kind.
struct Reading
{
    int button; // on the main window's strip
    const char *signLabel;
    const char *findEntry; // the input window's File entry that runs the reading
    std::string_view (*describe)(ZodiacSign);
    QString *state;
};

// clang-format off
const Reading Readings[] = {
    {3, "lblLoveSign",      "mnuFindLoveSign",      kesto::LoveSignText, &ReadingState::LoveSign},
    {2, "lblSexualitySign", "mnuFindSexualitySign", kesto::ErosSignText, &ReadingState::ErosSign},
};
// clang-format on

QString description(Kind kind, const QString &sign)
{
    const std::string_view text =
        Readings[int(kind)].describe(*kesto::signFromDisplayName(sign.toStdString()));
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

Q_DECLARE_METATYPE(Kind)

// Zodiac Love Sign and Sexual Astrology, driven from the main window through the real windows.
class TestTableReadings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readingShowsTheSign_data();
    void readingShowsTheSign();
    void refusalOpensNothing_data();
    void refusalOpensNothing();
    void leavingTheResult_data();
    void leavingTheResult();
    void windowAndItsPages_data();
    void windowAndItsPages();
    void unknownSignKeepsTheDescription();

private:
    Desktop m_desk;
};

void TestTableReadings::init()
{
    QVERIFY(m_desk.open());
}

void TestTableReadings::cleanup()
{
    // Closing the reading windows must leave none behind.
    QCOMPARE(m_desk.close(), 0);
}

void TestTableReadings::readingShowsTheSign_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<bool>("byMenu"); // the input window's File entry instead of Next

    // The first and last days of the tables, a change of sign, 29 February of other years.
    // clang-format off
    QTest::newRow("love 1930-01-01 menu") << Kind::Zodiac << 1  << 1  << 1930 << "Capricorn"   << true;
    QTest::newRow("love 2012-12-31")      << Kind::Zodiac << 31 << 12 << 2012 << "Sagittarius" << false;
    QTest::newRow("love 1945-06-04")      << Kind::Zodiac << 4  << 6  << 1945 << "Aries"       << false;
    QTest::newRow("love 1945-06-05")      << Kind::Zodiac << 5  << 6  << 1945 << "Taurus"      << false;
    QTest::newRow("love 1973-02-29")      << Kind::Zodiac << 29 << 2  << 1973 << "Pisces"      << false;
    QTest::newRow("eros 1940-01-01 menu") << Kind::Sexual << 1  << 1  << 1940 << "Scorpio"     << true;
    QTest::newRow("eros 1943-09-30")      << Kind::Sexual << 30 << 9  << 1943 << "Libra"       << false;
    QTest::newRow("eros 1952-02-29")      << Kind::Sexual << 29 << 2  << 1952 << "Taurus"      << false;
    QTest::newRow("eros 1941-02-29")      << Kind::Sexual << 29 << 2  << 1941 << "Pisces"      << false;
    // clang-format on
}

void TestTableReadings::readingShowsTheSign()
{
    QFETCH(Kind, kind);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    QFETCH(bool, byMenu);
    const Reading &reading = Readings[int(kind)];

    ReadingWindow *input = openReading(m_desk.mdi(), reading.button);
    QVERIFY(input && fillForm(input, QStringLiteral("Ann"), day, month, year));
    ReadingWindow *result =
        pressNext(m_desk.mdi(), input, byMenu ? QLatin1String(reading.findEntry) : QString());
    QCOMPARE(m_desk.platform().messages, QStringList());
    QVERIFY(result);
    QCOMPARE(labelText(result, reading.signLabel), sign);
    QCOMPARE(labelText(result, "lblSignDesc"), description(kind, sign));
    QCOMPARE(*reading.state, sign);

    // The result stands in for the input window, which stays loaded; its menus on the bar.
    QVERIFY(!m_desk.mdi().isWelcomePanelVisible());
    QCOMPARE(m_desk.mdi().menuBar()->actions(), result->menuBarActions());
    QCOMPARE(subWindowCount(m_desk.mdi()), 2);
}

void TestTableReadings::refusalOpensNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("message");

    // clang-format off
    QTest::newRow("love 30 Feb")  << Kind::Zodiac << "Ann" << 30 << 2 << "Please Enter Correct Date of Birth!";
    QTest::newRow("love 31 Apr")  << Kind::Zodiac << "Ann" << 31 << 4 << "Please Enter Correct Date of Birth !";
    QTest::newRow("eros no name") << Kind::Sexual << ""    << 4  << 6 << "Please Enter Your Name";
    QTest::newRow("eros 31 Jun")  << Kind::Sexual << "Ann" << 31 << 6 << "Please Enter Your Correct Date of Birth !";
    // clang-format on
}

void TestTableReadings::refusalOpensNothing()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, message);
    const Reading &reading = Readings[int(kind)];

    *reading.state = QStringLiteral("unchanged");
    ReadingWindow *input = openReading(m_desk.mdi(), reading.button);
    QVERIFY(input && fillForm(input, name, day, month, 1950));
    QVERIFY(!pressNext(m_desk.mdi(), input));

    QCOMPARE(m_desk.platform().messages, QStringList {message});
    QCOMPARE(shownReading(m_desk.mdi()), input);
    QCOMPARE(*reading.state, QStringLiteral("unchanged"));
    QVERIFY(!m_desk.mdi().isWelcomePanelVisible());
    QCOMPARE(subWindowCount(m_desk.mdi()), 1);
}

void TestTableReadings::leavingTheResult_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("how"); // a button of the window or a File entry
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("nextDaySign");

    // clang-format off
    const struct { Kind kind; const char *prefix; QDate date; const char *sign, *next; } dates[] = {
        {Kind::Zodiac, "love", {1945, 6, 4},  "Aries", "Taurus"},
        {Kind::Sexual, "eros", {1943, 9, 30}, "Libra", "Scorpio"},
    };
    // clang-format on
    for (const auto &row : dates) {
        for (const char *how : {"cmdBack", "mnuFileBack", "cmdExit", "mnuExit"}) {
            QTest::addRow("%s, %s", row.prefix, how)
                << row.kind << QString::fromLatin1(how) << row.date << row.sign << row.next;
        }
    }
}

// Back shows the entries as they were, and each Next then builds a fresh result; Exit shows the
// welcome panel, the input window staying loaded but hidden.
void TestTableReadings::leavingTheResult()
{
    QFETCH(Kind, kind);
    QFETCH(QString, how);
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    QFETCH(QString, nextDaySign);
    const Reading &reading = Readings[int(kind)];
    const bool back = how.endsWith(QLatin1String("Back"));

    QPointer<ReadingWindow> input = openReading(m_desk.mdi(), reading.button);
    QVERIFY(input && fillForm(input, QStringLiteral("Ann"), date.day(), date.month(), date.year()));
    // The same entries twice, then the next day; each time in a fresh result window.
    const QDate dates[] = {date, date, date.addDays(1)};
    for (int round = 0; round < (back ? 3 : 1); ++round) {
        child<QComboBox>(input, QStringLiteral("cboDate"))->setCurrentIndex(dates[round].day() - 1);
        child<QComboBox>(input, QStringLiteral("cboMonth"))
            ->setCurrentIndex(dates[round].month() - 1);
        const QStringList entered = formEntries(input);
        QPointer<ReadingWindow> shown = pressNext(m_desk.mdi(), input);
        QVERIFY(shown);
        const QString expected = round < 2 ? sign : nextDaySign;
        QCOMPARE(labelText(shown, reading.signLabel), expected);
        QCOMPARE(labelText(shown, "lblSignDesc"), description(kind, expected));

        if (how.startsWith(QLatin1String("cmd")))
            QTest::mouseClick(child(shown, how), Qt::LeftButton);
        else
            menuEntry(m_desk.mdi(), how)->trigger();
        QCOMPARE(subWindowCount(m_desk.mdi()), 1);
        QVERIFY(input && !shown);
        QCOMPARE(shownReading(m_desk.mdi()), back ? input.get() : nullptr);
        QCOMPARE(m_desk.mdi().isWelcomePanelVisible(), !back);
        QCOMPARE(formEntries(input), entered);
        // The bar holds the menus of the input window, or the main window's own.
        QVERIFY(menuEntry(m_desk.mdi(), QLatin1String(back ? reading.findEntry : "mkmoney")));
    }
}

void TestTableReadings::windowAndItsPages_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("captions"); // the window's, then the File menu's entries
    QTest::addColumn<QColor>("signColor");
    QTest::addColumn<QColor>("descriptionColor");
    QTest::newRow("love") << Kind::Zodiac
                          << QStringList {"Kesto Zodiac Love Sign", "&Back", "E&xit"}
                          << QColor(Qt::white) << QColor(Qt::white);
    QTest::newRow("eros") << Kind::Sexual
                          << QStringList {"Kesto Sexual Astrology", "&Back", "E&xit"}
                          << QColor(224, 224, 224) << QColor(192, 192, 192);
}

void TestTableReadings::windowAndItsPages()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, captions);
    QFETCH(QColor, signColor);
    QFETCH(QColor, descriptionColor);
    const Reading &reading = Readings[int(kind)];

    ReadingWindow *result = readFor(m_desk.mdi(), reading.button, "Ann", 2, 3, 1960);
    QVERIFY(result);
    QStringList shown = {result->windowTitle()};
    for (QAction *entry : child<QMenu>(result, QStringLiteral("mnuFile"))->actions())
        shown << entry->text();
    QCOMPARE(shown, captions);
    QMdiSubWindow *frame = result->subWindow();
    QCOMPARE(frame->pos(), QPoint((1280 - frame->width()) / 2, 0));

    // The long description wraps, both centred.
    auto *sign = child<QLabel>(result, QLatin1String(reading.signLabel));
    auto *text = child<QLabel>(result, QStringLiteral("lblSignDesc"));
    QCOMPARE(sign->palette().color(QPalette::WindowText), signColor);
    QCOMPARE(text->palette().color(QPalette::WindowText), descriptionColor);
    QVERIFY(text->wordWrap() && (text->alignment() & Qt::AlignHCenter)
            && (sign->alignment() & Qt::AlignHCenter));

    // Assistive technology can name every control (a value label by the text it shows).
    for (QWidget *control : result->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(control) || qobject_cast<QPushButton *>(control)) {
            QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(shown && !shown->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    // Its labels and menus open the maker's pages, and the result stays as it was.
    QCOMPARE(pagesOpened(m_desk.mdi(), result, m_desk.platform().opened,
                         QStringLiteral("mnuMakeMoneyOnline")),
             pageControls(QStringLiteral("mnuMakeMoneyOnline")));
    QCOMPARE(shownReading(m_desk.mdi()), result);
}

// A fresh Zodiac Love Sign window describes Cancer; a name outside the twelve (only a date
// outside the table could give one) changes the sign shown but not the description.
void TestTableReadings::unknownSignKeepsTheDescription()
{
    ReadingWindow *input = openReading(m_desk.mdi(), 3);
    QVERIFY(input);
    auto *result = m_desk.mdi().readingWindow<frmZodiacLoveSignDisplay>();
    const QString cancer = description(Kind::Zodiac, QStringLiteral("Cancer"));
    QCOMPARE(labelText(result, "lblSignDesc"), cancer);

    ReadingState::LoveSign = QStringLiteral("aries");
    result->fillReading({}, {});
    m_desk.mdi().navigator()->presentResult(input, result);
    QCOMPARE(labelText(result, "lblSignDesc"), cancer);
    QCOMPARE(labelText(result, "lblLoveSign"), QStringLiteral("aries"));
    QCOMPARE(shownReading(m_desk.mdi()), result);
    QVERIFY(!m_desk.mdi().isWelcomePanelVisible());
}

QTEST_MAIN(TestTableReadings)
#include "tst_tablereadings.moc"
