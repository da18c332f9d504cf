#pragma once

// The desktop as the host meets it: keys and clicks go through the X server to
// whatever window and widget really has them, and windows are closed, found
// and minimised through the window manager.

#include <QPoint>
#include <QProcess>
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

// A mouse click at the point p of widget, through the server.
inline void klik(QWidget *widget, QPoint p)
{
    const QPoint g = widget->mapToGlobal(p);
    koer(QStringLiteral("xdotool"),
         {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(g.x()),
          QString::number(g.y()), QStringLiteral("click"), QStringLiteral("1")});
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

// The close box (or Alt+F4) of the window with exactly this title.
inline void luk(const QString &titel)
{
    koer(QStringLiteral("wmctrl"), {QStringLiteral("-F"), QStringLiteral("-c"), titel});
    QTest::qWait(150);
}

} // namespace skrivebord
