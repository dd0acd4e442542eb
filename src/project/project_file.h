#pragma once
// Project files: a user's saved copy of the working data file behind a four-string header.
//
//   line 1:  "project name","project description","","CR"     (one write statement)
//   line 2+: every item of the carried data file as a quoted string on a line of its own
//
// The program code in the header selects the carried data file ("CR" KelvoL.dat, "AC" KlimaL.dat,
// "HX" HX_ACT.dat), so the same routines serve every program of the family.
//
// Paths: a folder may end with "/" or "\" (or with neither). A relative folder, and an empty one, is
// taken relative to ctx.savedWorkingDir, the working directory the project dialog found when it opened;
// the routines never change the process working directory. Files of the data directory follow the path
// rule of record_file.h.
//
// Writes are atomic (temporary file + rename): a failed save leaves an existing project as it was, and a
// failed open leaves the data file as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/message.h"
#include "app/record_file.h"

namespace veskaro {

struct AppContext;

inline constexpr std::string_view kProjectExtension = ".prj";
inline constexpr std::string_view kRoomRestoreFile = "CRRestor.dat";
inline constexpr std::string_view kClimateRestoreFile = "ACRestor.dat";

struct ProjectHeader {
    std::string name;
    std::string description;
    std::string reserved;    // written empty, ignored on reading
    std::string programCode; // as stored: letter case kept
};

// A project file held in memory: its header and the items of the carried data file.
struct ProjectFile {
    ProjectHeader header;
    std::vector<std::string> items;
};

// --- Names -----------------------------------------------------------------------------------------

// The project name made fit for a file name: the first ".", ",", ":", "-", "&", "=", "!" and " " are
// removed, one occurrence of each, in that order ("Cold store: Hall 1" -> "Coldstore Hall 1").
std::string FileStemOf(std::string_view name);
// MakeFileStem: sets ctx.fileStem from name.
void MakeFileStem(AppContext& ctx, std::string_view name);

// The project file name a save uses: an empty name or ".prj" alone becomes stem & ".prj"; a name
// ending in ".prj" (any case) stays as it is; any other name is trimmed and its last four characters
// are replaced by ".PRJ" ("plan.dat" -> "plan.PRJ"). A name of four characters or fewer keeps them and
// gets ".PRJ" appended ("ab" -> "ab.PRJ").
std::string NormaliseProjectFileName(std::string_view fileName, std::string_view stem);

// The name the save-as dialog proposes: sets ctx.fileStem, then a blank project file name or ".prj"
// alone becomes the first eight characters of the stem & ".prj"; a name without the extension gets
// ".prj" appended. Stores the result in ctx.projectFileName and returns it.
std::string ProposeSaveAsName(AppContext& ctx);

// The data file a program code carries ("" for an unknown code); the code is compared upper-cased.
std::string CarriedDataFile(std::string_view programCode);

// The prompt of the open dialog: the verb and the project word in the word order of the language
// ("ENG", "NDL": "Open project :"; "FRA", "ESP", "ITA", "POR": verb " un " word; others: word verb).
std::string OpenProjectPrompt(std::string_view languageCode, std::string_view verb,
                              std::string_view projectWord);

// folder & fileName, with the folder rules of this file.
std::string ProjectFilePath(const AppContext& ctx, std::string_view folder, std::string_view fileName);

// --- Reading -----------------------------------------------------------------------------------------

// Parses the text of a project file (UTF-8). Nothing when the first line is not a complete header of
// exactly four quoted strings, or the text holds NUL bytes (not a text file).
std::optional<ProjectFile> ParseProjectText(std::string_view utf8Text);
// Reads and parses a project file (CP1252 on disk); the letter case of the file name need not match.
// Used by every reader of project files: the project dialog, the open command and `calc`.
std::optional<ProjectFile> ReadProjectFile(const std::string& path);
// Only the header, for the file list and its tool tips. Nothing when unreadable.
std::optional<ProjectHeader> ReadProjectHeader(const std::string& path);

// The carried data file as the open restores it: every item quoted on a line of its own. A room record
// reader reads the project body from RecordReader(CarriedFileContent(project).text()).
RecordWriter CarriedFileContent(const ProjectFile& project);

// --- Commands ------------------------------------------------------------------------------------------

// SaveProject: writes folder & ctx.projectFileName (normalised first, the normalised name is kept in
// ctx.projectFileName and becomes ctx.currentProjectFile) with the header ctx.projectName,
// ctx.projectDescription, "", code and the items of the code's carried data file. An unknown code, or a
// carried data file that does not exist, writes the header alone. A folder that cannot be written leaves
// an existing project untouched; the status names the file and the reason.
WriteStatus SaveProject(AppContext& ctx, std::string_view code, std::string_view folder);

// OpenProject: reads folder & ctx.projectFileName and replaces the data file named by the stored program
// code (upper-cased) with its items, in one step. On success: ctx.dialogMode = Opened, ctx.currentProjectFile
// = ctx.projectFileName, the project name and description come from the header. A missing, truncated or
// foreign file, or an unknown program code, changes nothing and returns false. `code` is the calling
// program's code; the stored code decides what is restored.
bool OpenProject(AppContext& ctx, std::string_view folder, std::string_view code);

// True when the save command can write without asking: a current project file of more than four
// characters exists.
bool HasCurrentProject(const AppContext& ctx);

// The start-up request to open a project (hand-over request 117): projectFile is a file name in
// ctx.projectDir or a full path. Opens it like OpenProject; the dialog mode is 0 again afterwards. The room
// file name stays "KelvoL.dat", so that saving the room at exit never writes over the project file. True
// when the caller must load the room record from "KelvoL.dat".
bool OpenStartupProject(AppContext& ctx, std::string_view projectFile);

// RestoreRoomFile: puts the restore copy (CRRestor.dat for "CR", ACRestor.dat for "AC") back as the room
// file and sets the activation state to 0, so that the main window reloads everything at its next
// activation. A missing restore copy leaves no room file. Any other program code does nothing. Returns
// the "System blocked." message when the old room file could not be removed.
Messages RestoreRoomFile(AppContext& ctx);

} // namespace veskaro
