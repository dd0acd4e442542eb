#pragma once
// Layered constructions of the six envelope surfaces and their U-value: the air-movement levels with their
// surface coefficients, the layer grid, the U-value, the take-over of a catalogue material into the next
// layer and the construction files w1.dat..w4.dat, floor_CR.dat and ceiling.dat.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/message.h"
#include "app/cell_clipboard.h"

namespace veskaro {

class CaptionTable;
class RecordReader;
class RecordWriter;

// Surface numbers: 1-4 the walls, 5 the floor, 6 the ceiling.
inline constexpr int kSurfaceCount = 6;
inline constexpr int kFloorSurface = 5;
inline constexpr int kCeilingSurface = 6;

// The layer grid: row 0 headings, rows 1-10 layers; column 0 the row number.
inline constexpr int kLayerRows = 10;
inline constexpr int kLayerGridRows = kLayerRows + 1;
inline constexpr int kLayerGridColumns = 5;
inline constexpr int kColThickness = 1; // s in mm
inline constexpr int kColLambda = 2;    // thermal conductivity in W/mK
inline constexpr int kColMaterial = 3;  // material name
inline constexpr int kColNote = 4;      // free text, carried through the files

// A layer counts in R only inside these bounds; anything else (blank, zero, negative, text, an overflowed
// 1e999) is skipped and marked. 10 m is beyond any wall or slab layer; 2500 W/mK lies above diamond, the
// best solid conductor; below 0.001 W/mK no material exists (evacuated panels reach about 0.004).
inline constexpr double kMaxLayerThickness_mm = 10000.0;
inline constexpr double kMinLayerLambda_WmK = 0.001;
inline constexpr double kMaxLayerLambda_WmK = 2500.0;

// The four air-movement level captions in list order (still, slight, moderate, strong air movement).
using AirLevelCaptions = std::array<std::string, 4>;
AirLevelCaptions AirLevelCaptionsOf(const CaptionTable& captions);
// 0-3 for the trimmed text equal to a caption; any other text counts as level 2 (index 1).
int AirLevelIndex(std::string_view text, const AirLevelCaptions& levels);
// Inside surface coefficient alpha i in W/m²K of a level index 0-3: 3, 5, 7, 10.
double InsideCoefficient_Wm2K(int level);
// Outside surface coefficient alpha e in W/m²K: 5, 11, 15, 25; x 1.2 above the ceiling.
double OutsideCoefficient_Wm2K(int level, int surface);

// The construction being edited (one surface at a time).
struct Construction {
    TextGrid layers{kLayerGridRows, kLayerGridColumns};
    int nextLayerRow = 1;        // the row the next take-over fills, 1-11
    std::string uText;           // the construction's U-value as shown (".23")
    std::string temperatureText; // temperature beyond the surface
    std::string insideLevel;     // inside air-movement level caption
    std::string outsideLevel;    // outside air-movement level caption
};

enum class LayerState { Empty, Counted, Skipped }; // Skipped: filled but not counted (shown marked)

struct UValueResult {
    double alphaOutside_Wm2K = 0.0;
    double alphaInside_Wm2K = 0.0;
    double resistance_m2KW = 0.0; // sum of s/lambda of the counted layers
    double U_Wm2K = 0.0;
    std::string shownText;   // U truncated to two decimals, no leading blank: "3.43", ".23"
    std::string insideLevel; // level captions as used (an unknown text reads as level 2)
    std::string outsideLevel;
    std::array<LayerState, kLayerGridRows> rows{}; // index 1-10
};

// One layer's state from its thickness and lambda texts.
LayerState ClassifyLayer(std::string_view thicknessText, std::string_view lambdaText);
// U = 1 / (1/alpha e + 1/alpha i + sum s/lambda), W/m²K; thermal resistance of plane layers (EN ISO 6946).
// Always finite and positive.
UValueResult ComputeUValue(const Construction& construction, int surface, const AirLevelCaptions& levels);

// A catalogue row as picked: name and lambda text.
struct MaterialPick {
    std::string name;
    std::string lambda;
};
enum class TakeOverOutcome { Taken, NothingToTake, LayersFull };
// Lambda and name into the next layer row (the thickness is typed by the user). Nothing happens when the
// name or lambda is blank; refused when all ten layer rows are taken.
TakeOverOutcome TakeOverMaterial(Construction& construction, const MaterialPick& pick);
// The message that refuses a take-over into a full layer grid.
Message LayersFullMessage(const CaptionTable& captions);

// "w1.dat".."w4.dat", "floor_CR.dat", "ceiling.dat"; "" for a number outside 1-6.
std::string ConstructionFileName(int surface);

// The floor's file is also the envelope summary that the main window reads. Rule that keeps the floor's
// layers readable: floor_CR.dat always has the summary layout -
//   [next layer row, U, temperature] [12 summary texts] [8 reserved] [10 reserved] [inside, outside level]
//   [layers, 4 fields each]
// both when the floor's construction is saved and when the summary is written; loading the floor's
// construction skips the 12 summary texts. The walls' and ceiling's files have no summary block.
inline constexpr int kSummaryTexts = 12;

// Load construction: the layer rows, next layer row and level texts from a construction file (a blank
// level text gives level 2). The U and temperature texts are not taken from the file: selecting a surface
// takes them from the summary. At most ten layers are read; reading stops at the first layer with blank
// thickness and lambda.
Construction ReadConstruction(RecordReader file, int surface, const AirLevelCaptions& levels);
// Save construction: the file text of a construction; `summaryTexts` (Kwand1, twand1, ... tdecke) are
// written into the floor's file only. Rows 1 to the next layer row (or the last filled row, if lower
// down) are written when thickness and lambda are filled and the thickness is above 0.
RecordWriter ConstructionFileText(const Construction& construction, int surface,
                                  const std::array<std::string, kSummaryTexts>& summaryTexts);

// floor_CR.dat in its parts, without the summary texts.
using FieldQuad = std::array<std::string, 4>;
struct FloorFileParts {
    std::array<std::string, 3> lead{}; // next layer row, U text, temperature text
    std::array<std::string, 8> reserved{};
    std::vector<FieldQuad> quads; // 10 reserved fields and the two level texts, then one per layer
};
// Reads the parts of a floor file in the summary layout: ten quadruples always, up to three more while
// they hold a layer (so that all ten layers survive).
FloorFileParts ReadFloorFileParts(RecordReader file);
// The file text: lead in one record, the twelve summary texts one per record, the reserved fields in
// records of 3, 3 and 2, then the quadruples (at least ten records, blank ones added).
RecordWriter FloorFileText(const FloorFileParts& parts,
                           const std::array<std::string, kSummaryTexts>& summaryTexts);

} // namespace veskaro
