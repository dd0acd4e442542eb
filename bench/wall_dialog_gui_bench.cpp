// The wall dialog offscreen: opening it with both catalogues full (100 rows each), and a finished cell
// edit in the layer grid through the recomputed U-value and KWcalc.DAT.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "app/record_file.h"
#include "bench_support.h"
#include "envelope/material_catalogue.h"
#include "envelope/wall_dialog.h"
#include "ui/grid_widget.h"

namespace {

namespace fs = std::filesystem;

// The shipped data with user catalogues that fill both grids past 100 rows.
veskaro::AppContext StartWithFullCatalogues(const veskaro::bench::BenchDataDir& dir) {
    veskaro::AppContext ctx = dir.start();
    for (veskaro::MaterialKind kind : {veskaro::MaterialKind::Building, veskaro::MaterialKind::Insulation}) {
        veskaro::RecordWriter user;
        for (int i = 1; i <= veskaro::kMaterialCatalogueRows; ++i)
            user.str("User material " + std::to_string(i))
                .str("0.0" + std::to_string(20 + i % 30))
                .str("35")
                .endLine();
        if (!veskaro::SaveOutput(ctx, veskaro::UserCatalogueName(kind, ctx.languageCode), user)) std::abort();
    }
    return ctx;
}

void BM_OpenWithFullCatalogues(benchmark::State& state) {
    const veskaro::bench::BenchDataDir dir("walls");
    veskaro::AppContext ctx = StartWithFullCatalogues(dir);
    for (auto _ : state) {
        auto* dialog = new veskaro::WallDialog(ctx, "32");
        dialog->setMessageSink([](const veskaro::Message&) {});
        dialog->show();
        QApplication::processEvents();
        auto* grid = dialog->findChild<veskaro::ui::GridWidget*>(QStringLiteral("Daemmspread"));
        if (grid->cellText(veskaro::kMaterialCatalogueRows, 1).isEmpty())
            state.SkipWithError("catalogue not full");
        state.PauseTiming();
        delete dialog;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWithFullCatalogues)->Unit(benchmark::kMillisecond);

void BM_CellEditRecomputes(benchmark::State& state) {
    const veskaro::bench::BenchDataDir dir("walls");
    veskaro::AppContext ctx = StartWithFullCatalogues(dir);
    veskaro::WallDialog dialog(ctx, "32");
    dialog.setMessageSink([](const veskaro::Message&) {});
    dialog.show();
    dialog.selectSurface(1);
    auto* layers = dialog.findChild<veskaro::ui::GridWidget*>(QStringLiteral("DaemmS"));
    auto* u = dialog.findChild<QLineEdit*>(QStringLiteral("AKTKWert"));
    layers->applyWrites({{1, 2, "0.025"}});
    const char* thickness[] = {"100", "80"};
    int i = 0;
    for (auto _ : state) {
        const QString before = u->text();
        layers->applyWrites({{1, 1, thickness[i++ % 2]}});
        if (u->text() == before) state.SkipWithError("AKTKWert did not follow the thickness");
    }
}
BENCHMARK(BM_CellEditRecomputes)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return veskaro::bench::RunWindowBenchmarks(argc, argv);
}
