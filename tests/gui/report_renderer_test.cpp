// The report renderer against a recording paint device, the result window's page switching, printing
// page counts and the print settings' answers.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextItem>

#include <filesystem>
#include <random>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/record_file.h"
#include "report/print_settings_dialog.h"
#include "report/report_renderer_qt.h"
#include "report/result_window.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

class QtEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "report_renderer_test";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

  private:
    QApplication* m_app = nullptr;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// --- A paint device that records what is painted, in device coordinates -------------------------------

struct DrawnText {
    QString text;
    QPointF baseline;
    double pointSize = 0.0;
    bool bold = false;
};
struct DrawnLine {
    QLineF line;
    QColor colour;
};

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
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            this->rects.push_back(m_transform.mapRect(rects[i]));
    }
    void drawPath(const QPainterPath& path) override { paths.push_back(m_transform.map(path)); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        paths.push_back(m_transform.map(path));
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
        images.push_back(m_transform.mapRect(r));
    }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        images.push_back(m_transform.mapRect(r));
    }

    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<QRectF> rects;
    std::vector<QPainterPath> paths;
    std::vector<QRectF> images;

  private:
    QTransform m_transform;
    QPen m_pen;
};

class RecordingDevice final : public QPaintDevice {
  public:
    static constexpr int kWidth = 1000, kHeight = 1400, kDpi = 96;
    QPaintEngine* paintEngine() const override { return &m_engine; }
    RecordingEngine& engine() const { return m_engine; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return kWidth;
        case PdmHeight:
            return kHeight;
        case PdmWidthMM:
            return kWidth * 254 / (10 * kDpi);
        case PdmHeightMM:
            return kHeight * 254 / (10 * kDpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 1 << 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

  private:
    mutable RecordingEngine m_engine;
};

RecordingEngine& Render(RecordingDevice& device, const std::vector<DrawOp>& ops,
                        const ReportStyle& style = {}) {
    QPainter painter(&device);
    PaintReportOps(painter, QRectF(0, 0, RecordingDevice::kWidth, RecordingDevice::kHeight), ops, style);
    painter.end();
    return device.engine();
}

TEST(ReportRenderer, DrawsEveryTextRunWhereTheLayoutSays) {
    const std::vector<std::string> lines = {
        "12Big title\r", "E2Indented line\r", "        Length :§$& 8 m\r",
        "        Wall 1&%! 21&%! .22&%! 32&%! 138.6&%!  &%!  &%! beyond six\r",
        "&$$        U-value:   .23 W/m²/K"};
    const std::vector<DrawOp> ops = LayOutReportLines(lines, kPaperBodySize_pt);
    RecordingDevice device;
    const RecordingEngine& drawn = Render(device, ops);

    std::vector<DrawOp> texts;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawKind::Text) texts.push_back(op);
    }
    ASSERT_EQ(drawn.texts.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i].text);
        const DrawnText& d = drawn.texts[i];
        EXPECT_EQ(d.text.toStdString(), texts[i].text);
        EXPECT_DOUBLE_EQ(d.pointSize, texts[i].size_pt);
        EXPECT_EQ(d.bold, texts[i].bold);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(texts[i].size_pt);
        font.setBold(texts[i].bold);
        const double ascent = QFontMetricsF(font, &device).ascent();
        EXPECT_NEAR(d.baseline.x(), texts[i].x * RecordingDevice::kWidth, 0.5);
        EXPECT_NEAR(d.baseline.y(), texts[i].y * RecordingDevice::kHeight + ascent, 0.5);
    }
    // The things the rules promise, on the device: size 12 without its prefix, 0.04 indent, bold result.
    EXPECT_EQ(drawn.texts[0].text, QStringLiteral("Big title"));
    EXPECT_DOUBLE_EQ(drawn.texts[0].pointSize, 12.0);
    EXPECT_NEAR(drawn.texts[1].baseline.x(), 0.13 * RecordingDevice::kWidth, 0.5);
    EXPECT_TRUE(drawn.texts.back().bold);
}

TEST(ReportRenderer, RuleIsAGreyLineAcrossThePage) {
    RecordingDevice device;
    const RecordingEngine& drawn =
        Render(device, LayOutReportLines({"        " + std::string(145, '-')}, kScreenBodySize_pt));
    ASSERT_EQ(drawn.lines.size(), 1u);
    EXPECT_TRUE(drawn.texts.empty());
    const QLineF rule = drawn.lines[0].line;
    EXPECT_NEAR(rule.x1(), 0.08 * RecordingDevice::kWidth, 0.5);
    EXPECT_NEAR(rule.x2(), 0.94 * RecordingDevice::kWidth, 0.5);
    EXPECT_NEAR(rule.y1(), 0.18 * RecordingDevice::kHeight, 0.5);
    EXPECT_EQ(drawn.lines[0].colour, QColor(128, 128, 128));
}

