// Layered constructions: surface coefficients, U-value, take-over and construction files.

#include "envelope/construction.h"

#include <algorithm>
#include <cmath>

#include "app/captions.h"
#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

// Surface coefficients by air-movement level (still, slight, moderate, strong), W/m²K.
constexpr std::array<double, 4> kAlphaInside_Wm2K = {3.0, 5.0, 7.0, 10.0};
constexpr std::array<double, 4> kAlphaOutside_Wm2K = {5.0, 11.0, 15.0, 25.0};
// Above the ceiling the outside coefficient is raised by a fifth.
constexpr double kCeilingOutsideFactor = 1.2;
constexpr int kDefaultLevel = 1; // level 2, "slight air movement"

constexpr int kConstructionReserved1 = 8;
constexpr int kConstructionReserved2 = 10;
// Fields between field 1 and the level texts: U, temperature and both reserved blocks.
constexpr int kSkippedAfterLead = 2 + kConstructionReserved1 + kConstructionReserved2;
// Quadruples of the floor file: 10 reserved + 2 level texts make the first three.
constexpr int kFloorLevelQuads = 3;
constexpr int kFloorCopiedQuads = 10;
constexpr int kFloorMaxQuads = kFloorLevelQuads + kLayerRows;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsBlank(std::string_view text) {
    return Trim(text).empty();
}

int ClampLevel(int level) {
    return std::clamp(level, 0, 3);
}

// The layer rows that Save construction writes.
int LastRowToWrite(const Construction& c) {
    int last = std::clamp(c.nextLayerRow, 1, kLayerRows);
    for (int r = kLayerRows; r > last; --r) {
        if (!IsBlank(c.layers.at(r, kColThickness)) && !IsBlank(c.layers.at(r, kColLambda))) return r;
    }
    return last;
}

bool RowIsWritten(const Construction& c, int row) {
    const std::string& s = c.layers.at(row, kColThickness);
    return !IsBlank(s) && !IsBlank(c.layers.at(row, kColLambda)) && NumFromText(std::string_view(s)) > 0.0;
}

std::string LevelOrDefault(const std::string& text, const AirLevelCaptions& levels) {
    return IsBlank(text) ? levels[kDefaultLevel] : text;
}

} // namespace

AirLevelCaptions AirLevelCaptionsOf(const CaptionTable& captions) {
    return {captions[Cap::AirLevelStill], captions[Cap::AirLevelSlight], captions[Cap::AirLevelModerate],
            captions[Cap::AirLevelStrong]};
}

int AirLevelIndex(std::string_view text, const AirLevelCaptions& levels) {
    const std::string_view trimmed = Trim(text);
    for (int i = 0; i < 4; ++i) {
        if (!levels[i].empty() && trimmed == Trim(levels[i])) return i;
    }
    return kDefaultLevel;
}

double InsideCoefficient_Wm2K(int level) {
    return kAlphaInside_Wm2K[ClampLevel(level)];
}

double OutsideCoefficient_Wm2K(int level, int surface) {
    const double alpha = kAlphaOutside_Wm2K[ClampLevel(level)];
    return surface == kCeilingSurface ? alpha * kCeilingOutsideFactor : alpha;
}

LayerState ClassifyLayer(std::string_view thicknessText, std::string_view lambdaText) {
    if (IsBlank(thicknessText) && IsBlank(lambdaText)) return LayerState::Empty;
    const double s_mm = NumFromText(thicknessText);
    const double lambda = NumFromText(lambdaText);
    const bool ok = s_mm > 0.0 && s_mm <= kMaxLayerThickness_mm && lambda >= kMinLayerLambda_WmK &&
                    lambda <= kMaxLayerLambda_WmK;
    return ok ? LayerState::Counted : LayerState::Skipped;
}

UValueResult ComputeUValue(const Construction& c, int surface, const AirLevelCaptions& levels) {
    UValueResult r;
    const int outside = AirLevelIndex(c.outsideLevel, levels);
    const int inside = AirLevelIndex(c.insideLevel, levels);
    r.outsideLevel = levels[outside];
    r.insideLevel = levels[inside];
    r.alphaOutside_Wm2K = OutsideCoefficient_Wm2K(outside, surface);
    r.alphaInside_Wm2K = InsideCoefficient_Wm2K(inside);
    for (int row = 1; row <= kLayerRows; ++row) {
        const std::string& s = c.layers.at(row, kColThickness);
        const std::string& lambda = c.layers.at(row, kColLambda);
        r.rows[row] = ClassifyLayer(s, lambda);
        if (r.rows[row] == LayerState::Counted)
            r.resistance_m2KW +=
                (NumFromText(std::string_view(s)) / 1000.0) / NumFromText(std::string_view(lambda));
    }
    r.U_Wm2K = 1.0 / (1.0 / r.alphaOutside_Wm2K + 1.0 / r.alphaInside_Wm2K + r.resistance_m2KW);
    std::string shown = DisplayText(TruncateDecimals(r.U_Wm2K, 2));
    if (!shown.empty() && shown.front() == ' ') shown.erase(0, 1);
    r.shownText = shown;
    return r;
}

