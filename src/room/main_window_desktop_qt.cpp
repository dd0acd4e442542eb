// The main window on the desktop: undo and redo of committed changes, the unsaved-changes mark in the
// title and the question before closing, what is remembered between runs (settings, recent projects),
// keyboard access (mnemonics, F10), tool tips and the status bar.
//
// Saved means: the room on screen equals the one last written to or read from a file, that is the room
// record "KelvoL.dat" (room save, room restore, exit with saving, the room loaded at start-up) or a project
// file (save, save as, open). Undoing back to that state clears the mark again.

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QSessionManager>
#include <QShortcut>
#include <QStatusBar>
#include <QUndoCommand>
#include <QUndoStack>

#include "app/app_context.h"
#include "project/project_dialog.h"
#include "project/project_file.h"
#include "room/field_hints.h"
#include "room/goods_panel_qt.h"
#include "room/main_window.h"
#include "room/room_form_qt.h"
#include "room/room_inputs_panel_qt.h"
#include "ui/desktop_settings.h"
#include "ui/grid_widget.h"
#include "ui/input_field.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;
using ui::QText;

namespace {

// The inputs of two rooms are the same: every field, the options and the goods. The envelope files a
// record carries are not inputs typed in this window.
bool SameInputs(const RoomRecord& a, const RoomRecord& b) {
    for (int i = 0; i < kRoomFieldCount; ++i) {
        if (FieldText(a, static_cast<RoomField>(i)) != FieldText(b, static_cast<RoomField>(i))) return false;
    }
    return a.VerdNam == b.VerdNam && a.defrostFlag == b.defrostFlag && a.roomShape == b.roomShape &&
           a.operatingBasis == b.operatingBasis && a.goods == b.goods;
}

// The undo menu's words for a step: the field the engineer changed, else the goods or the room.
QString StepText(const RoomRecord& before, const RoomRecord& after, std::string_view language) {
    for (int i = 0; i < kRoomFieldCount; ++i) {
        const auto field = static_cast<RoomField>(i);
        if (FieldText(before, field) != FieldText(after, field))
            return QText(UiTextId::StepFieldChange, language).arg(QString::fromLatin1(RoomFieldName(field)));
    }
    return QText(before.goods != after.goods ? UiTextId::StepGoodsEdit : UiTextId::StepRoomChange, language);
}

// What a command does and, when it is disabled, what it needs. Menu entries and buttons of one command
// share the row.
struct CommandHint {
    std::initializer_list<const char*> names;
    UiTextId does;
    std::optional<UiTextId> needs;
};

const CommandHint kCommandHints[] = {
    {{"NeuPro", "NeuPButt"}, UiTextId::DoesNewProject, UiTextId::NeedsOtherProgram},
    {{"ladP", "ladPButt"}, UiTextId::DoesOpenProject, {}},
    {{"Psich", "PsichButt"}, UiTextId::DoesSaveProject, {}},
    {{"PsichA"}, UiTextId::DoesSaveProjectAs, {}},
    {{"Pri", "PriButt"}, UiTextId::DoesPrint, {}},
    {{"ksich", "Command3D4"}, UiTextId::DoesSaveRoom, {}},
    {{"klad", "Command3D5"}, UiTextId::DoesRestoreRoom, {}},
    {{"kgeinf", "KelvoGutButt"}, UiTextId::DoesGoods, {}},
    {{"WDbearb", "wandbutt"}, UiTextId::DoesWalls, UiTextId::NeedsRectangularRoom},
    {{"vddesign", "VerdampButt"}, UiTextId::DoesCoolerDesign, {}},
    {{"vddelete", "delEvap"}, UiTextId::DoesCoolerDelete, {}},
    {{"Rechmenu", "Rechbutt"}, UiTextId::DoesCalculate, {}},
    {{"Ergmenu", "Command3D3"}, UiTextId::DoesResult, {}},
    {{"Tuermenu", "doorbutt"}, UiTextId::DoesDoor, {}},
    {{"Pend", "Command3D2"}, UiTextId::DoesExit, {}},
    {{"PendOhne", "Command3D1"}, UiTextId::DoesExitWithoutSaving, {}},
};

QString HintText(const CommandHint& hint, bool enabled, std::string_view language) {
    QString text = QText(hint.does, language);
    if (!enabled && hint.needs) text += QStringLiteral(" — ") + QText(*hint.needs, language);
    return text;
}

// Keeps a picture button's hint in step with its enabled state.
class HintFollower final : public QObject {
  public:
    // Follows `button` once; the hint is set again when the captions (and the button's own hint) change.
    static void follow(ui::PictureButton* button, const CommandHint& hint, std::string_view language) {
        if (button->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly) == nullptr)
            new HintFollower(button, hint, language);
        button->setHint(HintText(hint, button->isEnabled(), language));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            auto* button = static_cast<ui::PictureButton*>(watched);
            button->setHint(HintText(m_hint, button->isEnabled(), m_language));
        }
        return false;
    }

  private:
    HintFollower(ui::PictureButton* button, const CommandHint& hint, std::string_view language)
        : QObject(button), m_hint(hint), m_language(language) {
        setObjectName(kName);
        button->installEventFilter(this);
    }
    static inline const QString kName = QStringLiteral("hintFollower");
    const CommandHint& m_hint;
    std::string m_language; // the run's language does not change while the window is open
};

