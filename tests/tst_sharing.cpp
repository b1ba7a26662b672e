#include "GuiTestSupport.h"
#include "assets/texts/ReadingTexts.h"
#include "gui/QtText.h"
#include "readings/core/Readings.h"
#include "readings/love/core/LoveProfile.h"
#include "readings/windows/ReadingPage.h"
#include "readings/windows/ResultWindow.h"

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

// Numbered as the readings' buttons on the main window's strip.
enum Button { Love = 0, Romance = 1, Sexual = 2, Zodiac = 3 };

// The reading's texts straight from the core, each as its first and last sentence.
QStringList sentencesOf(int button, const QString &signName)
{
    static constexpr kesto::Reading Readings[] = {
        kesto::Reading::LoveAstrology, kesto::Reading::RomanceAstrology,
        kesto::Reading::SexualAstrology, kesto::Reading::ZodiacLoveSign};
    const kesto::Reading reading = Readings[button];
    const kesto::ZodiacSign sign = *kesto::signFromDisplayName(signName.toStdString());
    QStringList texts;
    switch (reading) {
    case kesto::Reading::LoveAstrology:
    case kesto::Reading::RomanceAstrology:
        texts << toQString(kesto::SunSignTraits(sign).positive)
              << toQString(kesto::SunSignTraits(sign).negative)
              << (reading == kesto::Reading::LoveAstrology
                      ? toQString(kesto::LoveProfileText(sign))
                      : toQString(kesto::RomanceProfileText(sign)));
        break;
    case kesto::Reading::SexualAstrology:
        texts << toQString(kesto::ErosSignText(sign));
        break;
    case kesto::Reading::ZodiacLoveSign:
        texts << toQString(kesto::LoveSignText(sign));
        break;
    case kesto::Reading::LoveMatch:
        break;
    }
    QStringList sentences;
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+"));
    for (const QString &text : texts) {
        const QStringList parts = text.simplified().split(end, Qt::SkipEmptyParts);
        sentences << parts.first() << parts.last();
    }
    return sentences;
}

// What a program of the desktop finds in a PDF file: the text of each page (pdftotext ends every
// page with a form feed), white space evened out; nothing if it cannot read the file.
QStringList pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast();
    for (QString &page : pages)
        page = page.normalized(QString::NormalizationForm_KC).simplified();
    return pages;
}

} // namespace

// The PDF checks need poppler-utils (scripts/install-deps).
#define NEED_POPPLER()                                                                             \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())                     \
    QSKIP("pdftotext (poppler-utils) is not installed")

// Copying, saving and printing a reading from its result window.
class tst_Sharing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void copyAndPdfHoldTheWholeReading_data();
    void copyAndPdfHoldTheWholeReading();
    void contextMenuByMouseAndKeyboard();
    void longReadingStaysOnOnePage();
    void savedFiles();
    void unwritablePlaceLeavesNothing_data();
    void unwritablePlaceLeavesNothing();
    void printing();

private:
    // The result window of a reading run from the main window, with the main window active.
    ResultWindow *read(int button, const QString &name, QDate date);
    // Ctrl and the key, wherever the focus is.
    void pressKey(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }

    Desktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_dir;
};

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

ResultWindow *tst_Sharing::read(int button, const QString &name, QDate date)
{
    auto *window = qobject_cast<ResultWindow *>(
        readFor(m_desktop.mdi(), button, name, date.day(), date.month(), date.year()));
    if (window)
        QApplication::setActiveWindow(&m_desktop.mdi());
    return window;
}

