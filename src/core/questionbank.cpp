#include "questionbank.h"

#include "dataroot.h"
#include "options.h"
#include "storedpath.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kvidrel {

namespace {

constexpr int kSpmLinjer = 15;
constexpr int kMindsteLinjer = 12;

QString upperUnits(const QString &s)
{
    QString result = s;
    for (QChar &c : result)
        c = c.toUpper(); // simple case mapping, one unit at a time
    return result;
}

} // namespace

bool spmFilFoer(const QString &a, const QString &b)
{
    const QString ua = upperUnits(a);
    const QString ub = upperUnits(b);
    // QString's operator< compares UTF-16 code units.
    return ua < ub;
}

qsizetype GruppeListe::find(const QString &navn) const
{
    for (qsizetype i = 0; i < navne.size(); ++i) {
        if (navne.at(i).compare(navn, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool GruppeListe::tilfoej(const QString &navn)
{
    if (find(navn) >= 0)
        return false;
    navne.append(navn);
    return true;
}

bool GruppeListe::fjern(qsizetype i)
{
    if (i < 0 || i >= navne.size())
        return false;
    navne.removeAt(i);
    return true;
}

bool GruppeListe::flyt(qsizetype fra, qsizetype til)
{
    if (fra < 0 || til < 0 || fra >= navne.size() || til >= navne.size())
        return false;
    navne.swapItemsAt(fra, til);
    return true;
}

void LoadGrupper(const QString &gruppeFil, GruppeListe &liste)
{
    if (!QFileInfo::exists(gruppeFil))
        return;
    const TextLines text = readLines(gruppeFil);
    liste.navne = text.lines;
    liste.kodning = text.encoding;
}

void SaveGrupper(const QString &gruppeFil, const GruppeListe &liste)
{
    writeLines(gruppeFil, liste.navne, liste.kodning);
}

QStringList spmLinjer(const SpmRec &spm)
{
    return {spm.Filnavn,
            spm.Gruppe,
            spm.Navn,
            spm.Tekst,
            spm.Svar1,
            spm.Svar2,
            spm.Svar3,
            spm.Svar4,
            QString::number(spm.RigtigSvar),
            QString::number(spm.PointType),
            QString::number(spm.Point),
            spm.Aktiv ? QStringLiteral("1") : QStringLiteral("0"),
            spm.bFilnavn,
            spm.kFilnavn,
            spm.musikFilnavn};
}

bool spmFraLinjer(const QStringList &lines, SpmRec &spm, QString *grund)
{
    const auto afvis = [grund](const QString &hvorfor) {
        if (grund)
            *grund = hvorfor;
        return false;
    };
    if (lines.isEmpty())
        return afvis(QStringLiteral("filen er tom"));
    if (lines.size() < kMindsteLinjer)
        return afvis(
            QStringLiteral("har kun %1 %2, et spørgsmål har %3 til %4")
                .arg(lines.size())
                .arg(lines.size() == 1 ? QStringLiteral("linje") : QStringLiteral("linjer"))
                .arg(kMindsteLinjer)
                .arg(kSpmLinjer));
    std::optional<std::int32_t> tal[4];
    for (int i = 0; i < 4; ++i) {
        tal[i] = parseDecimal(lines[8 + i]);
        if (!tal[i])
            return afvis(QStringLiteral("linje %1 er ikke et tal").arg(9 + i));
    }
    const auto &[rigtig, type, point, aktiv] = tal;
    spm = SpmRec{};
    spm.Filnavn = lines[0];
    spm.Gruppe = lines[1];
    spm.Navn = lines[2];
    spm.Tekst = lines[3];
    spm.Svar1 = lines[4];
    spm.Svar2 = lines[5];
    spm.Svar3 = lines[6];
    spm.Svar4 = lines[7];
    // Byte fields keep the low 8 bits, as a byte assignment does.
    spm.RigtigSvar = static_cast<std::uint8_t>(*rigtig);
    spm.PointType = static_cast<std::uint8_t>(*type);
    spm.Point = *point;
    spm.Aktiv = *aktiv != 0;
    if (lines.size() >= 14) {
        spm.bFilnavn = lines[12];
        spm.kFilnavn = lines[13];
    }
    if (lines.size() >= kSpmLinjer)
        spm.musikFilnavn = lines[14];
    return true;
}

void addFil(const QString &folder, SpmListe &liste)
{
    liste.antalSpm = 0;
    const QDir dir(folder);
    // Pipes, sockets and devices are left out: reading one would block for good.
    QFileInfoList entries =
        dir.entryInfoList({QStringLiteral("*txt")}, QDir::Files | QDir::Hidden, QDir::NoSort);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return spmFilFoer(a.fileName(), b.fileName());
    });
    for (const QFileInfo &entry : std::as_const(entries)) {
        SpmRec spm;
        QString grund;
        try {
            spmFraLinjer(readLineList(entry.filePath()), spm, &grund);
        } catch (const FileError &error) {
            grund = error.message();
        }
        // One bad file hides nothing else; the host is told which and why.
        if (!grund.isEmpty()) {
            liste.ulaeselige.append({entry.fileName(), grund});
            continue;
        }
        spm.kildeFil = entry.filePath();
        if (spm.Aktiv)
            ++liste.antalSpm;
        liste.raekker.append({spm.Navn, spm.Aktiv});
        liste.Spm.append(spm);
    }
}

SpmListe LoadSpmListen(const QString &gruppeDir, const QString &gruppeNavn)
{
    SpmListe liste;
    // A group list from Windows may name "sport" for the folder "Sport".
    addFil(storedpath::matchLetterCase(gruppeDir + gruppeNavn) + separator(), liste);
    liste.antalTekst = QString::number(liste.raekker.size()) + QStringLiteral(" spørgsmål");
    return liste;
}

QString spmSkrivSti(const SpmRec &spm, const QString &)
{
    // A listed question is written where it was listed from, whatever its first
    // line says: a hand copy must not overwrite the file it was copied from.
    if (!spm.kildeFil.isEmpty())
        return spm.kildeFil;
    return storedpath::resolve(spm.Filnavn);
}

void SaveSpm(const SpmRec &spm, const QString &gruppeDir)
{
    const QString sti = spmSkrivSti(spm, gruppeDir);
    if (spm.kildeFil.isEmpty() && !erSpmFilSti(sti, gruppeDir))
        throw FileError(
            QStringLiteral("Spørgsmålet kan ikke gemmes uden for gruppemappen: \"%1\"").arg(sti));
    SpmRec skrevet = spm;
    if (!storedpath::same(spm.Filnavn, sti))
        skrevet.Filnavn = storedpath::toStored(sti);
    writeLines(sti, spmLinjer(skrevet));
}

bool erSpmFilSti(const QString &sti, const QString &gruppeDir)
{
    // Directly in a group's folder: never the group list, never a comment file.
    const QFileInfo info(QDir::cleanPath(QDir::fromNativeSeparators(sti)));
    const QString gruppeMappe = info.absolutePath();
    return info.fileName().endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) &&
           liesInside(gruppeMappe, gruppeDir) &&
           storedpath::same(QFileInfo(gruppeMappe).absolutePath(),
                            QDir::cleanPath(QDir::fromNativeSeparators(gruppeDir)));
}

} // namespace kvidrel
