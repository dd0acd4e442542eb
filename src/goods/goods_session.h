#pragma once
// One opening of the goods dialog: its settings, the catalogue of the current group and the goods list,
// read when the dialog opens and written when it closes with O.K.

#include <vector>

#include "goods/catalogue.h"
#include "goods/goods_list_model.h"

namespace veskaro {

struct AppContext;

struct GoodsSession {
    GoodsSettings settings; // group name, loading density and turnover texts
    Catalogue catalogue;
    GoodsListModel list;
};

// Opening: the goods list from the goods list file, the settings from kgutpar.dat (a missing file keeps
// `defaults`' density and turnover; a group name shorter than 3 characters opens group 1) and that
// group's catalogue.
GoodsSession OpenGoodsSession(const AppContext& ctx, const GoodsSettings& defaults);
// O.K.: writes kgutpar.dat, the catalogue under the group the settings name and the goods list, and marks
// the project data as changed so that the main window reloads its goods and recalculates. Every write is
// attempted; returns the failed ones (none when all files were written).
std::vector<WriteStatus> CommitGoodsSession(AppContext& ctx, GoodsSession& session);

} // namespace veskaro
