#include "spil.h"

#include "storedpath.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <algorithm>

namespace kvidrel {

namespace {

bool erMedie(const QMimeType &type)
{
    const QString navn = type.name();
    return navn.startsWith(QStringLiteral("audio/")) || navn.startsWith(QStringLiteral("video/"));
}

QString svarTekst(const SpmRec &q, std::int32_t Nr)
{
    switch (Nr) {
    case 1:
        return q.Svar1;
    case 2:
        return q.Svar2;
    case 3:
        return q.Svar3;
    case 4:
        return q.Svar4;
    default:
        return QString();
    }
}

// The same register entry; entries from outside the register go by name.
bool sammeDeltager(const Deltagere &a, const Deltagere &b)
{
    return a.Loebenr == b.Loebenr && (a.Loebenr != 0 || a.Navn == b.Navn);
}

} // namespace

std::int32_t begraensPoint(std::int32_t Point)
{
    return std::clamp(Point, laveste, hoejeste);
}

std::int32_t traekPoint(std::int32_t minPoint, std::int32_t maxPoint, QRandomGenerator &tilfaeldig)
{
    if (maxPoint < minPoint)
        std::swap(minPoint, maxPoint);
    const auto vaerdi = tilfaeldig.bounded(qint64(minPoint), qint64(maxPoint) + 1);
    return begraensPoint(std::int32_t(vaerdi));
}

TDel aktiveDeltagere(const TDel &Del, bool *overMax)
{
    TDel valgte;
    bool flere = false;
    for (const Deltagere &d : Del) {
        if (!d.Aktiv)
            continue;
        if (valgte.size() == maxSpillere) {
            flere = true;
            break;
        }
        valgte.append(d);
    }
    if (overMax)
        *overMax = flere;
    return valgte;
}

QString musikFil(const QString &musikFilnavn)
{
    if (musikFilnavn.trimmed().isEmpty())
        return QString();
    const QString sti = storedpath::resolve(musikFilnavn);
    const QFileInfo info(sti);
    if (!info.exists() || !QFileInfo(info.canonicalFilePath()).isFile())
        return QString();
    // Both the name and the content must say audio or video: a script with a
    // music file's name is text by its content. Content that says nothing
    // (plain binary data) passes on the name alone.
    const QMimeDatabase db;
    if (!erMedie(db.mimeTypeForFile(info, QMimeDatabase::MatchExtension)))
        return QString();
    const QMimeType indhold = db.mimeTypeForFile(info, QMimeDatabase::MatchContent);
    if (!erMedie(indhold) && !indhold.isDefault())
        return QString();
    return info.absoluteFilePath();
}

QVector<StillingsRaekke> stilling(const TDel &spillere)
{
    QVector<StillingsRaekke> raekker;
    for (const Deltagere &d : spillere)
        raekker.append({0, d.Navn, d.Point, false});
    std::stable_sort(
        raekker.begin(), raekker.end(),
        [](const StillingsRaekke &a, const StillingsRaekke &b) { return a.point > b.point; });
    for (qsizetype i = 0; i < raekker.size(); ++i) {
        StillingsRaekke &r = raekker[i];
        r.plads =
            i > 0 && r.point == raekker[i - 1].point ? raekker[i - 1].plads : std::int32_t(i + 1);
        r.vinder = r.plads == 1 && r.point > 0;
    }
    return raekker;
}

void Spil::tagSpm(const TSpm &alle)
{
    FSpm.clear();
    for (const SpmRec &q : alle) {
        if (q.Aktiv)
            FSpm.append(q);
    }
    slut();
}

const SpmRec *Spil::aktueltSpm() const
{
    if (FSpmNummer < 1 || FSpmNummer > antalSpm())
        return nullptr;
    return &FSpm[FSpmNummer - 1];
}

bool Spil::sammeSpillere(const TDel &nye) const
{
    const TDel valgte = aktiveDeltagere(nye);
    if (FSpiller.isEmpty() || valgte.size() != FSpiller.size())
        return false;
    return std::equal(valgte.cbegin(), valgte.cend(), FSpiller.cbegin(), sammeDeltager);
}

void Spil::startSpil(const TDel &nye, bool fortsaet)
{
    const TDel valgte = aktiveDeltagere(nye);
    if (fortsaet) {
        // A spelling corrected in the register shows; the points stay.
        for (qsizetype i = 0; i < FSpiller.size() && i < valgte.size(); ++i) {
            FSpiller[i].Navn = valgte[i].Navn;
            FSpiller[i].Filnavn = valgte[i].Filnavn;
        }
    } else {
        FSpiller = valgte;
        for (Deltagere &d : FSpiller)
            d.Point = 0;
    }
    FRunde = fortsaet ? FRunde + 1 : 1;
    FTur = 0;
    FSpmNummer = 0;
    FSvarTilladt = false;
    FDerErSvaret = false;
}

const Deltagere *Spil::aktivSpiller() const
{
    if (FTur < 1 || FTur > antalSpillere())
        return nullptr;
    return &FSpiller[FTur - 1];
}

bool Spil::naesteSpm()
{
    FSvarTilladt = false;
    ++FSpmNummer;
    if (FSpmNummer > antalSpm() || FSpiller.isEmpty()) {
        FSpmNummer = 0;
        return false;
    }
    return true;
}

void Spil::skiftTur()
{
    ++FTur;
    FDerErSvaret = false;
    if (FTur > antalSpillere())
        FTur = 1;
}

std::optional<Svar> Spil::svar(std::int32_t FeltNr, std::int32_t spmPoint)
{
    const SpmRec *q = aktueltSpm();
    if (!FSvarTilladt || FDerErSvaret || !q || !aktivSpiller() || FeltNr < 0 || FeltNr > 3)
        return std::nullopt;
    // A field with no answer in it (a file edited by hand) is no answer.
    if (svarTekst(*q, FeltNr + 1).trimmed().isEmpty())
        return std::nullopt;
    // Answered before anything else runs: a later step that fails must not
    // leave the question open for a second score.
    FDerErSvaret = true;
    FSvarTilladt = false;

    Svar s;
    s.spillerNr = FTur;
    s.svaretTekst = svarTekst(*q, FeltNr + 1);
    if (q->RigtigSvar >= 1 && q->RigtigSvar <= 4)
        s.rigtigTekst = svarTekst(*q, q->RigtigSvar);
    s.rigtigt = q->RigtigSvar == FeltNr + 1;
    if (s.rigtigt) {
        s.point = spmPoint;
        FSpiller[FTur - 1].Point += spmPoint;
    }
    return s;
}

void Spil::slut()
{
    FSpmNummer = 0;
    FSvarTilladt = false;
}

Spil::Tilstand Spil::tilstand() const
{
    if (FSpmNummer == 0)
        return Tilstand::IngenSpil;
    if (FDerErSvaret)
        return Tilstand::Besvaret;
    return FSvarTilladt ? Tilstand::Aaben : Tilstand::Taeller;
}

} // namespace kvidrel
