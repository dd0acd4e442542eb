#pragma once
// The load-share chart: one stacked horizontal bar of the components' shares of the required capacity,
// one colour per component, the air change split into its latent and sensible parts. Painted with
// QPainter only, so that the result panel, the result window, the printer and the PDF file draw the same
// vector picture.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <array>

#include "room/load_shares.h"

class QPainter;

namespace veskaro {

class CaptionTable;

// The chart's data: the shares and the legend names. Empty (`valid` false) draws nothing.
struct LoadChart {
    bool valid = false;
    LoadShares shares{};
    std::array<QString, kLoadComponentCount> names;
};

// The chart of a calculation with the legend names from the captions; not valid when Q_0 is not
// positive (nothing to divide up).
LoadChart MakeLoadChart(const LoadShares& shares, const CaptionTable& captions);

QColor LoadComponentColour(LoadComponent component);

// The stacked bar filling `bar`: the positive shares side by side, scaled to their sum.
void PaintLoadBar(QPainter& painter, const QRectF& bar, const LoadShares& shares);

// The bar across the top of `box` and below it the legend in two columns: colour, name, share in %.
void PaintLoadChart(QPainter& painter, const QRectF& box, const LoadChart& chart, const QFont& font);

// The bar as a widget, for the result panel.
class LoadBarWidget final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoadBarWidget)

  public:
    explicit LoadBarWidget(QWidget* parent = nullptr);
    void setShares(const LoadShares& shares, bool valid);
    const LoadShares& shares() const { return m_shares; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LoadShares m_shares{};
    bool m_valid = false;
};

} // namespace veskaro
