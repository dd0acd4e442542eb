// The headless command line: the load of a room record or project file, as text or JSON.

#include "main/cli.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "app/json_writer.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "main/batch_command.h"
#include "main/room_command.h"
#include "room/load_calc.h"
#include "room/result_files.h"
#include "room/room_fields.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

const char* KindName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return "information";
    case MessageKind::Exclamation:
        return "exclamation";
    case MessageKind::Critical:
        return "critical";
    case MessageKind::Question:
        return "question";
    case MessageKind::Plain:
        return "plain";
    }
    return "plain";
}

// The results of a calculation: every number (and number text) null when an input was out of range, so
// that no number made from an impossible input passes for a result.
class ResultJson {
  public:
    ResultJson(JsonWriter& j, bool trusted) : m_j(j), m_trusted(trusted) {}
    template <typename T> ResultJson& member(std::string_view name, const T& v) {
        if (m_trusted) {
            m_j.member(name, v);
        } else {
            m_j.key(name).null();
        }
        return *this;
    }
    ResultJson& key(std::string_view name) {
        m_j.key(name);
        return *this;
    }
    ResultJson& beginObject() {
        m_j.beginObject();
        return *this;
    }
    ResultJson& endObject() {
        m_j.endObject();
        return *this;
    }

  private:
    JsonWriter& m_j;
    bool m_trusted;
};

void WriteSurface(ResultJson& j, const SurfaceFlow& s) {
    j.beginObject()
        .member("designation", s.designation)
        .member("length", s.length_m)
        .member("area", s.area_m2)
        .member("U", s.U_Wm2K)
        .member("t_beyond", s.tBeyond_C)
        .member("Q_W", s.Q_W)
        .endObject();
}

void WriteLine(ResultJson& j, const char* name, const LoadLine& line) {
    j.key(name).beginObject().member("kW", line.capacity_kW).member("share", line.share_pct).endObject();
}

// Every room field as read, before the calculation rewrote any.
void WriteRoomAsRead(JsonWriter& j, const RoomRecord& asRead) {
    j.key("room").beginObject();
    for (const RoomTextItem& item : StoredRoomTextItems())
        j.member(item.name, asRead.*(item.text));
    j.member("defrostFlag", asRead.defrostFlag);
    j.member("roomShape", asRead.roomShape);
    j.member("operatingBasis", asRead.operatingBasis);
    j.key("goods").beginArray();
    for (int row = 1; row <= kGoodsRowsCounted; ++row) {
        const GoodsRow& cells = asRead.goods[row];
        bool any = false;
        for (int c = 1; c < kGoodsGridColumns; ++c)
            any = any || !cells[c].empty();
        if (!any) continue;
        j.beginObject().member("row", row).key("cells").beginArray();
        for (int c = 1; c < kGoodsGridColumns; ++c)
            j.value(cells[c]);
        j.endArray().endObject();
    }
    j.endArray();
    j.endObject();
}

} // namespace

