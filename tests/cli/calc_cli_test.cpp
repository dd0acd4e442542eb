// `veskaro-cr calc` as a whole process: output, exit codes, what it writes and what it must not.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

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

void Spit(const fs::path& p, const std::string& bytes) {
    std::ofstream f(p, std::ios::binary);
    f << bytes;
}

struct CalcRun {
    int code = -1;
    std::string out, err;
};

class CalcCli : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        m_tmp = fs::temp_directory_path() / ("veskaro-cli-" + std::to_string(rd()));
        fs::create_directories(m_tmp);
        m_data = m_tmp / "data";
    }
    void TearDown() override { fs::remove_all(m_tmp); }

    // Runs the binary with a time limit; a hang shows as exit code 124.
    CalcRun calc(const std::string& args) {
        const std::string cmd = "timeout 60 " + Quote(VESKARO_BINARY) + " calc " + args + " >" +
                                Quote((m_tmp / "out").string()) + " 2>" + Quote((m_tmp / "err").string());
        const int status = std::system(cmd.c_str());
        CalcRun r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = Slurp(m_tmp / "out");
        r.err = Slurp(m_tmp / "err");
        return r;
    }
    std::string dataDir() const { return "--data-dir " + Quote(m_data.string()); }

    // Name -> contents of every file in the data directory.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::directory_iterator(m_data))
            files[e.path().filename().string()] = Slurp(e.path());
        return files;
    }

    fs::path m_tmp, m_data;
};

// A strict JSON syntax check (RFC 8259 grammar, no semantic checks).
class JsonSyntax {
  public:
    explicit JsonSyntax(const std::string& text) : m_s(text) {}
    bool valid() {
        ws();
        if (!value()) return false;
        ws();
        return m_i == m_s.size();
    }