TEST(ReportRenderer, RoomSketchShowsTheRoomInProportionWithItsDimensions) {
    ReportStyle style;
    style.room.L_m = 8.0;
    style.room.B_m = 4.0;
    const std::vector<DrawOp> ops =
        LayOutReportLines({"        RaumBild\r", "        RaumBEnde\r"}, kScreenBodySize_pt);
    RecordingDevice device;
    const RecordingEngine& drawn = Render(device, ops, style);

    QStringList labels;
    for (const DrawnText& t : drawn.texts)
        labels << t.text;
    EXPECT_TRUE(labels.contains(QStringLiteral("8 m"))) << labels.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("4 m")));
    // The outer wall rectangle: the largest rectangle drawn, twice as long as wide, inside the sketch box.
    QRectF outline;
    for (const QRectF& r : drawn.rects) {
        if (r.width() * r.height() > outline.width() * outline.height()) outline = r;
    }
    for (const QPainterPath& p : drawn.paths) {
        const QRectF r = p.boundingRect();
        if (r.width() * r.height() > outline.width() * outline.height() &&
            r.width() < RecordingDevice::kWidth * 0.5) {
            outline = r;
        }
    }
    ASSERT_GT(outline.height(), 0.0);
    EXPECT_NEAR(outline.width() / outline.height(), 2.0, 0.02);
    EXPECT_GE(outline.left(), kRoomSketchLeft * RecordingDevice::kWidth - 0.5);
    EXPECT_LE(outline.right(), kRoomSketchRight * RecordingDevice::kWidth + 0.5);
}

// --- Windows and printing on a data directory ----------------------------------------------------------

class ReportFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("veskaro_report_" + std::to_string(std::random_device{}()));
        fs::create_directories(m_dir);
        fs::copy_file(fs::path(VESKARO_SEED_DIR) / "Caption.ENG", m_dir / "Caption.ENG");
        ctx.dataDir = m_dir.string();
        LoadCaptions(ctx);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void put(const std::string& name, const std::vector<std::string>& lines) {
        RecordWriter w;
        for (const std::string& line : lines)
            w.line(line);
        ASSERT_TRUE(SaveOutput(ctx, name, w));
    }
    static bool Shows(const ReportPageView* view, const std::string& text) {
        for (const DrawOp& op : view->ops()) {
            if (op.kind == DrawKind::Text && op.text == text) return true;
        }
        return false;
    }
    // Page objects of a PDF file.
    int pdfPages(const QString& path) const {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        const QString bytes = QString::fromLatin1(file.readAll());
        return static_cast<int>(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
    }

    AppContext ctx;
    fs::path m_dir;
};

TEST_F(ReportFiles, PageChooserRereadsTheResultFiles) {
    put("ergCR.DAT", {"        Page one A\r"});
    put("ergCR2.DAT", {"        Page two\r"});
    ctx.printHeaderFlag = 1;
    ResultWindow window(ctx);
    window.show();
    auto* chooser = window.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    ASSERT_NE(chooser, nullptr);
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
    auto* printHead = window.findChild<QCheckBox*>(QStringLiteral("PrintHead"));
    ASSERT_NE(printHead, nullptr);
    printHead->setChecked(false);
    EXPECT_EQ(ctx.printHeaderFlag, 0);
    EXPECT_FALSE(Shows(window.pageView(), title));
    ASSERT_EQ(window.pageView()->ops().size(), 1u);
    EXPECT_DOUBLE_EQ(window.pageView()->ops()[0].y, kFirstLineY);
}

TEST_F(ReportFiles, UValueReportHasOnePage) {
    put("KWcalc.DAT", {"\r", "        Construction U-value", "&$$        U-value:   .23 W/m²/K"});
    put("ergCR.DAT", {"        room page\r"});
    ctx.displayMode = kUValueReport;
    ResultWindow window(ctx);
    window.show();
    EXPECT_EQ(window.findChild<QScrollBar*>(QStringLiteral("VScroll1"))->maximum(), 1);
    EXPECT_TRUE(Shows(window.pageView(), "Construction U-value"));

    struct Case {
        int code;
        int pages;
    };
    for (const Case& c : {Case{kUValueReport, 1}, Case{kRoomResultReport, 2}}) {
        SCOPED_TRACE(c.code);
        const QString path = QString::fromStdString((m_dir / "print.pdf").string());
        {
            QPdfWriter writer(path);
            EXPECT_EQ(PrintReport(writer, ctx, c.code, ReportStyleOf(ctx)), c.pages);
        }
        EXPECT_EQ(pdfPages(path), c.pages);
    }
}

TEST_F(ReportFiles, PrintSettingsAnswerInTheDialogMode) {
    struct Case {
        const char* button;
        int printerDialogAnswer;
        int dialogMode;
    };
    for (const Case& c : {Case{"Okbutt", 1, 1}, Case{"Okbutt", 0, 0}, Case{"Abbutt", 1, 0}}) {
        SCOPED_TRACE(std::string(c.button) + " printer dialog " + std::to_string(c.printerDialogAnswer));
        ctx.fontName = "Arial";
        ctx.dialogMode = 7;
        QPrinter printer;
        PrintSettingsDialog dialog(ctx, printer);
        int printerDialogs = 0;
        dialog.setPrinterDialogRunner([&](QPrinter&, QWidget*) {
            ++printerDialogs;
            return c.printerDialogAnswer;
        });
        dialog.show();
        auto* fonts = dialog.findChild<QComboBox*>(QStringLiteral("fontlist"));
        ASSERT_NE(fonts, nullptr);
        ASSERT_GT(fonts->count(), 1);
        const QString other = fonts->itemText(fonts->currentIndex() == 0 ? 1 : 0);
        fonts->setCurrentText(other);
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_EQ(ctx.dialogMode, c.dialogMode);
        EXPECT_EQ(printerDialogs, std::string(c.button) == "Okbutt" ? 1 : 0);
        EXPECT_EQ(ctx.fontName, other.toStdString()); // the font choice stays, confirmed or not
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
} // namespace veskaro