std::string RoomJson(const std::string& source, const RoomRecord& asRead, const RoomRecord& room,
                     const RecalcResult& r, bool resultFilesWritten) {
    JsonWriter j;
    j.beginObject();
    j.member("source", source);

    WriteRoomAsRead(j, asRead);

    j.member("stopped", r.stopped).member("trusted", r.trusted());
    j.key("warnings").beginArray();
    for (const RangeWarning& w : r.warnings) {
        j.beginObject().member("field", w.name).member("value", w.value).member("min", w.min);
        j.member("max", w.max).member("text", w.text()).endObject();
    }
    j.endArray();
    ResultJson o(j, r.trusted());
    o.member("D", r.D_h).member("t_run", r.tRun_h);
    o.member("V", r.V_m3).member("A", r.A_m2).member("P", r.P_m).member("n_evap", r.nEvap);
    o.member("Vol", r.Vol).member("Area", r.Area).member("Umfang", r.Umfang);
    o.member("Label51", r.Label51).member("Label68", r.Label68);
    o.member("Laufzeit", room.Laufzeit);

    if (!r.stopped) {
        j.key("walls").beginArray();
        for (const SurfaceFlow& w : r.walls)
            WriteSurface(o, w);
        j.endArray();
        o.key("floor");
        WriteSurface(o, r.floor);
        o.key("ceiling");
        WriteSurface(o, r.ceiling);

        o.member("Q_T", r.QT_kW).member("Q_L", r.QL_kW).member("latent", r.latent_kW);
        o.member("sensible", r.sensible_kW).member("Q_P", r.QP_kW).member("Q_B", r.QB_kW);
        o.member("Q_E", r.QE_kW).member("Q_G", r.QG_kWhday).member("fan", r.fan_kW);
        o.member("defrost_heat", r.defrostHeat_kW);
        o.member("m_w", r.moisture_gh).member("defrost_power", r.defrostPower_kW);
        o.member("Abtau", room.Abtau).member("AbtauAnt", room.AbtauAnt);
        o.member("Q_0", r.Q0_kW).member("RaumLeist", r.RaumLeist);

        o.key("components").beginObject();
        WriteLine(o, "goods", r.goods);
        WriteLine(o, "lighting_electrical", r.electrical);
        WriteLine(o, "air_change", r.airChange);
        WriteLine(o, "latent", r.latent);
        WriteLine(o, "sensible", r.sensible);
        WriteLine(o, "transmission", r.transmission);
        WriteLine(o, "persons", r.persons);
        WriteLine(o, "fans", r.fans);
        WriteLine(o, "defrost", r.defrost);
        o.endObject();

        j.key("goods").beginArray();
        for (const GoodsHeat& g : r.goodsRows) {
            j.beginObject().member("row", g.row).member("name", g.name);
            o.member("m", g.m_kgday)
                .member("Q_1", g.Q1_kWhday)
                .member("Q_2", g.Q2_kWhday)
                .member("Q_3", g.Q3_kWhday)
                .member("Q_4", g.Q4_kWhday)
                .member("total", g.total_kWhday())
                .endObject();
        }
        j.endArray();
    }

    j.key("messages").beginArray();
    for (const Message& m : r.messages) {
        j.beginObject()
            .member("kind", KindName(m.kind))
            .member("title", m.title)
            .member("text", m.text)
            .endObject();
    }
    j.endArray();
    j.member("result_files_written", resultFilesWritten);
    j.endObject();
    return j.text() + "\n";
}

namespace {

// Display form without its leading blank.
std::string Shown(double value) {
    std::string text = DisplayText(value);
    return text.front() == ' ' ? text.substr(1) : text;
}

// A table cell: fixed decimals for ordinary magnitudes, exponent form (1.8e+305) for absurd ones.
std::string Fixed(double value, int decimals) {
    constexpr double kLargestFixed = 1e9;
    char buf[64];
    if (std::isfinite(value) && std::fabs(value) < kLargestFixed) {
        std::snprintf(buf, sizeof buf, "%*.*f", decimals + 8, decimals, value);
    } else {
        std::snprintf(buf, sizeof buf, "%*.2g", decimals + 8, value);
    }
    return buf;
}

} // namespace

std::string RoomText(const std::string& source, const RoomRecord& room, const RecalcResult& r,
                     bool resultFilesWritten) {
    std::string t;
    t += "Cooling load of " + source + "\n";
    if (!room.proj.empty() || !room.projbeschr.empty())
        t += "Project: " + room.proj + "  " + room.projbeschr + "\n";
    t += "Room: " +
         (r.roomShape == kRectangularRoom ? std::string("rectangular") : std::string("floor plan")) +
         ", V =" + r.Vol + " m³, A =" + r.Area + " m², P =" + r.Umfang + " m, H =" + DisplayText(r.H_m) +
         " m\n";
    const auto value = [](const std::string& text) { return Shown(NumFromText(text)); };
    t += "Air: room " + value(room.RaumTemp) + " °C / " + value(room.RaumFeuchte) + " %, outside " +
         value(room.AussenTemp) + " °C / " + value(room.AussenFeuchte) + " %\n";
    t += "Operating time " + Shown(r.tRun_h) + " h per day basis of " + std::to_string(r.D_h) + " h, " +
         std::to_string(r.nEvap) + " evaporator(s), evaporating temperature " + value(room.verdTemp) +
         " °C\n";
    if (!r.stopped) {
        t += "\n  Component                          kW     share %\n";
        const auto line = [&](const char* name, const LoadLine& l) {
            std::string label = name;
            label.resize(28, ' ');
            t += "  " + label + Fixed(l.capacity_kW, 3) + Fixed(l.share_pct, 2) + "\n";
        };
        line("Goods", r.goods);
        line("Lighting and electrical", r.electrical);
        line("Air change", r.airChange);
        line("  - latent part", r.latent);
        line("  - sensible part", r.sensible);
        line("Transmission", r.transmission);
        line("Persons", r.persons);
        line("Fans", r.fans);
        line("Defrost heat", r.defrost);
        t += "\n  Required refrigeration capacity Q0 =" + r.RaumLeist + " kW\n";
        t += "  Moisture entry " + Shown(IntFloor(r.moisture_gh) / 1000.0) + " kg/h\n";
        if (r.defrostComputed) {
            t += "  Defrost heater " + value(room.Abtau) + " W per evaporator, time share " +
                 value(room.AbtauAnt) + " %, defrost power " +
                 Shown(IntFloor(r.defrostPower_kW * 1000.0) / 1000.0) + " kW\n";
        } else {
            t += "  No defrost (evaporating temperature at or above 0 °C)\n";
        }
    }
    for (const RangeWarning& w : r.warnings)
        t += "\nOut of range: " + w.text() + "; the numbers above are no result\n";
    for (const Message& m : r.messages)
        t += "\nWarning: " + TerminalText(m.text) + "\n";
    if (r.stopped) t += "\nCalculation stopped.\n";
    if (resultFilesWritten) t += "\nResult files written: ergCR.DAT, ergCR2.DAT\n";
    return t;
}

