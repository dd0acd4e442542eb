#pragma once
// The application-wide values of one run, in one explicit object handed to every routine that needs them.

#include <array>
#include <string>

#include "app/captions.h"

namespace veskaro {

// Activation states of the main window.
enum class ActivationState {
    NeverActivated,    // the next activation is the first: captions, hand-over request, room file
    Active,            // activations read nothing
    DialogChangedData, // a dialog changed project data: the next activation re-reads it
    LoadingRoom,       // a room record is being read
};

// What the file dialog is asked to do, and what it answered.
enum class DialogMode {
    None,    // nothing pending
    Open,    // open a project
    SaveAs,  // save the project under a new name
    Picture, // choose the report logo picture
    Opened,  // answer: a project was opened
    Print,   // answer of the print settings: print
};

// Which report the result window shows.
enum class DisplayMode {
    RoomResult,   // this program's room result (two pages)
    UValueReport, // the U-value report of the wall dialog
};

// The room shape: a rectangle L x B, or a room drawn as a floor plan.
enum RoomShape : int { kRectangularRoom = 0, kFloorPlanRoom = 1 };

// kparam.dat, the family settings: all 24 items kept as read (texts), defaults applied.
struct KParam {
    std::array<std::string, 25> item{}; // 1-based: item[1] .. item[24]
};

// The items of the hand-over file VESKData.dat that this program keeps for writing back at exit.
struct HandoverKept {
    std::string keptPath; // written back as item 3
    std::string item7;    // a number kept for the refrigerant and evaporator design
    std::string item12;
    std::string item15;
    std::string item17;
    std::string titlePrefix; // item 16
    short item18 = 0;
    short item19 = 0;
};

struct AppContext {
    // Frame
    std::string dataDir; // folder of all data files, no trailing separator
    std::string lineBreak = "\r";
    std::string labelSeparator = " :";
    std::string programCode = "CR";
    std::string languageCode = "ENG";
    std::string currency = "EUR";
    std::string fontName = "Arial";
    std::string projectDir; // folder proposed for project files
    std::string logoPath;   // picture on the report header
    std::string roomFileName = "KelvoL.dat";
    ActivationState activationState = ActivationState::NeverActivated;
    KParam kparam;
    HandoverKept handover;
    CaptionTable captions;
    bool deleteBlockedShown = false; // the "System blocked." message is shown once per run

    // Room
    int roomShape = kRectangularRoom;
    double planRoomHeight_m = 0.0; // `rhoehe` of the floor-plan dialog: the main window takes it over

    // Projects, dialogs and report
    DialogMode dialogMode = DialogMode::None;
    bool newProjectPending = false; // the new-project sequence waits for the next activation
    DisplayMode displayMode = DisplayMode::RoomResult;
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
