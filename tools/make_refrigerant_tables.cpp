// Writes the saturation tables of the refrigerants (data/<NAME>.DAT), the superheat table of carbon
// dioxide (data/CO2_sh01.dat) and the fitted correlation blocks (src/equipment/refrigerant_blocks.cpp)
// from published Helmholtz equations of state given as fluid JSON files.
//   make_refrigerant_tables FLUID_JSON_DIR DATA_DIR BLOCKS_CPP

#include "refrigerant_eos.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
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

struct Row {
    double t_C, pb, pd, rl, rv, hl, hv, slope; // bar, kg/m³, kJ/kg, bar/K
};

std::vector<Row> BuildTable(const eos::Fluid& f, double& offset_Jkg) {
    const int first = std::max(-60, static_cast<int>(std::ceil(f.Ttriple() - kZeroC_K)));
    // IIR reference; a fluid critical below 0 °C takes it at the first table temperature instead.
    const double Tref = f.Tc() > kZeroC_K + 1.0 ? kZeroC_K : first + kZeroC_K;
    offset_Jkg = kIirLiquidEnthalpy_Jkg - f.saturation(Tref).hLiquid;
    const int last = std::min(60, static_cast<int>(std::floor(f.Tc() - kZeroC_K - 1.0)));
    std::vector<Row> rows;
    for (int t = first; t <= last; ++t) {
        const double T = t + kZeroC_K;
        const eos::SatState s = f.saturation(T);
        const double up = f.saturation(T + 0.05).pDew_Pa, down = f.saturation(T - 0.05).pDew_Pa;
        rows.push_back({double(t), s.pBubble_Pa / 1e5, s.pDew_Pa / 1e5, s.rhoLiquid, s.rhoVapour,
                        (s.hLiquid + offset_Jkg) / 1e3, (s.hVapour + offset_Jkg) / 1e3,
                        (up - down) / 0.1 / 1e5});
    }
    return rows;
}

// Weighted least squares of g against powers 0..degree of z, solved in a centred and scaled variable and
// expanded back to plain powers of z.
std::vector<double> FitPowers(const std::vector<double>& z, const std::vector<double>& g,
                              const std::vector<double>& w, int degree) {
    const int m = degree + 1;
    const auto [lo, hi] = std::minmax_element(z.begin(), z.end());
    const double mid = (*lo + *hi) / 2, half = std::max((*hi - *lo) / 2, 1e-12);
    std::vector<std::vector<double>> N(m, std::vector<double>(m + 1, 0.0));
    for (std::size_t i = 0; i < z.size(); ++i) {
        const double x = (z[i] - mid) / half;
        std::vector<double> px(m, 1.0);
        for (int k = 1; k < m; ++k)
            px[k] = px[k - 1] * x;
        for (int r = 0; r < m; ++r) {
            for (int c = 0; c < m; ++c)
                N[r][c] += w[i] * w[i] * px[r] * px[c];
            N[r][m] += w[i] * w[i] * px[r] * g[i];
        }
    }
    for (int p = 0; p < m; ++p) // Gauss-Jordan, the matrix is small and well conditioned in x
        for (int r = 0; r < m; ++r)
            if (r != p) {
                const double f = N[r][p] / N[p][p];
                for (int c = p; c <= m; ++c)
                    N[r][c] -= f * N[p][c];
            }
    std::vector<double> q(m), out(m, 0.0);
    for (int k = 0; k < m; ++k)
        q[k] = N[k][m] / N[k][k];
    // sum q_k ((z - mid)/half)^k expanded by the binomial theorem
    for (int k = 0; k < m; ++k)
        for (int j = 0; j <= k; ++j) {
            double binom = 1.0;
            for (int i = 0; i < j; ++i)
                binom = binom * (k - i) / (i + 1);
            out[j] += q[k] * binom * std::pow(-mid, k - j) / std::pow(half, k);
        }
    return out;
}

struct Fit {
    bool exp = false;
    double a = 0, b = 0, c = 0, d = 0, tMax = 0, maxErr = 0;
};

double Evaluate(const Fit& f, double T) {
    return f.exp ? 1e-3 * std::exp(f.a + f.b / T + f.c / (T * T))
                 : 1e-3 * (f.a + T * (f.b + T * (f.c + T * f.d)));
}

