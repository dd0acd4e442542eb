#include "ui/picture_frame.h"

#include <QPainter>

namespace veskaro::ui {

void PictureFrame::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PictureFrame::paintEvent(QPaintEvent* event) {
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    }
    QFrame::paintEvent(event);
}

} // namespace veskaro::ui
