// Room record file: item order, goods join, envelope blocks, short files, the seeded default room.

#include <gtest/gtest.h>

#include <tuple>

#include "../app/temp_data_dir.h"
#include "room/room_record.h"
#include "sample_room.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

TEST(RoomRecordFile, ItemsStandInTheirPlaces) {
    const std::string text = RoomText(SampleRoom());
    const std::vector<std::string> items = AllItems(RecordReader(text));
    ASSERT_EQ(items.size(), 279u);
    // Items 1-8, the constant "1", 10-22, defrost flag and room shape, 25-29, operating basis, 9 empty.
    std::vector<std::string> head;
    for (int n = 1; n <= 26; ++n)
        head.push_back(SampleField(n));
    head.insert(head.begin() + 8, "1");
    head.insert(head.begin() + 22, {" 1", " 2"});
    head.insert(head.begin() + 29, " 3");
    head.insert(head.end(), 9, "");
    EXPECT_EQ(std::vector<std::string>(items.begin(), items.begin() + 39), head);
    // Twenty goods rows of twelve items; entry and end temperature joined by "#".
    EXPECT_EQ(std::vector<std::string>(items.begin() + 39, items.begin() + 44),
              (std::vector<std::string>{"1,1", "1,2", "1,3#1,4", "1,5", "1,6"}));
    EXPECT_EQ(items[50], "1,13");
    EXPECT_EQ(items[51], "2,1");
    EXPECT_EQ(items[278], "20,13");
    // One quoted item per line.
    EXPECT_EQ(text.substr(0, 47), "\"field 1, with comma\"\r\n\"field 2, with comma\"\r\n\"");
}

TEST(RoomRecordFile, RoundTripWithEnvelopeBlocks) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    dir.write("w1.dat", "\" 2\",\".22\",\"32\"\r\n\"100\",\"0.024\",\"PU panel, 100 mm\",\"\"\r\n");
    dir.write("floor_CR.dat", "\" 1\",\".29\",\"15\"\r\n");
    const RoomRecord room = SampleRoom();
    ASSERT_TRUE(SaveRoomFile(ctx, "KelvoL.dat", room));

    // Another room's envelope in the data directory, then the load puts the saved one back.
    dir.write("w1.dat", "\"other\"\r\n");
    dir.write("CR_WALL.dat", "\"other\"\r\n");
    RoomRecord loaded;
    ctx.activationState = ActivationState::Active;
    ASSERT_TRUE(LoadRoomFile(ctx, "KelvoL.dat", loaded));
    EXPECT_EQ(ctx.activationState, ActivationState::Active);
    ASSERT_EQ(loaded.envelope.size(), kEnvelopeFileNames.size());
    EXPECT_EQ(loaded.envelope[2].name, "w1.dat");
    EXPECT_EQ(loaded.envelope[2].items,
              (std::vector<std::string>{" 2", ".22", "32", "100", "0.024", "PU panel, 100 mm", ""}));
    EXPECT_EQ(AllItems(RecordReader(dir.read("w1.dat"))).at(5), "PU panel, 100 mm");
    // floor_CR.dat begins with one record of three items; the counts of the blocks carry no blank.
    EXPECT_EQ(dir.read("floor_CR.dat"), "\" 1\",\".29\",\"15\"\r\n");
    EXPECT_NE(dir.read("KelvoL.dat").find("\"floor_CR.dat\"\r\n\"3\"\r\n"), std::string::npos);
    // A file that was missing when saved is carried with no items and comes back empty.
    EXPECT_EQ(dir.read("CR_WALL.dat"), "");
    loaded.envelope.clear();
    EXPECT_EQ(RoomText(loaded), RoomText(room));

    // A record ending at item 279 carries no envelope: the files of the data directory stay as they are.
    dir.write("KelvoL.dat", RoomText(room));
    dir.write("CR_WALL.dat", "\"keep me\"\r\n");
    ASSERT_TRUE(LoadRoomFile(ctx, "KelvoL.dat", loaded));
    EXPECT_TRUE(loaded.envelope.empty());
    EXPECT_EQ(dir.read("CR_WALL.dat"), "\"keep me\"\r\n");
}

