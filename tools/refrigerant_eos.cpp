#include "refrigerant_eos.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace eos {

// --- JSON ------------------------------------------------------------------------------------------

const Json& Json::operator[](const std::string& key) const {
    const auto it = members.find(key);
    if (it == members.end()) throw std::runtime_error("missing member " + key);
    return it->second;
}

std::vector<double> Json::numbers() const {
    std::vector<double> out;
    for (const Json& item : items)
        out.push_back(item.number);
    return out;
}

namespace {

struct Parser {
    const std::string& s;
    std::size_t i = 0;
    void blanks() {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
    }
    std::string str() {
        std::string out;
        ++i; // opening quote
        while (i < s.size() && s[i] != '"') {
            if (s[i] == '\\' && i + 1 < s.size()) ++i;
            out += s[i++];
        }
        ++i;
        return out;
    }
    Json value() {
        blanks();
        Json v;
        if (i >= s.size()) throw std::runtime_error("unexpected end of JSON");
        const char c = s[i];
        if (c == '{') {
            v.kind = Json::Kind::Object;
            ++i;
            for (blanks(); i < s.size() && s[i] != '}'; blanks()) {
                std::string key = str();
                blanks();
                ++i; // colon
                v.members[key] = value();
                blanks();
                if (s[i] == ',') ++i;
            }
            ++i;
        } else if (c == '[') {
            v.kind = Json::Kind::Array;
            ++i;
            for (blanks(); i < s.size() && s[i] != ']'; blanks()) {
                v.items.push_back(value());
                blanks();
                if (s[i] == ',') ++i;
            }
            ++i;
        } else if (c == '"') {
            v.kind = Json::Kind::String;
            v.text = str();
        } else if (s.compare(i, 4, "true") == 0 || s.compare(i, 5, "false") == 0) {
            v.kind = Json::Kind::Bool;
            v.boolean = s[i] == 't';
            i += v.boolean ? 4 : 5;
        } else if (s.compare(i, 4, "null") == 0) {
            i += 4;
        } else {
            v.kind = Json::Kind::Number;
            std::size_t used = 0;
            v.number = std::stod(s.substr(i, 40), &used);
            i += used;
        }
        return v;
    }
};

Term ReadTerm(const Json& j) {
    Term term;
    term.type = j["type"].text;
    for (const auto& [key, member] : j.members) {
        if (member.kind == Json::Kind::Array)
            term.arrays[key] = member.numbers();
        else if (member.kind == Json::Kind::Number)
            term.scalars[key] = member.number;
    }
    return term;
}

Ancillary ReadAncillary(const Json& j) {
    Ancillary a;
    a.type = j["type"].text;
    a.n = j["n"].numbers();
    a.t = j["t"].numbers();
    a.Tr = j["T_r"].number;
    a.reducing = j["reducing_value"].number;
    a.usingTauR = j["using_tau_r"].boolean;
    return a;
}

const std::vector<double>& A(const Term& t, const char* key) {
    const auto it = t.arrays.find(key);
    if (it == t.arrays.end()) throw std::runtime_error(t.type + " lacks " + key);
    return it->second;
}

} // namespace

Json ParseJson(const std::string& text) {
    Parser p{text};
    return p.value();
}

double Ancillary::operator()(double T) const {
    const double theta = 1.0 - T / Tr;
    double sum = 0.0;
    for (std::size_t k = 0; k < n.size(); ++k)
        sum += n[k] * std::pow(theta, t[k]);
    if (type == "rhoLnoexp") return reducing * (1.0 + sum);
    if (usingTauR) sum *= Tr / T;
    return reducing * std::exp(sum);
}

// --- Equation of state ------------------------------------------------------------------------------

