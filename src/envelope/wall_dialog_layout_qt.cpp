// The widgets of the wall dialog: summary boxes with the surface buttons, the construction editor with the
// layer grid, the two catalogues and the commands.

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "envelope/wall_dialog.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

constexpr QSize kFace(24, 24);
constexpr int kBoxWidth = 64; // px: "-12.5" and ".23" with room to spare

// The surface rows of the summary: button name, U box, temperature box.
struct SurfaceRow {
    const char* button;
    const char* uBox;
    const char* tBox;
};
constexpr std::array<SurfaceRow, kSurfaceCount> kSurfaceRows = {{
    {"W1butt", "Kwand1", "twand1"},
    {"w2butt", "Kwand2", "twand2"},
    {"w3butt", "Kwand3", "twand3"},
    {"w4butt", "Kwand4", "twand4"},
    {"Command3D6", "Kboden", "tboden"},
    {"Command3D5", "KDecke", "tdecke"},
}};

QLineEdit* Box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(kBoxWidth);
    return box;
}

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    label->setProperty("role", QStringLiteral("unit"));
    return label;
}

} // namespace

// The wall, floor or ceiling word of a surface ("Wall 3", "Floor").
QString SurfaceName(const CaptionTable& captions, int surface) {
    if (surface == kFloorSurface) return Q(captions[Cap::FloorWord]);
    if (surface == kCeilingSurface) return Q(captions[Cap::CeilingWord]);
    return Q(captions[Cap::WallWord]) + QStringLiteral(" %1").arg(surface);
}

ui::PictureButton* WallDialog::command(const char* name, const char* face, const QString& text) {
    auto* button = new ui::PictureButton(QString::fromLatin1(name), this);
    button->setFaceSize(kFace);
    button->setFace(ui::LoadFacePicture(Q(ResolveDataPath(m_ctx, face)), kFace));
    button->setText(text);
    button->setHint(text);
    return button;
}

