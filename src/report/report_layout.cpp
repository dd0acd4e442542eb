// Layout of report pages: line rules, markers and page header as draw operations in surface fractions.

#include "report/report_layout.h"

#include "envelope/uvalue_report.h"

#include <algorithm>
#include <filesystem>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "report/share_column.h"

namespace veskaro {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first `count` characters of UTF-8 text.
std::size_t BytesOfChars(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) {
        ++pos;
        while (pos < utf8.size() && IsContinuationByte(utf8[pos]))
            ++pos;
    }
    return pos;
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// Drawn text: no line-end characters, no leading blanks.
std::string StripLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r' && c != '\n') out.push_back(c);
    }
    return out;
}

std::string DrawnText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r' && c != '\n') out.push_back(c);
    }
    const std::size_t first = out.find_first_not_of(' ');
    out.erase(0, first == std::string::npos ? out.size() : first);
    return out;
}

// Splits a line at its marker into the drawn texts before and after it.
void SplitAtMarker(std::string_view body, std::size_t at, std::string_view marker, std::string& before,
                   std::string& after) {
    before = DrawnText(body.substr(0, at));
    after = DrawnText(body.substr(at + marker.size()));
}

void ParseTableRow(std::string_view body, ReportLine& line) {
    std::size_t start = 0;
    while (static_cast<int>(line.cells.size()) < kMaxTableCells) {
        const std::size_t at = body.find(kTableMarker, start);
        line.cells.push_back(
            DrawnText(body.substr(start, at == std::string_view::npos ? body.npos : at - start)));
        if (at == std::string_view::npos) break;
        start = at + kTableMarker.size();
    }
}

// Style prefix: a size in points, or "E" and a digit for an indent. Returns the body after it.
std::string_view ApplyStylePrefix(std::string_view raw, ReportLine& line) {
    const std::size_t prefixBytes = BytesOfChars(raw, 2);
    const std::string_view prefix = raw.substr(0, prefixBytes);
    if (prefix.empty() || IsBlank(prefix)) return raw;
    const double size = NumFromText(prefix);
    if (size > 0.0) {
        line.size_pt = size;
        line.extraAdvance = size * 3.0 / 3000.0;
        return raw.substr(prefixBytes);
    }
    if (prefix[0] == 'E') {
        // The second character read as a number: a digit gives its indent, anything else none.
        line.indent = NumFromText(prefix.substr(1)) * kIndentStep;
        return raw.substr(prefixBytes);
    }
    return raw;
}

DrawOp TextOp(double x, double y, std::string text, double size_pt, bool bold = false) {
    DrawOp op;
    op.kind = DrawKind::Text;
    op.x = x;
    op.y = y;
    op.text = std::move(text);
    op.size_pt = size_pt;
    op.bold = bold;
    return op;
}

DrawOp BoxOp(DrawKind kind, double x, double y, double x2, double y2, int variant = 0) {
    DrawOp op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.x2 = x2;
    op.y2 = y2;
    op.variant = variant;
    return op;
}

// Room sketch: the 7-point caption takes this much height above the sketch.
constexpr double kRoomCaptionHeight = 0.014;
// Gap left between the room sketch and the line below its block.
constexpr double kRoomSketchBottomGap = 0.012;
constexpr double kRoomSketchMinHeight = 0.05;
// Air cooler sketch inside its 0.07 advance.
constexpr double kEvaporatorSketchTop = 0.004, kEvaporatorSketchBottom = 0.064;
// Text beside the air cooler sketch sits at its middle; the text after the marker right of it.
constexpr double kEvaporatorTextDrop = 0.026;
constexpr double kEvaporatorTextX = kEvaporatorSketchRight + 0.02;
// Frames: the frame line sits at the marker's position and the framed block starts a little below it.
constexpr double kFrameAdvance = 0.006;

} // namespace

std::size_t CharCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuationByte(c); }));
}

