// Draws the default report logo "qvsample.jpg" (260 x 80 pixels): a cold-room glyph, an ice-blue tile with
// a snowflake, beside the "Veskaro" wordmark. Run once; the picture is kept in data/.
//
//   cmake --build BUILD --target logo

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

constexpr int kWidth = 260;
constexpr int kHeight = 80;
constexpr int kScale = 4; // drawn larger, then reduced: smooth edges in the JPEG
constexpr int kJpegQuality = 92;

const QColor kTileTop(0x4A, 0x90, 0xC8);
const QColor kTileBottom(0x23, 0x5E, 0x93);
const QColor kWordmark(0x22, 0x33, 0x47);
const QColor kTagline(0x5B, 0x6B, 0x7C);
const QColor kAccent(0x4A, 0x90, 0xC8);

// Six-armed snowflake with two pairs of side twigs on each arm.
void Snowflake(QPainter& p, QPointF centre, qreal radius, qreal stroke) {
    QPen pen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    for (int arm = 0; arm < 6; ++arm) {
        p.save();
        p.translate(centre);
        p.rotate(arm * 60.0);
        p.drawLine(QPointF(0, 0), QPointF(0, -radius));
        for (qreal at : {0.45, 0.72}) {
            const qreal twig = radius * (at < 0.5 ? 0.3 : 0.22);
            const QPointF base(0, -radius * at);
            p.drawLine(base, base + QPointF(twig * qSin(qDegreesToRadians(45.0)),
                                            -twig * qCos(qDegreesToRadians(45.0))));
            p.drawLine(base, base + QPointF(-twig * qSin(qDegreesToRadians(45.0)),
                                            -twig * qCos(qDegreesToRadians(45.0))));
        }
        p.restore();
    }
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, stroke * 0.9, stroke * 0.9);
}

QImage DrawLogo() {
    QImage big(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(kScale, kScale);

    // Glyph: a cold-room tile (insulated box seen from the front) carrying the snowflake.
    const QRectF tile(10, 10, 60, 60);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0.0, kTileTop);
    fill.setColorAt(1.0, kTileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(tile, 11, 11);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.6));
    p.drawRoundedRect(tile.adjusted(5, 5, -5, -5), 7, 7);
    Snowflake(p, tile.center(), 20.0, 3.4);

    // Wordmark and a quiet tagline under an accent rule.
    QFont word(QStringLiteral("Liberation Sans"));
    word.setPixelSize(34);
    word.setBold(true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(word);
    p.setPen(kWordmark);
    p.drawText(QPointF(84, 45), QStringLiteral("Veskaro"));
    p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(86, 53), QPointF(118, 53));
    QFont tag(QStringLiteral("Liberation Sans"));
    tag.setPixelSize(11);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    p.setFont(tag);
    p.setPen(kTagline);
    p.drawText(QPointF(124, 57), QStringLiteral("COLD ROOM"));
    p.end();
    return big.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_logo OUTPUT.jpg\n");
        return 2;
    }
    if (!DrawLogo().save(QString::fromLocal8Bit(argv[1]), nullptr, kJpegQuality)) {
        std::fprintf(stderr, "make_logo: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
