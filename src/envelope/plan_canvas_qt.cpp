// The drawing area of the floor-plan dialog.

#include "envelope/plan_canvas_qt.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

// The area shows at least 24 x 16 grid steps (12 m x 8 m at the usual half metre), more when the plan
// reaches further, and one step of margin round the plan.
constexpr double kMinStepsX = 24.0, kMinStepsY = 16.0;
constexpr double kPickDistance_px = 8.0; // a click this near a wall selects it
constexpr double kEndMark_px = 5.0;      // radius of the loose-end marks of an open outline

const QColor kPaper(Qt::white);
const QColor kGridLine(0xDD, 0xE3, 0xEA);
const QColor kWallInk(0x23, 0x3A, 0x55);
const QColor kSelectedInk(0xD9, 0x6C, 0x00);
const QColor kRubberInk(0x1E, 0x7F, 0x8C);
const QColor kRoomFill(0xE4, 0xF1, 0xFA);
const QColor kOpenEnd(0xC0, 0x39, 0x2B);

} // namespace

PlanCanvas::PlanCanvas(FloorPlan& plan, QWidget* parent) : QWidget(parent), m_plan(plan) {
    setObjectName(QStringLiteral("PlanArea"));
    setMinimumSize(360, 260);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_lengthLabel = new QLabel(this);
    m_lengthLabel->setObjectName(QStringLiteral("lwand"));
    m_lengthLabel->setStyleSheet(
        QStringLiteral("background: #FFFDE7; border: 1px solid #1E7F8C; padding: 1px 3px;"));
    m_lengthLabel->hide();
    planChanged();
}

void PlanCanvas::setTool(int tool) {
    m_tool = tool;
    m_drawing = false;
    m_lengthLabel->hide();
    update();
}

void PlanCanvas::setSelectedWall(int wall) {
    m_selectedWall = wall;
    update();
}

void PlanCanvas::planChanged() {
    m_walls = m_plan.walls();
    m_outline = ChainOutline(m_walls);
    if (m_selectedWall > static_cast<int>(m_walls.size())) m_selectedWall = 0;
    updateView();
    update();
}

void PlanCanvas::updateView() {
    const double step = m_plan.settings.unitsPerStep;
    double right = kMinStepsX * step, bottom = kMinStepsY * step;
    for (const PlanSegment& s : m_walls) {
        right = std::max({right, s.x1 + step, s.x2 + step});
        bottom = std::max({bottom, s.y1 + step, s.y2 + step});
    }
    // The shown area keeps the widget's proportions so that a grid step is square.
    const double w = std::max(width(), 1), h = std::max(height(), 1);
    m_zoom = std::min(w / right, h / bottom);
    m_extentX = w / m_zoom;
    m_extentY = h / m_zoom;
}

QPointF PlanCanvas::toWidget(PlanPoint p) const {
    return {p.x * m_zoom, p.y * m_zoom};
}

PlanPoint PlanCanvas::toPlan(const QPointF& pixel) const {
    return {pixel.x() / m_zoom, pixel.y() / m_zoom};
}

PlanPoint PlanCanvas::snapped(const QPointF& pixel) const {
    const PlanPoint p = toPlan(pixel);
    const double step = m_plan.settings.unitsPerStep;
    return {SnapToGrid(std::min(p.x, m_extentX), step, m_tool),
            SnapToGrid(std::min(p.y, m_extentY), step, m_tool)};
}

// --- Mouse ------------------------------------------------------------------------------------------

void PlanCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (m_tool != kPlanWallKind) {
        const int index = NearestWall(m_walls, toPlan(event->position()), kPickDistance_px / m_zoom);
        if (index >= 0) emit wallClicked(index + 1);
        return;
    }
    if (m_plan.wallCount() >= kMaxPlanWalls || static_cast<int>(m_plan.elements.size()) >= kMaxPlanElements) {
        emit segmentRefused();
        return;
    }
    m_drawing = true;
    m_start = m_end = snapped(event->position());
    dragTo(event->position());
}

void PlanCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (m_drawing) dragTo(event->position());
}

void PlanCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (m_drawing && event->button() == Qt::LeftButton) finishDrag(event->position());
}

