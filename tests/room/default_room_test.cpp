// The seeded default room, recomputed by hand from its design data with an independent psychrometric
// formulation (Magnus saturation pressure): every component within 1 %.

#include <gtest/gtest.h>

#include <cmath>

#include "app/app_context.h"
#include "app/record_file.h"
#include "envelope/envelope_data.h"
#include "room/load_calc.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

struct Air {
    double x_gkg, h_kJkg, rho_kgm3;
};

// Moist air at 1.013 bar: Magnus-type saturation pressure over water (Alduchov and Eskridge 1996),
// ideal-gas mixture.
Air HandAir(double t_C, double phi) {
    const double p = 101300.0;
    const double pv = phi * 610.94 * std::exp(17.625 * t_C / (t_C + 243.04));
    const double x = 0.621945 * pv / (p - pv);
    const double T = t_C + 273.15;
    return {1000 * x, 1.006 * t_C + x * (2501 + 1.86 * t_C), (p - pv) / (287.042 * T) + pv / (461.524 * T)};
}

TEST(DefaultRoom, ComponentsAgreeWithAHandCalculation) {
    AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR;
    RoomRecord room;
    RecordReader in = OpenInput(ctx, "KelvoL.dat");
    ReadRoomRecord(in, room);
    const RecalcResult r = Recalc(room, ReadEnvelope(ctx, room.roomShape), ctx);
    ASSERT_FALSE(r.stopped);

    // 8 x 6 x 3.5 m at +2 °C; 100 mm PU panels (U 0.22) to outside air at 32 °C (walls 1, 2, ceiling) and
    // to a 25 °C corridor (walls 3, 4); insulated floor (U 0.29) on 15 °C ground.
    const double walls_W = 0.22 * 3.5 * (6 * 30 + 8 * 30 + 8 * 23 + 6 * 23);
    const double QT = (walls_W + 48 * 0.29 * 13 + 48 * 0.22 * 30) / 1000;
    EXPECT_NEAR(r.QT_kW, QT, 1e-9);

    // Goods per day: apples 2000 kg 18 -> 2 °C (cp 3.6, respiration 2.2 kJ/kg day), lettuce 500 kg
    // 20 -> 2 °C (cp 4.0, 3.5 kJ/kg day), milk 800 kg 8 -> 2 °C (cp 3.9), cheese 300 kg 10 -> 2 °C (cp 2.1).
    const double QG =
        (2000 * 16 * 3.6 + 2000 * 2.2 + 500 * 18 * 4.0 + 500 * 3.5 + 800 * 6 * 3.9 + 300 * 8 * 2.1) / 3600;
    EXPECT_NEAR(r.QG_kWhday, QG, 1e-9);

    // 4 person-hours at 2 °C, 6 W/m² lighting, 150 W other equipment.
    EXPECT_NEAR(r.QP_kW, 4 * 175 * (1 + 20.0 / 33) / 24000, 1e-12);
    EXPECT_NEAR(r.QB_kW + r.QE_kW, 48 * 6 / 1000.0 + 0.15, 1e-12);

    // Air change 0.72 + 0.54 per hour of 168 m³ outside air at 32 °C / 40 % into 2 °C / 85 %.
    const Air in2 = HandAir(2, 0.85), out32 = HandAir(32, 0.40);
    const double massFlow_kgh = 1.26 * 168 * out32.rho_kgm3;
    const double QL = massFlow_kgh * (out32.h_kJkg - in2.h_kJkg) / 3600;
    EXPECT_NEAR(r.QL_kW, QL, 0.01 * QL);
    const double mw = (out32.x_gkg - in2.x_gkg) * massFlow_kgh;
    EXPECT_NEAR(r.moisture_gh, mw, 0.01 * mw);

    // Q_0 over 18 h of operation, with 2 x 300 W of fans and the defrost heat (its own worked example in
    // the load calculation tests).
    const double Q0 = (QG / 24 + 0.438 + QL + QT + r.QP_kW) * 24 / 18 + 0.6 + r.defrostHeat_kW;
    EXPECT_NEAR(r.Q0_kW, Q0, 0.01 * Q0);
}

} // namespace
} // namespace veskaro
