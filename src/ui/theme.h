#pragma once
// The look of every window: Fusion style with a calm light palette.

class QApplication;

namespace veskaro::ui {

void ApplyTheme(QApplication& app);

} // namespace veskaro::ui
