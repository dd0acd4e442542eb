#pragma once
// The room record: every input of one cold room as the text the engineer typed, plus the goods grid.
// The record file "KelvoL.dat" is its stored form.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/record_file.h"
#include "envelope/envelope_files.h"
#include "goods/goods_grid.h"
#include "report/room_sketch.h"

namespace veskaro {

struct AppContext;

// The room record file of the data directory: the default room, loaded at start-up and saved at exit.
inline constexpr const char* kDefaultRoomFile = "KelvoL.dat";

struct RoomRecord {
    std::string RaumL, RaumB, RaumH;       // m
    std::string RaumTemp, RaumFeuchte;     // °C, %
    std::string AussenTemp, AussenFeuchte; // °C, %
    std::string RaumLW;                    // 1/h
    std::string Laufzeit;                  // h/day
    std::string PersZahl;                  // person-hours per day
    std::string NBegeh;                    // door openings per day
    std::string ELLeist;                   // lighting, W/m²
    std::string tempdiff;                  // K
    std::string verdTemp;                  // °C
    std::string VerdNam;                   // chosen evaporator
    std::string PlueftPN;                  // fan power per evaporator, W
    std::string Abtau;                     // defrost heater power per evaporator, W
    std::string AbtauAnt;                  // defrost time share, %
    std::string AnzVerd;                   // number of evaporators
    std::string proj, projbeschr;          // project name and description
    std::string LWTuer;                    // door air change, 1/h
    std::string bTuer, hTuer;              // door width and height, m
    std::string oeffungsZ;                 // door opening time, h/day
    std::string Eltotal;                   // other electrical power, W
    std::string tempDiffdt1;               // air cooler inlet temperature difference, K (not stored)
    std::string LWergeb;                   // computed door air change, 1/h (door panel, not stored)

    int defrostFlag = 0;    // 1 when the engineer gave a heater power
    int roomShape = 0;      // 0 rectangular, other floor plan
    int operatingBasis = 0; // 0 daily operation over 24 h, 1 shock operation

    GoodsGrid goods{}; // index 1..50; index 0 unused

    // Envelope files carried after item 279 (empty when the record ended at item 279).
    std::vector<EnvelopeFileBlock> envelope;
};

inline constexpr int kRoomRecordItems = 279; // items before the envelope block

// Appends the 279 room items, then one block per envelope file: name, item count, items. Every text of
// the room is written as StorableText (no double quote, no line end); a goods entry temperature also
// loses any "#", the join of its item.
void WriteRoomRecord(RecordWriter& out, const RoomRecord& room,
                     const std::vector<EnvelopeFileBlock>& envelope);
// Reads the room items (a short record leaves the remaining fields as they were) and the envelope blocks
// behind them into room.envelope (left empty when the record ends at item 279).
void ReadRoomRecord(RecordReader& in, RoomRecord& room);
// Saves the room record with the data directory's envelope files as `name` (normally "KelvoL.dat").
WriteStatus SaveRoomFile(const AppContext& ctx, std::string_view name, const RoomRecord& room);
// Reads the first 279 items of `in` and tells whether they have the form of a room record.
bool ReadsAsRoomRecord(RecordReader in);
// "" when a hand-over request may open `name` as its room file: a file of the data directory, or an
// existing room record or project file. Else the message for the user (the request is then ignored, so
// that no save is ever aimed at a file the engineer did not choose).
std::string RefuseHandoverRoomFile(const AppContext& ctx, std::string_view name);
// What loading a room record did: whether the file was there, and how writing the envelope files it
// carries into the data directory went.
struct RoomLoad {
    bool found = false;
    WriteStatus envelopeWrite;
    explicit operator bool() const { return found; }
};
// Loads `name` into room with the activation state LoadingRoom meanwhile; the envelope blocks it carries
// are written back into the data directory.
RoomLoad LoadRoomFile(AppContext& ctx, std::string_view name, RoomRecord& room);

// The sketch of the room for the report: L x B, or the walls of its floor plan.
RoomSketch SketchOfRoom(const RoomRecord& room, const AppContext& ctx);

} // namespace veskaro