// Gives every entry a keyboard mnemonic: the first letter of its text not taken by an earlier entry.
void AddMnemonics(const QList<QAction*>& actions) {
    QString taken;
    for (QAction* action : actions) {
        QString text = action->text();
        if (action->isSeparator() || text.isEmpty()) continue;
        if (const qsizetype amp = text.indexOf(QLatin1Char('&')); amp >= 0 && amp + 1 < text.size()) {
            taken += text.at(amp + 1).toLower();
            continue;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i).toLower();
            if (c.isLetter() && !taken.contains(c)) {
                taken += c;
                action->setText(text.insert(i, QLatin1Char('&')));
                break;
            }
        }
    }
}

} // namespace

// One committed change of the room: the room before and after it.
class RoomStep final : public QUndoCommand {
  public:
    RoomStep(StartWindow& window, RoomRecord before, RoomRecord after, std::string_view language)
        : QUndoCommand(StepText(before, after, language)), m_window(window), m_before(std::move(before)),
          m_after(std::move(after)) {}
    void undo() override { m_window.showSnapshot(m_before); }
    void redo() override {
        // Pushing the step follows the change the engineer already made.
        if (m_done) m_window.showSnapshot(m_after);
        m_done = true;
    }

  private:
    StartWindow& m_window;
    RoomRecord m_before;
    RoomRecord m_after;
    bool m_done = false;
};

void StartWindow::setUpDesktop() {
    m_undo = new QUndoStack(this);
    connect(m_undo, &QUndoStack::cleanChanged, this, &StartWindow::updateTitle);
    buildEditMenu();
    m_recentMenu = new QMenu(QText(UiTextId::RecentProjectsMenu, m_ctx.languageCode), this);
    m_recentMenu->setObjectName(QStringLiteral("recentProjects"));
    if (auto* print = findChild<QAction*>(QStringLiteral("Pri")))
        menuBar()->actions().front()->menu()->insertMenu(print, m_recentMenu);
    fillRecentMenu();
    // F10 opens the first menu; the arrow keys then move through the menu bar.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().front()); });
    applyHints();
    m_form->whenCaptioned([this] {
        applyHints(); // after the captions, which set the buttons' hints to their captions
        AddMnemonics(menuBar()->actions());
        for (QAction* entry : menuBar()->actions())
            if (entry->menu() != nullptr) AddMnemonics(entry->menu()->actions());
    });
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this, &StartWindow::onSessionCommit);
#endif
    ui::ApplyRememberedSettings(m_ctx);
    if (const QByteArray geometry = ui::RememberedGeometry();
        !geometry.isEmpty() && restoreGeometry(geometry))
        m_centred = true; // the engineer's own place, not the centre of the screen
    statusBar();
}

void StartWindow::buildEditMenu() {
    auto* edit = new QMenu(QText(UiTextId::EditMenu, m_ctx.languageCode), this);
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction* undo = m_undo->createUndoAction(this, QText(UiTextId::UndoEntry, m_ctx.languageCode));
    QAction* redo = m_undo->createRedoAction(this, QText(UiTextId::RedoEntry, m_ctx.languageCode));
    undo->setObjectName(QStringLiteral("undo"));
    redo->setObjectName(QStringLiteral("redo"));
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo, &QAction::triggered, this, [this] { say(QText(UiTextId::Undone, m_ctx.languageCode)); });
    connect(redo, &QAction::triggered, this, [this] { say(QText(UiTextId::Redone, m_ctx.languageCode)); });
    edit->addAction(undo);
    edit->addAction(redo);
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 1 ? menus.at(1) : nullptr, edit);
}

