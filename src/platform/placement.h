#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QScreen>

class QWidget;

namespace kvidrel {

// Places a window's outer frame at (left, top). A window that would not lie
// wholly inside the available area of a screen is moved just enough to do so,
// so fixed positions made for one wide screen stay reachable on any screen.
void placeWindow(QWidget *window, int left, int top);

// Gives window the outer frame a file saved for it (any numbers will do),
// fitted into the available area of a screen there is now: the main screen
// when the saved one is gone. The frame the window manager puts around the
// client area is only known once it has framed the window; until then that of
// the program's framed windows stands in, and the frame is applied again when
// the window is first exposed, so the same frame comes back at every start.
void restoreFrame(QWidget *window, int left, int top, int width, int height);

// The outer frame to save for window, no larger than the available area of
// its screen.
QRect frameToSave(const QWidget *window);

// Centres window on another window (placed by placeWindow).
void centreOn(QWidget *window, const QWidget *on);

// The host's main window, which notices stand over when no modal window is open.
void setMainWindow(QWidget *window);
// The window the host is working in: the open modal window (other than
// exclude), or else the main window. May be null before the main window exists.
QWidget *windowInUse(const QWidget *exclude = nullptr);

// Where a shown window stands: its screen, its place and whether it is full
// screen or maximised. A window hidden and shown again may be placed anew by
// the window system; showing it through showAt puts it back.
struct WindowPlace
{
    QPointer<QScreen> screen;
    QPoint frameTopLeft;
    Qt::WindowStates state;
    bool known = false;
};

WindowPlace placeOf(const QWidget *window);
// Shows window at place (a place never taken just shows it).
void showAt(QWidget *window, const WindowPlace &place);

// Puts window on the screen other stands on, before window is shown.
void onScreenOf(QWidget *window, const QWidget *other);

// Of the screens (their geometries), the first that does not hold frame; a
// frame is held by the screen holding its centre, else by the one it overlaps
// most. -1 when there is no other screen.
int otherScreen(const QList<QRect> &screens, const QRect &frame);
// Centres window on a screen other than the one other stands on, before window
// is shown; false (and nothing moved) when there is only one screen.
bool onOtherScreen(QWidget *window, const QWidget *other);

} // namespace kvidrel
