#include "FakePlatform.h"
#include "GuiTestSupport.h"

#include "app/frmDonate.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>

using namespace GuiTest;

namespace {

// Reading buttons of the main window.
enum Button { Love = 0, Romance = 1, Sexual = 2, Zodiac = 3 };

QAccessibleInterface *accessible(QWidget *widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// What assistive technology reads for a value: a label's name, a text box's text.
QString spokenValue(QWidget *value)
{
    QAccessibleInterface *face = accessible(value);
    if (!face)
        return QStringLiteral("(not accessible)");
    if (qobject_cast<QPlainTextEdit *>(value)) {
        QAccessibleTextInterface *text = face->textInterface();
        return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
    }
    return face->text(QAccessible::Name);
}

// The texts of the controls assistive technology gives as labels of `widget`.
QStringList labelsOf(QWidget *widget)
{
    QStringList labels;
    QAccessibleInterface *face = accessible(widget);
    if (!face)
        return {QStringLiteral("(not accessible)")};
    for (const auto &[other, relation] : face->relations(QAccessible::Label)) {
        if (auto *label = qobject_cast<QLabel *>(other->object()))
            labels << label->text().trimmed();
        else if (other->object())
            labels << other->text(QAccessible::Name);
    }
    return labels;
}

// The controls a heading says it labels.
QList<QObject *> labelledBy(QWidget *heading)
{
    QList<QObject *> objects;
    if (QAccessibleInterface *face = accessible(heading)) {
        for (const auto &[other, relation] : face->relations(QAccessible::Labelled))
            objects << other->object();
    }
    return objects;
}

QString shownText(QWidget *value)
{
    auto *box = qobject_cast<QPlainTextEdit *>(value);
    return box ? box->toPlainText() : value->property("text").toString();
}

// The access keys of the buttons and the menu bar the main window shows now, each as often as
// a control carries it.
QStringList accessKeysInUse(frmMDI &mdi)
{
    QStringList keys;
    for (QAbstractButton *button : mdi.findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->shortcut().isEmpty())
            keys << button->shortcut().toString();
    }
    for (QAction *top : mdi.menuBar()->actions())
        keys << QKeySequence::mnemonic(top->text()).toString();
    return keys;
}

} // namespace

// Every reading for someone who hears the windows through a screen reader, drives them with the
// keyboard alone, or has a small or scaled screen.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desk.open()); }
    void cleanup() { QCOMPARE(m_desk.close(), 0); }

    void resultValuesReadAsShown_data();
    void resultValuesReadAsShown();
    void inputFieldsTiedToTheirLabels_data();
    void inputFieldsTiedToTheirLabels();
    void tabFollowsTheScreen_data();
    void tabFollowsTheScreen();
    void noAccessKeyTwice_data();
    void noAccessKeyTwice();
    void keysActInTheirWindow_data();
    void keysActInTheirWindow();
    void keyTextGoesThroughTheFilter_data();
    void keyTextGoesThroughTheFilter();
    void editingCommands_data();
    void editingCommands();
    void bottomStripOnEveryScreen_data();
    void bottomStripOnEveryScreen();
    void bannerClicks_data();
    void bannerClicks();
    void donationAmount_data();
    void donationAmount();

private:
    QLineEdit *nameField(int button)
    {
        ReadingWindow *input = openReading(m_desk.mdi(), button);
        return input ? child<QLineEdit>(input, button < Sexual ? "txtFirstName" : "txtName")
                     : nullptr;
    }

    Desktop m_desk;
};

void tst_Accessibility::resultValuesReadAsShown_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");      // the sign value, read as "heading: sign"
    QTest::addColumn<QStringList>("pairs"); // "heading=value" by object name

    const QStringList sunSign = {"Label15=lblSunSign",
                                 "Label11=lblSunSignElement",
                                 "Label27=lblSunSignBirthStone",
                                 "Label23=lblSunSignNumber",
                                 "Label21=lblSunSignDay",
                                 "Label17=lblSunSignCompatibility",
                                 "Label13=txtSunSignPositiveTraits",
                                 "Label10=txtSunSignNegativeTraits",
                                 "Label1=txtLoveProfile"};
    QTest::newRow("love") << int(Love) << 20 << 1 << 1990 << "Your Sun Sign: Aquarius" << sunSign;
    QTest::newRow("romance") << int(Romance) << 15 << 8 << 1975 << "Your Sun Sign: Leo" << sunSign;
    QTest::newRow("zodiac love sign")
        << int(Zodiac) << 1 << 1 << 1930 << "Venus in Your Chart is Placed in: Capricorn"
        << QStringList {"Label7=lblLoveSign", "fraLoveSign=lblSignDesc"};
    QTest::newRow("sexual astrology")
        << int(Sexual) << 1 << 1 << 1940 << "Eros in your Chart is Placed in: Scorpio"
        << QStringList {"Label12=lblSexualitySign", "fraSexualitySign=lblSignDesc"};
}

