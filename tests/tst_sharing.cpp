#include "GuiTestSupport.h"
#include "app/QtText.h"
#include "app/ReadingPage.h"
#include "app/ResultWindow.h"
#include "readings/Readings.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

using namespace GuiTest;

namespace {

// A reading as a user does it, with what its window must give away: every value as shown, the
// texts by their first and last sentences.
struct Case
{
    int button;
    QString name;
    int day;
    int month;
    int year;
    QString sign;
    QStringList values; // "heading: value" as copied
};

Case caseFor(const QByteArray &tag)
{
    if (tag == "love")
        return {0,
                "MARY JONES",
                20,
                1,
                1990,
                "Aquarius",
                {"Your Sun Sign: Aquarius", "Element: Air", "Birthstone: Amethyst",
                 "Lucky Number: 1 and 7", "Lucky Day: Wednesday",
                 "Compatibility: Taurus and Virgo"}};
    if (tag == "romance")
        return {1,
                "JOHN PAUL SMITH",
                21,
                3,
                1985,
                "Aries",
                {"Your Sun Sign: Aries", "Element: Fire", "Birthstone: Diamond", "Lucky Number: 9",
                 "Lucky Day: Tuesday", "Compatibility: Leo and Sagittarius"}};
    if (tag == "sexual")
        return {2, "ANN", 1, 1, 1940, "Scorpio", {"Eros in your Chart is Placed in: Scorpio"}};
    return {3, "BOB", 1, 1, 1930, "Capricorn", {"Venus in Your Chart is Placed in: Capricorn"}};
}

kesto::Reading readingOf(int button)
{
    static constexpr kesto::Reading Readings[] = {
        kesto::Reading::LoveAstrology, kesto::Reading::RomanceAstrology,
        kesto::Reading::SexualAstrology, kesto::Reading::ZodiacLoveSign};
    return Readings[button];
}

// The reading's texts straight from the core, each as its first and last sentence.
QStringList sentencesOf(const Case &c)
{
    const kesto::Reading reading = readingOf(c.button);
    const kesto::ZodiacSign sign = *kesto::signFromDisplayName(c.sign.toStdString());
    QStringList texts;
    if (kesto::isSunSignReading(reading)) {
        const kesto::SunSignCard card = kesto::sunSignCard(reading, sign);
        texts << toQString(card.traits.positive) << toQString(card.traits.negative)
              << toQString(card.profile);
    } else {
        texts << toQString(kesto::signDescription(reading, sign));
    }
    QStringList sentences;
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+"));
    for (const QString &text : texts) {
        const QStringList parts = text.simplified().split(end, Qt::SkipEmptyParts);
        sentences << parts.first() << parts.last();
    }
    return sentences;
}

// What a program of the desktop finds in a PDF file: its text with white space evened out.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("(pdftotext failed)");
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

int pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(20000))
        return -1;
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

} // namespace

// The PDF checks need poppler-utils (scripts/install-deps).
#define NEED_POPPLER()                                                                             \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())                     \
    QSKIP("pdftotext (poppler-utils) is not installed")

class tst_Sharing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void copyPutsTextAndHtml_data();
    void copyPutsTextAndHtml();
    void contextMenuByMouseAndKeyboard();
    void pdfHoldsTheWholeReading_data();
    void pdfHoldsTheWholeReading();
    void longReadingStaysOnOnePage();
    void pngAndTextFiles();
    void proposedNameAndRememberedFolder();
    void unwritablePlaceLeavesNothing_data();
    void unwritablePlaceLeavesNothing();
    void printing();

private:
    ResultWindow *read(const QByteArray &tag);
    Desktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Sharing::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Sharing::init()
{
    QVERIFY(m_desktop.open());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Sharing::cleanup()
{
    QCOMPARE(m_desktop.close(), 0);
    m_dir.reset();
}

ResultWindow *tst_Sharing::read(const QByteArray &tag)
{
    const Case c = caseFor(tag);
    auto *window = qobject_cast<ResultWindow *>(
        readFor(m_desktop.mdi(), c.button, c.name, c.day, c.month, c.year));
    if (window)
        QApplication::setActiveWindow(&m_desktop.mdi());
    return window;
}

void tst_Sharing::copyPutsTextAndHtml_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<bool>("picture");
    QTest::newRow("love") << QByteArray("love") << true;
    QTest::newRow("romance") << QByteArray("romance") << true;
    QTest::newRow("sexual") << QByteArray("sexual") << false;
    QTest::newRow("lovesign") << QByteArray("lovesign") << false;
}

