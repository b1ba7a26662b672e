#include "FakePlatform.h"
#include "GuiTestSupport.h"

#include "app/ReadingState.h"
#include "assets/texts/ReadingTexts.h"
#include "input/frmLoveAstrologyMain.h"
#include "input/frmRomanceAstrologyMain.h"
#include "readings/love/LoveProfile.h"
#include "readings/love/frmLoveAstrologyDisplay.h"
#include "readings/romance/frmRomanceAstrologyDisplay.h"
#include "zodiac/ZodiacSign.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QUrlQuery>

using namespace GuiTest;

namespace {

enum class Kind { Love, Romance };

// The main window on the stand-in desktop (a 1280 x 1024 screen at 96 dpi: 15 twips a pixel).
struct Session
{
    Session()
    {
        mdi.resize(1280, 1000);
        mdi.show();
    }
    // Also after a failed check: the main window must not go with reading windows still open.
    ~Session()
    {
        mdi.CloseReadingWindows();
        flushDeletes();
    }
    FakePlatform platform;
    frmMDI mdi;
};

ReadingWindow *inputWindow(frmMDI &mdi, Kind kind)
{
    if (kind == Kind::Love)
        return mdi.loadedWindow<frmLoveAstrologyMain>();
    return mdi.loadedWindow<frmRomanceAstrologyMain>();
}

ReadingWindow *resultWindow(frmMDI &mdi, Kind kind)
{
    if (kind == Kind::Love)
        return mdi.loadedWindow<frmLoveAstrologyDisplay>();
    return mdi.loadedWindow<frmRomanceAstrologyDisplay>();
}

QString resultName(Kind kind)
{
    return kind == Kind::Love ? QStringLiteral("frmLoveAstrologyDisplay")
                              : QStringLiteral("frmRomanceAstrologyDisplay");
}

// Opens the reading with its button on the main window.
ReadingWindow *openReading(frmMDI &mdi, Kind kind)
{
    const int button = kind == Kind::Love ? 0 : 1;
    QTest::mouseClick(child(&mdi, QStringLiteral("cmdSelectOption_%1").arg(button)),
                      Qt::LeftButton);
    return inputWindow(mdi, kind);
}

void typeName(ReadingWindow *input, const QString &first, const QString &last)
{
    QTest::keyClicks(child(input, QStringLiteral("txtFirstName")), first);
    QTest::keyClicks(child(input, QStringLiteral("txtLastName")), last);
}

void pickDate(ReadingWindow *input, int day, int month)
{
    child<QComboBox>(input, QStringLiteral("cboDate"))->setCurrentIndex(day - 1);
    child<QComboBox>(input, QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
}

void pressNext(ReadingWindow *input)
{
    QTest::mouseClick(child(input, QStringLiteral("cmdNext")), Qt::LeftButton);
}

// Opens the reading, fills in the form and asks for the reading; the result window, if any.
ReadingWindow *readFor(frmMDI &mdi, Kind kind, int day, int month)
{
    ReadingWindow *input = openReading(mdi, kind);
    typeName(input, QStringLiteral("MARY"), QStringLiteral("JONES"));
    pickDate(input, day, month);
    pressNext(input);
    return resultWindow(mdi, kind);
}

QString labelText(QWidget *window, const char *name)
{
    return child<QLabel>(window, QLatin1String(name))->text();
}

QString boxText(QWidget *window, const char *name)
{
    return child<QPlainTextEdit>(window, QLatin1String(name))->toPlainText();
}

QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

kesto::ZodiacSign signNamed(const QString &name)
{
    return *kesto::signFromDisplayName(name.toStdString());
}

// A profile as its box shows it: each CR LF pair is one line break.
QString shownProfile(Kind kind, kesto::ZodiacSign sign)
{
    const QString text = kind == Kind::Love ? QString::fromStdString(kesto::LoveProfileText(sign))
                                            : textOf(kesto::RomanceProfileText(sign));
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Everything the first tab shows.
QStringList card(QWidget *result)
{
    return {labelText(result, "lblSunSign"),
            labelText(result, "lblSunSignElement"),
            labelText(result, "lblSunSignBirthStone"),
            labelText(result, "lblSunSignNumber"),
            labelText(result, "lblSunSignDay"),
            labelText(result, "lblSunSignCompatibility"),
            boxText(result, "txtSunSignPositiveTraits"),
            boxText(result, "txtSunSignNegativeTraits")};
}

QImage shownPicture(QWidget *result)
{
    return child<QLabel>(result, QStringLiteral("picSunSign"))->pixmap().toImage();
}

QStringList menuBarNames(frmMDI &mdi)
{
    QStringList names;
    for (QAction *entry : mdi.menuBar()->actions())
        names << entry->objectName();
    return names;
}

QString openedPage(const FakePlatform &platform)
{
    if (platform.opened.size() != 1)
        return QStringLiteral("%1 pages opened").arg(platform.opened.size());
    const QUrl &address = platform.opened.first();
    if (address.path() != QStringLiteral("/kesto-free-astrology-suite/ssd.php"))
        return address.toString();
    return QUrlQuery(address).queryItemValue(QStringLiteral("page"));
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestSunSignReading : public QObject
{
    Q_OBJECT

private slots:
    void nextShowsTheReading_data();
    void nextShowsTheReading();
    void listsLeftAsTheyOpenGiveCapricorn_data();
    void listsLeftAsTheyOpenGiveCapricorn();
    void firstNameMissingOpensNothing_data();
    void firstNameMissingOpensNothing();
    void backReturnsToTheEntries_data();
    void backReturnsToTheEntries();
    void exitShowsTheWelcomePanel_data();
    void exitShowsTheWelcomePanel();
    void nextAfterBackBuildsAFreshWindow_data();
    void nextAfterBackBuildsAFreshWindow();
    void loveAndRomanceShareTheCard_data();
    void loveAndRomanceShareTheCard();
    void eachReadingSetsCurrentSunSign();
    void windowLayout_data();
    void windowLayout();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void pagesOpenFromTheResultWindow_data();
    void pagesOpenFromTheResultWindow();
};

void TestSunSignReading::nextShowsTheReading_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QStringList>("values"); // sign, element, stone, number, day, compatibility
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("paragraphs");

    const auto Love = Kind::Love;
    const auto Romance = Kind::Romance;
    // clang-format off
    QTest::newRow("love 20 January") << Love << 20 << 1
        << QStringList{"Aquarius", "Air", "Amethyst", "1 and 7", "Wednesday", "Taurus and Virgo"}
        << "aquarius.jpg" << 1;
    QTest::newRow("love 19 January") << Love << 19 << 1
        << QStringList{"Capricorn", "Earth", "Garnet", "8 and 2", "Saturday", "Taurus and Virgo"}
        << "capricorn.jpg" << 1;
    QTest::newRow("love 31 February") << Love << 31 << 2
        << QStringList{"Pisces", "Water", "Aquamarine", "2 and 6", "Friday", "Taurus and Virgo"}
        << "pisces.jpg" << 1;
    QTest::newRow("love 5 June, three paragraphs") << Love << 5 << 6
        << QStringList{"Gemini", "Air", "Agate", "5", "Wednesday", "Aquarius and Libra"}
        << "gemini.jpg" << 3;
    QTest::newRow("love 1 May, run together") << Love << 1 << 5
        << QStringList{"Taurus", "Earth", "Emerald", "6", "Friday", "Capricorn and Virgo"}
        << "taurus.jpg" << 1;
    QTest::newRow("love 21 March, two paragraphs") << Love << 21 << 3
        << QStringList{"Aries", "Fire", "Diamond", "9", "Tuesday", "Leo and Sagittarius"}
        << "aries.jpg" << 2;
    QTest::newRow("romance 21 March") << Romance << 21 << 3
        << QStringList{"Aries", "Fire", "Diamond", "9", "Tuesday", "Leo and Sagittarius"}
        << "aries.jpg" << 1;
    QTest::newRow("romance 19 February") << Romance << 19 << 2
        << QStringList{"Pisces", "Water", "Aquamarine", "2 and 6", "Friday", "Taurus and Virgo"}
        << "pisces.jpg" << 1;
    QTest::newRow("romance 5 June") << Romance << 5 << 6
        << QStringList{"Gemini", "Air", "Agate", "5", "Wednesday", "Aquarius and Libra"}
        << "gemini.jpg" << 1;
    QTest::newRow("romance 31 November") << Romance << 31 << 11
        << QStringList{"Sagittarius", "Fire", "Turquoise", "5 and 7", "Thursday", "Aries and Leo"}
        << "sagittarius.jpg" << 1;
    // clang-format on
}

void TestSunSignReading::nextShowsTheReading()
{
    QFETCH(Kind, kind);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QStringList, values);
    QFETCH(QString, picture);
    QFETCH(int, paragraphs);

    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.mdi));
    ReadingWindow *result = readFor(s.mdi, kind, day, month);
    QVERIFY(result);
    QVERIFY(s.platform.messages.isEmpty());

