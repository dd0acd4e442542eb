// veskaro-cr: the desktop program, or a headless command when the first argument names one. The headless
// commands link no window library: the desktop program, `report` and `screenshots` live in a module that
// is loaded only when one of them runs, so `calc` starts as fast as any small program.

#include <dlfcn.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/install_layout.h"
#include "main/cli.h"
#include "main/gui_module.h"

namespace {

veskaro::InstallLayout ConfiguredLayout() {
    return {VESKARO_INSTALL_PREFIX, VESKARO_INSTALL_BINDIR, VESKARO_INSTALL_DATADIR, VESKARO_INSTALL_LIBDIR,
            VESKARO_SEED_DIR};
}

// Loads the desktop module from the first place that has it and runs its entry; exit code 2 with one
// line naming the places tried when it cannot be loaded.
int RunGuiModule(int argc, char** argv, const std::string& exeDir, const std::string& seedDir) {
    std::string tried;
    for (const std::string& path : veskaro::GuiModuleCandidates(exeDir, ConfiguredLayout(), kGuiModuleFile)) {
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            tried += "\n  " + std::string(dlerror());
            continue;
        }
        const auto entry = reinterpret_cast<VeskaroGuiEntry>(dlsym(module, kGuiEntryName));
        if (entry == nullptr) {
            tried += "\n  " + path + ": no entry " + kGuiEntryName;
            continue;
        }
        return entry(argc, argv, seedDir.c_str());
    }
    std::cerr << "veskaro-cr: the desktop part (" << kGuiModuleFile
              << ") is not installed; `veskaro-cr calc` works without it. Tried:" << tried << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string exeDir = veskaro::ExecutableDir();
    const std::string seedDir = veskaro::FindSeedDir(exeDir, ConfiguredLayout());
    if (!args.empty() && args.front() == "calc")
        return veskaro::RunCalcCommand({args.begin() + 1, args.end()}, seedDir, std::cout, std::cerr);
    return RunGuiModule(argc, argv, exeDir, seedDir);
}
