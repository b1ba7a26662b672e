#include "FakePlatform.h"
#include "app/ReadingState.h"
#include "app/frmMDI.h"
#include "assets/texts/ReadingTexts.h"
#include "input/frmSexualAstrologyMain.h"
#include "input/frmZodiacLoveSignMain.h"
#include "readings/eros/frmSexualAstrologyDisplay.h"
#include "readings/lovesign/frmZodiacLoveSignDisplay.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

using kesto::ZodiacSign;

namespace {

enum class Kind { Zodiac, Sexual };

// What the tests need to know of each of the two readings.
struct Reading
{
    const char *selectButton; // on the main window's button strip
    ReadingWindowId input;
    ReadingWindowId result;
    const char *signLabel;
    const char *findEntry; // the input window's File entry that runs the reading
    std::string_view (*describe)(ZodiacSign);
    QString *state;
};

const Reading &readingOf(Kind kind)
{
    static const Reading zodiac {"cmdSelectOption_3",
                                 ReadingWindowId::ZodiacLoveSignMain,
                                 ReadingWindowId::ZodiacLoveSignDisplay,
                                 "lblLoveSign",
                                 "mnuFindLoveSign",
                                 kesto::LoveSignText,
                                 &ReadingState::LoveSign};
    static const Reading sexual {"cmdSelectOption_2",
                                 ReadingWindowId::SexualAstrologyMain,
                                 ReadingWindowId::SexualAstrologyDisplay,
                                 "lblSexualitySign",
                                 "mnuFindSexualitySign",
                                 kesto::ErosSignText,
                                 &ReadingState::ErosSign};
    return kind == Kind::Zodiac ? zodiac : sexual;
}

QString description(Kind kind, const QString &signName)
{
    const std::optional<ZodiacSign> sign = kesto::signFromDisplayName(signName.toStdString());
    const std::string_view text = sign ? readingOf(kind).describe(*sign) : std::string_view();
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// One main window as the program shows it, on the fixed screen of the stand-in platform.
struct Session
{
    explicit Session(Kind kind) : reading(readingOf(kind))
    {
        // As maximized on the stand-in 1280 x 1024 screen.
        mdi.resize(1280, 1000);
        mdi.show();
    }
    // Closed as the program closes them, before the main window goes.
    ~Session() { mdi.CloseReadingWindows(); }

    ReadingWindow *input() const { return mdi.loadedWindow(reading.input); }
    ReadingWindow *result() const { return mdi.loadedWindow(reading.result); }
    template<class T = QWidget>
    T *inInput(const char *name) const
    {
        return input() ? input()->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    template<class T = QWidget>
    T *inResult(const char *name) const
    {
        return result() ? result()->findChild<T *>(QLatin1String(name)) : nullptr;
    }

    // Opens the input window from the main window's button strip.
    bool open()
    {
        auto *button = mdi.findChild<QPushButton *>(QLatin1String(reading.selectButton));
        if (!button)
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return input() && input()->isShownInMdi();
    }

    // Types the name and picks the date from the lists, as a user would.
    bool enter(const QString &name, int day, const QString &month, int year)
    {
        auto *nameField = inInput<QLineEdit>("txtName");
        if (!nameField)
            return false;
        nameField->clear();
        QTest::keyClicks(nameField, name);
        return pick("cboDate", QString::number(day)) && pick("cboMonth", month)
            && pick("cboYear", QString::number(year));
    }

    bool pick(const char *list, const QString &text)
    {
        auto *box = inInput<QComboBox>(list);
        const int index = box ? box->findText(text) : -1;
        if (index < 0)
            return false;
        box->setCurrentIndex(index);
        return true;
    }

    void clickNext() { QTest::mouseClick(inInput<QPushButton>("cmdNext"), Qt::LeftButton); }

    // An entry of the menu bar the main window shows at the moment, top level or in a menu.
    QAction *menuEntry(const QString &name) const
    {
        for (QAction *top : mdi.menuBar()->actions()) {
            if (top->objectName() == name)
                return top;
            if (QMenu *menu = top->menu()) {
                for (QAction *entry : menu->actions()) {
                    if (entry->objectName() == name)
                        return entry;
                }
            }
        }
        return nullptr;
    }

    int subWindowCount() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return int(mdi.mdiArea()->subWindowList().size());
    }

    FakePlatform platform; // before the main window: it fixes the screen
    frmMDI mdi;
    const Reading &reading;
};

QRect pixels(int left, int top, int width, int height)
{
    // 96 dpi: 15 twips to the pixel.
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestTableReadings : public QObject
{
    Q_OBJECT

private slots:
    void readingShowsSign_data();
    void readingShowsSign();
    void refusedEntries_data();
    void refusedEntries();
    void backReturnsToInput_data();
    void backReturnsToInput();
    void exitLeavesWelcomePanel_data();
    void exitLeavesWelcomePanel();
    void placement_data();
    void placement();
    void controlPositions_data();
    void controlPositions();
    void labelLooks_data();
    void labelLooks();
    void menus_data();
    void menus();
    void webPages_data();
    void webPages();
    void freshZodiacWindowKeepsCancerForUnknownSign();
};

void TestTableReadings::readingShowsSign_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<bool>("viaMenu"); // the input window's File entry instead of its button

    // clang-format off
    QTest::newRow("love 1930-01-01")      << Kind::Zodiac << 1  << "January"   << 1930 << "Capricorn"   << false;
    QTest::newRow("love 1930-01-01 menu") << Kind::Zodiac << 1  << "January"   << 1930 << "Capricorn"   << true;
    QTest::newRow("love 2012-12-31")      << Kind::Zodiac << 31 << "December"  << 2012 << "Sagittarius" << false;
    QTest::newRow("love 1945-06-04")      << Kind::Zodiac << 4  << "June"      << 1945 << "Aries"       << false;
    QTest::newRow("love 1945-06-05")      << Kind::Zodiac << 5  << "June"      << 1945 << "Taurus"      << false;
    QTest::newRow("love 1973-02-29")      << Kind::Zodiac << 29 << "February"  << 1973 << "Pisces"      << false;
    QTest::newRow("eros 1940-01-01")      << Kind::Sexual << 1  << "January"   << 1940 << "Scorpio"     << false;
    QTest::newRow("eros 1940-01-01 menu") << Kind::Sexual << 1  << "January"   << 1940 << "Scorpio"     << true;
    QTest::newRow("eros 1952-02-29")      << Kind::Sexual << 29 << "February"  << 1952 << "Taurus"      << false;
    QTest::newRow("eros 1943-09-30")      << Kind::Sexual << 30 << "September" << 1943 << "Libra"       << false;
    QTest::newRow("eros 1941-02-29")      << Kind::Sexual << 29 << "February"  << 1941 << "Pisces"      << false;
    // clang-format on
}

void TestTableReadings::readingShowsSign()
{
    QFETCH(Kind, kind);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    QFETCH(bool, viaMenu);

    Session session(kind);
    QVERIFY(session.open());
    QVERIFY(session.enter(QStringLiteral("Ann"), day, month, year));
    if (viaMenu) {
        QAction *find = session.menuEntry(QLatin1String(session.reading.findEntry));
        QVERIFY(find);
        find->trigger();
    } else {
        session.clickNext();
    }

    QVERIFY2(session.platform.messages.isEmpty(), qPrintable(session.platform.messages.join('|')));
    QVERIFY(session.result());
    QCOMPARE(session.inResult<QLabel>(session.reading.signLabel)->text(), sign);
    QCOMPARE(session.inResult<QLabel>("lblSignDesc")->text(), description(kind, sign));
    QCOMPARE(*session.reading.state, sign);

    QVERIFY(session.result()->isShownInMdi());
    QVERIFY(session.input() && !session.input()->isShownInMdi());
    QVERIFY(!session.mdi.isWelcomePanelVisible());
    QCOMPARE(session.mdi.menuBar()->actions(), session.result()->menuBarActions());
    QCOMPARE(session.subWindowCount(), 2);
}

void TestTableReadings::refusedEntries_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("message");

    // clang-format off
    QTest::newRow("love no name") << Kind::Zodiac << "" << 4  << "June"     << "Please Enter Your Name";
    QTest::newRow("love 30 Feb")  << Kind::Zodiac << "Ann" << 30 << "February" << "Please Enter Correct Date of Birth!";
    QTest::newRow("love 31 Apr")  << Kind::Zodiac << "Ann" << 31 << "April"    << "Please Enter Correct Date of Birth !";
    QTest::newRow("eros no name") << Kind::Sexual << "" << 4  << "June"     << "Please Enter Your Name";
    QTest::newRow("eros 30 Feb")  << Kind::Sexual << "Ann" << 30 << "February" << "Please Enter Your Correct Date of Birth!";
    QTest::newRow("eros 31 Jun")  << Kind::Sexual << "Ann" << 31 << "June"     << "Please Enter Your Correct Date of Birth !";
    // clang-format on
}

void TestTableReadings::refusedEntries()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(QString, message);

