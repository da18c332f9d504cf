#include "henter.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <utility>

namespace {

using namespace kvidrel;

class QtHenter : public THenter
{
public:
    void Hent(const QUrl &Url, std::function<void(qint64)> Fremskridt,
              std::function<void(const QByteArray &, const QString &)> Faerdig) override
    {
        Opgiv();
        QNetworkRequest request(Url);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        QNetworkReply *reply = m_net.get(request);
        m_reply = reply;
        QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                         [Fremskridt](qint64 received, qint64) { Fremskridt(received); });
        // Queued, so the caller's handler (which may open a modal notice) runs
        // from the event loop and not from inside the reply's own signals.
        QObject::connect(
            reply, &QNetworkReply::finished, reply,
            [this, reply, Faerdig] {
                if (reply != m_reply)
                    return;
                m_reply = nullptr;
                reply->deleteLater();
                if (reply->error() != QNetworkReply::NoError)
                    Faerdig({}, reply->errorString());
                else
                    Faerdig(reply->readAll(), {});
            },
            Qt::QueuedConnection);
    }

    void Afbryd() override
    {
        if (m_reply)
            m_reply->abort();
    }

    void Opgiv() override
    {
        QNetworkReply *reply = std::exchange(m_reply, nullptr);
        if (!reply)
            return;
        QObject::disconnect(reply, nullptr, nullptr, nullptr);
        reply->abort();
        reply->deleteLater();
    }

    ~QtHenter() override { Opgiv(); }

private:
    QNetworkAccessManager m_net;
    QPointer<QNetworkReply> m_reply;
};

} // namespace

extern "C" Q_DECL_EXPORT kvidrel::THenter *kvidrelLavHenter()
{
    return new QtHenter;
}
