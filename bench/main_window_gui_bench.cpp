// The main window offscreen: Enter in RaumTemp until RaumLeist shows the new capacity, and constructing
// and showing the window with the default room.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "bench_support.h"
#include "room/main_window.h"

namespace {

namespace fs = std::filesystem;

using veskaro::bench::BenchDataDir;

void PressEnter(QWidget* field) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

void BM_EnterInRoomTemperature(benchmark::State& state) {
    BenchDataDir dir("start");
    veskaro::AppContext ctx = dir.start();
    veskaro::StartWindow window(ctx);
    window.setMessageSink([](const veskaro::Message&) {});
    window.show();
    QApplication::processEvents();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("RaumTemp"));
    auto* capacity = window.findChild<QLabel*>(QStringLiteral("RaumLeist"));
    const QString temperatures[] = {QStringLiteral("-1"), QStringLiteral("2")}; // the default room is at 2 °C
    int i = 0;
    for (auto _ : state) {
        const QString before = capacity->text();
        field->setText(temperatures[i++ % 2]);
        PressEnter(field);
        if (capacity->text() == before) state.SkipWithError("RaumLeist did not follow RaumTemp");
    }
}
BENCHMARK(BM_EnterInRoomTemperature)->Unit(benchmark::kMillisecond);

void BM_ConstructAndShowDefaultRoom(benchmark::State& state) {
    BenchDataDir dir("start");
    const veskaro::AppContext started = dir.start();
    for (auto _ : state) {
        veskaro::AppContext ctx = started; // never activated: the first activation loads the room
        auto* window = new veskaro::StartWindow(ctx);
        window->setMessageSink([](const veskaro::Message&) {});
        window->show();
        QApplication::processEvents();
        if (window->findChild<QLabel*>(QStringLiteral("RaumLeist"))->text().isEmpty()) {
            state.SkipWithError("no capacity shown");
        }
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructAndShowDefaultRoom)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return veskaro::bench::RunWindowBenchmarks(argc, argv);
}
