#include "refrigerant_mixture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace eos {

namespace {

constexpr double kStep = 1e-6; // relative step of the central differences

Departure ReadDeparture(const Json& departures, const std::string& name) {
    for (const Json& f : departures.items) {
        bool match = f["Name"].text == name;
        if (f.has("aliases"))
            for (const Json& alias : f["aliases"].items)
                match = match || alias.text == name;
        if (!match) continue;
        if (f["type"].text != "Exponential")
            throw std::runtime_error("unsupported departure function type " + f["type"].text);
        return {f["n"].numbers(), f["t"].numbers(), f["d"].numbers(), f["l"].numbers()};
    }
    throw std::runtime_error("departure function " + name + " not in the file");
}

} // namespace

double Departure::operator()(double delta, double tau) const {
    double sum = 0.0;
    for (std::size_t k = 0; k < n.size(); ++k)
        sum += n[k] * std::pow(delta, d[k]) * std::pow(tau, t[k]) *
               (l[k] > 0 ? std::exp(-std::pow(delta, l[k])) : 1.0);
    return sum;
}

PairParameters FindPair(const Json& pairs, const Json& departures, const Fluid& a, const Fluid& b) {
    PairParameters out;
    for (const Json& p : pairs.items) {
        const bool forward = p["CAS1"].text == a.cas() && p["CAS2"].text == b.cas();
        const bool reverse = p["CAS1"].text == b.cas() && p["CAS2"].text == a.cas();
        if (!forward && !reverse) continue;
        out.source = p["BibTeX"].text;
        out.F = p.has("F") ? p["F"].number : 0.0;
        if (p.has("xi")) {
            out.lemmonJacobsen = true;
            out.xi_K = p["xi"].number;
            out.zeta_m3mol = p["zeta"].number;
        } else {
            // beta is not symmetric: the file's first component is i of beta_ij.
            out.betaT = forward ? p["betaT"].number : 1.0 / p["betaT"].number;
            out.betaV = forward ? p["betaV"].number : 1.0 / p["betaV"].number;
            out.gammaT = p["gammaT"].number;
            out.gammaV = p["gammaV"].number;
        }
        if (out.F != 0.0 && p.has("function")) out.departure = ReadDeparture(departures, p["function"].text);
        return out;
    }
    out.estimated = true;
    out.source = "estimate (Lorentz-Berthelot)";
    return out;
}

Mixture::Mixture(std::vector<const Fluid*> fluids, const std::vector<double>& massFractions,
                 const Json& pairs, const Json& departures)
    : m_f(std::move(fluids)), m_z(m_f.size()), m_pair(m_f.size(), std::vector<PairParameters>(m_f.size())) {
    double moles = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i)
        moles += m_z[i] = massFractions[i] / m_f[i]->molarMass();
    for (double& z : m_z)
        z /= moles;
    for (std::size_t i = 0; i < m_f.size(); ++i)
        for (std::size_t j = i + 1; j < m_f.size(); ++j)
            m_pair[i][j] = FindPair(pairs, departures, *m_f[i], *m_f[j]);
}

double Mixture::molarMass(const std::vector<double>& x) const {
    double M = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i)
        M += x[i] * m_f[i]->molarMass();
    return M;
}

std::vector<std::string> Mixture::estimatedPairs() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m_f.size(); ++i)
        for (std::size_t j = i + 1; j < m_f.size(); ++j)
            if (m_pair[i][j].estimated) out.push_back(m_f[i]->cas() + "/" + m_f[j]->cas());
    return out;
}

std::string Mixture::pairSources() const {
    std::string out;
    for (std::size_t i = 0; i < m_f.size(); ++i)
        for (std::size_t j = i + 1; j < m_f.size(); ++j)
            out +=
                (out.empty() ? "" : "; ") + m_f[i]->cas() + "/" + m_f[j]->cas() + " " + m_pair[i][j].source;
    return out;
}

double Mixture::reducingT(const std::vector<double>& x) const {
    double T = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i) {
        T += x[i] * x[i] * m_f[i]->Tr();
        for (std::size_t j = i + 1; j < m_f.size(); ++j) {
            const PairParameters& p = m_pair[i][j];
            const double Ti = m_f[i]->Tr(), Tj = m_f[j]->Tr(), xx = x[i] * x[j];
            if (p.lemmonJacobsen)
                T += xx * (Ti + Tj + p.xi_K);
            else if (x[i] + x[j] > 0)
                T += 2 * xx * p.betaT * p.gammaT * (x[i] + x[j]) / (p.betaT * p.betaT * x[i] + x[j]) *
                     std::sqrt(Ti * Tj);
        }
    }
    return T;
}

