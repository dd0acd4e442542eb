// The cooling load of one cold room. Every displayed rounding truncates, Int(x·f)/f, exactly as written
// here; the order of the arithmetic is part of the result.

#include "room/load_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"
#include "envelope/envelope_data.h"
#include "equipment/moist_air.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

constexpr double kHoursPerDay = 24.0;
constexpr double kColdestRoom_C = -50.0; // below: outside the range of the moist-air relations
constexpr double kSecondsPerHour = 3600.0;
constexpr double kWattsPerKilowatt = 1000.0;

// Envelope defaults where the wall dialogs gave neither U-value nor temperature: typical cold-store
// panels against outside air, an uninsulated slab on 15 °C ground.
constexpr double kDefaultWallU_Wm2K = 0.4;
constexpr double kDefaultFloorU_Wm2K = 0.85;
constexpr double kDefaultFloorT_C = 15.0;
constexpr double kDefaultCeilingU_Wm2K = 0.44;

// Defrost: heat of fusion of the frost, and how the electric heater's heat divides between melting the
// frost and warming the room.
constexpr double kHeatOfFusionFrost_kJkg = 335.0;
constexpr double kHeaterMeltShare = 0.67;
constexpr double kHeaterRoomShare = 0.33;
constexpr double kDefaultDefrostShare_pct = 3.0; // defrost time share when no heater power is given

// Person heat at 22 °C, W, and its rise per kelvin colder (as a share of it: 1/33 per K).
constexpr double kPersonHeat22_W = 175.0;
constexpr double kPersonReference_C = 22.0;
constexpr double kPersonSlope_K = 33.0;
constexpr double kPersonHoursToAverage_kW = 24000.0; // person-hours per day × W -> average kW

// Int(x·f)/f
double Cut(double x, double f) {
    return IntFloor(x * f) / f;
}

// --- Stage 2: the loads ----------------------------------------------------------------------------------

// Volume, floor area and perimeter. A floor-plan room takes its volume as `Vol` shows it (cut to the
// factor of its perimeter), so that the loads agree with the volume on screen.
void Dimensions(const RoomInputs& in, const Envelope& env, LoadResult& r) {
    if (in.roomShape == kRectangularRoom) {
        r.V_m3 = in.L_m * in.B_m * in.H_m;
        r.A_m2 = in.L_m * in.B_m;
        r.P_m = 2.0 * (in.L_m + in.B_m);
        return;
    }
    r.A_m2 = env.floorArea_m2;
    r.P_m = env.perimeter_m;
    r.V_m3 = Cut(r.A_m2 * in.H_m, DimensionRoundingFactor(r.P_m));
}

// Heat through one surface, W: area·U·(t_beyond − t_i); U = 0 and t = 0 take the given defaults.
void SurfaceHeat(SurfaceFlow& s, double tRoom, double defaultU, double defaultT) {
    if (s.U_Wm2K > 0.0) {
        s.Q_W = s.area_m2 * s.U_Wm2K * (s.tBeyond_C - tRoom);
    } else if (s.U_Wm2K == 0.0 && s.tBeyond_C == 0.0) {
        s.U_Wm2K = defaultU;
        s.tBeyond_C = defaultT;
        s.Q_W = s.area_m2 * defaultU * (defaultT - tRoom);
    } else {
        s.Q_W = 0.0;
    }
}

// The surfaces as the envelope gives them: walls B, L, L, B of a rectangle, or the wall table's walls.
void EnvelopeSurfaces(const RoomInputs& in, const Envelope& env, LoadResult& r) {
    const bool rectangular = in.roomShape == kRectangularRoom;
    const int nWalls = rectangular ? kRectangularWallCount : std::clamp(env.wallCount, 0, kMaxFloorPlanWalls);
    const std::array<double, kRectangularWallCount> rectangularLengths = {in.B_m, in.L_m, in.L_m, in.B_m};
    r.walls.resize(static_cast<std::size_t>(nWalls));
    for (int k = 0; k < nWalls; ++k) {
        SurfaceFlow& w = r.walls[static_cast<std::size_t>(k)];
        if (!rectangular) w.designation = env.walls[k].designation;
        w.length_m = rectangular ? rectangularLengths[k] : env.walls[k].length_m;
        w.area_m2 = w.length_m * in.H_m;
        w.U_Wm2K = env.walls[k].U_Wm2K;
        w.tBeyond_C = env.walls[k].tBeyond_C;
    }
    r.floor = {"", 0.0, r.A_m2, env.floorU_Wm2K, env.floorT_C, 0.0};
    r.ceiling = {"", 0.0, r.A_m2, env.ceilingU_Wm2K, env.ceilingT_C, 0.0};
}

