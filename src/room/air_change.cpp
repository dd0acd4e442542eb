#include "room/air_change.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "app/app_context.h"
#include "app/number_text.h"
#include "equipment/moist_air.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

// Air curtain: share of the door infiltration that remains, by whole metres of door height 0..9.
constexpr std::array<double, 10> kAirCurtainRemaining = {0,    0.15, 0.15, 0.15, 0.2,
                                                         0.35, 0.55, 0.7,  0.75, 0.8};

// Room air change: a closed room exchanges 70/(24·√V) volumes per hour; each door opening two volumes of
// a small room, of rooms from 25 m³ on only 25 m³ worth.
constexpr double kBaseAirChangeFactor = 70.0;
constexpr double kHoursPerDay = 24.0;
constexpr double kAirChangesPerOpening = 2.0;
constexpr double kSmallRoomVolume_m3 = 25.0;
constexpr double kMinDayBasis_h = 1.0; // a shorter day basis would divide by zero

// Door infiltration of an open door (density-driven exchange through the opening): discharge factor,
// width share and gravity.
constexpr double kDoorDischargeFactor = 0.9;
constexpr double kDoorWidthDivisor = 3.0; // warm air enters through one third of the width
constexpr double kGravity_ms2 = 9.81;
constexpr double kSecondsPerHour = 3600.0;

constexpr const char* kZeroSuffix = " = 0 !!";
constexpr const char* kFlowUnit = " m³/h";

double DayBasis(int dayBasis_h) {
    return std::max(static_cast<double>(dayBasis_h), kMinDayBasis_h);
}

double FieldValue(const std::string& text) {
    return NumFromText(std::string_view(text));
}

// Int(value) as a scroll-bar position, kept inside the range of int.
int ScrollPosition(double value) {
    const double whole = IntFloor(value);
    if (!(whole > 0.0)) return 0;
    return whole >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                    : static_cast<int>(whole);
}

// Density of moist air, kg/m³, at relative humidity phi (%), t (°C) and p (bar).
double AirDensity_kgm3(double phi_pct, double t_C, double p_bar) {
    double phi = phi_pct / 100.0;
    return AirState(phi, t_C, p_bar).rho_kgm3;
}

// A flow label of the door panel: the lead, the flow cut to one decimal, " m³/h" ("= 90.7 m³/h").
std::string FlowLabel(const char* lead, double flow_m3h) {
    std::string flow = DisplayText(TruncateDecimals(flow_m3h, 1));
    flow.erase(0, flow.find_first_not_of(' '));
    return lead + flow + kFlowUnit;
}

// Critical message naming a field that must not be 0: "Room humidity = 0 !!".
Message ZeroFieldMessage(const AppContext& ctx, const std::string& fieldName) {
    return Message{MessageKind::Critical, ctx.captions[Cap::MsgTitle], fieldName + kZeroSuffix};
}

// A humidity field's name: the room or outside word, a blank, the humidity word.
std::string HumidityFieldName(const AppContext& ctx, Cap placeWord) {
    return ctx.captions[placeWord] + " " + ctx.captions[Cap::HumidityWord];
}

} // namespace

double AirCurtainFactor(double doorHeight_m) {
    if (!(doorHeight_m >= 1.0)) return 0.0; // below 1 m, or not a number
    const double metres =
        std::min(std::floor(doorHeight_m), static_cast<double>(kAirCurtainRemaining.size() - 1));
    return kAirCurtainRemaining[static_cast<std::size_t>(metres)];
}

RoomAirChange UpdateRoomAirChange(RoomRecord& room, int dayBasis_h) {
    double openings = FieldValue(room.NBegeh);
    if (openings > kMaxDoorOpeningsPerDay) {
        room.NBegeh = std::to_string(kMaxDoorOpeningsPerDay);
        openings = kMaxDoorOpeningsPerDay;
    }

    RoomAirChange result;
    const double V_m3 = FieldValue(room.RaumL) * FieldValue(room.RaumB) * FieldValue(room.RaumH);
    if (!(V_m3 > 0.0)) return result; // no room: RaumLW stays as it was

    const double D_h = DayBasis(dayBasis_h);
    result.n0_perh = kBaseAirChangeFactor / (kHoursPerDay * std::sqrt(V_m3));
    result.nDoor_perh = V_m3 < kSmallRoomVolume_m3
                            ? kAirChangesPerOpening * openings / D_h
                            : kAirChangesPerOpening * openings * (kSmallRoomVolume_m3 / V_m3) / D_h;
    const double n_perh = result.n0_perh + result.nDoor_perh;
    const double shown_perh = TruncateDecimals(n_perh, 2);
    room.RaumLW = DisplayText(shown_perh);
    result.flow_m3h = TruncateDecimals(V_m3 * n_perh, 1);
    result.scrollPosition = ScrollPosition(10.0 * shown_perh);
    result.computed = true;
    return result;
}

DoorInfiltration ComputeDoorInfiltration(RoomRecord& room, double volume_m3, int dayBasis_h, bool airCurtain,
                                         const AppContext& ctx) {
    DoorInfiltration result;
    const double tRoom_C = FieldValue(room.RaumTemp);
    const double phiRoom_pct = FieldValue(room.RaumFeuchte);
    const double tOut_C = FieldValue(room.AussenTemp);
    const double phiOut_pct = FieldValue(room.AussenFeuchte);
    const double openTime_h = FieldValue(room.oeffungsZ);

    if (phiRoom_pct == 0.0) {
        result.message = ZeroFieldMessage(ctx, HumidityFieldName(ctx, Cap::RoomWord));
        return result;
    }
    if (phiOut_pct == 0.0) {
        result.message = ZeroFieldMessage(ctx, HumidityFieldName(ctx, Cap::OutsideWord));
        return result;
    }
    if (openTime_h == 0.0) {
        result.message = ZeroFieldMessage(ctx, ctx.captions[Cap::DoorOpeningTimeWord]);
        return result;
    }

    const double rhoRoom = AirDensity_kgm3(phiRoom_pct, tRoom_C, kAirPressure_bar);
    const double rhoOut = AirDensity_kgm3(phiOut_pct, tOut_C, kAirPressure_bar);
    const double deltaRho = std::fabs(rhoRoom - rhoOut);
    const double rhoMean = (rhoRoom + rhoOut) / 2.0;

    const double b_m = std::max(FieldValue(room.bTuer), 0.0);
    const double h_m = std::max(FieldValue(room.hTuer), 0.0);
    result.openFlow_m3h = kDoorDischargeFactor * (b_m / kDoorWidthDivisor) * std::pow(h_m, 1.5) *
                          std::sqrt(kGravity_ms2 * deltaRho / rhoMean) * kSecondsPerHour;
    if (std::isnan(result.openFlow_m3h))
        result.openFlow_m3h = 0.0; // an absurd door with no density difference

    const double remaining = airCurtain ? AirCurtainFactor(h_m) : 1.0;
    result.Label53 = FlowLabel("", result.openFlow_m3h * remaining);
    if (!(volume_m3 > 0.0)) return result; // no room volume: LWergeb stays as it was

    result.nDoor_perh = (result.openFlow_m3h / volume_m3) * (openTime_h / DayBasis(dayBasis_h)) * remaining;
    result.LWergeb = DisplayText(TruncateDecimals(result.nDoor_perh, 2));
    room.LWergeb = result.LWergeb;
    // The door air change in 1/h beside it, converted to a flow.
    result.Label67 = FlowLabel("= ", result.nDoor_perh * volume_m3);
    result.computed = true;
    return result;
}

} // namespace veskaro
