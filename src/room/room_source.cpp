// Reading a room for the headless commands, and the calculate command without a window.

#include "room/room_source.h"

#include <optional>

#include "app/app_context.h"
#include "app/data_dir.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "envelope/envelope_data.h"
#include "project/project_file.h"
#include "room/humidity.h"

namespace veskaro {

namespace {

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsNoCase(std::string_view(text).substr(text.size() - suffix.size()), suffix);
}

} // namespace

std::string ReadRoomFromFile(const std::string& path, RoomRecord& room, std::string* projectName) {
    if (EndsWithNoCase(path, ".prj")) {
        // A project carries the room record behind its four header strings.
        const std::optional<ProjectFile> project = ReadProjectFile(path);
        if (!project) return "cannot read project " + path;
        if (!EqualsNoCase(project->header.programCode, "CR")) {
            return path + " is a project of program \"" + project->header.programCode + "\", not a cold room";
        }
        if (projectName != nullptr) *projectName = project->header.name;
        RecordReader in(CarriedFileContent(*project).text());
        ReadRoomRecord(in, room);
        return "";
    }
    RecordReader in = RecordReader::fromFile(path);
    if (!in.exists()) return "cannot read " + path;
    ReadRoomRecord(in, room);
    return "";
}

std::string ReadRoomFromDataDir(const AppContext& ctx, RoomRecord& room) {
    RecordReader in = OpenInput(ctx, ctx.roomFileName);
    if (!in.exists()) return "no room record " + ctx.roomFileName + " in " + ctx.dataDir;
    ReadRoomRecord(in, room);
    return "";
}

std::string OpenHeadlessRoom(const std::string& file, const StartupOptions& startup, HeadlessRoom& out) {
    out.source = file;
    if (!file.empty()) {
        if (std::string problem = ReadRoomFromFile(file, out.room); !problem.empty()) return problem;
    }
    out.ctx = StartUp(startup);
    if (file.empty()) {
        if (std::string problem = ReadRoomFromDataDir(out.ctx, out.room); !problem.empty()) return problem;
        out.source = ResolveDataPath(out.ctx, out.ctx.roomFileName);
    }
    return "";
}

void FillCoolerTempDiff(RoomRecord& room) {
    if (room.tempDiffdt1.find_first_not_of(' ') != std::string::npos) return;
    const double deltaT = NumFromText(std::string_view(room.tempdiff));
    if (deltaT > 0.0) room.tempDiffdt1 = DisplayText(IntFloor(deltaT * 12.5) / 10.0);
}

RecalcResult CalculateRoom(RoomRecord& room, const AppContext& ctx) {
    const Envelope env = ReadEnvelope(ctx, room.roomShape, room.envelope);
    FillCoolerTempDiff(room);
    double sharedDeltaT_K = 0.0; // a single calculation keeps no shared difference
    SyncBeforeCalculation(room, sharedDeltaT_K);
    return Recalc(room, env, ctx);
}

} // namespace veskaro
