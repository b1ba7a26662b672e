#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>

class QFrame;
class QRect;
class QWidget;

// Fonts and colours shared by the windows.
namespace Look {

// Verdana at the given size; where Verdana is missing a metric-compatible family stands in.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

// Registers the stand-ins for Verdana. Called once before any window is built.
void installFontSubstitutes();

// What every window of the program shares, set once before any is built: the stand-ins for
// Verdana, the window icon, and the style, drawing with shared palettes so that windows opened
// again and again reuse what the style has cached instead of adding to it.
void installAppearance();

// The program's emblem: a heart, for the window icon and the reading buttons.
QPixmap heart(int side);

// Where the stand-in font runs wider than the design allowed, a one-line control grows to show
// all of its text, keeping its left edge, or its centre when `keepCentre` is set.
void growToFit(QWidget *widget, bool keepCentre = false);

// Draws the style's focus frame around the whole of a control that draws none of its own; the
// style shows it once the keyboard has moved the focus.
void paintFocusFrame(QWidget *widget);

void setBackground(QWidget *widget, const QColor &color);

// A sunken strip of one colour, such as the result windows' banner and offer strips, its edges
// drawn in shades of that colour rather than the style's white.
QFrame *sunkenStrip(QWidget *parent, const QRect &pixels, const QColor &color);
void setTextColor(QWidget *widget, const QColor &color);

} // namespace Look
