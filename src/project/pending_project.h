#pragma once
// Leaving a dialog of the new-project sequence by Cancel.

#include "app/message.h"

namespace veskaro {

struct AppContext;

// While a new project is pending, puts the previous room file back (RestoreRoomFile) and ends the
// sequence; otherwise does nothing. Returns the messages of the restore.
Messages CancelPendingNewProject(AppContext& ctx);

} // namespace veskaro
