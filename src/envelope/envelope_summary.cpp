// Envelope summary of the wall dialog and its files.

#include "envelope/envelope_summary.h"

#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr int kSummaryLeadFields = 3; // the floor construction's first three fields
constexpr int kFloorIndex = kFloorSurface - 1;
const char* const kDefaultWallU = "0,4";
const char* const kDefaultFloorU = "0,25";
const char* const kDefaultCeilingU = "0,45";
const char* const kDefaultFloorTemperature = "15"; // ground below an insulated floor, °C

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

std::array<std::string, kSummaryTexts> EnvelopeSummary::texts() const {
    std::array<std::string, kSummaryTexts> out{};
    for (std::size_t k = 0; k < kSurfaceCount; ++k) {
        out[2 * k] = uText[k];
        out[2 * k + 1] = temperatureText[k];
    }
    return out;
}

EnvelopeSummary DefaultEnvelopeSummary(std::string_view outsideTemperatureText) {
    EnvelopeSummary s;
    for (int k = 0; k < kSurfaceCount; ++k) {
        s.uText[k] = kDefaultWallU;
        s.temperatureText[k] = std::string(outsideTemperatureText);
    }
    s.uText[kFloorIndex] = kDefaultFloorU;
    s.temperatureText[kFloorIndex] = kDefaultFloorTemperature;
    s.uText[kCeilingSurface - 1] = kDefaultCeilingU;
    return s;
}

EnvelopeSummary ReadDialogSummary(const RecordReader& floorFile, const RecordReader& standardFile,
                                  std::string_view outsideTemperatureText) {
    RecordReader probe = floorFile;
    probe.skip(kSummaryLeadFields);
    std::string u1, t1;
    probe.read(u1);
    probe.read(t1);
    const bool fromStandard =
        NumFromText(std::string_view(u1)) == 0.0 && NumFromText(std::string_view(t1)) == 0.0;
    RecordReader source = fromStandard ? standardFile : floorFile;
    if (!fromStandard) source.skip(kSummaryLeadFields);

    EnvelopeSummary s = DefaultEnvelopeSummary(outsideTemperatureText);
    for (int k = 0; k < kSurfaceCount; ++k) {
        std::string u, t;
        source.read(u);
        source.read(t);
        if (!IsBlank(u)) s.uText[k] = u;
        if (!IsBlank(t)) s.temperatureText[k] = t;
    }
    return s;
}

EnvelopeSummary LoadDialogSummary(const AppContext& ctx, std::string_view outsideTemperatureText) {
    return ReadDialogSummary(OpenInput(ctx, ConstructionFileName(kFloorSurface)),
                             OpenInput(ctx, kStandardEnvelopeFile), outsideTemperatureText);
}

RecordWriter StandardEnvelopeText(const EnvelopeSummary& summary) {
    RecordWriter w;
    for (const std::string& text : summary.texts())
        w.userLine(text);
    return w;
}

void ReadStandardEnvelope(RecordReader file, EnvelopeSummary& summary) {
    for (int k = 0; k < kSurfaceCount; ++k) {
        file.read(summary.uText[k]);
        file.read(summary.temperatureText[k]);
    }
}

WriteStatus SaveStandardEnvelope(const AppContext& ctx, const EnvelopeSummary& summary) {
    return SaveOutput(ctx, kStandardEnvelopeFile, StandardEnvelopeText(summary));
}

void LoadStandardEnvelope(const AppContext& ctx, EnvelopeSummary& summary) {
    ReadStandardEnvelope(OpenInput(ctx, kStandardEnvelopeFile), summary);
}

void CopyWall1ToAll(EnvelopeSummary& summary) {
    for (int k = 1; k < kSurfaceCount; ++k) {
        summary.uText[k] = summary.uText[0];
        summary.temperatureText[k] = summary.temperatureText[0];
    }
}

Construction OpenSurface(const AppContext& ctx, const EnvelopeSummary& summary, int surface,
                         const AirLevelCaptions& levels) {
    Construction c = ReadConstruction(OpenInput(ctx, ConstructionFileName(surface)), surface, levels);
    if (surface >= 1 && surface <= kSurfaceCount) {
        c.uText = summary.uText[surface - 1];
        c.temperatureText = summary.temperatureText[surface - 1];
    }
    return c;
}

WriteStatus SaveConstruction(const AppContext& ctx, EnvelopeSummary& summary,
                             const Construction& construction, int surface) {
    if (surface < 1 || surface > kSurfaceCount)
        return {false, ConstructionFileName(surface), "no such surface"};
    summary.uText[surface - 1] = construction.uText;
    summary.temperatureText[surface - 1] = construction.temperatureText;
    return SaveOutput(ctx, ConstructionFileName(surface),
                      ConstructionFileText(construction, surface, summary.texts()));
}

RecordWriter FloorFileWithSummary(RecordReader oldFloorFile, const EnvelopeSummary& summary) {
    return FloorFileText(ReadFloorFileParts(std::move(oldFloorFile)), summary.texts());
}

SummaryWriteResult WriteEnvelopeSummary(AppContext& ctx, const EnvelopeSummary& summary) {
    SummaryWriteResult result;
    const std::string floorName = ConstructionFileName(kFloorSurface);
    const RecordWriter text = FloorFileWithSummary(OpenInput(ctx, floorName), summary);
    result.status = SaveOutput(ctx, kSummaryScratchFile, text);
    if (!result.status) return result;
    result.blockedMessage = DeleteDataFile(ctx, floorName);
    std::error_code ec;
    const std::string target = FindFileNoCase(ResolveDataPath(ctx, floorName));
    std::filesystem::rename(PathOf(ResolveDataPath(ctx, kSummaryScratchFile)), PathOf(target), ec);
    result.written = !ec;
    if (ec) result.status = WriteStatus{false, target, ec.message()};
    return result;
}

} // namespace veskaro
