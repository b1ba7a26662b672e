#include "FakePlatform.h"
#include "GuiTestSupport.h"

#include "app/ClickableLabel.h"
#include "app/WebPages.h"
#include "app/frmAbout.h"
#include "app/frmDonate.h"
#include "input/frmLoveAstrologyMain.h"
#include "input/frmRomanceAstrologyMain.h"
#include "input/frmSexualAstrologyMain.h"
#include "input/frmZodiacLoveSignMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace GuiTest;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void caption();
    void readingButtons_data();
    void readingButtons();
    void readingButtonStrip();
    void welcomeCaptions_data();
    void welcomeCaptions();
    void welcomeCaptionsTopToBottom();
    void captionsThatOpenNothing();
    void captionPressedByAssistiveTechnology();
    void hoverUnderline();
    void choosingAnotherReadingClosesTheOpenOne();
    void choosingTheOpenReadingReopensItFresh();
    void closeReadingWindowsOrder();
    void exitOfInputWindowShowsWelcomePanel();
    void menuBarFollowsActiveWindow();
    void menuCaptions();
    void pageCommands_data();
    void pageCommands();
    void aboutWindowIsModal();
    void donationWindow();
    void exitClosesEverything();
    void layoutFollowsTheScreen();
    void donateButtonOnALowScreen();

private:
    Desktop m_desktop;
    FakePlatform *m_platform = nullptr;
    frmMDI *m_mdi = nullptr;
};

void tst_MainWindow::init()
{
    QVERIFY(m_desktop.open());
    m_platform = &m_desktop.platform();
    m_mdi = &m_desktop.mdi();
}

void tst_MainWindow::cleanup()
{
    QCOMPARE(m_desktop.close(), 0);
}

void tst_MainWindow::caption()
{
    QCOMPARE(m_mdi->objectName(), QStringLiteral("frmMDI"));
    QCOMPARE(m_mdi->windowTitle(), QStringLiteral("Kesto Astrology Suite v1.20"));
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QCOMPARE(m_mdi->mdiArea()->background().color(), QColor(Qt::black));
}

void tst_MainWindow::readingButtons_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("window");
    QTest::newRow("0 love") << 0 << "Love Astrology"
                            << "frmLoveAstrologyMain";
    QTest::newRow("1 romance") << 1 << "Romance Astrology"
                               << "frmRomanceAstrologyMain";
    QTest::newRow("2 sexual") << 2 << "Sexual Astrology"
                              << "frmSexualAstrologyMain";
    QTest::newRow("3 zodiac") << 3 << "Zodiac Love Sign"
                              << "frmZodiacLoveSignMain";
}

void tst_MainWindow::readingButtons()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, window);

    auto *button = child<QPushButton>(m_mdi, QStringLiteral("cmdSelectOption_%1").arg(index));
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QVERIFY(button->width() >= button->sizeHint().width());
    QCOMPARE(button->palette().color(QPalette::Button), QColor(192, 192, 192));
    QVERIFY(button->font().bold());

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(visibleSubWindows(*m_mdi), QStringList {window});
    QVERIFY(!m_mdi->isWelcomePanelVisible());
    auto *opened = qobject_cast<BirthDataWindow *>(m_mdi->mdiArea()->activeSubWindow()->widget());
    QVERIFY(opened);
    // Placed centred on the screen, at the top.
    QWidget *frame = opened->subWindow();
    QCOMPARE(frame->y(), 0);
    QVERIFY(qAbs(frame->x() - (1280 - frame->width()) / 2) <= 1);
}

