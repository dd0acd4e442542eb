#include "equipment/refrigerant_correlations.h"

#include <algorithm>
#include <cmath>

#include "equipment/refrigerants.h"

namespace veskaro {

namespace {

constexpr double kDefaultCorrelationT_K = 262.4; // stands in for a temperature never set
constexpr double kZeroC_K = 273.15;
constexpr double kClampSlack_K = 1e-9; // t °C + 273.15 misses a range end by rounding only

double Evaluate(const Correlation& c, double T) {
    if (c.form == CorrelationForm::ExpForm) return ExpForm(c.a, c.b, c.c, T);
    return Poly3(c.a, c.b, c.c, c.d, T);
}

// The piece whose range holds T (T already within the whole range): the first one ending at or above it.
const Correlation& PieceAt(const PiecewiseCorrelation& pieces, double T) {
    for (const Correlation& c : pieces)
        if (c.tMax_K > 0.0 && T <= c.tMax_K) return c;
    return pieces.front();
}

const CorrelationBlock* FindBlock(const CorrelationBlock* blocks, int count, std::string_view name) {
    const CorrelationBlock* end = blocks + count;
    const CorrelationBlock* it =
        std::find_if(blocks, end, [&](const CorrelationBlock& b) { return b.name == name; });
    return it == end ? nullptr : it;
}

double LastTemperature(const PiecewiseCorrelation& pieces) {
    double t = 0.0;
    for (const Correlation& c : pieces)
        t = std::max(t, c.tMax_K);
    return t;
}

} // namespace

double Poly3(double a, double b, double c, double d, double T) {
    return 1e-3 * (a + T * (b + T * (c + T * d)));
}

double ExpForm(double a, double b, double c, double& T) {
    if (T == 0.0) T = kDefaultCorrelationT_K;
    return 1e-3 * std::exp(a + b / T + c / (T * T));
}

CorrelationResults RefrigerantCorrelations(std::string_view refrigerant, double T_K) {
    CorrelationResults out;
    const RefrigerantRow* row = FindRefrigerant(refrigerant);
    if (row == nullptr) return out;
    const CorrelationBlock* block = FindBlock(kCorrelationBlocks, kCorrelationBlockCount, row->names[0]);
    if (block == nullptr)
        block = FindBlock(kBlendCorrelationBlocks, kBlendCorrelationBlockCount, row->names[0]);
    if (block == nullptr) return out;
    out.found = true;
    if (!std::isfinite(T_K)) T_K = kZeroC_K;
    for (int k = 0; k < kCorrelationCount; ++k) {
        const double T = std::clamp(T_K, block->tMin_K, LastTemperature(block->c[k]));
        out.clamped = out.clamped || std::abs(T - T_K) > kClampSlack_K;
        out.value[k] = Evaluate(PieceAt(block->c[k], T), T);
    }
    return out;
}

} // namespace veskaro
