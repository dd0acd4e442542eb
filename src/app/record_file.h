#pragma once
// Record files: comma-separated items, strings in double quotes, one write statement per CR LF line,
// read back item by item regardless of line breaks. CP1252 on disk, UTF-8 in memory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/message.h"

namespace veskaro {

struct AppContext;

// Builds the text of a record file in memory; nothing touches the disk until save.
// Text a user typed, made storable as one record item: a double quote (which no item can hold) becomes
// an apostrophe, and line ends are dropped, so no input can shift the items behind it.
std::string StorableText(std::string_view text);

class RecordWriter {
  public:
    // "text": a double quote becomes an apostrophe, everything else stays (result lines carry CR items).
    RecordWriter& str(std::string_view text);
    // A user's free text (names, descriptions, grid cells): str() of StorableText(text).
    RecordWriter& userStr(std::string_view text) { return str(StorableText(text)); }
    RecordWriter& integer(long long value); // -12
    RecordWriter& real(double value);       // shortest form, 15 significant digits
    RecordWriter& single(double value);     // shortest form, 7 significant digits
    RecordWriter& boolean(bool value);      // #TRUE# / #FALSE#
    RecordWriter& empty();                  // nothing between the commas
    RecordWriter& endLine();                // CR LF: ends the write statement
    // One quoted string on a line of its own: the most common record of all.
    RecordWriter& line(std::string_view text) { return str(text).endLine(); }
    RecordWriter& userLine(std::string_view text) { return userStr(text).endLine(); }

    const std::string& text() const { return m_text; } // UTF-8, CR LF line ends
    bool isEmpty() const { return m_text.empty(); }

  private:
    void separate();
    std::string m_text;
    bool m_lineOpen = false;
};

// Reading bounds: a file is read up to its first kMaxRecordFileBytes bytes, and an item keeps at most
// kMaxItemBytes bytes (the rest of it is read past), so no file of the data directory can stall the
// program or fill its memory. No record file of the family comes near either bound.
inline constexpr std::size_t kMaxRecordFileBytes = std::size_t{4} << 20;
inline constexpr std::size_t kMaxItemBytes = 4096;

// Reads the items of a record file one at a time. Reads past the end leave the target unchanged.
// Each item consumes one terminator (comma or line end), so a blank line between items is an empty item;
// blanks and line ends after the last item are none. Numeric targets never receive NaN or an infinity:
// overflow gives +-DBL_MAX (clamped further for integers), "nan" and other text without digits 0.
class RecordReader {
  public:
    RecordReader() = default;
    explicit RecordReader(std::string utf8Text);

    // Reads a file (CP1252 to UTF-8), at most its first kMaxRecordFileBytes. A missing or unreadable file
    // gives an empty reader.
    static RecordReader fromFile(const std::string& fullPath);

    bool exists() const { return m_exists; } // the file was found and read
    std::size_t length() const { return m_text.size(); }
    bool atEnd() const; // no further item (only blanks and line ends remain)

    bool next(std::string& item); // false at end; item untouched then
    bool read(std::string& target) { return next(target); }
    bool read(double& target);   // numeric target: period decimal separator, "" gives 0
    bool read(int& target);      // numeric target rounded half to even (CInt), clamped to the range
    bool read(short& target);    // 16-bit numeric target, rounded and clamped to its range
    bool readBool(bool& target); // #TRUE# / #FALSE#
    void skip(int count);

