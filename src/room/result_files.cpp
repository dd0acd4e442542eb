// The result record of a load calculation as report lines. Markup read by the result window:
// "§$&" label/value, "&%!" table cell, "RaumBild" ... "RaumBEnde" room picture block, "VDBild" evaporator
// block; an item holding only CR is an empty line.

#include "room/result_files.h"

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "room/load_calc.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

const std::string kMargin(8, ' ');
const std::string kRule(145, '-');
constexpr const char* kCr = "\r";
constexpr const char* kValueMark = "§$&";
constexpr const char* kCell = "&%!";
constexpr const char* kRoomPicture = "RaumBild";
constexpr const char* kRoomPictureEnd = "RaumBEnde";
constexpr const char* kEvaporatorBlock = "VDBild";
constexpr int kEnvelopeHeaderIndent = 21;
constexpr int kGoodsHeaderIndent = 11;
constexpr std::size_t kDesignationChars = 14;

std::string Num(double value) {
    return DisplayText(value);
}
// Int(x·f)/f in display form
std::string Cut(double value, double f) {
    return DisplayText(IntFloor(value * f) / f);
}

class ReportBuilder {
  public:
    explicit ReportBuilder(const AppContext& ctx) : m_ctx(ctx) {}

    const std::string& cap(Cap slot) const { return m_ctx.captions[slot]; }

    void empty() { m_lines.emplace_back(kCr); }
    void text(const std::string& t) { m_lines.push_back(kMargin + t + kCr); }
    void bare(const std::string& t) { m_lines.push_back(t + kCr); }
    // Eight blanks, label, " :", "§$&", value, a blank and the unit, CR.
    void value(const std::string& label, const std::string& value, const std::string& unit) {
        m_lines.push_back(kMargin + label + m_ctx.labelSeparator + kValueMark + value + " " + unit + kCr);
    }
    // A component line: value in kW and its share of Q_0 in brackets.
    void component(const std::string& label, const LoadLine& line) {
        m_lines.push_back(kMargin + label + m_ctx.labelSeparator + kValueMark + Num(line.capacity_kW) + " " +
                          m_ctx.captions.units.power + "     [" + Num(line.share_pct) + " %]" + kCr);
    }
    // A table row: cells joined by "&%!", the two trailing blank cells, CR; then an empty line.
    void row(const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line += kCell;
            line += cells[i];
        }
        line += std::string(kCell) + "  " + kCell + "  " + kCr;
        m_lines.push_back(std::move(line));
        empty();
    }
    void rule() { m_lines.push_back(kMargin + kRule); }

    std::vector<std::string> take() { return std::move(m_lines); }

  private:
    const AppContext& m_ctx;
    std::vector<std::string> m_lines;
};

void SurfaceRow(ReportBuilder& b, const std::string& firstCell, const SurfaceFlow& s) {
    b.row({kMargin + firstCell, Cut(s.area_m2, 100.0), Num(s.U_Wm2K), Num(s.tBeyond_C), Cut(s.Q_W, 10.0)});
}

// The first `chars` characters of UTF-8 text, never cutting a character in two.
std::string Utf8Prefix(const std::string& text, std::size_t chars) {
    std::size_t at = 0;
    for (std::size_t n = 0; at < text.size() && n < chars; ++n) {
        do {
            ++at;
        } while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    }
    return text.substr(0, at);
}

// Average heat flow over the day basis, W, of a goods heat in kWh per day, cut to 0.1 W.
std::string AverageWatts(double kWhPerDay, int D) {
    return Cut(kWhPerDay * 1000.0 / D, 10.0);
}

} // namespace

