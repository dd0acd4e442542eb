// Product-group pictures: flat drawings on a soft card, 240 x 180 pixels (shown at 150 x 112 in the goods
// dialog). Each shows a typical product of its group so that the group is recognised at a glance.

#include "product_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 180;
const QColor kOutline(0x3A, 0x3A, 0x3A);

using Drawing = std::function<void(QPainter&)>;

QImage Card(const QColor& top, const QColor& bottom, const Drawing& draw) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, kHeight);
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.fillRect(image.rect(), fill);
    // A shadow under the products: they stand on a shelf.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawEllipse(QRectF(40, 146, 160, 18));
    p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return image;
}

void Meat(QPainter& p) {
    // A steak: lean red with a white fat rim and a T-bone.
    QPainterPath steak;
    steak.moveTo(48, 92);
    steak.cubicTo(40, 40, 120, 22, 176, 42);
    steak.cubicTo(214, 56, 206, 124, 160, 140);
    steak.cubicTo(110, 158, 56, 146, 48, 92);
    p.setBrush(QColor(0xF3, 0xE6, 0xD8));
    p.drawPath(steak);
    p.setBrush(QColor(0xB8, 0x2E, 0x2E));
    p.drawPath(QTransform().translate(120, 90).scale(0.84, 0.8).translate(-120, -90).map(steak));
    p.setPen(QPen(QColor(0xF3, 0xE6, 0xD8), 3));
    p.drawLine(QPointF(80, 78), QPointF(112, 96));
    p.drawLine(QPointF(140, 64), QPointF(160, 104));
    p.setPen(QPen(kOutline, 2.5));
    p.setBrush(QColor(0xFA, 0xF6, 0xEE));
    p.drawRoundedRect(QRectF(114, 58, 14, 80), 6, 6);
    p.drawRoundedRect(QRectF(86, 50, 70, 14), 6, 6);
}

void Fish(QPainter& p) {
    QPainterPath body;
    body.moveTo(34, 96);
    body.cubicTo(70, 40, 150, 40, 178, 92);
    body.cubicTo(150, 144, 70, 146, 34, 96);
    QLinearGradient scale(0, 50, 0, 140);
    scale.setColorAt(0.0, QColor(0x4A, 0x6F, 0x95));
    scale.setColorAt(0.55, QColor(0xA9, 0xC4, 0xDA));
    scale.setColorAt(1.0, QColor(0xE8, 0xEF, 0xF5));
    QPainterPath tail;
    tail.moveTo(172, 92);
    tail.lineTo(214, 58);
    tail.lineTo(204, 94);
    tail.lineTo(214, 130);
    tail.closeSubpath();
    p.setBrush(QColor(0x4A, 0x6F, 0x95));
    p.drawPath(tail);
    p.setBrush(scale);
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(62, 86), 8, 8);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(63, 86), 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(70, 68, 30, 52), -60 * 16, 120 * 16);
    for (int x = 106; x <= 150; x += 14)
        p.drawArc(QRectF(x, 80, 14, 18), -70 * 16, 140 * 16);
}

void Fruit(QPainter& p) {
    // An apple and a pear.
    p.setBrush(QColor(0xC8, 0xB4, 0x3A));
    QPainterPath pear;
    pear.moveTo(160, 40);
    pear.cubicTo(176, 40, 174, 70, 186, 92);
    pear.cubicTo(206, 126, 190, 150, 160, 150);
    pear.cubicTo(130, 150, 114, 126, 134, 92);
    pear.cubicTo(146, 70, 144, 40, 160, 40);
    p.drawPath(pear);
    QRadialGradient red(QPointF(82, 84), 60);
    red.setColorAt(0.0, QColor(0xF0, 0x5A, 0x4A));
    red.setColorAt(1.0, QColor(0xA8, 0x1E, 0x1E));
    p.setBrush(red);
    QPainterPath apple;
    apple.moveTo(92, 62);
    apple.cubicTo(130, 42, 150, 90, 130, 124);
    apple.cubicTo(116, 150, 100, 146, 92, 140);
    apple.cubicTo(84, 146, 68, 150, 54, 124);
    apple.cubicTo(34, 90, 54, 42, 92, 62);
    p.drawPath(apple);
    p.drawLine(QPointF(92, 64), QPointF(96, 40));
    p.setBrush(QColor(0x4E, 0x9A, 0x3A));
    p.drawEllipse(QRectF(98, 34, 24, 12));
}

