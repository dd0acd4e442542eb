#pragma once
// The envelope summary of the wall dialog: U-value and temperature beyond for walls 1-4, floor and
// ceiling, as texts. Read when the dialog opens (floor_CR.dat, or K_w.dat), kept as the user's standard
// in K_w.dat, and written back into floor_CR.dat (through nix.dat) when the dialog closes.

#include <array>
#include <string>
#include <string_view>

#include "app/record_file.h"
#include "envelope/construction.h"

namespace veskaro {

struct AppContext;

inline constexpr const char* kStandardEnvelopeFile = "K_w.dat";
inline constexpr const char* kSummaryScratchFile = "nix.dat";

struct EnvelopeSummary {
    // Index 0-5 = surface 1-6 (walls 1-4, floor, ceiling).
    std::array<std::string, kSurfaceCount> uText{};
    std::array<std::string, kSurfaceCount> temperatureText{};

    // The twelve texts in file order: Kwand1, twand1, ..., Kboden, tboden, KDecke, tdecke.
    std::array<std::string, kSummaryTexts> texts() const;
};

// Defaults of the boxes: walls "0,4", floor "0,25" at "15", ceiling "0,45"; every
// temperature except the floor's is the main window's outside temperature text.
EnvelopeSummary DefaultEnvelopeSummary(std::string_view outsideTemperatureText);

// The summary when the dialog opens: from floor_CR.dat after its three lead fields, unless wall 1's U and
// temperature there are both 0, then from K_w.dat. Blank texts take the defaults.
EnvelopeSummary ReadDialogSummary(const RecordReader& floorFile, const RecordReader& standardFile,
                                  std::string_view outsideTemperatureText);
EnvelopeSummary LoadDialogSummary(const AppContext& ctx, std::string_view outsideTemperatureText);

// K_w.dat: twelve records of one text each, in file order.
RecordWriter StandardEnvelopeText(const EnvelopeSummary& summary);
// Load standard: the six pairs of K_w.dat into the boxes; a short file leaves the later boxes as they are.
void ReadStandardEnvelope(RecordReader file, EnvelopeSummary& summary);
WriteStatus SaveStandardEnvelope(const AppContext& ctx, const EnvelopeSummary& summary);
void LoadStandardEnvelope(const AppContext& ctx, EnvelopeSummary& summary);

// Copy wall 1: its U and temperature texts into walls 2-4, floor and ceiling.
void CopyWall1ToAll(EnvelopeSummary& summary);

// Select a surface: its U and temperature texts from the summary, the rest from its construction file.
Construction OpenSurface(const AppContext& ctx, const EnvelopeSummary& summary, int surface,
                         const AirLevelCaptions& levels);
// Save construction: the construction's U and temperature texts into the surface's boxes, then its file.
WriteStatus SaveConstruction(const AppContext& ctx, EnvelopeSummary& summary,
                             const Construction& construction, int surface);

// Write envelope summary: floor_CR.dat with the twelve texts after its lead record, the floor's
// construction kept behind them.
RecordWriter FloorFileWithSummary(RecordReader oldFloorFile, const EnvelopeSummary& summary);
struct SummaryWriteResult {
    bool written = false;
    WriteStatus status;         // the failed step (scratch file or rename) when not written
    std::string blockedMessage; // the once-per-run "System blocked." text when floor_CR.dat stayed
};
// Through the scratch file nix.dat, which takes the name floor_CR.dat when complete.
SummaryWriteResult WriteEnvelopeSummary(AppContext& ctx, const EnvelopeSummary& summary);

} // namespace veskaro
