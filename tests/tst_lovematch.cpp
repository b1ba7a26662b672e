#include "GuiTestSupport.h"

#include "readings/match/core/LoveMatch.h"
#include "readings/windows/ResultWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace GuiTest;
using namespace kesto;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Fills the Love Match window: each person's name and date (day, month, year).
bool fillBoth(ReadingWindow *input, const QStringList &names, const QList<int> &first,
              const QList<int> &second)
{
    const QList<QList<int>> dates = {first, second};
    for (int person = 0; person < 2; ++person) {
        const QString suffix = QStringLiteral("_%1").arg(person);
        auto *name = input->findChild<QLineEdit *>(QStringLiteral("txtName") + suffix);
        auto *day = input->findChild<QComboBox *>(QStringLiteral("cboDate") + suffix);
        auto *month = input->findChild<QComboBox *>(QStringLiteral("cboMonth") + suffix);
        auto *year = input->findChild<QComboBox *>(QStringLiteral("cboYear") + suffix);
        if (!name || !day || !month || !year)
            return false;
        QTest::keyClicks(name, names[person]);
        const QList<int> &date = dates[person];
        day->setCurrentIndex(date[0] - 1);
        month->setCurrentIndex(date[1] - 1);
        year->setCurrentIndex(year->findText(QString::number(date[2])));
    }
    return true;
}

} // namespace

// Love Match: the aspect of each layer by the signs' distance, both people read as the single
// readings read them, and its two windows opened from the main window.
class tst_LoveMatch : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desk.open()); }
    void cleanup() { QCOMPARE(m_desk.close(), 0); }

    void aspectByDistance_data();
    void aspectByDistance();
    void bothPeople_data();
    void bothPeople();
    void windows();
    void refusals_data();
    void refusals();

private:
    Desktop m_desk;
};

void tst_LoveMatch::aspectByDistance_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("aspect");
    // clang-format off
    QTest::newRow("same sign")          << "Aries"     << "Aries"       << "conjunction";
    QTest::newRow("one on")             << "Aries"     << "Taurus"      << "semisextile";
    QTest::newRow("one on, round")      << "Pisces"    << "Aries"       << "semisextile";
    QTest::newRow("two")                << "Aries"     << "Gemini"      << "sextile";
    QTest::newRow("three")              << "Aries"     << "Cancer"      << "square";
    QTest::newRow("four")               << "Leo"       << "Aries"       << "trine";
    QTest::newRow("five")               << "Aries"     << "Virgo"       << "quincunx";
    QTest::newRow("six")                << "Aries"     << "Libra"       << "opposition";
    QTest::newRow("seven is five back") << "Aries"     << "Scorpio"     << "quincunx";
    QTest::newRow("ten is two back")    << "Capricorn" << "Scorpio"     << "sextile";
    QTest::newRow("eleven is one back") << "Aries"     << "Pisces"      << "semisextile";
    // clang-format on
}

void tst_LoveMatch::aspectByDistance()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, aspect);
    const ZodiacSign a = *signFromDisplayName(first.toStdString());
    const ZodiacSign b = *signFromDisplayName(second.toStdString());
    QCOMPARE(qs(aspectName(aspectBetween(a, b))), aspect);
    QCOMPARE(qs(aspectName(aspectBetween(b, a))), aspect);
}

void tst_LoveMatch::bothPeople_data()
{
    QTest::addColumn<QList<int>>("first"); // year, month, day
    QTest::addColumn<QList<int>>("second");
    QTest::addColumn<QStringList>("signs"); // Sun, Venus, Eros of the first, then the second
    QTest::addColumn<QStringList>("aspects");
    QTest::addColumn<QList<bool>>("inPairs");
    // Signs as kesto-reading love, lovesign and sexual give them for each date.
    QTest::newRow("table years") << QList {1975, 1, 1} << QList {1960, 7, 15}
                                 << QStringList {"Capricorn", "Capricorn", "Cancer",
                                                 "Cancer",    "Cancer",    "Taurus"}
                                 << QStringList {"opposition", "opposition", "sextile"}
                                 << QList {false, false};
    QTest::newRow("a change day") << QList {1990, 7, 23} << QList {1988, 3, 3}
                                  << QStringList {"Leo",    "Cancer", "Gemini",
                                                  "Pisces", "Aries",  "Aquarius"}
                                  << QStringList {"quincunx", "square", "trine"}
                                  << QList {false, false};
    QTest::newRow("in each other's pair")
        << QList {1990, 4, 1} << QList {1991, 8, 1}
        << QStringList {"Aries", "Aquarius", "Pisces", "Leo", "Virgo", "Sagittarius"}
        << QStringList {"trine", "quincunx", "square"} << QList {true, true};
}

// Each person's three signs are the single readings' for that date, each layer is named by its
// own two signs and carries the text of its own layer and aspect.
void tst_LoveMatch::bothPeople()
{
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    QFETCH(QStringList, signs);
    QFETCH(QStringList, aspects);
    QFETCH(QList<bool>, inPairs);
    const std::optional<LoveMatch> match =
        loveMatch("ANN", {first[0], first[1], first[2]}, "BO", {second[0], second[1], second[2]});
    QVERIFY(match);
    QStringList shown;
    for (const MatchPerson &who : match->people) {
        for (const Body body : MatchLayers)
            shown << qs(displayName(who.sign(body)));
    }
    QCOMPARE(shown, signs);
    QCOMPARE(qs(match->people[0].name), QStringLiteral("ANN"));
    QStringList named;
    for (const MatchLayer &layer : match->layers) {
        named << qs(aspectName(layer.aspect));
        const QString text = qs(layer.text);
        QVERIFY2(text.contains(qs(aspectName(layer.aspect)))
                     && text.contains(qs(bodyName(layer.body))),
                 qPrintable(text.left(80)));
    }
    QCOMPARE(named, aspects);
    QCOMPARE((QList<bool> {match->inPartnersPair[0], match->inPartnersPair[1]}), inPairs);
}