void Dairy(QPainter& p) {
    // A milk bottle and a wedge of cheese with holes.
    QPainterPath bottle;
    bottle.moveTo(60, 40);
    bottle.lineTo(84, 40);
    bottle.lineTo(84, 60);
    bottle.cubicTo(100, 72, 100, 80, 100, 96);
    bottle.lineTo(100, 150);
    bottle.lineTo(44, 150);
    bottle.lineTo(44, 96);
    bottle.cubicTo(44, 80, 44, 72, 60, 60);
    bottle.closeSubpath();
    p.setBrush(QColor(0xFB, 0xFB, 0xF7));
    p.drawPath(bottle);
    p.setBrush(QColor(0x3C, 0x7D, 0xC4));
    p.drawRect(QRectF(58, 32, 28, 10));
    p.drawRect(QRectF(44, 104, 56, 22));
    QPolygonF wedge({{118, 150}, {210, 150}, {210, 104}, {118, 126}});
    p.setBrush(QColor(0xF2, 0xC1, 0x3A));
    p.drawPolygon(wedge);
    p.setBrush(QColor(0xF8, 0xD8, 0x6A));
    p.drawPolygon(QPolygonF({{118, 126}, {210, 104}, {196, 96}, {112, 118}}));
    p.setBrush(QColor(0xD8, 0x9E, 0x1E));
    p.setPen(Qt::NoPen);
    for (const QPointF c : {QPointF(146, 136), QPointF(182, 128), QPointF(196, 142), QPointF(162, 144)})
        p.drawEllipse(c, 6, 5);
}

void Vegetables(QPainter& p) {
    // A carrot and a tomato.
    p.setBrush(QColor(0x4E, 0x9A, 0x3A));
    for (int a : {-30, 0, 30}) {
        p.save();
        p.translate(70, 56);
        p.rotate(a - 40);
        p.drawEllipse(QRectF(-6, -34, 12, 34));
        p.restore();
    }
    QPainterPath carrot;
    carrot.moveTo(50, 58);
    carrot.lineTo(80, 40);
    carrot.lineTo(150, 148);
    carrot.closeSubpath();
    p.setBrush(QColor(0xEE, 0x7A, 0x1E));
    p.drawPath(carrot);
    p.drawLine(QPointF(82, 80), QPointF(92, 78));
    p.drawLine(QPointF(100, 102), QPointF(110, 100));
    QRadialGradient red(QPointF(158, 92), 50);
    red.setColorAt(0.0, QColor(0xF4, 0x50, 0x3C));
    red.setColorAt(1.0, QColor(0xB0, 0x1C, 0x14));
    p.setBrush(red);
    p.drawEllipse(QRectF(124, 80, 76, 66));
    p.setBrush(QColor(0x4E, 0x9A, 0x3A));
    p.drawPolygon(QPolygonF({{162, 80}, {150, 74}, {160, 76}, {162, 66}, {166, 76}, {178, 74}}));
}

void Miscellaneous(QPainter& p) {
    // A loaf of bread and two eggs.
    QPainterPath loaf;
    loaf.moveTo(40, 140);
    loaf.lineTo(40, 96);
    loaf.cubicTo(40, 52, 150, 52, 150, 96);
    loaf.lineTo(150, 140);
    loaf.closeSubpath();
    QLinearGradient crust(0, 60, 0, 140);
    crust.setColorAt(0.0, QColor(0xB8, 0x74, 0x2E));
    crust.setColorAt(1.0, QColor(0xDA, 0xA0, 0x5A));
    p.setBrush(crust);
    p.drawPath(loaf);
    for (int x : {66, 92, 118})
        p.drawLine(QPointF(x, 72), QPointF(x + 14, 90));
    p.setBrush(QColor(0xF6, 0xEE, 0xE0));
    p.drawEllipse(QRectF(156, 92, 34, 48));
    p.setBrush(QColor(0xE8, 0xCF, 0xAE));
    p.drawEllipse(QRectF(180, 100, 32, 44));
}

