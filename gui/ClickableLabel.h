#pragma once

#include "LeftClick.h"

#include <QLabel>

// A label that acts on a click, like the banners and offers that open the maker's pages. A link
// shows the hand pointer, is a link that can be pressed to assistive technology, and is reached
// with Tab and pressed with Enter or Space; a plain one looks and reads as static text.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Kind { Link, Plain };

    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr, Kind kind = Kind::Link);

    Kind kind() const { return m_kind; }

signals:
    void clicked();

protected:
    // The label takes its own clicks and moves: the panel beneath must not act on them too.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A link takes the focus as a control, not as text with a caret to select with.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // A link draws its text as a plain label does, and the style's focus frame when it has the
    // focus.
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    LeftClick m_click;
};
