#include "room/evaporator_design.h"

#include "room/room_controller.h"

namespace veskaro {

EvaporatorDesign BeginEvaporatorDesign(RoomController& controller) {
    EvaporatorDesign design;
    {
        const RoomRecord& room = controller.room();
        design.fields.tempdiff = room.tempdiff;
        design.fields.raumLeist = controller.result().RaumLeist;
        design.fields.abtau = room.Abtau;
        design.fields.abtauAnt = room.AbtauAnt;
    }
    design.messages = controller.recalculate(kRecalcShow);
    const RoomRecord& room = controller.room();
    design.fields.anzVerd = room.AnzVerd;
    design.fields.verdTemp = room.verdTemp;
    design.fields.plueftPN = room.PlueftPN;
    design.fields.laufzeit = room.Laufzeit;
    design.handover = PrepareHandover(design.fields, controller.defrostPower_kW(), controller.dayBasis_h());
    // A stopped calculation leaves the capacity of an earlier room on screen: it is no load to select for.
    if (controller.result().stopped) design.handover.proceed = false;
    return design;
}

Messages FinishEvaporatorDesign(RoomController& controller, const EvaporatorDesign& design,
                                const SelectionResult& result) {
    const RoomUpdate update = ApplySelection(design.handover, design.fields, result,
                                             controller.defrostPower_kW(), controller.dayBasis_h());
    RoomRecord& room = controller.room();
    room.Abtau = update.abtau;
    room.AbtauAnt = update.abtauAnt;
    room.defrostFlag = update.defrostFlag;
    if (result.code == kSelectionCancelled) return {};
    room.PlueftPN = update.plueftPN;
    room.VerdNam = update.verdNam;
    room.Laufzeit = update.laufzeit;
    return controller.recalculate(kRecalcShow);
}

} // namespace veskaro
