#pragma once
// Paints laid-out report pages onto any QPainter target: the result window, a printer, a PDF file.
// Screen and paper differ only in the target, the body type size and whether the header is drawn.

#include <QRectF>
#include <QString>

#include <string>
#include <vector>

#include "report/load_chart_qt.h"
#include "report/report_layout.h"
#include "report/room_sketch.h"

class QPainter;
class QPagedPaintDevice;

namespace veskaro {

struct AppContext;

struct ReportStyle {
    QString fontFamily = QStringLiteral("Arial"); // resolved by the platform's font substitution
    RoomSketch room;                              // what "RaumBild" draws
    LoadChart chart; // the load shares of the room result, drawn below the first page's lines
};

// Paints the draw operations of one page. `page` is the drawing surface in the painter's coordinates;
// every fraction of the layout is taken of its width or height.
void PaintReportOps(QPainter& painter, const QRectF& page, const std::vector<DrawOp>& ops,
                    const ReportStyle& style);

// The draw operations of one page of a report: the file of the page read anew, under the page header
// when the print-header flag is 1.
std::vector<DrawOp> LayOutReportPage(const AppContext& ctx, int reportCode, int page, double bodySize_pt);

// Paints report pages onto a paged device (printer, PDF writer), one device page each, in 10-point body
// type with the header when the print-header flag is 1. The device's whole page is the drawing surface.
// The first page carries the load-share chart when the style holds one.
// Returns the number of pages painted (0 when the device could not be opened).
int PaintReportDocument(QPagedPaintDevice& device, const AppContext& ctx,
                        const std::vector<std::vector<std::string>>& pages, const ReportStyle& style);

// Prints every page of a report (code 1: "ergCR.DAT" and "ergCR2.DAT"; code 44: "KWcalc.DAT"), each file
// read anew. Returns the number of pages printed.
int PrintReport(QPagedPaintDevice& device, const AppContext& ctx, int reportCode, const ReportStyle& style);

// The report style of the application values: the report font, the room sketch and the load-share chart.
ReportStyle ReportStyleOf(const AppContext& ctx, const RoomSketch& room = {}, const LoadShares& shares = {});

} // namespace veskaro
