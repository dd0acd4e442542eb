// The wall table panel: mirrors the core wall table in the grid and the detail controls of one row.

#include "envelope/wall_table_panel_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPrinter>

#include "app/app_context.h"
#include "app/number_text.h"
#include "envelope/wall_table_report.h"
#include "report/print_settings_dialog.h"
#include "report/report_renderer_qt.h"
#include "ui/grid_widget.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;
using ui::S;

namespace {

// Columns whose cells are numbers: shown right-aligned.
bool IsNumberColumn(int column) {
    return column != kColDesignation && column != kColOutsideWall && column != kColOrientation &&
           column != kColWindowType;
}

} // namespace

WallTablePanel::WallTablePanel(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    m_runWallDialog = [this](int wall) { return RunWallDialogForPlanWall(m_ctx, this, wall); };
    m_showMessage = [this](const Message& message) {
        QMessageBox::critical(this, Q(message.title), Q(message.text));
    };
    buildLayout();
}

WallTablePanel::~WallTablePanel() = default;

void WallTablePanel::load() {
    m_table = LoadWallTable(m_ctx);
    m_windowTypes = LoadWindowTypes(m_ctx);
    m_showing = true;
    m_ftcombo->clear();
    m_ftcombo->addItem(QString());
    for (const WindowType& type : m_windowTypes)
        m_ftcombo->addItem(Q(type.entryText));
    m_showing = false;
    showGrid();
    showDetails();
}

void WallTablePanel::setRoomHeight(double height_m) {
    m_height_m = height_m;
    m_table.updateAllWallAreas(height_m);
    showGrid();
}

void WallTablePanel::setWallLength(int wall, double length_m) {
    if (wall < 1 || wall > kMaxTableWalls) return;
    m_table.setWallLength(wall, length_m, m_height_m);
    showRow(WallRow(wall));
    if (WallRow(wall) == m_row) showDetails();
}

void WallTablePanel::clearWallsFrom(int wall) {
    m_table.clearWallsFrom(wall);
    showGrid();
    showDetails();
}

void WallTablePanel::proposeFloorCeilingArea(double area_m2) {
    m_table.proposeFloorCeilingArea(area_m2, m_ctx.captions);
    showRow(kFloorRow);
    showRow(kCeilingRow);
    if (m_row <= kCeilingRow) showDetails();
}

void WallTablePanel::selectWall(int wall) {
    if (wall < 1 || wall > kMaxTableWalls) return;
    takeOverDetails();
    selectRow(WallRow(wall));
}

int WallTablePanel::selectedWall() const {
    return m_row >= kFirstWallRow ? m_row - kFirstWallRow + 1 : 0;
}

bool WallTablePanel::checkTable() {
    takeOverDetails();
    const std::vector<WallTableProblem> problems = CheckWallTable(m_table, m_ctx.captions);
    for (const WallTableProblem& problem : problems)
        m_showMessage({MessageKind::Critical, m_ctx.captions[Cap::WallTableTitle], problem.message});
    return problems.empty();
}

WriteStatus WallTablePanel::save() {
    takeOverDetails();
    return SaveWallTable(m_ctx, m_table);
}

void WallTablePanel::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the layout's fractions keep the margins
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(Q(m_ctx.captions[Cap::WallTableTitle]));
    m_ctx.dialogMode = DialogMode::None;
    PrintSettingsDialog settings(m_ctx, printer, this);
    settings.exec();
    const bool print = m_ctx.dialogMode == DialogMode::Print;
    m_ctx.dialogMode = DialogMode::None;
    if (!print) return;
    if (const WriteStatus written = save(); !written) {
        m_showMessage(
            {MessageKind::Critical, m_ctx.captions[Cap::WallTableTitle], WriteFailureMessage(written)});
        return;
    }
    const QDate today = QDate::currentDate();
    const std::vector<std::string> lines =
        WallTableReportLines(m_table, m_ctx, {today.day(), today.month(), today.year()});
    PaintReportDocument(printer, m_ctx, {lines}, ReportStyleOf(m_ctx));
}

void WallTablePanel::takeOverDetails() {
    if (m_showing) return;
    const auto put = [this](int column, const QString& text) { m_table.setCell(m_row, column, S(text)); };
    put(kColDesignation, m_Text3->text());
    put(kColLength, m_Text4->text());
    put(kColU, m_Text5->text());
    put(kColTemperature, m_Text6->text());
    if (m_ctx.programCode == "AC")
        put(kColOutsideWall, m_awcheck->isChecked() ? QStringLiteral("Y") : QStringLiteral("n"));
    put(kColOrientation, m_orCombo->currentText());
    put(kColDensityClass, m_DichteT->text());
    put(kColWindowCount, m_anzFenst->text());
    put(kColWindowWidth, m_bFenst->text());
    put(kColWindowHeight, m_hfenst->text());
    put(kColWindowValue, m_ffenst->text());
    put(kColWindowType, m_ftcombo->currentText());
    put(kColShading, m_schatttyp->currentText());
    m_table.updateWallArea(m_row, m_height_m);
    showRow(m_row);
}

