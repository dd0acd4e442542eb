// Load shares of the chart: checked against the component lines of the calculation, which compute each
// share on their own way (truncated to 0.01 %).

#include <gtest/gtest.h>

#include <cmath>

#include "envelope/envelope_data.h"
#include "room/load_calc.h"
#include "room/load_shares.h"
#include "sample_room.h"

namespace veskaro::testing {
namespace {

// A freezer-side chilled room with every component present: goods, lights, persons, air change, fans and
// defrost (evaporating below 0 °C).
RoomRecord BusyRoom(const char* runTime, int basis, const char* goodsAmount, const char* goodsEntry = "18") {
    RoomRecord room;
    room.RaumL = "8", room.RaumB = "6", room.RaumH = "3.5";
    room.RaumTemp = "2", room.RaumFeuchte = "85", room.AussenTemp = "32", room.AussenFeuchte = "40";
    room.RaumLW = ".72", room.LWTuer = ".54", room.Laufzeit = runTime, room.operatingBasis = basis;
    room.PersZahl = "4", room.ELLeist = "6", room.Eltotal = "150";
    room.verdTemp = "-4", room.AnzVerd = "2", room.PlueftPN = "300";
    SetGoods(room, 1, "Apples", {goodsAmount, goodsEntry, "2", "-1.5", "3.6", "1.9", "280", "0"});
    return room;
}

LoadResult Loads(const RoomRecord& room) {
    return ComputeLoads(ParseRoom(room), Envelope{});
}

TEST(LoadShares, AgreeWithTheComponentLinesAndSumToAHundred) {
    struct Row {
        const char* runTime;
        int basis;
        const char* goods;
        const char* entry;
    };
    const Row rows[] = {
        {"18", 0, "2000", "18"}, {"24", 0, "500", "18"}, {"10", 1, "800", "18"}, {"16", 0, "300", "-18"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.runTime) + " h, goods " + row.goods);
        const LoadResult r = Loads(BusyRoom(row.runTime, row.basis, row.goods, row.entry));
        ASSERT_GT(r.Q0_kW, 0.0);
        const LoadShares shares = ComputeLoadShares(r);
        const LoadLine* lines[] = {&r.goods,        &r.electrical, &r.latent, &r.sensible,
                                   &r.transmission, &r.persons,    &r.fans,   &r.defrost};
        double sum = 0.0, capacity = 0.0;
        for (std::size_t i = 0; i < shares.size(); ++i) {
            EXPECT_NEAR(shares[i].share_pct, lines[i]->share_pct, 0.0101) << i;
            sum += shares[i].share_pct;
            capacity += shares[i].capacity_kW;
        }
        EXPECT_NEAR(sum, 100.0, 1e-9);
        EXPECT_NEAR(capacity, r.Q0_kW, 1e-9 * r.Q0_kW);
    }
}

TEST(LoadShares, FollowAChangedInputAndVanishWithoutALoad) {
    const LoadShares few = ComputeLoadShares(Loads(BusyRoom("18", 0, "500")));
    const LoadShares many = ComputeLoadShares(Loads(BusyRoom("18", 0, "4000")));
    const auto at = [](const LoadShares& s, LoadComponent c) {
        return s[static_cast<std::size_t>(c)].share_pct;
    };
    EXPECT_GT(at(many, LoadComponent::Goods), at(few, LoadComponent::Goods) + 10.0);
    EXPECT_LT(at(many, LoadComponent::Transmission), at(few, LoadComponent::Transmission));
    // Frozen goods thawing in the room lower the load: a negative share, left out of the bar's length.
    const LoadShares thawing = ComputeLoadShares(Loads(BusyRoom("18", 0, "300", "-18")));
    EXPECT_LT(at(thawing, LoadComponent::Goods), 0.0);
    EXPECT_NEAR(PositiveShareSum(thawing), 100.0 - at(thawing, LoadComponent::Goods), 1e-9);

    // No load to divide up: an empty room, and a room cooled by thawing goods (Q_0 < 0).
    RoomRecord empty;
    empty.Laufzeit = "18";
    for (const RoomRecord& room : {empty, BusyRoom("18", 0, "9000", "-18")}) {
        for (const LoadShare& s : ComputeLoadShares(Loads(room)))
            EXPECT_EQ(s.share_pct, 0.0);
    }
}

} // namespace
} // namespace veskaro::testing