// Each value is read as the text it shows, never as its heading, is tied to its heading and is
// reached by the keyboard.
void tst_Accessibility::resultValuesReadAsShown()
{
    QFETCH(int, button);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    QFETCH(QStringList, pairs);

    ReadingWindow *result =
        readFor(m_desk.mdi(), button, QStringLiteral("Ann Lee"), day, month, year);
    QVERIFY(result);
    for (const QString &pair : pairs) {
        QWidget *heading = child(result, pair.section(QLatin1Char('='), 0, 0));
        QWidget *value = child(result, pair.section(QLatin1Char('='), 1, 1));
        QVERIFY(heading && value);
        const QString tag = pair + QLatin1Char(' ');
        QVERIFY2(!shownText(value).isEmpty(), qPrintable(tag + "shows nothing"));
        QCOMPARE(spokenValue(value), shownText(value));
        const QString headingText = accessible(heading)->text(QAccessible::Name);
        QVERIFY2(labelsOf(value).contains(headingText),
                 qPrintable(tag + labelsOf(value).join(QLatin1Char('|'))));
        if (qobject_cast<QLabel *>(heading))
            QVERIFY2(labelledBy(heading).contains(value), qPrintable(tag + "labels nothing"));
        QVERIFY2(value->focusPolicy() & Qt::TabFocus, qPrintable(tag + "not reached by Tab"));
        // A value is no field to type in: no text caret shows in it.
        if (auto *label = qobject_cast<QLabel *>(value))
            QVERIFY2(!(label->textInteractionFlags() & Qt::TextSelectableByKeyboard),
                     qPrintable(tag + "shows a caret"));
    }
    // What a screen reader says of the first value: its heading, then the sign.
    QWidget *signValue = child(result, pairs.first().section(QLatin1Char('='), 1, 1));
    QCOMPARE(labelsOf(signValue).first() + QStringLiteral(": ") + spokenValue(signValue), sign);
}

void tst_Accessibility::inputFieldsTiedToTheirLabels_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("pairs"); // "control=label text"
    QTest::addColumn<QString>("day");       // how the day list describes itself
    const QStringList sunSign = {"txtFirstName=First Name", "txtMiddleName=Middle Name",
                                 "txtLastName=Last Name",   "cboMonth=Date Of Birth",
                                 "cboDate=Date Of Birth",   "cboYear=Date Of Birth"};
    const QStringList table = {"txtName=Name", "cboDate=Date", "cboMonth=Month", "cboYear=Year"};
    QTest::newRow("love") << int(Love) << sunSign << "Day";
    QTest::newRow("romance") << int(Romance) << sunSign << "Day";
    QTest::newRow("sexual astrology") << int(Sexual) << table << "Date";
    QTest::newRow("zodiac love sign") << int(Zodiac) << table << "Date";
}

// Each field is tied to its label, and each date list says which part of the date it holds,
// whether the window shows a label for it or not.
void tst_Accessibility::inputFieldsTiedToTheirLabels()
{
    QFETCH(int, button);
    QFETCH(QStringList, pairs);
    QFETCH(QString, day);
    ReadingWindow *input = openReading(m_desk.mdi(), button);
    QVERIFY(input);
    for (const QString &pair : pairs) {
        QWidget *control = child(input, pair.section(QLatin1Char('='), 0, 0));
        QVERIFY(control);
        QVERIFY2(labelsOf(control).contains(pair.section(QLatin1Char('='), 1, 1)),
                 qPrintable(pair + ": " + labelsOf(control).join(QLatin1Char('|'))));
        QVERIFY(!accessible(control)->text(QAccessible::Name).isEmpty());
    }
    QStringList parts;
    for (const char *list : {"cboDate", "cboMonth", "cboYear"})
        parts << accessible(child(input, QLatin1String(list)))->text(QAccessible::Description);
    QCOMPARE(parts, (QStringList {day, "Month", "Year"}));
}

