// Pictures of the floor-plan dialog for `make screenshots`: an L-shaped cold room of 8 m x 6 m with a
// 3 m x 3 m corner left out for the machine room, drawn wall by wall as the wall tool stores them.

#include <QApplication>
#include <QDir>

#include "app/app_context.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/plan_canvas_qt.h"
#include "main/desktop_qt.h"

namespace veskaro {

namespace {

constexpr QSize kGroundPlanSize(1260, 820);

} // namespace

void SaveGroundPlanScreenshots(AppContext& ctx, const std::string& dir) {
    ctx.planRoomHeight_m = 3.0;
    GroundPlanDialog dialog(ctx);
    dialog.setMessageSink([](const Message&) { return false; });
    dialog.resize(kGroundPlanSize);
    dialog.show();
    // Corners in grid steps of half a metre, clockwise from the top left, starting two steps in.
    const double step = kUnitsPerGridStep;
    const std::vector<PlanPoint> corners = {{2, 2}, {18, 2}, {18, 8}, {12, 8}, {12, 14}, {2, 14}};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const PlanPoint& a = corners[i];
        const PlanPoint& b = corners[(i + 1) % corners.size()];
        dialog.addWall({a.x * step, a.y * step}, {b.x * step, b.y * step});
    }
    dialog.canvas()->setSelectedWall(3);
    QApplication::processEvents();
    dialog.grab().save(QDir(QString::fromStdString(dir)).filePath(QStringLiteral("groundplan_dialog.png")));
}

} // namespace veskaro
