#include "SignPictureList.h"

#include "gui/QtText.h"
#include "zodiac/ZodiacSign.h"

// The pictures are compiled into the GUI library, which is static: their registration must be
// pulled in by hand.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

QString SignPictureList::key(int position)
{
    const std::optional<kesto::ZodiacSign> sign = kesto::signFromOrdinal(position);
    if (!sign)
        return {};
    return toQString(kesto::pictureKey(*sign));
}

QPixmap SignPictureList::picture(int position) const
{
    const QString name = key(position);
    if (name.isEmpty())
        return {};
    registerPictures();
    return QPixmap(QStringLiteral(":/signs/") + name);
}