Fluid::Fluid(const Json& file) {
    const Json& e = file["EOS"].items.at(0);
    for (const Json& t : e["alpha0"].items)
        m_ideal.push_back(ReadTerm(t));
    for (const Json& t : e["alphar"].items)
        m_residual.push_back(ReadTerm(t));
    m_R = e["gas_constant"].number / e["molar_mass"].number;
    const double M = e["molar_mass"].number;
    m_M = M;
    if (file.has("INFO") && file["INFO"].has("CAS")) m_cas = file["INFO"]["CAS"].text;
    m_Tr = e["STATES"]["reducing"]["T"].number;
    m_rhor = e["STATES"]["reducing"]["rhomolar"].number * M;
    m_Tc = m_Tr;
    m_Ttriple = e["Ttriple"].number;
    m_pseudoPure = e["pseudo_pure"].boolean;
    m_source = e["BibTeX_EOS"].text;
    const Json& anc = file["ANCILLARIES"];
    m_pL = ReadAncillary(anc.has("pS") ? anc["pS"] : anc["pL"]);
    m_pV = ReadAncillary(anc.has("pS") ? anc["pS"] : anc["pV"]);
    m_rhoL = ReadAncillary(anc["rhoL"]);
    m_rhoV = ReadAncillary(anc["rhoV"]);
    m_rhoL.reducing *= M; // mol/m³ to kg/m³
    m_rhoV.reducing *= M;
}

double Fluid::alphar(double d, double tau) const {
    double sum = 0.0;
    for (const Term& term : m_residual) {
        const auto& n = A(term, "n");
        if (term.type == "ResidualHelmholtzPower" || term.type == "ResidualHelmholtzExponential") {
            const auto &dd = A(term, "d"), &t = A(term, "t"), &l = A(term, "l");
            const bool withG = term.type == "ResidualHelmholtzExponential";
            for (std::size_t k = 0; k < n.size(); ++k) {
                const double g = withG ? A(term, "g")[k] : 1.0;
                const double decay = l[k] > 0 ? std::exp(-g * std::pow(d, l[k])) : 1.0;
                sum += n[k] * std::pow(d, dd[k]) * std::pow(tau, t[k]) * decay;
            }
        } else if (term.type == "ResidualHelmholtzLemmon2005") {
            // Lemmon & Jacobsen (2005) R125: the power terms, some also damped by exp(-tau^m).
            const auto &dd = A(term, "d"), &t = A(term, "t"), &l = A(term, "l"), &m = A(term, "m");
            for (std::size_t k = 0; k < n.size(); ++k)
                sum += n[k] * std::pow(d, dd[k]) * std::pow(tau, t[k]) *
                       (l[k] > 0 ? std::exp(-std::pow(d, l[k])) : 1.0) *
                       (m[k] > 0 ? std::exp(-std::pow(tau, m[k])) : 1.0);
        } else if (term.type == "ResidualHelmholtzGaussian") {
            const auto &dd = A(term, "d"), &t = A(term, "t"), &eta = A(term, "eta"),
                       &eps = A(term, "epsilon"), &beta = A(term, "beta"), &gam = A(term, "gamma");
            for (std::size_t k = 0; k < n.size(); ++k)
                sum += n[k] * std::pow(d, dd[k]) * std::pow(tau, t[k]) *
                       std::exp(-eta[k] * (d - eps[k]) * (d - eps[k]) -
                                beta[k] * (tau - gam[k]) * (tau - gam[k]));
        } else if (term.type == "ResidualHelmholtzGaoB") {
            // Gao et al. (2020) ammonia terms: exp(eta (delta - eps)^2 + 1 / (beta (tau - gamma)^2 + b)).
            const auto &dd = A(term, "d"), &t = A(term, "t"), &eta = A(term, "eta"),
                       &eps = A(term, "epsilon"), &beta = A(term, "beta"), &gam = A(term, "gamma"),
                       &b = A(term, "b");
            for (std::size_t k = 0; k < n.size(); ++k)
                sum += n[k] * std::pow(d, dd[k]) * std::pow(tau, t[k]) *
                       std::exp(eta[k] * (d - eps[k]) * (d - eps[k]) +
                                1.0 / (beta[k] * (tau - gam[k]) * (tau - gam[k]) + b[k]));
        } else if (term.type == "ResidualHelmholtzNonAnalytic") {
            // Span-Wagner near-critical terms: n Delta^b delta psi.
            const auto &a = A(term, "a"), &b = A(term, "b"), &beta = A(term, "beta"), &AA = A(term, "A"),
                       &B = A(term, "B"), &C = A(term, "C"), &D = A(term, "D");
            const double dm1 = (d - 1.0) * (d - 1.0);
            for (std::size_t k = 0; k < n.size(); ++k) {
                const double theta = (1.0 - tau) + AA[k] * std::pow(dm1, 1.0 / (2.0 * beta[k]));
                const double Delta = theta * theta + B[k] * std::pow(dm1, a[k]);
                const double psi = std::exp(-C[k] * dm1 - D[k] * (tau - 1.0) * (tau - 1.0));
                sum += n[k] * std::pow(Delta, b[k]) * d * psi;
            }
        } else {
            throw std::runtime_error("unsupported residual term " + term.type);
        }
    }
    return sum;
}

