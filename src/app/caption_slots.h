#pragma once
// Caption slots: every visible word of the program has a slot, loaded by position from the caption
// file "Caption." & language code: 96 individual slots, the 61 entries of the caption array, then 118
// individual slots (275 strings). The enumerator names the meaning; the value is the line in the file
// (slot n is line n + 1). Never renumber a slot: the caption files of every language depend on it.
// New captions take a Spare slot (rename it, keep its value).

#include <algorithm>
#include <array>

namespace veskaro {

enum class Cap : int {
    // Individual slots 0..95.
    // Main window: titles, message texts and words shared with the dialogs.
    MainWindowTitle = 0,      // main window title
    MsgTitle = 1,             // "Cold room": title of the main window's message boxes
    CheckMsgTitle = 2,        // "Input check": title of input-error message boxes
    TitleProjectWord = 3,     // "Project": window title: word before the project name
    TitleRoomWord = 4,        // "Room": window title: word before the title prefix handed over
    ReportRoomTitle = 5,      // "Cold room": result title line of a project room file
    SystemBlocked1 = 6,       // undeletable-file message, text 1
    SystemBlocked2 = 7,       // "write access denied": undeletable-file message, text 2
    SystemBlocked3 = 8,       // undeletable-file message, text 3
    SystemBlocked4 = 9,       // undeletable-file message, text 4
    RoomWord = 10,            // "Room": 'Room' of the pairs room + temperature / humidity
    OutsideWord = 11,         // "Outside": 'Outside' of the pair outside + humidity
    TemperatureWord = 12,     // "temperature": second word of temperature pairs (room, storage, freezing)
    HumidityWord = 13,        // "humidity": second word of humidity pairs (room, outside, storage)
    GoodsWord = 14,           // "Goods": first word of the goods end-temperature pair
    EndTemperatureWord = 15,  // "end temperature": second word of the goods end-temperature pair
    DoorOpeningTimeWord = 16, // "Door opening time": door opening time per day (label and zero message)
    DayWord = 17,             // "day": day word after 'h/', 'kg/', '[/'
    PerHourWord = 18,         // "/h ": per-hour word of the door air flow labels
    ProjectNameCaption = 19,  // "Project": caption of the project name field
    ProjectDescriptionCaption = 20, // "Description": caption of the project description field

    // Buttons shared by every window.
    OkCaption = 21,       // "O.K.": OK button of every window
    CancelCaption = 22,   // "Cancel": cancel button of every window
    CloseCaption = 23,    // "Close": close button
    PrintCaption = 24,    // "Print": print menu entry and print buttons
    ContinueCaption = 25, // "Continue": go-on button of the new-project sequence
    Spare26 = 26,         // reserve

    // Main window: frame titles and field labels (units are separate labels).
    DimensionsFrame = 27,     // "Room dimensions": frame title: dimensions
    InsideAirFrame = 28,      // "Room air": frame title: inside air
    OutsideAirFrame = 29,     // "Outside air": frame title: outside air
    OperationFrame = 30,      // "Operation": frame title: operating time
    InternalLoadsFrame = 31,  // "Internal loads": frame title: persons, lighting, electrical
    DoorFrame = 32,           // "Door": frame title: door
    EvaporatorFrame = 33,     // "Evaporator": frame title: evaporator
    ResultFrame = 34,         // "Result": frame title: result
    TemperatureLabel = 35,    // "Temperature": air temperature field label
    RelHumidityLabel = 36,    // "Rel. humidity": relative humidity field label
    TempDifferenceLabel = 37, // "Temperature difference dT": room air to evaporating temperature difference
    CoolerDt1Label = 38,      // "Air cooler dt1": air cooler inlet temperature difference
    DoorOpeningsLabel = 39,   // "Door openings": door openings per day
    ElectricalLabel = 40,     // "Other electrical load": other electrical power in the room
    EvaporatorTypeLabel = 41, // "Type": label of the chosen evaporator name
    DefrostHeaterLabel = 42,  // "Defrost heater": defrost heater power per evaporator
    DefrostShareLabel = 43,   // "Defrost time share": defrost time share
    RoomFileLabel = 44,       // "Room file": label before the room / project file name
    AirFlowLabel = 45,        // "Air flow": air volume flow of the air change
    Spare46 = 46,             // reserve

