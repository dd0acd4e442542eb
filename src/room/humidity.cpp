#include "room/humidity.h"

#include <array>
#include <cmath>

#include "app/number_text.h"
#include "room/room_fields.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

// Room humidity, %, that an air cooler holds at a temperature difference room air to evaporating
// temperature of 3, 4, ... 17 K (index = ΔT in K).
constexpr int kFirstDeltaT_K = 3;
constexpr int kLastDeltaT_K = 17;
constexpr std::array<double, kLastDeltaT_K + 1> kHumidityAtDeltaT_pct = {
    0, 0, 0, 98, 96, 89, 84, 79, 76, 72.5, 70, 68, 66, 64, 62, 60, 58, 56};

// Below these the fields stay independent: the table does not describe drier rooms, nor an air cooler
// with less than 3 K.
constexpr double kMinCoupledHumidity_pct = 58.0;
constexpr double kMinSyncedHumidity_pct = 60.0;
constexpr double kMinCoupledDeltaT_K = 3.0;
// Inlet temperature difference of the air cooler over the mean difference room air to evaporation.
constexpr double kInletToMeanDeltaT = 1.25;

double HumidityAt(int deltaT_K) {
    return kHumidityAtDeltaT_pct[static_cast<std::size_t>(deltaT_K)];
}

} // namespace

double DeltaTFromHumidity_K(double phi_pct) {
    if (std::isnan(phi_pct)) return 0.0;
    int k = kFirstDeltaT_K;
    while (k < kLastDeltaT_K && HumidityAt(k + 1) >= phi_pct)
        ++k;
    if (k == kLastDeltaT_K) return 0.0; // drier than the table: no temperature difference
    return k + (HumidityAt(k) - phi_pct) / (HumidityAt(k) - HumidityAt(k + 1));
}

double HumidityFromDeltaT_pct(double deltaT_K) {
    if (std::isnan(deltaT_K)) return 0.0;
    for (int k = kFirstDeltaT_K + 1; k <= kLastDeltaT_K; ++k) {
        if (k > deltaT_K)
            return HumidityAt(k - 1) + (deltaT_K - (k - 1)) * (HumidityAt(k) - HumidityAt(k - 1));
    }
    return 0.0; // 17 K and more
}

namespace {

// ΔT to one decimal as tempdiff shows it: Int((ΔT + 0.05)·10)/10.
double ShownDeltaT(double deltaT_K) {
    return TruncateDecimals(deltaT_K + 0.05, 1);
}

// Inlet difference Δt1 to one decimal as tempDiffdt1 shows it: Int(ΔT·12.5)/10.
double ShownInletDeltaT(double deltaT_K) {
    return IntFloor(deltaT_K * (kInletToMeanDeltaT * 10.0)) / 10.0;
}

} // namespace

bool OnRoomHumidityChanged(RoomRecord& room, double& sharedDeltaT_K) {
    const double phi_pct = NumFromText(std::string_view(room.RaumFeuchte));
    if (!(phi_pct >= kMinCoupledHumidity_pct)) return false;
    const double deltaT_K = DeltaTFromHumidity_K(phi_pct);
    sharedDeltaT_K = deltaT_K;
    const double shown_K = ShownDeltaT(deltaT_K);
    room.tempdiff = DisplayText(shown_K);
    room.tempDiffdt1 = DisplayText(ShownInletDeltaT(deltaT_K));
    const double tRoom_C = NumFromText(std::string_view(room.RaumTemp));
    room.verdTemp = DisplayText(TruncateDecimals(tRoom_C - shown_K, 1));
    return true;
}

bool OnTempDiffChanged(RoomRecord& room, double& sharedDeltaT_K) {
    const double deltaT_K = NumFromText(std::string_view(room.tempdiff));
    sharedDeltaT_K = deltaT_K;
    if (!(deltaT_K >= kMinCoupledDeltaT_K)) return false;
    const double phi_pct = HumidityFromDeltaT_pct(deltaT_K);
    room.RaumFeuchte = DisplayText(TruncateDecimals(phi_pct, 1));
    const double tRoom_C = NumFromText(std::string_view(room.RaumTemp));
    room.verdTemp = DisplayText(tRoom_C - deltaT_K);
    room.tempDiffdt1 = DisplayText(ShownInletDeltaT(deltaT_K));
    return true;
}

bool OnCoupledFieldChanged(RoomRecord& room, RoomField field, double& sharedDeltaT_K) {
    switch (field) {
    case RoomField::RaumFeuchte:
        return OnRoomHumidityChanged(room, sharedDeltaT_K);
    case RoomField::tempdiff:
        return OnTempDiffChanged(room, sharedDeltaT_K);
    case RoomField::tempDiffdt1:
        return OnCoolerTempDiffChanged(room, sharedDeltaT_K);
    default:
        return false;
    }
}

bool OnCoolerTempDiffChanged(RoomRecord& room, double& sharedDeltaT_K) {
    const double inletDeltaT_K = NumFromText(std::string_view(room.tempDiffdt1));
    if (!(inletDeltaT_K >= kMinCoupledDeltaT_K)) return false;
    // Int(Δt1·10)/12.5: Δt1 cut to one decimal, divided by 1.25.
    const double deltaT_K = IntFloor(inletDeltaT_K * 10.0) / (kInletToMeanDeltaT * 10.0);
    sharedDeltaT_K = deltaT_K;
    room.tempdiff = DisplayText(deltaT_K);
    const double phi_pct = HumidityFromDeltaT_pct(deltaT_K);
    room.RaumFeuchte = DisplayText(TruncateDecimals(phi_pct, 1));
    const double tRoom_C = NumFromText(std::string_view(room.RaumTemp));
    room.verdTemp = DisplayText(tRoom_C - deltaT_K);
    return true;
}

bool OnRoomTemperatureCommitted(RoomRecord& room) {
    const double tRoom_C = NumFromText(std::string_view(room.RaumTemp));
    const double deltaT_K = NumFromText(std::string_view(room.tempdiff));
    room.verdTemp = DisplayText(TruncateDecimals(tRoom_C - deltaT_K, 1));
    return true;
}

bool SyncBeforeCalculation(RoomRecord& room, double& sharedDeltaT_K) {
    const double phi_pct = NumFromText(std::string_view(room.RaumFeuchte));
    const double tempdiff_K = NumFromText(std::string_view(room.tempdiff));
    if (!(phi_pct > kMinSyncedHumidity_pct) || tempdiff_K != 0.0) return false;
    const double deltaT_K = DeltaTFromHumidity_K(phi_pct);
    sharedDeltaT_K = deltaT_K;
    const double shown_K = ShownDeltaT(deltaT_K);
    room.tempdiff = DisplayText(shown_K);
    const double tRoom_C = NumFromText(std::string_view(room.RaumTemp));
    room.verdTemp = DisplayText(tRoom_C - shown_K);
    return true;
}

} // namespace veskaro
