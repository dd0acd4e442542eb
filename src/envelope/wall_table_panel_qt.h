#pragma once
// The wall table `Spread1` of the floor-plan dialog with its detail controls: one row for the floor, one for
// the ceiling and one per drawn wall (length, area, U-value, temperature beyond, orientation, windows,
// shading). The floor-plan dialog owns the drawing and tells this panel what the drawing changed.

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "app/caption_slots.h"
#include "app/message.h"
#include "app/record_file.h"
#include "envelope/wall_dialog.h"
#include "envelope/wall_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace veskaro {

struct AppContext;

namespace ui {
class GridWidget;
class PictureButton;
} // namespace ui

class WallTablePanel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WallTablePanel)
  public:
    explicit WallTablePanel(AppContext& ctx, QWidget* parent = nullptr);
    ~WallTablePanel() override;

    void load();                                   // CR_WALL.dat and the window types; shows the current row
    void setRoomHeight(double height_m);           // the wall rows' areas follow
    void setWallLength(int wall, double length_m); // wall 1-18: its row's length and area
    void clearWallsFrom(int wall);                 // walls wall..18 emptied (take back, clear the plan)
    void proposeFloorCeilingArea(double area_m2);  // floor and ceiling area, only where still empty
    void selectWall(int wall);                     // 1-18; shows the wall's row in the detail controls
    int selectedWall() const;                      // 0 when the floor or ceiling row is selected
    bool checkTable();                             // the five column checks with their messages
    WriteStatus save();                            // takes the detail controls over, writes CR_WALL.dat
    void printReport();                            // print settings, then the wall table report

    // The commands as their buttons run them.
    void takeOverDetails();        // OKbutt2 / wandsich: the detail controls into the selected row
    void previousRow();            // Command2
    void nextRow();                // Command3
    void uValueFromConstruction(); // kwertbutt: the wall dialog's construction editor for the wall

    const WallTable& table() const { return m_table; }
    int selectedRow() const { return m_row; }

    // Stand-ins for tests: the wall dialog for one plan wall, and how a message is shown (default: a box).
    using WallDialogRunner = std::function<WallDialogResult(int wall)>;
    void setWallDialogRunner(WallDialogRunner run) { m_runWallDialog = std::move(run); }
    void setMessageSink(std::function<void(const Message&)> sink) { m_showMessage = std::move(sink); }

  signals:
    void wallSelected(int wall); // the user chose another wall in the table or with previous/next

  private:
    // Layout (wall_table_panel_layout_qt.cpp)
    void buildLayout();
    void prepareGrid();
    QWidget* buildDetails();
    ui::PictureButton* command(const char* name, const char* face, Cap caption);

    void showRow(int row); // the row's cells into the grid
    void showGrid();
    void showDetails(); // the selected row into the detail controls
    void showShadingPicture();
    void selectRow(int row);
    void cellEdited(int row, int column);
    void windowTypeChosen(int index);

    AppContext& m_ctx;
    WallTable m_table;
    std::vector<WindowType> m_windowTypes;
    double m_height_m = 0.0;
    int m_row = kFirstWallRow;
    bool m_showing = false; // the detail controls are being filled: their signals change nothing
    WallDialogRunner m_runWallDialog;
    std::function<void(const Message&)> m_showMessage;

    ui::GridWidget* m_Spread1 = nullptr;
    QLineEdit* m_Text3 = nullptr; // designation
    QLineEdit* m_Text4 = nullptr; // length
    QLineEdit* m_Text5 = nullptr; // U-value
    QLineEdit* m_Text6 = nullptr; // temperature beyond
    QCheckBox* m_awcheck = nullptr;
    QComboBox* m_orCombo = nullptr;
    QLineEdit* m_DichteT = nullptr;
    QLineEdit* m_anzFenst = nullptr;
    QLineEdit* m_bFenst = nullptr;
    QLineEdit* m_hfenst = nullptr;
    QLineEdit* m_ffenst = nullptr;
    QComboBox* m_ftcombo = nullptr;
    QComboBox* m_schatttyp = nullptr;
    QLabel* m_fensterPic = nullptr;
    QLabel* m_rowLabel = nullptr;
};

} // namespace veskaro
