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
        window->setMessageSink([this](const Message& m) { notes += QString::fromStdString(m.text); });
        window->show();
        window->activate();
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(m_root);
    }
    static void Click(const QWidget& parent, const char* name) {
        QTest::mouseClick(parent.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void Enter(const char* name, const char* text) const {
        auto* field = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
        QTest::keyClick(field, Qt::Key_Return);
    }
    std::string Field(const char* name) const {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
        return (label ? label->text() : window->findChild<QLineEdit*>(QString::fromLatin1(name))->text())
            .toStdString();
    }
    // Presses VerdampButt; `act` runs on the shown dialog. False when no dialog opened.
    bool Design(const std::function<void(CoolerDialog&)>& act) {
        bool opened = false;
        window->setCoolerDialogRunner([&](CoolerDialog& dialog) {
            opened = true;
            dialog.setMessageSink([this](const Message& m) { notes += QString::fromStdString(m.text); });
            dialog.show();
            act(dialog);
        });
        Click(*window, "VerdampButt");
        return opened;
    }

    fs::path m_root;
    AppContext ctx;
    std::unique_ptr<StartWindow> window;
    QString notes; // messages shown
};

TEST_F(CoolerDesignTest, ChosenCoolerChangesFanAndDefrostLoadsByItsOwnPowers) {
    const struct {
        const char *anzVerd, *refrigerant;
        int listRow;
    } rows[] = {{"2", "R404A", 1}, {"1", "R134A", 3}, {"3", "CO2", 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refrigerant);
        Enter("AnzVerd", row.anzVerd);
        const RecalcResult before = window->controller().result();
        CoolerModel chosen;
        ASSERT_TRUE(Design([&](CoolerDialog& dialog) {
            dialog.chooseRefrigerant(QString::fromLatin1(row.refrigerant));
            auto* list = dialog.findChild<ui::GridWidget*>(QStringLiteral("CoolerList"));
            const QRect cell = list->visualRect(list->model()->index(row.listRow - 1, kCoolerName));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            chosen = *dialog.chosenModel();
            Click(dialog, "Command3D1");
        }));
        const RecalcResult& after = window->controller().result();
        EXPECT_EQ(Field("VerdNam"), chosen.name);
        EXPECT_NEAR(after.fans.average_kW, chosen.fans * chosen.fanPower_W * std::stoi(row.anzVerd) / 1000.0,
                    1e-12);
        EXPECT_EQ(NumFromText(Field("Abtau")), chosen.heater_W);
        // Nothing else moved: the capacity changes by the fan and defrost loads alone.
        EXPECT_NEAR(after.Q0_kW - before.Q0_kW,
                    after.fans.average_kW - before.fans.average_kW + after.defrost.average_kW -
                        before.defrost.average_kW,
                    1e-9);
        // The choice is kept and shown again.
        ASSERT_TRUE(Design([&](CoolerDialog& dialog) {
            EXPECT_EQ(dialog.refrigerant().toStdString(), row.refrigerant);
            EXPECT_EQ(dialog.chosenModel() ? dialog.chosenModel()->name : "", chosen.name);
            Click(dialog, "Command3D2");
        }));
    }
    EXPECT_TRUE(notes.isEmpty()) << notes.toStdString();
}

TEST_F(CoolerDesignTest, CancelKeepsTheDefrostFieldsAndNoLoadOpensNoSelection) {
    // The engineer's own heater: cancelled, it must not be sized from the frost again.
    Enter("Abtau", "2500");
    const std::string abtau = Field("Abtau"), share = Field("AbtauAnt"), fan = Field("PlueftPN");
    ASSERT_TRUE(Design([](CoolerDialog& dialog) { Click(dialog, "Command3D2"); }));
    EXPECT_EQ(Field("Abtau"), abtau);
    EXPECT_EQ(Field("AbtauAnt"), share);
    EXPECT_EQ(Field("PlueftPN"), fan);
    // A room below -50 °C stops the calculation: the capacity shown is an earlier room's.
    const struct {
        const char *field, *text, *restore;
    } noLoad[] = {{"tempdiff", "-2", "5.8"}, {"RaumTemp", "-60", "2"}};
    for (const auto& row : noLoad) {
        SCOPED_TRACE(row.field);
        Enter(row.field, row.text);
        EXPECT_FALSE(Design([](CoolerDialog& dialog) { dialog.reject(); }));
        Enter(row.field, row.restore);
    }
}

} // namespace
} // namespace veskaro
