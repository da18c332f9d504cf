// Importing 5,000 rows from spreadsheets against listing the same 5,000
// questions as the question window lists a group. A group holds at most 999
// numbered questions, so the rows come as ten files of 500, each into a new
// group. Runs alternate; the figures are medians. An import makes a file per
// question, and what that costs is the disk's: each import is also set beside
// making the same number of files of the same size in a plain loop, and all of
// it runs again in memory (/dev/shm), which leaves the program's own share.

#include "dataroot.h"
#include "maal.h"
#include "questionbank.h"
#include "regneark.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

using namespace kvidrel;

namespace {

constexpr int kFiler = 10;
constexpr int kRaekker = 500;
constexpr int kRunder = 7;

// Rows as hosts write them: Danish letters, a quote and a separator in some
// fields, fixed and random points, some with a comment, a picture and music.
QByteArray regneark(int fil)
{
    QString tekst = regnearkKolonner().join(u';') + QStringLiteral("\r\n");
    for (int r = 0; r < kRaekker; ++r) {
        const int i = fil * kRaekker + r;
        const bool kommentar = i % 3 == 0;
        tekst +=
            QStringLiteral("\"Hvilken ø i Østersøen hører til Danmark, nummer %1?\";Bornholm;"
                           "Gotland;\"Åland; Finland\";Rügen;A;%2;%3;%4;%5\r\n")
                .arg(i)
                .arg(i % 2 ? QString() : QString::number(10 + i % 90))
                .arg(kommentar ? QStringLiteral("\"Bornholm er \"\"klippeøen\"\".\r\nDen "
                                                "ligger øst for Sjælland.\"")
                               : QString())
                .arg(kommentar ? QStringLiteral("C:\\Kvidrel\\Billeder\\bornholm.jpg") : QString())
                .arg(i % 11 == 0 ? QStringLiteral("C:\\Musik\\vals.mp3") : QString());
    }
    return encodeText(tekst, TextEncoding::Utf8);
}

QString gruppe(int runde, int fil)
{
    return QStringLiteral("R%1 F%2").arg(runde).arg(fil);
}

double importer(const QStringList &filer, const QString &gruppeDir, int runde)
{
    QElapsedTimer ur;
    ur.start();
    qsizetype antal = 0;
    for (int f = 0; f < kFiler; ++f)
        antal += importerCsv(filer[f], gruppeDir, gruppe(runde, f)).indfoerte.size();
    const double ms = ur.nsecsElapsed() / 1e6;
    if (antal != kFiler * kRaekker)
        std::printf("import: %lld questions written, not %d\n", static_cast<long long>(antal),
                    kFiler * kRaekker);
    return ms;
}

double list(const QString &gruppeDir, int runde)
{
    QElapsedTimer ur;
    ur.start();
    qsizetype antal = 0;
    for (int f = 0; f < kFiler; ++f)
        antal += LoadSpmListen(gruppeDir, gruppe(runde, f)).Spm.size();
    const double ms = ur.nsecsElapsed() / 1e6;
    if (antal != kFiler * kRaekker)
        std::printf("listing: %lld questions listed\n", static_cast<long long>(antal));
    return ms;
}

// The files an import of round runde makes, written in a plain loop.
double blotFiler(const QString &folder, int runde)
{
    const QByteArray spm(160, 'x');
    const QByteArray kommentar(60, 'x');
    QElapsedTimer ur;
    ur.start();
    for (int f = 0; f < kFiler; ++f) {
        const QString mappe = folder + QStringLiteral("/blot %1 %2").arg(runde).arg(f);
        QDir().mkdir(mappe);
        QDir().mkdir(mappe + QStringLiteral("/Kommentarer"));
        for (int r = 0; r < kRaekker; ++r) {
            const int i = f * kRaekker + r;
            QFile fil(mappe + QStringLiteral("/%1.txt").arg(i));
            if (fil.open(QIODevice::WriteOnly))
                fil.write(spm);
            if (i % 3 != 0)
                continue;
            QFile kom(mappe + QStringLiteral("/Kommentarer/%1.txt").arg(i));
            if (kom.open(QIODevice::WriteOnly))
                kom.write(kommentar);
        }
    }
    return ur.nsecsElapsed() / 1e6;
}

struct Tider
{
    double ind = 0, ud = 0, blot = 0;
};

// Medians of import, listing and plain files with the data root in folder.
Tider miss(const QString &folder)
{
    qputenv("KVIDREL_ROOT", folder.toLocal8Bit());
    const DataLayout layout = DataLayout::under(dataRoot());
    layout.makeFolders();
    QStringList filer;
    for (int f = 0; f < kFiler; ++f) {
        filer << folder + QStringLiteral("/regneark-%1.csv").arg(f);
        writeFileAtomically(filer.last(), regneark(f));
    }
    importer(filer, layout.gruppeDir, 0);
    list(layout.gruppeDir, 0);
    std::vector<double> ind, ud, blot;
    for (int runde = 1; runde <= kRunder; ++runde) {
        ind.push_back(importer(filer, layout.gruppeDir, runde));
        ud.push_back(list(layout.gruppeDir, runde));
        blot.push_back(blotFiler(folder, runde));
    }
    return {maal::median(ind), maal::median(ud), maal::median(blot)};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool ok = false;
    {
        const maal::DataRod rod;
        const Tider t = miss(rod.sti());
        ok = maal::figur("import 5,000 rows of a spreadsheet", t.ind, "list the 5,000 questions",
                         t.ud, "ms", 3);
        maal::figur("  the same", t.ind, "make its files plainly", t.blot, "ms", 3);
    }
    QTemporaryDir hukommelse(QStringLiteral("/dev/shm/kvidrel-XXXXXX"));
    if (hukommelse.isValid()) {
        const Tider t = miss(hukommelse.path() + QStringLiteral("/Kvidrel"));
        maal::figur("  the same in memory", t.ind, "list the 5,000 questions", t.ud, "ms", 3);
        maal::figur("  the same in memory", t.ind, "make its files plainly", t.blot, "ms", 3);
    }
    return ok ? 0 : 2;
}
