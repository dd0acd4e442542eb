// Screenshots of the report of a floor-plan room: an L-shaped store whose corner holds the machine room.

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "envelope/wall_table.h"
#include "main/desktop_qt.h"
#include "report/result_window.h"
#include "room/load_calc.h"
#include "room/result_files.h"
#include "room/room_record.h"
#include "room/room_source.h"

namespace veskaro {

namespace {

struct PlanWall {
    double x1, y1, x2, y2; // m
    const char* designation;
    const char* U;
    const char* tBeyond;
};

// 8 x 6 m with a 3 x 2 m corner for the machine room; the store is drawn clockwise from its top-left.
constexpr PlanWall kLShape[] = {
    {0, 0, 8, 0, "Outside north", " .2", "30"}, {8, 0, 8, 4, "Outside east", " .2", "32"},
    {8, 4, 5, 4, "Machine room", " .35", "35"}, {5, 4, 5, 6, "Machine room", " .35", "35"},
    {5, 6, 0, 6, "Freezer", " .2", "-22"},      {0, 6, 0, 0, "Corridor", " .2", "25"},
};
constexpr double kDrawingUnitsPerMetre = 120.0; // 60 units per grid step of 0.5 m
constexpr double kHeight_m = 3.5;

std::vector<std::string> ItemsOf(const RecordWriter& w) {
    RecordReader in(w.text());
    std::vector<std::string> items;
    for (std::string item; in.next(item);)
        items.push_back(item);
    return items;
}

std::string Units(double metres) {
    return DisplayText(metres * kDrawingUnitsPerMetre);
}

// The plan file and the wall table of the L-shaped store as the blocks a room record carries.
std::vector<EnvelopeFileBlock> LShapedEnvelope(const AppContext& ctx) {
    RecordWriter plan;
    for (const char* item : {"1", " .5", "0", "", "", "1920", "", "", "", ""})
        plan.line(item);
    WallTable table;
    int wall = 0;
    for (const PlanWall& w : kLShape) {
        ++wall;
        plan.line("2§$" + Units(w.x2) + "§$" + Units(w.y2) + "§$" + Units(w.x1) + "§$" + Units(w.y1) + "§$" +
                  ctx.captions[Cap::LayersWord] + "§$0§$");
        table.setCell(WallRow(wall), kColDesignation, w.designation);
        table.setWallLength(wall, std::abs(w.x2 - w.x1) + std::abs(w.y2 - w.y1), kHeight_m);
        table.setCell(WallRow(wall), kColU, w.U);
        table.setCell(WallRow(wall), kColTemperature, w.tBeyond);
        table.setCell(WallRow(wall), kColDensityClass, "1");
    }
    const char* slabs[][3] = {{"Floor", " .3", "10"}, {"Ceiling", " .2", "30"}};
    for (int row : {kFloorRow, kCeilingRow}) {
        table.setCell(row, kColDesignation, slabs[row - 1][0]);
        table.setCell(row, kColArea, "42");
        table.setCell(row, kColU, slabs[row - 1][1]);
        table.setCell(row, kColTemperature, slabs[row - 1][2]);
    }
    return {{"CR_GP.dat", ItemsOf(plan)}, {"CR_WALL.dat", ItemsOf(WallTableRecords(table))}};
}

} // namespace

void SaveFloorPlanReportScreenshots(AppContext& ctx, const std::string& dir) {
    // A data directory of its own, so that the other pictures keep the default room's result files.
    QTemporaryDir scratch;
    if (!scratch.isValid()) return;
    AppContext plan = ctx;
    plan.dataDir = scratch.path().toStdString();
    plan.printHeaderFlag = 1;
    plan.displayMode = DisplayMode::RoomResult;

    RoomRecord room;
    ReadRoomFromDataDir(ctx, room);
    room.roomShape = kFloorPlanRoom;
    room.RaumL = "8";
    room.RaumB = "6";
    room.RaumH = DisplayText(kHeight_m);
    room.envelope = LShapedEnvelope(plan);
    const RecalcResult r = CalculateRoom(room, plan);
    if (!WriteResultFiles(r, room, plan)) return;

    ResultWindow window(plan, SketchOfRoom(room, plan));
    window.setAttribute(Qt::WA_DontShowOnScreen); // the whole page, whatever the screen size
    window.show();
    window.resize(window.fullPageSize());
    QApplication::processEvents();
    const QDir out(QString::fromStdString(dir));
    window.grab().save(out.filePath(QStringLiteral("floor_plan_result_page1.png")));
    if (auto* chooser = window.findChild<QScrollBar*>(QStringLiteral("VScroll1"))) chooser->setValue(2);
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("floor_plan_result_page2.png")));
}

} // namespace veskaro
