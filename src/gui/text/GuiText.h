#pragma once
// Text between the core (Windows-1251) and the widgets (QString).

#include "base/Cp1251.h"

#include <QString>

#include <string>
#include <string_view>

namespace kanavo {

inline QString fromCp(std::string_view text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

// Characters the code page lacks become "?".
inline std::string toCp(const QString& text) {
    return cp1251::fromUtf8Lossy(text.toStdString());
}

} // namespace kanavo
