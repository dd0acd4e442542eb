// Placeholder until the report renderer lands.
#include <ostream>
#include "app/desktop_qt.h"
namespace veskaro {
int RunReportCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) { err << "veskaro-cr: report is not built yet\n"; return 2; }
void SaveReportScreenshots(AppContext&, const std::string&) {}
} // namespace veskaro
