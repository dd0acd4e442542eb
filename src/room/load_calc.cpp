// The cooling load of one cold room. Every displayed rounding truncates, Int(x·f)/f, exactly as written
// here; the order of the arithmetic is part of the result.

#include "room/load_calc.h"

#include <algorithm>
#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"
#include "equipment/moist_air.h"
#include "envelope/envelope_data.h"
#include "room/result_files.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

constexpr double kDefaultRunTime_h = 18.0; // operating time when none is given
constexpr double kHoursPerDay = 24.0;
constexpr double kColdestRoom_C = -50.0; // below: outside the range of the relations used
constexpr double kPressure_bar = 1.013;  // air pressure of the air-change load
constexpr double kSecondsPerHour = 3600.0;

// Envelope defaults where the wall dialogs gave neither U-value nor temperature.
constexpr double kDefaultWallU_Wm2K = 0.4;     // wall against outside air
constexpr double kDefaultFloorU_Wm2K = 0.85;   // uninsulated slab on ground
constexpr double kDefaultFloorT_C = 15.0;      // ground below the slab
constexpr double kDefaultCeilingU_Wm2K = 0.44; // ceiling against outside air

// Defrost
constexpr double kHeatOfFusionFrost_kJkg = 335.0;
constexpr double kHeaterMeltShare = 0.67;        // share of the heater power that melts frost
constexpr double kHeaterRoomShare = 0.33;        // share of the heater power that heats the room
constexpr double kDefaultDefrostShare_pct = 3.0; // defrost time share when no heater power is given

// Person heat at 22 °C, W, and its rise per kelvin colder (as a share of it: 1/33 per K).
constexpr double kPersonHeat22_W = 175.0;
constexpr double kPersonReference_C = 22.0;
constexpr double kPersonSlope_K = 33.0;

constexpr int kMaxShort = 32767; // day basis and evaporator count are 16-bit integers

// The magnitude-dependent rounding factor of the dimension texts: 100, 10 above 10, 1 above 100.
double DimensionFactor(double compared) {
    if (compared > 100.0) return 1.0;
    if (compared > 10.0) return 10.0;
    return 100.0;
}

// Int(x·f)/f
double Cut(double x, double f) {
    return IntFloor(x * f) / f;
}

// A 16-bit integer from a double already passed through Int(), clamped to the range of the field.
int ShortFromWhole(double whole) {
    return static_cast<int>(std::clamp(whole, -32768.0, double(kMaxShort)));
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

std::string CaptionPair(const AppContext& ctx, Cap first, Cap second) {
    return ctx.captions[first] + " " + ctx.captions[second];
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
    } else {
        g.Q3_kWhday = 0.0;
    }

    // Living produce respires only above its freezing point; in shock operation for the operating time.
    g.Q4_kWhday = 0.0;
    if (g.respiration_kJkgday > 0.0 && tRoom > g.tFreeze_C) {
        g.Q4_kWhday = shockOperation
                          ? g.m_kgday * g.respiration_kJkgday * (tRun / kHoursPerDay) / kSecondsPerHour
                          : g.m_kgday * g.respiration_kJkgday / kSecondsPerHour;
    }
}

} // namespace

double PersonHeat(double t_C) {
    return kPersonHeat22_W * (1.0 + (kPersonReference_C - t_C) / kPersonSlope_K);
}