double Mixture::reducingRho(const std::vector<double>& x) const {
    double v = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i) {
        const double vi = 1.0 / m_f[i]->rhorMolar();
        v += x[i] * x[i] * vi;
        for (std::size_t j = i + 1; j < m_f.size(); ++j) {
            const PairParameters& p = m_pair[i][j];
            const double vj = 1.0 / m_f[j]->rhorMolar(), xx = x[i] * x[j];
            if (p.lemmonJacobsen)
                v += xx * (vi + vj + p.zeta_m3mol);
            else if (x[i] + x[j] > 0)
                v += 2 * xx * p.betaV * p.gammaV * (x[i] + x[j]) / (p.betaV * p.betaV * x[i] + x[j]) *
                     std::pow(std::cbrt(vi) + std::cbrt(vj), 3) / 8.0;
        }
    }
    return 1.0 / v;
}

double Mixture::alphar(const std::vector<double>& x, double delta, double tau) const {
    double a = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i) {
        a += x[i] * m_f[i]->alphar(delta, tau);
        for (std::size_t j = i + 1; j < m_f.size(); ++j) {
            const PairParameters& p = m_pair[i][j];
            if (p.F != 0.0 && !p.departure.n.empty()) a += x[i] * x[j] * p.F * p.departure(delta, tau);
        }
    }
    return a;
}

double Mixture::gasConstant(const std::vector<double>& x) const {
    double R = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i)
        R += x[i] * m_f[i]->molarR();
    return R;
}

// Pressure (Pa) and its derivative by density at T and rho (mol/m³), from three values of alphar.
std::pair<double, double> Mixture::pressureAndSlope(const std::vector<double>& x, double T,
                                                    double rho) const {
    const double d = rho / reducingRho(x), tau = reducingT(x) / T, h = 1e-5 * d;
    const double up = alphar(x, d + h, tau), mid = alphar(x, d, tau), down = alphar(x, d - h, tau);
    const double ad = (up - down) / (2 * h), add = (up - 2 * mid + down) / (h * h);
    const double RT = gasConstant(x) * T;
    return {rho * RT * (1.0 + d * ad), RT * (1.0 + 2 * d * ad + d * d * add)};
}

// Newton on p(rho). The liquid root is approached from above (p(rho) is convex there), the vapour root
// from the ideal-gas density below (p(rho) is concave there), so the iteration stays on its branch.
double Mixture::density(const std::vector<double>& x, double T, double p, bool liquid) const {
    double rho = 0.0;
    if (liquid) {
        double v = 0.0;
        for (std::size_t i = 0; i < m_f.size(); ++i)
            v += x[i] * m_f[i]->molarMass() / m_f[i]->liquidDensityEstimate(T);
        rho = 1.1 / v;
        for (int k = 0; k < 20 && pressureAndSlope(x, T, rho).first < p; ++k)
            rho *= 1.05;
    } else {
        rho = p / (gasConstant(x) * T);
    }
    for (int it = 0; it < 200; ++it) {
        const auto [pr, slope] = pressureAndSlope(x, T, rho);
        if (!(slope > 0)) throw std::runtime_error("density: no stable root on the branch");
        double step = (pr - p) / slope;
        if (std::abs(step) > 0.3 * rho) step = std::copysign(0.3 * rho, step);
        rho -= step;
        if (std::abs(step) < 1e-8 * rho) return rho; // the liquid pressure carries ~1e-6 of difference noise
    }
    throw std::runtime_error("density did not converge at T = " + std::to_string(T) +
                             " K, p = " + std::to_string(p) + " Pa");
}

// ln phi_i = d(n alphar)/dn_i at constant T, V and the other amounts, minus ln Z; the derivative by central
// differences in n_i around one mole.
Mixture::Phase Mixture::phase(const std::vector<double>& x, double T, double p, bool liquid) const {
    Phase out;
    out.rho = density(x, T, p, liquid);
    const double V = 1.0 / out.rho;
    auto nAlphar = [&](const std::vector<double>& n) {
        double N = 0.0;
        for (double v : n)
            N += v;
        std::vector<double> xn(n.size());
        for (std::size_t i = 0; i < n.size(); ++i)
            xn[i] = n[i] / N;
        return N * alphar(xn, N / V / reducingRho(xn), reducingT(xn) / T);
    };
    const double lnZ = std::log(p / (out.rho * gasConstant(x) * T));
    for (std::size_t i = 0; i < m_f.size(); ++i) {
        std::vector<double> up = x, down = x;
        up[i] += kStep;
        down[i] -= kStep;
        out.lnPhi.push_back((nAlphar(up) - nAlphar(down)) / (2 * kStep) - lnZ);
    }
    return out;
}

