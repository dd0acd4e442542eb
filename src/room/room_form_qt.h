#pragma once
// The parts every panel of the main window is made of: the room record's input fields, captions set at
// the first activation, units, outputs, scroll bars and picture commands. The input groups are described
// as data (field, caption slot, unit, scroll bar) and built by one function.

#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/caption_slots.h"
#include "room/room_controller.h"

class QAction;
class QGridLayout;
class QGroupBox;
class QLabel;
class QObject;
class QScrollBar;
class QWidget;

namespace veskaro {

struct AppContext;

namespace ui {
class InputField;
class PictureButton;
} // namespace ui

// The unit beside a row of an input group.
enum class RowUnit {
    None,
    Length,
    Area,
    Volume,
    Temperature,
    TemperatureDifference,
    Percent,
    PerHour,
    LightingDensity,
    SmallPower,
    VolumeFlow,
    HoursPerDay,
    PerDay,
    OperatingTime, // set by the window: "h/day" in daily operation, " h" in shock operation
};

// One row of an input group: caption | field or output | unit, an optional scroll bar under it, or a
// place where the group's own widgets go.
struct GroupRow {
    enum class Kind { Field, Output, Extra };
    Kind kind = Kind::Field;
    RoomField field = RoomField::RaumL; // Field
    const char* outputName = nullptr;   // Output: object name of the shown value
    Cap caption = Cap::MsgTitle;
    const char* captionName = nullptr; // object name of the caption label, if any
    RowUnit unit = RowUnit::None;
    int scrollBar = -1;                                          // RoomScrollBar, or -1 for none
    std::string (*composedCaption)(const AppContext&) = nullptr; // instead of `caption`
};

struct InputGroup {
    const char* name; // object name of the group box
    Cap title;
    std::span<const GroupRow> rows;
};

class RoomForm final {
  public:
    // Connections are made with `receiver` as context, so that disconnecting it silences every part.
    RoomForm(AppContext& ctx, QObject* receiver);
    RoomForm(const RoomForm&) = delete;
    RoomForm& operator=(const RoomForm&) = delete;

    std::function<void(RoomField)> onFieldEdited;
    std::function<void(RoomField)> onFieldCommitted;
    std::function<void(RoomScrollBar, int)> onScrollBar;

    AppContext& context() const { return m_ctx; }
    QString caption(Cap slot) const;
    std::function<QString()> slot(Cap slot) const;
    QString dataPath(const char* file) const;
    QString unitText(RowUnit unit) const;
    // Runs `apply` at the first activation, when the captions and pictures are known.
    void whenCaptioned(std::function<void()> apply) { m_captioned.push_back(std::move(apply)); }
    void applyCaptions() const;

    ui::InputField* makeField(RoomField field);
    QLabel* makeCaption(std::function<QString()> text, const char* name = nullptr);
    QLabel* makeUnit(const QString& unit);
    QLabel* makeOutput(const char* name);
    QScrollBar* makeScrollBar(RoomScrollBar bar);
    ui::PictureButton* makeCommand(const char* name, const char* face, bool enabled, bool faceAbove,
                                   QSize size);
    // A picture command whose caption (and hint) is `text`, set at the first activation.
    ui::PictureButton* makeCaptionedCommand(const char* name, const char* face, std::function<QString()> text,
                                            QSize size);
    QAction* makeAction(QObject* parent, const char* name, const char* face, bool enabled);

    // Adds the rows of `rows` to `grid`; each Extra row calls `extra` with the grid and the row index.
    void addRows(QGridLayout* grid, std::span<const GroupRow> rows,
                 const std::function<void(QGridLayout*, int)>& extra = {});
    // A group box of `group`; the widgets of Extra rows come from `extra`.
    QGroupBox* buildGroup(const InputGroup& group, const std::function<void(QGridLayout*, int)>& extra = {});

    ui::InputField* field(RoomField f) const { return m_field[static_cast<std::size_t>(f)]; }
    QScrollBar* scrollBar(RoomScrollBar b) const { return m_scroll[static_cast<std::size_t>(b)]; }
    // Outputs and units by object name, as the rows made them.
    QLabel* output(const char* name) const;
    QLabel* operatingTimeUnit() const { return m_operatingTimeUnit; }

  private:
    AppContext& m_ctx;
    QObject* m_receiver;
    std::array<ui::InputField*, kRoomFieldCount> m_field{};
    std::array<QScrollBar*, kRoomScrollBarCount> m_scroll{};
    std::vector<QLabel*> m_outputs;
    QLabel* m_operatingTimeUnit = nullptr;
    std::vector<std::function<void()>> m_captioned;
};

// A group box grid with the window's spacing: caption | field | unit.
QGridLayout* GroupGrid(QWidget* box);

constexpr QSize kCommandFace(32, 32); // command bar and result commands
constexpr QSize kSmallFace(22, 22);   // door panel commands
constexpr int kFieldWidth = 70;       // px: room for "-1234.56" at the window font

} // namespace veskaro