    // Main window: menu entries and command buttons.
    MenuFileTitle = 47,       // "File": menu title: file
    MenuRoomTitle = 48,       // "Room": menu title: room
    MenuCalcTitle = 49,       // "Calculation": menu title: calculation
    MenuNewProject = 50,      // "New project": new project command
    MenuOpenProjectVerb = 51, // "Open": open-project verb, joined with ProjectWord
    ProjectWord = 52,         // "project": project word, joined after the open verb
    MenuSave = 53,            // "Save project": save command
    MenuSaveAs = 54,          // "Save project as": save-as command
    MenuExit = 55,            // "Exit": exit with saving the room
    MenuExitNoSave = 56,      // "Exit without saving": exit without saving
    MenuGoods = 57,           // "Goods": goods command
    MenuWalls = 58,           // "Walls / floor plan": wall dialog command
    DrawOption = 59,          // "Floor plan": option: room drawn as a floor plan
    RectangleOption = 60,     // "Rectangular room": option: rectangular room
    EvaporatorWord = 61,      // "Evaporator": evaporator word, joined with DesignWord
    DesignWord = 62,          // "design": design word, joined after EvaporatorWord
    DeleteEvaporator = 63,    // "Delete evaporator": clear the chosen evaporator
    MenuResult = 64,          // "Result": result command
    SaveRoomCaption = 65,     // "Save room": save room entry, followed by ' as Default'
    RestoreRoomCaption = 66,  // "Room -": restore room entry, followed by ' Restore to Default'
    DoorButton = 67,          // "Door": opens the door panel
    CalculateButton = 68,     // "Calculate": calculate command
    Spare69 = 69,             // reserve

    // Main window: door panel.
    DoorPanelTitle = 70,     // "Door infiltration": door panel title
    DoorWidthLabel = 71,     // "Door width": door width
    DoorHeightLabel = 72,    // "Door height": door height
    AirCurtainLabel = 73,    // "Air curtain": air curtain check box
    DoorAirChangeCalc = 74,  // "Compute": door air-change computation button
    DoorAirChangeLabel = 75, // "Door air change": door air-change rate
    Spare76 = 76,            // reserve

    // Project dialog (open / save as / picture choice).
    SaveAsTitle = 77,      // "Save project as": project dialog title in save mode
    SaveAsNameWord = 78,   // "(file name)": second caption of the save-mode prompt
    NewFolderCaption = 79, // "New folder": new folder button
    ProjectTipWord = 80,   // "Project": project word of the file tool tip
    PictureKindWord = 81,  // "for the report logo": picture mode prompt after 'Graphic '
    FolderLabel = 82,      // "Folder": folder caption of the project dialog

    // New-project dialog.
    NewProjectTitle = 83,    // "New project - room data": new-project dialog title
    NewProjectMsgTitle = 84, // "New project": new-project message title after 'Veskaro: '
    RoomShapeFrame = 85,     // "Room shape": frame title: floor plan or rectangle

    // Print settings.
    PrintSettingsTitle = 86, // "Print settings": print settings window title
    PrinterSetupWord1 = 87,  // "Printer": printer dialog title, first word
    PrinterSetupWord2 = 88,  // "setup": printer dialog title, second word
    LogoWord = 89,           // "Report logo": logo label before ' Graphic: *.jpg ...'
    LogoSelectVerb = 90,     // "Select": logo button caption before ' Graphic *.jpg'
    LogoSelectObject = 91,   // "for the report header": logo button caption after ' Graphic *.jpg'
    FontLabel = 92,          // "Report font": font list label
    PrinterButton = 93,      // "Printer": opens the system printer dialog
    Spare94 = 94,            // reserve
    Spare95 = 95,            // reserve

