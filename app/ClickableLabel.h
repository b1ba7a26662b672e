#pragma once

#include <QLabel>

// A label that acts on a click, like the banners and offers that open the maker's pages. It shows
// the hand pointer unless told otherwise.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    // The label takes its own clicks and moves: the panel beneath must not act on them too.
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