void WallDialog::buildLayout() {
    const CaptionTable& c = m_ctx.captions;
    setObjectName(QStringLiteral("K_wand"));
    setWindowTitle(Q(c[Cap::WallDialogTitle]));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(buildSummary(), 0, 0);
    grid->addWidget(buildEditor(), 0, 1);
    auto* catalogues = new QHBoxLayout;
    catalogues->addWidget(buildCatalogue(MaterialKind::Building), 1);
    catalogues->addWidget(buildCatalogue(MaterialKind::Insulation), 1);
    grid->addLayout(catalogues, 1, 0, 1, 2);
    grid->addLayout(buildCommands(), 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

QGroupBox* WallDialog::buildSummary() {
    const CaptionTable& c = m_ctx.captions;
    m_summaryBox = new QGroupBox(Q(c[Cap::SummaryFrame]), this);
    m_summaryBox->setObjectName(QStringLiteral("SummaryFrame"));
    auto* grid = new QGridLayout(m_summaryBox);
    grid->addWidget(Heading(Q(c[Cap::UValueWord]) + QStringLiteral(" W/m²K")), 0, 1);
    grid->addWidget(Heading(Q(c[Cap::AmbientTemperatureLabel]) + QStringLiteral(" °C")), 0, 2);
    for (int s = 1; s <= kSurfaceCount; ++s) {
        const SurfaceRow& row = kSurfaceRows[static_cast<std::size_t>(s - 1)];
        ui::PictureButton* button = command(row.button, "WDcap.bmp", SurfaceName(c, s));
        connect(button, &ui::PictureButton::triggered, this, [this, s] { selectSurface(s); });
        m_uBox[static_cast<std::size_t>(s - 1)] = Box(row.uBox, m_summaryBox);
        m_tBox[static_cast<std::size_t>(s - 1)] = Box(row.tBox, m_summaryBox);
        grid->addWidget(button, s, 0);
        grid->addWidget(m_uBox[static_cast<std::size_t>(s - 1)], s, 1);
        grid->addWidget(m_tBox[static_cast<std::size_t>(s - 1)], s, 2);
    }
    const QString copyHint = QStringLiteral(" 1 =>  2 - 4 + ") + Q(c[Cap::FloorWord]) +
                             QStringLiteral(" + ") + Q(c[Cap::CeilingWord]);
    ui::PictureButton* copy = command("Copybutt", "sacap.bmp", Q(c[Cap::CopyWall1Button]));
    copy->setHint(copyHint);
    ui::PictureButton* save = command("StandButt", "pscap.bmp", Q(c[Cap::SaveStandardButton]));
    ui::PictureButton* load = command("ladbutt", "plcap.bmp", Q(c[Cap::LoadStandardButton]));
    connect(copy, &ui::PictureButton::triggered, this, &WallDialog::copyWall1);
    connect(save, &ui::PictureButton::triggered, this, &WallDialog::saveStandard);
    connect(load, &ui::PictureButton::triggered, this, &WallDialog::loadStandard);
    const int last = kSurfaceCount + 1;
    // Side by side: stacked, the three commands would make the dialog taller than a laptop screen.
    auto* standard = new QHBoxLayout;
    standard->addWidget(copy);
    standard->addWidget(save);
    standard->addWidget(load);
    grid->addLayout(standard, last, 0, 1, 3);
    grid->setRowStretch(last + 3, 1);
    return m_summaryBox;
}

QGroupBox* WallDialog::buildEditor() {
    const CaptionTable& c = m_ctx.captions;
    m_editor = new QGroupBox(Q(c[Cap::LayersWord]), this);
    m_editor->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(m_editor);
    m_AKTKWert = Box("AKTKWert", m_editor);
    m_AktATemp = Box("AktATemp", m_editor);
    m_AiCombo = new QComboBox(m_editor);
    m_AiCombo->setObjectName(QStringLiteral("AiCombo"));
    m_aacombo = new QComboBox(m_editor);
    m_aacombo->setObjectName(QStringLiteral("aacombo"));
    for (const std::string& level : m_levels) {
        m_AiCombo->addItem(Q(level));
        m_aacombo->addItem(Q(level));
    }
    const QString alpha = Q(c[Cap::SurfaceCoefficientWord]) + QLatin1Char(' ');
    grid->addWidget(Heading(Q(c[Cap::UValueWord]) + QStringLiteral(" W/m²K")), 0, 0);
    grid->addWidget(m_AKTKWert, 0, 1);
    grid->addWidget(Heading(Q(c[Cap::AmbientTemperatureLabel]) + QStringLiteral(" °C")), 0, 2);
    grid->addWidget(m_AktATemp, 0, 3);
    grid->addWidget(Heading(alpha + Q(c[Cap::InsideSideWord])), 1, 0);
    grid->addWidget(m_AiCombo, 1, 1, 1, 3);
    grid->addWidget(Heading(alpha + Q(c[Cap::OutsideSideWord])), 2, 0);
    grid->addWidget(m_aacombo, 2, 1, 1, 3);

    m_DaemmS = new ui::GridWidget(kLayerGridRows, kLayerGridColumns, m_editor);
    m_DaemmS->setObjectName(QStringLiteral("DaemmS"));
    m_DaemmS->setColumnWidthTwips(0, 450);
    const std::array<std::pair<QString, int>, 4> columns = {{{QStringLiteral("s/[mm]"), 900},
                                                             {QStringLiteral("lam /[W/mK]"), 1200},
                                                             {Q(c[Cap::MaterialWord]), 3600},
                                                             {QString(), 1500}}};
    for (int col = 1; col < kLayerGridColumns; ++col) {
        m_DaemmS->setCellText(0, col, columns[static_cast<std::size_t>(col - 1)].first);
        m_DaemmS->setColumnWidthTwips(col, columns[static_cast<std::size_t>(col - 1)].second);
    }
    m_DaemmS->setAlternatingRowColors(true);
    // Six layers in view on a short screen (the grid scrolls to the tenth); all of them when there is room.
    constexpr int kLayersInView = 6;
    const int rowHeight = m_DaemmS->verticalHeader()->defaultSectionSize();
    m_DaemmS->setMinimumHeight(rowHeight * (kLayersInView + 1) + 8);
    m_DaemmS->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_DaemmS->setMaximumHeight(rowHeight * kLayerGridRows + 8);
    grid->addWidget(m_DaemmS, 3, 0, 1, 4);

    auto* commands = new QHBoxLayout;
    ui::PictureButton* calc = command("Rechbutt", "brcap.bmp", Q(c[Cap::CalculateButton]));
    ui::PictureButton* print = command("kwertprintbutt", "prcap.bmp", Q(c[Cap::PrintUValueButton]));
    ui::PictureButton* ok = command("Command3D1", "okcap.bmp", Q(c[Cap::OkCaption]));
    ui::PictureButton* apply =
        command("Command3D2", "okcap.bmp", ui::QText(UiTextId::ApplyConstruction, m_ctx.languageCode));
    apply->setHint(ui::QText(UiTextId::ApplyConstructionHint, m_ctx.languageCode));
    for (ui::PictureButton* b : {calc, print, ok, apply})
        commands->addWidget(b);
    commands->addStretch(1);
    grid->addLayout(commands, 4, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    connect(calc, &ui::PictureButton::triggered, this, &WallDialog::recompute);
    connect(print, &ui::PictureButton::triggered, this, &WallDialog::printUValue);
    connect(ok, &ui::PictureButton::triggered, this, [this] { acceptConstruction(true); });
    connect(apply, &ui::PictureButton::triggered, this, [this] { acceptConstruction(false); });
    connect(m_DaemmS, &ui::GridWidget::editsDone, this, &WallDialog::recompute);
    connect(m_AiCombo, &QComboBox::activated, this, &WallDialog::recompute);
    connect(m_aacombo, &QComboBox::activated, this, &WallDialog::recompute);
    return m_editor;
}

void WallDialog::prepareLayerGrid() {
    m_DaemmS->clearCells();
    for (int r = 1; r < kLayerGridRows; ++r)
        m_DaemmS->setCellText(r, 0, QString::number(r));
}

QGroupBox* WallDialog::buildCatalogue(MaterialKind kind) {
    const CaptionTable& c = m_ctx.captions;
    const bool building = kind == MaterialKind::Building;
    auto* box =
        new QGroupBox(Q(c[building ? Cap::BuildingMaterialsTitle : Cap::InsulationMaterialsTitle]), this);
    auto* column = new QVBoxLayout(box);
    auto* grid = new ui::GridWidget(kCatalogueGridRows, kCatalogueGridColumns, box);
    grid->setObjectName(building ? QStringLiteral("BauSspread") : QStringLiteral("Daemmspread"));
    grid->setColumnWidthTwips(0, 600);
    const std::array<std::pair<QString, int>, 4> columns = {
        {{Q(c[Cap::MaterialWord]), 3300},
         {QStringLiteral("lam /[W/mK]"), 1200},
         {Q(c[Cap::DensityWord]) + QStringLiteral(" /[kg/m³]"), 1900},
         {QString(), 400}}};
    for (int col = 1; col < kCatalogueGridColumns; ++col) {
        grid->setCellText(0, col, columns[static_cast<std::size_t>(col - 1)].first);
        grid->setColumnWidthTwips(col, columns[static_cast<std::size_t>(col - 1)].second);
    }
    for (int r = 1; r < kCatalogueGridRows; ++r)
        grid->setCellText(r, 0, QString::number(r));
    grid->setAlternatingRowColors(true);
    grid->setMinimumHeight(200);
    (building ? m_BauSspread : m_Daemmspread) = grid;
    connect(grid, &QTableWidget::currentCellChanged, this, [this, kind](int row) { pick(kind, row + 1); });
    connect(grid, &QTableWidget::cellClicked, this, [this, kind](int row) { pick(kind, row + 1); });

    ui::PictureButton* take =
        command(building ? "BDbutt" : "DSbutt", "lwcap.bmp",
                Q(c[building ? Cap::TakeOverMaterialButton : Cap::TakeOverInsulationButton]));
    take->setEnabled(false);
    connect(take, &ui::PictureButton::triggered, this, [this, kind] { takeOver(kind); });
    (building ? m_BDbutt : m_DSbutt) = take;
    auto* note = new QLabel(box);
    note->setObjectName(building ? QStringLiteral("BauSnote") : QStringLiteral("Daemmnote"));
    note->setProperty("role", QStringLiteral("warning"));
    note->hide();
    (building ? m_BauSnote : m_Daemmnote) = note;
    column->addWidget(grid, 1);
    column->addWidget(note);
    column->addWidget(take, 0, Qt::AlignLeft);
    return box;
}

QLayout* WallDialog::buildCommands() {
    const CaptionTable& c = m_ctx.captions;
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    ui::PictureButton* cancelButton = command("Command3D4", "abcap.bmp", Q(c[Cap::CancelCaption]));
    m_Okbutt = command("Okbutt", "btcap.bmp", Q(c[Cap::CloseCaption]));
    connect(cancelButton, &ui::PictureButton::triggered, this, &WallDialog::cancel);
    m_weiterbutt = command("weiterbutt", "okcap.bmp", Q(c[Cap::ContinueCaption]));
    m_weiterbutt->hide();
    connect(m_Okbutt, &ui::PictureButton::triggered, this, &WallDialog::closeWritingSummary);
    connect(m_weiterbutt, &ui::PictureButton::triggered, this, &WallDialog::closeWritingSummary);
    row->addWidget(cancelButton);
    row->addWidget(m_Okbutt);
    row->addWidget(m_weiterbutt);
    return row;
}

} // namespace veskaro
