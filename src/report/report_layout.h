#pragma once
// Layout of a report page: result-file lines with their markup turned into draw operations whose
// positions are fractions of the drawing surface (x of its width, y of its height), so the same layout
// fills a window, a printer page or a PDF page.

#include <string>
#include <string_view>
#include <vector>

namespace veskaro {

struct AppContext;

// Body type: 8 points on screen, 10 on paper.
inline constexpr double kScreenBodySize_pt = 8.0;
inline constexpr double kPaperBodySize_pt = 10.0;

// Report geometry, fractions of the surface.
inline constexpr double kFirstLineY = 0.18;   // top of the first report line, header or not
inline constexpr double kTextX = 0.09;        // plain text and labels
inline constexpr double kValueX = 0.5;        // value of a "§$&" line
inline constexpr double kNarrowValueX = 0.33; // value of a "$§$" line
inline constexpr double kTextAdvance = 0.018; // plain text line
inline constexpr double kLabelValueAdvance = 0.017;
inline constexpr double kTableAdvance = 0.015;
inline constexpr double kPictureAdvance = 0.07; // "VDBild" and "RaumBEnde"
inline constexpr double kRuleAdvance = 0.004;
inline constexpr double kRuleLeft = 0.08, kRuleRight = 0.94;
inline constexpr double kIndentedRuleLeft = 0.10, kIndentedRuleRight = 0.92; // line starting with "E"
inline constexpr double kIndentStep = 0.02; // per unit of the "E" prefix digit
inline constexpr double kTableSize_pt = 6.0;
inline constexpr double kRoomCaptionSize_pt = 7.0;
inline constexpr int kRuleMinChars = 151; // a line this long or longer is drawn as a rule
inline constexpr int kMaxBlankChars = 4;  // a line this short without a marker draws nothing
inline constexpr int kMaxTableCells = 6;
inline constexpr double kTableColumnX[kMaxTableCells] = {0.085, 0.29, 0.38, 0.52, 0.66, 0.8};

// Markers inside report lines (exact, case-sensitive, first occurrence).
inline constexpr std::string_view kLabelValueMarker = "§$&";
inline constexpr std::string_view kNarrowLabelValueMarker = "$§$";
inline constexpr std::string_view kTableMarker = "&%!";
inline constexpr std::string_view kBoldMarker = "&$$";
inline constexpr std::string_view kRoomPictureMarker = "RaumBild";
inline constexpr std::string_view kRoomPictureEndMarker = "RaumBEnde";
inline constexpr std::string_view kEvaporatorPictureMarker = "VDBild";
inline constexpr std::string_view kFrameMarker = "Rechteck";

// What one report line is.
enum class LineKind {
    Nothing,           // four characters or fewer without a marker: no drawing, no advance
    Rule,              // 151 characters or more
    Text,              // plain text (bold after "&$$")
    LabelValue,        // "§$&" or "$§$"
    TableRow,          // "&%!"
    RoomPicture,       // "RaumBild"
    RoomPictureEnd,    // "RaumBEnde"
    EvaporatorPicture, // "VDBild"
    Frame,             // "Rechteck", "Rechteck1" .. "Rechteck3"
};

// One report line taken apart. Texts are UTF-8 without line-end characters and without leading blanks.
struct ReportLine {
    LineKind kind = LineKind::Nothing;
    double size_pt = 0.0;      // type size from a numeric prefix, 0 = body size
    double extraAdvance = 0.0; // size·3/3000 of the height for a numeric prefix
    double indent = 0.0;       // "E" prefix: its second character as a number ·0.02 of the width
    bool startsWithE = false;  // first character "E": the rule is drawn shorter
    bool bold = false;         // "&$$"
    std::string text;          // plain text, label, or the text after a picture marker
    std::string before;        // picture and bold markers: the text before the marker
    std::string value;         // label/value line: the value with its unit ("" when empty)
    double valueX = kValueX;
    std::vector<std::string> cells; // table row: at most six cells
    int frameVariant = 0;           // "Rechteck" 0, "RechteckN" N (1..3)
};

// Number of characters of UTF-8 text as the user sees them (a "°" is one character).
std::size_t CharCount(std::string_view utf8);

// Takes one report line apart by its length, its two-character style prefix and its markers.
ReportLine ParseReportLine(std::string_view line);

// --- Draw operations -----------------------------------------------------------------------------------

enum class DrawKind {
    Text,             // text run: x, y (top of the line), text, size_pt, bold
    Rule,             // horizontal rule from x to x2 at y, dark grey
    RoomSketch,       // room sketch inside the box x..x2, y..y2
    EvaporatorSketch, // air cooler sketch inside the box x..x2, y..y2
    Frame,            // frame around the box x..x2, y..y2 in variant 0..3
    Logo,             // picture file `text` fitted into the box x..x2, y..y2 (right-aligned)
    LoadChart,        // load-share chart of the calculation inside the box x..x2, y..y2
};

struct DrawOp {
    DrawKind kind = DrawKind::Text;
    double x = 0.0, y = 0.0;   // left, top
    double x2 = 0.0, y2 = 0.0; // right, bottom (rules: only x2)
    std::string text;
    double size_pt = 0.0;
    bool bold = false;
    std::string lead;          // text run: drawn in normal type before `text` (the text before a bold marker)
    bool alignDecimal = false; // text run: x is where its decimal point stands, not its left edge
    int variant = 0;
};

// Room sketch box: beside the dimension lines of the room block.
inline constexpr double kRoomSketchLeft = 0.62, kRoomSketchRight = 0.92;
inline constexpr double kRoomSketchDefaultHeight = 0.16; // when no "RaumBEnde" closes the block
// Air cooler sketch box, placed at the "VDBild" line.
inline constexpr double kEvaporatorSketchLeft = 0.5, kEvaporatorSketchRight = 0.74;

// Lays out the report lines of one page. The first line starts at 0.18 whether or not a header is drawn.
std::vector<DrawOp> LayOutReportLines(const std::vector<std::string>& lines, double bodySize_pt);

// The texts of the page header; an empty text is left out.
struct PageHeader {
    std::string title;       // bold
    std::string reportLine;  // caption : kept report text  -  caption : value
    std::string projectName; // caption "  : " name
    std::string projectDescription;
    std::string extraLine1, extraLine2;
    std::string logoPath; // picture file, "" for none
};

// Lays out the page header above 0.18.
std::vector<DrawOp> LayOutPageHeader(const PageHeader& header, double bodySize_pt);

// A whole page: the header (when given) and the report lines.
std::vector<DrawOp> LayOutPage(const std::vector<std::string>& lines, double bodySize_pt,
                               const PageHeader* header);

// --- Report sources ------------------------------------------------------------------------------------

// Report codes of the drawing routine.
inline constexpr int kRoomResultReport = 1;
inline constexpr int kUValueReport = 44;
inline constexpr const char* kResultFileName = "ergCR.DAT";        // result record of the calculation
inline constexpr const char* kResultTablesFileName = "ergCR2.DAT"; // its envelope and goods tables

// Number of pages of a report: 2 for the room result, 1 for the U-value report.
int ReportPageCount(int reportCode);
// The file of page 1 or 2 of a report.
std::string ReportPageFile(int reportCode, int page);
// Reads the report lines of a file in the data directory; a missing file gives no lines.
std::vector<std::string> ReadReportLines(const AppContext& ctx, const std::string& name);

// The page header from the application values: captions, kept report texts of the settings, the
// project and the logo picture. `page` is the page number shown in the header line.
PageHeader MakePageHeader(const AppContext& ctx, int page);
// The report title "Veskaro: first result caption second result caption" for window titles.
std::string ReportWindowTitle(const AppContext& ctx);

} // namespace veskaro
