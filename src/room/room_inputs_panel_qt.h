#pragma once
// The scrolling content of the main window `content`: the input groups of the room in three columns (size
// and inside air; outside air, operation and internal loads; door and evaporator) and the door panel lying
// over them when open. The goods list it builds is placed by the main window below the scrolling groups.

#include <QWidget>

#include <string>

class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace veskaro {

class DoorPanel;
class EnvelopePanel;
class GoodsPanel;
class RoomForm;
struct RoomRecord;

namespace ui {
class PictureButton;
}

class RoomInputsPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoomInputsPanel)

  public:
    explicit RoomInputsPanel(RoomForm& form, QWidget* parent = nullptr);

    GoodsPanel* goods() const { return m_goods; }
    EnvelopePanel* envelope() const { return m_envelope; }
    DoorPanel* doorPanel() const { return m_DoorPN; }
    // The options and the chosen evaporator as the room record holds them.
    void showRoom(const RoomRecord& room, const std::string& evaporatorCount);
    // Opens the door panel below the door command.
    void openDoorPanel();
    void closeDoorPanel();
    QRadioButton* dailyOption() const { return m_TagesB; }
    QRadioButton* shockOption() const { return m_SchockF; }

  signals:
    void operatingBasisChosen(int basis); // TagesB 0, SchockF 1
    void doorPanelRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Grows the panel while the door panel is open so that the scroll area reaches its lower edge.
    void fitDoorPanel();
    void addShapeOptions(QGridLayout* grid);
    void addOperatingBasis(QGridLayout* grid);
    void addDoorCommand(QGridLayout* grid);
    void addEvaporatorType(QGridLayout* grid);

    RoomForm& m_form;
    QRadioButton* m_TagesB = nullptr;
    QRadioButton* m_SchockF = nullptr;
    QRadioButton* m_retangle = nullptr;
    QRadioButton* m_draw = nullptr;
    QLabel* m_Label51 = nullptr;
    QLabel* m_VerdNam = nullptr;
    QGroupBox* m_doorGroup = nullptr;
    ui::PictureButton* m_doorButton = nullptr;
    DoorPanel* m_DoorPN = nullptr;
    GoodsPanel* m_goods = nullptr;
    EnvelopePanel* m_envelope = nullptr;
};

} // namespace veskaro
