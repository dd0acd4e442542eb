#include "equipment/refrigerants.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr std::size_t kMaxTableRecords = 2000;
constexpr std::uintmax_t kMaxTableBytes = 1u << 20; // a real table has about 8 kB

std::string Upper(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool ValidAfter(const SaturationPoint& p, const SaturationPoint* previous) {
    const double v[] = {p.t_C,          p.pBubble_bar, p.pDew_bar, p.rhoLiquid_kgm3, p.rhoVapour_kgm3,
                        p.hLiquid_kJkg, p.hVapour_kJkg};
    if (!std::all_of(std::begin(v), std::end(v),
                     [](double x) { return std::isfinite(x) && std::abs(x) < 1e7; }))
        return false;
    if (p.pBubble_bar <= 0 || p.pDew_bar <= 0 || p.rhoLiquid_kgm3 <= 0 || p.rhoVapour_kgm3 <= 0) return false;
    return previous == nullptr || p.t_C > previous->t_C;
}

double Lerp(double a, double b, double f) {
    return a + (b - a) * f;
}
// Saturation pressure is close to exponential in temperature: interpolate its logarithm.
double LogLerp(double a, double b, double f) {
    return std::exp(Lerp(std::log(a), std::log(b), f));
}

} // namespace

const std::vector<RefrigerantRow>& RefrigerantNameTable() {
    static const std::vector<RefrigerantRow> table = {
        {{"R11"}, "R11.DAT", true},
        {{"R12"}, "R12.DAT", true},
        {{"R13"}, "R13.DAT", true},
        {{"R13B1"}, "R13B1.DAT", false},
        {{"R14"}, "R14.DAT", true},
        {{"R22"}, "R22.DAT", true},
        {{"R23"}, "R23.DAT", true},
        {{"R502"}, "R502.DAT", true},
        {{"PROPAN", "R290"}, "PROPAN.DAT", true},
        {{"PROPYLEN", "R1270"}, "PROPYLEN.DAT", true},
        {{"R600A"}, "R600A.DAT", true},
        {{"R152A"}, "R152A.DAT", true},
        {{"R134A"}, "R134A.DAT", true},
        {{"AMMONIAK", "R717"}, "AMMONIAK.DAT", true},
        {{"R723"}, "R723.DAT", false},
        {{"R507", "R507A"}, "R507.DAT", true},
        {{"R123"}, "R123.DAT", true},
        {{"R401A"}, "R401A.DAT", false},
        {{"R401B"}, "R401B.DAT", false},
        {{"R402A"}, "R402A.DAT", false},
        {{"R402B"}, "R402B.DAT", false},
        {{"R404A"}, "R404A.DAT", true},
        {{"R408A"}, "R408A.DAT", true},
        {{"R409A"}, "R409A.DAT", true},
        {{"R410A"}, "R410A.DAT", true},
        {{"R413A", "ISC_49"}, "R413A.DAT", true},
        {{"R407A"}, "R407A.DAT", true},
        {{"R407C"}, "R407C.DAT", true},
        {{"AC9000"}, "Ac9000.DAT", false},
        {{"HX4"}, "HX4.DAT", false},
        {{"R124"}, "R124.DAT", true},
        {{"R227"}, "R227.DAT", true},
        {{"ISC_69L", "R403B"}, "ISC_69L.DAT", true},
        {{"ISC_59", "R417A"}, "ISC_59.DAT", true},
        {{"RS45"}, "RS45.DAT", false},
        {{"ISC_29", "R422D"}, "ISC_29.DAT", true},
        {{"ISC_79", "R422A"}, "ISC_79.DAT", true},
        {{"FX_90"}, "FX_90.DAT", false},
        {{"ISC_89"}, "ISC_89.DAT", false},
        {{"CO2", "R744"}, "CO2.DAT", true},
        // Refrigerants chosen today.
        {{"R32"}, "R32.DAT", true},
        {{"R1234YF"}, "R1234YF.DAT", true},
        {{"R1234ZE"}, "R1234ZE.DAT", true},
        {{"R448A"}, "R448A.DAT", true},
        {{"R449A"}, "R449A.DAT", true},
        {{"R452A"}, "R452A.DAT", true},
        {{"R454C"}, "R454C.DAT", true},
        {{"R455A"}, "R455A.DAT", true},
        {{"R513A"}, "R513A.DAT", true},
    };
    return table;
}

const RefrigerantRow* FindRefrigerant(std::string_view name) {
    const std::string key = Upper(name);
    if (key.empty()) return nullptr;
    for (const RefrigerantRow& row : RefrigerantNameTable())
        for (std::string_view alias : row.names)
            if (alias == key) return &row;
    return nullptr;
}

