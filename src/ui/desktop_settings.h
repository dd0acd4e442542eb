#pragma once
// What the desktop program remembers between runs: window geometry, the last project folder, the report
// font, logo and header choice, and the recent projects. They live in the user's own settings file (an INI
// file under the user's configuration folder); the family settings file kparam.dat is only read.

#include <QByteArray>
#include <QStringList>

#include <memory>

class QSettings;

namespace veskaro {

struct AppContext;

namespace ui {

// The user's settings file of this program.
std::unique_ptr<QSettings> DesktopSettingsStore();

// Puts the remembered project folder and logo (when they still exist), report font and header choice into
// the run's values; a value never remembered leaves what kparam.dat gave.
void ApplyRememberedSettings(AppContext& ctx);
// Remembers the run's project folder, report font, logo and header choice.
void RememberSettings(const AppContext& ctx);

// The recent project files, newest first (at most ten).
QStringList RecentProjects();
// Moves `path` to the front of the recent projects.
void RememberRecentProject(const QString& path);

QByteArray RememberedGeometry();
void RememberGeometry(const QByteArray& geometry);

} // namespace ui
} // namespace veskaro
