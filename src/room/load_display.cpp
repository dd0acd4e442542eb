// The window's texts of a load calculation: dimensions, capacity, the rewritten defrost fields and the
// messages composed from the captions.

#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"
#include "room/load_calc.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

// Int(x·f)/f
double Cut(double x, double f) {
    return IntFloor(x * f) / f;
}

std::string CaptionPair(const AppContext& ctx, Cap first, Cap second) {
    return ctx.captions[first] + " " + ctx.captions[second];
}

Message NoteMessage(const LoadNote& note, const AppContext& ctx) {
    const std::string roomT = CaptionPair(ctx, Cap::RoomWord, Cap::TemperatureWord);
    if (note.kind == LoadNoteKind::RoomTooCold)
        return {MessageKind::Exclamation, ctx.captions[Cap::MsgTitle], roomT + " < -50°C!"};
    const std::string goodsT = CaptionPair(ctx, Cap::GoodsWord, Cap::EndTemperatureWord);
    const std::string& cr = ctx.lineBreak;
    return {MessageKind::Plain, ctx.captions[Cap::MsgTitle],
            goodsT + " = " + DisplayText(note.tGoodsEnd_C) + "°C" + cr + roomT + " = " +
                DisplayText(note.tRoom_C) + "°C" + cr + cr + goodsT + " < " + roomT + "!"};
}

// Vol, Area and Umfang, cut by the factor of the volume (rectangle) or of the perimeter (floor plan).
void DimensionTexts(const LoadResult& r, RoomDisplay& d) {
    if (r.roomShape == kRectangularRoom) {
        const double f = DimensionRoundingFactor(r.V_m3);
        d.Vol = DisplayText(Cut(r.V_m3, f));
        d.Area = DisplayText(Cut(r.L_m * r.B_m, 10.0 * f));
        d.Umfang = DisplayText(Cut(2.0 * (r.L_m + r.B_m), 10.0 * f));
        return;
    }
    d.Umfang = DisplayText(r.P_m);
    d.Area = DisplayText(Cut(r.A_m2, DimensionRoundingFactor(r.P_m)));
    d.Vol = DisplayText(r.V_m3);
}

// RaumLeist: three decimals, two above 10 kW, one above 100 kW.
std::string CapacityText(double Q0_kW) {
    double g = 1000.0;
    if (Q0_kW > 10.0) g = 100.0;
    if (Q0_kW > 100.0) g = 10.0;
    return DisplayText(IntFloor(Q0_kW * g) / g);
}

void DefrostTexts(const LoadResult& r, RoomDisplay& d) {
    switch (r.defrostSizing) {
    case DefrostSizing::None:
        d.Abtau = " --";
        d.AbtauAnt = " --";
        break;
    case DefrostSizing::HeaterFromMoisture:
        d.Abtau = DisplayText(r.heater_W);
        d.AbtauAnt = DisplayText(r.defrostShare_pct);
        break;
    case DefrostSizing::ShareFromHeater:
        d.AbtauAnt = DisplayText(r.defrostShare_pct);
        break;
    case DefrostSizing::AsGiven:
        break;
    }
}

// The calculation reads each field with the window's number reader, which writes a lone decimal comma back
// as a period ("12,5" -> "12.5"): the fields it read, in the order it read them.
void NormalizeReadFields(RoomRecord& room, const RoomInputs& in, const LoadResult& r) {
    for (std::string* text :
         {&room.Laufzeit, &room.RaumL, &room.RaumB, &room.RaumH, &room.AnzVerd, &room.RaumTemp})
        NormalizeAndReadNumber(*text);
    if (r.stopped) return;
    for (std::string* text : {&room.AussenTemp, &room.RaumFeuchte, &room.AussenFeuchte})
        NormalizeAndReadNumber(*text);
    if (in.phiRoom_pct != 0.0 && in.phiOut_pct != 0.0) {
        NormalizeAndReadNumber(room.RaumLW);
        NormalizeAndReadNumber(room.LWTuer);
    }
    for (std::string* text :
         {&room.verdTemp, &room.Abtau, &room.PersZahl, &room.ELLeist, &room.Eltotal, &room.PlueftPN})
        NormalizeAndReadNumber(*text);
    if (r.defrostSizing == DefrostSizing::AsGiven && r.heater_W > 0.0) NormalizeAndReadNumber(room.AbtauAnt);
}

} // namespace

RoomDisplay PresentLoads(const LoadResult& r, const AppContext& ctx) {
    RoomDisplay d;
    if (r.runTimeDefaulted) d.Laufzeit = "18";
    d.Label51 = DisplayText(r.nEvap) + " x";
    d.Label68 = d.Label51;
    DimensionTexts(r, d);
    for (const LoadNote& note : r.notes)
        d.messages.push_back(NoteMessage(note, ctx));
    if (r.stopped) return d;
    DefrostTexts(r, d);
    d.RaumLeist = CapacityText(r.Q0_kW);
    return d;
}

void ApplyRewrittenFields(RoomRecord& room, const RoomDisplay& display) {
    if (display.Laufzeit) room.Laufzeit = *display.Laufzeit;
    if (display.Abtau) room.Abtau = *display.Abtau;
    if (display.AbtauAnt) room.AbtauAnt = *display.AbtauAnt;
}

RecalcResult Recalc(RoomRecord& room, const Envelope& env, const AppContext& ctx) {
    return Recalc(room, env, ctx, ParseGoods(room));
}

RecalcResult Recalc(RoomRecord& room, const Envelope& env, const AppContext& ctx, const GoodsInputs& goods) {
    RecalcResult result;
    const RoomInputs inputs = ParseRoomFields(room);
    static_cast<LoadResult&>(result) = ComputeLoads(inputs, env, goods);
    static_cast<RoomDisplay&>(result) = PresentLoads(result, ctx);
    NormalizeReadFields(room, inputs, result);
    ApplyRewrittenFields(room, result);
    return result;
}

} // namespace veskaro
