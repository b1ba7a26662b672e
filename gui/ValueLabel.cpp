#include "ValueLabel.h"

#include "Look.h"

ValueLabel::ValueLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ValueLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        Look::paintFocusFrame(this);
}
