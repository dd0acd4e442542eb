#pragma once
// ErgebEdit: the result window. Renders the report pages of the result files (or the U-value report) under
// an optional page header; it computes nothing and reads the page's file anew on every draw.

#include <QDialog>
#include <QWidget>

#include <vector>

#include "report/report_renderer_qt.h"
#include "room/load_shares.h"

class QCheckBox;
class QLabel;
class QScrollArea;
class QScrollBar;

class QVBoxLayout;

namespace veskaro {

struct AppContext;

namespace ui {
class PictureButton;
}

// The drawing surface: one report page on a sheet of paper proportions, centred in the widget.
class ReportPageView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportPageView)

  public:
    explicit ReportPageView(QWidget* parent = nullptr);

    void setPage(std::vector<DrawOp> ops, ReportStyle style);
    const std::vector<DrawOp>& ops() const { return m_ops; }
    // The sheet inside the widget: the surface whose fractions the layout gives.
    QRectF sheetRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Magnification of the sheet (1 = natural size); the surrounding scroll area scrolls a larger sheet.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<DrawOp> m_ops;
    ReportStyle m_style;
    double m_zoom = 1.0;
};

class ResultWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultWindow)

  public:
    // Shows the report of ctx.displayMode (the U-value report or the room result). `room` is what
    // the room sketch draws.
    explicit ResultWindow(AppContext& ctx, RoomSketch room = {}, QWidget* parent = nullptr);

    // 1 for the room result, 44 for the U-value report.
    int reportCode() const;
    // The drawing routine: reads the file of the page chosen by VScroll1 and lays it out.
    void drawPage();
    ReportPageView* pageView() const { return m_page; }
    // The window size that shows the whole sheet.
    QSize fullPageSize() const { return m_fullPageSize; }
    // The load shares drawn as the chart of the room result's first page.
    void setLoadShares(const LoadShares& shares) { m_shares = shares; }

    // Reading keys: PgDn/PgUp move one screen through the sheet and on to the next or previous page at
    // its end; Home and End go to the top of the first and the bottom of the last page.
    void pageDown();
    void pageUp();
    void firstPage();
    void lastPage();
    // Ctrl + wheel and Ctrl +/-: one zoom step in (steps > 0) or out; Ctrl+0 the natural size.
    void zoomBy(int steps);
    void resetZoom();
    QScrollBar* sheetScrollBar() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPage(int page, bool atBottom);
    void buildUi();
    void buildHeader(QVBoxLayout* root); // project texts and the header switch
    void buildCommands(QVBoxLayout* root);
    void activate();
    void closeWindow();
    void printReport();

    AppContext& m_ctx;
    RoomSketch m_room;
    LoadShares m_shares{};
    bool m_activating = false; // suppresses the scroll-bar redraw while activation sets VScroll1
    QSize m_fullPageSize;

    ReportPageView* m_page = nullptr;
    QScrollArea* m_scroller = nullptr;
    QScrollBar* m_VScroll1 = nullptr;
    QLabel* m_pageNumber = nullptr;
    QCheckBox* m_PrintHead = nullptr;
    QLabel* m_Label1 = nullptr;                // project name
    QLabel* m_Label2 = nullptr;                // project description
    QLabel* m_Label3 = nullptr;                // caption of the project name
    QLabel* m_Label4 = nullptr;                // caption of the project description
    ui::PictureButton* m_Command3D1 = nullptr; // O.K.
    ui::PictureButton* m_Command3D2 = nullptr; // print
    ui::PictureButton* m_Command3D3 = nullptr; // close
    ui::PictureButton* m_Command3D4 = nullptr; // heat-exchanger selection of sibling programs, hidden
};

// Shows the result window modally over parent.
void ShowResultWindow(AppContext& ctx, const RoomSketch& room, QWidget* parent,
                      const LoadShares& shares = {});

} // namespace veskaro
