// Record files: writing and reading items, the CP1252 file encoding, and the files of the data directory.

#include "app/record_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include <cerrno>
#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "app/app_context.h"
#include "app/data_dir.h"
#include "app/number_text.h"

namespace veskaro {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";
// Significant digits of the two real types in their item form.
constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}
bool IsWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Position of the next comma or line end at or after `from`, npos when there is none.
std::size_t FindTerminator(const std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',' || c == '\r' || c == '\n') return i;
    }
    return std::string::npos;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlankOrTab(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlankOrTab(s.back()))
        s.remove_suffix(1);
    return s;
}

// Numeric value of an item: #TRUE# counts -1 and #FALSE# 0 as the family's files use them; anything else
// is read with the period as decimal separator ("" gives 0).
double ItemNumber(std::string_view item) {
    if (item.empty()) return 0.0;
    const std::string_view trimmed = TrimBlanks(item);
    if (EqualsNoCase(trimmed, kTrue)) return -1.0;
    if (EqualsNoCase(trimmed, kFalse)) return 0.0;
    return LeadingNumber(trimmed);
}

// Unicode code points of CP1252 bytes 0x80..0x9F; the five undefined bytes keep their C1 control value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Byte of CP1252 for a code point, or -1 when the code page has none.
int Cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == cp) return static_cast<int>(0x80 + i);
    }
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when the bytes there are not valid UTF-8.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

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

WriteStatus StageFile(const FileContent& file, StagedFile& staged) {
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
                         std::fflush(out) == 0 && std::ferror(out) == 0 && SyncFile(out);
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

// The longest prefix of at most `limit` bytes that does not split a UTF-8 sequence.
std::size_t Utf8CutPoint(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

// A name DeleteDataFile accepts: no folder part and no way out of the data directory.
bool IsPlainName(std::string_view name) {
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

} // namespace

// --- Writer -----------------------------------------------------------------------------------------

void RecordWriter::separate() {
    if (m_lineOpen) m_text.push_back(',');
    m_lineOpen = true;
}

std::string StorableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n') out.push_back(c);
    }
    return out;
}

RecordWriter& RecordWriter::str(std::string_view text) {
    separate();
    m_text.push_back('"');
    const std::size_t start = m_text.size();
    m_text += text;
    // No item can hold a double quote: the reader would end the item there and shift every later item.
    std::replace(m_text.begin() + static_cast<std::ptrdiff_t>(start), m_text.end(), '"', '\'');
    m_text.push_back('"');
    return *this;
}

RecordWriter& RecordWriter::integer(long long value) {
    separate();
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    m_text.append(buf, res.ptr);
    return *this;
}

RecordWriter& RecordWriter::real(double value) {
    separate();
    m_text += RealItemText(value, kDoubleDigits);
    return *this;
}

RecordWriter& RecordWriter::single(double value) {
    separate();
    m_text += RealItemText(value, kSingleDigits);
    return *this;
}

RecordWriter& RecordWriter::boolean(bool value) {
    separate();
    m_text += value ? kTrue : kFalse;
    return *this;
}

RecordWriter& RecordWriter::empty() {
    separate();
    return *this;
}

RecordWriter& RecordWriter::endLine() {
    m_text += kLineEnd;
    m_lineOpen = false;
    return *this;
}

// --- Reader -----------------------------------------------------------------------------------------
//
// Item rules. An item ends at a comma or at a line end (CR LF, CR or LF), and each item consumes exactly
// one such terminator. So "a" CR LF "b" holds two items, while a blank line between two items is an empty
// item of its own, as is the gap in "a",CR LF: a line of one quoted string per write statement reads back
// exactly, and an empty write statement reads back as the empty item it stands for. Blanks, tabs and line
// ends after the last real character are no item: reading there counts as reading past the end.

RecordReader::RecordReader(std::string utf8Text) : m_text(std::move(utf8Text)), m_exists(true) {
    std::size_t end = m_text.size();
    while (end > 0 && IsWhitespace(m_text[end - 1]))
        --end;
    m_contentEnd = end;
}

RecordReader RecordReader::fromFile(const std::string& fullPath) {
    std::string bytes;
    if (!ReadFileBytes(fullPath, bytes, kMaxRecordFileBytes)) return RecordReader();
    return RecordReader(Cp1252ToUtf8(bytes));
}

