#pragma once

class QWidget;

namespace kvidrel {

// Places a window's outer frame at (left, top). A window that would not lie
// wholly inside the available area of a screen is moved just enough to do so,
// so fixed positions made for one wide screen stay reachable on any screen.
void placeWindow(QWidget *window, int left, int top);

// Centres window on another window (placed by placeWindow).
void centreOn(QWidget *window, const QWidget *on);

// The host's main window, which notices stand over when no modal window is open.
void setMainWindow(QWidget *window);
// The window the host is working in: the open modal window (other than
// exclude), or else the main window. May be null before the main window exists.
QWidget *windowInUse(const QWidget *exclude = nullptr);

} // namespace kvidrel
