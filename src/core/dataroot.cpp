#include "dataroot.h"

#include "logging.h"

#include <QDir>
#include <QFileInfo>

namespace kvidrel {

QString separator()
{
    return QString(QDir::separator());
}

QString dataRoot()
{
    const QString fromEnvironment = qEnvironmentVariable("KVIDREL_ROOT");
    if (!fromEnvironment.isEmpty())
        return QDir::toNativeSeparators(QDir::cleanPath(fromEnvironment));
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Kvidrel");
#else
    return QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/Kvidrel"));
#endif
}

DataLayout DataLayout::under(const QString &root)
{
    DataLayout l;
    l.mainDir = root;
    l.billedDir = joinPath(root, QStringLiteral("Billeder"));
    l.optDir = joinPath(root, QStringLiteral("Egenskaber"));
    l.optFil = joinPath(l.optDir, QStringLiteral("Egenskaber.txt"));
    l.infoOptFil = joinPath(l.optDir, QStringLiteral("information.txt"));
    l.strukturDir = joinPath(root, QStringLiteral("Struktur"));
    l.deltagerDir = joinPath(root, QStringLiteral("Deltagere"));
    l.deltagerFil = joinPath(l.deltagerDir, QStringLiteral("Deltagere.txt"));
    l.gruppeDir = joinPath(root, QStringLiteral("Grupper")) + separator();
    l.gruppeFil = l.gruppeDir + QStringLiteral("Grupper.txt");
    l.versionFil = joinPath(root, QStringLiteral("Kvidrel.txt"));
    return l;
}

void DataLayout::makeFolders() const
{
    // A folder that cannot be made is logged, not reported: the loads then find
    // nothing, and a later save into it reports its own failure.
    for (const QString &folder : {mainDir, optDir, strukturDir, deltagerDir, gruppeDir})
        ensureFolder(folder.endsWith(separator()) ? folder.chopped(1) : folder);
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(separator()))
        return folder + name;
    return folder + separator() + name;
}

bool ensureFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    // One level only: a missing parent is not created.
    if (QDir().mkdir(path))
        return true;
    qCWarning(lcKvidrel) << "folder cannot be made:" << path;
    return false;
}

bool liesInside(const QString &path, const QString &folder)
{
    const QString inner = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QString outer = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (!outer.endsWith(u'/'))
        outer += u'/';
#ifdef Q_OS_WIN
    return inner.startsWith(outer, Qt::CaseInsensitive) && inner.size() > outer.size();
#else
    return inner.startsWith(outer) && inner.size() > outer.size();
#endif
}

bool isRefusedFileNameChar(QChar c)
{
    return c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
}

namespace {

bool isReservedDeviceName(const QString &name)
{
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList reserved = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                         QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (reserved.contains(base))
        return true;
    return base.size() == 4 &&
           (base.startsWith(QStringLiteral("COM")) || base.startsWith(QStringLiteral("LPT"))) &&
           base.at(3).isDigit();
}

// Measured in the bytes the file system stores (255 a name on Linux), leaving
// room for an extension and a " (2)" that makes a name free.
constexpr qsizetype kMaxNameBytes = 240;

QString leftBytes(const QString &name, qsizetype maxBytes)
{
    QString result = name;
    while (result.toUtf8().size() > maxBytes) {
        result.chop(1);
        if (!result.isEmpty() && result.back().isHighSurrogate())
            result.chop(1);
    }
    return result;
}

} // namespace

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.toUtf8().size() > kMaxNameBytes)
        return false;
    // Trailing dots and spaces are dropped by some file systems: the name would change.
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return false;
    for (QChar c : name) {
        if (isRefusedFileNameChar(c))
            return false;
    }
    return !isReservedDeviceName(name);
}

QString cleanEnteredLine(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c.category() != QChar::Other_Control)
            result += c;
    }
    return result.trimmed();
}

QString safeFileName(const QString &name)
{
    QString result = leftBytes(name, kMaxNameBytes);
    for (QChar &c : result) {
        if (isRefusedFileNameChar(c))
            c = u'_';
    }
    while (result.endsWith(u'.') || result.endsWith(u' '))
        result.chop(1);
    if (result.isEmpty() || isReservedDeviceName(result))
        result.prepend(u'_');
    return result;
}

} // namespace kvidrel
