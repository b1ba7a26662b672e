#include "GuiTestSupport.h"
#include "SunSignCards.h"

#include "app/ReadingState.h"
#include "assets/texts/ReadingTexts.h"
#include "readings/love/LoveProfile.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>

using namespace GuiTest;
using kesto::ZodiacSign;

namespace {

// Numbered as the readings' buttons on the main window's strip.
enum class Kind { Love = 0, Romance = 1 };

QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString boxText(QWidget *window, const char *name)
{
    return child<QPlainTextEdit>(window, QLatin1String(name))->toPlainText();
}

ZodiacSign signNamed(const QString &name)
{
    return *kesto::signFromDisplayName(name.toStdString());
}

// The sign's card as the first tab should show it: its values as written out for the tests,
// then its two trait texts.
QStringList expectedCard(const QString &sign)
{
    const SunSignCards::Card *card = SunSignCards::cardOf(sign);
    if (!card)
        return {QStringLiteral("(no card for %1)").arg(sign)};
    const kesto::TraitTexts traits = kesto::SunSignTraits(signNamed(sign));
    return SunSignCards::values(*card) << fromView(traits.positive) << fromView(traits.negative);
}

QStringList shownCard(QWidget *result)
{
    QStringList card;
    for (const char *name : {"lblSunSign", "lblSunSignElement", "lblSunSignBirthStone",
                             "lblSunSignNumber", "lblSunSignDay", "lblSunSignCompatibility"})
        card << labelText(result, name);
    return card << boxText(result, "txtSunSignPositiveTraits")
                << boxText(result, "txtSunSignNegativeTraits");
}

// A profile as its box shows it: each CR LF pair is one line break.
QString expectedProfile(Kind kind, ZodiacSign sign)
{
    const QString text = kind == Kind::Love ? QString::fromStdString(kesto::LoveProfileText(sign))
                                            : fromView(kesto::RomanceProfileText(sign));
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QImage shownPicture(QWidget *result)
{
    return child<QLabel>(result, QStringLiteral("picSunSign"))->pixmap().toImage();
}

} // namespace

Q_DECLARE_METATYPE(Kind)

// Love and Romance Astrology, driven from the main window through the real windows.
class TestSunSignReading : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readingShowsTheCard_data();
    void readingShowsTheCard();
    void refusalOpensNothing_data();
    void refusalOpensNothing();
    void leavingTheResult_data();
    void leavingTheResult();
    void loveAndRomanceShareTheCard();
    void windowAndItsPages_data();
    void windowAndItsPages();

private:
    Desktop m_desk;
};

void TestSunSignReading::init()
{
    QVERIFY(m_desk.open());
}

void TestSunSignReading::cleanup()
{
    // Closing the reading windows must leave none behind.
    QCOMPARE(m_desk.close(), 0);
}

void TestSunSignReading::readingShowsTheCard_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("day"); // 0: the lists as they open
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QString>("menuEntry"); // the input window's File entry instead of Next

    const auto Love = Kind::Love;
    const auto Romance = Kind::Romance;
    // clang-format off
    QTest::newRow("love 20 January")        << Love    << 20 << 1  << "Aquarius"    << 1 << "";
    QTest::newRow("love 19 January, menu")  << Love    << 19 << 1  << "Capricorn"   << 1 << "mnuNext";
    QTest::newRow("love lists untouched")   << Love    << 0  << 0  << "Capricorn"   << 1 << "";
    QTest::newRow("love 31 February")       << Love    << 31 << 2  << "Pisces"      << 1 << "";
    QTest::newRow("love 21 March")          << Love    << 21 << 3  << "Aries"       << 2 << "";
    QTest::newRow("love 5 June")            << Love    << 5  << 6  << "Gemini"      << 3 << "";
    QTest::newRow("romance 19 February")    << Romance << 19 << 2  << "Pisces"      << 1 << "";
    QTest::newRow("romance 21 March, menu") << Romance << 21 << 3  << "Aries"       << 1 << "mnuNext";
    QTest::newRow("romance 31 November")    << Romance << 31 << 11 << "Sagittarius" << 1 << "";
    // clang-format on
}