RecalcResult Recalc(RoomRecord& room, const Envelope& env, AppContext& ctx, int mode) {
    RecalcResult r;
    r.roomShape = room.roomShape;
    const bool shockOperation = room.operatingBasis == 1;

    // 1. Operating time and day basis.
    double tRun = NumFromText(room.Laufzeit);
    if (tRun <= 0.0) {
        room.Laufzeit = "18";
        tRun = kDefaultRunTime_h;
    }
    int D = static_cast<int>(kHoursPerDay);
    // A shock period shorter than one hour counts as one hour (the day basis divides the goods heat).
    if (shockOperation) D = std::max(1, ShortFromWhole(IntFloor(tRun)));
    r.tRun_h = tRun;
    r.D_h = D;
    ctx.dayBasis_h = D;

    // 2. Dimensions.
    const double L = NumFromText(room.RaumL);
    const double B = NumFromText(room.RaumB);
    const double H = NumFromText(room.RaumH);
    r.L_m = L;
    r.B_m = B;
    r.H_m = H;
    ctx.roomHeight_m = H;
    // Fewer than one evaporator (0, or a negative or fractional count) is one evaporator.
    const int nEvap = std::max(1, ShortFromWhole(IntFloor(NumFromText(room.AnzVerd))));
    r.nEvap = nEvap;
    r.Label51 = DisplayText(nEvap) + " x";
    r.Label68 = r.Label51;

    // 3. Derived dimensions.
    double V = 0.0;
    double A = 0.0;
    double P = 0.0;
    if (room.roomShape == kRectangularRoom) {
        V = L * B * H;
        const double f = DimensionFactor(V);
        r.Vol = DisplayText(Cut(V, f));
        const double f10 = 10.0 * f;
        r.Area = DisplayText(Cut(L * B, f10));
        r.Umfang = DisplayText(Cut(2.0 * (L + B), f10));
        P = 2.0 * (L + B);
        A = L * B;
    } else {
        A = env.floorArea_m2;
        P = env.perimeter_m;
        const double f = DimensionFactor(P);
        r.Umfang = DisplayText(P);
        r.Area = DisplayText(Cut(A, f));
        r.Vol = DisplayText(IntFloor(A * H * f) / f);
        V = NumFromText(r.Vol);
    }
    r.V_m3 = V;
    r.A_m2 = A;
    r.P_m = P;

    // 4. Room temperature check.
    const double tRoom = NumFromText(room.RaumTemp);
    if (tRoom < kColdestRoom_C) {
        r.stopped = true;
        r.messages.push_back({MessageKind::Exclamation, ctx.captions[Cap::MsgTitle],
                              CaptionPair(ctx, Cap::RoomWord, Cap::TemperatureWord) + " < -50°C!"});
        return r;
    }
    const double tOut = NumFromText(room.AussenTemp);

    // 5. Transmission, W in the sums.
    {
        const bool rectangular = room.roomShape == kRectangularRoom;
        const int nWalls =
            rectangular ? kRectangularWallCount : std::clamp(env.wallCount, 0, kMaxFloorPlanWalls);
        const std::array<double, kRectangularWallCount> rectangularLengths = {B, L, L, B};
        r.walls.resize(static_cast<std::size_t>(nWalls));
        for (int k = 0; k < nWalls; ++k) {
            SurfaceFlow& w = r.walls[static_cast<std::size_t>(k)];
            w.designation = rectangular ? std::string() : env.walls[k].designation;
            w.length_m = rectangular ? rectangularLengths[k] : env.walls[k].length_m;
            w.area_m2 = w.length_m * H;
            w.U_Wm2K = env.walls[k].U_Wm2K;
            w.tBeyond_C = env.walls[k].tBeyond_C;
        }
        r.floor.area_m2 = A;
        r.floor.U_Wm2K = env.floorU_Wm2K;
        r.floor.tBeyond_C = env.floorT_C;
        r.ceiling.area_m2 = A;
        r.ceiling.U_Wm2K = env.ceilingU_Wm2K;
        r.ceiling.tBeyond_C = env.ceilingT_C;

        if (L != 0.0 && B != 0.0 && H != 0.0) {
            double sum = 0.0;
            for (SurfaceFlow& w : r.walls) {
                SurfaceHeat(w, tRoom, kDefaultWallU_Wm2K, tOut);
                sum += w.Q_W;
            }
            SurfaceHeat(r.floor, tRoom, kDefaultFloorU_Wm2K, kDefaultFloorT_C);
            SurfaceHeat(r.ceiling, tRoom, kDefaultCeilingU_Wm2K, tOut);
            r.QT_kW = (sum + r.floor.Q_W + r.ceiling.Q_W) / 1000.0;
        }
    }

    // 6. Air change.
    const double phiRoom = NumFromText(room.RaumFeuchte);
    const double phiOut = NumFromText(room.AussenFeuchte);
    if (phiRoom != 0.0 && phiOut != 0.0) {
        const double n = NumFromText(room.RaumLW) + NumFromText(room.LWTuer);
        double phi = phiRoom / 100.0, t = tRoom, p = kPressure_bar;
        const MoistAirState inside = AirState(phi, t, p);
        phi = phiOut / 100.0, t = tOut, p = kPressure_bar;
        const MoistAirState outside = AirState(phi, t, p);
        r.moisture_gh = (outside.x_gkg - inside.x_gkg) * n * V * outside.rho_kgm3;
        // Outside air brought to the room's humidity ratio at outside temperature: splits latent/sensible.
        double phiMixed = RelHumidity(tOut, inside.x_gkg, kPressure_bar) / 100.0;
        t = tOut, p = kPressure_bar;
        const MoistAirState dried = AirState(phiMixed, t, p);
        const double massFlow = n * V * outside.rho_kgm3; // kg/h
        r.QL_kW = massFlow * (outside.h_kJkg - inside.h_kJkg) / kSecondsPerHour;
        r.latent_kW = massFlow * (outside.h_kJkg - dried.h_kJkg) / kSecondsPerHour;
        r.sensible_kW = massFlow * (dried.h_kJkg - inside.h_kJkg) / kSecondsPerHour;
    }

    // 7. Defrost: heater power to melt the frost the air change leaves on the coil.
    const double t0 = NumFromText(room.verdTemp);
    if (t0 < 0.0) {
        r.defrostComputed = true;
        const double givenPower_W = NumFromText(room.Abtau);
        if (room.defrostFlag == 0 || givenPower_W <= 0.0) {
            const double share = kDefaultDefrostShare_pct;
            room.AbtauAnt = DisplayText(share);
            const double Pd = (r.moisture_gh / 1000.0) * kHeatOfFusionFrost_kJkg /
                              (kSecondsPerHour * kHeaterMeltShare * share / 100.0);
            room.Abtau = DisplayText(IntFloor(1000.0 * Pd * D / (tRun * nEvap)));
            r.defrostPower_kW = Pd;
        } else if (room.defrostFlag == 1) {
            // The needed share does not depend on the share assumed; a share of 0 would only make the
            // heater power infinite, so it is assumed at the default then.
            double share = NumFromText(room.AbtauAnt);
            if (share <= 0.0) share = kDefaultDefrostShare_pct;
            const double Pd = (r.moisture_gh / 1000.0) * kHeatOfFusionFrost_kJkg /
                              (kSecondsPerHour * kHeaterMeltShare * share / 100.0);
            const double needed = share * 1000.0 * Pd / (givenPower_W * tRun * nEvap / D);
            room.AbtauAnt = DisplayText(IntFloor(100.0 * needed) / 100.0);
            r.defrostPower_kW = Pd;
        } else {
            // A flag other than 0 or 1 (only a foreign record carries one) sizes nothing: the heater
            // texts stay as given and the shared defrost power as it was.
            r.defrostPower_kW = ctx.defrostPower_kW;
        }
    } else {
        room.Abtau = " --";
        room.AbtauAnt = " --";
        r.defrostPower_kW = 0.0;
    }
    ctx.defrostPower_kW = r.defrostPower_kW;

    // 8. Persons.
    const double personHours = NumFromText(room.PersZahl);
    const double perPerson = PersonHeat(tRoom);
    r.QP_kW = (personHours == 0.0 || perPerson == 0.0) ? 0.0 : personHours * perPerson / 24000.0;

    // 9. Lighting, 10. other electrical consumers.
    const double lighting_Wm2 = NumFromText(room.ELLeist);
    r.QB_kW = (L == 0.0 || B == 0.0 || lighting_Wm2 == 0.0) ? 0.0 : L * B * lighting_Wm2 / 1000.0;
    r.QE_kW = NumFromText(room.Eltotal) / 1000.0;

    // 11. Goods of grid rows 1 to 20.
    bool endTemperatureReported = false;
    r.goodsRows.reserve(kGoodsRowsCounted);
    for (int row = 1; row <= kGoodsRowsCounted; ++row) {
        const GoodsRow& cells = room.goods[row];
        GoodsHeat g;
        g.m_kgday = NumFromText(cells[kGoodsAmount]);
        if (g.m_kgday == 0.0) continue;
        g.row = row;
        g.name = cells[kGoodsName];
        g.tIn_C = NumFromText(cells[kGoodsEntryTemp]);
        g.tEnd_C = NumFromText(cells[kGoodsEndTemp]);
        g.tFreeze_C = NumFromText(cells[kGoodsFreezingTemp]);
        g.cpAbove_kJkgK = NumFromText(cells[kGoodsCpAbove]);
        g.cpBelow_kJkgK = NumFromText(cells[kGoodsCpBelow]);
        g.latent_kJkg = NumFromText(cells[kGoodsLatentHeat]);
        g.respiration_kJkgday = NumFromText(cells[kGoodsRespiration]);
        if (g.tEnd_C < tRoom && !endTemperatureReported) {
            endTemperatureReported = true;
            const std::string goodsT = CaptionPair(ctx, Cap::GoodsWord, Cap::EndTemperatureWord);
            const std::string roomT = CaptionPair(ctx, Cap::RoomWord, Cap::TemperatureWord);
            const std::string& cr = ctx.lineBreak;
            r.messages.push_back({MessageKind::Plain, ctx.captions[Cap::MsgTitle],
                                  goodsT + " = " + DisplayText(g.tEnd_C) + "°C" + cr + roomT + " = " +
                                      DisplayText(tRoom) + "°C" + cr + cr + goodsT + " < " + roomT + "!"});
        }
        GoodsRowHeat(g, tRoom, tRun, shockOperation);
        r.QG_kWhday += g.Q1_kWhday + g.Q2_kWhday + g.Q3_kWhday + g.Q4_kWhday;
        r.goodsRows.push_back(std::move(g));
    }

    // 12. Required capacity at the operating time.
    const double Dd = D;
    double Q0 = (r.QG_kWhday / Dd + r.QB_kW + r.QE_kW + r.QL_kW + r.QT_kW + r.QP_kW) * Dd / tRun;
    const double fanPower_W = NumFromText(room.PlueftPN);
    if (fanPower_W > 0.0) {
        r.fan_kW = fanPower_W * nEvap / 1000.0;
        Q0 += r.fan_kW;
    }
    const double heater_W = NumFromText(room.Abtau);
    if (heater_W > 0.0) {
        r.defrostHeat_kW =
            kHeaterRoomShare * heater_W * nEvap * (NumFromText(room.AbtauAnt) / 100.0) / 1000.0;
        Q0 += r.defrostHeat_kW;
    }
    r.Q0_kW = Q0;

    // 13. Display of the required capacity.
    double g = 1000.0;
    if (Q0 > 10.0) g = 100.0;
    if (Q0 > 100.0) g = 10.0;
    r.RaumLeist = DisplayText(IntFloor(Q0 * g) / g);

    r.goods = AtOperatingTime(r.QG_kWhday / Dd, Dd, tRun, Q0);
    r.electrical = AtOperatingTime(r.QB_kW + r.QE_kW, Dd, tRun, Q0);
    r.airChange = AtOperatingTime(r.QL_kW, Dd, tRun, Q0);
    r.latent = AtOperatingTime(r.latent_kW, Dd, tRun, Q0);
    r.sensible = AtOperatingTime(r.sensible_kW, Dd, tRun, Q0);
    r.transmission = AtOperatingTime(r.QT_kW, Dd, tRun, Q0);
    r.persons = AtOperatingTime(r.QP_kW, Dd, tRun, Q0);
    r.fans = AddedAmount(r.fan_kW, Q0);
    r.defrost = AddedAmount(r.defrostHeat_kW, Q0);

    // 14. Result files.
    if (mode == kRecalcWriteResultFiles) r.resultFilesWritten = WriteResultFiles(r, room, ctx);
    return r;
}

} // namespace veskaro
