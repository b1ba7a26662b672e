#include "ReadingWindow.h"

#include "Look.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

ReadingWindow::ReadingWindow(QWidget *parent)
    : QWidget(parent)
{
    setFont(Look::verdana(8.25));
}

QMdiSubWindow *ReadingWindow::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

void ReadingWindow::showInMdi()
{
    QMdiSubWindow *frame = subWindow();
    if (!frame)
        return;
    show();
    frame->show();
    frame->raise();
    if (QMdiArea *area = frame->mdiArea())
        area->setActiveSubWindow(frame);
}

void ReadingWindow::hideInMdi()
{
    if (QMdiSubWindow *frame = subWindow())
        frame->hide();
}

bool ReadingWindow::isShownInMdi() const
{
    QMdiSubWindow *frame = subWindow();
    return frame && frame->isVisible();
}

void ReadingWindow::unload()
{
    if (QMdiSubWindow *frame = subWindow())
        frame->close();
    else
        close();
}

void ReadingWindow::setClientSize(int widthTwips, int heightTwips)
{
    setFixedSize(Twips::size(widthTwips, heightTwips));
}

void ReadingWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

void ReadingWindow::Form_Unload()
{
    emit unloaded(this);
}
