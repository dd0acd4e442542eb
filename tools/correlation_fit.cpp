#include "correlation_fit.h"

#include <algorithm>
#include <cmath>

namespace eos {

namespace {

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

// Both forms over rows [first, last]; the better one by its largest error.
Fit FitBoth(const std::vector<double>& T, const std::vector<double>& y, const std::vector<double>& scale,
            std::size_t first, std::size_t last) {
    const std::size_t n = last - first + 1;
    std::vector<double> Ts(T.begin() + first, T.begin() + last + 1),
        ys(y.begin() + first, y.begin() + last + 1);
    std::vector<double> w(n), invT(n), g(n), lg(n), wl(n);
    for (std::size_t i = 0; i < n; ++i) {
        w[i] = 1.0 / scale[first + i];
        invT[i] = 1.0 / Ts[i];
        g[i] = 1e3 * ys[i];
    }
    std::vector<Fit> fits;
    const auto p = FitPowers(Ts, g, w, std::min<int>(3, static_cast<int>(n) - 1));
    fits.push_back({false, p[0], p.size() > 1 ? p[1] : 0, p.size() > 2 ? p[2] : 0, p.size() > 3 ? p[3] : 0});
    if (std::all_of(ys.begin(), ys.end(), [](double v) { return v > 0; })) {
        for (std::size_t i = 0; i < n; ++i) {
            lg[i] = std::log(1e3 * ys[i]);
            wl[i] = ys[i] / scale[first + i]; // d ln y = dy / y: weight to the relative error against scale
        }
        const auto e = FitPowers(invT, lg, wl, std::min<int>(2, static_cast<int>(n) - 1));
        fits.push_back({true, e[0], e.size() > 1 ? e[1] : 0, e.size() > 2 ? e[2] : 0, 0});
    }
    for (Fit& f : fits) {
        f.tMax = Ts.back();
        for (std::size_t i = 0; i < n; ++i)
            f.maxErr = std::max(f.maxErr, std::abs(Evaluate(f, Ts[i]) - ys[i]) / scale[first + i]);
    }
    return *std::min_element(fits.begin(), fits.end(),
                             [](const Fit& l, const Fit& r) { return l.maxErr < r.maxErr; });
}

} // namespace

double Evaluate(const Fit& f, double T) {
    return f.exp ? 1e-3 * std::exp(f.a + f.b / T + f.c / (T * T))
                 : 1e-3 * (f.a + T * (f.b + T * (f.c + T * f.d)));
}

std::vector<Fit> FitPieces(const std::vector<double>& T, const std::vector<double>& y,
                           const std::vector<double>& scale, double tolerance, int maxPieces) {
    std::vector<Fit> pieces;
    std::size_t first = 0;
    const std::size_t end = T.size() - 1;
    while (first < end) {
        if (static_cast<int>(pieces.size()) + 1 == maxPieces) {
            pieces.push_back(FitBoth(T, y, scale, first, end));
            break;
        }
        // The longest run that holds, by bisection on its last row (a longer run never fits better).
        std::size_t good = std::min(first + 1, end), bad = end + 1;
        Fit best = FitBoth(T, y, scale, first, good);
        while (bad - good > 1) {
            const std::size_t mid = (good + bad) / 2;
            const Fit f = FitBoth(T, y, scale, first, mid);
            if (f.maxErr <= tolerance) {
                good = mid;
                best = f;
            } else {
                bad = mid;
            }
        }
        pieces.push_back(best);
        first = good;
    }
    return pieces;
}

} // namespace eos
