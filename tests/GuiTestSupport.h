#pragma once

#include "app/ReadingWindow.h"
#include "app/frmMDI.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

#include <functional>

// Helpers shared by the GUI tests.
namespace GuiTest {

template<class T = QWidget>
T *child(QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no child named %s", qPrintable(name));
    return found;
}

inline QAction *action(QObject *window, const QString &name)
{
    return child<QAction>(window, name);
}

// Lets deferred deletions run, so closed windows are really gone.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline int subWindowCount(frmMDI &mdi)
{
    flushDeletes();
    return int(mdi.mdiArea()->subWindowList().size());
}

inline QStringList visibleSubWindows(frmMDI &mdi)
{
    QStringList names;
    for (QMdiSubWindow *frame : mdi.mdiArea()->subWindowList()) {
        if (frame->isVisible() && frame->widget())
            names << frame->widget()->objectName();
    }
    return names;
}

// Runs `inspect` on the modal window that the next step opens, from inside its event loop.
inline void whenModalOpens(std::function<void(QWidget *)> inspect)
{
    QTimer::singleShot(0, qApp, [inspect] {
        QWidget *modal = QApplication::activeModalWidget();
        inspect(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

} // namespace GuiTest