// Transmission Q_T, kW; none without a length, width or height.
void Transmission(const RoomInputs& in, const Envelope& env, LoadResult& r) {
    EnvelopeSurfaces(in, env, r);
    if (in.L_m == 0.0 || in.B_m == 0.0 || in.H_m == 0.0) return;
    double sum_W = 0.0;
    for (SurfaceFlow& w : r.walls) {
        SurfaceHeat(w, in.tRoom_C, kDefaultWallU_Wm2K, in.tOut_C);
        sum_W += w.Q_W;
    }
    SurfaceHeat(r.floor, in.tRoom_C, kDefaultFloorU_Wm2K, kDefaultFloorT_C);
    SurfaceHeat(r.ceiling, in.tRoom_C, kDefaultCeilingU_Wm2K, in.tOut_C);
    r.QT_kW = (sum_W + r.floor.Q_W + r.ceiling.Q_W) / kWattsPerKilowatt;
}

MoistAirState AirAt(double phi_pct, double t_C) {
    double phi = phi_pct / 100.0, t = t_C, p = kAirPressure_bar;
    return AirState(phi, t, p);
}

// Air change Q_L, kW, and the water it carries in, g/h; none when a humidity is 0. The outside air brought
// to the room's humidity ratio at outside temperature splits the load into latent and sensible heat.
void AirChange(const RoomInputs& in, LoadResult& r) {
    if (in.phiRoom_pct == 0.0 || in.phiOut_pct == 0.0) return;
    const double n_perh = in.nRoom_perh + in.nDoor_perh;
    const MoistAirState inside = AirAt(in.phiRoom_pct, in.tRoom_C);
    const MoistAirState outside = AirAt(in.phiOut_pct, in.tOut_C);
    r.moisture_gh = (outside.x_gkg - inside.x_gkg) * n_perh * r.V_m3 * outside.rho_kgm3;
    const double saturation_pct = DegreeOfSaturation_pct(in.tOut_C, inside.x_gkg, kAirPressure_bar);
    const MoistAirState dried = AirAt(saturation_pct, in.tOut_C);
    const double massFlow_kgh = n_perh * r.V_m3 * outside.rho_kgm3;
    r.QL_kW = massFlow_kgh * (outside.h_kJkg - inside.h_kJkg) / kSecondsPerHour;
    r.latent_kW = massFlow_kgh * (outside.h_kJkg - dried.h_kJkg) / kSecondsPerHour;
    r.sensible_kW = massFlow_kgh * (dried.h_kJkg - inside.h_kJkg) / kSecondsPerHour;
}

// Heater power, kW, that melts the frost of the moisture carried in within the time share.
double DefrostPower_kW(double moisture_gh, double share_pct) {
    return (moisture_gh / 1000.0) * kHeatOfFusionFrost_kJkg /
           (kSecondsPerHour * kHeaterMeltShare * share_pct / 100.0);
}

// Defrost heaters, only for an evaporator below 0 °C. The heater power and time share are kept as the
// window shows them (whole watts, 0.01 %), because the capacity adds the heat of the shown heaters.
void Defrost(const RoomInputs& in, LoadResult& r) {
    r.heater_W = in.heaterGiven_W;
    r.defrostShare_pct = in.defrostShare_pct;
    if (in.tEvap_C >= 0.0) {
        r.defrostSizing = DefrostSizing::None; // the heater texts show " --", no heater heat
        r.heater_W = 0.0;
        r.defrostShare_pct = 0.0;
        return;
    }
    r.defrostComputed = true;
    if (in.defrostFlag == 0 || in.heaterGiven_W <= 0.0) {
        r.defrostSizing = DefrostSizing::HeaterFromMoisture;
        r.defrostShare_pct = kDefaultDefrostShare_pct;
        r.defrostPower_kW = DefrostPower_kW(r.moisture_gh, kDefaultDefrostShare_pct);
        r.heater_W = IntFloor(1000.0 * r.defrostPower_kW * in.D_h / (in.tRun_h * in.nEvap));
    } else if (in.defrostFlag == 1) {
        // The needed share does not depend on the share assumed; a share of 0 would only make the
        // heater power infinite, so it is assumed at the default then.
        const double share = in.defrostShare_pct > 0.0 ? in.defrostShare_pct : kDefaultDefrostShare_pct;
        r.defrostSizing = DefrostSizing::ShareFromHeater;
        r.defrostPower_kW = DefrostPower_kW(r.moisture_gh, share);
        const double needed =
            share * 1000.0 * r.defrostPower_kW / (in.heaterGiven_W * in.tRun_h * in.nEvap / in.D_h);
        r.defrostShare_pct = IntFloor(100.0 * needed) / 100.0;
    } else {
        r.defrostSizing = DefrostSizing::AsGiven;
    }
}

