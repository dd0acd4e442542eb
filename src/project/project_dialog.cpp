#include "project/project_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "project/drives.h"
#include "project/project_file.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;
using ui::S;
using ui::WaitCursor;

namespace {

const QSize kFaceSize{32, 32};
constexpr int kListWidth = 260;            // px
constexpr int kFolderWidth = 300;          // px
constexpr int kBrowserHeight = 260;        // px
constexpr int kFollowFolderTime_ms = 2000; // the tree keeps the folder shown in view while it fills

QString Caption(const AppContext& ctx, Cap slot) {
    return Q(ctx.captions[slot]);
}

QString CleanFolder(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

// A folder with its trailing separator, as the project directory is kept.
std::string FolderWithSeparator(const QString& folder) {
    std::string dir = S(folder);
    if (dir.empty() || (dir.back() != '/' && dir.back() != '\\')) dir += '/';
    return dir;
}

// The face of a command: its picture from the data directory, else the style's matching icon.
QPixmap FacePicture(const AppContext& ctx, const char* fileName, QStyle::StandardPixmap fallback,
                    const QStyle* style) {
    const QString path = Q(ResolveDataPath(ctx, fileName));
    QPixmap face = ui::LoadFacePicture(Q(FindFileNoCase(S(path))), kFaceSize);
    if (face.isNull()) face = style->standardIcon(fallback).pixmap(kFaceSize);
    return face;
}

// The entry of the drive list whose root holds the folder (the longest matching root).
int DriveIndexFor(const QComboBox* drives, const QString& folder) {
    int best = drives->count() > 0 ? 0 : -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives->count(); ++i) {
        const QString root = CleanFolder(Q(DriveRootFromText(S(drives->itemText(i)))));
        const bool holds = folder.compare(root, Qt::CaseInsensitive) == 0 ||
                           folder.startsWith(root.endsWith(u'/') ? root : root + u'/', Qt::CaseInsensitive);
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace

ProjectDialog::ProjectDialog(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_mode(ctx.dialogMode) {
    setObjectName(QStringLiteral("ProjLaden"));
    buildUi();

    // Activation.
    const WaitCursor wait;
    m_ctx.savedWorkingDir = S(QDir::currentPath());
    m_ctx.browseDir = m_ctx.savedWorkingDir;
    QString start = m_ctx.projectDir.empty() ? Q(m_ctx.savedWorkingDir) : Q(m_ctx.projectDir);
    if (!QFileInfo(start).isDir()) start = Q(m_ctx.savedWorkingDir);
    applyMode();
    changeFolder(start);
}

ProjectDialog::~ProjectDialog() = default;

void ProjectDialog::buildUi() {
    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("Label1"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("ProNam"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setMinimumSize(kListWidth, kBrowserHeight);
    m_list->installEventFilter(this);
    m_allFiles = new QListWidget(this);
    m_allFiles->setObjectName(QStringLiteral("File1"));
    m_allFiles->hide();

    m_folderLabel = new QLabel(this);
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    for (const auto& root : FileSystemRoots())
        m_drives->addItem(Q(root));

    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folderModel->setReadOnly(false);
    m_folders = new QTreeView(this);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setModel(m_folderModel);
    for (int column = 1; column < m_folderModel->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->setHeaderHidden(true);
    m_folders->setMinimumSize(kFolderWidth, kBrowserHeight);

    // The new-folder panel: the path to create, starting as the folder shown.
    m_newFolderPanel = new QFrame(this);
    m_newFolderPanel->setObjectName(QStringLiteral("Picture2"));
    m_newFolderPanel->setFrameShape(QFrame::StyledPanel);
    m_newFolderPath = new QLineEdit(m_newFolderPanel);
    m_newFolderPath->setObjectName(QStringLiteral("Text1"));
    m_newFolderOk = new QPushButton(m_newFolderPanel);
    m_newFolderOk->setObjectName(QStringLiteral("Ok_butt"));
    m_newFolderCancel = new QPushButton(m_newFolderPanel);
    m_newFolderCancel->setObjectName(QStringLiteral("a_butt"));
    // Enter in the name field or the list accepts the dialog, never a panel button.
    m_newFolderOk->setAutoDefault(false);
    m_newFolderCancel->setAutoDefault(false);
    auto* panelLayout = new QHBoxLayout(m_newFolderPanel);
    panelLayout->addWidget(m_newFolderPath, 1);
    panelLayout->addWidget(m_newFolderOk);
    panelLayout->addWidget(m_newFolderCancel);
    m_newFolderPanel->hide();

    buildCommands();
}

void ProjectDialog::buildCommands() {
    m_newFolder = new ui::PictureButton(QStringLiteral("Command1"), this);
    m_accept = new ui::PictureButton(QStringLiteral("Command3D1"), this);
    m_cancel = new ui::PictureButton(QStringLiteral("Command3D2"), this);
    for (auto* button : {m_newFolder, m_accept, m_cancel})
        button->setFaceSize(kFaceSize);
    m_newFolder->setFace(FacePicture(m_ctx, "npcap.bmp", QStyle::SP_FileDialogNewFolder, style()));
    m_accept->setFace(FacePicture(m_ctx, "okcap.bmp", QStyle::SP_DialogOkButton, style()));
    m_cancel->setFace(FacePicture(m_ctx, "abcap.bmp", QStyle::SP_DialogCancelButton, style()));

    m_newFolder->setText(Caption(m_ctx, Cap::NewFolderCaption));
    m_accept->setText(Caption(m_ctx, Cap::OkCaption));
    m_cancel->setText(Caption(m_ctx, Cap::CancelCaption));
    m_newFolderOk->setText(Caption(m_ctx, Cap::OkCaption));
    m_newFolderCancel->setText(Caption(m_ctx, Cap::CancelCaption));
    m_folderLabel->setText(Caption(m_ctx, Cap::FolderLabel) + Q(m_ctx.labelSeparator));

    auto* grid = new QGridLayout;
    grid->addWidget(m_prompt, 0, 0);
    grid->addWidget(m_folderLabel, 0, 1);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_drives, 1, 1);
    grid->addWidget(m_list, 2, 0);
    grid->addWidget(m_folders, 2, 1);
    grid->addWidget(m_newFolderPanel, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_newFolder);
    commands->addStretch(1);
    commands->addWidget(m_accept);
    commands->addSpacing(12);
    commands->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(commands);

    connectSignals();
}

void ProjectDialog::connectSignals() {
    connect(m_drives, &QComboBox::activated, this, &ProjectDialog::onDriveChanged);
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ProjectDialog::onTreeFolderChanged);
    // The tree lists and sorts folders in the background: for a moment after a folder change, keep the
    // folder shown in view while rows arrive and move.
    connect(m_folderModel, &QAbstractItemModel::rowsInserted, this, &ProjectDialog::followFolderShown);
    connect(m_folderModel, &QAbstractItemModel::layoutChanged, this, &ProjectDialog::followFolderShown);
    connect(m_list, &QListWidget::itemClicked, this, &ProjectDialog::onListClicked);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ProjectDialog::onListDoubleClicked);
    connect(m_name, &QLineEdit::returnPressed, this, &ProjectDialog::acceptDialog);
    connect(m_accept, &ui::PictureButton::triggered, this, &ProjectDialog::acceptDialog);
    connect(m_cancel, &ui::PictureButton::triggered, this, &ProjectDialog::cancelDialog);
    connect(m_newFolder, &ui::PictureButton::triggered, this, &ProjectDialog::showNewFolderPanel);
    connect(m_newFolderOk, &QPushButton::clicked, this, &ProjectDialog::createNewFolder);
    connect(m_newFolderPath, &QLineEdit::returnPressed, this, &ProjectDialog::createNewFolder);
    connect(m_newFolderCancel, &QPushButton::clicked, this, &ProjectDialog::hideNewFolderPanel);
}

void ProjectDialog::applyMode() {
    QString title;
    switch (m_mode) {
    case DialogMode::Open:
        title = Q(OpenProjectPrompt(m_ctx.languageCode, m_ctx.captions[Cap::MenuOpenProjectVerb],
                                    m_ctx.captions[Cap::ProjectWord]));
        m_prompt->setText(title);
        m_name->setText(QStringLiteral(".prj"));
        break;
    case DialogMode::SaveAs:
        title = Caption(m_ctx, Cap::SaveAsTitle);
        m_prompt->setText(title + u' ' + Caption(m_ctx, Cap::SaveAsNameWord) + QStringLiteral(" :"));
        m_name->setText(Q(ProposeSaveAsName(m_ctx)));
        break;
    case DialogMode::Picture:
        title = QStringLiteral("Graphic ") + Caption(m_ctx, Cap::PictureKindWord) + QStringLiteral(" :");
        m_prompt->setText(title);
        m_name->setText(QStringLiteral(".jpg"));
        break;
    default:
        break;
    }
    setWindowTitle(title);
    m_list->clear();
}

QString ProjectDialog::browseDirectory() const {
    return Q(m_ctx.browseDir);
}

void ProjectDialog::changeFolder(const QString& path) {
    const WaitCursor wait;
    const QString folder = CleanFolder(path);
    m_ctx.browseDir = S(folder);
    m_newFolderPath->setText(folder);

    // The drive list and the tree follow the folder shown.
    const int drive = DriveIndexFor(m_drives, folder);
    if (drive >= 0 && drive != m_drives->currentIndex()) m_drives->setCurrentIndex(drive);
    const QString root =
        drive >= 0 ? CleanFolder(Q(DriveRootFromText(S(m_drives->itemText(drive))))) : folder;
    m_folderModel->setRootPath(root);
    m_folders->setRootIndex(m_folderModel->index(root));
    const QModelIndex current = m_folderModel->index(folder);
    if (current.isValid() && current != m_folders->currentIndex()) {
        m_changingFolder = true;
        m_folders->setCurrentIndex(current);
        for (QModelIndex up = current; up.isValid(); up = up.parent())
            m_folders->expand(up);
        m_followFolder.setRemainingTime(kFollowFolderTime_ms);
        scrollToFolderShown();
        m_changingFolder = false;
    }
    fillList();
}

void ProjectDialog::scrollToFolderShown() {
    if (m_folders->currentIndex().isValid())
        m_folders->scrollTo(m_folders->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void ProjectDialog::followFolderShown() {
    if (!m_followFolder.hasExpired()) QTimer::singleShot(0, this, &ProjectDialog::scrollToFolderShown);
}

void ProjectDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only a laid-out tree knows where to scroll.
    QTimer::singleShot(0, this, &ProjectDialog::scrollToFolderShown);
}

void ProjectDialog::onTreeFolderChanged() {
    if (m_changingFolder) return;
    const QModelIndex current = m_folders->currentIndex();
    if (current.isValid()) changeFolder(m_folderModel->filePath(current));
}

void ProjectDialog::onDriveChanged(int index) {
    if (index < 0) return;
    changeFolder(Q(DriveRootFromText(S(m_drives->itemText(index)))));
}

void ProjectDialog::fillList() {
    m_list->clear();
    m_allFiles->clear();
    const QString pattern = m_mode == DialogMode::Picture ? QStringLiteral("*.jpg") : QStringLiteral("*.prj");
    const QDir folder(browseDirectory());
    // Name filters ignore the letter case: "Plan.PRJ" belongs to the list as much as "plan.prj".
    const QStringList names =
        folder.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    m_allFiles->addItems(names);

    for (const QString& name : names) {
        if (m_mode == DialogMode::Picture) {
            m_list->addItem(name);
            continue;
        }
        // Only projects of this program, the stored code compared letter for letter. A file whose header
        // cannot be read is no project and stays out of the list.
        const auto header = ReadProjectHeader(S(folder.filePath(name)));
        if (!header || header->programCode != m_ctx.programCode) continue;
        auto* item = new QListWidgetItem(name, m_list);
        item->setToolTip(toolTipFor(name));
    }
}

QString ProjectDialog::toolTipFor(const QString& fileName) const {
    const auto header = ReadProjectHeader(S(QDir(browseDirectory()).filePath(fileName)));
    const ProjectHeader shown = header.value_or(ProjectHeader{});
    return fileName + QStringLiteral(": ") + Caption(m_ctx, Cap::ProjectTipWord) + u' ' + Q(shown.name) +
           QStringLiteral(", ") + Q(shown.description);
}

void ProjectDialog::onListClicked(QListWidgetItem* item) {
    if (item == nullptr) return;
    m_name->setText(item->text());
    if (m_mode != DialogMode::Picture) item->setToolTip(toolTipFor(item->text()));
}

void ProjectDialog::onListDoubleClicked(QListWidgetItem* item) {
    if (item == nullptr) return;
    m_name->setText(item->text());
    acceptDialog();
}

bool ProjectDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            acceptDialog();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProjectDialog::acceptDialog() {
    const WaitCursor wait;
    const std::string folder = FolderWithSeparator(browseDirectory());
    switch (m_mode) {
    case DialogMode::Open:
        m_ctx.projectFileName = S(m_name->text().trimmed());
        m_ctx.projectDir = folder;
        m_ctx.dialogMode = DialogMode::None;
        done(QDialog::Accepted);
        // On success the dialog mode becomes Opened.
        OpenProject(m_ctx, folder, m_ctx.programCode);
        m_ctx.projectDir = folder;
        break;
    case DialogMode::SaveAs:
        m_ctx.projectFileName = S(m_name->text().trimmed());
        m_ctx.projectDir = folder;
        {
            const WriteStatus status = SaveProject(m_ctx, m_ctx.programCode, folder);
            m_saved = status.ok;
            m_saveFailure = WriteFailureMessage(status);
        }
        m_ctx.dialogMode = DialogMode::None;
        done(QDialog::Accepted);
        m_ctx.projectDir = folder;
        break;
    case DialogMode::Picture:
        m_ctx.logoPath = folder + S(m_name->text());
        done(QDialog::Accepted);
        break;
    default:
        done(QDialog::Rejected);
        break;
    }
}

void ProjectDialog::cancelDialog() {
    m_ctx.projectFileName = S(m_name->text().trimmed());
    m_ctx.dialogMode = DialogMode::None;
    QDialog::reject();
}

void ProjectDialog::reject() {
    cancelDialog();
}

void ProjectDialog::showNewFolderPanel() {
    m_newFolderPath->setText(browseDirectory());
    m_newFolderPanel->show();
    m_newFolderPath->setFocus();
    m_newFolderPath->end(false);
}

void ProjectDialog::hideNewFolderPanel() {
    m_newFolderPanel->hide();
}

void ProjectDialog::createNewFolder() {
    const QString typed = m_newFolderPath->text().trimmed();
    hideNewFolderPanel();
    if (typed.isEmpty()) return;
    // A bare name is made inside the folder shown.
    const QString path = CleanFolder(QDir(browseDirectory()).filePath(typed));
    if (path == browseDirectory()) return;
    // A folder that cannot be made leaves the tree as it is.
    if (QDir().mkpath(path)) changeFolder(path);
}

} // namespace veskaro
