// Wall dialog speed: the recompute after a cell edit (U-value and the U-value report records with their
// file text), and the catalogue load when the dialog opens. Targets: recompute <= 1 ms; catalogues far
// below the dialog's 150 ms opening budget.

#include <benchmark/benchmark.h>

#include <string>

#include "app/captions.h"
#include "app/record_file.h"
#include "envelope/construction.h"
#include "envelope/material_catalogue.h"
#include "envelope/uvalue_report.h"

namespace {

using namespace veskaro;

const AirLevelCaptions kLevels = {"Still air", "Slight air movement", "Moderate air movement",
                                  "Strong air movement"};

// A full layer grid: ten layers of a cold-store floor and panel.
Construction FullConstruction() {
    Construction c;
    for (int r = 1; r <= kLayerRows; ++r) {
        c.layers.set(r, kColThickness, std::to_string(10 * r));
        c.layers.set(r, kColLambda, r % 2 ? "0,022" : "1.4");
        c.layers.set(r, kColMaterial, "Layer material " + std::to_string(r));
    }
    c.insideLevel = kLevels[2];
    c.outsideLevel = kLevels[0];
    return c;
}

void BM_RecomputeWithReport(benchmark::State& state) {
    CaptionTable captions;
    captions[Cap::UValueWord] = "U-value";
    captions[Cap::MaterialWord] = "Material";
    Construction c = FullConstruction();
    for (auto _ : state) {
        const UValueResult u = ComputeUValue(c, kCeilingSurface, kLevels);
        const RecordWriter file = UValueReportText(UValueReportRecords(c, u, captions));
        benchmark::DoNotOptimize(file.text().data());
    }
}
BENCHMARK(BM_RecomputeWithReport)->Unit(benchmark::kMicrosecond);

void BM_LoadFullCatalogue(benchmark::State& state) {
    RecordWriter standard;
    for (int i = 0; i < kMaterialCatalogueRows; ++i)
        standard.str("Material " + std::to_string(i)).str("0.035").str("30").endLine();
    for (auto _ : state) {
        const CatalogueLoad load = ReadCatalogue(RecordReader(standard.text()), RecordReader());
        benchmark::DoNotOptimize(load.rowCount);
    }
}
BENCHMARK(BM_LoadFullCatalogue)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
