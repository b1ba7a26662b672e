#pragma once

#include "gui/ReadingWindowId.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QMdiArea;
class ReadingWindow;

// The one owner of the moves between reading windows: it creates each window on first use,
// puts it in its child frame, opens input windows, presents results and goes back. The main
// window follows its signals for the welcome panel and the menu bar.
class ReadingNavigator : public QObject
{
    Q_OBJECT

public:
    using WindowFactory = std::function<ReadingWindow *(ReadingWindowId)>;

    ReadingNavigator(QMdiArea *area, WindowFactory factory, QObject *parent);

    // The reading window if it is loaded, else nullptr.
    ReadingWindow *loadedWindow(ReadingWindowId id) const;
    // The reading window, created and loaded (not shown) on first use.
    ReadingWindow *window(ReadingWindowId id);

    // Unloads every loaded reading window in id order.
    void closeAll();
    // Left edge (screen width - window width) / 2, top edge 0; in a main window that is not
    // maximized, the area's width stands for the screen's.
    void center(ReadingWindow *window) const;

    // Unloads every reading window, then shows the input window freshly loaded.
    void openInput(ReadingWindowId input);
    // Shows the (already filled) result window in place of the input window.
    void presentResult(ReadingWindow *input, ReadingWindow *result);
    // Leaves the result window for its input window, which keeps its entries, in the order the
    // reading's description gives.
    void goBack(ReadingWindowId result);

signals:
    void welcomePanelWanted(bool visible);
    // A reading window has closed, however that came about.
    void windowUnloaded(ReadingWindowId id);
    // The active reading window may have changed: the menu bar must follow.
    void activeWindowChanged();

private:
    QMdiArea *m_area;
    WindowFactory m_factory;
    std::array<QPointer<ReadingWindow>, ReadingWindowCount> m_windows;
};