std::string DataDirOption(const std::vector<std::string>& args) {
    std::string dir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data-dir" && i + 1 < args.size()) {
            dir = args[i + 1];
            ++i;
        } else if (args[i].rfind("--data-dir=", 0) == 0) {
            dir = args[i].substr(std::string_view("--data-dir=").size());
        }
    }
    return dir;
}

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCalcCommand(args, "", out, err);
}

int RunCalcCommand(const std::vector<std::string>& args, const std::string& seedDir, std::ostream& out,
                   std::ostream& err) {
    constexpr const char* kUsage = "veskaro-cr calc [FILE] [--data-dir DIR] [--lang CODE] [--json] [--write-results]\n"
                                   "       veskaro-cr calc FILE|DIR... [--data-dir DIR] [--lang CODE] [--json | --csv]";
    bool json = false;
    bool csv = false;
    bool writeResults = false;
    std::vector<std::string> files;
    const CommandOption own = [&](const std::vector<std::string>& a, std::size_t& i, std::string&) {
        if (a[i] == "--json") return json = true;
        if (a[i] == "--csv") return csv = true;
        if (a[i] == "--write-results") return writeResults = true;
        if (a[i].empty() || (a[i].size() > 1 && a[i][0] == '-')) return false;
        files.push_back(a[i]);
        return true;
    };
    RoomCommand command;
    std::string complaint = ParseRoomCommandArgs(args, own, command);
    const bool batch = csv || IsBatch(files);
    if (complaint.empty() && json && csv) complaint = "--json and --csv exclude each other";
    // The result files are one pair in the data directory: one room only.
    if (complaint.empty() && batch && writeResults) complaint = "--write-results takes one room";
    if (!complaint.empty()) {
        err << "veskaro-cr calc: " << complaint << "\nusage: " << kUsage << "\n";
        return kCalcUsageError;
    }
    if (batch) {
        const BatchFormat format = json ? BatchFormat::Json : csv ? BatchFormat::Csv : BatchFormat::Text;
        return RunCalcBatch(files, format, {command.dataDir, seedDir, command.language}, out, err);
    }
    command.file = files.empty() ? std::string() : files.front();
    if (!OpenRoomCommand("calc", seedDir, err, command)) return kCalcUsageError;
    RecalcResult& r = command.result;
    const RoomRecord& room = command.headless.room;
    // Result files hold results only: none for a stopped or untrustworthy calculation.
    if (writeResults && !r.stopped && r.trusted())
        r.resultFilesWritten = WriteResultFiles(r, room, command.headless.ctx);
    const bool written = r.resultFilesWritten;
    const std::string& source = command.headless.source;
    out << (json ? RoomJson(source, command.asRead, room, r, written) : RoomText(source, room, r, written));
    out.flush();
    if (writeResults && !r.stopped && r.trusted() && !written) {
        err << "veskaro-cr calc: could not save the result files in " << command.headless.ctx.dataDir << "\n";
        return kCalcUsageError;
    }
    return r.stopped || !r.trusted() ? kCalcStopped : kCalcOk;
}

} // namespace veskaro