    // Caption array, entries 1..61 (slots 96..156): labels of the result pages, also
    // used by the main window and the dialogs. Array entry i is slot 95 + i.
    LengthWord = 96,               // [1] "Length": room / wall length (labels, messages, headings)
    WidthWord = 97,                // [2] "Width": room width
    HeightWord = 98,               // [3] "Height": room height
    VolumeWord = 99,               // [4] "Volume": room volume
    FloorAreaWord = 100,           // [5] "Floor area": floor area
    PerimeterWord = 101,           // [6] "Perimeter": perimeter
    OutsideTemperatureLabel = 102, // [7] "Outside temperature": result label
    OutsideHumidityLabel = 103,    // [8] "Outside humidity": result label
    RoomTemperatureLabel = 104,    // [9] "Room temperature": result label
    RoomHumidityLabel = 105,       // [10] "Room humidity": result label
    OperatingTimeLabel = 106,   // [11] "Operating time": daily operating time (field label, result heading)
    DailyOperationLabel = 107,  // [12] "Daily operation": day basis 24 h (option and result label)
    ShockFreezingLabel = 108,   // [13] "Shock freezing": day basis = operating time (option and result label)
    AirChangeRateLabel = 109,   // [14] "Air change rate": air changes per hour
    MoistureEntryLabel = 110,   // [15] "Moisture entry": moisture carried in, kg/h
    PersonsPresenceLabel = 111, // [16] "Persons present": presence of persons, h/day
    LightingLabel = 112,        // [17] "Lighting": lighting power, W/m2
    RequiredCapacityLabel = 113,       // [18] required refrigeration capacity Q0
    GoodsLoadLabel = 114,              // [19] "Goods": component: goods
    LightingElectricalLabel = 115,     // [20] "Lighting and equipment": component: lighting + electrical
    AirChangeLoadLabel = 116,          // [21] "Air change": component: air change
    LatentPartLabel = 117,             // [22] "latent part": component: latent part of the air change
    SensiblePartLabel = 118,           // [23] "sensible part": component: sensible part of the air change
    TransmissionLabel = 119,           // [24] "Transmission": component: transmission
    PersonsLoadLabel = 120,            // [25] "Persons": component: persons
    FanPowerLabel = 121,               // [26] "Fan power": component: evaporator fans (also fan power field)
    DefrostHeatLabel = 122,            // [27] "Defrost heat": component: defrost heat
    EvaporatorCountLabel = 123,        // [28] "Number of evaporators": evaporator count
    EvaporatingTemperatureLabel = 124, // [29] "Evaporating temperature": evaporating temperature
    TemperatureDifferenceLabel = 125,  // [30] "Temperature difference": result: dtM / dt1

    // Result page 2: envelope table.
    AreaHeader = 126,           // [31] "Area": envelope / wall table heading: area
    UValueHeader = 127,         // [32] "U-value": envelope table heading: U-value
    TemperatureHeader = 128,    // [33] "Temperature": envelope table heading: temperature
    HeatFlowHeader = 129,       // [34] "Heat flow": envelope table heading: heat flow
    UValueSubHeader = 130,      // [35] "(k-value)": envelope table second row under U-value
    TemperatureSubHeader = 131, // [36] "beyond": envelope table second row under temperature
    HeatFlowSubHeader = 132,    // [37] "into room": envelope table second row under heat flow
    WallWord = 133,             // [38] "Wall": wall (table rows, surface buttons)
    FloorWord = 134,            // [39] "Floor": floor
    CeilingWord = 135,          // [40] "Ceiling": ceiling

