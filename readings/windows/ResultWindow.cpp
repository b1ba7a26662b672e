#include "ResultWindow.h"

#include "ReadingShare.h"
#include "ReadingState.h"

ResultWindow::ResultWindow(QWidget *parent)
    : ReadingWindow(parent)
{
    new ReadingShare(this, [this]() -> std::optional<SharedReading> {
        if (!m_document)
            return std::nullopt;
        return SharedReading {*m_document, m_signPicture};
    });
}

void ResultWindow::keepReading(kesto::Reading reading, const BirthData &data,
                               const QPixmap &signPicture)
{
    m_signPicture = signPicture;
    m_document.reset();
    const std::optional<kesto::ZodiacSign> sign =
        kesto::signFromDisplayName(ReadingState::signOf(reading).toStdString());
    if (!sign)
        return;
    // The name as the user typed it: the sun-sign windows' three fields or the one of the others.
    QStringList parts;
    for (const QString &part : {data.firstName, data.middleName, data.lastName, data.name}) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    }
    const QString name = parts.join(QLatin1Char(' '));
    m_document = kesto::readingDocument(reading, *sign, name.toStdString(), data.date());
}
