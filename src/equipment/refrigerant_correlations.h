#pragma once
// Fast correlations of the saturation properties against temperature, fitted to the shipped saturation
// tables (tools/make_refrigerant_tables), and the two correlation forms they use.

#include <array>
#include <string_view>

namespace veskaro {

// Poly3: 1e-3 * (a + b T + c T² + d T³).
double Poly3(double a, double b, double c, double d, double T);
// ExpForm: 1e-3 * exp(a + b / T + c / T²). T = 0 on entry is replaced by 262.4 and the caller's variable
// receives that value.
double ExpForm(double a, double b, double c, double& T);

enum class CorrelationForm { Poly3, ExpForm };

struct Correlation {
    CorrelationForm form = CorrelationForm::Poly3;
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
    double tMax_K = 0.0; // upper end of the range of this piece; 0 marks an unused piece
};

// A result is fitted piecewise over consecutive temperature ranges: one three- or four-coefficient form
// cannot follow the vapour density (a factor of 50 over -60…+60 °C) within 0.5 %.
constexpr int kMaxCorrelationPieces = 4;
using PiecewiseCorrelation = std::array<Correlation, kMaxCorrelationPieces>;

// The nine correlation results, in this order.
enum CorrelationIndex {
    kCorrBubblePressure_bar,    // bubble-point pressure, bar abs
    kCorrDewPressure_bar,       // dew-point pressure, bar abs
    kCorrLiquidDensity_kgm3,    // saturated liquid density
    kCorrVapourDensity_kgm3,    // saturated vapour density at the dew point
    kCorrLiquidEnthalpy_kJkg,   // saturated liquid enthalpy (IIR reference)
    kCorrVapourEnthalpy_kJkg,   // saturated vapour enthalpy at the dew point
    kCorrLatentHeat_kJkg,       // dew-point vapour minus bubble-point liquid enthalpy
    kCorrVolumetricEffect_kJm3, // latent heat times vapour density: refrigerating effect per m³ of suction
                                // gas
    kCorrDewPressureSlope_barK, // d p_dew / dT
    kCorrelationCount
};

struct CorrelationBlock {
    std::string_view name; // table name of the refrigerant (R22, PROPAN, ...)
    double tMin_K = 0.0;   // lower end of every fit
    std::array<PiecewiseCorrelation, kCorrelationCount> c{};
};

// The fitted blocks of every shipped refrigerant (generated files): pure fluids and pseudo-pure blends
// in refrigerant_blocks.cpp, the blends of the mixture model in refrigerant_blend_blocks.cpp.
extern const CorrelationBlock kCorrelationBlocks[];
extern const int kCorrelationBlockCount;
extern const CorrelationBlock kBlendCorrelationBlocks[];
extern const int kBlendCorrelationBlockCount;

struct CorrelationResults {
    std::array<double, kCorrelationCount> value{};
    bool found = false;   // a block exists for the refrigerant
    bool clamped = false; // T lay outside the table's range and was held at its end
};

// RefrigerantCorrelations: the nine results for `refrigerant` (any of its names) at T (K).
CorrelationResults RefrigerantCorrelations(std::string_view refrigerant, double T_K);

// The family's example block: R12 saturated vapour viscosity, Pa s, as Poly3 of T (K).
inline constexpr Correlation kR12VapourViscosity{
    CorrelationForm::Poly3, -0.16244, 1.7545e-3, -5.99112e-6, 6.96937e-9, 0.0};

} // namespace veskaro
