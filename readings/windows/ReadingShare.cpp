#include "ReadingShare.h"

#include "ReadingPage.h"
#include "gui/AppInfo.h"
#include "gui/Platform.h"
#include "gui/QtText.h"
#include "gui/SafeFileWriter.h"
#include "gui/Settings.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBoundaryFinder>

namespace {

const QString PdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString PngFilter = QStringLiteral("PNG picture (*.png)");
const QString TextFilter = QStringLiteral("Plain text (*.txt)");

// A saved picture has the page's print resolution.
constexpr int PictureDotsPerInch = 300;
// File systems take 255 bytes to a name; the proposed one stays well below, ending included.
constexpr qsizetype ProposedNameBytes = 120;

qsizetype utf8Size(const QString &text)
{
    return text.toUtf8().size();
}

// The first characters of `text` that take at most `bytes` bytes, ended at the last blank of them
// when that keeps at least half.
QString cutToBytes(const QString &text, qsizetype bytes)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype next = characters.toNextBoundary(); next > 0;
         next = characters.toNextBoundary()) {
        if (utf8Size(text.left(next)) > bytes)
            break;
        end = next;
    }
    QString cut = text.left(end);
    const qsizetype blank = cut.lastIndexOf(QLatin1Char(' '));
    if (blank > cut.size() / 2)
        cut.truncate(blank);
    return cut.trimmed();
}

