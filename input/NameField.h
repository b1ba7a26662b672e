#pragma once

#include "readings/core/BirthDataRules.h"

#include <QLineEdit>

// A name field: takes letters, raised to upper case, and blanks. Any other typed character is
// refused with a message; text pasted or dropped in is cleaned the same way, with one message.
// The editing commands of a text field (select all, copy, cut, paste, undo, redo, delete a word)
// work as in any other field.
class NameField : public QLineEdit
{
    Q_OBJECT

public:
    NameField(kesto::Reading reading, QWidget *parent = nullptr);

    // Pastes the clipboard's text, cleaned, as one step that Undo takes back.
    void pasteCleaned();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The character codes a key press types into the field, each to go through the key filter;
    // none for keys that only move or delete.
    static QList<int> typedCharacters(const QKeyEvent *event);
    // Runs the editing command the key press stands for; false when it is none.
    bool runEditingCommand(const QKeyEvent *event);
    // The text as the field takes it: letters raised, blanks kept, anything else dropped.
    struct Cleaned
    {
        QString text;
        bool dropped = false;
    };
    static Cleaned clean(const QString &text);
    // Undo takes a paste back as one step, apart from the letters typed before and after it.
    void partUndoSteps();
    void cleanEditedText(const QString &text);
    void refuse();

    kesto::Reading m_reading;
};
