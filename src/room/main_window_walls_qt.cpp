// The walls command of the main window and the envelope it shows.

#include <QAction>

#include "app/app_context.h"
#include "envelope/wall_dialog.h"
#include "goods/goods_list.h"
#include "room/command_bar_qt.h"
#include "room/envelope_panel_qt.h"
#include "room/main_window.h"
#include "room/room_inputs_panel_qt.h"
#include "ui/picture_button.h"

namespace veskaro {

void StartWindow::onWalls() {
    if (m_busy != 0 || m_controller.room().roomShape != kRectangularRoom) return;
    // Close makes the next activation re-read the project data, the goods list among it: the goods on
    // screen go into that file first, or the dialog does not open.
    if (const WriteStatus goods = WriteGoodsList(m_ctx, m_controller.room().goods); !goods)
        return showFailures(FailureMessages(goods));
    RunWallDialog(m_ctx, m_controller.room().AussenTemp, this);
    // The activation that follows a modal dialog re-reads the envelope; where the platform sends none
    // (offscreen), it is served here. A second activation then reads nothing.
    if (m_ctx.activationState == ActivationState::DialogChangedData) activate();
}

void StartWindow::showEnvelope() {
    const bool rectangular = m_controller.room().roomShape == kRectangularRoom;
    m_commands->wallsCommand()->setEnabled(rectangular);
    if (auto* menu = findChild<QAction*>(QStringLiteral("WDbearb"))) menu->setEnabled(rectangular);
    m_inputs->envelope()->showEnvelope(m_controller.result());
}

} // namespace veskaro
