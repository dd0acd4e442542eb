#include "room/room_inputs_panel_qt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "room/door_panel_qt.h"
#include "room/envelope_panel_qt.h"
#include "room/goods_panel_qt.h"
#include "room/room_form_qt.h"
#include "ui/input_field.h"
#include "ui/picture_button.h"

namespace veskaro {

namespace {

using Kind = GroupRow::Kind;
constexpr int Bar(RoomScrollBar bar) {
    return static_cast<int>(bar);
}

// clang-format off
constexpr GroupRow kDimensions[] = {
    {.field = RoomField::RaumL, .caption = Cap::LengthWord, .captionName = "RaumL_l", .unit = RowUnit::Length},
    {.field = RoomField::RaumB, .caption = Cap::WidthWord, .captionName = "RaumB_l", .unit = RowUnit::Length},
    {.field = RoomField::RaumH, .caption = Cap::HeightWord, .captionName = "RaumH_l", .unit = RowUnit::Length},
    {.kind = Kind::Extra}, // room shape options
    {.kind = Kind::Output, .outputName = "Area", .caption = Cap::FloorAreaWord, .unit = RowUnit::Area},
    {.kind = Kind::Output, .outputName = "Umfang", .caption = Cap::PerimeterWord, .unit = RowUnit::Length},
    {.kind = Kind::Output, .outputName = "Vol", .caption = Cap::VolumeWord, .unit = RowUnit::Volume},
};
constexpr GroupRow kInsideAir[] = {
    {.field = RoomField::RaumTemp, .caption = Cap::TemperatureLabel, .captionName = "RaumTemp_l", .unit = RowUnit::Temperature},
    {.field = RoomField::RaumFeuchte, .caption = Cap::RelHumidityLabel, .captionName = "RaumFeuchte_l", .unit = RowUnit::Percent},
    {.field = RoomField::tempdiff, .caption = Cap::TempDifferenceLabel, .captionName = "tempdiff_l", .unit = RowUnit::TemperatureDifference},
    {.field = RoomField::tempDiffdt1, .caption = Cap::CoolerDt1Label, .captionName = "tempDiffdt1_l", .unit = RowUnit::TemperatureDifference},
    {.field = RoomField::verdTemp, .caption = Cap::EvaporatingTemperatureLabel, .captionName = "verdTemp_l", .unit = RowUnit::Temperature},
};
constexpr GroupRow kOutsideAir[] = {
    {.field = RoomField::AussenTemp, .caption = Cap::TemperatureLabel, .captionName = "AussenTemp_l", .unit = RowUnit::Temperature, .scrollBar = Bar(RoomScrollBar::HScroll1)},
    {.field = RoomField::AussenFeuchte, .caption = Cap::RelHumidityLabel, .captionName = "AussenFeuchte_l", .unit = RowUnit::Percent, .scrollBar = Bar(RoomScrollBar::HScroll2)},
};
constexpr GroupRow kOperation[] = {
    {.field = RoomField::Laufzeit, .caption = Cap::OperatingTimeLabel, .captionName = "Laufzeit_l", .unit = RowUnit::OperatingTime},
    {.kind = Kind::Extra}, // daily or shock operation
};
constexpr GroupRow kInternalLoads[] = {
    {.field = RoomField::PersZahl, .caption = Cap::PersonsPresenceLabel, .captionName = "PersZahl_l", .unit = RowUnit::HoursPerDay, .scrollBar = Bar(RoomScrollBar::HScroll4)},
    {.field = RoomField::ELLeist, .caption = Cap::LightingLabel, .captionName = "ELLeist_l", .unit = RowUnit::LightingDensity, .scrollBar = Bar(RoomScrollBar::HScroll6)},
    {.field = RoomField::Eltotal, .caption = Cap::ElectricalLabel, .captionName = "Eltotal_l", .unit = RowUnit::SmallPower},
};
constexpr GroupRow kDoor[] = {
    {.field = RoomField::NBegeh, .caption = Cap::DoorOpeningsLabel, .captionName = "NBegeh_l", .unit = RowUnit::PerDay, .scrollBar = Bar(RoomScrollBar::HScroll5)},
    {.field = RoomField::RaumLW, .caption = Cap::AirChangeRateLabel, .captionName = "RaumLW_l", .unit = RowUnit::PerHour, .scrollBar = Bar(RoomScrollBar::HScroll3)},
    {.kind = Kind::Output, .outputName = "Label40", .caption = Cap::AirFlowLabel, .unit = RowUnit::VolumeFlow},
    {.field = RoomField::LWTuer, .caption = Cap::DoorAirChangeLabel, .captionName = "LWTuer_l", .unit = RowUnit::PerHour},
    {.kind = Kind::Extra}, // the door panel command
};
constexpr GroupRow kEvaporator[] = {
    {.field = RoomField::AnzVerd, .captionName = "Label7", .composedCaption = EvaporatorCountCaption},
    {.kind = Kind::Extra}, // count and type of the chosen evaporator
    {.field = RoomField::PlueftPN, .caption = Cap::FanPowerLabel, .captionName = "PlueftPN_l", .unit = RowUnit::SmallPower},
    {.field = RoomField::Abtau, .caption = Cap::DefrostHeaterLabel, .captionName = "Abtau_l", .unit = RowUnit::SmallPower},
    {.field = RoomField::AbtauAnt, .caption = Cap::DefrostShareLabel, .captionName = "AbtauAnt_l", .unit = RowUnit::Percent},
};
// clang-format on

QRadioButton* Option(const char* name) {
    auto* option = new QRadioButton;
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

// Two options side by side in one group row, exclusive of each other.
void AddOptionRow(QGridLayout* grid, QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(grid->parentWidget());
    group->addButton(first);
    group->addButton(second);
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch(1);
    grid->addLayout(row, grid->rowCount(), 0, 1, 3);
}

QVBoxLayout* Column(std::initializer_list<QWidget*> groups) {
    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    for (QWidget* group : groups)
        column->addWidget(group);
    column->addStretch(1);
    return column;
}

} // namespace

RoomInputsPanel::RoomInputsPanel(RoomForm& form, QWidget* parent) : QWidget(parent), m_form(form) {
    setObjectName(QStringLiteral("content"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 8, 8, 14);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);

    // Reading order of a room: its size and air, the outside air and the operation, the loads and the
    // door, the evaporator.
    QGroupBox* dimensions = form.buildGroup({"DimensionsFrame", Cap::DimensionsFrame, kDimensions},
                                            [this](QGridLayout* g, int) { addShapeOptions(g); });
    QGroupBox* inside = form.buildGroup({"InsideAirFrame", Cap::InsideAirFrame, kInsideAir});
    QGroupBox* outside = form.buildGroup({"OutsideAirFrame", Cap::OutsideAirFrame, kOutsideAir});
    QGroupBox* operation = form.buildGroup({"OperationFrame", Cap::OperationFrame, kOperation},
                                           [this](QGridLayout* g, int) { addOperatingBasis(g); });
    QGroupBox* loads = form.buildGroup({"InternalLoadsFrame", Cap::InternalLoadsFrame, kInternalLoads});
    m_doorGroup = form.buildGroup({"DoorFrame", Cap::DoorFrame, kDoor},
                                  [this](QGridLayout* g, int) { addDoorCommand(g); });
    QGroupBox* evaporator = form.buildGroup({"EvaporatorFrame", Cap::EvaporatorFrame, kEvaporator},
                                            [this](QGridLayout* g, int) { addEvaporatorType(g); });
    m_envelope = new EnvelopePanel(form);
    grid->addLayout(Column({dimensions, inside}), 0, 0);
    grid->addLayout(Column({outside, operation, loads}), 0, 1);
    grid->addLayout(Column({m_doorGroup, evaporator}), 0, 2);
    m_goods = new GoodsPanel(form);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    m_DoorPN = new DoorPanel(form, this);
}

void RoomInputsPanel::addShapeOptions(QGridLayout* grid) {
    // The room shape options open the wall or floor-plan dialog; they show the shape until those exist.
    m_retangle = Option("retangle");
    m_draw = Option("draw");
    m_form.whenCaptioned([this] {
        m_retangle->setText(m_form.caption(Cap::RectangleOption));
        m_draw->setText(m_form.caption(Cap::DrawOption));
    });
    m_retangle->setEnabled(false);
    m_draw->setEnabled(false);
    AddOptionRow(grid, m_retangle, m_draw);
}

void RoomInputsPanel::addOperatingBasis(QGridLayout* grid) {
    m_TagesB = Option("TagesB");
    m_SchockF = Option("SchockF");
    m_form.whenCaptioned([this] {
        m_TagesB->setText(m_form.caption(Cap::DailyOperationLabel));
        m_SchockF->setText(m_form.caption(Cap::ShockFreezingLabel));
    });
    AddOptionRow(grid, m_TagesB, m_SchockF);
    connect(m_TagesB, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit operatingBasisChosen(0);
    });
    connect(m_SchockF, &QRadioButton::toggled, this, [this](bool on) {
        if (on) emit operatingBasisChosen(1);
    });
}

void RoomInputsPanel::addDoorCommand(QGridLayout* grid) {
    m_doorButton =
        m_form.makeCaptionedCommand("doorbutt", "drcap.bmp", m_form.slot(Cap::DoorPanelTitle), kSmallFace);
    connect(m_doorButton, &ui::PictureButton::triggered, this, &RoomInputsPanel::doorPanelRequested);
    grid->addWidget(m_doorButton, grid->rowCount(), 0, 1, 3);
}

void RoomInputsPanel::addEvaporatorType(QGridLayout* grid) {
    // The chosen evaporator: count and type, set by the evaporator design.
    auto* typeRow = new QHBoxLayout;
    m_Label51 = new QLabel;
    m_Label51->setObjectName(QStringLiteral("Label51"));
    m_VerdNam = new QLabel;
    m_VerdNam->setObjectName(QStringLiteral("VerdNam"));
    m_VerdNam->setProperty("role", QStringLiteral("output"));
    m_VerdNam->setMinimumWidth(kFieldWidth);
    m_VerdNam->setTextInteractionFlags(Qt::TextSelectableByMouse);
    typeRow->addWidget(m_Label51);
    typeRow->addWidget(m_VerdNam, 1);
    const int row = grid->rowCount();
    grid->addWidget(m_form.makeCaption(m_form.slot(Cap::EvaporatorTypeLabel)), row, 0);
    grid->addLayout(typeRow, row, 1, 1, 2);
}

void RoomInputsPanel::showRoom(const RoomRecord& room, const std::string& evaporatorCount) {
    m_Label51->setText(QString::fromStdString(evaporatorCount));
    m_VerdNam->setText(QString::fromStdString(room.VerdNam));
    (room.operatingBasis == 1 ? m_SchockF : m_TagesB)->setChecked(true);
    (room.roomShape == kRectangularRoom ? m_retangle : m_draw)->setChecked(true);
}

void RoomInputsPanel::openDoorPanel() {
    m_DoorPN->raise();
    m_DoorPN->show();
    fitDoorPanel();
    m_form.field(RoomField::bTuer)->setFocus(Qt::OtherFocusReason);
}

void RoomInputsPanel::closeDoorPanel() {
    m_DoorPN->hide();
    setMinimumHeight(0);
}

void RoomInputsPanel::fitDoorPanel() {
    m_DoorPN->placeBelow(m_doorButton, m_doorGroup);
    const int needed = m_DoorPN->geometry().bottom() + layout()->contentsMargins().bottom();
    if (needed > minimumHeight()) setMinimumHeight(needed);
}

void RoomInputsPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_DoorPN->isVisible()) fitDoorPanel();
}

} // namespace veskaro
