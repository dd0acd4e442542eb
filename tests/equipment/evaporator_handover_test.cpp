#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "equipment/evaporator_handover.h"

namespace veskaro {
namespace {

// ΔT, capacity, evaporators, t0 -8 °C, fan power, 16 h a day, a 1500 W defrost heater 3 % of the time.
HandoverFields Fields(const char* q, const char* n, const char* fan, const char* dt = "7") {
    return {dt, q, n, "-8", fan, "16", "1500", "3"};
}

TEST(EvaporatorHandover, CapacityPerEvaporator) {
    // load kW, evaporators, fan power W, ΔT K; handed over, evaporators counted, capacity per evaporator kW
    const std::tuple<const char*, const char*, const char*, const char*, bool, int, double> rows[] = {
        {"12", "2", "400", "7", true, 2, 5.8},   // fan heat of one evaporator off, then halved
        {"12", "0", "400", "7", true, 1, 11.6},  // 0 counts as one evaporator
        {"12", "", "0", "7", true, 1, 12.0},     // blank likewise; no fan power, nothing taken off
        {"12", "2.9", "-50", "7", true, 2, 6.0}, // whole part of the count; negative fan power ignored
        {"12", "2", "400", "0", false, 2, 0.0},  // no ΔT: nothing handed over
        {"0", "2", "400", "7", false, 2, 0.0},   // no load
        {"abc", "2", "400", "-3", false, 2, 0.0},
    };
    for (const auto& [q, n, fan, dt, proceed, counted, Qe] : rows) {
        SCOPED_TRACE(std::string(q) + " / " + n + " / " + fan + " / " + dt);
        const Handover h = PrepareHandover(Fields(q, n, fan, dt), 2.0, 24);
        EXPECT_EQ(h.proceed, proceed);
        EXPECT_EQ(h.n, counted);
        EXPECT_NEAR(h.Qe_kW, Qe, 1e-12);
        EXPECT_NEAR(h.T0_K, 265.15, 1e-12);
    }
}

// The defrost share is a third of 2 kW melting power over 24 h, spread over 16 h (18 h on return) and two
// evaporators. A cancelled choice keeps the room's fields, a chosen one sets them.
TEST(EvaporatorHandover, DefrostShareAndTheChosenOrCancelledCooler) {
    HandoverFields f = Fields("12", "2", "400");
    EXPECT_NEAR(PrepareHandover(f, 2.0, 24).defrostShare_kW, 0.495, 1e-12);
    const RoomUpdate kept =
        ApplySelection(PrepareHandover(f, 2.0, 24), f, {kSelectionCancelled, "x", "999", 9.0}, 2.0, 24);
    EXPECT_EQ(kept.abtau, "1500");
    EXPECT_EQ(kept.abtauAnt, "3");
    EXPECT_EQ(kept.plueftPN, "400");
    EXPECT_EQ(kept.defrostFlag, 0);
    EXPECT_FALSE(kept.changesFan);

    f.laufzeit = "0";
    const Handover h = PrepareHandover(f, 2.0, 24);
    EXPECT_NEAR(h.defrostShare_kW, 0.44, 1e-12);
    const RoomUpdate u = ApplySelection(h, f, {1, "GC 45-2 F4", "400", 3.25}, 2.0, 24);
    EXPECT_EQ(u.verdNam, "GC 45-2 F4");
    EXPECT_EQ(u.plueftPN, "400");
    EXPECT_EQ(u.abtau, " 3250");
    // A supplier heater of 1001 W comes back as 1.001 kW (1000.9999999999999 W in binary): still 1001 W.
    EXPECT_EQ(ApplySelection(h, f, {1, "GC 45-2 F4", "400", 1.001}, 2.0, 24).abtau, " 1001");
    EXPECT_EQ(u.laufzeit, "18");
    EXPECT_EQ(u.defrostFlag, 1);
    // 3 % of the time with 2 kW of melting power over 24 h needs 3·2000/(3250·18·2/24) % with the heater.
    EXPECT_EQ(u.abtauAnt, " 1.23");
}

} // namespace
} // namespace veskaro
