#include "NameField.h"

#include "gui/Platform.h"
#include "gui/QtText.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

NameField::NameField(kesto::Reading reading, QWidget *parent)
    : QLineEdit(parent)
    , m_reading(reading)
{
    // Typed keys, pastes and drops are cleaned before they land; assistive technology setting the
    // text, or the X11 selection pasted with the middle button, can still bring in more.
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

bool NameField::runEditingCommand(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const auto is = [&](Qt::KeyboardModifiers wanted, int key) {
        return modifiers == wanted && event->key() == key;
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    if (is(ctrl, Qt::Key_V) || is(shift, Qt::Key_Insert))
        pasteCleaned();
    else if (is(ctrl, Qt::Key_A))
        selectAll();
    else if (is(ctrl, Qt::Key_C) || is(ctrl, Qt::Key_Insert))
        copy();
    else if (is(ctrl, Qt::Key_X) || is(shift, Qt::Key_Delete))
        cut();
    else if (is(ctrl, Qt::Key_Z))
        undo();
    else if (is(ctrl | shift, Qt::Key_Z) || is(ctrl, Qt::Key_Y))
        redo();
    else if (is(ctrl, Qt::Key_Backspace)) {
        // The word before the cursor, or the selection.
        if (!hasSelectedText())
            cursorWordBackward(true);
        if (hasSelectedText())
            del();
    } else {
        return false;
    }
    return true;
}

void NameField::keyPressEvent(QKeyEvent *event)
{
    // Editing commands are not characters typed into a name.
    if (runEditingCommand(event)) {
        event->accept();
        return;
    }
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

NameField::Cleaned NameField::clean(const QString &text)
{
    Cleaned cleaned;
    cleaned.text.reserve(text.size());
    for (QChar c : text) {
        const kesto::KeyVerdict verdict = kesto::FilterNameKey(c.unicode());
        // Enter and Backspace are keys, not text: in a name they are dropped too.
        if (verdict.refused || verdict.key == 13 || verdict.key == 8)
            cleaned.dropped = true;
        else
            cleaned.text.append(QChar(verdict.key));
    }
    return cleaned;
}

void NameField::pasteCleaned()
{
    const Cleaned cleaned = clean(QGuiApplication::clipboard()->text());
    // Nothing left to paste leaves the field, and its selection, as they were.
    if (!cleaned.text.isEmpty()) {
        partUndoSteps();
        insert(cleaned.text);
        partUndoSteps();
    }
    if (cleaned.dropped)
        refuse();
}

void NameField::partUndoSteps()
{
    // The cursor stepping away and back parts the steps, as in a field's own paste; replacing a
    // selection parts them anyway.
    if (hasSelectedText() || text().isEmpty())
        return;
    const int at = cursorPosition();
    setCursorPosition(at > 0 ? at - 1 : at + 1);
    setCursorPosition(at);
}

void NameField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste goes through the same cleaning as the keys'. It is known by its caption,
    // translated as the field's own menu translates it.
    for (QAction *entry : menu->actions()) {
        if (entry->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste")) {
            entry->disconnect(this);
            connect(entry, &QAction::triggered, this, &NameField::pasteCleaned);
        }
    }
    menu->popup(event->globalPos());
}

void NameField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const Cleaned cleaned = clean(event->mimeData()->text());
    if (cleaned.text.isEmpty()) {
        event->ignore();
    } else {
        QMimeData mime;
        mime.setText(cleaned.text);
        QDropEvent kept(event->position(), event->possibleActions(), &mime, event->buttons(),
                        event->modifiers(), event->type());
        kept.setDropAction(event->dropAction());
        partUndoSteps();
        QLineEdit::dropEvent(&kept);
        event->setDropAction(kept.dropAction());
        event->setAccepted(kept.isAccepted());
    }
    // Told once the drop is over: a message box must not hold the dragging program up.
    if (cleaned.dropped)
        QMetaObject::invokeMethod(this, &NameField::refuse, Qt::QueuedConnection);
}

void NameField::cleanEditedText(const QString &text)
{
    const Cleaned cleaned = clean(text);
    if (cleaned.text == text)
        return;
    const int cursor = cursorPosition() - int(text.size() - cleaned.text.size());
    setText(cleaned.text);
    setCursorPosition(std::clamp(cursor, 0, int(cleaned.text.size())));
    if (cleaned.dropped)
        refuse();
}

void NameField::refuse()
{
    Platform::current().prompter->information(window(),
                                              toQString(kesto::describe(m_reading).nameKeyMessage));
}
