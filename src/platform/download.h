#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QTimer;

namespace kvidrel {

class THenter;

// Fetches an address into a file while the windows go on working. The file is
// replaced only by a complete answer: a failed, cut-off or timed-out transfer
// leaves whatever stood there before. OnAfterDownload runs once per execute(),
// when the transfer has ended either way; succeeded() then tells which.
class DownLoadURL : public QObject
{
    Q_OBJECT
public:
    explicit DownLoadURL(QObject *parent = nullptr);
    ~DownLoadURL() override;

    QUrl URL;
    QString FileName;
    std::function<void()> OnAfterDownload;

    // Starts the transfer; false when one is running or no file is named.
    bool execute();
    // Stops a running transfer without writing the file or calling back.
    void cancel();

    bool isRunning() const { return m_running; }
    bool succeeded() const { return m_succeeded; }
    QString errorText() const { return m_error; }

    // 10 seconds; KVIDREL_UPDATE_TIMEOUT_MS may ask for less, never more.
    static int timeoutMs();

private:
    THenter *henter();
    void giveUp(const QString &reason);
    void finished(const QByteArray &answer, const QString &error);
    void store(const QByteArray &bytes);

    std::unique_ptr<THenter> m_henter;
    QTimer *m_timer = nullptr;
    bool m_running = false;
    bool m_succeeded = false;
    QString m_error;
};

} // namespace kvidrel
