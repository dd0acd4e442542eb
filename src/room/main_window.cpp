#include "room/main_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "app/app_context.h"
#include "app/number_text.h"
#include "project/project_dialog.h"
#include "report/print_settings_dialog.h"
#include "report/result_window.h"
#include "report/room_sketch.h"
#include "room/command_bar_qt.h"
#include "room/door_panel_qt.h"
#include "room/envelope_panel_qt.h"
#include "room/goods_panel_qt.h"
#include "room/load_shares.h"
#include "room/result_panel_qt.h"
#include "room/room_form_qt.h"
#include "room/room_inputs_panel_qt.h"
#include "ui/desktop_settings.h"
#include "ui/input_field.h"
#include "ui/picture_button.h"
#include "ui/text.h"
#include "ui/theme.h"

namespace veskaro {

using ui::Q;
using ui::QText;

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Exclamation:
        return QMessageBox::Warning;
    case MessageKind::Critical:
        return QMessageBox::Critical;
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Plain:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// A message as one line of the result panel's list.
QString ListLine(const Message& message) {
    return Q(message.text).replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified();
}

} // namespace

// --- Construction -----------------------------------------------------------------------------------

StartWindow::StartWindow(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), m_controller(ctx), m_form(std::make_unique<RoomForm>(ctx, this)) {
    setObjectName(QStringLiteral("start"));
    m_openResultWindow = [this] {
        m_ctx.displayMode = DisplayMode::RoomResult;
        ShowResultWindow(m_ctx, SketchOfRoom(m_controller.room(), m_ctx), this,
                         ComputeLoadShares(m_controller.result()));
    };
    m_print = [this] {
        m_ctx.displayMode = DisplayMode::RoomResult;
        const QString printedTo = Select_Action(m_ctx, SketchOfRoom(m_controller.room(), m_ctx), this,
                                                ComputeLoadShares(m_controller.result()));
        if (!printedTo.isEmpty()) say(QText(UiTextId::ReportPrinted, m_ctx.languageCode).arg(printedTo));
    };
    m_form->onFieldEdited = [this](RoomField field) { onFieldEdited(field); };
    m_form->onFieldCommitted = [this](RoomField field) { onFieldCommitted(field); };
    m_form->onScrollBar = [this](RoomScrollBar bar, int position) {
        run([this, bar, position] { return m_controller.scrollBarMoved(bar, position); });
    };
    buildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader());
    m_commands = new CommandBar(*m_form);
    column->addWidget(m_commands);
    column->addLayout(buildBody(), 1);
    setCentralWidget(central);
    connectPanels();
    wireNewProject();

    setTabOrder();
    setStyleSheet(ui::MainWindowStyleSheet());
    resize(1260, 880);
    setUpDesktop();
}

