#include "ReadingPage.h"

#include "gui/AppInfo.h"
#include "gui/Look.h"
#include "gui/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

// The page's own name for the picture it holds.
const QString PictureName = QStringLiteral("kesto-sign-picture.png");

const QMarginsF PageMargins(18, 18, 18, 18); // millimetres

// Print resolution: finer than this a photograph gains nothing on paper.
constexpr qreal PictureDotsPerInch = 300;
// The resolution a PDF is written at, and a picture of the page laid out at.
constexpr int LayoutDotsPerInch = 1200;
// Sizes in the page's HTML are pixels of a 96 dpi screen.
constexpr qreal HtmlDotsPerInch = 96;

// The size the page gives its picture, in HTML pixels; empty when it holds none.
QSizeF pictureSizeIn(const QTextDocument &text, const QSize &natural)
{
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat() || format.toImageFormat().name() != PictureName)
                continue;
            const QTextImageFormat image = format.toImageFormat();
            return {image.width() > 0 ? image.width() : natural.width(),
                    image.height() > 0 ? image.height() : natural.height()};
        }
    }
    return {};
}

} // namespace

ReadingPage::ReadingPage(const kesto::ReadingDocument &document, const QPixmap &signPicture)
    : m_document(document)
    , m_signPicture(document.picture.empty() ? QPixmap() : signPicture)
{ }

QString ReadingPage::html(const QString &pictureSource) const
{
    kesto::HtmlOptions options;
    if (!m_signPicture.isNull())
        options.pictureSource = pictureSource.toStdString();
    return toQString(kesto::readingHtml(m_document, options));
}

QString ReadingPage::portableHtml() const
{
    QByteArray png;
    if (!m_signPicture.isNull()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        m_signPicture.save(&buffer, "PNG");
    }
    return html(QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64()));
}

void ReadingPage::draw(QPainter &painter, QPaintDevice *device, const QRectF &area) const
{
    QTextDocument text;
    // Point sizes and picture sizes follow the device's resolution.
    text.documentLayout()->setPaintDevice(device);
    text.setDefaultFont(Look::verdana(10));
    text.setDocumentMargin(0);
    // Without room between them a heading runs into its value ("Lucky Number9").
    text.setDefaultStyleSheet(QStringLiteral("th { padding-right: 16px; }"));
    if (!m_signPicture.isNull())
        text.addResource(QTextDocument::ImageResource, QUrl(PictureName), m_signPicture.toImage());
    text.setHtml(html(PictureName));
    if (const QSizeF shown = pictureSizeIn(text, m_signPicture.size()); !shown.isEmpty()) {
        // The picture is scaled smoothly to the resolution it is drawn at, up to print
        // resolution, rather than left for the printer or the PDF reader to enlarge.
        const qreal dotsPerInch = std::min<qreal>(device->logicalDpiX(), PictureDotsPerInch);
        const QSize pixels = (shown * dotsPerInch / HtmlDotsPerInch).toSize();
        text.addResource(QTextDocument::ImageResource, QUrl(PictureName),
                         m_signPicture.toImage().scaled(pixels, Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation));
    }

    qreal scale = 1;
    text.setTextWidth(area.width());
    // A long reading is drawn smaller rather than spilling over to a second page.
    for (int tries = 0; tries < 8 && text.size().height() * scale > area.height(); ++tries) {
        scale = std::min(scale, area.height() / text.size().height()) * 0.98;
        text.setTextWidth(area.width() / scale);
    }
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    text.drawContents(&painter);
    painter.restore();
}

bool ReadingPage::paint(QPagedPaintDevice *device) const
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    // The painter starts at the page's printable area.
    const QRectF area = device->pageLayout().paintRectPixels(device->logicalDpiX());
    draw(painter, device, QRectF(QPointF(), area.size()));
    return painter.end();
}

QImage ReadingPage::image(const QPageLayout &layout, int dotsPerInch) const
{
    QImage page(layout.fullRectPixels(dotsPerInch).size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    // Laid out at the PDF's resolution, which the text's line breaks and spacing depend on, and
    // drawn smaller: the picture shows the very page of the PDF.
    QImage layoutDevice(1, 1, QImage::Format_RGB32);
    const int layoutDotsPerMeter = qRound(LayoutDotsPerInch / 0.0254);
    layoutDevice.setDotsPerMeterX(layoutDotsPerMeter);
    layoutDevice.setDotsPerMeterY(layoutDotsPerMeter);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(qreal(dotsPerInch) / LayoutDotsPerInch,
                      qreal(dotsPerInch) / LayoutDotsPerInch);
        draw(painter, &layoutDevice, layout.paintRectPixels(LayoutDotsPerInch));
    }
    page.setText(QStringLiteral("Title"),
                 toQString(std::string(m_document.title) + " - " + m_document.personLine()));
    page.setText(QStringLiteral("Description"), toQString(kesto::readingPlainText(m_document)));
    page.setText(QStringLiteral("Software"), AppInfo::titleWithVersion());
    return page;
}

QPageSize::PageSizeId ReadingPage::paperFor(const QLocale &locale)
{
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return QPageSize::Letter;
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::PuertoRico:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

QPageLayout ReadingPage::pageLayout(const QLocale &locale)
{
    return QPageLayout(QPageSize(paperFor(locale)), QPageLayout::Portrait, PageMargins,
                       QPageLayout::Millimeter);
}