void tst_Accessibility::tabFollowsTheScreen_data()
{
    QTest::addColumn<int>("button"); // -1: the main window alone
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("order"); // from the control the window opens with

    const QStringList links = {"Label61", "lblFullBrand", "lblCobrand"};
    const QStringList values = {"lblSunSign",
                                "lblSunSignElement",
                                "lblSunSignBirthStone",
                                "lblSunSignNumber",
                                "lblSunSignDay",
                                "lblSunSignCompatibility",
                                "txtSunSignPositiveTraits",
                                "txtSunSignNegativeTraits"};
    // The strip reads Love, Sexual, Romance, Zodiac; the links come after each window's own
    // controls, the covered offer of a result window is passed over.
    // Love Match, which has no button, is reached by its caption on the welcome panel.
    QTest::newRow("main") << -1 << false
                          << QStringList {
                                 "cmdSelectOption_0", "cmdSelectOption_2", "cmdSelectOption_1",
                                 "cmdSelectOption_3", "lblCaption_7",      "cmdMDIDonate",
                                 "cmdMdiExit",        "lblVelmoraBanner",  "Label7",
                                 "cmdSelectOption_0"};
    QTest::newRow("love input") << int(Love) << false
                                << QStringList {"txtFirstName", "txtMiddleName", "txtLastName",
                                                "cboMonth",     "cboDate",       "cboYear",
                                                "cmdNext",      "cmdExit",       "Label61",
                                                "Label2",       "lblFullBrand",  "lblCobrand"};
    QTest::newRow("sexual input") << int(Sexual) << false
                                  << QStringList {"txtName", "cboDate", "cboMonth",
                                                  "cboYear", "cmdNext", "cmdExit"}
            + links;
    QTest::newRow("romance result") << int(Romance) << true
                                    << QStringList {"qt_tabwidget_tabbar"} + values
            + QStringList {"cmdBack", "Label61", "lblCobrand"};
    QTest::newRow("zodiac result")
        << int(Zodiac) << true << QStringList {"lblLoveSign", "lblSignDesc", "cmdBack",
                                               "cmdExit",     "Label61",     "lblCobrand"};
}

// Tab goes through a window in the order it reads; each window opens with the focus on its first
// control.
void tst_Accessibility::tabFollowsTheScreen()
{
    QFETCH(int, button);
    QFETCH(bool, result);
    QFETCH(QStringList, order);
    frmMDI &mdi = m_desk.mdi();
    mdi.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mdi));
    if (button >= 0) {
        ReadingWindow *shown = openReading(mdi, button);
        QVERIFY(shown && fillForm(shown, QStringLiteral("Ann Lee"), 3, 5));
        if (result)
            QVERIFY(pressNext(mdi, shown));
    }
    QStringList passed;
    for (int i = 0; i < order.size(); ++i) {
        if (i > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        passed << focusedName();
    }
    QCOMPARE(passed, order);
}

void tst_Accessibility::noAccessKeyTwice_data()
{
    QTest::addColumn<int>("button"); // -1: the main window alone
    QTest::addColumn<bool>("result");
    QTest::newRow("main window") << -1 << false;
    const std::pair<const char *, int> readings[] = {
        {"love", Love}, {"romance", Romance}, {"sexual", Sexual}, {"zodiac", Zodiac}};
    for (const auto &[name, button] : readings) {
        QTest::addRow("%s input", name) << button << false;
        QTest::addRow("%s result", name) << button << true;
    }
}

// In every state of the main window, each access key belongs to one control.
void tst_Accessibility::noAccessKeyTwice()
{
    QFETCH(int, button);
    QFETCH(bool, result);
    frmMDI &mdi = m_desk.mdi();
    if (button >= 0) {
        ReadingWindow *shown = result ? readFor(mdi, button, QStringLiteral("Ann Lee"), 3, 5)
                                      : openReading(mdi, button);
        QVERIFY(shown);
    }
    const QStringList keys = accessKeysInUse(mdi);
    QVERIFY(keys.size() >= 5);
    for (const QString &key : keys)
        QVERIFY2(keys.count(key) == 1, qPrintable(key + QStringLiteral(" in ") + keys.join(' ')));
}

