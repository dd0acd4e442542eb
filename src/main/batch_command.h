#pragma once
// `veskaro-cr calc` over many rooms: each FILE, and every project file below each folder, is read and
// calculated in one run that starts up once (data directory, seed files, settings, captions). One output
// record per file; a file that cannot be read gives its own record and the batch goes on.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup.h"

namespace veskaro {

struct RoomRecord;
struct RecalcResult;

enum class BatchFormat {
    Text, // the one-room table of each room, one after another
    Json, // one JSON object per line
    Csv,  // a header line, then one line per room
};

// The paths of a batch in output order: a FILE as given; a folder's project files (".prj", any case)
// found recursively, sorted. `problem` is set for a folder that cannot be listed or holds none.
struct BatchEntry {
    std::string path;
    std::string problem;
};
std::vector<BatchEntry> ExpandBatchPaths(const std::vector<std::string>& paths);

// Whether the FILE arguments of `calc` make a batch: more than one, or a folder.
bool IsBatch(const std::vector<std::string>& files);

// Runs the batch; returns 0 when every room was calculated, else 2 when any file could not be read, else
// 1 (a room was refused: stopped, or an input out of range). Nothing is written to the data directory
// beyond its seeding, and a batch in which no file can be read does not touch it at all.
int RunCalcBatch(const std::vector<std::string>& paths, BatchFormat format, const StartupOptions& startup,
                 std::ostream& out, std::ostream& err);

// A CSV field with the quoting of RFC 4180: enclosed in double quotes (quotes doubled) when it holds a
// comma, a double quote, CR or LF; as it is otherwise.
std::string CsvField(std::string_view text);
// The header line, and one line for a room or for a file that could not be read; each with its "\n".
std::string CsvHeader();
// The project column: the project file's own name, else the room record's project field.
std::string CsvRoomLine(const std::string& file, const std::string& project, const RecalcResult& r);
std::string CsvErrorLine(const std::string& file, const std::string& problem);

} // namespace veskaro