std::vector<std::string> ShippedRefrigerantNames() {
    std::vector<std::string> out;
    for (const RefrigerantRow& row : RefrigerantNameTable())
        if (row.shipped) out.emplace_back(row.names[0]);
    return out;
}

void CurrentRefrigerant::set(std::string_view name) {
    m_name = Upper(name);
}

SaturationTable SaturationTable::fromText(const std::string& text, TableStatus& status) {
    RecordReader reader(text);
    return fromReader(reader, status);
}

SaturationTable SaturationTable::fromReader(RecordReader& reader, TableStatus& status) {
    SaturationTable table;
    status = TableStatus::Ok;
    while (!reader.atEnd() && table.m_rows.size() < kMaxTableRecords) {
        SaturationPoint p;
        double* fields[] = {
            &p.t_C,          &p.pBubble_bar, &p.pDew_bar, &p.rhoLiquid_kgm3, &p.rhoVapour_kgm3,
            &p.hLiquid_kJkg, &p.hVapour_kJkg};
        bool complete = true;
        for (double* f : fields)
            complete = reader.read(*f) && complete;
        if (!complete || !ValidAfter(p, table.m_rows.empty() ? nullptr : &table.m_rows.back())) {
            status = TableStatus::PartlyDamaged;
            break;
        }
        table.m_rows.push_back(p);
    }
    if (!table.usable()) status = TableStatus::FileDamaged;
    return table;
}

SaturationPoint SaturationTable::lookup(double t_C) const {
    if (!usable()) {
        SaturationPoint none;
        none.clamped = true;
        return none;
    }
    if (!(t_C >= m_rows.front().t_C) || t_C > m_rows.back().t_C) { // NaN holds at the low end
        SaturationPoint end = t_C > m_rows.back().t_C ? m_rows.back() : m_rows.front();
        end.clamped = true;
        return end;
    }
    const auto hi = std::upper_bound(m_rows.begin() + 1, m_rows.end() - 1, t_C,
                                     [](double t, const SaturationPoint& p) { return t < p.t_C; });
    const SaturationPoint& a = *(hi - 1);
    const SaturationPoint& b = *hi;
    const double f = (t_C - a.t_C) / (b.t_C - a.t_C);
    SaturationPoint p;
    p.t_C = t_C;
    p.pBubble_bar = LogLerp(a.pBubble_bar, b.pBubble_bar, f);
    p.pDew_bar = LogLerp(a.pDew_bar, b.pDew_bar, f);
    p.rhoLiquid_kgm3 = Lerp(a.rhoLiquid_kgm3, b.rhoLiquid_kgm3, f);
    p.rhoVapour_kgm3 = Lerp(a.rhoVapour_kgm3, b.rhoVapour_kgm3, f);
    p.hLiquid_kJkg = Lerp(a.hLiquid_kJkg, b.hLiquid_kJkg, f);
    p.hVapour_kJkg = Lerp(a.hVapour_kJkg, b.hVapour_kJkg, f);
    return p;
}

const SaturationTable* SaturationTables::find(const AppContext& ctx, std::string_view refrigerant,
                                              TableStatus& status) {
    const RefrigerantRow* row = FindRefrigerant(refrigerant);
    if (row == nullptr || !row->shipped) {
        status = row == nullptr ? TableStatus::UnknownName : TableStatus::NoData;
        return nullptr;
    }
    auto it = m_cache.find(row->file);
    if (it == m_cache.end()) {
        Entry entry;
        const std::string path = FindFileNoCase(ResolveDataPath(ctx, row->file));
        std::error_code ec;
        const std::uintmax_t bytes = std::filesystem::file_size(path, ec);
        if (ec) {
            entry.status = TableStatus::FileMissing;
        } else if (bytes > kMaxTableBytes) {
            entry.status = TableStatus::FileDamaged;
        } else {
            RecordReader reader = OpenInput(ctx, row->file);
            entry.table = SaturationTable::fromReader(reader, entry.status);
        }
        it = m_cache.emplace(std::string(row->file), std::move(entry)).first;
    }
    status = it->second.status;
    return it->second.table.usable() ? &it->second.table : nullptr;
}

std::string_view TableStatusText(TableStatus status) {
    switch (status) {
    case TableStatus::Ok:
        return "";
    case TableStatus::UnknownName:
        return "unknown refrigerant";
    case TableStatus::NoData:
        return "no property data for this refrigerant";
    case TableStatus::FileMissing:
        return "saturation table file missing";
    case TableStatus::FileDamaged:
        return "saturation table file damaged";
    case TableStatus::PartlyDamaged:
        return "saturation table file partly damaged: its valid part is used";
    }
    return "";
}

} // namespace veskaro
