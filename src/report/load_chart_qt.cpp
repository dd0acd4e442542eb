#include "report/load_chart_qt.h"

#include <QFontMetricsF>
#include <QPainter>

#include "app/captions.h"
#include "app/number_text.h"

namespace veskaro {

namespace {

constexpr int kBarHeight_px = 12;          // the result panel's bar
constexpr double kBarShareOfChart = 0.2;   // report chart: bar height as a share of the box
constexpr double kLegendGapOfChart = 0.08; // gap between bar and legend
constexpr int kLegendRows = kLoadComponentCount / 2;
constexpr double kSwatchOfRow = 0.7;       // legend colour square: at most this share of a legend row
constexpr double kSwatchOfLine = 0.8;      // and of a text line
constexpr double kShareGapOfColumn = 0.08; // between a legend share and the next column
const QColor kBarTrack(0xE3, 0xE8, 0xEE);

// One colour per component; the two parts of the air change in two blues of one family.
constexpr std::array<QRgb, kLoadComponentCount> kColours = {
    0x2E7D32, // goods: green
    0xF9A825, // lighting and equipment: amber
    0x1565C0, // air change, latent: deep blue
    0x64B5F6, // air change, sensible: light blue
    0xC62828, // transmission: red
    0x8E24AA, // persons: purple
    0x6D4C41, // fans: brown
    0x00897B, // defrost heat: teal
};

// Cut to two decimals like the shares of the result record, so that chart and lines agree.
QString ShareText(double pct) {
    return QString::number(TruncateDecimals(pct, 2), 'f', 2) + QStringLiteral(" %");
}

} // namespace

LoadChart MakeLoadChart(const LoadShares& shares, const CaptionTable& captions) {
    LoadChart chart;
    chart.shares = shares;
    chart.valid = PositiveShareSum(shares) > 0.0;
    for (std::size_t i = 0; i < shares.size(); ++i)
        chart.names[i] = QString::fromStdString(LoadComponentName(captions, shares[i].component));
    return chart;
}

QColor LoadComponentColour(LoadComponent component) {
    return QColor::fromRgb(kColours[static_cast<std::size_t>(component)]);
}

void PaintLoadBar(QPainter& painter, const QRectF& bar, const LoadShares& shares) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.fillRect(bar, kBarTrack);
    const double sum = PositiveShareSum(shares);
    double x = bar.left();
    if (sum > 0.0) {
        for (const LoadShare& s : shares) {
            if (s.share_pct <= 0.0) continue;
            const double width = bar.width() * s.share_pct / sum;
            painter.fillRect(QRectF(x, bar.top(), width, bar.height()), LoadComponentColour(s.component));
            x += width;
        }
    }
    painter.restore();
}

void PaintLoadChart(QPainter& painter, const QRectF& box, const LoadChart& chart, const QFont& font) {
    if (!chart.valid) return;
    const QRectF bar(box.left(), box.top(), box.width(), box.height() * kBarShareOfChart);
    PaintLoadBar(painter, bar, chart.shares);

    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const double legendTop = bar.bottom() + box.height() * kLegendGapOfChart;
    const double rowHeight = (box.bottom() - legendTop) / kLegendRows;
    const double columnWidth = box.width() / 2.0;
    const double swatch = std::min(rowHeight * kSwatchOfRow, metrics.height() * kSwatchOfLine);
    for (int i = 0; i < kLoadComponentCount; ++i) {
        const LoadShare& s = chart.shares[static_cast<std::size_t>(i)];
        const int column = i / kLegendRows; // first the four upper components, then the others
        const QRectF cell(box.left() + column * columnWidth, legendTop + (i % kLegendRows) * rowHeight,
                          columnWidth, rowHeight);
        const double middle = cell.center().y();
        painter.fillRect(QRectF(cell.left(), middle - swatch / 2.0, swatch, swatch),
                         LoadComponentColour(s.component));
        const double baseline = middle + (metrics.ascent() - metrics.descent()) / 2.0;
        painter.drawText(QPointF(cell.left() + swatch * 1.6, baseline),
                         chart.names[static_cast<std::size_t>(i)]);
        // The share right-aligned at the end of the column, so that the figures stand under each other.
        const QString share = ShareText(s.share_pct);
        const double shareRight = cell.right() - columnWidth * kShareGapOfColumn;
        painter.drawText(QPointF(shareRight - metrics.horizontalAdvance(share), baseline), share);
    }
    painter.restore();
}

LoadBarWidget::LoadBarWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("loadBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(kBarHeight_px);
}

void LoadBarWidget::setShares(const LoadShares& shares, bool valid) {
    m_shares = shares;
    m_valid = valid;
    update();
}

QSize LoadBarWidget::sizeHint() const {
    return {200, kBarHeight_px};
}

void LoadBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintLoadBar(painter, rect(), m_valid ? m_shares : LoadShares{});
}

} // namespace veskaro
