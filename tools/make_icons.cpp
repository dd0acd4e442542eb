// Draws the application icon: an ice-blue tile with a white six-armed snowflake, as the scalable SVG and
// as PNGs of the hicolor sizes. Both come from one list of shapes, so every size shows the same picture.
//
//   make_icons OUT_DIR NAME   writes OUT_DIR/NAME.svg and OUT_DIR/<size>/NAME.png

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include <cstdio>
#include <vector>

namespace {

constexpr double kCanvas = 256.0; // the shapes' coordinate system
constexpr double kTileInset = 8.0;
constexpr double kTileRadius = 44.0;
constexpr double kFlakeRadius = 84.0;
constexpr double kStroke = 15.0;
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

const QColor kTileTop(0x4A, 0x90, 0xC8);
const QColor kTileBottom(0x23, 0x5E, 0x93);

struct Segment {
    QPointF from, to;
};

// Six arms from the centre, each with two pairs of twigs.
std::vector<Segment> Snowflake() {
    const QPointF centre(kCanvas / 2, kCanvas / 2);
    std::vector<Segment> lines;
    for (int arm = 0; arm < 6; ++arm) {
        const double a = qDegreesToRadians(arm * 60.0);
        const QPointF dir(std::sin(a), -std::cos(a));
        lines.push_back({centre, centre + dir * kFlakeRadius});
        for (const double at : {0.45, 0.72}) {
            const double twig = kFlakeRadius * (at < 0.5 ? 0.32 : 0.24);
            const QPointF base = centre + dir * (kFlakeRadius * at);
            for (const double side : {-1.0, 1.0}) {
                const double b = a + side * qDegreesToRadians(45.0);
                lines.push_back({base, base + QPointF(std::sin(b), -std::cos(b)) * twig});
            }
        }
    }
    return lines;
}

QImage Png(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kCanvas, size / kCanvas);
    QLinearGradient fill(0, kTileInset, 0, kCanvas - kTileInset);
    fill.setColorAt(0, kTileTop);
    fill.setColorAt(1, kTileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const double side = kCanvas - 2 * kTileInset;
    p.drawRoundedRect(QRectF(kTileInset, kTileInset, side, side), kTileRadius, kTileRadius);
    p.setPen(QPen(Qt::white, kStroke, Qt::SolidLine, Qt::RoundCap));
    for (const Segment& s : Snowflake())
        p.drawLine(s.from, s.to);
    return image;
}

QString Svg() {
    const double side = kCanvas - 2 * kTileInset;
    QString svg =
        QStringLiteral(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 "
            "256\">\n<defs><linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
            "<stop offset=\"0\" stop-color=\"%1\"/><stop offset=\"1\" stop-color=\"%2\"/>"
            "</linearGradient></defs>\n<rect x=\"%3\" y=\"%3\" width=\"%4\" height=\"%4\" rx=\"%5\" "
            "fill=\"url(#tile)\"/>\n<g stroke=\"#ffffff\" stroke-width=\"%6\" stroke-linecap=\"round\">\n")
            .arg(kTileTop.name(), kTileBottom.name())
            .arg(kTileInset)
            .arg(side)
            .arg(kTileRadius)
            .arg(kStroke);
    for (const Segment& s : Snowflake()) {
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
                   .arg(s.from.x(), 0, 'f', 2)
                   .arg(s.from.y(), 0, 'f', 2)
                   .arg(s.to.x(), 0, 'f', 2)
                   .arg(s.to.y(), 0, 'f', 2);
    }
    return svg + QStringLiteral("</g>\n</svg>\n");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons OUT_DIR NAME\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    QFile svg(out.filePath(name + QStringLiteral(".svg")));
    if (!out.mkpath(QStringLiteral(".")) || !svg.open(QIODevice::WriteOnly) || svg.write(Svg().toUtf8()) < 0)
        return 1;
    for (const int size : kSizes) {
        const QString dir = QString::number(size);
        if (!out.mkpath(dir) ||
            !Png(size).save(out.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"))))
            return 1;
    }
    return 0;
}