void tst_Accessibility::keysActInTheirWindow_data()
{
    QTest::addColumn<int>("button"); // -1: the main window alone
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("focus"); // the control with the focus; empty: the window itself
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("outcome");

    // clang-format off
    QTest::newRow("main Alt+E")            << -1           << false << "" << "Alt+E" << "main closed";
    QTest::newRow("main Alt+D")            << -1           << false << "" << "Alt+D" << "page donate";
    QTest::newRow("main Alt+O")            << -1           << false << "" << "Alt+O" << "page fully-branded";
    QTest::newRow("main Alt+F")            << -1           << false << "" << "Alt+F" << "menu mnuFile";
    QTest::newRow("main Alt+H")            << -1           << false << "" << "Alt+H" << "menu mnuHelp";
    QTest::newRow("love input Alt+X")      << int(Love)    << false << "" << "Alt+X" << "welcome";
    QTest::newRow("romance input Alt+X")   << int(Romance) << false << "" << "Alt+X" << "welcome";
    QTest::newRow("sexual input Alt+E")    << int(Sexual)  << false << "" << "Alt+E" << "welcome";
    QTest::newRow("sexual input Alt+S")    << int(Sexual)  << false << "" << "Alt+S" << "shows frmSexualAstrologyDisplay";
    QTest::newRow("zodiac input Alt+E")    << int(Zodiac)  << false << "" << "Alt+E" << "welcome";
    QTest::newRow("zodiac input Alt+L")    << int(Zodiac)  << false << "" << "Alt+L" << "shows frmZodiacLoveSignDisplay";
    QTest::newRow("zodiac input Alt+D")    << int(Zodiac)  << false << "" << "Alt+D" << "page donate";
    QTest::newRow("love result Alt+B")     << int(Love)    << true  << "" << "Alt+B" << "shows frmLoveAstrologyMain";
    QTest::newRow("romance result Alt+B")  << int(Romance) << true  << "" << "Alt+B" << "shows frmRomanceAstrologyMain";
    QTest::newRow("romance result Alt+F")  << int(Romance) << true  << "" << "Alt+F" << "menu mnuFile";
    QTest::newRow("sexual result Alt+B")   << int(Sexual)  << true  << "" << "Alt+B" << "shows frmSexualAstrologyMain";
    QTest::newRow("sexual result Alt+E")   << int(Sexual)  << true  << "" << "Alt+E" << "welcome";
    QTest::newRow("zodiac result Alt+B")   << int(Zodiac)  << true  << "" << "Alt+B" << "shows frmZodiacLoveSignMain";
    QTest::newRow("zodiac result Alt+E")   << int(Zodiac)  << true  << "" << "Alt+E" << "welcome";
    QTest::newRow("zodiac result Alt+O")   << int(Zodiac)  << true  << "" << "Alt+O" << "page fully-branded";
    // Enter presses the focused button or link, Space a link; in a name field or a list of an
    // input window Enter is Next.
    QTest::newRow("main Sexual button Enter") << -1         << false << "cmdSelectOption_2" << "Return"  << "shows frmSexualAstrologyMain";
    QTest::newRow("main Exit Enter")          << -1         << false << "cmdMdiExit"        << "Return"  << "main closed";
    QTest::newRow("main offer Space")         << -1         << false << "Label7"            << "Space"   << "page fully-branded";
    QTest::newRow("love last name Enter")     << int(Love)    << false << "txtLastName"     << "Return"  << "shows frmLoveAstrologyDisplay";
    QTest::newRow("romance month Enter")      << int(Romance) << false << "cboMonth"        << "Num+Enter" << "shows frmRomanceAstrologyDisplay";
    QTest::newRow("zodiac name Enter")        << int(Zodiac)  << false << "txtName"         << "Return"  << "shows frmZodiacLoveSignDisplay";
    QTest::newRow("sexual Next Enter")        << int(Sexual)  << false << "cmdNext"         << "Return"  << "shows frmSexualAstrologyDisplay";
    QTest::newRow("romance Exit Enter")       << int(Romance) << false << "cmdExit"         << "Return"  << "welcome";
    QTest::newRow("love co-brand Enter")      << int(Love)    << false << "lblCobrand"      << "Return"  << "page co-brand";
    QTest::newRow("love result Back Enter")   << int(Love)    << true  << "cmdBack"         << "Return"  << "shows frmLoveAstrologyMain";
    QTest::newRow("zodiac result Exit Enter") << int(Zodiac)  << true  << "cmdExit"         << "Return"  << "welcome";
    QTest::newRow("sexual result banner Enter") << int(Sexual) << true << "Label61"         << "Return"  << "page home-page";
    QTest::newRow("romance result co-brand Space") << int(Romance) << true << "lblCobrand"  << "Space"   << "page co-brand";
    // The keys of tabs switch the result's two tabs from wherever the focus is in it.
    QTest::newRow("love result Ctrl+Tab")     << int(Love)    << true  << "lblSunSignNumber" << "Ctrl+Tab"    << "tab 1";
    QTest::newRow("love result Ctrl+PgDown")  << int(Love)    << true  << "txtSunSignPositiveTraits" << "Ctrl+PgDown" << "tab 1";
    QTest::newRow("romance result Ctrl+Shift+Tab") << int(Romance) << true << "qt_tabwidget_tabbar" << "Ctrl+Shift+Backtab" << "tab 1";
    QTest::newRow("romance result Ctrl+PgUp") << int(Romance) << true  << "lblSunSign"       << "Ctrl+PgUp"   << "tab 1";
    // clang-format on
}

