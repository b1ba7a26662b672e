#include "FakePlatform.h"
#include "GuiTestSupport.h"

#include "input/BirthDataWindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

using namespace GuiTest;

// The four input windows, driven as a user would: typing names, picking dates, pressing Next.
class tst_InputWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desktop.open()); }
    void cleanup() { QCOMPARE(m_desktop.close(), 0); }

    void freshWindow_data();
    void freshWindow();
    void keyFilter_data();
    void keyFilter();
    void textFromOutsideIsCleaned_data();
    void textFromOutsideIsCleaned();
    void validation_data();
    void validation();

private:
    // Reading buttons: 0 Love, 1 Romance, 2 Sexual Astrology, 3 Zodiac Love Sign.
    BirthDataWindow *open(int reading)
    {
        auto *window = qobject_cast<BirthDataWindow *>(openReading(m_desktop.mdi(), reading));
        if (window)
            window->activateWindow();
        return window;
    }
    QStringList &messages() { return m_desktop.platform().messages; }

    Desktop m_desktop;
};

static QStringList entries(QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

void tst_InputWindows::freshWindow_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("exit");
    QTest::addColumn<QString>("blurb");
    QTest::newRow("love") << 0 << "Kesto Love Astrology" << QSize(7455, 4215) << QColor(28, 28, 28)
                          << 1900 << 2050 << "Get My Love Astrology Reading"
                          << "E&xit"
                          << "Love! Romance! Learn more about your Love Profile or your partner's "
                             "likes and dislikes with this software.";
    QTest::newRow("romance") << 1 << "Kesto Romance Astrology" << QSize(7455, 4290)
                             << QColor(90, 35, 220) << 1900 << 2050
                             << "Get My Romance Astrology Reading"
                             << "E&xit"
                             << "Love! Romance! Learn more about your Romantic Profile. Understand "
                                "your partner better! Enter your Date of Birth and Know More!";
    QTest::newRow("sexual")
        << 2 << "Kesto Sexual Astrology" << QSize(7260, 5040) << QColor(255, 192, 255) << 1940
        << 2050 << "Find My &Sexual Astrology Sign"
        << "&Exit"
        << "Kesto Sexual Astrology describes the placement of the asteroid Eros "
           "in your birth chart. This helps you know more about the sexual, "
           "passion, love and erotic side of your nature";
    QTest::newRow("zodiac") << 3 << "Kesto Zodiac Love Sign" << QSize(7260, 5175)
                            << QColor(0, 64, 64) << 1930 << 2050 << "Find My Zodiac &Love Sign"
                            << "&Exit"
                            << "Kesto Zodiac Love Sign describes your characteristics based on the "
                               "placement of Venus in your birth chart. Venus is a planet which is "
                               "considered to be the planet of Love. This sign describes your "
                               "romantic and sensual nature and how you deal with the different "
                               "relationships in your life.";
}

void tst_InputWindows::freshWindow()
{
    QFETCH(int, reading);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    QFETCH(QColor, background);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(QString, next);
    QFETCH(QString, exit);
    QFETCH(QString, blurb);

    BirthDataWindow *window = open(reading);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientTwips / 15);
    QCOMPARE(window->palette().color(QPalette::Window), background);
    QCOMPARE(child<QPushButton>(window, "cmdNext")->text(), next);
    QCOMPARE(child<QPushButton>(window, "cmdExit")->text(), exit);
    QCOMPARE(child<QLabel>(window, reading < 2 ? "Label2" : "Label3")->text(), blurb);

    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QCOMPARE(entries(child<QComboBox>(window, "cboDate")), days);
    QCOMPARE(entries(child<QComboBox>(window, "cboMonth")),
             (QStringList {"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"}));
    const QStringList years = entries(child<QComboBox>(window, "cboYear"));
    QCOMPARE(years.size(), lastYear - firstYear + 1);
    QCOMPARE(years.first() + "-" + years.last(),
             QStringLiteral("%1-%2").arg(firstYear).arg(lastYear));
    // Empty name fields (one, or first, middle and last), the first day of the first year.
    const int nameFields = reading < 2 ? 3 : 1;
    QCOMPARE(formEntries(window),
             QStringList(nameFields, QString()) + QStringList({"1", "January", years.first()}));
    QCOMPARE(window->findChildren<QLineEdit *>().size(), nameFields);
    for (QComboBox *list : window->findChildren<QComboBox *>())
        QVERIFY2(!list->isEditable(), qPrintable(list->objectName())); // pick-only lists
}

void tst_InputWindows::keyFilter_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    const QString alphabet = QStringLiteral("Please Enter Only Alphabet");
    const QString letters = QStringLiteral("Please Enter only Letters");
    // clang-format off
    QTest::newRow("love lower case")      << 0 << "txtFirstName"  << "anna marie"   << "ANNA MARIE" << QStringList {};
    QTest::newRow("love apostrophe")      << 0 << "txtLastName"   << "O'Neil"       << "ONEIL"      << QStringList {alphabet};
    QTest::newRow("romance digit")        << 1 << "txtMiddleName" << "7"            << ""           << QStringList {alphabet};
    QTest::newRow("sexual digit")         << 2 << "txtName"       << "Jo3"          << "JO"         << QStringList {letters};
    QTest::newRow("zodiac apostrophe")    << 3 << "txtName"       << "O'Neil"       << "ONEIL"      << QStringList {letters};
    QTest::newRow("brackets and accents") << 3 << "txtName"       << "a[b]^_`c{z}~" << "ABCZ"       << QStringList(8, letters);
    // clang-format on
}

void tst_InputWindows::keyFilter()
{
    QFETCH(int, reading);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);

    BirthDataWindow *window = open(reading);
    QVERIFY(window);
    auto *edit = child<QLineEdit>(window, field);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(this->messages(), messages);
}

