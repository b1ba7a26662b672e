#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QMdiSubWindow;

// A window of one reading, shown as a child window of the main window: the four input windows
// and the four result windows. It is created on first use and destroyed when it unloads; it
// tells the main window through its signals and never reaches for it.
class ReadingWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ReadingWindow(QWidget *parent = nullptr);

    // The entries of this window's menu bar, shown in the main window while it is active.
    QList<QAction *> menuBarActions() const { return m_menuBarActions; }

    // Runs once after the window has been put in its child frame and placed.
    virtual void Form_Load() { }

    // Shows or hides the window with its child frame, without unloading it.
    void showInMdi();
    void hideInMdi();
    bool isShownInMdi() const;

    // Closes the window; its unload step runs and the window is destroyed.
    void unload();

    // Back has shown the window again, with the entries it kept.
    virtual void shownAgain() { }

    QMdiSubWindow *subWindow() const;

signals:
    // However the window closes; the main window then brings back its welcome panel.
    void unloaded(ReadingWindow *window);

protected:
    void setMenuBarActions(const QList<QAction *> &actions) { m_menuBarActions = actions; }

    // The window's content area, in twips.
    void setClientSize(int widthTwips, int heightTwips);

    void closeEvent(QCloseEvent *event) override;
    virtual void Form_Unload();

private:
    QList<QAction *> m_menuBarActions;
    bool m_unloaded = false;
};
