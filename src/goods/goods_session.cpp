#include "goods/goods_session.h"

#include "app/app_context.h"
#include "goods/product_groups.h"

namespace veskaro {

GoodsSession OpenGoodsSession(const AppContext& ctx, const GoodsSettings& defaults) {
    GoodsSession session;
    session.list.load(ctx);
    session.settings = {"", defaults.loadingDensity, defaults.turnover};
    ReadGoodsSettings(ctx, session.settings);
    session.catalogue = LoadCatalogue(ctx, OpeningGroup(ctx, session.settings));
    return session;
}

bool CommitGoodsSession(AppContext& ctx, GoodsSession& session) {
    bool ok = WriteGoodsSettings(ctx, session.settings);
    session.catalogue.group = GroupNumberFromName(ctx.captions, session.settings.groupName);
    ok = SaveCatalogue(ctx, session.catalogue) && ok;
    ok = session.list.save(ctx) && ok;
    ctx.activationState = ActivationState::DialogChangedData;
    return ok;
}

} // namespace veskaro