std::vector<std::string> BuildResultRecord(const LoadResult& r, const RoomRecord& room, AppContext& ctx) {
    ctx.labelSeparator = " :";
    ReportBuilder b(ctx);
    const UnitLabels& u = ctx.captions.units;
    const bool rectangular = r.roomShape == kRectangularRoom;

    // 1. Title of a room that is not the default room file.
    if (ctx.roomFileName != kDefaultRoomFile) {
        b.bare(b.cap(Cap::ReportRoomTitle) + " " + ctx.handover.titlePrefix);
        b.empty();
    }

    // 2.-5. The room picture block with the dimensions.
    // The room picture: the rectangle, or the outline of the drawn floor plan.
    b.text(kRoomPicture);
    b.empty();
    const std::string maxPrefix = rectangular ? "" : "Max. ";
    b.value(maxPrefix + b.cap(Cap::LengthWord), Num(r.L_m), u.length);
    b.empty();
    b.value(maxPrefix + b.cap(Cap::WidthWord), Num(r.B_m), u.length);
    b.empty();
    b.value(b.cap(Cap::HeightWord), Cut(r.H_m, 1000.0), u.length);
    b.empty();
    b.value(b.cap(Cap::VolumeWord), Cut(r.V_m3, 1000.0), "m³");
    b.empty();
    b.value(b.cap(Cap::FloorAreaWord), Cut(r.A_m2, 1000.0), "m²");
    b.empty();
    b.value(b.cap(Cap::PerimeterWord), Cut(r.P_m, 1000.0), u.length);
    b.empty();
    b.text(kRoomPictureEnd);
    b.empty();
    b.empty();

    // 6. Air states.
    b.value(b.cap(Cap::OutsideTemperatureLabel), Num(NumFromText(room.AussenTemp)), u.temperature);
    b.value(b.cap(Cap::OutsideHumidityLabel), Num(NumFromText(room.AussenFeuchte)), "%");
    b.value(b.cap(Cap::RoomTemperatureLabel), Num(NumFromText(room.RaumTemp)), u.temperature);
    b.value(b.cap(Cap::RoomHumidityLabel), Num(NumFromText(room.RaumFeuchte)), "%");

    // 7. Operation and internal loads.
    b.text(b.cap(Cap::OperatingTimeLabel));
    b.value(b.cap(room.operatingBasis == 1 ? Cap::ShockFreezingLabel : Cap::DailyOperationLabel),
            Num(r.tRun_h), "h");
    b.value(b.cap(Cap::AirChangeRateLabel), Num(NumFromText(room.RaumLW) + NumFromText(room.LWTuer)), "/h");
    b.value(b.cap(Cap::MoistureEntryLabel), Num(r.moisture_gh / 1000.0), "kg/h");
    b.value(b.cap(Cap::PersonsPresenceLabel), Num(NumFromText(room.PersZahl)), "h/" + b.cap(Cap::DayWord));
    b.value("el. " + b.cap(Cap::LightingLabel), Num(NumFromText(room.ELLeist)), "W/m²");

    // 8. Required capacity, 9. its components.
    b.value(b.cap(Cap::RequiredCapacityLabel), Cut(r.Q0_kW, 1000.0), u.power);
    b.component(b.cap(Cap::GoodsLoadLabel), r.goods);
    b.component("el. " + b.cap(Cap::LightingElectricalLabel), r.electrical);
    b.component(b.cap(Cap::AirChangeLoadLabel), r.airChange);
    b.component("   - " + b.cap(Cap::LatentPartLabel), r.latent);
    b.component("   - " + b.cap(Cap::SensiblePartLabel), r.sensible);
    b.component(b.cap(Cap::TransmissionLabel), r.transmission);
    b.component(b.cap(Cap::PersonsLoadLabel), r.persons);
    b.component(" el. " + b.cap(Cap::FanPowerLabel), r.fans);
    b.component(b.cap(Cap::DefrostHeatLabel), r.defrost);

    // 10. Evaporators.
    b.value(b.cap(Cap::EvaporatorCountLabel), Num(r.nEvap) + " x", "");
    b.text(kEvaporatorBlock);
    b.value(b.cap(Cap::EvaporatingTemperatureLabel), Num(NumFromText(room.verdTemp)), u.temperature);
    b.value(b.cap(Cap::TemperatureDifferenceLabel),
            "dtM =" + Num(NumFromText(room.tempdiff)) + " K  /  dt1 =" + Num(NumFromText(room.tempDiffdt1)),
            "K");
    return b.take();
}

