#include "SignPictureList.h"

#include "zodiac/ZodiacSign.h"

QString SignPictureList::key(int position)
{
    const std::optional<kesto::ZodiacSign> sign = kesto::signFromOrdinal(position);
    if (!sign)
        return {};
    const std::string_view name = kesto::pictureKey(*sign);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QPixmap SignPictureList::picture(int position) const
{
    const QString name = key(position);
    if (name.isEmpty())
        return {};
    return QPixmap(QStringLiteral(":/signs/") + name);
}
