// Draws the button faces and background pictures of the windows and saves them into a folder (normally the
// repository's data/). Faces are 64 x 64 pixels, shown at 32 x 32 logical pixels: sharp at 100 % and 200 %.
//
//   make_pictures OUTPUT_DIR
//
// Faces are flat rounded tiles with a white line glyph. BMP has no alpha channel, so the area outside the
// tile is the window colour kKeyColour; the window makes exactly that colour transparent when it loads a
// face.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <functional>

#include "product_pictures.h"
#include "shading_pictures.h"

namespace {

constexpr int kFacePixels = 64;
constexpr qreal kTileInset = 2.0;
constexpr qreal kTileRadius = 13.0;
constexpr qreal kStroke = 4.5;

const QColor kKeyColour(0xF4, 0xF6, 0xF9); // window colour: outside the tile
const QColor kSlate(0x35, 0x5C, 0x86);     // data and file commands
const QColor kTeal(0x1E, 0x7F, 0x8C);      // calculation commands
const QColor kGreen(0x2E, 0x8B, 0x57);     // confirm
const QColor kRed(0xB5, 0x48, 0x3B);       // cancel, delete
const QColor kGraphite(0x55, 0x5F, 0x6B);  // leave the program
const QColor kGlyph(Qt::white);

using Glyph = std::function<void(QPainter&)>;

QPen GlyphPen(qreal width = kStroke) {
    QPen pen(kGlyph, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QImage Face(const QColor& tile, const Glyph& glyph) {
    QImage image(kFacePixels, kFacePixels, QImage::Format_RGB32);
    image.fill(kKeyColour);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(kTileInset, kTileInset, kFacePixels - 2 * kTileInset, kFacePixels - 2 * kTileInset);
    // A faint vertical gradient keeps the tile flat but not dead.
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0.0, tile.lighter(112));
    fill.setColorAt(1.0, tile);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(plate, kTileRadius, kTileRadius);
    p.setPen(GlyphPen());
    p.setBrush(Qt::NoBrush);
    glyph(p);
    return image;
}

// --- Glyphs, in a 64 x 64 square ---------------------------------------------------------------------

void Check(QPainter& p) {
    QPainterPath path;
    path.moveTo(18, 33);
    path.lineTo(28, 43);
    path.lineTo(47, 22);
    p.setPen(GlyphPen(6.0));
    p.drawPath(path);
}

void Cross(QPainter& p) {
    p.setPen(GlyphPen(6.0));
    p.drawLine(QPointF(21, 21), QPointF(43, 43));
    p.drawLine(QPointF(43, 21), QPointF(21, 43));
}

void Calculator(QPainter& p) {
    p.drawRoundedRect(QRectF(19, 14, 26, 36), 3, 3);
    p.setBrush(kGlyph);
    p.drawRect(QRectF(23.5, 18.5, 17, 6));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(25 + 7 * col, 31 + 6.5 * row), 2.2, 2.2);
    }
}

void ResultSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(19, 13);
    sheet.lineTo(38, 13);
    sheet.lineTo(46, 21);
    sheet.lineTo(46, 51);
    sheet.lineTo(19, 51);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawLine(QPointF(38, 13), QPointF(38, 21));
    p.drawLine(QPointF(38, 21), QPointF(46, 21));
    // bar chart of the load components
    p.setPen(Qt::NoPen);
    p.setBrush(kGlyph);
    p.drawRect(QRectF(24, 36, 4, 10));
    p.drawRect(QRectF(30.5, 29, 4, 17));
    p.drawRect(QRectF(37, 33, 4, 13));
}

void Disk(QPainter& p) {
    QPainterPath body;
    body.moveTo(16, 16);
    body.lineTo(42, 16);
    body.lineTo(48, 22);
    body.lineTo(48, 48);
    body.lineTo(16, 48);
    body.closeSubpath();
    p.drawPath(body);
    p.drawRect(QRectF(23, 16, 16, 9));
    p.drawRoundedRect(QRectF(22, 33, 20, 15), 1.5, 1.5);
}

void OpenFolder(QPainter& p) {
    QPainterPath back;
    back.moveTo(14, 46);
    back.lineTo(14, 18);
    back.lineTo(26, 18);
    back.lineTo(30, 23);
    back.lineTo(44, 23);
    back.lineTo(44, 29);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(14, 46);
    front.lineTo(21, 29);
    front.lineTo(51, 29);
    front.lineTo(44, 46);
    front.closeSubpath();
    p.drawPath(front);
}

