#include "room/door_panel_qt.h"

#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>

#include "room/room_form_qt.h"
#include "ui/picture_button.h"

namespace veskaro {

namespace {

constexpr GroupRow kSizeRows[] = {
    {.field = RoomField::bTuer,
     .caption = Cap::DoorWidthLabel,
     .captionName = "bTuer_l",
     .unit = RowUnit::Length},
    {.field = RoomField::hTuer,
     .caption = Cap::DoorHeightLabel,
     .captionName = "hTuer_l",
     .unit = RowUnit::Length},
    {.field = RoomField::oeffungsZ,
     .caption = Cap::DoorOpeningTimeWord,
     .captionName = "oeffungsZ_l",
     .unit = RowUnit::HoursPerDay},
};
constexpr GroupRow kResultRows[] = {
    {.field = RoomField::LWergeb,
     .caption = Cap::DoorAirChangeLabel,
     .captionName = "LWergeb_l",
     .unit = RowUnit::PerHour},
};

QLabel* UnitLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("role", QStringLiteral("unit"));
    return label;
}

} // namespace

DoorPanel::DoorPanel(RoomForm& form, QWidget* parent) : ui::PictureFrame(parent) {
    setObjectName(QStringLiteral("DoorPN"));
    setAutoFillBackground(true);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(22);
    shadow->setOffset(0, 4);
    shadow->setColor(QColor(20, 40, 60, 90));
    setGraphicsEffect(shadow);
    form.whenCaptioned([this, &form] { setPicture(QPixmap(form.dataPath("QV_Bk0v.jpg"))); });
    QGridLayout* grid = GroupGrid(this);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->addWidget(form.makeCaption(form.slot(Cap::DoorPanelTitle), "doorTitle"), 0, 0, 1, 3);
    form.addRows(grid, kSizeRows);

    m_AirCurtain = new QCheckBox;
    m_AirCurtain->setObjectName(QStringLiteral("AirCurtain"));
    form.whenCaptioned([this, &form] { m_AirCurtain->setText(form.caption(Cap::AirCurtainLabel)); });
    connect(m_AirCurtain, &QCheckBox::clicked, this, &DoorPanel::computeRequested);
    grid->addWidget(m_AirCurtain, grid->rowCount(), 0, 1, 3);
    ui::PictureButton* compute =
        form.makeCaptionedCommand("lwrech", "lwcap.bmp", form.slot(Cap::DoorAirChangeCalc), kSmallFace);
    connect(compute, &ui::PictureButton::triggered, this, &DoorPanel::computeRequested);
    grid->addWidget(compute, grid->rowCount(), 0, 1, 3);

    form.addRows(grid, kResultRows);
    m_Label67 = UnitLabel("Label67");
    m_Label53 = UnitLabel("Label53");
    grid->addWidget(m_Label67, grid->rowCount(), 0, 1, 3, Qt::AlignRight);
    grid->addWidget(m_Label53, grid->rowCount(), 0, 1, 3, Qt::AlignRight);

    auto* buttons = new QHBoxLayout;
    ui::PictureButton* ok = form.makeCommand("OKbutt3", "okcap.bmp", true, false, kSmallFace);
    ui::PictureButton* cancel = form.makeCommand("abbutt3", "abcap.bmp", true, false, kSmallFace);
    form.whenCaptioned([ok, cancel, &form] {
        ok->setText(form.caption(Cap::OkCaption));
        cancel->setText(form.caption(Cap::CancelCaption));
    });
    connect(ok, &ui::PictureButton::triggered, this, [this] { emit closeRequested(true); });
    connect(cancel, &ui::PictureButton::triggered, this, [this] { emit closeRequested(false); });
    // Escape inside the panel is its cancel.
    auto* escape =
        new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { emit closeRequested(false); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 3);
    hide();
}

bool DoorPanel::airCurtain() const {
    return m_AirCurtain->isChecked();
}

void DoorPanel::setAirCurtain(bool on) {
    m_AirCurtain->setChecked(on);
}

void DoorPanel::showLabels(const RoomLabels& labels) {
    m_Label53->setText(QString::fromStdString(labels.Label53));
    m_Label67->setText(QString::fromStdString(labels.Label67));
}

void DoorPanel::placeBelow(const QWidget* button, const QWidget* group) {
    QWidget* area = parentWidget();
    const QPoint below = button->mapTo(area, QPoint(0, button->height() + 4));
    const QPoint groupLeft = group->mapTo(area, QPoint(0, 0));
    const int width = group->width();
    setGeometry(groupLeft.x(), below.y(), width,
                heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height());
}

} // namespace veskaro
