// `veskaro-cr report` as a whole process: the PDF of the default room, exit codes, what it must not write.
// The PDF text is read back with pdftotext (poppler-utils).

#include <gtest/gtest.h>

#include <regex>
#include <tuple>

#include "../app/temp_data_dir.h"
#include "app/captions.h"
#include "run_program.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

int PageObjects(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

class ReportCli : public ::testing::Test {
  protected:
    void SetUp() override { // the program seeds its data directory itself
        m_ctx.dataDir = VESKARO_SEED_DIR;
        LoadCaptions(m_ctx);
    }
    ProcessRun report(const std::string& args) {
        return RunProgram("report " + args + " --data-dir " + Quote(m_data.string()), m_tmp.path());
    }
    // The text of a PDF, pages separated by form feeds.
    std::string pdfText(const fs::path& pdf) {
        const fs::path txt = m_tmp.path() / "text.txt";
        const std::string cmd = "pdftotext -layout " + Quote(pdf.string()) + " " + Quote(txt.string());
        EXPECT_EQ(std::system(cmd.c_str()), 0) << "pdftotext (poppler-utils) is needed";
        return Slurp(txt);
    }
    const std::string& cap(Cap slot) const { return m_ctx.captions[slot]; }

    TempDataDir m_tmp;
    fs::path m_data = m_tmp.path() / "data";
    AppContext m_ctx;
};

TEST_F(ReportCli, DefaultRoomGivesTwoPagesWithTheRequiredCapacityHeaderOnOrOff) {
    ASSERT_FALSE(cap(Cap::RequiredCapacityLabel).empty());
    const std::string title = cap(Cap::ResultCaption2) + " : Veskaro - " + cap(Cap::ResultCaption1);
    const fs::path pdf = m_tmp.path() / "room.pdf";
    for (const bool header : {true, false}) {
        SCOPED_TRACE(header ? "with header" : "--no-header");
        const std::string file = header ? "" : Quote((m_data / "KelvoL.dat").string()) + " --no-header ";
        const ProcessRun r = report(file + "--pdf " + Quote(pdf.string()));
        ASSERT_EQ(r.code, 0) << r.err;
        const std::string bytes = Slurp(pdf);
        ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
        EXPECT_EQ(PageObjects(bytes), 2);

        const std::string text = pdfText(pdf);
        EXPECT_NE(text.find(cap(Cap::RequiredCapacityLabel)), std::string::npos) << text;
        const std::size_t page2 = text.find('\f'); // page 2 carries the envelope table
        ASSERT_NE(page2, std::string::npos);
        EXPECT_NE(text.find(cap(Cap::AreaHeader), page2), std::string::npos);
        // The header with the title stands on both pages, or on neither.
        EXPECT_EQ(text.find(title) < page2, header);
        EXPECT_EQ(text.find(title, page2) != std::string::npos, header);
    }
    // The calculation ran in memory: no result file appeared in the data directory.
    EXPECT_FALSE(fs::exists(m_data / "ergCR.DAT"));
    EXPECT_FALSE(fs::exists(m_data / "ergCR2.DAT"));
}

// Bad arguments exit with 2; a room below -50 °C or with an impossible input exits with 1 and gives no
// report, not even one of older result files. The reason stands on stderr either way.
TEST_F(ReportCli, NoReportForBadArgumentsOrAStoppedOrUntrustworthyRoom) {
    ASSERT_EQ(RunProgram("calc --write-results --data-dir " + Quote(m_data.string()), m_tmp.path()).code, 0);
    std::string room = Slurp(m_data / "KelvoL.dat");
    const std::size_t at = room.find("\"2\"\r\n\"85\"");
    ASSERT_NE(at, std::string::npos);
    Spit(m_tmp.path() / "cold.dat", std::string(room).replace(at, 3, "\"-55\""));
    Spit(m_tmp.path() / "wet.dat", room.replace(at + 5, 4, "\"150\""));
    const fs::path pdf = m_tmp.path() / "never.pdf";
    const std::string to = " --pdf " + Quote(pdf.string());
    const std::tuple<const char*, std::string, int, const char*> cases[] = {
        {"unreadable input", Quote((m_tmp.path() / "missing.dat").string()) + to, 2, "cannot read"},
        {"output folder missing", "--pdf " + Quote((m_tmp.path() / "no" / "such" / "x.pdf").string()), 2,
         "cannot write"},
        {"output is a folder", "--pdf " + Quote(m_data.string()), 2, "cannot write"},
        {"no output named", "", 2, "--pdf"},
        {"unknown option", to + " --colour", 2, "unknown option"},
        {"room below -50 °C", Quote((m_tmp.path() / "cold.dat").string()) + to, 1, "< -50°C!"},
        {"humidity 150 %", Quote((m_tmp.path() / "wet.dat").string()) + to, 1,
         "RaumFeuchte = 150 is outside 0 to 100"},
    };
    for (const auto& [name, args, code, complaint] : cases) {
        SCOPED_TRACE(name);
        const ProcessRun r = report(args);
        EXPECT_EQ(r.code, code);
        EXPECT_NE(r.err.find(complaint), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(pdf));
    }
}

} // namespace
} // namespace veskaro::testing
