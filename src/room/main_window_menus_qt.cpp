// The main window's menus, its header with the project fields, and the tab order of its controls.

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>

#include "app/app_context.h"
#include "room/main_window.h"
#include "room/room_form_qt.h"
#include "ui/input_field.h"
#include "ui/language_dialog.h"
#include "ui/picture_frame.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

QAction* StartWindow::addAction(QMenu* menu, const char* name, const char* face, bool enabled,
                                std::function<QString()> text) {
    QAction* action = m_form->makeAction(this, name, face, enabled);
    menu->addAction(action);
    m_form->whenCaptioned([action, text = std::move(text)] { action->setText(text()); });
    return action;
}

QMenu* StartWindow::buildFileMenu() {
    auto* file = menuBar()->addMenu(QString());
    const RoomForm& f = *m_form;
    // Commands whose dialogs are not part of this program yet stay disabled.
    addAction(file, "NeuPro", "npcap.bmp", false, f.slot(Cap::MenuNewProject));
    QAction* open =
        addAction(file, "ladP", "plcap.bmp", true, [this] { return Q(OpenProjectCaption(m_ctx)); });
    QAction* saveProject = addAction(file, "Psich", "pscap.bmp", true, f.slot(Cap::MenuSave));
    QAction* saveProjectAs = addAction(file, "PsichA", "sacap.bmp", true, f.slot(Cap::MenuSaveAs));
    file->addSeparator();
    QAction* print = addAction(file, "Pri", "prcap.bmp", true, f.slot(Cap::PrintCaption));
    open->setShortcut(QKeySequence::Open);
    saveProject->setShortcut(QKeySequence::Save);
    print->setShortcut(QKeySequence::Print);
    connect(open, &QAction::triggered, this, &StartWindow::onOpenProject);
    connect(saveProject, &QAction::triggered, this, [this] { onSaveProject(false); });
    connect(saveProjectAs, &QAction::triggered, this, [this] { onSaveProject(true); });
    connect(print, &QAction::triggered, this, &StartWindow::onPrint);
    QAction* language = addAction(file, "Sprache", nullptr, true, f.slot(Cap::LanguageMenuEntry));
    connect(language, &QAction::triggered, this, [this] { ui::LanguageDialog(m_ctx, this).exec(); });
    file->addSeparator();
    QAction* exitSave = addAction(file, "Pend", "btcap.bmp", true, f.slot(Cap::MenuExit));
    QAction* exitNoSave = addAction(file, "PendOhne", nullptr, true, f.slot(Cap::MenuExitNoSave));
    connect(exitSave, &QAction::triggered, this, [this] { kelvoEnde(true); });
    connect(exitNoSave, &QAction::triggered, this, [this] { kelvoEnde(false); });
    return file;
}

void StartWindow::buildMenus() {
    QMenu* file = buildFileMenu();
    auto* room = menuBar()->addMenu(QString());
    auto* calc = menuBar()->addMenu(QString());
    m_form->whenCaptioned([this, file, room, calc] {
        file->setTitle(m_form->caption(Cap::MenuFileTitle));
        room->setTitle(m_form->caption(Cap::MenuRoomTitle));
        calc->setTitle(m_form->caption(Cap::MenuCalcTitle));
    });
    const RoomForm& f = *m_form;
    QAction* goods = addAction(room, "kgeinf", "crcap.bmp", true, f.slot(Cap::MenuGoods));
    connect(goods, &QAction::triggered, this, &StartWindow::openGoodsDialog);
    QAction* walls = addAction(room, "WDbearb", "WDcap.bmp", true, f.slot(Cap::MenuWalls));
    connect(walls, &QAction::triggered, this, &StartWindow::onWalls);
    room->addSeparator();
    QAction* save = addAction(room, "ksich", "pscap.bmp", true, [this] { return Q(SaveRoomCaption(m_ctx)); });
    QAction* restore =
        addAction(room, "klad", "plcap.bmp", true, [this] { return Q(RestoreRoomMenuCaption(m_ctx)); });
    connect(save, &QAction::triggered, this, &StartWindow::onSaveRoom);
    connect(restore, &QAction::triggered, this, &StartWindow::onRestoreRoom);

    QAction* calculate = addAction(calc, "Rechmenu", "brcap.bmp", true, f.slot(Cap::CalculateButton));
    QAction* result = addAction(calc, "Ergmenu", "recap.bmp", true, f.slot(Cap::MenuResult));
    QAction* door = addAction(calc, "Tuermenu", "drcap.bmp", true, f.slot(Cap::DoorButton));
    calc->addSeparator();
    QAction* design =
        addAction(calc, "vddesign", "vdcap.bmp", true, [this] { return Q(EvaporatorDesignCaption(m_ctx)); });
    connect(design, &QAction::triggered, this, &StartWindow::openEvaporatorDesign);
    QAction* deleteEvap = addAction(calc, "vddelete", "loecaps.bmp", true, f.slot(Cap::DeleteEvaporator));
    calculate->setShortcut(QKeySequence(Qt::Key_F9));
    connect(calculate, &QAction::triggered, this,
            [this] { run([this] { return m_controller.calculate(); }); });
    connect(result, &QAction::triggered, this, &StartWindow::onResult);
    connect(door, &QAction::triggered, this, &StartWindow::openDoorPanel);
    connect(deleteEvap, &QAction::triggered, this,
            [this] { run([this] { return m_controller.deleteEvaporator(); }); });
}

