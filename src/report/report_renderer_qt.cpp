// Report painting: text runs, rules, frames, the logo and the two sketches as vector drawings.

#include "report/report_renderer_qt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"
#include "report/plan_outline_qt.h"
#include "report/chart_placement.h"
#include "report/share_column.h"

namespace veskaro {

namespace {

// Colours of the report.
const QColor kRuleColour(128, 128, 128);      // dark grey of the 16-colour palette
const QColor kInk(0x1F, 0x2A, 0x36);          // outlines of the sketches
const QColor kWallColour(0x3C, 0x5A, 0x78);   // insulated walls of the room sketch
const QColor kRoomFill(0xE4, 0xF0, 0xFA);     // cold room inside
const QColor kCasingFill(0xEE, 0xF1, 0xF4);   // air cooler casing
const QColor kCoilFill(0xD6, 0xE4, 0xEE);     // finned coil
const QColor kFanFill(0xFA, 0xFB, 0xFC);      // fan ring
const QColor kAirColour(0x2F, 0x7F, 0xC1);    // air flow arrows
const QColor kDimensionInk(0x45, 0x50, 0x5C); // dimension lines and labels

constexpr double kPointsPerInch = 72.0;
constexpr double kRuleWidth_pt = 0.6;
constexpr double kThinLine_pt = 0.5;
constexpr double kOutline_pt = 0.9;
constexpr double kSketchLabel_pt = 7.0;

// Device units per typographic point of the painter's device.
double UnitsPerPoint(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device != nullptr ? device->logicalDpiY() / kPointsPerInch : 1.0;
}

QPen LinePen(const QPainter& painter, const QColor& colour, double width_pt) {
    QPen pen(colour, width_pt * UnitsPerPoint(painter));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QFont ReportFont(const ReportStyle& style, double size_pt, bool bold) {
    QFont font(style.fontFamily);
    font.setPointSizeF(size_pt > 0.0 ? size_pt : kScreenBodySize_pt);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRectF BoxOf(const QRectF& page, const DrawOp& op) {
    return QRectF(QPointF(page.left() + op.x * page.width(), page.top() + op.y * page.height()),
                  QPointF(page.left() + op.x2 * page.width(), page.top() + op.y2 * page.height()))
        .normalized();
}

// A length in metres as a dimension label: "12.5 m".
QString MetresLabel(double metres) {
    std::string text = DisplayText(TruncateDecimals(metres, 2));
    text.erase(0, text.find_first_not_of(' '));
    return QString::fromStdString(text) + QStringLiteral(" m");
}

void PaintText(QPainter& painter, const QRectF& page, const DrawOp& op, const ReportStyle& style) {
    const QFont font = ReportFont(style, op.size_pt, op.bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    QPointF baseline(page.left() + op.x * page.width(), page.top() + op.y * page.height() + metrics.ascent());
    if (op.alignDecimal) {
        const QString whole = QString::fromStdString(op.text.substr(0, DecimalPointIndex(op.text)));
        baseline.rx() -= metrics.horizontalAdvance(whole);
    }
    if (!op.lead.empty()) {
        // The lead in normal type, the text after it in the op's own weight.
        const QFont leadFont = ReportFont(style, op.size_pt, false);
        const QString lead = QString::fromStdString(op.lead);
        painter.setFont(leadFont);
        painter.drawText(baseline, lead);
        baseline.rx() += QFontMetricsF(leadFont, painter.device()).horizontalAdvance(lead);
        painter.setFont(font);
    }
    painter.drawText(baseline, QString::fromStdString(op.text));
}

void PaintRule(QPainter& painter, const QRectF& page, const DrawOp& op) {
    painter.setPen(LinePen(painter, kRuleColour, kRuleWidth_pt));
    const double y = page.top() + op.y * page.height();
    painter.drawLine(QPointF(page.left() + op.x * page.width(), y),
                     QPointF(page.left() + op.x2 * page.width(), y));
}

// Frames: 0 and 1 a plain line, 2 a double line, 3 a heavy line with rounded corners.
void PaintFrame(QPainter& painter, const QRectF& box, int variant) {
    painter.setBrush(Qt::NoBrush);
    const double unit = UnitsPerPoint(painter);
    switch (variant) {
    case 2: {
        painter.setPen(LinePen(painter, kInk, kThinLine_pt));
        painter.drawRect(box);
        const double gap = 1.8 * unit;
        painter.drawRect(box.adjusted(gap, gap, -gap, -gap));
        break;
    }
    case 3:
        painter.setPen(LinePen(painter, kInk, 1.6));
        painter.drawRoundedRect(box, 4.0 * unit, 4.0 * unit);
        break;
    default:
        painter.setPen(LinePen(painter, kInk, kOutline_pt));
        painter.drawRect(box);
        break;
    }
}

void PaintLogo(QPainter& painter, const QRectF& box, const std::string& path) {
    const QImage logo(QString::fromStdString(path));
    if (logo.isNull() || logo.width() <= 0 || logo.height() <= 0) return;
    const double scale = std::min(box.width() / logo.width(), box.height() / logo.height());
    const QSizeF size(logo.width() * scale, logo.height() * scale);
    const QRectF target(QPointF(box.right() - size.width(), box.top()), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, logo);
}

// A dimension line with end ticks and its label centred on it (vertical lines carry a turned label).
void PaintDimension(QPainter& painter, QPointF from, QPointF to, const QString& label,
                    const ReportStyle& style) {
    const double unit = UnitsPerPoint(painter);
    const double tick = 2.5 * unit;
    painter.setPen(LinePen(painter, kDimensionInk, kThinLine_pt));
    painter.drawLine(from, to);
    const bool horizontal = std::abs(to.y() - from.y()) < std::abs(to.x() - from.x());
    for (const QPointF& end : {from, to}) {
        if (horizontal) {
            painter.drawLine(QPointF(end.x(), end.y() - tick), QPointF(end.x(), end.y() + tick));
        } else {
            painter.drawLine(QPointF(end.x() - tick, end.y()), QPointF(end.x() + tick, end.y()));
        }
    }
    painter.setFont(ReportFont(style, kSketchLabel_pt, false));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double width = metrics.horizontalAdvance(label);
    const QPointF middle = (from + to) / 2.0;
    painter.save();
    painter.translate(middle);
    if (!horizontal) painter.rotate(-90.0);
    // Label on a white ground so that it reads across the line.
    const QRectF ground(-width / 2.0 - unit, -metrics.ascent() / 2.0 - 0.8 * unit, width + 2.0 * unit,
                        metrics.ascent() + 1.6 * unit);
    painter.fillRect(ground, Qt::white);
    painter.setPen(kDimensionInk);
    painter.drawText(QPointF(-width / 2.0, metrics.ascent() / 2.0 - metrics.descent() / 2.0), label);
    painter.restore();
}

// Rectangular room seen from above: insulated walls around the cold space, length along the bottom,
// width up the right side.
void PaintRectangularRoom(QPainter& painter, const QRectF& box, const RoomSketch& room,
                          const ReportStyle& style) {
    if (room.L_m <= 0.0 || room.B_m <= 0.0) return;
    const double unit = UnitsPerPoint(painter);
    const double labelRoom = 11.0 * unit; // space for a dimension beside the room
    const QRectF area = box.adjusted(0.0, 0.0, -labelRoom, -labelRoom);
    if (area.width() <= 0.0 || area.height() <= 0.0) return;
    const double scale = std::min(area.width() / room.L_m, area.height() / room.B_m);
    const QSizeF size(room.L_m * scale, room.B_m * scale);
    const QRectF plan(
        QPointF(area.center().x() - size.width() / 2.0, area.center().y() - size.height() / 2.0), size);

    const double wall = std::clamp(std::min(plan.width(), plan.height()) * 0.06, 1.5 * unit, 5.0 * unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWallColour);
    painter.drawRect(plan);
    painter.setBrush(kRoomFill);
    painter.drawRect(plan.adjusted(wall, wall, -wall, -wall));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(LinePen(painter, kInk, kThinLine_pt));
    painter.drawRect(plan);

    const double offset = 6.0 * unit;
    PaintDimension(painter, QPointF(plan.left(), plan.bottom() + offset),
                   QPointF(plan.right(), plan.bottom() + offset), MetresLabel(room.L_m), style);
    PaintDimension(painter, QPointF(plan.right() + offset, plan.bottom()),
                   QPointF(plan.right() + offset, plan.top()), MetresLabel(room.B_m), style);
}

// Wall number and wall-table length beside each drawn wall, on the side away from the room when the
// outline is closed (so an inner corner of an L keeps its label outside).
void PaintWallLabels(QPainter& painter, const QTransform& toBox, const std::vector<QLineF>& walls,
                     const QPolygonF& outline, const std::vector<double>& lengths_m,
                     const ReportStyle& style) {
    const double unit = UnitsPerPoint(painter);
    painter.setFont(ReportFont(style, kSketchLabel_pt, false));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QPolygonF room = toBox.map(outline);
    for (std::size_t k = 0; k < walls.size(); ++k) {
        const QLineF wall = toBox.map(walls[k]);
        if (wall.length() <= 0.0) continue;
        const bool known = k < lengths_m.size() && lengths_m[k] > 0.0;
        const QString label =
            QString::number(k + 1) + (known ? QStringLiteral(": ") + MetresLabel(lengths_m[k]) : QString());
        QPointF normal(-wall.dy() / wall.length(), wall.dx() / wall.length());
        if (room.containsPoint(wall.center() + normal * unit, Qt::OddEvenFill)) normal = -normal;
        const QSizeF size(metrics.horizontalAdvance(label), metrics.ascent());
        const double clearance =
            std::abs(normal.x()) * size.width() / 2 + std::abs(normal.y()) * size.height() / 2;
        const QPointF centre = wall.center() + normal * (clearance + 3.0 * unit);
        painter.fillRect(QRectF(centre - QPointF(size.width() / 2 + unit, size.height() / 2 + unit / 2),
                                size + QSizeF(2 * unit, unit)),
                         Qt::white);
        painter.setPen(kDimensionInk);
        painter.drawText(centre + QPointF(-size.width() / 2, (size.height() - metrics.descent()) / 2), label);
    }
}

// Floor-plan room: its drawn walls scaled into the box; a closed outline is filled like the rectangle.
void PaintFloorPlan(QPainter& painter, const QRectF& box, const RoomSketch& room, const ReportStyle& style) {
    if (room.walls.empty()) return;
    QRectF bounds;
    std::vector<QLineF> walls;
    for (const PlanSegment& s : room.walls) {
        walls.emplace_back(s.x1, s.y1, s.x2, s.y2);
        bounds = bounds.united(QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)).normalized());
    }
    const double unit = UnitsPerPoint(painter);
    const QRectF area =
        box.adjusted(14.0 * unit, 10.0 * unit, -14.0 * unit, -10.0 * unit); // room for the labels
    const double spanX = std::max(bounds.width(), 1e-9), spanY = std::max(bounds.height(), 1e-9);
    const double scale = std::min(area.width() / spanX, area.height() / spanY);
    const QPointF shift(area.center().x() - (bounds.left() + bounds.width() / 2.0) * scale,
                        area.center().y() - (bounds.top() + bounds.height() / 2.0) * scale);
    QTransform toBox;
    toBox.translate(shift.x(), shift.y());
    toBox.scale(scale, scale);

    const QPolygonF outline = ClosedOutline(walls);
    if (!outline.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRoomFill);
        painter.drawPolygon(toBox.map(outline));
    }
    QPen wallPen = LinePen(painter, kWallColour, 3.0);
    wallPen.setCapStyle(Qt::SquareCap);
    painter.setPen(wallPen);
    painter.setBrush(Qt::NoBrush);
    for (const QLineF& wall : walls)
        painter.drawLine(toBox.map(wall));
    PaintWallLabels(painter, toBox, walls, outline, room.wallLengths_m, style);
}

// Air cooler seen from the side: casing, finned coil with its tubes, fans blowing the cold air out.
void PaintAirCooler(QPainter& painter, const QRectF& box) {
    const double unit = UnitsPerPoint(painter);
    const double arrow = std::min(box.width() * 0.12, 12.0 * unit);
    const QRectF casing = box.adjusted(arrow, box.height() * 0.12, -arrow, -box.height() * 0.12);
    if (casing.width() <= 0.0 || casing.height() <= 0.0) return;
    const double radius = casing.height() * 0.12;

    painter.setPen(LinePen(painter, kInk, kOutline_pt));
    painter.setBrush(kCasingFill);
    painter.drawRoundedRect(casing, radius, radius);

    // Coil: the back 45 % of the casing, fins as thin lines, two rows of tubes.
    const double inset = casing.height() * 0.14;
    const QRectF coil(casing.left() + inset, casing.top() + inset, casing.width() * 0.45,
                      casing.height() - 2 * inset);
    painter.setBrush(kCoilFill);
    painter.setPen(LinePen(painter, kInk, kThinLine_pt));
    painter.drawRect(coil);
    const int fins = std::max(4, static_cast<int>(coil.width() / (1.6 * unit)));
    painter.setPen(LinePen(painter, kWallColour, 0.25));
    for (int i = 1; i < fins; ++i) {
        const double x = coil.left() + coil.width() * i / fins;
        painter.drawLine(QPointF(x, coil.top()), QPointF(x, coil.bottom()));
    }
    const double tube = coil.height() * 0.11;
    painter.setPen(LinePen(painter, kInk, kThinLine_pt));
    painter.setBrush(Qt::white);
    for (int row = 0; row < 2; ++row) {
        const double y = coil.top() + coil.height() * (row == 0 ? 0.3 : 0.7);
        for (int col = 0; col < 4; ++col) {
            const double x = coil.left() + coil.width() * (col + (row == 0 ? 0.35 : 0.85)) / 4.0;
            painter.drawEllipse(QPointF(x, y), tube, tube);
        }
    }

    // Fans in the front part, as many as fit side by side.
    const QRectF front(coil.right() + inset, coil.top(), casing.right() - inset - coil.right() - inset,
                       coil.height());
    const double diameter = std::min(front.height(), front.width());
    const int fanCount = std::max(1, static_cast<int>(front.width() / (diameter * 1.05)));
    const double pitch = front.width() / fanCount;
    for (int i = 0; i < fanCount; ++i) {
        const QPointF centre(front.left() + pitch * (i + 0.5), front.center().y());
        const double r = diameter * 0.46;
        painter.setPen(LinePen(painter, kInk, kThinLine_pt));
        painter.setBrush(kFanFill);
        painter.drawEllipse(centre, r, r);
        painter.setBrush(kWallColour);
        painter.setPen(Qt::NoPen);
        for (int blade = 0; blade < 3; ++blade) {
            painter.save();
            painter.translate(centre);
            painter.rotate(blade * 120.0 + 15.0);
            painter.drawEllipse(QRectF(0.0, -r * 0.17, r * 0.82, r * 0.34));
            painter.restore();
        }
        painter.setBrush(kInk);
        painter.drawEllipse(centre, r * 0.14, r * 0.14);
    }

    // Air in at the coil, cold air out past the fans.
    painter.setPen(LinePen(painter, kAirColour, 1.1));
    painter.setBrush(kAirColour);
    const auto airArrow = [&](double x1, double x2, double y) {
        painter.drawLine(QPointF(x1, y), QPointF(x2 - arrow * 0.35, y));
        const double head = arrow * 0.35;
        painter.drawPolygon(QPolygonF{QPointF(x2, y), QPointF(x2 - head, y - head * 0.55),
                                      QPointF(x2 - head, y + head * 0.55)});
    };
    for (double share : {0.35, 0.65}) {
        const double y = casing.top() + casing.height() * share;
        airArrow(box.left(), casing.left() - unit, y);
        airArrow(casing.right() + unit, box.right(), y);
    }
}

void PaintRoomSketch(QPainter& painter, const QRectF& box, const ReportStyle& style) {
    if (style.room.floorPlan && !style.room.walls.empty()) {
        PaintFloorPlan(painter, box, style.room, style);
    } else {
        PaintRectangularRoom(painter, box, style.room, style);
    }
}

} // namespace

void PaintReportOps(QPainter& painter, const QRectF& page, const std::vector<DrawOp>& ops,
                    const ReportStyle& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawOp& op : ops) {
        switch (op.kind) {
        case DrawKind::Text:
            PaintText(painter, page, op, style);
            break;
        case DrawKind::Rule:
            PaintRule(painter, page, op);
            break;
        case DrawKind::Frame:
            PaintFrame(painter, BoxOf(page, op), op.variant);
            break;
        case DrawKind::Logo:
            PaintLogo(painter, BoxOf(page, op), op.text);
            break;
        case DrawKind::RoomSketch:
            PaintRoomSketch(painter, BoxOf(page, op), style);
            break;
        case DrawKind::EvaporatorSketch:
            PaintAirCooler(painter, BoxOf(page, op));
            break;
        case DrawKind::LoadChart:
            PaintLoadChart(painter, BoxOf(page, op), style.chart,
                           ReportFont(style, kRoomCaptionSize_pt, false));
            break;
        }
    }
    painter.restore();
}

