// The widgets of the floor-plan dialog: tools above the drawing, grid distance, room height and compass
// below it, the wall table beside it, the commands at the foot.

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/plan_canvas_qt.h"
#include "envelope/wall_table_panel_qt.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

constexpr QSize kFace(24, 24);
constexpr int kBoxWidth = 64;

// Rose cell of compass position k (0 at the top, clockwise in steps of 45 degrees).
constexpr std::array<std::pair<int, int>, kCompassPositions> kRoseCells = {
    {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}}};

QLineEdit* Box(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(kBoxWidth);
    return box;
}

} // namespace

ui::PictureButton* GroundPlanDialog::command(const char* name, const char* face, const QString& text) {
    auto* button = new ui::PictureButton(QString::fromLatin1(name), this);
    button->setFaceSize(kFace);
    button->setFace(ui::LoadFacePicture(Q(ResolveDataPath(m_ctx, face)), kFace));
    button->setText(text);
    button->setHint(text);
    return button;
}

void GroundPlanDialog::buildLayout() {
    setObjectName(QStringLiteral("GroundP"));
    setWindowTitle(Q(m_ctx.captions[Cap::FloorPlanTitle]));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(14);

    auto* drawing = new QVBoxLayout;
    drawing->addWidget(buildTools());
    m_canvas = new PlanCanvas(m_plan, this);
    drawing->addWidget(m_canvas, 1);
    m_outlineInfo = new QLabel(this);
    m_outlineInfo->setObjectName(QStringLiteral("outlineInfo"));
    drawing->addWidget(m_outlineInfo);
    auto* below = new QHBoxLayout;
    below->setSpacing(24);
    below->addWidget(buildSettings());
    below->addWidget(buildCompass());
    below->addStretch(1);
    drawing->addLayout(below);
    grid->addLayout(drawing, 0, 0);

    m_panel = new WallTablePanel(m_ctx, this);
    grid->addWidget(m_panel, 0, 1);
    grid->addWidget(buildCommands(), 1, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(0, 1);
}

QWidget* GroundPlanDialog::buildTools() {
    const CaptionTable& c = m_ctx.captions;
    auto* tools = new QWidget(this);
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    ui::PictureButton* arrow = command("arrowbutt", "arrowbutt.bmp", Q(c[Cap::SelectToolCaption]));
    ui::PictureButton* wall = command("wallbutt", "WDcap.bmp", Q(c[Cap::WallToolCaption]));
    ui::PictureButton* back = command("backbutt", "backbutt.bmp", Q(c[Cap::UndoCaption]));
    ui::PictureButton* clear = command("delAlles", "loecaps.bmp", Q(c[Cap::DeleteAllCaption]));
    m_maxbutt = command("maxbutt", "maxbutt.bmp", QString());
    for (ui::PictureButton* button : {arrow, wall, back, clear, m_maxbutt})
        row->addWidget(button);
    row->addStretch(1);
    connect(arrow, &ui::PictureButton::triggered, this, [this] { setTool(kArrowTool); });
    connect(wall, &ui::PictureButton::triggered, this, [this] { setTool(kPlanWallKind); });
    connect(back, &ui::PictureButton::triggered, this, &GroundPlanDialog::takeBack);
    connect(clear, &ui::PictureButton::triggered, this, &GroundPlanDialog::clearPlan);
    connect(m_maxbutt, &ui::PictureButton::triggered, this, &GroundPlanDialog::toggleMaximised);
    return tools;
}

QWidget* GroundPlanDialog::buildSettings() {
    const CaptionTable& c = m_ctx.captions;
    auto* settings = new QWidget(this);
    auto* form = new QGridLayout(settings);
    form->setContentsMargins(0, 0, 0, 0);
    m_GridD = Box("GridD");
    m_rhoehe = Box("rhoehe");
    form->addWidget(new QLabel(Q(c[Cap::GridDistanceLabel])), 0, 0);
    form->addWidget(m_GridD, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("m")), 0, 2);
    form->addWidget(new QLabel(Q(c[Cap::RoomHeightLabel])), 1, 0);
    form->addWidget(m_rhoehe, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("m")), 1, 2);
    form->setRowStretch(2, 1);
    connect(m_GridD, &QLineEdit::editingFinished, this, &GroundPlanDialog::commitGridDistance);
    connect(m_rhoehe, &QLineEdit::editingFinished, this, &GroundPlanDialog::commitRoomHeight);
    return settings;
}

QWidget* GroundPlanDialog::buildCompass() {
    auto* rose = new QGroupBox(Q(m_ctx.captions[Cap::SetNorthCaption]), this);
    rose->setObjectName(QStringLiteral("setNord"));
    auto* cells = new QGridLayout(rose);
    for (int k = 0; k < kCompassPositions; ++k) {
        auto* option = new QRadioButton(rose);
        option->setObjectName(QStringLiteral("Richtung%1").arg(k));
        const auto [r, col] = kRoseCells[static_cast<std::size_t>(k)];
        cells->addWidget(option, r, col);
        connect(option, &QRadioButton::clicked, this, [this, k] { setNorth(k); });
        m_Richtung[static_cast<std::size_t>(k)] = option;
    }
    m_Nord = new QLabel(rose);
    m_Nord->setObjectName(QStringLiteral("Nord"));
    m_Nord->setAlignment(Qt::AlignCenter);
    QFont arrow = m_Nord->font();
    arrow.setPointSizeF(arrow.pointSizeF() * 1.8);
    m_Nord->setFont(arrow);
    cells->addWidget(m_Nord, 1, 1);
    return rose;
}

QWidget* GroundPlanDialog::buildCommands() {
    const CaptionTable& c = m_ctx.captions;
    auto* commands = new QWidget(this);
    auto* row = new QHBoxLayout(commands);
    row->setContentsMargins(0, 0, 0, 0);
    ui::PictureButton* ok = command("OKbutt", "okcap.bmp", Q(c[Cap::OkCaption]));
    ui::PictureButton* cancel = command("Command3D1", "abcap.bmp", Q(c[Cap::CancelCaption]));
    ui::PictureButton* print = command("Printbutt", "prcap.bmp", Q(c[Cap::PrintCaption]));
    row->addWidget(print);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    connect(ok, &ui::PictureButton::triggered, this, &GroundPlanDialog::accept);
    connect(cancel, &ui::PictureButton::triggered, this, &GroundPlanDialog::reject);
    connect(print, &ui::PictureButton::triggered, this, &GroundPlanDialog::print);
    return commands;
}

} // namespace veskaro
