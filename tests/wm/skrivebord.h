#pragma once

// The desktop as the host meets it: keys and clicks go through the X server to
// whatever window and widget really has them, and windows are closed, found
// and minimised through the window manager.

#include <QList>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace skrivebord {

inline QString koer(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000))
        ADD_FAILURE() << program.toStdString() << " hangs";
    else if (p.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " " << args.join(' ').toStdString() << ": "
                      << p.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// A key as the keyboard sends it, to the window that has the focus.
inline void tast(const QString &navn)
{
    koer(QStringLiteral("xdotool"),
         {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), navn});
    QTest::qWait(150);
}

// The pointer moved to the point p of widget, through the server.
inline void over(QWidget *widget, QPoint p)
{
    const QPoint g = widget->mapToGlobal(p);
    // A synced move to where the pointer already is would wait for good.
    const QString her = koer(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation")});
    if (!her.startsWith(QStringLiteral("x:%1 y:%2 ").arg(g.x()).arg(g.y())))
        koer(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                         QString::number(g.x()), QString::number(g.y())});
    QTest::qWait(150);
}

// A mouse click at the point p of widget, through the server.
inline void klik(QWidget *widget, QPoint p)
{
    over(widget, p);
    koer(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(150);
}

inline void klik(QWidget *widget)
{
    klik(widget, widget->rect().center());
}

// The titles of the windows the window manager manages.
inline QStringList titler()
{
    QStringList result;
    const QStringList linjer =
        koer(QStringLiteral("wmctrl"), {QStringLiteral("-l")}).split(u'\n', Qt::SkipEmptyParts);
    // The id, the desktop and the host come before the title.
    static const QRegularExpression felter(QStringLiteral("^\\S+\\s+\\S+\\s+\\S+ (.*)$"));
    for (const QString &linje : linjer)
        result << felter.match(linje).captured(1);
    return result;
}

// The windows the window manager manages, from the bottom of the stack to
// its top.
inline QList<WId> stabel()
{
    QList<WId> result;
    const QString linje =
        koer(QStringLiteral("xprop"),
             {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
    for (auto it = id.globalMatch(linje); it.hasNext();)
        result << it.next().captured().toULongLong(nullptr, 16);
    return result;
}

// The window minimised, as its title bar button does.
inline void minimer(const QWidget *vindue)
{
    koer(QStringLiteral("xdotool"),
         {QStringLiteral("windowminimize"), QString::number(vindue->winId())});
    QTest::qWait(150);
}

// The window with exactly this title moved and sized by the window manager.
inline void flyt(const QString &titel, const QRect &r)
{
    koer(QStringLiteral("wmctrl"),
         {QStringLiteral("-F"), QStringLiteral("-r"), titel, QStringLiteral("-e"),
          QStringLiteral("0,%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())});
    QTest::qWait(150);
}

// The close box (or Alt+F4) of the window with exactly this title. A window
// Qt has just shown may not be managed yet on a loaded machine: it is waited
// for first. False when the window manager never listed it.
inline bool luk(const QString &titel)
{
    if (!QTest::qWaitFor([&] { return titler().contains(titel); }, 15000)) {
        ADD_FAILURE() << "no window \"" << titel.toStdString() << "\" to close";
        return false;
    }
    koer(QStringLiteral("wmctrl"), {QStringLiteral("-F"), QStringLiteral("-c"), titel});
    QTest::qWait(150);
    return true;
}

} // namespace skrivebord

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
