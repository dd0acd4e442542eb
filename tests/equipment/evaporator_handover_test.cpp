#include <gtest/gtest.h>

#include <string>

#include "equipment/evaporator_handover.h"

namespace veskaro {
namespace {

HandoverFields Fields(const char* q, const char* n, const char* fan, const char* dt = "7") {
    HandoverFields f;
    f.tempdiff = dt;
    f.raumLeist = q;
    f.anzVerd = n;
    f.verdTemp = "-8";
    f.plueftPN = fan;
    f.laufzeit = "16";
    f.abtau = "1500";
    f.abtauAnt = "3";
    return f;
}

TEST(EvaporatorHandover, CapacityPerEvaporator) {
    struct Row {
        const char *q, *n, *fan, *dt;
        bool proceed;
        int n_expected;
        double Qe;
    };
    const Row rows[] = {
        {"12", "2", "400", "7", true, 2, 5.8},   // fan heat of one evaporator off, then halved
        {"12", "0", "400", "7", true, 1, 11.6},  // 0 counts as one evaporator
        {"12", "", "0", "7", true, 1, 12.0},     // blank likewise; no fan power, nothing taken off
        {"12", "2.9", "-50", "7", true, 2, 6.0}, // whole part of the count; negative fan power ignored
        {"12", "2", "400", "0", false, 2, 0.0},  // no ΔT: nothing handed over
        {"0", "2", "400", "7", false, 2, 0.0},   // no load
        {"abc", "2", "400", "-3", false, 2, 0.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.q) + " / " + r.n + " / " + r.fan + " / " + r.dt);
        const Handover h = PrepareHandover(Fields(r.q, r.n, r.fan, r.dt), 2.0, 24);
        EXPECT_EQ(h.proceed, r.proceed);
        EXPECT_EQ(h.n, r.n_expected);
        EXPECT_NEAR(h.Qe_kW, r.Qe, 1e-12);
        EXPECT_NEAR(h.T0_K, 265.15, 1e-12);
        EXPECT_EQ(h.engineMode, 44);
    }
}

// A third of 2 kW melting power over the 24 h day, spread over 16 h (or the 18 h set on return) and two
// evaporators.
TEST(EvaporatorHandover, DefrostShareHandedOver) {
    HandoverFields f = Fields("12", "2", "400");
    EXPECT_NEAR(PrepareHandover(f, 2.0, 24).defrostShare_kW, 0.495, 1e-12);
    f.laufzeit = "0";
    EXPECT_NEAR(PrepareHandover(f, 2.0, 24).defrostShare_kW, 0.44, 1e-12);
}

TEST(EvaporatorHandover, ChosenCoolerUpdatesTheRoom) {
    HandoverFields f = Fields("12", "2", "400");
    f.laufzeit = "0";
    const Handover h = PrepareHandover(f, 2.0, 24);
    const RoomUpdate u = ApplySelection(h, f, {1, "GC 45-2 F4", "400", 3.25}, 2.0, 24);
    EXPECT_EQ(u.raumLeist, " 12.4"); // Q' = 11.6 + 0.8, two decimals above 10 kW
    EXPECT_EQ(u.verdNam, "GC 45-2 F4");
    EXPECT_EQ(u.plueftPN, "400");
    EXPECT_EQ(u.abtau, " 3250");
    EXPECT_EQ(u.laufzeit, "18");
    EXPECT_EQ(u.defrostFlag, 1);
    // 3 % of the time with 2 kW of melting power over 24 h needs 3·2000/(3250·18·2/24) % with the heater.
    EXPECT_EQ(u.abtauAnt, " 1.23");
}

TEST(EvaporatorHandover, CancelledSelectionKeepsTheDefrostFields) {
    const HandoverFields f = Fields("12", "2", "400");
    const RoomUpdate u =
        ApplySelection(PrepareHandover(f, 2.0, 24), f, {kSelectionCancelled, "x", "999", 9.0}, 2.0, 24);
    EXPECT_EQ(u.abtau, "1500");
    EXPECT_EQ(u.abtauAnt, "3");
    EXPECT_EQ(u.plueftPN, "400");
    EXPECT_EQ(u.defrostFlag, 0);
    EXPECT_FALSE(u.changesFan || u.changesCapacity);
}

} // namespace
} // namespace veskaro