// Persons, lighting and other electrical consumers, average kW.
void InternalLoads(const RoomInputs& in, LoadResult& r) {
    const double perPerson_W = PersonHeat(in.tRoom_C);
    r.QP_kW = (in.personHours == 0.0 || perPerson_W == 0.0)
                  ? 0.0
                  : in.personHours * perPerson_W / kPersonHoursToAverage_kW;
    r.QB_kW = (in.L_m == 0.0 || in.B_m == 0.0 || in.lighting_Wm2 == 0.0)
                  ? 0.0
                  : in.L_m * in.B_m * in.lighting_Wm2 / kWattsPerKilowatt;
    r.QE_kW = in.electrical_W / kWattsPerKilowatt;
}

// Goods heat of one row, kWh per day, into a room at tRoom.
void GoodsRowHeat(GoodsHeat& g, double tRoom, double tRun, bool shockOperation) {
    double dt1 = 0.0;
    double dt2 = 0.0;
    if (tRoom > g.tFreeze_C) {
        dt1 = g.tIn_C - g.tEnd_C;
    } else if (g.tIn_C >= g.tFreeze_C) {
        dt1 = g.tIn_C - g.tFreeze_C;
        dt2 = g.tFreeze_C - g.tEnd_C;
    } else {
        dt2 = g.tIn_C - g.tEnd_C;
    }
    g.Q1_kWhday = g.m_kgday * dt1 * g.cpAbove_kJkgK / kSecondsPerHour;
    g.Q2_kWhday = g.m_kgday * dt2 * g.cpBelow_kJkgK / kSecondsPerHour;

    // Freezing in a freezer room, thawing of frozen goods in a chilled room.
    if (g.tIn_C >= g.tFreeze_C && tRoom < g.tFreeze_C) {
        g.Q3_kWhday = g.m_kgday * g.latent_kJkg / kSecondsPerHour;
    } else if (g.tIn_C <= g.tFreeze_C && tRoom > g.tFreeze_C) {
        g.Q3_kWhday = -g.m_kgday * g.latent_kJkg / kSecondsPerHour;
    }

    // Living produce respires only above its freezing point; in shock operation for the operating time.
    if (g.respiration_kJkgday > 0.0 && tRoom > g.tFreeze_C) {
        g.Q4_kWhday = shockOperation
                          ? g.m_kgday * g.respiration_kJkgday * (tRun / kHoursPerDay) / kSecondsPerHour
                          : g.m_kgday * g.respiration_kJkgday / kSecondsPerHour;
    }
}

// Goods Q_G, kWh per day; one note for the first end temperature below the room temperature.
void Goods(const RoomInputs& in, const std::vector<GoodsInput>& goods, LoadResult& r) {
    bool endTemperatureNoted = false;
    r.goodsRows.reserve(goods.size());
    for (const GoodsInput& input : goods) {
        GoodsHeat g;
        static_cast<GoodsInput&>(g) = input;
        if (g.tEnd_C < in.tRoom_C && !endTemperatureNoted) {
            endTemperatureNoted = true;
            r.notes.push_back({LoadNoteKind::GoodsEndBelowRoom, g.tEnd_C, in.tRoom_C});
        }
        GoodsRowHeat(g, in.tRoom_C, in.tRun_h, in.shockOperation);
        r.QG_kWhday += g.Q1_kWhday + g.Q2_kWhday + g.Q3_kWhday + g.Q4_kWhday;
        r.goodsRows.push_back(std::move(g));
    }
}

// A capacity line at the operating time from an average C over the day basis.
LoadLine AtOperatingTime(double average, double D, double tRun, double Q0) {
    LoadLine line;
    line.average_kW = average;
    line.capacity_kW = IntFloor(average * (D / tRun) * 1000.0) / 1000.0;
    line.share_pct = Q0 == 0.0 ? 0.0 : IntFloor(10000.0 * average * (D / tRun) / Q0) / 100.0;
    return line;
}

