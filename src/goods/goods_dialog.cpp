#include "goods/goods_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/record_file.h"
#include "goods/goods_dialog_layout_qt.h"
#include "goods/product_groups.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

const GoodsSettings kDefaultSettings{"", "200", "10%"};
const QColor kCatalogueGrey(0xE8, 0xEA, 0xED); // light grey of every second product row
constexpr QSize kPictureSize(150, 112);

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

GoodsDialog::GoodsDialog(AppContext& ctx, GoodsRoomValues room, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_room(std::move(room)),
      m_session(OpenGoodsSession(ctx, kDefaultSettings)) {
    setObjectName(QStringLiteral("Kgut"));
    setWindowTitle(Q(ctx.captions[Cap::GoodsDialogTitle]));
    auto* column = new QVBoxLayout(this);
    auto* bar = new QMenuBar;
    column->setMenuBar(bar);
    buildMenu(bar);
    auto* top = new QHBoxLayout;
    m_kgutcombo = new QComboBox;
    m_kgutcombo->setObjectName(QStringLiteral("kgutcombo"));
    m_SSTab1 = new QTabBar;
    m_SSTab1->setObjectName(QStringLiteral("SSTab1"));
    m_SSTab1->setExpanding(false);
    for (int g = 1; g <= kProductGroupCount; ++g) {
        m_kgutcombo->addItem(Q(GroupCaption(ctx.captions, g)));
        m_SSTab1->addTab(Q(GroupCaption(ctx.captions, g)));
    }
    top->addWidget(m_kgutcombo);
    top->addWidget(m_SSTab1, 1);
    column->addLayout(top);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildCatalogue(), 1);
    auto* side = new QVBoxLayout;
    m_Picture1 = new QLabel;
    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    m_Picture1->setFixedSize(kPictureSize);
    m_Picture1->setFrameShape(QFrame::Box);
    side->addWidget(m_Picture1, 0, Qt::AlignHCenter);
    side->addWidget(buildProductPanel());
    side->addStretch(1);
    middle->addLayout(side);
    column->addLayout(middle, 3);
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildGoodsList(), 1);
    lower->addWidget(buildGroupInsert());
    column->addLayout(lower, 2);
    column->addWidget(buildCommands());

    connect(m_kgutcombo, &QComboBox::currentIndexChanged, this, [this](int i) { switchGroup(i + 1); });
    connect(m_SSTab1, &QTabBar::currentChanged, this, [this](int i) { switchGroup(i + 1); });
    m_kgutcombo->setCurrentIndex(m_session.catalogue.group - 1);
    m_SSTab1->setCurrentIndex(m_session.catalogue.group - 1);
    showCatalogue();
    showGoodsList();
    resize(1180, 760);
    m_loading = false;
}

GoodsDialog::~GoodsDialog() = default;

void GoodsDialog::buildMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(Q(m_ctx.captions[Cap::ProductGroupMenu]));
    menu->setObjectName(QStringLiteral("KelvoGut"));
    for (int g = 1; g <= kProductGroupCount; ++g) {
        QAction* entry = menu->addAction(Q(GroupCaption(m_ctx.captions, g)));
        entry->setObjectName(QStringLiteral("kg%1").arg(g));
        connect(entry, &QAction::triggered, this, [this, g] { switchGroup(g); });
    }
    menu->addSeparator();
    QAction* insert = menu->addAction(Q(m_ctx.captions[Cap::InsertProductMenu]));
    insert->setObjectName(QStringLiteral("Einfue"));
    connect(insert, &QAction::triggered, this, [this] { openProductPanel(m_DataKgut->currentGridRow()); });
}

QWidget* GoodsDialog::buildCatalogue() {
    auto* frame = new QGroupBox(Q(m_ctx.captions[Cap::CatalogueFrame]));
    auto* column = new QVBoxLayout(frame);
    m_DataKgut = new ui::GridWidget(kCatalogueRows + 1, kCatalogueColumns);
    m_DataKgut->setObjectName(QStringLiteral("DataKgut"));
    SetupGoodsGrid(m_DataKgut, CatalogueHeaders(), m_ctx.captions);
    m_DataKgut->setAlternatingRowColors(true);
    QPalette shades = m_DataKgut->palette();
    shades.setColor(QPalette::Base, Qt::white);
    shades.setColor(QPalette::AlternateBase, kCatalogueGrey);
    m_DataKgut->setPalette(shades);
    m_DataKgut->installEventFilter(this);
    connect(m_DataKgut, &ui::GridWidget::cellEdited, this, &GoodsDialog::onCatalogueEdited);
    connect(m_DataKgut, &QTableWidget::cellClicked, this,
            [this](int row, int col) { onCatalogueClicked(row + 1, col + 1); });
    column->addWidget(m_DataKgut);
    m_restNote = new QLabel;
    m_restNote->setObjectName(QStringLiteral("restNote"));
    m_restNote->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_restNote->setWordWrap(true);
    column->addWidget(m_restNote);
    return frame;
}

