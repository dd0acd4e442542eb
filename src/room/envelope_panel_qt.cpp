#include "room/envelope_panel_qt.h"

#include <QGridLayout>
#include <QLabel>

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

// Two decimals for U (W/m²K), one for the temperature, cut towards minus infinity like every shown value.
QString Shown(double value, int decimals) {
    return QString::fromStdString(DisplayText(TruncateDecimals(value, decimals)));
}

} // namespace

EnvelopePanel::EnvelopePanel(RoomForm& form, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("EnvelopeFrame"));
    form.whenCaptioned([this, &form] { setTitle(form.caption(Cap::SummaryFrame)); });
    auto* grid = GroupGrid(this);
    QLabel* uHead =
        form.makeCaption([&form] { return form.caption(Cap::UValueWord) + QStringLiteral(" W/m²K"); });
    QLabel* tHead = form.makeCaption(
        [&form] { return form.caption(Cap::AmbientTemperatureLabel) + QStringLiteral(" °C"); });
    uHead->setProperty("role", QStringLiteral("unit"));
    tHead->setProperty("role", QStringLiteral("unit"));
    grid->addWidget(uHead, 0, 1, Qt::AlignRight);
    grid->addWidget(tHead, 0, 2, Qt::AlignRight);
    for (int i = 0; i < kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        QLabel* name = form.makeCaption([&form, i] {
            if (i == 4) return form.caption(Cap::FloorWord);
            if (i == 5) return form.caption(Cap::CeilingWord);
            return form.caption(Cap::WallWord) + QStringLiteral(" %1").arg(i + 1);
        });
        m_u[row] = form.makeOutput(kUNames[row]);
        m_t[row] = form.makeOutput(kTNames[row]);
        grid->addWidget(name, i + 1, 0);
        grid->addWidget(m_u[row], i + 1, 1);
        grid->addWidget(m_t[row], i + 1, 2);
    }
}

void EnvelopePanel::showEnvelope(const RecalcResult& result) {
    for (int i = 0; i < kRows; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const SurfaceFlow* flow = i < 4 ? (row < result.walls.size() ? &result.walls[row] : nullptr)
                                        : (i == 4 ? &result.floor : &result.ceiling);
        m_u[row]->setText(flow ? Shown(flow->U_Wm2K, 2) : QString());
        m_t[row]->setText(flow ? Shown(flow->tBeyond_C, 1) : QString());
    }
}

} // namespace veskaro
