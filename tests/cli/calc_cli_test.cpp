// `veskaro-cr calc` as a whole process: output, exit codes, what it writes and what it must not.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "room/air_change.h"
#include "room/room_record.h"
#include "run_program.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

// The text of `"key":` in compact JSON, followed by its value up to the next comma or brace.
std::string JsonValue(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return "";
    const std::size_t start = at + key.size() + 3;
    return json.substr(start, json.find_first_of(",}", start) - start);
}

class CalcCli : public ::testing::Test {
  protected:
    ProcessRun calc(const std::string& args) {
        return RunProgram("calc " + args + " --data-dir " + Quote(m_data.string()), m_tmp.path());
    }
    // The JSON of `calc FILE --json` without the file's path, which differs from machine to machine.
    std::string pinnedJson(const fs::path& file) {
        const ProcessRun r = calc(Quote(file.string()) + " --json");
        EXPECT_EQ(r.code, 0) << r.err;
        std::string json = r.out;
        const std::size_t from = json.find("\"source\":");
        return from == std::string::npos ? json : json.erase(from, json.find(",\"room\"") + 1 - from);
    }
    // Name -> contents of every file in the data directory.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::directory_iterator(m_data))
            files[e.path().filename().string()] = Slurp(e.path());
        return files;
    }

    TempDataDir m_tmp;
    fs::path m_data = m_tmp.path() / "data";
};

TEST_F(CalcCli, MissingOrUnreadableFileIsExitCode2AndTouchesNothing) {
    for (const std::string& file : {(m_tmp.path() / "nope.dat").string(), m_tmp.str()}) {
        SCOPED_TRACE(file);
        const ProcessRun r = calc(Quote(file));
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        EXPECT_NE(r.err.find(file), std::string::npos);
        EXPECT_FALSE(fs::exists(m_data));
    }
    EXPECT_EQ(calc("--bogus").code, 2);
}

TEST_F(CalcCli, PlainCalcWritesNothingAndWriteResultsExactlyTheTwoFiles) {
    ASSERT_EQ(calc("").code, 0); // the first run seeds the data directory
    const auto seeded = snapshot();
    ASSERT_TRUE(seeded.count("KelvoL.dat"));

    const ProcessRun text = calc("");
    EXPECT_EQ(text.code, 0);
    EXPECT_NE(text.out.find("Q0 = 10.21 kW"), std::string::npos) << text.out;
    EXPECT_EQ(calc("--json").code, 0);
    EXPECT_EQ(snapshot(), seeded);

    EXPECT_EQ(calc("--write-results").code, 0);
    auto after = snapshot();
    EXPECT_NE(after["ergCR.DAT"].find("RaumBild\r\"\r\n"), std::string::npos);
    EXPECT_NE(after["ergCR2.DAT"].find("&%!"), std::string::npos);
    after.erase("ergCR.DAT");
    after.erase("ergCR2.DAT");
    EXPECT_EQ(after, seeded);

    // A result file that cannot be replaced (a folder in its place): exit 2, one line on stderr naming the
    // problem, and the first result file is left as it was (the pair is replaced together or not at all).
    const std::string firstBefore = snapshot()["ergCR.DAT"];
    fs::remove(m_data / "ergCR2.DAT");
    fs::create_directories(m_data / "ergCR2.DAT" / "in the way");
    const ProcessRun blocked = calc("--write-results");
    EXPECT_EQ(blocked.code, 2);
    EXPECT_EQ(std::count(blocked.err.begin(), blocked.err.end(), '\n'), 1) << blocked.err;
    EXPECT_NE(blocked.err.find("result files"), std::string::npos) << blocked.err;
    EXPECT_EQ(snapshot()["ergCR.DAT"], firstBefore);
}

// The default room's whole result, accepted once after the hand check of the room tests: any change of
// a number, a text or a key shows here.
TEST_F(CalcCli, DefaultRoomMatchesTheLastAcceptedResult) {
    EXPECT_EQ(pinnedJson(fs::path(VESKARO_SEED_DIR) / "KelvoL.dat"),
              Slurp(fs::path(VESKARO_TEST_DATA) / "default_room_calc.json"));
}