// The strip reads Love, Sexual, Romance, Zodiac from left to right: not the index order. The
// buttons stand in one row inside their frame, apart from each other.
void tst_MainWindow::readingButtonStrip()
{
    QList<QPushButton *> buttons;
    for (int index : {0, 2, 1, 3})
        buttons << child<QPushButton>(m_mdi, QStringLiteral("cmdSelectOption_%1").arg(index));
    QWidget *frame = child(m_mdi, QStringLiteral("picButtonContainer"));
    for (int i = 0; i < buttons.size(); ++i) {
        QVERIFY(frame->rect().contains(buttons[i]->geometry()));
        QCOMPARE(buttons[i]->y(), buttons[0]->y());
        if (i > 0)
            QVERIFY(buttons[i - 1]->geometry().right() < buttons[i]->x());
    }
}

void tst_MainWindow::welcomeCaptions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("opens");
    QTest::newRow("0") << 0 << "Welcome to Kesto Astrology Suite" << QColor(0, 255, 255) << "";
    QTest::newRow("1")
        << 1
        << "Welcome to Kesto Astrology Suite! This wonderful suite of softwares aims "
           "to make your love life as fresh as ever. Take a look at each of them and "
           "have great fun!"
        << QColor(255, 0, 0) << "";
    QTest::newRow("2") << 2 << "Kesto Astrology Suite includes the following programs"
                       << QColor(0, 255, 255) << "";
    QTest::newRow("3") << 3 << "Love Astrology" << QColor(255, 255, 0) << "frmLoveAstrologyMain";
    QTest::newRow("4") << 4 << "Romance Astrology" << QColor(255, 0, 255)
                       << "frmRomanceAstrologyMain";
    QTest::newRow("5") << 5 << "Sexual Astrology" << QColor(0, 255, 0) << "frmSexualAstrologyMain";
    QTest::newRow("6") << 6 << "Zodiac Love Sign" << QColor(255, 0, 0) << "frmZodiacLoveSignMain";
}

void tst_MainWindow::welcomeCaptions()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QColor, color);
    QFETCH(QString, opens);

    auto *label = child<ClickableLabel>(m_mdi, QStringLiteral("lblCaption_%1").arg(index));
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    // Centred on the 1280-pixel screen, and never clipping its caption.
    QVERIFY(qAbs(label->x() - (1280 - label->width()) / 2) <= 1);
    QVERIFY(label->sizeHint().width() <= label->width() || label->wordWrap());
    QVERIFY(label->heightForWidth(label->width()) <= label->height() || !label->wordWrap());
    QCOMPARE(label->cursor().shape(), opens.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    if (opens.isEmpty())
        return;
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(visibleSubWindows(*m_mdi), QStringList {opens});
    QVERIFY(!m_mdi->isWelcomePanelVisible());
}

// From the top: the welcome, its sentence, the heading of the list, then Love, Sexual, Romance
// and Zodiac; no caption covers another.
void tst_MainWindow::welcomeCaptionsTopToBottom()
{
    QWidget *previous = nullptr;
    for (int index : {0, 1, 2, 3, 5, 4, 6}) {
        QWidget *label = child(m_mdi, QStringLiteral("lblCaption_%1").arg(index));
        if (previous)
            QVERIFY2(previous->geometry().bottom() < label->y(), qPrintable(label->objectName()));
        previous = label;
    }
}

void tst_MainWindow::captionsThatOpenNothing()
{
    for (int index : {0, 1, 2}) {
        QTest::mouseClick(child(m_mdi, QStringLiteral("lblCaption_%1").arg(index)), Qt::LeftButton);
        QVERIFY(m_mdi->isWelcomePanelVisible());
        QCOMPARE(subWindowCount(*m_mdi), 0);
    }
}

void tst_MainWindow::captionPressedByAssistiveTechnology()
{
    QAccessibleInterface *caption =
        QAccessible::queryAccessibleInterface(child(m_mdi, "lblCaption_6"));
    QVERIFY(caption && caption->actionInterface());
    QCOMPARE(caption->role(), QAccessible::Link);
    QCOMPARE(caption->text(QAccessible::Name), QStringLiteral("Zodiac Love Sign"));
    caption->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(visibleSubWindows(*m_mdi), QStringList {"frmZodiacLoveSignMain"});
}