    Session session(kind);
    *session.reading.state = QStringLiteral("unchanged");
    QVERIFY(session.open());
    QVERIFY(session.enter(name, day, month, 1950));
    session.clickNext();

    QCOMPARE(session.platform.messages, QStringList {message});
    QVERIFY(!session.result());
    QCOMPARE(*session.reading.state, QStringLiteral("unchanged"));
    QVERIFY(session.input()->isShownInMdi());
    QVERIFY(!session.mdi.isWelcomePanelVisible());
    QCOMPARE(session.subWindowCount(), 1);
}

void TestTableReadings::backReturnsToInput_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("laterDay");
    QTest::addColumn<QString>("laterMonth");
    QTest::addColumn<QString>("laterSign");

    // clang-format off
    QTest::newRow("love button") << Kind::Zodiac << false << 4  << "June"      << 1945 << "Aries" << 5 << "June"    << "Taurus";
    QTest::newRow("love menu")   << Kind::Zodiac << true  << 4  << "June"      << 1945 << "Aries" << 5 << "June"    << "Taurus";
    QTest::newRow("eros button") << Kind::Sexual << false << 30 << "September" << 1943 << "Libra" << 1 << "October" << "Scorpio";
    QTest::newRow("eros menu")   << Kind::Sexual << true  << 30 << "September" << 1943 << "Libra" << 1 << "October" << "Scorpio";
    // clang-format on
}

