#include "GuiTestSupport.h"

#include "app/ReadingNavigator.h"

#include <QPointer>

using namespace GuiTest;

namespace {

// The names of the top-level entries of the menu bar the main window shows now.
QStringList menuBarOf(frmMDI &mdi)
{
    QStringList names;
    for (QAction *action : mdi.menuBar()->actions())
        names << action->objectName();
    return names;
}

QStringList menuBarOf(ReadingWindow *window)
{
    QStringList names;
    for (QAction *action : window->menuBarActions())
        names << action->objectName();
    return names;
}

} // namespace

// The moves between reading windows: open an input window, present a result, go back, close;
// with the welcome panel and the menu bar after each.
class tst_Navigator : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desk.open()); }
    void cleanup() { QCOMPARE(m_desk.close(), 0); }

    void openInputClosesTheOthers();
    void backOrders_data();
    void backOrders();
    void closingATableResultBringsBackTheWelcomePanel();

private:
    Desktop m_desk;
};

void tst_Navigator::openInputClosesTheOthers()
{
    frmMDI &mdi = m_desk.mdi();
    const QStringList mainMenus = menuBarOf(mdi);
    ReadingNavigator &navigator = *mdi.navigator();

    QPointer<ReadingWindow> result = navigator.window(ReadingWindowId::LoveAstrologyDisplay);
    QVERIFY(!result->isShownInMdi()); // loaded on first use, not shown
    navigator.openInput(ReadingWindowId::ZodiacLoveSignMain);
    flushDeletes();
    QVERIFY(!result);
    ReadingWindow *input = navigator.loadedWindow(ReadingWindowId::ZodiacLoveSignMain);
    QVERIFY(input);
    QCOMPARE(shownReading(mdi), input);
    QVERIFY(!mdi.isWelcomePanelVisible());
    QCOMPARE(menuBarOf(mdi), menuBarOf(input));
    QVERIFY(menuBarOf(mdi) != mainMenus);
    // Placed at the top, centred on the screen.
    QWidget *frame = input->subWindow();
    QCOMPARE(frame->y(), 0);
    QVERIFY(qAbs(2 * frame->x() + frame->width() - m_desk.platform().screen.width()) <= 2);
}

void tst_Navigator::backOrders_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("inputShownBeforeUnload");
    // The sun-sign results show the input window first; the table results unload first.
    QTest::newRow("love") << 0 << true;
    QTest::newRow("romance") << 1 << true;
    QTest::newRow("sexual") << 2 << false;
    QTest::newRow("zodiac") << 3 << false;
}

void tst_Navigator::backOrders()
{
    QFETCH(int, button);
    QFETCH(bool, inputShownBeforeUnload);
    frmMDI &mdi = m_desk.mdi();
    ReadingWindow *input = openReading(mdi, button);
    QVERIFY(input && fillForm(input, QStringLiteral("EVA LUND"), 3, 7));
    QPointer<ReadingWindow> result = pressNext(mdi, input);
    QVERIFY(result);
    QVERIFY(!mdi.isWelcomePanelVisible());
    QCOMPARE(menuBarOf(mdi), menuBarOf(result));

    bool inputShownAtUnload = false;
    connect(result, &ReadingWindow::unloaded, this,
            [&] { inputShownAtUnload = input->isShownInMdi(); });
    QTest::mouseClick(child(result, QStringLiteral("cmdBack")), Qt::LeftButton);
    QCOMPARE(inputShownAtUnload, inputShownBeforeUnload);
    flushDeletes();
    QVERIFY(!result);
    QCOMPARE(shownReading(mdi), input);
    QCOMPARE(menuBarOf(mdi), menuBarOf(input));
}

// The close box of a table result shows the welcome panel; the input window stays hidden and the
// main window takes back its own menus.
void tst_Navigator::closingATableResultBringsBackTheWelcomePanel()
{
    frmMDI &mdi = m_desk.mdi();
    const QStringList mainMenus = menuBarOf(mdi);
    ReadingWindow *input = openReading(mdi, 3);
    QVERIFY(input && fillForm(input, QStringLiteral("EVA"), 0, 0));
    ReadingWindow *result = pressNext(mdi, input);
    QVERIFY(result);
    result->subWindow()->close();
    QVERIFY(mdi.isWelcomePanelVisible());
    flushDeletes();
    QVERIFY(!input->isShownInMdi());
    QCOMPARE(menuBarOf(mdi), mainMenus);
}

QTEST_MAIN(tst_Navigator)
#include "tst_navigator.moc"
