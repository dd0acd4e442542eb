#pragma once
// The envelope as the calculation uses it, beside the room dimensions: walls 1-4, floor and ceiling with
// their U-value and the temperature beyond (read-only), so the engineer sees what transmission is
// computed from.

#include <QGroupBox>

#include <array>

class QLabel;

namespace veskaro {

class RoomForm;
struct RecalcResult;

class EnvelopePanel final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EnvelopePanel)

  public:
    static constexpr int kRows = 6; // walls 1-4, floor, ceiling

    explicit EnvelopePanel(RoomForm& form, QWidget* parent = nullptr);

    // The U-values and temperatures of the last calculation (defaults included).
    void showEnvelope(const RecalcResult& result);

  private:
    std::array<QLabel*, kRows> m_u{};
    std::array<QLabel*, kRows> m_t{};
};

} // namespace veskaro
