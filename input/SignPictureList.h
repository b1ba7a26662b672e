#pragma once

#include <QPixmap>

// The twelve sign pictures of a sun-sign input window, addressed by position 1 (Aries) to 12
// (Pisces). Each picture is read from the program's resources when first asked for.
class SignPictureList
{
public:
    static constexpr int Count = 12;

    // An empty pixmap for a position outside 1..12.
    QPixmap picture(int position) const;
    // "aries.jpg" ... "pisces.jpg"
    static QString key(int position);
};
