#pragma once

class QWidget;

namespace kvidrel {

// Places a window's outer frame at (left, top). A window that would not lie
// wholly inside the available area of a screen is moved just enough to do so,
// so fixed positions made for one wide screen stay reachable on any screen.
void placeWindow(QWidget *window, int left, int top);

// Centres window on another window (placed by placeWindow).
void centreOn(QWidget *window, const QWidget *on);

} // namespace kvidrel
