#include "FakePlatform.h"
#include "GuiTestSupport.h"

#include "app/frmDonate.h"
#include "gui/ClickableLabel.h"
#include "gui/WebPages.h"
#include "gui/frmAbout.h"
#include "input/frmLoveAstrologyMain.h"
#include "input/frmRomanceAstrologyMain.h"
#include "input/frmSexualAstrologyMain.h"
#include "input/frmZodiacLoveSignMain.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

using namespace GuiTest;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_desktop.open());
        m_platform = &m_desktop.platform();
        m_mdi = &m_desktop.mdi();
    }
    void cleanup() { QCOMPARE(m_desktop.close(), 0); }

    void caption();
    void readingButtons();
    void welcomeCaptions_data();
    void welcomeCaptions();
    void hoverUnderline();
    void choosingTheOpenReadingReopensItFresh();
    void closeReadingWindowsOrder();
    void exitOfInputWindowShowsWelcomePanel();
    void menuBar();
    void pageCommands_data();
    void pageCommands();
    void aboutWindowIsModal();
    void donationWindow();
    void layoutFollowsScreenAndWindow();

private:
    QWidget *caption(int index) { return child(m_mdi, QStringLiteral("lblCaption_%1").arg(index)); }

    Desktop m_desktop;
    FakePlatform *m_platform = nullptr;
    frmMDI *m_mdi = nullptr;
};

void tst_MainWindow::caption()
{
    QCOMPARE(m_mdi->objectName(), QStringLiteral("frmMDI"));
    QCOMPARE(m_mdi->windowTitle(), QStringLiteral("Kesto Astrology Suite v1.20"));
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QCOMPARE(m_mdi->mdiArea()->background().color(), QColor(Qt::black));
}

// The strip reads Love, Sexual, Romance, Zodiac from left to right: not the index order. The
// buttons stand in one row inside their frame, apart from each other, never clipping a caption.
void tst_MainWindow::readingButtons()
{
    const QStringList captions = {"Love Astrology", "Sexual Astrology", "Romance Astrology",
                                  "Zodiac Love Sign"};
    const int order[] = {0, 2, 1, 3};
    QWidget *frame = child(m_mdi, QStringLiteral("picButtonContainer"));
    QPushButton *previous = nullptr;
    for (int i = 0; i < 4; ++i) {
        auto *button =
            child<QPushButton>(m_mdi, QStringLiteral("cmdSelectOption_%1").arg(order[i]));
        QVERIFY(button);
        QCOMPARE(button->text(), captions[i]);
        QVERIFY(button->width() >= button->sizeHint().width());
        QCOMPARE(button->palette().color(QPalette::Button), QColor(192, 192, 192));
        QVERIFY(button->font().bold());
        QVERIFY(frame->rect().contains(button->geometry()));
        if (previous) {
            QCOMPARE(button->y(), previous->y());
            QVERIFY(previous->geometry().right() < button->x());
        }
        previous = button;
    }
}

void tst_MainWindow::welcomeCaptions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("above"); // the caption just above it, -1 for none
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("opens"); // empty: a caption that opens nothing
    // From the top: the welcome, its sentence, the heading of the list, then Love, Sexual, Romance
    // and Zodiac.
    QTest::newRow("0") << 0 << -1 << "Welcome to Kesto Astrology Suite" << QColor(0, 255, 255)
                       << "";
    QTest::newRow("1")
        << 1 << 0
        << "Welcome to Kesto Astrology Suite! This wonderful suite of softwares aims "
           "to make your love life as fresh as ever. Take a look at each of them and "
           "have great fun!"
        << QColor(255, 0, 0) << "";
    QTest::newRow("2") << 2 << 1 << "Kesto Astrology Suite includes the following programs"
                       << QColor(0, 255, 255) << "";
    QTest::newRow("3") << 3 << 2 << "Love Astrology" << QColor(255, 255, 0)
                       << "frmLoveAstrologyMain";
    QTest::newRow("4") << 4 << 5 << "Romance Astrology" << QColor(255, 0, 255)
                       << "frmRomanceAstrologyMain";
    QTest::newRow("5") << 5 << 3 << "Sexual Astrology" << QColor(0, 255, 0)
                       << "frmSexualAstrologyMain";
    QTest::newRow("6") << 6 << 4 << "Zodiac Love Sign" << QColor(255, 0, 0)
                       << "frmZodiacLoveSignMain";
}

