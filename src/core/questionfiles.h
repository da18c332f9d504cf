#pragma once

#include "questionbank.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace kvidrel {

// What is wrong with a question name the host typed, in the order the checks run.
enum class NavnFejl
{
    Ingen,
    Mangler,   // empty
    Format,    // too short, or not three digits first
    Mellemrum, // no space after the three digits
    Filnavn    // cannot stand as a file name
};

// A new question tests the three digits before the space; a rename tests the
// space right after the first digit. Both keep the order the host is used to.
NavnFejl tjekNytNavn(const QString &navn);
NavnFejl tjekOmdoebtNavn(const QString &navn);

// A question's texts and choices as the host gave them, before they are checked.
struct SpmUdfyldning
{
    QString tekst;
    std::array<QString, 4> svar;
    int rigtigSvar = 0; // 1 to 4; anything else is no choice
    int pointType = 0;  // 1 random, 2 fixed; anything else is no choice
    QString point;      // the fixed points as typed
};

// What keeps a question from being saved, in the order the checks run.
enum class SpmMangel
{
    Ingen,
    Spoergsmaal,
    SvarA,
    SvarB,
    SvarC,
    SvarD,
    RigtigtSvar,
    PointType,
    Point,       // fixed points left empty
    PointOmraade // fixed points outside the range a question can award
};

// The texts filled in (blanks and control characters do not count) and both
// choices made.
SpmMangel tjekUdfyldt(const SpmUdfyldning &spm);
// The fixed points; point gets the typed number, 0 when it is none, whatever
// the point type.
SpmMangel tjekPoint(const SpmUdfyldning &spm, std::int32_t &point);
// The host's words for it, e.g. "Der mangler et svar A."
QString mangelTekst(SpmMangel mangel);

// Equal when only the letters a to z differ in case; other letters must match.
bool sammeUdenAZCase(const QString &a, const QString &b);

// The file of a question named navn in group gruppe.
QString spmSti(const QString &gruppeDir, const QString &gruppe, const QString &navn);
QString kommentarMappe(const QString &gruppeDir, const QString &gruppe);
// The comments folder inside a group's folder (or a folder standing in for it).
QString kommentarMappeI(const QString &mappe);

// True when path names an existing entry, also one that differs only in letter
// case, as it would on a Windows disk the data root is copied to.
bool findesIgnorerCase(const QString &path);

// True when both names lead to the same existing file.
bool sammeFil(const QString &a, const QString &b);

// The first path in folder of the form stem + ext, stem + " (2)" + ext, ... that
// brugbar accepts, with the stem shortened so the name stays a usable file
// name. Throws FileError when none is found.
QString ledigtNavn(const QString &folder, const QString &stem, const QString &ext,
                   const std::function<bool(const QString &path)> &brugbar);

// The place a picked comment picture gets in the comment folder: its own name
// when that is free or holds the same bytes, otherwise a free name beside it.
QString billedMaal(const QString &kommentarMappe, const QString &valgt);

// Deletes a question's file or its comment; throws FileError naming it when it
// stays.
void sletSpmFil(const QString &path);

// The files a change of several questions writes, as they were before, so that
// a failed write can put every one of them back.
class FilSikring
{
public:
    void husk(const QString &path);
    // Best effort: a file that cannot be put back is left as it is.
    void gendan() noexcept;

private:
    struct Fil
    {
        QString path;
        std::optional<QByteArray> bytes; // none: the file did not exist
    };
    QVector<Fil> m_filer;
};

} // namespace kvidrel
