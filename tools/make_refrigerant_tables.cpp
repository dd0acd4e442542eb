// Writes the saturation tables of the refrigerants (data/<NAME>.DAT), the superheat table of carbon
// dioxide (data/CO2_sh01.dat) and the fitted correlation blocks (src/equipment/refrigerant_blocks.cpp)
// from published Helmholtz equations of state given as fluid JSON files.
//   make_refrigerant_tables FLUID_JSON_DIR MIXTURE_JSON_DIR DATA_DIR BLOCKS_CPP [CHECK]

#include "correlation_fit.h"
#include "refrigerant_eos.h"
#include "refrigerant_mixture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>

namespace {

struct Target {
    const char* table; // table name, file <table>.DAT
    const char* json;  // fluid file
};

const Target kTargets[] = {
    {"R11", "R11"},
    {"R12", "R12"},
    {"R13", "R13"},
    {"R14", "R14"},
    {"R22", "R22"},
    {"R23", "R23"},
    {"R123", "R123"},
    {"R124", "R124"},
    {"R134A", "R134a"},
    {"R152A", "R152A"},
    {"R227", "R227EA"},
    {"R32", "R32"},
    {"R404A", "R404A"},
    {"R407C", "R407C"},
    {"R410A", "R410A"},
    {"R507", "R507A"},
    {"PROPAN", "n-Propane"},
    {"PROPYLEN", "Propylene"},
    {"R600A", "IsoButane"},
    {"AMMONIAK", "Ammonia"},
    {"CO2", "CarbonDioxide"},
    {"R1234YF", "R1234yf"},
    {"R1234ZE", "R1234ze(E)"},
};

constexpr double kZeroC_K = 273.15;
constexpr int kCols = 9;                         // the nine correlations
constexpr double kIirLiquidEnthalpy_Jkg = 200e3; // IIR reference: saturated liquid at 0 °C
constexpr double kFitTolerance = 0.0045;         // below the 0.5 % promised, for the rounding of the tables
constexpr int kMaxPieces = 4;                    // kMaxCorrelationPieces of refrigerant_correlations.h

struct Row {
    double t_C, pb, pd, rl, rv, hl, hv, slope; // bar, kg/m³, kJ/kg, bar/K
};

using Saturation = std::function<eos::SatState(double T)>;

// Records from `first` to `last` °C; the IIR reference taken at Tref. A blend's table ends below its
// critical region, at the first temperature where no phase equilibrium is found.
std::vector<Row> BuildTable(const Saturation& sat, int first, int last, double Tref, bool stopAtFailure,
                            double& offset_Jkg) {
    offset_Jkg = kIirLiquidEnthalpy_Jkg - sat(Tref).hLiquid;
    std::vector<Row> rows;
    for (int t = first; t <= last; ++t) {
        eos::SatState s;
        try {
            s = sat(t + kZeroC_K);
        } catch (const std::exception& e) {
            if (!stopAtFailure) throw;
            std::cout << "  ends at " << t - 1 << " C: " << e.what() << "\n";
            break;
        }
        rows.push_back({double(t), s.pBubble_Pa / 1e5, s.pDew_Pa / 1e5, s.rhoLiquid, s.rhoVapour,
                        (s.hLiquid + offset_Jkg) / 1e3, (s.hVapour + offset_Jkg) / 1e3, 0.0});
    }
    // d p_dew / dT from ln p of the neighbouring records (ln p is nearly linear in 1/T: the central
    // difference is exact to about 1/T² relative, one-sided second-order differences at the ends).
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n && n >= 3; ++i) {
        auto lp = [&](std::size_t k) { return std::log(rows[k].pd); };
        const double dlnp = i == 0       ? (-3 * lp(0) + 4 * lp(1) - lp(2)) / 2
                            : i == n - 1 ? (3 * lp(n - 1) - 4 * lp(n - 2) + lp(n - 3)) / 2
                                         : (lp(i + 1) - lp(i - 1)) / 2;
        rows[i].slope = rows[i].pd * dlnp;
    }
    return rows;
}

std::vector<Row> PureTable(const eos::Fluid& f, double& offset_Jkg) {
    const int first = std::max(-60, static_cast<int>(std::ceil(f.Ttriple() - kZeroC_K)));
    // IIR reference; a fluid critical below 0 °C takes it at the first table temperature instead.
    const double Tref = f.Tc() > kZeroC_K + 1.0 ? kZeroC_K : first + kZeroC_K;
    const int last = std::min(60, static_cast<int>(std::floor(f.Tc() - kZeroC_K - 1.0)));
    return BuildTable([&](double T) { return f.saturation(T); }, first, last, Tref, false, offset_Jkg);
}

