#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// A fresh data root for one test: KVIDREL_ROOT points into a temporary folder,
// so no test ever touches a real home. The update check is off (an empty
// KVIDREL_UPDATE_SERVER) unless a test points it at a server of its own.
class TestRoot
{
public:
    TestRoot();
    ~TestRoot();
    QString path() const { return m_dir.path() + QStringLiteral("/Kvidrel"); }
    QString tempPath() const { return m_dir.path(); }
    QString file(const QString &relative) const { return path() + u'/' + relative; }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    QByteArray m_previousServer;
    bool m_serverWasSet = false;
};

// Byte helpers for tests that make files byte by byte.
QByteArray readAllBytes(const QString &path);
void writeAllBytes(const QString &path, const QByteArray &bytes);
// A sorted listing of every file and folder below path, with sizes and times.
QStringList treeListing(const QString &path);
