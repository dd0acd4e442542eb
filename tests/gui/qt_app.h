#pragma once
// One QApplication for a GUI test executable: made before the first test, deleted after the last.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace veskaro::testing {

class QtEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "veskaro_gui_test";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
        // The windows remember settings: each test program keeps them in a folder of its own.
        m_settings = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings->path());
    }
    void TearDown() override {
        delete m_app;
        m_settings.reset();
    }

  private:
    QApplication* m_app = nullptr;
    std::unique_ptr<QTemporaryDir> m_settings;
};

inline const auto* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace veskaro::testing
