#pragma once

#include <QStringList>

#include <array>

// The card of each sun sign as the program must show it, written out here rather than read from
// the program's own tables, so that a changed value there fails the tests.
namespace SunSignCards {

struct Card
{
    const char *sign;
    const char *element;
    const char *birthstone;
    const char *luckyNumber;
    const char *luckyDay;
    const char *compatibility;
    int day; // a birth date under the sign
    int month;
};

// clang-format off
inline constexpr std::array<Card, 12> Cards = {{
    {"Aries",       "Fire",  "Diamond",    "9",       "Tuesday",   "Leo and Sagittarius",   21, 3},
    {"Taurus",      "Earth", "Emerald",    "6",       "Friday",    "Capricorn and Virgo",   20, 5},
    {"Gemini",      "Air",   "Agate",      "5",       "Wednesday", "Aquarius and Libra",    21, 5},
    {"Cancer",      "Water", "Pearl",      "2",       "Monday",    "Pisces and Scorpio",    20, 7},
    {"Leo",         "Fire",  "Ruby",       "8 and 9", "Sunday",    "Aries and Sagittarius", 21, 7},
    {"Virgo",       "Earth", "Sapphire",   "3 and 5", "Wednesday", "Capricorn and Taurus",  20, 9},
    {"Libra",       "Air",   "Opal",       "6 and 9", "Friday",    "Aquarius and Gemini",   21, 9},
    {"Scorpio",     "Water", "Topaz",      "2 and 4", "Tuesday",   "Cancer and Pisces",     20, 11},
    {"Sagittarius", "Fire",  "Turquoise",  "5 and 7", "Thursday",  "Aries and Leo",         21, 11},
    {"Capricorn",   "Earth", "Garnet",     "8 and 2", "Saturday",  "Taurus and Virgo",      19, 1},
    {"Aquarius",    "Air",   "Amethyst",   "1 and 7", "Wednesday", "Taurus and Virgo",      20, 1},
    {"Pisces",      "Water", "Aquamarine", "2 and 6", "Friday",    "Taurus and Virgo",      20, 3},
}};
// clang-format on

// The sign's name and its five values, in the order of the result window's first tab.
inline QStringList values(const Card &card)
{
    return {QString::fromLatin1(card.sign),       QString::fromLatin1(card.element),
            QString::fromLatin1(card.birthstone), QString::fromLatin1(card.luckyNumber),
            QString::fromLatin1(card.luckyDay),   QString::fromLatin1(card.compatibility)};
}

inline const Card *cardOf(const QString &sign)
{
    for (const Card &card : Cards) {
        if (sign == QLatin1String(card.sign))
            return &card;
    }
    return nullptr;
}

} // namespace SunSignCards
