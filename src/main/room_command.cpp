#include "main/room_command.h"

#include <ostream>
#include <string_view>

#include "app/languages.h"

namespace veskaro {

std::string ParseRoomCommandArgs(const std::vector<std::string>& args, const CommandOption& own,
                                 RoomCommand& command) {
    constexpr std::string_view kDataDirIs = "--data-dir=";
    constexpr std::string_view kLangIs = "--lang=";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string complaint;
        if (own && own(args, i, complaint)) {
            if (!complaint.empty()) return complaint;
        } else if (a == "--data-dir") {
            if (i + 1 >= args.size()) return "--data-dir needs a folder";
            command.dataDir = args[++i];
        } else if (a.rfind(kDataDirIs, 0) == 0) {
            command.dataDir = a.substr(kDataDirIs.size());
        } else if (a == "--lang" || a.rfind(kLangIs, 0) == 0) {
            if (a == "--lang" && i + 1 >= args.size()) return "--lang needs a language code";
            command.language = NormalLanguageCode(a == "--lang" ? args[++i] : a.substr(kLangIs.size()));
            if (command.language.empty()) return "--lang needs a three-letter language code such as DEU";
        } else if (a.empty()) {
            return "empty FILE name";
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + a;
        } else if (command.file.empty()) {
            command.file = a;
        } else {
            return "more than one FILE: " + a;
        }
    }
    return "";
}

bool RunRoomCommand(const char* name, const char* usage, const std::vector<std::string>& args,
                    const std::string& seedDir, const CommandOption& own,
                    const std::function<std::string()>& complete, std::ostream& err, RoomCommand& command) {
    std::string complaint = ParseRoomCommandArgs(args, own, command);
    if (complaint.empty() && complete) complaint = complete();
    if (!complaint.empty()) {
        err << "veskaro-cr " << name << ": " << complaint << "\nusage: " << usage << "\n";
        return false;
    }
    return OpenRoomCommand(name, seedDir, err, command);
}

bool OpenRoomCommand(const char* name, const std::string& seedDir, std::ostream& err, RoomCommand& command) {
    // The record is read in memory only: its envelope blocks are used, never written to the data directory.
    if (const std::string problem = OpenHeadlessRoom(
            command.file, {command.dataDir, seedDir, command.language, ""}, command.headless);
        !problem.empty()) {
        err << "veskaro-cr " << name << ": " << problem << "\n";
        return false;
    }
    command.asRead = command.headless.room;
    command.result = CalculateRoom(command.headless.room, command.headless.ctx);
    return true;
}

std::string TerminalText(std::string text) {
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    return text;
}

} // namespace veskaro
