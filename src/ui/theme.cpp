#include "ui/theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace veskaro::ui {

void ApplyTheme(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette pal;
    const QColor window(0xF4, 0xF6, 0xF9);
    const QColor text(0x1F, 0x2A, 0x36);
    const QColor accent(0x2F, 0x6E, 0xA8);
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::AlternateBase, QColor(0xF0, 0xF3, 0xF7));
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Button, QColor(0xEA, 0xEE, 0xF3));
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Midlight, QColor(0xE2, 0xE8, 0xEF));
    pal.setColor(QPalette::Mid, QColor(0xB8, 0xC3, 0xCF));
    pal.setColor(QPalette::Dark, QColor(0x8E, 0x9B, 0xA9));
    pal.setColor(QPalette::Shadow, QColor(0x4A, 0x55, 0x62));
    pal.setColor(QPalette::Highlight, accent);
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFD, 0xF2));
    pal.setColor(QPalette::ToolTipText, text);
    pal.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x96, 0xA3));
    pal.setColor(QPalette::Link, accent);
    const QColor disabledText(0x9A, 0xA4, 0xAF);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    pal.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    pal.setColor(QPalette::Disabled, QPalette::Base, QColor(0xF2, 0xF4, 0xF6));
    app.setPalette(pal);
}

} // namespace veskaro::ui