    // Result page 2: goods property table and goods heat-flow table (two heading rows).
    GoodsTableProductHeader = 136, // [41] "Product / amount": goods tables: first heading cell
    PropEntryHead1 = 137,          // [42] "Entry": property table: entry temperature, row 1
    PropEntryHead2 = 138,          // [43] "temperature": property table: entry temperature, row 2
    PropCpAboveHead1 = 139,        // [44] "Spec. heat": property table: cp above freezing, row 1
    PropCpAboveHead2 = 140,        // [45] "above freezing": property table: cp above freezing, row 2
    PropCpBelowHead1 = 141,        // [46] "Spec. heat": property table: cp below freezing, row 1
    PropCpBelowHead2 = 142,        // [47] "below freezing": property table: cp below freezing, row 2
    PropLatentHead1 = 143,         // [48] "Latent heat": property table: latent heat, row 1
    PropLatentHead2 = 144,         // [49] "of freezing": property table: latent heat, row 2
    PropHeatHead1 = 145,           // [50] "Heat load": property table: heat value in W, row 1
    PropHeatHead2 = 146,           // [51] "average": property table: heat value in W, row 2
    FlowSensibleAboveHead1 = 147,  // [52] "Sensible heat": heat-flow table: sensible above freezing, row 1
    FlowSensibleAboveHead2 = 148,  // [53] "above freezing": heat-flow table: sensible above freezing, row 2
    FlowSensibleBelowHead1 = 149,  // [54] "Sensible heat": heat-flow table: sensible below freezing, row 1
    FlowSensibleBelowHead2 = 150,  // [55] "below freezing": heat-flow table: sensible below freezing, row 2
    FlowFreezingHead1 = 151,       // [56] "Freezing": heat-flow table: latent heat, row 1
    FlowFreezingHead2 = 152,       // [57] "heat": heat-flow table: latent heat, row 2
    FlowRespirationHead1 = 153,    // [58] "Respiration": heat-flow table: respiration, row 1
    FlowRespirationHead2 = 154,    // [59] "heat": heat-flow table: respiration, row 2
    FlowTotalHead1 = 155,          // [60] "Total": heat-flow table: sum, row 1
    FlowTotalHead2 = 156,          // [61] "heat flow": heat-flow table: sum, row 2

    // Individual slots 157..274.
    // Wall dialog and material catalogues.
    WallDialogTitle = 157,        // "Walls, floor and ceiling": wall dialog title
    UValueTitleWord = 158,        // "Construction": U-value report title, first word (T1)
    UValueWord = 159,             // "U-value": U-value (T2): report title, result label, summary heading
    SurfaceCoefficientWord = 160, // "Heat transfer coefficient": surface coefficient (T3)
    OutsideSideWord = 161,        // "outside": outside surface (T4)
    InsideSideWord = 162,         // "inside": inside surface (T5)
    LayersWord = 163,   // "Layers": layer construction (T6): layer title, editor caption, wall-tool kind text
    MaterialWord = 164, // "Material": material heading (T7) of layer grid and catalogues
    AirLevelStill = 165,            // "Still air": air-movement level 1 (alpha i 3, alpha e 5)
    AirLevelSlight = 166,           // "Slight air movement": air-movement level 2 (alpha i 5, alpha e 11)
    AirLevelModerate = 167,         // "Moderate air movement": air-movement level 3 (alpha i 7, alpha e 15)
    AirLevelStrong = 168,           // "Strong air movement": air-movement level 4 (alpha i 10, alpha e 25)
    AmbientTemperatureLabel = 169,  // "Temperature beyond": temperature on the far side of a surface
    SummaryFrame = 170,             // "U-values and temperatures": frame title of the envelope summary
    PrintUValueButton = 171,        // "Print U-value": print the U-value report
    TakeOverMaterialButton = 172,   // building material into the next layer
    TakeOverInsulationButton = 173, // "Take over insulation": insulation into the next layer
    CopyWall1Button = 174,          // "Copy wall 1": copy wall 1 to all surfaces
    SaveStandardButton = 175,       // "Save as standard": save the standard envelope
    LoadStandardButton = 176,       // "Load standard": load the standard envelope
    BuildingMaterialsTitle = 177,   // "Building materials": building material catalogue
    InsulationMaterialsTitle = 178, // "Insulation materials": insulation catalogue
    DensityWord = 179,              // "Density": density heading of the catalogues
    Spare180 = 180,                 // reserve

