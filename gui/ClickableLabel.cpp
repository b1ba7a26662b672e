#include "ClickableLabel.h"

#include "EnterKey.h"
#include "Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

// To assistive technology a clickable label is a link that can be pressed.
class AccessibleClickableLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickableLabel(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    { }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (text.isEmpty() && kind == QAccessible::Name)
            text = static_cast<ClickableLabel *>(widget())->text();
        return text;
    }

    QStringList actionNames() const override
    {
        return QStringList {pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            emit static_cast<ClickableLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

// A plain label is left to Qt's own interface of a label: static text.
QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("ClickableLabel") || !object || !object->isWidgetType())
        return nullptr;
    auto *label = static_cast<ClickableLabel *>(object);
    if (label->kind() != ClickableLabel::Kind::Link)
        return nullptr;
    return new AccessibleClickableLabel(label);
}

} // namespace

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent, Kind kind)
    : QLabel(text, parent)
    , m_kind(kind)
{
    if (kind == Kind::Link) {
        setCursor(Qt::PointingHandCursor);
        // Tab reaches it; a click does not take the focus from where the user works.
        setFocusPolicy(Qt::TabFocus);
    }
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_click.take(this, event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    m_click.take(this, event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.take(this, event))
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier;
    if (m_kind == Kind::Link && (space || EnterKey::pressed(event))) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
}

void ClickableLabel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    if (m_kind != Kind::Link || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    // A label that takes the focus would lay its text out as a document, a pixel off from where
    // a plain label draws it; a link is drawn as the plain label it looks like.
    {
        QPainter painter(this);
        drawFrame(&painter);
        const int m = margin();
        const QRect room = contentsRect().adjusted(m, m, -m, -m);
        int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
        flags |= Qt::TextForceLeftToRight;
        if (wordWrap())
            flags |= Qt::TextWordWrap;
        QStyleOption option;
        option.initFrom(this);
        style()->drawItemText(&painter, room, flags, option.palette, isEnabled(), text(),
                              foregroundRole());
    }
    if (hasFocus())
        Look::paintFocusFrame(this);
}