TEST(RoomRecordFile, ShortRecordGoodsItemWithoutHashAndHostileEnvelopeBlocks) {
    // A short record leaves the remaining fields as they were.
    RoomRecord room = SampleRoom();
    RecordReader shortRecord("\"6\"\r\n\"5\"\r\n\"3\"\r\n");
    ReadRoomRecord(shortRecord, room);
    EXPECT_EQ(room.RaumL, "6");
    EXPECT_EQ(room.RaumH, "3");
    EXPECT_EQ(room.RaumTemp, SampleField(4));
    EXPECT_EQ(room.goods[1][kGoodsEndTemp], "1,4");
    EXPECT_EQ(room.roomShape, 2);

    TempDataDir dir;
    std::string text = RoomText(SampleRoom());
    text.replace(text.find("\"1,3#1,4\""), 9, "\"-18\"");
    // A block naming a file outside the envelope set is read past, never written; a huge count stops at
    // the end of the record.
    text += "\"../escape.dat\"\r\n\" 1\"\r\n\"x\"\r\n\"CEILING.DAT\"\r\n\"1e300\"\r\n\"a\"\r\n\"b\"\r\n";
    RecordReader in(text);
    room = RoomRecord{};
    ReadRoomRecord(in, room);
    EXPECT_EQ(room.goods[1][kGoodsEntryTemp], "-18");
    EXPECT_EQ(room.goods[1][kGoodsEndTemp], "");
    ASSERT_EQ(room.envelope.size(), 1u);
    EXPECT_EQ(room.envelope[0].name, "ceiling.dat");
    EXPECT_EQ(room.envelope[0].items, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(WriteEnvelopeFiles(dir.context(), room.envelope));
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "escape.dat"));
}

// A hand-over request may only open a room file of the data directory, or a file that already is a room
// record or project: never aim a later save at some other file.
TEST(RoomRecordFile, HandoverRoomFileMustBeARoomOrLieInTheDataDirectory) {
    TempDataDir root;
    const fs::path data = root.path() / "data";
    fs::create_directories(data);
    AppContext ctx;
    ctx.dataDir = data.string();
    root.write("victim.txt", "precious, text\r\n");
    root.write("room.dat", RoomText(SampleRoom()));
    root.write("hall.prj", "\"Hall\",\"\",\"\",\"CR\"\r\n" + RoomText(SampleRoom()));
    const std::tuple<std::string, bool> rows[] = {
        {"KelvoL.dat", true},
        {(data / "other.dat").string(), true},
        {"../victim.txt", false},
        {(root.path() / "victim.txt").string(), false},
        {(data / ".." / "victim.txt").string(), false},
        {"..", false},
        {(root.path() / "room.dat").string(), true},
        {(root.path() / "hall.prj").string(), true},
        {(root.path() / "missing.dat").string(), false},
    };
    for (const auto& [name, accepted] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(RefuseHandoverRoomFile(ctx, name).empty(), accepted);
    }
}

TEST(DefaultRoomSeed, IsExactlyWhatTheWriterProduces) {
    AppContext seed;
    seed.dataDir = VESKARO_SEED_DIR;
    RecordReader in = OpenInput(seed, "KelvoL.dat");
    ASSERT_TRUE(in.exists());
    RoomRecord room;
    ReadRoomRecord(in, room);
    EXPECT_TRUE(room.envelope.empty());
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(std::string(VESKARO_SEED_DIR) + "/KelvoL.dat", bytes));
    EXPECT_EQ(Utf8ToCp1252(RoomText(room)), bytes);
}

} // namespace
} // namespace veskaro::testing
