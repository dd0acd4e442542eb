#include "project/pending_project.h"

#include "app/app_context.h"
#include "project/project_file.h"

namespace veskaro {

Messages CancelPendingNewProject(AppContext& ctx) {
    if (!ctx.newProjectPending) return {};
    Messages messages = RestoreRoomFile(ctx);
    ctx.newProjectPending = false;
    return messages;
}

} // namespace veskaro
