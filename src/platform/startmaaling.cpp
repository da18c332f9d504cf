#include "startmaaling.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace kvidrel {

namespace {

// One field of /proc/self/status in kB; 0 where there is none.
long statusKb(const QByteArray &text, const char *felt)
{
    for (const QByteArray &linje : text.split('\n')) {
        if (linje.startsWith(felt))
            return linje.mid(qstrlen(felt)).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

class KlarMelder : public QObject
{
public:
    explicit KlarMelder(const QList<QWidget *> &vinduer) : QObject(QCoreApplication::instance())
    {
        for (QWidget *w : vinduer)
            m_vinduer << w;
        // Seen before any receiver, so no window's own handling hides it.
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_venter && alleVist()) {
            m_venter = true;
            // The dispatcher is about to block: nothing is left to do.
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, &KlarMelder::meld);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool alleVist() const
    {
        for (const QPointer<QWidget> &w : m_vinduer) {
            if (!w || !w->windowHandle() || !w->windowHandle()->isExposed())
                return false;
        }
        return true;
    }

    void meld()
    {
        // The exposure is seen before it is handled; the first wait after it
        // comes once the windows are painted.
        disconnect(QAbstractEventDispatcher::instance(), nullptr, this, nullptr);
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::steady_clock::now().time_since_epoch())
                            .count();
        QFile status(QStringLiteral("/proc/self/status"));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        std::printf("klar %lld %ld %ld\n", static_cast<long long>(ns), statusKb(text, "VmRSS:"),
                    statusKb(text, "VmHWM:"));
        std::fflush(stdout);
        // exit, not quit: quit asks the windows, and the board refuses to close.
        QCoreApplication::exit(0);
    }

    QList<QPointer<QWidget>> m_vinduer;
    bool m_venter = false;
};

} // namespace

void meldNaarKlar(const QList<QWidget *> &vinduer)
{
    if (qEnvironmentVariableIsSet("KVIDREL_MAALING"))
        new KlarMelder(vinduer);
}

} // namespace kvidrel
