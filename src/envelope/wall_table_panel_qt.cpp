// Placeholder until the wall table lands: keeps the floor-plan dialog linkable.
#include "envelope/wall_table_panel_qt.h"

#include "app/app_context.h"

namespace veskaro {

WallTablePanel::WallTablePanel(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {}
WallTablePanel::~WallTablePanel() = default;
void WallTablePanel::load() {}
void WallTablePanel::setRoomHeight(double) {}
void WallTablePanel::setWallLength(int, double) {}
void WallTablePanel::clearWallsFrom(int) {}
void WallTablePanel::proposeFloorCeilingArea(double) {}
void WallTablePanel::selectWall(int) {}
int WallTablePanel::selectedWall() const {
    return 0;
}
bool WallTablePanel::checkTable() {
    return true;
}
WriteStatus WallTablePanel::save() {
    return WriteStatus{};
}
void WallTablePanel::printReport() {}

} // namespace veskaro
