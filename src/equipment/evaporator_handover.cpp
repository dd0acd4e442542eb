#include "equipment/evaporator_handover.h"

#include <cmath>

#include "app/number_text.h"

namespace veskaro {

namespace {

constexpr double kZeroC_K = 273.15;
constexpr double kHeaterRoomShare = 0.33;  // share of the defrost heater power that heats the room
constexpr double kDefaultRunTime_h = 18.0; // run time set when none is given
constexpr double kDefaultDefrostShare_pct = 3.0;
constexpr int kMaxCoolers = 1000; // bound on a typed number of evaporators

double RunTime(const std::string& laufzeit) {
    const double t = NumFromText(std::string_view(laufzeit));
    return t > 0.0 ? t : kDefaultRunTime_h;
}

int CoolerCount(const std::string& anzVerd) {
    const double n = IntFloor(NumFromText(std::string_view(anzVerd)));
    if (!(n >= 1.0)) return 1;
    return n > kMaxCoolers ? kMaxCoolers : static_cast<int>(n);
}

} // namespace

std::string CapacityText(double Q_kW) {
    const int decimals = Q_kW > 100.0 ? 1 : Q_kW > 10.0 ? 2 : 3;
    return DisplayText(TruncateDecimals(Q_kW, decimals));
}

Handover PrepareHandover(const HandoverFields& f, double defrost_kW, int dayBasis_h) {
    Handover h;
    h.deltaT_K = NumFromText(std::string_view(f.tempdiff));
    double Q = NumFromText(std::string_view(f.raumLeist));
    h.n = CoolerCount(f.anzVerd);
    h.t0_C = NumFromText(std::string_view(f.verdTemp));
    h.T0_K = h.t0_C + kZeroC_K;
    h.proceed = h.deltaT_K > 0.0 && Q > 0.0 && std::isfinite(Q) && std::isfinite(h.deltaT_K);
    if (!h.proceed) return h;
    const double fan_W = NumFromText(std::string_view(f.plueftPN));
    if (fan_W > 0.0) Q -= fan_W / 1000.0; // the fan heat of one evaporator, once
    h.Q_kW = Q;
    h.Qe_kW = Q / h.n;
    const double D = dayBasis_h > 0 ? dayBasis_h : 24.0;
    h.defrostShare_kW = kHeaterRoomShare * defrost_kW * D / (RunTime(f.laufzeit) * h.n);
    return h;
}

RoomUpdate ApplySelection(const Handover& h, const HandoverFields& f, const SelectionResult& result,
                          double defrost_kW, int dayBasis_h) {
    RoomUpdate u;
    u.plueftPN = f.plueftPN;
    u.laufzeit = f.laufzeit;
    u.abtau = f.abtau;
    u.abtauAnt = f.abtauAnt;
    if (result.code == kSelectionCancelled) {
        u.defrostFlag = 0;
        return u;
    }
    u.changesFan = true;
    u.plueftPN = result.fanPowerText;
    u.verdNam = result.name;
    const double heater_W = TruncateDecimals(1000.0 * result.heater_kW, 0);
    u.abtau = DisplayText(heater_W);
    if (NumFromText(std::string_view(f.laufzeit)) <= 0.0) u.laufzeit = "18";
    // The time share the chosen heater needs to melt the frost of the load calculation.
    double share = NumFromText(std::string_view(f.abtauAnt));
    if (!(share > 0.0)) share = kDefaultDefrostShare_pct;
    const double D = dayBasis_h > 0 ? dayBasis_h : 24.0;
    if (heater_W > 0.0 && defrost_kW > 0.0) {
        const double needed = share * 1000.0 * defrost_kW / (heater_W * RunTime(u.laufzeit) * h.n / D);
        u.abtauAnt = DisplayText(IntFloor(100.0 * needed) / 100.0);
    }
    u.defrostFlag = 1;
    return u;
}

} // namespace veskaro
