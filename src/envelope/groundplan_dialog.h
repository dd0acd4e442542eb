#pragma once
// The floor-plan dialog `GroundP`: the room outline drawn on a snapping grid, the compass, and the wall
// table.

class QWidget;

namespace veskaro {

struct AppContext;

enum class PlanDialogOutcome {
    Accepted,  // O.K.: CR_GP.dat and CR_WALL.dat written
    Cancelled, // Cancel: nothing written (a pending new project was put back)
};

// Opens `GroundP` modally over parent.
PlanDialogOutcome RunGroundPlanDialog(AppContext& ctx, QWidget* parent);

} // namespace veskaro
