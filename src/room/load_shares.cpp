#include "room/load_shares.h"

#include "app/captions.h"
#include "room/load_calc.h"

namespace veskaro {

LoadShares ComputeLoadShares(const LoadResult& r) {
    // The averages over the day basis D become capacities at the operating time: the plant runs t_run of
    // every D hours. Fan and defrost heat were added to Q_0 as they are.
    const double toRunTime = r.tRun_h > 0.0 ? r.D_h / r.tRun_h : 1.0;
    const double goods_kW = r.D_h > 0 ? r.QG_kWhday / r.D_h : 0.0;
    LoadShares shares = {{
        {LoadComponent::Goods, goods_kW * toRunTime, 0.0},
        {LoadComponent::Electrical, (r.QB_kW + r.QE_kW) * toRunTime, 0.0},
        {LoadComponent::Latent, r.latent_kW * toRunTime, 0.0},
        {LoadComponent::Sensible, r.sensible_kW * toRunTime, 0.0},
        {LoadComponent::Transmission, r.QT_kW * toRunTime, 0.0},
        {LoadComponent::Persons, r.QP_kW * toRunTime, 0.0},
        {LoadComponent::Fans, r.fan_kW, 0.0},
        {LoadComponent::Defrost, r.defrostHeat_kW, 0.0},
    }};
    double total_kW = 0.0;
    for (const LoadShare& s : shares)
        total_kW += s.capacity_kW;
    // Frozen goods thawing in a warm room can outweigh every gain: no capacity is needed, nothing to divide.
    if (!(total_kW > 0.0)) return shares;
    for (LoadShare& s : shares)
        s.share_pct = 100.0 * s.capacity_kW / total_kW;
    return shares;
}

double PositiveShareSum(const LoadShares& shares) {
    double sum = 0.0;
    for (const LoadShare& s : shares) {
        if (s.share_pct > 0.0) sum += s.share_pct;
    }
    return sum;
}

std::string LoadComponentName(const CaptionTable& captions, LoadComponent component) {
    switch (component) {
    case LoadComponent::Goods:
        return captions[Cap::GoodsLoadLabel];
    case LoadComponent::Electrical:
        return captions[Cap::LightingElectricalLabel];
    case LoadComponent::Latent:
        return captions[Cap::AirChangeLoadLabel] + " - " + captions[Cap::LatentPartLabel];
    case LoadComponent::Sensible:
        return captions[Cap::AirChangeLoadLabel] + " - " + captions[Cap::SensiblePartLabel];
    case LoadComponent::Transmission:
        return captions[Cap::TransmissionLabel];
    case LoadComponent::Persons:
        return captions[Cap::PersonsLoadLabel];
    case LoadComponent::Fans:
        return captions[Cap::FanPowerLabel];
    case LoadComponent::Defrost:
        return captions[Cap::DefrostHeatLabel];
    }
    return {};
}

} // namespace veskaro
