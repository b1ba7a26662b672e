#include "ReadingPage.h"

#include "gui/Look.h"
#include "gui/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

// The page's own name for the picture it holds.
const QString PictureName = QStringLiteral("kesto-sign-picture.png");

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

bool ReadingPage::paint(QPagedPaintDevice *device) const
{
    QTextDocument text;
    // Point sizes and picture sizes follow the device's resolution.
    text.documentLayout()->setPaintDevice(device);
    text.setDefaultFont(Look::verdana(10));
    text.setDocumentMargin(0);
    if (!m_signPicture.isNull())
        text.addResource(QTextDocument::ImageResource, QUrl(PictureName), m_signPicture.toImage());
    text.setHtml(html(PictureName));

    QPainter painter;
    if (!painter.begin(device))
        return false;
    // The painter starts at the page's printable area.
    const QRectF area = device->pageLayout().paintRectPixels(device->logicalDpiX());
    qreal scale = 1;
    text.setTextWidth(area.width());
    // A long reading is drawn smaller rather than spilling over to a second page.
    for (int tries = 0; tries < 8 && text.size().height() * scale > area.height(); ++tries) {
        scale = std::min(scale, area.height() / text.size().height()) * 0.98;
        text.setTextWidth(area.width() / scale);
    }
    painter.scale(scale, scale);
    text.drawContents(&painter);
    return painter.end();
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