bool RecordReader::atEnd() const {
    return m_pos >= m_contentEnd;
}

bool RecordReader::next(std::string& item) {
    if (atEnd()) return false;
    const std::size_t size = m_text.size();
    std::size_t i = m_pos;
    while (i < size && IsBlankOrTab(m_text[i]))
        ++i;

    std::size_t terminator = 0;
    if (i < size && m_text[i] == '"') {
        // A quoted item runs to the next quote, line ends and commas included; an unterminated quote
        // takes the rest of the file.
        const std::size_t close = m_text.find('"', i + 1);
        if (close == std::string::npos) {
            item.assign(m_text, i + 1, kMaxItemBytes);
            item.resize(Utf8CutPoint(item, kMaxItemBytes));
            m_pos = size;
            return true;
        }
        item.assign(m_text, i + 1, close - i - 1);
        terminator = FindTerminator(m_text, close + 1);
    } else {
        terminator = FindTerminator(m_text, i);
        const std::size_t stop = terminator == std::string::npos ? size : terminator;
        item.assign(TrimBlanks(std::string_view(m_text).substr(i, stop - i)));
    }

    if (item.size() > kMaxItemBytes) item.resize(Utf8CutPoint(item, kMaxItemBytes));
    if (terminator == std::string::npos) {
        m_pos = size;
    } else if (m_text[terminator] == '\r' && terminator + 1 < size && m_text[terminator + 1] == '\n') {
        m_pos = terminator + 2;
    } else {
        m_pos = terminator + 1;
    }
    return true;
}

bool RecordReader::read(double& target) {
    std::string item;
    if (!next(item)) return false;
    target = ItemNumber(item);
    return true;
}

bool RecordReader::read(int& target) {
    std::string item;
    if (!next(item)) return false;
    target = static_cast<int>(RoundLikeCInt(ItemNumber(item), INT_MIN, INT_MAX));
    return true;
}

bool RecordReader::read(short& target) {
    std::string item;
    if (!next(item)) return false;
    target = static_cast<short>(RoundLikeCInt(ItemNumber(item), SHRT_MIN, SHRT_MAX));
    return true;
}

bool RecordReader::readBool(bool& target) {
    std::string item;
    if (!next(item)) return false;
    target = ItemNumber(item) != 0.0;
    return true;
}

void RecordReader::skip(int count) {
    std::string item;
    for (int i = 0; i < count && next(item); ++i) {
    }
}

// --- Encoding ---------------------------------------------------------------------------------------

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else if (b < 0xA0) {
            AppendUtf8(out, kCp1252High[b - 0x80]);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        const std::size_t length = DecodeUtf8(text, i, cp);
        if (length == 0) { // a stray byte
            out.push_back('?');
            ++i;
            continue;
        }
        const int b = Cp1252Byte(cp);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
        i += length;
    }
    return out;
}

// --- Files ------------------------------------------------------------------------------------------

std::string ResolveDataPath(const AppContext& ctx, std::string_view name) {
    std::string path(name);
    if (path.find_first_of("/\\") == std::string::npos) {
        if (ctx.dataDir.empty()) return path;
        return ctx.dataDir + kPathSeparator + path;
    }
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

std::string FindFileNoCase(const std::string& path) {
    std::error_code ec;
    const fs::path full = PathFromUtf8(path);
    if (fs::exists(full, ec)) return path;
    const std::string name = Utf8FromPath(full.filename());
    if (name.empty()) return path;
    const fs::path folder = full.parent_path();
    std::string best;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string candidate = Utf8FromPath(it->path().filename());
        // Several names may differ only in case: take the smallest so the choice does not depend on
        // the order of the directory listing.
        if (EqualsNoCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    if (best.empty()) return path;
    return folder.empty() ? best : Utf8FromPath(folder / PathFromUtf8(best));
}

bool ClearReadOnly(const std::string& path) {
    std::error_code ec;
    const fs::path file = PathFromUtf8(path);
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status)) return true;
    if ((status.permissions() & fs::perms::owner_write) != fs::perms::none) return true;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
    return !ec;
}

