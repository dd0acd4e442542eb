// Layout of the wall table panel: the grid Spread1 and the detail controls of the selected row.

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "envelope/wall_table_panel_qt.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

const QSize kFace(24, 24);
constexpr int kShadingTypes = 4;
constexpr int kDesignationTwips = 1900;
constexpr int kNumberTwips = 1100;
constexpr int kLabelTwips = 1100;

QLineEdit* Box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

ui::PictureButton* WallTablePanel::command(const char* name, const char* face, Cap caption) {
    auto* button = new ui::PictureButton(QString::fromLatin1(name), this);
    button->setFaceSize(kFace);
    button->setFace(ui::LoadFacePicture(Q(ResolveDataPath(m_ctx, face)), kFace));
    button->setText(Q(m_ctx.captions[caption]));
    button->setHint(Q(m_ctx.captions[caption]));
    return button;
}

void WallTablePanel::prepareGrid() {
    const CaptionTable& c = m_ctx.captions;
    m_Spread1 = new ui::GridWidget(kWallTableRows + 1, kWallTableColumns + 1, this);
    m_Spread1->setObjectName(QStringLiteral("Spread1"));
    const std::string unitOf[kWallTableColumns + 1] = {
        "", "", " /[" + c.units.length + "]", " /[m²]", " /[W/m²K]", " /[" + c.units.temperature + "]"};
    for (int column = 1; column <= kWallTableColumns; ++column) {
        const std::string unit = column <= kColTemperature ? unitOf[column] : "";
        m_Spread1->setCellText(0, column, Q(WallColumnName(column, c) + unit));
        m_Spread1->setColumnWidthTwips(column, column == kColDesignation ? kDesignationTwips : kNumberTwips);
    }
    m_Spread1->setColumnWidthTwips(0, kLabelTwips);
    if (m_ctx.programCode != "AC") m_Spread1->setColumnWidthTwips(kColOutsideWall, 0);
    m_Spread1->setColumnWidthTwips(kColReserved, 0);
    m_Spread1->setCellText(kFloorRow, 0, Q(c[Cap::FloorWord]));
    m_Spread1->setCellText(kCeilingRow, 0, Q(c[Cap::CeilingWord]));
    for (int wall = 1; wall <= kMaxTableWalls; ++wall)
        m_Spread1->setCellText(WallRow(wall), 0, Q(c[Cap::WallWord]) + QStringLiteral(" %1").arg(wall));
}

