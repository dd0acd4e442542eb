// Record files: writing and reading items, and the files of the data directory.

#include "app/record_file.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

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

WriteStatus SaveOutput(const AppContext& ctx, std::string_view name, const RecordWriter& content,
                       Durability durability) {
    // An existing file whose name differs only in case is replaced under its own name.
    const std::string path = FindFileNoCase(ResolveDataPath(ctx, name));
    return WriteFileAtomic(path, Utf8ToCp1252(content.text()), durability);
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
