#pragma once
// The skeleton shared by the headless commands on one room (`calc`, `report`): parse the arguments, open
// the room (a FILE or the data directory's room record) and calculate it in memory.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "room/load_calc.h"
#include "room/room_source.h"

namespace veskaro {

// A command's own option at args[i]: returns true when it took it (advancing i past a value it used) and
// sets `complaint` when the option is malformed.
using CommandOption =
    std::function<bool(const std::vector<std::string>& args, std::size_t& i, std::string& complaint)>;

struct RoomCommand {
    std::string file;     // FILE, "" for the data directory's room record
    std::string dataDir;  // --data-dir
    std::string language; // --lang, upper case
    HeadlessRoom headless;
    RoomRecord asRead; // the record before the calculation rewrote any field
    RecalcResult result;
};

// Parses FILE, `--data-dir DIR` / `--data-dir=DIR`, `--lang CODE` / `--lang=CODE` and the command's own
// options. "" when fine, else the complaint.
std::string ParseRoomCommandArgs(const std::vector<std::string>& args, const CommandOption& own,
                                 RoomCommand& command);

// Parses, opens and calculates. `complete` checks the parsed options before anything is opened ("" when
// they are complete). On a bad argument or an unreadable room writes "veskaro-cr NAME: reason" (and the
// usage line for a bad argument) to err and returns false.
bool RunRoomCommand(const char* name, const char* usage, const std::vector<std::string>& args,
                    const std::string& seedDir, const CommandOption& own,
                    const std::function<std::string()>& complete, std::ostream& err, RoomCommand& command);

// Opens the parsed command's room (command.file, or the data directory's room record) and calculates it.
// On an unreadable room writes "veskaro-cr NAME: reason" to err and returns false.
bool OpenRoomCommand(const char* name, const std::string& seedDir, std::ostream& err, RoomCommand& command);

// Message text for a terminal: CR line breaks become new lines.
std::string TerminalText(std::string text);

} // namespace veskaro
