#include "placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kvidrel {

namespace {

// The screen the window should stay on: the one holding its top-left corner,
// else the one it overlaps most, else the primary screen.
QScreen *targetScreen(const QRect &frame)
{
    if (QScreen *screen = QGuiApplication::screenAt(frame.topLeft()))
        return screen;
    QScreen *best = nullptr;
    qint64 bestArea = 0;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(frame);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

int clampInto(int position, int length, int areaStart, int areaLength)
{
    if (position + length > areaStart + areaLength)
        position = areaStart + areaLength - length;
    return qMax(position, areaStart); // too large a window keeps its left or top edge
}

} // namespace

void placeWindow(QWidget *window, int left, int top)
{
    if (!window)
        return;
    // Numbers from a file may lie anywhere in int; no screen reaches beyond
    // the largest widget size, and within it no sum below can overflow.
    left = qBound(-QWIDGETSIZE_MAX, left, QWIDGETSIZE_MAX);
    top = qBound(-QWIDGETSIZE_MAX, top, QWIDGETSIZE_MAX);
    QRect frame = window->frameGeometry();
    frame.moveTopLeft(QPoint(left, top));
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(frame)) {
            window->move(frame.topLeft());
            return;
        }
    }
    if (QScreen *screen = targetScreen(frame)) {
        const QRect area = screen->availableGeometry();
        left = clampInto(left, frame.width(), area.left(), area.width());
        top = clampInto(top, frame.height(), area.top(), area.height());
    }
    window->move(left, top);
}

void resizeOuter(QWidget *window, int width, int height)
{
    if (!window)
        return;
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize least = window->minimumSize();
    const QSize most = window->maximumSize();
    // In 64 bits: a width near the limits of int must not wrap when the frame
    // is taken off.
    const auto inner = [](qint64 outer, int frameLength, int min, int max) {
        return int(std::clamp<qint64>(outer - frameLength, min, max));
    };
    window->resize(inner(width, frame.width(), least.width(), most.width()),
                   inner(height, frame.height(), least.height(), most.height()));
}

namespace {
QPointer<QWidget> &mainWindow()
{
    static QPointer<QWidget> window;
    return window;
}
} // namespace

void setMainWindow(QWidget *window)
{
    mainWindow() = window;
}

QWidget *windowInUse(const QWidget *exclude)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != exclude)
        return modal;
    // The excluded dialog may be the active one; look for a modal window below it.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != exclude && window->isVisible() && window->isModal())
            return window;
    }
    return mainWindow();
}

void centreOn(QWidget *window, const QWidget *on)
{
    if (!window)
        return;
    const QRect frame = window->frameGeometry();
    const QRect anchor = on ? on->frameGeometry() : QRect();
    if (!on) {
        placeWindow(window, frame.left(), frame.top());
        return;
    }
    placeWindow(window, anchor.left() + (anchor.width() - frame.width()) / 2,
                anchor.top() + (anchor.height() - frame.height()) / 2);
}

WindowPlace placeOf(const QWidget *window)
{
    WindowPlace place;
    if (!window || !window->isVisible())
        return place;
    place.screen = window->screen();
    place.frameTopLeft = window->frameGeometry().topLeft();
    place.state = window->windowState();
    place.known = true;
    return place;
}

void showAt(QWidget *window, const WindowPlace &place)
{
    if (!window)
        return;
    if (place.known) {
        if (place.screen)
            window->setScreen(place.screen);
        window->setWindowState(place.state);
        if (!(place.state & (Qt::WindowFullScreen | Qt::WindowMaximized)))
            window->move(place.frameTopLeft);
    }
    window->show();
}

void onScreenOf(QWidget *window, const QWidget *other)
{
    if (window && other && other->screen())
        window->setScreen(other->screen());
}

int otherScreen(const QList<QRect> &screens, const QRect &frame)
{
    if (screens.size() < 2)
        return -1;
    qsizetype holder = -1;
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (screens.at(i).contains(frame.center())) {
            holder = i;
            break;
        }
        const QRect overlap = screens.at(i).intersected(frame);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestArea) {
            holder = i;
            bestArea = area;
        }
    }
    return holder == 0 ? 1 : 0;
}

bool onOtherScreen(QWidget *window, const QWidget *other)
{
    if (!window || !other)
        return false;
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<QRect> geometries;
    for (QScreen *screen : screens)
        geometries << screen->geometry();
    const int index = otherScreen(geometries, other->frameGeometry());
    if (index < 0)
        return false;
    QScreen *screen = screens.at(index);
    window->setScreen(screen);
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    placeWindow(window, area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
    return true;
}

} // namespace kvidrel
