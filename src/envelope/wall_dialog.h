#pragma once
// The wall dialog `K_wand`: U-value and temperature beyond for walls 1-4, floor and ceiling (the envelope
// summary), the layered construction of one surface at a time with its U-value, and the building-material
// and insulation catalogues whose rows are taken over into the layers. The engineering lives in
// construction.h, envelope_summary.h, material_catalogue.h and uvalue_report.h; this window mirrors it.

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "app/message.h"
#include "app/record_file.h"
#include "envelope/construction.h"
#include "envelope/envelope_summary.h"
#include "envelope/material_catalogue.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace veskaro {

struct AppContext;
class CaptionTable;

namespace ui {
class GridWidget;
class PictureButton;
} // namespace ui

// What the dialog hands back for one floor-plan wall.
struct WallDialogResult {
    bool accepted = false;       // the construction was accepted (O.K.); else cancelled
    std::string uText;           // `AKTKWert`
    std::string temperatureText; // `AktATemp`
};

class WallDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WallDialog)

  public:
    using MessageSink = std::function<void(const Message&)>;

    // planWall 0: the six surfaces of a rectangular room. 1-18: the construction of that floor-plan wall,
    // whose U-value and temperature are handed back instead of saved. `outsideTemperatureText` is the main
    // window's outside temperature, the default temperature beyond.
    WallDialog(AppContext& ctx, std::string outsideTemperatureText, QWidget* parent = nullptr,
               int planWall = 0);
    ~WallDialog() override;

    // Shows one message; the default is a modal message box.
    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }
    // Shows KWcalc.DAT after the print command wrote it (the result window unless replaced).
    void setReportOpener(std::function<void()> open) { m_openReport = std::move(open); }

    const WallDialogResult& handOver() const { return m_handOver; }
    int surface() const { return m_surface; }

    // The commands, as their buttons run them.
    void selectSurface(int surface);
    void recompute();
    void printUValue();
    void takeOver(MaterialKind kind);
    void acceptConstruction(bool saveCatalogues); // Command3D1 (with the catalogues), Command3D2
    void copyWall1();
    void saveStandard();
    void loadStandard();
    void cancel();
    void closeWritingSummary(); // Okbutt, or weiterbutt in the new-project sequence
    // In the new-project sequence the dialog goes on to the next step: weiterbutt stands in for Okbutt.
    void showGoOn();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Layout (wall_dialog_layout_qt.cpp)
    void buildLayout();
    QGroupBox* buildSummary();
    QGroupBox* buildEditor();
    QGroupBox* buildCatalogue(MaterialKind kind);
    QLayout* buildCommands();
    ui::PictureButton* command(const char* name, const char* face, const QString& text);
    void prepareLayerGrid();

    // Mirroring the core
    void readBoxes();
    void showBoxes();
    Construction currentConstruction() const;
    void showConstruction(const Construction& construction);
    void markLayers(const UValueResult& u);
    void fillCatalogue(MaterialKind kind);
    ui::GridWidget* catalogue(MaterialKind kind) const;
    void pick(MaterialKind kind, int row);
    void showMessage(const Message& message);
    void showFailure(const WriteStatus& status);
    void showPending();

    AppContext& m_ctx;
    std::string m_outsideTemperature;
    int m_planWall = 0;
    int m_surface = 0; // 0 until a surface is chosen
    int m_nextLayerRow = 1;
    AirLevelCaptions m_levels;
    EnvelopeSummary m_summary;
    MaterialPick m_building;
    MaterialPick m_insulation;
    WallDialogResult m_handOver;
    MessageSink m_showMessage;
    std::function<void()> m_openReport;
    Messages m_pending; // shown once the dialog is on screen
    bool m_showing = false;

    std::array<QLineEdit*, kSurfaceCount> m_uBox{};
    std::array<QLineEdit*, kSurfaceCount> m_tBox{};
    QGroupBox* m_summaryBox = nullptr;
    QGroupBox* m_editor = nullptr;
    QLineEdit* m_AKTKWert = nullptr;
    QLineEdit* m_AktATemp = nullptr;
    QComboBox* m_AiCombo = nullptr;
    QComboBox* m_aacombo = nullptr;
    ui::GridWidget* m_DaemmS = nullptr;
    ui::GridWidget* m_BauSspread = nullptr;
    ui::GridWidget* m_Daemmspread = nullptr;
    ui::PictureButton* m_BDbutt = nullptr;
    ui::PictureButton* m_DSbutt = nullptr;
    ui::PictureButton* m_Okbutt = nullptr;
    ui::PictureButton* m_weiterbutt = nullptr;
    QLabel* m_BauSnote = nullptr;
    QLabel* m_Daemmnote = nullptr;
};

// The wall, floor or ceiling word of a surface 1-6 ("Wall 3", "Floor").
QString SurfaceName(const CaptionTable& captions, int surface);

// Opens K_wand modally for a rectangular room; returns the dialog's result code (Accepted after Close,
// which wrote the envelope summary and set the activation state to DialogChangedData). Within the
// new-project sequence (`goOn`) its closing button is the go-on button of the sequence.
int RunWallDialog(AppContext& ctx, const std::string& outsideTemperatureText, QWidget* parent,
                  bool goOn = false);
// Opens K_wand for one floor-plan wall (1-18): the construction editor at once; O.K. hands the U-value and
// temperature texts back without writing any construction file.
WallDialogResult RunWallDialogForPlanWall(AppContext& ctx, QWidget* parent, int wallNumber,
                                          const std::string& outsideTemperatureText = {});

} // namespace veskaro
