// Draws the twelve sign pictures: the sign's glyph over a night sky tinted by its element, a thin
// circular frame and the name in small capitals. Every shape is filled from font outlines, so the
// result does not depend on the machine's font configuration, hinting or glyph cache.
//
// Usage: sign-pictures <output-dir> <dejavu-font-dir>

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int Size = 200;
constexpr int JpegQuality = 92;

enum class Element { Fire, Earth, Air, Water };

struct SignPicture
{
    const char *fileName;
    const char *name;
    char16_t glyph;
    Element element;
};

// clang-format off
constexpr std::array<SignPicture, 12> Signs{{
    {"aries",       "Aries",       u'\u2648', Element::Fire},
    {"taurus",      "Taurus",      u'\u2649', Element::Earth},
    {"gemini",      "Gemini",      u'\u264A', Element::Air},
    {"cancer",      "Cancer",      u'\u264B', Element::Water},
    {"leo",         "Leo",         u'\u264C', Element::Fire},
    {"virgo",       "Virgo",       u'\u264D', Element::Earth},
    {"libra",       "Libra",       u'\u264E', Element::Air},
    {"scorpio",     "Scorpio",     u'\u264F', Element::Water},
    {"sagittarius", "Sagittarius", u'\u2650', Element::Fire},
    {"capricorn",   "Capricorn",   u'\u2651', Element::Earth},
    {"aquarius",    "Aquarius",    u'\u2652', Element::Air},
    {"pisces",      "Pisces",      u'\u2653', Element::Water},
}};

struct ElementColours
{
    Element element;
    QRgb glow;   // the sky around the glyph
    QRgb accent; // frame and name
};

constexpr std::array<ElementColours, 4> Palette{{
    {Element::Fire,  0xffc4462a, 0xfff6c89a},
    {Element::Earth, 0xff4f8a3c, 0xffd9e8b0},
    {Element::Air,   0xffb89a36, 0xfff4e6a8},
    {Element::Water, 0xff2a6fb8, 0xffb4dcf6},
}};
// clang-format on

constexpr QRgb NightSky = 0xff0b1030;
constexpr QRgb GlyphColour = 0xfffdf8ee;

const ElementColours &coloursOf(Element element)
{
    for (const auto &colours : Palette) {
        if (colours.element == element)
            return colours;
    }
    return Palette.front();
}

// A fixed linear congruential sequence rather than <random>, whose distributions differ between
// standard libraries; the star field must come out the same everywhere.
class StarSequence
{
public:
    explicit StarSequence(std::uint32_t seed)
        : m_state(seed * 2654435761u + 12345u)
    { }
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1u << 24);
    }

private:
    std::uint32_t m_state;
};

QFont outlineFont(const QString &family, int pixelSize, int weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    // Only the loaded file may supply glyphs: a missing one must show, not come from another font.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// The name as small capitals: the first letter full height, the rest as smaller capitals,
// spread apart a little, centred on centreX with its baseline at baseline.
QPainterPath smallCapsPath(const QString &name, const QString &family, double centreX,
                           double baseline)
{
    const QFont capital = outlineFont(family, 16, QFont::Bold);
    const QFont small = outlineFont(family, 12, QFont::Bold);
    constexpr double Tracking = 1.5;

    QPainterPath path;
    double x = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QString letter = name.at(i).toUpper();
        const QFont &font = i == 0 ? capital : small;
        path.addText(x, 0, font, letter);
        x += QFontMetricsF(font).horizontalAdvance(letter) + Tracking;
    }
    x -= Tracking;
    path.translate(centreX - x / 2, baseline);
    return path;
}

// The glyph scaled to fit a box centred on centre, so that tall and wide glyphs look alike in size.
QPainterPath glyphPath(QChar glyph, const QString &family, QPointF centre, QSizeF box)
{
    QPainterPath path;
    path.addText(0, 0, outlineFont(family, 100), QString(glyph));
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(centre.x(), centre.y());
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

QImage drawSign(const SignPicture &sign, std::uint32_t seed, const QString &family)
{
    const ElementColours &colours = coloursOf(sign.element);
    const QPointF centre(Size / 2.0, Size / 2.0);

    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(NightSky);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient sky(QPointF(centre.x(), 86), Size * 0.62);
    sky.setColorAt(0.0, QColor::fromRgb(colours.glow).lighter(115));
    sky.setColorAt(0.45, QColor::fromRgb(colours.glow).darker(260));
    sky.setColorAt(1.0, QColor::fromRgb(NightSky));
    painter.fillRect(image.rect(), sky);

    StarSequence stars(seed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const QPointF at(stars.next() * Size, stars.next() * Size);
        const double radius = 0.35 + stars.next() * stars.next() * 1.1;
        const int alpha = 70 + int(stars.next() * 150);
        painter.setBrush(QColor(255, 250, 235, alpha));
        painter.drawEllipse(at, radius, radius);
    }

    const QColor accent = QColor::fromRgb(colours.accent);
    QColor faint = accent;
    faint.setAlpha(90);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(accent, 1.4));
    painter.drawEllipse(centre, 91.0, 91.0);
    painter.setPen(QPen(faint, 0.8));
    painter.drawEllipse(centre, 87.0, 87.0);

    const QPainterPath glyph =
        glyphPath(sign.glyph, family, QPointF(centre.x(), 84), QSizeF(100, 80));
    // A soft halo: the outline stroked wide and faint a few times before the glyph itself.
    QColor halo = accent;
    halo.setAlpha(28);
    for (int width = 12; width >= 3; width -= 3) {
        painter.strokePath(glyph, QPen(halo, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.fillPath(glyph, QColor::fromRgb(GlyphColour));

    const QString name = QString::fromLatin1(sign.name);
    painter.fillPath(smallCapsPath(name, family, centre.x(), 162), accent);
    return image;
}

QString loadFont(const QString &fontDir, const QString &fileName)
{
    const int id = QFontDatabase::addApplicationFont(QDir(fontDir).filePath(fileName));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: sign-pictures <output-dir> <dejavu-font-dir>\n";
        return 2;
    }
    const QDir outDir(args.at(1));
    const QString fontDir = args.at(2);

    // The glyph family needs the regular face; the name is set in the bold face of the same family.
    const QString family = loadFont(fontDir, QStringLiteral("DejaVuSans.ttf"));
    const QString boldFamily = loadFont(fontDir, QStringLiteral("DejaVuSans-Bold.ttf"));
    if (family.isEmpty() || boldFamily != family) {
        err << "cannot load DejaVu Sans from " << fontDir << "\n";
        return 1;
    }
    if (!QFontMetricsF(outlineFont(family, 100)).inFont(QChar(Signs.front().glyph))) {
        err << "the loaded font has no zodiac glyphs\n";
        return 1;
    }

    std::uint32_t seed = 1;
    for (const SignPicture &sign : Signs) {
        const QString fileName = QString::fromLatin1(sign.fileName) + QLatin1String(".jpg");
        const QString path = outDir.filePath(fileName);
        if (!drawSign(sign, seed++, family).save(path, "JPG", JpegQuality)) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
