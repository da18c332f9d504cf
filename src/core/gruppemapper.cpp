#include "gruppemapper.h"

#include "dataroot.h"
#include "questionfiles.h"
#include "sletning.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvidrel {

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
    return ensureFolder(kommentarMappeI(mappe));
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
        fejl = sletLink(mappe) ? QString() : mappe;
    else if (info.isDir())
        fejl = sletMappe(mappe);
    else if (info.exists())
        return false; // a file of that name is not a group folder
    if (!fejl.isEmpty())
        throw FileError(
            QStringLiteral("Kan ikke slette \"%1\".").arg(QDir::toNativeSeparators(fejl)));
    return true;
}

} // namespace kvidrel
