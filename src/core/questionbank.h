#pragma once

#include "textfile.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace kvidrel {

struct SpmRec
{
    QString Filnavn;
    QString bFilnavn;
    QString kFilnavn;
    QString musikFilnavn;
    QString Gruppe;
    QString Navn;
    QString Tekst;
    QString Svar1;
    QString Svar2;
    QString Svar3;
    QString Svar4;
    std::uint8_t RigtigSvar = 0;
    std::uint8_t PointType = 0;
    std::int32_t Point = 0;
    bool Aktiv = false;

    // Not stored: the file the question was listed from.
    QString kildeFil;
};

using TSpm = QVector<SpmRec>;

// One row of the question check list.
struct SpmRaekke
{
    QString tekst;
    bool markeret = false;
};

// A file of a group's folder that could not be read as a question.
struct UlaeseligFil
{
    QString navn; // the file's name in its folder
    QString grund;
};

// What listing a group yields: the questions, their rows, the active count,
// the label text ("12 spørgsmål") and the files that could not be read.
struct SpmListe
{
    TSpm Spm;
    QVector<SpmRaekke> raekker;
    std::int32_t antalSpm = 0;
    QString antalTekst;
    QVector<UlaeseligFil> ulaeselige;
};

// The group list with the encoding it was read in. Names compare without
// regard to letter case, as the group folders do on Windows.
struct GruppeListe
{
    QStringList navne;
    TextEncoding kodning = TextEncoding::Ansi;

    // The row of navn in any letter case; -1 when none.
    qsizetype find(const QString &navn) const;
    // Appends navn unless a row has that name; false when it has.
    bool tilfoej(const QString &navn);
    bool fjern(qsizetype i);
    // Swaps rows fra and til; false when either is no row.
    bool flyt(qsizetype fra, qsizetype til);
};

// Order of question files: upper case per UTF-16 unit, then unit by unit.
bool spmFilFoer(const QString &a, const QString &b);

// Leaves `liste` unchanged when the file is missing; throws FileError when it
// exists and cannot be read.
void LoadGrupper(const QString &gruppeFil, GruppeListe &liste);
void SaveGrupper(const QString &gruppeFil, const GruppeListe &liste);

// Appends the questions of folder to liste. A file that cannot be read is left
// out, named in liste.ulaeselige and left as it is on disk.
void addFil(const QString &folder, SpmListe &liste);
SpmListe LoadSpmListen(const QString &gruppeDir, const QString &gruppeNavn);

QStringList spmLinjer(const SpmRec &spm);
// Parses 12 to 15 lines; false for a file that cannot be a question, with the
// reason in grund when given.
bool spmFraLinjer(const QStringList &lines, SpmRec &spm, QString *grund = nullptr);

// The path SaveSpm writes to: the file the question was listed from; for a new
// question the path its first line names.
QString spmSkrivSti(const SpmRec &spm, const QString &gruppeDir);
// Writes the question there. When the first line names another place it is
// rewritten to name that file. A new question must go directly into a group's
// folder as a .txt file; anything else throws FileError.
void SaveSpm(const SpmRec &spm, const QString &gruppeDir);
// Whether sti is a .txt file directly in one group's folder below gruppeDir.
bool erSpmFilSti(const QString &sti, const QString &gruppeDir);

} // namespace kvidrel
