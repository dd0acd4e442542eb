#pragma once
// Hand-over of the room's load to the air-cooler selection and the room fields it changes on return.
// Pure functions: the window reads its fields into HandoverFields, shows the results; no engineering there.

#include <string>

namespace veskaro {

// Field texts of the main window read after the load calculation has run.
struct HandoverFields {
    std::string tempdiff;  // ΔT room air to evaporating temperature, K
    std::string raumLeist; // required capacity Q, kW (caption of RaumLeist)
    std::string anzVerd;   // number of evaporators
    std::string verdTemp;  // evaporating temperature t0, °C
    std::string plueftPN;  // fan power per evaporator, W
    std::string laufzeit;  // daily operating time, h
    std::string abtau;     // defrost heater power per evaporator, W (kept for a cancelled selection)
    std::string abtauAnt;  // defrost time share, % (kept likewise)
};

// What the selection receives.
struct Handover {
    bool proceed = false; // ΔT > 0 and Q > 0; otherwise nothing but the recalculation happens
    double deltaT_K = 0.0;
    double Q_kW = 0.0; // required capacity after the fan heat of one evaporator is taken off
    int n = 1;         // number of evaporators (0 or blank counts as 1)
    double t0_C = 0.0, T0_K = 0.0;
    double Qe_kW = 0.0; // capacity per evaporator, Q / n
    double defrostShare_kW = 0.0;
};

// Forms the hand-over. `defrost_kW` is the defrost power of the load calculation, `dayBasis_h` its day
// length D. The defrost share is 0.33 · defrost · D / (t_run · n): the part of the heater power that
// stays in the room as heat (t_run ≤ 0 counts as the 18 h set on return).
Handover PrepareHandover(const HandoverFields& fields, double defrost_kW, int dayBasis_h);

// What the selection returns.
struct SelectionResult {
    int code = 0;             // kSelectionCancelled abandons the selection
    std::string name;         // chosen cooler
    std::string fanPowerText; // fan power per cooler, W
    double heater_kW = 0.0;   // defrost heater power per cooler
};
inline constexpr int kSelectionCancelled = 113;

// The room fields after the selection returns.
struct RoomUpdate {
    std::string plueftPN, verdNam, abtau, abtauAnt, laufzeit;
    int defrostFlag = 0;
    bool changesFan = false; // plueftPN and verdNam were set
};

// Applies a returned selection: cancelled keeps the defrost texts of `fields` and clears the flag; a
// choice sets fan power, name, heater (W per cooler), run time guard, recomputed time share and flag 1.
// The capacity is not patched here: the recalculation that follows counts the new fan power of every
// cooler once (Q - fan_old + fan_new · n would count n - 1 of the old fans twice). `defrost_kW` as for
// PrepareHandover.
RoomUpdate ApplySelection(const Handover& h, const HandoverFields& fields, const SelectionResult& result,
                          double defrost_kW, int dayBasis_h);

// Int(Q · g) / g as display text, g = 1000, 100 above 10 kW, 10 above 100 kW.
std::string CapacityText(double Q_kW);

} // namespace veskaro
