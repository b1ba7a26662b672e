// The program's own start-up, as app/main.cpp runs it, ended at the first painted frame. The
// settings live in memory and the lock file in the temporary folder, so that the benchmark
// neither reads nor changes the user's settings and never meets a running copy's lock.

#include "FirstPaintProbe.h"

#include "app/AppStartup.h"
#include "app/QtPlatform.h"
#include "app/frmMDI.h"
#include "gui/Look.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QScreen>

#include <unistd.h>

namespace {

class MemorySettingsStore : public SettingsStore
{
public:
    QString value(SettingKey key) override { return m_values.value(key); }
    bool setValue(SettingKey key, const QString &value, QString *) override
    {
        m_values[key] = value;
        return true;
    }

private:
    QMap<SettingKey, QString>
        m_values; // QHash trips a false allocation warning in optimised builds
};

// QtPlatform with the settings store swapped for the one in memory.
class BenchPlatform
{
public:
    BenchPlatform()
    {
        m_previous =
            Platform::install({&m_prompter, &m_web, &m_settings, &m_clock, &m_screen, &m_dialogs});
    }
    ~BenchPlatform() { Platform::install(m_previous); }

private:
    QtMessagePrompter m_prompter;
    QtWebOpener m_web;
    MemorySettingsStore m_settings;
    QtClock m_clock;
    QtScreenMetrics m_screen;
    QtDocumentDialogs m_dialogs;
    Platform m_previous;
};

} // namespace

int main(int argc, char *argv[])
{
    bench::markPhase("main");
    QApplication app(argc, argv);
    bench::markPhase("app");
    QApplication::setApplicationName(QStringLiteral("kesto-astrology"));
    Look::installAppearance();
    BenchPlatform platform;
    LockFileInstanceGuard guard(QDir::tempPath()
                                + QStringLiteral("/kesto-bench-startup-%1.lock").arg(getpid()));

    std::unique_ptr<frmMDI> mainWindow = startKestoAstrology(guard);
    if (!mainWindow)
        return 1;
    bench::markPhase("window");
    if (QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow->setGeometry(screen->availableGeometry());
    FirstPaintProbe probe(mainWindow.get());
    mainWindow->showMaximized();
    bench::markPhase("shown");
    return app.exec();
}
