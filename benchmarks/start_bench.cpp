// Kvidrel's start against a bare Qt program that shows two empty windows of the
// same sizes: the time from starting the process until both windows are shown
// and the event loop is idle, and the resident memory at that moment (VmRSS,
// and its peak VmHWM). Both programs report it themselves (KVIDREL_MAALING);
// runs alternate on one display and the figures are medians.

#include "maal.h"

#include <QCoreApplication>
#include <QProcess>
#include <chrono>
#include <optional>

namespace {

constexpr int kRunder = 9;

struct Start
{
    double ms = 0;
    double rssKb = 0;
    double hwmKb = 0;
};

struct Serie
{
    std::vector<double> ms, rssKb, hwmKb;
    void add(const Start &s)
    {
        ms.push_back(s.ms);
        rssKb.push_back(s.rssKb);
        hwmKb.push_back(s.hwmKb);
    }
};

std::optional<Start> startEn(const QString &program)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KVIDREL_MAALING"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto fra = std::chrono::steady_clock::now().time_since_epoch();
    p.start(program, {});
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return std::nullopt;
    }
    // "klar <monotonic ns> <VmRSS kB> <VmHWM kB>"
    for (const QByteArray &linje : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> felter = linje.split(' ');
        if (felter.size() == 4 && felter[0] == "klar") {
            const double ns = felter[1].toDouble() -
                              std::chrono::duration_cast<std::chrono::nanoseconds>(fra).count();
            return Start{ns / 1e6, felter[2].toDouble(), felter[3].toDouble()};
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("start: needs an X display (tools/bench.sh runs it under xvfb-run)\n");
        return 1;
    }
    const maal::DataRod rod;
    const QString kvidrel = QStringLiteral(KVIDREL_PROGRAM);
    const QString tom = QStringLiteral(TOMME_VINDUER_PROGRAM);

    // The first runs fill the data root and the disk cache; they do not count.
    if (!startEn(kvidrel) || !startEn(tom)) {
        std::printf("start: a program did not report that it was ready\n");
        return 1;
    }
    Serie k, t;
    for (int i = 0; i < kRunder; ++i) {
        // Which one goes first alternates, so neither always follows the other.
        const bool kFoerst = i % 2 == 0;
        const auto a = startEn(kFoerst ? kvidrel : tom);
        const auto b = startEn(kFoerst ? tom : kvidrel);
        if (!a || !b) {
            std::printf("start: a program did not report that it was ready\n");
            return 1;
        }
        k.add(kFoerst ? *a : *b);
        t.add(kFoerst ? *b : *a);
    }
    bool ok = maal::figur("start to both windows shown and idle", maal::median(k.ms),
                          "bare Qt, two windows", maal::median(t.ms), "ms", 1.5);
    ok &= maal::figur("resident memory after start (VmRSS)", maal::median(k.rssKb) / 1024,
                      "bare Qt, two windows", maal::median(t.rssKb) / 1024, "MiB", 1.3);
    maal::figur("  peak resident memory (VmHWM)", maal::median(k.hwmKb) / 1024,
                "bare Qt, two windows", maal::median(t.hwmKb) / 1024, "MiB", 1.3);
    return ok ? 0 : 2;
}