std::vector<std::string> BuildResultTables(const LoadResult& r, const RoomRecord& /*room*/,
                                           const AppContext& ctx) {
    ReportBuilder b(ctx);
    const UnitLabels& u = ctx.captions.units;
    const std::string day = b.cap(Cap::DayWord);

    // 1. Envelope table heading.
    const std::string indent = kMargin + std::string(kEnvelopeHeaderIndent, ' ');
    b.row({indent, b.cap(Cap::AreaHeader), b.cap(Cap::UValueHeader), b.cap(Cap::TemperatureHeader),
           b.cap(Cap::HeatFlowHeader)});
    b.row({indent, std::string(7, ' '), b.cap(Cap::UValueSubHeader), b.cap(Cap::TemperatureSubHeader),
           b.cap(Cap::HeatFlowSubHeader)});
    b.row({indent, "[m²]  ", "[W/m²K]", "[" + u.temperature + "]", "[W]"});
    b.rule();

    // 2.-3. Walls, floor, ceiling.
    for (std::size_t k = 0; k < r.walls.size(); ++k) {
        // A floor-plan wall also carries its designation from the wall table, cut to fit the first cell.
        const std::string name = Utf8Prefix(r.walls[k].designation, kDesignationChars);
        SurfaceRow(b,
                   b.cap(Cap::WallWord) + Num(static_cast<double>(k + 1)) + (name.empty() ? "" : " " + name),
                   r.walls[k]);
    }
    SurfaceRow(b, b.cap(Cap::FloorWord), r.floor);
    SurfaceRow(b, b.cap(Cap::CeilingWord), r.ceiling);
    b.rule();

    // 4.-5. Goods property table, then goods heat-flow table. The property table's last cell is the row's
    // whole goods heat and every heat-flow cell one of its parts, each as the average over the day basis
    // in W: Q (kWh/day)·1000/D, cut to 0.1 W.
    const std::string goodsIndent = kMargin + std::string(kGoodsHeaderIndent, ' ');
    const auto firstCell = [&](const GoodsHeat& g) { return kMargin + g.name + Num(g.m_kgday) + " kg "; };

    b.empty();
    b.rule();
    b.row({goodsIndent, b.cap(Cap::PropEntryHead1), b.cap(Cap::PropCpAboveHead1),
           b.cap(Cap::PropCpBelowHead1), b.cap(Cap::PropLatentHead1), b.cap(Cap::PropHeatHead1)});
    b.row({goodsIndent, b.cap(Cap::PropEntryHead2), b.cap(Cap::PropCpAboveHead2),
           b.cap(Cap::PropCpBelowHead2), b.cap(Cap::PropLatentHead2), b.cap(Cap::PropHeatHead2)});
    b.row({goodsIndent + "[/" + day + "]", "[" + u.temperature + "]  ", " /[kJ/kg K]", " /[kJ/kg K]",
           " /[kJ/kg]", "[W]"});
    for (const GoodsHeat& g : r.goodsRows) {
        b.row({firstCell(g), Num(g.tIn_C), Num(g.cpAbove_kJkgK), Num(g.cpBelow_kJkgK), Num(g.latent_kJkg),
               AverageWatts(g.total_kWhday(), r.D_h)});
    }

    b.empty();
    b.rule();
    b.row({goodsIndent, b.cap(Cap::FlowSensibleAboveHead1), b.cap(Cap::FlowSensibleBelowHead1),
           b.cap(Cap::FlowFreezingHead1), b.cap(Cap::FlowRespirationHead1), b.cap(Cap::FlowTotalHead1)});
    b.row({goodsIndent, b.cap(Cap::FlowSensibleAboveHead2), b.cap(Cap::FlowSensibleBelowHead2),
           b.cap(Cap::FlowFreezingHead2), b.cap(Cap::FlowRespirationHead2), b.cap(Cap::FlowTotalHead2)});
    b.row({goodsIndent + "[/" + day + "]", " /[W]", " /[W]", " /[W]", "[W]", "[W]"});
    for (const GoodsHeat& g : r.goodsRows) {
        b.row({firstCell(g), AverageWatts(g.Q1_kWhday, r.D_h), AverageWatts(g.Q2_kWhday, r.D_h),
               AverageWatts(g.Q3_kWhday, r.D_h), AverageWatts(g.Q4_kWhday, r.D_h),
               AverageWatts(g.total_kWhday(), r.D_h)});
    }

    // 6. Closing rule.
    b.rule();
    return b.take();
}

bool SaveReportLines(const AppContext& ctx, const std::string& name, const std::vector<std::string>& lines) {
    RecordWriter out;
    for (const std::string& line : lines)
        out.line(line);
    return SaveOutput(ctx, name, out).ok;
}

bool WriteResultFiles(const LoadResult& r, const RoomRecord& room, AppContext& ctx) {
    RecordWriter first, second;
    for (const std::string& line : BuildResultRecord(r, room, ctx))
        first.line(line);
    for (const std::string& line : BuildResultTables(r, room, ctx))
        second.line(line);
    // Both pages are replaced together: a reader never sees a new first page beside an old second one.
    return SaveOutputPair(ctx, kResultFileName, first, kResultTablesFileName, second).ok;
}

} // namespace veskaro
