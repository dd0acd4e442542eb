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

std::vector<WriteStatus> CommitGoodsSession(AppContext& ctx, GoodsSession& session) {
    std::vector<WriteStatus> failed;
    const auto keep = [&failed](WriteStatus status) {
        if (!status) failed.push_back(std::move(status));
    };
    keep(WriteGoodsSettings(ctx, session.settings));
    session.catalogue.group = GroupNumberFromName(ctx.captions, session.settings.groupName);
    keep(SaveCatalogue(ctx, session.catalogue));
    keep(session.list.save(ctx));
    ctx.activationState = ActivationState::DialogChangedData;
    return failed;
}

} // namespace veskaro
