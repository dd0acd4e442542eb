// The evaporator design command of the main window with the cooler selection, driven by real clicks on
// the default room of a fresh data directory.

#include <gtest/gtest.h>

#include "equipment/cooler_dialog.h"
#include "gui_fixture.h"

namespace veskaro {
namespace {

using testing::Press;

class CoolerDesignTest : public testing::DataDirTest {
  protected:
    void SetUp() override {
        DataDirTest::SetUp();
        OpenWindow();
    }
    std::string Shown(const char* name) const { return Text(name).toStdString(); }
    // Presses VerdampButt; `act` runs on the shown dialog. False when no dialog opened.
    bool Design(const std::function<void(CoolerDialog&)>& act) {
        bool opened = false;
        window->setCoolerDialogRunner([&](CoolerDialog& dialog) {
            opened = true;
            dialog.setMessageSink([this](const Message& m) { messages.push_back(m); });
            dialog.show();
            act(dialog);
        });
        Click("VerdampButt");
        return opened;
    }
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
            Press(dialog, "Command3D1");
        }));
        const RecalcResult& after = window->controller().result();
        EXPECT_EQ(Shown("VerdNam"), chosen.name);
        EXPECT_NEAR(after.fans.average_kW, chosen.fans * chosen.fanPower_W * std::stoi(row.anzVerd) / 1000.0,
                    1e-12);
        EXPECT_EQ(Value("Abtau"), chosen.heater_W);
        // Nothing else moved: the capacity changes by the fan and defrost loads alone.
        EXPECT_NEAR(after.Q0_kW - before.Q0_kW,
                    after.fans.average_kW - before.fans.average_kW + after.defrost.average_kW -
                        before.defrost.average_kW,
                    1e-9);
        // The choice is kept and shown again.
        ASSERT_TRUE(Design([&](CoolerDialog& dialog) {
            EXPECT_EQ(dialog.refrigerant().toStdString(), row.refrigerant);
            EXPECT_EQ(dialog.chosenModel() ? dialog.chosenModel()->name : "", chosen.name);
            Press(dialog, "Command3D2");
        }));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CoolerDesignTest, CancelKeepsTheDefrostFieldsAndNoLoadOpensNoSelection) {
    // The engineer's own heater: cancelled, it must not be sized from the frost again.
    Enter("Abtau", "2500");
    const std::string abtau = Shown("Abtau"), share = Shown("AbtauAnt"), fan = Shown("PlueftPN");
    ASSERT_TRUE(Design([](CoolerDialog& dialog) { Press(dialog, "Command3D2"); }));
    EXPECT_EQ(Shown("Abtau"), abtau);
    EXPECT_EQ(Shown("AbtauAnt"), share);
    EXPECT_EQ(Shown("PlueftPN"), fan);
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