    // Floor-plan dialog and wall table.
    FloorPlanTitle = 181,                // "Groundplan": floor-plan dialog title
    CompassN = 182,                      // "N": compass: north
    CompassNE = 183,                     // "NE": compass: north-east
    CompassE = 184,                      // "E": compass: east
    CompassSE = 185,                     // "SE": compass: south-east
    CompassS = 186,                      // "S": compass: south
    CompassSW = 187,                     // "SW": compass: south-west
    CompassW = 188,                      // "W": compass: west
    CompassNW = 189,                     // "NW": compass: north-west
    DesignationHeader = 190,             // "Designation": wall table: designation
    OrientationHeader = 191,             // "Orientation": wall table: orientation
    DensityClassHeader = 192,            // "Construction class": wall table: construction density class
    WindowCountHeader = 193,             // "Windows": wall table: number of windows
    WindowWidthHeader = 194,             // "Window width": wall table: window width
    WindowHeightHeader = 195,            // "Window height": wall table: window height
    WindowValueHeader = 196,             // "Window value": wall table: window value
    WindowTypeHeader = 197,              // "Window type": wall table: window type
    ShadingHeader = 198,                 // "Shading": wall table: shading type
    OutsideWallHeader = 199,             // "Outside wall": wall table: outside wall Y/N
    WallCheckIntro = 200,                // wall table check message, before the column name
    FifthCheckColumnWord = 201,          // "Construction class": name of the fifth checked wall table column
    SelectToolCaption = 202,             // "Select": arrow tool
    WallToolCaption = 203,               // "Draw wall": wall tool
    UndoCaption = 204,                   // "Undo last wall": take back the last segment
    DeleteAllCaption = 205,              // "Delete all": clear the plan
    SetNorthCaption = 206,               // "Set north": north setting of the compass rose
    GridDistanceLabel = 207,             // "Grid distance": metres per grid step
    RoomHeightLabel = 208,               // "Room height": room height of the floor plan
    PreviousWallCaption = 209,           // "Previous wall": previous wall row
    NextWallCaption = 210,               // "Next wall": next wall row
    UValueFromConstructionCaption = 211, // "U-value from construction": construction editor for the wall
    ApplyWallCaption = 212,              // "Apply": take over the wall details
    WallTableTitle = 213,                // "Wall table": wall table frame and report title
    Spare214 = 214,                      // reserve

    // Goods dialog.
    GoodsDialogTitle = 215,       // "Goods": goods dialog title
    ProductWord = 216,            // "Product": product (headings, messages)
    AmountWord = 217,             // "Amount": amount per day
    EntryTemperatureOfWord = 218, // "Entry temperature of": entry temperature, followed by ProductWord
    EndTemperatureOfWord = 219,   // "End temperature of": end temperature, followed by ProductWord
    StorageWord = 220,            // "Storage": storage, followed by TemperatureWord / HumidityWord
    StorageLifeWord = 221,        // "Storage life": storage life
    FreezingWord = 222,           // "Freezing": freezing (point)
    SpecificHeatWord = 223,       // "Specific heat": specific heat, followed by AboveWord / BelowWord
    AboveWord = 224,              // "above": above (freezing)
    BelowWord = 225,              // "below": below (freezing)
    LatentHeatWord = 226,         // "Latent heat": latent heat of freezing
    RespirationHeatWord = 227,    // "Respiration heat": respiration heat
    RemarkWord = 228,             // "Remark": free-text column of the catalogue
    GroupMeat = 229,              // "Meat": product group 1
    GroupFish = 230,              // "Fish": product group 2
    GroupFruit = 231,             // "Fruit": product group 3
    GroupDairy = 232,             // "Dairy products": product group 4
    GroupVegetables = 233,        // "Vegetables": product group 5
    GroupMiscellaneous = 234,     // "Miscellaneous": product group 6
    GroupChemicals = 235,         // "Chemicals": product group 7
    GroupMetal = 236,             // "Metal": product group 8
    DeleteListWord = 237,         // "list - delete all entries": clear-list question after ProductWord
    GoodsMsgTitle = 238,          // "Goods": message title of the goods dialog
    GoodsMsgTitleSecond = 239,    // "- clear list": second title word of the clear-list question
    DeleteEntryQuestion = 240,    // "Delete the selected entry": delete-entry question before ' !?'
    GroupInsertFrame = 241,       // "Insert product group": group insert frame
    InsertButton = 242,           // "Insert": insert command
    LoadingDensityLabel = 243,    // "Loading density": loading density, kg/m3
    TurnoverLabel = 244,          // "Daily turnover": daily turnover, %
    ProductGroupMenu = 245,       // "Product group": product group menu
    InsertProductMenu = 246,      // "Insert product": insert product menu entry
    DeleteListButton = 247,       // "Delete list": clear the goods list
    DeleteEntryButton = 248,      // "Delete entry": delete-entry command
    CatalogueFrame = 249,         // "Product catalogue": catalogue frame
    GoodsListFrame = 250,         // "Goods list": goods list frame
    ProductPanelTitle = 251,      // "Product data": product panel title

