#pragma once

namespace kvidrel {

// Creates the main window and then the display window, and lets the other
// eight be made on their first use (lazywindow.h), so that a window the host
// never opens costs nothing. The order carries what each creation handler
// relies on: the main window fixes the paths and loads the options, the
// display window copies the point range from it, and every later window is
// made after both and reads what it needs through the main window (the
// question window the group list, the participants window the register). The
// URL box is made on the information window, which its creation makes first.
void createWindows();

// Deletes the windows that were made, from the yes/no dialog back to the
// question window, then the display and the main window, and clears their
// references.
void destroyWindows();

} // namespace kvidrel