// A freezer room on a floor plan in shock operation: door infiltration behind an air curtain, heaters
// given by the engineer (defrost flag 1) and goods that freeze. The room file is built here; its whole
// result, accepted once, is pinned like the default room's.
RoomRecord FreezerRoom() {
    RoomRecord room;
    const std::pair<std::string RoomRecord::*, const char*> fields[] = {
        {&RoomRecord::RaumL, "14"},         {&RoomRecord::RaumB, "9"},
        {&RoomRecord::RaumH, "5.5"},        {&RoomRecord::RaumTemp, "-24"},
        {&RoomRecord::RaumFeuchte, "90"},   {&RoomRecord::AussenTemp, "28"},
        {&RoomRecord::AussenFeuchte, "55"}, {&RoomRecord::RaumLW, ".31"},
        {&RoomRecord::Laufzeit, "16"},      {&RoomRecord::PersZahl, "6"},
        {&RoomRecord::NBegeh, "30"},        {&RoomRecord::ELLeist, "4"},
        {&RoomRecord::tempdiff, "6"},       {&RoomRecord::verdTemp, "-30"},
        {&RoomRecord::PlueftPN, "650"},     {&RoomRecord::Abtau, "9000"},
        {&RoomRecord::AbtauAnt, "4"},       {&RoomRecord::AnzVerd, "2"},
        {&RoomRecord::bTuer, "1.8"},        {&RoomRecord::hTuer, "2.6"},
        {&RoomRecord::oeffungsZ, "2"},      {&RoomRecord::Eltotal, "450"},
        {&RoomRecord::proj, "Freezer"},     {&RoomRecord::projbeschr, "Plan"},
    };
    for (const auto& [field, text] : fields)
        room.*field = text;
    room.defrostFlag = 1;
    room.roomShape = kFloorPlanRoom;
    room.operatingBasis = 1;
    SetGoods(room, 1, "Beef", {"3000", "4", "-20", "-1.7", "3.2", "1.7", "230", "0"});
    SetGoods(room, 2, "Peas", {"1200", "-12", "-22", "-1", "3.7", "1.9", "280", "0"});
    AppContext ctx = EnglishContext();
    room.LWTuer = ComputeDoorInfiltration(room, 640.2, 16, true, ctx).LWergeb;
    // Wall table: floor, ceiling, then an L-shaped outline of six walls (15 items a row).
    const std::array<std::array<const char*, 5>, 8> rows = {{{"Floor", "", "116.4", ".2", "10"},
                                                             {"Ceiling", "", "", ".18", "30"},
                                                             {"W1", "14", "", ".2", "28"},
                                                             {"W2", "6", "", ".2", "28"},
                                                             {"W3", "5", "", ".25", "5"},
                                                             {"W4", "3", "", ".25", "5"},
                                                             {"W5", "9", "", "0", "0"},
                                                             {"W6", "9", "", ".2", "20"}}};
    EnvelopeFileBlock table{"CR_WALL.dat", {}};
    for (const auto& row : rows) {
        table.items.insert(table.items.end(), row.begin(), row.end());
        table.items.resize(table.items.size() + 10);
    }
    room.envelope.push_back(table);
    return room;
}

TEST_F(CalcCli, FreezerRoomOnAFloorPlanMatchesTheLastAcceptedResult) {
    Spit(m_tmp.path() / "freezer.dat", RoomText(FreezerRoom()));
    EXPECT_EQ(pinnedJson(m_tmp.path() / "freezer.dat"),
              Slurp(fs::path(VESKARO_TEST_DATA) / "freezer_room_calc.json"));
}

TEST_F(CalcCli, ProjectFileIsReadInMemoryWithItsOwnEnvelope) {
    ASSERT_EQ(calc("").code, 0);
    const auto seeded = snapshot();
    // Project: header, the default room, then an envelope whose walls are all at 40 °C.
    std::string project = "\"Hall 7\",\"Export, apples\",\"\",\"CR\"\r\n" + seeded.at("KelvoL.dat") +
                          "\"floor_CR.dat\"\r\n\" 15\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
    for (int k = 0; k < 4; ++k)
        project += "\".22\"\r\n\"40\"\r\n";
    project += "\".29\"\r\n\"15\"\r\n\".22\"\r\n\"32\"\r\n";
    Spit(m_tmp.path() / "Hall7.PRJ", project);

    const ProcessRun r = calc(Quote((m_tmp.path() / "Hall7.PRJ").string()) + " --json");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(JsonValue(r.out, "proj"), "\"Default room\"");
    EXPECT_NE(r.out.find("\"t_beyond\":40"), std::string::npos);
    EXPECT_EQ(snapshot(), seeded);
}

