#include "participantfiles.h"

#include "dataroot.h"
#include "storedpath.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kvidrel {

namespace {

QChar foldAZ(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

QString renSti(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

// One file whatever the spelling: the folders may lie on a file system that
// ignores case, and erring this way only costs a "(2)" in a name.
bool sammeSti(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && renSti(a).compare(renSti(b), Qt::CaseInsensitive) == 0;
}

bool andenEjer(const QString &sti, const TDel &Del, std::int32_t ejer)
{
    for (qsizetype i = 0; i < Del.size(); ++i) {
        if (i != ejer && sammeSti(storedpath::resolve(Del.at(i).Filnavn), sti))
            return true;
    }
    return false;
}

// Directly in the participants folder, not in a folder (or link) below it.
bool iDeltagerMappe(const QString &sti, const QString &deltagerDir)
{
    return liesInside(sti, deltagerDir) && sammeSti(QFileInfo(renSti(sti)).path(), deltagerDir);
}

bool erRegister(const QString &sti, const QString &deltagerDir)
{
    return sammeSti(sti, joinPath(deltagerDir, deltagerFilNavn()));
}

// The picked file's extension, made fit for a file name and kept short.
QString endelse(const QString &kilde)
{
    QString suffix = QFileInfo(kilde).suffix().left(16);
    if (suffix.isEmpty())
        return {};
    for (QChar &c : suffix) {
        if (!isSafeFileName(QString(c)))
            c = u'_';
    }
    return u'.' + suffix;
}

} // namespace

bool sammeNavnAZ(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAZ(a.at(i)) != foldAZ(b.at(i)))
            return false;
    }
    return true;
}

QString deltagerFilNavn()
{
    return QStringLiteral("Deltagere.txt");
}

QString billedFilnavn(const QString &navn)
{
    return safeFileName(navn);
}

QString billedSti(const QString &deltagerDir, const QString &navn, const QString &kilde,
                  const TDel &Del, std::int32_t ejer)
{
    const QString base = billedFilnavn(navn);
    const QString ext = endelse(kilde);
    for (int n = 1; n < 100000; ++n) {
        const QString navnDel = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString sti = joinPath(deltagerDir, navnDel + ext);
        if (andenEjer(sti, Del, ejer) || erRegister(sti, deltagerDir) || QFileInfo(sti).isDir())
            continue;
        return sti;
    }
    throw FileError(QStringLiteral("Der er intet ledigt filnavn til %1.").arg(navn));
}

void kopierBillede(const QString &kilde, const QString &maal, const QString &deltagerDir)
{
    if (!iDeltagerMappe(maal, deltagerDir) || erRegister(maal, deltagerDir))
        throw FileError(QStringLiteral("Billedet kan ikke gemmes som \"%1\".")
                            .arg(QDir::toNativeSeparators(maal)));
    const QFileInfo kildeInfo(kilde);
    const QFileInfo maalInfo(maal);
    if (maalInfo.exists() && kildeInfo.canonicalFilePath() == maalInfo.canonicalFilePath())
        return;

    QFile in(kilde);
    if (!kildeInfo.isFile() || !in.open(QIODevice::ReadOnly))
        throw FileError(
            fileErrorText(QStringLiteral("åbne"), QDir::toNativeSeparators(kilde), in.error()));
    // Written beside the target and renamed over it at the end.
    QSaveFile out(maal);
    if (!out.open(QIODevice::WriteOnly))
        throw FileError(
            fileErrorText(QStringLiteral("skrive"), QDir::toNativeSeparators(maal), out.error()));
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            break;
        if (out.write(chunk) != chunk.size())
            break;
    }
    const bool readOk = in.error() == QFileDevice::NoError;
    if (!readOk || !out.commit()) {
        out.cancelWriting();
        throw FileError(QStringLiteral("Kan ikke kopiere \"%1\" til \"%2\".")
                            .arg(QDir::toNativeSeparators(kilde), QDir::toNativeSeparators(maal)));
    }
}

bool billedeKanSlettes(const QString &gemtSti, const QString &deltagerDir, const TDel &Del,
                       std::int32_t ejer)
{
    const QString sti = storedpath::resolve(gemtSti);
    if (sti.isEmpty() || !iDeltagerMappe(sti, deltagerDir) || erRegister(sti, deltagerDir))
        return false;
    // A link goes as a link; a folder is never a picture.
    const QFileInfo info(sti);
    if (info.isDir() || !(info.isFile() || info.isSymLink()))
        return false;
    return !andenEjer(sti, Del, ejer);
}

bool sletBilledeHvisFrit(const QString &sti, const QString &deltagerDir, const TDel &Del,
                         std::int32_t ejer)
{
    if (!billedeKanSlettes(sti, deltagerDir, Del, ejer))
        return false;
    return QFile::remove(storedpath::resolve(sti));
}

} // namespace kvidrel
