#pragma once
// Multi-fluid Helmholtz mixture model for refrigerant blends: the residual Helmholtz energy of the mixture
// is the mole-fraction sum of the component equations evaluated at the mixture's reduced density and
// temperature, plus binary departure functions; the reducing temperature and density of the mixture come
// from binary interaction parameters. Bubble and dew points at a given temperature follow from equal
// fugacities of every component in both phases. Used only by the table generator.

#include <string>
#include <utility>
#include <vector>

#include "refrigerant_eos.h"

namespace eos {

// Departure function of one binary pair: sum n delta^d tau^t exp(-delta^l) (no exponential for l = 0).
struct Departure {
    std::vector<double> n, t, d, l;
    double operator()(double delta, double tau) const;
};

// Interaction of components i < j. Two published forms of the reducing functions:
//   Kunz–Wagner: T_r,ij = 2 x_i x_j betaT gammaT (x_i + x_j) / (betaT² x_i + x_j) sqrt(Tc_i Tc_j), and the
//                same with betaV, gammaV and (v_c,i^(1/3) + v_c,j^(1/3))³ / 8 for the reducing volume;
//   Lemmon–Jacobsen: T_r = sum x_i Tc_i + sum x_i x_j xi_ij, v_r = sum x_i v_c,i + sum x_i x_j zeta_ij.
struct PairParameters {
    bool lemmonJacobsen = false;
    double betaT = 1.0, gammaT = 1.0, betaV = 1.0, gammaV = 1.0;
    double xi_K = 0.0, zeta_m3mol = 0.0;
    double F = 0.0; // weight of the departure function
    Departure departure;
    bool estimated = false; // no published parameters: Lorentz–Berthelot (all beta, gamma 1, no departure)
    std::string source;
};

// Reads the binary parameters of components a and b (in this order) from the published pair and
// departure-function files; a pair they do not hold gets the estimate above.
PairParameters FindPair(const Json& pairs, const Json& departures, const Fluid& a, const Fluid& b);

class Mixture {
  public:
    // Components with their mass fractions (normalised here) and the pair files.
    Mixture(std::vector<const Fluid*> fluids, const std::vector<double>& massFractions, const Json& pairs,
            const Json& departures);
    // Bubble point (liquid of the bulk composition) and dew point (vapour of the bulk composition) at T:
    // pressures Pa, the densities of those two phases kg/m³, their enthalpies J/kg. Throws when either
    // equilibrium cannot be found (near the critical point of the blend).
    SatState saturation(double T);
    double molarMass(const std::vector<double>& x) const;
    // "R32/R125: Lemmon-JPCRD-2004; ..." and the pairs that were estimated.
    std::string pairSources() const;
    std::vector<std::string> estimatedPairs() const;

  private:
    struct Phase {
        double rho = 0.0; // mol/m³
        std::vector<double> lnPhi;
    };
    double reducingT(const std::vector<double>& x) const;
    double reducingRho(const std::vector<double>& x) const; // mol/m³
    double alphar(const std::vector<double>& x, double delta, double tau) const;
    double gasConstant(const std::vector<double>& x) const; // J/(mol K)
    std::pair<double, double> pressureAndSlope(const std::vector<double>& x, double T, double rho) const;
    double density(const std::vector<double>& x, double T, double p, bool liquid) const;
    Phase phase(const std::vector<double>& x, double T, double p, bool liquid) const;
    double enthalpy(const std::vector<double>& x, double T, double rho) const; // J/kg
    // Equilibrium with the fixed phase `z` (liquid for a bubble point, vapour for a dew point); `p` and
    // `other` carry the starting guess in and the solution out.
    bool equilibrium(double T, bool bubble, double& p, std::vector<double>& other) const;

    std::vector<const Fluid*> m_f;
    std::vector<double> m_z;                         // bulk mole fractions
    std::vector<std::vector<PairParameters>> m_pair; // [i][j], i < j
    double m_pBubble = 0.0, m_pDew = 0.0;            // last solutions, the guess for the next temperature
    std::vector<double> m_yBubble, m_xDew;
};

} // namespace eos
