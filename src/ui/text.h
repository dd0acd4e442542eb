#pragma once
// Text between the core (UTF-8 std::string) and Qt, and the hourglass pointer of long file operations.

#include <QApplication>
#include <QString>

#include <string>
#include <string_view>

#include "app/ui_texts.h"

namespace veskaro::ui {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string S(const QString& text) {
    return text.toStdString();
}

// A desktop text (UiText) in the language `languageCode`; fill its markers with QString::arg.
inline QString QText(UiTextId id, std::string_view languageCode) {
    const std::string_view text = UiText(id, languageCode);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Hourglass pointer for the lifetime of the guard.
class WaitCursor final {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(WaitCursor)
};

} // namespace veskaro::ui
