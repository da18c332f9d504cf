#include "sletning.h"

#include "dataroot.h"

#include <QDir>
#include <QFile>

namespace kvidrel {

bool erLink(const QFileInfo &info)
{
    return info.isSymLink() || info.isJunction();
}

bool sletLink(const QString &path)
{
    return QFile::remove(path) || QDir().rmdir(path);
}

bool sletFil(const QString &path)
{
    if (QFile::remove(path))
        return true;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteUser);
    return QFile::remove(path);
}

namespace {

// The first path below entry that would not go; empty when all went.
QString fjern(const QFileInfo &entry)
{
    const QString path = entry.absoluteFilePath();
    if (erLink(entry))
        return sletLink(path) ? QString() : path;
    if (entry.isDir())
        return sletMappe(path);
    return sletFil(path) ? QString() : path;
}

} // namespace

bool sletIndgang(const QFileInfo &entry)
{
    return fjern(entry).isEmpty();
}

QString sletMappe(const QString &folder)
{
    QString fejl;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString entryFejl = fjern(entry);
        if (fejl.isEmpty())
            fejl = entryFejl;
    }
    if (fejl.isEmpty() && !QDir().rmdir(folder))
        fejl = folder;
    return fejl;
}

namespace {

bool erRodEllerOverHjem(const QString &canonical)
{
    if (QDir(canonical).isRoot())
        return true;
    const QString hjem = QFileInfo(QDir::homePath()).canonicalFilePath();
    return !hjem.isEmpty() && (canonical == hjem || liesInside(hjem, canonical));
}

} // namespace

bool sletningTilladt(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.isDir() || erLink(info))
        return false;
    const QString rod = dataRoot();
    const QString rodKanonisk = QFileInfo(rod).canonicalFilePath();
    const QString kanonisk = info.canonicalFilePath();
    // A root set too wide would open the home folder or everything: then nothing goes.
    if (rodKanonisk.isEmpty() || kanonisk.isEmpty() || erRodEllerOverHjem(rodKanonisk))
        return false;
    // Both the path as given and the place it really names must be inside.
    return liesInside(info.absoluteFilePath(), rod) && liesInside(kanonisk, rodKanonisk);
}

} // namespace kvidrel