void tst_MainWindow::hoverUnderline()
{
    QWidget *panel = child(m_mdi, QStringLiteral("picMain"));
    auto underlined = [this](int index) {
        return child(m_mdi, QStringLiteral("lblCaption_%1").arg(index))->font().underline();
    };
    for (int index = 0; index < 7; ++index)
        QTest::mouseMove(child(m_mdi, QStringLiteral("lblCaption_%1").arg(index)));
    for (int index = 0; index < 7; ++index)
        QCOMPARE(underlined(index), index >= 3);
    QTest::mouseMove(panel, QPoint(5, panel->height() - 5));
    for (int index = 0; index < 7; ++index)
        QVERIFY(!underlined(index));
}

void tst_MainWindow::choosingAnotherReadingClosesTheOpenOne()
{
    m_mdi->cmdSelectOption_Click(0);
    QPointer<ReadingWindow> love = m_mdi->loadedWindow(ReadingWindowId::LoveAstrologyMain);
    QVERIFY(love);
    m_mdi->cmdSelectOption_Click(3);
    flushDeletes();
    QVERIFY(!love);
    QCOMPARE(visibleSubWindows(*m_mdi), QStringList {"frmZodiacLoveSignMain"});
    QVERIFY(!m_mdi->isWelcomePanelVisible());
    QCOMPARE(subWindowCount(*m_mdi), 1);
}

