// veskaro-cr: the desktop program, or a headless command when the first argument names one.

#include <iostream>
#include <string>
#include <vector>

#include "main/cli.h"

#ifdef VESKARO_WITH_GUI
#include "main/desktop_qt.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "calc") {
        return veskaro::RunCalcCommand({args.begin() + 1, args.end()}, VESKARO_SEED_DIR, std::cout,
                                       std::cerr);
    }
#ifdef VESKARO_WITH_GUI
    return veskaro::RunGuiCommand(argc, argv);
#else
    std::cerr << "veskaro-cr: this build has no desktop program; use `veskaro-cr calc`.\n";
    return 2;
#endif
}