ReportLine ParseReportLine(std::string_view raw) {
    ReportLine line;
    line.startsWithE = !raw.empty() && raw.front() == 'E';
    const std::string_view body = ApplyStylePrefix(raw, line);
    const std::size_t chars = CharCount(raw);
    if (chars >= static_cast<std::size_t>(kRuleMinChars)) {
        line.kind = LineKind::Rule;
        return line;
    }

    std::size_t at = body.find(kLabelValueMarker);
    std::string_view marker = kLabelValueMarker;
    if (at == std::string_view::npos) {
        at = body.find(kNarrowLabelValueMarker);
        marker = kNarrowLabelValueMarker;
        line.valueX = kNarrowValueX;
    }
    if (at != std::string_view::npos) {
        line.kind = LineKind::LabelValue;
        SplitAtMarker(body, at, marker, line.text, line.value);
        return line;
    }
    line.valueX = kValueX;

    if (body.find(kTableMarker) != std::string_view::npos) {
        line.kind = LineKind::TableRow;
        ParseTableRow(body, line);
        return line;
    }
    if ((at = body.find(kEvaporatorPictureMarker)) != std::string_view::npos) {
        line.kind = LineKind::EvaporatorPicture;
        SplitAtMarker(body, at, kEvaporatorPictureMarker, line.before, line.text);
        return line;
    }
    if ((at = body.find(kRoomPictureMarker)) != std::string_view::npos) {
        line.kind = LineKind::RoomPicture;
        SplitAtMarker(body, at, kRoomPictureMarker, line.before, line.text);
        return line;
    }
    if ((at = body.find(kFrameMarker)) != std::string_view::npos) {
        line.kind = LineKind::Frame;
        const std::size_t digitAt = at + kFrameMarker.size();
        if (digitAt < body.size() && body[digitAt] >= '1' && body[digitAt] <= '3') {
            line.frameVariant = body[digitAt] - '0';
        }
        return line;
    }
    if (body.find(kRoomPictureEndMarker) != std::string_view::npos) {
        line.kind = LineKind::RoomPictureEnd;
        return line;
    }

    if (chars <= static_cast<std::size_t>(kMaxBlankChars)) return line; // Nothing
    line.kind = LineKind::Text;
    std::string text(body);
    if ((at = text.find(kBoldMarker)) != std::string::npos) {
        // Only the text after the marker is bold; the text before it leads in normal type.
        line.before = DrawnText(std::string_view(text).substr(0, at));
        const std::string_view after = std::string_view(text).substr(at + kBoldMarker.size());
        line.text = line.before.empty() ? DrawnText(after) : StripLineEnds(after);
        line.bold = true;
    } else {
        line.text = DrawnText(text);
    }
    return line;
}

namespace {

// Walks the report lines from the top of the page, placing each line's drawing operations and keeping the
// room sketch and frame boxes open until their block ends.
class LineLayout {
  public:
    explicit LineLayout(double bodySize_pt) : m_bodySize_pt(bodySize_pt) {}

    void add(const ReportLine& line) {
        const double size = line.size_pt > 0.0 ? line.size_pt : m_bodySize_pt;
        const double x = kTextX + line.indent;
        switch (line.kind) {
        case LineKind::Nothing:
            break;
        case LineKind::Rule:
            addRule(line);
            break;
        case LineKind::Text:
            if (!line.text.empty() || !line.before.empty()) {
                m_ops.push_back(TextOp(x, m_y, line.text, size, line.bold));
                m_ops.back().lead = line.before;
            }
            m_y += kTextAdvance + line.extraAdvance;
            break;
        case LineKind::LabelValue:
            if (!line.text.empty()) m_ops.push_back(TextOp(x, m_y, line.text, size));
            if (!line.value.empty()) AddValueOps(m_ops, line.valueX, m_y, line.value, size);
            m_y += kLabelValueAdvance;
            break;
        case LineKind::TableRow:
            addTableRow(line);
            break;
        case LineKind::RoomPicture:
            openRoomSketch(line);
            break;
        case LineKind::RoomPictureEnd:
            m_y += kPictureAdvance;
            closeRoomSketch(m_y - kRoomSketchBottomGap);
            break;
        case LineKind::EvaporatorPicture:
            addEvaporator(line, x, size);
            break;
        case LineKind::Frame:
            closeFrame();
            m_ops.push_back(BoxOp(DrawKind::Frame, kRuleLeft, m_y, kRuleRight, m_y, line.frameVariant));
            m_openFrame = m_ops.size();
            m_y += kFrameAdvance;
            break;
        }
    }

