#pragma once
// Caption table: every visible word of the program comes from a slot loaded from "Caption." & language.

#include <array>
#include <string>
#include <string_view>

#include "app/caption_slots.h"

namespace veskaro {

struct AppContext;
class RecordReader;

// Fixed SI unit labels, set after the caption file is read.
struct UnitLabels {
    std::string temperature = "°C";
    std::string temperatureDifference = "K";
    std::string length = "m";
    std::string power = "kW";
    std::string smallLength = "mm";
    std::string smallPower = "W";
    std::string pressure = "bar";
    std::string smallPressure = "mbar";
    std::string volumeFlow = "m³/h";
    std::string volume = "dm³";
    std::string mass = "kg";
    std::string velocity = "m/s";
    std::string massFlow = "kg/s";
    std::string specificEnthalpy = "kJ/kg";
};

class CaptionTable {
  public:
    const std::string& operator[](Cap slot) const { return m_slots[static_cast<std::size_t>(slot)]; }
    std::string& operator[](Cap slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    // Caption array entries 1 to 61.
    const std::string& array(int index) const;

    UnitLabels units;
    std::array<std::string, kCaptionSlotCount> m_slots{};
};

// Reads the slots in their order from a caption file's reader; slots it does not reach stay empty.
void ReadCaptions(RecordReader reader, CaptionTable& table);
// Reads "Caption." & language code from the data directory into ctx.captions (missing slots stay empty)
// and sets the unit labels.
void LoadCaptions(AppContext& ctx);

} // namespace veskaro
