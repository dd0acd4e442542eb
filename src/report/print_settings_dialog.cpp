// DruckEInstell and the print command: font, logo, printer set-up, printer information, printing.

#include "report/print_settings_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "app/app_context.h"
#include "project/project_dialog.h"
#include "report/report_faces_qt.h"
#include "report/report_renderer_qt.h"
#include "report/room_sketch.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {
constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerInch = 1440.0;
constexpr int kSampleSize_pt = 14;
constexpr int kMinimumWidth = 560;
const QSize kLogoBox(260, 80); // the logo picture as the header shows it, about 260 x 80 pixels

// A label in the dialog's font, bold.
QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

int printCMsetup(AppContext& ctx, QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(
        Q("Veskaro " + ctx.captions[Cap::PrinterSetupWord1] + " " + ctx.captions[Cap::PrinterSetupWord2]));
    if (dialog.exec() != QDialog::Accepted) return 0;
    // "Print to file" in the dialog: the job becomes a PDF file.
    if (!printer.outputFileName().isEmpty()) printer.setOutputFormat(QPrinter::PdfFormat);
    return 1;
}

PrintSettingsDialog::PrintSettingsDialog(AppContext& ctx, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_printer(printer) {
    setObjectName(QStringLiteral("DruckEInstell"));
    setModal(true);
    m_runPrinterDialog = [this](QPrinter& p, QWidget* owner) { return printCMsetup(m_ctx, p, owner); };
    buildUi();
}

void PrintSettingsDialog::buildUi() {
    const CaptionTable& cap = m_ctx.captions;
    setWindowTitle(Q(cap[Cap::PrintSettingsTitle]));
    setMinimumWidth(kMinimumWidth);
    auto* root = new QVBoxLayout(this);

    // Title row with the ice cube picture.
    auto* titleRow = new QHBoxLayout;
    m_iceC = new QLabel(this);
    m_iceC->setObjectName(QStringLiteral("iceC"));
    const QPixmap ice = LoadDataPicture(m_ctx, QStringLiteral("iceCube.bmp"));
    if (!ice.isNull()) m_iceC->setPixmap(ice.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_iceC->setVisible(!ice.isNull());
    titleRow->addWidget(m_iceC);
    titleRow->addWidget(Heading(Q(cap[Cap::PrintSettingsTitle]), this), 1);
    root->addLayout(titleRow);
    buildFontAndLogo(root);
    buildOptions(root);
    buildCommands(root);
}

void PrintSettingsDialog::buildFontAndLogo(QVBoxLayout* root) {
    const CaptionTable& cap = m_ctx.captions;
    // Report font.
    auto* fontBox = new QGroupBox(Q(cap[Cap::FontLabel]), this);
    auto* fontLayout = new QVBoxLayout(fontBox);
    m_fontlist = new QComboBox(fontBox);
    m_fontlist->setObjectName(QStringLiteral("fontlist"));
    const QStringList families = QFontDatabase::families();
    m_fontlist->addItems(families);
    const QString current = Q(m_ctx.fontName);
    if (!families.contains(current)) m_fontlist->insertItem(0, current); // resolved by substitution
    m_fontlist->setCurrentText(current);
    m_FonttestPN = new QLabel(QStringLiteral("ABC abc 1234"), fontBox);
    m_FonttestPN->setObjectName(QStringLiteral("FonttestPN"));
    m_FonttestPN->setMinimumHeight(36);
    fontLayout->addWidget(m_fontlist);
    fontLayout->addWidget(m_FonttestPN);
    root->addWidget(fontBox);
    chooseFont(current);

    // Logo picture of the page header.
    auto* logoBox = new QGroupBox(Q(cap[Cap::LogoWord]), this);
    auto* logoLayout = new QGridLayout(logoBox);
    m_Label3 = new QLabel(Q(cap[Cap::LogoWord]) + QStringLiteral(" Graphic: *.jpg,  Size  ~260 x 80 Pixel"),
                          logoBox);
    m_Label3->setObjectName(QStringLiteral("Label3"));
    m_Command1 = new QPushButton(Q(cap[Cap::LogoSelectVerb] + " Graphic *.jpg " + cap[Cap::LogoSelectObject]),
                                 logoBox);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Text1 = new QLineEdit(Q(m_ctx.logoPath), logoBox);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Picture1 = new QLabel(logoBox);
    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    m_Picture1->setFixedSize(kLogoBox + QSize(4, 4));
    m_Picture1->setAlignment(Qt::AlignCenter);
    m_Picture1->setFrameShape(QFrame::StyledPanel);
    logoLayout->addWidget(m_Label3, 0, 0, 1, 2);
    logoLayout->addWidget(m_Text1, 1, 0, 1, 2);
    logoLayout->addWidget(m_Picture1, 2, 0, 1, 2, Qt::AlignLeft);
    logoLayout->addWidget(m_Command1, 3, 0, 1, 2, Qt::AlignLeft);
    logoLayout->setColumnStretch(1, 1);
    root->addWidget(logoBox);
    showPicture();
}

void PrintSettingsDialog::buildOptions(QVBoxLayout* root) {
    const CaptionTable& cap = m_ctx.captions;
    // Frame style (kept for the family; no effect on printing here) and the hidden orientation choice.
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(new QLabel(QStringLiteral("Frame Style"), this));
    m_Combo1 = new QComboBox(this);
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    m_Combo1->addItems(
        {QStringLiteral("2 = normal"), QStringLiteral("1 = maximized"), QStringLiteral("0 = none")});
    styleRow->addWidget(m_Combo1);
    styleRow->addStretch(1);
    root->addLayout(styleRow);
    m_Landscape = new QGroupBox(this);
    m_Landscape->setObjectName(QStringLiteral("Landscape"));
    auto* orientation = new QHBoxLayout(m_Landscape);
    m_Option1 = new QRadioButton(m_Landscape);
    m_Option1->setObjectName(QStringLiteral("Option1"));
    m_Option2 = new QRadioButton(m_Landscape);
    m_Option2->setObjectName(QStringLiteral("Option2"));
    orientation->addWidget(m_Option1);
    orientation->addWidget(m_Option2);
    m_Landscape->setVisible(false); // orientation belongs to the family's drawing program
    root->addWidget(m_Landscape);

    // Printer information panel.
    m_Panel3D1 = new QFrame(this);
    m_Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    m_Panel3D1->setFrameShape(QFrame::StyledPanel);
    auto* info = new QGridLayout(m_Panel3D1);
    m_Pwidth = new QLabel(m_Panel3D1);
    m_Pwidth->setObjectName(QStringLiteral("Pwidth"));
    m_Pheight = new QLabel(m_Panel3D1);
    m_Pheight->setObjectName(QStringLiteral("Pheight"));
    m_Swidth = new QLabel(m_Panel3D1);
    m_Swidth->setObjectName(QStringLiteral("Swidth"));
    m_Sheight = new QLabel(m_Panel3D1);
    m_Sheight->setObjectName(QStringLiteral("Sheight"));
    m_Command3D1 = new QPushButton(Q(cap[Cap::CloseCaption]), m_Panel3D1);
    m_Command3D1->setObjectName(QStringLiteral("Command3D1"));
    info->addWidget(m_Pwidth, 0, 0);
    info->addWidget(m_Pheight, 1, 0);
    info->addWidget(m_Swidth, 0, 1);
    info->addWidget(m_Sheight, 1, 1);
    info->addWidget(m_Command3D1, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    m_Panel3D1->setVisible(false);
    root->addWidget(m_Panel3D1);
}

void PrintSettingsDialog::buildCommands(QVBoxLayout* root) {
    const CaptionTable& cap = m_ctx.captions;
    auto* buttons = new QHBoxLayout;
    m_drbutt = MakeCommandButton(m_ctx, QStringLiteral("drbutt"), QStringLiteral("prcap.bmp"),
                                 Q(cap[Cap::PrinterButton]), QStyle::SP_FileDialogContentsView, this);
    m_prevButt = MakeCommandButton(m_ctx, QStringLiteral("prevButt"), QStringLiteral("zoomcap.bmp"),
                                   QStringLiteral("Printer Info"), QStyle::SP_FileDialogInfoView, this);
    m_Okbutt = MakeCommandButton(m_ctx, QStringLiteral("Okbutt"), QStringLiteral("okcap.bmp"),
                                 QStringLiteral("O.K."), QStyle::SP_DialogOkButton, this);
    m_Abbutt = MakeCommandButton(m_ctx, QStringLiteral("Abbutt"), QStringLiteral("abcap.bmp"),
                                 Q(cap[Cap::CancelCaption]), QStyle::SP_DialogCancelButton, this);
    buttons->addWidget(m_drbutt);
    buttons->addWidget(m_prevButt);
    buttons->addStretch(1);
    buttons->addWidget(m_Okbutt);
    buttons->addWidget(m_Abbutt);
    root->addLayout(buttons);

    connect(m_fontlist, &QComboBox::currentTextChanged, this, &PrintSettingsDialog::chooseFont);
    connect(m_Command1, &QPushButton::clicked, this, &PrintSettingsDialog::choosePicture);
    connect(m_Text1, &QLineEdit::editingFinished, this, [this] {
        m_ctx.logoPath = m_Text1->text().trimmed().toStdString();
        showPicture();
    });
    connect(m_drbutt, &ui::PictureButton::triggered, this, [this] { m_runPrinterDialog(m_printer, this); });
    connect(m_prevButt, &ui::PictureButton::triggered, this, &PrintSettingsDialog::Printer_I);
    connect(m_Command3D1, &QPushButton::clicked, m_Panel3D1, &QWidget::hide);
    connect(m_Okbutt, &ui::PictureButton::triggered, this, &PrintSettingsDialog::confirm);
    connect(m_Abbutt, &ui::PictureButton::triggered, this, &PrintSettingsDialog::reject);
}

void PrintSettingsDialog::chooseFont(const QString& family) {
    if (family.isEmpty()) return;
    m_ctx.fontName = family.toStdString(); // lasts for the run, also when the dialog is cancelled
    QFont sample(family);
    sample.setPointSize(kSampleSize_pt);
    m_FonttestPN->setFont(sample);
}

void PrintSettingsDialog::choosePicture() {
    ChoosePictureInteractive(m_ctx, this);
    m_ctx.dialogMode = DialogMode::None; // the picture choice is no answer of this dialog
    m_Text1->setText(Q(m_ctx.logoPath));
    showPicture();
}

void PrintSettingsDialog::showPicture() {
    const QPixmap logo(Q(m_ctx.logoPath));
    if (logo.isNull()) {
        m_Picture1->clear();
        return;
    }
    m_Picture1->setPixmap(logo.scaled(kLogoBox, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PrintSettingsDialog::Printer_I() {
    const QRectF paper = m_printer.pageLayout().fullRectPoints();
    m_Pwidth->setText(QStringLiteral("Printer Width = %1").arg(qRound(paper.width() * kTwipsPerPoint)));
    m_Pheight->setText(QStringLiteral("Printer Height = %1").arg(qRound(paper.height() * kTwipsPerPoint)));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen != nullptr ? screen->geometry() : QRect();
    const double dpiX = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    m_Swidth->setText(
        QStringLiteral("Screen Width = %1").arg(qRound(geometry.width() * kTwipsPerInch / dpiX)));
    m_Sheight->setText(
        QStringLiteral("Screen Height = %1").arg(qRound(geometry.height() * kTwipsPerInch / dpiY)));
    m_Panel3D1->setVisible(true);
}

void PrintSettingsDialog::confirm() {
    m_ctx.dialogMode = m_runPrinterDialog(m_printer, this) == 1 ? DialogMode::Print : DialogMode::None;
    done(m_ctx.dialogMode == DialogMode::Print ? QDialog::Accepted : QDialog::Rejected);
}

void PrintSettingsDialog::reject() {
    m_ctx.dialogMode = DialogMode::None;
    QDialog::reject();
}

QString Select_Action(AppContext& ctx, const RoomSketch& room, QWidget* parent, const LoadShares& shares) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the layout's fractions keep the margins
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Veskaro CR"));

    ctx.dialogMode = DialogMode::None;
    QString printedTo;
    PrintSettingsDialog settings(ctx, printer, parent);
    settings.exec();
    if (ctx.dialogMode == DialogMode::Print) {
        const int code = ctx.displayMode == DisplayMode::UValueReport ? kUValueReport : kRoomResultReport;
        PrintReport(printer, ctx, code, ReportStyleOf(ctx, room, shares));
        printedTo = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    }
    ctx.dialogMode = DialogMode::None;
    return printedTo;
}

} // namespace veskaro