    // Evaporator design hand-over.
    EvapHandOverText1 = 252, // "Cold room": evaporator design: first text handed over
    EvapHandOverText2 = 253, // "Evaporator selection": evaporator design: second text handed over

    // Result window and page header.
    ResultCaption1 = 254,       // "Cold room": first result caption (window and page title)
    ResultCaption2 = 255,       // "Refrigeration load": second result caption (window and page title)
    HeaderCompanyCaption = 256, // "Company": page header: caption before the report text
    HeaderPageCaption = 257,    // "Page": page header: caption before the page value
    HeaderLine3Caption = 258,   // "Engineer": page header: third caption line
    HeaderLine4Caption = 259,   // "Contact": page header: fourth caption line
    PrintHeaderCaption = 260,   // "Print header": page header check box

    // Reserve (263 and 264 are read from the file and never shown).
    Spare261 = 261,  // reserve
    Spare262 = 262,  // reserve
    Unused263 = 263, // read, not used
    Unused264 = 264, // read, not used
    Spare265 = 265,  // reserve
    Spare266 = 266,  // reserve
    Spare267 = 267,  // reserve
    Spare268 = 268,  // reserve
    Spare269 = 269,  // reserve
    Spare270 = 270,  // reserve

    // Language settings.
    LanguageMenuEntry = 271,    // "Language": settings menu entry and dialog title
    LanguageLabel = 272,        // "Language of captions and catalogues": label of the language list
    FamilyLanguageOption = 273, // "as in the family settings": no choice of this program's own
    NextStartNote = 274,        // "Takes effect at the next start.": note under the language list
};

inline constexpr int kCaptionSlotCount = 275;
inline constexpr int kCaptionLeadingSlotCount = 96;   // individual slots before the caption array
inline constexpr int kCaptionArraySize = 61;          // caption array, indices 1..61
inline constexpr int kCaptionArrayFirstSlot = 96;     // slot of caption array entry 1
inline constexpr int kCaptionTrailingFirstSlot = 157; // first individual slot after the array

static_assert(static_cast<int>(Cap::MainWindowTitle) == 0);
static_assert(static_cast<int>(Cap::Spare95) == kCaptionLeadingSlotCount - 1);
static_assert(static_cast<int>(Cap::LengthWord) == kCaptionArrayFirstSlot);
static_assert(static_cast<int>(Cap::FlowTotalHead2) == kCaptionArrayFirstSlot + kCaptionArraySize - 1);
static_assert(static_cast<int>(Cap::WallDialogTitle) == kCaptionTrailingFirstSlot);
static_assert(kCaptionTrailingFirstSlot == kCaptionArrayFirstSlot + kCaptionArraySize);
static_assert(static_cast<int>(Cap::Unused263) == kCaptionTrailingFirstSlot + 106); // 107th of the last group
static_assert(static_cast<int>(Cap::Unused264) == kCaptionTrailingFirstSlot + 107); // 108th of the last group
static_assert(static_cast<int>(Cap::NextStartNote) == kCaptionSlotCount - 1);

// Slot of caption array entry index (1..61).
constexpr Cap CaptionArraySlot(int index) {
    return static_cast<Cap>(kCaptionArrayFirstSlot + index - 1);
}
static_assert(CaptionArraySlot(1) == Cap::LengthWord);
static_assert(CaptionArraySlot(kCaptionArraySize) == Cap::FlowTotalHead2);

// Slots that carry no caption: the reserve (Spare...) and the two slots read but not used (Unused...).
// Every other slot must be filled by a caption file.
inline constexpr std::array<int, 18> kSpareCaptionSlots = {
    26, 46, 69, 76, 94, 95, 180, 214, 261, 262, 263, 264, 265, 266, 267, 268, 269, 270,
};

constexpr bool IsSpareCaptionSlot(int slot) {
    return std::find(kSpareCaptionSlots.begin(), kSpareCaptionSlots.end(), slot) != kSpareCaptionSlots.end();
}
static_assert(IsSpareCaptionSlot(static_cast<int>(Cap::Unused263)) &&
              IsSpareCaptionSlot(static_cast<int>(Cap::Spare26)));
static_assert(!IsSpareCaptionSlot(static_cast<int>(Cap::RequiredCapacityLabel)));

} // namespace veskaro
