#pragma once

#include <QRect>
#include <QSize>

// The windows are laid out in twips, 1440 to the inch; they turn into pixels at the screen's
// logical resolution, so the layout keeps its proportions at any display scaling.
namespace Twips {

int toPixelsX(int twips);
int toPixelsY(int twips);
int fromPixelsX(int pixels);
int fromPixelsY(int pixels);

QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);

// The whole screen, in twips.
int screenWidth();
int screenHeight();

} // namespace Twips
