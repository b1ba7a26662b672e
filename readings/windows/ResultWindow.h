#pragma once

#include "BirthData.h"
#include "readings/core/ReadingDocument.h"
#include "gui/ReadingWindow.h"

#include <QPixmap>

#include <optional>

// A result window: filled by its reading while still hidden, then shown in place of the input
// window; Back asks to go back to it. Every result window can be copied, saved and printed.
class ResultWindow : public ReadingWindow
{
    Q_OBJECT

public:
    explicit ResultWindow(QWidget *parent = nullptr);

    // Sets every value for the sign the reading found last (the program-wide text of its kind).
    // `signPicture` is the sun-sign picture from the input window's own list, or empty.
    virtual void fillReading(const BirthData &data, const QPixmap &signPicture) = 0;

signals:
    void backRequested();

protected:
    // fillReading keeps what the window was filled from, the sign being the last one found by
    // `reading`'s kind of lookup.
    void keepReading(kesto::Reading reading, const BirthData &data, const QPixmap &signPicture);

private:
    // The reading the window shows, for copying, saving and printing; nothing before it has been
    // filled, or when the sign it shows is none of the twelve.
    std::optional<kesto::ReadingDocument> m_document;
    QPixmap m_signPicture;
};