void Chemicals(QPainter& p) {
    // A laboratory flask and a drum.
    p.setBrush(QColor(0x3C, 0x6E, 0x9E));
    p.drawRoundedRect(QRectF(132, 62, 72, 88), 8, 8);
    p.setBrush(Qt::NoBrush);
    for (int y : {84, 128})
        p.drawLine(QPointF(132, y), QPointF(204, y));
    p.setBrush(QColor(0xF2, 0xC1, 0x3A));
    p.drawPolygon(QPolygonF({{168, 96}, {180, 118}, {156, 118}}));
    QPainterPath flask;
    flask.moveTo(62, 36);
    flask.lineTo(88, 36);
    flask.lineTo(88, 72);
    flask.lineTo(122, 146);
    flask.lineTo(28, 146);
    flask.lineTo(62, 72);
    flask.closeSubpath();
    p.setBrush(QColor(0xEE, 0xF4, 0xF8));
    p.drawPath(flask);
    QPainterPath liquid;
    liquid.moveTo(46, 110);
    liquid.lineTo(104, 110);
    liquid.lineTo(120, 144);
    liquid.lineTo(30, 144);
    liquid.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0xB0, 0x6E));
    p.drawPath(liquid);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(70, 126), 5, 5);
    p.drawEllipse(QPointF(86, 96), 3.5, 3.5);
}

void Metal(QPainter& p) {
    // Stacked ingots with a metallic sheen.
    const auto ingot = [&p](qreal x, qreal y) {
        QLinearGradient sheen(x, y, x, y + 34);
        sheen.setColorAt(0.0, QColor(0xE6, 0xEA, 0xEE));
        sheen.setColorAt(0.5, QColor(0xA4, 0xAC, 0xB6));
        sheen.setColorAt(1.0, QColor(0x70, 0x78, 0x84));
        p.setBrush(sheen);
        p.drawPolygon(QPolygonF({{x, y + 34}, {x + 12, y}, {x + 68, y}, {x + 80, y + 34}}));
    };
    ingot(34, 112);
    ingot(118, 112);
    ingot(76, 76);
    ingot(76, 40);
}

void IceCube(QPainter& p) {
    // A translucent cube: front, top and side faces in three shades of ice blue.
    p.setPen(QPen(QColor(0x5A, 0x8C, 0xB8), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xB8, 0xDC, 0xF2));
    p.drawPolygon(QPolygonF({{64, 68}, {148, 68}, {148, 150}, {64, 150}}));
    p.setBrush(QColor(0xE2, 0xF2, 0xFC));
    p.drawPolygon(QPolygonF({{64, 68}, {100, 38}, {184, 38}, {148, 68}}));
    p.setBrush(QColor(0x8E, 0xC2, 0xE6));
    p.drawPolygon(QPolygonF({{148, 68}, {184, 38}, {184, 120}, {148, 150}}));
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(76, 82), QPointF(76, 118));
    p.drawLine(QPointF(76, 82), QPointF(104, 82));
}

} // namespace

std::vector<std::pair<const char*, QImage>> ProductGroupPictures() {
    const QColor warm(0xFB, 0xF3, 0xEA);
    const QColor cool(0xEA, 0xF2, 0xF8);
    const QColor fresh(0xEE, 0xF6, 0xE8);
    const QColor light(0xF8, 0xF8, 0xF6);
    const QColor base(0xDD, 0xE3, 0xE8);
    return {
        {"fleisch.bmp", Card(warm, base, Meat)},       {"fisch.bmp", Card(cool, base, Fish)},
        {"nat_12.bmp", Card(fresh, base, Fruit)},      {"mopro.bmp", Card(cool, base, Dairy)},
        {"nat_01.bmp", Card(fresh, base, Vegetables)}, {"diverses.bmp", Card(warm, base, Miscellaneous)},
        {"chemie.bmp", Card(light, base, Chemicals)},  {"metall.bmp", Card(light, base, Metal)},
        {"Icecube.bmp", Card(cool, base, IceCube)},
    };
}
