#pragma once
// The door panel `DoorPN`: door size, opening time and air curtain give the door infiltration. It lies as
// a sheet with a shadow over the window, below the door command.

#include "ui/picture_frame.h"

class QCheckBox;
class QLabel;

namespace veskaro {

class RoomForm;
struct RoomLabels;

class DoorPanel final : public ui::PictureFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DoorPanel)

  public:
    DoorPanel(RoomForm& form, QWidget* parent);

    bool airCurtain() const;
    void setAirCurtain(bool on);
    void showLabels(const RoomLabels& labels);
    // Lies over `group`'s width, just below `button`, in the coordinates of the parent.
    void placeBelow(const QWidget* button, const QWidget* group);

  signals:
    void computeRequested();          // `lwrech`, or a click on the air curtain
    void closeRequested(bool accept); // O.K. (true), cancel or Escape (false)

  private:
    QCheckBox* m_AirCurtain = nullptr;
    QLabel* m_Label53 = nullptr;
    QLabel* m_Label67 = nullptr;
};

} // namespace veskaro
