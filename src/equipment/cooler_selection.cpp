#include "equipment/cooler_selection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "app/ui_texts.h"

namespace veskaro {

namespace {

constexpr std::size_t kMaxCatalogueRows = 5000;
constexpr std::uintmax_t kMaxCatalogueBytes = 4u << 20;
constexpr std::size_t kMaxNameLength = 80;
constexpr double kNominalDeltaT1_K = 8.0; // ΔT1 of the standard condition

// Evaporating-temperature and frost factor against the standard condition (-8 °C): a dry coil above
// 0 °C loses the latent part, frost and thinner air below -20 °C lower the air-side transfer.
struct FactorPoint {
    double t0_C, factor;
};
constexpr std::array<FactorPoint, 7> kT0Factors{
    {{-40.0, 0.88}, {-30.0, 0.91}, {-20.0, 0.95}, {-8.0, 1.00}, {-2.0, 0.98}, {0.0, 0.96}, {5.0, 0.92}}};

// Refrigerant factor for direct expansion (glide and pressure drop of the circuit against R404A).
struct RefrigerantFactor {
    std::string_view name;
    double factor;
};
constexpr std::array<RefrigerantFactor, 12> kRefrigerantFactors{{{"R404A", 1.00},
                                                                 {"R507", 1.00},
                                                                 {"R22", 1.00},
                                                                 {"R410A", 1.02},
                                                                 {"R32", 1.02},
                                                                 {"R134A", 0.93},
                                                                 {"R1234YF", 0.92},
                                                                 {"R1234ZE", 0.90},
                                                                 {"R407C", 0.94},
                                                                 {"PROPAN", 0.98},
                                                                 {"AMMONIAK", 1.05},
                                                                 {"CO2", 1.04}}};
constexpr double kOtherRefrigerantFactor = 0.95;

bool InRange(double v, double lo, double hi) {
    return std::isfinite(v) && v >= lo && v <= hi;
}

void ParseRows(const std::string& text, bool user, CoolerCatalogue& out) {
    RecordReader reader(text);
    std::size_t rows = 0, skipped = 0;
    while (!reader.atEnd() && rows < kMaxCatalogueRows) {
        CoolerModel m;
        m.user = user;
        double fans = 0, diameter = 0;
        bool complete = reader.read(m.name);
        for (double* f : {&m.finSpacing_mm, &fans, &diameter, &m.nominal_kW, &m.airFlow_m3h, &m.fanPower_W,
                          &m.heater_W, &m.throw_m})
            complete = reader.read(*f) && complete;
        ++rows;
        const bool valid = complete && !m.name.empty() && m.name.size() <= kMaxNameLength &&
                           InRange(m.finSpacing_mm, 1, 20) && InRange(fans, 1, 12) &&
                           InRange(diameter, 100, 1500) && InRange(m.nominal_kW, 0.05, 2000) &&
                           InRange(m.airFlow_m3h, 0, 1e6) && InRange(m.fanPower_W, 0, 1e5) &&
                           InRange(m.heater_W, 0, 1e6) && InRange(m.throw_m, 0, 500);
        if (!valid) {
            ++skipped;
            continue;
        }
        m.fans = static_cast<int>(fans);
        m.fanDiameter_mm = static_cast<int>(diameter);
        out.models.push_back(std::move(m));
    }
    if (skipped > 0)
        out.problems.push_back(std::to_string(skipped) + (user ? " user" : "") +
                               " cooler rows left out: not valid");
    if (!reader.atEnd())
        out.problems.push_back(std::string(user ? "user" : "cooler") + " catalogue longer than " +
                               std::to_string(kMaxCatalogueRows) + " rows: the rest is left out");
}

std::string ReadBounded(const AppContext& ctx, std::string_view name, std::vector<std::string>& problems,
                        bool required) {
    const std::string path = FindFileNoCase(ResolveDataPath(ctx, name));
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(path, ec);
    if (ec) {
        if (required) problems.push_back(std::string(name) + " missing");
        return {};
    }
    if (bytes > kMaxCatalogueBytes) {
        problems.push_back(std::string(name) + " too large: not read");
        return {};
    }
    std::string raw;
    if (!ReadFileBytes(path, raw)) {
        problems.push_back(std::string(name) + " cannot be read");
        return {};
    }
    return Cp1252ToUtf8(raw);
}

} // namespace

CoolerCatalogue ParseCoolerCatalogue(const std::string& standardText, const std::string& userText) {
    CoolerCatalogue out;
    ParseRows(standardText, false, out);
    ParseRows(userText, true, out);
    return out;
}

CoolerCatalogue LoadCoolerCatalogue(const AppContext& ctx) {
    std::vector<std::string> problems;
    const std::string standard = ReadBounded(ctx, kCoolerCatalogueFile, problems, true);
    const std::string user = ReadBounded(ctx, kUserCoolerFile, problems, false);
    CoolerCatalogue out = ParseCoolerCatalogue(standard, user);
    out.problems.insert(out.problems.begin(), problems.begin(), problems.end());
    return out;
}

double EvaporatingTemperatureFactor(double t0_C) {
    if (!(t0_C > kT0Factors.front().t0_C)) return kT0Factors.front().factor; // also NaN
    if (t0_C >= kT0Factors.back().t0_C) return kT0Factors.back().factor;
    const auto hi = std::find_if(kT0Factors.begin(), kT0Factors.end(),
                                 [&](const FactorPoint& p) { return p.t0_C >= t0_C; });
    const auto lo = hi - 1;
    return lo->factor + (hi->factor - lo->factor) * (t0_C - lo->t0_C) / (hi->t0_C - lo->t0_C);
}

double RefrigerantCapacityFactor(std::string_view refrigerant) {
    const RefrigerantRow* row = FindRefrigerant(refrigerant);
    if (row == nullptr) return kOtherRefrigerantFactor;
    for (const RefrigerantFactor& f : kRefrigerantFactors)
        if (f.name == row->names[0]) return f.factor;
    return kOtherRefrigerantFactor;
}

double CoolerCapacity_kW(const CoolerModel& model, double dT1_K, double t0_C, std::string_view refrigerant) {
    if (!(dT1_K > 0.0) || !std::isfinite(dT1_K)) return 0.0;
    return model.nominal_kW * dT1_K / kNominalDeltaT1_K * EvaporatingTemperatureFactor(t0_C) *
           RefrigerantCapacityFactor(refrigerant);
}

std::vector<CoolerCandidate> MatchingCoolers(const std::vector<CoolerModel>& models, double Qe_kW,
                                             double dT1_K, double t0_C, std::string_view refrigerant) {
    std::vector<CoolerCandidate> out;
    if (!(Qe_kW > 0.0) || !std::isfinite(Qe_kW)) return out;
    for (std::size_t i = 0; i < models.size(); ++i) {
        const double q = CoolerCapacity_kW(models[i], dT1_K, t0_C, refrigerant);
        if (q >= Qe_kW) out.push_back({i, q, 100.0 * (q / Qe_kW - 1.0)});
    }
    std::stable_sort(out.begin(), out.end(), [](const CoolerCandidate& a, const CoolerCandidate& b) {
        return a.reserve_pct < b.reserve_pct;
    });
    return out;
}

OperatingPoint EvaporatorOperatingPoint(const AppContext& ctx, SaturationTables& tables,
                                        std::string_view refrigerant, double t0_C, double Qe_kW) {
    OperatingPoint op;
    const SaturationTable* table = tables.find(ctx, refrigerant, op.status);
    if (table == nullptr) return op;
    const SaturationPoint evap = table->lookup(t0_C);
    const SaturationPoint liquid = table->lookup(kLiquidLineTemperature_C);
    op.clamped = evap.clamped || liquid.clamped;
    op.p0_bar = evap.pDew_bar;
    const double dh = evap.hVapour_kJkg - liquid.hLiquid_kJkg; // refrigerating effect per kg
    if (dh > 0.0 && Qe_kW > 0.0 && std::isfinite(Qe_kW)) op.massFlow_kgs = Qe_kW / dh;
    return op;
}

SelectionView BuildSelectionView(const AppContext& ctx, SaturationTables& tables,
                                 const CoolerCatalogue& catalogue, std::string_view refrigerant, double Qe_kW,
                                 double dT1_K, double t0_C) {
    SelectionView view;
    view.messages = catalogue.problems;
    view.candidates = MatchingCoolers(catalogue.models, Qe_kW, dT1_K, t0_C, refrigerant);
    view.operatingPoint = EvaporatorOperatingPoint(ctx, tables, refrigerant, t0_C, Qe_kW);
    if (view.operatingPoint.status != TableStatus::Ok)
        view.messages.emplace_back(TableStatusText(view.operatingPoint.status));
    if (view.operatingPoint.clamped)
        view.messages.emplace_back(UiText(UiTextId::CoolerBeyondTable, ctx.languageCode));
    return view;
}

SelectionResult ChooseCooler(const CoolerModel& model) {
    SelectionResult r;
    r.code = 1;
    r.name = model.name;
    r.fanPowerText = DisplayText(model.fans * model.fanPower_W);
    r.heater_kW = model.heater_W / 1000.0;
    return r;
}

StoredSelection ParseStoredSelection(const std::string& text) {
    StoredSelection s;
    RecordReader reader(text);
    if (!reader.read(s.refrigerant) || !reader.read(s.cooler)) return {};
    double v[3] = {0, 0, 0};
    for (double& x : v)
        if (!reader.read(x)) x = 0;
    if (s.refrigerant.size() > kMaxNameLength || s.cooler.size() > kMaxNameLength) return {};
    s.Qe_kW = InRange(v[0], 0, 1e5) ? v[0] : 0;
    s.dT1_K = InRange(v[1], 0, 100) ? v[1] : 0;
    s.t0_C = InRange(v[2], -100, 50) ? v[2] : 0;
    return s;
}

StoredSelection ReadStoredSelection(const AppContext& ctx) {
    std::vector<std::string> ignored;
    return ParseStoredSelection(ReadBounded(ctx, kStoredSelectionFile, ignored, false));
}

WriteStatus WriteStoredSelection(const AppContext& ctx, const StoredSelection& s) {
    RecordWriter w;
    w.userStr(s.refrigerant).userStr(s.cooler).real(s.Qe_kW).real(s.dT1_K).real(s.t0_C).endLine();
    return SaveOutput(ctx, kStoredSelectionFile, w);
}

} // namespace veskaro
