// The room record file "KelvoL.dat": 279 items of the room, then the envelope files it carries.

#include "room/room_record.h"

#include "envelope/envelope_data.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/data_dir.h"
#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

namespace fs = std::filesystem;

constexpr int kProjectHeaderItems = 4; // a project file's header line
constexpr int kReservedItems = 9;      // items 31 to 39, written empty and skipped on reading
constexpr char kGoodsJoin = '#';       // joins the entry and end temperatures of a goods row into one item

// Record items 1 to 22; nullptr marks item 9, the constant "1" (ignored on reading).
const std::array<std::string RoomRecord::*, 22> kHeadItems = {
    &RoomRecord::RaumL,         &RoomRecord::RaumB,       &RoomRecord::RaumH,
    &RoomRecord::RaumTemp,      &RoomRecord::RaumFeuchte, &RoomRecord::AussenTemp,
    &RoomRecord::AussenFeuchte, &RoomRecord::RaumLW,      nullptr,
    &RoomRecord::Laufzeit,      &RoomRecord::PersZahl,    &RoomRecord::NBegeh,
    &RoomRecord::ELLeist,       &RoomRecord::tempdiff,    &RoomRecord::verdTemp,
    &RoomRecord::VerdNam,       &RoomRecord::PlueftPN,    &RoomRecord::Abtau,
    &RoomRecord::AbtauAnt,      &RoomRecord::AnzVerd,     &RoomRecord::proj,
    &RoomRecord::projbeschr};

// Record items 25 to 29.
const std::array<std::string RoomRecord::*, 5> kDoorItems = {&RoomRecord::LWTuer, &RoomRecord::bTuer,
                                                             &RoomRecord::hTuer, &RoomRecord::oeffungsZ,
                                                             &RoomRecord::Eltotal};

constexpr int kConstantItemIndex = 8; // item 9 (0-based 8): the constant "1"

// A 16-bit integer from number text.
void ReadShortInteger(RecordReader& in, int& target) {
    std::string text;
    if (in.next(text)) target = SmallIntegerFromText(text);
}

// The entry temperature of a goods row as stored: it shares its item with the end temperature, joined by
// "#" and split at the first "#" on reading, so it gives up any "#" of its own (an end temperature keeps
// its "#": everything after the first one belongs to it).
std::string StorableEntryTemperature(const std::string& text) {
    std::string out = StorableText(text);
    out.erase(std::remove(out.begin(), out.end(), kGoodsJoin), out.end());
    return out;
}

} // namespace

void WriteRoomRecord(RecordWriter& out, const RoomRecord& room,
                     const std::vector<EnvelopeFileBlock>& envelope) {
    // Every field holds what the engineer typed: userLine makes it storable.
    for (auto field : kHeadItems)
        out.userLine(field ? room.*field : std::string("1"));
    out.line(DisplayText(room.defrostFlag));
    out.line(DisplayText(room.roomShape));
    for (auto field : kDoorItems)
        out.userLine(room.*field);
    out.line(DisplayText(room.operatingBasis));
    for (int i = 0; i < kReservedItems; ++i)
        out.line("");
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        const GoodsRow& row = room.goods[r];
        out.userLine(row[kGoodsName]);
        out.userLine(row[kGoodsAmount]);
        out.userLine(StorableEntryTemperature(row[kGoodsEntryTemp]) + kGoodsJoin + row[kGoodsEndTemp]);
        for (int c = kGoodsStorageTemp; c < kGoodsGridColumns; ++c)
            out.userLine(row[c]);
    }
    for (const EnvelopeFileBlock& block : envelope) {
        out.line(block.name);
        out.line(std::to_string(block.items.size()));
        for (const std::string& item : block.items)
            out.line(item);
    }
}

