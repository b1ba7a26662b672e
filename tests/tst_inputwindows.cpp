#include "FakePlatform.h"
#include "GuiTestSupport.h"

#include "input/BirthDataWindow.h"
#include "input/frmLoveAstrologyMain.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace GuiTest;

// The four input windows, driven as a user would: typing names, picking dates, pressing Next.
class tst_InputWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshWindow_data();
    void freshWindow();
    void tabOrder_data();
    void tabOrder();
    void keyFilter_data();
    void keyFilter();
    void controlLetterIsRefused();
    void pastedNameIsCleaned();
    void textSetFromOutsideIsCleaned();
    void sunSignValidation_data();
    void sunSignValidation();
    void tableValidation_data();
    void tableValidation();
    void fileMenuNextRunsTheCheck();

private:
    BirthDataWindow *open(int reading);

    Desktop m_desktop;
    FakePlatform *m_platform = nullptr;
    frmMDI *m_mdi = nullptr;
};

void tst_InputWindows::init()
{
    QVERIFY(m_desktop.open());
    m_platform = &m_desktop.platform();
    m_mdi = &m_desktop.mdi();
}

void tst_InputWindows::cleanup()
{
    QCOMPARE(m_desktop.close(), 0);
}

// Reading buttons: 0 Love, 1 Romance, 2 Sexual Astrology, 3 Zodiac Love Sign.
BirthDataWindow *tst_InputWindows::open(int reading)
{
    auto *window = qobject_cast<BirthDataWindow *>(openReading(*m_mdi, reading));
    window->activateWindow();
    return window;
}

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
        << 1990 << "Find My &Sexual Astrology Sign"
        << "&Exit"
        << "Kesto Sexual Astrology describes the placement of the asteroid Eros "
           "in your birth chart. This helps you know more about the sexual, "
           "passion, love and erotic side of your nature";
    QTest::newRow("zodiac") << 3 << "Kesto Zodiac Love Sign" << QSize(7260, 5175)
                            << QColor(0, 64, 64) << 1930 << 2012 << "Find My Zodiac &Love Sign"
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
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(clientTwips.width() / 15, clientTwips.height() / 15));
    QCOMPARE(window->palette().color(QPalette::Window), background);
    QCOMPARE(child<QPushButton>(window, "cmdNext")->text(), next);
    QCOMPARE(child<QPushButton>(window, "cmdExit")->text(), exit);
    QCOMPARE(child<QLabel>(window, reading < 2 ? "Label2" : "Label3")->text(), blurb);

    auto *days = child<QComboBox>(window, "cboDate");
    auto *months = child<QComboBox>(window, "cboMonth");
    auto *years = child<QComboBox>(window, "cboYear");
    QStringList expectedDays;
    for (int day = 1; day <= 31; ++day)
        expectedDays << QString::number(day);
    QCOMPARE(entries(days), expectedDays);
    QCOMPARE(entries(months),
             (QStringList {"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"}));
    QCOMPARE(years->count(), lastYear - firstYear + 1);
    QCOMPARE(years->itemText(0), QString::number(firstYear));
    QCOMPARE(years->itemText(years->count() - 1), QString::number(lastYear));
    QCOMPARE(days->currentText(), QStringLiteral("1"));
    QCOMPARE(months->currentText(), QStringLiteral("January"));
    QCOMPARE(years->currentText(), QString::number(firstYear));
    // Pick-only lists.
    QVERIFY(!days->isEditable() && !months->isEditable() && !years->isEditable());

    const QStringList nameFields = reading < 2
        ? QStringList {"txtFirstName", "txtMiddleName", "txtLastName"}
        : QStringList {"txtName"};
    for (const QString &name : nameFields)
        QCOMPARE(child<QLineEdit>(window, name)->text(), QString());
    QCOMPARE(window->findChildren<QLineEdit *>().size(), nameFields.size());
}

