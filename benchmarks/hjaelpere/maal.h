#pragma once

// What the timed benchmarks share: a data root of their own, the program's
// windows, waiting on the event loop, medians, and one line per figure with its
// comparison and whether the goal holds.

#include "appwindows.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace maal {

// A fresh data root in a temporary folder; the update check stays off.
class DataRod
{
public:
    DataRod()
    {
        qputenv("KVIDREL_ROOT", sti().toLocal8Bit());
        qputenv("KVIDREL_UPDATE_SERVER", QByteArray());
    }
    QString sti() const { return m_dir.path() + QStringLiteral("/Kvidrel"); }

private:
    QTemporaryDir m_dir;
};

// Runs krop with the program's windows created over a data root of their own;
// without an X display on the offscreen platform. Returns what krop returns.
template <class Krop> int medVinduer(int &argc, char **argv, Krop krop)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const DataRod rod;
    kvidrel::createWindows();
    const int svar = krop();
    kvidrel::destroyWindows();
    return svar;
}

// Lets the event loop run until klar holds or ms have passed; whether it holds.
template <class Klar> bool vent(Klar klar, int ms = 5000)
{
    QElapsedTimer ur;
    ur.start();
    while (!klar() && ur.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return klar();
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// "name  value unit  against  comparison unit  ratio  goal  MET/MISSED".
// Returns whether the goal holds: ratio at most maksForhold.
inline bool figur(const char *navn, double vaerdi, const char *imod, double sammenligning,
                  const char *enhed, double maksForhold)
{
    const double forhold = sammenligning > 0 ? vaerdi / sammenligning : 0;
    const bool holder = sammenligning > 0 && forhold <= maksForhold;
    std::printf("%-42s %9.1f %-3s vs %-22s %9.1f %-3s  ratio %5.2f  goal <= %.2f  %s\n", navn,
                vaerdi, enhed, imod, sammenligning, enhed, forhold, maksForhold,
                holder ? "MET" : "MISSED");
    std::fflush(stdout);
    return holder;
}

} // namespace maal
