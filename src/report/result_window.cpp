// ErgebEdit: page chooser, header switch and the buttons around the report page.

#include "report/result_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "app/app_context.h"
#include "app/record_file.h"
#include "report/chart_placement.h"
#include "report/print_settings_dialog.h"
#include "report/report_faces_qt.h"
#include "ui/picture_button.h"

namespace veskaro {

namespace {
// Screen sheet: A4 proportions, large enough for 6-point table rows to read.
constexpr int kSheetWidth = 720;
constexpr double kSheetAspect = 297.0 / 210.0;
constexpr int kSheetMargin = 10;            // grey border around the sheet
constexpr double kMinimumSheetScale = 0.85; // smallest sheet on which 8-point lines stay apart
constexpr double kMinZoom = 0.5, kMaxZoom = 4.0;
const QColor kDeskColour(0xD9, 0xDE, 0xE4);
const QColor kSheetShadow(0, 0, 0, 40);
} // namespace

// --- ReportPageView ----------------------------------------------------------------------------------

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ReportPageView::setPage(std::vector<DrawOp> ops, ReportStyle style) {
    m_ops = std::move(ops);
    m_style = std::move(style);
    update();
}

QRectF ReportPageView::sheetRect() const {
    const QRectF room = QRectF(rect()).adjusted(kSheetMargin, kSheetMargin, -kSheetMargin, -kSheetMargin);
    double width = room.width();
    double height = width * kSheetAspect;
    if (height > room.height()) {
        height = room.height();
        width = height / kSheetAspect;
    }
    return QRectF(room.center().x() - width / 2.0, room.top(), width, height);
}

QSize ReportPageView::sizeHint() const {
    const double width = kSheetWidth * m_zoom;
    return QSize(static_cast<int>(width) + 2 * kSheetMargin,
                 static_cast<int>(width * kSheetAspect) + 2 * kSheetMargin);
}

void ReportPageView::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateGeometry();
    update();
}

QSize ReportPageView::minimumSizeHint() const {
    return sizeHint() * kMinimumSheetScale;
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kDeskColour);
    const QRectF sheet = sheetRect();
    painter.fillRect(sheet.translated(3.0, 3.0), kSheetShadow);
    painter.fillRect(sheet, Qt::white);
    painter.setClipRect(sheet);
    PaintReportOps(painter, sheet, m_ops, m_style);
}

// --- ResultWindow ------------------------------------------------------------------------------------

