// The cooler selection from its opening until the coolers are listed, and the list for another
// refrigerant (target 20 ms each), for the capacity of the default room.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "app/app_context.h"
#include "bench_support.h"
#include "equipment/cooler_dialog.h"

namespace {

veskaro::AppContext SeedContext() {
    veskaro::AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR; // read only: nothing is chosen, nothing written
    return ctx;
}

veskaro::Handover DefaultRoomHandover() {
    veskaro::Handover h;
    h.proceed = true;
    h.deltaT_K = 5.8;
    h.t0_C = -3.8;
    h.T0_K = h.t0_C + 273.15;
    h.n = 2;
    h.Q_kW = 9.91;
    h.Qe_kW = h.Q_kW / h.n;
    return h;
}

void BM_CoolerDialogOpensListed(benchmark::State& state) {
    veskaro::AppContext ctx = SeedContext();
    for (auto _ : state) {
        veskaro::CoolerDialog dialog(ctx, DefaultRoomHandover());
        if (dialog.view().candidates.empty()) state.SkipWithError("no cooler listed");
    }
}
BENCHMARK(BM_CoolerDialogOpensListed)->Unit(benchmark::kMillisecond);

void BM_CoolerDialogRefrigerantSwitch(benchmark::State& state) {
    veskaro::AppContext ctx = SeedContext();
    veskaro::CoolerDialog dialog(ctx, DefaultRoomHandover());
    bool other = false;
    for (auto _ : state) {
        other = !other;
        dialog.chooseRefrigerant(other ? QStringLiteral("R134A") : QStringLiteral("R404A"));
        if (dialog.view().candidates.empty()) state.SkipWithError("no cooler listed");
    }
}
BENCHMARK(BM_CoolerDialogRefrigerantSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return veskaro::bench::RunWindowBenchmarks(argc, argv);
}
