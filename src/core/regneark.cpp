#include "regneark.h"

#include "csv.h"
#include "dataroot.h"
#include "gruppemapper.h"
#include "opremsning.h"
#include "questionfiles.h"
#include "skrivplan.h"
#include "sletning.h"
#include "storedpath.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace kvidrel {

namespace {

enum Kolonne
{
    kSpm,
    kSvarA,
    kSvarB,
    kSvarC,
    kSvarD,
    kRigtigt,
    kPoint,
    kKommentar,
    kBillede,
    kMusik,
    kAntalKolonner
};
constexpr int kKraevede = kRigtigt + 1; // the columns up to Rigtigt svar must be there

constexpr int kSidsteNummer = 999;
// The name proper after the number: enough words to tell the questions apart
// in the list.
constexpr qsizetype kNavnLaengde = 40;
// A spreadsheet of questions is far smaller; a film picked by mistake is not read.
constexpr qint64 kStoersteFil = 64 * 1024 * 1024;

// A question or answer is one line of the question file.
QString enLinje(const QString &felt)
{
    QStringList dele = felt.split(u'\n');
    for (QString &del : dele)
        del = cleanEnteredLine(del);
    dele.removeAll(QString());
    return dele.join(u' ');
}

// 1 to 4, 0 for an empty cell, -1 for anything else.
int rigtigtSvar(const QString &felt)
{
    const QString s = felt.trimmed().toUpper();
    if (s.isEmpty())
        return 0;
    const qsizetype i = QStringLiteral("ABCD").indexOf(s);
    if (s.size() == 1 && i >= 0)
        return int(i) + 1;
    const qsizetype j = QStringLiteral("1234").indexOf(s);
    if (s.size() == 1 && j >= 0)
        return int(j) + 1;
    return -1;
}

QString navnTil(int nummer, const QString &tekst)
{
    // Only whole characters: half a surrogate pair has no file name.
    QString renset;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c.isHighSurrogate() && i + 1 < tekst.size() && tekst.at(i + 1).isLowSurrogate()) {
            renset += c;
            renset += tekst.at(++i);
        } else if (!c.isSurrogate()) {
            renset += isRefusedFileNameChar(c) ? QChar(u' ') : c;
        }
    }
    QString egen;
    for (const QString &ord : renset.split(u' ', Qt::SkipEmptyParts)) {
        if (!egen.isEmpty() && egen.size() + 1 + ord.size() > kNavnLaengde)
            break;
        egen += (egen.isEmpty() ? QString() : QStringLiteral(" ")) + ord;
    }
    if (egen.size() > kNavnLaengde)
        egen.truncate(egen.at(kNavnLaengde).isLowSurrogate() ? kNavnLaengde - 1 : kNavnLaengde);
    while (egen.endsWith(u'.') || egen.endsWith(u' '))
        egen.chop(1);
    const QString nr = QStringLiteral("%1 ").arg(nummer, 3, 10, QChar(u'0'));
    if (!egen.isEmpty() && tjekNytNavn(nr + egen) == NavnFejl::Ingen)
        return nr + egen;
    return nr + QStringLiteral("Spørgsmål");
}

bool erWindowsAbsolut(const QString &sti)
{
    return sti.startsWith(QStringLiteral("\\\\")) ||
           (sti.size() >= 3 && sti.at(0).isLetter() && sti.at(1) == u':' &&
            (sti.at(2) == u'\\' || sti.at(2) == u'/'));
}

QString gemtSti(const QString &felt, const QString &csvMappe)
{
    QString sti = cleanEnteredLine(felt);
    if (sti.isEmpty() || erWindowsAbsolut(sti))
        return sti;
    sti.replace(u'\\', u'/');
    if (QDir::isRelativePath(sti))
        sti = QDir(csvMappe).absoluteFilePath(sti);
    return storedpath::toStored(QDir::toNativeSeparators(QDir::cleanPath(sti)));
}

bool tomRaekke(const QStringList &raekke)
{
    for (const QString &felt : raekke) {
        if (!felt.trimmed().isEmpty())
            return false;
    }
    return true;
}

// The index of each column in the header, -1 for one that is missing.
std::array<qsizetype, kAntalKolonner> kolonnerI(const QStringList &overskrift)
{
    std::array<qsizetype, kAntalKolonner> indeks;
    indeks.fill(-1);
    const QStringList &navne = regnearkKolonner();
    for (qsizetype i = 0; i < overskrift.size(); ++i) {
        const QString felt = overskrift.at(i).trimmed();
        for (int k = 0; k < kAntalKolonner; ++k) {
            if (indeks[k] < 0 && felt.compare(navne.at(k), Qt::CaseInsensitive) == 0)
                indeks[k] = i;
        }
    }
    return indeks;
}

