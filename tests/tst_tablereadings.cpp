#include "GuiTestSupport.h"

#include "assets/texts/ReadingTexts.h"
#include "gui/QtText.h"
#include "readings/lovesign/windows/frmZodiacLoveSignDisplay.h"
#include "readings/windows/ReadingState.h"

using namespace GuiTest;

// Zodiac Love Sign and Sexual Astrology: the look of their result windows and what the Zodiac
// Love Sign window does with a sign it does not know.
class tst_TableReadings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_desk.open()); }
    void cleanup() { QCOMPARE(m_desk.close(), 0); }

    void windowLook_data();
    void windowLook();
    void unknownSignKeepsTheDescription();

private:
    Desktop m_desk;
};

void tst_TableReadings::windowLook_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("signLabel");
    QTest::addColumn<QColor>("signColor");
    QTest::addColumn<QColor>("descriptionColor");
    QTest::newRow("lovesign") << 3 << "Kesto Zodiac Love Sign"
                              << "lblLoveSign" << QColor(Qt::white) << QColor(Qt::white);
    QTest::newRow("sexual") << 2 << "Kesto Sexual Astrology"
                            << "lblSexualitySign" << QColor(224, 224, 224) << QColor(192, 192, 192);
}

void tst_TableReadings::windowLook()
{
    QFETCH(int, button);
    QFETCH(QString, caption);
    QFETCH(QString, signLabel);
    QFETCH(QColor, signColor);
    QFETCH(QColor, descriptionColor);

    ReadingWindow *result = readFor(m_desk.mdi(), button, "Ann", 2, 3, 1960);
    QVERIFY(result);
    QCOMPARE(result->windowTitle(), caption);
    // The long description wraps, both centred.
    auto *sign = child<QLabel>(result, signLabel);
    auto *text = child<QLabel>(result, QStringLiteral("lblSignDesc"));
    QCOMPARE(sign->palette().color(QPalette::WindowText), signColor);
    QCOMPARE(text->palette().color(QPalette::WindowText), descriptionColor);
    QVERIFY(text->wordWrap() && (text->alignment() & Qt::AlignHCenter)
            && (sign->alignment() & Qt::AlignHCenter));
}

// A fresh Zodiac Love Sign window describes Cancer; a name outside the twelve (only a date
// outside the table could give one) changes the sign shown but not the description.
void tst_TableReadings::unknownSignKeepsTheDescription()
{
    ReadingWindow *input = openReading(m_desk.mdi(), 3);
    QVERIFY(input);
    auto *result = m_desk.mdi().readingWindow<frmZodiacLoveSignDisplay>();
    const QString cancer = toQString(kesto::LoveSignText(kesto::ZodiacSign::Cancer));
    QCOMPARE(labelText(result, "lblSignDesc"), cancer);

    ReadingState::LoveSign = QStringLiteral("aries");
    result->fillReading({}, {});
    m_desk.mdi().navigator()->presentResult(input, result);
    QCOMPARE(labelText(result, "lblSignDesc"), cancer);
    QCOMPARE(labelText(result, "lblLoveSign"), QStringLiteral("aries"));
    QCOMPARE(shownReading(m_desk.mdi()), result);
}

QTEST_MAIN(tst_TableReadings)
#include "tst_tablereadings.moc"