// One press of an access key, through Qt's own shortcut handling, acts on the control of the
// window it was pressed in, and Enter on the focused control; only the main window's own Exit
// ends the program.
void tst_Accessibility::keysActInTheirWindow()
{
    QFETCH(int, button);
    QFETCH(bool, result);
    QFETCH(QString, focus);
    QFETCH(QString, key);
    QFETCH(QString, outcome);

    frmMDI &mdi = m_desk.mdi();
    QWidget *target = &mdi;
    ReadingWindow *shown = nullptr;
    if (button >= 0) {
        shown = openReading(mdi, button);
        QVERIFY(shown && fillForm(shown, QStringLiteral("Ann Lee"), 3, 5));
        if (result)
            shown = pressNext(mdi, shown);
        QVERIFY(shown);
        target = shown;
    }
    mdi.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mdi));
    QSignalSpy mainExit(child<QPushButton>(&mdi, "cmdMdiExit"), &QPushButton::clicked);
    m_desk.platform().clear();

    if (!focus.isEmpty()) {
        target = child(target, focus);
        QVERIFY(target);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
    }
    const QKeyCombination pressed = QKeySequence(key)[0];
    QTest::keyClick(target, pressed.key(), pressed.keyboardModifiers());

    const QString kind = outcome.section(QLatin1Char(' '), 0, 0);
    const QString what = outcome.section(QLatin1Char(' '), 1);
    if (kind == QLatin1String("main")) {
        QTRY_VERIFY(!mdi.isVisible());
        return;
    }
    if (kind == QLatin1String("menu")) {
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), what);
        QApplication::activePopupWidget()->close();
    } else if (kind == QLatin1String("page")) {
        QCOMPARE(openedPage(m_desk.platform().opened), what);
    } else if (kind == QLatin1String("welcome")) {
        QTRY_VERIFY(mdi.isWelcomePanelVisible());
        QCOMPARE(visibleSubWindows(mdi), QStringList());
        QTRY_COMPARE(focusedName(), QStringLiteral("cmdSelectOption_%1").arg(button));
    } else if (kind == QLatin1String("tab")) {
        QCOMPARE(child<QTabWidget>(shown, "SSTab1")->currentIndex(), what.toInt());
        QVERIFY(shown->isAncestorOf(QApplication::focusWidget()));
    } else {
        QTRY_COMPARE(visibleSubWindows(mdi), QStringList {what});
    }
    // Whatever the key did, the program goes on and its Exit was not pressed.
    QTest::qWait(0);
    QVERIFY(mdi.isVisible());
    QCOMPARE(mainExit.count(), 0);
    QVERIFY(m_desk.platform().messages.isEmpty());
}