  private:
    void ws() {
        while (m_i < m_s.size() && std::string_view(" \t\r\n").find(m_s[m_i]) != std::string_view::npos)
            ++m_i;
    }
    bool lit(std::string_view w) {
        if (m_s.compare(m_i, w.size(), w) != 0) return false;
        m_i += w.size();
        return true;
    }
    bool string() {
        if (!lit("\"")) return false;
        while (m_i < m_s.size()) {
            const unsigned char c = m_s[m_i++];
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (m_i >= m_s.size()) return false;
                const char e = m_s[m_i++];
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k, ++m_i) {
                        if (m_i >= m_s.size() || !std::isxdigit(static_cast<unsigned char>(m_s[m_i])))
                            return false;
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }
    bool number() {
        const std::size_t start = m_i;
        if (m_i < m_s.size() && m_s[m_i] == '-') ++m_i;
        while (m_i < m_s.size() &&
               std::string_view("0123456789.eE+-").find(m_s[m_i]) != std::string_view::npos)
            ++m_i;
        return m_i > start && std::isdigit(static_cast<unsigned char>(m_s[m_i - 1]));
    }
    template <typename Item> bool sequence(char close, Item item) {
        ws();
        if (lit(std::string(1, close))) return true;
        for (;;) {
            ws();
            if (!item()) return false;
            ws();
            if (lit(std::string(1, close))) return true;
            if (!lit(",")) return false;
        }
    }
    bool value() {
        if (m_i >= m_s.size()) return false;
        const char c = m_s[m_i];
        if (c == '{') {
            ++m_i;
            return sequence('}', [&] {
                if (!string()) return false;
                ws();
                if (!lit(":")) return false;
                ws();
                return value();
            });
        }
        if (c == '[') {
            ++m_i;
            return sequence(']', [&] { return value(); });
        }
        if (c == '"') return string();
        return lit("true") || lit("false") || lit("null") || number();
    }
    const std::string& m_s;
    std::size_t m_i = 0;
};

// The text of `"key":` in compact JSON, followed by its value up to the next comma or brace.
std::string JsonValue(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return "";
    const std::size_t start = at + key.size() + 3;
    return json.substr(start, json.find_first_of(",}", start) - start);
}

TEST_F(CalcCli, MissingOrUnreadableFileIsExitCode2AndTouchesNothing) {
    for (const std::string& file : {(m_tmp / "nope.dat").string(), m_tmp.string()}) {
        SCOPED_TRACE(file);
        const CalcRun r = calc(Quote(file) + " " + dataDir());
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        EXPECT_NE(r.err.find(file), std::string::npos);
        EXPECT_FALSE(fs::exists(m_data));
    }
    EXPECT_EQ(calc("--bogus " + dataDir()).code, 2);
}

TEST_F(CalcCli, PlainCalcWritesNothingAndWriteResultsExactlyTheTwoFiles) {
    ASSERT_EQ(calc(dataDir()).code, 0); // the first run seeds the data directory
    const auto seeded = snapshot();
    ASSERT_TRUE(seeded.count("KelvoL.dat"));

    const CalcRun text = calc(dataDir());
    EXPECT_EQ(text.code, 0);
    EXPECT_NE(text.out.find("Q0 = 10.21 kW"), std::string::npos) << text.out;
    EXPECT_EQ(calc(dataDir() + " --json").code, 0);
    EXPECT_EQ(snapshot(), seeded);

    const CalcRun written = calc(dataDir() + " --write-results");
    EXPECT_EQ(written.code, 0);
    auto after = snapshot();
    ASSERT_TRUE(after.count("ergCR.DAT"));
    ASSERT_TRUE(after.count("ergCR2.DAT"));
    EXPECT_NE(after["ergCR.DAT"].find("RaumBild\r\"\r\n"), std::string::npos);
    EXPECT_NE(after["ergCR2.DAT"].find("&%!"), std::string::npos);
    after.erase("ergCR.DAT");
    after.erase("ergCR2.DAT");
    EXPECT_EQ(after, seeded);
}

TEST_F(CalcCli, JsonIsOneValidObjectWithEveryPart) {
    const CalcRun r = calc(dataDir() + " --json");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(JsonSyntax(r.out).valid()) << r.out;
    for (const char* key : {"room",       "RaumL",
                            "goods",      "D",
                            "t_run",      "V",
                            "A",          "P",
                            "n_evap",     "walls",
                            "floor",      "ceiling",
                            "components", "lighting_electrical",
                            "latent",     "sensible",
                            "m_w",        "defrost_power",
                            "Abtau",      "AbtauAnt",
                            "RaumLeist",  "Q_0",
                            "Q_1",        "Q_4",
                            "messages"}) {
        SCOPED_TRACE(key);
        EXPECT_NE(r.out.find("\"" + std::string(key) + "\":"), std::string::npos);
    }
    EXPECT_EQ(JsonValue(r.out, "RaumLeist"), "\" 10.21\"");
}

// The default room's whole result, accepted once after the hand check of the room tests: any change of
// a number, a text or a key shows here.
TEST_F(CalcCli, DefaultRoomMatchesTheLastAcceptedResult) {
    const CalcRun r =
        calc(Quote(std::string(VESKARO_SEED_DIR) + "/KelvoL.dat") + " " + dataDir() + " --json");
    ASSERT_EQ(r.code, 0) << r.err;
    std::string json = r.out;
    const std::size_t from = json.find("\"source\":");
    ASSERT_NE(from, std::string::npos);
    json.erase(from, json.find(",\"room\"") + 1 - from); // the path differs from machine to machine
    EXPECT_EQ(json, Slurp(fs::path(VESKARO_TEST_DATA) / "default_room_calc.json"));
}

TEST_F(CalcCli, ProjectFileIsReadInMemoryWithItsOwnEnvelope) {
    ASSERT_EQ(calc(dataDir()).code, 0);
    const auto seeded = snapshot();
    // Project: header, the default room, then an envelope whose walls are all at 40 °C.
    std::string project = "\"Hall 7\",\"Export, apples\",\"\",\"CR\"\r\n";
    std::string room = seeded.at("KelvoL.dat");
    project += room;
    project += "\"floor_CR.dat\"\r\n\" 15\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
    for (int k = 0; k < 4; ++k)
        project += "\".22\"\r\n\"40\"\r\n";
    project += "\".29\"\r\n\"15\"\r\n\".22\"\r\n\"32\"\r\n";
    const fs::path prj = m_tmp / "Hall7.PRJ";
    Spit(prj, project);

    const CalcRun r = calc(Quote(prj.string()) + " " + dataDir() + " --json");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(JsonValue(r.out, "proj"), "\"Default room\"");
    EXPECT_NE(r.out.find("\"t_beyond\":40"), std::string::npos);
    EXPECT_EQ(snapshot(), seeded);
}

TEST_F(CalcCli, RoomBelowMinus50StopsWithExitCode1) {
    ASSERT_EQ(calc(dataDir()).code, 0);
    std::string room = snapshot().at("KelvoL.dat");
    room.replace(room.find("\"2\"\r\n\"85\""), 3, "\"-55\"");
    Spit(m_tmp / "cold.dat", room);
    const CalcRun r = calc(Quote((m_tmp / "cold.dat").string()) + " " + dataDir() + " --json");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(JsonSyntax(r.out).valid());
    EXPECT_NE(r.out.find("\"stopped\":true"), std::string::npos);
    EXPECT_NE(r.out.find("< -50°C!"), std::string::npos);
}

TEST_F(CalcCli, HostileFilesNeitherCrashNorHang) {
    std::mt19937 rng(12345);
    std::string random(200000, '\0');
    for (char& c : random)
        c = static_cast<char>(rng());
    const std::pair<const char*, std::string> files[] = {
        {"random bytes", random},
        {"commas", std::string(5'000'000, ',')},
        {"NUL bytes", std::string(100000, '\0')},
        {"unterminated quote", "\"8\r\n\"6\",\"" + std::string(100000, 'x')},
        {"huge and odd numbers",
         std::string("\"1e999\",\"-1e999\",\"nan\",\"inf\",\"1e-400\",\"1e308\",\"-1e308\",") +
             "\"1e308\",\"1\",\"1e308\",\"0\",\"1e308\",\"1e308\",\"1e308\",\"-1e308\",\"x\","
             "\"1e308\",\"1e308\",\"1e308\",\"1e308\""},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        Spit(m_tmp / "hostile.dat", bytes);
        const auto start = std::chrono::steady_clock::now();
        const CalcRun r = calc(Quote((m_tmp / "hostile.dat").string()) + " " + dataDir() + " --json");
        EXPECT_TRUE(r.code == 0 || r.code == 1) << r.code << r.err;
        EXPECT_TRUE(JsonSyntax(r.out).valid());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
}

} // namespace
