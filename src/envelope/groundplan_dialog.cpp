#include "envelope/groundplan_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/ui_texts.h"
#include "envelope/plan_canvas_qt.h"
#include "envelope/plan_outline.h"
#include "envelope/wall_table_panel_qt.h"
#include "project/pending_project.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

// Below 1 cm a room height is a typing slip; above 100 m no cold room.
constexpr double kMaxRoomHeight_m = 100.0;

double ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0.0;
}

double NumberOf(const QLineEdit* box) {
    return NumFromText(box->text().toStdString());
}

} // namespace

GroundPlanDialog::GroundPlanDialog(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_plan(ReadFloorPlan(ctx, ScreenWidth())) {
    setModal(true);
    buildLayout();
    connect(m_canvas, &PlanCanvas::wallDrawn, this, &GroundPlanDialog::onWallDrawn);
    connect(m_canvas, &PlanCanvas::wallClicked, this, [this](int wall) {
        m_canvas->setSelectedWall(wall);
        m_panel->selectWall(wall);
    });
    connect(m_canvas, &PlanCanvas::segmentRefused, this, [this] {
        const std::string limit = m_plan.wallCount() >= kMaxPlanWalls ? " > 18 !" : " > 30 !";
        showMessage({MessageKind::Exclamation, "", m_ctx.captions[Cap::WallWord] + limit});
    });
    connect(m_panel, &WallTablePanel::wallSelected, m_canvas, &PlanCanvas::setSelectedWall);
    // The table's check messages are shown the way the dialog shows its own.
    m_panel->setMessageSink([this](const Message& message) { showMessage(message); });
    m_panel->load();
    if (m_ctx.planRoomHeight_m > 0.0) {
        m_rhoehe->setText(Q(DisplayText(m_ctx.planRoomHeight_m)));
        m_panel->setRoomHeight(m_ctx.planRoomHeight_m);
    }
    showPlan();
    m_outlineWasClosed = m_canvas->outline().closed;
    setTool(kPlanWallKind);
}

GroundPlanDialog::~GroundPlanDialog() = default;

// --- Plan -------------------------------------------------------------------------------------------

void GroundPlanDialog::showPlan() {
    m_GridD->setText(Q(DisplayText(m_plan.settings.gridDistance_m)));
    relabelCompass();
    m_canvas->planChanged();
    showOutline();
}

void GroundPlanDialog::relabelCompass() {
    static constexpr std::array<Cap, kCompassPositions> kCaptions = {
        Cap::CompassN, Cap::CompassNE, Cap::CompassE, Cap::CompassSE,
        Cap::CompassS, Cap::CompassSW, Cap::CompassW, Cap::CompassNW};
    for (int k = 0; k < kCompassPositions; ++k) {
        QRadioButton* option = m_Richtung[static_cast<std::size_t>(k)];
        const int caption = CompassCaptionIndex(k, m_plan.settings.northIndex);
        option->setText(Q(m_ctx.captions[kCaptions[static_cast<std::size_t>(caption)]]));
        option->setChecked(k == m_plan.settings.northIndex);
    }
    // The centre of the rose points towards north.
    static const std::array<QString, kCompassPositions> kArrows = {
        QStringLiteral("↑"), QStringLiteral("↗"), QStringLiteral("→"), QStringLiteral("↘"),
        QStringLiteral("↓"), QStringLiteral("↙"), QStringLiteral("←"), QStringLiteral("↖")};
    m_Nord->setText(kArrows[static_cast<std::size_t>(m_plan.settings.northIndex)]);
}

void GroundPlanDialog::setNorth(int index) {
    if (index < 0 || index >= kCompassPositions) return;
    m_plan.settings.northIndex = index;
    relabelCompass();
}

bool GroundPlanDialog::addWall(PlanPoint start, PlanPoint end) {
    if (m_plan.wallCount() >= kMaxPlanWalls || static_cast<int>(m_plan.elements.size()) >= kMaxPlanElements)
        return false;
    PlanElement element;
    element.segment = {start.x, start.y, end.x, end.y};
    element.kindText = m_ctx.captions[Cap::LayersWord];
    m_plan.elements.push_back(element);
    m_canvas->planChanged();
    onWallDrawn(m_plan.wallCount(), WallLength_m(element.segment, m_plan.settings));
    return true;
}

void GroundPlanDialog::onWallDrawn(int wall, double length_m) {
    m_panel->setWallLength(wall, length_m);
    showOutline();
}

// Area and perimeter of a closed outline under the drawing; a newly closed outline proposes the floor
// and ceiling areas of the wall table.
void GroundPlanDialog::showOutline() {
    const PlanOutline& outline = m_canvas->outline();
    const double area_m2 = OutlineArea_m2(outline, m_plan.settings);
    if (!outline.closed) {
        m_outlineInfo->clear();
        m_outlineWasClosed = false;
        return;
    }
    const double perimeter_m = Perimeter_m(m_plan.walls(), m_plan.settings);
    const CaptionTable& c = m_ctx.captions;
    m_outlineInfo->setText(Q(c[Cap::AreaHeader] + DisplayText(TruncateDecimals(area_m2, 2)) + " m²    " +
                             c[Cap::PerimeterWord] + DisplayText(TruncateDecimals(perimeter_m, 2)) + " m"));
    if (!m_outlineWasClosed) m_panel->proposeFloorCeilingArea(TruncateDecimals(area_m2, 2));
    m_outlineWasClosed = true;
}

// --- Commands ---------------------------------------------------------------------------------------

void GroundPlanDialog::setTool(int tool) {
    m_canvas->setTool(tool);
    m_canvas->setKindText(tool == kPlanWallKind ? m_ctx.captions[Cap::LayersWord] : std::string());
}

void GroundPlanDialog::takeBack() {
    if (m_plan.elements.empty()) return;
    const bool wasWall = m_plan.elements.back().kind == kPlanWallKind;
    const int walls = m_plan.wallCount();
    m_plan.elements.pop_back();
    if (wasWall) m_panel->clearWallsFrom(walls);
    m_canvas->planChanged();
    showOutline();
}

void GroundPlanDialog::clearPlan() {
    m_plan.elements.clear();
    m_panel->clearWallsFrom(1);
    m_canvas->setSelectedWall(0);
    m_canvas->planChanged();
    showOutline();
}

void GroundPlanDialog::toggleMaximised() {
    const bool maximise = !isMaximized();
    maximise ? showMaximized() : showNormal();
    m_maxbutt->setFace(ui::LoadFacePicture(
        Q(ResolveDataPath(m_ctx, maximise ? "normbutt.bmp" : "maxbutt.bmp")), m_maxbutt->face()->sizeHint()));
}

void GroundPlanDialog::commitGridDistance() {
    const double grid_m = NumberOf(m_GridD);
    if (grid_m > 0.0 && grid_m <= kMaxGridDistance_m) m_plan.settings.gridDistance_m = grid_m;
    m_GridD->setText(Q(DisplayText(m_plan.settings.gridDistance_m)));
    // Every wall keeps its drawn extent: its length in metres follows the new grid distance.
    const std::vector<PlanSegment> walls = m_plan.walls();
    for (std::size_t i = 0; i < walls.size(); ++i)
        m_panel->setWallLength(static_cast<int>(i) + 1, WallLength_m(walls[i], m_plan.settings));
    m_canvas->planChanged();
    m_outlineWasClosed = false;
    showOutline();
}

void GroundPlanDialog::commitRoomHeight() {
    const double height_m = NumberOf(m_rhoehe);
    if (!(height_m > 0.0 && height_m <= kMaxRoomHeight_m)) return;
    m_ctx.planRoomHeight_m = height_m;
    m_panel->setRoomHeight(height_m);
}

bool GroundPlanDialog::save() {
    commitRoomHeight();
    const WriteStatus plan = WriteFloorPlan(m_ctx, m_plan);
    const WriteStatus table = plan ? m_panel->save() : plan;
    for (const Message& message : FailureMessages(FirstFailure(plan, table)))
        showMessage(message);
    return plan.ok && table.ok;
}

void GroundPlanDialog::accept() {
    if (!m_panel->checkTable()) return;
    const PlanOutline& outline = m_canvas->outline();
    if (!outline.closed && !outline.corners.empty()) {
        const std::string keep = m_ctx.captions[Cap::FloorPlanTitle] + ":\r" +
                                 std::string(UiText(UiTextId::OutlineNotClosed, m_ctx.languageCode));
        if (!showMessage({MessageKind::Question, "", keep})) return;
    }
    if (!save()) return;
    m_ctx.activationState = ActivationState::DialogChangedData;
    QDialog::accept();
}

void GroundPlanDialog::reject() {
    m_ctx.activationState = ActivationState::Active;
    for (const Message& message : CancelPendingNewProject(m_ctx))
        showMessage(message);
    QDialog::reject();
}

void GroundPlanDialog::print() {
    if (save()) m_panel->printReport();
}

bool GroundPlanDialog::showMessage(const Message& message) {
    if (m_showMessage) return m_showMessage(message);
    QString text = Q(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString title = message.title.empty() ? windowTitle() : Q(message.title);
    if (message.kind == MessageKind::Question)
        return QMessageBox::question(this, title, text) == QMessageBox::Yes;
    QMessageBox box(message.kind == MessageKind::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, this);
    box.exec();
    return true;
}

PlanDialogOutcome RunGroundPlanDialog(AppContext& ctx, QWidget* parent) {
    GroundPlanDialog dialog(ctx, parent);
    return dialog.exec() == QDialog::Accepted ? PlanDialogOutcome::Accepted : PlanDialogOutcome::Cancelled;
}

} // namespace veskaro
