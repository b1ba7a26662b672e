#pragma once

#include "readings/core/ReadingDocument.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPixmap>
#include <QString>

class QLocale;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// A reading laid out on one printed page: the program's title, the sign picture, the values and
// every text, as real text that can be selected and searched. The same page goes to a PDF file,
// to a printer and, drawn at print resolution, to a picture.
class ReadingPage
{
public:
    ReadingPage(const kesto::ReadingDocument &document, const QPixmap &signPicture);

    // Paints the page on `device`, shrunk to fit one page if it must; false when nothing could be
    // painted there.
    bool paint(QPagedPaintDevice *device) const;

    // The page on white paper of `layout`, `dotsPerInch` to the inch, laid out as paint() lays it
    // out on a PDF writer of its default resolution. The picture's text fields hold the
    // reading's title and person ("Title") and its text ("Description"), for programs that index
    // pictures.
    QImage image(const QPageLayout &layout, int dotsPerInch) const;

    // The reading as HTML with the sign picture inside it, for pasting elsewhere.
    QString portableHtml() const;

    // Letter where it is the usual paper, A4 elsewhere.
    static QPageSize::PageSizeId paperFor(const QLocale &locale);
    // The usual paper of `locale`, upright, with the page's margins.
    static QPageLayout pageLayout(const QLocale &locale);

private:
    QString html(const QString &pictureSource) const;
    // Draws the page into `area` (device pixels) of the device `painter` paints on.
    void draw(QPainter &painter, QPaintDevice *device, const QRectF &area) const;

    kesto::ReadingDocument m_document;
    QPixmap m_signPicture;
};