void TestTableReadings::backReturnsToInput()
{
    QFETCH(Kind, kind);
    QFETCH(bool, viaMenu);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    QFETCH(int, laterDay);
    QFETCH(QString, laterMonth);
    QFETCH(QString, laterSign);

    Session session(kind);
    QVERIFY(session.open());
    QVERIFY(session.enter(QStringLiteral("Ann"), day, month, year));
    auto goBack = [&] {
        if (viaMenu)
            session.menuEntry(QStringLiteral("mnuFileBack"))->trigger();
        else
            QTest::mouseClick(session.inResult<QPushButton>("cmdBack"), Qt::LeftButton);
    };

    // The same entries twice, then a changed date; each time in a fresh result window.
    const QString expectations[] = {sign, sign, laterSign};
    for (int round = 0; round < 3; ++round) {
        if (round == 2) {
            QVERIFY(session.pick("cboDate", QString::number(laterDay)));
            QVERIFY(session.pick("cboMonth", laterMonth));
        }
        const QString &expected = expectations[round];
        session.clickNext();
        QPointer<ReadingWindow> shown = session.result();
        QVERIFY(shown && shown->isShownInMdi());
        QCOMPARE(session.inResult<QLabel>(session.reading.signLabel)->text(), expected);
        QCOMPARE(session.inResult<QLabel>("lblSignDesc")->text(), description(kind, expected));
        QCOMPARE(session.subWindowCount(), 2);

        goBack();
        QCOMPARE(session.subWindowCount(), 1);
        QVERIFY(!shown);
        QVERIFY(!session.result());
        QVERIFY(session.input()->isShownInMdi());
        QVERIFY(!session.mdi.isWelcomePanelVisible());
        QCOMPARE(session.mdi.menuBar()->actions(), session.input()->menuBarActions());
        QCOMPARE(session.inInput<QLineEdit>("txtName")->text(), QStringLiteral("ANN"));
        QCOMPARE(session.inInput<QComboBox>("cboDate")->currentText(),
                 QString::number(round < 2 ? day : laterDay));
        QCOMPARE(session.inInput<QComboBox>("cboMonth")->currentText(),
                 round < 2 ? month : laterMonth);
        QCOMPARE(session.inInput<QComboBox>("cboYear")->currentText(), QString::number(year));
    }
}

