#include "testroot.h"
#include "unprivileged.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <stdexcept>

TestRoot::TestRoot()
    : m_previous(qgetenv("KVIDREL_ROOT")), m_previousServer(qgetenv("KVIDREL_UPDATE_SERVER")),
      m_serverWasSet(qEnvironmentVariableIsSet("KVIDREL_UPDATE_SERVER"))
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    qputenv("KVIDREL_ROOT", path().toLocal8Bit());
    qputenv("KVIDREL_UPDATE_SERVER", QByteArray());
}

TestRoot::~TestRoot()
{
    // A test may leave folders read-only, which the removal needs writable.
    setReadOnly(m_dir.path(), false);
    if (m_previous.isEmpty())
        qunsetenv("KVIDREL_ROOT");
    else
        qputenv("KVIDREL_ROOT", m_previous);
    if (m_serverWasSet)
        qputenv("KVIDREL_UPDATE_SERVER", m_previousServer);
    else
        qunsetenv("KVIDREL_UPDATE_SERVER");
}

QByteArray readAllBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAllBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QStringList treeListing(const QString &path)
{
    QStringList rows;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        rows << QStringLiteral("%1 %2 %3")
                    .arg(info.filePath().mid(path.size()))
                    .arg(info.isDir() ? -1 : info.size())
                    .arg(info.lastModified().toMSecsSinceEpoch());
    }
    rows.sort();
    return rows;
}
