#include "storedpath.h"

#include "dataroot.h"

#include <QDir>
#include <QFileInfo>

namespace kvidrel::storedpath {

namespace {

const QString windowsRoot = QStringLiteral("C:\\Kvidrel");

QString slashes(const QString &path)
{
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
}

QString rootWithSlashes()
{
    return QDir::cleanPath(slashes(dataRoot()));
}

// The part of a stored Windows path below "C:\Kvidrel", or a null string.
QString belowWindowsRoot(const QString &stored)
{
    const QString path = slashes(stored);
    const QString root = slashes(windowsRoot);
    if (path.compare(root, Qt::CaseInsensitive) == 0)
        return QStringLiteral("");
    if (path.size() > root.size() && path.startsWith(root, Qt::CaseInsensitive) &&
        path.at(root.size()) == u'/')
        return path.mid(root.size() + 1);
    return QString();
}

// The one entry of folder whose name equals name ignoring letter case.
QString singleMatch(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    QString found;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isNull())
            return QString(); // two candidates: none is the one meant
        found = entry;
    }
    return found;
}

} // namespace

QString matchLetterCase(const QString &localPath)
{
    const QString path = QDir::cleanPath(slashes(localPath));
    if (path.isEmpty() || QFileInfo::exists(path))
        return localPath;
    const QStringList parts = path.split(u'/');
    QString built = parts.first(); // "" for an absolute path, "C:" or a relative first part
    bool changed = false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const QString direct = built + u'/' + part;
        if (QFileInfo::exists(direct) || part.isEmpty()) {
            built = direct;
            continue;
        }
        const QString match = singleMatch(built.isEmpty() ? QStringLiteral("/") : built, part);
        if (match.isNull())
            return localPath;
        built += u'/' + match;
        changed = true;
    }
    return changed ? QDir::toNativeSeparators(built) : localPath;
}

QString resolve(const QString &stored)
{
    if (stored.isEmpty())
        return stored;
    const QString below = belowWindowsRoot(stored);
    QString local;
    if (!below.isNull())
        local = below.isEmpty() ? rootWithSlashes() : rootWithSlashes() + u'/' + below;
    else
        local = slashes(stored);
    return matchLetterCase(QDir::toNativeSeparators(QDir::cleanPath(local)));
}

QString toStored(const QString &localPath)
{
    if (localPath.isEmpty() || !belowWindowsRoot(localPath).isNull())
        return localPath;
    const QString path = QDir::cleanPath(slashes(localPath));
    const QString root = rootWithSlashes();
    if (!liesInside(path, root))
        return localPath;
    QString relative = path.mid(root.size());
    if (relative.startsWith(u'/'))
        relative.remove(0, 1);
    relative.replace(u'/', u'\\');
    return windowsRoot + u'\\' + relative;
}

bool same(const QString &a, const QString &b)
{
    const QString left = QDir::cleanPath(slashes(resolve(a)));
    const QString right = QDir::cleanPath(slashes(resolve(b)));
#ifdef Q_OS_WIN
    return left.compare(right, Qt::CaseInsensitive) == 0;
#else
    return left == right;
#endif
}

} // namespace kvidrel::storedpath