// Each caption shows its text centred, below the one before; those that open a reading are links
// for the mouse and for assistive technology, the others are read as text and open nothing.
void tst_MainWindow::welcomeCaptions()
{
    QFETCH(int, index);
    QFETCH(int, above);
    QFETCH(QString, text);
    QFETCH(QColor, color);
    QFETCH(QString, opens);
    const bool link = !opens.isEmpty();

    auto *label = qobject_cast<ClickableLabel *>(caption(index));
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    // Centred on the 1280-pixel screen, and never clipping its caption.
    QVERIFY(qAbs(label->x() - (1280 - label->width()) / 2) <= 1);
    QVERIFY(label->sizeHint().width() <= label->width() || label->wordWrap());
    QVERIFY(label->heightForWidth(label->width()) <= label->height() || !label->wordWrap());
    if (above >= 0)
        QVERIFY(caption(above)->geometry().bottom() < label->y());
    QCOMPARE(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);

    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(label);
    QVERIFY(face);
    QCOMPARE(face->role(), link ? QAccessible::Link : QAccessible::StaticText);
    QCOMPARE(face->text(QAccessible::Name), text);
    const QStringList actions =
        face->actionInterface() ? face->actionInterface()->actionNames() : QStringList();
    QCOMPARE(actions.contains(QAccessibleActionInterface::pressAction()), link);

    const QStringList shown = link ? QStringList {opens} : QStringList();
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(visibleSubWindows(*m_mdi), shown);
    QCOMPARE(m_mdi->isWelcomePanelVisible(), !link);
    if (!link)
        return;
    QWidget *frame = shownReading(*m_mdi)->subWindow(); // centred at the top
    QCOMPARE(frame->pos(), QPoint((1280 - frame->width()) / 2, 0));
    m_mdi->CloseReadingWindows();
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(visibleSubWindows(*m_mdi), shown);
}

// The pointer underlines a caption that opens a reading; it stays so until the pointer is over
// the bare panel.
void tst_MainWindow::hoverUnderline()
{
    for (int index = 0; index < 7; ++index)
        QTest::mouseMove(caption(index));
    for (int index = 0; index < 7; ++index)
        QCOMPARE(caption(index)->font().underline(), index >= 3);
    QWidget *panel = child(m_mdi, QStringLiteral("picMain"));
    QTest::mouseMove(panel, QPoint(5, panel->height() - 5));
    for (int index = 0; index < 7; ++index)
        QVERIFY(!caption(index)->font().underline());
}

