#include "room/result_panel_qt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include <optional>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "report/load_chart_qt.h"
#include "room/load_calc.h"
#include "room/load_shares.h"
#include "room/room_form_qt.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

const QSize kLogoBox(200, 62); // the report logo (about 260 x 80) as the result panel shows it

// The load components in the order of the result: caption slot, the prefix before the caption and the
// chart component whose colour the row carries (the air change as a whole has none: its parts do).
struct ComponentRow {
    Cap caption;
    const char* prefix;
    std::optional<LoadComponent> chart;
};
const std::array<ComponentRow, 9> kComponents = {{
    {Cap::GoodsLoadLabel, "", LoadComponent::Goods},
    {Cap::LightingElectricalLabel, "el. ", LoadComponent::Electrical},
    {Cap::AirChangeLoadLabel, "", std::nullopt},
    {Cap::LatentPartLabel, "   - ", LoadComponent::Latent},
    {Cap::SensiblePartLabel, "   - ", LoadComponent::Sensible},
    {Cap::TransmissionLabel, "", LoadComponent::Transmission},
    {Cap::PersonsLoadLabel, "", LoadComponent::Persons},
    {Cap::FanPowerLabel, " el. ", LoadComponent::Fans},
    {Cap::DefrostHeatLabel, "", LoadComponent::Defrost},
}};
constexpr int kSwatchSize = 10; // px: the colour key of a component row

QFrame* Swatch(LoadComponent component) {
    auto* swatch = new QFrame;
    swatch->setObjectName(QStringLiteral("loadSwatch"));
    swatch->setFixedSize(kSwatchSize, kSwatchSize);
    swatch->setStyleSheet(
        QStringLiteral("background: %1; border: none;").arg(LoadComponentColour(component).name()));
    return swatch;
}

QFrame* Rule() {
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setObjectName(QStringLiteral("resultRule"));
    return rule;
}

QLabel* WrappedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}

} // namespace

ResultPanel::ResultPanel(RoomForm& form, QWidget* parent) : ui::PictureFrame(parent), m_form(form) {
    setObjectName(QStringLiteral("resultPanel"));
    setMinimumWidth(290);
    setMaximumWidth(380);
    form.whenCaptioned([this, &form] { setPicture(QPixmap(form.dataPath("QV_Bk042.jpg"))); });
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 16, 14);
    column->setSpacing(6);
    column->addWidget(form.makeCaption(form.slot(Cap::ResultFrame), "resultTitle"));
    buildCapacity(form);
    column->addWidget(Rule());
    // The shares at a glance, in the colours of the component rows below.
    m_loadBar = new LoadBarWidget;
    column->addWidget(m_loadBar);
    buildComponents(form);
    column->addWidget(Rule());
    buildCommands(form);
}

void ResultPanel::buildCapacity(RoomForm& form) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    QLabel* q0Caption = form.makeCaption(form.slot(Cap::RequiredCapacityLabel), "RaumLeist_l");
    q0Caption->setWordWrap(true);
    column->addWidget(q0Caption);
    auto* q0Row = new QHBoxLayout;
    q0Row->setSpacing(6);
    m_RaumLeist = new QLabel;
    m_RaumLeist->setObjectName(QStringLiteral("RaumLeist"));
    m_RaumLeist->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    m_RaumLeist->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* kW = new QLabel(Q(form.context().captions.units.power));
    kW->setObjectName(QStringLiteral("RaumLeistUnit"));
    kW->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    q0Row->addWidget(m_RaumLeist, 1);
    q0Row->addWidget(kW);
    column->addLayout(q0Row);
    m_capacityWarning = WrappedLabel("capacityWarning");
    column->addWidget(m_capacityWarning);
    m_messages = WrappedLabel("calcMessages");
    column->addWidget(m_messages);

    auto* evapRow = new QHBoxLayout;
    m_Label68 = new QLabel;
    m_Label68->setObjectName(QStringLiteral("Label68"));
    evapRow->addStretch(1);
    evapRow->addWidget(m_Label68);
    evapRow->addWidget(form.makeCaption(form.slot(Cap::EvaporatorWord)));
    column->addLayout(evapRow);
}