    // A room sketch still open at the end keeps its default height; an open frame ends at the last line.
    std::vector<DrawOp> finish() {
        if (m_openRoomSketch != 0) {
            DrawOp& sketch = m_ops[m_openRoomSketch - 1];
            sketch.y2 = sketch.y + kRoomSketchDefaultHeight;
            m_openRoomSketch = 0;
        }
        closeFrame();
        return std::move(m_ops);
    }

  private:
    void addRule(const ReportLine& line) {
        DrawOp rule;
        rule.kind = DrawKind::Rule;
        rule.x = line.startsWithE ? kIndentedRuleLeft : kRuleLeft;
        rule.x2 = line.startsWithE ? kIndentedRuleRight : kRuleRight;
        rule.y = rule.y2 = m_y;
        m_ops.push_back(rule);
        m_y += kRuleAdvance;
    }

    void addTableRow(const ReportLine& line) {
        for (std::size_t i = 0; i < line.cells.size(); ++i) {
            if (line.cells[i].empty()) continue;
            const double cellX = kTableColumnX[i] + (i == 0 ? line.indent : 0.0);
            m_ops.push_back(TextOp(cellX, m_y, line.cells[i], kTableSize_pt));
        }
        m_y += kTableAdvance;
    }

    void openRoomSketch(const ReportLine& line) {
        closeRoomSketch(m_y);
        double top = m_y;
        if (!line.text.empty()) {
            m_ops.push_back(TextOp(kRoomSketchLeft, m_y, line.text, kRoomCaptionSize_pt));
            top += kRoomCaptionHeight;
        }
        m_ops.push_back(BoxOp(DrawKind::RoomSketch, kRoomSketchLeft, top, kRoomSketchRight,
                              top + kRoomSketchDefaultHeight));
        m_openRoomSketch = m_ops.size();
    }

    void closeRoomSketch(double bottom) {
        if (m_openRoomSketch == 0) return;
        DrawOp& sketch = m_ops[m_openRoomSketch - 1];
        sketch.y2 = std::max(bottom, sketch.y + kRoomSketchMinHeight);
        m_openRoomSketch = 0;
    }

    void addEvaporator(const ReportLine& line, double x, double size) {
        const double textY = m_y + kEvaporatorTextDrop;
        if (!line.before.empty()) m_ops.push_back(TextOp(x, textY, line.before, size));
        m_ops.push_back(BoxOp(DrawKind::EvaporatorSketch, kEvaporatorSketchLeft, m_y + kEvaporatorSketchTop,
                              kEvaporatorSketchRight, m_y + kEvaporatorSketchBottom));
        if (!line.text.empty()) m_ops.push_back(TextOp(kEvaporatorTextX, textY, line.text, size));
        m_y += kPictureAdvance;
    }

    void closeFrame() {
        if (m_openFrame == 0) return;
        m_ops[m_openFrame - 1].y2 = m_y;
        m_openFrame = 0;
    }

    double m_bodySize_pt;
    std::vector<DrawOp> m_ops;
    double m_y = kFirstLineY;
    std::size_t m_openRoomSketch = 0; // index + 1 of a room sketch waiting for its "RaumBEnde"
    std::size_t m_openFrame = 0;      // index + 1 of a frame waiting for the end of its block
};

} // namespace

std::vector<DrawOp> LayOutReportLines(const std::vector<std::string>& lines, double bodySize_pt) {
    LineLayout layout(bodySize_pt);
    for (const std::string& raw : lines)
        layout.add(ParseReportLine(raw));
    return layout.finish();
}

namespace {
// Page header rows, fractions of the height (the report itself starts at 0.18).
constexpr double kHeaderTitleY = 0.035;
constexpr double kHeaderReportLineY = 0.062;
constexpr double kHeaderRuleY = 0.084;
constexpr double kHeaderProjectY = 0.094;
constexpr double kHeaderRowStep = 0.018;
constexpr double kHeaderTitleGrowth_pt = 3.0; // the title is set larger than the body
// Logo box at the top right (the shipped picture is about 260 x 80 pixels).
constexpr double kLogoLeft = 0.66, kLogoTop = 0.025, kLogoRight = 0.92, kLogoBottom = 0.08;
} // namespace