void TestTableReadings::exitLeavesWelcomePanel_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("love button") << Kind::Zodiac << false;
    QTest::newRow("love menu") << Kind::Zodiac << true;
    QTest::newRow("eros button") << Kind::Sexual << false;
    QTest::newRow("eros menu") << Kind::Sexual << true;
}

void TestTableReadings::exitLeavesWelcomePanel()
{
    QFETCH(Kind, kind);
    QFETCH(bool, viaMenu);

    Session session(kind);
    QVERIFY(session.open());
    QVERIFY(session.enter(QStringLiteral("Ann"), 2, QStringLiteral("March"), 1960));
    session.clickNext();
    QVERIFY(session.result());

    if (viaMenu)
        session.menuEntry(QStringLiteral("mnuExit"))->trigger();
    else
        QTest::mouseClick(session.inResult<QPushButton>("cmdExit"), Qt::LeftButton);

    QCOMPARE(session.subWindowCount(), 1);
    QVERIFY(!session.result());
    QVERIFY(session.mdi.isWelcomePanelVisible());
    QVERIFY(session.input() && !session.input()->isShownInMdi());
    QVERIFY(session.menuEntry(QStringLiteral("mkmoney")));
}

void TestTableReadings::placement_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addColumn<QString>("caption");
    QTest::newRow("love") << Kind::Zodiac << QSize(7260, 5295) << "Kesto Zodiac Love Sign";
    QTest::newRow("eros") << Kind::Sexual << QSize(8415, 6135) << "Kesto Sexual Astrology";
}

void TestTableReadings::placement()
{
    QFETCH(Kind, kind);
    QFETCH(QSize, clientTwips);
    QFETCH(QString, caption);

    Session session(kind);
    QVERIFY(session.open());
    QVERIFY(session.enter(QStringLiteral("Ann"), 2, QStringLiteral("March"), 1960));
    session.clickNext();

    ReadingWindow *result = session.result();
    QVERIFY(result);
    QCOMPARE(result->windowTitle(), caption);
    QCOMPARE(result->size(), pixels(0, 0, clientTwips.width(), clientTwips.height()).size());
    QMdiSubWindow *frame = result->subWindow();
    QVERIFY(frame);
    QCOMPARE(frame->x(), (1280 - frame->width()) / 2);
    QCOMPARE(frame->y(), 0);
}

