// The walls command of the main window and the envelope it shows.

#include "app/app_context.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/wall_dialog.h"
#include "goods/goods_list.h"
#include "room/envelope_panel_qt.h"
#include "room/main_window.h"
#include "room/room_inputs_panel_qt.h"

namespace veskaro {

void StartWindow::onWalls() {
    if (m_busy != 0) return;
    // Close makes the next activation re-read the project data, the goods list among it: the goods on
    // screen go into that file first, or the dialog does not open.
    if (const WriteStatus goods = WriteGoodsList(m_ctx, m_controller.room().goods); !goods)
        return showFailures(FailureMessages(goods));
    if (m_controller.room().roomShape == kRectangularRoom) {
        RunWallDialog(m_ctx, m_controller.room().AussenTemp, this);
    } else {
        // A drawn room: the floor plan with its wall table; the dialog's room height comes back.
        m_ctx.planRoomHeight_m = m_controller.roomHeight_m();
        if (RunGroundPlanDialog(m_ctx, this) == PlanDialogOutcome::Accepted)
            m_controller.setRoomHeight(m_ctx.planRoomHeight_m);
    }
    // The activation that follows a modal dialog re-reads the envelope; where the platform sends none
    // (offscreen), it is served here. A second activation then reads nothing.
    if (m_ctx.activationState == ActivationState::DialogChangedData) activate();
}

void StartWindow::showEnvelope() {
    m_inputs->envelope()->showEnvelope(m_controller.result());
}

} // namespace veskaro