// From the File menu and the welcome panel's eighth label to the result and back, as a person
// goes: both people's entries survive Back, and choosing another reading closes both windows.
void tst_LoveMatch::windows()
{
    frmMDI &mdi = m_desk.mdi();
    auto *label = child<QLabel>(&mdi, QStringLiteral("lblCaption_7"));
    QCOMPARE(label->text(), QStringLiteral("Love Match"));
    QVERIFY(label->geometry().top()
            > child(&mdi, QStringLiteral("lblCaption_6"))->geometry().bottom());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(label, Qt::LeftButton);
    ReadingWindow *input = shownReading(mdi);
    QVERIFY(input);
    QCOMPARE(input->objectName(), QStringLiteral("frmLoveMatchMain"));
    input->unload();
    flushDeletes();

    menuEntry(mdi, QStringLiteral("mnuLoveMatch"))->trigger();
    input = shownReading(mdi);
    QVERIFY(input && input->objectName() == QStringLiteral("frmLoveMatchMain"));
    QVERIFY(fillBoth(input, {"ANN", "BO"}, {23, 7, 1990}, {3, 3, 1988}));
    ReadingWindow *result = pressNext(mdi, input);
    QVERIFY(result);
    QCOMPARE(result->objectName(), QStringLiteral("frmLoveMatchDisplay"));
    QCOMPARE((QStringList {labelText(result, "lblPersonName_0"), labelText(result, "lblFirstSun"),
                           labelText(result, "lblSecondSun"), labelText(result, "lblSunAspect"),
                           labelText(result, "lblFirstEros"), labelText(result, "lblErosAspect")}),
             (QStringList {"ANN", "Leo", "Pisces", "quincunx", "Gemini", "trine"}));
    // The Sun changed sign on the first birth date: the note says which layer.
    QVERIFY(labelText(result, "lblSignNote").contains(QStringLiteral("The Sun layer")));
    // What it copies, saves and prints is the same reading, for both people.
    const std::optional<ReadingDocument> &document =
        static_cast<ResultWindow *>(result)->document();
    QVERIFY(document);
    const QString copied = qs(readingPlainText(*document));
    QVERIFY2(copied.contains(QStringLiteral("ANN, born 23 July 1990, and BO, born 3 March 1988"))
                 && copied.contains(QStringLiteral("Your Partner's Venus Sign: Aries"))
                 && copied.contains(QStringLiteral("The Sun layer could differ")),
             qPrintable(copied.left(600)));
    auto *tabs = child<QTabWidget>(result, QStringLiteral("SSTab1"));
    QCOMPARE(tabs->count(), 3);
    QVERIFY(child<QPlainTextEdit>(result, QStringLiteral("txtLayer_1"))
                ->toPlainText()
                .contains(QStringLiteral("square")));

    QTest::mouseClick(child(result, QStringLiteral("cmdBack")), Qt::LeftButton);
    flushDeletes();
    QCOMPARE(shownReading(mdi), input);
    QCOMPARE(child<QLineEdit>(input, QStringLiteral("txtName_1"))->text(), QStringLiteral("BO"));
    QCOMPARE(child<QComboBox>(input, QStringLiteral("cboYear_1"))->currentText(),
             QStringLiteral("1988"));
    QCOMPARE(focusedName(), QStringLiteral("cmdNext"));
    // Leaving it puts the focus on what opened it: the caption, as it has no button.
    QTest::mouseClick(child(input, QStringLiteral("cmdExit")), Qt::LeftButton);
    flushDeletes();
    QCOMPARE(focusedName(), QStringLiteral("lblCaption_7"));
    QTest::mouseClick(label, Qt::LeftButton);

    QTest::mouseClick(child(&mdi, QStringLiteral("cmdSelectOption_0")), Qt::LeftButton);
    flushDeletes();
    QCOMPARE(visibleSubWindows(mdi), QStringList {"frmLoveAstrologyMain"});
    QVERIFY(!mdi.loadedWindow(ReadingWindowId::LoveMatchMain));
}

void tst_LoveMatch::refusals_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("first"); // day, month, year
    QTest::addColumn<QList<int>>("second");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("no name")             << QStringList {"", "BO"}  << QList {1, 1, 1990}  << QList {1, 1, 1990}  << "Please Enter Your Name";
    QTest::newRow("no partner's name")   << QStringList {"ANN", ""} << QList {1, 1, 1990}  << QList {1, 1, 1990}  << "Please Enter Your Partner's Name";
    QTest::newRow("31 April")            << QStringList {"ANN", "BO"} << QList {31, 4, 1990} << QList {1, 1, 1990} << "Please Enter Your Correct Date of Birth !";
    QTest::newRow("partner's 30 Feb")    << QStringList {"ANN", "BO"} << QList {1, 1, 1990} << QList {30, 2, 1990} << "Please Enter Your Partner's Correct Date of Birth!";
    // clang-format on
}

void tst_LoveMatch::refusals()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    QFETCH(QString, message);
    frmMDI &mdi = m_desk.mdi();
    menuEntry(mdi, QStringLiteral("mnuLoveMatch"))->trigger();
    ReadingWindow *input = shownReading(mdi);
    QVERIFY(input && fillBoth(input, names, first, second));
    QVERIFY(!pressNext(mdi, input));
    QCOMPARE(m_desk.platform().messages, QStringList {message});
}

QTEST_MAIN(tst_LoveMatch)
#include "tst_lovematch.moc"
