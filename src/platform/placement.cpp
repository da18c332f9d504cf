#include "placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

// Numbers from a file may lie anywhere in int; no screen reaches beyond the
// largest widget size, and within it no sum below can overflow.
int bounded(int value, int least = -QWIDGETSIZE_MAX)
{
    return qBound(least, value, QWIDGETSIZE_MAX);
}

// frame moved to lie inside the available area of a screen, and with shrink
// made no larger than that area.
QRect fitted(QRect frame, bool shrink)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(frame))
            return frame;
    }
    QScreen *screen = targetScreen(frame);
    if (!screen)
        return frame;
    const QRect area = screen->availableGeometry();
    if (shrink)
        frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveTo(clampInto(frame.left(), frame.width(), area.left(), area.width()),
                 clampInto(frame.top(), frame.height(), area.top(), area.height()));
    return frame;
}

// The frame around window's client area: its own once the window manager has
// framed it, before that the frame of another framed window of the program.
QMargins frameOf(const QWidget *window)
{
    const auto margins = [](const QWidget *w) {
        const QRect outer = w->frameGeometry();
        const QRect inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    };
    if (window->windowHandle() && window->windowHandle()->isExposed())
        return margins(window);
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        const bool framed = other != window && other->isVisible() &&
                            other->windowType() == Qt::Window && !other->isFullScreen() &&
                            !(other->windowFlags() & Qt::FramelessWindowHint);
        if (framed && !margins(other).isNull())
            return margins(other);
    }
    return margins(window);
}

void applyFrame(QWidget *window, const QRect &frame)
{
    const QMargins m = frameOf(window);
    const QSize least = window->minimumSize();
    const QSize most = window->maximumSize();
    window->resize(qBound(least.width(), frame.width() - m.left() - m.right(), most.width()),
                   qBound(least.height(), frame.height() - m.top() - m.bottom(), most.height()));
    window->move(frame.topLeft());
}

constexpr const char *kFrameOnExposure = "kvidrelFrameOnExposure";

// Applies a saved frame again once the window is first exposed: by then the
// window manager has framed it.
class FrameOnExposure : public QObject
{
public:
    FrameOnExposure(QWidget *window, const QRect &frame)
        : QObject(window), m_window(window), m_frame(frame)
    {
        // A frame given again before the window showed replaces the first.
        delete window->findChild<QObject *>(QLatin1String(kFrameOnExposure),
                                            Qt::FindDirectChildrenOnly);
        setObjectName(QLatin1String(kFrameOnExposure));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The native window exists from the show event on.
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle())
            m_window->windowHandle()->installEventFilter(this);
        if (watched == m_window->windowHandle() && event->type() == QEvent::Expose &&
            m_window->windowHandle()->isExposed()) {
            applyFrame(m_window, m_frame);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    QRect m_frame;
};

} // namespace

void placeWindow(QWidget *window, int left, int top)
{
    if (!window)
        return;
    QRect frame = window->frameGeometry();
    frame.moveTopLeft(QPoint(bounded(left), bounded(top)));
    window->move(fitted(frame, false).topLeft());
}

void restoreFrame(QWidget *window, int left, int top, int width, int height)
{
    if (!window)
        return;
    // Fitted at the size the window can take, frame included.
    const QMargins m = frameOf(window);
    const QSize least = window->minimumSize().grownBy(m);
    const QSize most = window->maximumSize().grownBy(m);
    const QRect frame = fitted(QRect(bounded(left), bounded(top),
                                     qBound(least.width(), bounded(width, 0), most.width()),
                                     qBound(least.height(), bounded(height, 0), most.height())),
                               true);
    applyFrame(window, frame);
    if (!window->windowHandle() || !window->windowHandle()->isExposed())
        new FrameOnExposure(window, frame);
}

QRect frameToSave(const QWidget *window)
{
    QRect frame = window->frameGeometry();
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        frame.setSize(frame.size().boundedTo(screen->availableGeometry().size()));
    return frame;
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
        // The screen may have gone meanwhile.
        if (!(place.state & (Qt::WindowFullScreen | Qt::WindowMaximized)))
            placeWindow(window, place.frameTopLeft.x(), place.frameTopLeft.y());
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
