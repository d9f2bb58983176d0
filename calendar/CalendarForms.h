// The live calendar windows, known by the names of their rectangles.
#pragma once

namespace orbidate {

// Destroys every calendar window and the list itself (nbMessage code 2).
void DestroyAllCalendars();

}  // namespace orbidate
