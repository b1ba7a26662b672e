#include "Platform.h"

namespace {
Platform g_platform;
}

Platform &Platform::current()
{
    return g_platform;
}

Platform Platform::install(const Platform &platform)
{
    Platform previous = g_platform;
    g_platform = platform;
    return previous;
}
