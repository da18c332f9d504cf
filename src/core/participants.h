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
};

using TDel = QVector<Deltagere>;

// The register in memory; maxIndex + 1 == Del.size() always.
struct DeltagerRegister
{
    TDel Del;
    std::int32_t maxIndex = -1;
    std::int32_t Index = -1;
};

// A missing file is an empty register. A non-numeric activity line loads that
// participant as not taken. Throws FileError when the file cannot be read.
void LoadDeltagerRecord(const QString &deltagerFil, DeltagerRegister &reg);
// Throws FileError; the register in memory is unchanged either way.
void SaveDeltagerRecord(const QString &deltagerFil, const DeltagerRegister &reg);

} // namespace kvidrel
