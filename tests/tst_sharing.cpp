#include "FileSizeLimit.h"
#include "GuiTestSupport.h"
#include "assets/texts/ReadingTexts.h"
#include "gui/QtText.h"
#include "readings/core/Readings.h"
#include "readings/love/core/LoveProfile.h"
#include "readings/windows/ReadingPage.h"
#include "readings/windows/ReadingShare.h"
#include "readings/windows/ResultWindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QMimeData>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>

#include <algorithm>
#include <optional>

#include <sys/stat.h>
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

// The output of a poppler tool run on `path`; empty if it cannot run.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What a program of the desktop finds in a PDF file: the text of each page (pdftotext ends every
// page with a form feed), white space evened out; nothing if it cannot read the file.
QStringList pdfPages(const QString &path)
{
    QStringList pages =
        poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(QLatin1Char('\f'));
    pages.removeLast();
    for (QString &page : pages)
        page = page.normalized(QString::NormalizationForm_KC).simplified();
    return pages;
}

// The first and last rows of a picture with anything darker than paper on them.
std::pair<int, int> inkedRows(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    int first = -1, last = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        if (std::any_of(row, row + grey.width(), [](uchar v) { return v < 160; })) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    return {first, last};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    void pictureIsThePrintedPage();
    void proposedName_data();
    void proposedName();
    void proposedFolder_data();
    void proposedFolder();
    void savedKinds();
    void replacingAsks_data();
    void replacingAsks();
    void refusedPlaceKeepsWhatIsThere_data();
    void refusedPlaceKeepsWhatIsThere();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
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
    QLocale m_locale;
    QByteArray m_home;
};

void tst_Sharing::init()
{
    m_locale = QLocale();
    m_home = qgetenv("HOME");
    QVERIFY(m_desktop.open());
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Sharing::cleanup()
{
    QLocale::setDefault(m_locale);
    qputenv("HOME", m_home);
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
    m_desktop.platform().saveAnswers = {path};
    pressKey(Qt::Key_S);
    QVERIFY(m_desktop.platform().messages.isEmpty());
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    const QString pdf = pages.first();
    QVERIFY2(pdf.contains(QStringLiteral("Kesto Astrology Suite")) && pdf.contains(name),
             qPrintable(pdf));
    for (const QString &sentence : sentences)
        QVERIFY2(pdf.contains(sentence), qPrintable(sentence + QStringLiteral("\nin\n") + pdf));

    // Each heading stands at least 2 mm (5.7 points) before its value on their line.
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    const QString boxes =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    for (const QString &value : shown) {
        const QString last = value.section(QStringLiteral(": "), 0, 0).section(' ', -1);
        const QString first = value.section(QStringLiteral(": "), 1).section(' ', 0, 0);
        // The values stand above the texts, which may hold the same words: the first line
        // with both words is the value's.
        qreal gap = -1;
        qreal line = -1;
        for (auto left = word.globalMatch(boxes); left.hasNext();) {
            const QRegularExpressionMatch l = left.next();
            for (auto right = word.globalMatch(boxes); right.hasNext() && l.captured(4) == last;) {
                const QRegularExpressionMatch r = right.next();
                const qreal apart = r.captured(1).toDouble() - l.captured(3).toDouble();
                const qreal y = l.captured(2).toDouble();
                if (r.captured(4) != first || r.captured(2) != l.captured(2) || apart <= 0
                    || (line >= 0 && y > line))
                    continue;
                if (line < 0 || y < line || apart < gap)
                    gap = apart;
                line = y;
            }
        }
        QVERIFY2(gap >= 5.7, qPrintable(QStringLiteral("%1: %2 points").arg(value).arg(gap)));
    }
    // The sign picture is drawn at print resolution.
    if (button < Sexual) {
        static const QRegularExpression ppi(
            QStringLiteral(R"(image\s+\d+\s+\d+.*?\s(\d+)\s+(\d+)\s+\S+\s+\S+\s*$)"),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch image =
            ppi.match(poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}));
        QVERIFY(image.hasMatch());
        QVERIFY2(image.captured(1).toInt() >= 290, qPrintable(image.captured(0)));
    }
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

    // Its menu then offers Copy for the selection above the reading's commands, and only then.
    QTextCursor part = traits->textCursor();
    part.setPosition(4);
    part.setPosition(40, QTextCursor::KeepAnchor);
    traits->setTextCursor(part);
    const auto rightClick = [traits] {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                traits->viewport()->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(traits->viewport(), &click);
    };
    rightClick();
    QVERIFY(menu->isVisible());
    QAction *first = menu->actions().value(0);
    QVERIFY(first && first->text() == QStringLiteral("Copy") && first->isEnabled());
    QCOMPARE(menu->actions().size(), 5); // Copy, a separator and the three commands
    QApplication::clipboard()->clear();
    first->trigger();
    menu->hide();
    QCOMPARE(QApplication::clipboard()->text(), traits->toPlainText().mid(4, 36));
    traits->moveCursor(QTextCursor::End);
    rightClick();
    QCOMPARE(menu->actions().value(0)->objectName(), QStringLiteral("mnuCopyReading"));
    QCOMPARE(menu->actions().size(), 3);
    menu->hide();
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

// The PNG is the PDF's page at print resolution, the whole reading on it, its name and date in
// the picture's text fields too.
void tst_Sharing::pictureIsThePrintedPage()
{
    NEED_POPPLER();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QVERIFY(read(Love, "MARY JONES", {1990, 1, 20}));
    FakePlatform &platform = m_desktop.platform();
    const QString png = m_dir->filePath(QStringLiteral("card.png"));
    const QString pdf = m_dir->filePath(QStringLiteral("card.pdf"));
    platform.saveAnswers = {png};
    pressKey(Qt::Key_S);
    platform.saveAnswers = {pdf};
    pressKey(Qt::Key_S);
    QVERIFY(platform.messages.isEmpty());

    const QImage picture(png);
    // A4 at 300 dots per inch, give or take the rounding of its size in points.
    QVERIFY2(qAbs(picture.width() - 2480) <= 1 && qAbs(picture.height() - 3508) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
    QCOMPARE(picture.text(QStringLiteral("Title")),
             QStringLiteral("Love Astrology - MARY JONES, born 20 January 1990"));
    QVERIFY(picture.text(QStringLiteral("Description"))
                .contains(sentencesOf(Love, QStringLiteral("Aquarius")).last()));
    // Ink from the same top to the same bottom as on the PDF's page, drawn by another program.
    const QString rendered = m_dir->filePath(QStringLiteral("rendered"));
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, rendered});
    const QImage page(rendered + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    const auto [top, bottom] = inkedRows(picture);
    const auto [pdfTop, pdfBottom] = inkedRows(page);
    QVERIFY2(qAbs(top - pdfTop) < 20 && qAbs(bottom - pdfBottom) < 20,
             qPrintable(QStringLiteral("PNG rows %1 to %2, PDF rows %3 to %4")
                            .arg(top)
                            .arg(bottom)
                            .arg(pdfTop)
                            .arg(pdfBottom)));
}

void tst_Sharing::proposedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("300 letters") << QString(300, QLatin1Char('A'));
    QTest::newRow("words") << QStringLiteral("ANNA MARIA ").repeated(30).trimmed();
    QTest::newRow("two-byte letters") << QString(200, QChar(0x00C9));
    QTest::newRow("letters beyond one UTF-16 unit") << QStringLiteral("\U0001D49C").repeated(100);
}

