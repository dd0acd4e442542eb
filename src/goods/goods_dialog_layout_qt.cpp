// The panels of the goods dialog: product panel, group insert, goods list and the closing commands.

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/record_file.h"
#include "goods/goods_dialog.h"
#include "goods/goods_dialog_layout_qt.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

constexpr const char* kLoadingDensities[] = {"100", "150", "200", "250", "300", "350",
                                             "400", "500", "600", "700", "800"};
constexpr const char* kTurnovers[] = {"1%", "1.5%", "2%", "2.5%", "5%", "7.5%", "10%", "15%", "20%", "25%"};
constexpr const char* kPanelNames[] = {"LGPN", "LFPN", "LDPN", "GTPN", "cpvPN", "cpnPN", "ehPN", "AWPN"};
constexpr QSize kCommandFace(32, 32);

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

QLineEdit* Field(const char* name, int width) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setMaximumWidth(width);
    return field;
}

QComboBox* Choice(const char* name, const auto& items, const std::string& text) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    for (const char* item : items)
        combo->addItem(QString::fromLatin1(item));
    combo->setEditText(Q(text));
    return combo;
}

} // namespace

void SetupGoodsGrid(ui::GridWidget* grid, std::span<const ColumnHeader> headers,
                    const CaptionTable& captions) {
    constexpr int kHeaderHeightTwips = 900; // up to four header lines
    for (int c = 0; c < static_cast<int>(headers.size()); ++c) {
        grid->setColumnWidthTwips(c, headers[Index(c)].width_twips);
        if (c > 0) grid->setCellText(0, c, Q(ComposeHeader(headers[Index(c)], captions)));
    }
    grid->setHeaderHeightTwips(kHeaderHeightTwips);
    grid->setWordWrap(true);
}

ui::PictureButton* GoodsCommand(const AppContext& ctx, const char* name, const char* face, Cap caption) {
    auto* button = new ui::PictureButton(QString::fromLatin1(name));
    button->setText(Q(ctx.captions[caption]));
    button->setFace(ui::LoadFacePicture(Q(ResolveDataPath(ctx, face)), kCommandFace));
    return button;
}

QWidget* GoodsDialog::buildProductPanel() {
    m_KelvoGPN = new QGroupBox(Q(m_ctx.captions[Cap::ProductPanelTitle]));
    m_KelvoGPN->setObjectName(QStringLiteral("KelvoGPN"));
    m_KelvoGPN->setMinimumWidth(330);
    auto* form = new QFormLayout(m_KelvoGPN);
    m_KGPN = new QLabel;
    m_KGPN->setObjectName(QStringLiteral("KGPN"));
    m_KGPN->setStyleSheet(QStringLiteral("font-weight: bold;"));
    form->addRow(m_KGPN);
    const auto& headers = CatalogueHeaders();
    for (std::size_t i = 0; i < std::size(kPanelColumns); ++i) {
        m_values[i] = new QLabel;
        m_values[i]->setObjectName(QString::fromLatin1(kPanelNames[i]));
        form->addRow(Q(ComposeHeader(headers[Index(kPanelColumns[i])], m_ctx.captions)), m_values[i]);
    }
    const CaptionTable& cap = m_ctx.captions;
    m_KelvoGMenge = Field("KelvoGMenge", 120);
    m_KelvoGTemp = Field("KelvoGTemp", 120);
    m_EndTKG = Field("EndTKG", 120);
    form->addRow(Q(cap[Cap::AmountWord] + " /[kg/" + cap[Cap::DayWord] + "]"), m_KelvoGMenge);
    form->addRow(Q(cap[Cap::EntryTemperatureOfWord] + " " + cap[Cap::ProductWord]), m_KelvoGTemp);
    form->addRow(Q(cap[Cap::EndTemperatureOfWord] + " " + cap[Cap::ProductWord]), m_EndTKG);
    auto* commands = new QHBoxLayout;
    auto* insert = GoodsCommand(m_ctx, "Command3D3", "okcap.bmp", Cap::InsertButton);
    auto* close = GoodsCommand(m_ctx, "Command3D4", "abcap.bmp", Cap::CloseCaption);
    commands->addWidget(insert);
    commands->addWidget(close);
    form->addRow(commands);
    connect(insert, &ui::PictureButton::triggered, this, &GoodsDialog::insertProduct);
    connect(close, &ui::PictureButton::triggered, m_KelvoGPN, &QWidget::hide);
    m_KelvoGPN->hide();
    return m_KelvoGPN;
}

