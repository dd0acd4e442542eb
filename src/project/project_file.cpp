#include "project/project_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/data_dir.h"

namespace veskaro {

namespace {

namespace fs = std::filesystem;

// Characters a file stem loses, one occurrence each, in this order.
constexpr std::string_view kStemRemovedChars = ".,:-&=! ";
constexpr std::size_t kExtensionLength = 4;    // ".prj"
constexpr std::size_t kProposedStemLength = 8; // characters of the stem the save-as dialog proposes
constexpr std::size_t kHeaderStrings = 4;

struct CarriedFile {
    std::string_view code;
    std::string_view file;
};
constexpr CarriedFile kCarriedFiles[] = {
    {"CR", "KelvoL.dat"},
    {"AC", "KlimaL.dat"},
    {"HX", "HX_ACT.dat"},
};

// Blanks only, as the names are typed by the user; tabs and line ends are not part of a name.
std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset where the last `count` characters of a UTF-8 text begin (0 when it has fewer).
std::size_t LastCharsOffset(std::string_view text, std::size_t count) {
    std::size_t pos = text.size();
    for (std::size_t n = 0; n < count && pos > 0; ++n) {
        --pos;
        while (pos > 0 && IsUtf8Continuation(text[pos]))
            --pos;
    }
    return pos;
}

std::size_t CharCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsUtf8Continuation(c); }));
}

// The first `count` characters of a UTF-8 text.
std::string_view FirstChars(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && IsUtf8Continuation(text[pos]))
            ++pos;
    }
    return text.substr(0, pos);
}

bool EndsWithProjectExtension(std::string_view name) {
    return UpperAscii(TrimBlanks(name.substr(LastCharsOffset(name, kExtensionLength)))) == ".PRJ";
}

bool IsOnlyProjectExtension(std::string_view name) {
    return UpperAscii(TrimBlanks(name)) == ".PRJ";
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// One quoted string of the header line, starting at pos; pos moves past the closing quote and any
// blanks that follow.
bool ParseQuoted(std::string_view line, std::size_t& pos, std::string& out) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    if (pos >= line.size() || line[pos] != '"') return false;
    const auto close = line.find('"', pos + 1);
    if (close == std::string_view::npos) return false; // cut off inside the string
    out.assign(line.substr(pos + 1, close - pos - 1));
    pos = close + 1;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    return true;
}

// The header is the first line and holds exactly four quoted strings: a file cut off inside it, or a
// record file of another kind, is not a project.
bool ParseHeaderLine(std::string_view line, ProjectHeader& header) {
    std::string* const fields[kHeaderStrings] = {&header.name, &header.description, &header.reserved,
                                                 &header.programCode};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < kHeaderStrings; ++i) {
        if (!ParseQuoted(line, pos, *fields[i])) return false;
        const bool last = i + 1 == kHeaderStrings;
        if (last) return pos == line.size();
        if (pos >= line.size() || line[pos] != ',') return false;
        ++pos;
    }
    return false;
}

std::string ReadFileText(const std::string& path, bool& ok) {
    std::string bytes;
    ok = ReadFileBytes(FindFileNoCase(path), bytes, kMaxRecordFileBytes);
    return ok ? Cp1252ToUtf8(bytes) : std::string();
}

} // namespace

// --- Names -----------------------------------------------------------------------------------------

std::string FileStemOf(std::string_view name) {
    std::string stem(name);
    for (const char c : kStemRemovedChars) {
        const auto pos = stem.find(c);
        if (pos != std::string::npos) stem.erase(pos, 1);
    }
    return stem;
}

void MakeFileStem(AppContext& ctx, std::string_view name) {
    ctx.fileStem = FileStemOf(name);
}

