#include "ui/theme.h"

#include <QApplication>
#include <QPalette>
#include <QString>
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

QString MainWindowStyleSheet() {
    return QStringLiteral(R"(
QMainWindow#start, QWidget#content { background: #F4F6F9; }
QGroupBox {
    background: #FFFFFF; border: 1px solid #D3DBE4; border-radius: 6px;
    margin-top: 16px; padding: 8px 8px 6px 8px; font-weight: bold; color: #244565;
}
QGroupBox::title { subcontrol-origin: margin; left: 10px; top: 2px; padding: 0 3px; }
QGroupBox * { font-weight: normal; color: #1F2A36; }
QLineEdit {
    background: #FFFFFF; border: 1px solid #C3CDD8; border-radius: 3px; padding: 2px 5px;
    selection-background-color: #2F6EA8;
}
QLineEdit:focus { border: 1px solid #2F6EA8; background: #FBFDFF; }
QLabel[role="unit"] { color: #5F6F80; }
QLabel[role="output"] {
    background: #EEF3F8; border: 1px solid #D8E1EA; border-radius: 3px; padding: 2px 5px; color: #17324F;
}
QFrame#header QLabel { color: #FFFFFF; }
QFrame#header QLabel#title { font-size: 17pt; font-weight: bold; }
QFrame#header QLabel[role="unit"] { color: #C9D8E8; }
QFrame#header QLineEdit { background: rgba(255, 255, 255, 235); border: 1px solid #7D9CBC; }
QFrame#commandBar { border-bottom: 1px solid #D3DBE4; }
QFrame#commandSeparator { color: #CBD5DF; }
QFrame#resultPanel { border: 1px solid #B9CDE0; border-radius: 8px; }
QFrame#resultPanel QLabel { color: #1F3B57; background: transparent; }
QFrame#resultRule { color: #B9CDE0; }
QFrame#resultPanel QLabel#resultTitle { font-size: 11pt; font-weight: bold; color: #244565; }
QFrame#resultPanel QLabel#RaumLeist { font-size: 28pt; font-weight: bold; color: #0F3D66; }
QFrame#resultPanel QLabel#RaumLeistUnit { font-size: 15pt; color: #3A5A7A; }
QFrame#resultPanel QLabel[role="share"] { color: #5F6F80; }
QFrame#DoorPN { border: 1px solid #C7D3DF; border-radius: 6px; }
QFrame#DoorPN QLabel#doorTitle { font-weight: bold; color: #244565; }
QTableWidget { background: #FFFFFF; border: 1px solid #D3DBE4; gridline-color: #E3E8EE; }
QHeaderView::section {
    background: #EAF0F6; color: #244565; border: none; border-right: 1px solid #D3DBE4;
    border-bottom: 1px solid #D3DBE4; padding: 2px 4px;
}
QLabel#goodsTitle { font-weight: bold; color: #244565; }
QFrame#resultPanel QLabel#RaumLeist[doubtful="true"] { color: #9AA4AF; }
QFrame#resultPanel QLabel#capacityWarning { color: #B3261E; }
QFrame#resultPanel QLabel#calcMessages { color: #7A4B00; }
)");
}

} // namespace veskaro::ui
