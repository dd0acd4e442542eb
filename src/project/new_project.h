#pragma once
// The new-project sequence: the current project is set aside, the engineer enters the new room in
// `NewProject`, then the walls (or the floor plan) and the goods; Cancel at any step puts the previous
// project back as it was, O.K. in the goods dialog ends the sequence with the new room in the window.
//
// Files while the sequence runs (data directory):
//   CRRestor.dat  the previous room record (room items and its envelope blocks)
//   CRKgRest.dat  the previous goods list Akt_Kgut.dat, byte for byte (absent when there was none)
//   CRR_*.dat     the previous envelope files, byte for byte
// Both disappear when the sequence ends; a CRRestor.dat found at start-up is left by a killed sequence.

#include <optional>
#include <string>
#include <string_view>

#include "app/message.h"
#include "room/room_fields.h"

namespace veskaro {

struct AppContext;
struct RoomRecord;

inline constexpr std::string_view kGoodsRestoreFile = "CRKgRest.dat";
// The envelope files are copied aside byte for byte as "CRR_" & name: reloading the room record rewrites
// them with the same items but not always the same line layout.
inline constexpr std::string_view kEnvelopeRestorePrefix = "CRR_";

// The room kind chosen in `NewProject`: which dialog follows.
enum class NewRoomKind : int { FloorPlan = 1, Rectangular = 2 };

// --- Setting the previous project aside and back ---------------------------------------------------

// Start of the sequence: writes `current` as the room file, moves it to CRRestor.dat, moves the goods
// list to CRKgRest.dat and deletes both originals, then sets ctx.newProjectPending. Nothing is deleted
// when the room could not be written: the messages say why and the sequence must not start.
struct NewProjectStart {
    bool started = false;
    Messages messages;
};
NewProjectStart SetPreviousProjectAside(AppContext& ctx, const RoomRecord& current);

// Cancel at any step: the previous room file (RestoreRoomFile, activation state NeverActivated, so that
// the window reloads it with its envelope) and the previous goods list come back; the flag is cleared.
Messages RestorePreviousProject(AppContext& ctx);
// The goods list part of it, for a dialog that put the room file back itself.
Messages RestorePreviousGoodsList(AppContext& ctx);

// After the window reloaded the previous room: its envelope files exactly as they were (a file that did
// not exist is removed again).
Messages RestorePreviousEnvelope(AppContext& ctx);

// O.K. of the goods dialog: the previous room file goes back as the room file (the new room lives in the
// window until it is saved), the goods restore copy is dropped, the flag is cleared.
Messages FinishNewProject(AppContext& ctx);

// True when a restore copy of the room file lies in the data directory (a sequence that never ended).
bool PreviousProjectLeftAside(const AppContext& ctx);
// A sequence that never ended was declined: the restore copies are deleted.
void DiscardPreviousProject(AppContext& ctx);

// --- The dialog's values ----------------------------------------------------------------------------

// A dimension value as `NewProject` shows it: cut (not rounded) to 2 decimals, to 1 above 10, to whole
// units above 100.
double CutDimension(double value);

struct DimensionTexts {
    std::string perimeter; // m, `Umfang`
    std::string area;      // m², `Area`
    std::string volume;    // m³, `Vol`
};
// Perimeter 2(L + B), floor area L·B and volume L·B·H of the typed texts (decimal comma accepted).
DimensionTexts NewProjectDimensions(std::string_view length, std::string_view width, std::string_view height);

// The fields `NewProject` edits, in tab order.
inline constexpr RoomField kNewProjectFields[] = {
    RoomField::proj,     RoomField::projbeschr, RoomField::RaumL,         RoomField::RaumB,
    RoomField::RaumH,    RoomField::RaumTemp,   RoomField::RaumFeuchte,   RoomField::tempdiff,
    RoomField::verdTemp, RoomField::AussenTemp, RoomField::AussenFeuchte, RoomField::Laufzeit,
};

// The initial entry: the room of a missing room record, with the previous project's outside air and
// operating time (basis included) and a proposed project name.
RoomRecord NewProjectEntry(const AppContext& ctx, const RoomRecord& previous);
// "Project n" (the project word of the captions) with the smallest n >= 1 whose project file, named by the
// project folder's rule (file stem & ".prj"), does not exist yet in ctx.projectDir.
std::string ProposedProjectName(const AppContext& ctx);

// Weiter_proj's check of the dimensions: the message for the first of length, width and height that reads
// as 0 ("Max. Length = 0 !!", "Max. Width = 0 !!", "Height = 0 !!"), titled "Veskaro: " & caption.
std::optional<Message> CheckNewProjectDimensions(const AppContext& ctx, const RoomRecord& entry);
// The entry's fields whose values lie outside their physical range (negative or huge dimensions, a
// humidity above 100 %).
RangeWarnings CheckNewProjectRanges(const RoomRecord& entry);

// Weiter_proj's copy: the entry's fields into the room, which starts as a missing room record; door
// openings "6", lighting "3", and the room shape of the kind.
void CopyNewProjectInto(const RoomRecord& entry, NewRoomKind kind, RoomRecord& room);

} // namespace veskaro
