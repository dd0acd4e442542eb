// The room record file "KelvoL.dat": 279 items of the room, then the envelope files it carries.

#include "room/room_record.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr int kReservedItems = 9; // items 31 to 39, written empty and skipped on reading
constexpr char kGoodsJoin = '#';  // joins the entry and end temperatures of a goods row into one item

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

// A 16-bit integer from number text; text out of range leaves the target as it was.
void ReadShortInteger(RecordReader& in, int& target) {
    std::string text;
    if (!in.next(text)) return;
    const double value = std::nearbyint(NumFromText(text));
    if (std::isfinite(value) && value >= -32768.0 && value <= 32767.0) target = static_cast<int>(value);
}

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The canonical name of an envelope file, or nullptr for a name that is none of them (such a block is
// read past and never written: a record must not place files outside its own set).
const char* EnvelopeFileName(std::string_view name) {
    for (const char* known : kEnvelopeFileNames) {
        if (SameNameNoCase(name, known)) return known;
    }
    return nullptr;
}

} // namespace

std::vector<EnvelopeFileBlock> ReadEnvelopeFiles(const AppContext& ctx) {
    std::vector<EnvelopeFileBlock> blocks;
    blocks.reserve(kEnvelopeFileNames.size());
    for (const char* name : kEnvelopeFileNames) {
        EnvelopeFileBlock block{name, {}};
        RecordReader in = OpenInput(ctx, name);
        std::string item;
        while (in.next(item))
            block.items.push_back(item);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

void WriteRoomRecord(RecordWriter& out, const RoomRecord& room,
                     const std::vector<EnvelopeFileBlock>& envelope) {
    for (auto field : kHeadItems)
        out.line(field ? room.*field : std::string("1"));
    out.line(DisplayText(room.defrostFlag));
    out.line(DisplayText(room.roomShape));
    for (auto field : kDoorItems)
        out.line(room.*field);
    out.line(DisplayText(room.operatingBasis));
    for (int i = 0; i < kReservedItems; ++i)
        out.line("");
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        const GoodsRow& row = room.goods[r];
        out.line(row[kGoodsName]);
        out.line(row[kGoodsAmount]);
        out.line(row[kGoodsEntryTemp] + kGoodsJoin + row[kGoodsEndTemp]);
        for (int c = kGoodsStorageTemp; c < kGoodsGridColumns; ++c)
            out.line(row[c]);
    }
    for (const EnvelopeFileBlock& block : envelope) {
        out.line(block.name);
        out.line(DisplayText(static_cast<double>(block.items.size())));
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
        const char* known = EnvelopeFileName(name);
        EnvelopeFileBlock block{known ? known : "", {}};
        std::string item;
        // Counts come from the file: a hostile count only reads up to the end of the record.
        for (double i = 0; i < count && in.next(item); ++i) {
            if (known) block.items.push_back(item);
        }
        if (known) room.envelope.push_back(std::move(block));
    }
}

bool WriteEnvelopeFiles(const AppContext& ctx, const std::vector<EnvelopeFileBlock>& envelope) {
    bool ok = true;
    for (const EnvelopeFileBlock& block : envelope) {
        const char* known = EnvelopeFileName(block.name);
        if (!known) continue;
        RecordWriter out;
        for (const std::string& item : block.items)
            out.line(item);
        ok = SaveOutput(ctx, known, out) && ok;
    }
    return ok;
}

bool SaveRoomFile(const AppContext& ctx, std::string_view name, const RoomRecord& room) {
    RecordWriter out;
    WriteRoomRecord(out, room, ReadEnvelopeFiles(ctx));
    return SaveOutput(ctx, name, out);
}

bool LoadRoomFile(AppContext& ctx, std::string_view name, RoomRecord& room) {
    const ActivationState previousState = ctx.activationState;
    ctx.activationState = ActivationState::LoadingRoom;
    RecordReader in = OpenInput(ctx, name);
    const bool found = in.exists();
    if (found) {
        ReadRoomRecord(in, room);
        WriteEnvelopeFiles(ctx, room.envelope);
    }
    ctx.activationState = previousState;
    return found;
}

} // namespace veskaro