QString kolonneListe(const QStringList &navne)
{
    QStringList citeret;
    for (const QString &navn : navne)
        citeret << u'"' + navn + u'"';
    return citeret.join(QStringLiteral(", "));
}

QByteArray laesCsvFil(const QString &sti)
{
    const QFileInfo info(sti);
    if (!info.isFile())
        throw FileError(fileErrorText(QStringLiteral("åbne"), QDir::toNativeSeparators(sti),
                                      QFileDevice::OpenError));
    if (info.size() > kStoersteFil)
        throw FileError(QStringLiteral("Filen \"%1\" er for stor til at være et regneark.")
                            .arg(QDir::toNativeSeparators(sti)));
    QFile fil(sti);
    if (!fil.open(QIODevice::ReadOnly))
        throw FileError(
            fileErrorText(QStringLiteral("åbne"), QDir::toNativeSeparators(sti), fil.error()));
    return fil.readAll();
}

// The highest order number among the group's question files; 0 when none.
int sidsteNummer(const QStringList &filer)
{
    int hoejest = 0;
    for (const QString &navn : filer) {
        bool tal = navn.size() >= 3;
        for (int p = 0; tal && p < 3; ++p)
            tal = navn.at(p) >= u'0' && navn.at(p) <= u'9';
        if (tal)
            hoejest = std::max(hoejest, navn.left(3).toInt());
    }
    return hoejest;
}

} // namespace

const QStringList &regnearkKolonner()
{
    static const QStringList navne = {QStringLiteral("Spørgsmål"), QStringLiteral("Svar A"),
                                      QStringLiteral("Svar B"),    QStringLiteral("Svar C"),
                                      QStringLiteral("Svar D"),    QStringLiteral("Rigtigt svar"),
                                      QStringLiteral("Point"),     QStringLiteral("Kommentar"),
                                      QStringLiteral("Billede"),   QStringLiteral("Musik")};
    return navne;
}

ImportPlan planlaegImport(const QByteArray &bytes, const QString &gruppe, int foersteNummer,
                          const QString &csvMappe)
{
    ImportPlan plan;
    const QString tekst = decodeText(bytes);
    if (tekst.trimmed().isEmpty()) {
        plan.fejl = QStringLiteral("Filen er tom.");
        return plan;
    }
    // Text as a spreadsheet saves it holds no NUL; a picture or a program does.
    if (tekst.contains(QChar(u'\0'))) {
        plan.fejl = QStringLiteral("Filen er ikke en CSV-fil.");
        return plan;
    }
    const csv::Tabel tabel = csv::laes(tekst);
    qsizetype start = 0;
    while (start < tabel.raekker.size() && tomRaekke(tabel.raekker.at(start)))
        ++start;
    const auto kolonne = kolonnerI(tabel.raekker.value(start));
    QStringList mangler;
    for (int k = 0; k < kKraevede; ++k) {
        if (kolonne[k] < 0)
            mangler << regnearkKolonner().at(k);
    }
    if (!mangler.isEmpty()) {
        plan.fejl =
            QStringLiteral("Filen er ikke en CSV-fil med kolonnerne %1 i første række. "
                           "Der mangler %2.")
                .arg(kolonneListe(regnearkKolonner().mid(0, kKraevede)), kolonneListe(mangler));
        return plan;
    }

    int nummer = foersteNummer;
    for (qsizetype r = start + 1; r < tabel.raekker.size(); ++r) {
        const QStringList &raekke = tabel.raekker.at(r);
        if (tomRaekke(raekke))
            continue;
        const int raekkeNr = int(r) + 1;
        const auto felt = [&](int k) {
            return kolonne[k] < 0 ? QString() : raekke.value(kolonne[k]);
        };
        const auto afvis = [&](const QString &grund) { plan.afviste.append({raekkeNr, grund}); };
        if (tabel.sidsteUafsluttet && r == tabel.raekker.size() - 1) {
            afvis(QStringLiteral("Et felt begynder med \" men slutter ikke med \"."));
            continue;
        }
        SpmUdfyldning udfyldt{enLinje(felt(kSpm)),
                              {enLinje(felt(kSvarA)), enLinje(felt(kSvarB)), enLinje(felt(kSvarC)),
                               enLinje(felt(kSvarD))},
                              rigtigtSvar(felt(kRigtigt)),
                              0,
                              felt(kPoint).trimmed()};
        udfyldt.pointType = udfyldt.point.isEmpty() ? 1 : 2;
        if (udfyldt.rigtigSvar < 0) {
            afvis(QStringLiteral("Rigtigt svar skal være A, B, C, D eller 1 til 4, ikke \"%1\".")
                      .arg(felt(kRigtigt).trimmed()));
            continue;
        }
        std::int32_t point = 0;
        SpmMangel mangel = tjekUdfyldt(udfyldt);
        if (mangel == SpmMangel::Ingen)
            mangel = tjekPoint(udfyldt, point);
        if (mangel != SpmMangel::Ingen) {
            afvis(mangelTekst(mangel));
            continue;
        }
        if (nummer > kSidsteNummer) {
            afvis(QStringLiteral("Gruppen har ikke flere numre; %1 er det sidste.")
                      .arg(kSidsteNummer));
            continue;
        }
        PlanlagtSpm ny;
        ny.raekke = raekkeNr;
        SpmRec &spm = ny.spm;
        spm.Gruppe = gruppe;
        spm.Navn = navnTil(nummer++, udfyldt.tekst);
        spm.Tekst = udfyldt.tekst;
        spm.Svar1 = udfyldt.svar[0];
        spm.Svar2 = udfyldt.svar[1];
        spm.Svar3 = udfyldt.svar[2];
        spm.Svar4 = udfyldt.svar[3];
        spm.RigtigSvar = static_cast<std::uint8_t>(udfyldt.rigtigSvar);
        spm.PointType = static_cast<std::uint8_t>(udfyldt.pointType);
        spm.Point = point;
        spm.Aktiv = true;
        spm.bFilnavn = gemtSti(felt(kBillede), csvMappe);
        spm.musikFilnavn = gemtSti(felt(kMusik), csvMappe);
        // The comment file holds its lines as the comments page writes them.
        const QString kommentar = felt(kKommentar);
        if (!kommentar.trimmed().isEmpty())
            ny.kommentar = QString(kommentar).replace(u'\n', QStringLiteral("\r\n"));
        plan.spm.append(ny);
    }
    if (plan.spm.isEmpty() && plan.afviste.isEmpty())
        plan.fejl = QStringLiteral("Filen har ingen spørgsmål under overskrifterne.");
    return plan;
}

