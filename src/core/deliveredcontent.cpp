#include "deliveredcontent.h"

#include "dataroot.h"
#include "logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kvidrel::deliveredcontent {

namespace {

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

QString udenSeparator(const QString &mappe)
{
    return mappe.endsWith(separator()) ? mappe.chopped(1) : mappe;
}

} // namespace

QString leveretMappe(const QString &navn)
{
    QStringList steder;
    if (QCoreApplication::instance())
        steder << QCoreApplication::applicationDirPath() + QStringLiteral(KVIDREL_SHARE_FRA_BIN);
#ifdef KVIDREL_BUILD_CONTENT_DIR
    steder << QStringLiteral(KVIDREL_BUILD_CONTENT_DIR);
#endif
#ifdef KVIDREL_CONTENT_DIR
    steder << QStringLiteral(KVIDREL_CONTENT_DIR);
#endif
    for (const QString &sted : std::as_const(steder)) {
        const QString mappe = QDir::cleanPath(sted + u'/' + navn);
        if (QFileInfo(mappe).isDir())
            return mappe;
    }
    return {};
}

QString leveretStruktur()
{
    const QString struktur = leveretMappe(QStringLiteral("Struktur"));
    if (struktur.isEmpty() || !QFileInfo(struktur + QStringLiteral("/kvidrel")).isDir())
        return {};
    return struktur + QStringLiteral("/kvidrel");
}

bool kopierInd(const QString &kilde, const QString &maalDir)
{
    const QFileInfo info(kilde);
    const QString navn = info.fileName();
    if (kilde.isEmpty() || !info.exists() || !QFileInfo(maalDir).isDir() ||
        findesIEnStavemaade(maalDir, navn))
        return false;
    // A leftover of a copy cut short is removed before a new try.
    const QString midlertidig = maalDir + QStringLiteral("/.") + navn + QStringLiteral(".kopi");
    QDir(midlertidig).removeRecursively();
    QFile::remove(midlertidig);
    const bool kopieret =
        info.isDir() ? kopierMappe(kilde, midlertidig) : QFile::copy(kilde, midlertidig);
    if (!kopieret || !QDir(maalDir).rename(QFileInfo(midlertidig).fileName(), navn)) {
        QDir(midlertidig).removeRecursively();
        QFile::remove(midlertidig);
        qCWarning(lcKvidrel) << "delivered content cannot be copied:" << kilde << "to" << maalDir;
        return false;
    }
    return true;
}

void forsyn(const DataLayout &layout)
{
    kopierInd(leveretStruktur(), layout.strukturDir);

    const QString gruppeDir = udenSeparator(layout.gruppeDir);
    const QString gruppeListe = QFileInfo(layout.gruppeFil).fileName();
    if (!QFileInfo(gruppeDir).isDir() || findesIEnStavemaade(gruppeDir, gruppeListe))
        return;
    kopierInd(leveretMappe(QStringLiteral("Billeder")), layout.mainDir);
    const QString grupper = leveretMappe(QStringLiteral("Grupper"));
    if (grupper.isEmpty())
        return;
    const QFileInfoList leverede =
        QDir(grupper).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    // The list comes only when every group it names is there: otherwise the
    // next start tries again.
    bool alle = true;
    for (const QFileInfo &gruppe : leverede) {
        if (!kopierInd(gruppe.filePath(), gruppeDir) &&
            !findesIEnStavemaade(gruppeDir, gruppe.fileName()))
            alle = false;
    }
    if (alle)
        kopierInd(grupper + u'/' + gruppeListe, gruppeDir);
}

} // namespace kvidrel::deliveredcontent
