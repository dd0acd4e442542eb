#pragma once
// The look of every window: Fusion style with a calm light palette.

class QApplication;
class QString;

namespace veskaro::ui {

void ApplyTheme(QApplication& app);
// The style of the main window: white groups on a light ground, the result panel and the door sheet.
QString MainWindowStyleSheet();

} // namespace veskaro::ui