void tst_Accessibility::keyTextGoesThroughTheFilter_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");  // what the keyboard sends with it, as X11 does
    QTest::addColumn<QString>("shown"); // after "ab" was typed
    QTest::addColumn<bool>("refused");

    const int ctrl = int(Qt::ControlModifier);
    const int none = int(Qt::Key_unknown);
    // A control character, typed with Ctrl or sent as text, in windows of both messages.
    const struct
    {
        const char *name;
        int key, modifiers;
        QString text;
    } controls[] = {
        {"Escape", Qt::Key_Escape, 0, "\x1b"},
        {"Ctrl+B", Qt::Key_B, ctrl, "\x02"},
        {"Ctrl+[", Qt::Key_BracketLeft, ctrl, "\x1b"},
        {"Ctrl+2", Qt::Key_2, ctrl, QString(QChar(0))},
        {"Ctrl+\\", Qt::Key_Backslash, ctrl, "\x1c"},
        {"Ctrl+]", Qt::Key_BracketRight, ctrl, "\x1d"},
        {"Ctrl+6", Qt::Key_6, ctrl, "\x1e"},
        {"Ctrl+-", Qt::Key_Minus, ctrl, "\x1f"},
        {"Ctrl+Enter", Qt::Key_Return, ctrl, "\n"},
        {"Ctrl+J", Qt::Key_J, ctrl, "\n"},
        {"text ESC", none, 0, "\x1b"},
        {"text DEL", none, 0, "\x7f"},
    };
    for (const auto &k : controls) {
        for (const auto &[window, button] :
             {std::pair {"love", Love}, std::pair {"sexual", Sexual}})
            QTest::addRow("%s %s", window, k.name)
                << int(button) << k.key << k.modifiers << k.text << "AB" << true;
    }
    // Several characters in one key event (an input method, a dead key): each one is filtered.
    // clang-format off
    QTest::newRow("love letters")           << int(Love)   << none << 0 << "ab"               << "ABAB"  << false;
    QTest::newRow("love dead key")          << int(Love)   << none << 0 << "'e"               << "ABE"   << true;
    QTest::newRow("love digits and escape") << int(Love)   << none << 0 << "1\x1b"            << "AB"    << true;
    QTest::newRow("zodiac letters, blank")  << int(Zodiac) << none << 0 << "a b"              << "ABA B" << false;
    QTest::newRow("zodiac accent")          << int(Zodiac) << none << 0 << QString(QChar(0xe9)) << "AB"    << true;
    QTest::newRow("sexual mixed")           << int(Sexual) << none << 0 << "k9l\x01m"         << "ABKLM" << true;
    // clang-format on
}

// Every character a key event brings goes through the name filter; every control character but
// Enter and Backspace is refused, with one message of the window's for the key press.
void tst_Accessibility::keyTextGoesThroughTheFilter()
{
    QFETCH(int, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(bool, refused);

    QLineEdit *field = nameField(button);
    QVERIFY(field);
    QTest::keyClicks(field, QStringLiteral("ab"));
    QVERIFY(m_desk.platform().messages.isEmpty());
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QApplication::sendEvent(field, &press);
    QCOMPARE(field->text(), shown);
    QCOMPARE(field->cursorPosition(), shown.size());
    QVERIFY(!field->hasSelectedText());
    const QString message = button == Love ? QStringLiteral("Please Enter Only Alphabet")
                                           : QStringLiteral("Please Enter only Letters");
    QCOMPARE(m_desk.platform().messages, refused ? QStringList {message} : QStringList());
}

void tst_Accessibility::editingCommands_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("keys"); // pressed after "ab cd" was typed
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("clipboard"); // what it holds after; empty: not looked at
    // clang-format off
    QTest::newRow("select all, then a letter")   << int(Love)   << "Ctrl+A, X"                          << "X"          << "";
    QTest::newRow("cut")                         << int(Zodiac) << "Ctrl+A, Ctrl+X"                     << ""           << "AB CD";
    QTest::newRow("copy and paste")              << int(Love)   << "Ctrl+A, Ctrl+C, End, Ctrl+V"        << "AB CDAB CD" << "AB CD";
    QTest::newRow("delete the word before")      << int(Zodiac) << "Ctrl+Backspace"                     << "AB "        << "";
    QTest::newRow("undo")                        << int(Love)   << "Ctrl+Backspace, Ctrl+Z"             << "AB CD"      << "";
    QTest::newRow("redo with Ctrl+Shift+Z")      << int(Zodiac) << "Ctrl+Backspace, Ctrl+Z, Ctrl+Shift+Z" << "AB "      << "";
    QTest::newRow("redo with Ctrl+Y")            << int(Love)   << "Ctrl+Backspace, Ctrl+Z, Ctrl+Y"     << "AB "        << "";
    QTest::newRow("move and delete")             << int(Zodiac) << "Home, Del, Right, Backspace"        << " CD"        << "";
    QTest::newRow("Backspace by its control code") << int(Love) << "Ctrl+H"                             << "AB C"       << "";
    // clang-format on
}

// The editing commands of a text field and the keys that move or delete do their work in a name
// field, without a message.
void tst_Accessibility::editingCommands()
{
    QFETCH(int, button);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, clipboard);
    QLineEdit *field = nameField(button);
    QVERIFY(field);
    QTest::keyClicks(field, QStringLiteral("ab cd"));
    QApplication::clipboard()->clear();
    QTest::keySequence(field, QKeySequence(keys));
    QCOMPARE(field->text(), shown);
    if (!clipboard.isEmpty())
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    QCOMPARE(m_desk.platform().messages, QStringList());
}

