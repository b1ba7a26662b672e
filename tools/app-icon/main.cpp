// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon: the red heart of the window icon on a deep blue disc with a ring of
// small stars. One description of the shapes serves both outputs: a scalable SVG written by hand
// (Qt's SVG writer is a module of its own) and PNGs painted by QPainter at each size of the
// desktop's icon theme.
//
// Usage: app-icon <hicolor-dir> <icon-name>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <array>
#include <cmath>
#include <numbers>

namespace {

// Everything is laid out on a 256-unit square.
constexpr double Unit = 256;
constexpr std::array<int, 8> PngSizes {16, 22, 24, 32, 48, 64, 128, 256};

const QColor DiscInner(40, 46, 120);
const QColor DiscOuter(14, 16, 54);
const QColor Ring(120, 200, 230);
const QColor Star(255, 230, 120);
const QColor HeartLight(240, 70, 110);
const QColor HeartDark(190, 20, 70);

constexpr double DiscRadius = 120;
constexpr int StarCount = 12;
constexpr double StarOrbit = 100;
constexpr double StarRadius = 7;

// The heart of the window icon (gui/Look.cpp), scaled into the disc: side s from (x, y).
struct HeartBox
{
    double x = 48, y = 44, s = 160;
};

struct Cubic
{
    double c1x, c1y, c2x, c2y, x, y;
};

// The heart as a start point and two cubic curves, in 0..1 of its box.
constexpr double HeartStartX = 0.5, HeartStartY = 0.85;
constexpr std::array<Cubic, 2> HeartCurves {{
    {0.05, 0.5, 0.1, 0.1, 0.5, 0.3},
    {0.9, 0.1, 0.95, 0.5, 0.5, 0.85},
}};

QPointF inHeart(double fx, double fy)
{
    const HeartBox box;
    return {box.x + fx * box.s, box.y + fy * box.s};
}

QPointF starCentre(int i)
{
    const double angle = 2 * std::numbers::pi * i / StarCount - std::numbers::pi / 2;
    return {Unit / 2 + StarOrbit * std::cos(angle), Unit / 2 + StarOrbit * std::sin(angle)};
}

// A four-pointed star as a closed polygon.
QList<QPointF> starPoints(QPointF centre)
{
    QList<QPointF> points;
    for (int k = 0; k < 8; ++k) {
        const double r = k % 2 == 0 ? StarRadius : StarRadius * 0.35;
        const double angle = std::numbers::pi / 4 * k - std::numbers::pi / 2;
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return points;
}

QPainterPath heartPath()
{
    QPainterPath path;
    path.moveTo(inHeart(HeartStartX, HeartStartY));
    for (const Cubic &c : HeartCurves)
        path.cubicTo(inHeart(c.c1x, c.c1y), inHeart(c.c2x, c.c2y), inHeart(c.x, c.y));
    return path;
}

QImage paintIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Unit, size / Unit);

    QRadialGradient disc(QPointF(Unit / 2, Unit / 2), DiscRadius);
    disc.setColorAt(0, DiscInner);
    disc.setColorAt(1, DiscOuter);
    painter.setPen(QPen(Ring, 6));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(Unit / 2, Unit / 2), DiscRadius - 3, DiscRadius - 3);

    // The stars would be specks below 32 pixels; the heart alone reads better there.
    if (size >= 32) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Star);
        for (int i = 0; i < StarCount; ++i)
            painter.drawPolygon(QPolygonF(starPoints(starCentre(i))));
    }

    QLinearGradient heart(inHeart(0.5, 0.1), inHeart(0.5, 0.85));
    heart.setColorAt(0, HeartLight);
    heart.setColorAt(1, HeartDark);
    painter.fillPath(heartPath(), heart);
    return image;
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

QString point(QPointF p)
{
    return number(p.x()) + QLatin1Char(',') + number(p.y());
}

QString colour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString svgIcon()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
        << "<!-- Drawn by tools/app-icon; redraw it there rather than editing this file. -->\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n"
        << "  <defs>\n"
        << "    <radialGradient id=\"disc\" cx=\"128\" cy=\"128\" r=\"" << number(DiscRadius)
        << "\" gradientUnits=\"userSpaceOnUse\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << colour(DiscInner) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << colour(DiscOuter) << "\"/>\n"
        << "    </radialGradient>\n";
    const QPointF top = inHeart(0.5, 0.1), bottom = inHeart(0.5, 0.85);
    out << "    <linearGradient id=\"heart\" x1=\"" << number(top.x()) << "\" y1=\""
        << number(top.y()) << "\" x2=\"" << number(bottom.x()) << "\" y2=\"" << number(bottom.y())
        << "\" gradientUnits=\"userSpaceOnUse\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << colour(HeartLight) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << colour(HeartDark) << "\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n";
    out << "  <circle cx=\"128\" cy=\"128\" r=\"" << number(DiscRadius - 3)
        << "\" fill=\"url(#disc)\" stroke=\"" << colour(Ring) << "\" stroke-width=\"6\"/>\n";
    out << "  <g fill=\"" << colour(Star) << "\">\n";
    for (int i = 0; i < StarCount; ++i) {
        QStringList points;
        for (const QPointF &p : starPoints(starCentre(i)))
            points << point(p);
        out << "    <polygon points=\"" << points.join(QLatin1Char(' ')) << "\"/>\n";
    }
    out << "  </g>\n";
    out << "  <path fill=\"url(#heart)\" d=\"M" << point(inHeart(HeartStartX, HeartStartY));
    for (const Cubic &c : HeartCurves)
        out << " C" << point(inHeart(c.c1x, c.c1y)) << ' ' << point(inHeart(c.c2x, c.c2y)) << ' '
            << point(inHeart(c.x, c.y));
    out << " Z\"/>\n"
        << "</svg>\n";
    return svg;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: app-icon <hicolor-dir> <icon-name>\n";
        return 2;
    }
    const QDir hicolor(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);

    const QString scalable = QStringLiteral("scalable/apps");
    if (!hicolor.mkpath(scalable)
        || !writeFile(hicolor.filePath(scalable + QLatin1Char('/') + name + ".svg"),
                      svgIcon().toUtf8())) {
        QTextStream(stderr) << "cannot write the SVG icon\n";
        return 1;
    }
    for (const int size : PngSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = hicolor.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!hicolor.mkpath(folder) || !paintIcon(size).save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
