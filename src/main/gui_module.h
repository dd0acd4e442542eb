#pragma once
// The one entry of the desktop module (libveskaro-cr-gui.so): the executable looks it up by name after
// loading the module, so its C signature is the whole interface between the two.

// Runs the desktop program (no subcommand) or a rendering subcommand ("report", "screenshots") with the
// program's own arguments; seedDir is the folder of the seed files ("" for none). Returns the exit code.
extern "C" {
typedef int (*VeskaroGuiEntry)(int argc, char** argv, const char* seedDir);
}

inline constexpr const char* kGuiModuleFile = "libveskaro-cr-gui.so";
inline constexpr const char* kGuiEntryName = "veskaro_cr_gui_main";