void tst_MainWindow::choosingTheOpenReadingReopensItFresh()
{
    m_mdi->cmdSelectOption_Click(2);
    auto *window = m_mdi->loadedWindow<frmSexualAstrologyMain>();
    QTest::keyClicks(child(window, "txtName"), "EVA");
    child<QComboBox>(window, "cboMonth")->setCurrentIndex(5);
    child<QComboBox>(window, "cboYear")->setCurrentIndex(50);

    m_mdi->cmdSelectOption_Click(2);
    auto *fresh = m_mdi->loadedWindow<frmSexualAstrologyMain>();
    QVERIFY(fresh != window);
    QCOMPARE(child<QLineEdit>(fresh, "txtName")->text(), QString());
    QCOMPARE(child<QComboBox>(fresh, "cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(fresh, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(fresh, "cboYear")->currentText(), QStringLiteral("1940"));
    QCOMPARE(subWindowCount(*m_mdi), 1);
}

void tst_MainWindow::closeReadingWindowsOrder()
{
    QList<ReadingWindowId> loadOrder = {
        ReadingWindowId::ZodiacLoveSignMain, ReadingWindowId::LoveAstrologyMain,
        ReadingWindowId::SexualAstrologyDisplay, ReadingWindowId::RomanceAstrologyMain,
        ReadingWindowId::LoveAstrologyDisplay};
    QStringList closed;
    for (ReadingWindowId id : loadOrder) {
        ReadingWindow *window = m_mdi->readingWindow(id);
        connect(window, &ReadingWindow::unloaded, this,
                [&closed](ReadingWindow *w) { closed << w->objectName(); });
    }
    m_mdi->setWelcomePanelVisible(false);
    m_mdi->CloseReadingWindows();
    QCOMPARE(
        closed,
        (QStringList {"frmLoveAstrologyDisplay", "frmLoveAstrologyMain", "frmRomanceAstrologyMain",
                      "frmSexualAstrologyDisplay", "frmZodiacLoveSignMain"}));
    QVERIFY(m_mdi->isWelcomePanelVisible());
    for (ReadingWindowId id : loadOrder)
        QVERIFY(!m_mdi->loadedWindow(id));
    QCOMPARE(subWindowCount(*m_mdi), 0);

    // Windows that are not loaded are not created for the purpose.
    m_mdi->CloseReadingWindows();
    QCOMPARE(subWindowCount(*m_mdi), 0);
}

void tst_MainWindow::exitOfInputWindowShowsWelcomePanel()
{
    m_mdi->cmdSelectOption_Click(1);
    auto *window = m_mdi->loadedWindow<frmRomanceAstrologyMain>();
    QTest::mouseClick(child(window, "cmdExit"), Qt::LeftButton);
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QVERIFY(!m_mdi->loadedWindow(ReadingWindowId::RomanceAstrologyMain));
    QCOMPARE(subWindowCount(*m_mdi), 0);

    // The close box and the File menu do the same.
    m_mdi->cmdSelectOption_Click(3);
    m_mdi->loadedWindow<frmZodiacLoveSignMain>()->subWindow()->close();
    QVERIFY(m_mdi->isWelcomePanelVisible());
    m_mdi->cmdSelectOption_Click(0);
    action(m_mdi->loadedWindow<frmLoveAstrologyMain>(), "mnuExit")->trigger();
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QCOMPARE(subWindowCount(*m_mdi), 0);
}

void tst_MainWindow::menuBarFollowsActiveWindow()
{
    auto menuNames = [this] {
        QStringList names;
        for (QAction *action : m_mdi->menuBar()->actions())
            names << (action->menu() ? action->menu()->objectName() : action->objectName());
        return names;
    };
    QCOMPARE(menuNames(), (QStringList {"mnuFile", "mnuHelp", "mnuDonate", "mkmoney"}));
    m_mdi->cmdSelectOption_Click(0);
    QCOMPARE(menuNames(), (QStringList {"mnuFile", "mnuHelp", "mnuDonate", "mnumakemoney"}));
    QCOMPARE(m_mdi->menuBar()->actions().first()->menu()->actions().first()->objectName(),
             QStringLiteral("mnuNext"));
    m_mdi->cmdSelectOption_Click(3);
    QCOMPARE(menuNames(), (QStringList {"mnuFile", "mnuHelp", "mnuDonate", "mnuMakeMoneyOnline"}));
    m_mdi->CloseReadingWindows();
    QCOMPARE(menuNames(), (QStringList {"mnuFile", "mnuHelp", "mnuDonate", "mkmoney"}));
}

void tst_MainWindow::menuCaptions()
{
    auto captions = [](QWidget *window) {
        QStringList texts;
        for (QMenu *menu :
             {window->findChild<QMenu *>("mnuFile"), window->findChild<QMenu *>("mnuHelp")}) {
            texts << menu->title();
            for (QAction *action : menu->actions())
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    };
    QCOMPARE(captions(m_mdi),
             (QStringList {"&File", "E&xit", "&Help", "&Online Help", "&Visit Us Online", "-",
                           "Check for Software &Update", "-", "&About Software"}));
    m_mdi->cmdSelectOption_Click(0);
    QCOMPARE(captions(m_mdi->loadedWindow(ReadingWindowId::LoveAstrologyMain)),
             (QStringList {"&File", "Get My Love Astrology Reading", "E&xit", "&Help",
                           "&Online Help", "&Visit Us Online", "-", "&Check for Software Update",
                           "-", "&About Software"}));
    m_mdi->cmdSelectOption_Click(1);
    QCOMPARE(captions(m_mdi->loadedWindow(ReadingWindowId::RomanceAstrologyMain)).mid(0, 3),
             (QStringList {"&File", "Get My Romance Astrology Reading", "E&xit"}));
    m_mdi->cmdSelectOption_Click(2);
    QCOMPARE(captions(m_mdi->loadedWindow(ReadingWindowId::SexualAstrologyMain)),
             (QStringList {"&File", "Find My &Sexual Astrology Sign", "E&xit", "&Help",
                           "&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                           "-", "&About Software"}));
    m_mdi->cmdSelectOption_Click(3);
    QCOMPARE(captions(m_mdi->loadedWindow(ReadingWindowId::ZodiacLoveSignMain)).mid(0, 3),
             (QStringList {"&File", "Find My Zodiac &Love Sign", "E&xit"}));
    QCOMPARE(m_mdi->menuBar()->actions().at(2)->text(), QStringLiteral("&Donate"));
    QCOMPARE(m_mdi->menuBar()->actions().at(3)->text(), QStringLiteral("Make Money &Online"));
}

// Every page command of every window, by window and object name.
void tst_MainWindow::pageCommands_data()
{
    QTest::addColumn<int>("reading"); // -1: the main window; else the reading button
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    const QList<std::pair<QString, QString>> shared = {{"mnuOnline", "help-web-page"},
                                                       {"mnuVisit", "home-page"},
                                                       {"mnuUpdate", "download-web-page"},
                                                       {"mnuDonate", "donate"}};
    const QStringList makeMoney = {"mnumakemoney", "mnumakemoney", "mnuMakeMoneyOnline",
                                   "mnuMakeMoneyOnline"};
    for (int reading = -1; reading < 4; ++reading) {
        const QString prefix = reading < 0 ? QStringLiteral("main") : QString::number(reading);
        for (const auto &[name, page] : shared)
            QTest::addRow("%s %s", qPrintable(prefix), qPrintable(name)) << reading << name << page;
        const QString money = reading < 0 ? QStringLiteral("mkmoney") : makeMoney[reading];
        QTest::addRow("%s %s", qPrintable(prefix), qPrintable(money))
            << reading << money << "fully-branded";
        if (reading < 0) {
            QTest::newRow("main lblVelmoraBanner") << reading << "lblVelmoraBanner"
                                                   << "home-page";
            QTest::newRow("main Picture6") << reading << "Picture6"
                                           << "home-page";
            QTest::newRow("main Label7") << reading << "Label7"
                                         << "fully-branded";
        } else {
            QTest::addRow("%s Label61", qPrintable(prefix)) << reading << "Label61"
                                                            << "home-page";
            QTest::addRow("%s lblFullBrand", qPrintable(prefix)) << reading << "lblFullBrand"
                                                                 << "fully-branded";
            QTest::addRow("%s lblCobrand", qPrintable(prefix)) << reading << "lblCobrand"
                                                               << "co-brand";
        }
        if (reading == 0 || reading == 1)
            QTest::addRow("%s Label2", qPrintable(prefix)) << reading << "Label2"
                                                           << "fully-branded";
    }
}

void tst_MainWindow::pageCommands()
{
    QFETCH(int, reading);
    QFETCH(QString, control);
    QFETCH(QString, page);

    QWidget *window = m_mdi;
    if (reading >= 0) {
        m_mdi->cmdSelectOption_Click(reading);
        window = m_mdi->mdiArea()->activeSubWindow()->widget();
    }
    if (auto *command = window->findChild<QAction *>(control)) {
        command->trigger();
    } else {
        QWidget *label = child(window, control);
        QVERIFY(label);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    }
    QCOMPARE(openedPage(m_platform->opened), page);
    // Opening a page leaves the windows as they were.
    QCOMPARE(visibleSubWindows(*m_mdi).size(), reading < 0 ? 0 : 1);
}

void tst_MainWindow::aboutWindowIsModal()
{
    m_mdi->cmdSelectOption_Click(0);
    bool seen = false;
    whenModalOpens([&](QWidget *modal) {
        auto *about = qobject_cast<frmAbout *>(modal);
        QVERIFY(about);
        seen = true;
        QCOMPARE(about->windowTitle(), QStringLiteral("Kesto Astrology Suite v1.20"));
        QVERIFY(about->isModal());
        QVERIFY(QApplication::activeModalWidget() == about);
        QVERIFY(about->findChild<QLabel *>("lblDescription")
                    ->text()
                    .startsWith("Kesto Astrology Suite is a comprehensive love software"));
        QTest::mouseClick(child(about, "lblHomePage"), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(child(about, "lblCoBrand"), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(child(about, "cmdOK"), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    });
    action(m_mdi->loadedWindow(ReadingWindowId::LoveAstrologyMain), "mnuAbout")->trigger();
    QVERIFY(seen);
    QCOMPARE(m_platform->opened.size(), 2);
    QCOMPARE(m_platform->opened.at(0), webPageAddress(WebPage::HomePage));
    QCOMPARE(m_platform->opened.at(1), webPageAddress(WebPage::FullyBranded));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!m_mdi->findChild<frmAbout *>());
}

void tst_MainWindow::donationWindow()
{
    bool seen = false;
    whenModalOpens([&](QWidget *modal) {
        auto *donate = qobject_cast<frmDonate *>(modal);
        QVERIFY(donate);
        seen = true;
        QVERIFY(donate->isModal());
        QTest::mouseClick(child(donate, "cmdDonate"), Qt::LeftButton);
        QTest::mouseClick(child(donate, "cmdClose"), Qt::LeftButton);
    });
    QTest::mouseClick(child(m_mdi, "cmdMDIDonate"), Qt::LeftButton);
    QVERIFY(seen);
    // The first amount is chosen when the window opens.
    QUrlQuery amount;
    amount.addQueryItem(QStringLiteral("amount"), QStringLiteral("5"));
    QCOMPARE(m_platform->opened, QList<QUrl> {webPageAddress(WebPage::Donate, amount)});
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QVERIFY(!m_mdi->findChild<frmDonate *>());
}

void tst_MainWindow::exitClosesEverything()
{
    m_mdi->cmdSelectOption_Click(2);
    QTest::mouseClick(child(m_mdi, "cmdMdiExit"), Qt::LeftButton);
    QVERIFY(!m_mdi->isVisible());
    QVERIFY(!m_mdi->loadedWindow(ReadingWindowId::SexualAstrologyMain));
    QCOMPARE(subWindowCount(*m_mdi), 0);
}

void tst_MainWindow::layoutFollowsTheScreen()
{
    // At 120 dpi a twip is 1/12 of a pixel and the screen is 1600 pixels (19200 twips) wide.
    m_platform->dpi = 120;
    m_platform->screen = QSize(1600, 1200);
    frmMDI scaled;
    auto *button = child<QPushButton>(&scaled, "cmdSelectOption_1");
    QCOMPARE(button->geometry(),
             QRect(6120 / 12, qRound(188 / 12.0), qRound(1890 / 12.0), qRound(495 / 12.0)));
    QWidget *caption = child(&scaled, "lblCaption_0");
    QVERIFY(qAbs(caption->x() - (1600 - caption->width()) / 2) <= 1);
    QCOMPARE(child(&scaled, "picMain")->height(), 8640 / 12);
    QWidget *exit = child(&scaled, "cmdMdiExit");
    QCOMPARE(exit->x(), qRound((19200 - 1335 - 120) / 12.0));
    // The donate button stays on the welcome panel however tall the screen is.
    QWidget *donate = child(&scaled, "cmdMDIDonate");
    QVERIFY(donate->geometry().bottom() < child(&scaled, "picMain")->height());
}

// On a 1366 x 768 screen (20490 x 11520 twips at 96 dpi) the donate button's place is not held
// back by the welcome panel's foot: top 11520 - (735 + 735 + 2700), left 20490 - (4095 + 160).
void tst_MainWindow::donateButtonOnALowScreen()
{
    m_platform->screen = QSize(1366, 768);
    frmMDI low;
    QWidget *donate = child(&low, "cmdMDIDonate");
    QCOMPARE(donate->pos(), QPoint(qRound(16235 / 15.0), 7350 / 15));
    QCOMPARE(donate->size(), QSize(4095 / 15, 735 / 15));
    QCOMPARE(child(&low, "cmdMdiExit")->x(), 19035 / 15);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
