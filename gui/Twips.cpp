#include "Twips.h"

#include "Platform.h"

#include <cmath>

namespace Twips {

namespace {

constexpr qreal TwipsPerInch = 1440.0;

qreal dpiX()
{
    ScreenMetrics *screen = Platform::current().screen;
    return screen ? screen->logicalDpiX() : 96.0;
}

qreal dpiY()
{
    ScreenMetrics *screen = Platform::current().screen;
    return screen ? screen->logicalDpiY() : 96.0;
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
    ScreenMetrics *screen = Platform::current().screen;
    return fromPixelsX(screen ? screen->screenSize().width() : 800);
}

int screenHeight()
{
    ScreenMetrics *screen = Platform::current().screen;
    return fromPixelsY(screen ? screen->screenSize().height() : 600);
}

} // namespace Twips
