// Reading the envelope for the transmission load from the wall dialogs' files.

#include "envelope/envelope_data.h"

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "envelope/envelope_files.h"

namespace veskaro {

namespace {

constexpr int kSummaryLeadItems = 3; // floor_CR.dat: the floor construction's first three items
constexpr int kWallTableColumns = 15;
constexpr int kWallTableWallRows = 18;

// Columns of the wall table file (1-based).
constexpr int kColDesignation = 1;
constexpr int kColLength = 2;
constexpr int kColArea = 3;
constexpr int kColU = 4;
constexpr int kColTemperature = 5;

using WallTableRow = std::array<std::string, kWallTableColumns + 1>;

// One row of the wall table; a short file leaves the cells empty.
WallTableRow ReadWallTableRow(RecordReader& in) {
    WallTableRow row{};
    for (int c = 1; c <= kWallTableColumns; ++c)
        in.read(row[c]);
    return row;
}

// The items of a carried block as a reader.
RecordReader BlockReader(const EnvelopeFileBlock& block) {
    RecordWriter text;
    for (const std::string& item : block.items)
        text.line(item);
    return RecordReader(text.text());
}

RecordReader OpenEnvelopeFile(const AppContext& ctx, const char* name,
                              const std::vector<EnvelopeFileBlock>* carried) {
    if (carried) {
        for (const EnvelopeFileBlock& block : *carried) {
            if (block.name == name) return BlockReader(block);
        }
    }
    return OpenInput(ctx, name);
}

Envelope ReadEnvelopeFrom(const AppContext& ctx, int roomShape,
                          const std::vector<EnvelopeFileBlock>* carried) {
    if (roomShape == kRectangularRoom) {
        return ReadRectangularEnvelope(OpenEnvelopeFile(ctx, "floor_CR.dat", carried),
                                       OpenEnvelopeFile(ctx, "K_w.dat", carried));
    }
    return ReadFloorPlanEnvelope(OpenEnvelopeFile(ctx, "CR_WALL.dat", carried));
}

} // namespace

Envelope ReadRectangularEnvelope(RecordReader floorFile, RecordReader standardFile) {
    // U-value and temperature texts of walls 1-4, floor and ceiling.
    std::array<std::string, 12> pairs{};
    floorFile.skip(kSummaryLeadItems);
    for (std::string& text : pairs)
        floorFile.read(text);

    bool wallWithoutData = false;
    for (std::size_t k = 0; k < kRectangularWallCount; ++k) {
        if (NumFromText(pairs[2 * k]) == 0.0 && NumFromText(pairs[2 * k + 1]) == 0.0) wallWithoutData = true;
    }
    if (wallWithoutData) {
        // The standard envelope: six pairs of which the walls take the first four; a short file leaves the
        // texts read from floor_CR.dat.
        for (int i = 0; i < 2 * kRectangularWallCount; ++i)
            standardFile.read(pairs[i]);
    }

    Envelope env;
    env.wallCount = kRectangularWallCount;
    for (std::size_t k = 0; k < kRectangularWallCount; ++k) {
        env.walls[k].U_Wm2K = NumFromText(pairs[2 * k]);
        env.walls[k].tBeyond_C = NumFromText(pairs[2 * k + 1]);
    }
    env.floorU_Wm2K = NumFromText(pairs[8]);
    env.floorT_C = NumFromText(pairs[9]);
    env.ceilingU_Wm2K = NumFromText(pairs[10]);
    env.ceilingT_C = NumFromText(pairs[11]);
    return env;
}

Envelope ReadFloorPlanEnvelope(RecordReader wallTable) {
    Envelope env;
    const WallTableRow floor = ReadWallTableRow(wallTable);
    env.floorArea_m2 = NumFromText(floor[kColArea]);
    env.floorU_Wm2K = NumFromText(floor[kColU]);
    env.floorT_C = NumFromText(floor[kColTemperature]);
    const WallTableRow ceiling = ReadWallTableRow(wallTable);
    env.ceilingU_Wm2K = NumFromText(ceiling[kColU]);
    env.ceilingT_C = NumFromText(ceiling[kColTemperature]);

    env.wallCount = 0;
    for (int k = 0; k < kWallTableWallRows; ++k) {
        const WallTableRow row = ReadWallTableRow(wallTable);
        EnvelopeWall wall;
        wall.designation = row[kColDesignation];
        wall.length_m = NumFromText(row[kColLength]);
        wall.U_Wm2K = NumFromText(row[kColU]);
        wall.tBeyond_C = NumFromText(row[kColTemperature]);
        // The outline ends at the first row without length, U-value and temperature.
        if (wall.length_m == 0.0 && wall.U_Wm2K == 0.0 && wall.tBeyond_C == 0.0) break;
        env.perimeter_m += wall.length_m;
        env.walls[env.wallCount++] = std::move(wall);
    }
    return env;
}

Envelope ReadEnvelope(const AppContext& ctx, int roomShape) {
    return ReadEnvelopeFrom(ctx, roomShape, nullptr);
}

Envelope ReadEnvelope(const AppContext& ctx, int roomShape, const std::vector<EnvelopeFileBlock>& carried) {
    return ReadEnvelopeFrom(ctx, roomShape, &carried);
}

} // namespace veskaro