std::string Num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

} // namespace

namespace {

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

std::string TableText(const std::vector<Row>& rows) {
    std::string text;
    char buf[200];
    for (const Row& r : rows) {
        std::snprintf(buf, sizeof buf, "%.0f,%.6g,%.6g,%.6g,%.6g,%.3f,%.3f\r\n", r.t_C, r.pb, r.pd, r.rl,
                      r.rv, r.hl, r.hv);
        text += buf;
    }
    return text;
}

std::string BlockText(const char* name, const std::vector<Row>& rows, std::ostream& report) {
    std::vector<double> T, col[kCols], latent;
    for (const Row& r : rows) {
        T.push_back(r.t_C + kZeroC_K);
        latent.push_back(r.hv - r.hl);
        const double v[kCols] = {r.pb,   r.pd, r.rl, r.rv, r.hl, r.hv, r.hv - r.hl, r.rv * (r.hv - r.hl),
                                 r.slope};
        for (int k = 0; k < kCols; ++k)
            col[k].push_back(v[k]);
    }
    std::string text = std::string("    {\"") + name + "\", " + Num(T.front()) + ", {{\n";
    report << "  fits:";
    for (int k = 0; k < kCols; ++k) {
        const bool enthalpy = k == 4 || k == 5;
        const std::vector<eos::Fit> pieces =
            eos::FitPieces(T, col[k], enthalpy ? latent : col[k], kFitTolerance, kMaxPieces);
        text += "        {{";
        double worst = 0.0;
        for (const eos::Fit& f : pieces) {
            text += std::string("{CorrelationForm::") + (f.exp ? "ExpForm" : "Poly3") + ", " + Num(f.a) +
                    ", " + Num(f.b) + ", " + Num(f.c) + ", " + Num(f.d) + ", " + Num(f.tMax) + "}, ";
            worst = std::max(worst, f.maxErr);
        }
        text += "}},\n";
        report << " " << pieces.size() << "x" << Num(std::round(worst * 1e4) / 100) << "%";
        if (worst > kFitTolerance) throw std::runtime_error(std::string(name) + ": a fit misses 0.5 %");
    }
    report << "\n";
    return text + "    }}},\n";
}

double SaturationTemperature(const eos::Fluid& f, double p_Pa) {
    double lo = std::max(f.Ttriple(), 200.0), hi = f.Tc() - 0.5;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (f.saturation(mid).pDew_Pa < p_Pa ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// Superheated carbon dioxide: p bar, t °C, density kg/m³, enthalpy kJ/kg (IIR), cp kJ/(kg K), t_sat °C,
// for 10 to 70 bar in 5 bar steps and temperatures in 5 K steps from above saturation to 120 °C.
std::string SuperheatText(const eos::Fluid& f, double offset_Jkg) {
    std::string text;
    char buf[200];
    for (int p = 10; p <= 70; p += 5) {
        const double tSat = SaturationTemperature(f, p * 1e5);
        const double rhoSat = f.saturation(tSat).rhoVapour;
        double guess = rhoSat;
        for (int t = 5 * static_cast<int>(std::floor((tSat - kZeroC_K) / 5.0)) + 5; t <= 120; t += 5) {
            const double T = t + kZeroC_K;
            const double rho = f.density(T, p * 1e5, guess);
            guess = rho;
            const double up = f.enthalpy(T + 0.5, f.density(T + 0.5, p * 1e5, rho));
            const double down = f.enthalpy(T - 0.5, f.density(T - 0.5, p * 1e5, rho));
            std::snprintf(buf, sizeof buf, "%d,%d,%.6g,%.3f,%.4f,%.2f\r\n", p, t, rho,
                          (f.enthalpy(T, rho) + offset_Jkg) / 1e3, (up - down) / 1e3, tSat - kZeroC_K);
            text += buf;
        }
    }
    return text;
}

// Blends computed with the mixture model; compositions in mass % (ASHRAE Standard 34). Left out: R402A,
// R402B (R125/R22, a fifth of the mole pairs, has no published parameters; the estimate puts the normal
// bubble point near -47 °C, about 2 K above the blend's published one) and R723 (ammonia/dimethyl ether
// has none either; the estimate misses the azeotrope, normal boiling point -31.4 °C against about
// -36.5 °C), whose tables would be guesses.
struct Part {
    const char* json;
    double massPercent;
};
struct Blend {
    const char* table;
    std::vector<Part> parts;
    const char* pseudoPure = nullptr; // a shipped pseudo-pure table to check the mixture model against
};

const Blend kBlends[] = {
    {"ISC_69L", {{"n-Propane", 5}, {"R22", 56}, {"R218", 39}}}, // R403B
    {"R407A", {{"R32", 20}, {"R125", 40}, {"R134a", 40}}},
    {"R408A", {{"R125", 7}, {"R143a", 46}, {"R22", 47}}},
    {"R409A", {{"R22", 60}, {"R124", 25}, {"R142b", 15}}},
    {"R413A", {{"R218", 9}, {"R134a", 88}, {"IsoButane", 3}}},
    {"ISC_59", {{"R125", 46.6}, {"R134a", 50}, {"n-Butane", 3.4}}},    // R417A
    {"ISC_79", {{"R125", 85.1}, {"R134a", 11.5}, {"IsoButane", 3.4}}}, // R422A
    {"ISC_29", {{"R125", 65.1}, {"R134a", 31.5}, {"IsoButane", 3.4}}}, // R422D
    {"R502", {{"R22", 48.8}, {"R115", 51.2}}},
    {"R448A", {{"R32", 26}, {"R125", 26}, {"R1234yf", 20}, {"R134a", 21}, {"R1234ze(E)", 7}}},
    {"R449A", {{"R32", 24.3}, {"R125", 24.7}, {"R1234yf", 25.3}, {"R134a", 25.7}}},
    {"R452A", {{"R32", 11}, {"R125", 59}, {"R1234yf", 30}}},
    {"R454C", {{"R32", 21.5}, {"R1234yf", 78.5}}},
    {"R455A", {{"CarbonDioxide", 3}, {"R32", 21.5}, {"R1234yf", 75.5}}},
    {"R513A", {{"R1234yf", 56}, {"R134a", 44}}},
};

// The mixture model against the pseudo-pure equations of the blends we ship from them.
const Blend kChecks[] = {
    {"R404A", {{"R125", 44}, {"R143a", 52}, {"R134a", 4}}, "R404A"},
    {"R407C", {{"R32", 23}, {"R125", 25}, {"R134a", 52}}, "R407C"},
    {"R410A", {{"R32", 50}, {"R125", 50}}, "R410A"},
    {"R507", {{"R125", 50}, {"R143a", 50}}, "R507A"},
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

class Library {
  public:
    Library(std::string fluidDir, const std::string& mixtureDir)
        : m_dir(std::move(fluidDir)),
          m_pairs(eos::ParseJson(ReadFile(mixtureDir + "/mixture_binary_pairs.json"))),
          m_departures(eos::ParseJson(ReadFile(mixtureDir + "/mixture_departure_functions.json"))) {}
    const eos::Fluid& fluid(const std::string& name) {
        auto& slot = m_fluids[name];
        if (!slot)
            slot = std::make_unique<eos::Fluid>(eos::ParseJson(ReadFile(m_dir + "/" + name + ".json")));
        return *slot;
    }
    eos::Mixture mixture(const Blend& b) {
        std::vector<const eos::Fluid*> fluids;
        std::vector<double> mass;
        for (const Part& p : b.parts) {
            fluids.push_back(&fluid(p.json));
            mass.push_back(p.massPercent / 100.0);
        }
        return eos::Mixture(fluids, mass, m_pairs, m_departures);
    }

  private:
    std::string m_dir;
    eos::Json m_pairs, m_departures;
    std::map<std::string, std::unique_ptr<eos::Fluid>> m_fluids;
};

std::vector<Row> BlendTable(eos::Mixture& m, double& offset_Jkg) {
    return BuildTable([&](double T) { return m.saturation(T); }, -60, 60, kZeroC_K, true, offset_Jkg);
}

// Largest deviations of the mixture model from a pseudo-pure table over their common records.
void Compare(const std::vector<Row>& mix, const std::vector<Row>& ref, std::ostream& out) {
    double dev[5] = {};
    for (const Row& m : mix)
        for (const Row& r : ref)
            if (m.t_C == r.t_C) {
                const double d[5] = {m.pb / r.pb, m.pd / r.pd, m.rl / r.rl, m.rv / r.rv,
                                     (m.hv - m.hl) / (r.hv - r.hl)};
                for (int k = 0; k < 5; ++k)
                    dev[k] = std::abs(d[k] - 1) > std::abs(dev[k]) ? d[k] - 1 : dev[k];
            }
    out << "  mixture vs pseudo-pure over " << mix.size() << " records, largest deviation %: bubble p "
        << Num(std::round(dev[0] * 1e4) / 100) << ", dew p " << Num(std::round(dev[1] * 1e4) / 100)
        << ", liquid density " << Num(std::round(dev[2] * 1e4) / 100) << ", vapour density "
        << Num(std::round(dev[3] * 1e4) / 100) << ", latent heat " << Num(std::round(dev[4] * 1e4) / 100)
        << "\n";
}

} // namespace

// One generated source file with the array `array` of `count` blocks and its size `countName`.
std::string BlocksFile(const std::string& array, const std::string& countName, const std::string& body,
                       int count) {
    return "// Generated by tools/make_refrigerant_tables from the saturation tables it writes; do not "
           "edit.\n"
           "// Per refrigerant: the lowest table temperature (K), then the nine results of "
           "refrigerant_correlations.h,\n"
           "// each as up to four pieces of form, a, b, c, d and the highest temperature (K) of the "
           "piece.\n\n"
           "#include \"equipment/refrigerant_correlations.h\"\n\nnamespace veskaro {\n\n"
           "// clang-format off\nconst CorrelationBlock " +
           array + "[] = {\n" + body + "};\n// clang-format on\n\nconst int " + countName + " = " +
           std::to_string(count) + ";\n\n} // namespace veskaro\n";
}

int main(int argc, char** argv) {
    if (argc < 5) {
        std::cerr << "usage: make_refrigerant_tables FLUID_JSON_DIR MIXTURE_JSON_DIR DATA_DIR BLOCKS_CPP "
                     "[CHECK]\n  BLOCKS_CPP: the pure-fluid blocks; the blends go beside it into "
                     "refrigerant_blend_blocks.cpp\n  CHECK: only compare the mixture model with the "
                     "pseudo-pure blends\n";
        return 2;
    }
    const std::string dataDir = argv[3], pureFile = argv[4];
    const std::string blendFile =
        pureFile.substr(0, pureFile.find_last_of('/') + 1) + "refrigerant_blend_blocks.cpp";
    const bool checkOnly = argc > 5;
    std::string pureBlocks, blendBlocks;
    int pureCount = 0, blendCount = 0;
    try {
        Library lib(argv[1], argv[2]);
        std::map<std::string, std::vector<Row>> pseudo;
        for (const Target& target : kTargets) {
            const eos::Fluid& fluid = lib.fluid(target.json);
            double offset = 0.0;
            const std::vector<Row> rows = pseudo[target.table] = PureTable(fluid, offset);
            std::cout << target.table << " " << rows.size() << " records, " << fluid.source() << "\n";
            if (checkOnly) continue;
            if (!WriteText(dataDir + "/" + target.table + ".DAT", TableText(rows)))
                throw std::runtime_error("cannot write the table of " + std::string(target.table));
            pureBlocks += BlockText(target.table, rows, std::cout);
            ++pureCount;
            if (std::string(target.table) == "CO2" &&
                !WriteText(dataDir + "/CO2_sh01.dat", SuperheatText(fluid, offset)))
                throw std::runtime_error("cannot write CO2_sh01.dat");
        }
        for (const Blend& check : kChecks) {
            eos::Mixture m = lib.mixture(check);
            double offset = 0.0;
            std::cout << check.table << " as a mixture: " << m.pairSources() << "\n";
            Compare(BlendTable(m, offset), pseudo[check.table], std::cout);
        }
        for (const Blend& blend : kBlends) {
            if (checkOnly) break;
            eos::Mixture m = lib.mixture(blend);
            double offset = 0.0;
            const std::vector<Row> rows = BlendTable(m, offset);
            if (rows.size() < 10) throw std::runtime_error(std::string(blend.table) + ": too few records");
            std::cout << blend.table << " " << rows.size() << " records, " << m.pairSources() << "\n";
            if (!WriteText(dataDir + "/" + blend.table + ".DAT", TableText(rows)))
                throw std::runtime_error("cannot write the table of " + std::string(blend.table));
            blendBlocks += BlockText(blend.table, rows, std::cout);
            ++blendCount;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (checkOnly) return 0;
    const bool ok = WriteText(pureFile, BlocksFile("kCorrelationBlocks", "kCorrelationBlockCount", pureBlocks,
                                                   pureCount)) &&
                    WriteText(blendFile, BlocksFile("kBlendCorrelationBlocks", "kBlendCorrelationBlockCount",
                                                    blendBlocks, blendCount));
    return ok ? 0 : 1;
}
