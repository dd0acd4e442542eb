#pragma once
// The command bar under the header: project, room file, goods and walls, evaporator and exit commands as
// picture buttons with their captions below.

#include "ui/picture_frame.h"

namespace veskaro {

class RoomForm;
namespace ui {
class PictureButton;
}

class CommandBar final : public ui::PictureFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandBar)

  public:
    explicit CommandBar(RoomForm& form, QWidget* parent = nullptr);

    // The walls command, enabled for a rectangular room.
    ui::PictureButton* wallsCommand() const { return m_wandbutt; }

  signals:
    void openProject();
    void saveProject();
    void saveRoom();
    void restoreRoom();
    void openGoods();
    void evaporatorDesign();
    void deleteEvaporator();
    void exit(bool save);
    void walls();

  private:
    ui::PictureButton* m_wandbutt = nullptr;
};

} // namespace veskaro
