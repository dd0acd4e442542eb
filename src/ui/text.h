#pragma once
// Text between the core (UTF-8 std::string) and Qt, and the hourglass pointer of long file operations.

#include <QApplication>
#include <QString>

#include <string>

namespace veskaro::ui {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string S(const QString& text) {
    return text.toStdString();
}

// Hourglass pointer for the lifetime of the guard.
class WaitCursor final {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(WaitCursor)
};

} // namespace veskaro::ui