WriteStatus WriteFileAtomic(const std::string& path, std::string_view bytes) {
    return WriteFilesAtomic({{path, std::string(bytes)}});
}

WriteStatus WriteFilesAtomic(const std::vector<FileContent>& files) {
    std::vector<StagedFile> staged(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        WriteStatus status = StageFile(files[i], staged[i]);
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
        SyncFolder(staged[i].target.parent_path());
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

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    std::error_code ec;
    const fs::path file = PathFromUtf8(path);
    if (!fs::is_regular_file(file, ec)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::string content;
    constexpr std::size_t kChunk = 1 << 16;
    char buffer[kChunk];
    while (content.size() < maxBytes && in) {
        in.read(buffer, static_cast<std::streamsize>(std::min(kChunk, maxBytes - content.size())));
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return false;
    bytes = std::move(content);
    return true;
}

RecordReader OpenInput(const AppContext& ctx, std::string_view name) {
    return RecordReader::fromFile(FindFileNoCase(ResolveDataPath(ctx, name)));
}

WriteStatus SaveOutput(const AppContext& ctx, std::string_view name, const RecordWriter& content) {
    // An existing file whose name differs only in case is replaced under its own name.
    const std::string path = FindFileNoCase(ResolveDataPath(ctx, name));
    return WriteFileAtomic(path, Utf8ToCp1252(content.text()));
}

WriteStatus SaveOutputPair(const AppContext& ctx, std::string_view firstName, const RecordWriter& first,
                           std::string_view secondName, const RecordWriter& second) {
    return WriteFilesAtomic(
        {{FindFileNoCase(ResolveDataPath(ctx, firstName)), Utf8ToCp1252(first.text())},
         {FindFileNoCase(ResolveDataPath(ctx, secondName)), Utf8ToCp1252(second.text())}});
}

WriteStatus SaveAppend(const AppContext& ctx, std::string_view name, const RecordWriter& content) {
    const std::string path = FindFileNoCase(ResolveDataPath(ctx, name));
    std::string bytes;
    ReadFileBytes(path, bytes); // a missing file starts empty
    bytes += Utf8ToCp1252(content.text());
    return WriteFileAtomic(path, bytes);
}

bool DataFileExists(const AppContext& ctx, std::string_view name) {
    std::error_code ec;
    return fs::is_regular_file(PathFromUtf8(FindFileNoCase(ResolveDataPath(ctx, name))), ec);
}

namespace {

// The four caption texts of the "System blocked." message.
const std::string& BlockedLocationText(const AppContext& ctx) {
    return ctx.captions[Cap::SystemBlocked1];
}
const std::string& BlockedStateText(const AppContext& ctx) {
    return ctx.captions[Cap::SystemBlocked2];
}
const std::string& BlockedCauseText(const AppContext& ctx) {
    return ctx.captions[Cap::SystemBlocked3];
}
const std::string& BlockedAdviceText(const AppContext& ctx) {
    return ctx.captions[Cap::SystemBlocked4];
}

} // namespace

std::string DeleteDataFile(AppContext& ctx, std::string_view name) {
    if (!IsPlainName(name)) return {};
    std::error_code ec;
    const fs::path file = PathFromUtf8(FindFileNoCase(ResolveDataPath(ctx, name)));
    fs::remove(file, ec);

    if (ctx.deleteBlockedShown) return {};
    const fs::file_status status = fs::symlink_status(file, ec);
    if (ec || !fs::exists(status)) return {};
    // A folder of that name that could not be removed blocks the name as much as a file does.
    if (fs::is_regular_file(status) && (fs::file_size(file, ec) == 0 || ec)) return {};

    ctx.deleteBlockedShown = true;
    return BlockedFileMessage(ctx, name);
}

std::string BlockedFileMessage(const AppContext& ctx, std::string_view name) {
    const std::string cr = "\r";
    return BlockedLocationText(ctx) + " : " + CurrentDirectory() + " " + BlockedStateText(ctx) + "!" + cr +
           cr + BlockedCauseText(ctx) + "." + cr + cr + BlockedAdviceText(ctx) + "!" + cr + cr +
           "System blocked." + cr + cr + "Can not delete/overwrite file:   - " + std::string(name) + " - ";
}

} // namespace veskaro