void tst_InputWindows::textFromOutsideIsCleaned_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // after "ab" was typed
    QTest::addColumn<QStringList>("messages");
    const QStringList letters = {"Please Enter only Letters"};
    const QStringList alphabet = {"Please Enter Only Alphabet"};
    // clang-format off
    QTest::newRow("dirty paste")         << 2 << "txtName"      << "paste"        << "mary-jane o'hara 2 \u00e9" << "ABMARYJANE OHARA  " << letters;
    QTest::newRow("clean paste")         << 2 << "txtName"      << "paste"        << "Ann Lee"     << "ABANN LEE"  << QStringList {};
    QTest::newRow("Ctrl+V")              << 3 << "txtName"      << "Ctrl+V"       << "mary-jane"   << "ABMARYJANE" << letters;
    QTest::newRow("Shift+Insert")        << 0 << "txtFirstName" << "Shift+Insert" << "o'hara"      << "ABOHARA"    << alphabet;
    QTest::newRow("menu")                << 2 << "txtName"      << "menu"         << "Lee 3"       << "ABLEE "     << letters;
    QTest::newRow("menu, clean")         << 1 << "txtLastName"  << "menu"         << "Ann"         << "ABANN"      << QStringList {};
    QTest::newRow("nothing left to paste") << 1 << "txtLastName" << "Ctrl+V"      << "42"          << "AB"         << alphabet;
    QTest::newRow("drop")                << 2 << "txtName"      << "drop"         << "x-y"         << "ABXY"       << letters;
    QTest::newRow("drop, nothing left")  << 0 << "txtFirstName" << "drop"         << "123"         << "AB"         << alphabet;
    // Assistive technology sets the whole text.
    QTest::newRow("assistive technology") << 1 << "txtLastName" << "accessible"   << "de la cruz!" << "DE LA CRUZAB" << alphabet;
    // clang-format on
}

// A paste, a drop or assistive technology can bring in any text; the field cleans it as it
// cleans typed keys, with one message, and Undo takes a paste or a drop back whole.
void tst_InputWindows::textFromOutsideIsCleaned()
{
    QFETCH(int, reading);
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);

    BirthDataWindow *window = open(reading);
    QVERIFY(window);
    auto *edit = child<QLineEdit>(window, field);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QApplication::clipboard()->setText(text);
    const bool undoable = how == QLatin1String("Ctrl+V") || how == QLatin1String("Shift+Insert")
        || how == QLatin1String("menu") || how == QLatin1String("drop");
    const QString typed = QStringLiteral("AB");
    if (how == QLatin1String("paste")) {
        edit->paste();
    } else if (how == QLatin1String("Ctrl+V")) {
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (how == QLatin1String("Shift+Insert")) {
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (how == QLatin1String("menu")) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                  edit->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(edit, &request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *entry : menu->actions()) {
            if (entry->text().startsWith(QLatin1String("&Paste")))
                paste = entry;
        }
        QVERIFY(paste);
        paste->trigger();
        menu->close();
    } else if (how == QLatin1String("drop")) {
        QMimeData dragged;
        dragged.setText(text);
        const QPoint end(edit->width() - 2, edit->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &drop);
        QCoreApplication::processEvents(); // the message comes once the drop is over
    } else {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(accessible && accessible->editableTextInterface());
        accessible->editableTextInterface()->insertText(0, text);
    }
    QCOMPARE(edit->text(), shown);
    QCOMPARE(this->messages(), messages);
    if (undoable && shown != typed) {
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), typed);
    }
}

void tst_InputWindows::validation_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("name"); // as fillForm takes it
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");      // 0: the list as it opened
    QTest::addColumn<QString>("entry"); // the File entry that runs the check, else it is called
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // where a refusal leaves the focus

    // clang-format off
    QTest::newRow("love, both names empty")       << 0 << " "     << 1  << 1  << 0    << "mnuNext" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("love, last name empty")        << 0 << "ANNA " << 1  << 1  << 0    << ""        << "Please Enter Your Last Name"  << "txtLastName";
    QTest::newRow("romance, first name empty")    << 1 << " LEE"  << 1  << 1  << 0    << "mnuNext" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("sexual name before date")      << 2 << ""      << 31 << 2  << 1960 << "mnuFindSexualitySign" << "Please Enter Your Name" << "txtName";
    QTest::newRow("zodiac 31 November")           << 3 << "EVA"   << 31 << 11 << 1975 << ""        << "Please Enter Correct Date of Birth !" << "cboMonth";
    QTest::newRow("zodiac 31 September")          << 3 << "EVA"   << 31 << 9  << 1975 << ""        << "Please Enter Correct Date of Birth !" << "cboMonth";
    QTest::newRow("zodiac name before date")      << 3 << ""      << 31 << 4  << 1975 << "mnuFindLoveSign" << "Please Enter Your Name"       << "txtName";
    // clang-format on
}

// A refusal says why, leaves the entries as they were and the window shown, and moves the focus
// to the missing name; a date refusal leaves the focus where it was.
void tst_InputWindows::validation()
{
    QFETCH(int, reading);
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    BirthDataWindow *window = open(reading);
    QVERIFY(window && fillForm(window, name, day, month, year));
    const QStringList entered = formEntries(window);
    QWidget *focusBefore = child(window, "cboMonth");
    focusBefore->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focusBefore);

    if (entry.isEmpty())
        QVERIFY(!window->ValidateBirthData());
    else
        action(window, entry)->trigger();
    QCOMPARE(messages(), QStringList {message});
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(formEntries(window), entered);
    QCOMPARE(shownReading(m_desktop.mdi()), window);
}

QTEST_MAIN(tst_InputWindows)
#include "tst_inputwindows.moc"
