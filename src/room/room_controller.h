#pragma once
// What the main window does with the room when the engineer acts: which commit of which field runs which
// rule, the scroll bars coupled to fields, the door panel, loading and saving the room, the first
// activation with the hand-over file and the exit. The window only shows the record and the results.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/message.h"
#include "envelope/envelope_data.h"
#include "room/load_calc.h"
#include "room/room_fields.h"
#include "room/room_record.h"

namespace veskaro {

struct AppContext;

// The scroll bars beside the fields: HScroll1 outside temperature + 30, HScroll2 outside humidity,
// HScroll3 10 x room air change, HScroll4 persons, HScroll5 door openings, HScroll6 lighting.
enum class RoomScrollBar : int { HScroll1, HScroll2, HScroll3, HScroll4, HScroll5, HScroll6 };
inline constexpr int kRoomScrollBarCount = 6;
struct ScrollRange {
    int minimum = 0;
    int maximum = 0;
};
const char* RoomScrollBarName(RoomScrollBar bar);
ScrollRange RoomScrollBarRange(RoomScrollBar bar);
// The position a scroll bar takes from its field, or nothing when the bar does not follow this value.
std::optional<int> ScrollPositionFromRoom(const RoomRecord& room, RoomScrollBar bar);

// Captions of the main window composed of two slots with a joining word that depends on the language.
std::string OpenProjectCaption(const AppContext& ctx);      // open-project menu entry `ladP`
std::string EvaporatorDesignCaption(const AppContext& ctx); // `VerdampButt_l`, `vddesign`
std::string SaveRoomCaption(const AppContext& ctx);         // `Command3D4_l`, `ksich`
std::string RestoreRoomCaption(const AppContext& ctx);      // `Command3D5_l`
std::string RestoreRoomMenuCaption(const AppContext& ctx);  // `klad`
std::string EvaporatorCountCaption(const AppContext& ctx);  // `Label7`
// Header text of goods grid column 1..6 (columns 7..13 have none).
std::string GoodsGridHeader(const AppContext& ctx, int column);

// The unit beside the operating time for basis 0 (daily operation: "h/" and the day word) or 1 (shock
// operation: " h").
std::string OperatingTimeUnit(const AppContext& ctx, int basis);

// Display texts of the window that are not fields of the room record.
struct RoomLabels {
    std::string Label40; // room air flow, m³/h
    std::string Label53; // door panel: air flow while the door stands open
    std::string Label67; // door panel: door infiltration averaged over the day
};

class RoomController final {
  public:
    explicit RoomController(AppContext& ctx);
    RoomController(const RoomController&) = delete;
    RoomController& operator=(const RoomController&) = delete;

    AppContext& context() { return m_ctx; }
    RoomRecord& room() { return m_room; }
    const RoomRecord& room() const { return m_room; }
    const Envelope& envelope() const { return m_envelope; }
    const RecalcResult& result() const { return m_result; }
    const RoomLabels& labels() const { return m_labels; }
    bool syncing() const { return m_syncing; }
    // Results of the last calculation that other commands use: the day basis D (h), the room height (m,
    // also the floor-plan dialog's), the defrost heater power (kW) and the temperature difference last set
    // through the humidity table (K).
    int dayBasis_h() const { return m_dayBasis_h; }
    double roomHeight_m() const { return m_roomHeight_m; }
    void setRoomHeight(double height_m) { m_roomHeight_m = height_m; }
    double defrostPower_kW() const { return m_defrostPower_kW; }
    double sharedDeltaT_K() const { return m_sharedDeltaT_K; }

    // --- Field input -------------------------------------------------------------------------------
    // The Change handler: the engineer changed the text of `field` (already stored in the record). The
    // humidity, temperature difference and cooler difference rewrite each other here. True when another
    // field was rewritten.
    bool fieldEdited(RoomField field);
    // Enter in `field`, or leaving it after a change: converts the number text (a lone comma becomes the
    // period in the field), applies the field's rule and recalculates.
    Messages commitField(RoomField field);
    // A scroll bar moved to `position`: its field takes the value and the room is recalculated.
    Messages scrollBarMoved(RoomScrollBar bar, int position);
    // Goods grid cell edited (rows 1..50, columns 1..13).
    Messages goodsCellEdited(int row, int column, const std::string& text);
    // TagesB (0, daily operation over 24 h) or SchockF (1, shock operation over the operating time).
    Messages setOperatingBasis(int basis);
    // The unit beside the operating time: "h/" and the day word in daily operation, " h" in shock operation.
    std::string operatingTimeUnit() const;

