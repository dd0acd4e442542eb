// `veskaro-cr report --pdf` of the default room as a whole process: start-up, calculation, both pages
// rendered into a PDF file. Budget: 250 ms per run.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double kBudget_ms = 250.0;

// Runs the program with its output sent to /dev/null; the exit code, or -1.
int RunProcess(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_ReportPdfProcess(benchmark::State& state) {
    const fs::path dir =
        fs::temp_directory_path() / ("veskaro-report-bench-" + std::to_string(std::random_device{}()));
    const fs::path data = dir / "data";
    fs::create_directories(data);
    for (const auto& seed : fs::directory_iterator(VESKARO_SEED_DIR)) {
        if (seed.is_regular_file()) fs::copy_file(seed.path(), data / seed.path().filename());
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::vector<std::string> args = {VESKARO_BINARY, "report",     "--pdf", (dir / "room.pdf").string(),
                                           "--data-dir",   data.string()};
    double total_ms = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int code = RunProcess(args);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count() / 1000.0);
        total_ms += took.count();
        if (code != 0) {
            state.SkipWithError("veskaro-cr report failed");
            break;
        }
    }
    const double mean_ms = state.iterations() > 0 ? total_ms / static_cast<double>(state.iterations()) : 0.0;
    state.counters["budget_ms"] = kBudget_ms;
    if (mean_ms > kBudget_ms) state.SkipWithError("slower than the 250 ms budget");
    fs::remove_all(dir);
}
BENCHMARK(BM_ReportPdfProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
