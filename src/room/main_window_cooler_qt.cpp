// The main window's evaporator design: the load handed to the cooler selection and the chosen cooler
// taken back into the room.

#include "equipment/cooler_dialog.h"
#include "room/evaporator_design.h"
#include "room/main_window.h"
#include "ui/text.h"

namespace veskaro {

void StartWindow::openEvaporatorDesign() {
    if (m_busy != 0) return;
    EvaporatorDesign design;
    {
        const ui::WaitCursor hourglass;
        design = BeginEvaporatorDesign(m_controller);
    }
    showRoom();
    if (!design.handover.proceed) return announce(design.messages); // no load to select a cooler for
    CoolerDialog dialog(m_ctx, design.handover, this);
    dialog.setMessageSink([this](const Message& message) { showFailures({message}); });
    if (m_runCoolerDialog) {
        m_runCoolerDialog(dialog);
    } else {
        dialog.exec();
    }
    Messages messages = std::move(design.messages);
    for (Message& message : FinishEvaporatorDesign(m_controller, design, dialog.selection()))
        messages.push_back(std::move(message));
    showRoom();
    announce(messages);
    recordChange(); // the chosen cooler is one undo step
}

} // namespace veskaro