// A line for an amount added to Q_0 as it stands (fans, defrost heaters).
LoadLine AddedAmount(double amount, double Q0) {
    LoadLine line;
    line.average_kW = amount;
    line.capacity_kW = IntFloor(amount * 1000.0) / 1000.0;
    line.share_pct = Q0 == 0.0 ? 0.0 : IntFloor(10000.0 * amount / Q0) / 100.0;
    return line;
}

// Required capacity at the operating time, plus fans and the heater heat that enters the room.
void RequiredCapacity(const RoomInputs& in, LoadResult& r) {
    const double D = r.D_h;
    double Q0 = (r.QG_kWhday / D + r.QB_kW + r.QE_kW + r.QL_kW + r.QT_kW + r.QP_kW) * D / r.tRun_h;
    if (in.fanPower_W > 0.0) {
        r.fan_kW = in.fanPower_W * r.nEvap / kWattsPerKilowatt;
        Q0 += r.fan_kW;
    }
    if (r.heater_W > 0.0) {
        r.defrostHeat_kW =
            kHeaterRoomShare * r.heater_W * r.nEvap * (r.defrostShare_pct / 100.0) / kWattsPerKilowatt;
        Q0 += r.defrostHeat_kW;
    }
    r.Q0_kW = Q0;
}

void ComponentLines(LoadResult& r) {
    const double D = r.D_h;
    r.goods = AtOperatingTime(r.QG_kWhday / D, D, r.tRun_h, r.Q0_kW);
    r.electrical = AtOperatingTime(r.QB_kW + r.QE_kW, D, r.tRun_h, r.Q0_kW);
    r.airChange = AtOperatingTime(r.QL_kW, D, r.tRun_h, r.Q0_kW);
    r.latent = AtOperatingTime(r.latent_kW, D, r.tRun_h, r.Q0_kW);
    r.sensible = AtOperatingTime(r.sensible_kW, D, r.tRun_h, r.Q0_kW);
    r.transmission = AtOperatingTime(r.QT_kW, D, r.tRun_h, r.Q0_kW);
    r.persons = AtOperatingTime(r.QP_kW, D, r.tRun_h, r.Q0_kW);
    r.fans = AddedAmount(r.fan_kW, r.Q0_kW);
    r.defrost = AddedAmount(r.defrostHeat_kW, r.Q0_kW);
}

} // namespace

double DimensionRoundingFactor(double compared) {
    if (compared > 100.0) return 1.0;
    if (compared > 10.0) return 10.0;
    return 100.0;
}

double PersonHeat(double t_C) {
    return kPersonHeat22_W * (1.0 + (kPersonReference_C - t_C) / kPersonSlope_K);
}

namespace {

// A goods row that lacks a field its temperatures need at the room temperature (blank, no number, not
// physical) makes the goods heat incomplete: a warning per field, unless the cell is already out of range.
void FlagMissingGoodsFields(const GoodsInputs& goods, double tRoom_C, RangeWarnings& warnings) {
    for (const auto& checked : goods.checked) {
        const int row = checked.first;
        for (const GoodsColumn column : MissingGoodsFields(checked.second, tRoom_C)) {
            const bool flagged =
                std::any_of(goods.warnings.begin(), goods.warnings.end(), [&](const RangeWarning& w) {
                    return w.goodsRow == row && w.goodsColumn == column;
                });
            if (!flagged) warnings.push_back(MissingGoodsCell(row, column));
        }
    }
}

} // namespace

LoadResult ComputeLoads(const RoomInputs& in, const Envelope& env, const GoodsInputs& goods) {
    LoadResult r;
    r.warnings = in.warnings;
    r.warnings.insert(r.warnings.end(), goods.warnings.begin(), goods.warnings.end());
    FlagMissingGoodsFields(goods, in.tRoom_C, r.warnings);
    r.D_h = in.D_h;
    r.tRun_h = in.tRun_h;
    r.runTimeDefaulted = in.runTimeDefaulted;
    r.L_m = in.L_m;
    r.B_m = in.B_m;
    r.H_m = in.H_m;
    r.nEvap = in.nEvap;
    r.roomShape = in.roomShape;
    Dimensions(in, env, r);
    if (in.tRoom_C < kColdestRoom_C) {
        r.stopped = true;
        r.notes.push_back({LoadNoteKind::RoomTooCold, 0.0, in.tRoom_C});
        return r;
    }
    Transmission(in, env, r);
    AirChange(in, r);
    Defrost(in, r);
    InternalLoads(in, r);
    Goods(in, goods.rows, r);
    RequiredCapacity(in, r);
    ComponentLines(r);
    return r;
}

} // namespace veskaro
