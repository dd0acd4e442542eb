// Record files: item forms written and read, encoding on disk, the data-directory file rules.

#include "app/record_file.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <locale>
#include <tuple>

#include "app/number_text.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;
using testing::AllItems;
using testing::TempDataDir;

std::vector<std::string> Listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(RecordWriter, ItemFormsAndStatementLines) {
    RecordWriter w;
    w.str("a, b").integer(-12).real(0.25).single(1.0 / 3.0).boolean(true).boolean(false).endLine();
    w.empty().str("x").empty().endLine().line("°C").endLine();
    // No item can hold a double quote; result lines keep their CR items, typed texts lose line ends.
    w.str("say \"hi\"").line("\r").userLine("two\r\nlines");
    EXPECT_EQ(w.text(), "\"a, b\",-12,.25,.3333333,#TRUE#,#FALSE#\r\n,\"x\",\r\n\"°C\"\r\n\r\n"
                        "\"say 'hi'\",\"\r\"\r\n\"twolines\"\r\n");
}

TEST(RecordReader, ItemsRegardlessOfLineBreaks) {
    const std::tuple<const char*, std::string, std::vector<std::string>> rows[] = {
        {"one string per line", "\"a\"\r\n\"b\"\r\n", {"a", "b"}},
        {"LF and CR line ends", "\"a\"\n5\r\"b\"\n", {"a", "5", "b"}},
        {"comma inside quotes", "\"x, y\",2", {"x, y", "2"}},
        {"quote truncates, rest skipped", "\"say \"hi\"\",3\r\n", {"say ", "3"}},
        {"blanks and tabs", "  \t\"a\" , \t 12.5  \t,x y  \r\n", {"a", "12.5", "x y"}},
        {"blank line is an empty item", "\"a\"\r\n\r\n\"b\"\r\n", {"a", "", "b"}},
        {"empty items", ",\"x\",\r\n\"y\"", {"", "x", "", "y"}},
        {"trailing blank lines are no items", "\"a\"\r\n\r\n \r\n\t", {"a"}},
        {"unterminated quote takes the rest", "1,\"abc,\r\ndef", {"1", "abc,\r\ndef"}},
    };
    for (const auto& [name, text, items] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(AllItems(RecordReader(text)), items);
    }
}

TEST(RecordReader, RoundTripAndNumericTargets) {
    RecordWriter w;
    const std::string strings[] = {"with, comma", "", " lead blank", "€ ² ³ °"};
    const double reals[] = {-0.5, 1.0 / 3.0, 1e-300, 6.02214076e23, -DBL_MAX};
    for (const auto& s : strings)
        w.line(s);
    for (const double r : reals)
        w.real(r).endLine();
    w.boolean(true).single(0.1);
    RecordReader r(w.text());
    for (const auto& expected : strings) {
        std::string got;
        EXPECT_TRUE(r.read(got));
        EXPECT_EQ(got, expected);
    }
    for (const double expected : reals) {
        double got = 0.0;
        EXPECT_TRUE(r.read(got));
        EXPECT_NEAR(got, expected, std::fabs(expected) * 1e-14);
    }
    bool flag = false;
    double single = 0.0;
    ASSERT_TRUE(r.readBool(flag) && r.read(single));
    EXPECT_TRUE(flag);
    EXPECT_EQ(static_cast<float>(single), 0.1f);
    // Past the end every target keeps its value.
    std::string name = "default";
    EXPECT_FALSE(r.read(name) || r.read(single) || r.readBool(flag));
    EXPECT_EQ(name, "default");
    EXPECT_EQ(static_cast<float>(single), 0.1f);

    // One item into a real, an integer and a 16-bit target: half to even, clamped, #TRUE# is -1.
    const std::tuple<const char*, double, int, short> items[] = {
        {"\"\"", 0.0, 0, 0},
        {"2.5", 2.5, 2, 2},
        {"3.5", 3.5, 4, 4},
        {"1e999", DBL_MAX, INT_MAX, 32767},
        {"nan", 0.0, 0, 0},
        {"#TRUE#", -1.0, -1, -1},
        {"\"12.5\"", 12.5, 12, 12},
        {"70000", 70000.0, 70000, 32767},
        {"2147483647", 2147483647.0, INT_MAX, 32767}};
    for (const auto& [text, real, integer, small] : items) {
        SCOPED_TRACE(text);
        double d = 9.0;
        int i = 9;
        short h = 9;
        EXPECT_TRUE(RecordReader(text).read(d) && RecordReader(text).read(i) && RecordReader(text).read(h));
        EXPECT_EQ(d, real);
        EXPECT_EQ(i, integer);
        EXPECT_EQ(h, small);
    }
}

