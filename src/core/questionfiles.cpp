#include "questionfiles.h"

#include "dataroot.h"
#include "storedpath.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvidrel {

namespace {

constexpr qsizetype kMindsteLaengde = 5;
constexpr int kFlesteForsoeg = 1000;
// The fixed points a question can award; outside them the game would play
// random points or cap the award.
constexpr int kMindstePoint = 1;
constexpr int kHoejestePoint = 100;

bool erCiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QChar smaaAZ(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + (u'a' - u'A')) : c;
}

std::optional<QByteArray> laesBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool sammeIndhold(const QString &a, const QString &b)
{
    if (QFileInfo(a).size() != QFileInfo(b).size())
        return false;
    const auto left = laesBytes(a);
    const auto right = laesBytes(b);
    return left && right && *left == *right;
}

// A rename tests the space right after the first digit, so a name with a
// letter among the digits and no space is told about the space there.
NavnFejl tjekNavn(const QString &navn, bool mellemrumFoerst)
{
    if (navn.isEmpty())
        return NavnFejl::Mangler;
    if (navn.size() < kMindsteLaengde)
        return NavnFejl::Format;
    for (int p = 0; p < 3; ++p) {
        if (!erCiffer(navn.at(p)))
            return NavnFejl::Format;
        if ((mellemrumFoerst || p == 2) && navn.at(3) != u' ')
            return NavnFejl::Mellemrum;
    }
    return isSafeFileName(navn) ? NavnFejl::Ingen : NavnFejl::Filnavn;
}

} // namespace

NavnFejl tjekNytNavn(const QString &navn)
{
    return tjekNavn(navn, false);
}

NavnFejl tjekOmdoebtNavn(const QString &navn)
{
    return tjekNavn(navn, true);
}

SpmMangel tjekUdfyldt(const SpmUdfyldning &spm)
{
    if (cleanEnteredLine(spm.tekst).isEmpty())
        return SpmMangel::Spoergsmaal;
    const SpmMangel svar[] = {SpmMangel::SvarA, SpmMangel::SvarB, SpmMangel::SvarC,
                              SpmMangel::SvarD};
    for (int i = 0; i < 4; ++i) {
        if (cleanEnteredLine(spm.svar[i]).isEmpty())
            return svar[i];
    }
    if (spm.rigtigSvar < 1 || spm.rigtigSvar > 4)
        return SpmMangel::RigtigtSvar;
    if (spm.pointType != 1 && spm.pointType != 2)
        return SpmMangel::PointType;
    return SpmMangel::Ingen;
}

SpmMangel tjekPoint(const SpmUdfyldning &spm, std::int32_t &point)
{
    bool tal = false;
    const int vaerdi = spm.point.toInt(&tal);
    point = tal ? vaerdi : 0;
    if (spm.pointType != 2)
        return SpmMangel::Ingen;
    if (tal && vaerdi >= kMindstePoint && vaerdi <= kHoejestePoint)
        return SpmMangel::Ingen;
    return spm.point.isEmpty() ? SpmMangel::Point : SpmMangel::PointOmraade;
}

QString mangelTekst(SpmMangel mangel)
{
    switch (mangel) {
    case SpmMangel::Ingen:
        break;
    case SpmMangel::Spoergsmaal:
        return QStringLiteral("Der mangler et spørgsmål.");
    case SpmMangel::SvarA:
        return QStringLiteral("Der mangler et svar A.");
    case SpmMangel::SvarB:
        return QStringLiteral("Der mangler et svar B.");
    case SpmMangel::SvarC:
        return QStringLiteral("Der mangler et svar C.");
    case SpmMangel::SvarD:
        return QStringLiteral("Der mangler et svar D.");
    case SpmMangel::RigtigtSvar:
        return QStringLiteral("Vælg det rigtige svar.");
    case SpmMangel::PointType:
        return QStringLiteral("Vælg en pointtype.");
    case SpmMangel::Point:
        return QStringLiteral("Der mangler angivelse af point.");
    case SpmMangel::PointOmraade:
        return QStringLiteral("Point skal være fra %1 til %2.")
            .arg(kMindstePoint)
            .arg(kHoejestePoint);
    }
    return QString();
}

