// The desktop program and the screenshots of the main window.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include "app/app_context.h"
#include "equipment/cooler_dialog.h"
#include "goods/goods_dialog.h"
#include "main/desktop_qt.h"
#include "room/main_window.h"
#include "ui/theme.h"

namespace veskaro {

namespace {

constexpr QSize kScreenshotSize(1260, 880);
constexpr QSize kLaptopSize(1280, 680);

void Save(QWidget& window, const std::string& dir, const char* name) {
    QApplication::processEvents();
    window.grab().save(QDir(QString::fromStdString(dir)).filePath(QString::fromLatin1(name)));
}

} // namespace

int RunDesktop(AppContext& ctx) {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) ui::ApplyTheme(*app);
    StartWindow window(ctx);
    window.show();
    return QApplication::exec();
}

void SaveMainWindowScreenshots(AppContext& ctx, const std::string& dir) {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) ui::ApplyTheme(*app);
    StartWindow window(ctx);
    // Screenshots show messages nowhere: nothing may wait for a click.
    window.setMessageSink([](const Message&) {});
    window.show();
    window.resize(kScreenshotSize); // the offscreen screen is smaller than a desktop
    Save(window, dir, "start.png");
    // A laptop at 150 % (1280 x 680 logical pixels left for the window), and the same at 200 % scaling:
    // rendered at two device pixels per logical pixel, as a 200 % screen shows it.
    window.resize(kLaptopSize);
    Save(window, dir, "start_1280x680.png");
    QPixmap doubled(kLaptopSize * 2);
    doubled.setDevicePixelRatio(2.0);
    window.render(&doubled);
    doubled.save(QDir(QString::fromStdString(dir)).filePath(QStringLiteral("start_200pct.png")));
    window.resize(kScreenshotSize);
    window.openDoorPanel();
    // The door panel as the engineer sees it after computing the door infiltration.
    if (auto* compute = window.findChild<QAbstractButton*>(QStringLiteral("lwrech"))) {
        compute->click();
        compute->setFocus();
    }
    Save(window, dir, "start_door.png");
    // The goods dialog with the product panel open on the third product of the group, an amount typed.
    window.setGoodsDialogRunner([&dir](GoodsDialog& dialog) {
        dialog.setMessageSink([](const Message&) { return false; });
        dialog.show();
        dialog.openProductPanel(3);
        if (auto* amount = dialog.findChild<QLineEdit*>(QStringLiteral("KelvoGMenge")))
            amount->setText(QStringLiteral("800"));
        if (auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("KelvoGTemp")))
            entry->setText(QStringLiteral("12"));
        Save(dialog, dir, "goods_dialog.png");
        dialog.reject();
    });
    window.openGoodsDialog();
    // The cooler selection for the default room, its stored choice left as it was.
    window.setCoolerDialogRunner([&dir](CoolerDialog& dialog) {
        dialog.setMessageSink([](const Message&) {});
        dialog.show();
        Save(dialog, dir, "cooler_dialog.png");
        dialog.reject();
    });
    window.openEvaporatorDesign();
}

} // namespace veskaro
