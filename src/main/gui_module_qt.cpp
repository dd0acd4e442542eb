// The exported entry of the desktop module; everything behind it is the Qt side of the program.

#include "main/desktop_qt.h"
#include "main/gui_module.h"

extern "C" __attribute__((visibility("default"))) int veskaro_cr_gui_main(int argc, char** argv,
                                                                          const char* seedDir) {
    return veskaro::RunGuiCommand(argc, argv, seedDir == nullptr ? "" : seedDir);
}