void NewDocument(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(33, 51);
    sheet.lineTo(17, 51);
    sheet.lineTo(17, 13);
    sheet.lineTo(35, 13);
    sheet.lineTo(43, 21);
    sheet.lineTo(43, 31);
    p.drawPath(sheet);
    p.drawLine(QPointF(35, 13), QPointF(35, 21));
    p.drawLine(QPointF(35, 21), QPointF(43, 21));
    p.drawLine(QPointF(43, 37), QPointF(43, 51));
    p.drawLine(QPointF(36, 44), QPointF(50, 44));
}

void Trash(QPainter& p) {
    p.drawLine(QPointF(17, 20), QPointF(47, 20));
    p.drawLine(QPointF(27, 20), QPointF(28, 15));
    p.drawLine(QPointF(28, 15), QPointF(36, 15));
    p.drawLine(QPointF(36, 15), QPointF(37, 20));
    QPainterPath bin;
    bin.moveTo(21, 24);
    bin.lineTo(23, 50);
    bin.lineTo(41, 50);
    bin.lineTo(43, 24);
    p.drawPath(bin);
    p.setPen(GlyphPen(3.0));
    p.drawLine(QPointF(28, 28), QPointF(28.5, 45));
    p.drawLine(QPointF(36, 28), QPointF(35.5, 45));
}

void Crate(QPainter& p) {
    // Isometric box: the goods brought into the room.
    QPainterPath box;
    box.moveTo(32, 14);
    box.lineTo(49, 22);
    box.lineTo(49, 42);
    box.lineTo(32, 50);
    box.lineTo(15, 42);
    box.lineTo(15, 22);
    box.closeSubpath();
    p.drawPath(box);
    QPainterPath inner;
    inner.moveTo(15, 22);
    inner.lineTo(32, 30);
    inner.lineTo(49, 22);
    p.drawPath(inner);
    p.drawLine(QPointF(32, 30), QPointF(32, 50));
    p.setPen(GlyphPen(3.0));
    p.drawLine(QPointF(23.5, 18), QPointF(40.5, 26));
}

void Leave(QPainter& p) {
    QPainterPath frame;
    frame.moveTo(34, 18);
    frame.lineTo(34, 14);
    frame.lineTo(17, 14);
    frame.lineTo(17, 50);
    frame.lineTo(34, 50);
    frame.lineTo(34, 46);
    p.drawPath(frame);
    p.drawLine(QPointF(26, 32), QPointF(49, 32));
    QPainterPath head;
    head.moveTo(42, 25);
    head.lineTo(49, 32);
    head.lineTo(42, 39);
    p.drawPath(head);
}

void Wall(QPainter& p) {
    // Brick courses in running bond with an insulation layer on the cold side.
    const qreal left = 14, right = 42, top = 15, course = 8.5;
    p.drawRect(QRectF(left, top, right - left, 4 * course));
    p.setPen(GlyphPen(3.0));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(left, top + i * course), QPointF(right, top + i * course));
    for (int i = 0; i < 4; ++i) {
        const qreal y = top + i * course;
        const qreal x = i % 2 == 0 ? 28 : 21;
        p.drawLine(QPointF(x, y), QPointF(x, y + course));
        if (i % 2 != 0) p.drawLine(QPointF(35, y), QPointF(35, y + course));
    }
    p.setPen(GlyphPen());
    p.drawRect(QRectF(45, top, 6, 4 * course));
}

void Door(QPainter& p) {
    p.drawLine(QPointF(15, 51), QPointF(49, 51));
    QPainterPath frame;
    frame.moveTo(20, 51);
    frame.lineTo(20, 13);
    frame.lineTo(44, 13);
    frame.lineTo(44, 51);
    p.drawPath(frame);
    // the open leaf
    QPainterPath leaf;
    leaf.moveTo(20, 13);
    leaf.lineTo(34, 18);
    leaf.lineTo(34, 55);
    leaf.lineTo(20, 51);
    p.drawPath(leaf);
    p.setBrush(kGlyph);
    p.drawEllipse(QPointF(30, 35), 1.6, 1.6);
}

void AirFlow(QPainter& p) {
    // Air streaming through the door opening.
    for (int i = 0; i < 3; ++i) {
        const qreal y = 22 + 10 * i;
        QPainterPath wave;
        wave.moveTo(13, y);
        wave.cubicTo(21, y - 5, 27, y + 5, 35, y);
        wave.lineTo(48, y);
        p.drawPath(wave);
        QPainterPath head;
        head.moveTo(44, y - 4);
        head.lineTo(49, y);
        head.lineTo(44, y + 4);
        p.drawPath(head);
    }
}

