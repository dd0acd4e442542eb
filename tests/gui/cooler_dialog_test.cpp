// The evaporator design command of the main window with the cooler selection, driven by real clicks on
// the default room of a fresh data directory.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <memory>
#include <random>

#include "app/number_text.h"
#include "app/record_file.h"
#include "app/startup.h"
#include "equipment/cooler_dialog.h"
#include "qt_app.h"
#include "room/main_window.h"
#include "ui/grid_widget.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

class CoolerDesignTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("veskaro_cooler_" + std::to_string(std::random_device{}()));
        ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR});
        window = std::make_unique<StartWindow>(ctx);
        window->setMessageSink([this](const Message& m) { messages.push_back(m); });
        window->show();
        window->activate();
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(m_root);
    }
    static void Click(const QWidget& parent, const char* name) {
        auto* button = parent.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Enter(const char* name, const QString& text) const {
        auto* field = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    std::string Field(const char* name) const {
        const QString objectName = QString::fromLatin1(name);
        if (auto* label = window->findChild<QLabel*>(objectName)) return label->text().toStdString();
        return window->findChild<QLineEdit*>(objectName)->text().toStdString();
    }
    // Presses VerdampButt; `act` runs on the shown dialog. False when no dialog opened.
    bool Design(const std::function<void(CoolerDialog&)>& act) {
        bool opened = false;
        window->setCoolerDialogRunner([&](CoolerDialog& dialog) {
            opened = true;
            dialog.setMessageSink([this](const Message& m) { messages.push_back(m); });
            dialog.show();
            act(dialog);
        });
        Click(*window, "VerdampButt");
        return opened;
    }

    fs::path m_root;
    AppContext ctx;
    std::unique_ptr<StartWindow> window;
    Messages messages;
};

TEST_F(CoolerDesignTest, ChosenCoolerChangesFanAndDefrostLoadsByItsOwnPowers) {
    struct Row {
        const char* anzVerd;
        const char* refrigerant;
        int listRow;
    } rows[] = {{"2", "R404A", 1}, {"1", "R134A", 3}, {"3", "CO2", 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.refrigerant);
        Enter("AnzVerd", QString::fromLatin1(row.anzVerd));
        const RecalcResult before = window->controller().result();
        CoolerModel chosen;
        ASSERT_TRUE(Design([&](CoolerDialog& dialog) {
            dialog.chooseRefrigerant(QString::fromLatin1(row.refrigerant));
            auto* list = dialog.findChild<ui::GridWidget*>(QStringLiteral("CoolerList"));
            const QRect cell = list->visualRect(list->model()->index(row.listRow - 1, kCoolerName));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            ASSERT_NE(dialog.chosenModel(), nullptr);
            chosen = *dialog.chosenModel();
            Click(dialog, "Command3D1");
        }));
        const RecalcResult& after = window->controller().result();
        const int n = std::stoi(row.anzVerd);
        EXPECT_EQ(Field("VerdNam"), chosen.name);
        EXPECT_NEAR(after.fans.average_kW, chosen.fans * chosen.fanPower_W * n / 1000.0, 1e-12);
        EXPECT_EQ(NumFromText(Field("Abtau")), chosen.heater_W);
        EXPECT_NEAR(after.defrost.average_kW,
                    0.33 * chosen.heater_W * n * NumFromText(Field("AbtauAnt")) / 100.0 / 1000.0, 1e-9);
        // Nothing else moved: the capacity changes by the fan and defrost loads alone.
        EXPECT_NEAR(after.Q0_kW - before.Q0_kW,
                    after.fans.average_kW - before.fans.average_kW + after.defrost.average_kW -
                        before.defrost.average_kW,
                    1e-9);
        // The choice is kept and shown again.
        std::string shownAgain;
        ASSERT_TRUE(Design([&](CoolerDialog& dialog) {
            EXPECT_EQ(dialog.refrigerant().toStdString(), row.refrigerant);
            if (dialog.chosenModel() != nullptr) shownAgain = dialog.chosenModel()->name;
            Click(dialog, "Command3D2");
        }));
        EXPECT_EQ(shownAgain, chosen.name);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CoolerDesignTest, CancelKeepsTheDefrostFieldsAndNoLoadOpensNoSelection) {
    // The engineer's own heater: the recalculation before the selection rewrites the time share.
    Enter("Abtau", QStringLiteral("2500"));
    const std::string abtau = Field("Abtau"), share = Field("AbtauAnt"), fan = Field("PlueftPN");
    ASSERT_TRUE(Design([](CoolerDialog& dialog) { Click(dialog, "Command3D2"); }));
    EXPECT_EQ(Field("Abtau"), abtau);
    EXPECT_EQ(Field("AbtauAnt"), share);
    EXPECT_EQ(Field("PlueftPN"), fan);
    EXPECT_EQ(window->controller().room().defrostFlag, 0);

    const struct {
        const char* field;
        const char* text;
    } noLoad[] = {// a room below -50 °C stops the calculation: the capacity shown is an earlier room's
                  {"tempdiff", "-2"},
                  {"RaumTemp", "-60"}};
    for (const auto& row : noLoad) {
        SCOPED_TRACE(row.field + std::string("=") + row.text);
        Enter(row.field, QString::fromLatin1(row.text));
        std::cerr << "DBG " << Field("tempdiff") << " / " << window->controller().result().RaumLeist << " / "
                  << Field("RaumTemp") << "\n";
        EXPECT_FALSE(Design([](CoolerDialog& dialog) { dialog.reject(); }));
        EXPECT_EQ(Field("PlueftPN"), fan);
        Enter(row.field, QString::fromStdString(row.field == std::string("RaumTemp") ? "2" : "5.8"));
    }
}

TEST_F(CoolerDesignTest, DialogOpensWithWhatItHasAndSaysWhatIsMissing) {
    const struct {
        const char* storedSelection; // VerDpark.dat text; nullptr: made a folder so that it cannot be written
        bool removeCatalogue;
        const char* note; // expected in the notes
    } rows[] = {{"\"R502\",\"GC 45-1 F4\",5,6,-4\r\n", false, "no property data for this refrigerant"},
                {nullptr, false, "Could not save"},
                {"\"R404A\",,\x01\xff\"", true, "CoolerCat.dat missing"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.note);
        const fs::path stored = m_root / "data" / "VerDpark.dat";
        fs::remove_all(stored);
        if (row.storedSelection != nullptr) {
            ASSERT_TRUE(WriteFileAtomic(stored.string(), row.storedSelection));
        } else {
            fs::create_directories(stored / "blocked");
        }
        if (row.removeCatalogue) fs::remove(m_root / "data" / "CoolerCat.dat");
        messages.clear();
        QString notes;
        ASSERT_TRUE(Design([&](CoolerDialog& dialog) {
            notes = dialog.findChild<QLabel*>(QStringLiteral("CoolerNotes"))->text();
            for (const Message& m : messages)
                notes += QString::fromStdString(m.text);
            Click(dialog, "Command3D1");
        }));
        for (const Message& m : messages)
            notes += QString::fromStdString(m.text);
        EXPECT_TRUE(notes.contains(QString::fromLatin1(row.note))) << notes.toStdString();
    }
}

} // namespace
} // namespace veskaro