std::vector<DrawOp> LayOutReportPage(const AppContext& ctx, int reportCode, int page, double bodySize_pt) {
    const std::vector<std::string> lines = ReadReportLines(ctx, ReportPageFile(reportCode, page));
    if (ctx.printHeaderFlag != 1) return LayOutPage(lines, bodySize_pt, nullptr);
    const PageHeader header = MakePageHeader(ctx, page);
    return LayOutPage(lines, bodySize_pt, &header);
}

int PaintReportDocument(QPagedPaintDevice& device, const AppContext& ctx,
                        const std::vector<std::vector<std::string>>& pages, const ReportStyle& style) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const QRectF surface(0.0, 0.0, device.width(), device.height());
    int painted = 0;
    for (const std::vector<std::string>& lines : pages) {
        if (painted > 0 && !device.newPage()) break;
        std::vector<DrawOp> ops;
        if (ctx.printHeaderFlag == 1) {
            const PageHeader header = MakePageHeader(ctx, painted + 1);
            ops = LayOutPage(lines, kPaperBodySize_pt, &header);
        } else {
            ops = LayOutPage(lines, kPaperBodySize_pt, nullptr);
        }
        if (painted == 0 && style.chart.valid) PlaceLoadChart(ops);
        PaintReportOps(painter, surface, ops, style);
        ++painted;
    }
    painter.end();
    return painted;
}

int PrintReport(QPagedPaintDevice& device, const AppContext& ctx, int reportCode, const ReportStyle& style) {
    std::vector<std::vector<std::string>> pages;
    for (int page = 1; page <= ReportPageCount(reportCode); ++page) {
        pages.push_back(ReadReportLines(ctx, ReportPageFile(reportCode, page)));
    }
    return PaintReportDocument(device, ctx, pages, style);
}

ReportStyle ReportStyleOf(const AppContext& ctx, const RoomSketch& room, const LoadShares& shares) {
    ReportStyle style;
    style.fontFamily = QString::fromStdString(ctx.fontName);
    style.room = room;
    style.chart = MakeLoadChart(shares, ctx.captions);
    return style;
}

} // namespace veskaro
