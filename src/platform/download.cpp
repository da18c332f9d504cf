#include "download.h"

#include "henter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QSaveFile>
#include <QTimer>

namespace kvidrel {

namespace {

constexpr int kTimeoutMs = 10000;
// Far more than any file fetched this way; a larger answer is not what we asked for.
constexpr qint64 kMaxBytes = 1024 * 1024;

// The module where the installed program's folder has it, or in a developer
// build where the build put it.
LavHenterFunktion indlaesModul()
{
    QStringList steder;
    if (QCoreApplication::instance())
        steder << QCoreApplication::applicationDirPath() + QStringLiteral(KVIDREL_NETVAERK_FRA_BIN);
#ifdef KVIDREL_NETVAERK_BYGGET
    steder << QStringLiteral(KVIDREL_NETVAERK_BYGGET);
#endif
    for (const QString &sted : std::as_const(steder)) {
        if (!QFileInfo::exists(sted))
            continue;
        // Never unloaded: its objects live as long as the program.
        QLibrary modul(sted);
        if (auto lav = reinterpret_cast<LavHenterFunktion>(modul.resolve(KVIDREL_LAV_HENTER)))
            return lav;
    }
    return nullptr;
}

} // namespace

DownLoadURL::DownLoadURL(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this,
            [this] { giveUp(QStringLiteral("Ingen svar fra serveren.")); });
}

DownLoadURL::~DownLoadURL()
{
    cancel();
}

int DownLoadURL::timeoutMs()
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("KVIDREL_UPDATE_TIMEOUT_MS", &ok);
    return ok && asked > 0 && asked < kTimeoutMs ? asked : kTimeoutMs;
}

THenter *DownLoadURL::henter()
{
    static const LavHenterFunktion lav = indlaesModul();
    if (!m_henter && lav)
        m_henter.reset(lav());
    return m_henter.get();
}

bool DownLoadURL::execute()
{
    // An address that cannot be asked fails in the answer, as an unreachable one does.
    if (m_running || FileName.isEmpty())
        return false;
    m_running = true;
    m_succeeded = false;
    m_error.clear();
    m_timer->start(timeoutMs());
    THenter *h = henter();
    if (!h) {
        // Reported from the event loop, as any other failure.
        QTimer::singleShot(0, this, [this] {
            finished({}, QStringLiteral("Programmets netværksdel kan ikke indlæses."));
        });
        return true;
    }
    h->Hent(
        URL,
        [this](qint64 received) {
            if (received > kMaxBytes)
                giveUp(QStringLiteral("Svaret er for stort."));
        },
        [this](const QByteArray &answer, const QString &error) { finished(answer, error); });
    return true;
}

void DownLoadURL::cancel()
{
    m_timer->stop();
    if (!m_running)
        return;
    m_running = false;
    if (m_henter)
        m_henter->Opgiv();
}

// Ending the transfer calls finished, which keeps the first reason.
void DownLoadURL::giveUp(const QString &reason)
{
    if (!m_running || !m_error.isEmpty())
        return;
    m_error = reason;
    if (m_henter)
        m_henter->Afbryd();
}

void DownLoadURL::finished(const QByteArray &answer, const QString &error)
{
    if (!m_running)
        return; // cancelled meanwhile
    m_running = false;
    m_timer->stop();
    if (m_error.isEmpty()) {
        if (!error.isEmpty())
            m_error = error;
        else
            store(answer);
    }
    m_succeeded = m_error.isEmpty();
    if (OnAfterDownload)
        OnAfterDownload();
}

void DownLoadURL::store(const QByteArray &bytes)
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_error = file.errorString();
}

} // namespace kvidrel
