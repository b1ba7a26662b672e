#include "ResultWindow.h"

#include "ReadingShare.h"
#include "ReadingState.h"

ResultWindow::ResultWindow(kesto::Reading reading)
    : m_reading(reading)
{
    new ReadingShare(this, [this]() -> std::optional<SharedReading> {
        if (!m_document)
            return std::nullopt;
        return SharedReading {*m_document, m_signPicture};
    });
}

void ResultWindow::fillReading(const BirthData &data, const QPixmap &signPicture)
{
    const std::optional<kesto::ZodiacSign> sign = ReadingState::foundSign(m_reading);
    if (!sign) {
        m_document.reset();
        m_signPicture = QPixmap();
        showUnknownSign(ReadingState::signOf(m_reading));
        return;
    }
    m_document =
        kesto::readingDocument(m_reading, *sign, data.personName().toStdString(), data.date());
    m_signPicture = signPicture;
    showDocument(*m_document, signPicture);
}
