#include "skriver.h"

#include "storedpath.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

using namespace kvidrel;

DeltagerRegister deltagereNr(int k)
{
    DeltagerRegister reg;
    for (int i = 0; i < 150 + k % 97; ++i)
        reg.tilfoej({QStringLiteral("Deltager %1-%2 Søren Æblegård").arg(k).arg(i),
                     QStringLiteral("C:\\Kvidrel\\Billeder\\%1.jpg").arg(i), (i + k) % 3 == 0, 0});
    return reg;
}

SpmRec spmNr(int k, const QString &fil)
{
    SpmRec spm;
    spm.kildeFil = fil;
    spm.Filnavn = storedpath::toStored(fil);
    spm.Gruppe = QStringLiteral("Sport");
    spm.Navn = QStringLiteral("Runde %1").arg(k);
    spm.Tekst = QStringLiteral("Hvem vandt? ").repeated(200 + k % 89);
    spm.Svar1 = QStringLiteral("Ærø");
    spm.Svar2 = QStringLiteral("Ønsker €");
    spm.RigtigSvar = static_cast<std::uint8_t>(k % 4 + 1);
    spm.Point = k;
    spm.Aktiv = true;
    return spm;
}

static int rundeEfter(const QString &linje, const QString &foer)
{
    if (!linje.startsWith(foer))
        return -1;
    bool ok = false;
    const int k = linje.mid(foer.size()).section(u'-', 0, 0).toInt(&ok);
    return ok ? k : -1;
}

int rundeAfRegister(const QByteArray &bytes)
{
    return rundeEfter(splitLines(decodeText(bytes)).value(0), QStringLiteral("Deltager "));
}

int rundeAfSpm(const QByteArray &bytes)
{
    return rundeEfter(splitLines(decodeText(bytes)).value(2), QStringLiteral("Runde "));
}

QString registerFil(const QString &mappe)
{
    return mappe + QStringLiteral("/Deltager.txt");
}

QString spmFil(const QString &mappe)
{
    return mappe + QStringLiteral("/Grupper/Sport/Spm1.txt");
}

static QByteArray indhold(const QString &fil)
{
    QFile f(fil);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int skriverLoekke(const QString &mappe)
{
    int k =
        std::max(rundeAfRegister(indhold(registerFil(mappe))), rundeAfSpm(indhold(spmFil(mappe)))) +
        1;
    const QString gruppeDir = mappe + QStringLiteral("/Grupper/");
    for (bool foerste = true;; foerste = false, ++k) {
        SaveDeltagerRecord(registerFil(mappe), deltagereNr(k));
        SaveSpm(spmNr(k, spmFil(mappe)), gruppeDir);
        if (foerste) {
            std::puts("klar");
            std::fflush(stdout);
        }
    }
}
