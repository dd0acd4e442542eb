#pragma once
// Helmholtz-energy equations of state read from published fluid files (JSON): the ideal and residual
// terms, the ancillary saturation equations, and the saturation states they give. Used only by the
// table generator; the program reads the generated tables.

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace eos {

// A JSON value: enough of the grammar for the fluid files (objects, arrays, numbers, strings, booleans).
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    double number = 0.0;
    bool boolean = false;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const; // throws when the member is missing
    bool has(const std::string& key) const { return members.count(key) != 0; }
    std::vector<double> numbers() const;
};
Json ParseJson(const std::string& text);

// One term family of the Helmholtz energy with its coefficient arrays by name.
struct Term {
    std::string type;
    std::map<std::string, std::vector<double>> arrays;
    std::map<std::string, double> scalars;
};

// Ancillary equation value = reducing * f(sum n theta^t), theta = 1 - T/Tr.
struct Ancillary {
    std::string type; // pL, pV, rhoLnoexp, rhoV
    std::vector<double> n, t;
    double Tr = 0.0, reducing = 0.0;
    bool usingTauR = false;
    double operator()(double T) const;
};

struct SatState {
    double pBubble_Pa = 0.0, pDew_Pa = 0.0;
    double rhoLiquid = 0.0, rhoVapour = 0.0; // kg/m³
    double hLiquid = 0.0, hVapour = 0.0;     // J/kg, reference of the equation
};

class Fluid {
  public:
    explicit Fluid(const Json& file);
    double Tc() const { return m_Tc; }
    double Ttriple() const { return m_Ttriple; }
    bool pseudoPure() const { return m_pseudoPure; }
    const std::string& source() const { return m_source; }
    // Pressure (Pa) and enthalpy (J/kg) at T (K) and density (kg/m³).
    double pressure(double T, double rho) const;
    double enthalpy(double T, double rho) const;
    // Density (kg/m³) at T and p from a starting guess on the wanted branch.
    double density(double T, double p, double guess) const;
    // Saturation at T: equal pressure and Gibbs energy for a pure fluid; bubble and dew pressure from the
    // published ancillaries of a pseudo-pure blend.
    SatState saturation(double T) const;

    // What a mixture model needs of each component: the reduced residual Helmholtz energy, the
    // temperature-dependent part of the ideal-gas enthalpy over R T, the reducing state, the molar mass
    // (kg/mol), the molar gas constant (J/(mol K)), the identifier of the substance and a vapour-pressure
    // estimate (Pa) from the ancillary equation, extrapolated in ln p against 1/T above the critical point.
    double alphar(double delta, double tau) const;
    double idealEnthalpyOverRT(double T) const;
    double Tr() const { return m_Tr; }
    double rhorMolar() const { return m_rhor / m_M; }
    double molarMass() const { return m_M; }
    double molarR() const { return m_R * m_M; }
    const std::string& cas() const { return m_cas; }
    double vapourPressureEstimate(double T) const;
    double liquidDensityEstimate(double T) const; // kg/m³, held at 0.97 Tc above it

  private:
    double dAlpharDelta(double delta, double tau) const;
    double dAlpharTau(double delta, double tau) const;
    double gibbsResidual(double delta, double tau) const; // ln delta + alphar + delta alphar_delta

    std::vector<Term> m_ideal, m_residual;
    Ancillary m_pL, m_pV, m_rhoL, m_rhoV;
    double m_R = 0.0; // J/(kg K)
    double m_Tr = 0.0, m_rhor = 0.0, m_Tc = 0.0, m_Ttriple = 0.0, m_M = 0.0;
    bool m_pseudoPure = false;
    std::string m_source, m_cas;
};

} // namespace eos
