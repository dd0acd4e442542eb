#pragma once
// The cooling load of one cold room: transmission, air change, goods, persons, lighting, electrical
// consumers, fans and defrost heaters, summed to the refrigeration capacity needed at the daily
// operating time.

#include <string>
#include <vector>

#include "app/message.h"

namespace veskaro {

struct AppContext;
struct Envelope;
struct RoomRecord;

// Modes of Recalc.
inline constexpr int kRecalcShow = 0;             // update the window only
inline constexpr int kRecalcWriteResultFiles = 1; // also save "ergCR.DAT" and "ergCR2.DAT"

// Heat gained through one envelope surface, with the U-value and the temperature beyond actually used
// (defaults applied where the envelope gave 0 / 0).
struct SurfaceFlow {
    std::string designation; // floor-plan wall table designation ("" for a rectangular room)
    double length_m = 0.0;   // walls only
    double area_m2 = 0.0;
    double U_Wm2K = 0.0;
    double tBeyond_C = 0.0;
    double Q_W = 0.0;
};

// One capacity line of the result: the capacity at the operating time and its share of Q_0.
struct LoadLine {
    double average_kW = 0.0;  // the unrounded amount: average load over the day basis (fan and defrost:
                              // the amount added to Q_0)
    double capacity_kW = 0.0; // Int(C·(D/t_run)·1000)/1000; fan and defrost: Int(C·1000)/1000
    double share_pct = 0.0;   // Int(10000·C·(D/t_run)/Q_0)/100; 0 when Q_0 is 0
};

// Heat of one counted goods row (grid rows 1..20 with a quantity), kWh per day.
struct GoodsHeat {
    int row = 0; // goods grid row, 1..20
    std::string name;
    double m_kgday = 0.0;
    double tIn_C = 0.0, tEnd_C = 0.0, tFreeze_C = 0.0;
    double cpAbove_kJkgK = 0.0, cpBelow_kJkgK = 0.0, latent_kJkg = 0.0, respiration_kJkgday = 0.0;
    double Q1_kWhday = 0.0; // sensible above freezing
    double Q2_kWhday = 0.0; // sensible below freezing
    double Q3_kWhday = 0.0; // freezing (negative: thawing)
    double Q4_kWhday = 0.0; // respiration
    double total_kWhday() const { return Q1_kWhday + Q2_kWhday + Q3_kWhday + Q4_kWhday; }
};

struct RecalcResult {
    bool stopped = false; // room below -50 °C: only the dimension texts below are valid
    Messages messages;    // in the order they arise

    // Operating time and dimensions
    int D_h = 24;        // day basis
    double tRun_h = 0.0; // operating time
    double L_m = 0.0, B_m = 0.0, H_m = 0.0;
    double V_m3 = 0.0, A_m2 = 0.0, P_m = 0.0;
    int nEvap = 1;
    int roomShape = 0;

    // Transmission, W
    std::vector<SurfaceFlow> walls;
    SurfaceFlow floor, ceiling;

    // Loads: Q_T, Q_L, latent, sensible, Q_P, Q_B, Q_E in kW (averages over D); Q_G in kWh per day
    double QT_kW = 0.0, QL_kW = 0.0, latent_kW = 0.0, sensible_kW = 0.0;
    double QP_kW = 0.0, QB_kW = 0.0, QE_kW = 0.0;
    double QG_kWhday = 0.0;
    double fan_kW = 0.0;         // PlueftPN·n_evap/1000
    double defrostHeat_kW = 0.0; // 0.33·Abtau·n_evap·(AbtauAnt/100)/1000
    double Q0_kW = 0.0;
    double moisture_gh = 0.0;     // m_w: water carried in by the air change, g/h
    double defrostPower_kW = 0.0; // P_d, 0 when t_0 >= 0
    bool defrostComputed = false; // t_0 < 0

    // Component lines in result-record order
    LoadLine goods, electrical, airChange, latent, sensible, transmission, persons, fans, defrost;

    std::vector<GoodsHeat> goodsRows;

    // Display texts of the window's output fields
    std::string Vol, Area, Umfang, Label51, Label68, RaumLeist;

    bool resultFilesWritten = false; // mode kRecalcWriteResultFiles: both files saved
};

// Recalc: runs the load calculation on the room's field texts. Rewrites `Laufzeit` ("18" when <= 0),
// `Abtau` and `AbtauAnt` exactly as the window does; stores the day basis, room height and defrost power
// in ctx. Mode kRecalcWriteResultFiles also saves the two result files into the data directory.
// Surfaces the envelope gives as U = 0 and t = 0 take the defaults (walls 0.4 W/m²K and ceiling 0.44 W/m²K
// against the outside air, floor 0.85 W/m²K against 15 °C) for this calculation only: `env` is not
// changed, so a later change of the outside temperature is always followed.
RecalcResult Recalc(RoomRecord& room, const Envelope& env, AppContext& ctx, int mode);

// PersonHeat: heat given off by one person at room temperature t (°C), W: 175 W at 22 °C, rising by 1/33
// of that per kelvin colder (heavier work and clothing in the cold).
double PersonHeat(double t_C);

} // namespace veskaro