void TestTableReadings::controlPositions_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    // clang-format off
    const struct { Kind kind; const char *name; QRect twips; } controls[] = {
        {Kind::Zodiac, "Frame2",           {0, 0, 7215, 615}},
        {Kind::Zodiac, "fraLoveSign",      {0, 600, 7215, 3255}},
        {Kind::Zodiac, "Label6",           {1785, 480, 3750, 210}},
        {Kind::Zodiac, "Label7",           {2048, 960, 3165, 210}},
        {Kind::Zodiac, "lblLoveSign",      {3053, 1320, 1155, 210}},
        {Kind::Zodiac, "lblSignDesc",      {120, 1800, 6975, 1215}},
        {Kind::Zodiac, "cmdBack",          {0, 3960, 5895, 465}},
        {Kind::Zodiac, "cmdExit",          {6000, 3960, 1215, 465}},
        {Kind::Zodiac, "Frame5",           {0, 4440, 7215, 855}},
        {Kind::Sexual, "Frame2",           {0, 0, 8415, 615}},
        {Kind::Sexual, "fraSexualitySign", {0, 600, 8415, 3975}},
        {Kind::Sexual, "Label2",           {2182, 360, 4050, 210}},
        {Kind::Sexual, "Label12",          {2722, 720, 2970, 210}},
        {Kind::Sexual, "lblSexualitySign", {3397, 1080, 1620, 210}},
        {Kind::Sexual, "lblSignDesc",      {180, 1440, 8055, 2415}},
        {Kind::Sexual, "cmdBack",          {0, 4680, 7095, 465}},
        {Kind::Sexual, "cmdExit",          {7200, 4680, 1215, 465}},
        {Kind::Sexual, "Frame5",           {0, 5160, 8415, 975}},
    };
    // clang-format on
    for (const auto &control : controls) {
        QTest::addRow("%s %s", control.kind == Kind::Zodiac ? "love" : "eros", control.name)
            << control.kind << QString::fromLatin1(control.name) << control.twips;
    }
}

void TestTableReadings::controlPositions()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    Session session(kind);
    ReadingWindow *window = session.mdi.readingWindow(session.reading.result);
    auto *control = window->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels(twips.x(), twips.y(), twips.width(), twips.height()));
    QVERIFY(!control->accessibleName().isEmpty());
}

void TestTableReadings::labelLooks_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("centred");

    const QColor cyan(0, 255, 255), silver(192, 192, 192), lightGrey(224, 224, 224);
    // clang-format off
    QTest::newRow("love Label6")      << Kind::Zodiac << "Label6" << "Venus is known as the Planet of  Love" << cyan << 9.0 << false;
    QTest::newRow("love Label7")      << Kind::Zodiac << "Label7" << "Venus in Your Chart is Placed in" << cyan << 9.0 << false;
    QTest::newRow("love sign")        << Kind::Zodiac << "lblLoveSign" << QString() << QColor(Qt::white) << 9.0 << true;
    QTest::newRow("love description") << Kind::Zodiac << "lblSignDesc" << QString() << QColor(Qt::white) << 8.25 << true;
    QTest::newRow("eros Label2")      << Kind::Sexual << "Label2" << "Eros is the god of sexual love and desire." << lightGrey << 9.0 << false;
    QTest::newRow("eros Label12")     << Kind::Sexual << "Label12" << "Eros in your Chart is Placed in" << silver << 9.0 << false;
    QTest::newRow("eros sign")        << Kind::Sexual << "lblSexualitySign" << QString() << lightGrey << 9.0 << true;
    QTest::newRow("eros description") << Kind::Sexual << "lblSignDesc" << QString() << silver << 8.25 << true;
    // clang-format on
}

void TestTableReadings::labelLooks()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QColor, color);
    QFETCH(qreal, pointSize);
    QFETCH(bool, centred);

    Session session(kind);
    ReadingWindow *window = session.mdi.readingWindow(session.reading.result);
    auto *label = window->findChild<QLabel *>(name);
    QVERIFY(label);
    if (!caption.isNull())
        QCOMPARE(label->text(), caption);
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QVERIFY(label->font().bold());
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QCOMPARE(label->wordWrap(), name == QLatin1String("lblSignDesc"));
}

void TestTableReadings::menus_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("love") << Kind::Zodiac;
    QTest::newRow("eros") << Kind::Sexual;
}

void TestTableReadings::menus()
{
    QFETCH(Kind, kind);

    Session session(kind);
    ReadingWindow *window = session.mdi.readingWindow(session.reading.result);
    QStringList bar;
    for (QAction *top : window->menuBarActions()) {
        bar << (top->menu() ? top->menu()->objectName() : top->objectName()) + '=' + top->text();
        if (QMenu *menu = top->menu()) {
            for (QAction *entry : menu->actions())
                bar << (entry->isSeparator() ? QStringLiteral("-")
                                             : entry->objectName() + '=' + entry->text());
        }
    }
    const QStringList expected = {
        "mnuFile=&File",
        "mnuFileBack=&Back",
        "mnuExit=E&xit",
        "mnuHelp=&Help",
        "mnuOnline=&Online Help",
        "mnuVisit=&Visit Us Online",
        "-",
        "mnuUpdate=&Check for Software Update",
        "-",
        "mnuAbout=&About Software",
        "mnuDonate=&Donate",
        "mnuMakeMoneyOnline=Make Money &Online",
    };
    QCOMPARE(bar, expected);
}

