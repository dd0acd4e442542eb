#pragma once
// Room humidity and the temperature difference room air to evaporating temperature: an air cooler that
// runs with a small difference dries the room air little, one with a large difference dries it much.
// One table ties the room fields RaumFeuchte, tempdiff, tempDiffdt1 and verdTemp together.

namespace veskaro {

struct RoomRecord;
enum class RoomField : int;

// The table 3..17 K / 98..56 % both ways, linear between its points, the first interval extended beyond
// 98 % and below 3 K (100 % <-> 2 K). A value that is not a number gives 0.
// Temperature difference room air to evaporation, K, that holds the room at humidity phi (%); 0 for a
// humidity of 56 % or less.
double DeltaTFromHumidity_K(double phi_pct);
// Room humidity, %, that a temperature difference deltaT (K) holds; 0 from 17 K on.
double HumidityFromDeltaT_pct(double deltaT_K);

// Field coupling. Each handler runs when the engineer changes its field (the window does not call them
// while it synchronises the fields itself); it rewrites the other fields' texts and the shared ΔT
// (sharedDeltaT_K). The handlers do not call each other: a window must not run a handler for a field
// that another handler rewrote. Each returns true when it rewrote any field. `sharedDeltaT_K` is the last
// temperature difference set through the table, kept by the caller.

// RaumFeuchte changed: from 58 % on, tempdiff, tempDiffdt1 and verdTemp follow the humidity.
bool OnRoomHumidityChanged(RoomRecord& room, double& sharedDeltaT_K);
// tempdiff changed: stored as the shared ΔT; from 3 K on, RaumFeuchte, verdTemp and tempDiffdt1 follow.
bool OnTempDiffChanged(RoomRecord& room, double& sharedDeltaT_K);
// tempDiffdt1 (air cooler inlet difference Δt1 = 1.25 ΔT) changed: from 3 K on, the shared ΔT, tempdiff,
// RaumFeuchte and verdTemp follow.
bool OnCoolerTempDiffChanged(RoomRecord& room, double& sharedDeltaT_K);
// The Change handler of whichever coupled field the engineer changed (RaumFeuchte, tempdiff, tempDiffdt1);
// false for any other field. Every window that shows these fields runs this one.
bool OnCoupledFieldChanged(RoomRecord& room, RoomField field, double& sharedDeltaT_K);
// RaumTemp committed: the evaporating temperature follows, verdTemp = Int((RaumTemp − tempdiff)·10)/10, so
// that the evaporator never stays above a colder room.
bool OnRoomTemperatureCommitted(RoomRecord& room);
// Before each calculation: a humidity above 60 % with tempdiff 0 fills tempdiff and verdTemp from the
// table. The window keeps its own Change handlers quiet while this runs.
bool SyncBeforeCalculation(RoomRecord& room, double& sharedDeltaT_K);

} // namespace veskaro
