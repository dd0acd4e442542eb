// The floor-plan drawing offscreen: a full redraw of a plan of 30 elements (18 walls and 12 further
// elements), and one mouse move of a wall drag through to the painted rubber band and its length label.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "bench_support.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/plan_canvas_qt.h"

namespace {

using veskaro::kUnitsPerGridStep;

// Eighteen walls in a stepped outline and twelve select-tool elements: the fullest plan there is.
void FillPlan(veskaro::GroundPlanDialog& dialog) {
    double x = 60, y = 60;
    for (int i = 0; i < veskaro::kMaxPlanWalls; ++i) {
        const veskaro::PlanPoint start{x, y};
        (i % 2 ? y : x) += 2 * kUnitsPerGridStep;
        dialog.addWall(start, {x, y});
    }
    while (dialog.plan().elements.size() < std::size_t{veskaro::kMaxPlanElements})
        dialog.plan().elements.push_back({veskaro::kArrowTool, {0, 0, 60, 0}, "", 0});
    dialog.canvas()->planChanged();
}

void BM_RedrawFullPlan(benchmark::State& state) {
    const veskaro::bench::BenchDataDir dir("plan");
    veskaro::AppContext ctx = dir.start();
    veskaro::GroundPlanDialog dialog(ctx);
    dialog.resize(1260, 820);
    dialog.show();
    FillPlan(dialog);
    veskaro::PlanCanvas* canvas = dialog.canvas();
    QImage image(canvas->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        canvas->paintPlan(painter);
    }
}
BENCHMARK(BM_RedrawFullPlan)->Unit(benchmark::kMillisecond);

void BM_MouseMoveToRubberBand(benchmark::State& state) {
    const veskaro::bench::BenchDataDir dir("plan");
    veskaro::AppContext ctx = dir.start();
    veskaro::GroundPlanDialog dialog(ctx);
    dialog.resize(1260, 820);
    dialog.show();
    FillPlan(dialog);
    dialog.plan().elements.resize(10); // room for the dragged wall
    dialog.canvas()->planChanged();
    veskaro::PlanCanvas* canvas = dialog.canvas();
    const QPointF from = canvas->toWidget({120, 900});
    QMouseEvent press(QEvent::MouseButtonPress, from, canvas->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
    QImage image(canvas->size(), QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    for (auto _ : state) {
        const QPointF to = canvas->toWidget({120.0 + 60.0 * (1 + i++ % 12), 930});
        QMouseEvent move(QEvent::MouseMove, to, canvas->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        // What the move asked to repaint, painted.
        QPainter painter(&image);
        canvas->render(&painter, QPoint(), QRegion(canvas->rect()), QWidget::DrawChildren);
    }
}
BENCHMARK(BM_MouseMoveToRubberBand)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return veskaro::bench::RunWindowBenchmarks(argc, argv);
}
