// Draws every window of the program offscreen to PNG files: the main window with its welcome
// panel, the four input windows, the four result windows, the About and the donation window.
// The desktop is a fixed stand-in (a 1280 x 1024 screen at 96 dpi, a fixed date, settings in
// memory), so the same sources always give the same pictures.
//
// Usage: kesto-screenshots <output-dir> [<dejavu-font-dir>]

#include "app/frmDonate.h"
#include "app/frmMDI.h"
#include "gui/Look.h"
#include "gui/Platform.h"
#include "gui/ReadingWindow.h"
#include "gui/frmAbout.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The desktop the windows see: nothing is asked, nothing opens, and the date and the screen
// never change. Any message a window shows is a fault in the run and is reported.
class StillDesktop : public MessagePrompter,
                     public WebOpener,
                     public SettingsStore,
                     public Clock,
                     public ScreenMetrics,
                     public DocumentDialogs
{
public:
    StillDesktop() { m_previous = Platform::install({this, this, this, this, this, this}); }
    ~StillDesktop() override { Platform::install(m_previous); }

    void information(QWidget *, const QString &text) override { messages << text; }
    bool askYesNo(QWidget *, const QString &text) override
    {
        messages << text;
        return false;
    }
    void open(const QUrl &address, std::function<void()>) override
    {
        messages << address.toString();
    }
    QString value(SettingKey key) override { return m_settings.value(key); }
    bool setValue(SettingKey key, const QString &value, QString *) override
    {
        m_settings[key] = value;
        return true;
    }
    QDate today() override { return {2026, 1, 15}; }
    QSize screenSize() override { return {1280, 1024}; }
    qreal logicalDpiX() override { return 96; }
    qreal logicalDpiY() override { return 96; }
    QString saveFileName(QWidget *, const QString &caption, const QString &, const QStringList &,
                         QString *) override
    {
        messages << caption;
        return {};
    }
    bool choosePrinter(QWidget *, QPrinter *) override
    {
        messages << QStringLiteral("Print");
        return false;
    }

    QStringList messages;

private:
    QMap<SettingKey, QString> m_settings;
    Platform m_previous;
};

// One reading as a user runs it: which button opens it, what is typed, which date is picked.
struct Reading
{
    const char *file; // prefix of the picture files
    int button;       // index into the main window's cmdSelectOption
    ReadingWindowId input;
    ReadingWindowId result;
    bool sunSign; // three name fields and a second tab on the result window
    int day;
    const char *month;
    int year;
};

// clang-format off
constexpr Reading Readings[] = {
    {"love",     0, ReadingWindowId::LoveAstrologyMain,    ReadingWindowId::LoveAstrologyDisplay,
     true,  14, "February", 1990},
    {"romance",  1, ReadingWindowId::RomanceAstrologyMain, ReadingWindowId::RomanceAstrologyDisplay,
     true,  14, "February", 1990},
    {"sexual",   2, ReadingWindowId::SexualAstrologyMain,  ReadingWindowId::SexualAstrologyDisplay,
     false, 14, "February", 1970},
    {"lovesign", 3, ReadingWindowId::ZodiacLoveSignMain,   ReadingWindowId::ZodiacLoveSignDisplay,
     false, 14, "February", 1990},
};
// clang-format on

// Lets layouts, deferred deletions and repaints run, so a grab shows the settled window.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// Text the window cuts off: a caption wider than its control, or wrapped text taller than it.
// Reported beside the pictures, since a few pixels are easily missed by eye.
QStringList clippedText(QWidget *root)
{
    QStringList found;
    auto note = [&found](QWidget *widget, const QString &text, const QString &what, int need,
                         int have) {
        found << QStringLiteral("%1 \"%2\": %3 needs %4 px, has %5")
                     .arg(widget->objectName(), text.left(40), what)
                     .arg(need)
                     .arg(have);
    };
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            if (need > label->height())
                note(label, label->text(), QStringLiteral("height"), need, label->height());
        } else {
            const QSize need = label->sizeHint();
            if (need.width() > label->width())
                note(label, label->text(), QStringLiteral("width"), need.width(), label->width());
            // A pixel over is only the font's leading; more cuts off the letters.
            if (label->fontMetrics().height() > room.height() + 1)
                note(label, label->text(), QStringLiteral("line height"),
                     label->fontMetrics().height(), room.height());
        }
    }
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(root))
            continue;
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const QFontMetrics metrics = button->fontMetrics();
        // Wrapped captions are drawn by the window itself; only one-line ones are measured.
        if (text.contains(QLatin1Char('\n')))
            continue;
        const int need = metrics.horizontalAdvance(text) + 2 * margin;
        if (need > button->width())
            note(button, text, QStringLiteral("width"), need, button->width());
    }
    for (QGroupBox *box : root->findChildren<QGroupBox *>()) {
        if (!box->isVisibleTo(root) || box->title().isEmpty())
            continue;
        const int need = box->fontMetrics().horizontalAdvance(box->title()) + 16;
        if (need > box->width())
            note(box, box->title(), QStringLiteral("width"), need, box->width());
    }
    return found;
}

