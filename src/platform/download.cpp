#include "download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <utility>

namespace kvidrel {

namespace {

constexpr int kTimeoutMs = 10000;
// Far more than any file fetched this way; a larger answer is not what we asked for.
constexpr qint64 kMaxBytes = 1024 * 1024;

} // namespace

DownLoadURL::DownLoadURL(QObject *parent)
    : QObject(parent), m_net(new QNetworkAccessManager(this)), m_timer(new QTimer(this))
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

bool DownLoadURL::execute()
{
    // An address that cannot be asked fails in the reply, as an unreachable one does.
    if (m_reply || FileName.isEmpty())
        return false;
    m_succeeded = false;
    m_error.clear();
    QNetworkRequest request(URL);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    QNetworkReply *reply = m_net->get(request);
    m_reply = reply;
    // Queued, so the after-download handler (which may open a modal notice) runs
    // from the event loop and not from inside the reply's own signals.
    connect(
        reply, &QNetworkReply::finished, this, [this, reply] { replyFinished(reply); },
        Qt::QueuedConnection);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxBytes)
            giveUp(QStringLiteral("Svaret er for stort."));
    });
    m_timer->start(timeoutMs());
    return true;
}

void DownLoadURL::cancel()
{
    m_timer->stop();
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

// Aborting ends the transfer through replyFinished, which keeps the reason.
void DownLoadURL::giveUp(const QString &reason)
{
    if (!m_reply || !m_error.isEmpty())
        return;
    m_error = reason;
    m_reply->abort();
}

void DownLoadURL::replyFinished(QNetworkReply *reply)
{
    if (reply != m_reply)
        return; // cancelled meanwhile
    m_reply = nullptr;
    m_timer->stop();
    reply->deleteLater();
    if (m_error.isEmpty()) {
        if (reply->error() != QNetworkReply::NoError)
            m_error = reply->errorString();
        else
            store(reply);
    }
    m_succeeded = m_error.isEmpty();
    if (OnAfterDownload)
        OnAfterDownload();
}

void DownLoadURL::store(QNetworkReply *reply)
{
    const QByteArray bytes = reply->readAll();
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_error = file.errorString();
}

} // namespace kvidrel
