#pragma once

class QMouseEvent;
class QWidget;

// What people take for a click on a link or a banner: the left button pressed on the control
// and released over it. Other buttons, a release away from the control and the second press of a
// double click complete nothing, so a double click acts once.
class LeftClick
{
public:
    // Feeds a mouse event the control received; true when it completes a click.
    bool take(const QWidget *control, const QMouseEvent *event);

private:
    bool m_pressed = false;
};
