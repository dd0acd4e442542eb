#pragma once
// The drawing area of the floor-plan dialog: the grid, the drawn walls with their lengths, the rubber band
// of the wall being dragged with its live length label `lwand`, the selected wall and the loose ends of an
// open outline. It edits the plan it is given; the dialog hears of each change by signal.

#include <QWidget>

#include "envelope/floor_plan.h"
#include "envelope/plan_outline.h"

class QLabel;

namespace veskaro {

class PlanCanvas final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlanCanvas)

  public:
    explicit PlanCanvas(FloorPlan& plan, QWidget* parent = nullptr);

    void setTool(int tool); // kArrowTool or kPlanWallKind; ends any drag
    int tool() const { return m_tool; }
    void setKindText(std::string text) { m_kindText = std::move(text); }
    void setSelectedWall(int wall); // 1-18, 0 for none
    int selectedWall() const { return m_selectedWall; }
    // The plan changed from outside (loaded, taken back, cleared, new grid distance).
    void planChanged();
    const PlanOutline& outline() const { return m_outline; }

    // Drawing units <-> widget pixels.
    QPointF toWidget(PlanPoint point) const;
    PlanPoint toPlan(const QPointF& pixel) const;
    // Paints everything the widget shows (also used by renderers and benchmarks).
    void paintPlan(QPainter& painter) const;

  signals:
    void wallDrawn(int wall, double length_m); // the element is stored as wall `wall` (1-18)
    void wallClicked(int wall);                // arrow tool: a click near wall `wall`
    void segmentRefused();                     // the plan is full: no further wall

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    PlanPoint snapped(const QPointF& pixel) const;
    void dragTo(const QPointF& pixel);
    void finishDrag(const QPointF& pixel);
    void updateView();
    void paintGrid(QPainter& painter) const;
    void paintWalls(QPainter& painter) const;
    void paintRubberBand(QPainter& painter) const;

    FloorPlan& m_plan;
    std::string m_kindText;
    int m_tool = kPlanWallKind;
    int m_selectedWall = 0;
    bool m_drawing = false;
    PlanPoint m_start, m_end; // segment being dragged
    PlanOutline m_outline;
    std::vector<PlanSegment> m_walls;
    double m_zoom = 1.0;                     // pixels per drawing unit
    double m_extentX = 0.0, m_extentY = 0.0; // drawing units shown
    QLabel* m_lengthLabel = nullptr;         // `lwand`
};

} // namespace veskaro