void TestSunSignReading::readingShowsTheCard()
{
    QFETCH(Kind, kind);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, sign);
    QFETCH(int, paragraphs);
    QFETCH(QString, menuEntry);

    ReadingWindow *input = openReading(m_desk.mdi(), int(kind));
    QVERIFY(input && fillForm(input, QStringLiteral("MARY JONES"), day, month));
    ReadingWindow *result = pressNext(m_desk.mdi(), input, menuEntry);
    QCOMPARE(m_desk.platform().messages, QStringList());
    QVERIFY(result);
    QCOMPARE(ReadingState::CurrentSunSign, sign);
    QCOMPARE(shownCard(result), expectedCard(sign));
    const QImage picture(QStringLiteral(":/signs/%1.jpg").arg(sign.toLower()));
    QVERIFY2(!picture.isNull(), "the sign pictures are not in the program's resources");
    QCOMPARE(shownPicture(result), picture);

    // The paragraphs with one empty line between them, nothing more.
    auto *profile = child<QPlainTextEdit>(result, QStringLiteral("txtLoveProfile"));
    QCOMPARE(profile->toPlainText(), expectedProfile(kind, signNamed(sign)));
    QCOMPARE(profile->document()->blockCount(), 2 * paragraphs - 1);
    for (QTextBlock block = profile->document()->begin(); block.isValid(); block = block.next())
        QCOMPARE(block.text().isEmpty(), block.blockNumber() % 2 == 1);

    // The result stands in for the input window, which stays loaded; its menus on the bar.
    QVERIFY(!m_desk.mdi().isWelcomePanelVisible());
    QCOMPARE(m_desk.mdi().menuBar()->actions(), result->menuBarActions());
    QCOMPARE(subWindowCount(m_desk.mdi()), 2);
}

void TestSunSignReading::refusalOpensNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("love, no first name")    << Kind::Love    << " JONES" << "Please Enter Your First Name";
    QTest::newRow("romance, no last name")  << Kind::Romance << "MARY "  << "Please Enter Your Last Name";
    // clang-format on
}

void TestSunSignReading::refusalOpensNothing()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, message);

    ReadingState::CurrentSunSign = QStringLiteral("Leo");
    ReadingWindow *input = openReading(m_desk.mdi(), int(kind));
    QVERIFY(input && fillForm(input, name, 20, 1));
    QVERIFY(!pressNext(m_desk.mdi(), input));
    QCOMPARE(m_desk.platform().messages, QStringList {message});
    QCOMPARE(shownReading(m_desk.mdi()), input);
    QVERIFY(!m_desk.mdi().isWelcomePanelVisible());
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Leo"));
    QCOMPARE(subWindowCount(m_desk.mdi()), 1);
}

void TestSunSignReading::leavingTheResult_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("how"); // a File entry, Back on the window, or its close box
    for (Kind kind : {Kind::Love, Kind::Romance}) {
        for (const char *how : {"cmdBack", "mnuBack", "mnuExit", "close box"}) {
            QTest::addRow("%s, %s", kind == Kind::Love ? "love" : "romance", how)
                << kind << QString::fromLatin1(how);
        }
    }
}

