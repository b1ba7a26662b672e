#pragma once

#include "BirthData.h"
#include "gui/ReadingWindow.h"
#include "readings/core/ReadingDocument.h"

#include <QPixmap>

class QLabel;

#include <optional>

// A result window: filled by its reading while still hidden, then shown in place of the input
// window; Back asks to go back to it. It shows one reading document, which is also what it
// copies, saves and prints.
class ResultWindow : public ReadingWindow
{
    Q_OBJECT

public:
    kesto::Reading reading() const { return m_reading; }

    // Shows the reading of the sign that the lookup of its kind found last (the program-wide
    // text): the document is made once, here, and every control is filled from it. When the
    // text names none of the twelve signs the window shows what it can of it, and has nothing
    // to copy. `signPicture` is the sun-sign picture from the input window's own list, or none.
    void fillReading(const BirthData &data, const QPixmap &signPicture);

    // What the window shows; nothing before it has been filled, or when the sign it shows is
    // none of the twelve.
    const std::optional<kesto::ReadingDocument> &document() const { return m_document; }

signals:
    void backRequested();

protected:
    explicit ResultWindow(kesto::Reading reading);

    // The document of the entries: by default the reading of the sign its kind of lookup found
    // last; nothing when that text names no sign.
    virtual std::optional<kesto::ReadingDocument> makeDocument(const BirthData &data) const;
    // Sets every control from the document.
    virtual void showDocument(const kesto::ReadingDocument &document,
                              const QPixmap &signPicture) = 0;
    // The sign text names no sign: what the window keeps and shows then.
    virtual void showUnknownSign(const QString &signText) = 0;

    // The line under the sign that says when the sign was computed or changed on the birth
    // date: small, wrapped, hidden until there is something to say.
    static QLabel *noteLabel(QWidget *parent, const QRect &place, const QColor &color);
    // Shows the document's note in the line, and gives it to the sign's label as its
    // description, so that a screen reader reads it with the sign.
    static void showNote(QLabel *note, QLabel *sign, const kesto::ReadingDocument &document);

private:
    kesto::Reading m_reading;
    std::optional<kesto::ReadingDocument> m_document;
    QPixmap m_signPicture;
};
