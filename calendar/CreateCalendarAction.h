// OrbidateCreate: creates a calendar in a host rectangle, or deletes it.
#pragma once

#include <string_view>

#include "calendar/CalendarWindow.h"
#include "plugin/ActionDispatch.h"
#include "plugin/Host.h"

namespace orbidate {

// Destroys any calendar of that rectangle name first, whatever follows; asks
// the host for the rectangle's window; with "Create" and a window, makes a
// calendar filling it with the given day names and today as its set date,
// shows it and registers it. False when the host's answer cannot be read or
// the window cannot be made.
bool CreateOrDeleteCalendar(std::string_view rectangleName, std::string_view operation, std::string_view dayNames,
                            Host& host, CalendarWindowFactory& windows);

bool ExecuteCreateOrDelete(ActionArgs args);

}  // namespace orbidate
