// Load shares of the chart, checked against the component lines of the calculation, which compute each
// share their own way (cut to 0.01 %).

#include <gtest/gtest.h>

#include "envelope/envelope_data.h"
#include "room/load_calc.h"
#include "room/load_shares.h"
#include "sample_room.h"

namespace veskaro::testing {
namespace {

// A chilled room with every component: goods, lights, persons, air change, fans, defrost (t_0 < 0).
LoadResult BusyRoom(const char* runTime, int basis, const char* goodsAmount, const char* goodsEntry) {
    RoomRecord room;
    room.RaumL = "8", room.RaumB = "6", room.RaumH = "3.5", room.RaumTemp = "2", room.RaumFeuchte = "85";
    room.AussenTemp = "32", room.AussenFeuchte = "40", room.RaumLW = ".72", room.LWTuer = ".54";
    room.Laufzeit = runTime, room.operatingBasis = basis, room.PersZahl = "4", room.ELLeist = "6";
    room.Eltotal = "150", room.verdTemp = "-4", room.AnzVerd = "2", room.PlueftPN = "300";
    SetGoods(room, 1, "Apples", {goodsAmount, goodsEntry, "2", "-1.5", "3.6", "1.9", "280", "0"});
    return ComputeLoads(ParseRoom(room), Envelope{});
}

TEST(LoadShares, AgreeWithTheComponentLinesAndSumToAHundred) {
    // Operating time, basis, goods kg/day and entry °C (frozen goods thaw: a negative goods share).
    const std::tuple<const char*, int, const char*, const char*> rows[] = {
        {"18", 0, "500", "18"}, {"18", 0, "4000", "18"}, {"24", 0, "800", "18"},
        {"10", 1, "800", "18"}, {"16", 0, "300", "-18"},
    };
    for (const auto& [runTime, basis, amount, entry] : rows) {
        SCOPED_TRACE(std::string(runTime) + " h, goods " + amount + " kg at " + entry);
        const LoadResult r = BusyRoom(runTime, basis, amount, entry);
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
        EXPECT_NEAR(PositiveShareSum(shares), 100.0 - std::min(shares[0].share_pct, 0.0), 1e-9);
    }
    // Nothing to divide up: an empty room, and a room cooled by thawing goods (Q_0 < 0).
    RoomRecord empty;
    empty.Laufzeit = "18";
    for (const LoadResult& r :
         {ComputeLoads(ParseRoom(empty), Envelope{}), BusyRoom("18", 0, "9000", "-18")}) {
        for (const LoadShare& s : ComputeLoadShares(r))
            EXPECT_EQ(s.share_pct, 0.0);
    }
}

} // namespace
} // namespace veskaro::testing
