#include "zodiac/SunSign.h"
#include "zodiac/ZodiacSign.h"

#include <QTest>

using namespace kesto;

namespace {

// clang-format off
const QStringList Names = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                           "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
// clang-format on

QString nameOf(std::optional<ZodiacSign> sign)
{
    if (!sign)
        return QStringLiteral("(none)");
    const std::string_view name = displayName(*sign);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

class tst_Zodiac : public QObject
{
    Q_OBJECT

private slots:
    void sunSignFromDate_data();
    void sunSignFromDate();
    void signNames();
};

void tst_Zodiac::sunSignFromDate_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("sign"); // "(none)": outside 1..31 and 1..12

    // Each month: the last day of the sign that ends in it, that sign, and the next.
    constexpr int LastEarlierDay[] = {19, 18, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
    for (int month = 1; month <= 12; ++month) {
        const int last = LastEarlierDay[month - 1];
        const QString earlier = Names[(month + 8) % 12];
        const QString later = Names[(month + 9) % 12];
        QTest::addRow("%d/1", month) << 1 << month << earlier;
        QTest::addRow("%d/%d", month, last) << last << month << earlier;
        QTest::addRow("%d/%d", month, last + 1) << last + 1 << month << later;
        // Day 31 in every month, whether the month has it or not.
        QTest::addRow("%d/31", month) << 31 << month << later;
    }
    QTest::newRow("2/29") << 29 << 2 << "Pisces";
    QTest::newRow("2/30") << 30 << 2 << "Pisces";
    QTest::newRow("day 0") << 0 << 1 << "(none)";
    QTest::newRow("day 32") << 32 << 12 << "(none)";
    QTest::newRow("month 0") << 1 << 0 << "(none)";
    QTest::newRow("month 13") << 1 << 13 << "(none)";
    QTest::newRow("negative month") << 31 << -1 << "(none)";
}

void tst_Zodiac::sunSignFromDate()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, sign);
    QCOMPARE(nameOf(SunSignFromDate(day, month)), sign);
}

// Names, ordinals, picture keys and steps round the zodiac agree for every sign.
void tst_Zodiac::signNames()
{
    for (int i = 0; i < 12; ++i) {
        const ZodiacSign sign = AllSigns[std::size_t(i)];
        const QString &name = Names[i];
        QCOMPARE(ordinal(sign), i + 1);
        QVERIFY(signFromOrdinal(i + 1) == sign);
        QCOMPARE(nameOf(sign), name);
        const std::string_view picture = pictureKey(sign);
        QCOMPARE(QString::fromLatin1(picture.data(), qsizetype(picture.size())),
                 name.toLower() + ".jpg");
        // The readings compare by display name: exactly, and case matters.
        QVERIFY(signFromDisplayName(name.toStdString()) == sign);
        QVERIFY(!signFromDisplayName(name.toLower().toStdString()));
        QVERIFY(!signFromDisplayName(name.toStdString() + ' '));
        QCOMPARE(nameOf(nextSign(sign)), Names[(i + 1) % 12]);
        QCOMPARE(nameOf(previousSign(sign)), Names[(i + 11) % 12]);
    }
    QVERIFY(!signFromOrdinal(0));
    QVERIFY(!signFromOrdinal(13));
}

QTEST_APPLESS_MAIN(tst_Zodiac)
#include "tst_zodiac.moc"
