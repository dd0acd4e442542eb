#include "room/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "project/project_dialog.h"
#include "report/print_settings_dialog.h"
#include "report/result_window.h"
#include "report/room_sketch.h"
#include "ui/grid_widget.h"
#include "ui/input_field.h"
#include "ui/picture_button.h"

namespace veskaro {

namespace {

// A frame that paints a picture of the data directory stretched over its whole area (the backgrounds).
class PictureFrame final : public QFrame {
  public:
    using QFrame::QFrame;
    void setPicture(const QPixmap& picture) {
        m_picture = picture;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!m_picture.isNull()) {
            QPainter painter(this);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(rect(), m_picture);
        }
        QFrame::paintEvent(event);
    }

  private:
    QPixmap m_picture;
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr QSize kCommandFace(32, 32); // command bar and result commands
constexpr QSize kSmallFace(22, 22);   // door panel commands
constexpr int kCommandWidth = 96;     // px: a command bar button with its caption below
constexpr int kFieldWidth = 70;       // px: room for "-1234.56" at the window font
constexpr int kGoodsColumnWidthsTwips[] = {450, 3000, 2000, 1800, 1800, 1800, 1800};
constexpr int kGoodsHeaderHeightTwips = 720;
constexpr int kGoodsShadedColumns[] = {kGoodsStorageTemp, kGoodsStorageHumidity};
const QColor kGoodsShade(0xE1, 0xE5, 0xEA); // storage columns: shown for information
constexpr int kRoomResultDisplay = 0; // display mode of the result window for this program's result
const QSize kLogoBox(200, 62);        // the report logo (about 260 x 80) as the result panel shows it

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

QString StyleSheet() {
    return QStringLiteral(R"(
QMainWindow#start, QWidget#content { background: #F4F6F9; }
QGroupBox {
    background: #FFFFFF; border: 1px solid #D3DBE4; border-radius: 6px;
    margin-top: 16px; padding: 8px 8px 6px 8px; font-weight: bold; color: #244565;
}
QGroupBox::title { subcontrol-origin: margin; left: 10px; top: 2px; padding: 0 3px; }
QGroupBox * { font-weight: normal; color: #1F2A36; }
QLineEdit {
    background: #FFFFFF; border: 1px solid #C3CDD8; border-radius: 3px; padding: 2px 5px;
    selection-background-color: #2F6EA8;
}
QLineEdit:focus { border: 1px solid #2F6EA8; background: #FBFDFF; }
QLabel[role="unit"] { color: #5F6F80; }
QLabel[role="output"] {
    background: #EEF3F8; border: 1px solid #D8E1EA; border-radius: 3px; padding: 2px 5px; color: #17324F;
}
QFrame#header QLabel { color: #FFFFFF; }
QFrame#header QLabel#title { font-size: 17pt; font-weight: bold; }
QFrame#header QLabel[role="unit"] { color: #C9D8E8; }
QFrame#header QLineEdit { background: rgba(255, 255, 255, 235); border: 1px solid #7D9CBC; }
QFrame#commandBar { border-bottom: 1px solid #D3DBE4; }
QFrame#resultPanel { border: 1px solid #B9CDE0; border-radius: 8px; }
QFrame#resultPanel QLabel { color: #1F3B57; background: transparent; }
QFrame#resultPanel QLabel#resultTitle { font-size: 11pt; font-weight: bold; color: #244565; }
QFrame#resultPanel QLabel#RaumLeist { font-size: 28pt; font-weight: bold; color: #0F3D66; }
QFrame#resultPanel QLabel#RaumLeistUnit { font-size: 15pt; color: #3A5A7A; }
QFrame#resultPanel QLabel[role="share"] { color: #5F6F80; }
QFrame#DoorPN { border: 1px solid #C7D3DF; border-radius: 6px; }
QFrame#DoorPN QLabel#doorTitle { font-weight: bold; color: #244565; }
QTableWidget { background: #FFFFFF; border: 1px solid #D3DBE4; gridline-color: #E3E8EE; }
QHeaderView::section {
    background: #EAF0F6; color: #244565; border: none; border-right: 1px solid #D3DBE4;
    border-bottom: 1px solid #D3DBE4; padding: 2px 4px;
}
QLabel#goodsTitle { font-weight: bold; color: #244565; }
)");
}

} // namespace

// --- Construction -----------------------------------------------------------------------------------

StartWindow::StartWindow(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), m_controller(ctx) {
    setObjectName(QStringLiteral("start"));
    m_openResultWindow = [this] {
        m_ctx.displayMode = kRoomResultDisplay;
        ShowResultWindow(m_ctx, SketchOfRoom(m_controller.room(), m_ctx), this);
    };
    buildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader());
    column->addWidget(buildCommandBar());
    // The room scrolls in a small window; the result beside it always stays in view.
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 14, 14);
    body->setSpacing(0);
    auto* scroller = new QScrollArea(central);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(buildContent());
    body->addWidget(scroller, 1);
    auto* resultColumn = new QVBoxLayout;
    resultColumn->setContentsMargins(0, 24, 0, 0);
    resultColumn->addWidget(buildResult(), 1);
    body->addLayout(resultColumn);
    column->addLayout(body, 1);
    setCentralWidget(central);

    setTabOrder();
    applyStyle();
    resize(1260, 880);
}

StartWindow::~StartWindow() {
    // Children are destroyed after this window's members; a field losing the focus then must not commit.
    m_busy = 1;
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QString StartWindow::caption(Cap slot) const {
    return Q(m_ctx.captions[slot]);
}

QString StartWindow::dataPath(const char* file) const {
    return QDir(Q(m_ctx.dataDir)).filePath(QString::fromLatin1(file));
}

ui::InputField* StartWindow::makeField(RoomField field) {
    auto* edit = new ui::InputField(QString::fromLatin1(RoomFieldName(field)));
    m_field[static_cast<std::size_t>(field)] = edit;
    if (IsFreeTextField(field)) {
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        edit->setFixedWidth(kFieldWidth);
    }
    connect(edit, &ui::InputField::edited, this, [this, field] { onFieldEdited(field); });
    connect(edit, &ui::InputField::committed, this, [this, field] { onFieldCommitted(field); });
    return edit;
}

QLabel* StartWindow::makeCaption(std::function<QString()> text, const char* name) {
    auto* label = new QLabel;
    if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
    m_captioned.push_back([label, text = std::move(text)] { label->setText(text()); });
    return label;
}

std::function<QString()> StartWindow::slot(Cap slot) const {
    return [this, slot] { return caption(slot); };
}

QLabel* StartWindow::makeUnit(const QString& unit) {
    auto* label = new QLabel(unit);
    label->setProperty("role", QStringLiteral("unit"));
    return label;
}

QLabel* StartWindow::makeOutput(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("role", QStringLiteral("output"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(kFieldWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QScrollBar* StartWindow::makeScrollBar(RoomScrollBar bar) {
    auto* scroll = new QScrollBar(Qt::Horizontal);
    scroll->setObjectName(QString::fromLatin1(RoomScrollBarName(bar)));
    const ScrollRange range = RoomScrollBarRange(bar);
    scroll->setRange(range.minimum, range.maximum);
    scroll->setSingleStep(1);
    scroll->setPageStep(10);
    // The field beside the bar takes typed values; the bar is for the mouse and keeps the typing focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll[static_cast<std::size_t>(bar)] = scroll;
    connect(scroll, &QScrollBar::valueChanged, this,
            [this, bar](int position) { onScrollBar(bar, position); });
    return scroll;
}

ui::PictureButton* StartWindow::makeCommand(const char* name, const char* face, bool enabled, bool faceAbove,
                                            QSize size) {
    auto* button = new ui::PictureButton(QString::fromLatin1(name), nullptr,
                                         faceAbove ? ui::PictureButton::Arrangement::FaceAbove
                                                   : ui::PictureButton::Arrangement::FaceLeft);
    button->setFaceSize(size);
    m_captioned.push_back(
        [this, button, face, size] { button->setFace(ui::LoadFacePicture(dataPath(face), size)); });
    button->setEnabled(enabled);
    return button;
}

QAction* StartWindow::makeAction(const char* name, const char* face, bool enabled) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    if (face != nullptr) {
        m_captioned.push_back([this, action, face] {
            action->setIcon(QIcon(ui::LoadFacePicture(dataPath(face), QSize(16, 16))));
        });
    }
    return action;
}

namespace {

// One row of a group: caption | field | unit, and an optional scroll bar under the field.
void AddRow(QGridLayout* grid, QLabel* caption, QWidget* field, QLabel* unit, QScrollBar* bar = nullptr) {
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1, Qt::AlignRight);
    if (unit != nullptr) grid->addWidget(unit, row, 2);
    if (bar != nullptr) grid->addWidget(bar, row + 1, 0, 1, 3);
}

QGridLayout* GroupGrid(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 34);
    return grid;
}

} // namespace

void StartWindow::buildMenus() {
    auto* file = menuBar()->addMenu(QString());
    auto* room = menuBar()->addMenu(QString());
    auto* calc = menuBar()->addMenu(QString());
    m_captioned.push_back([this, file, room, calc] {
        file->setTitle(caption(Cap::MenuFileTitle));
        room->setTitle(caption(Cap::MenuRoomTitle));
        calc->setTitle(caption(Cap::MenuCalcTitle));
    });

    const auto add = [this](QMenu* menu, QAction* action, std::function<QString()> text) {
        menu->addAction(action);
        m_captioned.push_back([action, text = std::move(text)] { action->setText(text()); });
        return action;
    };
    // Commands whose dialogs are not part of this program yet stay disabled.
    add(file, makeAction("NeuPro", "npcap.bmp", false), slot(Cap::MenuNewProject));
    QAction* open =
        add(file, makeAction("ladP", "plcap.bmp", true), [this] { return Q(OpenProjectCaption(m_ctx)); });
    QAction* saveProject = add(file, makeAction("Psich", "pscap.bmp", true), slot(Cap::MenuSave));
    QAction* saveProjectAs = add(file, makeAction("PsichA", "sacap.bmp", true), slot(Cap::MenuSaveAs));
    file->addSeparator();
    QAction* print = add(file, makeAction("Pri", "prcap.bmp", true), slot(Cap::PrintCaption));
    open->setShortcut(QKeySequence::Open);
    saveProject->setShortcut(QKeySequence::Save);
    print->setShortcut(QKeySequence::Print);
    connect(open, &QAction::triggered, this, &StartWindow::onOpenProject);
    connect(saveProject, &QAction::triggered, this, [this] { onSaveProject(false); });
    connect(saveProjectAs, &QAction::triggered, this, [this] { onSaveProject(true); });
    connect(print, &QAction::triggered, this, &StartWindow::onPrint);
    file->addSeparator();
    QAction* exitSave = add(file, makeAction("Pend", "btcap.bmp", true), slot(Cap::MenuExit));
    QAction* exitNoSave = add(file, makeAction("PendOhne", nullptr, true), slot(Cap::MenuExitNoSave));
    connect(exitSave, &QAction::triggered, this, [this] { kelvoEnde(true); });
    connect(exitNoSave, &QAction::triggered, this, [this] { kelvoEnde(false); });

    add(room, makeAction("kgeinf", "crcap.bmp", false), slot(Cap::MenuGoods));
    add(room, makeAction("WDbearb", "WDcap.bmp", false), slot(Cap::MenuWalls));
    room->addSeparator();
    QAction* save =
        add(room, makeAction("ksich", "pscap.bmp", true), [this] { return Q(SaveRoomCaption(m_ctx)); });
    QAction* restore =
        add(room, makeAction("klad", "plcap.bmp", true), [this] { return Q(RestoreRoomMenuCaption(m_ctx)); });
    connect(save, &QAction::triggered, this, &StartWindow::onSaveRoom);
    connect(restore, &QAction::triggered, this, &StartWindow::onRestoreRoom);

    QAction* calculate = add(calc, makeAction("Rechmenu", "brcap.bmp", true), slot(Cap::CalculateButton));
    QAction* result = add(calc, makeAction("Ergmenu", "recap.bmp", true), slot(Cap::MenuResult));
    QAction* door = add(calc, makeAction("Tuermenu", "drcap.bmp", true), slot(Cap::DoorButton));
    calc->addSeparator();
    add(calc, makeAction("vddesign", "vdcap.bmp", false),
        [this] { return Q(EvaporatorDesignCaption(m_ctx)); });
    QAction* deleteEvap = add(calc, makeAction("vddelete", "loecaps.bmp", true), slot(Cap::DeleteEvaporator));
    calculate->setShortcut(QKeySequence(Qt::Key_F9));
    connect(calculate, &QAction::triggered, this, &StartWindow::onCalculate);
    connect(result, &QAction::triggered, this, &StartWindow::onResult);
    connect(door, &QAction::triggered, this, &StartWindow::openDoorPanel);
    connect(deleteEvap, &QAction::triggered, this, &StartWindow::onDeleteEvaporator);
}

QWidget* StartWindow::buildHeader() {
    auto* header = new PictureFrame;
    header->setObjectName(QStringLiteral("header"));
    m_captioned.push_back([this, header] { header->setPicture(QPixmap(dataPath("QV_Bk01.jpg"))); });
    auto* layout = new QGridLayout(header);
    layout->setContentsMargins(18, 10, 18, 10);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(4);

    m_title = makeCaption(slot(Cap::MainWindowTitle), "title");
    layout->addWidget(m_title, 0, 0, 1, 1);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(6);
    QLabel* fileCaption = makeCaption([this] { return caption(Cap::RoomFileLabel) + QStringLiteral(":"); });
    fileCaption->setProperty("role", QStringLiteral("unit"));
    m_Label50 = new QLabel;
    m_Label50->setObjectName(QStringLiteral("Label50"));
    fileRow->addWidget(fileCaption);
    fileRow->addWidget(m_Label50);
    fileRow->addStretch(1);
    layout->addLayout(fileRow, 1, 0);

    QLabel* projCaption = makeCaption(slot(Cap::ProjectNameCaption), "proj_l");
    QLabel* descCaption = makeCaption(slot(Cap::ProjectDescriptionCaption), "projbeschr_l");
    ui::InputField* proj = makeField(RoomField::proj);
    ui::InputField* desc = makeField(RoomField::projbeschr);
    proj->setMinimumWidth(220);
    desc->setMinimumWidth(320);
    layout->addWidget(projCaption, 0, 2, Qt::AlignRight);
    layout->addWidget(proj, 0, 3);
    layout->addWidget(descCaption, 1, 2, Qt::AlignRight);
    layout->addWidget(desc, 1, 3);
    layout->setColumnStretch(1, 1);
    return header;
}

QWidget* StartWindow::buildCommandBar() {
    auto* bar = new PictureFrame;
    bar->setObjectName(QStringLiteral("commandBar"));
    m_captioned.push_back([this, bar] { bar->setPicture(QPixmap(dataPath("QV_Bk041.jpg"))); });
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(4);

    const auto add = [&](const char* name, const char* face, bool enabled, std::function<QString()> text) {
        ui::PictureButton* button = makeCommand(name, face, enabled, true, kCommandFace);
        button->setFixedWidth(kCommandWidth);
        m_captioned.push_back([button, text = std::move(text)] {
            button->setText(text());
            button->setHint(text());
        });
        row->addWidget(button, 0, Qt::AlignTop);
        return button;
    };
    const auto separator = [&] {
        auto* line = new QFrame;
        line->setFrameShape(QFrame::VLine);
        line->setStyleSheet(QStringLiteral("color: #CBD5DF;"));
        row->addWidget(line);
    };
    add("NeuPButt", "npcap.bmp", false, slot(Cap::MenuNewProject));
    ui::PictureButton* openProject =
        add("ladPButt", "plcap.bmp", true, [this] { return Q(OpenProjectCaption(m_ctx)); });
    ui::PictureButton* saveProject = add("PsichButt", "pscap.bmp", true, slot(Cap::MenuSave));
    separator();
    ui::PictureButton* save =
        add("Command3D4", "pscap.bmp", true, [this] { return Q(SaveRoomCaption(m_ctx)); });
    ui::PictureButton* restore =
        add("Command3D5", "plcap.bmp", true, [this] { return Q(RestoreRoomCaption(m_ctx)); });
    separator();
    add("KelvoGutButt", "crcap.bmp", false, slot(Cap::MenuGoods));
    add("wandbutt", "WDcap.bmp", false, slot(Cap::MenuWalls));
    separator();
    add("VerdampButt", "vdcap.bmp", false, [this] { return Q(EvaporatorDesignCaption(m_ctx)); });
    ui::PictureButton* deleteEvap = add("delEvap", "loecaps.bmp", true, slot(Cap::DeleteEvaporator));
    row->addStretch(1);
    ui::PictureButton* exitSave = add("Command3D2", "btcap.bmp", true, slot(Cap::MenuExit));
    ui::PictureButton* exitNoSave = add("Command3D1", "abcap.bmp", true, slot(Cap::MenuExitNoSave));

    connect(openProject, &ui::PictureButton::triggered, this, &StartWindow::onOpenProject);
    connect(saveProject, &ui::PictureButton::triggered, this, [this] { onSaveProject(false); });
    connect(save, &ui::PictureButton::triggered, this, &StartWindow::onSaveRoom);
    connect(restore, &ui::PictureButton::triggered, this, &StartWindow::onRestoreRoom);
    connect(deleteEvap, &ui::PictureButton::triggered, this, &StartWindow::onDeleteEvaporator);
    connect(exitSave, &ui::PictureButton::triggered, this, [this] { kelvoEnde(true); });
    connect(exitNoSave, &ui::PictureButton::triggered, this, [this] { kelvoEnde(false); });
    return bar;
}

QWidget* StartWindow::buildContent() {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    m_content = content;
    content->installEventFilter(this);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(12, 8, 12, 14);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    // Reading order of a room: its size and air, the outside air and the operation, the loads and the
    // door, the evaporator; the result beside it all.
    auto* first = new QVBoxLayout;
    first->setSpacing(10);
    first->addWidget(buildDimensions());
    first->addWidget(buildInsideAir());
    first->addStretch(1);
    auto* second = new QVBoxLayout;
    second->setSpacing(10);
    second->addWidget(buildOutsideAir());
    second->addWidget(buildOperation());
    second->addWidget(buildInternalLoads());
    second->addStretch(1);
    auto* third = new QVBoxLayout;
    third->setSpacing(10);
    third->addWidget(buildDoor());
    third->addWidget(buildEvaporator());
    third->addStretch(1);

    grid->addLayout(first, 0, 0);
    grid->addLayout(second, 0, 1);
    grid->addLayout(third, 0, 2);
    grid->addWidget(buildGoods(), 1, 0, 1, 3);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    grid->setRowStretch(1, 1);
    buildDoorPanel();
    return content;
}

QGroupBox* StartWindow::buildDimensions() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("DimensionsFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::DimensionsFrame)); });
    QGridLayout* grid = GroupGrid(box);
    const QString m = Q(m_ctx.captions.units.length);
    AddRow(grid, makeCaption(slot(Cap::LengthWord), "RaumL_l"), makeField(RoomField::RaumL), makeUnit(m));
    AddRow(grid, makeCaption(slot(Cap::WidthWord), "RaumB_l"), makeField(RoomField::RaumB), makeUnit(m));
    AddRow(grid, makeCaption(slot(Cap::HeightWord), "RaumH_l"), makeField(RoomField::RaumH), makeUnit(m));

    // The room shape options open the wall or floor-plan dialog; they show the shape until those exist.
    m_retangle = new QRadioButton;
    m_retangle->setObjectName(QStringLiteral("retangle"));
    m_draw = new QRadioButton;
    m_draw->setObjectName(QStringLiteral("draw"));
    m_captioned.push_back([this] {
        m_retangle->setText(caption(Cap::RectangleOption));
        m_draw->setText(caption(Cap::DrawOption));
    });
    m_retangle->setEnabled(false);
    m_draw->setEnabled(false);
    auto* shapes = new QButtonGroup(box);
    shapes->addButton(m_retangle);
    shapes->addButton(m_draw);
    auto* shapeRow = new QHBoxLayout;
    shapeRow->addWidget(m_retangle);
    shapeRow->addWidget(m_draw);
    shapeRow->addStretch(1);
    grid->addLayout(shapeRow, grid->rowCount(), 0, 1, 3);

    m_Area = makeOutput("Area");
    m_Umfang = makeOutput("Umfang");
    m_Vol = makeOutput("Vol");
    AddRow(grid, makeCaption(slot(Cap::FloorAreaWord)), m_Area, makeUnit(m + QStringLiteral("²")));
    AddRow(grid, makeCaption(slot(Cap::PerimeterWord)), m_Umfang, makeUnit(m));
    AddRow(grid, makeCaption(slot(Cap::VolumeWord)), m_Vol, makeUnit(m + QStringLiteral("³")));
    return box;
}

QGroupBox* StartWindow::buildInsideAir() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("InsideAirFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::InsideAirFrame)); });
    QGridLayout* grid = GroupGrid(box);
    const QString degC = Q(m_ctx.captions.units.temperature);
    const QString K = Q(m_ctx.captions.units.temperatureDifference);
    AddRow(grid, makeCaption(slot(Cap::TemperatureLabel), "RaumTemp_l"), makeField(RoomField::RaumTemp),
           makeUnit(degC));
    AddRow(grid, makeCaption(slot(Cap::RelHumidityLabel), "RaumFeuchte_l"), makeField(RoomField::RaumFeuchte),
           makeUnit(QStringLiteral("%")));
    AddRow(grid, makeCaption(slot(Cap::TempDifferenceLabel), "tempdiff_l"), makeField(RoomField::tempdiff),
           makeUnit(K));
    AddRow(grid, makeCaption(slot(Cap::CoolerDt1Label), "tempDiffdt1_l"), makeField(RoomField::tempDiffdt1),
           makeUnit(K));
    AddRow(grid, makeCaption(slot(Cap::EvaporatingTemperatureLabel), "verdTemp_l"),
           makeField(RoomField::verdTemp), makeUnit(degC));
    return box;
}

QGroupBox* StartWindow::buildOutsideAir() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("OutsideAirFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::OutsideAirFrame)); });
    QGridLayout* grid = GroupGrid(box);
    AddRow(grid, makeCaption(slot(Cap::TemperatureLabel), "AussenTemp_l"), makeField(RoomField::AussenTemp),
           makeUnit(Q(m_ctx.captions.units.temperature)), makeScrollBar(RoomScrollBar::HScroll1));
    AddRow(grid, makeCaption(slot(Cap::RelHumidityLabel), "AussenFeuchte_l"),
           makeField(RoomField::AussenFeuchte), makeUnit(QStringLiteral("%")),
           makeScrollBar(RoomScrollBar::HScroll2));
    return box;
}

QGroupBox* StartWindow::buildOperation() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("OperationFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::OperationFrame)); });
    QGridLayout* grid = GroupGrid(box);
    m_LaufzeitUnit = makeUnit(QString());
    m_LaufzeitUnit->setObjectName(QStringLiteral("LaufzeitEinheit"));
    AddRow(grid, makeCaption(slot(Cap::OperatingTimeLabel), "Laufzeit_l"), makeField(RoomField::Laufzeit),
           m_LaufzeitUnit);
    m_TagesB = new QRadioButton;
    m_TagesB->setObjectName(QStringLiteral("TagesB"));
    m_SchockF = new QRadioButton;
    m_SchockF->setObjectName(QStringLiteral("SchockF"));
    m_captioned.push_back([this] {
        m_TagesB->setText(caption(Cap::DailyOperationLabel));
        m_SchockF->setText(caption(Cap::ShockFreezingLabel));
    });
    auto* basis = new QButtonGroup(box);
    basis->addButton(m_TagesB);
    basis->addButton(m_SchockF);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(m_TagesB);
    optionRow->addWidget(m_SchockF);
    optionRow->addStretch(1);
    grid->addLayout(optionRow, grid->rowCount(), 0, 1, 3);
    connect(m_TagesB, &QRadioButton::toggled, this, [this](bool on) {
        if (on) onOperatingBasis(0);
    });
    connect(m_SchockF, &QRadioButton::toggled, this, [this](bool on) {
        if (on) onOperatingBasis(1);
    });
    return box;
}

QGroupBox* StartWindow::buildInternalLoads() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("InternalLoadsFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::InternalLoadsFrame)); });
    QGridLayout* grid = GroupGrid(box);
    QLabel* perDay = makeUnit(QString());
    m_captioned.push_back([this, perDay] { perDay->setText(QStringLiteral("h/") + caption(Cap::DayWord)); });
    AddRow(grid, makeCaption(slot(Cap::PersonsPresenceLabel), "PersZahl_l"), makeField(RoomField::PersZahl),
           perDay, makeScrollBar(RoomScrollBar::HScroll4));
    AddRow(grid, makeCaption(slot(Cap::LightingLabel), "ELLeist_l"), makeField(RoomField::ELLeist),
           makeUnit(QStringLiteral("W/m²")), makeScrollBar(RoomScrollBar::HScroll6));
    AddRow(grid, makeCaption(slot(Cap::ElectricalLabel), "Eltotal_l"), makeField(RoomField::Eltotal),
           makeUnit(Q(m_ctx.captions.units.smallPower)));
    return box;
}

QGroupBox* StartWindow::buildDoor() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("DoorFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::DoorFrame)); });
    QGridLayout* grid = GroupGrid(box);
    QLabel* perDay = makeUnit(QString());
    m_captioned.push_back([this, perDay] { perDay->setText(QStringLiteral("/") + caption(Cap::DayWord)); });
    AddRow(grid, makeCaption(slot(Cap::DoorOpeningsLabel), "NBegeh_l"), makeField(RoomField::NBegeh), perDay,
           makeScrollBar(RoomScrollBar::HScroll5));
    AddRow(grid, makeCaption(slot(Cap::AirChangeRateLabel), "RaumLW_l"), makeField(RoomField::RaumLW),
           makeUnit(QStringLiteral("1/h")), makeScrollBar(RoomScrollBar::HScroll3));
    m_Label40 = makeOutput("Label40");
    AddRow(grid, makeCaption(slot(Cap::AirFlowLabel)), m_Label40,
           makeUnit(Q(m_ctx.captions.units.volumeFlow)));
    AddRow(grid, makeCaption(slot(Cap::DoorAirChangeLabel), "LWTuer_l"), makeField(RoomField::LWTuer),
           makeUnit(QStringLiteral("1/h")));

    ui::PictureButton* door = makeCommand("doorbutt", "drcap.bmp", true, false, kSmallFace);
    m_captioned.push_back([this, door] {
        door->setText(caption(Cap::DoorPanelTitle));
        door->setHint(caption(Cap::DoorPanelTitle));
    });
    connect(door, &ui::PictureButton::triggered, this, &StartWindow::openDoorPanel);
    grid->addWidget(door, grid->rowCount(), 0, 1, 3);
    m_doorGroup = box;
    m_doorButton = door;
    return box;
}

QFrame* StartWindow::buildDoorPanel() {
    // The door panel lies over the window below the door command, as a sheet with a shadow.
    auto* panel = new PictureFrame(m_content);
    panel->setObjectName(QStringLiteral("DoorPN"));
    panel->setAutoFillBackground(true);
    auto* shadow = new QGraphicsDropShadowEffect(panel);
    shadow->setBlurRadius(22);
    shadow->setOffset(0, 4);
    shadow->setColor(QColor(20, 40, 60, 90));
    panel->setGraphicsEffect(shadow);
    m_DoorPN = panel;
    m_captioned.push_back([this, panel] { panel->setPicture(QPixmap(dataPath("QV_Bk0v.jpg"))); });
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 34);
    grid->addWidget(makeCaption(slot(Cap::DoorPanelTitle), "doorTitle"), 0, 0, 1, 3);

    const QString m = Q(m_ctx.captions.units.length);
    AddRow(grid, makeCaption(slot(Cap::DoorWidthLabel), "bTuer_l"), makeField(RoomField::bTuer), makeUnit(m));
    AddRow(grid, makeCaption(slot(Cap::DoorHeightLabel), "hTuer_l"), makeField(RoomField::hTuer),
           makeUnit(m));
    QLabel* perDay = makeUnit(QString());
    m_captioned.push_back([this, perDay] { perDay->setText(QStringLiteral("h/") + caption(Cap::DayWord)); });
    AddRow(grid, makeCaption(slot(Cap::DoorOpeningTimeWord), "oeffungsZ_l"), makeField(RoomField::oeffungsZ),
           perDay);

    m_AirCurtain = new QCheckBox;
    m_AirCurtain->setObjectName(QStringLiteral("AirCurtain"));
    m_captioned.push_back([this] { m_AirCurtain->setText(caption(Cap::AirCurtainLabel)); });
    connect(m_AirCurtain, &QCheckBox::clicked, this, [this] { onDoorCompute(); });
    grid->addWidget(m_AirCurtain, grid->rowCount(), 0, 1, 3);

    ui::PictureButton* compute = makeCommand("lwrech", "lwcap.bmp", true, false, kSmallFace);
    m_captioned.push_back([this, compute] {
        compute->setText(caption(Cap::DoorAirChangeCalc));
        compute->setHint(caption(Cap::DoorAirChangeCalc));
    });
    connect(compute, &ui::PictureButton::triggered, this, &StartWindow::onDoorCompute);
    grid->addWidget(compute, grid->rowCount(), 0, 1, 3);

    AddRow(grid, makeCaption(slot(Cap::DoorAirChangeLabel), "LWergeb_l"), makeField(RoomField::LWergeb),
           makeUnit(QStringLiteral("1/h")));
    m_Label67 = new QLabel;
    m_Label67->setObjectName(QStringLiteral("Label67"));
    m_Label67->setProperty("role", QStringLiteral("unit"));
    m_Label53 = new QLabel;
    m_Label53->setObjectName(QStringLiteral("Label53"));
    m_Label53->setProperty("role", QStringLiteral("unit"));
    grid->addWidget(m_Label67, grid->rowCount(), 0, 1, 3, Qt::AlignRight);
    grid->addWidget(m_Label53, grid->rowCount(), 0, 1, 3, Qt::AlignRight);

    auto* buttons = new QHBoxLayout;
    ui::PictureButton* ok = makeCommand("OKbutt3", "okcap.bmp", true, false, kSmallFace);
    ui::PictureButton* cancel = makeCommand("abbutt3", "abcap.bmp", true, false, kSmallFace);
    m_captioned.push_back([this, ok, cancel] {
        ok->setText(caption(Cap::OkCaption));
        cancel->setText(caption(Cap::CancelCaption));
    });
    connect(ok, &ui::PictureButton::triggered, this, [this] { closeDoorPanel(true); });
    connect(cancel, &ui::PictureButton::triggered, this, [this] { closeDoorPanel(false); });
    // Escape inside the panel is its cancel.
    auto* escape =
        new QShortcut(QKeySequence(Qt::Key_Escape), panel, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { closeDoorPanel(false); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 3);
    panel->hide();
    return panel;
}

QGroupBox* StartWindow::buildEvaporator() {
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("EvaporatorFrame"));
    m_captioned.push_back([this, box] { box->setTitle(caption(Cap::EvaporatorFrame)); });
    QGridLayout* grid = GroupGrid(box);
    AddRow(grid, makeCaption([this] { return Q(EvaporatorCountCaption(m_ctx)); }, "Label7"),
           makeField(RoomField::AnzVerd), nullptr);

    // The chosen evaporator: count and type, set by the evaporator design.
    auto* typeRow = new QHBoxLayout;
    m_Label51 = new QLabel;
    m_Label51->setObjectName(QStringLiteral("Label51"));
    m_VerdNam = new QLabel;
    m_VerdNam->setObjectName(QStringLiteral("VerdNam"));
    m_VerdNam->setProperty("role", QStringLiteral("output"));
    m_VerdNam->setMinimumWidth(kFieldWidth);
    m_VerdNam->setTextInteractionFlags(Qt::TextSelectableByMouse);
    typeRow->addWidget(m_Label51);
    typeRow->addWidget(m_VerdNam, 1);
    const int row = grid->rowCount();
    grid->addWidget(makeCaption(slot(Cap::EvaporatorTypeLabel)), row, 0);
    grid->addLayout(typeRow, row, 1, 1, 2);

    const QString W = Q(m_ctx.captions.units.smallPower);
    AddRow(grid, makeCaption(slot(Cap::FanPowerLabel), "PlueftPN_l"), makeField(RoomField::PlueftPN),
           makeUnit(W));
    AddRow(grid, makeCaption(slot(Cap::DefrostHeaterLabel), "Abtau_l"), makeField(RoomField::Abtau),
           makeUnit(W));
    AddRow(grid, makeCaption(slot(Cap::DefrostShareLabel), "AbtauAnt_l"), makeField(RoomField::AbtauAnt),
           makeUnit(QStringLiteral("%")));
    return box;
}

QFrame* StartWindow::buildResult() {
    auto* panel = new PictureFrame;
    panel->setObjectName(QStringLiteral("resultPanel"));
    panel->setMinimumWidth(290);
    panel->setMaximumWidth(380);
    m_captioned.push_back([this, panel] { panel->setPicture(QPixmap(dataPath("QV_Bk042.jpg"))); });
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 12, 16, 14);
    column->setSpacing(6);
    column->addWidget(makeCaption(slot(Cap::ResultFrame), "resultTitle"));

    QLabel* q0Caption = makeCaption(slot(Cap::RequiredCapacityLabel), "RaumLeist_l");
    q0Caption->setWordWrap(true);
    column->addWidget(q0Caption);
    auto* q0Row = new QHBoxLayout;
    q0Row->setSpacing(6);
    m_RaumLeist = new QLabel;
    m_RaumLeist->setObjectName(QStringLiteral("RaumLeist"));
    m_RaumLeist->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    m_RaumLeist->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* kW = new QLabel(Q(m_ctx.captions.units.power));
    kW->setObjectName(QStringLiteral("RaumLeistUnit"));
    kW->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    q0Row->addWidget(m_RaumLeist, 1);
    q0Row->addWidget(kW);
    column->addLayout(q0Row);

    auto* evapRow = new QHBoxLayout;
    m_Label68 = new QLabel;
    m_Label68->setObjectName(QStringLiteral("Label68"));
    evapRow->addStretch(1);
    evapRow->addWidget(m_Label68);
    evapRow->addWidget(makeCaption(slot(Cap::EvaporatorWord)));
    column->addLayout(evapRow);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color: #B9CDE0;"));
    column->addWidget(rule);

    // The load components at the operating time and their shares of Q0.
    auto* lines = new QGridLayout;
    lines->setHorizontalSpacing(6);
    lines->setVerticalSpacing(3);
    const std::array<std::pair<Cap, const char*>, 9> components = {{
        {Cap::GoodsLoadLabel, ""},
        {Cap::LightingElectricalLabel, "el. "},
        {Cap::AirChangeLoadLabel, ""},
        {Cap::LatentPartLabel, "   - "},
        {Cap::SensiblePartLabel, "   - "},
        {Cap::TransmissionLabel, ""},
        {Cap::PersonsLoadLabel, ""},
        {Cap::FanPowerLabel, " el. "},
        {Cap::DefrostHeatLabel, ""},
    }};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const auto [slotId, prefix] = components[i];
        LoadRow& row = m_loadRows[i];
        row.caption = makeCaption(
            [this, slotId = slotId, prefix = prefix] { return QString::fromUtf8(prefix) + caption(slotId); });
        row.caption->setWordWrap(true);
        row.capacity = new QLabel;
        row.capacity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.share = new QLabel;
        row.share->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.share->setProperty("role", QStringLiteral("share"));
        const int r = static_cast<int>(i);
        lines->addWidget(row.caption, r, 0);
        lines->addWidget(row.capacity, r, 1);
        lines->addWidget(row.share, r, 2);
    }
    lines->setColumnStretch(0, 1);
    column->addLayout(lines);
    auto* rule2 = new QFrame;
    rule2->setFrameShape(QFrame::HLine);
    rule2->setStyleSheet(QStringLiteral("color: #B9CDE0;"));
    column->addWidget(rule2);

    ui::PictureButton* calculate = makeCommand("Rechbutt", "brcap.bmp", true, false, kCommandFace);
    ui::PictureButton* result = makeCommand("Command3D3", "recap.bmp", true, false, kCommandFace);
    ui::PictureButton* print = makeCommand("PriButt", "prcap.bmp", true, false, kCommandFace);
    m_captioned.push_back([this, calculate, result, print] {
        calculate->setText(caption(Cap::CalculateButton));
        calculate->setHint(caption(Cap::CalculateButton) + QStringLiteral(" (F9)"));
        result->setText(caption(Cap::MenuResult));
        result->setHint(caption(Cap::MenuResult));
        print->setText(caption(Cap::PrintCaption));
        print->setHint(caption(Cap::PrintCaption));
    });
    connect(calculate, &ui::PictureButton::triggered, this, &StartWindow::onCalculate);
    connect(result, &ui::PictureButton::triggered, this, &StartWindow::onResult);
    connect(print, &ui::PictureButton::triggered, this, &StartWindow::onPrint);
    column->addWidget(calculate);
    column->addWidget(result);
    column->addWidget(print);
    column->addStretch(1);

    // The logo of the report header, as the print settings chose it.
    m_logo = new QLabel;
    m_logo->setObjectName(QStringLiteral("logo"));
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->hide();
    column->addWidget(m_logo, 0, Qt::AlignHCenter);
    return panel;
}

QWidget* StartWindow::buildGoods() {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(makeCaption(slot(Cap::GoodsListFrame), "goodsTitle"));

    m_AKTKgut = new ui::GridWidget(kGoodsGridRows + 1, kGoodsGridColumns);
    m_AKTKgut->setObjectName(QStringLiteral("AKTKgut"));
    for (int c = 0; c < kGoodsGridColumns; ++c) {
        const int twips =
            c < static_cast<int>(std::size(kGoodsColumnWidthsTwips)) ? kGoodsColumnWidthsTwips[c] : 0;
        m_AKTKgut->setColumnWidthTwips(c, twips);
    }
    m_AKTKgut->setHeaderHeightTwips(kGoodsHeaderHeightTwips);
    for (int r = 1; r <= kGoodsGridRows; ++r)
        m_AKTKgut->setCellText(r, 0, QString::number(r));
    for (int c : kGoodsShadedColumns)
        m_AKTKgut->setColumnShade(c, kGoodsShade);
    m_AKTKgut->setMinimumHeight(220);
    m_captioned.push_back([this] {
        for (int c = 1; c < kGoodsGridColumns; ++c)
            m_AKTKgut->setCellText(0, c, Q(GoodsGridHeader(m_ctx, c)));
    });
    connect(m_AKTKgut, &ui::GridWidget::cellEdited, this, &StartWindow::onGoodsCellEdited);
    column->addWidget(m_AKTKgut, 1);
    return box;
}

void StartWindow::setTabOrder() {
    // Reading order: project, then the groups column by column, the result, the goods, the commands.
    std::vector<QWidget*> order;
    const auto field = [this](RoomField f) {
        return static_cast<QWidget*>(m_field[static_cast<std::size_t>(f)]);
    };
    for (RoomField f :
         {RoomField::proj, RoomField::projbeschr, RoomField::RaumL, RoomField::RaumB, RoomField::RaumH,
          RoomField::RaumTemp, RoomField::RaumFeuchte, RoomField::tempdiff, RoomField::tempDiffdt1,
          RoomField::verdTemp, RoomField::AussenTemp, RoomField::AussenFeuchte, RoomField::Laufzeit}) {
        order.push_back(field(f));
    }
    order.push_back(m_TagesB);
    order.push_back(m_SchockF);
    for (RoomField f : {RoomField::PersZahl, RoomField::ELLeist, RoomField::Eltotal, RoomField::NBegeh,
                        RoomField::RaumLW, RoomField::LWTuer}) {
        order.push_back(field(f));
    }
    order.push_back(findChild<QWidget*>(QStringLiteral("doorbutt")));
    for (RoomField f : {RoomField::bTuer, RoomField::hTuer, RoomField::oeffungsZ})
        order.push_back(field(f));
    order.push_back(m_AirCurtain);
    order.push_back(findChild<QWidget*>(QStringLiteral("lwrech")));
    order.push_back(field(RoomField::LWergeb));
    order.push_back(findChild<QWidget*>(QStringLiteral("OKbutt3")));
    order.push_back(findChild<QWidget*>(QStringLiteral("abbutt3")));
    for (RoomField f : {RoomField::AnzVerd, RoomField::PlueftPN, RoomField::Abtau, RoomField::AbtauAnt}) {
        order.push_back(field(f));
    }
    for (const char* name : {"Rechbutt", "Command3D3", "PriButt"})
        order.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
    order.push_back(m_AKTKgut);
    for (const char* name : {"NeuPButt", "ladPButt", "PsichButt", "Command3D4", "Command3D5", "KelvoGutButt",
                             "wandbutt", "VerdampButt", "delEvap", "Command3D2", "Command3D1"}) {
        order.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void StartWindow::applyStyle() {
    setStyleSheet(StyleSheet());
}

// --- Captions and pictures -----------------------------------------------------------------------------

void StartWindow::applyCaptions() {
    for (const auto& apply : m_captioned)
        apply();
    setWindowTitle(caption(Cap::MainWindowTitle));
    setWindowIcon(QIcon(ui::LoadFacePicture(dataPath("crlogo.bmp"), QSize(32, 32))));
}

// --- Showing the room ------------------------------------------------------------------------------------

void StartWindow::showRoom() {
    ++m_busy;
    const RoomRecord& room = m_controller.room();
    for (int i = 0; i < kRoomFieldCount; ++i) {
        const auto f = static_cast<RoomField>(i);
        m_field[static_cast<std::size_t>(i)]->showText(Q(FieldText(room, f)));
    }
    for (int b = 0; b < kRoomScrollBarCount; ++b) {
        if (const std::optional<int> position = ScrollPositionFromRoom(room, static_cast<RoomScrollBar>(b))) {
            m_scroll[static_cast<std::size_t>(b)]->setValue(*position);
        }
    }
    const RecalcResult& r = m_controller.result();
    m_Vol->setText(Q(r.Vol));
    m_Area->setText(Q(r.Area));
    m_Umfang->setText(Q(r.Umfang));
    m_Label51->setText(Q(r.Label51));
    m_Label68->setText(Q(r.Label68));
    m_RaumLeist->setText(Q(r.RaumLeist));
    m_VerdNam->setText(Q(room.VerdNam));
    const RoomLabels& labels = m_controller.labels();
    m_Label40->setText(Q(labels.Label40));
    m_Label53->setText(Q(labels.Label53));
    m_Label67->setText(Q(labels.Label67));
    m_Label50->setText(Q(m_ctx.currentProjectFile.empty() ? m_ctx.roomFileName : m_ctx.currentProjectFile));
    m_LaufzeitUnit->setText(Q(m_controller.operatingTimeUnit()));
    (room.operatingBasis == 1 ? m_SchockF : m_TagesB)->setChecked(true);
    (room.roomShape == kRectangularRoom ? m_retangle : m_draw)->setChecked(true);
    m_AirCurtain->setChecked(m_controller.airCurtain());

    const std::array<const LoadLine*, 9> lines = {&r.goods,   &r.electrical, &r.airChange,
                                                  &r.latent,  &r.sensible,   &r.transmission,
                                                  &r.persons, &r.fans,       &r.defrost};
    const QString kW = QStringLiteral(" ") + Q(m_ctx.captions.units.power);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_loadRows[i].capacity->setText(Q(DisplayText(lines[i]->capacity_kW)) + kW);
        m_loadRows[i].share->setText(Q(DisplayText(lines[i]->share_pct)) + QStringLiteral(" %"));
    }
    --m_busy;
}

void StartWindow::showGoods() {
    ++m_busy;
    const RoomRecord& room = m_controller.room();
    for (int r = 1; r <= kGoodsGridRows; ++r) {
        for (int c = 1; c < kGoodsGridColumns; ++c) {
            m_AKTKgut->setCellText(r, c,
                                   Q(room.goods[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        }
    }
    --m_busy;
}

void StartWindow::showMessages(const Messages& messages) {
    for (const Message& message : messages) {
        if (m_showMessage) {
            m_showMessage(message);
            continue;
        }
        const QString title = message.title.empty() ? caption(Cap::MsgTitle) : Q(message.title);
        QString text = Q(message.text);
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(IconOf(message.kind), title, text, QMessageBox::Ok, this);
        box.exec();
    }
}

// --- Handlers --------------------------------------------------------------------------------------------

void StartWindow::run(const std::function<Messages()>& command) {
    if (m_busy != 0) return;
    const Messages messages = command();
    showRoom();
    showMessages(messages);
}

void StartWindow::onFieldEdited(RoomField field) {
    if (m_busy != 0) return;
    FieldText(m_controller.room(), field) = m_field[static_cast<std::size_t>(field)]->text().toStdString();
    if (m_controller.fieldEdited(field)) showRoom();
}

void StartWindow::onFieldCommitted(RoomField field) {
    if (m_busy != 0) return;
    FieldText(m_controller.room(), field) = m_field[static_cast<std::size_t>(field)]->text().toStdString();
    run([this, field] { return m_controller.commitField(field); });
}

void StartWindow::onScrollBar(RoomScrollBar bar, int position) {
    run([this, bar, position] { return m_controller.scrollBarMoved(bar, position); });
}

void StartWindow::onOperatingBasis(int basis) {
    run([this, basis] { return m_controller.setOperatingBasis(basis); });
}

void StartWindow::onGoodsCellEdited(int row, int column) {
    const std::string text = m_AKTKgut->cellText(row, column).toStdString();
    run([this, row, column, text] { return m_controller.goodsCellEdited(row, column, text); });
}

void StartWindow::onDoorCompute() {
    run([this] { return m_controller.computeDoor(m_AirCurtain->isChecked()); });
}

void StartWindow::onCalculate() {
    run([this] { return m_controller.calculate(); });
}

void StartWindow::onResult() {
    if (m_busy != 0) return;
    run([this] { return m_controller.calculateWithResultFiles(); });
    m_controller.takeProjectTexts(); // the report header names the project
    if (m_openResultWindow) m_openResultWindow();
}

void StartWindow::onSaveRoom() {
    if (m_busy == 0) m_controller.saveRoom(kDefaultRoomFile);
}

void StartWindow::onRestoreRoom() {
    if (m_busy != 0) return;
    run([this] { return m_controller.loadRoom(kDefaultRoomFile); });
    showGoods();
}

void StartWindow::showProjectFile() {
    showRoom();
    if (m_ctx.currentProjectFile.empty()) return;
    setWindowTitle(caption(Cap::MainWindowTitle) + QStringLiteral(" - ") + Q(m_ctx.projectName));
}

void StartWindow::onOpenProject() {
    if (m_busy != 0) return;
    // A project that could not be opened has left "KelvoL.dat" as it was: the room on screen stays.
    if (!OpenProjectInteractive(m_ctx, this)) return;
    run([this] { return m_controller.loadRoom(kDefaultRoomFile); });
    showGoods();
    showProjectFile();
}

void StartWindow::onSaveProject(bool askForName) {
    if (m_busy != 0) return;
    // The project carries the room record file: it is written first, with the texts on screen.
    m_controller.saveRoom(kDefaultRoomFile);
    m_controller.takeProjectTexts();
    if (askForName) {
        SaveProjectAsInteractive(m_ctx, this);
    } else {
        SaveProjectInteractive(m_ctx, this);
    }
    showProjectFile();
}

void StartWindow::onPrint() {
    if (m_busy != 0) return;
    // The printed pages are the result files: they are written anew before printing.
    run([this] { return m_controller.calculateWithResultFiles(); });
    m_controller.takeProjectTexts();
    m_ctx.displayMode = kRoomResultDisplay;
    Select_Action(m_ctx, SketchOfRoom(m_controller.room(), m_ctx), this);
}

void StartWindow::showLogo() {
    const QString path = Q(m_ctx.logoPath);
    if (path == m_logoShown) return;
    m_logoShown = path;
    // Settings written on another system may carry "\" and another letter case.
    QPixmap logo(path);
    if (logo.isNull() && !path.isEmpty()) {
        logo.load(
            Q(FindFileNoCase(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString())));
    }
    if (logo.isNull()) {
        m_logo->clear();
        m_logo->hide();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = logo.scaled(kLogoBox * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_logo->setPixmap(scaled);
    m_logo->show();
}

void StartWindow::onDeleteEvaporator() {
    run([this] { return m_controller.deleteEvaporator(); });
}

void StartWindow::placeDoorPanel() {
    const QPoint below = m_doorButton->mapTo(m_content, QPoint(0, m_doorButton->height() + 4));
    const QPoint groupLeft = m_doorGroup->mapTo(m_content, QPoint(0, 0));
    const int width = m_doorGroup->width();
    m_DoorPN->setGeometry(groupLeft.x(), below.y(), width,
                          m_DoorPN->heightForWidth(width) > 0 ? m_DoorPN->heightForWidth(width)
                                                              : m_DoorPN->sizeHint().height());
}

void StartWindow::openDoorPanel() {
    placeDoorPanel();
    m_DoorPN->raise();
    m_DoorPN->show();
    m_field[static_cast<std::size_t>(RoomField::bTuer)]->setFocus(Qt::OtherFocusReason);
}

void StartWindow::closeDoorPanel(bool accept) {
    if (accept) run([this] { return m_controller.acceptDoor(); });
    m_DoorPN->hide();
}

bool StartWindow::doorPanelOpen() const {
    return m_DoorPN->isVisible();
}

// --- Activation and exit ----------------------------------------------------------------------------------

void StartWindow::activate() {
    if (m_exiting) return;
    ++m_busy;
    const RoomController::Activation activation = m_controller.activate();
    if (activation.firstActivation) applyCaptions();
    if (!activation.windowTitle.empty()) setWindowTitle(Q(activation.windowTitle));
    if (activation.reread) {
        showGoods();
        showRoom();
    }
    // A project opened at start-up is shown like one opened by the open command.
    if (activation.firstActivation && !m_ctx.currentProjectFile.empty()) showProjectFile();
    // The print settings may have chosen another logo while a dialog was open.
    showLogo();
    --m_busy;
    showMessages(activation.messages);
}

void StartWindow::kelvoEnde(bool save) {
    if (m_exiting) return;
    m_exiting = true;
    m_controller.exit(save);
    close();
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_content && event->type() == QEvent::Resize && m_DoorPN->isVisible()) placeDoorPanel();
    return QMainWindow::eventFilter(watched, event);
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
    if (m_ctx.activationState == kNeverActivated) activate();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    // Closing by the frame is the exit without saving, unless the window is filling its fields.
    if (!m_exiting && m_busy == 0) {
        m_exiting = true;
        m_controller.exit(false);
    }
    event->accept();
}

} // namespace veskaro
