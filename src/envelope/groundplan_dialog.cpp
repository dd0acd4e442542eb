// Placeholder until the floor-plan dialog lands.
#include "envelope/groundplan_dialog.h"

namespace veskaro {

PlanDialogOutcome RunGroundPlanDialog(AppContext&, QWidget*) {
    return PlanDialogOutcome::Cancelled;
}

} // namespace veskaro
