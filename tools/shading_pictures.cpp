// Shading pictures, 160 x 120 pixels: a window in a rendered wall under a sky, the sun high at the upper
// right, and the shading device in front of the glass with the shadow it casts on it.

#include "shading_pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <functional>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
const QRectF kWindow(52, 34, 56, 62); // glass and frame
const QColor kOutline(0x3A, 0x3A, 0x3A);
const QColor kWall(0xE8, 0xE2, 0xD6);
const QColor kShade(0x5A, 0x6E, 0x82);
const QColor kShadow(0x1F, 0x2A, 0x36, 90);

using Device = std::function<void(QPainter&)>;

QImage Picture(const Device& device) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 24);
    sky.setColorAt(0.0, QColor(0x9C, 0xC8, 0xEC));
    sky.setColorAt(1.0, QColor(0xD8, 0xEA, 0xF8));
    p.fillRect(QRectF(0, 0, kWidth, 24), sky);
    p.fillRect(QRectF(0, 24, kWidth, kHeight - 24), kWall);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF6, 0xC3, 0x3C)); // sun
    p.drawEllipse(QPointF(140, 11), 7, 7);

    // Window: frame, glass with a reflection, mullion.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(kWindow);
    QLinearGradient glass(kWindow.topLeft(), kWindow.bottomRight());
    glass.setColorAt(0.0, QColor(0xB8, 0xDC, 0xF2));
    glass.setColorAt(1.0, QColor(0x6F, 0xA8, 0xD0));
    p.setBrush(glass);
    const QRectF pane = kWindow.adjusted(5, 5, -5, -5);
    p.drawRect(pane);
    p.drawLine(QPointF(pane.center().x(), pane.top()), QPointF(pane.center().x(), pane.bottom()));
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    p.drawLine(pane.topLeft() + QPointF(4, 14), pane.topLeft() + QPointF(14, 4));
    p.setPen(QPen(kOutline, 1.5));
    device(p);
    return image;
}

void NoShading(QPainter&) {}

void Overhang(QPainter& p) {
    // A canopy above the window and its shadow across the upper glass.
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawRect(QRectF(kWindow.left(), kWindow.top(), kWindow.width(), kWindow.height() * 0.45));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kShade);
    p.drawRect(QRectF(kWindow.left() - 10, kWindow.top() - 9, kWindow.width() + 20, 7));
}

void SideFins(QPainter& p) {
    // Vertical fins both sides; the sun on the right throws the right fin's shadow to the left.
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawRect(QRectF(kWindow.right() - kWindow.width() * 0.35, kWindow.top(), kWindow.width() * 0.35,
                      kWindow.height()));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kShade);
    p.drawRect(QRectF(kWindow.left() - 9, kWindow.top() - 6, 7, kWindow.height() + 12));
    p.drawRect(QRectF(kWindow.right() + 2, kWindow.top() - 6, 7, kWindow.height() + 12));
}

void ExternalBlind(QPainter& p) {
    // A box above the window and slats drawn two thirds down.
    p.setBrush(kShade);
    p.drawRect(QRectF(kWindow.left() - 4, kWindow.top() - 10, kWindow.width() + 8, 9));
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(0xB4, 0xBE, 0xC8));
    const double bottom = kWindow.top() + kWindow.height() * 0.68;
    for (double y = kWindow.top(); y < bottom; y += 4.0)
        p.drawRect(QRectF(kWindow.left() - 2, y, kWindow.width() + 4, 3.0));
    p.setPen(QPen(kOutline, 1.0));
    p.drawLine(QPointF(kWindow.left() + 6, kWindow.top()), QPointF(kWindow.left() + 6, bottom));
    p.drawLine(QPointF(kWindow.right() - 6, kWindow.top()), QPointF(kWindow.right() - 6, bottom));
}

} // namespace

std::vector<std::pair<const char*, QImage>> ShadingPictures() {
    return {{"fenster1.bmp", Picture(NoShading)},
            {"fenster2.bmp", Picture(Overhang)},
            {"fenster3.bmp", Picture(SideFins)},
            {"fenster4.bmp", Picture(ExternalBlind)}};
}
