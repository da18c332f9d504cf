#pragma once

#include "questionbank.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace kvidrel {

// Questions to and from a spreadsheet saved as CSV. The header row names the
// columns, in any order, letter case and blanks around them ignored:
// Spørgsmål, Svar A, Svar B, Svar C, Svar D, Rigtigt svar (A to D or 1 to 4),
// Point (empty: random), Kommentar, Billede and Musik; the last four may be
// left out.
const QStringList &regnearkKolonner();

// A row that was not taken, numbered as the spreadsheet shows it (the header
// is row 1), and why.
struct AfvistRaekke
{
    int raekke = 0;
    QString grund;
};

// A row made into a question, not yet written: no paths, comment as text.
struct PlanlagtSpm
{
    SpmRec spm;
    QString kommentar; // lines joined by CR LF; empty: none
    int raekke = 0;
};

struct ImportPlan
{
    QVector<PlanlagtSpm> spm;
    QVector<AfvistRaekke> afviste;
    QString fejl; // why the file as a whole cannot be read; empty when it can
};

// The rows of a CSV file checked by the editor's rules and named from
// foersteNummer on ("007 " + the first words of the question); no file is
// touched. A line break in the question or an answer becomes a space, in
// the comment it stays. Relative picture and music paths are taken from
// csvMappe.
ImportPlan planlaegImport(const QByteArray &bytes, const QString &gruppe, int foersteNummer,
                          const QString &csvMappe);

// What an import did.
struct ImportResultat
{
    QString gruppe;
    bool nyGruppe = false; // made by the import and added to the group list
    QStringList indfoerte; // the names of the questions written
    QVector<AfvistRaekke> afviste;
    QString fejl; // why nothing was written; empty when the accepted rows were

    // What was written, or that nothing was and why.
    QString opsummering() const;
    // "Række 4: Der mangler et svar B." for every refused row.
    QStringList afvisninger() const;
    // The notice: the summary, then the refused rows, at most ten of them.
    QString besked() const;
};

// Reads the CSV file into the group gruppeNavn below gruppeDir (which ends in
// a separator); a group that is not there yet is made with its folders and
// added to the group list, in the list's encoding. The questions are numbered
// after the group's last one; a comment goes to the group's "Kommentarer"
// folder as the comments page saves it. The accepted rows are written all or
// none: they are made in a folder of their own beside the group's and moved
// into it only once every one is there. efterSpm is told how many are made so
// far.
ImportResultat importerCsv(const QString &csvFil, const QString &gruppeDir,
                           const QString &gruppeNavn,
                           const std::function<void(int lavet)> &efterSpm = {});

// A name for a new group after the file ("Quiz 3.csv" gives "Quiz 3"), with
// " (2)" and on added while a group of that name is listed or has a folder.
QString gruppeNavnEfterFil(const QString &csvFil, const QString &gruppeDir);

// What an export did.
struct EksportResultat
{
    QString gruppe;
    qsizetype antal = 0;
    QVector<UlaeseligFil> ulaeselige; // question files left out
    QString fejl;                     // why no file was written
    QString besked() const;
};

// Writes the group's questions in list order as CSV in the columns above:
// UTF-8 with its mark, semicolons, CR LF.
EksportResultat eksporterCsv(const QString &gruppeDir, const QString &gruppeNavn,
                             const QString &csvFil);

} // namespace kvidrel
