#include "skrivplan.h"

#include "dataroot.h"
#include "opremsning.h"
#include "questionfiles.h"
#include "sletning.h"
#include "storedpath.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

namespace kvidrel {

namespace {

QSet<QString> smaaNavne(const QString &mappe)
{
    QSet<QString> navne;
    const QStringList alle = QDir(mappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot);
    for (const QString &navn : alle)
        navne.insert(navn.toLower());
    return navne;
}

void skrivNyFil(const QString &sti, const QByteArray &bytes)
{
    QFile fil(sti);
    bool skrevet =
        fil.open(QIODevice::WriteOnly | QIODevice::NewOnly) && fil.write(bytes) == bytes.size();
    fil.close();
    skrevet = skrevet && fil.error() == QFileDevice::NoError;
    if (!skrevet)
        throw FileError(
            fileErrorText(QStringLiteral("skrive"), QDir::toNativeSeparators(sti), fil.error()));
}

void flyt(const QString &fra, const QString &til)
{
    if (!QDir().rename(fra, til))
        throw FileError(QStringLiteral("Kan ikke flytte \"%1\" til \"%2\".")
                            .arg(QDir::toNativeSeparators(fra), QDir::toNativeSeparators(til)));
}

// Where the questions are made before they go into the group: a hidden folder
// in the groups folder, removed again whatever happens.
class Mellemlager
{
public:
    explicit Mellemlager(const QString &gruppeDir)
    {
        for (int forsoeg = 0; forsoeg < 100 && m_sti.isEmpty(); ++forsoeg) {
            const QString sti =
                gruppeDir + QStringLiteral(".import-%1")
                                .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
            if (QDir().mkdir(sti))
                m_sti = sti;
        }
        if (m_sti.isEmpty() || !QDir().mkdir(kommentarMappeI(m_sti)))
            throw FileError(QStringLiteral("Kan ikke oprette en mappe i \"%1\".")
                                .arg(QDir::toNativeSeparators(gruppeDir)));
    }
    ~Mellemlager()
    {
        if (!m_sti.isEmpty() && QFileInfo(m_sti).isDir())
            sletMappe(m_sti);
    }
    Mellemlager(const Mellemlager &) = delete;
    Mellemlager &operator=(const Mellemlager &) = delete;
    QString sti() const { return m_sti; }

private:
    QString m_sti;
};

// What the move into the group has done, to be taken back when a step fails.
class Flytning
{
public:
    void flyttet(const QString &fra, const QString &til)
    {
        flyt(fra, til);
        m_flyttet.append({fra, til});
    }
    void mappeLavet(const QString &mappe) { m_mapper.prepend(mappe); }
    void faerdig()
    {
        m_flyttet.clear();
        m_mapper.clear();
    }
    // The paths that stayed behind.
    QStringList tagTilbage() noexcept
    {
        QStringList tilbage;
        for (auto it = m_flyttet.crbegin(); it != m_flyttet.crend(); ++it) {
            if (!QDir().rename(it->second, it->first) && !QFile::remove(it->second))
                tilbage << it->second;
        }
        for (const QString &mappe : std::as_const(m_mapper)) {
            const QString fejl = sletMappe(mappe);
            if (!fejl.isEmpty())
                tilbage << fejl;
        }
        faerdig();
        return tilbage;
    }

private:
    QVector<std::pair<QString, QString>> m_flyttet;
    QStringList m_mapper;
};

} // namespace

void skrivPlan(QVector<PlanlagtSpm> &plan, const QString &gruppeDir, const QString &mappe,
               bool nyListe, GruppeListe grupper, const QString &gruppe,
               const std::function<void(int)> &efterSpm)
{
    const QString komMappe = kommentarMappeI(mappe);
    const bool mappeFindes = QFileInfo(mappe).isDir();
    QSet<QString> komOptaget = mappeFindes ? smaaNavne(komMappe) : QSet<QString>();

    Mellemlager lager(gruppeDir);
    const QString lagerKom = kommentarMappeI(lager.sti());
    QStringList komFiler;
    for (int k = 0; k < plan.size(); ++k) {
        SpmRec &spm = plan[k].spm;
        const QString fil = spm.Navn + QStringLiteral(".txt");
        spm.Filnavn = storedpath::toStored(joinPath(mappe, fil));
        if (!plan[k].kommentar.isEmpty()) {
            // A comment file left by an earlier question keeps its place.
            const QString komSti =
                ledigtNavn(komMappe, spm.Navn, QStringLiteral(".txt"), [&](const QString &sti) {
                    return !komOptaget.contains(QFileInfo(sti).fileName().toLower());
                });
            const QString komFil = QFileInfo(komSti).fileName();
            komOptaget.insert(komFil.toLower());
            komFiler << komFil;
            spm.kFilnavn = storedpath::toStored(komSti);
            skrivNyFil(joinPath(lagerKom, komFil),
                       encodeText(plan[k].kommentar, TextEncoding::Ansi));
        }
        skrivNyFil(joinPath(lager.sti(), fil), encodeLines(spmLinjer(spm), TextEncoding::Ansi));
        if (efterSpm)
            efterSpm(k + 1);
    }

    Flytning flytning;
    try {
        if (!mappeFindes) {
            // A new folder goes into place whole.
            flytning.flyttet(lager.sti(), mappe);
        } else {
            if (!komFiler.isEmpty() && !QFileInfo(komMappe).isDir()) {
                if (!ensureFolder(komMappe))
                    throw FileError(QStringLiteral("Kan ikke oprette mappen \"%1\".")
                                        .arg(QDir::toNativeSeparators(komMappe)));
                flytning.mappeLavet(komMappe);
            }
            // Comments first: a question never names a comment that is not there.
            for (const QString &fil : std::as_const(komFiler))
                flytning.flyttet(joinPath(lagerKom, fil), joinPath(komMappe, fil));
            for (const PlanlagtSpm &p : std::as_const(plan)) {
                const QString fil = p.spm.Navn + QStringLiteral(".txt");
                flytning.flyttet(joinPath(lager.sti(), fil), joinPath(mappe, fil));
            }
        }
        if (nyListe) {
            grupper.tilfoej(gruppe);
            SaveGrupper(gruppeDir + QStringLiteral("Grupper.txt"), grupper);
        }
        flytning.faerdig();
    } catch (const FileError &fejl) {
        const QStringList tilbage = flytning.tagTilbage();
        if (tilbage.isEmpty())
            throw;
        QStringList vist;
        for (const QString &sti : tilbage)
            vist << QDir::toNativeSeparators(sti);
        throw FileError(fejl.message() +
                        QStringLiteral("\rDisse filer kunne ikke fjernes igen:\r") +
                        opremsning(vist));
    }
}

} // namespace kvidrel
