#include "ReadingNavigator.h"

#include "gui/ReadingWindow.h"
#include "gui/Twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

ReadingNavigator::ReadingNavigator(QMdiArea *area, WindowFactory factory, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_factory(std::move(factory))
{ }

ReadingWindow *ReadingNavigator::loadedWindow(ReadingWindowId id) const
{
    return m_windows[static_cast<std::size_t>(id)];
}

ReadingWindow *ReadingNavigator::window(ReadingWindowId id)
{
    QPointer<ReadingWindow> &slot = m_windows[static_cast<std::size_t>(id)];
    if (slot)
        return slot;
    ReadingWindow *window = m_factory(id);
    slot = window;
    connect(window, &ReadingWindow::unloaded, this, [this, id](ReadingWindow *closed) {
        QPointer<ReadingWindow> &current = m_windows[static_cast<std::size_t>(id)];
        if (current == closed)
            current = nullptr;
        // Every reading window brings the welcome panel back as it unloads.
        emit welcomePanelWanted(true);
        emit windowUnloaded(id);
        // The closing window is still the active one: look again once it has gone.
        QMetaObject::invokeMethod(this, &ReadingNavigator::activeWindowChanged,
                                  Qt::QueuedConnection);
    });

    auto *frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->setWidget(window);
    frame->setObjectName(window->objectName() + QStringLiteral("_frame"));
    m_area->addSubWindow(frame);
    frame->hide();
    frame->adjustSize();
    frame->setFixedSize(frame->sizeHint());
    center(window);
    window->Form_Load();
    return window;
}

void ReadingNavigator::closeAll()
{
    for (const QPointer<ReadingWindow> &window : m_windows) {
        if (window)
            window->unload();
    }
}

void ReadingNavigator::center(ReadingWindow *window) const
{
    QWidget *frame = window->subWindow();
    if (!frame)
        frame = window;
    const int widthTwips = Twips::fromPixelsX(frame->width());
    // Placed in the area as it is unscrolled, so that nothing scrolled before is left in sight.
    m_area->horizontalScrollBar()->setValue(0);
    m_area->verticalScrollBar()->setValue(0);
    if (m_area->window()->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        frame->move(Twips::toPixelsX((Twips::screenWidth() - widthTwips) / 2), 0);
        return;
    }
    // In a smaller main window the area is the room: the window stays inside it, beside the
    // scroll bar its height will need, and where it is wider its left edge stays in sight.
    int room = m_area->width();
    if (frame->height() > m_area->height())
        room -= m_area->verticalScrollBar()->sizeHint().width();
    frame->move(std::max(0, (room - frame->width()) / 2), 0);
}

void ReadingNavigator::openInput(ReadingWindowId input)
{
    closeAll();
    emit welcomePanelWanted(false);
    ReadingWindow *window = this->window(input);
    window->showInMdi();
    center(window);
    emit activeWindowChanged();
}

void ReadingNavigator::presentResult(ReadingWindow *input, ReadingWindow *result)
{
    input->hideInMdi();
    result->showInMdi();
    emit welcomePanelWanted(false);
    emit activeWindowChanged();
}

void ReadingNavigator::goBack(ReadingWindowId resultId)
{
    ReadingWindow *result = loadedWindow(resultId);
    const kesto::Reading reading = readingOf(resultId);
    const ReadingWindowId input = inputWindowOf(reading);
    if (kesto::describe(reading).back == kesto::BackOrder::ShowInputFirst) {
        window(input)->showInMdi();
        if (result)
            result->unload();
    } else {
        if (result)
            result->unload();
        window(input)->showInMdi();
    }
    window(input)->shownAgain();
    // Unloading brought the welcome panel back; the input window stands in its place.
    emit welcomePanelWanted(false);
    emit activeWindowChanged();
}