void tst_Sharing::copyPutsTextAndHtml()
{
    QFETCH(QByteArray, tag);
    QFETCH(bool, picture);
    const Case c = caseFor(tag);
    ResultWindow *window = read(tag);
    QVERIFY(window);
    QApplication::clipboard()->clear();
    // Ctrl+C wherever the focus is inside the window.
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && (focus == window || window->isAncestorOf(focus)));
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);

    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasHtml());
    const QString text = data->text();
    QVERIFY2(text.contains(c.name + QStringLiteral(", born ")), qPrintable(text));
    for (const QString &value : c.values)
        QVERIFY2(text.contains(QLatin1Char('\n') + value + QLatin1Char('\n')), qPrintable(value));
    for (const QString &sentence : sentencesOf(c))
        QVERIFY2(text.contains(sentence), qPrintable(sentence));

    const QString html = data->html();
    QVERIFY(html.contains(QStringLiteral("<td>%1</td>").arg(c.sign)));
    QCOMPARE(html.contains(QStringLiteral("<img src=\"data:image/png;base64,")), picture);
}

void tst_Sharing::contextMenuByMouseAndKeyboard()
{
    ResultWindow *window = read("love");
    QVERIFY(window);
    auto *menu = child<QMenu>(window, QStringLiteral("mnuReading"));
    QVERIFY(menu);
    QStringList names;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; accessible && i < accessible->childCount(); ++i)
        names << accessible->child(i)->text(QAccessible::Name);
    QCOMPARE(names, QStringList({"Copy Reading", "Save Reading As…", "Print…"}));

    // A right click on a label and on a text box, which would otherwise offer its own menu.
    for (const char *name : {"lblSunSignElement", "txtSunSignPositiveTraits"}) {
        QWidget *target = child(window, QLatin1String(name));
        if (auto *area = qobject_cast<QAbstractScrollArea *>(target))
            target = area->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &click);
        QVERIFY2(menu->isVisible(), name);
        menu->hide();
    }

    // Shift+F10, then Enter on the first entry: the reading is copied without a mouse.
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("Your Sun Sign: Aquarius")));

    // In a text box Ctrl+C copies the reading, or the text selected there if there is some.
    auto *traits = child<QPlainTextEdit>(window, QStringLiteral("txtSunSignPositiveTraits"));
    traits->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(traits, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Love Astrology\n")));
    traits->selectAll();
    QTest::keyClick(traits, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), traits->toPlainText());

    // Ctrl+S and Ctrl+P ask for a file and a printer.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_desktop.platform().saveDialogs.size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_desktop.platform().printDialogs, 1);
}

void tst_Sharing::pdfHoldsTheWholeReading_data()
{
    copyPutsTextAndHtml_data();
}

void tst_Sharing::pdfHoldsTheWholeReading()
{
    NEED_POPPLER();
    QFETCH(QByteArray, tag);
    const Case c = caseFor(tag);
    ResultWindow *window = read(tag);
    QVERIFY(window);
    const QString path = m_dir->filePath(QStringLiteral("reading.pdf"));
    m_desktop.platform().saveAnswer = path;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(m_desktop.platform().messages.isEmpty());
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    QVERIFY2(text.contains(QStringLiteral("Kesto Astrology Suite")), qPrintable(text));
    QVERIFY2(text.contains(c.name), qPrintable(text));
    for (const QString &value : c.values)
        QVERIFY2(text.contains(QString(value).remove(QLatin1Char(':'))), qPrintable(value));
    for (const QString &sentence : sentencesOf(c))
        QVERIFY2(text.contains(sentence), qPrintable(sentence + QStringLiteral("\nin\n") + text));
}

void tst_Sharing::longReadingStaysOnOnePage()
{
    NEED_POPPLER();
    kesto::ReadingDocument document = kesto::readingDocument(
        kesto::Reading::RomanceAstrology, kesto::ZodiacSign::Virgo, "ANN", {1970, 9, 1});
    const std::string last = "The very last sentence of a long profile.";
    kesto::ReadingText &profile = document.texts.back();
    const std::vector<std::string> paragraphs = profile.paragraphs;
    for (int i = 0; i < 6; ++i)
        profile.paragraphs.insert(profile.paragraphs.end(), paragraphs.begin(), paragraphs.end());
    profile.paragraphs.push_back(last);
    const QString path = m_dir->filePath(QStringLiteral("long.pdf"));
    {
        QPdfWriter writer(path);
        QVERIFY(ReadingPage(document, QPixmap()).paint(&writer));
    }
    QCOMPARE(pdfPages(path), 1);
    QVERIFY(pdfText(path).contains(QString::fromStdString(last)));
}