void Snowflake(QPainter& p, const QPointF& centre, qreal radius, qreal width) {
    p.setPen(GlyphPen(width));
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(90.0 + 60.0 * i);
        const QPointF dir(qCos(a), -qSin(a));
        const QPointF tip = centre + radius * dir;
        p.drawLine(centre, tip);
        const QPointF branch = centre + 0.55 * radius * dir;
        for (int s : {-1, 1}) {
            const qreal b = a + s * qDegreesToRadians(45.0);
            p.drawLine(branch, branch + 0.32 * radius * QPointF(qCos(b), -qSin(b)));
        }
    }
}

void Evaporator(QPainter& p) {
    // Unit cooler: casing with two fans, frost below.
    p.drawRoundedRect(QRectF(11, 17, 42, 20), 2.5, 2.5);
    p.drawEllipse(QPointF(23, 27), 6, 6);
    p.drawEllipse(QPointF(41, 27), 6, 6);
    p.setPen(GlyphPen(3.0));
    p.drawLine(QPointF(23, 23), QPointF(23, 31));
    p.drawLine(QPointF(41, 23), QPointF(41, 31));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 20 + 12 * i;
        p.drawLine(QPointF(x, 42), QPointF(x - 3, 49));
    }
}

void Printer(QPainter& p) {
    p.drawRect(QRectF(22, 13, 20, 11));
    p.drawRoundedRect(QRectF(13, 24, 38, 17), 3, 3);
    p.drawRect(QRectF(22, 35, 20, 15));
    p.setPen(GlyphPen(3.0));
    p.drawLine(QPointF(26, 41), QPointF(38, 41));
    p.drawLine(QPointF(26, 45.5), QPointF(35, 45.5));
    p.setBrush(kGlyph);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(45, 30), 1.8, 1.8);
}

void FloorPlan(QPainter& p) {
    QPainterPath plan;
    plan.moveTo(14, 15);
    plan.lineTo(40, 15);
    plan.lineTo(40, 29);
    plan.lineTo(50, 29);
    plan.lineTo(50, 49);
    plan.lineTo(14, 49);
    plan.closeSubpath();
    p.drawPath(plan);
    p.setBrush(kGlyph);
    p.setPen(Qt::NoPen);
    for (const QPointF& corner : {QPointF(14, 15), QPointF(40, 15), QPointF(40, 29), QPointF(50, 29),
                                  QPointF(50, 49), QPointF(14, 49)}) {
        p.drawEllipse(corner, 3.2, 3.2);
    }
}

// Floor-plan tools: the select pointer, take back, maximise and normal size.
void Pointer(QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(22, 14);
    arrow.lineTo(22, 46);
    arrow.lineTo(30, 38);
    arrow.lineTo(36, 50);
    arrow.lineTo(41, 47);
    arrow.lineTo(35, 36);
    arrow.lineTo(46, 36);
    arrow.closeSubpath();
    p.setBrush(kGlyph);
    p.drawPath(arrow);
}

void TakeBack(QPainter& p) {
    QPainterPath turn;
    turn.moveTo(46, 46);
    turn.cubicTo(48, 26, 38, 22, 20, 24);
    p.drawPath(turn);
    p.drawLine(QPointF(20, 24), QPointF(28, 16));
    p.drawLine(QPointF(20, 24), QPointF(28, 32));
}

void Maximise(QPainter& p) {
    p.drawRect(QRectF(16, 18, 32, 28));
    p.setPen(GlyphPen(5.0));
    p.drawLine(QPointF(16, 21), QPointF(48, 21));
}

void NormalSize(QPainter& p) {
    p.drawRect(QRectF(24, 14, 24, 20));
    p.setBrush(QColor(0x35, 0x5C, 0x86));
    p.drawRect(QRectF(15, 26, 24, 22));
    p.setPen(GlyphPen(5.0));
    p.drawLine(QPointF(15, 29), QPointF(39, 29));
}

void SaveAs(QPainter& p) {
    Disk(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSlate);
    p.drawEllipse(QPointF(47, 46), 10, 10);
    p.setPen(GlyphPen(3.5));
    p.drawLine(QPointF(42, 51), QPointF(52, 41));
    p.drawLine(QPointF(41, 52), QPointF(42.5, 50.5));
}

// --- Backgrounds ---------------------------------------------------------------------------------------