// Where the dialog opens: the folder of the last reading saved, the documents folder, or home.
QString startFolder()
{
    for (const QString &folder :
         {Settings::readingFolder(),
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

bool somethingAt(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

ReadingShare::ReadingShare(QWidget *window, std::function<std::optional<SharedReading>()> reading)
    : QObject(window)
    , m_window(window)
    , m_reading(std::move(reading))
    , m_menu(new QMenu(window))
    , m_copySelection(new QAction(QStringLiteral("Copy"), this))
    , m_selectionSeparator(new QAction(this))
{
    setObjectName(QStringLiteral("ReadingShare"));
    m_menu->setObjectName(QStringLiteral("mnuReading"));
    m_menu->setAccessibleName(QStringLiteral("Reading"));
    m_copySelection->setObjectName(QStringLiteral("mnuCopySelection"));
    m_selectionSeparator->setSeparator(true);
    connect(m_copySelection, &QAction::triggered, this, &ReadingShare::copySelection);
    connect(addCommand(QStringLiteral("mnuCopyReading"), QStringLiteral("Copy Reading"),
                       QKeySequence::Copy),
            &QAction::triggered, this, &ReadingShare::copyReading);
    connect(addCommand(QStringLiteral("mnuSaveReadingAs"), QStringLiteral("Save Reading As…"),
                       QKeySequence::Save),
            &QAction::triggered, this, &ReadingShare::saveReadingAs);
    connect(addCommand(QStringLiteral("mnuPrintReading"), QStringLiteral("Print…"),
                       QKeySequence::Print),
            &QAction::triggered, this, &ReadingShare::printReading);
    window->installEventFilter(this);
}

QAction *ReadingShare::addCommand(const QString &name, const QString &text,
                                  QKeySequence::StandardKey key)
{
    auto *action = new QAction(text, m_window);
    action->setObjectName(name);
    // Every binding the platform has for the command, and only while this window has the focus.
    action->setShortcuts(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setToolTip(QString(text).remove(QChar(0x2026)));
    m_window->addAction(action);
    m_menu->addAction(action);
    return action;
}

void ReadingShare::watchChildren()
{
    for (QWidget *child : m_window->findChildren<QWidget *>()) {
        if (child != m_menu)
            child->installEventFilter(this);
    }
}

namespace {

// The text selected in `target` (a text box, its viewport or a label); empty for none.
QString selectedTextOf(QObject *target)
{
    for (QObject *object = target; object; object = object->parent()) {
        if (const auto *edit = qobject_cast<QPlainTextEdit *>(object))
            return edit->textCursor().selectedText().replace(QChar::ParagraphSeparator,
                                                             QLatin1Char('\n'));
        if (const auto *label = qobject_cast<QLabel *>(object))
            return label->selectedText();
        if (object->isWidgetType() && static_cast<QWidget *>(object)->isWindow())
            break;
    }
    return {};
}

} // namespace

bool ReadingShare::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // The window's controls exist once it is first shown.
        if (watched == m_window)
            watchChildren();
        break;
    case QEvent::ContextMenu:
        showMenu(static_cast<QContextMenuEvent *>(event)->globalPos(), watched);
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            auto *widget = static_cast<QWidget *>(watched);
            showMenu(widget->mapToGlobal(widget->rect().center()), watched);
            return true;
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // A text box copies the text selected in it; without a selection Copy takes the reading.
        auto *key = static_cast<QKeyEvent *>(event);
        const auto *edit = qobject_cast<QPlainTextEdit *>(watched);
        const auto *label = qobject_cast<QLabel *>(watched);
        const bool selected =
            (edit && edit->textCursor().hasSelection()) || (label && label->hasSelectedText());
        if (selected && key->matches(QKeySequence::Copy)) {
            key->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ReadingShare::showMenu(const QPoint &globalPos, QObject *target)
{
    const bool filled = m_reading().has_value();
    m_menu->removeAction(m_copySelection);
    m_menu->removeAction(m_selectionSeparator);
    for (QAction *action : m_menu->actions())
        action->setEnabled(filled);
    // Text selected where the menu opens can be copied on its own, above the reading's commands.
    m_selection = selectedTextOf(target);
    if (!m_selection.isEmpty()) {
        QAction *first = m_menu->actions().value(0);
        m_menu->insertAction(first, m_copySelection);
        m_menu->insertAction(first, m_selectionSeparator);
    }
    m_menu->popup(globalPos);
    if (QAction *first = m_menu->actions().value(0))
        m_menu->setActiveAction(first);
}

void ReadingShare::copySelection()
{
    if (!m_selection.isEmpty())
        QGuiApplication::clipboard()->setText(m_selection);
}

void ReadingShare::copyReading()
{
    const std::optional<SharedReading> reading = m_reading();
    if (!reading)
        return;
    auto *data = new QMimeData;
    data->setText(toQString(kesto::readingPlainText(reading->document)));
    data->setHtml(ReadingPage(reading->document, reading->signPicture).portableHtml());
    QGuiApplication::clipboard()->setMimeData(data);
}

QString ReadingShare::proposedFileName(const kesto::ReadingDocument &document)
{
    const QString whole = toQString(kesto::readingFileName(document));
    const qsizetype room = ProposedNameBytes - qsizetype(sizeof(".pdf") - 1);
    if (utf8Size(whole) <= room || document.name.empty())
        return whole;
    // Only the person's name is shortened: the reading's title and the sign stay whole.
    const QString name = toQString(document.name);
    const QString ellipsis(QChar(0x2026));
    kesto::ReadingDocument shorter = document;
    const qsizetype rest = utf8Size(whole) - utf8Size(name);
    shorter.name = (cutToBytes(name, room - rest - utf8Size(ellipsis)) + ellipsis).toStdString();
    return toQString(kesto::readingFileName(shorter));
}

void ReadingShare::saveReadingAs()
{
    const std::optional<SharedReading> reading = m_reading();
    Platform &platform = Platform::current();
    if (!reading)
        return;
    QString proposed =
        QDir(startFolder()).filePath(proposedFileName(reading->document) + QStringLiteral(".pdf"));
    QString filter = PdfFilter;
    for (;;) {
        const QString chosen =
            platform.dialogs->saveFileName(m_window, QStringLiteral("Save Reading As"), proposed,
                                           {PdfFilter, PngFilter, TextFilter}, &filter);
        if (chosen.isEmpty())
            return;
        // The name's own ending decides; a name without one takes the chosen filter's.
        QString path = chosen;
        QString format = QFileInfo(path).suffix().toLower();
        if (format != QLatin1String("pdf") && format != QLatin1String("png")
            && format != QLatin1String("txt")) {
            format = filter == PngFilter ? QStringLiteral("png")
                : filter == TextFilter   ? QStringLiteral("txt")
                                         : QStringLiteral("pdf");
            path += QLatin1Char('.') + format;
        }
        // The next dialog, if one is needed, opens on the same name, the kind of its ending
        // chosen (a dialog may otherwise give the name the chosen kind's ending).
        proposed = path;
        filter = format == QLatin1String("png") ? PngFilter
            : format == QLatin1String("txt")    ? TextFilter
                                                : PdfFilter;
        // The dialog asked about the name it gave; a file under the name with its ending added
        // is asked about here.
        if (path != chosen && somethingAt(path)
            && !platform.prompter->askYesNo(
                m_window,
                QStringLiteral("%1 already exists.\nDo you want to replace it?")
                    .arg(QFileInfo(path).fileName())))
            continue;
        QString error;
        if (save(*reading, path, format, &error)) {
            // Forgetting the folder loses nothing of the reading; the store has said why.
            Settings::setReadingFolder(QFileInfo(path).absolutePath(), nullptr);
            return;
        }
        platform.prompter->information(
            m_window,
            QStringLiteral("Your reading could not be saved as\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(path), error));
    }
}

bool ReadingShare::save(const SharedReading &reading, const QString &path, const QString &format,
                        QString *error) const
{
    if (const QString refused = SafeFileWriter::refusal(path); !refused.isEmpty()) {
        *error = refused;
        return false;
    }
    // The whole file is made first; only then is it written, complete or not at all.
    const ReadingPage page(reading.document, reading.signPicture);
    const QPageLayout layout = ReadingPage::pageLayout(QLocale());
    QByteArray bytes;
    bool made = false;
    if (format == QLatin1String("txt")) {
        bytes = toQString(kesto::readingPlainText(reading.document)).toUtf8();
        made = true;
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (format == QLatin1String("pdf")) {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(layout);
            writer.setTitle(QFileInfo(path).completeBaseName());
            writer.setCreator(AppInfo::titleWithVersion());
            made = page.paint(&writer);
        } else {
            made = page.image(layout, PictureDotsPerInch).save(&buffer, "PNG");
        }
    }
    if (!made) {
        *error = QStringLiteral("The reading could not be laid out as %1.").arg(format.toUpper());
        return false;
    }
    return SafeFileWriter::write(path, bytes, error);
}

void ReadingShare::printReading()
{
    const std::optional<SharedReading> reading = m_reading();
    Platform &platform = Platform::current();
    if (!reading)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReadingPage::pageLayout(QLocale()));
    printer.setDocName(toQString(kesto::readingFileName(reading->document)));
    printer.setCreator(AppInfo::titleWithVersion());
    if (!platform.dialogs->choosePrinter(m_window, &printer))
        return;
    if (!ReadingPage(reading->document, reading->signPicture).paint(&printer))
        platform.prompter->information(m_window,
                                       QStringLiteral("Your reading could not be printed."));
}