QWidget* GoodsDialog::buildGroupInsert() {
    const CaptionTable& cap = m_ctx.captions;
    auto* frame = new QGroupBox(Q(cap[Cap::GroupInsertFrame]));
    auto* form = new QFormLayout(frame);
    const std::string room = cap[Cap::RoomWord] + " ";
    const std::pair<std::string, std::string> shown[] = {
        {cap[Cap::VolumeWord], m_room.volume + " m³"},
        {cap[Cap::FloorAreaWord], m_room.area + " m²"},
        {cap[Cap::PerimeterWord], m_room.perimeter + " m"},
        {room + cap[Cap::TemperatureWord], m_room.roomTemp + " °C"},
        {room + cap[Cap::HumidityWord], m_room.roomHumidity + " %"}};
    constexpr const char* kShownNames[] = {"VPN", "FPN", "UPN", "TinnenPN", "rfInnenPN"};
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        auto* value = new QLabel(Q(shown[i].second));
        value->setObjectName(QString::fromLatin1(kShownNames[i]));
        form->addRow(Q(shown[i].first), value);
    }
    m_BelegrateCombo = Choice("BelegrateCombo", kLoadingDensities, m_session.settings.loadingDensity);
    m_Umschlagcombo = Choice("Umschlagcombo", kTurnovers, m_session.settings.turnover);
    form->addRow(Q(cap[Cap::LoadingDensityLabel] + " /[kg/m³]"), m_BelegrateCombo);
    form->addRow(Q(cap[Cap::TurnoverLabel]), m_Umschlagcombo);
    m_KelvoGMenge2 = Field("KelvoGMenge2", 120);
    m_TeinB = Field("TeinB", 120);
    form->addRow(Q(cap[Cap::AmountWord] + " /[kg/" + cap[Cap::DayWord] + "]"), m_KelvoGMenge2);
    form->addRow(Q(cap[Cap::EntryTemperatureOfWord] + " " + cap[Cap::ProductWord]), m_TeinB);
    auto* insert = GoodsCommand(m_ctx, "Einfueg", "okcap.bmp", Cap::InsertButton);
    form->addRow(insert);
    connect(insert, &ui::PictureButton::triggered, this, &GoodsDialog::insertGroup);
    connect(m_BelegrateCombo, &QComboBox::activated, this, &GoodsDialog::proposeAmount);
    connect(m_Umschlagcombo, &QComboBox::activated, this, &GoodsDialog::proposeAmount);
    return frame;
}

QWidget* GoodsDialog::buildGoodsList() {
    auto* frame = new QGroupBox(Q(m_ctx.captions[Cap::GoodsListFrame]));
    auto* column = new QVBoxLayout(frame);
    m_AKTKgut = new ui::GridWidget(kGoodsGridRows + 1, kGoodsGridColumns);
    m_AKTKgut->setObjectName(QStringLiteral("AKTKgut"));
    SetupGoodsGrid(m_AKTKgut, GoodsListHeaders(), m_ctx.captions);
    for (int c = 0; c < kGoodsGridColumns; ++c)
        m_AKTKgut->setColumnEditable(c, false); // the list changes by inserts and clearing only
    for (int r = 1; r <= kGoodsGridRows; ++r)
        m_AKTKgut->setCellText(r, 0, QString::number(r));
    column->addWidget(m_AKTKgut);
    auto* clear = GoodsCommand(m_ctx, "LoeschKG", "loecaps.bmp", Cap::DeleteListButton);
    column->addWidget(clear, 0, Qt::AlignLeft);
    connect(clear, &ui::PictureButton::triggered, this, &GoodsDialog::clearList);
    return frame;
}

QWidget* GoodsDialog::buildCommands() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->addStretch(1);
    auto* ok = GoodsCommand(m_ctx, "Command3D1", "okcap.bmp", Cap::OkCaption);
    auto* cancel = GoodsCommand(m_ctx, "Command3D2", "abcap.bmp", Cap::CancelCaption);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    connect(ok, &ui::PictureButton::triggered, this, &GoodsDialog::accept);
    connect(cancel, &ui::PictureButton::triggered, this, &GoodsDialog::reject);
    return row;
}

} // namespace veskaro