class Renderer
{
public:
    explicit Renderer(const QDir &outputDir)
        : m_dir(outputDir)
    { }

    bool ok() const { return m_failures == 0; }

    // With `measure`, also lists the text the window cuts off.
    void save(QWidget *widget, const QString &name, bool measure = true)
    {
        if (!widget) {
            fail(QStringLiteral("%1: the window is missing").arg(name));
            return;
        }
        settle();
        const QString path = m_dir.filePath(name + QStringLiteral(".png"));
        const QPixmap picture = widget->grab();
        if (picture.isNull() || !picture.save(path)) {
            fail(QStringLiteral("%1: could not write %2").arg(name, path));
            return;
        }
        const QString caption = widget->windowTitle().isEmpty() ? widget->window()->windowTitle()
                                                                : widget->windowTitle();
        out() << path << "  " << picture.width() << "x" << picture.height() << "  \"" << caption
              << "\"\n";
        for (const QString &clipped : measure ? clippedText(widget) : QStringList())
            out() << "    clipped: " << clipped << "\n";
        out().flush();
    }

    void fail(const QString &why)
    {
        ++m_failures;
        std::fprintf(stderr, "kesto-screenshots: %s\n", qPrintable(why));
    }

private:
    QDir m_dir;
    int m_failures = 0;
};

template<class T>
T *named(QWidget *window, const char *name, Renderer &renderer)
{
    T *found = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        renderer.fail(QStringLiteral("no control named %1").arg(QLatin1String(name)));
    return found;
}

void pick(QWidget *window, const char *list, const QString &text, Renderer &renderer)
{
    if (auto *box = named<QComboBox>(window, list, renderer)) {
        const int index = box->findText(text);
        if (index < 0)
            renderer.fail(QStringLiteral("%1 has no entry %2").arg(QLatin1String(list), text));
        box->setCurrentIndex(index);
    }
}

void type(QWidget *window, const char *field, const QString &text, Renderer &renderer)
{
    if (auto *edit = named<QLineEdit>(window, field, renderer))
        edit->setText(text);
}

// The child window with its frame and caption, and the whole main window around it.
void saveChild(frmMDI &mdi, ReadingWindow *window, const QString &name, Renderer &renderer)
{
    if (!window || !window->isShownInMdi()) {
        renderer.fail(QStringLiteral("%1: the window is not shown").arg(name));
        return;
    }
    renderer.save(window->subWindow(), name);
    renderer.save(&mdi, name + QStringLiteral("-in-main-window"), false);
}

void renderReading(frmMDI &mdi, const Reading &reading, StillDesktop &desktop, Renderer &renderer)
{
    const QString file = QLatin1String(reading.file);
    mdi.cmdSelectOption_Click(reading.button);
    settle();
    ReadingWindow *input = mdi.loadedWindow(reading.input);
    if (reading.sunSign) {
        type(input, "txtFirstName", QStringLiteral("MARY"), renderer);
        type(input, "txtMiddleName", QStringLiteral("ANN"), renderer);
        type(input, "txtLastName", QStringLiteral("JONES"), renderer);
    } else {
        type(input, "txtName", QStringLiteral("MARY JONES"), renderer);
    }
    pick(input, "cboDate", QString::number(reading.day), renderer);
    pick(input, "cboMonth", QLatin1String(reading.month), renderer);
    pick(input, "cboYear", QString::number(reading.year), renderer);
    saveChild(mdi, input, file + QStringLiteral("-input"), renderer);

    if (auto *next = named<QPushButton>(input, "cmdNext", renderer))
        next->click();
    settle();
    for (const QString &message : std::as_const(desktop.messages))
        renderer.fail(QStringLiteral("%1: the window said \"%2\"").arg(file, message));
    desktop.messages.clear();

    ReadingWindow *result = mdi.loadedWindow(reading.result);
    saveChild(mdi, result, file + QStringLiteral("-result"), renderer);
    if (reading.sunSign) {
        if (auto *tabs = named<QTabWidget>(result, "SSTab1", renderer)) {
            tabs->setCurrentIndex(1);
            renderer.save(result->subWindow(), file + QStringLiteral("-result-profile-tab"));
        }
    }
    mdi.CloseReadingWindows();
    settle();
}