    const kesto::ZodiacSign sign = signNamed(values.first());
    QCOMPARE(ReadingState::CurrentSunSign, values.first());
    const kesto::TraitTexts traits = kesto::SunSignTraits(sign);
    QCOMPARE(card(result),
             (values + QStringList {textOf(traits.positive), textOf(traits.negative)}));

    auto *profile = child<QPlainTextEdit>(result, QStringLiteral("txtLoveProfile"));
    QCOMPARE(profile->toPlainText(), shownProfile(kind, sign));
    // Paragraphs with one empty line between them, nothing more.
    const QTextDocument *document = profile->document();
    QCOMPARE(document->blockCount(), 2 * paragraphs - 1);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        QCOMPARE(block.text().isEmpty(), block.blockNumber() % 2 == 1);

    // The result stands in for the input window, on its first tab, with its menus.
    QCOMPARE(visibleSubWindows(s.mdi), QStringList {resultName(kind)});
    QVERIFY(inputWindow(s.mdi, kind));
    QVERIFY(!inputWindow(s.mdi, kind)->isShownInMdi());
    QVERIFY(!s.mdi.isWelcomePanelVisible());
    QCOMPARE(child<QTabWidget>(result, QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(s.mdi.menuBar()->actions(), result->menuBarActions());
    QCOMPARE(subWindowCount(s.mdi), 2);

    const QImage expected(QStringLiteral(":/signs/") + picture);
    QVERIFY2(!expected.isNull(), "the sign pictures are not in the program's resources");
    QCOMPARE(shownPicture(result), expected);

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::listsLeftAsTheyOpenGiveCapricorn_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("love") << Kind::Love;
    QTest::newRow("romance") << Kind::Romance;
}

void TestSunSignReading::listsLeftAsTheyOpenGiveCapricorn()
{
    QFETCH(Kind, kind);
    Session s;
    ReadingWindow *input = openReading(s.mdi, kind);
    typeName(input, QStringLiteral("ANN"), QStringLiteral("LEE"));
    pressNext(input);
    ReadingWindow *result = resultWindow(s.mdi, kind);
    QVERIFY(result);
    QCOMPARE(labelText(result, "lblSunSign"), QStringLiteral("Capricorn"));
    QCOMPARE(labelText(result, "lblSunSignNumber"), QStringLiteral("8 and 2"));

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::firstNameMissingOpensNothing_data()
{
    listsLeftAsTheyOpenGiveCapricorn_data();
}

void TestSunSignReading::firstNameMissingOpensNothing()
{
    QFETCH(Kind, kind);
    Session s;
    ReadingState::CurrentSunSign = QStringLiteral("Leo");
    ReadingWindow *input = openReading(s.mdi, kind);
    typeName(input, QString(), QStringLiteral("JONES"));
    pickDate(input, 20, 1);
    pressNext(input);

    QCOMPARE(s.platform.messages, QStringList {QStringLiteral("Please Enter Your First Name")});
    QVERIFY(input->isShownInMdi());
    QVERIFY(!resultWindow(s.mdi, kind));
    QVERIFY(!s.mdi.isWelcomePanelVisible());
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Leo"));
    QCOMPARE(subWindowCount(s.mdi), 1);

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::backReturnsToTheEntries_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("love, button") << Kind::Love << false;
    QTest::newRow("love, menu") << Kind::Love << true;
    QTest::newRow("romance, button") << Kind::Romance << false;
    QTest::newRow("romance, menu") << Kind::Romance << true;
}

void TestSunSignReading::backReturnsToTheEntries()
{
    QFETCH(Kind, kind);
    QFETCH(bool, byMenu);
    Session s;
    ReadingWindow *input = openReading(s.mdi, kind);
    typeName(input, QStringLiteral("ANNA"), QStringLiteral("SMITH"));
    QTest::keyClicks(child(input, QStringLiteral("txtMiddleName")), QStringLiteral("MAE"));
    pickDate(input, 23, 8);
    const QStringList entered = {child<QLineEdit>(input, QStringLiteral("txtFirstName"))->text(),
                                 child<QLineEdit>(input, QStringLiteral("txtMiddleName"))->text(),
                                 child<QLineEdit>(input, QStringLiteral("txtLastName"))->text()};
    pressNext(input);
    QPointer<ReadingWindow> result = resultWindow(s.mdi, kind);
    QVERIFY(result);

    if (byMenu)
        action(result, QStringLiteral("mnuBack"))->trigger();
    else
        QTest::mouseClick(child(result, QStringLiteral("cmdBack")), Qt::LeftButton);

    QCOMPARE(subWindowCount(s.mdi), 1);
    QVERIFY(!result);
    QVERIFY(!resultWindow(s.mdi, kind));
    QCOMPARE(inputWindow(s.mdi, kind), input);
    QCOMPARE(visibleSubWindows(s.mdi), QStringList {input->objectName()});
    QVERIFY(!s.mdi.isWelcomePanelVisible());
    QCOMPARE(s.mdi.menuBar()->actions(), input->menuBarActions());
    QCOMPARE((QStringList {child<QLineEdit>(input, QStringLiteral("txtFirstName"))->text(),
                           child<QLineEdit>(input, QStringLiteral("txtMiddleName"))->text(),
                           child<QLineEdit>(input, QStringLiteral("txtLastName"))->text()}),
             entered);
    QCOMPARE(child<QComboBox>(input, QStringLiteral("cboDate"))->currentText(),
             QStringLiteral("23"));
    QCOMPARE(child<QComboBox>(input, QStringLiteral("cboMonth"))->currentText(),
             QStringLiteral("August"));
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Virgo"));

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::exitShowsTheWelcomePanel_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("love, menu") << Kind::Love << false;
    QTest::newRow("love, close box") << Kind::Love << true;
    QTest::newRow("romance, menu") << Kind::Romance << false;
    QTest::newRow("romance, close box") << Kind::Romance << true;
}

void TestSunSignReading::exitShowsTheWelcomePanel()
{
    QFETCH(Kind, kind);
    QFETCH(bool, byCloseBox);
    Session s;
    QPointer<ReadingWindow> result = readFor(s.mdi, kind, 4, 7);
    QVERIFY(result);

    if (byCloseBox)
        result->subWindow()->close();
    else
        action(result, QStringLiteral("mnuExit"))->trigger();

    QCOMPARE(subWindowCount(s.mdi), 1);
    QVERIFY(!result);
    QVERIFY(s.mdi.isWelcomePanelVisible());
    QVERIFY(visibleSubWindows(s.mdi).isEmpty());
    // The input window stays loaded, hidden, until the reading windows are closed.
    QVERIFY(inputWindow(s.mdi, kind));
    QVERIFY(!inputWindow(s.mdi, kind)->isShownInMdi());
    QVERIFY(menuBarNames(s.mdi).contains(QStringLiteral("mkmoney")));

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::nextAfterBackBuildsAFreshWindow_data()
{
    listsLeftAsTheyOpenGiveCapricorn_data();
}

void TestSunSignReading::nextAfterBackBuildsAFreshWindow()
{
    QFETCH(Kind, kind);
    Session s;
    QPointer<ReadingWindow> first = readFor(s.mdi, kind, 20, 1);
    QVERIFY(first);
    child<QTabWidget>(first, QStringLiteral("SSTab1"))->setCurrentIndex(1);
    QTest::mouseClick(child(first, QStringLiteral("cmdBack")), Qt::LeftButton);

    ReadingWindow *input = inputWindow(s.mdi, kind);
    pickDate(input, 10, 10);
    pressNext(input);
    ReadingWindow *second = resultWindow(s.mdi, kind);
    QVERIFY(second);
    flushDeletes();
    QVERIFY(!first);

    const kesto::TraitTexts libra = kesto::SunSignTraits(kesto::ZodiacSign::Libra);
    QCOMPARE(card(second),
             (QStringList {"Libra", "Air", "Opal", "6 and 9", "Friday", "Aquarius and Gemini",
                           textOf(libra.positive), textOf(libra.negative)}));
    QCOMPARE(boxText(second, "txtLoveProfile"), shownProfile(kind, kesto::ZodiacSign::Libra));
    QCOMPARE(child<QTabWidget>(second, QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(visibleSubWindows(s.mdi), QStringList {resultName(kind)});
    QCOMPARE(subWindowCount(s.mdi), 2);

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::loveAndRomanceShareTheCard_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::newRow("5 June") << 5 << 6;
    QTest::newRow("23 August") << 23 << 8;
    QTest::newRow("31 December") << 31 << 12;
}

void TestSunSignReading::loveAndRomanceShareTheCard()
{
    QFETCH(int, day);
    QFETCH(int, month);
    Session s;
    ReadingWindow *love = readFor(s.mdi, Kind::Love, day, month);
    QVERIFY(love);
    const QStringList loveCard = card(love);
    const QImage lovePicture = shownPicture(love);
    const QString loveProfile = boxText(love, "txtLoveProfile");

    // Choosing the other reading closes the first one's windows.
    ReadingWindow *romance = readFor(s.mdi, Kind::Romance, day, month);
    QVERIFY(romance);
    QVERIFY(!resultWindow(s.mdi, Kind::Love));
    QCOMPARE(card(romance), loveCard);
    QCOMPARE(shownPicture(romance), lovePicture);
    const kesto::ZodiacSign sign = signNamed(loveCard.first());
    QCOMPARE(loveProfile, shownProfile(Kind::Love, sign));
    QCOMPARE(boxText(romance, "txtLoveProfile"), shownProfile(Kind::Romance, sign));
    QVERIFY(loveProfile != boxText(romance, "txtLoveProfile"));

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::eachReadingSetsCurrentSunSign()
{
    Session s;
    QVERIFY(readFor(s.mdi, Kind::Love, 20, 1));
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Aquarius"));
    QVERIFY(readFor(s.mdi, Kind::Romance, 21, 3));
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Aries"));
    ReadingWindow *love = readFor(s.mdi, Kind::Love, 19, 1);
    QVERIFY(love);
    QCOMPARE(ReadingState::CurrentSunSign, QStringLiteral("Capricorn"));
    QCOMPARE(labelText(love, "lblSunSign"), QStringLiteral("Capricorn"));

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::windowLayout_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QString>("profileTab");
    QTest::addColumn<QString>("profileHeading");
    QTest::addColumn<QRect>("positiveBox");
    QTest::addColumn<QRect>("negativeBox");
    QTest::addColumn<QColor>("band");
    QTest::addColumn<QColor>("headings");
    QTest::addColumn<QColor>("values");
    QTest::addColumn<QColor>("sign");

    // Pixels at 15 twips each.
    // clang-format off
    QTest::newRow("love") << Kind::Love << "Kesto Love Astrology" << QSize(528, 429)
        << "Love Profile" << "More About Your Love Profile"
        << QRect(16, 240, 249, 68) << QRect(272, 240, 249, 68)
        << QColor(0, 64, 0) << QColor(0, 64, 0) << QColor(64, 0, 0) << QColor(255, 0, 255);
    QTest::newRow("romance") << Kind::Romance << "Kesto Romance Astrology" << QSize(528, 481)
        << " Romance Profile" << "More About Your Romance Profile"
        << QRect(16, 216, 497, 60) << QRect(16, 296, 497, 57)
        << QColor(90, 35, 220) << QColor(64, 0, 64) << QColor(90, 35, 220) << QColor(192, 0, 0);
    // clang-format on
}

void TestSunSignReading::windowLayout()
{
    QFETCH(Kind, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QString, profileTab);
    QFETCH(QString, profileHeading);
    QFETCH(QRect, positiveBox);
    QFETCH(QRect, negativeBox);
    QFETCH(QColor, band);
    QFETCH(QColor, headings);
    QFETCH(QColor, values);
    QFETCH(QColor, sign);

    Session s;
    ReadingWindow *result = readFor(s.mdi, kind, 12, 12);
    QVERIFY(result);
    QCOMPARE(result->windowTitle(), caption);
    QCOMPARE(result->size(), clientSize);

    // Centred on the screen, at the top of the area.
    QWidget *frame = result->subWindow();
    QCOMPARE(frame->y(), 0);
    QVERIFY2(qAbs(frame->x() - (1280 - frame->width()) / 2) <= 1,
             qPrintable(QStringLiteral("left edge %1").arg(frame->x())));

    auto *tabs = child<QTabWidget>(result, QStringLiteral("SSTab1"));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Sun Sign Profile"));
    QCOMPARE(tabs->tabText(1), profileTab);
    QCOMPARE(labelText(result, "Label1"), profileHeading);
    QCOMPARE(child(result, QStringLiteral("Label1"))->palette().color(QPalette::WindowText),
             kind == Kind::Love ? headings : QColor(128, 0, 128));

    QCOMPARE(child(result, QStringLiteral("txtSunSignPositiveTraits"))->geometry(), positiveBox);
    QCOMPARE(child(result, QStringLiteral("txtSunSignNegativeTraits"))->geometry(), negativeBox);
    for (const char *name :
         {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits", "txtLoveProfile"}) {
        auto *box = child<QPlainTextEdit>(result, QLatin1String(name));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->palette().color(QPalette::Base), band);
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::white));
    }
    for (const char *name :
         {"Label15", "Label11", "Label27", "Label23", "Label21", "Label17", "Label13", "Label10"}) {
        QWidget *heading = child(result, QLatin1String(name));
        QCOMPARE(heading->palette().color(QPalette::WindowText), headings);
        QVERIFY(heading->font().bold() && heading->font().underline());
    }
    for (const char *name : {"lblSunSignElement", "lblSunSignBirthStone", "lblSunSignNumber",
                             "lblSunSignDay", "lblSunSignCompatibility"}) {
        QWidget *value = child(result, QLatin1String(name));
        QCOMPARE(value->palette().color(QPalette::WindowText), values);
        QCOMPARE(value->palette().color(QPalette::Window), QColor(Qt::white));
    }
    QCOMPARE(child(result, QStringLiteral("lblSunSign"))->palette().color(QPalette::WindowText),
             sign);
    QCOMPARE(child(result, QStringLiteral("lblSunSign"))->font().pointSizeF(), 9.75);
    QCOMPARE(child(result, QStringLiteral("picSunSign"))->size(), QSize(200, 200));

    // The co-branding offer lies over the full-branding one and hides it.
    QWidget *fullBrand = child(result, QStringLiteral("lblFullBrand"));
    QWidget *coBrand = child(result, QStringLiteral("lblCobrand"));
    QCOMPARE(coBrand->parentWidget(), fullBrand->parentWidget());
    const QObjectList order = coBrand->parentWidget()->children();
    QVERIFY(order.indexOf(coBrand) > order.indexOf(fullBrand));
    QVERIFY(coBrand->geometry().intersects(fullBrand->geometry()));
    QVERIFY(coBrand->autoFillBackground());
    QCOMPARE(coBrand->palette().color(QPalette::Window), band);

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::controlsAreNamed_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("meaning");

    struct Row
    {
        const char *name;
        const char *meaning;
    };
    // clang-format off
    constexpr Row Shared[] = {
        {"Label15",                  "Your Sun Sign"},
        {"Label11",                  "Element"},
        {"Label27",                  "Birthstone"},
        {"Label23",                  "Lucky Number"},
        {"Label21",                  "Lucky Day"},
        {"Label17",                  "Compatibility"},
        {"Label13",                  "Positive Traits"},
        {"Label10",                  "Negative Traits"},
        {"lblSunSign",               "Your Sun Sign"},
        {"lblSunSignElement",        "Element"},
        {"lblSunSignBirthStone",     "Birthstone"},
        {"lblSunSignNumber",         "Lucky Number"},
        {"lblSunSignDay",            "Lucky Day"},
        {"lblSunSignCompatibility",  "Compatibility"},
        {"txtSunSignPositiveTraits", "Positive Traits"},
        {"txtSunSignNegativeTraits", "Negative Traits"},
        {"cmdBack",                  "Back"},
    };
    // clang-format on
    for (Kind kind : {Kind::Love, Kind::Romance}) {
        const char *prefix = kind == Kind::Love ? "love" : "romance";
        for (const Row &row : Shared)
            QTest::addRow("%s %s", prefix, row.name) << kind << row.name << row.meaning;
    }
    const auto Love = Kind::Love;
    const auto Romance = Kind::Romance;
    // clang-format off
    QTest::newRow("love Label1")     << Love    << "Label1" << "More About Your Love Profile";
    QTest::newRow("romance Label1")  << Romance << "Label1" << "More About Your Romance Profile";
    QTest::newRow("love profile")    << Love    << "txtLoveProfile" << "Love Profile";
    QTest::newRow("romance profile") << Romance << "txtLoveProfile" << "Romance Profile";
    // clang-format on
}

void TestSunSignReading::controlsAreNamed()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, meaning);

    Session s;
    ReadingWindow *result = readFor(s.mdi, kind, 1, 9);
    QVERIFY(result);
    QWidget *control = child(result, name);
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), meaning);
    if (auto *label = qobject_cast<QLabel *>(control); label && name.startsWith("Label"))
        QCOMPARE(label->text(), meaning);
    for (const char *other : {"SSTab1", "picSunSign", "Label61", "lblFullBrand", "lblCobrand"})
        QVERIFY(!child(result, QLatin1String(other))->accessibleName().isEmpty());

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

void TestSunSignReading::pagesOpenFromTheResultWindow_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption"); // of a menu entry
    QTest::addColumn<QString>("page");

    struct Row
    {
        const char *control;
        const char *caption;
        const char *page;
    };
    // clang-format off
    const Row rows[] = {
        {"Label61",      "",                           "home-page"},
        {"lblFullBrand", "",                           "fully-branded"},
        {"lblCobrand",   "",                           "co-brand"},
        {"mnuOnline",    "&Online Help",               "help-web-page"},
        {"mnuVisit",     "&Visit Us Online",           "home-page"},
        {"mnuUpdate",    "Check for Software &Update", "download-web-page"},
        {"mnuDonate",    "&Donate",                    "donate"},
        {"mnumakemoney", "Make Money &Online",         "fully-branded"},
    };
    // clang-format on
    for (Kind kind : {Kind::Love, Kind::Romance}) {
        for (const Row &row : rows) {
            QTest::addRow("%s %s", kind == Kind::Love ? "love" : "romance", row.control)
                << kind << row.control << row.caption << row.page;
        }
    }
}

void TestSunSignReading::pagesOpenFromTheResultWindow()
{
    QFETCH(Kind, kind);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, page);

    Session s;
    ReadingWindow *result = readFor(s.mdi, kind, 14, 2);
    QVERIFY(result);
    s.platform.clear();
    if (caption.isEmpty()) {
        QTest::mouseClick(child(result, control), Qt::LeftButton);
    } else {
        QAction *entry = action(result, control);
        QVERIFY(entry);
        QCOMPARE(entry->text(), caption);
        entry->trigger();
    }
    QCOMPARE(openedPage(s.platform), page);
    // The result stays as it was.
    QCOMPARE(visibleSubWindows(s.mdi), QStringList {resultName(kind)});
    QCOMPARE(labelText(result, "lblSunSign"), QStringLiteral("Aquarius"));

    // The File menu leads back or out.
    QList<QString> file;
    for (QAction *entry : child<QMenu>(result, QStringLiteral("mnuFile"))->actions())
        file << entry->objectName() + QLatin1Char('=') + entry->text();
    QCOMPARE(file, (QList<QString> {"mnuBack=Back", "mnuExit=E&xit"}));

    s.mdi.CloseReadingWindows();
    QCOMPARE(subWindowCount(s.mdi), 0);
}

QTEST_MAIN(TestSunSignReading)
#include "tst_sunsignreading.moc"
