#pragma once
// The evaporator design command of the main window around the cooler selection: the room's load handed
// over to the selection, and what the room takes back when the selection returns.

#include "app/message.h"
#include "equipment/evaporator_handover.h"

namespace veskaro {

class RoomController;

struct EvaporatorDesign {
    HandoverFields fields; // ΔT, Q and the defrost texts as they stood before the recalculation
    Handover handover;     // proceed is false when ΔT or Q is not positive or the calculation stopped
    Messages messages;     // of the recalculation
};

// Reads ΔT, the required capacity and the defrost texts, recalculates the room and forms the hand-over
// from the number of evaporators, the evaporating temperature and the defrost power just computed.
EvaporatorDesign BeginEvaporatorDesign(RoomController& room);

// Takes the selection back into the room. Cancelled: the defrost texts of before the command return and
// the defrost flag is cleared, nothing is recalculated. A chosen cooler: its name, fan power, heater and
// the defrost share it needs go into the room, which is then recalculated.
Messages FinishEvaporatorDesign(RoomController& room, const EvaporatorDesign& design,
                                const SelectionResult& result);

} // namespace veskaro