// A long name is cut, at a blank where it has one and never inside a character, to keep the
// whole name with its ending well under the 255 bytes file systems take; the reading's title and
// sign stay whole.
void tst_Sharing::proposedName()
{
    QFETCH(QString, name);
    const QString got = ReadingShare::proposedFileName(
        kesto::readingDocument(kesto::Reading::ZodiacLoveSign, kesto::ZodiacSign::Capricorn,
                               name.toStdString(), {1930, 1, 1}));
    QVERIFY2((got + QStringLiteral(".pdf")).toUtf8().size() <= 120 && got.isValidUtf16(),
             qPrintable(got));
    const QString head = QStringLiteral("Zodiac Love Sign - "),
                  tail = QChar(0x2026) + QStringLiteral(" - Capricorn");
    QVERIFY2(got.startsWith(head) && got.endsWith(tail), qPrintable(got));
    const QString kept = got.mid(head.size(), got.size() - head.size() - tail.size());
    QVERIFY2(kept.size() > 10 && name.startsWith(kept), qPrintable(kept));
    if (name.contains(QLatin1Char(' ')))
        QCOMPARE(name.at(kept.size()), QLatin1Char(' '));
}

void tst_Sharing::proposedFolder_data()
{
    QTest::addColumn<bool>("documents");   // the home folder has a Documents folder
    QTest::addColumn<QString>("last");     // the folder kept from the last save, under home
    QTest::addColumn<QString>("expected"); // under home
    QTest::newRow("documents") << true << ""
                               << "Documents";
    QTest::newRow("no documents folder") << false << ""
                                         << "";
    QTest::newRow("last folder") << true << "Readings"
                                 << "Readings";
    QTest::newRow("last folder gone") << true << "Gone"
                                      << "Documents";
    QTest::newRow("neither") << false << "Gone"
                             << "";
}

