#include "NameField.h"

#include "app/Platform.h"
#include "app/QtText.h"

#include <QKeyEvent>

NameField::NameField(kesto::Reading reading, QWidget *parent)
    : QLineEdit(parent)
    , m_reading(reading)
{
    // Typed keys are filtered before they land; a paste, a drop or assistive technology setting
    // the text can still bring in more.
    connect(this, &QLineEdit::textChanged, this, &NameField::cleanEditedText);
}

void NameField::keyPressEvent(QKeyEvent *event)
{
    int code = 0;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        code = event->key() - Qt::Key_A + 1; // the control character of Ctrl+letter
    else if (event->key() == Qt::Key_Backspace)
        code = 8;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        code = 13;
    else if (!event->text().isEmpty() && event->text().at(0).unicode() >= 32)
        code = event->text().at(0).unicode();

    // Keys that type no character (arrows, Home, Delete, Tab) move and edit as usual.
    if (code == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const kesto::KeyVerdict verdict = kesto::FilterNameKey(code);
    if (verdict.refused) {
        event->accept();
        refuse();
        return;
    }
    if (verdict.key != code || (code >= 'A' && code <= 'Z')) {
        event->accept();
        insert(QString(QChar(verdict.key)));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NameField::cleanEditedText(const QString &text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    bool refused = false;
    for (QChar c : text) {
        const kesto::KeyVerdict verdict = kesto::FilterNameKey(c.unicode());
        // Enter and Backspace are keys, not text: in a name they are dropped too.
        if (verdict.refused || verdict.key == 13 || verdict.key == 8)
            refused = true;
        else
            cleaned.append(QChar(verdict.key));
    }
    if (cleaned == text)
        return;
    const int cursor = cursorPosition() - int(text.size() - cleaned.size());
    setText(cleaned);
    setCursorPosition(std::clamp(cursor, 0, int(cleaned.size())));
    if (refused)
        refuse();
}

void NameField::refuse()
{
    if (MessagePrompter *prompter = Platform::current().prompter)
        prompter->information(window(), toQString(kesto::nameKeyMessage(m_reading)));
}
