#include "Platform.h"

namespace {
Platform g_platform;
}

Platform &Platform::current()
{
    Q_ASSERT_X(g_platform.prompter && g_platform.web && g_platform.settings && g_platform.clock
                   && g_platform.screen && g_platform.dialogs,
               "Platform::current", "a desktop service is not installed");
    return g_platform;
}

Platform Platform::install(const Platform &platform)
{
    Platform previous = g_platform;
    g_platform = platform;
    return previous;
}
