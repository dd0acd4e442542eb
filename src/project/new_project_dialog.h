#pragma once
// NewProject: the first step of a new project. Name and description, the room's dimensions with live
// perimeter, area and volume, room and outside air, the evaporating temperature, the operating time with
// its basis, and the room kind that decides which envelope dialog follows. The values live in a room
// record of the dialog's own; the window only mirrors it and runs the core's rules.

#include <QDialog>

#include <functional>
#include <map>

#include "app/message.h"
#include "project/new_project.h"
#include "room/room_record.h"

class QLabel;
class QRadioButton;

namespace veskaro {

struct AppContext;

namespace ui {
class InputField;
class PictureButton;
} // namespace ui

class NewProjectDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewProjectDialog)

  public:
    // Shows one message; the default is a modal message box.
    using MessageSink = std::function<void(const Message&)>;

    NewProjectDialog(AppContext& ctx, RoomRecord entry, QWidget* parent = nullptr);
    ~NewProjectDialog() override;

    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }

    const RoomRecord& entry() const { return m_entry; }
    NewRoomKind roomKind() const;

    // weiterbutt (Weiter_proj): checks the entry; accepts the dialog only when the dimensions are given and
    // every value lies in its range. False when it stopped (the message shown, bad fields framed red).
    bool goOn();

  private:
    void buildLayout();
    QWidget* buildFields();
    QWidget* buildOptions();
    void onEdited(RoomField field);
    void onCommitted(RoomField field);
    void setOperatingBasis(int basis);
    void showFields();
    void showDimensions();
    void markRanges(const RangeWarnings& warnings);
    void showMessage(const Message& message);

    AppContext& m_ctx;
    RoomRecord m_entry;
    double m_sharedDeltaT_K = 0.0;
    int m_busy = 0; // the program writes the fields: their Change handlers stay quiet
    MessageSink m_showMessage;

    std::map<RoomField, ui::InputField*> m_fields;
    QLabel* m_Umfang = nullptr;
    QLabel* m_Area = nullptr;
    QLabel* m_Vol = nullptr;
    QLabel* m_LaufzeitUnit = nullptr;
    QRadioButton* m_TagesB = nullptr;
    QRadioButton* m_SchockF = nullptr;
    QRadioButton* m_draw = nullptr;
    QRadioButton* m_retangle = nullptr;
    ui::PictureButton* m_weiterbutt = nullptr;
    ui::PictureButton* m_abbrechbutt = nullptr;
};

} // namespace veskaro
