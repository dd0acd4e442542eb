// Reading the result window from the keyboard and the mouse wheel: paging through the sheet and on to the
// next page, and zooming.

#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

#include "report/result_window.h"

namespace veskaro {

namespace {
constexpr double kZoomFactorPerStep = 1.25;
constexpr int kWheelNotch = 120; // one notch of a mouse wheel, in eighths of a degree
} // namespace

QScrollBar* ResultWindow::sheetScrollBar() const {
    return m_scroller->verticalScrollBar();
}

void ResultWindow::showPage(int page, bool atBottom) {
    m_VScroll1->setValue(page);
    QScrollBar* bar = sheetScrollBar();
    bar->setValue(atBottom ? bar->maximum() : bar->minimum());
}

void ResultWindow::pageDown() {
    QScrollBar* bar = sheetScrollBar();
    if (bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
    } else if (m_VScroll1->value() < m_VScroll1->maximum()) {
        showPage(m_VScroll1->value() + 1, false);
    }
}

void ResultWindow::pageUp() {
    QScrollBar* bar = sheetScrollBar();
    if (bar->value() > bar->minimum()) {
        bar->setValue(bar->value() - bar->pageStep());
    } else if (m_VScroll1->value() > m_VScroll1->minimum()) {
        showPage(m_VScroll1->value() - 1, true);
    }
}

void ResultWindow::firstPage() {
    showPage(m_VScroll1->minimum(), false);
}

void ResultWindow::lastPage() {
    showPage(m_VScroll1->maximum(), true);
}

void ResultWindow::zoomBy(int steps) {
    m_page->setZoom(m_page->zoom() * std::pow(kZoomFactorPerStep, steps));
}

void ResultWindow::resetZoom() {
    m_page->setZoom(1.0);
}

void ResultWindow::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_PageDown:
        pageDown();
        return;
    case Qt::Key_PageUp:
        pageUp();
        return;
    case Qt::Key_Home:
        firstPage();
        return;
    case Qt::Key_End:
        lastPage();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // Ctrl + "=": the plus key without Shift on most layouts
        if (ctrl) return zoomBy(1);
        break;
    case Qt::Key_Minus:
        if (ctrl) return zoomBy(-1);
        break;
    case Qt::Key_0:
        if (ctrl) return resetZoom();
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_scroller->viewport() || event->type() != QEvent::Wheel)
        return QDialog::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0) return false;
    if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
        zoomBy(delta > 0 ? std::max(1, delta / kWheelNotch) : std::min(-1, delta / kWheelNotch));
        return true;
    }
    // At the end of the sheet the wheel turns the page; inside it the scroll area scrolls.
    QScrollBar* bar = sheetScrollBar();
    if (delta < 0 && bar->value() >= bar->maximum() && m_VScroll1->value() < m_VScroll1->maximum()) {
        showPage(m_VScroll1->value() + 1, false);
        return true;
    }
    if (delta > 0 && bar->value() <= bar->minimum() && m_VScroll1->value() > m_VScroll1->minimum()) {
        showPage(m_VScroll1->value() - 1, true);
        return true;
    }
    return false;
}

} // namespace veskaro
