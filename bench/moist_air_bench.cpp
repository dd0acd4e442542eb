#include <benchmark/benchmark.h>

#include "equipment/moist_air.h"

namespace {

// One state per call, as the load calculation asks for room and outside air.
void BM_AirState(benchmark::State& state) {
    double t = -20.0;
    for (auto _ : state) {
        double phi = 0.85, tc = t, p = 1.013;
        benchmark::DoNotOptimize(veskaro::AirState(phi, tc, p));
        t = t < 40.0 ? t + 0.5 : -20.0;
    }
}
BENCHMARK(BM_AirState);

// The bisection behind the latent / sensible split of the air-change load.
void BM_DegreeOfSaturation(benchmark::State& state) {
    const double t = static_cast<double>(state.range(0));
    double phi = 0.6, tc = t, p = 1.013;
    const double x = veskaro::AirState(phi, tc, p).x_gkg;
    for (auto _ : state) {
        benchmark::DoNotOptimize(veskaro::DegreeOfSaturation_pct(t, x, 1.013));
    }
}
BENCHMARK(BM_DegreeOfSaturation)->Arg(-20)->Arg(2)->Arg(30);

} // namespace

BENCHMARK_MAIN();
