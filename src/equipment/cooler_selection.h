#pragma once
// Unit-cooler selection: the generic sizing catalogue, its capacity at other conditions, the list of
// coolers that meet the capacity per evaporator, the refrigerant's operating point and the stored choice.

#include <string>
#include <string_view>
#include <vector>

#include "app/record_file.h"
#include "equipment/evaporator_handover.h"
#include "equipment/refrigerants.h"

namespace veskaro {

struct AppContext;

inline constexpr std::string_view kCoolerCatalogueFile = "CoolerCat.dat"; // standard rows
inline constexpr std::string_view kUserCoolerFile = "CoolerCatU.dat";     // the user's supplier rows
inline constexpr std::string_view kStoredSelectionFile = "VerDpark.dat";

// One cooler: record of 9 items "name", fin spacing mm, fans, fan diameter mm, nominal capacity kW at
// the standard condition (air in 0 °C 85 %, evaporating -8 °C, ΔT1 = 8 K), air flow m³/h, fan power W
// per fan, defrost heater power W, air throw m.
struct CoolerModel {
    std::string name;
    double finSpacing_mm = 0.0;
    int fans = 0;
    int fanDiameter_mm = 0;
    double nominal_kW = 0.0;
    double airFlow_m3h = 0.0;
    double fanPower_W = 0.0;
    double heater_W = 0.0;
    double throw_m = 0.0;
    bool user = false; // read from the user file
};

struct CoolerCatalogue {
    std::vector<CoolerModel> models;   // standard rows first, then the user rows
    std::vector<std::string> problems; // what is missing or was left out, for the dialog to say
};

// Reads the standard catalogue and the user file (both optional, at most 5000 rows each); a row with an
// empty name or a value out of range is left out and counted in `problems`.
CoolerCatalogue LoadCoolerCatalogue(const AppContext& ctx);
CoolerCatalogue ParseCoolerCatalogue(const std::string& standardText, const std::string& userText);

// Capacity at other conditions: nominal · ΔT1 / 8 K · f(t0, frost) · f(refrigerant).
double EvaporatingTemperatureFactor(double t0_C); // table over -40 .. +5 °C, held at the ends
double RefrigerantCapacityFactor(std::string_view refrigerant);
double CoolerCapacity_kW(const CoolerModel& model, double dT1_K, double t0_C, std::string_view refrigerant);

struct CoolerCandidate {
    std::size_t index = 0;    // into the catalogue
    double capacity_kW = 0.0; // at the requested conditions
    double reserve_pct = 0.0; // 100 · (capacity / Qe - 1)
};

// The coolers whose capacity meets Qe, smallest reserve first (ties in catalogue order). Nothing for
// Qe, ΔT1 not positive or not finite.
std::vector<CoolerCandidate> MatchingCoolers(const std::vector<CoolerModel>& models, double Qe_kW,
                                             double dT1_K, double t0_C, std::string_view refrigerant);

inline constexpr double kLiquidLineTemperature_C = 30.0; // liquid reaching the expansion valve

struct OperatingPoint {
    TableStatus status = TableStatus::Ok;
    double p0_bar = 0.0;       // dew pressure at t0
    double massFlow_kgs = 0.0; // refrigerant flow for Qe with liquid at 30 °C and saturated vapour out
    bool clamped = false;      // t0 or 30 °C lay outside the table
};
OperatingPoint EvaporatorOperatingPoint(const AppContext& ctx, SaturationTables& tables,
                                        std::string_view refrigerant, double t0_C, double Qe_kW);

// Everything the selection dialog shows for one set of inputs.
struct SelectionView {
    std::vector<CoolerCandidate> candidates;
    OperatingPoint operatingPoint;
    std::vector<std::string>
        messages; // catalogue problems, missing refrigerant data, values held at a table end
};
SelectionView BuildSelectionView(const AppContext& ctx, SaturationTables& tables,
                                 const CoolerCatalogue& catalogue, std::string_view refrigerant, double Qe_kW,
                                 double dT1_K, double t0_C);

// The values a chosen cooler hands back: its name, the fan power of all its fans (W) and its heater (kW).
SelectionResult ChooseCooler(const CoolerModel& model);

// VerDpark.dat: "refrigerant", "cooler name", Qe kW, ΔT1 K, t0 °C on one line.
struct StoredSelection {
    std::string refrigerant;
    std::string cooler;
    double Qe_kW = 0.0, dT1_K = 0.0, t0_C = 0.0;
};
StoredSelection ParseStoredSelection(const std::string& text); // hostile text gives defaults, never throws
StoredSelection ReadStoredSelection(const AppContext& ctx);
WriteStatus WriteStoredSelection(const AppContext& ctx, const StoredSelection& s);

} // namespace veskaro
