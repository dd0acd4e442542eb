// Many rooms in one run of `veskaro-cr calc`: folder expansion, one start-up, JSON lines or CSV.

#include "main/batch_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "app/data_dir.h"
#include "app/json_writer.h"
#include "main/cli.h"
#include "room/load_calc.h"
#include "room/room_record.h"
#include "room/room_source.h"

namespace veskaro {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kProjectSuffix = ".prj";

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(PathFromUtf8(path), ec);
}

bool IsProjectFile(const fs::path& path) {
    const std::string name = Utf8FromPath(path.filename());
    return name.size() > kProjectSuffix.size() &&
           EqualsNoCase(std::string_view(name).substr(name.size() - kProjectSuffix.size()), kProjectSuffix);
}

// The project files below dir, sorted; a problem entry when the folder cannot be listed or holds none.
void AddFolder(const std::string& dir, std::vector<BatchEntry>& entries) {
    std::vector<std::string> found;
    std::error_code ec;
    const auto options = fs::directory_options::skip_permission_denied;
    fs::recursive_directory_iterator it(PathFromUtf8(dir), options, ec);
    for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (IsProjectFile(it->path()) && it->is_regular_file(typeError))
            found.push_back(Utf8FromPath(it->path()));
    }
    if (ec) {
        entries.push_back({dir, "cannot list folder " + dir + ": " + ec.message()});
        return;
    }
    if (found.empty()) {
        entries.push_back({dir, "no project files (" + std::string(kProjectSuffix) + ") in " + dir});
        return;
    }
    std::sort(found.begin(), found.end());
    for (std::string& path : found)
        entries.push_back({std::move(path), ""});
}

// A number cell: the shortest text that reads back as the same double; empty for NaN and infinities.
std::string NumberCell(double value) {
    if (!std::isfinite(value)) return "";
    if (value == 0.0) value = 0.0; // no "-0"
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

// Why a room gave no result, one line: the stop messages or the out-of-range fields.
std::string RefusalText(const RecalcResult& r) {
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
    for (const RangeWarning& w : r.warnings)
        add(w.text());
    for (const Message& m : r.messages)
        add(m.text);
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

bool Refused(const RecalcResult& r) {
    return r.stopped || !r.trusted();
}

std::string JsonErrorLine(const std::string& file, const std::string& problem) {
    JsonWriter j;
    j.beginObject().member("source", file).member("error", problem).endObject();
    return j.text() + "\n";
}

} // namespace

std::vector<BatchEntry> ExpandBatchPaths(const std::vector<std::string>& paths) {
    std::vector<BatchEntry> entries;
    for (const std::string& path : paths) {
        if (IsDirectory(path)) {
            AddFolder(path, entries);
        } else {
            entries.push_back({path, ""});
        }
    }
    return entries;
}

bool IsBatch(const std::vector<std::string>& files) {
    return files.size() > 1 || (files.size() == 1 && IsDirectory(files.front()));
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvHeader() {
    return "file,project,V_m3,Q0_kW,goods_kW,lighting_electrical_kW,air_change_kW,latent_kW,sensible_kW,"
           "transmission_kW,persons_kW,fans_kW,defrost_kW,status,message\n";
}

std::string CsvRoomLine(const std::string& file, const std::string& project, const RecalcResult& r) {
    std::string line = CsvField(file) + "," + CsvField(project);
    const bool refused = Refused(r);
    const LoadLine* const components[] = {&r.goods,   &r.electrical, &r.airChange,
                                          &r.latent,  &r.sensible,   &r.transmission,
                                          &r.persons, &r.fans,       &r.defrost};
    // A refused room has no numbers: none made from an impossible input passes for a result.
    const auto cell = [&](double value) { line += "," + (refused ? std::string() : NumberCell(value)); };
    cell(r.V_m3);
    cell(r.Q0_kW);
    for (const LoadLine* component : components)
        cell(component->capacity_kW);
    line += refused ? ",refused," + CsvField(RefusalText(r)) : std::string(",ok,");
    return line + "\n";
}

std::string CsvErrorLine(const std::string& file, const std::string& problem) {
    return CsvField(file) + ",,,,,,,,,,,,,unreadable," + CsvField(problem) + "\n";
}

int RunCalcBatch(const std::vector<std::string>& paths, BatchFormat format, const StartupOptions& startup,
                 std::ostream& out, std::ostream& err) {
    bool anyUnreadable = false;
    bool anyRefused = false;
    std::optional<AppContext> ctx; // started at the first room read, once for the whole batch
    if (format == BatchFormat::Csv) out << CsvHeader();
    bool first = true;
    for (const BatchEntry& entry : ExpandBatchPaths(paths)) {
        RoomRecord room;
        std::string projectName;
        std::string problem = entry.problem;
        if (problem.empty()) problem = ReadRoomFromFile(entry.path, room, &projectName);
        if (!problem.empty()) {
            anyUnreadable = true;
            if (format == BatchFormat::Json) out << JsonErrorLine(entry.path, problem);
            if (format == BatchFormat::Csv) out << CsvErrorLine(entry.path, problem);
            if (format == BatchFormat::Text) err << "veskaro-cr calc: " << problem << "\n";
            continue;
        }
        if (!ctx) ctx = StartUp(startup);
        const RoomRecord asRead = format == BatchFormat::Json ? room : RoomRecord();
        const RecalcResult r = CalculateRoom(room, *ctx);
        anyRefused = anyRefused || Refused(r);
        if (format == BatchFormat::Json) out << RoomJson(entry.path, asRead, room, r, false);
        if (format == BatchFormat::Csv)
            out << CsvRoomLine(entry.path, projectName.empty() ? room.proj : projectName, r);
        if (format == BatchFormat::Text) out << (first ? "" : "\n") << RoomText(entry.path, room, r, false);
        first = false;
    }
    out.flush();
    if (anyUnreadable) return kCalcUsageError;
    return anyRefused ? kCalcStopped : kCalcOk;
}

} // namespace veskaro
