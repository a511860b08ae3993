#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform::qt {

// The calculator's texts are UTF-8 std::strings; Qt's are QStrings.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) {
    return text.toStdString();
}

} // namespace platform::qt
