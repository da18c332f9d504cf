#include "deltagere.h"
#include "display.h"
#include "kontrol.h"
#include "shell.h"
#include "windowfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace kvidrel;

namespace {

// A web server on the loopback address that serves one version file: at once,
// held back until released, or never.
class VersionServer : public QObject
{
public:
    enum class Svar
    {
        Straks,
        Holdt,
        Aldrig
    };

    VersionServer(QByteArray body, Svar svar) : m_body(std::move(body)), m_svar(svar)
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }

    bool answers() const { return m_svar != Svar::Aldrig; }

    QString address() const
    {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }

    void release()
    {
        m_svar = Svar::Straks;
        for (const QPointer<QTcpSocket> &socket : std::exchange(m_held, {})) {
            if (socket)
                answer(socket);
        }
    }

    QStringList paths; // as requested

private:
    void read(QTcpSocket *socket)
    {
        m_request += socket->readAll();
        if (!m_request.contains("\r\n\r\n"))
            return;
        paths << QString::fromLatin1(m_request.split(' ').value(1));
        m_request.clear();
        if (m_svar == Svar::Straks)
            answer(socket);
        else if (m_svar == Svar::Holdt)
            m_held << socket;
    }

    void answer(QTcpSocket *socket)
    {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                      QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_body;
    Svar m_svar;
    QByteArray m_request;
    QList<QPointer<QTcpSocket>> m_held;
};

// The value once it equals want, or after five seconds of waiting whatever it is then.
template <class F, class T> auto eventually(F value, const T &want)
{
    (void)QTest::qWaitFor([&] { return value() == want; }, 5000);
    return value();
}

const QString kFejl = QStringLiteral("Fejlinformation:\rDer er opstået en ukendt fejl.");
const QString kVersion20 = QStringLiteral("Dette er version 2.0");
const QString kIngenNyere = QStringLiteral("Der er ikke nyere versioner.");
const QString kNyere = QStringLiteral("Der er en nyere version.");
// A server that never answers is given up after kTimeoutMs; one that answers
// gets kPatientMs, so a loaded machine does not turn its answer into a timeout.
constexpr int kTimeoutMs = 300;
constexpr int kPatientMs = 5000;

class OpdateringTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // The system's proxy lookup starts a thread of Qt's own that ends only
        // as the program exits, where the leak checker may catch it half-way;
        // a server on the loopback address needs no proxy.
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        // Every notice is read and answered with OK, also one that should not come.
        QObject::connect(&m_notices, &QTimer::timeout, [this] {
            auto *notice = qobject_cast<MessageDialog *>(QApplication::activeModalWidget());
            if (!notice || !notice->isVisible())
                return;
            notits(QStringLiteral("OK"))(notice);
        });
        m_notices.start(10);
    }
    void TearDown() override
    {
        m_notices.stop();
        qunsetenv("KVIDREL_UPDATE_TIMEOUT_MS");
        WindowTest::TearDown();
    }

    // A fresh run of the program against server (empty: none), up to its
    // first activation.
    void run(const QString &server, int timeoutMs = kPatientMs)
    {
        kvidrel::destroyWindows();
        messages.clear();
        opened.clear();
        qputenv("KVIDREL_UPDATE_SERVER", server.toUtf8());
        qputenv("KVIDREL_UPDATE_TIMEOUT_MS", QByteArray::number(timeoutMs));
        start();
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    // The same against a server of the test's, waited for as long as it needs.
    void run(const VersionServer &server)
    {
        run(server.address(), server.answers() ? kPatientMs : kTimeoutMs);
    }

    QString label() const { return kontrol<QLabel>(main, "opdateringLabel")->text(); }
    QString versionFile() const { return root.file(QStringLiteral("Kvidrel.txt")); }
    // The page that shows when the host looks: 0 "Hjem", 1 "Egenskaber".
    int page() const { return kontrol<QTabWidget>(main, "sider")->currentIndex(); }

private:
    QTimer m_notices;
};

