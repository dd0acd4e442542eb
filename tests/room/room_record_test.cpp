// Room record file: item order, goods join, envelope blocks, short files, the seeded default room.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "app/app_context.h"
#include "app/record_file.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

class RoomRecordFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        m_dir = fs::temp_directory_path() / ("veskaro-room-record-" + std::to_string(rd()));
        fs::create_directories(m_dir);
        ctx.dataDir = m_dir.string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string ReadBytes(const std::string& name) {
        std::string bytes;
        ReadFileBytes((m_dir / name).string(), bytes);
        return bytes;
    }
    void Put(const std::string& name, const std::string& bytes) {
        WriteFileAtomic((m_dir / name).string(), bytes);
    }

    fs::path m_dir;
    AppContext ctx;
};

RoomRecord SampleRoom() {
    RoomRecord room;
    room.RaumL = "12,5";
    room.RaumB = "8";
    room.RaumH = "4";
    room.RaumTemp = "-22";
    room.RaumFeuchte = "90";
    room.AussenTemp = "30";
    room.AussenFeuchte = "45";
    room.RaumLW = " .41";
    room.Laufzeit = "16";
    room.PersZahl = "2";
    room.NBegeh = "25";
    room.ELLeist = "8";
    room.tempdiff = " 6";
    room.verdTemp = "-28";
    room.VerdNam = "Cooler, 2 fans";
    room.PlueftPN = "450";
    room.Abtau = "5200";
    room.AbtauAnt = "4";
    room.AnzVerd = "2";
    room.proj = "Hall 3, freezer";
    room.projbeschr = "Ice cream, pallets, 2 doors";
    room.LWTuer = " .12";
    room.bTuer = "1,5";
    room.hTuer = "2.4";
    room.oeffungsZ = ".75";
    room.Eltotal = "300";
    room.defrostFlag = 1;
    room.roomShape = 1;
    room.operatingBasis = 1;
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        for (int c = 1; c < kGoodsGridColumns; ++c)
            room.goods[r][c] = "r" + std::to_string(r) + "c" + std::to_string(c);
    }
    room.goods[1][kGoodsName] = "Ice cream, vanilla";
    room.goods[1][kGoodsEntryTemp] = "-18";
    room.goods[1][kGoodsEndTemp] = "-22";
    return room;
}

void ExpectSameRoom(const RoomRecord& a, const RoomRecord& b) {
    const std::string RoomRecord::*fields[] = {
        &RoomRecord::RaumL,       &RoomRecord::RaumB,      &RoomRecord::RaumH,         &RoomRecord::RaumTemp,
        &RoomRecord::RaumFeuchte, &RoomRecord::AussenTemp, &RoomRecord::AussenFeuchte, &RoomRecord::RaumLW,
        &RoomRecord::Laufzeit,    &RoomRecord::PersZahl,   &RoomRecord::NBegeh,        &RoomRecord::ELLeist,
        &RoomRecord::tempdiff,    &RoomRecord::verdTemp,   &RoomRecord::VerdNam,       &RoomRecord::PlueftPN,
        &RoomRecord::Abtau,       &RoomRecord::AbtauAnt,   &RoomRecord::AnzVerd,       &RoomRecord::proj,
        &RoomRecord::projbeschr,  &RoomRecord::LWTuer,     &RoomRecord::bTuer,         &RoomRecord::hTuer,
        &RoomRecord::oeffungsZ,   &RoomRecord::Eltotal};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a.*fields[i], b.*fields[i]);
    }
    EXPECT_EQ(a.defrostFlag, b.defrostFlag);
    EXPECT_EQ(a.roomShape, b.roomShape);
    EXPECT_EQ(a.operatingBasis, b.operatingBasis);
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        for (int c = 1; c < kGoodsGridColumns; ++c) {
            SCOPED_TRACE(std::to_string(r) + "/" + std::to_string(c));
            EXPECT_EQ(a.goods[r][c], b.goods[r][c]);
        }
    }
}

TEST_F(RoomRecordFile, ItemsStandInTheirPlaces) {
    RecordWriter out;
    WriteRoomRecord(out, SampleRoom(), {});
    RecordReader in(out.text());
    std::vector<std::string> items;
    std::string item;
    while (in.next(item))
        items.push_back(item);
    ASSERT_EQ(items.size(), 279u);
    EXPECT_EQ(items[0], "12,5");
    EXPECT_EQ(items[8], "1"); // item 9, the constant
    EXPECT_EQ(items[21], "Ice cream, pallets, 2 doors");
    EXPECT_EQ(items[22], " 1"); // defrost flag
    EXPECT_EQ(items[23], " 1"); // room shape
    EXPECT_EQ(items[29], " 1"); // operating basis
    for (int i = 30; i < 39; ++i)
        EXPECT_EQ(items[i], "");
    EXPECT_EQ(items[39], "Ice cream, vanilla");
    EXPECT_EQ(items[41], "-18#-22");
    EXPECT_EQ(items[42], "r1c5");
    EXPECT_EQ(items[50], "r1c13");
    EXPECT_EQ(items[51], "r2c1");
    EXPECT_EQ(items[278], "r20c13");
    // One quoted item per line.
    EXPECT_EQ(out.text().substr(0, 16), "\"12,5\"\r\n\"8\"\r\n\"4\"");
}

