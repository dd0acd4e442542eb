#pragma once
// Rooms for the record, project and calculation tests.

#include <array>
#include <string>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/record_file.h"
#include "room/room_record.h"

namespace veskaro::testing {

// A context with the shipped English captions, so expected messages and labels read as the user sees them.
inline AppContext EnglishContext() {
    AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR;
    LoadCaptions(ctx);
    return ctx;
}

// The text of field n of SampleRoom(): a distinct text holding a comma.
inline std::string SampleField(int n) {
    return "field " + std::to_string(n) + ", with comma";
}

// The text fields of a room in the order of the record's text items (items 1-8, 10-22 and 25-29).
inline std::array<std::string*, 26> TextFields(RoomRecord& room) {
    return {&room.RaumL,      &room.RaumB,         &room.RaumH,    &room.RaumTemp, &room.RaumFeuchte,
            &room.AussenTemp, &room.AussenFeuchte, &room.RaumLW,   &room.Laufzeit, &room.PersZahl,
            &room.NBegeh,     &room.ELLeist,       &room.tempdiff, &room.verdTemp, &room.VerdNam,
            &room.PlueftPN,   &room.Abtau,         &room.AbtauAnt, &room.AnzVerd,  &room.proj,
            &room.projbeschr, &room.LWTuer,        &room.bTuer,    &room.hTuer,    &room.oeffungsZ,
            &room.Eltotal};
}

// SampleRoom: SampleField(n) in every text field, distinct flags, every goods cell of the counted rows
// filled ("row,column").
inline RoomRecord SampleRoom() {
    RoomRecord room;
    int n = 0;
    for (std::string* text : TextFields(room))
        *text = SampleField(++n);
    room.defrostFlag = 1;
    room.roomShape = 2;
    room.operatingBasis = 3;
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        for (int c = 1; c < kGoodsGridColumns; ++c)
            room.goods[r][c] = std::to_string(r) + "," + std::to_string(c);
    }
    return room;
}

// Fills goods row `row`: amount kg/day, entry, end and freezing temperature °C, c_1 and c_2 kJ/(kg K),
// h_fr kJ/kg, respiration kJ/(kg day).
inline void SetGoods(RoomRecord& room, int row, const char* name, const std::array<const char*, 8>& values) {
    const int columns[] = {kGoodsAmount,  kGoodsEntryTemp, kGoodsEndTemp,    kGoodsFreezingTemp,
                           kGoodsCpAbove, kGoodsCpBelow,   kGoodsLatentHeat, kGoodsRespiration};
    room.goods[row][kGoodsName] = name;
    for (std::size_t k = 0; k < values.size(); ++k)
        room.goods[row][columns[k]] = values[k];
}

// The record text of a room with the envelope blocks it carries.
inline std::string RoomText(const RoomRecord& room) {
    RecordWriter out;
    WriteRoomRecord(out, room, room.envelope);
    return out.text();
}

} // namespace veskaro::testing