void tst_InputWindows::tabOrder_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("love") << 0 << QStringList {"txtFirstName", "txtMiddleName", "txtLastName",
                                               "cboMonth",     "cboDate",       "cboYear",
                                               "cmdNext"};
    QTest::newRow("sexual") << 2
                            << QStringList {"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext"};
}

void tst_InputWindows::tabOrder()
{
    QFETCH(int, reading);
    QFETCH(QStringList, order);
    BirthDataWindow *window = open(reading);
    QWidget *first = child(window, order.first());
    first->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), first);
    for (const QString &name : order.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
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
    QTest::newRow("love lower case") << 0 << "txtFirstName"
                                     << "anna marie"
                                     << "ANNA MARIE" << QStringList {};
    QTest::newRow("love apostrophe") << 0 << "txtLastName"
                                     << "O'Neil"
                                     << "ONEIL" << QStringList {alphabet};
    QTest::newRow("romance digit") << 1 << "txtMiddleName"
                                   << "7"
                                   << "" << QStringList {alphabet};
    QTest::newRow("sexual digit") << 2 << "txtName"
                                  << "Jo3"
                                  << "JO" << QStringList {letters};
    QTest::newRow("zodiac apostrophe") << 3 << "txtName"
                                       << "O'Neil"
                                       << "ONEIL" << QStringList {letters};
    QTest::newRow("brackets and accents") << 3 << "txtName"
                                          << "a[b]^_`c{z}~"
                                          << "ABCZ" << QStringList(8, letters);
}

void tst_InputWindows::keyFilter()
{
    QFETCH(int, reading);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);

    BirthDataWindow *window = open(reading);
    auto *edit = child<QLineEdit>(window, field);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(m_platform->messages, messages);
}

void tst_InputWindows::controlLetterIsRefused()
{
    BirthDataWindow *window = open(0);
    auto *edit = child<QLineEdit>(window, "txtFirstName");
    QTest::keyClicks(edit, "MAX");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("MA"));
    QCOMPARE(m_platform->messages, QStringList {"Please Enter Only Alphabet"});
}

void tst_InputWindows::pastedNameIsCleaned()
{
    BirthDataWindow *window = open(2);
    auto *edit = child<QLineEdit>(window, "txtName");
    QApplication::clipboard()->setText(QStringLiteral("mary-jane o'hara 2 \u00e9"));
    edit->setFocus();
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("MARYJANE OHARA  "));
    QCOMPARE(m_platform->messages, QStringList {"Please Enter only Letters"});
    // A clean paste says nothing.
    m_platform->clear();
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("Ann Lee"));
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("ANN LEE"));
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_InputWindows::textSetFromOutsideIsCleaned()
{
    // Assistive technology sets the whole text; the field cleans it all the same.
    BirthDataWindow *window = open(1);
    auto *edit = child<QLineEdit>(window, "txtLastName");
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(accessible && accessible->editableTextInterface());
    accessible->editableTextInterface()->insertText(0, QStringLiteral("de la cruz!"));
    QCOMPARE(edit->text(), QStringLiteral("DE LA CRUZ"));
    QCOMPARE(m_platform->messages, QStringList {"Please Enter Only Alphabet"});
}

void tst_InputWindows::sunSignValidation_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("message"); // empty: passes
    QTest::addColumn<QString>("focus");
    QTest::newRow("both names empty") << 0 << ""
                                      << "" << 1 << 1 << "Please Enter Your First Name"
                                      << "txtFirstName";
    QTest::newRow("last name empty") << 0 << "ANNA"
                                     << "" << 1 << 1 << "Please Enter Your Last Name"
                                     << "txtLastName";
    QTest::newRow("first name empty, romance") << 1 << ""
                                               << "LEE" << 1 << 1 << "Please Enter Your First Name"
                                               << "txtFirstName";
    QTest::newRow("31 February passes") << 0 << "ANNA"
                                        << "LEE" << 31 << 2 << ""
                                        << "";
    QTest::newRow("31 April passes") << 1 << "ANNA"
                                     << "LEE" << 31 << 4 << ""
                                     << "";
}

