// Dispatches the Qt side of veskaro-cr: desktop program, report rendering, screenshots.

#include "main/desktop_qt.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <cstdlib>
#include <iostream>

#include "app/languages.h"
#include "app/startup.h"
#include "main/cli.h"
#include "ui/language_dialog.h"

namespace veskaro {

namespace {
// Headless commands render offscreen unless the caller chose a platform.
void UseOffscreenPlatform() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}
} // namespace

int RunGuiCommand(int argc, char** argv, const std::string& seedDir) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string command = args.empty() ? std::string() : args.front();
    if (command == "report") {
        UseOffscreenPlatform();
        QApplication app(argc, argv);
        return RunReportCommand({args.begin() + 1, args.end()}, seedDir, std::cout, std::cerr);
    }
    if (command == "screenshots") {
        UseOffscreenPlatform();
        QApplication app(argc, argv);
        const std::string dir =
            args.size() > 1 && args[1].rfind("--", 0) != 0 ? args[1] : std::string("screenshots");
        QDir().mkpath(QString::fromStdString(dir));
        // Screenshots run on a private data directory so that they never change the user's files.
        const std::string dataDir = dir + "/data";
        QDir(QString::fromStdString(dataDir)).removeRecursively();
        // Nor do they read or change what the user's program remembers.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(dataDir + "/settings"));
        // The kept language of the user's settings is left out: screenshots show the language asked for.
        AppContext ctx = StartUp({dataDir, seedDir, LanguageOption(args), ""});
        SaveMainWindowScreenshots(ctx, dir);
        SaveReportScreenshots(ctx, dir);
        SaveWallDialogScreenshots(ctx, dir);
        SaveGroundPlanScreenshots(ctx, dir);
        SaveProjectScreenshots(ctx, dir);
        SaveFloorPlanReportScreenshots(ctx, dir);
        SaveNewProjectScreenshots(ctx, dir);
        return 0;
    }
    if (!command.empty() && command.rfind("--", 0) != 0) {
        std::cerr << "veskaro-cr: unknown command '" << command << "'\n";
        return 2;
    }
    QApplication app(argc, argv);
    AppContext ctx = StartUp({DataDirOption(args), seedDir, LanguageOption(args), ui::KeptLanguage()});
    return RunDesktop(ctx);
}

} // namespace veskaro
