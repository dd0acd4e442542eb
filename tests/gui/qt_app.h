#pragma once
// One QApplication for a GUI test executable: made before the first test, deleted after the last.

#include <gtest/gtest.h>

#include <QApplication>

namespace veskaro::testing {

class QtEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "veskaro_gui_test";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

  private:
    QApplication* m_app = nullptr;
};

inline const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace veskaro::testing
