#pragma once
// Room humidity and the temperature difference room air to evaporating temperature: an air cooler that
// runs with a small difference dries the room air little, one with a large difference dries it much.
// One table ties the room fields RaumFeuchte, tempdiff, tempDiffdt1 and verdTemp together.

namespace veskaro {

struct AppContext;
struct RoomRecord;

// Modes of HumidityDeltaT.
inline constexpr int kHumidityToDeltaT = 1; // value = relative humidity, %; result ΔT, K
inline constexpr int kDeltaTToHumidity = 2; // value = ΔT, K; result relative humidity, %

// HumidityDeltaT: linear in the table 3..17 K / 98..56 %, the first interval extended beyond 98 % and below
// 3 K (100 % <-> 2 K). Mode 1 gives 0 for a humidity of 56 % or less, mode 2 gives 0 for ΔT >= 17 K. Any
// other mode, or a value that is not a number, gives 0.
double HumidityDeltaT(double value, int mode);

// Field coupling. Each handler runs when the engineer changes its field (the window does not call them
// while it synchronises the fields itself); it rewrites the other fields' texts and the shared ΔT
// (ctx.sharedDeltaT_K). The handlers do not call each other: a window must not run a handler for a field
// that another handler rewrote. Each returns true when it rewrote any field.

// RaumFeuchte changed: from 58 % on, tempdiff, tempDiffdt1 and verdTemp follow the humidity.
bool OnRoomHumidityChanged(RoomRecord& room, AppContext& ctx);
// tempdiff changed: stored as the shared ΔT; from 3 K on, RaumFeuchte, verdTemp and tempDiffdt1 follow.
bool OnTempDiffChanged(RoomRecord& room, AppContext& ctx);
// tempDiffdt1 (air cooler inlet difference Δt1 = 1.25 ΔT) changed: from 3 K on, the shared ΔT, tempdiff,
// RaumFeuchte and verdTemp follow.
bool OnCoolerTempDiffChanged(RoomRecord& room, AppContext& ctx);
// Before each calculation: a humidity above 60 % with tempdiff 0 fills tempdiff and verdTemp from the
// table. The window keeps its own Change handlers quiet while this runs.
bool SyncBeforeCalculation(RoomRecord& room, AppContext& ctx);

} // namespace veskaro
