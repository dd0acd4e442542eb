#pragma once
// The envelope as the main window holds it for the transmission load: walls with length, U-value and the
// temperature beyond, floor and ceiling, and for a room drawn as a floor plan its area and perimeter.

#include <array>
#include <string>
#include <vector>

namespace veskaro {

struct AppContext;
struct EnvelopeFileBlock;
class RecordReader;

inline constexpr int kRectangularWallCount = 4;
inline constexpr int kMaxFloorPlanWalls = 18;

struct EnvelopeWall {
    std::string designation; // floor-plan wall table only
    double length_m = 0.0;   // floor-plan room; a rectangular room takes its lengths from L and B
    double U_Wm2K = 0.0;
    double tBeyond_C = 0.0; // temperature on the far side of the wall
};

struct Envelope {
    int wallCount = kRectangularWallCount;
    std::array<EnvelopeWall, kMaxFloorPlanWalls> walls{};
    double floorU_Wm2K = 0.0;
    double floorT_C = 0.0; // temperature below the floor
    double ceilingU_Wm2K = 0.0;
    double ceilingT_C = 0.0;   // temperature above the ceiling
    double floorArea_m2 = 0.0; // floor-plan room only
    double perimeter_m = 0.0;  // floor-plan room only: sum of the wall lengths
};

// Reads the envelope of the data directory. Rectangular room (roomShape 0): "floor_CR.dat" (3 items
// skipped, the U/temperature pairs of walls 1-4, floor, ceiling); when any wall pair reads 0/0 the four
// wall pairs come from "K_w.dat" instead. Floor-plan room (other shapes): "CR_WALL.dat". Missing files
// give zeros, which the load calculation replaces by its defaults.
Envelope ReadEnvelope(const AppContext& ctx, int roomShape);
// The same, taking each file from the blocks carried by a room record when it is among them, else from
// the data directory.
Envelope ReadEnvelope(const AppContext& ctx, int roomShape, const std::vector<EnvelopeFileBlock>& carried);

// The same from readers already open (tests and the command line, which reads the envelope carried inside
// a room record): `floorFile` / `standardFile` for a rectangular room, `wallTable` for a floor plan.
Envelope ReadRectangularEnvelope(RecordReader floorFile, RecordReader standardFile);
Envelope ReadFloorPlanEnvelope(RecordReader wallTable);

} // namespace veskaro
