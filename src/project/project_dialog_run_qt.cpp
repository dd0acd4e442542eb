// Running the project dialog for one purpose: open, save, save as, choose a picture.

#include "project/project_dialog.h"

#include "app/app_context.h"
#include "app/record_file.h"
#include "project/project_file.h"
#include "ui/desktop_settings.h"
#include "ui/text.h"

namespace veskaro {

using ui::WaitCursor;

namespace {

int RunDialog(AppContext& ctx, QWidget* parent, DialogMode mode, bool* saved = nullptr,
              std::string* failure = nullptr) {
    ctx.dialogMode = mode;
    ProjectDialog dialog(ctx, parent);
    if (mode == DialogMode::Open) dialog.offerRecentProjects(ui::RecentProjects());
    const int result = dialog.exec();
    if (saved != nullptr) *saved = dialog.saved();
    if (failure != nullptr) *failure = dialog.saveFailure();
    return result;
}

} // namespace

bool OpenProjectInteractive(AppContext& ctx, QWidget* parent) {
    RunDialog(ctx, parent, DialogMode::Open);
    const bool opened = ctx.dialogMode == DialogMode::Opened;
    ctx.dialogMode = DialogMode::None;
    return opened;
}

bool SaveProjectInteractive(AppContext& ctx, QWidget* parent, std::string* failure) {
    if (!HasCurrentProject(ctx)) return SaveProjectAsInteractive(ctx, parent, failure);
    const WaitCursor wait;
    ctx.projectFileName = ctx.currentProjectFile;
    const WriteStatus status = SaveProject(ctx, ctx.programCode, ctx.projectDir);
    if (failure != nullptr) *failure = WriteFailureMessage(status);
    return status.ok;
}

bool SaveProjectAsInteractive(AppContext& ctx, QWidget* parent, std::string* failure) {
    bool saved = false;
    RunDialog(ctx, parent, DialogMode::SaveAs, &saved, failure);
    ctx.dialogMode = DialogMode::None;
    return saved;
}

bool ChoosePictureInteractive(AppContext& ctx, QWidget* parent) {
    const bool chosen = RunDialog(ctx, parent, DialogMode::Picture) == QDialog::Accepted;
    ctx.dialogMode = DialogMode::None;
    return chosen;
}

} // namespace veskaro
