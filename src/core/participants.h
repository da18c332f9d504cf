#pragma once

#include <QString>
#include <QVector>
#include <cstdint>

namespace kvidrel {

struct Deltagere
{
    QString Navn;
    QString Filnavn;
    bool Aktiv = false;
    std::int32_t Point = 0;
    // Not stored: tells the register's entries apart while the program runs,
    // also after a rename. 0 for an entry that is not in the register.
    std::uint64_t Loebenr = 0;
};

using TDel = QVector<Deltagere>;

// The register in memory. Its operations keep maxIndex + 1 == Del.size() and
// keep Index (the entry on the participants window's edit page) on its entry.
struct DeltagerRegister
{
    TDel Del;
    std::int32_t maxIndex = -1;
    std::int32_t Index = -1;

    // Appends the entry, numbered as a new one; its index.
    std::int32_t tilfoej(Deltagere entry);
    // Removes entry i; an Index on it becomes -1. False for no such entry.
    bool fjern(std::int32_t i);
    // Swaps entries fra and til (neighbours when moved one step); Index follows
    // its entry. False when either is no entry.
    bool flyt(std::int32_t fra, std::int32_t til);
    // The first entry called navn with the letters a to z in either case (every
    // other letter must match exactly); -1 when none.
    std::int32_t find(const QString &navn) const;
};

// A missing file is an empty register. A non-numeric activity line loads that
// participant as not taken. Throws FileError when the file cannot be read.
void LoadDeltagerRecord(const QString &deltagerFil, DeltagerRegister &reg);
// Throws FileError; the register in memory is unchanged either way.
void SaveDeltagerRecord(const QString &deltagerFil, const DeltagerRegister &reg);

} // namespace kvidrel
