#include "envelope/wall_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "app/app_context.h"
#include "envelope/uvalue_report.h"
#include "project/pending_project.h"
#include "report/result_window.h"
#include "report/room_sketch.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

const QColor kSkippedShade(255, 214, 204); // a filled layer that does not count in R

// The surface whose coefficients a floor-plan wall takes: a wall, never the ceiling.
constexpr int kPlanWallSurface = 1;

std::size_t Index(int surface) {
    return static_cast<std::size_t>(surface - 1);
}

} // namespace

WallDialog::WallDialog(AppContext& ctx, std::string outsideTemperatureText, QWidget* parent, int planWall)
    : QDialog(parent), m_ctx(ctx), m_outsideTemperature(std::move(outsideTemperatureText)),
      m_planWall(planWall), m_levels(AirLevelCaptionsOf(ctx.captions)) {
    setModal(true);
    buildLayout();
    prepareLayerGrid();
    fillCatalogue(MaterialKind::Building);
    fillCatalogue(MaterialKind::Insulation);
    m_openReport = [this] { ShowResultWindow(m_ctx, RoomSketch{}, this); };
    if (m_planWall > 0) {
        // One wall of a floor plan: only its construction, captioned with the wall number.
        m_summaryBox->hide();
        m_Okbutt->hide();
        m_surface = kPlanWallSurface;
        m_editor->setTitle(Q(m_ctx.captions[Cap::LayersWord]) + QLatin1Char(' ') +
                           Q(m_ctx.captions[Cap::WallWord]) + QStringLiteral(" : %1").arg(m_planWall));
        m_AktATemp->setText(Q(m_outsideTemperature));
        m_AiCombo->setCurrentIndex(1);
        m_aacombo->setCurrentIndex(1);
        m_nextLayerRow = 1;
        return;
    }
    m_summary = LoadDialogSummary(m_ctx, m_outsideTemperature);
    showBoxes();
    m_editor->setEnabled(false); // until a surface is chosen
}

WallDialog::~WallDialog() = default;

// --- Summary ----------------------------------------------------------------------------------------

void WallDialog::readBoxes() {
    for (int s = 1; s <= kSurfaceCount; ++s) {
        m_summary.uText[Index(s)] = m_uBox[Index(s)]->text().toStdString();
        m_summary.temperatureText[Index(s)] = m_tBox[Index(s)]->text().toStdString();
    }
}

void WallDialog::showBoxes() {
    for (int s = 1; s <= kSurfaceCount; ++s) {
        m_uBox[Index(s)]->setText(Q(m_summary.uText[Index(s)]));
        m_tBox[Index(s)]->setText(Q(m_summary.temperatureText[Index(s)]));
    }
}

void WallDialog::copyWall1() {
    readBoxes();
    CopyWall1ToAll(m_summary);
    showBoxes();
}

void WallDialog::saveStandard() {
    readBoxes();
    showFailure(SaveStandardEnvelope(m_ctx, m_summary));
}

void WallDialog::loadStandard() {
    readBoxes();
    LoadStandardEnvelope(m_ctx, m_summary);
    showBoxes();
}

// --- Construction -----------------------------------------------------------------------------------

void WallDialog::selectSurface(int surface) {
    if (surface < 1 || surface > kSurfaceCount) return;
    readBoxes();
    m_surface = surface;
    m_editor->setEnabled(true);
    m_editor->setTitle(Q(m_ctx.captions[Cap::LayersWord]) + QStringLiteral(" : ") +
                       SurfaceName(m_ctx.captions, surface));
    // Another surface forgets the insulation picked for the last one.
    m_insulation = {};
    m_DSbutt->setEnabled(false);
    m_BDbutt->setEnabled(!m_building.name.empty() && !m_building.lambda.empty());
    showConstruction(OpenSurface(m_ctx, m_summary, surface, m_levels));
}

Construction WallDialog::currentConstruction() const {
    Construction c;
    c.layers = m_DaemmS->textModel();
    c.nextLayerRow = m_nextLayerRow;
    c.uText = m_AKTKWert->text().toStdString();
    c.temperatureText = m_AktATemp->text().toStdString();
    c.insideLevel = m_AiCombo->currentText().toStdString();
    c.outsideLevel = m_aacombo->currentText().toStdString();
    return c;
}

