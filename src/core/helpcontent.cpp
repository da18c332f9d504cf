#include "helpcontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kvidrel::helpcontent {

namespace {

const QString kNavn = QStringLiteral("kvidrel");

bool kopierMappe(const QString &fra, const QString &til)
{
    if (!QDir().mkpath(til))
        return false;
    QDirIterator it(fra, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString maal = til + u'/' + info.fileName();
        if (info.isSymLink())
            continue;
        if (info.isDir() ? !kopierMappe(info.filePath(), maal)
                         : !QFile::copy(info.filePath(), maal))
            return false;
    }
    return true;
}

bool findesIEnStavemaade(const QString &mappe, const QString &navn)
{
    const QStringList navne = QDir(mappe).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString &n : navne) {
        if (n.compare(navn, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString leveretStruktur()
{
    QStringList steder;
    if (QCoreApplication::instance())
        steder << QCoreApplication::applicationDirPath() +
                      QStringLiteral("/../share/kvidrel/Struktur");
#ifdef KVIDREL_CONTENT_DIR
    steder << QStringLiteral(KVIDREL_CONTENT_DIR) + QStringLiteral("/Struktur");
#endif
    for (const QString &sted : std::as_const(steder)) {
        const QString mappe = QDir::cleanPath(sted + u'/' + kNavn);
        if (QFileInfo(mappe).isDir())
            return mappe;
    }
    return {};
}

bool kopierStruktur(const QString &kilde, const QString &strukturDir)
{
    const QString navn = QFileInfo(kilde).fileName();
    if (kilde.isEmpty() || !QFileInfo(kilde).isDir() || !QFileInfo(strukturDir).isDir() ||
        findesIEnStavemaade(strukturDir, navn))
        return false;
    // A leftover of a copy cut short is removed before a new try.
    const QString midlertidig = strukturDir + QStringLiteral("/.") + navn + QStringLiteral(".kopi");
    QDir(midlertidig).removeRecursively();
    if (!kopierMappe(kilde, midlertidig) ||
        !QDir(strukturDir).rename(QFileInfo(midlertidig).fileName(), navn)) {
        QDir(midlertidig).removeRecursively();
        return false;
    }
    return true;
}

} // namespace kvidrel::helpcontent
