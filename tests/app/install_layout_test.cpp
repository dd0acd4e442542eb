// Where the program finds its seed files: beside the executable, at the configured prefix, in the build.

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "app/install_layout.h"
#include "temp_data_dir.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, SeedFilesAreTakenFromTheFirstPlaceThatHasThem) {
    TempDataDir tmp;
    const fs::path unpacked = tmp.path() / "unpacked/usr/share/vcr",
                   configured = tmp.path() / "etc/share/vcr", build = tmp.path() / "src/data";
    const InstallLayout layout{(tmp.path() / "etc").string(), "bin/x", "share/vcr", "lib", build.string()};
    // which of the three folders hold the room record, the folder found
    const std::tuple<bool, bool, bool, fs::path> rows[] = {{true, true, true, unpacked},
                                                           {false, true, true, configured},
                                                           {false, false, true, build},
                                                           {false, false, false, ""}};
    for (const auto& [unpackedHas, configuredHas, buildHas, expected] : rows) {
        SCOPED_TRACE(expected.string());
        for (const auto& [dir, has] :
             {std::pair{unpacked, unpackedHas}, {configured, configuredHas}, {build, buildHas}}) {
            fs::remove_all(dir);
            fs::create_directories(dir); // an empty folder is no seed folder
            if (has) std::ofstream(dir / "KelvoL.dat") << "\"8\"\r\n";
        }
        EXPECT_EQ(FindSeedDir((tmp.path() / "unpacked/usr/bin/x").string(), layout), expected.string());
    }
}

} // namespace
} // namespace veskaro::testing