// Central differences; the step is small against delta and tau and the terms are smooth away from the
// critical point, which the tables stay below.
double Fluid::dAlpharDelta(double d, double tau) const {
    const double h = 1e-6 * d;
    return (alphar(d + h, tau) - alphar(d - h, tau)) / (2.0 * h);
}

double Fluid::dAlpharTau(double d, double tau) const {
    const double h = 1e-6 * tau;
    return (alphar(d, tau + h) - alphar(d, tau - h)) / (2.0 * h);
}

// h0 / (R T) up to a constant: the temperature-dependent part of the ideal-gas enthalpy.
double Fluid::idealEnthalpyOverRT(double T) const {
    const double tau = m_Tr / T;
    double h = 1.0; // the RT of p v
    for (const Term& term : m_ideal) {
        if (term.type == "IdealGasHelmholtzLogTau") {
            h += term.scalars.at("a");
        } else if (term.type == "IdealGasHelmholtzPower") {
            const auto &n = A(term, "n"), &t = A(term, "t");
            for (std::size_t k = 0; k < n.size(); ++k)
                h += n[k] * t[k] * std::pow(tau, t[k]);
        } else if (term.type == "IdealGasHelmholtzPlanckEinstein") {
            const auto &n = A(term, "n"), &t = A(term, "t");
            for (std::size_t k = 0; k < n.size(); ++k)
                h += n[k] * t[k] * tau / (std::exp(t[k] * tau) - 1.0);
        } else if (term.type == "IdealGasHelmholtzCP0Constant") {
            h += term.scalars.at("cp_over_R");
        } else if (term.type == "IdealGasHelmholtzCP0PolyT") {
            const auto &c = A(term, "c"), &t = A(term, "t");
            for (std::size_t k = 0; k < c.size(); ++k)
                h += (std::abs(t[k] + 1.0) < 1e-12 ? c[k] * std::log(T)
                                                   : c[k] * std::pow(T, t[k] + 1.0) / (t[k] + 1.0)) /
                     T;
        } else if (term.type != "IdealGasHelmholtzLead" &&
                   term.type != "IdealGasHelmholtzEnthalpyEntropyOffset") {
            throw std::runtime_error("unsupported ideal term " + term.type); // those two only shift constants
        }
    }
    return h;
}

double Fluid::vapourPressureEstimate(double T) const {
    const double T1 = 0.9 * m_Tc, T2 = 0.995 * m_Tc;
    if (T <= T2) return m_pL(T);
    // Beyond the ancillary's range: ln p linear in 1/T through two points below the critical point.
    const double slope = std::log(m_pL(T2) / m_pL(T1)) / (1.0 / T2 - 1.0 / T1);
    return m_pL(T2) * std::exp(slope * (1.0 / T - 1.0 / T2));
}

