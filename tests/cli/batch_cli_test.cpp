// `veskaro-cr calc` over many files and folders as a whole process: every room gives the result it gives
// alone, unreadable files are reported in line and the batch goes on, and no window library is loaded.

#include <gtest/gtest.h>

#include "../app/temp_data_dir.h"
#include "app/json_writer.h"
#include "run_program.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

// The fields of one CSV line with RFC 4180 quoting undone.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
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
    const std::vector<std::string> header = CsvFields(lines[0]);
    // Folder contents sorted by path, then the next argument.
    const struct {
        fs::path file;
        std::string project, status;
    } rows[] = {{small, "Small", "ok"},
                {big, "Hall 7, north", "ok"},
                {foreign, "", "unreadable"},
                {cold, "Cold", "refused"},
                {missing, "", "unreadable"}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].file.string());
        const std::vector<std::string> f = CsvFields(lines[i + 1]);
        ASSERT_EQ(f.size(), header.size());
        EXPECT_EQ(f[0], rows[i].file.string());
        EXPECT_EQ(f[1], rows[i].project);
        EXPECT_EQ(f[header.size() - 2], rows[i].status);
        EXPECT_EQ(f[3].empty(), rows[i].status != "ok"); // Q0_kW only for a result
        EXPECT_EQ(f.back().empty(), rows[i].status == "ok");
        if (rows[i].status != "ok") continue;
        // The same room alone: the batch carries nothing over from one room to the next.
        const ProcessRun alone = calc(Quote(rows[i].file.string()) + " --json");
        EXPECT_NE(alone.out.find("\"Q_0\":" + f[3] + ","), std::string::npos) << alone.out;
        EXPECT_NE(alone.out.find("\"V\":" + f[2] + ","), std::string::npos);
    }

    // Exit code: 2 beats 1 beats 0; JSON gives one object per file.
    const struct {
        std::vector<fs::path> files;
        int code;
    } runs[] = {{{small, big}, 0}, {{small, cold}, 1}, {{cold, foreign}, 2}};
    for (const auto& run : runs) {
        std::string args = "--json";
        for (const fs::path& file : run.files)
            args += " " + Quote(file.string());
        const ProcessRun json = calc(args);
        EXPECT_EQ(json.code, run.code) << args;
        const std::vector<std::string> objects = Lines(json.out);
        ASSERT_EQ(objects.size(), run.files.size()) << json.out;
        for (std::size_t i = 0; i < objects.size(); ++i)
            EXPECT_EQ(objects[i].rfind("{\"source\":" + JsonString(run.files[i].string()), 0), 0u)
                << objects[i];
    }
    EXPECT_EQ(calc(Quote(small.string()) + " " + Quote(big.string()) + " --write-results").code, 2);
}

// The dynamic loader lists every library it opens: only the rendering commands may open Qt.
TEST_F(BatchCli, HeadlessCommandsLoadNoQtLibrary) {
    const fs::path room = project("a.prj", "Small", "CR", 4, 5);
    struct Row {
        std::string args;
        bool loadsQt;
    };
    std::vector<Row> rows = {{"", false},
                             {Quote(room.string()) + " " + Quote(room.string()) + " --csv", false}};
    // The positive control shows that the loader's listing does name Qt when it is loaded.
    if (fs::exists(fs::path(VESKARO_BINARY).parent_path() / "libveskaro-cr-gui.so"))
        rows.push_back({"--pdf " + Quote((m_tmp.path() / "r.pdf").string()), true});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args);
        const ProcessRun r = run((row.loadsQt ? "report " : "calc ") + row.args, "LD_DEBUG=files");
        EXPECT_EQ(r.code, 0);
        EXPECT_NE(r.err.find("file=libstdc++"), std::string::npos);
        EXPECT_EQ(r.err.find("libQt6") != std::string::npos, row.loadsQt);
    }
}

} // namespace
} // namespace veskaro::testing
