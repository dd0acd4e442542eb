#include "room/room_controller.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "app/app_context.h"
#include "app/handover.h"
#include "app/languages.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "goods/goods_list.h"
#include "project/project_file.h"
#include "room/air_change.h"
#include "room/humidity.h"
#include "room/result_files.h"
#include "room/room_source.h"

namespace veskaro {

namespace {

// Scroll bars: the outside temperature is shown shifted by 30 K so that -30 °C sits at position 0; the
// room air change in tenths of an air change per hour.
constexpr int kOutsideTemperatureOffset_K = 30;
constexpr double kAirChangeScrollSteps = 10.0;
constexpr double kScrollTolerance = 1e-9;
constexpr double kMaxFollowedHumidity_pct = 101.0; // HScroll2 follows 0 < phi < 101
constexpr double kMaxFollowedPersons = 150.0;      // HScroll4 follows up to 150 person-hours
constexpr double kMaxFollowedLighting_Wm2 = 100.0; // HScroll6 follows up to 100 W/m²

constexpr std::array<ScrollRange, kRoomScrollBarCount> kScrollRanges = {{
    {0, 100},                    // HScroll1: outside temperature -30 .. +70 °C
    {0, 100},                    // HScroll2: outside humidity, %
    {0, 500},                    // HScroll3: room air change 0 .. 50 /h in tenths
    {0, 150},                    // HScroll4: person-hours per day
    {0, kMaxDoorOpeningsPerDay}, // HScroll5: door openings per day
    {0, 100},                    // HScroll6: lighting, W/m²
}};

constexpr const char* kEvaporatorSelectionFile = "VerDpark.dat";

double Value(const std::string& text) {
    return NumFromText(std::string_view(text));
}

int ClampedPosition(double value, RoomScrollBar bar) {
    const ScrollRange range = RoomScrollBarRange(bar);
    const double whole = IntFloor(value);
    if (!(whole >= range.minimum)) return range.minimum; // also NaN
    if (whole > range.maximum) return range.maximum;
    return static_cast<int>(whole);
}

bool IsDoorField(RoomField field) {
    return field == RoomField::bTuer || field == RoomField::hTuer || field == RoomField::oeffungsZ ||
           field == RoomField::LWergeb || field == RoomField::LWTuer;
}

void Append(Messages& to, const Messages& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

const char* RoomScrollBarName(RoomScrollBar bar) {
    static constexpr std::array<const char*, kRoomScrollBarCount> kNames = {
        "HScroll1", "HScroll2", "HScroll3", "HScroll4", "HScroll5", "HScroll6"};
    return kNames[static_cast<std::size_t>(bar)];
}

ScrollRange RoomScrollBarRange(RoomScrollBar bar) {
    return kScrollRanges[static_cast<std::size_t>(bar)];
}

std::optional<int> ScrollPositionFromRoom(const RoomRecord& room, RoomScrollBar bar) {
    switch (bar) {
    case RoomScrollBar::HScroll1:
        return ClampedPosition(Value(room.AussenTemp) + kOutsideTemperatureOffset_K, bar);
    case RoomScrollBar::HScroll2: {
        const double phi = Value(room.AussenFeuchte);
        if (!(phi > 0.0 && phi < kMaxFollowedHumidity_pct)) return std::nullopt;
        return ClampedPosition(phi, bar);
    }
    case RoomScrollBar::HScroll3:
        // 2.3 x 10 is 22.999... in binary: the tolerance keeps the bar where the engineer put it.
        return ClampedPosition(Value(room.RaumLW) * kAirChangeScrollSteps + kScrollTolerance, bar);
    case RoomScrollBar::HScroll4: {
        const double persons = Value(room.PersZahl);
        if (!(persons <= kMaxFollowedPersons)) return std::nullopt;
        return ClampedPosition(persons, bar);
    }
    case RoomScrollBar::HScroll5:
        return ClampedPosition(Value(room.NBegeh), bar);
    case RoomScrollBar::HScroll6: {
        const double lighting = Value(room.ELLeist);
        if (!(lighting <= kMaxFollowedLighting_Wm2)) return std::nullopt;
        return ClampedPosition(lighting, bar);
    }
    }
    return std::nullopt;
}

// --- Captions ---------------------------------------------------------------------------------------

namespace {

std::string Joined(const AppContext& ctx, Cap first, std::string_view join, Cap second) {
    return ctx.captions[first] + std::string(join) + ctx.captions[second];
}

} // namespace

std::string OpenProjectCaption(const AppContext& ctx) {
    return Joined(ctx, Cap::MenuOpenProjectVerb, JoinsFor(ctx.languageCode).openProject, Cap::ProjectWord);
}

std::string EvaporatorDesignCaption(const AppContext& ctx) {
    return Joined(ctx, Cap::EvaporatorWord, JoinsFor(ctx.languageCode).evaporatorDesign, Cap::DesignWord);
}

std::string SaveRoomCaption(const AppContext& ctx) {
    return ctx.captions[Cap::SaveRoomCaption] + std::string(JoinsFor(ctx.languageCode).saveRoomSuffix);
}

std::string RestoreRoomCaption(const AppContext& ctx) {
    return ctx.captions[Cap::RestoreRoomCaption] + std::string(JoinsFor(ctx.languageCode).restoreRoomSuffix);
}

std::string RestoreRoomMenuCaption(const AppContext& ctx) {
    const std::string_view menu = JoinsFor(ctx.languageCode).restoreRoomMenu;
    return menu.empty() ? ctx.captions[Cap::RestoreRoomCaption] : std::string(menu);
}

std::string EvaporatorCountCaption(const AppContext& ctx) {
    const std::string_view prefix = JoinsFor(ctx.languageCode).countPrefix;
    return prefix.empty() ? ctx.captions[Cap::EvaporatorCountLabel]
                          : std::string(prefix) + ctx.captions[Cap::EvaporatorWord];
}

std::string GoodsGridHeader(const AppContext& ctx, int column) {
    const CaptionTable& cap = ctx.captions;
    const std::string temperatureUnit = " /[" + cap.units.temperature + "]";
    switch (column) {
    case kGoodsName:
        return cap[Cap::ProductWord];
    case kGoodsAmount:
        return cap[Cap::AmountWord] + " /[kg/" + cap[Cap::DayWord] + "]";
    case kGoodsEntryTemp:
        return cap[Cap::EntryTemperatureOfWord] + " " + cap[Cap::ProductWord] + temperatureUnit;
    case kGoodsEndTemp:
        return cap[Cap::EndTemperatureOfWord] + " " + cap[Cap::ProductWord] + temperatureUnit;
    case kGoodsStorageTemp:
        return cap[Cap::StorageWord] + " " + cap[Cap::TemperatureWord] + temperatureUnit;
    case kGoodsStorageHumidity:
        return cap[Cap::StorageWord] + " " + cap[Cap::HumidityWord] + " /[%]";
    default:
        return {};
    }
}

// --- Controller ---------------------------------------------------------------------------------------

namespace {

bool OpenRequestedProject(AppContext& ctx, const std::string& projectFile) {
    if (!OpenStartupProject(ctx, projectFile)) return false;
    const auto slash = projectFile.find_last_of("/\\");
    if (slash != std::string::npos) ctx.projectDir = projectFile.substr(0, slash + 1);
    return true;
}

} // namespace

RoomController::RoomController(AppContext& ctx)
    : openProjectFile(OpenRequestedProject), readGoodsList(ReadGoodsList), m_ctx(ctx) {}

// --- Field input ----------------------------------------------------------------------------------

bool RoomController::fieldEdited(RoomField field) {
    if (m_syncing) return false;
    return OnCoupledFieldChanged(m_room, field, m_sharedDeltaT_K);
}

Messages RoomController::commitField(RoomField field) {
    if (IsFreeTextField(field)) return {};
    // A lone decimal comma is written back into the field as a period.
    const double value = NormalizeAndReadNumber(FieldText(m_room, field));
    Messages messages;
    if (field == RoomField::Abtau) m_room.defrostFlag = value > 0.0 ? 1 : 0;
    if (field == RoomField::RaumTemp) OnRoomTemperatureCommitted(m_room);
    if (field == RoomField::NBegeh) {
        const RoomAirChange change = UpdateRoomAirChange(m_room, m_dayBasis_h);
        if (change.computed) m_labels.Label40 = DisplayText(change.flow_m3h);
    }
    if (IsDoorField(field)) Append(messages, computeDoor(m_airCurtain));
    Append(messages, recalculate(kRecalcShow));
    return messages;
}

Messages RoomController::scrollBarMoved(RoomScrollBar bar, int position) {
    switch (bar) {
    case RoomScrollBar::HScroll1:
        m_room.AussenTemp = DisplayText(position - kOutsideTemperatureOffset_K);
        break;
    case RoomScrollBar::HScroll2:
        m_room.AussenFeuchte = DisplayText(position);
        break;
    case RoomScrollBar::HScroll3:
        m_room.RaumLW = DisplayText(position / kAirChangeScrollSteps);
        updateAirFlowLabel();
        break;
    case RoomScrollBar::HScroll4:
        m_room.PersZahl = DisplayText(position);
        break;
    case RoomScrollBar::HScroll5: {
        m_room.NBegeh = DisplayText(position);
        const RoomAirChange change = UpdateRoomAirChange(m_room, m_dayBasis_h);
        if (change.computed) m_labels.Label40 = DisplayText(change.flow_m3h);
        break;
    }
    case RoomScrollBar::HScroll6:
        m_room.ELLeist = DisplayText(position);
        break;
    }
    return recalculate(kRecalcShow);
}

Messages RoomController::goodsCellEdited(int row, int column, const std::string& text) {
    if (row < 1 || row > kGoodsGridRows || column < 1 || column >= kGoodsGridColumns) return {};
    m_room.goods[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    return recalculate(kRecalcShow);
}

Messages RoomController::setOperatingBasis(int basis) {
    m_room.operatingBasis = basis == 1 ? 1 : 0;
    return recalculate(kRecalcShow);
}

std::string OperatingTimeUnit(const AppContext& ctx, int basis) {
    return basis == 1 ? std::string(" h") : "h/" + ctx.captions[Cap::DayWord];
}

std::string RoomController::operatingTimeUnit() const {
    return OperatingTimeUnit(m_ctx, m_room.operatingBasis);
}

// --- Calculation ------------------------------------------------------------------------------------

Messages RoomController::recalculate(int mode) {
    m_syncing = true;
    SyncBeforeCalculation(m_room, m_sharedDeltaT_K);
    RecalcResult result = Recalc(m_room, m_envelope, m_ctx, parsedGoods());
    m_syncing = false;
    m_dayBasis_h = result.D_h;
    m_roomHeight_m = result.H_m;
    Messages messages = result.messages;
    if (result.stopped) {
        // The derived dimensions are shown before the room temperature check; the rest stays as it was.
        m_result.Vol = result.Vol;
        m_result.Area = result.Area;
        m_result.Umfang = result.Umfang;
        m_result.Label51 = result.Label51;
        m_result.Label68 = result.Label68;
        m_result.stopped = true; // the loads kept are those of an earlier room: no result to show or print
        return messages;
    }
    // A foreign defrost flag sizes nothing: the defrost power of the last sizing stays.
    if (result.defrostSizing != DefrostSizing::AsGiven) m_defrostPower_kW = result.defrostPower_kW;
    // Numbers made from an impossible input are shown, never saved as a result.
    if (mode == kRecalcWriteResultFiles && result.trusted())
        result.resultFilesWritten = WriteResultFiles(result, m_room, m_ctx);
    m_result = std::move(result);
    return messages;
}

// A committed room field leaves the goods as they were: they are parsed again only when a counted row's
// text differs from the texts of the last parse.
const GoodsInputs& RoomController::parsedGoods() {
    const auto first = m_room.goods.begin() + 1;
    const auto last = first + kGoodsRowsCounted;
    if (!m_goodsParsed || !std::equal(first, last, m_goodsParsedFrom.begin() + 1)) {
        m_goods = ParseGoods(m_room);
        std::copy(first, last, m_goodsParsedFrom.begin() + 1);
        m_goodsParsed = true;
    }
    return m_goods;
}

void RoomController::updateAirFlowLabel() {
    const double V =
        m_result.V_m3 > 0.0 ? m_result.V_m3 : Value(m_room.RaumL) * Value(m_room.RaumB) * Value(m_room.RaumH);
    m_labels.Label40 = DisplayText(TruncateDecimals(V * Value(m_room.RaumLW), 1));
}

// --- Door panel -------------------------------------------------------------------------------------

Messages RoomController::computeDoor(bool airCurtain) {
    m_airCurtain = airCurtain;
    const DoorInfiltration door =
        ComputeDoorInfiltration(m_room, Value(m_result.Vol), m_dayBasis_h, airCurtain, m_ctx);
    if (door.message) return {*door.message};
    m_labels.Label53 = door.Label53;
    if (door.computed) m_labels.Label67 = door.Label67;
    return {};
}

Messages RoomController::acceptDoor() {
    m_room.LWTuer = m_room.LWergeb;
    return recalculate(kRecalcShow);
}

// --- Room file and commands ---------------------------------------------------------------------------

void RoomController::rereadEnvelope() {
    m_envelope = ReadEnvelope(m_ctx, m_room.roomShape);
}

Messages RoomController::loadRoomQuiet(std::string_view name, bool* found) {
    const RoomLoad load = LoadRoomFile(m_ctx, name, m_room);
    if (found != nullptr) *found = load.found;
    // The record does not store the cooler difference: it follows the loaded temperature difference.
    m_room.tempDiffdt1.clear();
    FillCoolerTempDiff(m_room);
    m_ctx.roomShape = m_room.roomShape;
    rereadEnvelope();
    return FailureMessages(load.envelopeWrite);
}

Messages RoomController::loadRoom(std::string_view name, bool* found) {
    Messages messages = loadRoomQuiet(name, found);
    Append(messages, recalculate(kRecalcShow));
    updateAirFlowLabel();
    return messages;
}

WriteStatus RoomController::saveRoom(std::string_view name) const {
    return SaveRoomFile(m_ctx, name, m_room);
}

Messages RoomController::deleteEvaporator() {
    m_room.VerdNam.clear();
    m_room.PlueftPN.clear();
    m_room.defrostFlag = 0; // the heater is sized from the frost again
    Messages messages = recalculate(kRecalcShow);
    const std::string blocked = DeleteDataFile(m_ctx, kEvaporatorSelectionFile);
    if (!blocked.empty()) messages.push_back({MessageKind::Critical, m_ctx.captions[Cap::MsgTitle], blocked});
    return messages;
}

// --- Activation and exit ---------------------------------------------------------------------------------

RoomController::Activation RoomController::activate() {
    Activation activation;
    if (m_ctx.activationState == ActivationState::DialogChangedData) {
        if (readGoodsList) readGoodsList(m_ctx, m_room.goods);
        rereadEnvelope();
        // The floor-plan dialog holds the room height of a drawn room.
        m_room.RaumH = DisplayText(m_roomHeight_m);
        activation.messages = recalculate(kRecalcShow);
        activation.reread = true;
        m_ctx.activationState = ActivationState::Active;
        return activation;
    }
    if (m_ctx.activationState != ActivationState::NeverActivated) {
        m_ctx.activationState = ActivationState::Active;
        return activation;
    }

    activation.firstActivation = true;
    m_ctx.activationState = ActivationState::Active;
    HandoverRequest request = ReadHandoverRequest(m_ctx);
    const std::string refused =
        request.isProjectRequest() ? "" : RefuseHandoverRoomFile(m_ctx, request.roomFileName());
    if (!refused.empty()) request = HandoverRequest{};
    Messages loadFailures;
    if (!request.isRequest()) {
        m_ctx.roomFileName = kDefaultRoomFile;
        loadFailures = loadRoomQuiet(kDefaultRoomFile, nullptr);
    } else if (!request.isProjectRequest()) {
        m_ctx.roomFileName = request.roomFileName();
        loadFailures = loadRoomQuiet(m_ctx.roomFileName, nullptr);
        KeepHandoverItems(m_ctx, request);
        const double t0 = Value(request.evaporatingTemperature());
        const double dT = Value(request.temperatureDifference());
        m_room.tempdiff = request.temperatureDifference();
        m_room.tempDiffdt1.clear();
        FillCoolerTempDiff(m_room);
        // The handed-over difference is a change of `tempdiff`: the room humidity follows it.
        OnTempDiffChanged(m_room, m_sharedDeltaT_K);
        m_room.RaumTemp = DisplayText(t0 + dT);
        m_room.verdTemp = request.evaporatingTemperature();
        m_room.proj = request.projectName();
        m_room.projbeschr = request.projectDescription();
        activation.windowTitle = m_ctx.captions[Cap::TitleProjectWord] + " " + m_room.proj + " : " +
                                 m_ctx.captions[Cap::TitleRoomWord] + " " + request.titlePrefix();
    } else {
        m_ctx.projectFileName = request.projectFile;
        m_ctx.roomFileName = kDefaultRoomFile;
        if (openProjectFile) openProjectFile(m_ctx, request.projectFile);
        loadFailures = loadRoomQuiet(kDefaultRoomFile, nullptr);
    }
    const WriteStatus cleared = ClearHandoverRequest(m_ctx);
    activation.messages = recalculate(kRecalcShow);
    Append(activation.messages, loadFailures);
    if (!refused.empty()) activation.messages.push_back({MessageKind::Exclamation, "", refused});
    for (Message& m : FailureMessages(cleared))
        activation.messages.push_back(std::move(m));
    updateAirFlowLabel();
    activation.reread = true;
    return activation;
}

void RoomController::takeProjectTexts() {
    m_ctx.projectName = m_room.proj;
    m_ctx.projectDescription = m_room.projbeschr;
}

Messages RoomController::exit(bool save) {
    Messages failures = save ? FailureMessages(saveRoom(m_ctx.roomFileName)) : Messages{};
    // The calling program gets the project texts as they stand in `proj` and `projbeschr`.
    takeProjectTexts();
    for (Message& m :
         FailureMessages(WriteHandoverAtExit(m_ctx, {m_room.verdTemp, m_result.RaumLeist, m_room.tempdiff})))
        failures.push_back(std::move(m));
    m_ctx.activationState = ActivationState::NeverActivated;
    return failures;
}

} // namespace veskaro
