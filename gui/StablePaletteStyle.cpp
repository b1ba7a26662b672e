#include "StablePaletteStyle.h"

#include <QStyleOption>

namespace {

// The windows use a handful of colour sets; past this many, palettes are passed on as they come.
constexpr qsizetype MaxPalettes = 64;

} // namespace

StablePaletteStyle::StablePaletteStyle(const QString &key)
    : QProxyStyle(key)
{ }

QPalette StablePaletteStyle::shared(const QPalette &palette) const
{
    for (const QPalette &known : std::as_const(m_palettes)) {
        if (known.isCopyOf(palette) || known == palette) {
            QPalette same = known;
            same.setCurrentColorGroup(palette.currentColorGroup());
            return same;
        }
    }
    if (m_palettes.size() < MaxPalettes)
        m_palettes.append(palette);
    return palette;
}

template<class Draw>
void StablePaletteStyle::drawShared(const QStyleOption *option, Draw draw) const
{
    if (!option) {
        draw();
        return;
    }
    // The option belongs to the widget drawing itself and lives on its stack for this call; its
    // palette is swapped for the shared one with the same colours, and back.
    auto *changed = const_cast<QStyleOption *>(option);
    const QPalette own = changed->palette;
    changed->palette = shared(own);
    draw();
    changed->palette = own;
}

void StablePaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    drawShared(option, [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void StablePaletteStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    drawShared(option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void StablePaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *painter,
                                            const QWidget *widget) const
{
    drawShared(option, [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}
