#pragma once

#include <QLabel>

// A value a reading shows: Tab reaches it and assistive technology reads it as the text it
// shows; the mouse can select it. The focus shows as the style's focus frame, not as a text
// caret, which would make a finished reading look like a field to type in. Its context menu is
// the window's.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ValueLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
