// The envelope files a room record carries, between the data directory and the record.

#include "envelope/envelope_files.h"

#include <algorithm>
#include <cctype>

#include "app/app_context.h"

namespace veskaro {

namespace {

constexpr std::string_view kFloorSummaryFile = "floor_CR.dat";
constexpr int kFloorSummaryFirstRecordItems = 3; // floor_CR.dat: its first record holds three items

// The items of an envelope file as its writer lays them out: floor_CR.dat begins with a record of three
// items; every other item stands on a line of its own.
RecordWriter EnvelopeFileContent(std::string_view name, const std::vector<std::string>& items) {
    RecordWriter out;
    std::size_t i = 0;
    if (name == kFloorSummaryFile && items.size() >= kFloorSummaryFirstRecordItems) {
        for (; i < kFloorSummaryFirstRecordItems; ++i)
            out.userStr(items[i]);
        out.endLine();
    }
    for (; i < items.size(); ++i)
        out.userLine(items[i]);
    return out;
}

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const char* CanonicalEnvelopeFileName(std::string_view name) {
    for (const char* known : kEnvelopeFileNames) {
        if (SameNameNoCase(name, known)) return known;
    }
    return nullptr;
}

std::vector<EnvelopeFileBlock> ReadEnvelopeFiles(const AppContext& ctx) {
    std::vector<EnvelopeFileBlock> blocks;
    blocks.reserve(kEnvelopeFileNames.size());
    for (const char* name : kEnvelopeFileNames) {
        EnvelopeFileBlock block{name, {}};
        RecordReader in = OpenInput(ctx, name);
        std::string item;
        while (in.next(item))
            block.items.push_back(item);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

WriteStatus WriteEnvelopeFiles(const AppContext& ctx, const std::vector<EnvelopeFileBlock>& envelope) {
    WriteStatus first;
    for (const EnvelopeFileBlock& block : envelope) {
        const char* known = CanonicalEnvelopeFileName(block.name);
        if (!known) continue;
        WriteStatus status = SaveOutput(ctx, known, EnvelopeFileContent(known, block.items));
        if (!status && first) first = std::move(status);
    }
    return first;
}

} // namespace veskaro