// The dialog opens where the last reading went, else in the documents folder, else at home: never
// in a folder that does not exist, where it would fall back to the working folder.
void tst_Sharing::proposedFolder()
{
    QFETCH(bool, documents);
    QFETCH(QString, last);
    QFETCH(QString, expected);
    const QDir home(m_dir->path());
    QVERIFY(home.mkdir(QStringLiteral("Readings")));
    if (documents)
        QVERIFY(home.mkdir(QStringLiteral("Documents")));
    qputenv("HOME", QFile::encodeName(home.path()));
    if (!last.isEmpty())
        m_desktop.platform().settings[settingName(SettingKey::ReadingFolder)] = home.filePath(last);
    QVERIFY(read(Zodiac, "BOB", {1930, 1, 1}));
    pressKey(Qt::Key_S);
    QCOMPARE(m_desktop.platform().saveDialogs.size(), 1);
    QCOMPARE(QFileInfo(m_desktop.platform().saveDialogs.first().proposed).absolutePath(),
             QDir::cleanPath(home.filePath(expected)));
}

// Three kinds, PDF proposed; a name without an ending takes the chosen kind's, and the next dialog
// opens where the last file went.
void tst_Sharing::savedKinds()
{
    QVERIFY(read(Zodiac, "BOB", {1930, 1, 1}));
    FakePlatform &platform = m_desktop.platform();
    pressKey(Qt::Key_S);
    QCOMPARE(platform.saveDialogs.size(), 1);
    const FakePlatform::SaveDialog first = platform.saveDialogs.first();
    QCOMPARE(QFileInfo(first.proposed).fileName(),
             QStringLiteral("Zodiac Love Sign - BOB - Capricorn.pdf"));
    QCOMPARE(first.filters,
             QStringList({"PDF document (*.pdf)", "PNG picture (*.png)", "Plain text (*.txt)"}));
    QVERIFY(!QFileInfo::exists(first.proposed)); // cancelled: nothing written

    platform.saveAnswers = {m_dir->filePath(QStringLiteral("reading"))};
    platform.saveFilterAnswer = QStringLiteral("Plain text (*.txt)");
    pressKey(Qt::Key_S);
    QVERIFY(fileBytes(m_dir->filePath(QStringLiteral("reading.txt")))
                .startsWith("Zodiac Love Sign\nBOB, born 1 January 1930\n"));
    QVERIFY(platform.messages.isEmpty());

    pressKey(Qt::Key_S);
    QCOMPARE(platform.saveDialogs.size(), 3);
    QCOMPARE(QFileInfo(platform.saveDialogs.last().proposed).absolutePath(), m_dir->path());
}

void tst_Sharing::replacingAsks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("there"); // t1.pdf exists before
    QTest::addColumn<bool>("yes");   // the answer to the question, if one comes
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::newRow("ending added, file there, kept") << "t1" << true << false << true << false;
    QTest::newRow("ending added, file there, replaced") << "t1" << true << true << true << true;
    QTest::newRow("ending added, nothing there") << "t1" << false << false << false << true;
    // The dialog has asked about the very name it gives.
    QTest::newRow("ending typed, file there") << "t1.pdf" << true << false << false << true;
}

// The dialog only asks about the name it gives: when the ending is added to it afterwards, the
// question about the file replaced is asked here; kept, the dialog comes back with its name.
void tst_Sharing::replacingAsks()
{
    QFETCH(QString, typed);
    QFETCH(bool, there);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    const QString path = m_dir->filePath(QStringLiteral("t1.pdf"));
    if (there)
        QVERIFY(writeFile(path, "old\n"));
    QVERIFY(read(Sexual, "ANN", {1940, 1, 1}));
    FakePlatform &platform = m_desktop.platform();
    platform.answerYes = yes;
    platform.saveAnswers = {m_dir->filePath(typed)};
    pressKey(Qt::Key_S);
    QCOMPARE(platform.questions,
             asked ? QStringList {"t1.pdf already exists.\nDo you want to replace it?"}
                   : QStringList {});
    QCOMPARE(fileBytes(path).startsWith("%PDF"), written);
    if (!written)
        QCOMPARE(fileBytes(path), "old\n");
    QCOMPARE(platform.saveDialogs.size(), written ? 1 : 2);
    if (!written)
        QCOMPARE(platform.saveDialogs.last().proposed, path);
    QVERIFY(platform.messages.isEmpty());
}

namespace {

// Every name under `folder` with what it is: a link's target, a file's bytes.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(folder).relativeFilePath(info.filePath());
        if (info.isSymLink())
            entries << name + QStringLiteral(" -> ") + info.symLinkTarget();
        else if (info.isDir())
            entries << name + QStringLiteral("/");
        else if (info.isFile())
            entries << name + QStringLiteral(": ") + QString::fromUtf8(fileBytes(info.filePath()));
        else
            entries << name + QStringLiteral(" (special)");
    }
    entries.sort();
    return entries;
}

} // namespace

