// Moist air: saturation pressure, state of the mixture, the clamps and the humidity bisection.

#include "equipment/moist_air.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <tuple>

namespace veskaro {
namespace {

// Against ASHRAE Fundamentals 2017 ch. 1: saturation pressure, Table 3 (the correlation claims 300 ppm of
// the tabulated values), and saturated humidity ratio at 101.325 kPa, Table 2 (a real-gas table: the ideal
// mixture lies up to about 0.5 % below it through the enhancement factor; 0 where not checked).
TEST(SaturationPressure, MatchesHandbookTables) {
    const std::tuple<double, double, double> rows[] = {
        {-20.0, 103.24, 0.6373}, {-5.0, 401.74, 0},    {5.0, 872.6, 5.425}, {25.0, 3169.7, 20.173},
        {50.0, 12351.3, 86.863}, {100.0, 101418.0, 0}, {150.0, 476101.4, 0}};
    for (const auto& [t_C, pws_Pa, xs_gkg] : rows) {
        SCOPED_TRACE(t_C);
        EXPECT_NEAR(SaturationPressure_Pa(t_C), pws_Pa, 3e-4 * pws_Pa);
        double phi = 1.0, t = t_C, p = 1.01325;
        if (xs_gkg > 0) {
            EXPECT_NEAR(AirState(phi, t, p).x_gkg, xs_gkg, 0.01 * xs_gkg);
        }
    }
    // Triple point: both branches meet at 611.2 Pa within the tolerance of the table.
    EXPECT_NEAR(SaturationPressure_Pa(-1e-9), SaturationPressure_Pa(0.0), 0.2);
}

// The ideal-gas mixture (287.04 / 461.5 J/(kg K), cp 1.006 / 1.86 kJ/(kg K), 2501.6 kJ/kg) evaluated apart.
// First row by hand: p_w = 0.5·2338.8 Pa, x = 621.97·1169.4/100155.6 = 7.262 g/kg, h = 20.12 + 0.007262·
// 2538.8 = 38.56 kJ/kg, ρ = 100155.6/(287.04·293.15) + 1169.4/(461.5·293.15) = 1.1989 kg/m³.
TEST(AirState, MatchesReferenceStates) {
    // φ, t °C, p bar; h kJ/kg, x g/kg, ρ kg/m³
    const std::array<double, 6> rows[] = {
        {0.5, 20, 1.01325, 38.5569, 7.2621, 1.19891},  {1, 0, 1.013, 9.4450, 3.7756, 1.28906},
        {0.8, -20, 1.013, -18.8690, 0.50762, 1.39365}, {0.9, 2, 1.013, 11.8470, 3.9257, 1.27958},
        {0.4, 30, 1.013, 57.3035, 10.606, 1.15677},    {1, 60, 0.8, 600.1095, 206.55, 0.75774},
        {0.3, 60, 1.2, 145.6509, 32.638, 1.23122},     {0.01, -50, 0.8, -50.2993, 0.00030624, 1.24897},
        {1, -50, 1.2, -50.2508, 0.020417, 1.87343},    {0.6, 35, 1.013, 90.2592, 21.447, 1.13083},
        {0.85, -30, 1.0, -29.6883, 0.20104, 1.43262}};
    for (const auto& [phi0, t0, p0, h_kJkg, x_gkg, rho_kgm3] : rows) {
        SCOPED_TRACE(testing::Message() << "phi " << phi0 << " t " << t0 << " p " << p0);
        double phi = phi0, t = t0, p = p0;
        const MoistAirState s = AirState(phi, t, p);
        EXPECT_NEAR(s.h_kJkg, h_kJkg, 0.1);
        EXPECT_NEAR(s.x_gkg, x_gkg, 0.005 * x_gkg);
        EXPECT_NEAR(s.rho_kgm3, rho_kgm3, 0.002 * rho_kgm3);
    }
}

// Out-of-range input is clamped and written back; results stay finite, the degree of saturation in 0..100 %.
TEST(AirState, ClampsAreWrittenBackAndResultsStayFinite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // φ, t °C, p bar given; φ, t °C, p bar after the call
    const std::array<double, 6> rows[] = {
        {1.2, 20, 1.013, 1, 20, 1.013},
        {-0.1, 20, 1.013, 0.01, 20, 1.013},
        {0.5, 20, 0, 0.5, 20, 1.01},
        {0.5, -80, 1.013, 0.5, -50, 1.013},
        {0.5, 900, 1.013, 0.5, 200, 1.013},
        {0.5, 20, 12, 0.5, 20, 8.5},
        {0.5, 20, -3, 0.5, 20, 1.01},
        {nan, nan, nan, 0.01, 0, 1.01},
        {inf, -inf, inf, 1, -50, 8.5},
        {-inf, inf, -inf, 0.01, 200, 1.01},
        {1e300, 1e-300, 1e300, 1, 1e-300, 8.5},
        {1, 100, 1, 1, 100, 1},
        {1, 200, 1, 1, 200, 1}}; // the last: above the boiling point saturation exceeds the total pressure
    for (const auto& [phi0, t0, p0, phiOut, tOut_C, pOut_bar] : rows) {
        SCOPED_TRACE(testing::Message() << "phi " << phi0 << " t " << t0 << " p " << p0);
        double phi = phi0, t = t0, p = p0;
        const MoistAirState s = AirState(phi, t, p);
        EXPECT_DOUBLE_EQ(phi, phiOut);
        EXPECT_DOUBLE_EQ(t, tOut_C);
        EXPECT_DOUBLE_EQ(p, pOut_bar);
        EXPECT_TRUE(std::isfinite(s.h_kJkg) && std::isfinite(s.rho_kgm3) && std::isfinite(s.x_gkg) &&
                    s.x_gkg > 0);
        // The same hostile numbers as temperature, humidity ratio (g/kg) and pressure.
        const double rh = DegreeOfSaturation_pct(t0, phi0, p0);
        EXPECT_TRUE(rh >= 0.0 && rh <= 100.0) << rh;
    }
}

// Round trip over the working range: the result is the degree of saturation μ = x/x_s (below φ by
// φ(1 - φ)·p_ws/(p - φ·p_ws)) found to 0.005 g/kg, then moved once more by the bisection's last step, at most
// 12.5 % after the second trial (in cold air an early trial already meets the tolerance).
TEST(DegreeOfSaturation, RecoversDegreeOfSaturationOverGrid) {
    for (const double p_bar : {0.8, 1.013, 1.2}) {
        for (double t_C = -50.0; t_C <= 60.0; t_C += 10.0) {
            double one = 1.0, ts = t_C, ps = p_bar;
            const double xs_gkg = AirState(one, ts, ps).x_gkg;
            const double pws_p = SaturationPressure_Pa(t_C) / (p_bar * 1e5);
            for (const double phi0 : {0.01, 0.1, 0.25, 0.4, 0.5, 0.63, 0.8, 0.95, 1.0}) {
                SCOPED_TRACE(testing::Message() << "t " << t_C << " phi " << phi0 << " p " << p_bar);
                double phi = phi0, t = t_C, p = p_bar;
                const double x_gkg = AirState(phi, t, p).x_gkg;
                const double rh = DegreeOfSaturation_pct(t_C, x_gkg, p_bar);
                EXPECT_TRUE(rh >= 0.0 && rh <= 100.0) << rh; // false for NaN as well
                const double mu = phi0 * (1.0 - pws_p) / (1.0 - phi0 * pws_p);
                EXPECT_NEAR(rh, 100.0 * mu, 12.5 + 100.0 * 0.005 / xs_gkg);
            }
        }
    }
}

// The bisection returns the trial that met the tolerance, so the result is always within 0.005 g/kg; one
// more halving after such a trial would move it a quarter or an eighth of saturation away.
TEST(DegreeOfSaturation, LimitsOfTheBisectionAndTheTrialThatMetTheTolerance) {
    double one = 1.0, t = 20.0, p = 1.013;
    const double xs_gkg = AirState(one, t, p).x_gkg;
    const std::pair<double, double> rows[] = {
        {0.5 * xs_gkg + 0.004, 50.0}, {0.25 * xs_gkg - 0.004, 25.0}, {0.75 * xs_gkg + 0.004, 75.0}};
    for (const auto& [x_gkg, expected_pct] : rows)
        EXPECT_DOUBLE_EQ(DegreeOfSaturation_pct(20.0, x_gkg, 1.013), expected_pct) << x_gkg;
    EXPECT_NEAR(DegreeOfSaturation_pct(20.0, xs_gkg, 1.013), 100.0, 0.05);
    EXPECT_NEAR(DegreeOfSaturation_pct(20.0, 2.0 * xs_gkg, 1.013), 100.0,
                1e-6); // supersaturated: at most 100
    EXPECT_LT(DegreeOfSaturation_pct(20.0, 0.0, 1.013), 100.0 * 0.005 / xs_gkg);
}

} // namespace
} // namespace veskaro