void tst_Accessibility::bottomStripOnEveryScreen_data()
{
    QTest::addColumn<QSize>("screen"); // in device-independent pixels
    QTest::addColumn<qreal>("dpi");
    QTest::newRow("1024x600") << QSize(1024, 600) << 96.0;
    QTest::newRow("1366x768") << QSize(1366, 768) << 96.0;
    QTest::newRow("2560x1600 at 200%") << QSize(1280, 800) << 96.0;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 96.0;
    QTest::newRow("1920x1080 at 150% dpi") << QSize(1920, 1080) << 144.0;
    QTest::newRow("1024x600 at 150% dpi") << QSize(1024, 600) << 144.0;
    QTest::newRow("2560x1600 at 200% dpi") << QSize(2560, 1600) << 192.0;
}

// Maximized on the screen, below a title bar and above a desktop panel, the main window keeps
// its bottom strip in sight; the welcome panel has its design height where there is room; a
// reading window taller than the room left can be scrolled to.
void tst_Accessibility::bottomStripOnEveryScreen()
{
    QFETCH(QSize, screen);
    QFETCH(qreal, dpi);
    m_desk.platform().screen = screen;
    m_desk.platform().dpi = dpi;
    const QSize room(screen.width(), screen.height() - 64); // title bar and desktop panel

    frmMDI mdi;
    mdi.resize(room);
    mdi.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mdi));
    QVERIFY(mdi.minimumSizeHint().height() <= room.height());
    QCOMPARE(mdi.size(), room);

    auto inWindow = [&mdi](const char *name) {
        QWidget *widget = child(&mdi, QLatin1String(name));
        return QRect(widget->mapTo(&mdi, QPoint(0, 0)), widget->size());
    };
    const QRect strip = inWindow("PicCoBrand");
    QCOMPARE(strip.bottom(), mdi.rect().bottom());
    QVERIFY(strip.top() >= 0 && strip.contains(inWindow("cmdMdiExit"))
            && strip.contains(inWindow("Label7")));

    QWidget *panel = child(&mdi, "picMain");
    const int fixedStrips = inWindow("Picture6").height() + inWindow("Picture1").height()
        + strip.height() + mdi.menuBar()->height();
    QCOMPARE(panel->height(), std::min(qRound(8640 * dpi / 1440), room.height() - fixedStrips));
    QVERIFY(panel->height() > 0);
    QVERIFY(panel->rect().contains(child(&mdi, "cmdMDIDonate")->geometry()));

    // The tallest result window opens at its top; a control that takes the focus, however far
    // down, scrolls into sight, and so does one back at the top. Back, then Next from the
    // scrolled window opens the new result at its top again.
    mdi.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&mdi));
    ReadingWindow *result = readFor(mdi, Love, QStringLiteral("Ann Lee"), 3, 5);
    QVERIFY(result);
    QCOMPARE(inWindow("PicCoBrand").bottom(), mdi.rect().bottom());
    QMdiArea *area = mdi.mdiArea();
    QCoreApplication::processEvents(); // the layout gives the area the welcome panel's room
    QScrollBar *vertical = area->verticalScrollBar();
    QCOMPARE(vertical->maximum() > 0, result->subWindow()->height() > area->viewport()->height());
    QCOMPARE(result->subWindow()->y(), 0);
    QCOMPARE(vertical->value(), vertical->minimum());
    for (const char *name : {"cmdBack", "qt_tabwidget_tabbar", "cmdBack"}) {
        QWidget *control = child(result, QLatin1String(name));
        control->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), control);
        const QRect inArea(control->mapTo(area->viewport(), QPoint()), control->size());
        QVERIFY2(area->viewport()->rect().contains(inArea),
                 qPrintable(QStringLiteral("%1 at %2, room %3")
                                .arg(QLatin1String(name))
                                .arg(inArea.bottom())
                                .arg(area->viewport()->height())));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    result = pressNext(mdi, shownReading(mdi));
    QVERIFY(result);
    QCOMPARE(result->subWindow()->y(), 0);
    QCOMPARE(vertical->value(), vertical->minimum());
    mdi.CloseReadingWindows();
    flushDeletes();
}

