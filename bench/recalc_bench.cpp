// Load calculation speed: the arithmetic alone, one committed field (parse, compute, present) and one
// Recalc of a full room. Targets: ComputeLoads <= 2 µs; a committed field <= 5 µs; Recalc <= 20 µs.

#include <benchmark/benchmark.h>

#include <string>

#include "app/app_context.h"
#include "envelope/envelope_data.h"
#include "room/air_change.h"
#include "room/load_calc.h"
#include "room/room_controller.h"
#include "room/room_record.h"

namespace {

using namespace veskaro;

// A freezer store with 20 goods rows, a door with infiltration, defrost and a full envelope.
RoomRecord FullRoom(const AppContext& ctx) {
    RoomRecord room;
    room.RaumL = "20";
    room.RaumB = "12,5";
    room.RaumH = "6";
    room.RaumTemp = "-24";
    room.RaumFeuchte = "90";
    room.AussenTemp = "30";
    room.AussenFeuchte = "50";
    room.RaumLW = ".35";
    room.Laufzeit = "20";
    room.PersZahl = "16";
    room.NBegeh = "60";
    room.ELLeist = "5";
    room.tempdiff = "6";
    room.verdTemp = "-30";
    room.PlueftPN = "900";
    room.Abtau = "12000";
    room.AbtauAnt = "5";
    room.defrostFlag = 1;
    room.AnzVerd = "3";
    room.bTuer = "2";
    room.hTuer = "3";
    room.oeffungsZ = "1.5";
    room.Eltotal = "800";
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        GoodsRow& g = room.goods[r];
        g[kGoodsName] = "Product " + std::to_string(r);
        g[kGoodsAmount] = std::to_string(500 + 37 * r);
        g[kGoodsEntryTemp] = std::to_string(r % 3 == 0 ? -15 : 5 + r % 7);
        g[kGoodsEndTemp] = "-22";
        g[kGoodsFreezingTemp] = "-1,8";
        g[kGoodsCpAbove] = "3.4";
        g[kGoodsCpBelow] = "1.8";
        g[kGoodsLatentHeat] = "245";
        g[kGoodsRespiration] = r % 2 ? "1.5" : "0";
    }
    const DoorInfiltration door = ComputeDoorInfiltration(room, 20 * 12.5 * 6, 24, true, ctx);
    room.LWTuer = door.LWergeb;
    return room;
}

Envelope FullEnvelope() {
    Envelope env;
    for (int k = 0; k < 4; ++k)
        env.walls[k] = {"", 0, 0.16, k < 2 ? 30.0 : 20.0};
    env.floorU_Wm2K = 0.2;
    env.floorT_C = 10;
    env.ceilingU_Wm2K = 0.15;
    env.ceilingT_C = 35;
    return env;
}

// The pure calculation on inputs parsed once.
void BM_ComputeLoads(benchmark::State& state) {
    AppContext ctx;
    const RoomRecord room = FullRoom(ctx);
    const Envelope env = FullEnvelope();
    const RoomInputs inputs = ParseRoom(room);
    for (auto _ : state) {
        LoadResult r = ComputeLoads(inputs, env);
        benchmark::DoNotOptimize(r.Q0_kW);
    }
}
BENCHMARK(BM_ComputeLoads)->Unit(benchmark::kMicrosecond);

// One committed field as the window runs it: the room temperature is committed in the room controller,
// which parses the room fields, computes and presents (its goods were parsed at the first calculation).
void BM_CommitField(benchmark::State& state) {
    AppContext ctx;
    RoomController controller(ctx);
    controller.room() = FullRoom(ctx);
    controller.calculate();
    int step = 0;
    for (auto _ : state) {
        controller.room().RaumTemp = (++step & 1) ? "-24" : "-23.5";
        Messages messages = controller.commitField(RoomField::RaumTemp);
        benchmark::DoNotOptimize(controller.result().RaumLeist);
        benchmark::DoNotOptimize(messages);
    }
}
BENCHMARK(BM_CommitField)->Unit(benchmark::kMicrosecond);

void BM_Recalc(benchmark::State& state) {
    AppContext ctx;
    RoomRecord room = FullRoom(ctx);
    const Envelope env = FullEnvelope();
    for (auto _ : state) {
        RecalcResult r = Recalc(room, env, ctx);
        benchmark::DoNotOptimize(r.Q0_kW);
    }
}
BENCHMARK(BM_Recalc)->Unit(benchmark::kMicrosecond);

// The door infiltration and the load together, as the window runs them after a door field changes.
void BM_DoorAndRecalc(benchmark::State& state) {
    AppContext ctx;
    RoomRecord room = FullRoom(ctx);
    const Envelope env = FullEnvelope();
    for (auto _ : state) {
        const DoorInfiltration door = ComputeDoorInfiltration(room, 1500, 24, true, ctx);
        room.LWTuer = door.LWergeb;
        RecalcResult r = Recalc(room, env, ctx);
        benchmark::DoNotOptimize(r.Q0_kW);
    }
}
BENCHMARK(BM_DoorAndRecalc)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
