#include "GuiTestSupport.h"

#include "assets/texts/ReadingTexts.h"
#include "gui/QtText.h"
#include "readings/love/core/LoveProfile.h"

#include <QPlainTextEdit>
#include <QTabWidget>

using namespace GuiTest;

namespace {

QString boxText(QWidget *window, const char *name)
{
    return child<QPlainTextEdit>(window, QLatin1String(name))->toPlainText();
}

} // namespace

// Love and Romance Astrology: the card and profile each sign shows, and the look of the window.
class tst_SunSignReading : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desk.open()); }
    void cleanup() { QCOMPARE(m_desk.close(), 0); }

    void signCard_data();
    void signCard();
    void windowLook_data();
    void windowLook();

private:
    Desktop m_desk;
};

// Each sign's values as the program must show them, written out here rather than read from the
// program's own tables, so that a changed value there fails.
void tst_SunSignReading::signCard_data()
{
    QTest::addColumn<QStringList>("card"); // sign, element, birthstone, number, day, compatibility
    QTest::addColumn<int>("day");          // a birth date under the sign
    QTest::addColumn<int>("month");
    // clang-format off
    QTest::newRow("Aries")       << QStringList {"Aries",       "Fire",  "Diamond",    "9",       "Tuesday",   "Leo and Sagittarius"}   << 21 << 3;
    QTest::newRow("Taurus")      << QStringList {"Taurus",      "Earth", "Emerald",    "6",       "Friday",    "Capricorn and Virgo"}   << 20 << 5;
    QTest::newRow("Gemini")      << QStringList {"Gemini",      "Air",   "Agate",      "5",       "Wednesday", "Aquarius and Libra"}    << 21 << 5;
    QTest::newRow("Cancer")      << QStringList {"Cancer",      "Water", "Pearl",      "2",       "Monday",    "Pisces and Scorpio"}    << 20 << 7;
    QTest::newRow("Leo")         << QStringList {"Leo",         "Fire",  "Ruby",       "8 and 9", "Sunday",    "Aries and Sagittarius"} << 21 << 7;
    QTest::newRow("Virgo")       << QStringList {"Virgo",       "Earth", "Sapphire",   "3 and 5", "Wednesday", "Capricorn and Taurus"}  << 20 << 9;
    QTest::newRow("Libra")       << QStringList {"Libra",       "Air",   "Opal",       "6 and 9", "Friday",    "Aquarius and Gemini"}   << 21 << 9;
    QTest::newRow("Scorpio")     << QStringList {"Scorpio",     "Water", "Topaz",      "2 and 4", "Tuesday",   "Cancer and Pisces"}     << 20 << 11;
    QTest::newRow("Sagittarius") << QStringList {"Sagittarius", "Fire",  "Turquoise",  "5 and 7", "Thursday",  "Aries and Leo"}         << 21 << 11;
    QTest::newRow("Capricorn")   << QStringList {"Capricorn",   "Earth", "Garnet",     "8 and 2", "Saturday",  "Taurus and Virgo"}      << 19 << 1;
    QTest::newRow("Aquarius")    << QStringList {"Aquarius",    "Air",   "Amethyst",   "1 and 7", "Wednesday", "Taurus and Virgo"}      << 20 << 1;
    QTest::newRow("Pisces")      << QStringList {"Pisces",      "Water", "Aquamarine", "2 and 6", "Friday",    "Taurus and Virgo"}      << 20 << 3;
    // clang-format on
}

// Both readings show the same card and picture, each with its own profile.
void tst_SunSignReading::signCard()
{
    QFETCH(QStringList, card);
    QFETCH(int, day);
    QFETCH(int, month);
    const kesto::ZodiacSign sign = *kesto::signFromDisplayName(card.first().toStdString());
    const QImage picture(QStringLiteral(":/signs/%1.jpg").arg(card.first().toLower()));
    QVERIFY2(!picture.isNull(), "the sign pictures are not in the program's resources");

    for (auto reading : {kesto::Reading::LoveAstrology, kesto::Reading::RomanceAstrology}) {
        const int button = reading == kesto::Reading::LoveAstrology ? 0 : 1;
        ReadingWindow *result = readFor(m_desk.mdi(), button, "MARY JONES", day, month);
        QVERIFY(result);
        // Choosing the other reading closed the first one's windows.
        QCOMPARE(subWindowCount(m_desk.mdi()), 2);
        QStringList shown;
        for (const char *name : {"lblSunSign", "lblSunSignElement", "lblSunSignBirthStone",
                                 "lblSunSignNumber", "lblSunSignDay", "lblSunSignCompatibility"})
            shown << labelText(result, name);
        QCOMPARE(shown, card);
        QCOMPARE(boxText(result, "txtSunSignPositiveTraits"),
                 toQString(kesto::SunSignTraits(sign).positive));
        QCOMPARE(boxText(result, "txtSunSignNegativeTraits"),
                 toQString(kesto::SunSignTraits(sign).negative));
        QCOMPARE(child<QLabel>(result, QStringLiteral("picSunSign"))->pixmap().toImage(), picture);
        // Each CR LF pair of the profile is one line break.
        const QString profile = reading == kesto::Reading::LoveAstrology
            ? toQString(kesto::LoveProfileText(sign))
            : toQString(kesto::RomanceProfileText(sign));
        QCOMPARE(boxText(result, "txtLoveProfile"),
                 QString(profile).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void tst_SunSignReading::windowLook_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("captions"); // the window, its two tabs, the profile's heading
    QTest::addColumn<QColor>("band");

    // The Romance tab's caption starts with a blank.
    // clang-format off
    QTest::newRow("love") << 0 << QStringList {"Kesto Love Astrology", "Sun Sign Profile", "Love Profile", "More About Your Love Profile"}
                          << QColor(0, 64, 0);
    QTest::newRow("romance") << 1 << QStringList {"Kesto Romance Astrology", "Sun Sign Profile", " Romance Profile", "More About Your Romance Profile"}
                             << QColor(90, 35, 220);
    // clang-format on
}

void tst_SunSignReading::windowLook()
{
    QFETCH(int, button);
    QFETCH(QStringList, captions);
    QFETCH(QColor, band);

    ReadingWindow *result = readFor(m_desk.mdi(), button, "MARY JONES", 12, 12);
    QVERIFY(result);
    auto *tabs = child<QTabWidget>(result, QStringLiteral("SSTab1"));
    QCOMPARE((QStringList {result->windowTitle(), tabs->tabText(0), tabs->tabText(1),
                           labelText(result, "Label1")}),
             captions);

    QWidget *profile = child(result, QStringLiteral("txtLoveProfile"));
    QCOMPARE(profile->palette().color(QPalette::Base), band);
    QCOMPARE(profile->palette().color(QPalette::Text), QColor(Qt::white));
    // The co-branding offer lies over the full-branding one and hides it.
    QWidget *fullBrand = child(result, QStringLiteral("lblFullBrand"));
    QWidget *coBrand = child(result, QStringLiteral("lblCobrand"));
    const QObjectList order = coBrand->parentWidget()->children();
    QVERIFY(order.indexOf(coBrand) > order.indexOf(fullBrand));
    QVERIFY(coBrand->geometry().intersects(fullBrand->geometry()) && coBrand->autoFillBackground());
    QCOMPARE(coBrand->palette().color(QPalette::Window), band);
}

QTEST_MAIN(tst_SunSignReading)
#include "tst_sunsignreading.moc"