    // --- Calculation -------------------------------------------------------------------------------
    // The calculate command: humidity to temperature difference, then the calculation.
    Messages calculate() { return recalculate(kRecalcShow); }
    // The result command: the calculation with the result files written.
    Messages calculateWithResultFiles() { return recalculate(kRecalcWriteResultFiles); }
    // Synchronises humidity and temperature difference, runs the calculation and, in mode
    // kRecalcWriteResultFiles, saves the result files (result().resultFilesWritten tells whether both were).
    Messages recalculate(int mode);

    // --- Door panel --------------------------------------------------------------------------------
    // Door infiltration from the door fields (`lwrech`, air-curtain clicks, Enter in the door fields).
    Messages computeDoor(bool airCurtain);
    bool airCurtain() const { return m_airCurtain; }
    // O.K. of the door panel: the computed door air change becomes the one the calculation uses.
    Messages acceptDoor();

    // --- Room file and commands --------------------------------------------------------------------
    // Loads a room record file, re-reads the envelope and recalculates. False in `found` when missing.
    Messages loadRoom(std::string_view name, bool* found = nullptr);
    WriteStatus saveRoom(std::string_view name) const;
    // Clears the chosen evaporator, recalculates and deletes the stored selection "VerDpark.dat".
    Messages deleteEvaporator();
    // Re-reads the envelope files for the current room shape (after a wall dialog or a shape change).
    void rereadEnvelope();

    // --- Activation and exit -----------------------------------------------------------------------
    struct Activation {
        bool firstActivation = false; // the captions must be applied
        bool reread = false;          // data was re-read and recalculated
        std::string windowTitle;      // non-empty when a hand-over request names a title
        Messages messages;
    };
    // The window became active. First activation: serves the request of VESKData.dat once (or loads
    // "KelvoL.dat") and recalculates. After a dialog changed project data: re-reads and recalculates.
    // Otherwise nothing is read.
    Activation activate();
    // The texts of `proj` and `projbeschr` become the project name and description of the run.
    void takeProjectTexts();
    // Kelvo_ende: saves the room record when asked, writes VESKData.dat for the calling program and ends
    // the activation.
    Messages exit(bool save); // the failed writes

    // Opens the project file named by a hand-over request (B = 117): its room record becomes "KelvoL.dat",
    // which the first activation then loads. OpenStartupProject unless replaced; a project given with
    // its folder makes that folder the project directory, so that saving writes back into it.
    std::function<bool(AppContext&, const std::string& projectFile)> openProjectFile;
    // Reloads the goods grid from "Akt_Kgut.dat" after a dialog changed project data (ReadGoodsList
    // unless replaced).
    std::function<void(AppContext&, GoodsGrid&)> readGoodsList;

  private:
    void updateAirFlowLabel();
    const GoodsInputs& parsedGoods();
    Messages loadRoomQuiet(std::string_view name, bool* found); // failed envelope writes

    AppContext& m_ctx;
    RoomRecord m_room;
    Envelope m_envelope;
    RecalcResult m_result;
    RoomLabels m_labels;
    bool m_syncing = false;
    bool m_airCurtain = false;
    int m_dayBasis_h = 24;
    double m_roomHeight_m = 0.0;
    double m_defrostPower_kW = 0.0;
    double m_sharedDeltaT_K = 0.0;
    // The goods rows 1..20 as last parsed, and the texts they were parsed from.
    GoodsInputs m_goods;
    std::array<GoodsRow, kGoodsRowsCounted + 1> m_goodsParsedFrom{};
    bool m_goodsParsed = false;
};

} // namespace veskaro
