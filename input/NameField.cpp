#include "NameField.h"

#include "gui/Platform.h"
#include "gui/QtText.h"

#include <QKeyEvent>

NameField::NameField(kesto::Reading reading, QWidget *parent)
    : QLineEdit(parent)
    , m_reading(reading)
{
    // Typed keys are filtered before they land; a paste, a drop or assistive technology setting
    // the text can still bring in more.
    connect(this, &QLineEdit::textChanged, this, &NameField::cleanEditedText);
}

namespace {

// The control character a key typed with Ctrl stands for, as keyboards have always typed them:
// Ctrl+2 (or @) NUL, Ctrl+A to Z 1 to 26, Ctrl+[ Escape, Ctrl+\ 28, Ctrl+] 29, Ctrl+6 (or ^) 30,
// Ctrl+- (or _) 31; -1 for a key that types none with Ctrl.
int controlCharacter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_2:
    case Qt::Key_At:
        return 0;
    case Qt::Key_BracketLeft:
        return 27;
    case Qt::Key_Backslash:
        return 28;
    case Qt::Key_BracketRight:
        return 29;
    case Qt::Key_6:
    case Qt::Key_AsciiCircum:
        return 30;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 31;
    default:
        return -1;
    }
}

// Keys that move the cursor or delete, never a character, whatever text the event carries.
bool isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

} // namespace

QList<int> NameField::typedCharacters(const QKeyEvent *event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Backspace:
        return {control ? 127 : 8};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {control ? 10 : 13};
    case Qt::Key_Escape:
        return {27};
    default:
        break;
    }
    if (control) {
        if (const int code = controlCharacter(event->key()); code >= 0)
            return {code};
    }
    if (isEditingKey(event->key()))
        return {};
    // An input method or a dead key can bring several characters in one event.
    QList<int> codes;
    for (QChar c : event->text())
        codes << c.unicode();
    return codes;
}

void NameField::keyPressEvent(QKeyEvent *event)
{
    const QList<int> codes = typedCharacters(event);
    // Keys that type no character (arrows, Home, Delete, Tab) move and edit as usual.
    if (codes.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Enter keeps its work: the field reports it and the window may act on it.
    if (codes == QList<int> {13}) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    bool refused = false;
    for (int code : codes) {
        const kesto::KeyVerdict verdict = kesto::FilterNameKey(code);
        if (verdict.refused)
            refused = true;
        else if (verdict.key == 8)
            backspace();
        else if (verdict.key != 13)
            insert(QString(QChar(verdict.key)));
    }
    // One message for the key press, however many of its characters were refused.
    if (refused)
        refuse();
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
    Platform::current().prompter->information(window(),
                                              toQString(kesto::describe(m_reading).nameKeyMessage));
}
