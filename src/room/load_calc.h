#pragma once
// The cooling load of one cold room: transmission, air change, goods, persons, lighting, electrical
// consumers, fans and defrost heaters, summed to the refrigeration capacity needed at the daily
// operating time. Three stages: ParseRoom (texts -> typed inputs), ComputeLoads (pure arithmetic) and
// PresentLoads (results -> the window's texts and messages). Recalc chains them.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/message.h"
#include "goods/goods_check.h"
#include "room/room_fields.h"

namespace veskaro {

struct AppContext;
struct Envelope;
struct RoomRecord;

// Modes of the calculation as the window asks for it.
inline constexpr int kRecalcShow = 0;             // update the window only
inline constexpr int kRecalcWriteResultFiles = 1; // also save "ergCR.DAT" and "ergCR2.DAT"

// One counted goods row (grid rows 1..20 with a quantity), as numbers.
struct GoodsInput {
    int row = 0; // goods grid row, 1..20
    std::string name;
    double m_kgday = 0.0;
    double tIn_C = 0.0, tEnd_C = 0.0, tFreeze_C = 0.0;
    double cpAbove_kJkgK = 0.0, cpBelow_kJkgK = 0.0, latent_kJkg = 0.0, respiration_kJkgday = 0.0;
};

// The counted goods rows as numbers, with the cells outside their ranges.
struct GoodsInputs {
    std::vector<GoodsInput> rows;
    RangeWarnings warnings;
    // Every row 1..20 with a quantity, counted or still being typed: the usable values of its text, for
    // the check of the fields it needs at the room temperature.
    std::vector<std::pair<int, GoodsRowValues>> checked;
};

// The room record as typed SI values, with the defaults of the calculation applied.
struct RoomInputs {
    double tRun_h = 18.0;          // operating time; 18 when none (<= 0) was given
    bool runTimeDefaulted = false; // the operating time text is rewritten to "18"
    bool shockOperation = false;   // the period of the calculation is the operating time
    int D_h = 24;                  // day basis: 24 h, or Int(t_run) (at least 1) in shock operation
    double L_m = 0.0, B_m = 0.0, H_m = 0.0;
    int nEvap = 1; // evaporators, fewer than one counted as one
    int roomShape = 0;
    double tRoom_C = 0.0, tOut_C = 0.0;
    double phiRoom_pct = 0.0, phiOut_pct = 0.0;
    double nRoom_perh = 0.0, nDoor_perh = 0.0; // air changes of the room and through the door
    double tEvap_C = 0.0;
    int defrostFlag = 0;           // 1: the engineer gave the heater power
    double heaterGiven_W = 0.0;    // Abtau, per evaporator
    double defrostShare_pct = 0.0; // AbtauAnt
    double personHours = 0.0;      // person-hours per day
    double lighting_Wm2 = 0.0;
    double electrical_W = 0.0;
    double fanPower_W = 0.0; // per evaporator
    RangeWarnings warnings;  // every room field outside its physical range
    GoodsInputs goods;       // filled by ParseRoom, left empty by ParseRoomFields
};

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

// Heat of one counted goods row, kWh per day.
struct GoodsHeat : GoodsInput {
    double Q1_kWhday = 0.0; // sensible above freezing
    double Q2_kWhday = 0.0; // sensible below freezing
    double Q3_kWhday = 0.0; // freezing (negative: thawing)
    double Q4_kWhday = 0.0; // respiration
    double total_kWhday() const { return Q1_kWhday + Q2_kWhday + Q3_kWhday + Q4_kWhday; }
};

// What the calculation has to tell the engineer, with the numbers the text needs.
enum class LoadNoteKind { RoomTooCold, GoodsEndBelowRoom };
struct LoadNote {
    LoadNoteKind kind = LoadNoteKind::RoomTooCold;
    double tGoodsEnd_C = 0.0; // GoodsEndBelowRoom
    double tRoom_C = 0.0;
};

// How the defrost step sized the heaters.
enum class DefrostSizing {
    None,               // evaporating at or above 0 °C: no defrost
    HeaterFromMoisture, // heater power per evaporator from the frost, at the default time share
    ShareFromHeater,    // the engineer's heater power: the time share it needs
    AsGiven,            // a foreign defrost flag: heater texts and defrost power stay as they were
};

struct LoadResult {
    bool stopped = false;        // room below -50 °C: only the operating time and dimensions are valid
    std::vector<LoadNote> notes; // in the order they arise
    // Inputs outside their ranges: the numbers are computed for display but are no result to rely on.
    RangeWarnings warnings;
    bool trusted() const { return warnings.empty(); }