TEST_F(RoomRecordFile, RoundTripWithEnvelopeBlocks) {
    Put("w1.dat", "\" 2\",\".22\",\"32\"\r\n\"100\",\"0.024\",\"PU panel, 100 mm\",\"\"\r\n");
    Put("floor_CR.dat", "\" 1\",\".29\",\"15\"\r\n");
    const RoomRecord room = SampleRoom();
    ASSERT_TRUE(SaveRoomFile(ctx, "KelvoL.dat", room));

    // Another room's envelope in the data directory, then the load puts the saved one back.
    Put("w1.dat", "\"other\"\r\n");
    Put("CR_WALL.dat", "\"other\"\r\n");
    RoomRecord loaded;
    ctx.activationState = kActive;
    ASSERT_TRUE(LoadRoomFile(ctx, "KelvoL.dat", loaded));
    EXPECT_EQ(ctx.activationState, kActive);
    ExpectSameRoom(room, loaded);
    ASSERT_EQ(loaded.envelope.size(), kEnvelopeFileNames.size());
    EXPECT_EQ(loaded.envelope[2].name, "w1.dat");
    EXPECT_EQ(loaded.envelope[2].items,
              (std::vector<std::string>{" 2", ".22", "32", "100", "0.024", "PU panel, 100 mm", ""}));

    RecordReader w1 = OpenInput(ctx, "w1.dat");
    std::string item;
    w1.skip(5);
    ASSERT_TRUE(w1.next(item));
    EXPECT_EQ(item, "PU panel, 100 mm");
    // A file that was missing when saved is carried with no items and comes back empty.
    EXPECT_EQ(RecordReader::fromFile((m_dir / "CR_WALL.dat").string()).length(), 0u);
}

TEST_F(RoomRecordFile, RecordEndingAtItem279LeavesTheEnvelopeFilesAlone) {
    RecordWriter out;
    WriteRoomRecord(out, SampleRoom(), {});
    ASSERT_TRUE(SaveOutput(ctx, "KelvoL.dat", out));
    const std::string wall = "\"keep me\"\r\n";
    Put("CR_WALL.dat", wall);
    RoomRecord loaded;
    ASSERT_TRUE(LoadRoomFile(ctx, "KelvoL.dat", loaded));
    EXPECT_TRUE(loaded.envelope.empty());
    EXPECT_EQ(ReadBytes("CR_WALL.dat"), wall);
    EXPECT_FALSE(fs::exists(m_dir / "w1.dat"));
}

TEST_F(RoomRecordFile, ShortRecordLeavesTheRemainingFields) {
    RoomRecord room = SampleRoom();
    RecordReader in("\"6\"\r\n\"5\"\r\n\"3\"\r\n");
    ReadRoomRecord(in, room);
    EXPECT_EQ(room.RaumL, "6");
    EXPECT_EQ(room.RaumH, "3");
    EXPECT_EQ(room.RaumTemp, "-22");
    EXPECT_EQ(room.goods[1][kGoodsEndTemp], "-22");
    EXPECT_EQ(room.roomShape, 1);
}

TEST_F(RoomRecordFile, GoodsItemWithoutHashAndHostileEnvelopeBlocks) {
    RecordWriter out;
    WriteRoomRecord(out, SampleRoom(), {});
    std::string text = out.text();
    const std::string joined = "\"-18#-22\"";
    text.replace(text.find(joined), joined.size(), "\"-18\"");
    // A block naming a file outside the envelope set is read past, never written; a huge count stops at
    // the end of the record.
    text += "\"../escape.dat\"\r\n\" 1\"\r\n\"x\"\r\n\"CEILING.DAT\"\r\n\"1e300\"\r\n\"a\"\r\n\"b\"\r\n";
    RecordReader in(text);
    RoomRecord room;
    ReadRoomRecord(in, room);
    EXPECT_EQ(room.goods[1][kGoodsEntryTemp], "-18");
    EXPECT_EQ(room.goods[1][kGoodsEndTemp], "");
    ASSERT_EQ(room.envelope.size(), 1u);
    EXPECT_EQ(room.envelope[0].name, "ceiling.dat");
    EXPECT_EQ(room.envelope[0].items, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(WriteEnvelopeFiles(ctx, room.envelope));
    EXPECT_FALSE(fs::exists(m_dir.parent_path() / "escape.dat"));
}

TEST(DefaultRoomSeed, IsExactlyWhatTheWriterProduces) {
    AppContext seed;
    seed.dataDir = VESKARO_SEED_DIR;
    RecordReader in = OpenInput(seed, "KelvoL.dat");
    ASSERT_TRUE(in.exists());
    RoomRecord room;
    ReadRoomRecord(in, room);
    EXPECT_TRUE(room.envelope.empty());
    RecordWriter out;
    WriteRoomRecord(out, room, {});
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(std::string(VESKARO_SEED_DIR) + "/KelvoL.dat", bytes));
    EXPECT_EQ(Utf8ToCp1252(out.text()), bytes);
}

} // namespace
} // namespace veskaro