StartWindow::~StartWindow() {
    // Children are destroyed after this window's members; a field losing the focus then must not commit.
    m_busy = 1;
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void StartWindow::connectPanels() {
    connect(m_commands, &CommandBar::openProject, this, &StartWindow::onOpenProject);
    connect(m_commands, &CommandBar::saveProject, this, [this] { onSaveProject(false); });
    connect(m_commands, &CommandBar::saveRoom, this, &StartWindow::onSaveRoom);
    connect(m_commands, &CommandBar::restoreRoom, this, &StartWindow::onRestoreRoom);
    connect(m_commands, &CommandBar::openGoods, this, &StartWindow::openGoodsDialog);
    connect(m_commands, &CommandBar::evaporatorDesign, this, &StartWindow::openEvaporatorDesign);
    connect(m_commands, &CommandBar::deleteEvaporator, this,
            [this] { run([this] { return m_controller.deleteEvaporator(); }); });
    connect(m_commands, &CommandBar::exit, this, &StartWindow::kelvoEnde);
    connect(m_commands, &CommandBar::walls, this, &StartWindow::onWalls);
    connect(m_inputs, &RoomInputsPanel::operatingBasisChosen, this,
            [this](int basis) { run([this, basis] { return m_controller.setOperatingBasis(basis); }); });
    connect(m_inputs, &RoomInputsPanel::doorPanelRequested, this, &StartWindow::openDoorPanel);
    connect(m_inputs->goods(), &GoodsPanel::cellEdited, this, &StartWindow::onGoodsCellEdited);
    DoorPanel* door = m_inputs->doorPanel();
    connect(door, &DoorPanel::computeRequested, this,
            [this, door] { run([this, door] { return m_controller.computeDoor(door->airCurtain()); }); });
    connect(door, &DoorPanel::closeRequested, this, &StartWindow::closeDoorPanel);
    connect(m_result, &ResultPanel::calculateRequested, this,
            [this] { run([this] { return m_controller.calculate(); }); });
    connect(m_result, &ResultPanel::resultRequested, this, &StartWindow::onResult);
    connect(m_result, &ResultPanel::printRequested, this, &StartWindow::onPrint);
}

// --- Showing the room ------------------------------------------------------------------------------------

void StartWindow::showRoom() {
    ++m_busy;
    const RoomRecord& room = m_controller.room();
    for (int i = 0; i < kRoomFieldCount; ++i) {
        const auto f = static_cast<RoomField>(i);
        m_form->field(f)->showText(Q(FieldText(room, f)));
    }
    for (int b = 0; b < kRoomScrollBarCount; ++b) {
        const auto bar = static_cast<RoomScrollBar>(b);
        if (const std::optional<int> position = ScrollPositionFromRoom(room, bar))
            m_form->scrollBar(bar)->setValue(*position);
    }
    const RecalcResult& r = m_controller.result();
    m_form->output("Vol")->setText(Q(r.Vol));
    m_form->output("Area")->setText(Q(r.Area));
    m_form->output("Umfang")->setText(Q(r.Umfang));
    m_form->output("Label40")->setText(Q(m_controller.labels().Label40));
    m_inputs->showRoom(room, r.Label51);
    m_inputs->doorPanel()->showLabels(m_controller.labels());
    m_inputs->doorPanel()->setAirCurtain(m_controller.airCurtain());
    showEnvelope();
    m_result->showResult(r);
    m_Label50->setText(Q(m_ctx.currentProjectFile.empty() ? m_ctx.roomFileName : m_ctx.currentProjectFile));
    m_form->operatingTimeUnit()->setText(Q(m_controller.operatingTimeUnit()));
    showRangeWarnings();
    checkGoods();
    --m_busy;
}

// Every value outside its physical range: the field framed red with its range as tool tip, and a line
// naming it beside the greyed capacity (goods cells are named by row and column).
void StartWindow::showRangeWarnings() {
    const RangeWarnings& warnings = m_controller.result().warnings;
    for (int i = 0; i < kRoomFieldCount; ++i) {
        if (auto* field = m_form->field(static_cast<RoomField>(i))) field->clearRangeWarning();
    }
    QStringList texts;
    for (const RangeWarning& warning : warnings) {
        if (warning.missing) { // a goods cell: named by row and column
            texts << Q(warning.text(m_ctx.languageCode));
            continue;
        }
        QString name = Q(warning.shownName(m_ctx.languageCode));
        if (warning.field) {
            const std::optional<FieldRange> range = RoomFieldRange(*warning.field);
            if (auto* field = m_form->field(*warning.field); field && range)
                field->setRangeWarning(QText(UiTextId::ValidRange, m_ctx.languageCode)
                                           .arg(Q(FieldRangeText(*range, m_ctx.languageCode))));
            const auto* caption = findChild<QLabel*>(name + QStringLiteral("_l"));
            if (caption != nullptr && !caption->text().isEmpty())
                name = caption->text() + QStringLiteral(" (") + name + u')';
        }
        texts << QText(UiTextId::ValueOutsideRange, m_ctx.languageCode)
                     .arg(name, Q(DisplayText(warning.value)).trimmed(),
                          Q(DisplayText(warning.min)).trimmed(), Q(DisplayText(warning.max)).trimmed());
    }
    m_result->setCapacityWarning(texts.join(QLatin1Char('\n')));
}

void StartWindow::showGoods() {
    ++m_busy;
    m_inputs->goods()->showGoods(m_controller.room());
    --m_busy;
}

void StartWindow::announce(const Messages& messages, bool always) {
    QStringList lines;
    std::vector<std::pair<MessageKind, std::string>> standing;
    const Message* toShow = nullptr;
    for (const Message& message : messages) {
        lines << ListLine(message);
        std::pair<MessageKind, std::string> key{message.kind, message.text};
        const bool shownBefore = std::find(m_standing.begin(), m_standing.end(), key) != m_standing.end();
        if (toShow == nullptr && (always || !shownBefore)) toShow = &message;
        standing.push_back(std::move(key));
    }
    // A message whose cause went away (it did not arise this time) may be shown again later.
    m_standing = std::move(standing);
    // A stopped calculation leaves the capacity of an earlier room: greyed, with the reason beside it.
    if (m_controller.result().stopped) {
        m_result->setCapacityWarning(lines.join(QLatin1Char('\n')));
        lines.clear();
    }
    m_result->showMessages(lines + m_goodsWarnings);
    if (toShow != nullptr) showMessageBox(*toShow);
}

void StartWindow::showFailures(const Messages& failures) {
    if (failures.empty()) return;
    // Every failed write is reported, all of one action in one box.
    Message combined = failures.front();
    for (std::size_t i = 1; i < failures.size(); ++i)
        combined.text += "\r" + failures[i].text;
    showMessageBox(combined);
}

void StartWindow::showMessageBox(const Message& message) {
    if (m_showMessage) {
        m_showMessage(message);
        return;
    }
    const QString title = message.title.empty() ? m_form->caption(Cap::MsgTitle) : Q(message.title);
    QString text = Q(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(IconOf(message.kind), title, text, QMessageBox::Ok, this);
    box.exec();
}

// --- Handlers --------------------------------------------------------------------------------------------

void StartWindow::run(const std::function<Messages()>& command) {
    if (m_busy != 0) return;
    const Messages messages = command();
    showRoom();
    announce(messages);
    recordChange();
}

void StartWindow::onFieldEdited(RoomField field) {
    if (m_busy != 0) return;
    FieldText(m_controller.room(), field) = m_form->field(field)->text().toStdString();
    if (m_controller.fieldEdited(field)) showRoom();
}

void StartWindow::onFieldCommitted(RoomField field) {
    if (m_busy != 0) return;
    FieldText(m_controller.room(), field) = m_form->field(field)->text().toStdString();
    run([this, field] { return m_controller.commitField(field); });
}

void StartWindow::onGoodsCellEdited(int row, int column) {
    const std::string text = m_inputs->goods()->cellText(row, column).toStdString();
    run([this, row, column, text] { return m_controller.goodsCellEdited(row, column, text); });
}

bool StartWindow::writeResultFiles() {
    const Messages messages = m_controller.calculateWithResultFiles();
    showRoom();
    const bool stopped = m_controller.result().stopped;
    announce(messages, stopped);
    m_controller.takeProjectTexts(); // the report header names the project
    return !stopped;
}

void StartWindow::onResult() {
    if (m_busy != 0) return;
    if (writeResultFiles() && m_openResultWindow) m_openResultWindow();
}

void StartWindow::onPrint() {
    if (m_busy != 0) return;
    // The printed pages are the result files: they are written anew before printing.
    if (writeResultFiles() && m_print) m_print();
}

void StartWindow::onSaveRoom() {
    if (m_busy != 0) return;
    const WriteStatus status = m_controller.saveRoom(kDefaultRoomFile);
    showFailures(FailureMessages(status));
    if (status) markSaved();
    if (status)
        say(QText(UiTextId::RoomSaved, m_ctx.languageCode).arg(Q(ResolveDataPath(m_ctx, kDefaultRoomFile))));
}

void StartWindow::onRestoreRoom() {
    // The fields are replaced: asked first (the replaced room stays one undo step away).
    if (m_busy != 0 || !confirmRestore()) return;
    run([this] { return m_controller.loadRoom(kDefaultRoomFile); });
    showGoods();
    markSaved();
    say(QText(UiTextId::RoomRestored, m_ctx.languageCode).arg(Q(ResolveDataPath(m_ctx, kDefaultRoomFile))));
}

void StartWindow::showProjectFile() {
    showRoom();
    if (m_ctx.currentProjectFile.empty()) return;
    setBaseTitle(m_form->caption(Cap::MainWindowTitle) + QStringLiteral(" - ") + Q(m_ctx.projectName));
}

void StartWindow::onOpenProject() {
    if (m_busy != 0) return;
    // A project that could not be opened has left "KelvoL.dat" as it was: the room on screen stays.
    if (!OpenProjectInteractive(m_ctx, this)) return;
    run([this] { return m_controller.loadRoom(kDefaultRoomFile); });
    showGoods();
    showProjectFile();
    rememberProject(QText(UiTextId::ProjectOpened, m_ctx.languageCode));
}

void StartWindow::onSaveProject(bool askForName) {
    if (m_busy != 0) return;
    // The project carries the room record file: it is written first, with the texts on screen.
    // A room record that could not be written is not saved into a project either.
    if (const WriteStatus room = m_controller.saveRoom(kDefaultRoomFile); !room)
        return showFailures(FailureMessages(room));
    m_controller.takeProjectTexts();
    std::string failure;
    const bool saved = askForName ? SaveProjectAsInteractive(m_ctx, this, &failure)
                                  : SaveProjectInteractive(m_ctx, this, &failure);
    if (!failure.empty()) showFailures({{MessageKind::Critical, "", failure}});
    showProjectFile();
    if (saved) rememberProject(QText(UiTextId::ProjectSaved, m_ctx.languageCode));
}

void StartWindow::openDoorPanel() {
    m_inputs->openDoorPanel();
    // Once the groups have grown to hold the panel, scroll its lower edge into view.
    QTimer::singleShot(0, this,
                       [this] { m_inputsScroller->ensureWidgetVisible(m_inputs->doorPanel(), 0, 0); });
}

void StartWindow::closeDoorPanel(bool accept) {
    if (accept) run([this] { return m_controller.acceptDoor(); });
    m_inputs->closeDoorPanel();
}

bool StartWindow::doorPanelOpen() const {
    return m_inputs->doorPanel()->isVisible();
}

// --- Activation and exit ----------------------------------------------------------------------------------

void StartWindow::activate() {
    if (m_exiting) return;
    if (m_ctx.activationState == ActivationState::NeverActivated) offerLeftProject();
    ++m_busy;
    const RoomController::Activation activation = m_controller.activate();
    if (activation.firstActivation) {
        m_form->applyCaptions();
        setBaseTitle(m_form->caption(Cap::MainWindowTitle));
        setWindowIcon(QIcon(ui::LoadFacePicture(m_form->dataPath("crlogo.bmp"), QSize(32, 32))));
    }
    if (!activation.windowTitle.empty()) setBaseTitle(Q(activation.windowTitle));
    if (activation.reread) {
        showGoods();
        showRoom();
    }
    // A project opened at start-up is shown like one opened by the open command.
    if (activation.firstActivation && !m_ctx.currentProjectFile.empty()) showProjectFile();
    // The print settings may have chosen another logo while a dialog was open.
    m_result->showLogo(Q(m_ctx.logoPath));
    --m_busy;
    // The room as loaded at start-up is the saved one; a dialog's changes are one undo step.
    if (activation.firstActivation) markSaved(true);
    if (!activation.firstActivation && activation.reread) recordChange();
    if (!activation.messages.empty() || !m_goodsWarnings.isEmpty()) announce(activation.messages);
}

void StartWindow::kelvoEnde(bool save) {
    if (m_exiting) return;
    m_exiting = true;
    showFailures(m_controller.exit(save));
    close();
}

bool StartWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) activate();
    return QMainWindow::event(event);
}

void StartWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* screen = this->screen()) {
            // Never larger than the screen's working area; the content scrolls when it needs more.
            const QRect work = screen->availableGeometry();
            if (width() > work.width() || height() > work.height()) {
                resize(qMin(width(), work.width()), qMin(height(), work.height()));
            }
            const QRect area = screen->geometry();
            move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
        }
    }
    if (m_ctx.activationState == ActivationState::NeverActivated) activate();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    // Closing by the frame (title bar, Alt+F4) asks about unsaved changes, then exits saving or not;
    // while the window is filling its fields the close does nothing more.
    if (!m_exiting && m_busy == 0) {
        const int answer = m_closeAnswered ? QMessageBox::Discard : askToSave();
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveBeforeClose())) {
            event->ignore();
            return;
        }
        m_exiting = true;
        showFailures(m_controller.exit(answer == QMessageBox::Save));
    }
    ui::RememberGeometry(saveGeometry());
    ui::RememberSettings(m_ctx);
    event->accept();
}

} // namespace veskaro
