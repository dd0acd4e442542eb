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
#include "report/print_settings_dialog.h"
#include "report/report_renderer_qt.h"
#include "report/result_window.h"
#include "report/room_sketch.h"
#include "room/humidity.h"
#include "room/load_calc.h"
#include "room/result_files.h"
#include "room/room_record.h"
#include "room/room_source.h"

#ifndef VESKARO_SEED_DIR
#define VESKARO_SEED_DIR ""
#endif

namespace veskaro {

namespace {

constexpr int kReportOk = 0;
constexpr int kReportStopped = 1; // the calculation refused the room (below -50 °C)
constexpr int kReportUsageError = 2;
constexpr int kPdfResolution_dpi = 600;

struct ReportOptions {
    std::string file;
    std::string pdf;
    std::string dataDir;
    bool header = true;
};

// "" when the arguments are fine, else the complaint.
std::string ParseReportArgs(const std::vector<std::string>& args, ReportOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--pdf" || a == "--data-dir") {
            if (i + 1 >= args.size()) return a + " needs a value";
            (a == "--pdf" ? options.pdf : options.dataDir) = args[++i];
        } else if (a.rfind("--pdf=", 0) == 0) {
            options.pdf = a.substr(6);
        } else if (a.rfind("--data-dir=", 0) == 0) {
            options.dataDir = a.substr(11);
        } else if (a == "--no-header") {
            options.header = false;
        } else if (a.empty()) {
            return "empty FILE name";
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + a;
        } else if (options.file.empty()) {
            options.file = a;
        } else {
            return "more than one FILE: " + a;
        }
    }
    if (options.pdf.empty()) return "--pdf OUT.pdf is required";
    return "";
}

std::string TerminalText(std::string text) {
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    return text;
}

// The room of the data directory's room record file, calculated; the result files are written when
// `writeResultFiles` is set. False when there is no room record.
bool CalculateDataDirRoom(AppContext& ctx, RoomRecord& room, bool writeResultFiles) {
    if (!ReadRoomFromDataDir(ctx, room).empty()) return false;
    CalculateRoom(room, ctx, writeResultFiles ? kRecalcWriteResultFiles : kRecalcShow);
    return true;
}

bool SaveWidgetPicture(QWidget& widget, const std::string& dir, const char* name) {
    return widget.grab().save(QDir(QString::fromStdString(dir)).filePath(QString::fromLatin1(name)));
}

} // namespace

int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReportOptions options;
    if (const std::string complaint = ParseReportArgs(args, options); !complaint.empty()) {
        err << "veskaro-cr report: " << complaint
            << "\nusage: veskaro-cr report [FILE] --pdf OUT.pdf [--data-dir DIR] [--no-header]\n";
        return kReportUsageError;
    }

    // The calculation runs in memory: nothing is written into the data directory.
    HeadlessRoom headless;
    if (const std::string problem =
            OpenHeadlessRoom(options.file, {options.dataDir, VESKARO_SEED_DIR}, headless);
        !problem.empty()) {
        err << "veskaro-cr report: " << problem << "\n";
        return kReportUsageError;
    }
    AppContext& ctx = headless.ctx;
    RoomRecord& room = headless.room;
    const std::string& source = headless.source;
    const RecalcResult r = CalculateRoom(room, ctx, kRecalcShow);
    for (const Message& m : r.messages)
        err << "Warning: " << TerminalText(m.text) << "\n";
    if (r.stopped) {
        err << "veskaro-cr report: the calculation of " << source << " stopped; no report written\n";
        return kReportStopped;
    }
    std::vector<std::vector<std::string>> pages;
    pages.push_back(BuildResultRecord(r, room, ctx));
    pages.push_back(BuildResultTables(r, room, ctx));

    ctx.projectName = room.proj;
    ctx.projectDescription = room.projbeschr;
    ctx.printHeaderFlag = options.header ? 1 : 0;

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(kPdfResolution_dpi);
        writer.setTitle(QString::fromStdString(ReportWindowTitle(ctx)));
        writer.setCreator(QStringLiteral("Veskaro CR"));
        if (PaintReportDocument(writer, ctx, pages, ReportStyleOf(ctx, SketchOfRoom(room, ctx))) == 0) {
            err << "veskaro-cr report: cannot render the report\n";
            return kReportUsageError;
        }
    }
    const QByteArray& bytes = pdf.data();
    if (!WriteFileAtomic(options.pdf,
                         std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        err << "veskaro-cr report: cannot write " << options.pdf << "\n";
        return kReportUsageError;
    }
    out << "Report of " << source << ": " << pages.size() << " pages written to " << options.pdf << "\n";
    return kReportOk;
}

void SaveReportScreenshots(AppContext& ctx, const std::string& dir) {
    RoomRecord room;
    const bool haveResults =
        DataFileExists(ctx, kResultFileName) && DataFileExists(ctx, kResultTablesFileName);
    CalculateDataDirRoom(ctx, room, !haveResults);
    ctx.projectName = room.proj;
    ctx.projectDescription = room.projbeschr;

    const int keptHeaderFlag = ctx.printHeaderFlag;
    const DisplayMode keptDisplayMode = ctx.displayMode;
    ctx.printHeaderFlag = 1;
    ctx.displayMode = DisplayMode::RoomResult;
    {
        ResultWindow window(ctx, SketchOfRoom(room, ctx));
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
