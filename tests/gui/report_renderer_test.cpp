// The report renderer against a recording paint device, the result window's page switching, printing
// page counts and the print settings' answers.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextItem>

#include <algorithm>
#include <tuple>

#include "app/captions.h"
#include "gui_fixture.h"
#include "report/print_settings_dialog.h"
#include "report/report_renderer_qt.h"
#include "report/result_window.h"

namespace veskaro {
namespace {

// --- A paint device that records what is painted, in device coordinates -------------------------------

struct DrawnText {
    QString text;
    QPointF baseline;
    double pointSize = 0.0;
    bool bold = false;
};

// Texts, lines with their pen colour, and every other shape as a path (rectangles included).
class RecordingEngine final : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) m_transform = state.transform();
        if (state.state() & DirtyPen) m_pen = state.pen();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.push_back({item.text(), m_transform.map(p), item.font().pointSizeF(), item.font().bold()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            this->lines.push_back({m_transform.map(lines[i]), m_pen.color()});
    }
    void drawPath(const QPainterPath& path) override { paths.push_back(m_transform.map(path)); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<DrawnText> texts;
    std::vector<std::pair<QLineF, QColor>> lines;
    std::vector<QPainterPath> paths;

  private:
    QTransform m_transform;
    QPen m_pen;
};

// A 1000 x 1400 pixel surface at 96 dpi whose painting goes to the recording engine.
class RecordingDevice final : public QImage {
  public:
    static constexpr int kWidth = 1000, kHeight = 1400;
    RecordingDevice() : QImage(kWidth, kHeight, QImage::Format_RGB32) {
        setDotsPerMeterX(3780); // 96 dpi
        setDotsPerMeterY(3780);
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }

    const RecordingEngine& render(const std::vector<DrawOp>& ops, const ReportStyle& style = {}) {
        QPainter painter(this);
        PaintReportOps(painter, QRectF(0, 0, kWidth, kHeight), ops, style);
        return m_engine;
    }

  private:
    mutable RecordingEngine m_engine;
};

// Text runs at their baselines in their type, the rule as a grey line, where the layout puts them.
TEST(ReportRenderer, DrawsEveryTextRunAndRuleWhereTheLayoutSays) {
    const std::vector<DrawOp> ops =
        LayOutReportLines({"12Big title\r", "E2Indented line\r", "        Length :§$& 8 m\r",
                           "        Wall 1&%! 21&%! .22&%! 32&%! 138.6&%!  &%!  &%! beyond six\r",
                           "        " + std::string(145, '-'), "&$$        U-value:   .23 W/m²/K"},
                          kPaperBodySize_pt);
    RecordingDevice device;
    const RecordingEngine& drawn = device.render(ops);
    std::size_t n = 0;
    for (const DrawOp& op : ops) {
        SCOPED_TRACE(op.text);
        if (op.kind == DrawKind::Rule) {
            ASSERT_EQ(drawn.lines.size(), 1u);
            EXPECT_EQ(drawn.lines[0].first,
                      QLineF(op.x * RecordingDevice::kWidth, op.y * RecordingDevice::kHeight,
                             op.x2 * RecordingDevice::kWidth, op.y * RecordingDevice::kHeight));
            EXPECT_EQ(drawn.lines[0].second, QColor(128, 128, 128));
            continue;
        }
        ASSERT_LT(n, drawn.texts.size());
        const DrawnText& d = drawn.texts[n++];
        EXPECT_EQ(d.text.toStdString(), op.text);
        EXPECT_DOUBLE_EQ(d.pointSize, op.size_pt);
        EXPECT_EQ(d.bold, op.bold);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(op.size_pt);
        font.setBold(op.bold);
        EXPECT_NEAR(d.baseline.x(), op.x * RecordingDevice::kWidth, 0.5);
        EXPECT_NEAR(d.baseline.y(), op.y * RecordingDevice::kHeight + QFontMetricsF(font, &device).ascent(),
                    0.5);
    }
    EXPECT_EQ(n, drawn.texts.size());
}

TEST(ReportRenderer, RoomSketchShowsTheRoomInProportionWithItsDimensions) {
    ReportStyle style;
    style.room.L_m = 8.0;
    style.room.B_m = 4.0;
    RecordingDevice device;
    const RecordingEngine& drawn = device.render(
        LayOutReportLines({"        RaumBild\r", "        RaumBEnde\r"}, kScreenBodySize_pt), style);
    QStringList labels;
    for (const DrawnText& t : drawn.texts)
        labels << t.text;
    EXPECT_TRUE(labels.contains(QStringLiteral("8 m"))) << labels.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("4 m")));
    // The outer wall rectangle: the largest shape drawn, twice as long as wide, inside the sketch box.
    QRectF outline;
    for (const QPainterPath& p : drawn.paths) {
        const QRectF r = p.boundingRect();
        if (r.width() * r.height() > outline.width() * outline.height()) outline = r;
    }
    ASSERT_GT(outline.height(), 0.0);
    EXPECT_NEAR(outline.width() / outline.height(), 2.0, 0.02);
    EXPECT_GE(outline.left(), kRoomSketchLeft * RecordingDevice::kWidth - 0.5);
    EXPECT_LE(outline.right(), kRoomSketchRight * RecordingDevice::kWidth + 0.5);
}