// Love Match, opened by its caption on the welcome panel: two people, on a day the Sun changed
// sign for the first, so that the result shows its note.
void renderLoveMatch(frmMDI &mdi, StillDesktop &desktop, Renderer &renderer)
{
    mdi.lblCaption_Click(7);
    settle();
    ReadingWindow *input = mdi.loadedWindow(ReadingWindowId::LoveMatchMain);
    type(input, "txtName_0", QStringLiteral("MARY"), renderer);
    pick(input, "cboDate_0", QStringLiteral("23"), renderer);
    pick(input, "cboMonth_0", QStringLiteral("July"), renderer);
    pick(input, "cboYear_0", QStringLiteral("1990"), renderer);
    type(input, "txtName_1", QStringLiteral("JOHN"), renderer);
    pick(input, "cboDate_1", QStringLiteral("3"), renderer);
    pick(input, "cboMonth_1", QStringLiteral("March"), renderer);
    pick(input, "cboYear_1", QStringLiteral("1988"), renderer);
    saveChild(mdi, input, QStringLiteral("match-input"), renderer);
    if (auto *next = named<QPushButton>(input, "cmdNext", renderer))
        next->click();
    settle();
    for (const QString &message : std::as_const(desktop.messages))
        renderer.fail(QStringLiteral("match: the window said \"%1\"").arg(message));
    desktop.messages.clear();
    saveChild(mdi, mdi.loadedWindow(ReadingWindowId::LoveMatchDisplay),
              QStringLiteral("match-result"), renderer);
    mdi.CloseReadingWindows();
    settle();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: kesto-screenshots <output-dir> [<dejavu-font-dir>]\n");
        return 2;
    }
    // Always offscreen, on the one fixed screen, whatever the caller's desktop.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=") + KESTO_SCREEN_CONFIG);
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kesto-astrology"));
    // A steady caret, so a focused text field looks the same in every run.
    QApplication::setCursorFlashTime(0);

    const QDir fontDir(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                : QStringLiteral("/usr/share/fonts/truetype/dejavu"));
    for (const char *font : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(fontDir.filePath(QLatin1String(font))) < 0) {
            std::fprintf(stderr, "kesto-screenshots: cannot load %s from %s\n", font,
                         qPrintable(fontDir.path()));
            return 1;
        }
    }
    // As the program starts itself.
    Look::installAppearance();

    QDir outputDir(QString::fromLocal8Bit(argv[1]));
    if (!outputDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kesto-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    StillDesktop desktop;
    Renderer renderer(outputDir);
    {
        frmMDI mdi;
        mdi.showMaximized();
        mdi.activateWindow();
        settle();
        renderer.save(&mdi, QStringLiteral("main-window"));

        for (const Reading &reading : Readings)
            renderReading(mdi, reading, desktop, renderer);
        renderLoveMatch(mdi, desktop, renderer);

        // Built directly and shown without their own event loop, so they can be grabbed.
        {
            frmAbout about(&mdi);
            about.show();
            renderer.save(&about, QStringLiteral("about"));
        }
        {
            frmDonate donate(&mdi);
            donate.show();
            renderer.save(&donate, QStringLiteral("donate"));
        }
        mdi.CloseReadingWindows();
        settle();
    }
    for (const QString &message : std::as_const(desktop.messages))
        renderer.fail(QStringLiteral("unexpected message \"%1\"").arg(message));
    return renderer.ok() ? 0 : 1;
}
