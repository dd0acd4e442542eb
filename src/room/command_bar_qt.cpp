#include "room/command_bar_qt.h"

#include <QHBoxLayout>

#include "app/app_context.h"
#include "room/room_form_qt.h"
#include "ui/picture_button.h"

namespace veskaro {

namespace {

constexpr int kCommandWidth = 96; // px: a command bar button with its caption below

} // namespace

CommandBar::CommandBar(RoomForm& form, QWidget* parent) : ui::PictureFrame(parent) {
    setObjectName(QStringLiteral("commandBar"));
    form.whenCaptioned([this, &form] { setPicture(QPixmap(form.dataPath("QV_Bk041.jpg"))); });
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(4);

    const auto add = [&](const char* name, const char* face, bool enabled, std::function<QString()> text) {
        ui::PictureButton* button = form.makeCommand(name, face, enabled, true, kCommandFace);
        button->setFixedWidth(kCommandWidth);
        form.whenCaptioned([button, text = std::move(text)] {
            button->setText(text());
            button->setHint(text());
        });
        row->addWidget(button, 0, Qt::AlignTop);
        return button;
    };
    const auto separator = [&] {
        auto* line = new QFrame;
        line->setFrameShape(QFrame::VLine);
        line->setObjectName(QStringLiteral("commandSeparator"));
        row->addWidget(line);
    };
    const AppContext& ctx = form.context();
    const auto composed = [&ctx](std::string (*text)(const AppContext&)) {
        return [&ctx, text] { return QString::fromStdString(text(ctx)); };
    };
    // Commands whose dialogs are not part of this program yet stay disabled.
    add("NeuPButt", "npcap.bmp", false, form.slot(Cap::MenuNewProject));
    auto* open = add("ladPButt", "plcap.bmp", true, composed(OpenProjectCaption));
    auto* saveProject = add("PsichButt", "pscap.bmp", true, form.slot(Cap::MenuSave));
    separator();
    auto* save = add("Command3D4", "pscap.bmp", true, composed(SaveRoomCaption));
    auto* restore = add("Command3D5", "plcap.bmp", true, composed(RestoreRoomCaption));
    separator();
    auto* goods = add("KelvoGutButt", "crcap.bmp", true, form.slot(Cap::MenuGoods));
    m_wandbutt = add("wandbutt", "WDcap.bmp", true, form.slot(Cap::MenuWalls));
    separator();
    auto* design = add("VerdampButt", "vdcap.bmp", true, composed(EvaporatorDesignCaption));
    auto* deleteEvap = add("delEvap", "loecaps.bmp", true, form.slot(Cap::DeleteEvaporator));
    row->addStretch(1);
    auto* exitSave = add("Command3D2", "btcap.bmp", true, form.slot(Cap::MenuExit));
    auto* exitNoSave = add("Command3D1", "abcap.bmp", true, form.slot(Cap::MenuExitNoSave));

    connect(open, &ui::PictureButton::triggered, this, &CommandBar::openProject);
    connect(saveProject, &ui::PictureButton::triggered, this, &CommandBar::saveProject);
    connect(save, &ui::PictureButton::triggered, this, &CommandBar::saveRoom);
    connect(restore, &ui::PictureButton::triggered, this, &CommandBar::restoreRoom);
    connect(goods, &ui::PictureButton::triggered, this, &CommandBar::openGoods);
    connect(m_wandbutt, &ui::PictureButton::triggered, this, &CommandBar::walls);
    connect(design, &ui::PictureButton::triggered, this, &CommandBar::evaporatorDesign);
    connect(deleteEvap, &ui::PictureButton::triggered, this, &CommandBar::deleteEvaporator);
    connect(exitSave, &ui::PictureButton::triggered, this, [this] { emit exit(true); });
    connect(exitNoSave, &ui::PictureButton::triggered, this, [this] { emit exit(false); });
}

} // namespace veskaro
