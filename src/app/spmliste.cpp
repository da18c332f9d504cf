// The question list's own operations: the check mark, delete and the moves
// that exchange the order prefixes of two neighbours.

#include "makeSpm.h"

#include "dataroot.h"
#include "infUnit.h"
#include "listrows.h"
#include "main.h"
#include "questionfiles.h"
#include "spmUnit.h"
#include "storedpath.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace kvidrel {

namespace {

// The busy cursor for as long as a move runs, whichever way it ends.
class Ventemarkoer
{
public:
    Ventemarkoer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Ventemarkoer() { QApplication::restoreOverrideCursor(); }
    Ventemarkoer(const Ventemarkoer &) = delete;
    Ventemarkoer &operator=(const Ventemarkoer &) = delete;
};

} // namespace

void Tspmform::taelAntalSpm()
{
    std::int32_t antal = 0;
    for (int row = 0; row < spmliste->count(); ++row) {
        if (listrows::checked(spmliste, row))
            ++antal;
    }
    mainform->antalSpm = antal;
}

void Tspmform::spmlisteClickCheck(int row)
{
    TSpm &alle = mainform->Spm;
    if (row < 0 || row >= alle.size())
        return;
    const bool aktiv = listrows::checked(spmliste, row);
    // The list reports every change of a row; only the check mark counts.
    if (aktiv == alle[row].Aktiv)
        return;
    alle[row].Aktiv = aktiv;
    try {
        gemSpm(row);
    } catch (...) {
        alle[row].Aktiv = !aktiv;
        listrows::saetRaekke(spmliste, row, alle[row].Navn, !aktiv);
        throw;
    }
    taelAntalSpm();
}

void Tspmform::sletSpmExecute()
{
    const int i = listrows::valgt(spmliste);
    if (i < 0)
        return;
    const QString navn = spmliste->item(i)->text();
    if (!spoerg(QStringLiteral("Skal ") + navn + u'\r' +
                    QStringLiteral("slettes permanent fra gruppen?"),
                Standardsvar::Nej))
        return;
    const QString gruppeMappe = mainform->gruppeDir + mainform->gruppeNavn;
    // The file the row was listed from: a hand copy goes, not its original.
    const QString sti = i < mainform->Spm.size()
                            ? spmSkrivSti(mainform->Spm[i], mainform->gruppeDir)
                            : spmSti(mainform->gruppeDir, mainform->gruppeNavn, navn);
    medGenlaesning([&] {
        if (QFileInfo(sti).isFile() && liesInside(sti, gruppeMappe))
            sletSpmFil(sti);
        else
            visInfo(QStringLiteral("Filen ") + QDir::toNativeSeparators(sti) + u'\r' +
                    QStringLiteral("blev ikke fundet."));
    });
    mainform->LoadSpmListen();
    ClearToNew();
}

void Tspmform::flytNedSpmExecute()
{
    const int i = listrows::valgt(spmliste);
    flytSpm(i, i + 1);
}

void Tspmform::flytOpSpmExecute()
{
    const int i = listrows::valgt(spmliste);
    flytSpm(i, i - 1);
}

// The two neighbours exchange their order prefixes and are written under the
// new names; every other question is written again as it is.
void Tspmform::flytSpm(int i, int j)
{
    TSpm &alle = mainform->Spm;
    if (i < 0 || j < 0 || i >= alle.size() || j >= alle.size() || alle.size() != spmliste->count())
        return;
    if (!maaUgemtGaa(QStringLiteral("Skal spørgsmålet flyttes alligevel?")))
        return;
    ClearToNew();
    saetSide(side1);

    SpmRec a = alle[i];
    SpmRec b = alle[j];
    const QString nyA = b.Navn.left(3) + a.Navn.mid(3);
    const QString nyB = a.Navn.left(3) + b.Navn.mid(3);
    for (const QString &navn : {nyA, nyB}) {
        // A name read from a file may hold anything: it never becomes a path.
        if (!isSafeFileName(navn)) {
            visInfo(QStringLiteral("Oplysning:\rNavnet kan ikke bruges som filnavn."));
            return;
        }
        if (navnOptaget(navn, i, j)) {
            visNavnFindes(navn);
            return;
        }
    }

    const Ventemarkoer venter;
    const QString gammelA = spmSkrivSti(a, mainform->gruppeDir);
    const QString gammelB = spmSkrivSti(b, mainform->gruppeDir);
    const QString stiA = spmSti(mainform->gruppeDir, mainform->gruppeNavn, nyA);
    const QString stiB = spmSti(mainform->gruppeDir, mainform->gruppeNavn, nyB);
    a.Navn = nyA;
    a.Filnavn = storedpath::toStored(stiA);
    a.kildeFil = stiA;
    b.Navn = nyB;
    b.Filnavn = storedpath::toStored(stiB);
    b.kildeFil = stiB;

    medGenlaesning([&] {
        // Every new file is written before an old one goes; a failed write
        // puts back each file as it was.
        alle[i] = b;
        alle[j] = a;
        FilSikring sikring;
        for (const SpmRec &spm : std::as_const(alle))
            sikring.husk(spmSkrivSti(spm, mainform->gruppeDir));
        try {
            for (int k = 0; k < alle.size(); ++k)
                gemSpm(k);
        } catch (...) {
            sikring.gendan();
            throw;
        }
        listrows::saetRaekke(spmliste, i, b.Navn, b.Aktiv);
        listrows::saetRaekke(spmliste, j, a.Navn, a.Aktiv);
        listrows::vaelg(spmliste, j);
        taelAntalSpm();
        for (const QString &gammel : {gammelA, gammelB}) {
            if (QFileInfo::exists(gammel) && !sammeFil(gammel, stiA) && !sammeFil(gammel, stiB))
                sletSpmFil(gammel);
        }
    });
}

} // namespace kvidrel
