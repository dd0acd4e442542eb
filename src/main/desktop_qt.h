#pragma once
// Entry of everything that needs Qt: the desktop program and the commands that render.

#include <iosfwd>
#include <string>
#include <vector>

namespace veskaro {

struct AppContext;

// Runs the desktop program (no subcommand) or a rendering subcommand ("report", "screenshots"). seedDir
// holds the files that seed a new data directory.
int RunGuiCommand(int argc, char** argv, const std::string& seedDir);

// The main window of the program, until the user exits. Needs a QApplication.
int RunDesktop(AppContext& ctx);
// `veskaro-cr report [FILE] --pdf OUT.pdf [--data-dir DIR] [--no-header]`: args after "report".
int RunReportCommand(const std::vector<std::string>& args, const std::string& seedDir, std::ostream& out,
                     std::ostream& err);

// PNG pictures of the windows for `make screenshots`, written into dir.
void SaveMainWindowScreenshots(AppContext& ctx, const std::string& dir);
void SaveReportScreenshots(AppContext& ctx, const std::string& dir);
void SaveProjectScreenshots(AppContext& ctx, const std::string& dir);
void SaveWallDialogScreenshots(AppContext& ctx, const std::string& dir);
void SaveGroundPlanScreenshots(AppContext& ctx, const std::string& dir);
// The report pages of an L-shaped floor-plan room (on a data directory of their own).
void SaveFloorPlanReportScreenshots(AppContext& ctx, const std::string& dir);
void SaveNewProjectScreenshots(AppContext& ctx, const std::string& dir);

} // namespace veskaro
