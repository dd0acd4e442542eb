#pragma once
// ProjLaden: the one file dialog of the program. The dialog mode of the context decides what it does:
// open a project, save the project under a new name, choose the report logo picture.
//
// The dialog never changes the process working directory: the folder shown is kept in ctx.browseDir and
// every file is addressed by its full path.

#include <QDeadlineTimer>
#include <QDialog>
#include <QString>

#include "app/app_context.h"

class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeView;

namespace veskaro {

struct AppContext;

namespace ui {
class PictureButton;
}

class ProjectDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProjectDialog)

  public:
    // Mode from ctx.dialogMode; the folder shown starts at ctx.projectDir.
    explicit ProjectDialog(AppContext& ctx, QWidget* parent = nullptr);
    ~ProjectDialog() override;

    // The folder shown (the browse directory), without a trailing separator.
    QString browseDirectory() const;
    // Shows another folder: the tree follows, and the file list is filled again.
    void changeFolder(const QString& path);
    // True after an accepted save as wrote the project file.
    bool saved() const { return m_saved; }
    const std::string& saveFailure() const { return m_saveFailure; } // "" unless a save failed

    // Escape and the window frame cancel like Command3D2.
    void reject() override;
    // A list of recently used project files (full paths) above the folder view: choosing one shows its
    // folder and puts its name into `ProNam`, so that O.K. or Enter opens it.
    void offerRecentProjects(const QStringList& paths);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildUi();
    void buildCommands(); // command buttons, captions and the layout
    void connectSignals();
    void scrollToFolderShown();
    void followFolderShown();
    void applyMode();
    void fillList();
    void onTreeFolderChanged();
    void onDriveChanged(int index);
    void onListClicked(QListWidgetItem* item);
    void onListDoubleClicked(QListWidgetItem* item);
    void acceptDialog();
    void cancelDialog();
    void showNewFolderPanel();
    void hideNewFolderPanel();
    void createNewFolder();
    QString toolTipFor(const QString& fileName) const;

    AppContext& m_ctx;
    DialogMode m_mode = DialogMode::None;
    bool m_saved = false;
    std::string m_saveFailure;
    bool m_changingFolder = false;
    QDeadlineTimer m_followFolder; // until then the tree scrolls to the folder shown

    QComboBox* m_drives = nullptr; // Drive1
    QFileSystemModel* m_folderModel = nullptr;
    QTreeView* m_folders = nullptr;    // Dir1
    QListWidget* m_allFiles = nullptr; // File1, hidden: the folder's files for the pattern
    QListWidget* m_list = nullptr;     // List1
    QLineEdit* m_name = nullptr;       // ProNam
    QLabel* m_prompt = nullptr;        // Label1
    QLabel* m_folderLabel = nullptr;
    ui::PictureButton* m_newFolder = nullptr; // Command1
    QFrame* m_newFolderPanel = nullptr;       // Picture2
    QLineEdit* m_newFolderPath = nullptr;     // Text1
    QPushButton* m_newFolderOk = nullptr;     // Ok_butt
    QPushButton* m_newFolderCancel = nullptr; // a_butt
    ui::PictureButton* m_accept = nullptr;    // Command3D1
    ui::PictureButton* m_cancel = nullptr;    // Command3D2
};

// --- Commands of the main window ------------------------------------------------------------------------
// The room record itself stays the main window's business: before a save it writes "KelvoL.dat" and
// copies `proj` / `projbeschr` into ctx.projectName / ctx.projectDescription; after a successful open it
// reloads "KelvoL.dat", re-reads the wall data, recalculates and shows ctx.currentProjectFile in its
// title and `Label50`.

// ladP: shows ProjLaden in open mode. True when a project was opened (the room must be reloaded).
// ctx.dialogMode is 0 again on return.
bool OpenProjectInteractive(AppContext& ctx, QWidget* parent);
// Psich: saves into the project directory under the current project file; without one yet (four
// characters or fewer) it asks for a name like save as. True when a project file was written.
bool SaveProjectInteractive(AppContext& ctx, QWidget* parent, std::string* failure = nullptr);
// PsichA: shows ProjLaden in save mode. True when a project file was written.
bool SaveProjectAsInteractive(AppContext& ctx, QWidget* parent, std::string* failure = nullptr);
// Picture choice of the print settings: shows ProjLaden in picture mode. True when ctx.logoPath was set.
bool ChoosePictureInteractive(AppContext& ctx, QWidget* parent);

} // namespace veskaro