TEST(Encoding, Cp1252OnDiskUtf8InMemory) {
    EXPECT_EQ(Cp1252ToUtf8("\xB0\xB2\xB3\x80\x9F"), "°²³€Ÿ");
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82 Ω"), "a?? ?");
    // The 0x80-0x9F block byte by byte (the five undefined bytes keep their C1 control).
    const char* const high[32] = {
        "€",      "\u0081", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "\u008D", "Ž", "\u008F",
        "\u0090", "‘",      "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "\u009D", "ž", "Ÿ"};
    for (int b = 0x80; b <= 0x9F; ++b) {
        SCOPED_TRACE(b);
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(b))), high[b - 0x80]);
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);

    TempDataDir dir;
    RecordWriter w;
    w.line("m³/h").real(1.5).endLine();
    ASSERT_TRUE(SaveOutput(dir.context(), "units.dat", w));
    EXPECT_EQ(dir.read("units.dat"), "\"m\xB3/h\"\r\n1.5\r\n");
    std::string unit;
    EXPECT_TRUE(OpenInput(dir.context(), "units.dat").read(unit));
    EXPECT_EQ(unit, "m³/h");
}

TEST(DataFiles, NamesMatchWhateverTheirCaseWritesKeepTheNameAndSeparatorsMeanPaths) {
    TempDataDir dir;
    const AppContext ctx = dir.context();
    EXPECT_EQ(ResolveDataPath(ctx, "KelvoL.dat"), dir.str() + "/KelvoL.dat");
    EXPECT_EQ(ResolveDataPath(ctx, "proj\\a.prj"), "proj/a.prj");
    dir.write("w1.dat", "\"old\"\r\n");
    EXPECT_TRUE(DataFileExists(ctx, "W1.DAT"));
    EXPECT_FALSE(DataFileExists(ctx, "w2.dat"));
    EXPECT_EQ(AllItems(OpenInput(ctx, "W1.dat")), std::vector<std::string>{"old"});
    RecordWriter w;
    w.line("new");
    ASSERT_TRUE(SaveOutput(ctx, "W1.Dat", w));
    ASSERT_TRUE(SaveAppend(ctx, "W1.DAT", w));
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"w1.dat"});
    EXPECT_EQ(dir.read("w1.dat"), "\"new\"\r\n\"new\"\r\n");
    fs::create_directories(dir.path() / "sub"); // a name with a separator is a path of its own
    ASSERT_TRUE(SaveOutput(ctx, (dir.path() / "sub" / "p.prj").string(), w));
    EXPECT_TRUE(fs::exists(dir.path() / "sub" / "p.prj"));
}

TEST(DataFiles, AtomicWriteLeavesNoTemporaryFilesAndClearsReadOnly) {
    TempDataDir dir;
    const std::string target = (dir.path() / "ro.dat").string();
    dir.write("ro.dat", "first");
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write, fs::perm_options::remove);
    EXPECT_TRUE(ClearReadOnly(target));
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::group_write, fs::perms::none); // others stay
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::remove);
    ASSERT_TRUE(WriteFileAtomic(target, "second"));
    EXPECT_EQ(dir.read("ro.dat"), "second");
    fs::create_directories(dir.path() / "folder" / "inner");
    EXPECT_FALSE(WriteFileAtomic((dir.path() / "folder").string(), "over a folder"));
    EXPECT_FALSE(WriteFileAtomic((dir.path() / "missing" / "x.dat").string(), "lost"));
    fs::remove_all(dir.path() / "folder");
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"ro.dat"});
}

