#pragma once

#include "FakePlatform.h"
#include "app/frmMDI.h"
#include "gui/ReadingWindow.h"
#include "gui/WebPages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <functional>
#include <memory>

// Helpers shared by the GUI tests.
namespace GuiTest {

template<class T = QWidget>
T *child(QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no child named %s", qPrintable(name));
    return found;
}

inline QAction *action(QObject *window, const QString &name)
{
    return child<QAction>(window, name);
}

// Lets deferred deletions run, so closed windows are really gone.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline int subWindowCount(frmMDI &mdi)
{
    flushDeletes();
    return int(mdi.mdiArea()->subWindowList().size());
}

inline QStringList visibleSubWindows(frmMDI &mdi)
{
    QStringList names;
    for (QMdiSubWindow *frame : mdi.mdiArea()->subWindowList()) {
        if (frame->isVisible() && frame->widget())
            names << frame->widget()->objectName();
    }
    return names;
}

// Runs `inspect` on the modal window that the next step opens, from inside its event loop.
inline void whenModalOpens(std::function<void(QWidget *)> inspect)
{
    QTimer::singleShot(0, qApp, [inspect] {
        QWidget *modal = QApplication::activeModalWidget();
        inspect(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

// The main window as the program shows it, on the stand-in desktop (a 1280 x 1024 screen at
// 96 dpi): opened by a test's init(), closed by its cleanup().
class Desktop
{
public:
    bool open()
    {
        m_platform = std::make_unique<FakePlatform>();
        m_mdi = std::make_unique<frmMDI>();
        m_mdi->resize(1280, 1000);
        m_mdi->show();
        return QTest::qWaitForWindowExposed(m_mdi.get());
    }
    // Closes the reading windows, then the main window; the reading windows left behind.
    int close()
    {
        m_mdi->CloseReadingWindows();
        const int left = subWindowCount(*m_mdi);
        m_mdi.reset();
        m_platform.reset();
        return left;
    }
    frmMDI &mdi() const { return *m_mdi; }
    FakePlatform &platform() const { return *m_platform; }

private:
    std::unique_ptr<FakePlatform> m_platform; // first: it fixes the screen
    std::unique_ptr<frmMDI> m_mdi;
};

// The one reading window the main window shows, or nullptr if it shows none or several.
inline ReadingWindow *shownReading(frmMDI &mdi)
{
    ReadingWindow *shown = nullptr;
    for (QMdiSubWindow *frame : mdi.mdiArea()->subWindowList()) {
        if (!frame->isVisible())
            continue;
        if (shown)
            return nullptr;
        shown = qobject_cast<ReadingWindow *>(frame->widget());
    }
    return shown;
}

// An entry of the menu bar the main window shows now, at the top or inside one of its menus.
inline QAction *menuEntry(frmMDI &mdi, const QString &name)
{
    for (QAction *top : mdi.menuBar()->actions()) {
        if (top->objectName() == name)
            return top;
        if (QMenu *menu = top->menu()) {
            for (QAction *entry : menu->actions()) {
                if (entry->objectName() == name)
                    return entry;
            }
        }
    }
    qWarning("no menu entry named %s", qPrintable(name));
    return nullptr;
}

// Opens a reading with its button on the main window (0 Love, 1 Romance, 2 Sexual Astrology,
// 3 Zodiac Love Sign); the input window it shows.
inline ReadingWindow *openReading(frmMDI &mdi, int button)
{
    QTest::mouseClick(child(&mdi, QStringLiteral("cmdSelectOption_%1").arg(button)),
                      Qt::LeftButton);
    return shownReading(mdi);
}

// Fills an input window as a user would. The table windows take `name` whole; the sun-sign
// windows take its first word as the first name, its last as the last name and any between as
// the middle name (" JONES" leaves the first name empty). Day 0 leaves the day and month lists
// as they opened, year 0 the year list.
inline bool fillForm(ReadingWindow *input, const QString &name, int day, int month, int year = 0)
{
    if (auto *whole = input->findChild<QLineEdit *>(QStringLiteral("txtName"))) {
        QTest::keyClicks(whole, name);
    } else {
        QStringList words = name.split(QLatin1Char(' '));
        const QString first = words.takeFirst();
        const QString last = words.isEmpty() ? QString() : words.takeLast();
        const auto type = [input](const char *field, const QString &text) {
            auto *edit = input->findChild<QLineEdit *>(QLatin1String(field));
            if (edit)
                QTest::keyClicks(edit, text);
            return edit != nullptr;
        };
        if (!type("txtFirstName", first) || !type("txtMiddleName", words.join(QLatin1Char(' ')))
            || !type("txtLastName", last))
            return false;
    }
    const auto pick = [input](const char *list, int index) {
        auto *box = input->findChild<QComboBox *>(QLatin1String(list));
        if (!box || index < 0 || index >= box->count())
            return false;
        box->setCurrentIndex(index);
        return true;
    };
    const auto *years = input->findChild<QComboBox *>(QStringLiteral("cboYear"));
    return (day == 0 || (pick("cboDate", day - 1) && pick("cboMonth", month - 1)))
        && (year == 0 || (years && pick("cboYear", years->findText(QString::number(year)))));
}

// What an input window's name fields and date lists hold, in the order of the window.
inline QStringList formEntries(ReadingWindow *input)
{
    QStringList entries;
    for (const char *name : {"txtFirstName", "txtMiddleName", "txtLastName", "txtName"}) {
        if (auto *field = input->findChild<QLineEdit *>(QLatin1String(name)))
            entries << field->text();
    }
    for (const char *name : {"cboDate", "cboMonth", "cboYear"})
        entries << child<QComboBox>(input, QLatin1String(name))->currentText();
    return entries;
}

// Runs the reading with Next, or with the File entry `menuName` of the menu bar; the window
// then shown in the input window's place, or nullptr if the input window stayed.
inline ReadingWindow *pressNext(frmMDI &mdi, ReadingWindow *input, const QString &menuName = {})
{
    if (menuName.isEmpty()) {
        QTest::mouseClick(child(input, QStringLiteral("cmdNext")), Qt::LeftButton);
    } else if (QAction *entry = menuEntry(mdi, menuName)) {
        entry->trigger();
    }
    ReadingWindow *shown = shownReading(mdi);
    return shown == input ? nullptr : shown;
}

// A whole reading from the main window's button to its result window.
inline ReadingWindow *readFor(frmMDI &mdi, int button, const QString &name, int day, int month,
                              int year = 0)
{
    ReadingWindow *input = openReading(mdi, button);
    if (!input || !fillForm(input, name, day, month, year))
        return nullptr;
    return pressNext(mdi, input);
}

// The name of the control with the focus, if it is shown.
inline QString focusedName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->isVisible() ? focus->objectName() : QStringLiteral("(nothing)");
}

inline QString labelText(QWidget *window, const char *name)
{
    auto *label = child<QLabel>(window, QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

// The page the one opened address asks for, from the maker's site or as the installed copy of a
// page, or what went wrong instead.
inline QString openedPage(const QList<QUrl> &opened)
{
    if (opened.size() != 1)
        return QStringLiteral("%1 addresses opened").arg(opened.size());
    const QUrl &address = opened.first();
    if (address.isLocalFile()) {
        const QString file = address.toLocalFile();
        const QString folder = installedSiteFolder() + QLatin1Char('/');
        if (!file.startsWith(folder) || !file.endsWith(QStringLiteral(".html")))
            return address.toString();
        return file.mid(folder.size()).chopped(5);
    }
    if (address.path() != QStringLiteral("/kesto-free-astrology-suite/ssd.php"))
        return address.toString();
    return QUrlQuery(address).queryItemValue(QStringLiteral("page"));
}

// Each control of a reading window that opens a page of the maker's site, with the page it should
// open, as "control=page": three labels, then entries of the menu bar, the last one's name
// differing between windows.
inline QStringList pageControls(const QString &makeMoneyEntry)
{
    return {"Label61=home-page",   "lblFullBrand=fully-branded",
            "lblCobrand=co-brand", "mnuOnline=help-web-page",
            "mnuVisit=home-page",  "mnuUpdate=download-web-page",
            "mnuDonate=donate",    makeMoneyEntry + QStringLiteral("=fully-branded")};
}

} // namespace GuiTest
