#include "room/envelope_panel_qt.h"

#include <QGridLayout>
#include <QLabel>

#include <functional>

#include "app/app_context.h"
#include "app/number_text.h"
#include "room/load_calc.h"
#include "room/room_form_qt.h"

namespace veskaro {

namespace {

// The object names of the shown values: U and temperature beyond of walls 1-4, floor, ceiling.
constexpr std::array<const char*, EnvelopePanel::kRows> kUNames = {"envU1", "envU2",     "envU3",
                                                                   "envU4", "envUFloor", "envUCeiling"};
constexpr std::array<const char*, EnvelopePanel::kRows> kTNames = {"envT1", "envT2",     "envT3",
                                                                   "envT4", "envTFloor", "envTCeiling"};

constexpr int kValueWidth = 34; // px: ".22" and "-25.5"

QString Shown(double value) {
    return QString::fromStdString(DisplayText(value));
}

} // namespace

EnvelopePanel::EnvelopePanel(RoomForm& form, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("EnvelopeFrame"));
    form.whenCaptioned([this, &form] { setTitle(form.caption(Cap::SummaryFrame)); });
    // One column per surface: walls 1-4 under one heading, then floor and ceiling; U and t as rows.
    auto* grid = GroupGrid(this);
    grid->setHorizontalSpacing(2);
    grid->setColumnStretch(0, 0);
    const auto heading = [&](std::function<QString()> text, int row, int column, int span) {
        QLabel* label = form.makeCaption(std::move(text));
        label->setProperty("role", QStringLiteral("unit"));
        grid->addWidget(label, row, column, 1, span, Qt::AlignCenter);
    };
    heading(form.slot(Cap::WallWord), 0, 1, 4);
    for (int wall = 1; wall <= 4; ++wall)
        heading([wall] { return QString::number(wall); }, 1, wall, 1);
    heading(form.slot(Cap::FloorWord), 1, 5, 1);
    heading(form.slot(Cap::CeilingWord), 1, 6, 1);
    QLabel* uCaption = form.makeCaption([] { return QStringLiteral("U"); });
    QLabel* tCaption = form.makeCaption([] { return QStringLiteral("t"); });
    form.whenCaptioned([&form, uCaption, tCaption] {
        uCaption->setToolTip(form.caption(Cap::UValueWord) + QStringLiteral(" W/m²K"));
        tCaption->setToolTip(form.caption(Cap::AmbientTemperatureLabel) + QStringLiteral(" °C"));
    });
    grid->addWidget(uCaption, 2, 0);
    grid->addWidget(tCaption, 3, 0);
    for (int i = 0; i < kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        m_u[row] = form.makeOutput(kUNames[row]);
        m_t[row] = form.makeOutput(kTNames[row]);
        m_u[row]->setFixedWidth(kValueWidth);
        m_t[row]->setFixedWidth(kValueWidth);
        m_u[row]->setAlignment(Qt::AlignCenter);
        m_t[row]->setAlignment(Qt::AlignCenter);
        grid->addWidget(m_u[row], 2, i + 1);
        grid->addWidget(m_t[row], 3, i + 1);
    }
    grid->setColumnStretch(7, 1);
}

void EnvelopePanel::showEnvelope(const RecalcResult& result) {
    for (int i = 0; i < kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const SurfaceFlow* flow = i < 4 ? (row < result.walls.size() ? &result.walls[row] : nullptr)
                                        : (i == 4 ? &result.floor : &result.ceiling);
        m_u[row]->setText(flow ? Shown(flow->U_Wm2K) : QString());
        m_t[row]->setText(flow ? Shown(flow->tBeyond_C) : QString());
    }
}

} // namespace veskaro