// Both forms over rows [0, n); the better one. Errors are relative to `scale` (the value itself, or the
// latent heat for enthalpies, whose zero point is arbitrary).
Fit FitBoth(const std::vector<double>& T, const std::vector<double>& y, const std::vector<double>& scale,
            std::size_t n) {
    std::vector<double> Ts(T.begin(), T.begin() + n), ys(y.begin(), y.begin() + n), w(n), invT(n), lg(n),
        g(n);
    for (std::size_t i = 0; i < n; ++i) {
        w[i] = 1.0 / scale[i];
        invT[i] = 1.0 / Ts[i];
        g[i] = 1e3 * ys[i];
    }
    std::vector<Fit> fits;
    const auto p = FitPowers(Ts, g, w, 3);
    fits.push_back({false, p[0], p[1], p[2], p[3], 0, 0});
    const bool positive = std::all_of(ys.begin(), ys.end(), [](double v) { return v > 0; });
    if (positive) {
        std::vector<double> wl(n);
        for (std::size_t i = 0; i < n; ++i) {
            lg[i] = std::log(1e3 * ys[i]);
            wl[i] = ys[i] / scale[i]; // d ln y = dy / y: weight to the relative error against scale
        }
        const auto e = FitPowers(invT, lg, wl, 2);
        fits.push_back({true, e[0], e[1], e[2], 0, 0, 0});
    }
    for (Fit& f : fits) {
        f.tMax = Ts.back();
        for (std::size_t i = 0; i < n; ++i)
            f.maxErr = std::max(f.maxErr, std::abs(Evaluate(f, Ts[i]) - ys[i]) / scale[i]);
    }
    return *std::min_element(fits.begin(), fits.end(),
                             [](const Fit& l, const Fit& r) { return l.maxErr < r.maxErr; });
}

// Shrinks the fitted range from the top until the fit holds to 0.5 % (never below ten records).
Fit FitProperty(const std::vector<double>& T, const std::vector<double>& y,
                const std::vector<double>& scale) {
    std::size_t n = T.size();
    Fit f = FitBoth(T, y, scale, n);
    while (f.maxErr > 0.005 && n > 10)
        f = FitBoth(T, y, scale, --n);
    return f;
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
    report << name << ":";
    for (int k = 0; k < kCols; ++k) {
        const bool enthalpy = k == 4 || k == 5;
        const Fit f = FitProperty(T, col[k], enthalpy ? latent : col[k]);
        text += std::string("        {CorrelationForm::") + (f.exp ? "ExpForm" : "Poly3") + ", " + Num(f.a) +
                ", " + Num(f.b) + ", " + Num(f.c) + ", " + Num(f.d) + ", " + Num(f.tMax) + "},\n";
        report << " " << Num(f.maxErr * 100) << "%"
               << (f.tMax < T.back() ? "(to " + Num(f.tMax - kZeroC_K) + " C)" : "");
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_refrigerant_tables FLUID_JSON_DIR DATA_DIR BLOCKS_CPP\n";
        return 2;
    }
    const std::string jsonDir = argv[1], dataDir = argv[2];
    std::string blocks =
        "// Generated by tools/make_refrigerant_tables from the saturation tables it writes; do not edit.\n"
        "// Per refrigerant: the lowest table temperature (K), then the nine fits of "
        "refrigerant_correlations.h\n"
        "// as form, a, b, c, d and the highest temperature (K) the fit holds to within 0.5 %.\n\n"
        "#include \"equipment/refrigerant_correlations.h\"\n\nnamespace veskaro {\n\n"
        "// clang-format off\nconst CorrelationBlock kCorrelationBlocks[] = {\n";
    int count = 0;
    try {
        for (const Target& target : kTargets) {
            std::ifstream in(jsonDir + "/" + target.json + ".json", std::ios::binary);
            std::stringstream buffer;
            buffer << in.rdbuf();
            const eos::Fluid fluid(eos::ParseJson(buffer.str()));
            double offset = 0.0;
            const std::vector<Row> rows = BuildTable(fluid, offset);
            if (!WriteText(dataDir + "/" + target.table + ".DAT", TableText(rows)))
                throw std::runtime_error("cannot write the table of " + std::string(target.table));
            std::cout << target.table << " " << rows.size() << " records, " << fluid.source() << "\n";
            blocks += BlockText(target.table, rows, std::cout);
            ++count;
            if (std::string(target.table) == "CO2" &&
                !WriteText(dataDir + "/CO2_sh01.dat", SuperheatText(fluid, offset)))
                throw std::runtime_error("cannot write CO2_sh01.dat");
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    blocks +=
        "};\n// clang-format on\n\nconst int kCorrelationBlockCount = " + std::to_string(count) + ";\n\n} // namespace veskaro\n";
    return WriteText(argv[3], blocks) ? 0 : 1;
}