std::string NormaliseProjectFileName(std::string_view fileName, std::string_view stem) {
    const std::string_view trimmed = TrimBlanks(fileName);
    if (trimmed.empty() || IsOnlyProjectExtension(fileName)) return std::string(stem) + ".prj";
    if (EndsWithProjectExtension(fileName)) return std::string(fileName);
    // Replace the last four characters ("plan.dat" -> "plan.PRJ"); a name that would lose every
    // character keeps them all and gets the extension appended.
    if (CharCount(trimmed) <= kExtensionLength) return std::string(trimmed) + ".PRJ";
    return std::string(trimmed.substr(0, LastCharsOffset(trimmed, kExtensionLength))) + ".PRJ";
}

std::string ProposeSaveAsName(AppContext& ctx) {
    MakeFileStem(ctx, ctx.projectName);
    const std::string_view stem = FirstChars(ctx.fileStem, kProposedStemLength);
    std::string name = ctx.projectFileName;
    if (TrimBlanks(name).empty() || IsOnlyProjectExtension(name)) name = std::string(stem) + ".prj";
    if (!EndsWithProjectExtension(name)) name += ".prj";
    ctx.projectFileName = name;
    return name;
}

std::string CarriedDataFile(std::string_view programCode) {
    const std::string code = UpperAscii(programCode);
    for (const auto& carried : kCarriedFiles) {
        if (carried.code == code) return std::string(carried.file);
    }
    return {};
}

std::string OpenProjectPrompt(std::string_view languageCode, std::string_view verb,
                              std::string_view projectWord) {
    const std::string lang = UpperAscii(languageCode);
    const std::string v(verb);
    const std::string p(projectWord);
    if (lang == "ENG" || lang == "NDL") return v + " " + p + " :";
    if (lang == "FRA" || lang == "ESP" || lang == "ITA" || lang == "POR") return v + " un " + p + " :";
    return p + " " + v + " :";
}

std::string ProjectFilePath(const AppContext& ctx, std::string_view folder, std::string_view fileName) {
    std::string dir(folder);
    while (dir.size() > 1 && IsSeparator(dir.back()))
        dir.pop_back();
    if (dir == "\\") dir = "/";
    std::error_code ec;
    const fs::path base =
        ctx.savedWorkingDir.empty() ? fs::current_path(ec) : PathFromUtf8(ctx.savedWorkingDir);
    if (dir.empty()) {
        dir = Utf8FromPath(base);
    } else if (PathFromUtf8(dir).is_relative()) {
        dir = Utf8FromPath(base / PathFromUtf8(dir));
    }
    if (!dir.empty() && !IsSeparator(dir.back())) dir += kPathSeparator;
    return dir + std::string(fileName);
}

// --- Reading -----------------------------------------------------------------------------------------

std::optional<ProjectFile> ParseProjectText(std::string_view utf8Text) {
    if (utf8Text.find('\0') != std::string_view::npos) return std::nullopt;
    const auto lineEnd = utf8Text.find_first_of("\r\n");
    const std::string_view headerLine = utf8Text.substr(0, lineEnd);
    ProjectFile project;
    if (!ParseHeaderLine(headerLine, project.header)) return std::nullopt;
    if (lineEnd == std::string_view::npos) return project; // a header and no body

    std::size_t bodyStart = lineEnd + 1;
    if (utf8Text[lineEnd] == '\r' && bodyStart < utf8Text.size() && utf8Text[bodyStart] == '\n') ++bodyStart;
    RecordReader body{std::string(utf8Text.substr(bodyStart))};
    std::string item;
    while (!body.atEnd()) {
        item.clear();
        if (!body.next(item)) break;
        project.items.push_back(item);
    }
    return project;
}

std::optional<ProjectFile> ReadProjectFile(const std::string& path) {
    bool ok = false;
    const std::string text = ReadFileText(path, ok);
    if (!ok) return std::nullopt;
    return ParseProjectText(text);
}

std::optional<ProjectHeader> ReadProjectHeader(const std::string& path) {
    // The list reads a header per file; the whole file is small (a few kB), so one reader serves all.
    auto project = ReadProjectFile(path);
    if (!project) return std::nullopt;
    return project->header;
}

