#pragma once

#include <QString>

#include <array>

// The values the program keeps in the per-user settings store, section "Settings".
enum class SettingKey {
    LastUpdateReminder, // the date of the last update reminder, as ISO 8601 text
    ReadingFolder,      // the folder a reading was last saved in
    WebHost,            // the web server the pages are opened from; read, never written
};

inline constexpr std::array<SettingKey, 3> AllSettingKeys {
    SettingKey::LastUpdateReminder, SettingKey::ReadingFolder, SettingKey::WebHost};

// The key's name in the store, also what a person editing the file finds there.
inline QString settingName(SettingKey key)
{
    switch (key) {
    case SettingKey::LastUpdateReminder:
        return QStringLiteral("LastUpdateReminder");
    case SettingKey::ReadingFolder:
        return QStringLiteral("ReadingFolder");
    case SettingKey::WebHost:
        return QStringLiteral("WebHost");
    }
    return {};
}