void WallDialog::showConstruction(const Construction& construction) {
    prepareLayerGrid();
    for (int r = 1; r < kLayerGridRows; ++r) {
        for (int col = 1; col < kLayerGridColumns; ++col)
            m_DaemmS->setCellText(r, col, Q(construction.layers.at(r, col)));
    }
    m_nextLayerRow = construction.nextLayerRow;
    m_AKTKWert->setText(Q(construction.uText));
    m_AktATemp->setText(Q(construction.temperatureText));
    m_AiCombo->setCurrentIndex(AirLevelIndex(construction.insideLevel, m_levels));
    m_aacombo->setCurrentIndex(AirLevelIndex(construction.outsideLevel, m_levels));
    markLayers(ComputeUValue(construction, m_surface, m_levels));
}

void WallDialog::markLayers(const UValueResult& u) {
    for (int r = 1; r < kLayerGridRows; ++r) {
        const bool skipped = u.rows[static_cast<std::size_t>(r)] == LayerState::Skipped;
        m_DaemmS->setCellText(r, 0, skipped ? QStringLiteral("%1 !").arg(r) : QString::number(r));
        for (int col = 1; col < kLayerGridColumns; ++col) {
            QTableWidgetItem* cell = m_DaemmS->item(r - 1, col - 1);
            if (cell == nullptr && !skipped) continue;
            if (cell == nullptr) {
                cell = new QTableWidgetItem;
                m_DaemmS->setItem(r - 1, col - 1, cell);
            }
            cell->setBackground(skipped ? QBrush(kSkippedShade) : QBrush());
            cell->setToolTip(skipped ? ui::QText(UiTextId::LayerNotCounted, m_ctx.languageCode) : QString());
        }
    }
}

void WallDialog::recompute() {
    if (m_surface == 0) return;
    const Construction c = currentConstruction();
    const UValueResult u = ComputeUValue(c, m_surface, m_levels);
    m_AKTKWert->setText(Q(u.shownText));
    markLayers(u);
    const std::vector<std::string> records = UValueReportRecords(c, u, m_ctx.captions);
    showFailure(SaveOutput(m_ctx, kUValueReportFile, UValueReportText(records), Durability::Regenerated));
}

void WallDialog::printUValue() {
    if (m_surface == 0) return;
    recompute();
    m_ctx.displayMode = DisplayMode::UValueReport;
    if (m_openReport) m_openReport();
}

void WallDialog::takeOver(MaterialKind kind) {
    if (m_surface == 0) return;
    m_DaemmS->finishEdit();
    Construction c = currentConstruction();
    const int row = c.nextLayerRow;
    switch (TakeOverMaterial(c, kind == MaterialKind::Building ? m_building : m_insulation)) {
    case TakeOverOutcome::LayersFull:
        showMessage(LayersFullMessage(m_ctx.captions));
        return;
    case TakeOverOutcome::NothingToTake:
        return;
    case TakeOverOutcome::Taken:
        break;
    }
    m_DaemmS->setCellText(row, kColLambda, Q(c.layers.at(row, kColLambda)));
    m_DaemmS->setCellText(row, kColMaterial, Q(c.layers.at(row, kColMaterial)));
    m_nextLayerRow = c.nextLayerRow;
    m_DaemmS->setCurrentGridCell(row, kColThickness); // the thickness is typed next
    recompute();
}

void WallDialog::acceptConstruction(bool saveCatalogues) {
    if (m_surface == 0) return;
    m_DaemmS->finishEdit();
    if (saveCatalogues) {
        for (MaterialKind kind : {MaterialKind::Building, MaterialKind::Insulation})
            showFailure(SaveCatalogue(m_ctx, kind, catalogue(kind)->textModel()));
    }
    if (m_planWall > 0) {
        m_handOver = {true, m_AKTKWert->text().toStdString(), m_AktATemp->text().toStdString()};
        accept();
        return;
    }
    readBoxes();
    const WriteStatus status = SaveConstruction(m_ctx, m_summary, currentConstruction(), m_surface);
    showBoxes();
    showFailure(status);
}

// --- Catalogues -------------------------------------------------------------------------------------

