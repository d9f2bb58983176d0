#include "calendar/CalendarForms.h"

namespace orbidate {

// No calendar can be created yet, so there is nothing to destroy.
void DestroyAllCalendars() {}

}  // namespace orbidate
