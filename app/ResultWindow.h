#pragma once

#include "BirthData.h"
#include "ReadingWindow.h"

class QPixmap;

// A result window: filled by its reading while still hidden, then shown in place of the input
// window; Back asks to go back to it.
class ResultWindow : public ReadingWindow
{
    Q_OBJECT

public:
    using ReadingWindow::ReadingWindow;

    // Sets every value for the sign the reading found last (the program-wide text of its kind).
    // `signPicture` is the sun-sign picture from the input window's own list, or empty.
    virtual void fillReading(const BirthData &data, const QPixmap &signPicture) = 0;

signals:
    void backRequested();
};
