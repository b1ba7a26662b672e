#pragma once

#include "ReadingNavigator.h"
#include "gui/LeftClick.h"
#include "gui/ReadingWindowId.h"

#include <QMainWindow>

#include <array>

class ClickableLabel;
class QAction;
class QFrame;
class QMdiArea;
class QPushButton;
class ReadingWindow;
class ResultWindow;
class BirthDataWindow;

// The main window: a strip of reading buttons, the welcome panel, and the area in which the
// reading windows open as child windows.
class frmMDI : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMDI(QWidget *parent = nullptr);
    ~frmMDI() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    ReadingNavigator *navigator() const { return m_navigator; }

    // The reading window if it is loaded, else nullptr.
    ReadingWindow *loadedWindow(ReadingWindowId id) const { return m_navigator->loadedWindow(id); }
    // The reading window, created and loaded (but not shown) on first use.
    ReadingWindow *readingWindow(ReadingWindowId id) { return m_navigator->window(id); }
    template<class Window>
    Window *readingWindow()
    {
        return static_cast<Window *>(readingWindow(Window::Id));
    }
    template<class Window>
    Window *loadedWindow() const
    {
        return static_cast<Window *>(loadedWindow(Window::Id));
    }

    void CloseReadingWindows();
    // Left edge (screen width - window width) / 2, top edge 0.
    void CenterReadingWindow(ReadingWindow *window);

    void setWelcomePanelVisible(bool visible);
    bool isWelcomePanelVisible() const;

    // Shows the menu bar of the active reading window, or the main window's own.
    void updateMenuBar();

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void cmdMDIDonate_Click();
    void cmdMdiExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter presses the focused button, in this window or in a reading window.
    void keyPressEvent(QKeyEvent *event) override;
    // The layout follows the window: a new size or state places the controls again.
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildPanels();
    void chainFocus();
    void MDIForm_Load();
    // Places the banner, the button strip, the captions, the donate and Exit buttons and the
    // reading windows across the width MDIForm_Load's formulas take.
    void placeControls();
    // The screen's width and height, in twips, for a window that is maximized or not shown yet;
    // otherwise the window's own.
    int layoutWidth() const;
    int layoutHeight() const;
    void placeDonateButton();
    // Once the move that closed a reading window is over and no reading window is shown, the
    // focus goes to the button of that reading.
    void focusReadingButtonAfter(ReadingWindowId closed);
    // Scrolls the area of the reading windows so that the control with the focus is in sight.
    void scrollIntoView(QWidget *focus);
    // Gives up the access keys of the main window's own buttons that the shown reading window
    // uses, and takes back the others.
    void yieldAccessKeys();
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void CloseAllWindowsAndEnd();
    ReadingWindow *createWindow(ReadingWindowId id);
    ReadingWindow *wireInput(BirthDataWindow *input);
    ReadingWindow *wireResult(ResultWindow *result);

    QMdiArea *m_mdiArea = nullptr;
    QWidget *Picture6 = nullptr; // the top strip holding the forum banner; clickable itself
    ClickableLabel *lblVelmoraBanner = nullptr;
    QWidget *Picture1 = nullptr; // the strip holding the frame of the four reading buttons
    QFrame *picButtonContainer = nullptr;
    std::array<QPushButton *, 4> cmdSelectOption {};
    QWidget *picMain = nullptr;
    std::array<ClickableLabel *, 8> lblCaption {};
    QPushButton *cmdMDIDonate = nullptr;
    QWidget *PicCoBrand = nullptr; // the bottom strip: Exit and the business offer
    QPushButton *cmdMdiExit = nullptr;
    ClickableLabel *Label7 = nullptr; // the business offer, opening the fully-branded page
    QList<QAction *> m_ownMenuBar;
    ReadingNavigator *m_navigator = nullptr;
    LeftClick m_bannerClick;
    bool m_closing = false;
};
