#pragma once

#include <QList>
#include <QPalette>
#include <QProxyStyle>

// The application's style, drawing with one palette object for each set of colours. Qt gives
// every widget a palette object of its own, with new serial numbers, as soon as any palette is
// set on it or on a window above it, and the style names the pieces it caches (button faces,
// list boxes) by those numbers: every new window would leave new pieces and names in the cache.
// Drawn with palettes shared by colour, windows opened again and again reuse the same pieces.
class StablePaletteStyle : public QProxyStyle
{
public:
    // Wraps a new instance of the style named `key`, such as "Fusion".
    explicit StablePaletteStyle(const QString &key);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

    // The shared palette with the colours of `palette`, in its colour group.
    QPalette shared(const QPalette &palette) const;

private:
    // Sets the shared palette on `option` while `draw` runs.
    template<class Draw>
    void drawShared(const QStyleOption *option, Draw draw) const;

    mutable QList<QPalette> m_palettes;
};
