#pragma once
// The main window `start`: the cold room on screen. Its fields are the room record; every committed
// field, scroll bar or option recalculates the room through the RoomController and shows the required
// refrigeration capacity `RaumLeist`.

#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

#include "app/caption_slots.h"
#include "app/message.h"
#include "room/room_controller.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class QScrollBar;

namespace veskaro {

struct AppContext;

namespace ui {
class GridWidget;
class InputField;
class PictureButton;
} // namespace ui

class StartWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartWindow)

  public:
    // Shows one message to the engineer; the default is a modal message box.
    using MessageSink = std::function<void(const Message&)>;

    explicit StartWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~StartWindow() override;

    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }
    // Opens the result window after the result command wrote the result files (ErgebEdit unless
    // replaced).
    void setResultWindowOpener(std::function<void()> open) { m_openResultWindow = std::move(open); }

    RoomController& controller() { return m_controller; }
    bool busy() const { return m_busy != 0; }

    // Window activation: the first one loads the room (or serves the hand-over request), one after a
    // dialog changed project data re-reads it, any other reads nothing.
    void activate();
    // Kelvo_ende: exit with or without saving the room record; writes VESKData.dat.
    void kelvoEnde(bool save);

    void openDoorPanel();
    void closeDoorPanel(bool accept);
    bool doorPanelOpen() const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout
    void buildMenus();
    QWidget* buildHeader();
    QWidget* buildCommandBar();
    QWidget* buildContent();
    QGroupBox* buildDimensions();
    QGroupBox* buildInsideAir();
    QGroupBox* buildOutsideAir();
    QGroupBox* buildOperation();
    QGroupBox* buildInternalLoads();
    QGroupBox* buildDoor();
    QFrame* buildDoorPanel();
    QGroupBox* buildEvaporator();
    QFrame* buildResult();
    QWidget* buildGoods();
    void placeDoorPanel();
    void setTabOrder();
    void applyStyle();

    ui::InputField* makeField(RoomField field);
    // A label whose text is set from the captions at the first activation.
    QLabel* makeCaption(std::function<QString()> text, const char* name = nullptr);
    std::function<QString()> slot(Cap slot) const;
    QLabel* makeUnit(const QString& unit);
    QLabel* makeOutput(const char* name);
    QScrollBar* makeScrollBar(RoomScrollBar bar);
    ui::PictureButton* makeCommand(const char* name, const char* face, bool enabled, bool faceAbove,
                                   QSize size);
    QAction* makeAction(const char* name, const char* face, bool enabled);

    // Captions and pictures (first activation)
    void applyCaptions();
    QString caption(Cap slot) const;
    QString dataPath(const char* file) const;

    // Showing the room
    void showRoom();
    void showGoods();
    void showMessages(const Messages& messages);

    // Handlers
    void onFieldEdited(RoomField field);
    void onFieldCommitted(RoomField field);
    void onScrollBar(RoomScrollBar bar, int position);
    void onOperatingBasis(int basis);
    void onGoodsCellEdited(int row, int column);
    void onDoorCompute();
    void onCalculate();
    void onResult();
    void onSaveRoom();
    void onRestoreRoom();
    void onOpenProject();
    void onSaveProject(bool askForName);
    void onPrint();
    // The current project file (else the room file) in `Label50`, and the project name in the title.
    void showProjectFile();
    // The report logo of ctx.logoPath under the result; reloaded only when the path changed.
    void showLogo();
    void onDeleteEvaporator();
    // Runs a command of the controller and shows the room and its messages afterwards.
    void run(const std::function<Messages()>& command);

    AppContext& m_ctx;
    RoomController m_controller;
    MessageSink m_showMessage;
    std::function<void()> m_openResultWindow;
    int m_busy = 0;
    bool m_exiting = false;
    bool m_centred = false;

    std::array<ui::InputField*, kRoomFieldCount> m_field{};
    std::array<QScrollBar*, kRoomScrollBarCount> m_scroll{};

    // Outputs
    QLabel* m_Vol = nullptr;
    QLabel* m_Area = nullptr;
    QLabel* m_Umfang = nullptr;
    QLabel* m_Label51 = nullptr;
    QLabel* m_Label68 = nullptr;
    QLabel* m_RaumLeist = nullptr;
    QLabel* m_VerdNam = nullptr;
    QLabel* m_Label40 = nullptr;
    QLabel* m_Label53 = nullptr;
    QLabel* m_Label67 = nullptr;
    QLabel* m_Label50 = nullptr;
    QLabel* m_LaufzeitUnit = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_logo = nullptr;
    QString m_logoShown; // path of the picture in m_logo

    // Component lines of the result panel: caption, capacity, share
    struct LoadRow {
        QLabel* caption = nullptr;
        QLabel* capacity = nullptr;
        QLabel* share = nullptr;
    };
    std::array<LoadRow, 9> m_loadRows{};

    QRadioButton* m_TagesB = nullptr;
    QRadioButton* m_SchockF = nullptr;
    QRadioButton* m_retangle = nullptr;
    QRadioButton* m_draw = nullptr;
    QCheckBox* m_AirCurtain = nullptr;
    QFrame* m_DoorPN = nullptr;
    QWidget* m_content = nullptr;
    QGroupBox* m_doorGroup = nullptr;
    ui::PictureButton* m_doorButton = nullptr;
    ui::GridWidget* m_AKTKgut = nullptr;

    // Captions and pictures, applied at the first activation.
    std::vector<std::function<void()>> m_captioned;
};

} // namespace veskaro
