// `veskaro-cr report`: the two result pages of a room as a PDF file, and the report windows' screenshots.

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>
#include <cctype>
#include <ostream>

#include "app/app_context.h"
#include "app/record_file.h"
#include "app/startup.h"
#include "envelope/envelope_data.h"
#include "main/desktop_qt.h"
#include "main/room_command.h"
#include "report/print_settings_dialog.h"
#include "report/report_renderer_qt.h"
#include "report/result_window.h"
#include "report/room_sketch.h"
#include "room/load_calc.h"
#include "room/load_shares.h"
#include "room/result_files.h"
#include "room/room_record.h"
#include "room/room_source.h"

namespace veskaro {

namespace {

constexpr int kReportOk = 0;
constexpr int kReportStopped = 1; // the calculation refused the room (below -50 °C) or is untrustworthy
constexpr int kReportUsageError = 2;
constexpr int kPdfResolution_dpi = 600;

// The room of the data directory's room record file, calculated, with its load shares; the result files
// are written when `writeResultFiles` is set. No shares when there is no room record.
LoadShares CalculateDataDirRoom(AppContext& ctx, RoomRecord& room, bool writeResultFiles) {
    if (!ReadRoomFromDataDir(ctx, room).empty()) return {};
    const RecalcResult r = CalculateRoom(room, ctx);
    if (writeResultFiles && !r.stopped && r.trusted()) (void)WriteResultFiles(r, room, ctx);
    return ComputeLoadShares(r);
}

bool SaveWidgetPicture(QWidget& widget, const std::string& dir, const char* name) {
    return widget.grab().save(QDir(QString::fromStdString(dir)).filePath(QString::fromLatin1(name)));
}

} // namespace

int RunReportCommand(const std::vector<std::string>& args, const std::string& seedDir, std::ostream& out,
                     std::ostream& err) {
    std::string pdfPath;
    bool header = true;
    const CommandOption own = [&](const std::vector<std::string>& a, std::size_t& i, std::string& complaint) {
        if (a[i] == "--pdf") {
            if (i + 1 >= a.size())
                complaint = "--pdf needs a value";
            else
                pdfPath = a[++i];
            return true;
        }
        if (a[i].rfind("--pdf=", 0) == 0) {
            pdfPath = a[i].substr(6);
            return true;
        }
        if (a[i] == "--no-header") {
            header = false;
            return true;
        }
        return false;
    };
    const char* usage = "veskaro-cr report [FILE] --pdf OUT.pdf [--data-dir DIR] [--lang CODE] [--no-header]";
    RoomCommand command;
    // The calculation runs in memory: nothing is written into the data directory.
    const auto complete = [&] { return pdfPath.empty() ? std::string("--pdf OUT.pdf is required") : ""; };
    if (!RunRoomCommand("report", usage, args, seedDir, own, complete, err, command))
        return kReportUsageError;
    AppContext& ctx = command.headless.ctx;
    const RoomRecord& room = command.headless.room;
    const RecalcResult& r = command.result;
    for (const RangeWarning& w : r.warnings)
        err << "Out of range: " << w.text() << "\n";
    for (const Message& m : r.messages)
        err << "Warning: " << TerminalText(m.text) << "\n";
    if (r.stopped || !r.trusted()) {
        err << "veskaro-cr report: the calculation of " << command.headless.source
            << (r.stopped ? " stopped" : " rests on inputs outside their ranges") << "; no report written\n";
        return kReportStopped;
    }
    std::vector<std::vector<std::string>> pages;
    pages.push_back(BuildResultRecord(r, room, ctx));
    pages.push_back(BuildResultTables(r, room, ctx));

    ctx.projectName = room.proj;
    ctx.projectDescription = room.projbeschr;
    ctx.printHeaderFlag = header ? 1 : 0;

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(kPdfResolution_dpi);
        writer.setTitle(QString::fromStdString(ReportWindowTitle(ctx)));
        writer.setCreator(QStringLiteral("Veskaro CR"));
        if (PaintReportDocument(writer, ctx, pages,
                                ReportStyleOf(ctx, SketchOfRoom(room, ctx), ComputeLoadShares(r))) == 0) {
            err << "veskaro-cr report: cannot render the report\n";
            return kReportUsageError;
        }
    }
    const QByteArray& bytes = pdf.data();
    if (!WriteFileAtomic(pdfPath,
                         std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        err << "veskaro-cr report: cannot write " << pdfPath << "\n";
        return kReportUsageError;
    }
    out << "Report of " << command.headless.source << ": " << pages.size() << " pages written to " << pdfPath
        << "\n";
    return kReportOk;
}

void SaveReportScreenshots(AppContext& ctx, const std::string& dir) {
    RoomRecord room;
    const bool haveResults =
        DataFileExists(ctx, kResultFileName) && DataFileExists(ctx, kResultTablesFileName);
    const LoadShares shares = CalculateDataDirRoom(ctx, room, !haveResults);
    ctx.projectName = room.proj;
    ctx.projectDescription = room.projbeschr;

    const int keptHeaderFlag = ctx.printHeaderFlag;
    const DisplayMode keptDisplayMode = ctx.displayMode;
    ctx.printHeaderFlag = 1;
    ctx.displayMode = DisplayMode::RoomResult;
    {
        ResultWindow window(ctx, SketchOfRoom(room, ctx));
        window.setLoadShares(shares);
        window.setAttribute(Qt::WA_DontShowOnScreen); // the whole page, whatever the screen size
        window.show();
        window.resize(window.fullPageSize());
        QApplication::processEvents();
        SaveWidgetPicture(window, dir, "result_page1.png");
        if (auto* chooser = window.findChild<QScrollBar*>(QStringLiteral("VScroll1"))) chooser->setValue(2);
        QApplication::processEvents();
        SaveWidgetPicture(window, dir, "result_page2.png");
    }
    {
        QPrinter printer(QPrinter::HighResolution);
        PrintSettingsDialog settings(ctx, printer);
        settings.show();
        settings.Printer_I();
        QApplication::processEvents();
        SaveWidgetPicture(settings, dir, "print_settings.png");
    }
    ctx.printHeaderFlag = keptHeaderFlag;
    ctx.displayMode = keptDisplayMode;
}

} // namespace veskaro