double Mixture::enthalpy(const std::vector<double>& x, double T, double rho) const {
    const double rhor = reducingRho(x), Tr = reducingT(x), d = rho / rhor, tau = Tr / T;
    const double hd = kStep * d, ht = kStep * tau;
    const double ad = (alphar(x, d + hd, tau) - alphar(x, d - hd, tau)) / (2 * hd);
    const double at = (alphar(x, d, tau + ht) - alphar(x, d, tau - ht)) / (2 * ht);
    double h = 0.0, R = 0.0;
    for (std::size_t i = 0; i < m_f.size(); ++i) {
        h += x[i] * m_f[i]->molarR() * T * m_f[i]->idealEnthalpyOverRT(T);
        R += x[i] * m_f[i]->molarR();
    }
    return (h + R * T * (tau * at + d * ad)) / molarMass(x);
}

// Successive substitution of the equilibrium ratios K_i = phi_i^L / phi_i^V for the composition of the
// incipient phase, with a Newton step on ln p for the closure sum (its slope from the last two iterates
// once the composition has settled, the ideal-solution slope before).
bool Mixture::equilibrium(double T, bool bubble, double& p, std::vector<double>& other) const {
    const std::size_t n = m_f.size();
    double lnpPrev = 0.0, gPrev = 0.0;
    for (int it = 0; it < 400; ++it) {
        const Phase L = phase(bubble ? m_z : other, T, p, true);
        const Phase V = phase(bubble ? other : m_z, T, p, false);
        if (std::abs(L.rho - V.rho) < 1e-3 * L.rho) return false; // the trivial solution
        std::vector<double> next(n);
        double S = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            const double K = std::exp(L.lnPhi[i] - V.lnPhi[i]);
            next[i] = bubble ? K * m_z[i] : m_z[i] / K;
            S += next[i];
        }
        double change = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            next[i] /= S;
            change = std::max(change, std::abs(next[i] - other[i]));
        }
        other = next;
        const double g = std::log(S), lnp = std::log(p);
        const double ideal = bubble ? 1.0 : -1.0; // ln p that makes the sum one moves by +-ln S
        double slope = -ideal;
        if (it > 3 && change < 1e-4 && std::abs(lnp - lnpPrev) > 1e-14) {
            const double secant = (g - gPrev) / (lnp - lnpPrev);
            if (secant * slope > 0 && std::abs(secant) > 0.2 && std::abs(secant) < 5) slope = secant;
        }
        if (std::abs(g) < 1e-7 && change < 1e-7) return true; // ln phi of the liquid carries ~1e-8 of noise
        lnpPrev = lnp;
        gPrev = g;
        p *= std::exp(std::clamp(-g / slope, -0.5, 0.5));
    }
    return false;
}

SatState Mixture::saturation(double T) {
    const std::size_t n = m_f.size();
    auto start = [&] { // Raoult's law from the component vapour pressures
        m_yBubble.assign(n, 0.0);
        m_xDew.assign(n, 0.0);
        m_pBubble = 0.0;
        double inv = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            const double ps = m_f[i]->vapourPressureEstimate(T);
            m_pBubble += m_z[i] * ps;
            inv += m_z[i] / ps;
        }
        m_pDew = 1.0 / inv;
        for (std::size_t i = 0; i < n; ++i) {
            const double ps = m_f[i]->vapourPressureEstimate(T);
            m_yBubble[i] = m_z[i] * ps / m_pBubble;
            m_xDew[i] = m_z[i] * m_pDew / ps;
        }
    };
    if (m_pBubble <= 0) start();
    auto solve = [&](bool bubble) {
        double& p = bubble ? m_pBubble : m_pDew;
        std::vector<double>& other = bubble ? m_yBubble : m_xDew;
        const double p0 = p;
        const std::vector<double> other0 = other;
        try {
            if (equilibrium(T, bubble, p, other)) return;
        } catch (const std::exception&) {
        }
        start(); // the previous solution was a poor guess: start again from Raoult's law
        if (!equilibrium(T, bubble, p, other)) {
            p = p0;
            other = other0;
            throw std::runtime_error("no phase equilibrium at T = " + std::to_string(T) + " K");
        }
    };
    solve(true);
    const double pb = m_pBubble;
    const std::vector<double> yb = m_yBubble;
    solve(false);
    m_pBubble = pb;
    m_yBubble = yb;
    SatState s;
    s.pBubble_Pa = m_pBubble;
    s.pDew_Pa = m_pDew;
    const double rhoL = density(m_z, T, m_pBubble, true), rhoV = density(m_z, T, m_pDew, false);
    const double M = molarMass(m_z);
    s.rhoLiquid = rhoL * M;
    s.rhoVapour = rhoV * M;
    s.hLiquid = enthalpy(m_z, T, rhoL);
    s.hVapour = enthalpy(m_z, T, rhoV);
    return s;
}

} // namespace eos
