#pragma once
// Where a headless command finds its room: a room record file or a project of this program, read in
// memory; or the data directory's room record. Shared by `calc` and `report`.

#include <string>

#include "app/app_context.h"
#include "app/startup.h"
#include "room/load_calc.h"
#include "room/room_record.h"

namespace veskaro {

// Reads FILE, a room record ("KelvoL.dat" form) or a ".prj" project of this program, into room. Nothing is
// written anywhere. Returns "" on success, else the reason, one line.
// projectName, when given, receives the project's name from its header ("" for a room record file).
std::string ReadRoomFromFile(const std::string& path, RoomRecord& room, std::string* projectName = nullptr);

// Reads the data directory's room record file (ctx.roomFileName). Returns "" on success, else the reason.
std::string ReadRoomFromDataDir(const AppContext& ctx, RoomRecord& room);

// The room of a headless command and the run it belongs to.
struct HeadlessRoom {
    AppContext ctx;
    RoomRecord room;
    std::string source; // the file read
};

// Reads FILE (when given) before anything touches the data directory, so an unreadable FILE changes
// nothing; then starts up (data directory, seed files, settings, captions) and, without FILE, reads the data
// directory's room record. Returns "" on success, else the reason, one line.
std::string OpenHeadlessRoom(const std::string& file, const StartupOptions& startup, HeadlessRoom& out);

// The air cooler's inlet temperature difference Δt_1 = Int(ΔT·12.5)/10 (1.25·ΔT cut to one decimal) when
// the field is blank: the room record file does not store it.
void FillCoolerTempDiff(RoomRecord& room);

// The calculate command without a window: the envelope (the record's carried blocks first, then the data
// directory), Δt_1, humidity to temperature difference, then the load calculation. Writes no file.
RecalcResult CalculateRoom(RoomRecord& room, const AppContext& ctx);

} // namespace veskaro
