#pragma once
// Refrigerants: the name table with the alternative names, the current refrigerant, the saturation
// tables and their lookup.

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace veskaro {

struct AppContext;
class RecordReader;

// One refrigerant of the name table: up to three names that stand for the same fluid, its table file and
// whether property data for it is shipped.
struct RefrigerantRow {
    std::array<std::string_view, 3> names{}; // names[0] is the table name; empty slots at the end
    std::string_view file;                   // saturation table file
    bool shipped = false;                    // a table and a correlation block exist
};

const std::vector<RefrigerantRow>& RefrigerantNameTable();
// The row of `name` (any of its names, any letter case, blanks around ignored); nullptr when unknown.
const RefrigerantRow* FindRefrigerant(std::string_view name);
// The names of the shipped refrigerants in table order, for a combo box.
std::vector<std::string> ShippedRefrigerantNames();

// The current refrigerant: the name as chosen, kept in upper case.
class CurrentRefrigerant {
  public:
    void set(std::string_view name);
    const std::string& name() const { return m_name; }
    const RefrigerantRow* row() const { return FindRefrigerant(m_name); }

  private:
    std::string m_name;
};

// One saturation record: t °C, bubble and dew pressure bar abs, saturated liquid and dew vapour density
// kg/m³, liquid and dew vapour enthalpy kJ/kg (IIR reference: 200 kJ/kg for the liquid at 0 °C).
struct SaturationPoint {
    double t_C = 0.0;
    double pBubble_bar = 0.0, pDew_bar = 0.0;
    double rhoLiquid_kgm3 = 0.0, rhoVapour_kgm3 = 0.0;
    double hLiquid_kJkg = 0.0, hVapour_kJkg = 0.0;
    bool clamped = false; // the requested temperature lay outside the table and was held at its end
    double latentHeat_kJkg() const { return hVapour_kJkg - hLiquid_kJkg; }
};

enum class TableStatus {
    Ok,
    UnknownName,   // not a refrigerant of the name table
    NoData,        // a known refrigerant without published property data
    FileMissing,   // the table file is not in the data directory
    FileDamaged,   // fewer than two valid records
    PartlyDamaged, // records after the first invalid one were left out
};

class SaturationTable {
  public:
    // Reads records of 7 numbers up to the end of the text; stops at the first record that is not a valid
    // state (temperatures rising, pressures and densities positive, every value finite) and at 2000 records.
    static SaturationTable fromReader(RecordReader& reader, TableStatus& status);
    static SaturationTable fromText(const std::string& text, TableStatus& status);
    bool usable() const { return m_rows.size() >= 2; }
    std::size_t size() const { return m_rows.size(); }
    double tMin_C() const { return m_rows.empty() ? 0.0 : m_rows.front().t_C; }
    double tMax_C() const { return m_rows.empty() ? 0.0 : m_rows.back().t_C; }
    // SaturationLookup: linear between the two records around t, pressures logarithmically; outside the
    // table the end record is returned and flagged. An unusable table gives a zero point, flagged.
    SaturationPoint lookup(double t_C) const;

  private:
    std::vector<SaturationPoint> m_rows;
};

// SaturationLookup: the saturation state at t (°C) from `table`, see SaturationTable::lookup.
inline SaturationPoint SaturationLookup(const SaturationTable& table, double t_C) {
    return table.lookup(t_C);
}

// The saturation tables of a run, read once from the data directory and kept.
class SaturationTables {
  public:
    // The table of `refrigerant` (any of its names); nullptr with the reason when there is none to use.
    const SaturationTable* find(const AppContext& ctx, std::string_view refrigerant, TableStatus& status);

  private:
    struct Entry {
        SaturationTable table;
        TableStatus status = TableStatus::Ok;
    };
    std::map<std::string, Entry, std::less<>> m_cache;
};

// The user-facing text of a status ("no property data for this refrigerant", ...); "" for Ok.
std::string_view TableStatusText(TableStatus status);

} // namespace veskaro
