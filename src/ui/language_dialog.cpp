// The language settings dialog and the program's own settings that keep its choice.

#include "ui/language_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "ui/desktop_settings.h"
#include <QVBoxLayout>

#include <algorithm>

#include "app/app_context.h"
#include "app/kparam.h"
#include "app/languages.h"
#include "ui/text.h"

namespace veskaro::ui {

namespace {

constexpr const char* kLanguageKey = "language";

// Codes of the caption files in the data directory that the program does not ship ("Caption.NDL").
QStringList FurtherLanguages(const AppContext& ctx) {
    QStringList codes;
    const QStringList files = QDir(Q(ctx.dataDir)).entryList({QStringLiteral("Caption.*")}, QDir::Files);
    for (const QString& file : files) {
        const std::string code = NormalLanguageCode(S(file.section(u'.', 1)));
        const bool shipped = std::any_of(kShippedLanguages.begin(), kShippedLanguages.end(),
                                         [&](const ShippedLanguage& l) { return l.code == code; });
        if (!code.empty() && !shipped && !codes.contains(Q(code))) codes << Q(code);
    }
    codes.sort();
    return codes;
}

} // namespace

std::string KeptLanguage() {
    return NormalLanguageCode(S(DesktopSettingsStore()->value(QString::fromLatin1(kLanguageKey)).toString()));
}

void KeepLanguage(const std::string& code) {
    const auto settings = DesktopSettingsStore();
    if (code.empty()) {
        settings->remove(QString::fromLatin1(kLanguageKey));
    } else {
        settings->setValue(QString::fromLatin1(kLanguageKey), Q(code));
    }
    settings->sync();
}

LanguageDialog::LanguageDialog(const AppContext& ctx, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(QStringLiteral("Veskaro: ") + Q(ctx.captions[Cap::LanguageMenuEntry]));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Q(ctx.captions[Cap::LanguageLabel])));

    m_list = new QComboBox;
    m_list->setObjectName(QStringLiteral("languageList"));
    const std::string family = ctx.kparam.item[kKParamLanguage];
    m_list->addItem(Q(ctx.captions[Cap::FamilyLanguageOption] + " (" + family + ")"), QString());
    for (const ShippedLanguage& language : kShippedLanguages)
        m_list->addItem(Q(std::string(language.name) + " (" + std::string(language.code) + ")"),
                        Q(std::string(language.code)));
    for (const QString& code : FurtherLanguages(ctx))
        m_list->addItem(code, code);
    const int kept = m_list->findData(Q(KeptLanguage()));
    m_list->setCurrentIndex(kept < 0 ? 0 : kept);
    layout->addWidget(m_list);

    auto* note = new QLabel(Q(ctx.captions[Cap::NextStartNote]));
    note->setObjectName(QStringLiteral("nextStartNote"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Q(ctx.captions[Cap::OkCaption]));
    buttons->button(QDialogButtonBox::Cancel)->setText(Q(ctx.captions[Cap::CancelCaption]));
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LanguageDialog::reject);
    layout->addWidget(buttons);
}

std::string LanguageDialog::chosen() const {
    return S(m_list->currentData().toString());
}

void LanguageDialog::accept() {
    KeepLanguage(chosen());
    QDialog::accept();
}

} // namespace veskaro::ui
