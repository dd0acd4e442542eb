// The main window's new-project command: the previous project set aside, NewProject, the walls of a
// rectangular room or the floor plan, the goods; any Cancel puts the previous project back.

#include <QAction>
#include <QDialog>
#include <QMessageBox>

#include "app/app_context.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/wall_dialog.h"
#include "goods/goods_dialog.h"
#include "project/new_project.h"
#include "project/new_project_dialog.h"
#include "room/command_bar_qt.h"
#include "room/main_window.h"
#include "room/room_form_qt.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

void StartWindow::wireNewProject() {
    if (auto* menu = findChild<QAction*>(QStringLiteral("NeuPro"))) {
        menu->setEnabled(true);
        connect(menu, &QAction::triggered, this, &StartWindow::newProject);
    }
    auto* face = findChild<ui::PictureFace*>(QStringLiteral("NeuPButt"));
    if (auto* button = face ? qobject_cast<ui::PictureButton*>(face->parentWidget()) : nullptr) {
        button->setEnabled(true);
        connect(button, &ui::PictureButton::triggered, this, &StartWindow::newProject);
    }
}

bool StartWindow::ask(const Message& question) {
    if (m_ask) return m_ask(question);
    QString text = Q(question.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return QMessageBox::question(this, Q(question.title), text) == QMessageBox::Yes;
}

void StartWindow::offerLeftProject() {
    if (m_ctx.newProjectPending || !PreviousProjectLeftAside(m_ctx)) return;
    // A new project was interrupted (the program was ended meanwhile): the project it set aside is offered
    // back before the room file is loaded.
    const Message question{MessageKind::Question, "Veskaro: " + m_ctx.captions[Cap::NewProjectMsgTitle],
                           "A new project was not finished.\rRestore the previous project?"};
    if (ask(question)) {
        showFailures(RestorePreviousProject(m_ctx));
    } else {
        DiscardPreviousProject(m_ctx);
    }
}

void StartWindow::newProject() {
    if (m_busy != 0 || m_ctx.newProjectPending) return;
    RoomRecord entry;
    NewProjectStart start;
    {
        ui::WaitCursor wait;
        entry = NewProjectEntry(m_ctx, m_controller.room());
        start = SetPreviousProjectAside(m_ctx, m_controller.room());
    }
    if (!start.started) return showFailures(start.messages);
    // The room file is gone: the window holds the room of a missing record, rectangular, with no
    // derived dimensions, until NewProject fills it.
    m_controller.room() = RoomRecord{};
    ++m_busy;
    showRoom();
    for (const char* name : {"Vol", "Area", "Umfang"})
        m_form->output(name)->clear();
    --m_busy;

    NewProjectDialog dialog(m_ctx, std::move(entry), this);
    if (dialog.exec() != QDialog::Accepted) return endNewProject(false);
    CopyNewProjectInto(dialog.entry(), dialog.roomKind(), m_controller.room());
    m_ctx.roomShape = m_controller.room().roomShape;
    run([this] { return m_controller.calculate(); });

    // Accepting the envelope step sets the activation state: its files are re-read before the goods.
    bool envelopeAccepted = false;
    if (dialog.roomKind() == NewRoomKind::FloorPlan) {
        envelopeAccepted = RunGroundPlanDialog(m_ctx, this) == PlanDialogOutcome::Accepted;
    } else {
        envelopeAccepted =
            RunWallDialog(m_ctx, m_controller.room().AussenTemp, this, true) == QDialog::Accepted;
    }
    if (!envelopeAccepted) return endNewProject(false);
    if (m_ctx.activationState == ActivationState::DialogChangedData) activate();

    const RecalcResult& r = m_controller.result();
    const RoomRecord& room = m_controller.room();
    GoodsDialog goods(m_ctx, {r.Vol, r.Area, r.Umfang, room.RaumTemp, room.RaumFeuchte}, this);
    goods.setNewProjectEnding([this](AppContext&, bool accepted) { endNewProject(accepted); });
    if (m_runGoodsDialog) {
        m_runGoodsDialog(goods);
    } else {
        goods.exec();
    }
    // A goods dialog closed without its O.K. or Cancel (the window frame) cancels as well.
    if (m_ctx.newProjectPending) endNewProject(false);
}

void StartWindow::endNewProject(bool finished) {
    if (finished) {
        showFailures(FinishNewProject(m_ctx));
        // The new room has no project file yet: saving asks for a name instead of writing over the
        // previous project's file.
        m_ctx.currentProjectFile.clear();
        m_ctx.projectFileName.clear();
        m_controller.takeProjectTexts();
    } else if (m_ctx.newProjectPending) {
        showFailures(RestorePreviousProject(m_ctx));
    } else {
        // The dialog put the room file back itself; the goods list follows it here.
        showFailures(RestorePreviousGoodsList(m_ctx));
    }
    // Cancelled: the activation state is "never activated", so the previous room is loaded as at start-up.
    // Finished: the goods dialog's O.K. asks for the goods and the envelope to be re-read.
    if (m_ctx.activationState != ActivationState::Active) activate();
    if (finished) return showProjectFile();
    // The reload wrote the envelope files from the record; the copies give back their exact bytes.
    showFailures(RestorePreviousEnvelope(m_ctx));
}

} // namespace veskaro
