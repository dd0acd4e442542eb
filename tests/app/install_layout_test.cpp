// Where the program finds its seed files: beside the executable as installed or unpacked, at the
// configured prefix, or in the build tree, in that order; a folder without the room record is skipped.

#include <gtest/gtest.h>

#include <fstream>

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
    const struct {
        bool unpackedHas, configuredHas, buildHas;
        fs::path expected;
    } rows[] = {{true, true, true, unpacked},
                {false, true, true, configured},
                {false, false, true, build},
                {false, false, false, ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected.string());
        for (const auto& [dir, has] :
             {std::pair{unpacked, row.unpackedHas}, {configured, row.configuredHas}, {build, row.buildHas}}) {
            fs::remove_all(dir);
            fs::create_directories(dir); // an empty folder is no seed folder
            if (has) std::ofstream(dir / "KelvoL.dat") << "\"8\"\r\n";
        }
        EXPECT_EQ(FindSeedDir((tmp.path() / "unpacked/usr/bin/x").string(), layout), row.expected.string());
    }
}

} // namespace
} // namespace veskaro::testing
