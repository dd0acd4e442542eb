#pragma once
// The language settings: which caption file and catalogues the program uses. The choice is kept in the
// program's own settings (not in kparam.dat, which the other family programs share) and takes effect at
// the next start; without a choice the language item of kparam.dat holds.

#include <QDialog>

#include <string>

class QComboBox;

namespace veskaro {

struct AppContext;

namespace ui {

// The language kept in the program's own settings, "" when the user made no choice.
std::string KeptLanguage();
// Keeps `code` ("" forgets the choice, so that kparam.dat decides again).
void KeepLanguage(const std::string& code);

class LanguageDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageDialog)

  public:
    explicit LanguageDialog(const AppContext& ctx, QWidget* parent = nullptr);

    // The code chosen in the list, "" for the family settings.
    std::string chosen() const;
    // OK keeps the choice.
    void accept() override;

  private:
    QComboBox* m_list = nullptr;
};

} // namespace ui
} // namespace veskaro