// The window header: deep cold blue with frost crystals fading in from the right.
QImage HeaderBackground() {
    QImage image(1600, 112, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, image.width(), image.height());
    fill.setColorAt(0.0, QColor(0x1F, 0x3B, 0x5A));
    fill.setColorAt(1.0, QColor(0x2F, 0x5D, 0x88));
    p.fillRect(image.rect(), fill);
    struct Flake {
        qreal x, y, r;
    };
    // Between the title on the left and the project fields on the right.
    for (const Flake& f : {Flake{1010, 48, 28}, Flake{920, 86, 15}, Flake{1090, 94, 11}, Flake{850, 34, 11},
                           Flake{780, 84, 8}, Flake{720, 30, 6}}) {
        p.setOpacity(0.10 + f.r / 260.0);
        Snowflake(p, QPointF(f.x, f.y), f.r, qMax<qreal>(1.5, f.r / 8));
    }
    return image;
}

QImage SoftGradient(int width, int height, const QColor& top, const QColor& bottom) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.fillRect(image.rect(), fill);
    return image;
}

// The result panel: light ice blue, a little brighter at the top left where the capacity stands.
QImage ResultBackground() {
    QImage image(720, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0.0, QColor(0xE9, 0xF2, 0xFA));
    fill.setColorAt(1.0, QColor(0xDA, 0xE8, 0xF4));
    p.fillRect(image.rect(), fill);
    QRadialGradient glow(QPointF(120, 40), 420);
    glow.setColorAt(0.0, QColor(255, 255, 255, 120));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    p.setOpacity(0.07);
    Snowflake(p, QPointF(650, 170), 60, 6);
    return image;
}

bool Save(const QImage& image, const QDir& dir, const char* name, int quality = -1) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    const bool ok = image.save(path, nullptr, quality);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) return 1;

    struct FaceDrawing {
        const char* name;
        QColor tile;
        Glyph glyph;
    };
    const FaceDrawing faces[] = {
        {"okcap.bmp", kGreen, Check},
        {"abcap.bmp", kRed, Cross},
        {"brcap.bmp", kTeal, Calculator},
        {"recap.bmp", kTeal, ResultSheet},
        {"pscap.bmp", kSlate, Disk},
        {"plcap.bmp", kSlate, OpenFolder},
        {"npcap.bmp", kSlate, NewDocument},
        {"loecaps.bmp", kRed, Trash},
        {"crcap.bmp", kSlate, Crate},
        {"btcap.bmp", kGraphite, Leave},
        {"WDcap.bmp", kSlate, Wall},
        {"drcap.bmp", kSlate, Door},
        {"lwcap.bmp", kTeal, AirFlow},
        {"vdcap.bmp", kSlate, Evaporator},
        {"prcap.bmp", kSlate, Printer},
        {"fpcap.bmp", kSlate, FloorPlan},
        {"sacap.bmp", kSlate, SaveAs},
        {"arrowbutt.bmp", kSlate, Pointer},
        {"backbutt.bmp", kSlate, TakeBack},
        {"maxbutt.bmp", kGraphite, Maximise},
        {"normbutt.bmp", kGraphite, NormalSize},
        {"crlogo.bmp", kSlate, [](QPainter& p) { Snowflake(p, QPointF(32, 32), 19, kStroke); }},
    };
    bool ok = true;
    for (const FaceDrawing& face : faces)
        ok = Save(Face(face.tile, face.glyph), dir, face.name) && ok;

    constexpr int kJpegQuality = 90;
    ok = Save(HeaderBackground(), dir, "QV_Bk01.jpg", kJpegQuality) && ok;
    ok = Save(SoftGradient(240, 800, QColor(0xEE, 0xF2, 0xF6), QColor(0xE3, 0xE9, 0xEF)), dir, "QV_Bk041.jpg",
              kJpegQuality) &&
         ok;
    ok = Save(ResultBackground(), dir, "QV_Bk042.jpg", kJpegQuality) && ok;
    ok = Save(SoftGradient(480, 640, QColor(0xF7, 0xF9, 0xFB), QColor(0xEC, 0xF0, 0xF4)), dir, "QV_Bk0v.jpg",
              kJpegQuality) &&
         ok;
    for (const auto& [name, picture] : ProductGroupPictures())
        ok = Save(picture, dir, name) && ok;
    for (const auto& [name, picture] : ShadingPictures())
        ok = Save(picture, dir, name) && ok;
    return ok ? 0 : 1;
}