    // Operating time and dimensions
    int D_h = 24;        // day basis
    double tRun_h = 0.0; // operating time
    bool runTimeDefaulted = false;
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
    double moisture_gh = 0.0; // m_w: water carried in by the air change, g/h

    // Defrost: the heater power per evaporator and the time share as the window then shows them
    DefrostSizing defrostSizing = DefrostSizing::None;
    double heater_W = 0.0;
    double defrostShare_pct = 0.0;
    double defrostPower_kW = 0.0; // P_d; 0 without defrost and for a foreign flag
    bool defrostComputed = false; // t_0 < 0

    // Component lines in result-record order
    LoadLine goods, electrical, airChange, latent, sensible, transmission, persons, fans, defrost;

    std::vector<GoodsHeat> goodsRows;
};

// The window's texts of a calculation.
struct RoomDisplay {
    std::string Vol, Area, Umfang, Label51, Label68, RaumLeist;
    // Fields the calculation rewrites (nothing when it leaves them).
    std::optional<std::string> Laufzeit, Abtau, AbtauAnt;
    Messages messages; // composed from the captions, in the order they arose
};

// A calculation with its texts, as the room controller keeps it.
struct RecalcResult : LoadResult, RoomDisplay {
    bool resultFilesWritten = false; // the caller saved both result files
};

// Stage 1: the room record's texts as typed values with the defaults applied, goods rows included.
RoomInputs ParseRoom(const RoomRecord& room);
// Stage 1 in parts: the room fields alone, and the goods grid rows 1..20 alone (a caller whose goods did
// not change keeps them parsed).
RoomInputs ParseRoomFields(const RoomRecord& room);
GoodsInputs ParseGoods(const RoomRecord& room);
// Stage 2: every component of the load; no text, no files, no context. The warnings of the room fields
// and of the goods are the result's.
LoadResult ComputeLoads(const RoomInputs& in, const Envelope& env, const GoodsInputs& goods);
inline LoadResult ComputeLoads(const RoomInputs& in, const Envelope& env) {
    return ComputeLoads(in, env, in.goods);
}
// Stage 3: the window's texts and the message texts composed from ctx's captions.
RoomDisplay PresentLoads(const LoadResult& r, const AppContext& ctx);
// Writes the fields the calculation rewrites back into the record.
void ApplyRewrittenFields(RoomRecord& room, const RoomDisplay& display);

// The three stages in a row, the rewritten fields written back into room. Surfaces the envelope gives as
// U = 0 and t = 0 take the defaults (walls 0.4 W/m²K and ceiling 0.44 W/m²K against the outside air,
// floor 0.85 W/m²K against 15 °C) for this calculation only: `env` is not changed, so a later change of
// the outside temperature is always followed.
RecalcResult Recalc(RoomRecord& room, const Envelope& env, const AppContext& ctx);
// The same with the goods already parsed from room.goods.
RecalcResult Recalc(RoomRecord& room, const Envelope& env, const AppContext& ctx, const GoodsInputs& goods);

// The rounding factor of the dimension texts: 100, 10 when the compared value exceeds 10, 1 above 100.
double DimensionRoundingFactor(double compared);

// PersonHeat: heat given off by one person at room temperature t (°C), W: 175 W at 22 °C, rising by 1/33
// of that per kelvin colder (heavier work and clothing in the cold).
double PersonHeat(double t_C);

} // namespace veskaro