ResultWindow::ResultWindow(AppContext& ctx, RoomSketch room, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_room(std::move(room)) {
    setObjectName(QStringLiteral("ErgebEdit"));
    setModal(true);
    buildUi();
}

int ResultWindow::reportCode() const {
    return m_ctx.displayMode == DisplayMode::UValueReport ? kUValueReport : kRoomResultReport;
}

void ResultWindow::buildHeader(QVBoxLayout* root) {
    const CaptionTable& cap = m_ctx.captions;
    // Project name and description with their captions; the header switch.
    auto* top = new QGridLayout;
    m_Label3 = new QLabel(QString::fromStdString(cap[Cap::ProjectNameCaption] + " :"), this);
    m_Label3->setObjectName(QStringLiteral("Label3"));
    m_Label4 = new QLabel(QString::fromStdString(cap[Cap::ProjectDescriptionCaption] + " :"), this);
    m_Label4->setObjectName(QStringLiteral("Label4"));
    m_Label1 = new QLabel(this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label2 = new QLabel(this);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* value : {m_Label1, m_Label2}) {
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
    }
    m_PrintHead = new QCheckBox(QString::fromStdString(cap[Cap::PrintHeaderCaption]), this);
    m_PrintHead->setObjectName(QStringLiteral("PrintHead"));
    top->addWidget(m_Label3, 0, 0);
    top->addWidget(m_Label1, 0, 1);
    top->addWidget(m_Label4, 1, 0);
    top->addWidget(m_Label2, 1, 1);
    top->setColumnStretch(1, 1);
    top->addWidget(m_PrintHead, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    root->addLayout(top);
}

void ResultWindow::buildCommands(QVBoxLayout* root) {
    const CaptionTable& cap = m_ctx.captions;
    // Commands.
    auto* buttons = new QHBoxLayout;
    m_Command3D2 = MakeCommandButton(m_ctx, QStringLiteral("Command3D2"), QStringLiteral("Prcap.bmp"),
                                     QString::fromStdString(cap[Cap::PrintCaption]),
                                     QStyle::SP_FileDialogContentsView, this);
    m_Command3D4 = MakeCommandButton(m_ctx, QStringLiteral("Command3D4"), QStringLiteral("stcap.bmp"),
                                     QString(), QStyle::SP_FileDialogDetailedView, this);
    m_Command3D4->setVisible(false); // heat-exchanger selection: only for sibling programs
    m_Command3D1 =
        MakeCommandButton(m_ctx, QStringLiteral("Command3D1"), QStringLiteral("OKcap.bmp"),
                          QString::fromStdString(cap[Cap::OkCaption]), QStyle::SP_DialogOkButton, this);
    m_Command3D3 =
        MakeCommandButton(m_ctx, QStringLiteral("Command3D3"), QStringLiteral("abcap.bmp"),
                          QString::fromStdString(cap[Cap::CloseCaption]), QStyle::SP_DialogCloseButton, this);
    buttons->addWidget(m_Command3D2);
    buttons->addWidget(m_Command3D4);
    buttons->addStretch(1);
    buttons->addWidget(m_Command3D1);
    buttons->addWidget(m_Command3D3);
    root->addLayout(buttons);
}

void ResultWindow::buildUi() {
    auto* root = new QVBoxLayout(this);
    buildHeader(root);

    // The page and its chooser.
    auto* middle = new QHBoxLayout;
    // Below its natural size the sheet scrolls instead of squeezing the 8-point lines together.
    m_scroller = new QScrollArea(this);
    QScrollArea* scroller = m_scroller;
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    // The window reads the paging keys itself, so that they turn the pages at the sheet's end.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->viewport()->installEventFilter(this);
    m_page = new ReportPageView(scroller);
    m_page->setObjectName(QStringLiteral("ReportPage"));
    scroller->setWidget(m_page);
    middle->addWidget(scroller, 1);
    auto* chooser = new QVBoxLayout;
    m_VScroll1 = new QScrollBar(Qt::Vertical, this);
    m_VScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_VScroll1->setRange(1, ReportPageCount(reportCode()));
    m_VScroll1->setSingleStep(1);
    m_VScroll1->setPageStep(1);
    m_VScroll1->setFixedHeight(96);
    m_pageNumber = new QLabel(this);
    m_pageNumber->setAlignment(Qt::AlignHCenter);
    chooser->addWidget(m_VScroll1, 0, Qt::AlignHCenter);
    chooser->addWidget(m_pageNumber);
    chooser->addStretch(1);
    middle->addLayout(chooser);
    root->addLayout(middle, 1);
    buildCommands(root);

    // Open with the whole sheet in view where the screen allows it.
    const QSize fullPage = root->sizeHint() + (m_page->sizeHint() - scroller->sizeHint()) + QSize(4, 4);
    const QScreen* screen = this->screen();
    resize(screen != nullptr ? fullPage.boundedTo(screen->availableSize()) : fullPage);
    m_fullPageSize = fullPage;

    connect(m_Command3D1, &ui::PictureButton::triggered, this, &ResultWindow::closeWindow);
    connect(m_Command3D3, &ui::PictureButton::triggered, this, &ResultWindow::closeWindow);
    connect(m_Command3D2, &ui::PictureButton::triggered, this, &ResultWindow::printReport);
    connect(m_PrintHead, &QCheckBox::toggled, this, [this](bool checked) {
        m_ctx.printHeaderFlag = checked ? 1 : 0;
        if (!m_activating) drawPage();
    });
    connect(m_VScroll1, &QScrollBar::valueChanged, this, [this](int) {
        if (!m_activating) drawPage();
    });
}

void ResultWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activate();
}

void ResultWindow::activate() {
    m_activating = true;
    m_PrintHead->setChecked(m_ctx.printHeaderFlag == 1);
    m_VScroll1->setValue(1);
    m_activating = false;
    m_Label1->setText(QString::fromStdString(m_ctx.projectName));
    m_Label2->setText(QString::fromStdString(m_ctx.projectDescription));
    if (reportCode() == kUValueReport) {
        setWindowTitle(QString::fromStdString("Veskaro: " + m_ctx.captions[Cap::UValueTitleWord] + " " +
                                              m_ctx.captions[Cap::UValueWord]));
    } else {
        setWindowTitle(QString::fromStdString(ReportWindowTitle(m_ctx)));
    }
    drawPage();
}

void ResultWindow::drawPage() {
    const int page = reportCode() == kUValueReport ? 1 : m_VScroll1->value();
    m_pageNumber->setText(QStringLiteral("%1 / %2").arg(page).arg(ReportPageCount(reportCode())));
    std::vector<DrawOp> ops = LayOutReportPage(m_ctx, reportCode(), page, kScreenBodySize_pt);
    ReportStyle style = ReportStyleOf(m_ctx, m_room, m_shares);
    // The chart closes the room result's first page, as on paper.
    if (reportCode() == kRoomResultReport && page == 1 && style.chart.valid && !ops.empty())
        PlaceLoadChart(ops);
    m_page->setPage(std::move(ops), std::move(style));
}

void ResultWindow::closeWindow() {
    m_ctx.dialogMode = DialogMode::None;
    accept();
}

void ResultWindow::printReport() {
    Select_Action(m_ctx, m_room, this, m_shares);
    drawPage(); // the report font may have changed
}

void ShowResultWindow(AppContext& ctx, const RoomSketch& room, QWidget* parent, const LoadShares& shares) {
    ResultWindow window(ctx, room, parent);
    window.setLoadShares(shares);
    window.exec();
}

} // namespace veskaro
