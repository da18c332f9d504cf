#pragma once

namespace kvidrel {

// Creates the program's ten windows once, in their fixed order, and sets their
// program-wide references. Each window's creation handler runs to its end
// before the next window is created: the main window fixes the paths and loads
// the options, the display window copies the point range from it, the question
// window reads the group list through it.
void createWindows();

// Deletes the windows in reverse order and clears their references.
void destroyWindows();

} // namespace kvidrel