void tst_Sharing::refusedPlaceKeepsWhatIsThere_data()
{
    QTest::addColumn<QString>("place"); // answered in the dialog
    QTest::addColumn<int>("room");      // bytes any file may take while saving; 0: no limit
    QTest::addColumn<bool>("saved");
    QTest::newRow("folder is a file") << "file/reading.pdf" << 0 << false;
    QTest::newRow("folder at the name") << "taken.pdf" << 0 << false;
    if (geteuid() != 0) // the superuser writes into read-only folders
        QTest::newRow("read-only folder") << "locked/reading.pdf" << 0 << false;
    QTest::newRow("link to nothing") << "nowhere.pdf" << 0 << false;
    QTest::newRow("pipe") << "pipe.pdf" << 0 << false;
    QTest::newRow("full disk over a reading") << "old.txt" << 64 << false;
    QTest::newRow("full disk, new file") << "new.pdf" << 4096 << false;
    QTest::newRow("link to a file") << "link.pdf" << 0 << true;
}

// A save either writes the whole reading or leaves everything as it was, and then says why and
// opens the dialog again with the name kept. Only a regular file, or a link to one, is written
// over.
void tst_Sharing::refusedPlaceKeepsWhatIsThere()
{
    QFETCH(QString, place);
    QFETCH(int, room);
    QFETCH(bool, saved);
    const QDir dir(m_dir->path());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "file\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("old.txt")), "old reading\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("real.pdf")), "old\n"));
    QVERIFY(dir.mkdir(QStringLiteral("taken.pdf")) && dir.mkdir(QStringLiteral("locked"))
            && dir.mkdir(QStringLiteral("gone")));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(
        QFile::link(QStringLiteral("gone/made.pdf"), dir.filePath(QStringLiteral("nowhere.pdf"))));
    QVERIFY(QFile::link(QStringLiteral("real.pdf"), dir.filePath(QStringLiteral("link.pdf"))));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.pdf"))).constData(), 0600), 0);
    const QStringList before = snapshot(dir.path());

    QVERIFY(read(Sexual, "ANN", {1940, 1, 1}));
    FakePlatform &platform = m_desktop.platform();
    const QString path = dir.filePath(place);
    platform.saveAnswers = {path};
    {
        std::optional<FileSizeLimit> full;
        if (room > 0)
            full.emplace(rlim_t(room));
        pressKey(Qt::Key_S);
    }
    const QString folderKept = platform.settings.value(settingName(SettingKey::ReadingFolder));
    if (saved) {
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(fileBytes(dir.filePath(QStringLiteral("real.pdf"))).startsWith("%PDF"));
        QCOMPARE(QFileInfo(path).symLinkTarget(), dir.filePath(QStringLiteral("real.pdf")));
        QCOMPARE(folderKept, dir.path());
        return;
    }
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.first().startsWith(
                 QStringLiteral("Your reading could not be saved as\n")
                 + QDir::toNativeSeparators(path) + QStringLiteral("\n\n")),
             qPrintable(platform.messages.first()));
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(platform.saveDialogs.size(), 2);
    QCOMPARE(platform.saveDialogs.last().proposed, path);
    QCOMPARE(platform.saveDialogs.last().filter,
             place.endsWith(QLatin1String(".txt")) ? QStringLiteral("Plain text (*.txt)")
                                                   : QStringLiteral("PDF document (*.pdf)"));
    QVERIFY(folderKept.isEmpty());
}

void tst_Sharing::paperFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper"); // as pdfinfo names it
    QTest::newRow("en_US") << "en_US"
                           << "letter";
    QTest::newRow("fr_CA") << "fr_CA"
                           << "letter";
    QTest::newRow("en_GB") << "en_GB"
                           << "A4";
    QTest::newRow("de_DE") << "de_DE"
                           << "A4";
}

// Saved and printed on the paper usual where the user is.
void tst_Sharing::paperFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    NEED_POPPLER();
    QLocale::setDefault(QLocale(locale));
    QVERIFY(read(Romance, "JOHN PAUL SMITH", {1985, 3, 21}));
    FakePlatform &platform = m_desktop.platform();
    const QString saved = m_dir->filePath(QStringLiteral("saved.pdf"));
    const QString printed = m_dir->filePath(QStringLiteral("printed.pdf"));
    platform.saveAnswers = {saved};
    pressKey(Qt::Key_S);
    platform.onPrinter = [printed](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printed);
    };
    platform.printAnswer = true;
    pressKey(Qt::Key_P);
    static const QRegularExpression size(
        QStringLiteral(R"(Page size:\s+[\d.]+ x [\d.]+ pts \((\w+)\))"));
    for (const QString &path : {saved, printed})
        QCOMPARE(size.match(poppler(QStringLiteral("pdfinfo"), {path})).captured(1), paper);
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