QWidget* WallTablePanel::buildDetails() {
    const CaptionTable& c = m_ctx.captions;
    auto* box = new QWidget(this);
    auto* form = new QFormLayout;
    m_Text3 = Box("Text3", box);
    m_Text4 = Box("Text4", box);
    m_Text5 = Box("Text5", box);
    m_Text6 = Box("Text6", box);
    m_DichteT = Box("DichteT", box);
    m_anzFenst = Box("anzFenst", box);
    m_bFenst = Box("bFenst", box);
    m_hfenst = Box("hfenst", box);
    m_ffenst = Box("ffenst", box);
    m_awcheck = new QCheckBox(Q(c[Cap::OutsideWallHeader]), box);
    m_awcheck->setObjectName(QStringLiteral("awcheck"));
    m_awcheck->setVisible(m_ctx.programCode == "AC");
    m_orCombo = new QComboBox(box);
    m_orCombo->setObjectName(QStringLiteral("orCombo"));
    m_orCombo->addItem(QString());
    for (const std::string& point : OrientationCaptions(c))
        m_orCombo->addItem(Q(point));
    m_ftcombo = new QComboBox(box);
    m_ftcombo->setObjectName(QStringLiteral("ftcombo"));
    m_schatttyp = new QComboBox(box);
    m_schatttyp->setObjectName(QStringLiteral("schatttyp"));
    m_schatttyp->addItem(QString());
    for (int type = 1; type <= kShadingTypes; ++type)
        m_schatttyp->addItem(QString::number(type));
    m_fensterPic = new QLabel(box);
    m_fensterPic->setObjectName(QStringLiteral("fensterPic"));
    m_fensterPic->setFixedSize(160, 120);
    m_rowLabel = new QLabel(box);
    m_rowLabel->setObjectName(QStringLiteral("rowLabel"));

    const auto name = [&](int column) { return Q(WallColumnName(column, c)); };
    form->addRow(m_rowLabel);
    form->addRow(name(kColDesignation), m_Text3);
    form->addRow(name(kColLength) + QStringLiteral(" /[m]"), m_Text4);
    form->addRow(QStringLiteral("K /[W/m²K]"), m_Text5);
    form->addRow(name(kColTemperature) + QStringLiteral(" /[") + Q(c.units.temperature) + QStringLiteral("]"),
                 m_Text6);
    form->addRow(QString(), m_awcheck);
    form->addRow(name(kColOrientation), m_orCombo);
    form->addRow(name(kColDensityClass), m_DichteT);
    form->addRow(name(kColWindowCount), m_anzFenst);
    form->addRow(name(kColWindowWidth) + QStringLiteral(" /[m]"), m_bFenst);
    form->addRow(name(kColWindowHeight) + QStringLiteral(" /[m]"), m_hfenst);
    form->addRow(name(kColWindowValue) + QStringLiteral(" /[W/m²K]"), m_ffenst);
    form->addRow(name(kColWindowType), m_ftcombo);
    form->addRow(name(kColShading), m_schatttyp);
    form->addRow(QString(), m_fensterPic);

    auto* commands = new QHBoxLayout;
    ui::PictureButton* apply = command("OKbutt2", "okcap.bmp", Cap::ApplyWallCaption);
    ui::PictureButton* previous = command("Command2", "plcap.bmp", Cap::PreviousWallCaption);
    ui::PictureButton* next = command("Command3", "npcap.bmp", Cap::NextWallCaption);
    ui::PictureButton* uValue = command("kwertbutt", "WDcap.bmp", Cap::UValueFromConstructionCaption);
    for (ui::PictureButton* b : {apply, previous, next, uValue})
        commands->addWidget(b);
    connect(apply, &ui::PictureButton::triggered, this, &WallTablePanel::takeOverDetails);
    connect(previous, &ui::PictureButton::triggered, this, &WallTablePanel::previousRow);
    connect(next, &ui::PictureButton::triggered, this, &WallTablePanel::nextRow);
    connect(uValue, &ui::PictureButton::triggered, this, &WallTablePanel::uValueFromConstruction);
    // Enter in any detail box takes the details over as well (wandsich).
    for (QLineEdit* edit :
         {m_Text3, m_Text4, m_Text5, m_Text6, m_DichteT, m_anzFenst, m_bFenst, m_hfenst, m_ffenst})
        connect(edit, &QLineEdit::returnPressed, this, &WallTablePanel::takeOverDetails);

    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(form);
    column->addLayout(commands);
    column->addStretch(1);
    return box;
}

void WallTablePanel::buildLayout() {
    prepareGrid();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    // The table gets the width; the detail controls keep what their captions need.
    m_Spread1->setMinimumWidth(320);
    row->addWidget(m_Spread1, 1);
    QWidget* details = buildDetails();
    details->setMaximumWidth(details->sizeHint().width());
    row->addWidget(details);

    connect(m_Spread1, &ui::GridWidget::cellEdited, this, &WallTablePanel::cellEdited);
    connect(m_Spread1, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (!m_showing && row >= 0 && row + 1 != previousRow + 1) selectRow(row + 1);
    });
    connect(m_ftcombo, &QComboBox::currentIndexChanged, this, &WallTablePanel::windowTypeChosen);
    connect(m_schatttyp, &QComboBox::currentIndexChanged, this, [this] { showShadingPicture(); });
}

} // namespace veskaro