// --- Windows and printing on a data directory ----------------------------------------------------------

class ReportFiles : public testing::DataDirTest {
  protected:
    void put(const std::string& name, const std::vector<std::string>& lines) {
        RecordWriter w;
        for (const std::string& line : lines)
            w.line(line);
        ASSERT_TRUE(SaveOutput(ctx, name, w));
    }
    static bool Shows(const ReportPageView* view, const std::string& text) {
        return std::any_of(view->ops().begin(), view->ops().end(),
                           [&](const DrawOp& op) { return op.kind == DrawKind::Text && op.text == text; });
    }
};

TEST_F(ReportFiles, PageChooserRereadsTheResultFiles) {
    put("ergCR.DAT", {"        Page one A\r"});
    put("ergCR2.DAT", {"        Page two\r"});
    ctx.printHeaderFlag = 1;
    ResultWindow window(ctx);
    window.show();
    auto* chooser = testing::Child<QScrollBar>(window, "VScroll1");
    EXPECT_EQ(chooser->maximum(), 2);
    EXPECT_TRUE(Shows(window.pageView(), "Page one A"));
    chooser->setValue(2);
    EXPECT_TRUE(Shows(window.pageView(), "Page two"));
    EXPECT_FALSE(Shows(window.pageView(), "Page one A"));
    put("ergCR.DAT", {"        Page one B\r"});
    chooser->setValue(1);
    EXPECT_TRUE(Shows(window.pageView(), "Page one B"));

    // The header switch: the title goes, the report lines keep their place.
    const std::string title =
        ctx.captions[Cap::ResultCaption2] + " : Veskaro - " + ctx.captions[Cap::ResultCaption1];
    EXPECT_TRUE(Shows(window.pageView(), title));
    testing::Child<QCheckBox>(window, "PrintHead")->setChecked(false);
    EXPECT_EQ(ctx.printHeaderFlag, 0);
    EXPECT_FALSE(Shows(window.pageView(), title));
    ASSERT_EQ(window.pageView()->ops().size(), 1u);
    EXPECT_DOUBLE_EQ(window.pageView()->ops()[0].y, kFirstLineY);
}

TEST_F(ReportFiles, UValueReportHasOnePage) {
    put("KWcalc.DAT", {"\r", "        Construction U-value", "&$$        U-value:   .23 W/m²/K"});
    put("ergCR.DAT", {"        room page\r"});
    ctx.displayMode = DisplayMode::UValueReport;
    ResultWindow window(ctx);
    window.show();
    EXPECT_EQ(window.findChild<QScrollBar*>(QStringLiteral("VScroll1"))->maximum(), 1);
    EXPECT_TRUE(Shows(window.pageView(), "Construction U-value"));

    for (const auto& [code, pages] : {std::pair{kUValueReport, 1}, std::pair{kRoomResultReport, 2}}) {
        SCOPED_TRACE(code);
        const QString path = QString::fromStdString((m_root / "print.pdf").string());
        {
            QPdfWriter writer(path);
            EXPECT_EQ(PrintReport(writer, ctx, code, ReportStyleOf(ctx)), pages);
        }
        EXPECT_EQ(testing::PdfPages(path), pages);
    }
}

TEST_F(ReportFiles, PrintSettingsAnswerInTheDialogMode) {
    const std::tuple<const char*, int, DialogMode> cases[] = {
        {"Okbutt", 1, DialogMode::Print}, {"Okbutt", 0, DialogMode::None}, {"Abbutt", 1, DialogMode::None}};
    for (const auto& [command, printerDialogAnswer, dialogMode] : cases) {
        SCOPED_TRACE(std::string(command) + " printer dialog " + std::to_string(printerDialogAnswer));
        ctx.fontName = "Arial";
        ctx.dialogMode = DialogMode::Opened; // an answer left over from another dialog
        QPrinter printer;
        PrintSettingsDialog dialog(ctx, printer);
        int printerDialogs = 0;
        dialog.setPrinterDialogRunner([&](QPrinter&, QWidget*) {
            ++printerDialogs;
            return printerDialogAnswer;
        });
        dialog.show();
        auto* fonts = testing::Child<QComboBox>(dialog, "fontlist");
        ASSERT_GT(fonts->count(), 1);
        const QString other = fonts->itemText(fonts->currentIndex() == 0 ? 1 : 0);
        fonts->setCurrentText(other);
        testing::Press(dialog, command);
        EXPECT_EQ(ctx.dialogMode, dialogMode);
        EXPECT_EQ(printerDialogs, std::string(command) == "Okbutt" ? 1 : 0);
        EXPECT_EQ(ctx.fontName, other.toStdString()); // the font choice stays, confirmed or not
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
} // namespace veskaro
