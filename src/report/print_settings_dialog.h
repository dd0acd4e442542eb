#pragma once
// DruckEInstell: print settings before a report is printed: report font, logo picture, printer set-up
// and printer information. Its answer leaves in ctx.dialogMode: Print, or None.

#include <QDialog>

#include <functional>

#include "room/load_shares.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

class QVBoxLayout;

namespace veskaro {

struct AppContext;
struct RoomSketch;

namespace ui {
class PictureButton;
}

// printCMsetup: the system printer dialog on `printer`, titled "Veskaro" and two captions. 0 when the
// user cancelled, 1 otherwise. A file chosen in the dialog makes the printer write a PDF file.
int printCMsetup(AppContext& ctx, QPrinter& printer, QWidget* parent);

class PrintSettingsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintSettingsDialog)

  public:
    // Runs the printer dialog; printCMsetup unless a test replaces it.
    using PrinterDialogRunner = std::function<int(QPrinter&, QWidget*)>;

    PrintSettingsDialog(AppContext& ctx, QPrinter& printer, QWidget* parent = nullptr);

    void setPrinterDialogRunner(PrinterDialogRunner runner) { m_runPrinterDialog = std::move(runner); }

    // Printer_I: printer page and screen size in twips on the panel Panel3D1, which it shows.
    void Printer_I();

    // Escape and the window frame close like Abbutt.
    void reject() override;

  private:
    void buildUi();
    void buildFontAndLogo(QVBoxLayout* root);
    void buildOptions(QVBoxLayout* root); // frame style, orientation and the printer information panel
    void buildCommands(QVBoxLayout* root);
    void chooseFont(const QString& family);
    void choosePicture();
    void showPicture();
    void confirm();

    AppContext& m_ctx;
    QPrinter& m_printer;
    PrinterDialogRunner m_runPrinterDialog;

    QLabel* m_iceC = nullptr;
    QComboBox* m_fontlist = nullptr;
    QLabel* m_FonttestPN = nullptr;
    QLabel* m_Label3 = nullptr;
    QPushButton* m_Command1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QLabel* m_Picture1 = nullptr;
    QComboBox* m_Combo1 = nullptr;
    QGroupBox* m_Landscape = nullptr;
    QRadioButton* m_Option1 = nullptr;
    QRadioButton* m_Option2 = nullptr;
    QFrame* m_Panel3D1 = nullptr;
    QLabel* m_Pwidth = nullptr;
    QLabel* m_Pheight = nullptr;
    QLabel* m_Swidth = nullptr;
    QLabel* m_Sheight = nullptr;
    QPushButton* m_Command3D1 = nullptr;
    ui::PictureButton* m_drbutt = nullptr;
    ui::PictureButton* m_prevButt = nullptr;
    ui::PictureButton* m_Okbutt = nullptr;
    ui::PictureButton* m_Abbutt = nullptr;
};

// Select_Action: the print command. Shows DruckEInstell; when it answers with a confirmed printer, prints
// the report of the display mode (44: the U-value report, else both result pages). Dialog mode 0 after.
// `shares` are the load shares of the room result, drawn as the chart of its first page. Returns where the
// report went (the printer's name or the file printed to), "" when nothing was printed.
QString Select_Action(AppContext& ctx, const RoomSketch& room, QWidget* parent,
                      const LoadShares& shares = {});

} // namespace veskaro