TEST_F(OpdateringTest, FirstActivationAsksTheServerOnceAndShowsItsAnswer)
{
    {
        SCOPED_TRACE("no newer version");
        VersionServer server("2.0\r\nNoget andet\r\n", VersionServer::Svar::Straks);
        run(server);
        EXPECT_EQ(eventually([&] { return label(); }, kIngenNyere), kIngenNyere);
        EXPECT_EQ(server.paths, QStringList{QStringLiteral("/Versioner/Kvidrel.txt")});
        EXPECT_EQ(page(), 0);
        EXPECT_TRUE(kontrol<QWidget>(main, "infoPanel")->isHidden());
        EXPECT_TRUE(opened.isEmpty());
    }
    {
        SCOPED_TRACE("a newer version");
        VersionServer server("2.1\r\n", VersionServer::Svar::Straks);
        run(server);
        EXPECT_EQ(eventually([&] { return label(); }, kNyere), kNyere);
        EXPECT_EQ(page(), 1);
        EXPECT_FALSE(kontrol<QWidget>(main, "infoPanel")->isHidden());
        EXPECT_EQ(opened, QList<QUrl>{QUrl(server.address() + QStringLiteral("/gruppe2_6.asp"))});
        EXPECT_EQ(readAllBytes(versionFile()), QByteArray("2.1\r\n"));
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

        // Later activations ask nothing.
        displayform->activateWindow();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        QTest::qWait(50);
        EXPECT_EQ(server.paths.size(), 1);

        main->close();
        EXPECT_FALSE(QFileInfo::exists(versionFile()));
    }
    for (const auto &[name, body, svar] :
         {std::tuple{"an empty file", QByteArray(), VersionServer::Svar::Straks},
          std::tuple{"an empty first line", QByteArray("\r\n2.1\r\n"), VersionServer::Svar::Straks},
          std::tuple{"a server that does not answer", QByteArray("2.1"),
                     VersionServer::Svar::Aldrig}}) {
        SCOPED_TRACE(name);
        VersionServer server(body, svar);
        run(server);
        EXPECT_EQ(eventually([&] { return messages; }, QStringList{kFejl}), QStringList{kFejl});
        EXPECT_EQ(label(), kVersion20);
        EXPECT_TRUE(kontrol<QWidget>(main, "infoPanel")->isHidden());
        EXPECT_TRUE(opened.isEmpty());
    }
    {
        SCOPED_TRACE("a version file left from an earlier run is no answer");
        writeAllBytes(root.file(QStringLiteral("Kvidrel.txt")), "2.0\r\n");
        VersionServer server("2.1", VersionServer::Svar::Aldrig);
        run(server);
        EXPECT_EQ(eventually([&] { return messages; }, QStringList{kFejl}), QStringList{kFejl});
        EXPECT_EQ(label(), kVersion20);
    }
    {
        SCOPED_TRACE("an address that cannot be asked");
        run(QStringLiteral("http://[127.0.0.1"));
        EXPECT_EQ(eventually([&] { return messages; }, QStringList{kFejl}), QStringList{kFejl});
    }
    {
        SCOPED_TRACE("no address");
        QFile::remove(versionFile());
        run(QString(), kTimeoutMs);
        QTest::qWait(kTimeoutMs + 100);
        EXPECT_EQ(label(), kVersion20);
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(versionFile()));
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(OpdateringTest, AnAnswerAfterTheHostHasBegunOnlySetsTheLabel)
{
    {
        SCOPED_TRACE("a newer version after a modal window was opened and closed");
        VersionServer server("2.1\r\n", VersionServer::Svar::Holdt);
        run(server);
        EXPECT_EQ(eventually([&] { return server.paths.size(); }, 1), 1);
        dialoghelper::answerModal(dialoghelper::closeBox);
        deltagerform->exec();
        server.release();
        EXPECT_EQ(eventually([&] { return label(); }, kNyere), kNyere);
        EXPECT_FALSE(kontrol<QWidget>(main, "infoPanel")->isHidden());
        EXPECT_EQ(page(), 0);
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    }
    {
        SCOPED_TRACE("no answer while a modal window is open");
        VersionServer server("2.1", VersionServer::Svar::Aldrig);
        run(server);
        EXPECT_EQ(eventually([&] { return server.paths.size(); }, 1), 1);
        dialoghelper::answerModal([](QWidget *window) {
            QTest::qWait(2 * kTimeoutMs);
            window->close();
        });
        deltagerform->exec();
        QTest::qWait(kTimeoutMs);
        EXPECT_EQ(label(), kVersion20);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    }
    {
        SCOPED_TRACE("an answer after the main window closed");
        VersionServer server("2.1\r\n", VersionServer::Svar::Holdt);
        run(server);
        EXPECT_EQ(eventually([&] { return server.paths.size(); }, 1), 1);
        main->close();
        server.release();
        QTest::qWait(kTimeoutMs);
        EXPECT_FALSE(QFileInfo::exists(versionFile()));
        EXPECT_EQ(label(), kVersion20);
        EXPECT_TRUE(messages.isEmpty());
    }
}

} // namespace
