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

WriteStatus CommitGoodsSession(AppContext& ctx, GoodsSession& session) {
    WriteStatus status = WriteGoodsSettings(ctx, session.settings);
    session.catalogue.group = GroupNumberFromName(ctx.captions, session.settings.groupName);
    status = FirstFailure(status, SaveCatalogue(ctx, session.catalogue));
    status = FirstFailure(status, session.list.save(ctx));
    ctx.activationState = ActivationState::DialogChangedData;
    return status;
}

} // namespace veskaro
