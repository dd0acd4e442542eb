// The language settings: reached from the main window's menu, the choice kept in the program's own
// settings and read at the next start.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMessageBox>
#include <QStatusBar>

#include "gui_fixture.h"
#include "ui/language_dialog.h"

namespace veskaro {
namespace {

using testing::OnModal;

using LanguageSettings = testing::DataDirTest;

TEST_F(LanguageSettings, MenuEntryKeepsTheChoiceForTheNextStart) {
    OpenWindow();
    auto* entry = window->findChild<QAction*>(QStringLiteral("Sprache"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text().remove(QLatin1Char('&')), QStringLiteral("Language")); // less its mnemonic
    // List entry chosen; kept code; caption of the next start's main window title.
    const struct {
        const char* entry;
        const char* kept;
        const char* title;
    } rows[] = {
        {"Deutsch (DEU)", "DEU", "Kühlraum-Kältebedarf"},
        {"Français (FRA)", "FRA", "Bilan frigorifique chambre froide"},
        {"as in the family settings (ENG)", "", "Cold room refrigeration load"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entry);
        OnModal<ui::LanguageDialog>([&](ui::LanguageDialog& dialog) {
            auto* list = testing::Child<QComboBox>(dialog, "languageList");
            const int index = list->findText(QString::fromUtf8(row.entry));
            EXPECT_GE(index, 0);
            list->setCurrentIndex(index);
            dialog.accept();
        });
        entry->trigger();
        EXPECT_EQ(ui::KeptLanguage(), row.kept);
        EXPECT_EQ(ctx.languageCode, "ENG"); // this run keeps its language
        const AppContext next =
            StartUp({(m_root / "data").string(), VESKARO_SEED_DIR, "", ui::KeptLanguage()});
        EXPECT_EQ(next.captions[Cap::MainWindowTitle], row.title);
    }
    // Cancel leaves the choice as it was.
    ui::KeepLanguage("ITA");
    OnModal<ui::LanguageDialog>([](ui::LanguageDialog& dialog) {
        testing::Child<QComboBox>(dialog, "languageList")->setCurrentIndex(0);
        dialog.reject();
    });
    entry->trigger();
    EXPECT_EQ(ui::KeptLanguage(), "ITA");
}

// A German run speaks German beyond its captions: the status bar, the tool tips and the question at close.
TEST_F(LanguageSettings, GermanRunSaysItsStatusAndAsksInGerman) {
    ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR, "DEU"});
    OpenWindow();
    window->findChild<QAction*>(QStringLiteral("ksich"))->trigger();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Raum gespeichert in /")))
        << window->statusBar()->currentMessage().toStdString();
    EXPECT_TRUE(Field("RaumL")->toolTip().startsWith(QStringLiteral("Raumlänge, m. Bereich: ")));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("ladP"))->statusTip(),
              QStringLiteral("Öffnet eine Projektdatei (Strg+O)"));

    Enter("RaumL", "11");
    QString asked;
    OnModal<QMessageBox>([&asked](QMessageBox& box) {
        asked = box.text();
        box.button(QMessageBox::Cancel)->click();
    });
    window->close();
    EXPECT_EQ(asked, QStringLiteral("Der Raum hat ungespeicherte Änderungen.\nVor dem Schließen speichern?"));
    EXPECT_TRUE(window->isVisible()); // Cancel keeps the window open
}

} // namespace
} // namespace veskaro
