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
    void mouseReleaseEvent(QMouseEvent *event) override;
};
