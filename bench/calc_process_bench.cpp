// `veskaro-cr calc` as a whole process, the way scripts run it: one room from start to exit, and a batch
// of 1,000 generated project files in one run.
// Targets: one room <= 5 ms; a batch >= 5,000 project files per second.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kBatchProjects = 1000;

// Runs binary with args, its output thrown away; the exit status as waitpid gives it.
int RunProgram(std::vector<std::string> args, std::string binary = VESKARO_BINARY) {
    std::vector<char*> argv{binary.data()};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

struct ScratchDir {
    ScratchDir()
        : path(fs::temp_directory_path() / ("veskaro-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path);
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    fs::path path;
};

// kBatchProjects projects of the default room in ten folders, each with its own length, room temperature
// and a carried envelope, so that every file is read, parsed and calculated on its own numbers.
void WriteProjects(const fs::path& root) {
    std::ifstream seed(fs::path(VESKARO_SEED_DIR) / "KelvoL.dat", std::ios::binary);
    std::stringstream text;
    text << seed.rdbuf();
    const std::string room = text.str();
    const std::string tail = room.substr(room.find("\"85\"")); // after length, width, height, temperature
    for (int n = 0; n < kBatchProjects; ++n) {
        const fs::path dir = root / ("site" + std::to_string(n % 10));
        fs::create_directories(dir);
        std::ofstream out(dir / ("room" + std::to_string(n) + ".prj"), std::ios::binary);
        out << "\"Site " << n % 10 << " room " << n << "\",\"generated\",\"\",\"CR\"\r\n";
        out << '"' << 4 + n % 17 << "\"\r\n\"6\"\r\n\"3.5\"\r\n\"" << n % 12 - 4 << "\"\r\n" << tail;
        out << "\"floor_CR.dat\"\r\n\" 15\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
        for (int k = 0; k < 4; ++k)
            out << "\".22\"\r\n\"" << 25 + (n + k) % 10 << "\"\r\n";
        out << "\".29\"\r\n\"15\"\r\n\".22\"\r\n\"32\"\r\n";
    }
}

// One room: the default room of a seeded data directory (seeded before timing).
void BM_CalcProcess(benchmark::State& state) {
    const ScratchDir data;
    const std::vector<std::string> args{"calc", "--data-dir", data.path.string()};
    if (RunProgram(args) != 0) state.SkipWithError("veskaro-cr calc failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(RunProgram(args));
}
BENCHMARK(BM_CalcProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor on this machine: a process that does nothing (start, exit, wait).
void BM_EmptyProcess(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RunProgram({}, "/bin/true"));
}
BENCHMARK(BM_EmptyProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// A batch of kBatchProjects project files to CSV; items per second is project files per second.
void BM_CalcBatch(benchmark::State& state) {
    const ScratchDir scratch;
    WriteProjects(scratch.path / "projects");
    const std::vector<std::string> args{"calc", (scratch.path / "projects").string(), "--csv", "--data-dir",
                                        (scratch.path / "data").string()};
    if (RunProgram(args) != 0) state.SkipWithError("veskaro-cr calc of the batch failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(RunProgram(args));
    state.SetItemsProcessed(state.iterations() * kBatchProjects);
}
BENCHMARK(BM_CalcBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
