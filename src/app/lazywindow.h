#pragma once

#include <QScopeGuard>

class QWidget;

namespace kvidrel {

// Only the main window ends the program when it closes; every other window is
// marked with this.
void markSecondary(QWidget *window);

// A program-wide reference to a window that is made the first time it is used:
// a window the host never opens costs no memory and no start-up time. Using it
// (->, *, conversion to the pointer, a test for null) makes the window; made()
// and ifMade() never do, for code that runs at start, at idle time or while
// closing. Before enable() and after reset() nothing is made, so code run
// without the program's windows finds a null reference as before.
template <class T> class LazyWindow
{
public:
    constexpr LazyWindow() = default;
    LazyWindow(const LazyWindow &) = delete;
    LazyWindow &operator=(const LazyWindow &) = delete;

    T *get() const
    {
        // A window whose creation reaches its own reference gets null, not a
        // second copy of itself.
        if (!m_window && m_enabled && !m_making) {
            m_making = true;
            const auto done = qScopeGuard([this] { m_making = false; });
            T *window = new T;
            markSecondary(window);
            m_window = window;
        }
        return m_window;
    }
    operator T *() const { return get(); }
    T *operator->() const { return get(); }
    T &operator*() const { return *get(); }

    // Windows name themselves before their creation handler runs; tests put
    // windows of their own in place.
    LazyWindow &operator=(T *window)
    {
        m_window = window;
        return *this;
    }

    bool made() const { return m_window != nullptr; }
    T *ifMade() const { return m_window; }

    void enable() { m_enabled = true; }
    // Deletes the window if it was made; the reference is null until enabled again.
    void reset()
    {
        m_enabled = false;
        T *window = m_window;
        m_window = nullptr;
        delete window;
    }

private:
    mutable T *m_window = nullptr;
    mutable bool m_making = false;
    bool m_enabled = false;
};

} // namespace kvidrel