void WallTablePanel::previousRow() {
    takeOverDetails();
    selectRow(std::max(m_row - 1, kFloorRow));
}

void WallTablePanel::nextRow() {
    takeOverDetails();
    selectRow(std::min(m_row + 1, kWallTableRows));
}

void WallTablePanel::uValueFromConstruction() {
    const int wall = selectedWall();
    if (wall == 0) return; // the construction editor serves plan walls
    takeOverDetails();
    const WallDialogResult result = m_runWallDialog(wall);
    if (!result.accepted) return;
    m_table.setCell(m_row, kColU, result.uText);
    m_table.setCell(m_row, kColTemperature, result.temperatureText);
    showRow(m_row);
    showDetails();
}

void WallTablePanel::selectRow(int row) {
    if (row < kFloorRow || row > kWallTableRows) return;
    const bool changed = row != m_row;
    m_row = row;
    m_showing = true;
    if (m_Spread1->currentGridRow() != row)
        m_Spread1->setCurrentGridCell(row, std::max(1, m_Spread1->currentGridColumn()));
    m_showing = false;
    showDetails();
    if (changed && selectedWall() > 0) emit wallSelected(selectedWall());
}

void WallTablePanel::cellEdited(int row, int column) {
    m_table.setCell(row, column, S(m_Spread1->cellText(row, column)));
    if (column == kColLength) m_table.updateWallArea(row, m_height_m);
    showRow(row);
    if (row == m_row) showDetails();
}

void WallTablePanel::windowTypeChosen(int index) {
    if (m_showing || index < 1 || index > static_cast<int>(m_windowTypes.size())) return;
    // The chosen type's whole-window U-value becomes the window value.
    m_ffenst->setText(Q(DisplayText(m_windowTypes[static_cast<std::size_t>(index - 1)].Uw_Wm2K)));
}

void WallTablePanel::showRow(int row) {
    for (int column = 1; column <= kWallTableColumns; ++column) {
        m_Spread1->setCellText(row, column, Q(m_table.cell(row, column)));
        if (QTableWidgetItem* item = m_Spread1->item(row - 1, column - 1)) {
            item->setTextAlignment(IsNumberColumn(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

void WallTablePanel::showGrid() {
    for (int row = 1; row <= kWallTableRows; ++row)
        showRow(row);
}

void WallTablePanel::showDetails() {
    m_showing = true;
    const auto text = [this](int column) { return Q(m_table.cell(m_row, column)); };
    m_rowLabel->setText(m_Spread1->cellText(m_row, 0));
    m_Text3->setText(text(kColDesignation));
    m_Text4->setText(text(kColLength));
    m_Text5->setText(text(kColU));
    m_Text6->setText(text(kColTemperature));
    m_awcheck->setChecked(text(kColOutsideWall) == QStringLiteral("Y"));
    m_orCombo->setCurrentIndex(std::max(0, m_orCombo->findText(text(kColOrientation))));
    m_DichteT->setText(text(kColDensityClass));
    m_anzFenst->setText(text(kColWindowCount));
    m_bFenst->setText(text(kColWindowWidth));
    m_hfenst->setText(text(kColWindowHeight));
    m_ffenst->setText(text(kColWindowValue));
    // A window type that the list does not hold (another language's list) is kept as typed.
    const int type = m_ftcombo->findText(text(kColWindowType));
    if (type < 0) m_ftcombo->addItem(text(kColWindowType));
    m_ftcombo->setCurrentIndex(std::max(0, m_ftcombo->findText(text(kColWindowType))));
    m_schatttyp->setCurrentIndex(std::max(0, m_schatttyp->findText(text(kColShading))));
    m_Text4->setEnabled(m_row >= kFirstWallRow);
    m_showing = false;
    showShadingPicture();
}

void WallTablePanel::showShadingPicture() {
    const int type = m_schatttyp->currentIndex();
    if (type < 1) {
        m_fensterPic->clear();
        return;
    }
    const std::string file = "fenster" + std::to_string(type) + ".bmp";
    m_fensterPic->setPixmap(QPixmap(Q(ResolveDataPath(m_ctx, file))));
}

} // namespace veskaro
