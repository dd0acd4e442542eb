// `veskaro-cr report` as a whole process: the PDF of the default room, exit codes, what it must not write.
// The PDF text is read back with pdftotext (poppler-utils).

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "app/app_context.h"
#include "app/captions.h"

namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string Slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

int PageObjects(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

struct ProcessRun {
    int code = -1;
    std::string out, err;
};

class ReportCli : public ::testing::Test {
  protected:
    void SetUp() override {
        m_tmp = fs::temp_directory_path() / ("veskaro-report-cli-" + std::to_string(std::random_device{}()));
        m_data = m_tmp / "data";
        fs::create_directories(m_data);
        for (const auto& seed : fs::directory_iterator(VESKARO_SEED_DIR)) {
            if (seed.is_regular_file()) fs::copy_file(seed.path(), m_data / seed.path().filename());
        }
        m_ctx.dataDir = m_data.string();
        veskaro::LoadCaptions(m_ctx);
    }
    void TearDown() override { fs::remove_all(m_tmp); }

    ProcessRun report(const std::string& args) {
        const std::string cmd = "timeout 60 " + Quote(VESKARO_BINARY) + " report " + args + " --data-dir " +
                                Quote(m_data.string()) + " >" + Quote((m_tmp / "out").string()) + " 2>" +
                                Quote((m_tmp / "err").string());
        const int status = std::system(cmd.c_str());
        ProcessRun r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = Slurp(m_tmp / "out");
        r.err = Slurp(m_tmp / "err");
        return r;
    }
    // The text of a PDF; empty when pdftotext is missing (the test then fails on its first check).
    std::string pdfText(const fs::path& pdf) {
        const fs::path txt = m_tmp / "text.txt";
        const std::string cmd =
            "pdftotext -layout " + Quote(pdf.string()) + " " + Quote(txt.string()) + " 2>/dev/null";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << "pdftotext (poppler-utils) is needed";
        return Slurp(txt);
    }
    const std::string& cap(veskaro::Cap slot) const { return m_ctx.captions[slot]; }

    fs::path m_tmp, m_data;
    veskaro::AppContext m_ctx;
};

TEST_F(ReportCli, DefaultRoomGivesTwoPagesWithTheRequiredCapacity) {
    const fs::path pdf = m_tmp / "room.pdf";
    const ProcessRun r = report("--pdf " + Quote(pdf.string()));
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string bytes = Slurp(pdf);
    ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(PageObjects(bytes), 2);

    const std::string text = pdfText(pdf);
    ASSERT_FALSE(cap(veskaro::Cap::RequiredCapacityLabel).empty());
    EXPECT_NE(text.find(cap(veskaro::Cap::RequiredCapacityLabel)), std::string::npos) << text;
    // Page 2 carries the envelope table, after a form feed.
    const std::size_t page2 = text.find('\f');
    ASSERT_NE(page2, std::string::npos);
    EXPECT_NE(text.find(cap(veskaro::Cap::AreaHeader), page2), std::string::npos);
    // The header with the title, on both pages.
    const std::string title =
        cap(veskaro::Cap::ResultCaption2) + " : Veskaro - " + cap(veskaro::Cap::ResultCaption1);
    EXPECT_LT(text.find(title), page2);
    EXPECT_NE(text.find(title, page2), std::string::npos);

    // The calculation ran in memory: no result file appeared in the data directory.
    EXPECT_FALSE(fs::exists(m_data / "ergCR.DAT"));
    EXPECT_FALSE(fs::exists(m_data / "ergCR2.DAT"));
}

TEST_F(ReportCli, NoHeaderLeavesTheTitleOut) {
    const fs::path pdf = m_tmp / "plain.pdf";
    const ProcessRun r =
        report(Quote((m_data / "KelvoL.dat").string()) + " --no-header --pdf " + Quote(pdf.string()));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(PageObjects(Slurp(pdf)), 2);
    const std::string text = pdfText(pdf);
    EXPECT_EQ(text.find(cap(veskaro::Cap::ResultCaption2) + " : Veskaro"), std::string::npos);
    EXPECT_NE(text.find(cap(veskaro::Cap::RequiredCapacityLabel)), std::string::npos);
}

TEST_F(ReportCli, BadInputOrOutputExitsWithTwo) {
    struct Case {
        const char* name;
        std::string args;
        const char* complaint;
    };
    const fs::path pdf = m_tmp / "never.pdf";
    const std::vector<Case> cases = {
        {"unreadable input", Quote((m_tmp / "missing.dat").string()) + " --pdf " + Quote(pdf.string()),
         "cannot read"},
        {"output folder missing", "--pdf " + Quote((m_tmp / "no" / "such" / "dir" / "x.pdf").string()),
         "cannot write"},
        {"output is a folder", "--pdf " + Quote(m_data.string()), "cannot write"},
        {"no output named", "", "--pdf"},
        {"unknown option", "--pdf " + Quote(pdf.string()) + " --colour", "unknown option"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessRun r = report(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(c.complaint), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(pdf));
    }
}

} // namespace
