// The body of the main window: the input groups, the goods list and the result, laid out so that the
// window stays usable on a 1280 x 680 laptop screen and grows with a large one.

#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "room/envelope_panel_qt.h"
#include "room/goods_panel_qt.h"
#include "room/main_window.h"
#include "room/result_panel_qt.h"
#include "room/room_form_qt.h"
#include "room/room_inputs_panel_qt.h"

namespace veskaro {

namespace {

// Share of a short window's height for the input groups and the goods list; each keeps its minimum
// (the goods list at least five rows) and the groups scroll.
constexpr int kGroupsStretch = 3;
constexpr int kGoodsStretch = 2;
constexpr int kGoodsSideMargin = 12; // px: the goods list lines up with the groups above it

QScrollArea* VerticalScroller(QWidget* content) {
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setWidget(content);
    return scroller;
}

} // namespace

QLayout* StartWindow::buildBody() {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 14, 14);
    row->setSpacing(0);

    // Left: the groups scroll in their own area; the goods list below them keeps its rows in view.
    m_inputs = new RoomInputsPanel(*m_form);
    m_inputsScroller = VerticalScroller(m_inputs);
    m_inputsScroller->setObjectName(QStringLiteral("inputsScroller"));
    auto* goodsBox = new QWidget;
    goodsBox->setObjectName(QStringLiteral("content"));
    auto* goodsColumn = new QVBoxLayout(goodsBox);
    goodsColumn->setContentsMargins(kGoodsSideMargin, 0, kGoodsSideMargin, 0);
    goodsColumn->addWidget(m_inputs->goods());
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QStringLiteral("inputsSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_inputsScroller);
    splitter->addWidget(goodsBox);
    splitter->setStretchFactor(0, kGroupsStretch);
    splitter->setStretchFactor(1, kGoodsStretch);
    row->addWidget(splitter, 1);

    // Right: the result. The capacity and its components stand at the top; what does not fit below them
    // scrolls.
    auto* resultColumn = new QVBoxLayout;
    resultColumn->setContentsMargins(0, 24, 0, 0);
    m_result = new ResultPanel(*m_form);
    // The envelope in use stands with the result: it is what the transmission line is computed from.
    m_result->addBelowCommands(m_inputs->envelope());
    QScrollArea* resultScroller = VerticalScroller(m_result);
    resultScroller->setObjectName(QStringLiteral("resultScroller"));
    resultScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int bar = resultScroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resultScroller->setMaximumWidth(m_result->maximumWidth() + bar);
    // The panel's narrowest width depends on its captions: wide enough that none of them is cut.
    m_form->whenCaptioned([this, resultScroller, bar] {
        resultScroller->setMinimumWidth(
            std::min(m_result->minimumSizeHint().width(), m_result->maximumWidth()) + bar);
    });
    resultColumn->addWidget(resultScroller, 1);
    row->addLayout(resultColumn);
    return row;
}

} // namespace veskaro
