#include "ClickableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

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
    if (kind == Kind::Link)
        setCursor(Qt::PointingHandCursor);
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