void tst_Accessibility::bannerClicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("page"); // empty: opens nothing
    const std::pair<const char *, const char *> banners[] = {
        {"Picture6", "home-page"}, {"lblVelmoraBanner", "home-page"}, {"Label7", "fully-branded"}};
    for (const auto &[control, page] : banners) {
        QTest::addRow("%s left click", control) << control << "left" << page;
        QTest::addRow("%s double click", control) << control << "double" << page;
        for (const char *gesture : {"right", "middle", "away", "release"})
            QTest::addRow("%s %s", control, gesture) << control << gesture << "";
    }
}

// The banner strip and the clickable labels open their page for a left click released over
// them, once for a double click, and never for other buttons ("away": released off the control,
// "release": a release without its press).
void tst_Accessibility::bannerClicks()
{
    QFETCH(QString, control);
    QFETCH(QString, gesture);
    QFETCH(QString, page);
    QWidget *widget = child(&m_desk.mdi(), control);
    QVERIFY(widget);
    // A point of the control itself, clear of any child.
    const QPoint inside = control == QLatin1String("Picture6")
        ? QPoint(2, 2)
        : QPoint(widget->width() / 2, widget->height() / 2);
    QCOMPARE(widget->childAt(inside), nullptr);

    auto send = [widget](QEvent::Type type, Qt::MouseButton button, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    m_desk.platform().clear();
    if (gesture == QLatin1String("double")) {
        // As the window system sends it: the second press comes with the double click.
        for (QEvent::Type type :
             {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            send(type, Qt::LeftButton, inside);
    } else if (gesture == QLatin1String("away")) {
        send(QEvent::MouseButtonPress, Qt::LeftButton, inside);
        send(QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(widget->width() + 5, -5));
    } else if (gesture == QLatin1String("release")) {
        send(QEvent::MouseButtonRelease, Qt::LeftButton, inside);
    } else {
        const Qt::MouseButton button = gesture == QLatin1String("left") ? Qt::LeftButton
            : gesture == QLatin1String("right")                         ? Qt::RightButton
                                                                        : Qt::MiddleButton;
        QTest::mouseClick(widget, button, {}, inside);
    }
    if (page.isEmpty())
        QCOMPARE(m_desk.platform().opened, QList<QUrl>());
    else
        QCOMPARE(openedPage(m_desk.platform().opened), page);
}

void tst_Accessibility::donationAmount_data()
{
    QTest::addColumn<QString>("host"); // KESTO_WEB_HOST, empty for the installed pages
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("expected");
    const QString site =
        QStringLiteral("http://localhost:8470/kesto-free-astrology-suite/ssd.php?page=donate");
    // clang-format off
    QTest::newRow("25 by the button")     << "localhost:8470" << 2 << "button" << site + "&amount=25";
    QTest::newRow("50 by double click")   << "localhost:8470" << 3 << "double" << site + "&amount=50";
    QTest::newRow("10 by Enter")          << "localhost:8470" << 1 << "enter"  << site + "&amount=10";
    // The installed page is the same for every amount, and a file name takes no query.
    QTest::newRow("installed page, 25")   << ""               << 2 << "button" << "donate.html";
    QTest::newRow("installed page, 5 by double click") << ""  << 0 << "double" << "donate.html";
    // clang-format on
}

// The donation window opens the donate page for the amount chosen, once.
void tst_Accessibility::donationAmount()
{
    QFETCH(QString, host);
    QFETCH(int, row);
    QFETCH(QString, gesture);
    QFETCH(QString, expected);
    qputenv(WebHostVariable, host.toUtf8());
    frmDonate donate(&m_desk.mdi());
    donate.show();
    QVERIFY(QTest::qWaitForWindowExposed(&donate));
    auto *list = child<QListWidget>(&donate, "lstAmounts");
    m_desk.platform().clear();
    if (gesture == QLatin1String("double")) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
        list->setCurrentRow(row);
        if (gesture == QLatin1String("enter"))
            QTest::keyClick(list, Qt::Key_Return);
        else
            QTest::mouseClick(child(&donate, "cmdDonate"), Qt::LeftButton);
    }
    qunsetenv(WebHostVariable);
    QCOMPARE(m_desk.platform().opened.size(), 1);
    const QUrl opened = m_desk.platform().opened.first();
    QCOMPARE(opened.isLocalFile(), host.isEmpty());
    QCOMPARE(host.isEmpty() && !opened.hasQuery() ? opened.fileName() : opened.toString(),
             expected);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