// A room below -50 °C stops with exit code 1 and the stop message in the caption language. --lang chooses
// the caption file for the messages and the result files; a code that is not three letters is refused
// before anything is read.
TEST_F(CalcCli, RoomBelowMinus50StopsInTheLanguageChosen) {
    ASSERT_EQ(calc("").code, 0);
    std::string room = snapshot().at("KelvoL.dat");
    room.replace(room.find("\"2\"\r\n\"85\""), 3, "\"-55\"");
    Spit(m_tmp.path() / "cold.dat", room);
    const std::string cold = Quote((m_tmp.path() / "cold.dat").string());
    // Arguments; stop message; a caption of the result file (CP1252 bytes).
    const std::array<const char*, 3> rows[] = {
        {"--lang deu", "Raum Temperatur < -50°C!", "Erforderliche K\xE4lteleistung :"},
        {"--lang=FRA", "Chambre température < -50°C!", "Puissance frigorifique requise :"},
        {"", "Room temperature < -50°C!", "Required refrigeration capacity :"},
    };
    for (const auto& [args, stopped, resultLine] : rows) {
        SCOPED_TRACE(args);
        const ProcessRun r = calc(cold + " --json " + args);
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.out.find("\"stopped\":true"), std::string::npos);
        EXPECT_NE(r.out.find(stopped), std::string::npos) << r.out;
        ASSERT_EQ(calc("--write-results " + std::string(args)).code, 0);
        EXPECT_NE(snapshot()["ergCR.DAT"].find(resultLine), std::string::npos);
    }
    for (const char* bad : {"--lang DE", "--lang", "--lang=D3U"}) {
        const ProcessRun r = calc(bad);
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_NE(r.err.find("--lang"), std::string::npos) << r.err;
    }
}

// Impossible inputs: the calculation runs, but its numbers are no result. Exit code 1, one warning line
// per field naming its range, every result number null in JSON, no result files, readable magnitudes.
TEST_F(CalcCli, OutOfRangeInputsAreWarnedAndGiveNoResult) {
    ASSERT_EQ(calc("").code, 0);
    const std::string seeded = snapshot().at("KelvoL.dat");
    const struct {
        const char *from, *to, *warning;
    } rows[] = {
        {"\"8\"\r\n\"6\"", "\"1e305\"\r\n\"6\"", "RaumL = 1E+305 is outside .01 to 1000"},
        {"\"40\"\r\n\" .72\"", "\"150\"\r\n\" .72\"", "AussenFeuchte = 150 is outside 0 to 100"},
        {"\"18#2\"", "\"18#\"", "goods row 1 column 4 is missing"}, // an end temperature left blank
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.warning);
        std::string room = seeded;
        const std::size_t at = room.find(row.from);
        ASSERT_NE(at, std::string::npos);
        room.replace(at, std::strlen(row.from), row.to);
        Spit(m_tmp.path() / "bad.dat", room);
        const std::string file = Quote((m_tmp.path() / "bad.dat").string());
        const ProcessRun json = calc(file + " --json --write-results");
        EXPECT_EQ(json.code, 1);
        EXPECT_EQ(JsonValue(json.out, "trusted"), "false");
        EXPECT_EQ(JsonValue(json.out, "Q_0"), "null");
        EXPECT_EQ(JsonValue(json.out, "RaumLeist"), "null");
        EXPECT_NE(json.out.find(row.warning), std::string::npos);
        EXPECT_FALSE(fs::exists(m_data / "ergCR.DAT"));
        const ProcessRun text = calc(file);
        EXPECT_EQ(text.code, 1);
        EXPECT_NE(text.out.find(row.warning), std::string::npos);
        std::size_t longestNumber = 0;
        for (std::size_t i = 0, run = 0; i < text.out.size(); ++i) {
            run = std::isdigit(static_cast<unsigned char>(text.out[i])) ? run + 1 : 0;
            longestNumber = std::max(longestNumber, run);
        }
        EXPECT_LT(longestNumber, 20u);
    }
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
         "\"1e999\",\"-1e999\",\"nan\",\"inf\",\"1e-400\",\"1e308\",\"-1e308\",\"1e308\","
         "\"1\",\"1e308\",\"0\",\"1e308\",\"1e308\",\"1e308\",\"-1e308\",\"x\",\"1e308\","
         "\"1e308\",\"1e308\",\"1e308\""},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        Spit(m_tmp.path() / "hostile.dat", bytes);
        const ProcessRun r = calc(Quote((m_tmp.path() / "hostile.dat").string()) + " --json");
        // A crash shows as -1, a hang as 124; either code 0 or 1 comes with a whole result.
        EXPECT_TRUE(r.code == 0 || r.code == 1) << r.code << r.err;
        EXPECT_NE(JsonValue(r.out, "trusted"), "");
    }
}

} // namespace
} // namespace veskaro::testing
