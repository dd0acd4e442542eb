#pragma once
// VESKData.dat: the hand-over file between the programs of the family. Another program leaves a request
// in it (open a room file or a project), this program serves it once at its first activation and writes
// its result into it at exit.

#include <array>
#include <string>

#include "app/app_context.h"
#include "app/record_file.h"

namespace veskaro {

inline constexpr int kHandoverProjectRequest = 117; // request kind B: open the project file that follows

// The request as read at the first activation.
struct HandoverRequest {
    int flag = 0; // A
    int kind = 0; // B
    // Items 3 to 19 as text (1-based, item[3]..item[19]). Items 3 to 5 are read for every request, items
    // 6 to 19 only for a request that is not a project request.
    std::array<std::string, 20> item{};
    std::string projectFile; // the string after item 5 of a project request (B = 117)

    // A request is present when A and B are both non-zero.
    bool isRequest() const { return flag != 0 && kind != 0; }
    bool isProjectRequest() const { return isRequest() && kind == kHandoverProjectRequest; }
    const std::string& roomFileName() const { return item[5]; }
    const std::string& evaporatingTemperature() const { return item[6]; } // degC, number text
    const std::string& temperatureDifference() const { return item[9]; }  // K, number text
    const std::string& projectName() const { return item[10]; }
    const std::string& projectDescription() const { return item[11]; }
    const std::string& titlePrefix() const { return item[16]; }
};

// The values of the main window that go into the file at exit.
struct HandoverExitValues {
    std::string evaporatingTemperatureText; // text of `verdTemp`
    std::string requiredCapacityCaption;    // caption of `RaumLeist`
    std::string temperatureDifferenceText;  // text of `tempdiff`
};

// Reads the request of VESKData.dat in the data directory. A missing file reads as A = 0: no request.
HandoverRequest ReadHandoverRequest(const AppContext& ctx);
// Keeps the items of a (non-project) request that this program writes back or passes on: ctx.handover
// (items 7, 12, 15, 16, 17, 18, 19) and the project name and description (items 10, 11).
void KeepHandoverItems(AppContext& ctx, const HandoverRequest& request);
// Rewrites VESKData.dat with 0 and 0, so that a request is served only once.
WriteStatus ClearHandoverRequest(const AppContext& ctx);
// Writes the 24 items of the exit: the result for the calling program of the family.
WriteStatus WriteHandoverAtExit(const AppContext& ctx, const HandoverExitValues& values);

} // namespace veskaro