QStringList ImportResultat::afvisninger() const
{
    QStringList linjer;
    for (const AfvistRaekke &a : afviste)
        linjer << QStringLiteral("Række %1: %2").arg(a.raekke).arg(a.grund);
    return linjer;
}

QString ImportResultat::opsummering() const
{
    if (indfoerte.isEmpty()) {
        const QString tekst = QStringLiteral("Der er ikke indført nogen spørgsmål.");
        return fejl.isEmpty() ? tekst : tekst + u'\r' + fejl;
    }
    return QStringLiteral("Der er indført %1 spørgsmål i gruppen \"%2\".%3")
        .arg(indfoerte.size())
        .arg(gruppe, nyGruppe ? QStringLiteral(" Gruppen er ny.") : QString());
}

QString ImportResultat::besked() const
{
    if (afviste.isEmpty())
        return opsummering();
    return opsummering() +
           QStringLiteral("\r%1 %2 ikke taget med:\r")
               .arg(afviste.size())
               .arg(afviste.size() == 1 ? QStringLiteral("række er")
                                        : QStringLiteral("rækker er")) +
           opremsning(afvisninger());
}

ImportResultat importerCsv(const QString &csvFil, const QString &gruppeDir,
                           const QString &gruppeNavn, const std::function<void(int)> &efterSpm)
{
    ImportResultat resultat;
    resultat.gruppe = cleanEnteredLine(gruppeNavn);
    try {
        const QByteArray bytes = laesCsvFil(csvFil);
        GruppeListe grupper;
        LoadGrupper(gruppeDir + QStringLiteral("Grupper.txt"), grupper);
        const qsizetype i = grupper.find(resultat.gruppe);
        if (i >= 0)
            resultat.gruppe = grupper.navne.at(i);
        if (!gruppeNavnBrugbart(resultat.gruppe)) {
            resultat.fejl = QStringLiteral("Gruppenavnet \"%1\" kan ikke bruges som mappenavn.")
                                .arg(resultat.gruppe);
            return resultat;
        }
        const QString mappe = storedpath::matchLetterCase(gruppeDir + resultat.gruppe);
        // Nothing is written through a link, which could lead out of the data root.
        if (erLink(QFileInfo(mappe)) || (QFileInfo::exists(mappe) && !QFileInfo(mappe).isDir())) {
            resultat.fejl = QStringLiteral("\"%1\" er ikke en gruppemappe.")
                                .arg(QDir::toNativeSeparators(mappe));
            return resultat;
        }
        const QStringList filer =
            QDir(mappe).entryList({QStringLiteral("*txt")}, QDir::Files | QDir::Hidden);
        ImportPlan plan = planlaegImport(bytes, resultat.gruppe, sidsteNummer(filer) + 1,
                                         QFileInfo(csvFil).absolutePath());
        resultat.afviste = plan.afviste;
        resultat.fejl = plan.fejl;
        if (plan.spm.isEmpty())
            return resultat;
        skrivPlan(plan.spm, gruppeDir, mappe, i < 0, grupper, resultat.gruppe, efterSpm);
        resultat.nyGruppe = i < 0;
        for (const PlanlagtSpm &p : std::as_const(plan.spm))
            resultat.indfoerte << p.spm.Navn;
    } catch (const FileError &fejl) {
        resultat.fejl = fejl.message();
    }
    return resultat;
}

