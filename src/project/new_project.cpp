#include "project/new_project.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/data_dir.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "envelope/envelope_files.h"
#include "goods/goods_list.h"
#include "project/project_file.h"
#include "room/load_calc.h"
#include "room/room_record.h"

namespace veskaro {

namespace fs = std::filesystem;

namespace {

// A new room opens its door six times a day and is lit with 3 W/m² until the engineer says otherwise.
constexpr const char* kNewRoomDoorOpenings = "6";
constexpr const char* kNewRoomLighting_Wm2 = "3";

std::string DataPath(const AppContext& ctx, std::string_view name) {
    return FindFileNoCase(ResolveDataPath(ctx, name));
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathFromUtf8(path), ec);
}

// Moves data file `from` to `to`, replacing `to`. Returns the message of a move that failed ("" when it
// worked or there was nothing to move).
std::string MoveDataFile(AppContext& ctx, std::string_view from, std::string_view to) {
    const std::string source = DataPath(ctx, from);
    if (!Exists(source)) return {};
    std::string blocked = DeleteDataFile(ctx, to);
    std::error_code ec;
    fs::rename(PathFromUtf8(source), PathFromUtf8(ResolveDataPath(ctx, to)), ec);
    if (!ec) return {};
    return blocked.empty() ? BlockedFileMessage(ctx, from) : blocked;
}

void AddCritical(Messages& messages, const std::string& text) {
    if (!text.empty()) messages.push_back({MessageKind::Critical, "Veskaro", text});
}

// The restore copy of envelope file `name`.
std::string EnvelopeCopyName(const char* name) {
    return std::string(kEnvelopeRestorePrefix) + name;
}

// Copies every envelope file beside itself; a file that does not exist leaves no copy.
void CopyEnvelopeAside(AppContext& ctx) {
    for (const char* name : kEnvelopeFileNames) {
        DeleteDataFile(ctx, EnvelopeCopyName(name));
        const std::string source = DataPath(ctx, name);
        std::error_code ec;
        if (Exists(source))
            fs::copy_file(PathFromUtf8(source), PathFromUtf8(ResolveDataPath(ctx, EnvelopeCopyName(name))),
                          ec);
    }
}

void DropEnvelopeCopies(AppContext& ctx) {
    for (const char* name : kEnvelopeFileNames)
        DeleteDataFile(ctx, EnvelopeCopyName(name));
}

std::string CutText(double value) {
    return DisplayText(CutDimension(value));
}

} // namespace

// --- Setting the previous project aside and back ---------------------------------------------------

NewProjectStart SetPreviousProjectAside(AppContext& ctx, const RoomRecord& current) {
    NewProjectStart start;
    if (const WriteStatus saved = SaveRoomFile(ctx, ctx.roomFileName, current); !saved) {
        start.messages = FailureMessages(saved);
        return start;
    }
    // The room file moves aside first: while only the goods list could not follow, the previous project is
    // still whole in CRRestor.dat and a restore brings it back.
    AddCritical(start.messages, MoveDataFile(ctx, ctx.roomFileName, kRoomRestoreFile));
    if (!start.messages.empty()) return start;
    if (DataFileExists(ctx, kGoodsListFile)) {
        AddCritical(start.messages, MoveDataFile(ctx, kGoodsListFile, kGoodsRestoreFile));
    } else {
        AddCritical(start.messages, DeleteDataFile(ctx, kGoodsRestoreFile));
    }
    if (start.messages.empty()) CopyEnvelopeAside(ctx);
    if (!start.messages.empty()) {
        for (Message& message : RestoreRoomFile(ctx))
            start.messages.push_back(std::move(message));
        return start;
    }
    ctx.newProjectPending = true;
    start.started = true;
    return start;
}

Messages RestorePreviousProject(AppContext& ctx) {
    Messages messages = RestoreRoomFile(ctx);
    for (Message& message : RestorePreviousGoodsList(ctx))
        messages.push_back(std::move(message));
    ctx.newProjectPending = false;
    return messages;
}

Messages RestorePreviousGoodsList(AppContext& ctx) {
    Messages messages;
    // The goods list of the new room (written by the goods dialog's insert) must not survive the cancel,
    // also when the previous project had none.
    AddCritical(messages, DeleteDataFile(ctx, kGoodsListFile));
    AddCritical(messages, MoveDataFile(ctx, kGoodsRestoreFile, kGoodsListFile));
    return messages;
}

