#include "LeftClick.h"

#include <QMouseEvent>
#include <QWidget>

bool LeftClick::take(const QWidget *control, const QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton)
            m_pressed = true;
        return false;
    case QEvent::MouseButtonDblClick:
        // Stands for the second press of a double click, whose first click has already acted.
        m_pressed = false;
        return false;
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton)
            return false;
        if (!m_pressed)
            return false;
        m_pressed = false;
        return control->rect().contains(event->position().toPoint());
    default:
        return false;
    }
}
