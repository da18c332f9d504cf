// Listing a group of 5,000 question files as the question window does (the
// files read and parsed, the check list filled) against reading the same files'
// bytes in a plain loop. Runs alternate; the figures are medians.

#include "dataroot.h"
#include "maal.h"
#include "main.h"
#include "questionbank.h"
#include "questionfiles.h"
#include "textfile.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

using namespace kvidrel;

namespace {

constexpr int kAntal = 5000;
constexpr int kRunder = 7;
const QString kGruppe = QStringLiteral("Mange");

// Questions as hosts write them: Danish letters, fixed and random points, some
// with a comment and music.
void lavGruppe(const QString &gruppeDir)
{
    ensureFolder(gruppeDir + kGruppe);
    for (int i = 0; i < kAntal; ++i) {
        SpmRec spm;
        spm.Navn = QStringLiteral("%1 Spørgsmål %2").arg(i % 1000, 3, 10, QChar(u'0')).arg(i);
        spm.Filnavn = spmSti(gruppeDir, kGruppe, spm.Navn);
        spm.Gruppe = kGruppe;
        spm.Tekst = QStringLiteral("Hvilken ø i Østersøen hører til Danmark, nummer %1?").arg(i);
        spm.Svar1 = QStringLiteral("Bornholm");
        spm.Svar2 = QStringLiteral("Gotland");
        spm.Svar3 = QStringLiteral("Åland");
        spm.Svar4 = QStringLiteral("Rügen");
        spm.RigtigSvar = 1;
        spm.PointType = i % 2;
        spm.Point = i % 2 ? 0 : 10 + i % 90;
        spm.Aktiv = i % 7 != 0;
        if (i % 3 == 0) {
            spm.bFilnavn = QStringLiteral("bornholm.jpg");
            spm.kFilnavn = QStringLiteral("bornholm.txt");
        }
        if (i % 11 == 0)
            spm.musikFilnavn = QStringLiteral("C:\\Musik\\vals.mp3");
        writeLines(spm.Filnavn, spmLinjer(spm));
    }
}

double program()
{
    QElapsedTimer ur;
    ur.start();
    mainform->gruppeNavn = kGruppe;
    mainform->LoadSpmListen();
    const double ms = ur.nsecsElapsed() / 1e6;
    if (mainform->Spm.size() != kAntal)
        std::printf("listing: %lld questions listed, not %d\n",
                    static_cast<long long>(mainform->Spm.size()), kAntal);
    return ms;
}

double kunFilerne(const QString &gruppeDir)
{
    QElapsedTimer ur;
    ur.start();
    const SpmListe liste = LoadSpmListen(gruppeDir, kGruppe);
    return ur.nsecsElapsed() / 1e6 + 0 * liste.raekker.size();
}

double bytes(const QString &mappe, qint64 &sum)
{
    QElapsedTimer ur;
    ur.start();
    sum = 0;
    QDirIterator it(mappe, {QStringLiteral("*.txt")}, QDir::Files);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            sum += f.readAll().size();
    }
    return ur.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    return maal::medVinduer(argc, argv, [] {
        lavGruppe(mainform->gruppeDir);
        const QString mappe = mainform->gruppeDir + kGruppe;

        qint64 sum = 0;
        program();
        bytes(mappe, sum);
        std::vector<double> p, k, b;
        for (int i = 0; i < kRunder; ++i) {
            b.push_back(bytes(mappe, sum));
            p.push_back(program());
            k.push_back(kunFilerne(mainform->gruppeDir));
        }
        const bool ok = maal::figur("list a group of 5,000 questions", maal::median(p),
                                    "plain read of the bytes", maal::median(b), "ms", 3);
        maal::figur("  of which reading the files", maal::median(k), "plain read of the bytes",
                    maal::median(b), "ms", 3);
        return ok ? 0 : 2;
    });
}