  private:
    std::string m_text;
    std::size_t m_pos = 0;
    std::size_t m_contentEnd = 0; // one past the last character that is not a blank, tab or line end
    bool m_exists = false;
};

// --- Files of the data directory ------------------------------------------------------------------

// The outcome of a write: which file and, when it failed, the system's reason.
struct [[nodiscard]] WriteStatus {
    bool ok = true;
    std::string path;
    std::string reason; // "" when ok
    explicit operator bool() const { return ok; }
};
// The user's message for a failed write: "Could not save <file>: <reason>"; "" for a write that worked.
std::string WriteFailureMessage(const WriteStatus& status);
// The first failure of two writes, else the second's status.
inline WriteStatus FirstFailure(const WriteStatus& first, const WriteStatus& second) {
    return first.ok ? second : first;
}

// The failed write as a message for the user (none for a write that worked).
Messages FailureMessages(const WriteStatus& status);

// One file of a group write: full path and bytes.
struct FileContent {
    std::string path;
    std::string bytes;
};

// How far a write waits for the disk. Synced: the file and its folder are flushed to the disk before the
// write counts as done (every record the engineer keeps). Regenerated: still written to a temporary file
// and renamed over the target, so no reader ever sees half a file, but not flushed: for a report that is
// written anew from the data on screen at every recomputation, where a flush per keystroke would cost
// milliseconds and a crash loses nothing that is not rebuilt at once.
enum class Durability { Synced, Regenerated };

// The path rule: a name without "/" or "\" lives in the data directory; otherwise it is a full path.
std::string ResolveDataPath(const AppContext& ctx, std::string_view name);
// Finds an existing file whatever the letter case of its name (case-sensitive file systems); returns
// the path unchanged when nothing matches.
std::string FindFileNoCase(const std::string& path);
// Writes bytes to a temporary file in the same folder, flushes it to the disk, renames it over the target
// (read-only bit of an existing target cleared first) and flushes the folder. No temporary file remains
// unless the process dies meanwhile; RemoveTemporaryFiles clears those at the next start.
WriteStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                            Durability durability = Durability::Synced);
// The same for several files replaced together: every temporary file is written and flushed before the
// first rename, so either all targets are replaced or (on a failure before the renames) none is.
WriteStatus WriteFilesAtomic(const std::vector<FileContent>& files,
                             Durability durability = Durability::Synced);
// True for the names of the temporary files of the two functions above.
bool IsTemporaryFileName(std::string_view name);
// Deletes the temporary files a killed run left in dir; returns how many.
int RemoveTemporaryFiles(const std::string& dir);
// Clears the read-only bit of an existing file (other attributes stay). True when the file is now
// writable or does not exist.
bool ClearReadOnly(const std::string& path);
// Reads a file as bytes, at most its first maxBytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes = SIZE_MAX);

// OpenInput: the record file `name` (path rule above) for reading.
RecordReader OpenInput(const AppContext& ctx, std::string_view name);
// OpenOutput: writes the record file `name`, replacing it atomically.
WriteStatus SaveOutput(const AppContext& ctx, std::string_view name, const RecordWriter& content,
                       Durability durability = Durability::Synced);
// Two record files replaced together (the result files): see WriteFilesAtomic.
WriteStatus SaveOutputPair(const AppContext& ctx, std::string_view firstName, const RecordWriter& first,
                           std::string_view secondName, const RecordWriter& second);
// OpenAppend: adds to the end of the record file `name`.
WriteStatus SaveAppend(const AppContext& ctx, std::string_view name, const RecordWriter& content);
// True when `name` exists (path rule, any letter case).
bool DataFileExists(const AppContext& ctx, std::string_view name);

// DeleteDataFile: deletes data directory / name. Only plain names are accepted: a name holding "/", "\"
// or ".." deletes nothing. When the file is still there afterwards (with a length other than 0, or as a
// folder that cannot be removed), the first time in this run, returns the text of the critical
// "System blocked." message; else "".
std::string DeleteDataFile(AppContext& ctx, std::string_view name);
// The text of that message for `name`, composed from its four caption texts and the working directory.
std::string BlockedFileMessage(const AppContext& ctx, std::string_view name);

// CP1252 <-> UTF-8. Bytes CP1252 leaves undefined map to the C1 control of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view text); // characters outside CP1252 become "?"

} // namespace veskaro
