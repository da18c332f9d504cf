#include "participants.h"

#include "options.h"
#include "participantfiles.h"
#include "textfile.h"

#include <QFileInfo>

namespace kvidrel {

namespace {

std::uint64_t nytLoebenr()
{
    static std::uint64_t sidste = 0;
    return ++sidste;
}

} // namespace

void LoadDeltagerRecord(const QString &deltagerFil, DeltagerRegister &reg)
{
    reg.Index = -1;
    reg.maxIndex = -1;
    reg.Del.clear();
    if (!QFileInfo::exists(deltagerFil))
        return;
    const QStringList lines = readLineList(deltagerFil);
    for (qsizetype i = 2; i < lines.size(); i += 3) {
        Deltagere entry;
        entry.Navn = lines[i - 2];
        entry.Filnavn = lines[i - 1];
        // Only the low byte counts; a line that is no number is "not taken".
        const auto aktiv = parseDecimal(lines[i]);
        entry.Aktiv = aktiv && (*aktiv & 0xFF) != 0;
        entry.Loebenr = nytLoebenr();
        reg.Del.append(entry);
    }
    reg.maxIndex = static_cast<std::int32_t>(reg.Del.size()) - 1;
    reg.Index = reg.maxIndex;
}

std::int32_t DeltagerRegister::tilfoej(Deltagere entry)
{
    entry.Loebenr = nytLoebenr();
    Del.append(entry);
    maxIndex = static_cast<std::int32_t>(Del.size()) - 1;
    return maxIndex;
}

bool DeltagerRegister::fjern(std::int32_t i)
{
    if (i < 0 || i >= Del.size())
        return false;
    Del.remove(i);
    maxIndex = static_cast<std::int32_t>(Del.size()) - 1;
    if (Index == i)
        Index = -1;
    else if (Index > i)
        --Index;
    return true;
}

bool DeltagerRegister::flyt(std::int32_t fra, std::int32_t til)
{
    if (fra < 0 || til < 0 || fra >= Del.size() || til >= Del.size())
        return false;
    std::swap(Del[fra], Del[til]);
    if (Index == fra)
        Index = til;
    else if (Index == til)
        Index = fra;
    return true;
}

std::int32_t DeltagerRegister::find(const QString &navn) const
{
    for (std::int32_t i = 0; i <= maxIndex && i < Del.size(); ++i) {
        if (sammeNavnAZ(Del.at(i).Navn, navn))
            return i;
    }
    return -1;
}

void SaveDeltagerRecord(const QString &deltagerFil, const DeltagerRegister &reg)
{
    QStringList lines;
    for (std::int32_t i = 0; i <= reg.maxIndex && i < reg.Del.size(); ++i) {
        const Deltagere &entry = reg.Del[i];
        lines << entry.Navn << entry.Filnavn
              << (entry.Aktiv ? QStringLiteral("1") : QStringLiteral("0"));
    }
    writeLines(deltagerFil, lines);
}

} // namespace kvidrel
