#include "equipment/moist_air.h"

#include <algorithm>
#include <cmath>

namespace veskaro {

namespace {

// Constants of the moist-air state (ideal-gas mixture of dry air and water vapour).
constexpr double kGasConstantDryAir_JkgK = 287.04;
constexpr double kGasConstantVapour_JkgK = 461.5;
constexpr double kMolarMassRatio = kGasConstantDryAir_JkgK / kGasConstantVapour_JkgK; // 0.62197, M_w / M_a
constexpr double kZeroCelsius_K = 273.15;
constexpr double kPascalPerBar = 100000.0;
// Enthalpy of evaporation of water at 0 °C, kJ/kg: the constant of the whole product family (the handbook
// rounds it to 2501).
constexpr double kEnthalpyOfEvaporation0C_kJkg = 2501.6;
// Specific heats at constant pressure around room conditions, kJ/(kg K), ASHRAE Fundamentals 2017 ch. 1,
// eq. 32.
constexpr double kCpDryAir_kJkgK = 1.006;
constexpr double kCpVapour_kJkgK = 1.86;

// Validity of the state: the saturation-pressure correlations end at 200 °C, the load calculation starts
// at -50 °C; total pressure up to 8.5 bar.
constexpr double kMinTemperature_C = -50.0;
constexpr double kMaxTemperature_C = 200.0;
constexpr double kMaxPressure_bar = 8.5;
constexpr double kDefaultPressure_bar = 1.01; // taken for an unset (0) pressure
constexpr double kMinHumidity = 0.01;         // taken for a negative relative humidity
constexpr double kDefaultTemperature_C = 0.0; // taken for a temperature that is not a number
// Above the boiling point at p the saturation pressure exceeds the total pressure and x would be infinite
// or negative: the vapour partial pressure is capped at this share of p (x then stays below 62 kg/kg).
constexpr double kMaxVapourShare = 0.99;

// Range of the saturation-pressure correlations (ice branch from -100 °C, water branch to 200 °C).
constexpr double kMinSaturationTemperature_C = -100.0;

// Hyland-Wexler saturation pressure over ice, -100 to 0 °C:
// ln p_ws = C1/T + C2 + C3 T + C4 T² + C5 T³ + C6 T⁴ + C7 ln T, p_ws in Pa, T in K.
// ASHRAE Fundamentals 2017 ch. 1, eq. 5.
constexpr double kC1 = -5.6745359e3;   // K
constexpr double kC2 = 6.3925247;      // -
constexpr double kC3 = -9.6778430e-3;  // 1/K
constexpr double kC4 = 6.2215701e-7;   // 1/K²
constexpr double kC5 = 2.0747825e-9;   // 1/K³
constexpr double kC6 = -9.4840240e-13; // 1/K⁴
constexpr double kC7 = 4.1635019;      // -

// Hyland-Wexler saturation pressure over liquid water, 0 to 200 °C: ln p_ws = C8/T + C9 + C10 T + C11 T²
// + C12 T³ + C13 ln T, p_ws in Pa, T in K. ASHRAE Fundamentals 2017 ch. 1, eq. 6.
constexpr double kC8 = -5.8002206e3;   // K
constexpr double kC9 = 1.3914993;      // -
constexpr double kC10 = -4.8640239e-2; // 1/K
constexpr double kC11 = 4.1764768e-5;  // 1/K²
constexpr double kC12 = -1.4452093e-8; // 1/K³
constexpr double kC13 = 6.5459673;     // -

// Bisection of DegreeOfSaturation_pct: start at half saturation, resolve the humidity ratio to 0.005 g/kg, at
// most 29 halvings.
constexpr double kSaturationBisectionTolerance_gkg = 0.005;
constexpr int kSaturationBisectionMaxHalvings = 29;
constexpr double kSaturationBisectionStart_gkg = 200.0; // a humidity ratio no air reaches: the loop starts

double ClampTemperature(double t_C) {
    if (std::isnan(t_C)) return kDefaultTemperature_C;
    return std::clamp(t_C, kMinTemperature_C, kMaxTemperature_C);
}

// p = 0 is an unset pressure; a negative or non-numeric one is treated alike.
double ClampPressure(double p_bar) {
    if (std::isnan(p_bar) || p_bar <= 0.0) return kDefaultPressure_bar;
    return std::min(p_bar, kMaxPressure_bar);
}

// phi < 0 (or not a number) -> 0.01, phi > 1 -> 1.
double ClampHumidity(double phi) {
    if (std::isnan(phi) || phi < 0.0) return kMinHumidity;
    return std::min(phi, 1.0);
}

// Vapour partial pressure, Pa, of air at relative humidity phi, capped below the total pressure p (Pa).
double VapourPressure_Pa(double phi, double t_C, double p_Pa) {
    return std::min(phi * SaturationPressure_Pa(t_C), kMaxVapourShare * p_Pa);
}

// Humidity ratio, g per kg dry air, from the vapour partial pressure p_w and the total pressure p (Pa).
// ASHRAE Fundamentals 2017 ch. 1, eq. 20, with the ratio of the gas constants as M_w / M_a.
double HumidityRatio_gkg(double pw_Pa, double p_Pa) {
    return 1000.0 * kMolarMassRatio * pw_Pa / (p_Pa - pw_Pa);
}

} // namespace

double SaturationPressure_Pa(double t_C) {
    if (std::isnan(t_C)) t_C = kDefaultTemperature_C;
    t_C = std::clamp(t_C, kMinSaturationTemperature_C, kMaxTemperature_C);
    const double T = t_C + kZeroCelsius_K;
    const double lnT = std::log(T);
    if (t_C < 0.0) {
        return std::exp(kC1 / T + kC2 + T * (kC3 + T * (kC4 + T * (kC5 + T * kC6))) + kC7 * lnT);
    }
    return std::exp(kC8 / T + kC9 + T * (kC10 + T * (kC11 + T * kC12)) + kC13 * lnT);
}

MoistAirState AirState(double& phi, double& t_C, double& p_bar) {
    // Clamps as the callers expect them (written back): phi < 0 -> 0.01, phi > 1 -> 1, p = 0 -> 1.01,
    // then t into -50..200 °C and p into (0, 8.5] bar.
    phi = ClampHumidity(phi);
    p_bar = ClampPressure(p_bar);
    t_C = ClampTemperature(t_C);

    const double p_Pa = p_bar * kPascalPerBar;
    const double T_K = t_C + kZeroCelsius_K;
    const double pw_Pa = VapourPressure_Pa(phi, t_C, p_Pa);

    MoistAirState state;
    state.x_gkg = HumidityRatio_gkg(pw_Pa, p_Pa);
    // Enthalpy per kg dry air, zero point dry air and liquid water at 0 °C. ASHRAE Fundamentals 2017 ch. 1,
    // eq. 32, with the family's enthalpy of evaporation.
    state.h_kJkg = kCpDryAir_kJkgK * t_C +
                   state.x_gkg / 1000.0 * (kEnthalpyOfEvaporation0C_kJkg + kCpVapour_kJkgK * t_C);
    // Density of the mixture: sum of the partial densities of dry air and vapour (ideal gases).
    state.rho_kgm3 =
        (p_Pa - pw_Pa) / (kGasConstantDryAir_JkgK * T_K) + pw_Pa / (kGasConstantVapour_JkgK * T_K);
    return state;
}

double DegreeOfSaturation_pct(double t_C, double x_gkg, double p_bar) {
    t_C = ClampTemperature(t_C);
    p_bar = ClampPressure(p_bar);
    if (std::isnan(x_gkg)) x_gkg = 0.0;

    double saturated = 1.0;
    const double xs_gkg = AirState(saturated, t_C, p_bar).x_gkg; // the same for every trial

    // Bisection on the degree of saturation phi = x / x_s: the first correction is +-0.25, each further
    // one half the last. The trial that meets the tolerance is the result: one more halving after it could
    // move phi a quarter of saturation away when an early trial happens to meet it.
    double phi = 0.5;
    double step = 0.5;
    double xTrial_gkg = kSaturationBisectionStart_gkg;
    for (int n = 1; n <= kSaturationBisectionMaxHalvings &&
                    std::fabs(xTrial_gkg - x_gkg) > kSaturationBisectionTolerance_gkg;
         ++n) {
        xTrial_gkg = phi * xs_gkg;
        if (std::fabs(xTrial_gkg - x_gkg) <= kSaturationBisectionTolerance_gkg) break;
        if (xTrial_gkg > x_gkg) {
            phi -= step / 2.0;
        } else if (xTrial_gkg < x_gkg) {
            phi += step / 2.0;
        }
        step /= 2.0;
    }
    return 100.0 * phi;
}

} // namespace veskaro
