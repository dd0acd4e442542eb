#pragma once
// Moist air at total pressure p: enthalpy, humidity ratio and density from humidity and temperature.
// Ideal-gas mixing of dry air and water vapour; Hyland-Wexler saturation pressure (ASHRAE Fundamentals,
// ch. 1), over ice below 0 °C and over water above.

namespace veskaro {

// Air pressure of the load calculation and the door infiltration, bar: standard atmosphere at sea level
// (1.01325 bar) as the product family rounds it.
inline constexpr double kAirPressure_bar = 1.013;

struct MoistAirState {
    double h_kJkg = 0.0;   // specific enthalpy, kJ per kg dry air (zero: dry air and liquid water at 0 °C)
    double x_gkg = 0.0;    // humidity ratio, g per kg dry air
    double rho_kgm3 = 0.0; // density of the moist air, kg/m³
};

// Saturation pressure of water vapour, Pa, at t (°C): over ice below 0 °C, over water above.
double SaturationPressure_Pa(double t_C);

// AirState: phi relative humidity as a fraction, t in °C, p total pressure in bar. The inputs are clamped
// (phi < 0 -> 0.01, phi > 1 -> 1, p = 0 -> 1.01, then t and p into their valid ranges) and the caller's
// variables receive the clamped values.
MoistAirState AirState(double& phi, double& t_C, double& p_bar);

// Degree of saturation x / x_s in % (0 to 100) of air at t (°C) with humidity ratio x (g/kg dry air), at
// total pressure p (bar); the load calculation takes it as the relative humidity of that air.
double DegreeOfSaturation_pct(double t_C, double x_gkg, double p_bar);

} // namespace veskaro
