#include "Twips.h"

#include "Platform.h"

#include <cmath>

namespace Twips {

namespace {

constexpr qreal TwipsPerInch = 1440.0;

qreal dpiX()
{
    return Platform::current().screen->logicalDpiX();
}

qreal dpiY()
{
    return Platform::current().screen->logicalDpiY();
}

int rounded(qreal value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

int toPixelsX(int twips)
{
    return rounded(twips * dpiX() / TwipsPerInch);
}

int toPixelsY(int twips)
{
    return rounded(twips * dpiY() / TwipsPerInch);
}

int fromPixelsX(int pixels)
{
    return rounded(pixels * TwipsPerInch / dpiX());
}

int fromPixelsY(int pixels)
{
    return rounded(pixels * TwipsPerInch / dpiY());
}

QRect rect(int left, int top, int width, int height)
{
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

QSize size(int width, int height)
{
    return {toPixelsX(width), toPixelsY(height)};
}

int screenWidth()
{
    return fromPixelsX(Platform::current().screen->screenSize().width());
}

int screenHeight()
{
    return fromPixelsY(Platform::current().screen->screenSize().height());
}

} // namespace Twips