void tst_MainWindow::choosingTheOpenReadingReopensItFresh()
{
    m_mdi->cmdSelectOption_Click(2);
    auto *window = m_mdi->loadedWindow<frmSexualAstrologyMain>();
    QVERIFY(fillForm(window, QStringLiteral("EVA"), 1, 6, 1990));

    m_mdi->cmdSelectOption_Click(2);
    auto *fresh = m_mdi->loadedWindow<frmSexualAstrologyMain>();
    QVERIFY(fresh != window);
    QCOMPARE(formEntries(fresh), (QStringList {"", "1", "January", "1940"}));
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
        connect(m_mdi->readingWindow(id), &ReadingWindow::unloaded, this,
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

// Exit, the close box and the File menu's Exit of an input window show the welcome panel; the
// main window's Exit closes every window.
void tst_MainWindow::exitOfInputWindowShowsWelcomePanel()
{
    m_mdi->cmdSelectOption_Click(1);
    QTest::mouseClick(child(m_mdi->loadedWindow<frmRomanceAstrologyMain>(), "cmdExit"),
                      Qt::LeftButton);
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QVERIFY(!m_mdi->loadedWindow(ReadingWindowId::RomanceAstrologyMain));
    QCOMPARE(subWindowCount(*m_mdi), 0);

    m_mdi->cmdSelectOption_Click(3);
    m_mdi->loadedWindow<frmZodiacLoveSignMain>()->subWindow()->close();
    QVERIFY(m_mdi->isWelcomePanelVisible());
    m_mdi->cmdSelectOption_Click(0);
    action(m_mdi->loadedWindow<frmLoveAstrologyMain>(), "mnuExit")->trigger();
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QCOMPARE(subWindowCount(*m_mdi), 0);

    m_mdi->cmdSelectOption_Click(2);
    QTest::mouseClick(child(m_mdi, "cmdMdiExit"), Qt::LeftButton);
    QVERIFY(!m_mdi->isVisible());
    QVERIFY(!m_mdi->loadedWindow(ReadingWindowId::SexualAstrologyMain));
    QCOMPARE(subWindowCount(*m_mdi), 0);
}

// The main window's own bar, each menu's entries after it ("-" a separator).
void tst_MainWindow::menuBar()
{
    QStringList shown;
    for (QAction *top : m_mdi->menuBar()->actions()) {
        QMenu *menu = top->menu();
        shown << (menu ? menu->objectName() : top->objectName()) + ": " + top->text();
        for (QAction *entry : menu ? menu->actions() : QList<QAction *>())
            shown << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    QCOMPARE(
        shown,
        (QStringList {"mnuFile: &File", "Love &Match", "E&xit", "mnuHelp: &Help", "&Online Help",
                      "&Visit Us Online", "-", "Check for Software &Update", "-", "&About Software",
                      "mnuDonate: &Donate", "mkmoney: Make Money &Online"}));
}

// Every page command of the main window's menus and of each input window, as "control=page".
void tst_MainWindow::pageCommands_data()
{
    QTest::addColumn<int>("reading"); // -1: the main window; else the reading button
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("main") << -1
                          << QStringList {"mnuOnline=help-web-page", "mnuVisit=home-page",
                                          "mnuUpdate=download-web-page", "mnuDonate=donate",
                                          "mkmoney=fully-branded"};
    // Three labels, the menus (the last entry's name differs between windows), and Label2.
    const auto input = [](const QString &makeMoney, bool label2) {
        return QStringList {"Label61=home-page",   "lblFullBrand=fully-branded",
                            "lblCobrand=co-brand", "mnuOnline=help-web-page",
                            "mnuVisit=home-page",  "mnuUpdate=download-web-page",
                            "mnuDonate=donate",    makeMoney + "=fully-branded"}
        + (label2 ? QStringList {"Label2=fully-branded"} : QStringList());
    };
    QTest::newRow("love") << 0 << input("mnumakemoney", true);
    QTest::newRow("romance") << 1 << input("mnumakemoney", true);
    QTest::newRow("sexual") << 2 << input("mnuMakeMoneyOnline", false);
    QTest::newRow("zodiac") << 3 << input("mnuMakeMoneyOnline", false);
}

void tst_MainWindow::pageCommands()
{
    QFETCH(int, reading);
    QFETCH(QStringList, pages);

    QWidget *window = m_mdi;
    if (reading >= 0) {
        m_mdi->cmdSelectOption_Click(reading);
        window = m_mdi->mdiArea()->activeSubWindow()->widget();
    }
    QStringList opened;
    for (const QString &row : pages) {
        const QString control = row.section(QLatin1Char('='), 0, 0);
        m_platform->clear();
        if (auto *command = window->findChild<QAction *>(control)) {
            command->trigger();
        } else {
            QWidget *label = child(window, control);
            QVERIFY(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        }
        opened << control + QLatin1Char('=') + openedPage(m_platform->opened);
        // Opening a page leaves the windows as they were.
        QCOMPARE(visibleSubWindows(*m_mdi).size(), reading < 0 ? 0 : 1);
    }
    QCOMPARE(opened, pages);
}

void tst_MainWindow::aboutWindowIsModal()
{
    qunsetenv(WebHostVariable);
    m_mdi->cmdSelectOption_Click(0);
    bool seen = false;
    whenModalOpens([&](QWidget *modal) {
        auto *about = qobject_cast<frmAbout *>(modal);
        QVERIFY(about && about->isModal());
        seen = true;
        QCOMPARE(about->windowTitle(), QStringLiteral("Kesto Astrology Suite v1.20"));
        QVERIFY(labelText(about, "lblDescription")
                    .startsWith("Kesto Astrology Suite is a comprehensive love software"));
        // The installed pages open: the site is named, not given by its file: address.
        QCOMPARE(labelText(about, "lblHomePage"),
                 QStringLiteral("Visit us online at the Kesto Astrology web site"));
        QTest::mouseClick(child(about, "lblHomePage"), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(child(about, "lblCoBrand"), Qt::LeftButton, {}, QPoint(3, 3));
        // It opened with the focus on OK, which the links' clicks leave there: Enter closes it.
        QCOMPARE(about->focusWidget(), child(about, "cmdOK"));
        QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        QVERIFY(!about->isVisible());
    });
    action(m_mdi->loadedWindow(ReadingWindowId::LoveAstrologyMain), "mnuAbout")->trigger();
    QVERIFY(seen);
    QCOMPARE(
        m_platform->opened,
        (QList<QUrl> {webPageAddress(WebPage::HomePage), webPageAddress(WebPage::FullyBranded)}));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!m_mdi->findChild<frmAbout *>());
}

// The first amount is chosen when the donation window opens.
void tst_MainWindow::donationWindow()
{
    bool seen = false;
    whenModalOpens([&](QWidget *modal) {
        auto *donate = qobject_cast<frmDonate *>(modal);
        QVERIFY(donate && donate->isModal());
        seen = true;
        QTest::mouseClick(child(donate, "cmdDonate"), Qt::LeftButton);
        QTest::mouseClick(child(donate, "cmdClose"), Qt::LeftButton);
    });
    QTest::mouseClick(child(m_mdi, "cmdMDIDonate"), Qt::LeftButton);
    QVERIFY(seen);
    QUrlQuery amount;
    amount.addQueryItem(QStringLiteral("amount"), QStringLiteral("5"));
    QCOMPARE(m_platform->opened, QList<QUrl> {webPageAddress(WebPage::Donate, amount)});
    QVERIFY(m_mdi->isWelcomePanelVisible());
    QVERIFY(!m_mdi->findChild<frmDonate *>());
}

// At 120 dpi a twip is 1/12 of a pixel and the screen is 1600 pixels (19200 twips) wide. On a
// 1366 x 768 screen (20490 x 11520 twips at 96 dpi) the donate button's place is not held back by
// the welcome panel's foot: top 11520 - (735 + 735 + 2700), left 20490 - (4095 + 160). A window
// of 900 x 620 pixels on that screen takes its own width in the same formulas: every control
// stays inside it, and a reading window opens centred in the room it leaves.
void tst_MainWindow::layoutFollowsScreenAndWindow()
{
    m_platform->dpi = 120;
    m_platform->screen = QSize(1600, 1200);
    frmMDI scaled;
    QCOMPARE(child(&scaled, "cmdSelectOption_1")->geometry(),
             QRect(6120 / 12, qRound(188 / 12.0), qRound(1890 / 12.0), qRound(495 / 12.0)));
    QWidget *caption = child(&scaled, "lblCaption_0");
    QVERIFY(qAbs(caption->x() - (1600 - caption->width()) / 2) <= 1);
    QCOMPARE(child(&scaled, "cmdMdiExit")->x(), qRound((19200 - 1335 - 120) / 12.0));

    m_platform->dpi = 96;
    m_platform->screen = QSize(1366, 768);
    frmMDI low;
    QCOMPARE(child(&low, "cmdMDIDonate")->geometry(),
             QRect(qRound(16235 / 15.0), 7350 / 15, 4095 / 15, 735 / 15));
    QCOMPARE(child(&low, "cmdMdiExit")->x(), 19035 / 15);

    low.resize(900, 620);
    low.show();
    QVERIFY(QTest::qWaitForWindowExposed(&low));
    QCOMPARE(child(&low, "cmdMdiExit")->x(), (13500 - 1455) / 15);
    for (const char *name : {"cmdSelectOption_0", "cmdSelectOption_1", "cmdSelectOption_2",
                             "cmdSelectOption_3", "lblVelmoraBanner", "cmdMDIDonate", "Label7"}) {
        QWidget *control = child(&low, QLatin1String(name));
        QVERIFY2(low.rect().contains(QRect(control->mapTo(&low, QPoint()), control->size())), name);
    }
    QWidget *frame = openReading(low, 0)->subWindow();
    QVERIFY(qAbs(2 * frame->x() + frame->width() - 900) <= 2);
    QCOMPARE(low.mdiArea()->horizontalScrollBar()->maximum(), 0);
    low.CloseReadingWindows();
    flushDeletes();
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
