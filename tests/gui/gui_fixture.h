#pragma once
// One QApplication per test program, a data directory seeded as at a first start, the main window on it,
// and the helpers that drive windows offscreen by real key and mouse events. Shared by the window tests.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <type_traits>

#include "app/number_text.h"
#include "app/record_file.h"
#include "app/startup.h"
#include "project/project_dialog.h"
#include "room/main_window.h"
#include "ui/desktop_settings.h"
#include "ui/grid_widget.h"

namespace veskaro::testing {

// The QApplication is made before the first test and deleted after the last.
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

inline double Num(const QString& text) {
    return NumFromText(std::string_view(text.toStdString()));
}

// The pages of a PDF file, counted by their page objects; -1 when it cannot be read.
inline int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

template <typename W = QWidget> W* Child(const QObject& parent, const char* name) {
    auto* child = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Shows the widget as the active window, so that typed keys reach it.
inline bool ShowActive(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
}

// Clicks the button or picture face of that name.
inline void Press(const QObject& parent, const char* name) {
    if (auto* button = Child<QAbstractButton>(parent, name)) QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces the text of the field of that name by typing into it; Enter then commits it.
inline void Type(const QObject& parent, const char* name, QAnyStringView text) {
    auto* field = Child<QLineEdit>(parent, name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text.toString());
}
inline void Enter(const QObject& parent, const char* name, QAnyStringView text) {
    Type(parent, name, text);
    QTest::keyClick(Child<QLineEdit>(parent, name), Qt::Key_Return);
}

// The text of the label or, failing that, the field of that name.
inline QString Text(const QObject& parent, const char* name) {
    if (auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
    return Child<QLineEdit>(parent, name)->text();
}

// Types into a grid cell as the engineer does: the first key opens the edit box over the cell, `end` ends it.
inline void TypeCell(ui::GridWidget* grid, int row, int column, QAnyStringView typed,
                     Qt::Key end = Qt::Key_Return) {
    const QString text = typed.toString();
    grid->setFocus();
    grid->setCurrentGridCell(row, column);
    QTest::keyClicks(grid, text.left(1));
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(box != nullptr && grid->isAncestorOf(box));
    QTest::keyClicks(box, text.mid(1));
    QTest::keyClick(box, end);
}

// Runs `act` on the modal dialog of type D once it is shown and active.
template <typename D = QWidget> void OnModal(std::function<void(std::type_identity_t<D>&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<D*>(modal);
        ASSERT_NE(dialog, nullptr) << "modal: " << (modal ? modal->metaObject()->className() : "none");
        dialog->activateWindow();
        for (int i = 0; i < 100 && QApplication::activeWindow() != dialog; ++i)
            QTest::qWait(10);
        act(*dialog);
    });
}

// Accepts the project dialog, once it is shown, with `name` typed into ProNam.
inline void AcceptProjectName(const QString& name) {
    OnModal<ProjectDialog>([name](ProjectDialog& dialog) {
        Child<QLineEdit>(dialog, "ProNam")->setText(name);
        Press(dialog, "Command3D1");
    });
}

// A fresh data directory per test; the main window on it once OpenWindow is called.
class DataDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = std::filesystem::temp_directory_path() /
                 ("veskaro_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                  std::to_string(std::random_device{}()));
        std::filesystem::remove_all(m_root);
        ui::DesktopSettingsStore()->clear(); // nothing remembered from an earlier test
        ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR});
    }
    void TearDown() override {
        window.reset();
        std::filesystem::remove_all(m_root);
    }
    // Creates and shows the window; showing it is its first activation. Its messages are collected;
    // `before` runs ahead of the showing.
    void OpenWindow(const std::function<void(StartWindow&)>& before = {}) {
        window = std::make_unique<StartWindow>(ctx);
        window->setMessageSink([this](const Message& message) { messages.push_back(message); });
        if (before) before(*window);
        ASSERT_TRUE(ShowActive(*window));
    }
    std::string DataFile(const std::string& name) const {
        std::string bytes;
        ReadFileBytes((m_root / "data" / name).string(), bytes);
        return bytes;
    }
    std::string Folder(const char* name) const {
        std::filesystem::create_directories(m_root / name);
        return (m_root / name).string() + "/";
    }
    // The main window's fields and labels by name.
    QLineEdit* Field(const char* name) const { return Child<QLineEdit>(*window, name); }
    QString Text(const char* name) const { return testing::Text(*window, name); }
    double Value(const char* name) const { return Num(Text(name)); }
    void Type(const char* name, QAnyStringView text) const { testing::Type(*window, name, text); }
    void Enter(const char* name, QAnyStringView text) const { testing::Enter(*window, name, text); }
    void Click(const char* name) const { Press(*window, name); }

    std::filesystem::path m_root;
    AppContext ctx;
    std::unique_ptr<StartWindow> window;
    Messages messages;
};

} // namespace veskaro::testing
