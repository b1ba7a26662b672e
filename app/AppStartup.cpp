#include "AppStartup.h"

#include "UpdateReminder.h"
#include "frmMDI.h"
#include "gui/Platform.h"

#include <QDebug>
#include <QPointer>

std::unique_ptr<frmMDI> startKestoAstrology(InstanceGuard &guard)
{
    const InstanceClaim claim = guard.tryAcquire();
    switch (claim.outcome) {
    case InstanceClaim::Outcome::HeldByLiveCopy:
        // The running copy's window comes forward, then this copy says why it ends.
        guard.callRunningCopy();
        Platform::current().prompter->information(nullptr,
                                                  QStringLiteral("Application is already running"));
        return nullptr;
    case InstanceClaim::Outcome::Unavailable:
        // Refusing would keep the program from ever starting until someone mends the folder.
        qWarning().noquote() << QStringLiteral(
                                    "kesto-astrology: starting without the check for another "
                                    "running copy: %1")
                                    .arg(claim.note);
        break;
    case InstanceClaim::Outcome::Acquired:
        if (!claim.note.isEmpty())
            qWarning().noquote() << QStringLiteral("kesto-astrology: %1").arg(claim.note);
        break;
    }
    RemindOfUpdate();
    auto window = std::make_unique<frmMDI>();
    guard.answerCalls([window = QPointer<frmMDI>(window.get())] {
        if (!window)
            return;
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        window->raise();
        window->activateWindow();
    });
    return window;
}
