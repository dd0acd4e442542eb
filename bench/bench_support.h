#pragma once
// What the benchmarks of the windows share: a seeded data directory of their own and an offscreen main.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "app/app_context.h"
#include "app/startup.h"

namespace veskaro::bench {

// A data directory seeded with the shipped files, removed at the end of the run.
struct BenchDataDir {
    explicit BenchDataDir(const std::string& tag)
        : path(std::filesystem::temp_directory_path() /
               ("veskaro_bench_" + tag + "_" + std::to_string(std::random_device{}()))) {}
    ~BenchDataDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    BenchDataDir(const BenchDataDir&) = delete;
    BenchDataDir& operator=(const BenchDataDir&) = delete;
    AppContext start() const { return StartUp({path.string(), VESKARO_SEED_DIR}); }
    std::filesystem::path path;
};

// The main of a window benchmark: offscreen unless the caller chose a platform.
inline int RunWindowBenchmarks(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The windows remember settings: a benchmark run never touches the user's own.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace veskaro::bench