ui::GridWidget* WallDialog::catalogue(MaterialKind kind) const {
    return kind == MaterialKind::Building ? m_BauSspread : m_Daemmspread;
}

void WallDialog::fillCatalogue(MaterialKind kind) {
    const CatalogueLoad load = LoadCatalogue(m_ctx, kind);
    ui::GridWidget* grid = catalogue(kind);
    grid->setUpdatesEnabled(false);
    for (int r = 1; r <= load.rowCount; ++r) {
        for (int col = 1; col < kCatalogueGridColumns; ++col)
            grid->setCellText(r, col, Q(load.grid.at(r, col)));
    }
    grid->setUpdatesEnabled(true);
    QLabel* note = kind == MaterialKind::Building ? m_BauSnote : m_Daemmnote;
    if (!load.moreRowsNotLoaded) return;
    const Message cut = CatalogueCutMessage(m_ctx.captions, kind);
    note->setText(Q(cut.text));
    note->show();
    m_pending.push_back(cut);
}

void WallDialog::pick(MaterialKind kind, int row) {
    ui::GridWidget* grid = catalogue(kind);
    grid->finishEdit();
    const MaterialPick material = PickMaterial(grid->textModel(), row);
    const bool usable = !material.name.empty() && !material.lambda.empty();
    (kind == MaterialKind::Building ? m_building : m_insulation) = material;
    (kind == MaterialKind::Building ? m_BDbutt : m_DSbutt)->setEnabled(usable && m_surface != 0);
}

// --- Leaving ----------------------------------------------------------------------------------------

void WallDialog::cancel() {
    // A cancelled new project puts the room file back as it was.
    for (const Message& message : CancelPendingNewProject(m_ctx))
        showMessage(message);
    reject();
}

void WallDialog::closeWritingSummary() {
    if (m_planWall > 0) return;
    readBoxes();
    showFailure(SaveCatalogue(m_ctx, MaterialKind::Insulation, m_Daemmspread->textModel()));
    const SummaryWriteResult written = WriteEnvelopeSummary(m_ctx, m_summary);
    if (!written.blockedMessage.empty()) showMessage({MessageKind::Critical, "", written.blockedMessage});
    if (!written.written) {
        // The summary stayed unwritten: the dialog stays open so that nothing typed is lost.
        showFailure(written.status);
        return;
    }
    m_ctx.activationState = ActivationState::DialogChangedData;
    accept();
}

void WallDialog::showGoOn() {
    if (m_planWall > 0) return;
    m_Okbutt->hide();
    m_weiterbutt->show();
}

// --- Messages ---------------------------------------------------------------------------------------

void WallDialog::showMessage(const Message& message) {
    if (m_showMessage) {
        m_showMessage(message);
        return;
    }
    QString text = Q(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString title = message.title.empty() ? windowTitle() : Q(message.title);
    QMessageBox box(message.kind == MessageKind::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, this);
    box.exec();
}

void WallDialog::showFailure(const WriteStatus& status) {
    for (const Message& message : FailureMessages(status))
        showMessage(message);
}

void WallDialog::showPending() {
    const Messages pending = std::move(m_pending);
    m_pending.clear();
    for (const Message& message : pending)
        showMessage(message);
}

void WallDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_showing) return;
    m_showing = true;
    // Messages of the opening (a catalogue cut at 100 rows) appear over the dialog, not before it.
    if (!m_pending.empty()) QTimer::singleShot(0, this, &WallDialog::showPending);
    if (m_planWall > 0) m_DaemmS->setFocus();
}

// --- Entry points -----------------------------------------------------------------------------------

int RunWallDialog(AppContext& ctx, const std::string& outsideTemperatureText, QWidget* parent, bool goOn) {
    WallDialog dialog(ctx, outsideTemperatureText, parent);
    if (goOn) dialog.showGoOn();
    return dialog.exec();
}

WallDialogResult RunWallDialogForPlanWall(AppContext& ctx, QWidget* parent, int wallNumber,
                                          const std::string& outsideTemperatureText) {
    if (wallNumber < 1) return {};
    WallDialog dialog(ctx, outsideTemperatureText, parent, wallNumber);
    dialog.exec();
    return dialog.handOver();
}

} // namespace veskaro