std::vector<DrawOp> LayOutPageHeader(const PageHeader& header, double bodySize_pt) {
    std::vector<DrawOp> ops;
    if (!header.logoPath.empty()) {
        DrawOp logo = BoxOp(DrawKind::Logo, kLogoLeft, kLogoTop, kLogoRight, kLogoBottom);
        logo.text = header.logoPath;
        ops.push_back(logo);
    }
    if (!header.title.empty()) {
        ops.push_back(TextOp(kTextX, kHeaderTitleY, header.title, bodySize_pt + kHeaderTitleGrowth_pt, true));
    }
    if (!header.reportLine.empty())
        ops.push_back(TextOp(kTextX, kHeaderReportLineY, header.reportLine, bodySize_pt));
    DrawOp rule;
    rule.kind = DrawKind::Rule;
    rule.x = kRuleLeft;
    rule.x2 = kRuleRight;
    rule.y = rule.y2 = kHeaderRuleY;
    ops.push_back(rule);
    double y = kHeaderProjectY;
    for (const std::string* row :
         {&header.projectName, &header.projectDescription, &header.extraLine1, &header.extraLine2}) {
        if (!row->empty()) ops.push_back(TextOp(kTextX, y, *row, bodySize_pt));
        y += kHeaderRowStep;
    }
    return ops;
}

std::vector<DrawOp> LayOutPage(const std::vector<std::string>& lines, double bodySize_pt,
                               const PageHeader* header) {
    std::vector<DrawOp> ops;
    if (header != nullptr) ops = LayOutPageHeader(*header, bodySize_pt);
    std::vector<DrawOp> body = LayOutReportLines(lines, bodySize_pt);
    ops.insert(ops.end(), std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));
    return ops;
}

int ReportPageCount(int reportCode) {
    return reportCode == kUValueReport ? 1 : 2;
}

std::string ReportPageFile(int reportCode, int page) {
    if (reportCode == kUValueReport) return kUValueReportFile;
    return page == 2 ? kResultTablesFileName : kResultFileName;
}

std::vector<std::string> ReadReportLines(const AppContext& ctx, const std::string& name) {
    std::vector<std::string> lines;
    RecordReader reader = OpenInput(ctx, name);
    std::string item;
    while (reader.next(item))
        lines.push_back(std::move(item));
    return lines;
}

namespace {
constexpr const char* kFamilyName = "Veskaro";
// kparam.dat items kept for the page header.
constexpr int kKeptReportText = 7;
constexpr int kKeptHeaderLine3 = 9;
constexpr int kKeptHeaderLine4 = 10;

// The logo picture as a path of this machine: settings written on another system may carry "\".
std::string ResolveLogoPath(const std::string& path) {
    if (path.empty()) return {};
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path;
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    local = FindFileNoCase(local);
    return std::filesystem::is_regular_file(local, error) ? local : std::string();
}
} // namespace

PageHeader MakePageHeader(const AppContext& ctx, int page) {
    const CaptionTable& cap = ctx.captions;
    PageHeader header;
    header.title = cap[Cap::ResultCaption2] + " : " + kFamilyName + " - " + cap[Cap::ResultCaption1];
    header.reportLine = cap[Cap::HeaderCompanyCaption] + " : " + ctx.kparam.item[kKeptReportText] + "  -  " +
                        cap[Cap::HeaderPageCaption] + " : " + std::to_string(page);
    header.projectName = cap[Cap::ProjectNameCaption] + "  : " + ctx.projectName;
    header.projectDescription = cap[Cap::ProjectDescriptionCaption] + " : " + ctx.projectDescription;
    header.extraLine1 = cap[Cap::HeaderLine3Caption] + " : " + ctx.kparam.item[kKeptHeaderLine3];
    header.extraLine2 = cap[Cap::HeaderLine4Caption] + " : " + ctx.kparam.item[kKeptHeaderLine4];
    header.logoPath = ResolveLogoPath(ctx.logoPath);
    return header;
}

std::string ReportWindowTitle(const AppContext& ctx) {
    return std::string(kFamilyName) + ": " + ctx.captions[Cap::ResultCaption1] + " " +
           ctx.captions[Cap::ResultCaption2];
}

} // namespace veskaro
