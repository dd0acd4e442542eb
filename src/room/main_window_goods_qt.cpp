// The main window's goods: the goods dialog command and the checks of the goods grid.

#include <QApplication>

#include "app/app_context.h"
#include "app/number_text.h"
#include "goods/goods_check.h"
#include "goods/goods_dialog.h"
#include "goods/goods_list.h"
#include "goods/goods_message.h"
#include "room/goods_panel_qt.h"
#include "room/main_window.h"
#include "room/room_inputs_panel_qt.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

void StartWindow::checkGoods() {
    const RoomRecord& room = m_controller.room();
    const std::vector<GoodsRowCheck> checks = CheckGoodsGrid(room.goods, NumFromText(room.RaumTemp));
    m_inputs->goods()->markRows(checks);
    m_goodsWarnings.clear();
    for (const std::string& line : GoodsGridWarnings(m_ctx.captions, room.goods, checks))
        m_goodsWarnings << Q(line);
}

void StartWindow::openGoodsDialog() {
    if (m_busy != 0) return;
    // Edits made in the main window's own grid reach the dialog through the goods list file.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WriteStatus written = WriteGoodsList(m_ctx, m_controller.room().goods);
    QApplication::restoreOverrideCursor();
    if (!written) return showFailures(FailureMessages(written));
    const RoomRecord& room = m_controller.room();
    const RecalcResult& r = m_controller.result();
    GoodsDialog dialog(m_ctx, {r.Vol, r.Area, r.Umfang, room.RaumTemp, room.RaumFeuchte}, this);
    if (m_runGoodsDialog) {
        m_runGoodsDialog(dialog);
    } else {
        dialog.exec();
    }
    // O.K. set the activation state: the goods are re-read and the room recalculated now, not only at
    // the window's next activation.
    if (m_ctx.activationState == ActivationState::DialogChangedData) activate();
}

} // namespace veskaro