double Fluid::liquidDensityEstimate(double T) const {
    return m_rhoL(std::min(T, 0.97 * m_Tc));
}

double Fluid::pressure(double T, double rho) const {
    const double d = rho / m_rhor;
    return rho * m_R * T * (1.0 + d * dAlpharDelta(d, m_Tr / T));
}

double Fluid::enthalpy(double T, double rho) const {
    const double d = rho / m_rhor, tau = m_Tr / T;
    return m_R * T * (idealEnthalpyOverRT(T) + tau * dAlpharTau(d, tau) + d * dAlpharDelta(d, tau));
}

double Fluid::gibbsResidual(double d, double tau) const {
    const double ad = dAlpharDelta(d, tau);
    return std::log(d) + alphar(d, tau) + d * ad;
}

double Fluid::density(double T, double p, double guess) const {
    double rho = guess;
    for (int it = 0; it < 100; ++it) {
        const double h = 1e-6 * rho;
        const double f = pressure(T, rho) - p;
        const double slope = (pressure(T, rho + h) - pressure(T, rho - h)) / (2.0 * h);
        double step = f / slope;
        if (std::abs(step) > 0.2 * rho) step = std::copysign(0.2 * rho, step);
        rho -= step;
        if (std::abs(step) < 1e-10 * rho || (it > 50 && std::abs(step) < 1e-7 * rho))
            return rho; // the pressure itself carries about 1e-9 of difference noise in the liquid
    }
    throw std::runtime_error("density did not converge at T = " + std::to_string(T) +
                             " K, p = " + std::to_string(p) + " Pa");
}

SatState Fluid::saturation(double T) const {
    SatState s;
    if (m_pseudoPure) {
        s.pBubble_Pa = m_pL(T);
        s.pDew_Pa = m_pV(T);
        s.rhoLiquid = density(T, s.pBubble_Pa, m_rhoL(T));
        s.rhoVapour = density(T, s.pDew_Pa, m_rhoV(T));
    } else {
        // Newton on (rhoL, rhoV): equal pressure and equal Gibbs energy (Maxwell criterion).
        const double tau = m_Tr / T, RT = m_R * T;
        double dL = m_rhoL(T) / m_rhor, dV = m_rhoV(T) / m_rhor;
        for (int it = 0; it < 100; ++it) {
            auto resid = [&](double a, double b, double out[2]) {
                out[0] = (a * (1.0 + a * dAlpharDelta(a, tau)) - b * (1.0 + b * dAlpharDelta(b, tau))) *
                         m_rhor * RT;
                out[1] = gibbsResidual(a, tau) - gibbsResidual(b, tau);
            };
            double r[2], rl[2], rv[2];
            resid(dL, dV, r);
            const double hl = 1e-7 * dL, hv = 1e-7 * dV;
            resid(dL + hl, dV, rl);
            resid(dL, dV + hv, rv);
            const double j00 = (rl[0] - r[0]) / hl, j01 = (rv[0] - r[0]) / hv;
            const double j10 = (rl[1] - r[1]) / hl, j11 = (rv[1] - r[1]) / hv;
            const double det = j00 * j11 - j01 * j10;
            const double sL = (r[0] * j11 - r[1] * j01) / det, sV = (j00 * r[1] - j10 * r[0]) / det;
            dL -= sL;
            dV -= sV;
            if (std::abs(sL) < 1e-10 * dL && std::abs(sV) < 1e-10 * dV) break;
            if (it == 99 && (std::abs(sL) > 1e-6 * dL || std::abs(sV) > 1e-6 * dV))
                throw std::runtime_error("saturation did not converge");
        }
        s.rhoLiquid = dL * m_rhor;
        s.rhoVapour = dV * m_rhor;
        s.pBubble_Pa = s.pDew_Pa = pressure(T, s.rhoVapour);
    }
    s.hLiquid = enthalpy(T, s.rhoLiquid);
    s.hVapour = enthalpy(T, s.rhoVapour);
    return s;
}

} // namespace eos
