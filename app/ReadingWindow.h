#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QMdiSubWindow;
class frmMDI;

// A window of one reading, shown as a child window of the main window: the four input windows
// and the four result windows. It is created on first use and destroyed when it unloads; the
// main window keeps track of it.
class ReadingWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ReadingWindow(frmMDI *mdi);

    // The entries of this window's menu bar, shown in the main window while it is active.
    QList<QAction *> menuBarActions() const { return m_menuBarActions; }

    // Runs once after the window has been put in its child frame: places it.
    virtual void Form_Load();

    // Shows or hides the window with its child frame, without unloading it.
    void showInMdi();
    void hideInMdi();
    bool isShownInMdi() const;

    // Closes the window; its unload step runs and the window is destroyed.
    void unload();

    QMdiSubWindow *subWindow() const;

signals:
    void unloaded(ReadingWindow *window);

protected:
    frmMDI *mdi() const { return m_mdi; }
    void setMenuBarActions(const QList<QAction *> &actions) { m_menuBarActions = actions; }

    // The window's content area, in twips.
    void setClientSize(int widthTwips, int heightTwips);

    void closeEvent(QCloseEvent *event) override;
    // Runs however the window closes: brings back the main window's welcome panel.
    virtual void Form_Unload();

private:
    frmMDI *m_mdi;
    QList<QAction *> m_menuBarActions;
    bool m_unloaded = false;
};
