#pragma once
// Text of the core (UTF-8 std::string) as a Qt string.

#include <QString>

#include <string>

namespace veskaro::ui {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace veskaro::ui