void StartWindow::fillRecentMenu() {
    m_recentMenu->clear();
    const QStringList recent = ui::RecentProjects();
    int number = 0;
    for (const QString& path : recent) {
        const QFileInfo info(path);
        const QString text =
            QStringLiteral("&%1 %2  (%3)").arg(++number % 10).arg(info.fileName(), info.path());
        QAction* entry = m_recentMenu->addAction(text);
        connect(entry, &QAction::triggered, this, [this, path] { openRecentProject(path); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void StartWindow::applyHints() {
    const std::string_view language = m_ctx.languageCode;
    for (int i = 0; i < kRoomFieldCount; ++i) {
        const auto field = static_cast<RoomField>(i);
        if (ui::InputField* input = m_form->field(field)) input->setHint(Q(RoomFieldHint(field, language)));
    }
    ui::GridWidget* goods = m_inputs->goods()->grid();
    for (int c = 1; c < goods->gridColumns(); ++c) {
        if (QTableWidgetItem* header = goods->horizontalHeaderItem(c - 1))
            header->setToolTip(Q(GoodsColumnHint(c, language)));
    }
    for (const CommandHint& hint : kCommandHints) {
        for (const char* name : hint.names) {
            const QString objectName = QString::fromLatin1(name);
            if (auto* action = findChild<QAction*>(objectName)) {
                action->setStatusTip(HintText(hint, true, language));
                const auto follow = [action, &hint, language = m_ctx.languageCode] {
                    action->setToolTip(HintText(hint, action->isEnabled(), language));
                };
                follow();
                connect(action, &QAction::changed, this, follow);
            }
            if (auto* face = findChild<ui::PictureFace*>(objectName)) {
                if (auto* button = qobject_cast<ui::PictureButton*>(face->parentWidget()))
                    HintFollower::follow(button, hint, language);
            }
        }
    }
}

// --- Undo and the saved state ------------------------------------------------------------------------------

bool StartWindow::modified() const {
    return m_undo != nullptr && !m_undo->isClean();
}

void StartWindow::recordChange() {
    if (m_replaying || SameInputs(m_controller.room(), m_committed)) return;
    m_closeAnswered = false;
    m_undo->push(new RoomStep(*this, m_committed, m_controller.room(), m_ctx.languageCode));
    m_committed = m_controller.room();
}

void StartWindow::markSaved(bool forget) {
    if (forget) m_undo->clear();
    m_committed = m_controller.room();
    m_undo->setClean();
    updateTitle();
}

void StartWindow::showSnapshot(const RoomRecord& room) {
    m_replaying = true;
    const int shape = m_controller.room().roomShape;
    std::vector<EnvelopeFileBlock> envelope = std::move(m_controller.room().envelope);
    m_controller.room() = room;
    m_controller.room().envelope = std::move(envelope);
    m_ctx.roomShape = room.roomShape;
    if (shape != room.roomShape) m_controller.rereadEnvelope();
    run([this] { return m_controller.calculate(); });
    showGoods();
    m_committed = m_controller.room();
    m_replaying = false;
}

void StartWindow::setBaseTitle(const QString& title) {
    m_baseTitle = title;
    updateTitle();
}

void StartWindow::updateTitle() {
    setWindowTitle(modified() ? QStringLiteral("*") + m_baseTitle : m_baseTitle);
}

// --- Closing ---------------------------------------------------------------------------------------------

int StartWindow::askToSave() {
    if (!modified()) return QMessageBox::Discard;
    QMessageBox box(QMessageBox::Warning, m_baseTitle, QText(UiTextId::SaveBeforeClose, m_ctx.languageCode),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("closePrompt"));
    box.setDefaultButton(QMessageBox::Save);
    return box.exec();
}

bool StartWindow::saveBeforeClose() {
    if (const WriteStatus room = m_controller.saveRoom(kDefaultRoomFile); !room) {
        showFailures(FailureMessages(room));
        return false;
    }
    // An open project is written too: the engineer's project file is what was worked on.
    if (HasCurrentProject(m_ctx)) {
        m_controller.takeProjectTexts();
        std::string failure;
        if (!SaveProjectInteractive(m_ctx, this, &failure)) {
            showFailures({{MessageKind::Critical, "", failure}});
            return false;
        }
    }
    markSaved();
    return true;
}

void StartWindow::onSessionCommit(QSessionManager& manager) {
    if (m_exiting || !modified()) return;
    // Nobody can be asked: the changes are kept in the room record rather than lost.
    if (!manager.allowsInteraction()) {
        saveBeforeClose();
        return;
    }
    const int answer = askToSave();
    manager.release();
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveBeforeClose())) {
        manager.cancel();
        return;
    }
    m_closeAnswered = true;
}

bool StartWindow::confirmRestore() {
    QMessageBox box(QMessageBox::Question, m_baseTitle,
                    QText(UiTextId::ReplaceByRoomRecord, m_ctx.languageCode),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("restorePrompt"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// --- Projects and the status bar ---------------------------------------------------------------------------

void StartWindow::openRecentProject(const QString& path) {
    if (m_busy != 0) return;
    if (!OpenStartupProject(m_ctx, path.toStdString())) {
        say(QText(UiTextId::ProjectNotOpened, m_ctx.languageCode).arg(path));
        return;
    }
    // Saving writes back into the project's own folder.
    m_ctx.projectDir = QFileInfo(path).absolutePath().toStdString() + "/";
    run([this] { return m_controller.loadRoom(kDefaultRoomFile); });
    showGoods();
    showProjectFile();
    markSaved();
    rememberProject(QText(UiTextId::ProjectOpened, m_ctx.languageCode));
}

void StartWindow::rememberProject(const QString& status) {
    if (m_ctx.currentProjectFile.empty()) return;
    const QString path = Q(ProjectFilePath(m_ctx, m_ctx.projectDir, m_ctx.currentProjectFile));
    ui::RememberRecentProject(path);
    ui::RememberSettings(m_ctx);
    fillRecentMenu();
    markSaved();
    say(QString(status).arg(path));
}

void StartWindow::say(const QString& status) {
    statusBar()->showMessage(status);
}

} // namespace veskaro
