#include "ReadingShare.h"

#include "ReadingPage.h"
#include "gui/AppInfo.h"
#include "gui/Platform.h"
#include "gui/QtText.h"
#include "gui/Settings.h"

#include <QAction>
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
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString PdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString PngFilter = QStringLiteral("PNG picture (*.png)");
const QString TextFilter = QStringLiteral("Plain text (*.txt)");

const QMarginsF PageMargins(18, 18, 18, 18); // millimetres

} // namespace

ReadingShare::ReadingShare(QWidget *window, std::function<std::optional<SharedReading>()> reading)
    : QObject(window)
    , m_window(window)
    , m_reading(std::move(reading))
    , m_menu(new QMenu(window))
{
    setObjectName(QStringLiteral("ReadingShare"));
    m_menu->setObjectName(QStringLiteral("mnuReading"));
    m_menu->setAccessibleName(QStringLiteral("Reading"));
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

bool ReadingShare::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // The window's controls exist once it is first shown.
        if (watched == m_window)
            watchChildren();
        break;
    case QEvent::ContextMenu:
        showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            auto *widget = static_cast<QWidget *>(watched);
            showMenu(widget->mapToGlobal(widget->rect().center()));
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

void ReadingShare::showMenu(const QPoint &globalPos)
{
    const bool filled = m_reading().has_value();
    for (QAction *action : m_menu->actions())
        action->setEnabled(filled);
    m_menu->popup(globalPos);
    if (QAction *first = m_menu->actions().value(0))
        m_menu->setActiveAction(first);
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

void ReadingShare::saveReadingAs()
{
    const std::optional<SharedReading> reading = m_reading();
    Platform &platform = Platform::current();
    if (!reading)
        return;
    QString folder = Settings::readingFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder).filePath(
        toQString(kesto::readingFileName(reading->document)) + QStringLiteral(".pdf"));
    QString filter = PdfFilter;
    QString path =
        platform.dialogs->saveFileName(m_window, QStringLiteral("Save Reading As"), proposed,
                                       {PdfFilter, PngFilter, TextFilter}, &filter);
    if (path.isEmpty())
        return;
    // The name's own ending decides; a name without one takes the chosen filter's.
    QString format = QFileInfo(path).suffix().toLower();
    if (format != QLatin1String("pdf") && format != QLatin1String("png")
        && format != QLatin1String("txt")) {
        format = filter == PngFilter ? QStringLiteral("png")
            : filter == TextFilter   ? QStringLiteral("txt")
                                     : QStringLiteral("pdf");
        path += QLatin1Char('.') + format;
    }
    QString error;
    if (!save(*reading, path, format, &error)) {
        platform.prompter->information(
            m_window,
            QStringLiteral("Your reading could not be saved as\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    Settings::setReadingFolder(QFileInfo(path).absolutePath(), nullptr);
}

bool ReadingShare::save(const SharedReading &reading, const QString &path, const QString &format,
                        QString *error) const
{
    // Written beside the chosen name first and renamed at the end, so a failure leaves nothing
    // half-written under that name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool written = false;
    if (format == QLatin1String("pdf")) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(ReadingPage::paperFor(QLocale::system())));
        writer.setPageMargins(PageMargins, QPageLayout::Millimeter);
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setCreator(AppInfo::titleWithVersion());
        written = ReadingPage(reading.document, reading.signPicture).paint(&writer);
    } else if (format == QLatin1String("png")) {
        written = m_window->grab().save(&file, "PNG");
    } else {
        const QByteArray text = toQString(kesto::readingPlainText(reading.document)).toUtf8();
        written = file.write(text) == text.size();
    }
    if (!written) {
        *error = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("The file could not be written.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void ReadingShare::printReading()
{
    const std::optional<SharedReading> reading = m_reading();
    Platform &platform = Platform::current();
    if (!reading)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(ReadingPage::paperFor(QLocale::system())));
    printer.setPageMargins(PageMargins, QPageLayout::Millimeter);
    printer.setDocName(toQString(kesto::readingFileName(reading->document)));
    printer.setCreator(AppInfo::titleWithVersion());
    if (!platform.dialogs->choosePrinter(m_window, &printer))
        return;
    if (!ReadingPage(reading->document, reading->signPicture).paint(&printer))
        platform.prompter->information(m_window,
                                       QStringLiteral("Your reading could not be printed."));
}