RecordWriter CarriedFileContent(const ProjectFile& project) {
    RecordWriter out;
    for (const auto& item : project.items)
        out.line(item);
    return out;
}

// --- Commands ------------------------------------------------------------------------------------------

WriteStatus SaveProject(AppContext& ctx, std::string_view code, std::string_view folder) {
    MakeFileStem(ctx, ctx.projectName);
    ctx.projectFileName = NormaliseProjectFileName(ctx.projectFileName, ctx.fileStem);
    ctx.currentProjectFile = ctx.projectFileName;

    // One write statement for the header.
    RecordWriter out;
    out.userStr(ctx.projectName).userStr(ctx.projectDescription).str("").userStr(code).endLine();

    // A missing carried data file gives a project of the header alone.
    const std::string carried = CarriedDataFile(code);
    if (!carried.empty()) {
        RecordReader data = OpenInput(ctx, carried);
        std::string item;
        while (!data.atEnd()) {
            item.clear();
            if (!data.next(item)) break;
            out.line(item);
        }
    }
    return SaveOutput(ctx, ProjectFilePath(ctx, folder, ctx.projectFileName), out);
}

bool OpenProject(AppContext& ctx, std::string_view folder, std::string_view /*code*/) {
    const auto project = ReadProjectFile(ProjectFilePath(ctx, folder, ctx.projectFileName));
    if (!project) return false;
    const std::string carried = CarriedDataFile(project->header.programCode);
    if (carried.empty()) return false;
    if (!SaveOutput(ctx, carried, CarriedFileContent(*project)).ok) return false;

    ctx.projectName = project->header.name;
    ctx.projectDescription = project->header.description;
    ctx.dialogMode = DialogMode::Opened;
    ctx.currentProjectFile = ctx.projectFileName;
    return true;
}

bool HasCurrentProject(const AppContext& ctx) {
    return CharCount(ctx.currentProjectFile) > kExtensionLength;
}

bool OpenStartupProject(AppContext& ctx, std::string_view projectFile) {
    const auto slash = projectFile.find_last_of("/\\");
    std::string folder = ctx.projectDir;
    if (slash != std::string_view::npos) {
        folder.assign(projectFile.substr(0, slash + 1));
        projectFile.remove_prefix(slash + 1);
    }
    ctx.projectFileName.assign(TrimBlanks(projectFile));
    const bool opened = OpenProject(ctx, folder, ctx.programCode);
    ctx.dialogMode = DialogMode::None;
    return opened;
}

Messages RestoreRoomFile(AppContext& ctx) {
    std::string_view restoreName;
    if (ctx.programCode == "CR") {
        restoreName = kRoomRestoreFile;
    } else if (ctx.programCode == "AC") {
        restoreName = kClimateRestoreFile;
    } else {
        return {};
    }

    Messages messages;
    const std::string roomPath = FindFileNoCase(ResolveDataPath(ctx, ctx.roomFileName));
    const std::string restorePath = FindFileNoCase(ResolveDataPath(ctx, restoreName));
    std::error_code ec;
    const bool haveCopy = fs::exists(PathFromUtf8(restorePath), ec);
    // The rename replaces the room file in one step; the delete is needed only when there is no copy
    // or the rename could not replace the old file.
    bool restored = false;
    if (haveCopy) {
        fs::rename(PathFromUtf8(restorePath), PathFromUtf8(roomPath), ec);
        restored = !ec;
    }
    if (!restored) {
        const std::string blocked = DeleteDataFile(ctx, ctx.roomFileName);
        if (!blocked.empty()) messages.push_back({MessageKind::Critical, "Veskaro", blocked});
        if (haveCopy) fs::rename(PathFromUtf8(restorePath), PathFromUtf8(roomPath), ec);
    }
    ctx.activationState = ActivationState::NeverActivated;
    return messages;
}

} // namespace veskaro