void tst_Sharing::pngAndTextFiles()
{
    ResultWindow *window = read("lovesign");
    QVERIFY(window);
    FakePlatform &platform = m_desktop.platform();
    platform.saveAnswer = m_dir->filePath(QStringLiteral("card.png"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    const QImage card(platform.saveAnswer);
    QCOMPARE(card.size(), window->size() * window->devicePixelRatio());

    // A name without an ending takes the chosen kind's.
    platform.saveAnswer = m_dir->filePath(QStringLiteral("reading"));
    platform.saveFilterAnswer = QStringLiteral("Plain text (*.txt)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QFile text(m_dir->filePath(QStringLiteral("reading.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(text.readAll().startsWith("Zodiac Love Sign\nBOB, born 1 January 1930\n"));
    QVERIFY(platform.messages.isEmpty());
}

void tst_Sharing::proposedNameAndRememberedFolder()
{
    QVERIFY(read("love"));
    FakePlatform &platform = m_desktop.platform();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform.saveDialogs.size(), 1);
    const FakePlatform::SaveDialog first = platform.saveDialogs.first();
    QCOMPARE(first.proposed,
             QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                 .filePath(QStringLiteral("Love Astrology - MARY JONES - Aquarius.pdf")));
    QCOMPARE(first.filters,
             QStringList({"PDF document (*.pdf)", "PNG picture (*.png)", "Plain text (*.txt)"}));
    QVERIFY(QFileInfo::exists(first.proposed) == false); // cancelled: nothing written

    platform.saveAnswer = m_dir->filePath(QStringLiteral("mine.pdf"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    platform.saveAnswer.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform.saveDialogs.size(), 3);
    QCOMPARE(QFileInfo(platform.saveDialogs.last().proposed).absolutePath(), m_dir->path());
}

void tst_Sharing::unwritablePlaceLeavesNothing_data()
{
    QTest::addColumn<QString>("place");
    QTest::newRow("folder is a file") << QStringLiteral("file/reading.pdf");
    QTest::newRow("folder in its place") << QStringLiteral("taken.pdf");
    QTest::newRow("read-only folder") << QStringLiteral("locked/reading.pdf");
}

void tst_Sharing::unwritablePlaceLeavesNothing()
{
    QFETCH(QString, place);
    const QDir dir(m_dir->path());
    QFile file(dir.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(dir.mkdir(QStringLiteral("taken.pdf")) && dir.mkdir(QStringLiteral("locked")));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (place.startsWith(QLatin1String("locked")) && geteuid() == 0)
        QSKIP("the superuser writes into read-only folders");

    QVERIFY(read("sexual"));
    FakePlatform &platform = m_desktop.platform();
    platform.saveAnswer = dir.filePath(place);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(
        platform.messages.first().startsWith(QStringLiteral("Your reading could not be saved as\n")
                                             + QDir::toNativeSeparators(platform.saveAnswer)),
        qPrintable(platform.messages.first()));
    QVERIFY(!QFileInfo(platform.saveAnswer).isFile());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("locked")))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
    QVERIFY(QDir(dir.filePath(QStringLiteral("taken.pdf"))).isEmpty());
    QVERIFY(platform.settings.value(QStringLiteral("ReadingFolder")).isEmpty());
}

void tst_Sharing::printing()
{
    NEED_POPPLER();
    QVERIFY(read("romance"));
    FakePlatform &platform = m_desktop.platform();
    const QString path = m_dir->filePath(QStringLiteral("printed.pdf"));
    platform.onPrinter = [path](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(platform.printDialogs, 1);
    QVERIFY(!QFileInfo::exists(path)); // cancelled

    platform.printAnswer = true;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    QVERIFY2(text.contains(QStringLiteral("More About Your Romance Profile")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("JOHN PAUL SMITH, born 21 March 1985")));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(tst_Sharing)
#include "tst_sharing.moc"
