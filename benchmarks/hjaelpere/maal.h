#pragma once

// What the timed benchmarks share: a data root of their own, medians, and one
// line per figure with its comparison and whether the goal holds.

#include <QByteArray>
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
