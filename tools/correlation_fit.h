#pragma once
// Fits of a saturation property against temperature in the two correlation forms of the program (Poly3
// in T, ExpForm in 1/T), piecewise over consecutive temperature ranges so that every piece reproduces
// the table within a given relative error. Used only by the table generator.

#include <vector>

namespace eos {

struct Fit {
    bool exp = false; // ExpForm: 1e-3 exp(a + b/T + c/T²); else Poly3: 1e-3 (a + b T + c T² + d T³)
    double a = 0, b = 0, c = 0, d = 0;
    double tMax = 0;   // last temperature (K) of the piece
    double maxErr = 0; // largest relative error over the piece's table rows
};

double Evaluate(const Fit& f, double T);

// Pieces covering all of T (rising, K), each the longest run of rows from the end of the previous one
// that a single fit holds to within `tolerance` of `scale` (the value itself, or the latent heat for an
// enthalpy whose zero point is arbitrary). Neighbouring pieces share their boundary row. At most
// `maxPieces`; the last piece then takes the rest with whatever error it has.
std::vector<Fit> FitPieces(const std::vector<double>& T, const std::vector<double>& y,
                           const std::vector<double>& scale, double tolerance, int maxPieces);

} // namespace eos