void PlanCanvas::dragTo(const QPointF& pixel) {
    const PlanPoint previous = m_end;
    m_end = DragEnd(m_start, snapped(pixel));
    const PlanSegment band{m_start.x, m_start.y, m_end.x, m_end.y};
    m_lengthLabel->setText(Q(LengthLabel(WallLength_m(band, m_plan.settings))).trimmed());
    m_lengthLabel->adjustSize();
    const QPointF at = toWidget(m_end) + QPointF(8, 8);
    m_lengthLabel->move(std::clamp(int(at.x()), 0, std::max(0, width() - m_lengthLabel->width())),
                        std::clamp(int(at.y()), 0, std::max(0, height() - m_lengthLabel->height())));
    m_lengthLabel->show();
    // Only the band's old and new box need painting again.
    const QRectF old = QRectF(toWidget(m_start), toWidget(previous)).normalized();
    const QRectF now = QRectF(toWidget(m_start), toWidget(m_end)).normalized();
    update(old.united(now).adjusted(-4, -4, 4, 4).toAlignedRect());
}

void PlanCanvas::finishDrag(const QPointF& pixel) {
    m_drawing = false;
    m_lengthLabel->hide();
    m_end = DragEnd(m_start, snapped(pixel));
    update();
    // A click without movement draws nothing.
    if (m_end == m_start) return;
    PlanElement element;
    element.kind = kPlanWallKind;
    element.segment = {m_start.x, m_start.y, m_end.x, m_end.y};
    element.kindText = m_kindText;
    m_plan.elements.push_back(element);
    planChanged();
    emit wallDrawn(m_plan.wallCount(), WallLength_m(element.segment, m_plan.settings));
}

// --- Painting ---------------------------------------------------------------------------------------

void PlanCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateView();
}

void PlanCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    paintPlan(painter);
}

void PlanCanvas::paintPlan(QPainter& painter) const {
    painter.save();
    painter.setClipRect(rect(), Qt::IntersectClip); // never outside the drawing area
    painter.fillRect(rect(), kPaper);
    paintGrid(painter);
    paintWalls(painter);
    paintRubberBand(painter);
    painter.restore();
}

void PlanCanvas::paintGrid(QPainter& painter) const {
    const double step = m_plan.settings.unitsPerStep * m_zoom;
    if (!(step >= 2.0)) return;
    painter.setPen(QPen(kGridLine, 0));
    for (double x = 0.0; x <= width(); x += step)
        painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    for (double y = 0.0; y <= height(); y += step)
        painter.drawLine(QPointF(0, y), QPointF(width(), y));
}

void PlanCanvas::paintWalls(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (m_outline.closed) {
        QPolygonF room;
        for (const PlanPoint& corner : m_outline.corners)
            room << toWidget(corner);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRoomFill);
        painter.drawPolygon(room);
    }
    const QFontMetrics metrics(painter.font());
    for (std::size_t i = 0; i < m_walls.size(); ++i) {
        const PlanSegment& s = m_walls[i];
        const bool selected = static_cast<int>(i) + 1 == m_selectedWall;
        QPen pen(selected ? kSelectedInk : kWallInk, selected ? 5.0 : 3.0);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        const QPointF a = toWidget(s.start()), b = toWidget(s.end());
        painter.drawLine(a, b);
        // The length beside the wall: above a horizontal one, right of a vertical one.
        const QString label = QStringLiteral("%1: %2").arg(i + 1).arg(
            Q(LengthLabel(WallLength_m(s, m_plan.settings))).trimmed());
        const QPointF mid = (a + b) / 2.0;
        const bool horizontal = s.y1 == s.y2;
        const QPointF at = horizontal ? mid + QPointF(-metrics.horizontalAdvance(label) / 2.0, -6)
                                      : mid + QPointF(6, metrics.ascent() / 2.0);
        painter.setPen(selected ? kSelectedInk : kWallInk);
        painter.drawText(at, label);
    }
    if (!m_outline.closed && !m_outline.corners.empty()) {
        painter.setPen(QPen(kOpenEnd, 2.0));
        painter.setBrush(Qt::white);
        painter.drawEllipse(toWidget(m_outline.openStart), kEndMark_px, kEndMark_px);
        painter.drawEllipse(toWidget(m_outline.openEnd), kEndMark_px, kEndMark_px);
    }
    painter.setBrush(Qt::NoBrush);
}

void PlanCanvas::paintRubberBand(QPainter& painter) const {
    if (!m_drawing) return;
    QPen pen(kRubberInk, 2.0, Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(toWidget(m_start), toWidget(m_end));
}

} // namespace veskaro
