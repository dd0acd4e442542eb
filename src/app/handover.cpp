// VESKData.dat: reading the request of another family program and writing the result back.

#include "app/handover.h"

#include <string_view>

#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr std::string_view kHandoverFile = "VESKData.dat";
constexpr int kFirstTextItem = 3;
constexpr int kLastCommonItem = 5;
constexpr int kLastItem = 19;
} // namespace

HandoverRequest ReadHandoverRequest(const AppContext& ctx) {
    HandoverRequest request;
    RecordReader reader = OpenInput(ctx, kHandoverFile);
    reader.read(request.flag);
    reader.read(request.kind);
    if (!request.isRequest()) return request;
    for (int i = kFirstTextItem; i <= kLastCommonItem; ++i)
        reader.read(request.item[static_cast<std::size_t>(i)]);
    if (request.kind == kHandoverProjectRequest) {
        reader.read(request.projectFile);
    } else {
        for (int i = kLastCommonItem + 1; i <= kLastItem; ++i)
            reader.read(request.item[static_cast<std::size_t>(i)]);
    }
    return request;
}

void KeepHandoverItems(AppContext& ctx, const HandoverRequest& request) {
    HandoverKept& kept = ctx.handover;
    kept.item7 = request.item[7];
    kept.item12 = request.item[12];
    kept.item15 = request.item[15];
    kept.titlePrefix = request.item[16];
    kept.item17 = request.item[17];
    kept.item18 = static_cast<short>(SmallIntegerFromText(request.item[18]));
    kept.item19 = static_cast<short>(SmallIntegerFromText(request.item[19]));
    ctx.projectName = request.projectName();
    ctx.projectDescription = request.projectDescription();
}

WriteStatus ClearHandoverRequest(const AppContext& ctx) {
    RecordWriter w;
    w.integer(0).endLine().integer(0).endLine();
    return SaveOutput(ctx, kHandoverFile, w);
}

WriteStatus WriteHandoverAtExit(const AppContext& ctx, const HandoverExitValues& values) {
    constexpr int kEmptyItemsAfter12 = 4;
    constexpr int kEmptyItemsAtEnd = 3;
    RecordWriter w;
    w.integer(1).endLine();
    w.integer(0).endLine();
    w.line(ctx.handover.keptPath);
    w.line(ctx.projectDir);
    w.line(ctx.roomFileName);
    w.line(values.evaporatingTemperatureText);
    w.line("");
    w.line(values.requiredCapacityCaption);
    w.line(values.temperatureDifferenceText);
    w.userLine(ctx.projectName);
    w.userLine(ctx.projectDescription);
    w.line(ctx.handover.item12);
    for (int i = 0; i < kEmptyItemsAfter12; ++i)
        w.line("");
    w.line(ctx.handover.item17);
    w.line("");
    w.line(DisplayText(ctx.handover.item19));
    w.integer(0).endLine();
    w.line(ctx.languageCode);
    for (int i = 0; i < kEmptyItemsAtEnd; ++i)
        w.line("");
    return SaveOutput(ctx, kHandoverFile, w);
}

} // namespace veskaro
