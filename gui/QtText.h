#pragma once

#include <QString>

#include <string_view>

// The one way the core's texts (UTF-8; today plain ASCII) become the windows' strings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
