#include "ui/desktop_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/recent_projects.h"

namespace veskaro::ui {

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kProjectFolder = QStringLiteral("projects/folder");
const QString kRecent = QStringLiteral("projects/recent");
const QString kFont = QStringLiteral("report/font");
const QString kLogo = QStringLiteral("report/logo");
const QString kHeader = QStringLiteral("report/header");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::unique_ptr<QSettings> DesktopSettingsStore() {
    // INI format everywhere: one readable file per user, and tests can point it at a folder of their own.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Veskaro"),
                                       QStringLiteral("Veskaro CR"));
}

void ApplyRememberedSettings(AppContext& ctx) {
    const auto store = DesktopSettingsStore();
    const QString folder = store->value(kProjectFolder).toString();
    if (!folder.isEmpty() && QDir(folder).exists()) ctx.projectDir = folder.toStdString();
    if (const QString font = store->value(kFont).toString(); !font.isEmpty())
        ctx.fontName = font.toStdString();
    const QString logo = store->value(kLogo).toString();
    if (!logo.isEmpty() && QFileInfo::exists(logo)) ctx.logoPath = logo.toStdString();
    if (store->contains(kHeader)) ctx.printHeaderFlag = store->value(kHeader).toInt();
}

void RememberSettings(const AppContext& ctx) {
    const auto store = DesktopSettingsStore();
    if (!ctx.projectDir.empty()) store->setValue(kProjectFolder, Q(ctx.projectDir));
    store->setValue(kFont, Q(ctx.fontName));
    store->setValue(kLogo, Q(ctx.logoPath));
    store->setValue(kHeader, ctx.printHeaderFlag);
}

QStringList RecentProjects() {
    return DesktopSettingsStore()->value(kRecent).toStringList();
}

void RememberRecentProject(const QString& path) {
    std::vector<std::string> list;
    for (const QString& entry : RecentProjects())
        list.push_back(entry.toStdString());
    QStringList updated;
    for (const std::string& entry : WithRecentProject(list, QDir::cleanPath(path).toStdString()))
        updated << Q(entry);
    DesktopSettingsStore()->setValue(kRecent, updated);
}

QByteArray RememberedGeometry() {
    return DesktopSettingsStore()->value(kGeometry).toByteArray();
}

void RememberGeometry(const QByteArray& geometry) {
    DesktopSettingsStore()->setValue(kGeometry, geometry);
}

} // namespace veskaro::ui
