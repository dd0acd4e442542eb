#include "equipment/cooler_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

#include "app/app_context.h"
#include "app/caption_slots.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;
using ui::QText;

namespace {

constexpr QSize kCommandFace(32, 32);
constexpr const char* kDefaultRefrigerant = "R404A";
constexpr double kSecondsPerHour = 3600.0;

// Column headers and widths (twips) of the cooler list.
struct ColumnSpec {
    std::optional<UiTextId> header; // none: the row number column
    int twips;
};
constexpr ColumnSpec kColumns[kCoolerColumns] = {
    {{}, 500},
    {UiTextId::CoolerColumnCooler, 2200},
    {UiTextId::CoolerColumnCapacity, 1200},
    {UiTextId::CoolerColumnReserve, 1100},
    {UiTextId::CoolerColumnFans, 1300},
    {UiTextId::CoolerColumnAirFlow, 1300},
    {UiTextId::CoolerColumnThrow, 1100},
    {UiTextId::CoolerColumnHeater, 1600},
    {UiTextId::CoolerColumnFins, 1300},
};

QString Number(double value, int decimals) {
    return Q(DisplayText(TruncateDecimals(value, decimals))).trimmed();
}

QLabel* ValueLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CoolerDialog::CoolerDialog(AppContext& ctx, const Handover& handover, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_handover(handover) {
    setObjectName(QStringLiteral("CoolerSelection"));
    setWindowTitle(Q(ctx.captions[Cap::EvapHandOverText1]) + QStringLiteral(" - ") +
                   Q(ctx.captions[Cap::EvapHandOverText2]));
    setModal(true);
    m_result.code = kSelectionCancelled;
    m_catalogue = LoadCoolerCatalogue(ctx);
    m_stored = ReadStoredSelection(ctx);
    m_showMessage = [this](const Message& message) {
        QMessageBox::critical(this, Q(message.title.empty() ? m_ctx.captions[Cap::MsgTitle] : message.title),
                              Q(message.text));
    };

    auto* column = new QVBoxLayout(this);
    auto* note = new QLabel(QText(UiTextId::CoolerCatalogueNote, ctx.languageCode));
    note->setObjectName(QStringLiteral("CatalogueNote"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("font-style: italic;"));
    column->addWidget(note);
    column->addWidget(buildConditions());
    column->addWidget(buildList(), 1);
    m_notes = new QLabel;
    m_notes->setObjectName(QStringLiteral("CoolerNotes"));
    m_notes->setWordWrap(true);
    m_notes->setStyleSheet(QStringLiteral("color: #a00000;"));
    column->addWidget(m_notes);
    column->addWidget(buildCommands());
    resize(1040, 620);

    // The refrigerant of the stored choice, else the usual one for cold rooms.
    QString start = Q(m_stored.refrigerant.empty() ? std::string(kDefaultRefrigerant) : m_stored.refrigerant);
    if (m_Kaeltemittel->findText(start, Qt::MatchFixedString) < 0) m_Kaeltemittel->addItem(start.toUpper());
    chooseRefrigerant(start);
    connect(m_Kaeltemittel, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { chooseRefrigerant(name); });
}

CoolerDialog::~CoolerDialog() = default;

QWidget* CoolerDialog::buildConditions() {
    auto* frame = new QGroupBox(Q(m_ctx.captions[Cap::EvaporatorFrame]));
    auto* row = new QHBoxLayout(frame);
    auto* left = new QFormLayout;
    m_Kaeltemittel = new QComboBox;
    m_Kaeltemittel->setObjectName(QStringLiteral("Kaeltemittel"));
    for (const std::string& name : ShippedRefrigerantNames())
        m_Kaeltemittel->addItem(Q(name));
    const std::string_view language = m_ctx.languageCode;
    left->addRow(QText(UiTextId::CoolerRefrigerant, language), m_Kaeltemittel);
    left->addRow(
        QText(UiTextId::CoolerQePerEvaporator, language).arg(Q(m_ctx.captions[Cap::RequiredCapacityLabel])),
        ValueLabel("QePN", Number(m_handover.Qe_kW, 3) + QStringLiteral(" kW")));
    left->addRow(Q(m_ctx.captions[Cap::TempDifferenceLabel]),
                 ValueLabel("dT1PN", Number(m_handover.deltaT_K, 2) + QStringLiteral(" K")));
    auto* right = new QFormLayout;
    right->addRow(Q(m_ctx.captions[Cap::EvaporatingTemperatureLabel]) + QStringLiteral(" t0"),
                  ValueLabel("t0PN", Number(m_handover.t0_C, 2) + QStringLiteral(" °C")));
    m_p0 = ValueLabel("p0PN", QString());
    right->addRow(QText(UiTextId::CoolerPressure, language), m_p0);
    m_massFlow = ValueLabel("MassFlowPN", QString());
    right->addRow(QText(UiTextId::CoolerMassFlow, language), m_massFlow);
    row->addLayout(left, 1);
    row->addSpacing(24);
    row->addLayout(right, 1);
    return frame;
}

QWidget* CoolerDialog::buildList() {
    m_list = new ui::GridWidget(2, kCoolerColumns);
    m_list->setObjectName(QStringLiteral("CoolerList"));
    for (int c = 0; c < kCoolerColumns; ++c) {
        m_list->setCellText(0, c,
                            kColumns[c].header ? QText(*kColumns[c].header, m_ctx.languageCode) : QString());
        m_list->setColumnWidthTwips(c, kColumns[c].twips);
        m_list->setColumnEditable(c, false);
    }
    m_list->setHeaderHeightTwips(600);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAlternatingRowColors(true);
    m_list->horizontalHeader()->setStretchLastSection(true);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    return m_list;
}

QWidget* CoolerDialog::buildCommands() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->addStretch(1);
    const auto command = [this, layout](const char* name, const char* face, Cap caption) {
        auto* button = new ui::PictureButton(QString::fromLatin1(name));
        button->setText(Q(m_ctx.captions[caption]));
        button->setFace(ui::LoadFacePicture(Q(ResolveDataPath(m_ctx, face)), kCommandFace));
        layout->addWidget(button);
        return button;
    };
    connect(command("Command3D1", "okcap.bmp", Cap::OkCaption), &ui::PictureButton::triggered, this,
            &CoolerDialog::accept);
    connect(command("Command3D2", "abcap.bmp", Cap::CancelCaption), &ui::PictureButton::triggered, this,
            &CoolerDialog::reject);
    return row;
}

QString CoolerDialog::refrigerant() const {
    return m_Kaeltemittel->currentText();
}

void CoolerDialog::chooseRefrigerant(const QString& refrigerant) {
    const int index = m_Kaeltemittel->findText(refrigerant, Qt::MatchFixedString);
    if (index >= 0 && index != m_Kaeltemittel->currentIndex()) {
        const QSignalBlocker quiet(m_Kaeltemittel); // listed once, here
        m_Kaeltemittel->setCurrentIndex(index);
    }
    const std::string name = ui::S(m_Kaeltemittel->currentText());
    m_view = BuildSelectionView(m_ctx, m_tables, m_catalogue, name, m_handover.Qe_kW, m_handover.deltaT_K,
                                m_handover.t0_C);
    showView();
}

void CoolerDialog::showView() {
    const OperatingPoint& op = m_view.operatingPoint;
    const bool known = op.status == TableStatus::Ok || op.status == TableStatus::PartlyDamaged;
    m_p0->setText(known ? Number(op.p0_bar, 3) + QStringLiteral(" bar abs") : QStringLiteral("--"));
    m_massFlow->setText(known && op.massFlow_kgs > 0.0
                            ? Number(op.massFlow_kgs * kSecondsPerHour, 1) + QStringLiteral(" kg/h")
                            : QStringLiteral("--"));

    m_list->setRowCount(static_cast<int>(m_view.candidates.size()));
    int keep = 0;
    for (std::size_t i = 0; i < m_view.candidates.size(); ++i) {
        const CoolerCandidate& c = m_view.candidates[i];
        const CoolerModel& m = m_catalogue.models[c.index];
        const int r = static_cast<int>(i) + 1;
        m_list->setCellText(r, 0, QString::number(r));
        m_list->setCellText(r, kCoolerName, Q(m.name) + (m.user ? QStringLiteral(" *") : QString()));
        m_list->setCellText(r, kCoolerCapacity, Number(c.capacity_kW, 2));
        m_list->setCellText(r, kCoolerReserve, Number(c.reserve_pct, 1));
        m_list->setCellText(r, kCoolerFans,
                            QStringLiteral("%1 × %2").arg(m.fans).arg(Number(m.fanPower_W, 0)));
        m_list->setCellText(r, kCoolerAirFlow, Number(m.airFlow_m3h, 0));
        m_list->setCellText(r, kCoolerThrow, Number(m.throw_m, 1));
        m_list->setCellText(r, kCoolerHeater, Number(m.heater_W, 0));
        m_list->setCellText(r, kCoolerFins, Number(m.finSpacing_mm, 1));
        if (keep == 0 && !m_stored.cooler.empty() && m.name == m_stored.cooler) keep = r;
    }
    // The stored choice is shown again; else the cooler with the smallest reserve is proposed.
    selectRow(keep > 0 ? keep : (m_view.candidates.empty() ? 0 : 1));
    showMessages();
}

void CoolerDialog::showMessages() {
    QStringList lines;
    for (const std::string& message : m_view.messages)
        lines << Q(message);
    if (m_view.candidates.empty())
        lines
            << (m_catalogue.models.empty()
                    ? QText(UiTextId::CoolerNoCatalogue, m_ctx.languageCode)
                    : QText(UiTextId::CoolerNoneMeets, m_ctx.languageCode).arg(Number(m_handover.Qe_kW, 3)));
    m_notes->setText(lines.join(QLatin1Char('\n')));
    m_notes->setVisible(!lines.isEmpty());
}

void CoolerDialog::selectRow(int row) {
    if (row < 1 || row > m_list->rowCount()) {
        m_list->clearSelection();
        m_list->setCurrentCell(-1, -1);
        return;
    }
    m_list->setCurrentGridCell(row, kCoolerName);
    m_list->selectRow(row - 1);
}

const CoolerModel* CoolerDialog::chosenModel() const {
    const int row = m_list->currentGridRow();
    if (row < 1 || row > static_cast<int>(m_view.candidates.size())) return nullptr;
    return &m_catalogue.models[m_view.candidates[static_cast<std::size_t>(row - 1)].index];
}

void CoolerDialog::accept() {
    const CoolerModel* model = chosenModel();
    if (model == nullptr) return; // nothing to hand back: the engineer chooses or cancels
    m_result = ChooseCooler(*model);
    m_stored = {ui::S(refrigerant()), model->name, m_handover.Qe_kW, m_handover.deltaT_K, m_handover.t0_C};
    const WriteStatus written = WriteStoredSelection(m_ctx, m_stored);
    if (!written && m_showMessage)
        m_showMessage({MessageKind::Critical, m_ctx.captions[Cap::MsgTitle], WriteFailureMessage(written)});
    QDialog::accept();
}

void CoolerDialog::reject() {
    m_result = SelectionResult{};
    m_result.code = kSelectionCancelled;
    QDialog::reject();
}

} // namespace veskaro
