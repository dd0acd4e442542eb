#pragma once
// The main window `start`: the cold room on screen. Its fields are the room record; every committed
// field, scroll bar or option recalculates the room through the RoomController and shows the required
// refrigeration capacity `RaumLeist`.

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/caption_slots.h"
#include "app/message.h"
#include "room/room_controller.h"

class QLabel;
class QLayout;
class QScrollArea;
class QSessionManager;
class QUndoStack;

namespace veskaro {

struct AppContext;
class CommandBar;
class ResultPanel;
class RoomForm;
class RoomInputsPanel;
class GoodsDialog;
class CoolerDialog;

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
    // Prints the result files after the print command wrote them (the print settings unless replaced).
    void setPrinter(std::function<void()> print) { m_print = std::move(print); }
    // Runs the goods dialog once it is built (modal exec unless replaced: tests and screenshots drive it).
    void setGoodsDialogRunner(std::function<void(GoodsDialog&)> run) { m_runGoodsDialog = std::move(run); }
    // Runs the cooler selection once it is built (modal exec unless replaced).
    void setCoolerDialogRunner(std::function<void(CoolerDialog&)> run) { m_runCoolerDialog = std::move(run); }

    RoomController& controller() { return m_controller; }
    bool busy() const { return m_busy != 0; }

    // Window activation: the first one loads the room (or serves the hand-over request), one after a
    // dialog changed project data re-reads it, any other reads nothing.
    void activate();
    // Kelvo_ende: exit with or without saving the room record; writes VESKData.dat.
    void kelvoEnde(bool save);

    // kgeinf / KelvoGutButt: writes the goods grid to the goods list file and opens Kgut; after O.K. the
    // goods are re-read and the room recalculated.
    void openGoodsDialog();
    // VerdampButt / vddesign: recalculates and, when there is a load, opens the cooler selection; a chosen
    // cooler's name, fan power and defrost heater go into the room, which is recalculated.
    void openEvaporatorDesign();

    // NeuPro / NeuPButt: the new-project sequence (main_window_newproject_qt.cpp).
    void newProject();
    // Answers a Yes/No question (a modal message box unless replaced).
    void setQuestionSink(std::function<bool(const Message&)> ask) { m_ask = std::move(ask); }

    void openDoorPanel();
    void closeDoorPanel(bool accept);
    bool doorPanelOpen() const;

    // Undo and redo of committed changes of the room (fields, scroll bars, options, goods).
    QUndoStack* undoStack() const { return m_undo; }
    // True while the room on screen differs from the one last written to or read from a file.
    bool modified() const;
    // Opens a project file of the recent projects (a full path).
    void openRecentProject(const QString& path);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout
    void buildMenus();
    QMenu* buildFileMenu();
    QWidget* buildHeader();
    QLayout* buildBody();
    void connectPanels();
    void setTabOrder();
    QAction* addAction(QMenu* menu, const char* name, const char* face, bool enabled,
                       std::function<QString()> text);

    // Showing the room
    void showRoom();
    void showGoods();
    void showRangeWarnings();
    // Marks incomplete and uncounted goods rows and keeps their warnings for the message list.
    void checkGoods();
    // Shows the messages of one user action: all of them stand in the result panel; at most one box
    // appears, for a message not shown before while its cause persisted. `always` shows the first one
    // even when it was.
    void announce(const Messages& messages, bool always = false);
    void showMessageBox(const Message& message);
    // Failed writes: always shown, one box for all of them.
    void showFailures(const Messages& failures);

    // Handlers
    void onFieldEdited(RoomField field);
    void onFieldCommitted(RoomField field);
    void onGoodsCellEdited(int row, int column);
    void onResult();
    void onSaveRoom();
    void onRestoreRoom();
    void onOpenProject();
    void onSaveProject(bool askForName);
    void onPrint();
    // The walls command: K_wand over a rectangular room; afterwards the envelope is re-read.
    void onWalls();
    // The envelope in use beside the dimensions, and the walls command enabled for a rectangular room.
    void showEnvelope();
    // Writes the result files for the result and print commands; false (with the stop message shown)
    // when the calculation stopped, so that no older files are shown or printed.
    bool writeResultFiles();
    // The current project file (else the room file) in `Label50`, and the project name in the title.
    void showProjectFile();
    // The new-project sequence: its commands enabled, the offer of a project an interrupted sequence set
    // aside (before the first activation loads the room), and its end (finished: goods O.K.).
    void wireNewProject();
    void offerLeftProject();
    void endNewProject(bool finished);
    bool ask(const Message& question);
    // Runs a command of the controller and shows the room and its messages afterwards.
    void run(const std::function<Messages()>& command);

    // Desktop behaviour: undo, title mark, close prompt, settings, status bar, hints
    // (main_window_desktop_qt.cpp).
    friend class RoomStep;
    void setUpDesktop();
    void buildEditMenu();
    void fillRecentMenu();
    void applyHints();
    // After a command: an undo step when the room differs from the last committed one.
    void recordChange();
    // The room on screen now equals a file: the title mark goes; with `forget` the undo history too.
    void markSaved(bool forget = false);
    // Shows a room of the undo history and recalculates it.
    void showSnapshot(const RoomRecord& room);
    void setBaseTitle(const QString& title);
    void updateTitle();
    // Save / Discard / Cancel before the room is closed with unsaved changes; Discard when there are none.
    int askToSave();
    // Writes the room record (and the open project); false when a write failed.
    bool saveBeforeClose();
    bool confirmRestore(); // "Room – Restore to Default" asks before it replaces the fields
    void onSessionCommit(QSessionManager& manager);
    void say(const QString& status);
    // Adds the current project file to the recent projects and says `status` with its path as "%1".
    void rememberProject(const QString& status);

    AppContext& m_ctx;
    RoomController m_controller;
    std::unique_ptr<RoomForm> m_form;
    MessageSink m_showMessage;
    std::function<void()> m_openResultWindow;
    std::function<void()> m_print;
    std::function<void(GoodsDialog&)> m_runGoodsDialog;
    std::function<void(CoolerDialog&)> m_runCoolerDialog;
    std::function<bool(const Message&)> m_ask;
    QStringList m_goodsWarnings; // appended to the messages of every action
    // Messages shown and still standing: a message is not shown again until its cause went away.
    std::vector<std::pair<MessageKind, std::string>> m_standing;
    int m_busy = 0;
    bool m_exiting = false;
    bool m_centred = false;
    QUndoStack* m_undo = nullptr;
    RoomRecord m_committed;       // the room after the last committed change
    bool m_replaying = false;     // an undo step is being shown
    bool m_closeAnswered = false; // the session end already asked
    QString m_baseTitle;
    QMenu* m_recentMenu = nullptr;

    QLabel* m_title = nullptr;
    QLabel* m_Label50 = nullptr;
    CommandBar* m_commands = nullptr;
    RoomInputsPanel* m_inputs = nullptr;
    QScrollArea* m_inputsScroller = nullptr; // the input groups above the goods list
    ResultPanel* m_result = nullptr;
};

} // namespace veskaro
