#include "ResultWindow.h"

#include "ReadingShare.h"
#include "ReadingState.h"
#include "gui/Look.h"
#include "gui/QtText.h"
#include "gui/ValueLabel.h"

#include <QLabel>

ResultWindow::ResultWindow(kesto::Reading reading)
    : m_reading(reading)
{
    new ReadingShare(this, [this]() -> std::optional<SharedReading> {
        if (!m_document)
            return std::nullopt;
        return SharedReading {*m_document, m_signPicture};
    });
}

std::optional<kesto::ReadingDocument> ResultWindow::makeDocument(const BirthData &data) const
{
    const std::optional<kesto::ZodiacSign> sign = ReadingState::foundSign(m_reading);
    if (!sign)
        return std::nullopt;
    return kesto::readingDocument(m_reading, *sign, data.personName().toStdString(), data.date());
}

void ResultWindow::fillReading(const BirthData &data, const QPixmap &signPicture)
{
    m_document = makeDocument(data);
    if (!m_document) {
        m_signPicture = QPixmap();
        showUnknownSign(ReadingState::signOf(m_reading));
        return;
    }
    m_signPicture = signPicture;
    showDocument(*m_document, signPicture);
}

QLabel *ResultWindow::noteLabel(QWidget *parent, const QRect &place, const QColor &color)
{
    auto *note = new ValueLabel({}, parent);
    note->setObjectName(QStringLiteral("lblSignNote"));
    note->setFont(Look::verdana(7));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::setTextColor(note, color);
    note->setGeometry(place);
    note->hide();
    return note;
}

void ResultWindow::showNote(QLabel *note, QLabel *sign, const kesto::ReadingDocument &document)
{
    const QString full = toQString(document.fullNote());
    note->setText(toQString(document.shortNote()));
    note->setToolTip(full);
    note->setAccessibleName(full);
    note->setVisible(!full.isEmpty());
    sign->setAccessibleDescription(full);
}
