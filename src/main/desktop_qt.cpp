// Dispatches the Qt side of veskaro-cr: desktop program, report rendering, screenshots.

#include "main/desktop_qt.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <cstdlib>
#include <iostream>

#include "app/startup.h"
#include "main/cli.h"

#ifndef VESKARO_SEED_DIR
#define VESKARO_SEED_DIR ""
#endif

namespace veskaro {

namespace {
// Headless commands render offscreen unless the caller chose a platform.
void UseOffscreenPlatform() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}
} // namespace

int RunGuiCommand(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string command = args.empty() ? std::string() : args.front();
    if (command == "report") {
        UseOffscreenPlatform();
        QApplication app(argc, argv);
        return RunReportCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    if (command == "screenshots") {
        UseOffscreenPlatform();
        QApplication app(argc, argv);
        const std::string dir = args.size() > 1 ? args[1] : std::string("screenshots");
        QDir().mkpath(QString::fromStdString(dir));
        // Screenshots run on a private data directory so that they never change the user's files.
        const std::string dataDir = dir + "/data";
        QDir(QString::fromStdString(dataDir)).removeRecursively();
        // Nor do they read or change what the user's program remembers.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(dataDir + "/settings"));
        AppContext ctx = StartUp({dataDir, VESKARO_SEED_DIR});
        SaveMainWindowScreenshots(ctx, dir);
        SaveReportScreenshots(ctx, dir);
        SaveWallDialogScreenshots(ctx, dir);
        SaveProjectScreenshots(ctx, dir);
        return 0;
    }
    if (!command.empty() && command.rfind("--", 0) != 0) {
        std::cerr << "veskaro-cr: unknown command '" << command << "'\n";
        return 2;
    }
    QApplication app(argc, argv);
    AppContext ctx = StartUp({DataDirOption(args), VESKARO_SEED_DIR});
    return RunDesktop(ctx);
}

} // namespace veskaro