QString gruppeNavnEfterFil(const QString &csvFil, const QString &gruppeDir)
{
    GruppeListe grupper;
    try {
        LoadGrupper(gruppeDir + QStringLiteral("Grupper.txt"), grupper);
    } catch (const FileError &) {
        // The import itself reports the list it cannot read.
    }
    const QString stem = safeFileName(cleanEnteredLine(QFileInfo(csvFil).completeBaseName()));
    const QString sti = ledigtNavn(gruppeDir, stem, QString(), [&grupper](const QString &sti) {
        return !findesIgnorerCase(sti) && grupper.find(QFileInfo(sti).fileName()) < 0;
    });
    return QFileInfo(sti).fileName();
}

QString EksportResultat::besked() const
{
    if (!fejl.isEmpty())
        return QStringLiteral("Gruppen \"%1\" er ikke eksporteret.\r").arg(gruppe) + fejl;
    QString tekst =
        QStringLiteral("%1 spørgsmål fra gruppen \"%2\" er eksporteret.").arg(antal).arg(gruppe);
    if (!ulaeselige.isEmpty()) {
        QStringList linjer;
        for (const UlaeseligFil &fil : ulaeselige)
            linjer << fil.navn + QStringLiteral(": ") + fil.grund;
        tekst +=
            QStringLiteral("\rDisse filer kunne ikke læses og er ikke med:\r") + opremsning(linjer);
    }
    return tekst;
}

EksportResultat eksporterCsv(const QString &gruppeDir, const QString &gruppeNavn,
                             const QString &csvFil)
{
    EksportResultat resultat;
    resultat.gruppe = gruppeNavn;
    try {
        GruppeListe grupper;
        LoadGrupper(gruppeDir + QStringLiteral("Grupper.txt"), grupper);
        const qsizetype i = grupper.find(gruppeNavn);
        if (i >= 0)
            resultat.gruppe = grupper.navne.at(i);
        if (!gruppeNavnBrugbart(resultat.gruppe) ||
            (i < 0 && !QFileInfo(storedpath::matchLetterCase(gruppeDir + gruppeNavn)).isDir())) {
            resultat.fejl =
                QStringLiteral("Der er ingen gruppe, der hedder \"%1\".").arg(gruppeNavn);
            return resultat;
        }
        const SpmListe liste = LoadSpmListen(gruppeDir, resultat.gruppe);
        QVector<QStringList> raekker{regnearkKolonner()};
        for (const SpmRec &spm : liste.Spm) {
            const bool bogstav = spm.RigtigSvar >= 1 && spm.RigtigSvar <= 4;
            QString kommentar;
            const QString komSti = storedpath::resolve(spm.kFilnavn);
            // A comment that cannot be read is left out, as the game leaves it out.
            if (!komSti.isEmpty() && QFileInfo(komSti).isFile()) {
                try {
                    kommentar =
                        readComment(komSti).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                } catch (const FileError &) {
                }
            }
            raekker << QStringList{spm.Tekst,
                                   spm.Svar1,
                                   spm.Svar2,
                                   spm.Svar3,
                                   spm.Svar4,
                                   bogstav ? QString(QChar(u'A' + spm.RigtigSvar - 1))
                                           : QString::number(spm.RigtigSvar),
                                   spm.PointType == 2 ? QString::number(spm.Point) : QString(),
                                   kommentar,
                                   spm.bFilnavn,
                                   spm.musikFilnavn};
        }
        writeFileAtomically(csvFil, encodeText(csv::skriv(raekker), TextEncoding::Utf8));
        resultat.antal = liste.Spm.size();
        resultat.ulaeselige = liste.ulaeselige;
    } catch (const FileError &fejl) {
        resultat.fejl = fejl.message();
    }
    return resultat;
}

} // namespace kvidrel