Messages RestorePreviousEnvelope(AppContext& ctx) {
    Messages messages;
    for (const char* name : kEnvelopeFileNames) {
        const std::string copy = EnvelopeCopyName(name);
        // No copy: the file did not exist before the sequence.
        AddCritical(messages,
                    DataFileExists(ctx, copy) ? MoveDataFile(ctx, copy, name) : DeleteDataFile(ctx, name));
    }
    return messages;
}

Messages FinishNewProject(AppContext& ctx) {
    Messages messages;
    DropEnvelopeCopies(ctx);
    AddCritical(messages, MoveDataFile(ctx, kRoomRestoreFile, ctx.roomFileName));
    AddCritical(messages, DeleteDataFile(ctx, kGoodsRestoreFile));
    ctx.newProjectPending = false;
    return messages;
}

bool PreviousProjectLeftAside(const AppContext& ctx) {
    return DataFileExists(ctx, kRoomRestoreFile);
}

void DiscardPreviousProject(AppContext& ctx) {
    DeleteDataFile(ctx, kRoomRestoreFile);
    DeleteDataFile(ctx, kGoodsRestoreFile);
    DropEnvelopeCopies(ctx);
}

// --- The dialog's values ----------------------------------------------------------------------------

double CutDimension(double value) {
    const double factor = DimensionRoundingFactor(value);
    return IntFloor(value * factor) / factor;
}

DimensionTexts NewProjectDimensions(std::string_view length, std::string_view width,
                                    std::string_view height) {
    const double l = NumFromText(length);
    const double b = NumFromText(width);
    const double h = NumFromText(height);
    return {CutText(2.0 * (l + b)), CutText(l * b), CutText(l * b * h)};
}

RoomRecord NewProjectEntry(const AppContext& ctx, const RoomRecord& previous) {
    RoomRecord entry;
    entry.proj = ProposedProjectName(ctx);
    // The site stays the same for most new rooms: its outside air and the shift pattern carry over.
    entry.AussenTemp = previous.AussenTemp;
    entry.AussenFeuchte = previous.AussenFeuchte;
    entry.Laufzeit = previous.Laufzeit;
    entry.operatingBasis = previous.operatingBasis;
    return entry;
}

std::string ProposedProjectName(const AppContext& ctx) {
    const std::string word = ctx.captions[Cap::TitleProjectWord].empty()
                                 ? std::string("Project")
                                 : ctx.captions[Cap::TitleProjectWord];
    constexpr int kMaxProposals = 9999;
    for (int n = 1; n < kMaxProposals; ++n) {
        std::string name = word + " " + std::to_string(n);
        const std::string file = NormaliseProjectFileName("", FileStemOf(name));
        if (!Exists(FindFileNoCase(ProjectFilePath(ctx, ctx.projectDir, file)))) return name;
    }
    return word + " " + std::to_string(kMaxProposals);
}

std::optional<Message> CheckNewProjectDimensions(const AppContext& ctx, const RoomRecord& entry) {
    const std::string title = "Veskaro: " + ctx.captions[Cap::NewProjectMsgTitle];
    const struct {
        const std::string* text;
        Cap caption;
        const char* prefix;
    } dimensions[] = {{&entry.RaumL, Cap::LengthWord, "Max. "},
                      {&entry.RaumB, Cap::WidthWord, "Max. "},
                      {&entry.RaumH, Cap::HeightWord, ""}};
    for (const auto& d : dimensions) {
        if (NumFromText(std::string_view(*d.text)) == 0.0)
            return Message{MessageKind::Exclamation, title, d.prefix + ctx.captions[d.caption] + " = 0 !!"};
    }
    return std::nullopt;
}

RangeWarnings CheckNewProjectRanges(const RoomRecord& entry) {
    RangeWarnings all = CheckRoomRanges(entry);
    RangeWarnings mine;
    for (RangeWarning& warning : all) {
        const bool entered = std::find(std::begin(kNewProjectFields), std::end(kNewProjectFields),
                                       warning.field) != std::end(kNewProjectFields);
        if (entered) mine.push_back(std::move(warning));
    }
    return mine;
}

void CopyNewProjectInto(const RoomRecord& entry, NewRoomKind kind, RoomRecord& room) {
    room = RoomRecord{};
    for (RoomField field : kNewProjectFields)
        FieldText(room, field) = FieldText(entry, field);
    room.tempDiffdt1 = entry.tempDiffdt1;
    room.operatingBasis = entry.operatingBasis;
    room.NBegeh = kNewRoomDoorOpenings;
    room.ELLeist = kNewRoomLighting_Wm2;
    room.roomShape = kind == NewRoomKind::FloorPlan ? kFloorPlanRoom : kRectangularRoom;
}

} // namespace veskaro
