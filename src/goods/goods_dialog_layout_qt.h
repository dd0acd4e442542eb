#pragma once
// Building blocks of the goods dialog's panels.

#include <span>

#include "app/caption_slots.h"
#include "goods/catalogue.h"
#include "goods/header_text.h"

namespace veskaro {

struct AppContext;
class CaptionTable;

namespace ui {
class GridWidget;
class PictureButton;
} // namespace ui

// Column widths and composed headers of a goods grid (catalogue or goods list).
void SetupGoodsGrid(ui::GridWidget* grid, std::span<const ColumnHeader> headers,
                    const CaptionTable& captions);
// A command of the dialog: picture `face` of the data directory with its caption twin.
ui::PictureButton* GoodsCommand(const AppContext& ctx, const char* name, const char* face, Cap caption);

// Catalogue columns shown in the product panel, in panel order (LGPN .. AWPN).
inline constexpr int kPanelColumns[] = {kCatStorageTemp,  kCatStorageHumidity, kCatStorageLife,
                                        kCatFreezingTemp, kCatCpAbove,         kCatCpBelow,
                                        kCatLatentHeat,   kCatRespiration};

} // namespace veskaro