void tst_InputWindows::sunSignValidation()
{
    QFETCH(int, reading);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    BirthDataWindow *window = open(reading);
    QTest::keyClicks(child(window, "txtFirstName"), first);
    QTest::keyClicks(child(window, "txtLastName"), last);
    child<QComboBox>(window, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(window, "cboMonth")->setCurrentIndex(month - 1);
    child(window, "cboYear")->setFocus();

    QCOMPARE(window->ValidateBirthData(), message.isEmpty());
    QCOMPARE(m_platform->messages, message.isEmpty() ? QStringList() : QStringList {message});
    if (!focus.isEmpty())
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
}

void tst_InputWindows::tableValidation_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: passes
    QTest::newRow("sexual 30 February")
        << 2 << "EVA" << 30 << 2 << 1960 << "Please Enter Your Correct Date of Birth!";
    QTest::newRow("sexual 31 June")
        << 2 << "EVA" << 31 << 6 << 1960 << "Please Enter Your Correct Date of Birth !";
    QTest::newRow("sexual 29 February 1941") << 2 << "EVA" << 29 << 2 << 1941 << "";
    QTest::newRow("sexual name before date")
        << 2 << "" << 31 << 2 << 1960 << "Please Enter Your Name";
    QTest::newRow("zodiac 31 February")
        << 3 << "EVA" << 31 << 2 << 1975 << "Please Enter Correct Date of Birth!";
    QTest::newRow("zodiac 31 November")
        << 3 << "EVA" << 31 << 11 << 1975 << "Please Enter Correct Date of Birth !";
    QTest::newRow("zodiac 31 September")
        << 3 << "EVA" << 31 << 9 << 1975 << "Please Enter Correct Date of Birth !";
    QTest::newRow("zodiac 31 December") << 3 << "EVA" << 31 << 12 << 2012 << "";
    QTest::newRow("zodiac 31 January") << 3 << "EVA" << 31 << 1 << 1930 << "";
    QTest::newRow("zodiac name before date")
        << 3 << "" << 31 << 4 << 1975 << "Please Enter Your Name";
}

void tst_InputWindows::tableValidation()
{
    QFETCH(int, reading);
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);

    BirthDataWindow *window = open(reading);
    QTest::keyClicks(child(window, "txtName"), name);
    child<QComboBox>(window, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(window, "cboMonth")->setCurrentIndex(month - 1);
    auto *years = child<QComboBox>(window, "cboYear");
    years->setCurrentIndex(years->findText(QString::number(year)));
    QWidget *focusBefore = child(window, "cboMonth");
    focusBefore->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focusBefore);

    QCOMPARE(window->ValidateBirthData(), message.isEmpty());
    QCOMPARE(m_platform->messages, message.isEmpty() ? QStringList() : QStringList {message});
    // A date refusal leaves the focus where it was; the name refusal moves it to the name.
    QCOMPARE(QApplication::focusWidget()->objectName(),
             name.isEmpty() ? QStringLiteral("txtName") : QStringLiteral("cboMonth"));
    // The entries stay as they were.
    QCOMPARE(child<QComboBox>(window, "cboDate")->currentIndex(), day - 1);
    QCOMPARE(child<QLineEdit>(window, "txtName")->text(), name);
}

void tst_InputWindows::fileMenuNextRunsTheCheck()
{
    const QStringList menuNames = {"mnuNext", "mnuNext", "mnuFindSexualitySign", "mnuFindLoveSign"};
    const QStringList messages = {"Please Enter Your First Name", "Please Enter Your First Name",
                                  "Please Enter Your Name", "Please Enter Your Name"};
    for (int reading = 0; reading < 4; ++reading) {
        m_platform->clear();
        BirthDataWindow *window = open(reading);
        action(window, menuNames[reading])->trigger();
        QCOMPARE(m_platform->messages, QStringList {messages[reading]});
        QVERIFY(window->isShownInMdi());
        QVERIFY(!m_mdi->isWelcomePanelVisible());
    }
}

QTEST_MAIN(tst_InputWindows)
#include "tst_inputwindows.moc"