TEST(DataFiles, PairIsReplacedTogetherOrNotAtAllAndStaleTemporariesGo) {
    TempDataDir dir;
    const AppContext ctx = dir.context();
    dir.write("ergCR.DAT", "old 1");
    dir.write("ergCR2.DAT", "old 2");
    RecordWriter first, second;
    first.line("new 1");
    second.line("new 2");
    ASSERT_TRUE(SaveOutputPair(ctx, "ergCR.DAT", first, "ergCR2.DAT", second));
    EXPECT_EQ(dir.read("ergCR.DAT"), "\"new 1\"\r\n");
    EXPECT_EQ(dir.read("ergCR2.DAT"), "\"new 2\"\r\n");

    // The second file cannot be written: the first keeps its old content too.
    const WriteStatus failed = SaveOutputPair(ctx, "ergCR.DAT", second, "no/such/ergCR2.DAT", first);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.path, "no/such/ergCR2.DAT");
    EXPECT_EQ(WriteFailureMessage(failed), "Could not save ergCR2.DAT: " + failed.reason);
    EXPECT_EQ(dir.read("ergCR.DAT"), "\"new 1\"\r\n");
    EXPECT_EQ(Listing(dir.path()).size(), 2u);

    // Temporaries a killed run left are removed; other files stay.
    dir.write(".~ergCR.DAT.k3j9.tmp", "half");
    dir.write("notes.tmp", "mine");
    EXPECT_EQ(RemoveTemporaryFiles(dir.str()), 1);
    EXPECT_EQ(Listing(dir.path()).size(), 3u);
    EXPECT_TRUE(fs::exists(dir.path() / "notes.tmp"));
}

TEST(DataFiles, DeleteDataFileAndTheBlockedMessage) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    dir.write("VerDpark.dat", "x");
    EXPECT_EQ(DeleteDataFile(ctx, "verdpark.DAT"), "");
    EXPECT_FALSE(fs::exists(dir.path() / "VerDpark.dat"));
    EXPECT_EQ(DeleteDataFile(ctx, "never_there.dat"), "");

    ctx.captions[Cap::SystemBlocked1] = "Folder";
    ctx.captions[Cap::SystemBlocked2] = "write access denied";
    ctx.captions[Cap::SystemBlocked3] = "Check the rights";
    ctx.captions[Cap::SystemBlocked4] = "Call support";
    EXPECT_EQ(BlockedFileMessage(ctx, "x.dat"),
              "Folder : " + fs::current_path().string() +
                  " write access denied!\r\rCheck the rights.\r\rCall support!\r\rSystem blocked.\r\r"
                  "Can not delete/overwrite file:   - x.dat - ");

    // Only plain names: nothing outside the data directory is ever deleted.
    fs::create_directories(dir.path() / "sub");
    dir.write("sub/x.dat", "keep");
    for (const char* name : {"sub/x.dat", "sub\\x.dat", "../x.dat", "..", ""}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(DeleteDataFile(ctx, name), "");
    }
    EXPECT_TRUE(fs::exists(dir.path() / "sub" / "x.dat"));

    // A folder with content under the name cannot be deleted, even by root: the message comes once per run.
    for (const char* folder : {"a.dat", "b.dat"}) {
        fs::create_directories(dir.path() / folder);
        dir.write(std::string(folder) + "/inside", "data");
    }
    EXPECT_EQ(DeleteDataFile(ctx, "a.dat"), BlockedFileMessage(ctx, "a.dat"));
    EXPECT_TRUE(ctx.deleteBlockedShown);
    EXPECT_EQ(DeleteDataFile(ctx, "b.dat"), "");
}

// Decimal comma and thousands point, as a German user's C++ locale has them.
struct CommaNumpunct final : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(DataFiles, NumbersIgnoreADecimalCommaLocale) {
    TempDataDir dir;
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    // The C library locale too, where installed; the C++ global locale always.
    const bool germanC = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const std::locale savedCpp = std::locale::global(std::locale(std::locale::classic(), new CommaNumpunct));
    RecordWriter w;
    w.real(1234.5).single(0.25).real(-1e-7).endLine();
    const bool written = SaveOutput(dir.context(), "loc.dat", w).ok;
    RecordReader r = OpenInput(dir.context(), "loc.dat");
    double a = 0.0, b = 0.0, c = 0.0;
    const bool read = r.read(a) && r.read(b) && r.read(c);
    std::string typed = "0,5";
    const double converted = NormalizeAndReadNumber(typed);
    const std::string shown = DisplayText(1.5);
    std::locale::global(savedCpp);
    std::setlocale(LC_ALL, savedC.c_str());

    ASSERT_TRUE(written && read);
    EXPECT_EQ(dir.read("loc.dat"), "1234.5,.25,-1E-07\r\n");
    EXPECT_EQ(std::vector<double>({a, b, c}), std::vector<double>({1234.5, 0.25, -1e-7}));
    EXPECT_EQ(converted, 0.5);
    EXPECT_EQ(shown, " 1.5");
    if (!germanC) GTEST_SKIP() << "de_DE.UTF-8 is not installed: checked with the C++ locale only";
}

} // namespace
} // namespace veskaro
