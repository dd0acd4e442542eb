// Atomic writes: every file goes to a temporary file beside its target, is flushed to the disk and then
// renamed over the target, so that a crash never leaves a half-written file; a group of files is renamed
// only once all of them are on the disk.

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>
#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "app/data_dir.h"
#include "app/record_file.h"

namespace veskaro {

namespace fs = std::filesystem;

namespace {

// Temporary files are named ".~" & target & "." & random & ".tmp", a form no data file of the family has.
constexpr std::string_view kTemporaryPrefix = ".~";
constexpr std::string_view kTemporarySuffix = ".tmp";

// A name for the temporary file beside the target that no other writer picks.
std::string TemporaryName(const std::string& targetName) {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937_64 random{std::random_device{}()};
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, random() ^ (counter.fetch_add(1) + 1ULL), 36);
    return std::string(kTemporaryPrefix) + targetName + "." + std::string(buf, res.ptr) +
           std::string(kTemporarySuffix);
}

// Opens a new file for writing, failing if it exists already.
std::FILE* OpenNewFile(const fs::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wbx");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

std::string SystemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

WriteStatus Failed(const std::string& path, std::string reason) {
    return {false, path, std::move(reason)};
}

// Flushes a written file's data to the disk.
bool SyncFile(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// Flushes a folder's entries (a rename) to the disk; a system without folder handles has nothing to do.
void SyncFolder(const fs::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    (void)folder;
#endif
}

// A temporary file beside one target, written and flushed, not yet renamed.
struct StagedFile {
    fs::path target;
    fs::path temporary;
};

WriteStatus StageFile(const FileContent& file, StagedFile& staged, Durability durability) {
    const fs::path target = PathFromUtf8(file.path);
    const std::string targetName = Utf8FromPath(target.filename());
    if (targetName.empty()) return Failed(file.path, "not a file name");
    // A folder in the target's place would fail the rename after the other files of a group are renamed.
    std::error_code typeError;
    if (fs::is_directory(target, typeError)) return Failed(file.path, SystemReason(EISDIR));
    ClearReadOnly(file.path);
    std::FILE* out = nullptr;
    fs::path temporary;
    int openError = 0;
    for (int attempt = 0; attempt < 8 && out == nullptr; ++attempt) {
        temporary = target.parent_path() / PathFromUtf8(TemporaryName(targetName));
        errno = 0;
        out = OpenNewFile(temporary);
        openError = errno;
    }
    if (out == nullptr) return Failed(file.path, SystemReason(openError != 0 ? openError : EIO));
    errno = 0;
    const bool written = std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size() &&
                         std::fflush(out) == 0 && std::ferror(out) == 0 &&
                         (durability == Durability::Regenerated || SyncFile(out));
    const int writeError = errno;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        std::error_code ec;
        fs::remove(temporary, ec);
        return Failed(file.path, SystemReason(writeError != 0 ? writeError : EIO));
    }
    staged = {target, temporary};
    return {true, file.path, {}};
}

void RemoveStaged(const std::vector<StagedFile>& staged, std::size_t from) {
    std::error_code ec;
    for (std::size_t i = from; i < staged.size(); ++i)
        fs::remove(staged[i].temporary, ec);
}

} // namespace

WriteStatus WriteFileAtomic(const std::string& path, std::string_view bytes, Durability durability) {
    return WriteFilesAtomic({{path, std::string(bytes)}}, durability);
}

WriteStatus WriteFilesAtomic(const std::vector<FileContent>& files, Durability durability) {
    std::vector<StagedFile> staged(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        WriteStatus status = StageFile(files[i], staged[i], durability);
        if (!status) {
            RemoveStaged(staged, 0);
            return status;
        }
    }
    // Every new content is on the disk: now the renames, which the file system does in one step each.
    for (std::size_t i = 0; i < staged.size(); ++i) {
        std::error_code ec;
        fs::rename(staged[i].temporary, staged[i].target, ec);
        if (ec) {
            RemoveStaged(staged, i);
            return Failed(files[i].path, ec.message());
        }
        if (durability == Durability::Synced) SyncFolder(staged[i].target.parent_path());
    }
    return {true, files.empty() ? std::string() : files.front().path, {}};
}

bool IsTemporaryFileName(std::string_view name) {
    return name.size() > kTemporaryPrefix.size() + kTemporarySuffix.size() &&
           name.substr(0, kTemporaryPrefix.size()) == kTemporaryPrefix &&
           name.substr(name.size() - kTemporarySuffix.size()) == kTemporarySuffix;
}

int RemoveTemporaryFiles(const std::string& dir) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(PathFromUtf8(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && IsTemporaryFileName(Utf8FromPath(it->path().filename())))
            stale.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& file : stale) {
        if (fs::remove(file, ec)) ++removed;
    }
    return removed;
}

std::string WriteFailureMessage(const WriteStatus& status) {
    if (status.ok) return {};
    const std::string name = Utf8FromPath(PathFromUtf8(status.path).filename());
    return "Could not save " + (name.empty() ? status.path : name) + ": " + status.reason;
}

Messages FailureMessages(const WriteStatus& status) {
    if (status.ok) return {};
    return {{MessageKind::Critical, "", WriteFailureMessage(status)}};
}

} // namespace veskaro
