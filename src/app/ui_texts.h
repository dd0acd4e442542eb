#pragma once
// Texts of the desktop windows that the caption files do not carry: status-bar messages, questions, undo
// step names, range notes, the cooler dialog's labels and the tool tips and status tips of fields, goods
// columns and commands. Every text has one row in the five shipped languages; a run in any other language
// reads English. Texts are UTF-8 and hold only characters CP1252 can carry; "%1", "%2" ... stand for the
// values put in (FillText, QString::arg), in every language the same ones.

#include <initializer_list>
#include <string>
#include <string_view>

namespace veskaro {

enum class UiTextId : int {
    // Main window: status bar, menus, questions, undo steps.
    RoomSaved,
    RoomRestored,
    ProjectOpened,
    ProjectSaved,
    ProjectNotOpened,
    ReportPrinted,
    Undone,
    Redone,
    EditMenu,
    UndoEntry,
    RedoEntry,
    RecentProjectsMenu,
    RecentProjectsLabel,
    SaveBeforeClose,
    ReplaceByRoomRecord,
    StepRoomChange,
    StepGoodsEdit,
    StepFieldChange,
    // Ranges of values.
    ValidRange,
    RangeSpan,
    RangeZeroNotGiven,
    ValueOutsideRange,
    ValueMissing,
    GoodsCellName,
    HintWithRange,
    // Floor plan and wall dialogs.
    OutlineNotClosed,
    ApplyConstruction,
    ApplyConstructionHint,
    LayerNotCounted,
    // Cooler dialog.
    CoolerCatalogueNote,
    CoolerRefrigerant,
    CoolerQePerEvaporator,
    CoolerPressure,
    CoolerMassFlow,
    CoolerNoCatalogue,
    CoolerNoneMeets,
    CoolerBeyondTable,
    CoolerColumnCooler,
    CoolerColumnCapacity,
    CoolerColumnReserve,
    CoolerColumnFans,
    CoolerColumnAirFlow,
    CoolerColumnThrow,
    CoolerColumnHeater,
    CoolerColumnFins,
    // Room field hints, in the order of RoomField.
    HintRoomLength,
    HintRoomWidth,
    HintRoomHeight,
    HintRoomTemperature,
    HintRoomHumidity,
    HintRoomToEvaporating,
    HintCoolerDifference,
    HintEvaporatingTemperature,
    HintOutsideTemperature,
    HintOutsideHumidity,
    HintOperatingTime,
    HintPersons,
    HintLighting,
    HintOtherPower,
    HintDoorOpenings,
    HintAirChange,
    HintDoorAirChange,
    HintDoorWidth,
    HintDoorHeight,
    HintDoorOpenTime,
    HintDoorAirChangeComputed,
    HintEvaporatorCount,
    HintFanPower,
    HintDefrostPower,
    HintDefrostShare,
    HintProjectName,
    HintProjectDescription,
    // Goods grid columns 1 to 12.
    HintGoodsName,
    HintGoodsAmount,
    HintGoodsEntryTemperature,
    HintGoodsFinalTemperature,
    HintGoodsStorageTemperature,
    HintGoodsStorageHumidity,
    HintGoodsStorageLife,
    HintGoodsFreezingTemperature,
    HintGoodsHeatAbove,
    HintGoodsHeatBelow,
    HintGoodsLatentHeat,
    HintGoodsRespiration,
    // Commands: what they do and, disabled, what they need.
    DoesNewProject,
    DoesOpenProject,
    DoesSaveProject,
    DoesSaveProjectAs,
    DoesPrint,
    DoesSaveRoom,
    DoesRestoreRoom,
    DoesGoods,
    DoesWalls,
    DoesCoolerDesign,
    DoesCoolerDelete,
    DoesCalculate,
    DoesResult,
    DoesDoor,
    DoesExit,
    DoesExitWithoutSaving,
    NeedsOtherProgram,
    NeedsRectangularRoom,
};

inline constexpr int kUiTextCount = static_cast<int>(UiTextId::NeedsRectangularRoom) + 1;

// The text in the language `languageCode` (ENG, DEU, FRA, ITA, ESP); English for any other code.
std::string_view UiText(UiTextId id, std::string_view languageCode);

// `pattern` with "%1" ... "%9" replaced by values[0] ... values[8]; a marker without its value stays.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);

// UiText with its markers filled.
std::string UiText(UiTextId id, std::string_view languageCode,
                   std::initializer_list<std::string_view> values);

} // namespace veskaro
