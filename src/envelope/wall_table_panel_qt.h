#pragma once
// The wall table `Spread1` of the floor-plan dialog with its detail controls: one row for the floor, one for
// the ceiling and one per drawn wall (length, area, U-value, temperature beyond, orientation, windows,
// shading). The floor-plan dialog owns the drawing and tells this panel what the drawing changed.

#include <QWidget>

#include "app/record_file.h"

namespace veskaro {

struct AppContext;

class WallTablePanel : public QWidget {
    Q_OBJECT
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

  signals:
    void wallSelected(int wall); // the user chose another wall in the table or with previous/next

  private:
    AppContext& m_ctx;
};

} // namespace veskaro
