#pragma once
// The floor-plan dialog `GroundP`: the room outline drawn on a snapping grid, the compass, and the wall
// table. The plan model lives in floor_plan.h and plan_outline.h, the table in the wall table panel.

#include <QDialog>

#include <array>
#include <functional>

#include "app/message.h"
#include "envelope/floor_plan.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace veskaro {

struct AppContext;
class PlanCanvas;
class WallTablePanel;

namespace ui {
class PictureButton;
} // namespace ui

enum class PlanDialogOutcome {
    Accepted,  // O.K.: CR_GP.dat and CR_WALL.dat written
    Cancelled, // Cancel: nothing written (a pending new project was put back)
};

class GroundPlanDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroundPlanDialog)

  public:
    // Shows one message; a question answers true for yes. The default is a modal message box.
    using MessageSink = std::function<bool(const Message&)>;

    explicit GroundPlanDialog(AppContext& ctx, QWidget* parent = nullptr);
    ~GroundPlanDialog() override;

    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }

    FloorPlan& plan() { return m_plan; }
    PlanCanvas* canvas() const { return m_canvas; }
    WallTablePanel* wallTable() const { return m_panel; }

    // Adds a wall as the wall tool does on mouse-up (end and start snapped by the caller); false when the
    // plan is full. For building a plan by program (screenshots, tests).
    bool addWall(PlanPoint start, PlanPoint end);

    // The commands, as their buttons run them.
    void setTool(int tool);
    void takeBack();
    void clearPlan();
    void toggleMaximised();
    void setNorth(int index);
    void commitGridDistance();
    void commitRoomHeight();
    void accept() override; // O.K.
    void reject() override; // Cancel, Escape, the frame's close
    void print();

  private:
    // Layout (groundplan_dialog_layout_qt.cpp)
    void buildLayout();
    QWidget* buildTools();
    QWidget* buildSettings();
    QWidget* buildCompass();
    QWidget* buildCommands();
    ui::PictureButton* command(const char* name, const char* face, const QString& text);

    void showPlan();
    void relabelCompass();
    void onWallDrawn(int wall, double length_m);
    void showOutline();
    bool save();
    bool showMessage(const Message& message);

    AppContext& m_ctx;
    FloorPlan m_plan;
    PlanCanvas* m_canvas = nullptr;
    WallTablePanel* m_panel = nullptr;
    QLineEdit* m_GridD = nullptr;
    QLineEdit* m_rhoehe = nullptr;
    QLabel* m_outlineInfo = nullptr;
    QLabel* m_Nord = nullptr;
    std::array<QRadioButton*, kCompassPositions> m_Richtung{};
    ui::PictureButton* m_maxbutt = nullptr;
    bool m_outlineWasClosed = false;
    MessageSink m_showMessage;
};

// Opens `GroundP` modally over parent.
PlanDialogOutcome RunGroundPlanDialog(AppContext& ctx, QWidget* parent);

} // namespace veskaro