// Back shows the entries as they were, and Next then builds a fresh result on its first tab;
// Exit shows the welcome panel, the input window staying loaded but hidden.
void TestSunSignReading::leavingTheResult()
{
    QFETCH(Kind, kind);
    QFETCH(QString, how);
    const bool back = how.endsWith(QLatin1String("Back"));

    QPointer<ReadingWindow> input = openReading(m_desk.mdi(), int(kind));
    QVERIFY(input && fillForm(input, QStringLiteral("ANNA MAE SMITH"), 23, 8));
    const QStringList entered = formEntries(input);
    QPointer<ReadingWindow> first = pressNext(m_desk.mdi(), input);
    QVERIFY(first);
    child<QTabWidget>(first, QStringLiteral("SSTab1"))->setCurrentIndex(1);
    if (how == QLatin1String("cmdBack"))
        QTest::mouseClick(child(first, how), Qt::LeftButton);
    else if (how == QLatin1String("close box"))
        first->subWindow()->close();
    else
        menuEntry(m_desk.mdi(), how)->trigger();

    QCOMPARE(subWindowCount(m_desk.mdi()), 1);
    QVERIFY(input && !first);
    QCOMPARE(shownReading(m_desk.mdi()), back ? input.get() : nullptr);
    QCOMPARE(m_desk.mdi().isWelcomePanelVisible(), !back);
    // The bar holds the menus of the input window, or the main window's own.
    QVERIFY(menuEntry(m_desk.mdi(), back ? QStringLiteral("mnuNext") : QStringLiteral("mkmoney")));
    if (!back)
        return;

    QCOMPARE(formEntries(input), entered);
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Virgo"));

    child<QComboBox>(input, QStringLiteral("cboDate"))->setCurrentIndex(9);
    child<QComboBox>(input, QStringLiteral("cboMonth"))->setCurrentIndex(9);
    ReadingWindow *second = pressNext(m_desk.mdi(), input);
    QVERIFY(second);
    QCOMPARE(shownCard(second), expectedCard(QStringLiteral("Libra")));
    QCOMPARE(boxText(second, "txtLoveProfile"), expectedProfile(kind, ZodiacSign::Libra));
    QCOMPARE(child<QTabWidget>(second, QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(subWindowCount(m_desk.mdi()), 2);
}

// Gemini's love profile has three paragraphs, its romance profile one.
void TestSunSignReading::loveAndRomanceShareTheCard()
{
    ReadingWindow *love = readFor(m_desk.mdi(), int(Kind::Love), "MARY JONES", 5, 6);
    QVERIFY(love);
    const QStringList card = shownCard(love);
    const QImage picture = shownPicture(love);
    const QString loveProfile = boxText(love, "txtLoveProfile");

    // Choosing the other reading closes the first one's windows.
    ReadingWindow *romance = readFor(m_desk.mdi(), int(Kind::Romance), "MARY JONES", 5, 6);
    QVERIFY(romance);
    QCOMPARE(subWindowCount(m_desk.mdi()), 2);
    QCOMPARE(shownCard(romance), card);
    QCOMPARE(shownPicture(romance), picture);
    QCOMPARE(boxText(romance, "txtLoveProfile"),
             expectedProfile(Kind::Romance, ZodiacSign::Gemini));
    QVERIFY(loveProfile != boxText(romance, "txtLoveProfile"));
}

void TestSunSignReading::windowAndItsPages_data()
{
    QTest::addColumn<Kind>("kind");
    // The window, its two tabs, the profile's heading and the File menu's entries.
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QColor>("band");

    QTest::newRow("love") << Kind::Love
                          << QStringList {"Kesto Love Astrology",
                                          "Sun Sign Profile",
                                          "Love Profile",
                                          "More About Your Love Profile",
                                          "Back",
                                          "E&xit"}
                          << QColor(0, 64, 0);
    // The Romance tab's caption starts with a blank.
    QTest::newRow("romance") << Kind::Romance
                             << QStringList {"Kesto Romance Astrology",
                                             "Sun Sign Profile",
                                             " Romance Profile",
                                             "More About Your Romance Profile",
                                             "Back",
                                             "E&xit"}
                             << QColor(90, 35, 220);
}

void TestSunSignReading::windowAndItsPages()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, captions);
    QFETCH(QColor, band);

    ReadingWindow *result = readFor(m_desk.mdi(), int(kind), "MARY JONES", 12, 12);
    QVERIFY(result);
    auto *tabs = child<QTabWidget>(result, QStringLiteral("SSTab1"));
    QStringList shown = {result->windowTitle(), tabs->tabText(0), tabs->tabText(1),
                         labelText(result, "Label1")};
    for (QAction *entry : child<QMenu>(result, QStringLiteral("mnuFile"))->actions())
        shown << entry->text();
    QCOMPARE(shown, captions);
    // Centred on the screen, at the top of the area.
    QWidget *frame = result->subWindow();
    QCOMPARE(frame->pos(), QPoint((1280 - frame->width()) / 2, 0));

    QWidget *profile = child(result, QStringLiteral("txtLoveProfile"));
    QCOMPARE(profile->palette().color(QPalette::Base), band);
    QCOMPARE(profile->palette().color(QPalette::Text), QColor(Qt::white));
    // The co-branding offer lies over the full-branding one and hides it.
    QWidget *fullBrand = child(result, QStringLiteral("lblFullBrand"));
    QWidget *coBrand = child(result, QStringLiteral("lblCobrand"));
    const QObjectList order = coBrand->parentWidget()->children();
    QVERIFY(order.indexOf(coBrand) > order.indexOf(fullBrand));
    QVERIFY(coBrand->geometry().intersects(fullBrand->geometry()) && coBrand->autoFillBackground());
    QCOMPARE(coBrand->palette().color(QPalette::Window), band);

    // Assistive technology can name every control (a value label by the text it shows).
    for (QWidget *control : result->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(control) || qobject_cast<QPlainTextEdit *>(control)
            || qobject_cast<QPushButton *>(control)) {
            QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(shown && !shown->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    // Its labels and menus open the maker's pages, and the result stays as it was.
    QCOMPARE(
        pagesOpened(m_desk.mdi(), result, m_desk.platform().opened, QStringLiteral("mnumakemoney")),
        pageControls(QStringLiteral("mnumakemoney")));
    QCOMPARE(shownReading(m_desk.mdi()), result);
}

QTEST_MAIN(TestSunSignReading)
#include "tst_sunsignreading.moc"
