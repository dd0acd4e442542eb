// Stage one of the load calculation: the room record's texts read once into typed inputs in SI units,
// with the defaults of the calculation applied and every value outside its physical range flagged.

#include <algorithm>
#include <string>

#include "app/app_context.h"
#include "app/number_text.h"
#include "room/load_calc.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

constexpr double kDefaultRunTime_h = 18.0; // operating time when none is given: two shifts and a half
constexpr double kHoursPerDay = 24.0;
constexpr int kMaxShort = 32767; // day basis and evaporator count are 16-bit integers

// A 16-bit integer from a double already passed through Int(), clamped to the range of the field.
int ShortFromWhole(double whole) {
    return static_cast<int>(std::clamp(whole, -32768.0, double(kMaxShort)));
}

double Num(const std::string& text) {
    return NumFromText(std::string_view(text));
}

// --- Stage 1: parsing ---------------------------------------------------------------------------------

// Operating time (<= 0 becomes 18 h) and the day basis: 24 h, in shock operation the operating time.
void ParseOperation(const RoomRecord& room, double laufzeit_h, RoomInputs& in) {
    in.shockOperation = room.operatingBasis == 1;
    in.tRun_h = laufzeit_h;
    if (in.tRun_h <= 0.0) {
        in.tRun_h = kDefaultRunTime_h;
        in.runTimeDefaulted = true;
    }
    in.D_h = static_cast<int>(kHoursPerDay);
    // A shock period shorter than one hour counts as one hour (the day basis divides the goods heat).
    if (in.shockOperation) in.D_h = std::max(1, ShortFromWhole(IntFloor(in.tRun_h)));
}

GoodsInput ParseGoodsRow(const GoodsRow& cells, int row) {
    GoodsInput g;
    g.row = row;
    g.name = cells[kGoodsName];
    g.m_kgday = Num(cells[kGoodsAmount]);
    g.tIn_C = Num(cells[kGoodsEntryTemp]);
    g.tEnd_C = Num(cells[kGoodsEndTemp]);
    g.tFreeze_C = Num(cells[kGoodsFreezingTemp]);
    g.cpAbove_kJkgK = Num(cells[kGoodsCpAbove]);
    g.cpBelow_kJkgK = Num(cells[kGoodsCpBelow]);
    g.latent_kJkg = Num(cells[kGoodsLatentHeat]);
    g.respiration_kJkgday = Num(cells[kGoodsRespiration]);
    return g;
}

// The range of every cell of a counted row, from the numbers already read (the storage columns, which the
// calculation does not use, are read here).
void CheckGoodsRow(const GoodsInput& g, const GoodsRow& cells, RangeWarnings& warnings) {
    const std::pair<int, double> cellValues[] = {
        {kGoodsAmount, g.m_kgday},
        {kGoodsEntryTemp, g.tIn_C},
        {kGoodsEndTemp, g.tEnd_C},
        {kGoodsStorageTemp, Num(cells[kGoodsStorageTemp])},
        {kGoodsStorageHumidity, Num(cells[kGoodsStorageHumidity])},
        {kGoodsFreezingTemp, g.tFreeze_C},
        {kGoodsCpAbove, g.cpAbove_kJkgK},
        {kGoodsCpBelow, g.cpBelow_kJkgK},
        {kGoodsLatentHeat, g.latent_kJkg},
        {kGoodsRespiration, g.respiration_kJkgday},
    };
    for (const auto& [column, value] : cellValues)
        CheckGoodsCell(g.row, column, value, warnings);
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// Fields the calculation writes itself are results, not inputs: below 0 °C evaporating temperature the
// defrost step sizes the time share (and, without a heater power given, the heater power), and above it
// both show " --". A value left there by an earlier, absurd room must not make the next room doubtful.
// The door panel's computed rate and the cooler's inlet difference are not read by the calculation.
void DropSizedFieldWarnings(RoomInputs& in) {
    const bool defrostSized = in.tEvap_C >= 0.0 || in.defrostFlag == 0 || in.defrostFlag == 1;
    const bool heaterSized = in.tEvap_C >= 0.0 || in.defrostFlag == 0;
    std::erase_if(in.warnings, [&](const RangeWarning& w) {
        if (!w.field) return false;
        switch (*w.field) {
        case RoomField::AbtauAnt:
            return defrostSized;
        case RoomField::Abtau:
            return heaterSized;
        case RoomField::LWergeb:
        case RoomField::tempDiffdt1:
            return true;
        default:
            return false;
        }
    });
}

} // namespace

RoomInputs ParseRoomFields(const RoomRecord& room) {
    const RoomFieldValues v = ReadRoomFieldValues(room);
    const auto value = [&v](RoomField field) { return v[static_cast<std::size_t>(field)]; };
    RoomInputs in;
    ParseOperation(room, value(RoomField::Laufzeit), in);
    in.L_m = value(RoomField::RaumL);
    in.B_m = value(RoomField::RaumB);
    in.H_m = value(RoomField::RaumH);
    // Fewer than one evaporator (0, or a negative or fractional count) is one evaporator.
    in.nEvap = std::max(1, ShortFromWhole(IntFloor(value(RoomField::AnzVerd))));
    in.roomShape = room.roomShape;
    in.tRoom_C = value(RoomField::RaumTemp);
    in.tOut_C = value(RoomField::AussenTemp);
    in.phiRoom_pct = value(RoomField::RaumFeuchte);
    in.phiOut_pct = value(RoomField::AussenFeuchte);
    in.nRoom_perh = value(RoomField::RaumLW);
    in.nDoor_perh = value(RoomField::LWTuer);
    in.tEvap_C = value(RoomField::verdTemp);
    in.defrostFlag = room.defrostFlag;
    in.heaterGiven_W = value(RoomField::Abtau);
    in.defrostShare_pct = value(RoomField::AbtauAnt);
    in.personHours = value(RoomField::PersZahl);
    in.lighting_Wm2 = value(RoomField::ELLeist);
    in.electrical_W = value(RoomField::Eltotal);
    in.fanPower_W = value(RoomField::PlueftPN);
    in.warnings = CheckRoomRanges(v);
    DropSizedFieldWarnings(in);
    return in;
}

// Goods grid rows 1 to 20 with a quantity (" -" and empty cells read as 0). A row whose end temperature is
// still blank is being typed: it is left out until it is complete, and checked like any incomplete row.
GoodsInputs ParseGoods(const RoomRecord& room) {
    GoodsInputs goods;
    goods.rows.reserve(kGoodsRowsCounted);
    for (int row = 1; row <= kGoodsRowsCounted; ++row) {
        const GoodsRow& cells = room.goods[row];
        if (Num(cells[kGoodsAmount]) == 0.0) continue;
        if (IsBlank(cells[kGoodsEndTemp])) {
            goods.checked.emplace_back(row, ReadGoodsRowValues(cells));
            continue;
        }
        const GoodsInput& g = goods.rows.emplace_back(ParseGoodsRow(cells, row));
        CheckGoodsRow(g, cells, goods.warnings);
        goods.checked.emplace_back(
            row, ReadGoodsRowValues(cells, {g.m_kgday, g.tIn_C, g.tEnd_C, g.tFreeze_C, g.cpAbove_kJkgK,
                                            g.cpBelow_kJkgK, g.latent_kJkg}));
    }
    return goods;
}

RoomInputs ParseRoom(const RoomRecord& room) {
    RoomInputs in = ParseRoomFields(room);
    in.goods = ParseGoods(room);
    return in;
}

} // namespace veskaro
