// Writes the generic unit-cooler sizing catalogue data/CoolerCat.dat from the sizing rules below. It is
// not a manufacturer's catalogue: every figure follows from the fan size and count, the fin spacing and
// the air-side heat balance at the standard condition (air in 0 °C 85 %, evaporating -8 °C, ΔT1 = 8 K).
//   make_cooler_catalogue DATA_DIR

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "equipment/moist_air.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kAirIn_C = 0.0, kAirInHumidity = 0.85, kDeltaT1_K = 8.0, kPressure_bar = 1.013;
constexpr double kAirOutHumidity = 0.95;       // air leaving a wet or frosted coil is close to saturation
constexpr double kFanStaticPressure_Pa = 80.0; // coil and ring losses of a unit cooler
constexpr double kFanEfficiency = 0.30;        // small axial fan with external-rotor motor, shaft and motor
constexpr double kThrowPerVelocity_s = 1.6;    // throw (m) per m/s of outlet velocity per m of fan diameter

struct FanSize {
    int diameter_mm;
    double outletVelocity_ms; // mean velocity in the fan ring
};
constexpr FanSize kFans[] = {{300, 2.8}, {350, 4.0}, {400, 5.5}, {450, 6.5},
                             {500, 7.0}, {560, 8.0}, {630, 8.8}};

struct FinSeries {
    int spacing_mm;
    double effectiveness; // air temperature drop / ΔT1: closer fins, more surface per unit of air
    double heaterPerkW_W; // electric defrost heater per kW of nominal capacity
};
constexpr FinSeries kFins[] = {{4, 0.50, 550.0}, {7, 0.40, 650.0}};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_cooler_catalogue DATA_DIR\n";
        return 2;
    }
    std::string text;
    char line[200];
    for (const FinSeries& fin : kFins)
        for (const FanSize& fan : kFans)
            for (int n = 1; n <= 4; ++n) {
                double phi = kAirInHumidity, t = kAirIn_C, p = kPressure_bar;
                const veskaro::MoistAirState in = veskaro::AirState(phi, t, p);
                double phiOut = kAirOutHumidity, tOut = kAirIn_C - fin.effectiveness * kDeltaT1_K;
                const veskaro::MoistAirState out = veskaro::AirState(phiOut, tOut, p);
                const double d = fan.diameter_mm / 1000.0;
                const double flowPerFan_m3s = fan.outletVelocity_ms * kPi * d * d / 4.0;
                const double airFlow_m3h = std::round(n * flowPerFan_m3s * 3600.0 / 10.0) * 10.0;
                const double capacity_kW = airFlow_m3h / 3600.0 * in.rho_kgm3 * (in.h_kJkg - out.h_kJkg);
                const double fanPower_W =
                    std::round(flowPerFan_m3s * kFanStaticPressure_Pa / kFanEfficiency / 5.0) * 5.0;
                const double heater_W = std::round(capacity_kW * fin.heaterPerkW_W / 50.0) * 50.0;
                const double throw_m =
                    std::round(kThrowPerVelocity_s * fan.outletVelocity_ms * d * std::sqrt(n) * 10.0) / 10.0;
                std::snprintf(line, sizeof line, "\"GC %d-%d F%d\",%d,%d,%d,%.2f,%.0f,%.0f,%.0f,%.1f\r\n",
                              fan.diameter_mm / 10, n, fin.spacing_mm, fin.spacing_mm, n, fan.diameter_mm,
                              capacity_kW, airFlow_m3h, fanPower_W, heater_W, throw_m);
                text += line;
            }
    std::ofstream file(std::string(argv[1]) + "/CoolerCat.dat", std::ios::binary);
    file << text;
    return file ? 0 : 1;
}
