// The printed wall table as report lines.

#include "envelope/wall_table_report.h"

#include <cstdio>

#include "app/app_context.h"
#include "envelope/wall_table.h"

namespace veskaro {

namespace {

const std::string kMargin(8, ' ');
const std::string kRule(145, '-');
constexpr const char* kCr = "\r";
constexpr const char* kCell = "&%!";
constexpr const char* kBold = "&$$";
constexpr const char* kSmallType = "7 "; // size prefix of the attribute line
constexpr const char* kOutsideWallProgram = "AC";

// The further columns printed with their " :" labels.
constexpr int kFurtherColumns[] = {kColOrientation,  kColDensityClass, kColWindowCount, kColWindowWidth,
                                   kColWindowHeight, kColWindowValue,  kColWindowType,  kColShading};

std::string TableRow(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i > 0 ? kCell : "") + cells[i];
    return line + kCell + "  " + kCr;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

std::string DateText(const ReportDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day % 100, date.month % 100, date.year % 10000);
    return text;
}

std::vector<std::string> WallTableReportLines(const WallTable& table, const AppContext& ctx,
                                              const ReportDate& today) {
    const CaptionTable& cap = ctx.captions;
    const bool outsideWall = ctx.programCode == kOutsideWallProgram;
    std::vector<std::string> lines;
    lines.push_back(kMargin + kBold + cap[Cap::WallTableTitle] + "   " + DateText(today) + kCr);
    lines.emplace_back(kCr);

    std::vector<std::string> heading = {kMargin + WallColumnName(kColDesignation, cap),
                                        WallColumnName(kColLength, cap) + " /[" + cap.units.length + "]",
                                        WallColumnName(kColArea, cap) + " /[m²]", "K /[W/m²K]",
                                        WallColumnName(kColTemperature, cap) + " /[" + cap.units.temperature +
                                            "]"};
    if (outsideWall) heading.push_back(WallColumnName(kColOutsideWall, cap) + " -Y/N");
    lines.push_back(TableRow(heading));
    lines.push_back(kMargin + kRule);

    for (int row = 1; row <= kWallTableRows; ++row) {
        if (Trimmed(table.cell(row, kColDesignation)).empty()) continue;
        std::vector<std::string> cells = {kMargin + std::to_string(row) + "  " +
                                          table.cell(row, kColDesignation)};
        for (const int column : {kColLength, kColArea, kColU, kColTemperature})
            cells.push_back(Trimmed(table.cell(row, column)));
        if (outsideWall) cells.push_back(table.cell(row, kColOutsideWall));
        lines.push_back(TableRow(cells));

        std::string further;
        for (const int column : kFurtherColumns) {
            const std::string value = Trimmed(table.cell(row, column));
            if (value.empty()) continue;
            further += "   " + WallColumnName(column, cap) + ctx.labelSeparator + " " + value;
        }
        if (!further.empty()) lines.push_back(kSmallType + kMargin + "   " + further + kCr);
    }
    lines.push_back(kMargin + kRule);
    return lines;
}

} // namespace veskaro
