#pragma once

#include <QString>

namespace AppInfo {

// The program's title, shown on every message box and used as its name in the settings store.
inline QString title()
{
    return QStringLiteral("Kesto Astrology Suite");
}

// The caption of the main window and the About window.
inline QString titleWithVersion()
{
    return QStringLiteral("Kesto Astrology Suite v1.20");
}

} // namespace AppInfo