// --- Catalogue -------------------------------------------------------------------------------------------

void GoodsDialog::showCatalogue() {
    const Catalogue& cat = m_session.catalogue;
    for (int r = 1; r <= kCatalogueRows; ++r)
        for (int c = 0; c < kCatalogueColumns; ++c)
            m_DataKgut->setCellText(r, c, Q(cat.grid[Index(r)][Index(c)]));
    m_DataKgut->setCurrentGridCell(1, 1);
    m_restNote->setVisible(cat.restNotShown);
    if (cat.restNotShown)
        m_restNote->setText(Q(RestNotShownNote(m_ctx.captions, cat.group, m_ctx.languageCode)));
    showPicture();
}

void GoodsDialog::showPicture() {
    const QString path = Q(ResolveDataPath(m_ctx, GroupPictureFile(m_ctx, m_session.catalogue.group)));
    m_Picture1->setPixmap(QPixmap(path).scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void GoodsDialog::switchGroup(int group) {
    if (m_loading || group < 1 || group > kProductGroupCount || group == m_session.catalogue.group) return;
    m_DataKgut->finishEdit();
    m_loading = true;
    m_KelvoGPN->hide();
    const WriteStatus saved = SwitchGroup(m_ctx, m_session.catalogue, group);
    m_session.settings.groupName = GroupCaption(m_ctx.captions, group);
    m_kgutcombo->setCurrentIndex(group - 1);
    m_SSTab1->setCurrentIndex(group - 1);
    showCatalogue();
    m_loading = false;
    if (!saved) showMessage({MessageKind::Critical, "", WriteFailureMessage(saved)});
}

void GoodsDialog::onCatalogueEdited(int row, int column) {
    if (row < 1 || row > kCatalogueRows || column < 1 || column >= kCatalogueColumns) return;
    m_session.catalogue.grid[Index(row)][Index(column)] = m_DataKgut->cellText(row, column).toStdString();
    if (row == m_panelRow && m_KelvoGPN->isVisible()) openProductPanel(row);
}

void GoodsDialog::onCatalogueClicked(int row, int column) {
    if (column == kCatName) {
        openProductPanel(row);
    } else {
        m_KelvoGPN->hide();
    }
}

void GoodsDialog::openProductPanel(int row) {
    if (row < 1 || row > kCatalogueRows) return;
    m_panelRow = row;
    const CatalogueRow& product = m_session.catalogue.grid[Index(row)];
    m_KGPN->setText(Q(product[kCatName]));
    for (std::size_t i = 0; i < std::size(kPanelColumns); ++i)
        m_values[i]->setText(Q(product[Index(kPanelColumns[i])]));
    m_EndTKG->setText(Q(m_room.roomTemp));
    m_KelvoGPN->show();
}

bool GoodsDialog::catalogueKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    std::optional<GridKey> action;
    if (key == Qt::Key_Delete) action = shift ? GridKey::ShiftDelete : GridKey::Delete;
    if (key == Qt::Key_Insert && shift) action = GridKey::ShiftInsert;
    if (key == Qt::Key_C && ctrl) action = GridKey::CtrlC;
    if (key == Qt::Key_V && ctrl) action = GridKey::CtrlV;
    if (!action) return false;
    const int row = m_DataKgut->currentGridRow();
    const int col = m_DataKgut->currentGridColumn();
    CellRange selection{row, col, row, col};
    if (const auto ranges = m_DataKgut->selectedRanges(); !ranges.isEmpty()) {
        const QTableWidgetSelectionRange& r = ranges.front();
        selection = {r.topRow() + 1, r.leftColumn() + 1, r.bottomRow() + 1, r.rightColumn() + 1};
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    const GridKeyOutcome outcome = CatalogueKeyAction(m_session.catalogue.grid, *action, selection, row, col,
                                                      clipboard->text().toStdString());
    if (outcome.clipboardText) clipboard->setText(Q(*outcome.clipboardText));
    for (const CellWrite& w : outcome.writes)
        m_DataKgut->setCellText(w.row, w.column, Q(w.text));
    return true;
}

bool GoodsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_DataKgut && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (catalogueKey(key->key(), key->modifiers())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- Goods list ------------------------------------------------------------------------------------------

void GoodsDialog::showGoodsList() {
    const GoodsGrid& goods = m_session.list.grid();
    for (int r = 1; r <= kGoodsGridRows; ++r)
        for (int c = 1; c < kGoodsGridColumns; ++c)
            m_AKTKgut->setCellText(r, c, Q(goods[Index(r)][Index(c)]));
}

void GoodsDialog::insertProduct() {
    m_DataKgut->finishEdit();
    const InsertInput input{m_KelvoGMenge->text().toStdString(), m_KelvoGTemp->text().toStdString(),
                            m_EndTKG->text().toStdString()};
    const InsertResult result =
        m_session.list.insertProduct(m_session.catalogue.grid[Index(m_panelRow)], input);
    if (result.message) {
        showMessage(ComposeMessage(*result.message, m_ctx.captions));
        QLineEdit* focus = result.message->focus == InsertField::Amount           ? m_KelvoGMenge
                           : result.message->focus == InsertField::EndTemperature ? m_EndTKG
                                                                                  : m_KelvoGTemp;
        if (result.message->focus != InsertField::None) focus->setFocus();
        return;
    }
    m_KelvoGPN->hide();
    showGoodsList();
}

void GoodsDialog::insertGroup() {
    const InsertInput input{m_KelvoGMenge2->text().toStdString(), m_TeinB->text().toStdString(),
                            m_room.roomTemp};
    const InsertResult result =
        m_session.list.insertGroup(m_ctx.captions, m_session.settings.groupName, input);
    if (result.message) {
        showMessage(ComposeMessage(*result.message, m_ctx.captions));
        if (result.message->focus == InsertField::Amount) m_KelvoGMenge2->setFocus();
        if (result.message->focus == InsertField::EntryTemperature) m_TeinB->setFocus();
        return;
    }
    showGoodsList();
}

void GoodsDialog::proposeAmount() {
    m_KelvoGMenge2->setText(Q(ProposedAmount(m_BelegrateCombo->currentText().toStdString(), m_room.volume,
                                             m_Umschlagcombo->currentText().toStdString())));
}

void GoodsDialog::clearList() {
    if (!showMessage(ComposeMessage(ClearListQuestion(), m_ctx.captions))) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_session.list.clear();
    showGoodsList();
    QApplication::restoreOverrideCursor();
}

// --- Messages and closing --------------------------------------------------------------------------------

bool GoodsDialog::showMessage(const Message& message) {
    if (m_showMessage) return m_showMessage(message);
    QString text = Q(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const bool question = message.kind == MessageKind::Question;
    QMessageBox box(question                                ? QMessageBox::Question
                    : message.kind == MessageKind::Critical ? QMessageBox::Critical
                                                            : QMessageBox::Warning,
                    Q(message.title), text, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    this);
    return box.exec() == QMessageBox::Yes;
}

void GoodsDialog::accept() {
    m_DataKgut->finishEdit();
    m_session.settings.loadingDensity = m_BelegrateCombo->currentText().toStdString();
    m_session.settings.turnover = m_Umschlagcombo->currentText().toStdString();
    // The group name stays as read for a name that matches no group (the combo shows none then).
    const std::vector<WriteStatus> failed = CommitGoodsSession(m_ctx, m_session);
    std::string text;
    for (const WriteStatus& status : failed)
        text += (text.empty() ? "" : "\r") + WriteFailureMessage(status);
    if (!text.empty()) showMessage({MessageKind::Critical, "", text});
    finish(true);
    QDialog::accept();
}

void GoodsDialog::reject() {
    finish(false);
    QDialog::reject();
}

void GoodsDialog::finish(bool accepted) {
    // A new project goes on (O.K.) or restores the room file it set aside (Cancel).
    if (m_ctx.newProjectPending && m_newProjectEnding) m_newProjectEnding(m_ctx, accepted);
}

} // namespace veskaro
