#pragma once

#include "readings/core/ReadingDocument.h"

#include <QKeySequence>
#include <QObject>
#include <QPixmap>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QPoint;

// What a window shares: its finished reading and the sign picture shown with it.
struct SharedReading
{
    kesto::ReadingDocument document;
    QPixmap signPicture;
};

// Keeping and sharing the reading of a result window: a context menu on the whole window (right
// click, the Menu key, Shift+F10), which first offers Copy for text selected where it opens, and
// the platform's Copy, Save and Print keys while the window is active. The window's own menu bar
// stays as it is.
class ReadingShare : public QObject
{
    Q_OBJECT

public:
    // `reading` answers what `window` shows now, or nothing while it shows no reading.
    ReadingShare(QWidget *window, std::function<std::optional<SharedReading>()> reading);

    // The reading on the clipboard, as plain text and as HTML with the sign picture.
    void copyReading();
    // Asks where to save it, as PDF, a PNG picture of the same page, or plain text; asks again,
    // with the name kept, when it cannot be saved there.
    void saveReadingAs();
    // Asks for a printer and prints the PDF's page there.
    void printReading();

    QMenu *menu() const { return m_menu; }

    // The file name proposed for `document`, without its ending: the reading's title, the
    // person's name and the sign, the name shortened to keep it well within what file systems
    // take.
    static QString proposedFileName(const kesto::ReadingDocument &document);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(const QString &name, const QString &text, QKeySequence::StandardKey key);
    void watchChildren();
    void showMenu(const QPoint &globalPos, QObject *target);
    void copySelection();
    bool save(const SharedReading &reading, const QString &path, const QString &format,
              QString *error) const;

    QWidget *m_window;
    std::function<std::optional<SharedReading>()> m_reading;
    QMenu *m_menu;
    QAction *m_copySelection;
    QAction *m_selectionSeparator;
    QString m_selection; // the text m_copySelection copies
};
