#pragma once
// The load components of a calculation as shares of the required capacity, for the load-share chart of
// the result panel and of the report's first page.

#include <array>
#include <string>

namespace veskaro {

class CaptionTable;
struct LoadResult;

// The components of the chart; the air change appears as its latent and sensible parts.
enum class LoadComponent { Goods, Electrical, Latent, Sensible, Transmission, Persons, Fans, Defrost };
inline constexpr int kLoadComponentCount = 8;

struct LoadShare {
    LoadComponent component = LoadComponent::Goods;
    double capacity_kW = 0.0; // unrounded contribution to Q_0 at the operating time
    double share_pct = 0.0;   // capacity_kW / Q_0 · 100; negative for a component that lowers the load
};

using LoadShares = std::array<LoadShare, kLoadComponentCount>;

// Every component's unrounded contribution to Q_0 (kW) and its share of Q_0 (%): the averages over the day
// basis scaled by D / t_run, the fan and defrost heat as added. The shares sum to 100 % whenever Q_0 is
// positive; with Q_0 <= 0 (an empty room, or thawing goods outweighing every gain) every share is 0.
LoadShares ComputeLoadShares(const LoadResult& r);

// Sum of the positive shares: the full length of the chart's stacked bar (100 % unless a component is
// negative).
double PositiveShareSum(const LoadShares& shares);

// The component's name in the chart's legend, from the captions: the air change parts carry the air
// change word before their own ("Air change - latent part").
std::string LoadComponentName(const CaptionTable& captions, LoadComponent component);

} // namespace veskaro