QWidget* StartWindow::buildHeader() {
    auto* header = new ui::PictureFrame;
    header->setObjectName(QStringLiteral("header"));
    m_form->whenCaptioned([this, header] { header->setPicture(QPixmap(m_form->dataPath("QV_Bk01.jpg"))); });
    auto* layout = new QGridLayout(header);
    layout->setContentsMargins(18, 10, 18, 10);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(4);

    m_title = m_form->makeCaption(m_form->slot(Cap::MainWindowTitle), "title");
    layout->addWidget(m_title, 0, 0, 1, 1);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(6);
    QLabel* fileCaption =
        m_form->makeCaption([this] { return m_form->caption(Cap::RoomFileLabel) + QStringLiteral(":"); });
    fileCaption->setProperty("role", QStringLiteral("unit"));
    m_Label50 = new QLabel;
    m_Label50->setObjectName(QStringLiteral("Label50"));
    fileRow->addWidget(fileCaption);
    fileRow->addWidget(m_Label50);
    fileRow->addStretch(1);
    layout->addLayout(fileRow, 1, 0);

    QLabel* projCaption = m_form->makeCaption(m_form->slot(Cap::ProjectNameCaption), "proj_l");
    QLabel* descCaption = m_form->makeCaption(m_form->slot(Cap::ProjectDescriptionCaption), "projbeschr_l");
    ui::InputField* proj = m_form->makeField(RoomField::proj);
    ui::InputField* desc = m_form->makeField(RoomField::projbeschr);
    proj->setMinimumWidth(220);
    desc->setMinimumWidth(320);
    layout->addWidget(projCaption, 0, 2, Qt::AlignRight);
    layout->addWidget(proj, 0, 3);
    layout->addWidget(descCaption, 1, 2, Qt::AlignRight);
    layout->addWidget(desc, 1, 3);
    layout->setColumnStretch(1, 1);
    return header;
}

void StartWindow::setTabOrder() {
    // Reading order: project, then the groups column by column, the result, the goods, the commands.
    std::vector<QWidget*> order;
    const auto fields = [&](std::initializer_list<RoomField> list) {
        for (RoomField f : list)
            order.push_back(m_form->field(f));
    };
    const auto named = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            order.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
    };
    fields({RoomField::proj, RoomField::projbeschr, RoomField::RaumL, RoomField::RaumB, RoomField::RaumH,
            RoomField::RaumTemp, RoomField::RaumFeuchte, RoomField::tempdiff, RoomField::tempDiffdt1,
            RoomField::verdTemp, RoomField::AussenTemp, RoomField::AussenFeuchte, RoomField::Laufzeit});
    named({"TagesB", "SchockF"});
    fields({RoomField::PersZahl, RoomField::ELLeist, RoomField::Eltotal, RoomField::NBegeh, RoomField::RaumLW,
            RoomField::LWTuer});
    named({"doorbutt"});
    fields({RoomField::bTuer, RoomField::hTuer, RoomField::oeffungsZ});
    named({"AirCurtain", "lwrech"});
    fields({RoomField::LWergeb});
    named({"OKbutt3", "abbutt3"});
    fields({RoomField::AnzVerd, RoomField::PlueftPN, RoomField::Abtau, RoomField::AbtauAnt});
    named({"Rechbutt", "Command3D3", "PriButt", "AKTKgut", "NeuPButt", "ladPButt", "PsichButt", "Command3D4",
           "Command3D5", "KelvoGutButt", "wandbutt", "VerdampButt", "delEvap", "Command3D2", "Command3D1"});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace veskaro