void ResultPanel::buildComponents(RoomForm& form) {
    // The load components at the operating time and their shares of Q0.
    auto* lines = new QGridLayout;
    lines->setHorizontalSpacing(6);
    lines->setVerticalSpacing(3);
    for (std::size_t i = 0; i < kComponents.size(); ++i) {
        const Cap slotId = kComponents[i].caption;
        const char* prefix = kComponents[i].prefix;
        LoadRow& row = m_loadRows[i];
        row.caption = form.makeCaption(
            [&form, slotId, prefix] { return QString::fromUtf8(prefix) + form.caption(slotId); });
        row.caption->setWordWrap(true);
        row.capacity = new QLabel;
        row.capacity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.share = new QLabel;
        row.share->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.share->setProperty("role", QStringLiteral("share"));
        const int r = static_cast<int>(i);
        if (kComponents[i].chart) lines->addWidget(Swatch(*kComponents[i].chart), r, 0, Qt::AlignCenter);
        lines->addWidget(row.caption, r, 1);
        lines->addWidget(row.capacity, r, 2);
        lines->addWidget(row.share, r, 3);
    }
    lines->setColumnMinimumWidth(0, kSwatchSize);
    lines->setColumnStretch(1, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(lines);
}

void ResultPanel::buildCommands(RoomForm& form) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    ui::PictureButton* calculate = form.makeCommand("Rechbutt", "brcap.bmp", true, false, kCommandFace);
    ui::PictureButton* result = form.makeCommand("Command3D3", "recap.bmp", true, false, kCommandFace);
    ui::PictureButton* print = form.makeCommand("PriButt", "prcap.bmp", true, false, kCommandFace);
    form.whenCaptioned([&form, calculate, result, print] {
        calculate->setText(form.caption(Cap::CalculateButton));
        calculate->setHint(form.caption(Cap::CalculateButton) + QStringLiteral(" (F9)"));
        result->setText(form.caption(Cap::MenuResult));
        result->setHint(form.caption(Cap::MenuResult));
        print->setText(form.caption(Cap::PrintCaption));
        print->setHint(form.caption(Cap::PrintCaption));
    });
    connect(calculate, &ui::PictureButton::triggered, this, &ResultPanel::calculateRequested);
    connect(result, &ui::PictureButton::triggered, this, &ResultPanel::resultRequested);
    connect(print, &ui::PictureButton::triggered, this, &ResultPanel::printRequested);
    column->addWidget(calculate);
    column->addWidget(result);
    column->addWidget(print);
    column->addStretch(1);
    m_besideCommands = column->count();

    // The logo of the report header, as the print settings chose it.
    m_logo = new QLabel;
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->hide();
    column->addWidget(m_logo, 0, Qt::AlignHCenter);
}

void ResultPanel::addBelowCommands(QWidget* widget) {
    static_cast<QVBoxLayout*>(layout())->insertWidget(m_besideCommands - 1, widget);
    ++m_besideCommands;
}

void ResultPanel::showResult(const RecalcResult& r) {
    m_RaumLeist->setText(Q(r.RaumLeist));
    m_Label68->setText(Q(r.Label68));
    const std::array<const LoadLine*, 9> lines = {&r.goods,   &r.electrical, &r.airChange,
                                                  &r.latent,  &r.sensible,   &r.transmission,
                                                  &r.persons, &r.fans,       &r.defrost};
    const QString kW = QStringLiteral(" ") + Q(m_form.context().captions.units.power);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_loadRows[i].capacity->setText(Q(DisplayText(lines[i]->capacity_kW)) + kW);
        m_loadRows[i].share->setText(Q(DisplayText(lines[i]->share_pct)) + QStringLiteral(" %"));
    }
    const LoadShares shares = ComputeLoadShares(r);
    m_loadBar->setShares(shares, !r.stopped && PositiveShareSum(shares) > 0.0);
}

void ResultPanel::showMessages(const QStringList& messages) {
    m_messages->setText(messages.join(QLatin1Char('\n')));
    m_messages->setVisible(!messages.isEmpty());
}

void ResultPanel::setCapacityWarning(const QString& warning) {
    const bool doubtful = !warning.isEmpty();
    if (m_RaumLeist->property("doubtful").toBool() != doubtful) {
        m_RaumLeist->setProperty("doubtful", doubtful);
        // Property selectors of the style sheet are matched when the label is polished again.
        m_RaumLeist->style()->unpolish(m_RaumLeist);
        m_RaumLeist->style()->polish(m_RaumLeist);
    }
    m_capacityWarning->setText(warning);
    m_capacityWarning->setVisible(doubtful);
}

void ResultPanel::showLogo(const QString& path) {
    if (path == m_logoShown) return;
    m_logoShown = path;
    // Settings written on another system may carry "\" and another letter case.
    QPixmap logo(path);
    if (logo.isNull() && !path.isEmpty()) {
        logo.load(
            Q(FindFileNoCase(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString())));
    }
    if (logo.isNull()) {
        m_logo->clear();
        m_logo->hide();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = logo.scaled(kLogoBox * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_logo->setPixmap(scaled);
    m_logo->show();
}

} // namespace veskaro
