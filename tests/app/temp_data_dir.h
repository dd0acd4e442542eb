#pragma once
// A fresh data directory for one test, removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/app_context.h"
#include "app/record_file.h"

namespace veskaro::testing {

// Every item of a record, in order.
inline std::vector<std::string> AllItems(RecordReader reader) {
    std::vector<std::string> items;
    for (std::string item; reader.next(item);)
        items.push_back(item);
    return items;
}

// Each text as one quoted record, the form of the program's one-item-per-line files.
inline std::string QuotedLines(const std::vector<std::string>& items) {
    RecordWriter w;
    for (const std::string& item : items)
        w.line(item);
    return w.text();
}

// A context reading the shipped seed files.
inline AppContext SeedContext() {
    AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR;
    return ctx;
}

class TempDataDir {
  public:
    TempDataDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        static int count = 0; // several folders in one test
        m_path = std::filesystem::temp_directory_path() /
                 ("veskaro_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                  std::to_string(++count) + "_" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDataDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    AppContext context() const {
        AppContext ctx;
        ctx.dataDir = str();
        return ctx;
    }
    // Writes raw bytes (CP1252, as on disk) into the folder.
    void write(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(WriteFileAtomic((m_path / name).string(), bytes));
    }
    std::string read(const std::string& name) const {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes((m_path / name).string(), bytes)) << name;
        return bytes;
    }

  private:
    std::filesystem::path m_path;
};

} // namespace veskaro::testing
