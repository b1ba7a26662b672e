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

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickableLabel") && object && object->isWidgetType())
        return new AccessibleClickableLabel(static_cast<ClickableLabel *>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}
