#include <benchmark/benchmark.h>

#include "app/app_context.h"
#include "equipment/cooler_selection.h"
#include "equipment/refrigerant_correlations.h"
#include "equipment/refrigerants.h"

namespace {

veskaro::AppContext SeedContext() {
    veskaro::AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR;
    return ctx;
}

// One saturation state after the table is loaded: the budget is 1 µs.
void BM_SaturationLookup(benchmark::State& state) {
    veskaro::SaturationTables tables;
    veskaro::TableStatus status{};
    const veskaro::SaturationTable* table = tables.find(SeedContext(), "R404A", status);
    double t = -40.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table->lookup(t));
        t = t < 40.0 ? t + 0.37 : -40.0;
    }
}
BENCHMARK(BM_SaturationLookup);

void BM_RefrigerantCorrelations(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(veskaro::RefrigerantCorrelations("R717", 265.15));
}
BENCHMARK(BM_RefrigerantCorrelations);

// What the selection dialog does when it opens: read the catalogue, list the coolers, the operating
// point of the refrigerant. The budget is 20 ms.
void BM_ListCoolers(benchmark::State& state) {
    const veskaro::AppContext ctx = SeedContext();
    for (auto _ : state) {
        veskaro::SaturationTables tables;
        const veskaro::CoolerCatalogue cat = veskaro::LoadCoolerCatalogue(ctx);
        benchmark::DoNotOptimize(veskaro::MatchingCoolers(cat.models, 5.8, 7.0, -8.0, "R404A"));
        benchmark::DoNotOptimize(veskaro::EvaporatorOperatingPoint(ctx, tables, "R404A", -8.0, 5.8));
    }
}
BENCHMARK(BM_ListCoolers)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