TakeOverOutcome TakeOverMaterial(Construction& c, const MaterialPick& pick) {
    if (IsBlank(pick.name) || IsBlank(pick.lambda)) return TakeOverOutcome::NothingToTake;
    if (c.nextLayerRow < 1 || c.nextLayerRow > kLayerRows) return TakeOverOutcome::LayersFull;
    c.layers.set(c.nextLayerRow, kColLambda, pick.lambda);
    c.layers.set(c.nextLayerRow, kColMaterial, pick.name);
    ++c.nextLayerRow;
    return TakeOverOutcome::Taken;
}

Message LayersFullMessage(const CaptionTable& captions) {
    return {MessageKind::Exclamation, captions[Cap::WallDialogTitle],
            captions[Cap::LayersWord] + " > " + std::to_string(kLayerRows) + " !"};
}

std::string ConstructionFileName(int surface) {
    if (surface == kFloorSurface) return "floor_CR.dat";
    if (surface == kCeilingSurface) return "ceiling.dat";
    if (surface >= 1 && surface <= 4) return "w" + std::to_string(surface) + ".dat";
    return {};
}

Construction ReadConstruction(RecordReader file, int surface, const AirLevelCaptions& levels) {
    Construction c;
    std::string lead;
    file.read(lead);
    file.skip(kSkippedAfterLead + (surface == kFloorSurface ? kSummaryTexts : 0));
    file.read(c.insideLevel);
    file.read(c.outsideLevel);
    c.insideLevel = LevelOrDefault(c.insideLevel, levels);
    c.outsideLevel = LevelOrDefault(c.outsideLevel, levels);

    int row = 1;
    if (NumFromText(std::string_view(lead)) != 0.0) {
        while (row <= kLayerRows && !file.atEnd()) {
            FieldQuad q{};
            for (std::string& field : q)
                file.read(field);
            if (IsBlank(q[0]) && IsBlank(q[1])) break;
            for (int col = 0; col < 4; ++col)
                c.layers.set(row, kColThickness + col, q[col]);
            ++row;
        }
    }
    c.nextLayerRow = row;
    return c;
}

RecordWriter ConstructionFileText(const Construction& c, int surface,
                                  const std::array<std::string, kSummaryTexts>& summaryTexts) {
    std::vector<FieldQuad> layers;
    const int last = LastRowToWrite(c);
    for (int r = 1; r <= last; ++r) {
        if (RowIsWritten(c, r))
            layers.push_back({c.layers.at(r, 1), c.layers.at(r, 2), c.layers.at(r, 3), c.layers.at(r, 4)});
    }
    const std::string lead = DisplayText(c.nextLayerRow);

    if (surface == kFloorSurface) {
        FloorFileParts parts;
        parts.lead = {lead, c.uText, c.temperatureText};
        parts.quads = {FieldQuad{}, FieldQuad{}, FieldQuad{"", "", c.insideLevel, c.outsideLevel}};
        parts.quads.insert(parts.quads.end(), layers.begin(), layers.end());
        return FloorFileText(parts, summaryTexts);
    }

    RecordWriter w;
    w.userLine(lead).userLine(c.uText).userLine(c.temperatureText);
    for (int i = 0; i < kConstructionReserved1; ++i)
        w.userStr("");
    w.endLine();
    for (int i = 0; i < kConstructionReserved2; ++i)
        w.userStr("");
    w.endLine();
    w.userLine(c.insideLevel).userLine(c.outsideLevel);
    for (const FieldQuad& q : layers)
        w.userStr(q[0]).userStr(q[1]).userStr(q[2]).userStr(q[3]).endLine();
    return w;
}

FloorFileParts ReadFloorFileParts(RecordReader file) {
    FloorFileParts parts;
    for (std::string& field : parts.lead)
        file.read(field);
    file.skip(kSummaryTexts);
    for (std::string& field : parts.reserved)
        file.read(field);
    for (int i = 0; i < kFloorMaxQuads; ++i) {
        FieldQuad q{};
        for (std::string& field : q)
            file.read(field);
        if (i >= kFloorCopiedQuads && IsBlank(q[0]) && IsBlank(q[1])) break;
        parts.quads.push_back(std::move(q));
    }
    return parts;
}

RecordWriter FloorFileText(const FloorFileParts& parts,
                           const std::array<std::string, kSummaryTexts>& summaryTexts) {
    RecordWriter w;
    w.userStr(parts.lead[0]).userStr(parts.lead[1]).userStr(parts.lead[2]).endLine();
    for (const std::string& text : summaryTexts)
        w.userLine(text);
    const auto& rs = parts.reserved;
    w.userStr(rs[0]).userStr(rs[1]).userStr(rs[2]).endLine();
    w.userStr(rs[3]).userStr(rs[4]).userStr(rs[5]).endLine();
    w.userStr(rs[6]).userStr(rs[7]).endLine();
    const std::size_t count = std::max<std::size_t>(parts.quads.size(), kFloorCopiedQuads);
    for (std::size_t i = 0; i < count; ++i) {
        const FieldQuad q = i < parts.quads.size() ? parts.quads[i] : FieldQuad{};
        w.userStr(q[0]).userStr(q[1]).userStr(q[2]).userStr(q[3]).endLine();
    }
    return w;
}

} // namespace veskaro
