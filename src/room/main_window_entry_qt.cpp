// Placeholder until the main window lands.
#include <iostream>
#include "app/desktop_qt.h"
namespace veskaro {
int RunDesktop(AppContext&) { std::cerr << "veskaro-cr: the main window is not built yet\n"; return 2; }
void SaveMainWindowScreenshots(AppContext&, const std::string&) {}
} // namespace veskaro