void tst_Sharing::copyAndPdfHoldTheWholeReading_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("values"); // "heading: value" as copied, the sign first, "|" between
    // clang-format off
    QTest::newRow("love")     << int(Love)    << "MARY JONES"      << QDate(1990, 1, 20)
        << "Your Sun Sign: Aquarius|Element: Air|Birthstone: Amethyst|Lucky Number: 1 and 7|Lucky Day: Wednesday|Compatibility: Taurus and Virgo";
    QTest::newRow("romance")  << int(Romance) << "JOHN PAUL SMITH" << QDate(1985, 3, 21)
        << "Your Sun Sign: Aries|Element: Fire|Birthstone: Diamond|Lucky Number: 9|Lucky Day: Tuesday|Compatibility: Leo and Sagittarius";
    QTest::newRow("sexual")   << int(Sexual)  << "ANN"             << QDate(1940, 1, 1) << "Eros in your Chart is Placed in: Scorpio";
    QTest::newRow("lovesign") << int(Zodiac)  << "BOB"             << QDate(1930, 1, 1) << "Venus in Your Chart is Placed in: Capricorn";
    // clang-format on
}

// Ctrl+C wherever the focus is inside the window puts the reading on the clipboard as text and
// as HTML; Ctrl+S saves it as a one-page PDF.
void tst_Sharing::copyAndPdfHoldTheWholeReading()
{
    QFETCH(int, button);
    QFETCH(QString, name);
    QFETCH(QDate, date);
    QFETCH(QString, values);
    const QStringList shown = values.split(QLatin1Char('|'));
    const QString sign = shown.first().section(QStringLiteral(": "), 1);
    const QStringList sentences = sentencesOf(button, sign);
    ResultWindow *window = read(button, name, date);
    QVERIFY(window);

    QApplication::clipboard()->clear();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && (focus == window || window->isAncestorOf(focus)));
    pressKey(Qt::Key_C);
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasHtml());
    const QString text = data->text();
    QVERIFY2(text.contains(name + QStringLiteral(", born ")), qPrintable(text));
    for (const QString &value : shown)
        QVERIFY2(text.contains(QLatin1Char('\n') + value + QLatin1Char('\n')), qPrintable(value));
    for (const QString &sentence : sentences)
        QVERIFY2(text.contains(sentence), qPrintable(sentence));
    QVERIFY(data->html().contains(QStringLiteral("<td>%1</td>").arg(sign)));
    // Only the sun-sign readings have a picture.
    QCOMPARE(data->html().contains(QStringLiteral("<img src=\"data:image/png;base64,")),
             button < Sexual);

    NEED_POPPLER();
    const QString path = m_dir->filePath(QStringLiteral("reading.pdf"));
    m_desktop.platform().saveAnswer = path;
    pressKey(Qt::Key_S);
    QVERIFY(m_desktop.platform().messages.isEmpty());
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    const QString pdf = pages.first();
    QVERIFY2(pdf.contains(QStringLiteral("Kesto Astrology Suite")) && pdf.contains(name),
             qPrintable(pdf));
    for (const QString &value : shown)
        QVERIFY2(pdf.contains(QString(value).remove(QLatin1Char(':'))), qPrintable(value));
    for (const QString &sentence : sentences)
        QVERIFY2(pdf.contains(sentence), qPrintable(sentence + QStringLiteral("\nin\n") + pdf));
}

void tst_Sharing::contextMenuByMouseAndKeyboard()
{
    ResultWindow *window = read(Love, "MARY JONES", {1990, 1, 20});
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
    pressKey(Qt::Key_C);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Love Astrology\n")));
    traits->selectAll();
    pressKey(Qt::Key_C);
    QCOMPARE(QApplication::clipboard()->text(), traits->toPlainText());
}

void tst_Sharing::longReadingStaysOnOnePage()
{
    NEED_POPPLER();
    kesto::ReadingDocument document = kesto::readingDocument(
        kesto::Reading::RomanceAstrology, kesto::ZodiacSign::Virgo, "ANN", {1970, 9, 1});
    const std::string last = "The very last sentence of a long profile.";
    std::vector<std::string> &paragraphs = document.texts.back().paragraphs;
    const std::vector<std::string> once = paragraphs;
    for (int i = 0; i < 6; ++i)
        paragraphs.insert(paragraphs.end(), once.begin(), once.end());
    paragraphs.push_back(last);
    const QString path = m_dir->filePath(QStringLiteral("long.pdf"));
    {
        QPdfWriter writer(path);
        QVERIFY(ReadingPage(document, QPixmap()).paint(&writer));
    }
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages.first().contains(QString::fromStdString(last)));
}

