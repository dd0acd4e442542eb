// `veskaro-cr calc` over many files and folders as a whole process: every room gives the result it gives
// alone, unreadable files are reported in line and the batch goes on, and no window library is loaded.

#include <gtest/gtest.h>

#include <tuple>

#include "../app/temp_data_dir.h"
#include "app/json_writer.h"
#include "run_program.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

// The fields of one CSV line with RFC 4180 quoting undone: a quote that reopens a quoted part is a literal.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    char previous = 0;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            if (quoted && previous == '"') fields.back() += '"';
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
        previous = c;
    }
    return fields;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

class BatchCli : public ::testing::Test {
  protected:
    ProcessRun run(const std::string& args, const std::string& env = "") {
        return RunProgram(args + " --data-dir " + Quote((m_tmp.path() / "data").string()), m_tmp.path(), env);
    }
    ProcessRun calc(const std::string& args) { return run("calc " + args); }
    // A project of the default room with its length and room temperature replaced.
    fs::path project(const std::string& relative, const std::string& name, const std::string& code,
                     int length_m, int room_C) {
        const std::string room = Slurp(fs::path(VESKARO_SEED_DIR) / "KelvoL.dat");
        const fs::path path = m_tmp.path() / "projects" / relative;
        fs::create_directories(path.parent_path());
        Spit(path, "\"" + name + "\",\"\",\"\",\"" + code + "\"\r\n\"" + std::to_string(length_m) +
                       "\"\r\n\"6\"\r\n\"3.5\"\r\n\"" + std::to_string(room_C) + "\"\r\n" +
                       room.substr(room.find("\"85\"")));
        return path;
    }
    TempDataDir m_tmp;
};

TEST_F(BatchCli, EachRoomGivesItsOwnResultAndProblemsStayInTheirLine) {
    const fs::path big = project("b \"north\"/Big.PRJ", "Hall 7, north", "CR", 30, -20);
    const fs::path small = project("a.prj", "Small", "CR", 4, 5);
    const fs::path foreign = project("c/air.prj", "Air", "AC", 8, 2);
    const fs::path cold = project("c/cold.prj", "Cold", "CR", 8, -55);
    project("c/notes.txt", "not a project", "CR", 8, 2); // not a project file: not in the batch
    const fs::path missing = m_tmp.path() / "missing.prj";

    const ProcessRun r =
        calc(Quote((m_tmp.path() / "projects").string()) + " " + Quote(missing.string()) + " --csv");
    EXPECT_EQ(r.code, 2) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 6u) << r.out;
    // Folder contents sorted by path, then the next argument; Q0_kW (column 4) only with a result.
    const std::tuple<fs::path, std::string, std::string> rows[] = {{small, "Small", "ok"},
                                                                   {big, "Hall 7, north", "ok"},
                                                                   {foreign, "", "unreadable"},
                                                                   {cold, "Cold", "refused"},
                                                                   {missing, "", "unreadable"}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& [file, name, status] = rows[i];
        SCOPED_TRACE(file.string());
        const std::vector<std::string> f = CsvFields(lines[i + 1]);
        ASSERT_EQ(f.size(), CsvFields(lines[0]).size());
        EXPECT_EQ(std::vector<std::string>(f.begin(), f.begin() + 2),
                  (std::vector<std::string>{file.string(), name}));
        EXPECT_EQ(f[f.size() - 2], status);
        EXPECT_EQ(f.back().empty(), status == "ok"); // the message column
        EXPECT_EQ(f[3].empty(), status != "ok");
        // The same room alone: the batch carries nothing over from one room to the next.
        if (status != "ok") continue;
        EXPECT_NE(calc(Quote(file.string()) + " --json").out.find("\"Q_0\":" + f[3] + ","),
                  std::string::npos);
    }
    // JSON: one object per file, in order; a refused room without an unreadable file is exit code 1.
    const ProcessRun json = calc("--json " + Quote(small.string()) + " " + Quote(cold.string()));
    EXPECT_EQ(json.code, 1);
    EXPECT_EQ(Lines(json.out).size(), 2u);
    EXPECT_EQ(Lines(json.out).back().rfind("{\"source\":" + JsonString(cold.string()), 0), 0u) << json.out;
    EXPECT_EQ(calc(Quote(small.string()) + " " + Quote(big.string())).code, 0);
    EXPECT_EQ(calc(Quote(small.string()) + " " + Quote(big.string()) + " --write-results").code, 2);
}

// The dynamic loader lists every library it opens: only the rendering commands may open Qt.
TEST_F(BatchCli, HeadlessCommandsLoadNoQtLibrary) {
    const std::string room = Quote(project("a.prj", "Small", "CR", 4, 5).string());
    std::vector<std::pair<std::string, bool>> rows = {{"calc", false},
                                                      {"calc --csv " + room + " " + room, false}};
    // The positive control shows that the loader's listing does name Qt when it is loaded.
    if (fs::exists(fs::path(VESKARO_BINARY).parent_path() / "libveskaro-cr-gui.so"))
        rows.emplace_back("report --pdf " + Quote((m_tmp.path() / "r.pdf").string()), true);
    for (const auto& [args, loadsQt] : rows) {
        SCOPED_TRACE(args);
        const ProcessRun r = run(args, "LD_DEBUG=files");
        EXPECT_EQ(r.code, 0);
        EXPECT_NE(r.err.find("file=libstdc++"), std::string::npos);
        EXPECT_EQ(r.err.find("libQt6") != std::string::npos, loadsQt);
    }
}

} // namespace
} // namespace veskaro::testing
