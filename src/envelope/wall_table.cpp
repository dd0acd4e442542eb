// The wall table of a floor-plan room: cells, wall areas, the column checks, the file and the window types.

#include "envelope/wall_table.h"

#include "app/app_context.h"
#include "app/languages.h"
#include "app/number_text.h"

namespace veskaro {

namespace {

const std::string kNoCell;

// Number text as the table shows it: display form without the leading blank.
std::string CellNumber(double value) {
    std::string text = DisplayText(value);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

bool InTable(int row, int column) {
    return row >= 1 && row <= kWallTableRows && column >= 1 && column <= kWallTableColumns;
}

// The five checked columns in the order of their messages.
constexpr std::array<int, 5> kCheckedColumns = {kColLength, kColArea, kColU, kColTemperature,
                                                kColDensityClass};

} // namespace

double WallArea_m2(double length_m, double height_m) {
    return TruncateDecimals(length_m * height_m, 2);
}

const std::string& WallTable::cell(int row, int column) const {
    if (!InTable(row, column)) return kNoCell;
    return m_cells[static_cast<std::size_t>((row - 1) * kWallTableColumns + column - 1)];
}

void WallTable::setCell(int row, int column, std::string text) {
    if (!InTable(row, column)) return;
    m_cells[static_cast<std::size_t>((row - 1) * kWallTableColumns + column - 1)] = std::move(text);
}

void WallTable::setWallLength(int wall, double length_m, double height_m) {
    if (wall < 1 || wall > kMaxTableWalls) return;
    setCell(WallRow(wall), kColLength, CellNumber(length_m));
    updateWallArea(WallRow(wall), height_m);
}

void WallTable::updateWallArea(int row, double height_m) {
    if (row < kFirstWallRow || row > kWallTableRows) return;
    if (IsBlank(cell(row, kColLength))) return;
    setCell(row, kColArea, CellNumber(WallArea_m2(NumFromText(cell(row, kColLength)), height_m)));
}

void WallTable::updateAllWallAreas(double height_m) {
    for (int row = kFirstWallRow; row <= kWallTableRows; ++row)
        updateWallArea(row, height_m);
}

void WallTable::clearWallsFrom(int wall) {
    for (int w = std::max(wall, 1); w <= kMaxTableWalls; ++w) {
        for (int c = 1; c <= kWallTableColumns; ++c)
            setCell(WallRow(w), c, {});
    }
}

void WallTable::proposeFloorCeilingArea(double area_m2, const CaptionTable& captions) {
    if (!(area_m2 > 0.0)) return;
    const std::pair<int, Cap> surfaces[] = {{kFloorRow, Cap::FloorWord}, {kCeilingRow, Cap::CeilingWord}};
    for (const auto& [row, word] : surfaces) {
        const double entered = NumFromText(cell(row, kColArea));
        if (entered != 0.0) continue;
        setCell(row, kColArea, CellNumber(TruncateDecimals(area_m2, 2)));
        if (IsBlank(cell(row, kColDesignation))) setCell(row, kColDesignation, captions[word]);
    }
}

std::string WallColumnName(int column, const CaptionTable& captions) {
    switch (column) {
    case kColDesignation:
        return captions[Cap::DesignationHeader];
    case kColLength:
        return captions[Cap::LengthWord];
    case kColArea:
        return captions[Cap::AreaHeader];
    case kColU:
        return "K";
    case kColTemperature:
        return captions[Cap::AmbientTemperatureLabel];
    case kColOutsideWall:
        return captions[Cap::OutsideWallHeader];
    case kColOrientation:
        return captions[Cap::OrientationHeader];
    case kColDensityClass:
        return captions[Cap::FifthCheckColumnWord];
    case kColWindowCount:
        return captions[Cap::WindowCountHeader];
    case kColWindowWidth:
        return captions[Cap::WindowWidthHeader];
    case kColWindowHeight:
        return captions[Cap::WindowHeightHeader];
    case kColWindowValue:
        return captions[Cap::WindowValueHeader];
    case kColWindowType:
        return captions[Cap::WindowTypeHeader];
    case kColShading:
        return captions[Cap::ShadingHeader];
    default:
        return {};
    }
}

std::vector<WallTableProblem> CheckWallTable(const WallTable& table, const CaptionTable& captions) {
    std::vector<WallTableProblem> problems;
    for (const int column : kCheckedColumns) {
        WallTableProblem problem;
        problem.column = column;
        const int firstRow = column == kColLength ? kFirstWallRow : kFloorRow;
        for (int row = firstRow; row <= kWallTableRows; ++row) {
            if (IsBlank(table.cell(row, kColDesignation))) continue;
            const std::string& text = table.cell(row, column);
            if (IsBlank(text) || NumFromText(text) == 0.0) problem.rows.push_back(row);
        }
        if (problem.rows.empty()) continue;
        std::string rows;
        for (const int row : problem.rows)
            rows += (rows.empty() ? "" : ",") + std::to_string(row);
        problem.message =
            captions[Cap::WallCheckIntro] + " " + WallColumnName(column, captions) + " : " + rows + " = 0 !!";
        problems.push_back(std::move(problem));
    }
    return problems;
}

std::string WallTableFileName(const AppContext& ctx) {
    return ctx.programCode == "AC" ? "AC_WALL.dat" : "CR_WALL.dat";
}

RecordWriter WallTableRecords(const WallTable& table) {
    RecordWriter out;
    for (int row = 1; row <= kWallTableRows; ++row) {
        for (int column = 1; column <= kWallTableColumns; ++column)
            out.userLine(table.cell(row, column));
    }
    return out;
}

WallTable ReadWallTable(RecordReader in) {
    WallTable table;
    for (int row = 1; row <= kWallTableRows; ++row) {
        for (int column = 1; column <= kWallTableColumns; ++column) {
            std::string item;
            if (!in.next(item)) return table;
            table.setCell(row, column, std::move(item));
        }
    }
    return table;
}

WallTable LoadWallTable(const AppContext& ctx) {
    return ReadWallTable(OpenInput(ctx, WallTableFileName(ctx)));
}

WriteStatus SaveWallTable(const AppContext& ctx, const WallTable& table) {
    return SaveOutput(ctx, WallTableFileName(ctx), WallTableRecords(table));
}

std::vector<WindowType> ReadWindowTypes(RecordReader in) {
    std::vector<WindowType> types;
    while (static_cast<int>(types.size()) < kMaxWindowTypes) {
        WindowType type;
        std::string uw, ug, uf;
        if (!in.next(type.name) || IsBlank(type.name)) break;
        in.read(type.solarGainText);
        in.read(uw);
        in.read(ug);
        in.read(uf);
        in.read(type.basis);
        type.Uw_Wm2K = NumFromText(uw);
        type.Ug_Wm2K = NumFromText(ug);
        type.Uf_Wm2K = NumFromText(uf);
        std::string g = type.solarGainText;
        if (!g.empty() && g.front() == ' ') g.erase(0, 1);
        type.entryText = type.name + " " + g + "%";
        types.push_back(std::move(type));
    }
    return types;
}

std::vector<WindowType> LoadWindowTypes(const AppContext& ctx) {
    const std::string english = "Fenst." + std::string(kEnglish);
    return ReadWindowTypes(OpenInput(ctx, LanguageFileForReading(ctx, "Fenst." + ctx.languageCode, english)));
}

std::array<std::string, kCompassPoints> OrientationCaptions(const CaptionTable& captions) {
    return {captions[Cap::CompassN],  captions[Cap::CompassNE], captions[Cap::CompassE],
            captions[Cap::CompassSE], captions[Cap::CompassS],  captions[Cap::CompassSW],
            captions[Cap::CompassW],  captions[Cap::CompassNW]};
}

} // namespace veskaro
