// The group switch of the goods dialog: save a group of 50 products, load another of 50 (target 30 ms).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/app_context.h"
#include "app/record_file.h"
#include "goods/catalogue.h"

namespace {

namespace fs = std::filesystem;

std::string FiftyProducts(const std::string& stem) {
    std::string bytes;
    for (int p = 1; p <= veskaro::kCatalogueRows; ++p) {
        bytes += "\"" + stem + " " + std::to_string(p) + "\"\r\n";
        for (int c = 2; c <= 9; ++c)
            bytes += "\"" + std::to_string(c * 0.37) + "\"\r\n";
        bytes += "\"water 80 %\"\r\n\"X\"\r\n";
    }
    return bytes;
}

void BM_GoodsGroupSwitch(benchmark::State& state) {
    const fs::path dir =
        fs::temp_directory_path() / ("veskaro_goods_bench_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    veskaro::AppContext ctx;
    ctx.dataDir = dir.string();
    if (!veskaro::WriteFileAtomic((dir / "KelvoG1.ENG").string(), FiftyProducts("Meat")) ||
        !veskaro::WriteFileAtomic((dir / "KelvoG2.ENG").string(), FiftyProducts("Fish"))) {
        state.SkipWithError("cannot write the catalogue files");
        return;
    }
    veskaro::Catalogue catalogue = veskaro::LoadCatalogue(ctx, 1);
    int next = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(veskaro::SwitchGroup(ctx, catalogue, next));
        next = 3 - next;
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_GoodsGroupSwitch)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
