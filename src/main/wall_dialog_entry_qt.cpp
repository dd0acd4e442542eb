// Pictures of the wall dialog for `make screenshots`: wall 1 with a steel-faced PIR panel built from both
// catalogues.

#include <QApplication>
#include <QDir>

#include "app/app_context.h"
#include "envelope/wall_dialog.h"
#include "main/desktop_qt.h"
#include "ui/grid_widget.h"

namespace veskaro {

namespace {

constexpr QSize kWallDialogSize(1180, 860);

} // namespace

void SaveWallDialogScreenshots(AppContext& ctx, const std::string& dir) {
    WallDialog dialog(ctx, "32");
    dialog.setMessageSink([](const Message&) {});
    dialog.setReportOpener([] {});
    dialog.resize(kWallDialogSize);
    dialog.show();
    dialog.selectSurface(1);
    // A panel of 0.6 mm steel, 100 mm PIR, 0.6 mm steel: the thicknesses typed, lambda and name as taken
    // over from the catalogues.
    auto* layers = dialog.findChild<ui::GridWidget*>(QStringLiteral("DaemmS"));
    auto* building = dialog.findChild<ui::GridWidget*>(QStringLiteral("BauSspread"));
    auto* insulation = dialog.findChild<ui::GridWidget*>(QStringLiteral("Daemmspread"));
    if (layers == nullptr || building == nullptr || insulation == nullptr) return;
    layers->clearCells();
    const auto takeRow = [&](ui::GridWidget* catalogue, MaterialKind kind, const QString& name) {
        const QList<QTableWidgetItem*> found = catalogue->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) return;
        catalogue->setCurrentCell(found.front()->row(), 0);
        dialog.takeOver(kind);
    };
    takeRow(building, MaterialKind::Building, QStringLiteral("Steel"));
    takeRow(insulation, MaterialKind::Insulation, QStringLiteral("PIR sandwich panel core, steel faced"));
    takeRow(building, MaterialKind::Building, QStringLiteral("Steel"));
    layers->applyWrites({{1, 1, "0.6"}, {2, 1, "100"}, {3, 1, "0.6"}});
    layers->setCurrentGridCell(4, 1);
    QApplication::processEvents();
    dialog.grab().save(QDir(QString::fromStdString(dir)).filePath(QStringLiteral("wall_dialog.png")));
}

} // namespace veskaro
