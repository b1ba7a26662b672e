#pragma once

#include "readings/core/ReadingDocument.h"

#include <QPageSize>
#include <QPixmap>
#include <QString>

class QLocale;
class QPagedPaintDevice;

// A reading laid out on one printed page: the program's title, the sign picture, the values and
// every text, as real text that can be selected and searched. The same page goes to a PDF file
// and to a printer.
class ReadingPage
{
public:
    ReadingPage(const kesto::ReadingDocument &document, const QPixmap &signPicture);

    // Paints the page on `device`, shrunk to fit one page if it must; false when nothing could be
    // painted there.
    bool paint(QPagedPaintDevice *device) const;

    // The reading as HTML with the sign picture inside it, for pasting elsewhere.
    QString portableHtml() const;

    // Letter where it is the usual paper, A4 elsewhere.
    static QPageSize::PageSizeId paperFor(const QLocale &locale);

private:
    QString html(const QString &pictureSource) const;

    kesto::ReadingDocument m_document;
    QPixmap m_signPicture;
};
