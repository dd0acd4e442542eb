// Pictures of the project dialog for `make screenshots`: open and save as, over a folder of sample
// projects written by this program and by a sibling program.

#include <QDir>
#include <QEventLoop>
#include <QFileSystemModel>
#include <QListWidget>
#include <QTimer>

#include "app/app_context.h"
#include "app/record_file.h"
#include "main/desktop_qt.h"
#include "project/project_dialog.h"
#include "project/project_file.h"

namespace veskaro {

namespace {

constexpr int kFolderLoadTimeout_ms = 3000;
constexpr int kFolderQuietTime_ms = 400;

struct SampleProject {
    const char* file;
    const char* name;
    const char* description;
    const char* code;
};

// Three projects of this program, one of the air-conditioning sibling, one with a lower-case code.
constexpr SampleProject kSamples[] = {
    {"Coldstore Hall 1.prj", "Cold store: Hall 1", "Fruit and vegetables, +2 °C", "CR"},
    {"Freezer B.PRJ", "Freezer B", "Deep-freeze store, -24 °C", "CR"},
    {"Dairy.prj", "Dairy", "Milk products, 4 °C, 85 %", "CR"},
    {"Office.prj", "Office", "Air conditioning, 2nd floor", "AC"},
    {"Old.prj", "Old", "Written by hand", "cr"},
};

void WriteSamples(const AppContext& ctx, const QString& folder) {
    for (const auto& sample : kSamples) {
        RecordWriter out;
        out.str(sample.name).str(sample.description).str("").str(sample.code).endLine();
        out.line("12").line("8").line("4");
        (void)SaveOutput(ctx, QDir(folder).filePath(QString::fromUtf8(sample.file)).toStdString(), out);
    }
    QDir(folder).mkpath(QStringLiteral("Archive"));
    QDir(folder).mkpath(QStringLiteral("Customers"));
}

// The folder tree fills itself in the background: wait until no folder has been listed for a while.
void WaitForFolders(ProjectDialog& dialog) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(kFolderQuietTime_ms);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &quiet, [&quiet] { quiet.start(); });
    QTimer::singleShot(kFolderLoadTimeout_ms, &loop, &QEventLoop::quit);
    quiet.start();
    loop.exec();
}

void Shoot(AppContext ctx, DialogMode mode, const QString& folder, const QString& file) {
    ctx.dialogMode = mode;
    ctx.projectDir = folder.toStdString() + "/";
    ProjectDialog dialog(ctx);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(680, 420)));
    dialog.show();
    WaitForFolders(dialog);
    if (auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1")); list && list->count() > 0)
        list->setCurrentRow(0);
    dialog.grab().save(file);
}

} // namespace

void SaveProjectScreenshots(AppContext& ctx, const std::string& dir) {
    // The sample folder sits beside the pictures while they are taken and goes afterwards.
    const QString out = QString::fromStdString(dir);
    const QString folder = QDir(out).filePath(QStringLiteral("Projects"));
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder)) return;
    WriteSamples(ctx, folder);

    AppContext shot = ctx;
    shot.projectName = "Cold store: Hall 1";
    shot.projectDescription = "Fruit and vegetables, +2 °C";
    shot.projectFileName.clear();
    Shoot(shot, DialogMode::Open, folder, QDir(out).filePath(QStringLiteral("project_open.png")));
    Shoot(shot, DialogMode::SaveAs, folder, QDir(out).filePath(QStringLiteral("project_save_as.png")));
    QDir(folder).removeRecursively();
}

} // namespace veskaro
