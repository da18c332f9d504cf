#include "groupfolders.h"

#include "dataroot.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvidrel {

namespace {

const QString kKommentarer = QStringLiteral("Kommentarer");

bool erLink(const QFileInfo &info)
{
    return info.isSymLink() || info.isJunction();
}

// Removes a link itself; a directory link on Windows needs rmdir.
bool fjernLink(const QString &path)
{
    return QFile::remove(path) || QDir().rmdir(path);
}

bool fjernFil(const QString &path)
{
    if (QFile::remove(path))
        return true;
    // A read-only file: make it writable and try once more.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteUser);
    return QFile::remove(path);
}

// Empties and removes folder; returns the first path that would not go.
QString fjernMappe(const QString &folder)
{
    QString fejl;
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        QString entryFejl;
        if (erLink(entry))
            entryFejl = fjernLink(path) ? QString() : path;
        else if (entry.isDir())
            entryFejl = fjernMappe(path);
        else
            entryFejl = fjernFil(path) ? QString() : path;
        if (fejl.isEmpty())
            fejl = entryFejl;
    }
    if (fejl.isEmpty() && !QDir().rmdir(folder))
        fejl = folder;
    return fejl;
}

} // namespace

bool gruppeNavnBrugbart(const QString &navn)
{
    return isSafeFileName(navn);
}

bool opretGruppeMapper(const QString &gruppeDir, const QString &navn)
{
    if (!gruppeNavnBrugbart(navn))
        return false;
    const QString mappe = joinPath(gruppeDir, navn);
    if (!liesInside(mappe, gruppeDir))
        return false;
    if (!ensureFolder(mappe))
        return false;
    // A link standing under the group's name may point anywhere: write nothing through it.
    if (erLink(QFileInfo(mappe)))
        return false;
    return ensureFolder(joinPath(mappe, kKommentarer));
}

bool sletGruppeMappe(const QString &gruppeDir, const QString &navn)
{
    if (!gruppeNavnBrugbart(navn))
        return false;
    const QString mappe = joinPath(gruppeDir, navn);
    if (!liesInside(mappe, gruppeDir))
        return false;
    const QFileInfo info(mappe);
    QString fejl;
    if (erLink(info))
        fejl = fjernLink(mappe) ? QString() : mappe;
    else if (info.isDir())
        fejl = fjernMappe(mappe);
    else if (info.exists())
        return false; // a file of that name is not a group folder
    if (!fejl.isEmpty())
        throw FileError(
            QStringLiteral("Kan ikke slette \"%1\".").arg(QDir::toNativeSeparators(fejl)));
    return true;
}

} // namespace kvidrel
