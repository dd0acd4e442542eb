#pragma once
// Kgut: the goods dialog. The product catalogue of one of eight groups (`DataKgut`) with in-place editing
// and the clipboard keys, the product panel `KelvoGPN` that inserts one product, the group insert with
// the proposed amount, and the goods list `AKTKgut` of the room. Everything it shows and changes is the
// goods session of the core; O.K. writes it, Cancel writes nothing.

#include <QDialog>

#include <functional>
#include <string>

#include "app/message.h"
#include "goods/goods_session.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTabBar;

namespace veskaro {

struct AppContext;

namespace ui {
class GridWidget;
class PictureButton;
} // namespace ui

// The room values the dialog shows (texts of the main window's fields and displays).
struct GoodsRoomValues {
    std::string volume;       // m³, `VPN`
    std::string area;         // m², `FPN`
    std::string perimeter;    // m, `UPN`
    std::string roomTemp;     // °C, `TinnenPN`
    std::string roomHumidity; // %, `rfInnenPN`
};

class GoodsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GoodsDialog)

  public:
    // Shows a message; for a question the answer (true: Yes). A modal message box unless replaced.
    using MessageSink = std::function<bool(const Message&)>;
    // Runs after the dialog closed while a new project is being set up (accepted: O.K.).
    using NewProjectEnding = std::function<void(AppContext&, bool accepted)>;

    GoodsDialog(AppContext& ctx, GoodsRoomValues room, QWidget* parent = nullptr);
    ~GoodsDialog() override;

    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }
    void setNewProjectEnding(NewProjectEnding ending) { m_newProjectEnding = std::move(ending); }

    const GoodsSession& session() const { return m_session; }
    int currentGroup() const { return m_session.catalogue.group; }
    // The group switch of combo, tab strip and menu: saves the group left, loads group 1..8.
    void switchGroup(int group);
    // Opens the product panel for catalogue row 1..50 (a click on its name).
    void openProductPanel(int row);

    void accept() override; // Command3D1: commits the session
    void reject() override; // Command3D2 and Escape: writes nothing

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildCatalogue();
    QWidget* buildProductPanel();
    QWidget* buildGroupInsert();
    QWidget* buildGoodsList();
    QWidget* buildCommands();
    void buildMenu(QMenuBar* bar);
    void applyCaptions();
    void showCatalogue();
    void showPicture();
    void showGoodsList();
    void onCatalogueClicked(int row, int column);
    void onCatalogueEdited(int row, int column);
    bool catalogueKey(int key, Qt::KeyboardModifiers modifiers);
    void insertProduct();
    void insertGroup();
    void proposeAmount();
    void clearList();
    bool showMessage(const Message& message);
    void finish(bool accepted);

    AppContext& m_ctx;
    GoodsRoomValues m_room;
    GoodsSession m_session;
    MessageSink m_showMessage;
    NewProjectEnding m_newProjectEnding;
    bool m_loading = true;
    int m_panelRow = 0; // catalogue row shown in the product panel

    QComboBox* m_kgutcombo = nullptr;
    QTabBar* m_SSTab1 = nullptr;
    ui::GridWidget* m_DataKgut = nullptr;
    QLabel* m_restNote = nullptr;
    QLabel* m_Picture1 = nullptr;
    QGroupBox* m_KelvoGPN = nullptr;
    QLabel* m_KGPN = nullptr;
    QLabel* m_values[8] = {}; // LGPN, LFPN, LDPN, GTPN, cpvPN, cpnPN, ehPN, AWPN
    QLineEdit* m_KelvoGMenge = nullptr;
    QLineEdit* m_KelvoGTemp = nullptr;
    QLineEdit* m_EndTKG = nullptr;
    QLineEdit* m_KelvoGMenge2 = nullptr;
    QLineEdit* m_TeinB = nullptr;
    QComboBox* m_BelegrateCombo = nullptr;
    QComboBox* m_Umschlagcombo = nullptr;
    ui::GridWidget* m_AKTKgut = nullptr;
};

} // namespace veskaro
