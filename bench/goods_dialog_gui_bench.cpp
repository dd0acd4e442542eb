// The goods dialog's O.K.: from the click until the main window shows the recalculated room (target
// 50 ms). Each round inserts a group into the goods list or clears it, so every O.K. changes the result.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "app/startup.h"
#include "bench_support.h"
#include "goods/goods_dialog.h"
#include "room/main_window.h"
#include "ui/picture_button.h"

namespace {

namespace fs = std::filesystem;

void BM_GoodsDialogOkToRecalculatedWindow(benchmark::State& state) {
    const fs::path dir =
        fs::temp_directory_path() / ("veskaro_bench_kgut_" + std::to_string(std::random_device{}()));
    veskaro::AppContext ctx = veskaro::StartUp({dir.string(), VESKARO_SEED_DIR});
    veskaro::StartWindow window(ctx);
    window.setMessageSink([](const veskaro::Message&) {});
    window.show();
    QApplication::processEvents();
    auto* capacity = window.findChild<QLabel*>(QStringLiteral("RaumLeist"));
    std::chrono::steady_clock::time_point okPressed;
    window.setGoodsDialogRunner([&okPressed](veskaro::GoodsDialog& dialog) {
        dialog.setMessageSink([](const veskaro::Message&) { return true; }); // Yes to clearing
        dialog.findChild<QLineEdit*>(QStringLiteral("KelvoGMenge2"))->setText(QStringLiteral("2000"));
        dialog.findChild<QLineEdit*>(QStringLiteral("TeinB"))->setText(QStringLiteral("25"));
        const char* command = dialog.session().list.count() > 0 ? "LoeschKG" : "Einfueg";
        dialog.findChild<veskaro::ui::PictureFace*>(QString::fromLatin1(command))->click();
        okPressed = std::chrono::steady_clock::now();
        dialog.accept();
    });
    for (auto _ : state) {
        const QString before = capacity->text();
        window.openGoodsDialog();
        const auto done = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(done - okPressed).count());
        if (capacity->text() == before) state.SkipWithError("RaumLeist did not follow the goods");
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_GoodsDialogOkToRecalculatedWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return veskaro::bench::RunWindowBenchmarks(argc, argv);
}