// Ctrl+S proposes the documents folder and a name after the reading, in three kinds; a name
// without an ending takes the chosen kind's, and the next dialog opens where the last file went.
void tst_Sharing::savedFiles()
{
    ResultWindow *window = read(Zodiac, "BOB", {1930, 1, 1});
    QVERIFY(window);
    FakePlatform &platform = m_desktop.platform();
    pressKey(Qt::Key_S);
    QCOMPARE(platform.saveDialogs.size(), 1);
    const FakePlatform::SaveDialog first = platform.saveDialogs.first();
    QCOMPARE(first.proposed,
             QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                 .filePath(QStringLiteral("Zodiac Love Sign - BOB - Capricorn.pdf")));
    QCOMPARE(first.filters,
             QStringList({"PDF document (*.pdf)", "PNG picture (*.png)", "Plain text (*.txt)"}));
    QVERIFY(!QFileInfo::exists(first.proposed)); // cancelled: nothing written

    platform.saveAnswer = m_dir->filePath(QStringLiteral("card.png"));
    pressKey(Qt::Key_S);
    QCOMPARE(QImage(platform.saveAnswer).size(), window->size() * window->devicePixelRatio());
    platform.saveAnswer = m_dir->filePath(QStringLiteral("reading"));
    platform.saveFilterAnswer = QStringLiteral("Plain text (*.txt)");
    pressKey(Qt::Key_S);
    QFile text(m_dir->filePath(QStringLiteral("reading.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(text.readAll().startsWith("Zodiac Love Sign\nBOB, born 1 January 1930\n"));
    QVERIFY(platform.messages.isEmpty());

    platform.saveAnswer.clear();
    pressKey(Qt::Key_S);
    QCOMPARE(platform.saveDialogs.size(), 4);
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

    QVERIFY(read(Sexual, "ANN", {1940, 1, 1}));
    FakePlatform &platform = m_desktop.platform();
    platform.saveAnswer = dir.filePath(place);
    pressKey(Qt::Key_S);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(
        platform.messages.first().startsWith(QStringLiteral("Your reading could not be saved as\n")
                                             + QDir::toNativeSeparators(platform.saveAnswer)),
        qPrintable(platform.messages.first()));
    QVERIFY(!QFileInfo(platform.saveAnswer).isFile());
    QVERIFY(QDir(dir.filePath(QStringLiteral("locked"))).isEmpty());
    QVERIFY(QDir(dir.filePath(QStringLiteral("taken.pdf"))).isEmpty());
    QVERIFY(platform.settings.value(QStringLiteral("ReadingFolder")).isEmpty());
}

void tst_Sharing::printing()
{
    QVERIFY(read(Romance, "JOHN PAUL SMITH", {1985, 3, 21}));
    FakePlatform &platform = m_desktop.platform();
    const QString path = m_dir->filePath(QStringLiteral("printed.pdf"));
    platform.onPrinter = [path](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
    };
    pressKey(Qt::Key_P);
    QCOMPARE(platform.printDialogs, 1);
    QVERIFY(!QFileInfo::exists(path)); // cancelled

    NEED_POPPLER();
    platform.printAnswer = true;
    pressKey(Qt::Key_P);
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages.first().contains(QStringLiteral("More About Your Romance Profile"))
                 && pages.first().contains(QStringLiteral("JOHN PAUL SMITH, born 21 March 1985")),
             qPrintable(pages.first()));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(tst_Sharing)
#include "tst_sharing.moc"
