#pragma once
// The application-wide values of one run, in one explicit object handed to every routine that needs them.

#include <array>
#include <string>

#include "app/captions.h"

namespace veskaro {

// Activation states of the main window.
enum ActivationState : int {
    kNeverActivated = 0,
    kActive = 1,
    kDialogChangedData = 2,
    kLoadingRoom = 5,
};

// The room shape: a rectangle L x B, or a room drawn as a floor plan.
enum RoomShape : int { kRectangularRoom = 0, kFloorPlanRoom = 1 };

// kparam.dat, the family settings: all 24 items kept as read (texts), defaults applied.
struct KParam {
    std::array<std::string, 25> item{}; // 1-based: item[1] .. item[24]
};

// The items of the hand-over file VESKData.dat that this program keeps for writing back at exit.
struct HandoverKept {
    std::string keptPath;     // written back as item 3
    std::string item7;        // a number kept for the refrigerant and evaporator design
    std::string item12;
    std::string item15;
    std::string item17;
    std::string titlePrefix;  // item 16
    short item18 = 0;
    short item19 = 0;
};

struct AppContext {
    // Frame
    std::string dataDir;              // folder of all data files, no trailing separator
    std::string lineBreak = "\r";
    std::string labelSeparator = " :";
    std::string programCode = "CR";
    std::string languageCode = "ENG";
    std::string currency = "EUR";
    std::string fontName = "Arial";
    std::string projectDir;           // folder proposed for project files
    std::string logoPath;             // picture on the report header
    std::string roomFileName = "KelvoL.dat";
    int activationState = kNeverActivated;
    KParam kparam;
    HandoverKept handover;
    CaptionTable captions;
    bool deleteBlockedShown = false;  // the "System blocked." message is shown once per run

    // Room
    int roomShape = kRectangularRoom;

    // Projects, dialogs and report
    int dialogMode = 0;               // 1 open, 2 save as, 21 picture, 33 opened, 0 nothing pending
    int newProjectPending = 0;
    int displayMode = 0;              // result window: 0 room result, 44 U-value report
    int printHeaderFlag = 0;
    std::string projectName;
    std::string projectDescription;
    std::string projectFileName;
    std::string currentProjectFile;
    std::string browseDir;
    std::string savedWorkingDir;
    std::string fileStem;
};

} // namespace veskaro
