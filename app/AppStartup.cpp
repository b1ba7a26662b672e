#include "AppStartup.h"

#include "Platform.h"
#include "UpdateReminder.h"
#include "frmMDI.h"

std::unique_ptr<frmMDI> startKestoAstrology(InstanceGuard &guard)
{
    if (!guard.tryAcquire()) {
        Platform::current().prompter->information(nullptr,
                                                  QStringLiteral("Application is already running"));
        return nullptr;
    }
    RemindOfUpdate();
    return std::make_unique<frmMDI>();
}
