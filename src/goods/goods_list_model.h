#pragma once
// The goods list of the goods dialog: at most 50 goods entries without gaps, filled by product and group
// inserts, cleared on request, exchanged with the main window through the goods list file.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "goods/catalogue.h"
#include "goods/goods_grid.h"
#include "goods/goods_message.h"
#include "goods/header_text.h"

namespace veskaro {

struct AppContext;
class CaptionTable;

// The typed inputs of an insert, as the fields hold them.
struct InsertInput {
    std::string amount;    // kg/day
    std::string entryTemp; // °C
    std::string endTemp;   // °C; for a group insert the room temperature text
};

struct InsertResult {
    bool appended = false;
    std::optional<GoodsMessage> message; // shown when the insert was refused
};

// Headers and widths of the goods list columns 0..13.
const std::array<ColumnHeader, kGoodsGridColumns>& GoodsListHeaders();

// The proposed daily amount of a group insert, kg/day: loading density (kg/m³) × room volume (m³) ×
// turnover ("%"-text, its last character dropped) / 100, as display text of the unrounded value.
// Negative or overflowing products propose " 0".
std::string ProposedAmount(std::string_view loadingDensity, std::string_view roomVolume,
                           std::string_view turnover);

// The goods entry for catalogue product `product` with the typed inputs (commas of numbers become
// periods); catalogue columns 1..9 give fields 1 and 5..12.
GoodsRow ProductEntry(const CatalogueRow& product, const InsertInput& input);
// The entry of a whole group: its name, the typed inputs, " - " / " -" for the storage fields and the
// respiration heat, and the group defaults as display text (empty for a name that matches no group).
GoodsRow GroupEntry(const CaptionTable& captions, std::string_view groupName, const InsertInput& input);

class GoodsListModel {
  public:
    const GoodsGrid& grid() const { return m_grid; }
    int nextFreeRow() const { return m_nextFreeRow; }
    int count() const { return m_nextFreeRow - 1; }

    // The dialog's reader: entries from the file in order, at most 50.
    void load(const AppContext& ctx);
    WriteStatus save(const AppContext& ctx) const;

    // Checks the inputs (list not full, amount, entry and end temperature) and appends the entry. A
    // product with a blank name appends nothing and shows nothing.
    InsertResult insertProduct(const CatalogueRow& product, const InsertInput& input);
    InsertResult insertGroup(const CaptionTable& captions, std::string_view groupName,
                             const InsertInput& input);
    // Empties the list; the caller has asked ClearListQuestion() and got Yes.
    void clear();

  private:
    InsertResult append(const GoodsRow& entry, const InsertInput& input);

    GoodsGrid m_grid{};
    int m_nextFreeRow = 1;
};

} // namespace veskaro
