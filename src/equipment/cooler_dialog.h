#pragma once
// The air-cooler selection: the engineer picks a refrigerant and one of the coolers of the sizing
// catalogue that meet the capacity per evaporator at the room's ΔT1 and evaporating temperature. Everything
// it shows comes from the cooler selection of the core; O.K. returns the chosen cooler and keeps the choice
// in the stored selection file, Cancel returns kSelectionCancelled.

#include <QDialog>

#include <functional>
#include <string>

#include "app/message.h"
#include "equipment/cooler_selection.h"
#include "equipment/evaporator_handover.h"
#include "equipment/refrigerants.h"

class QComboBox;
class QLabel;

namespace veskaro {

struct AppContext;

namespace ui {
class GridWidget;
} // namespace ui

// Columns of the cooler list (grid positions; column 0 is the fixed row-number column).
enum CoolerColumn : int {
    kCoolerName = 1,
    kCoolerCapacity,
    kCoolerReserve,
    kCoolerFans,
    kCoolerAirFlow,
    kCoolerThrow,
    kCoolerHeater,
    kCoolerFins,
    kCoolerColumns // grid columns including column 0
};

class CoolerDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CoolerDialog)

  public:
    // Shows a failed write of the stored selection; a modal message box unless replaced.
    using MessageSink = std::function<void(const Message&)>;

    CoolerDialog(AppContext& ctx, const Handover& handover, QWidget* parent = nullptr);
    ~CoolerDialog() override;

    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }

    // What the dialog returns: the chosen cooler after O.K., else the cancel code.
    const SelectionResult& selection() const { return m_result; }
    // Lists the coolers for `refrigerant` (as the combo does when the engineer picks it).
    void chooseRefrigerant(const QString& refrigerant);
    QString refrigerant() const;
    // The coolers listed, smallest reserve first.
    const SelectionView& view() const { return m_view; }
    const CoolerCatalogue& catalogue() const { return m_catalogue; }
    // Makes list row 1.. current; 0 clears the choice.
    void selectRow(int row);
    // The catalogue model of the current list row; nullptr when none is chosen.
    const CoolerModel* chosenModel() const;

    void accept() override; // Command3D1
    void reject() override; // Command3D2 and Escape

  private:
    QWidget* buildConditions();
    QWidget* buildList();
    QWidget* buildCommands();
    void showView();
    void showMessages();

    AppContext& m_ctx;
    Handover m_handover;
    CoolerCatalogue m_catalogue;
    SaturationTables m_tables;
    SelectionView m_view;
    StoredSelection m_stored;
    SelectionResult m_result;
    MessageSink m_showMessage;

    QComboBox* m_Kaeltemittel = nullptr;
    QLabel* m_p0 = nullptr;
    QLabel* m_massFlow = nullptr;
    QLabel* m_notes = nullptr;
    ui::GridWidget* m_list = nullptr;
};

} // namespace veskaro