void TestTableReadings::webPages_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isLabel");
    QTest::addColumn<QString>("page");

    for (const Kind kind : {Kind::Zodiac, Kind::Sexual}) {
        const char *prefix = kind == Kind::Zodiac ? "love" : "eros";
        // clang-format off
        QTest::addRow("%s Label61", prefix)            << kind << "Label61"            << true  << "home-page";
        QTest::addRow("%s lblFullBrand", prefix)       << kind << "lblFullBrand"       << true  << "fully-branded";
        QTest::addRow("%s lblCobrand", prefix)         << kind << "lblCobrand"         << true  << "co-brand";
        QTest::addRow("%s mnuOnline", prefix)          << kind << "mnuOnline"          << false << "help-web-page";
        QTest::addRow("%s mnuVisit", prefix)           << kind << "mnuVisit"           << false << "home-page";
        QTest::addRow("%s mnuUpdate", prefix)          << kind << "mnuUpdate"          << false << "download-web-page";
        QTest::addRow("%s mnuDonate", prefix)          << kind << "mnuDonate"          << false << "donate";
        QTest::addRow("%s mnuMakeMoneyOnline", prefix) << kind << "mnuMakeMoneyOnline" << false << "fully-branded";
        // clang-format on
    }
}

void TestTableReadings::webPages()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(bool, isLabel);
    QFETCH(QString, page);

    Session session(kind);
    QVERIFY(session.open());
    QVERIFY(session.enter(QStringLiteral("Ann"), 2, QStringLiteral("March"), 1960));
    session.clickNext();
    QVERIFY(session.result());
    const QString sign = session.inResult<QLabel>(session.reading.signLabel)->text();

    if (isLabel) {
        auto *label = session.inResult<QLabel>(name.toLatin1().constData());
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
    } else {
        QAction *entry = session.menuEntry(name);
        QVERIFY(entry);
        entry->trigger();
    }

    QCOMPARE(session.platform.opened.size(), 1);
    const QUrl address = session.platform.opened.first();
    QCOMPARE(address.path(), QStringLiteral("/kesto-free-astrology-suite/ssd.php"));
    QCOMPARE(QUrlQuery(address).queryItemValue(QStringLiteral("page")), page);
    // Opening a page leaves the result as it was.
    QVERIFY(session.result() && session.result()->isShownInMdi());
    QCOMPARE(session.inResult<QLabel>(session.reading.signLabel)->text(), sign);
}

void TestTableReadings::freshZodiacWindowKeepsCancerForUnknownSign()
{
    Session session(Kind::Zodiac);
    auto *input = session.mdi.readingWindow<frmZodiacLoveSignMain>();
    auto *result = session.mdi.readingWindow<frmZodiacLoveSignDisplay>();
    const QString cancer = description(Kind::Zodiac, QStringLiteral("Cancer"));
    QCOMPARE(session.inResult<QLabel>("lblSignDesc")->text(), cancer);
    QVERIFY(!result->isShownInMdi());

    // A name outside the twelve (only a date outside the table could give one) changes the sign
    // label but not the description, and the window shows all the same.
    result->presentReading(input, QStringLiteral("aries"));
    QCOMPARE(session.inResult<QLabel>("lblSignDesc")->text(), cancer);
    QCOMPARE(session.inResult<QLabel>("lblLoveSign")->text(), QStringLiteral("aries"));
    QVERIFY(result->isShownInMdi());
    QVERIFY(!session.mdi.isWelcomePanelVisible());
}

QTEST_MAIN(TestTableReadings)
#include "tst_tablereadings.moc"
