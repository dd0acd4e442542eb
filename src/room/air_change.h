#pragma once
// Outside air entering the cold room: the room's own air change estimated from its volume and the door
// openings, and the infiltration through the open door driven by the density difference inside/outside.

#include <optional>
#include <string>

#include "app/message.h"

namespace veskaro {

struct AppContext;
struct RoomRecord;

inline constexpr int kMaxDoorOpeningsPerDay = 150;

// Share of the door infiltration that remains behind an air curtain, by door height h (m): 0 below 1 m,
// 0.15 up to 4 m, rising to 0.8 from 9 m; a height between whole metres takes the lower one.
double AirCurtainFactor(double doorHeight_m);

struct RoomAirChange {
    bool computed = false;   // false when the volume is 0: RaumLW is left as it was
    double n0_perh = 0.0;    // base air change of a closed room, 1/h
    double nDoor_perh = 0.0; // air change by the door openings, 1/h
    double flow_m3h = 0.0;   // Label40: Int(V·(n0 + nd)·10)/10, m³/h
    int scrollPosition = 0;  // HScroll3: Int(10·RaumLW)
};

// Room air change from V = RaumL·RaumB·RaumH and the door openings NBegeh per day basis D (h): caps
// NBegeh at 150 (its text becomes "150") and, when V > 0, sets RaumLW to Int((n0 + nd)·100)/100 with
// n0 = 70/(24·√V) and nd = 2·NBegeh/D (times 25/V from 25 m³ on). A day basis below 1 h counts as 1 h.
RoomAirChange UpdateRoomAirChange(RoomRecord& room, int dayBasis_h);

struct DoorInfiltration {
    bool computed = false;     // false after a message or when the volume is 0
    double openFlow_m3h = 0.0; // V̇: air exchanged while the door stands open, m³/h
    double nDoor_perh = 0.0;   // door air change averaged over the day basis, 1/h (air curtain applied)
    std::string LWergeb;       // Int(nDoor·100)/100, also written to room.LWergeb
    // Flow labels of the door panel, the flow cut to one decimal without the leading blank of the display
    // form, then " m³/h": "4358.3 m³/h", and "= 90.7 m³/h" for the door air change. Empty: leave the label
    // as it is.
    std::string Label67;            // beside LWergeb: the average infiltration flow nDoor·V
    std::string Label53;            // the flow while the door is open, V̇ (times the air-curtain share)
    std::optional<Message> message; // critical: a zero humidity or opening time; nothing computed
};

// Door infiltration through a door b = bTuer wide and h = hTuer high open oeffungsZ hours per day basis D,
// room volume V (the Vol value): V̇ = 0.9·(b/3)·h^1.5·√(9.81·Δρ/ρm)·3600 m³/h with the densities of room
// and outside air at 1.013 bar; nDoor = (V̇/V)·(oeffungsZ/D), times AirCurtainFactor(h) with an air
// curtain. A negative width or height counts as 0; a volume of 0 computes V̇ but leaves LWergeb as it
// was (computed = false).
DoorInfiltration ComputeDoorInfiltration(RoomRecord& room, double volume_m3, int dayBasis_h, bool airCurtain,
                                         const AppContext& ctx);

} // namespace veskaro