void ReadRoomRecord(RecordReader& in, RoomRecord& room) {
    for (auto field : kHeadItems) {
        if (field) {
            in.read(room.*field);
        } else {
            in.skip(1);
        }
    }
    ReadShortInteger(in, room.defrostFlag);
    ReadShortInteger(in, room.roomShape);
    for (auto field : kDoorItems)
        in.read(room.*field);
    ReadShortInteger(in, room.operatingBasis);
    in.skip(kReservedItems);
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        GoodsRow& row = room.goods[r];
        in.read(row[kGoodsName]);
        in.read(row[kGoodsAmount]);
        std::string temperatures;
        if (in.next(temperatures)) {
            const std::size_t hash = temperatures.find(kGoodsJoin);
            row[kGoodsEntryTemp] = temperatures.substr(0, hash);
            row[kGoodsEndTemp] = hash == std::string::npos ? std::string() : temperatures.substr(hash + 1);
        }
        for (int c = kGoodsStorageTemp; c < kGoodsGridColumns; ++c)
            in.read(row[c]);
    }

    room.envelope.clear();
    std::string name;
    while (in.next(name)) {
        std::string countText;
        if (!in.next(countText)) break;
        const double count = NumFromText(countText);
        const char* known = CanonicalEnvelopeFileName(name);
        EnvelopeFileBlock block{known ? known : "", {}};
        std::string item;
        // Counts come from the file: a hostile count only reads up to the end of the record.
        for (double i = 0; i < count && in.next(item); ++i) {
            if (known) block.items.push_back(item);
        }
        if (known) room.envelope.push_back(std::move(block));
    }
}

WriteStatus SaveRoomFile(const AppContext& ctx, std::string_view name, const RoomRecord& room) {
    RecordWriter out;
    WriteRoomRecord(out, room, ReadEnvelopeFiles(ctx));
    return SaveOutput(ctx, name, out);
}

bool ReadsAsRoomRecord(RecordReader in) {
    std::string item;
    for (int i = 0; i < kRoomRecordItems; ++i) {
        if (!in.next(item)) return false;
        if (i == kConstantItemIndex && item != "1") return false;
    }
    return true;
}

std::string RefuseHandoverRoomFile(const AppContext& ctx, std::string_view name) {
    if (name.find_first_of("/\\") == std::string_view::npos) {
        if (name.find("..") == std::string_view::npos) return {}; // a file of the data directory
    } else {
        std::error_code ec;
        const fs::path inDataDir = fs::weakly_canonical(PathFromUtf8(ResolveDataPath(ctx, name)), ec);
        if (!ec && inDataDir.parent_path() == fs::weakly_canonical(PathFromUtf8(ctx.dataDir), ec) && !ec)
            return {};
    }
    // Elsewhere only a file that already is a room record, or a project carrying one behind its header.
    const RecordReader file = OpenInput(ctx, name);
    RecordReader behindHeader = file;
    behindHeader.skip(kProjectHeaderItems);
    if (file.exists() && (ReadsAsRoomRecord(file) || ReadsAsRoomRecord(behindHeader))) return {};
    return "The room file handed over by another program was not opened: " + std::string(name) +
           " is neither in the data directory nor a room record.";
}

RoomLoad LoadRoomFile(AppContext& ctx, std::string_view name, RoomRecord& room) {
    const ActivationState previousState = ctx.activationState;
    ctx.activationState = ActivationState::LoadingRoom;
    RecordReader in = OpenInput(ctx, name);
    RoomLoad load;
    load.found = in.exists();
    if (load.found) {
        ReadRoomRecord(in, room);
        // A data directory that cannot be written keeps its envelope files: the caller says so.
        load.envelopeWrite = WriteEnvelopeFiles(ctx, room.envelope);
    }
    ctx.activationState = previousState;
    return load;
}

RoomSketch SketchOfRoom(const RoomRecord& room, const AppContext& ctx) {
    RoomSketch sketch =
        SketchOfRoom(NumFromText(std::string_view(room.RaumL)), NumFromText(std::string_view(room.RaumB)),
                     room.roomShape != 0, room.envelope, ctx);
    if (sketch.floorPlan) {
        // The sketch labels each drawn wall with the length the wall table holds for it.
        const Envelope env = ReadEnvelope(ctx, room.roomShape, room.envelope);
        for (int k = 0; k < env.wallCount; ++k)
            sketch.wallLengths_m.push_back(env.walls[static_cast<std::size_t>(k)].length_m);
    }
    return sketch;
}

} // namespace veskaro