bool sammeUdenAZCase(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (smaaAZ(a.at(i)) != smaaAZ(b.at(i)))
            return false;
    }
    return true;
}

QString spmSti(const QString &gruppeDir, const QString &gruppe, const QString &navn)
{
    return joinPath(gruppeDir + gruppe, navn + QStringLiteral(".txt"));
}

QString kommentarMappe(const QString &gruppeDir, const QString &gruppe)
{
    return kommentarMappeI(gruppeDir + gruppe);
}

QString kommentarMappeI(const QString &mappe)
{
    return joinPath(mappe, QStringLiteral("Kommentarer"));
}

bool findesIgnorerCase(const QString &path)
{
    return QFileInfo::exists(storedpath::matchLetterCase(path));
}

bool sammeFil(const QString &a, const QString &b)
{
    const QFileInfo left(storedpath::matchLetterCase(a));
    const QFileInfo right(storedpath::matchLetterCase(b));
    if (!left.exists() || !right.exists())
        return QDir::cleanPath(left.absoluteFilePath()) ==
               QDir::cleanPath(right.absoluteFilePath());
    return left.canonicalFilePath() == right.canonicalFilePath();
}

QString ledigtNavn(const QString &folder, const QString &stem, const QString &ext,
                   const std::function<bool(const QString &path)> &brugbar)
{
    for (int n = 1; n <= kFlesteForsoeg; ++n) {
        const QString tillaeg = n == 1 ? QString() : QStringLiteral(" (%1)").arg(n);
        QString kort = stem;
        // A number added to a long name must not push it over the length limit.
        while (!kort.isEmpty() && !isSafeFileName(kort + tillaeg + ext))
            kort.chop(1);
        if (kort.isEmpty())
            break;
        const QString path = joinPath(folder, kort + tillaeg + ext);
        if (brugbar(path))
            return path;
    }
    throw FileError(QStringLiteral("Der er ikke noget ledigt filnavn til \"%1%2\" i \"%3\".")
                        .arg(stem, ext, QDir::toNativeSeparators(folder)));
}

QString billedMaal(const QString &kommentarMappe, const QString &valgt)
{
    const QFileInfo info(valgt);
    const QString ext = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QString stem =
        safeFileName(info.suffix().isEmpty() ? info.fileName() : info.completeBaseName());
    return ledigtNavn(kommentarMappe, stem, ext, [&valgt](const QString &path) {
        return !findesIgnorerCase(path) || sammeIndhold(path, valgt);
    });
}

void sletSpmFil(const QString &path)
{
    QFile file(path);
    if (!file.remove())
        throw FileError(QStringLiteral("Filen \"%1\" kan ikke slettes. %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void FilSikring::husk(const QString &path)
{
    for (const Fil &fil : std::as_const(m_filer)) {
        if (fil.path == path)
            return;
    }
    if (!QFileInfo(path).isFile()) {
        m_filer.append({path, std::nullopt});
        return;
    }
    // A file we could not put back must not be written at all.
    auto bytes = laesBytes(path);
    if (!bytes)
        throw FileError(
            QStringLiteral("Kan ikke åbne filen \"%1\".").arg(QDir::toNativeSeparators(path)));
    m_filer.append({path, std::move(bytes)});
}

void FilSikring::gendan() noexcept
{
    for (const Fil &fil : std::as_const(m_filer)) {
        try {
            if (fil.bytes)
                writeFileAtomically(fil.path, *fil.bytes);
            else
                QFile::remove(fil.path);
        } catch (...) {
        }
    }
}

} // namespace kvidrel
