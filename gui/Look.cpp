#include "Look.h"

#include <QFrame>

#include "StablePaletteStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

namespace Look {

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void installFontSubstitutes()
{
    // DejaVu Sans grew out of the same design brief as Verdana and has nearly its metrics, so
    // the layouts keep their line breaks where Verdana is not installed.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Bitstream Vera Sans"),
                                QStringLiteral("Liberation Sans")});
}

void installAppearance()
{
    installFontSubstitutes();
    QApplication::setWindowIcon(QIcon(heart(64)));
    // Wraps the style in use, the one named with -style included.
    QApplication::setStyle(new StablePaletteStyle(QApplication::style()->name()));
}

QPixmap heart(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QPainterPath path;
    path.moveTo(s / 2, s * 0.85);
    path.cubicTo(s * 0.05, s * 0.5, s * 0.1, s * 0.1, s / 2, s * 0.3);
    path.cubicTo(s * 0.9, s * 0.1, s * 0.95, s * 0.5, s / 2, s * 0.85);
    painter.fillPath(path, QColor(220, 40, 90));
    return picture;
}

void growToFit(QWidget *widget, bool keepCentre)
{
    widget->ensurePolished(); // the style's own margins count too
    // A button's caption also wants some air inside its frame.
    const int air = qobject_cast<QAbstractButton *>(widget) ? 6 : 0;
    const int needed = widget->sizeHint().width() + air;
    const QRect place = widget->geometry();
    if (needed <= place.width())
        return;
    const int left = keepCentre ? place.center().x() - needed / 2 : place.left();
    widget->setGeometry(left, place.top(), needed, place.height());
}

void paintFocusFrame(QWidget *widget)
{
    QStylePainter painter(widget);
    QStyleOptionFocusRect frame;
    frame.initFrom(widget);
    frame.backgroundColor = widget->palette().color(widget->backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QFrame *sunkenStrip(QWidget *parent, const QRect &pixels, const QColor &color)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(pixels);
    setBackground(frame, color);
    QPalette edges = frame->palette();
    edges.setColor(QPalette::Light, color.lighter(150));
    frame->setPalette(edges);
    return frame;
}

} // namespace Look
