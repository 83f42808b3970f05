#include "shell/UpdateCheck.h"
#include "forms/LazyModule.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace quillon::shell;

namespace {

// A small web server on 127.0.0.1 that answers every request in one of a few ways.
class TestServer : public QObject {
public:
    enum class Mode { Answer, Silent, Drip, EndlessChunks };

    TestServer(Mode mode, QByteArray body, int status = 200)
        : m_mode(mode), m_body(std::move(body)), m_status(status) {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { respond(socket); });
        });
    }

    qint64 sent = 0;
    bool closed = false;

    QString address() const {
        return QStringLiteral("http://127.0.0.1:%1/version.txt").arg(m_server.serverPort());
    }

private:
    void respond(QTcpSocket *socket) {
        if (!socket->readAll().contains("\r\n\r\n") || m_mode == Mode::Silent)
            return;
        if (m_mode == Mode::EndlessChunks) {
            // 16 KB chunks as fast as they are taken, up to 1 GB, counting what left.
            socket->write("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
            const QByteArray chunk = "4000\r\n" + QByteArray(0x4000, '1') + "\r\n";
            const auto more = [this, socket, chunk] {
                for (; socket->bytesToWrite() < (1 << 20) && sent < (qint64(1) << 30);
                     sent += chunk.size())
                    socket->write(chunk);
            };
            connect(socket, &QTcpSocket::bytesWritten, socket, more);
            connect(socket, &QTcpSocket::disconnected, this, [this] { closed = true; });
            return more();
        }
        const QByteArray head =
            "HTTP/1.1 " + QByteArray::number(m_status) +
            " X\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: ";
        if (m_mode == Mode::Answer) {
            socket->write(head + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            return;
        }
        // One byte at a time, never finishing: the inactivity timeout never trips.
        socket->write(head + "100000\r\n\r\n");
        auto *timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write("1"); });
        timer->start(40);
    }

    QTcpServer m_server;
    Mode m_mode;
    QByteArray m_body;
    int m_status;
};

constexpr int kShortDeadline = 600;

TEST(UpdateCheck, TheDefaultDeadlineIsFiveSeconds) {
    EXPECT_EQ(kUpdateDeadlineMs, 5000);
}

TEST(UpdateCheck, ReadsTheNumberTheServerPublishes) {
    struct Row {
        const char *name;
        QByteArray body;
        int status;
        double expected;
    };
    const Row rows[] = {
        {"newer", "1.9", 200, 1.9},
        {"equal", "1.8\n", 200, 1.8},
        {"older", "1.09", 200, 1.09},
        {"not a number", "<html>Moved</html>", 200, 0},
        {"empty body", "", 200, 0},
        {"error status with a number", "1.9", 404, 0},
        {"too long to be a number", QByteArray(5000, '1'), 200, 0},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        TestServer server(TestServer::Mode::Answer, r.body, r.status);
        EXPECT_EQ(fetchWebNumber(server.address(), kShortDeadline * 5), r.expected);
    }
}

TEST(UpdateCheck, UnreachableOrMissingAddressGivesZero) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();
    EXPECT_EQ(fetchWebNumber(refused, kShortDeadline), 0);
    EXPECT_EQ(fetchWebNumber(QString(), kShortDeadline), 0);
    EXPECT_EQ(fetchWebNumber(QStringLiteral("not an address"), kShortDeadline), 0);
}

TEST(UpdateCheck, StartUpFetchesThroughItsOwnProgram) {
    TestServer server(TestServer::Mode::Answer, "1.9");
    EXPECT_EQ(fetchWebNumberInHelper(server.address(), kShortDeadline * 5), 1.9);
    EXPECT_EQ(fetchWebNumberInHelper(QStringLiteral("not an address"), kShortDeadline), 0);

    QString error;
    EXPECT_EQ(quillon::resolveModuleFunction(QStringLiteral("quillon_update"), "nothing", &error),
              nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("nothing"))) << error.toStdString();
    EXPECT_EQ(quillon::resolveModuleFunction(QStringLiteral("quillon_none"), "f", &error), nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("libquillon_none.so"))) << error.toStdString();
}

TEST(UpdateCheck, GivesUpOnAServerThatNeverAnswersOrOnlyDrips) {
    for (const auto mode : {TestServer::Mode::Silent, TestServer::Mode::Drip}) {
        SCOPED_TRACE(mode == TestServer::Mode::Silent ? "silent" : "drip");
        TestServer server(mode, {});
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(fetchWebNumber(server.address(), kShortDeadline), 0);
        // Generous: it must stop at the deadline, not wait for the server.
        EXPECT_LT(clock.elapsed(), kShortDeadline * 4);
    }
}

// An endless chunked body is cut off once past the number's length: the server gets out only
// what the socket buffers hold, not the hundreds of megabytes it poured in when it was not.
TEST(UpdateCheck, CutsOffAnEndlessChunkedReply) {
    TestServer server(TestServer::Mode::EndlessChunks, {});
    EXPECT_EQ(fetchWebNumber(server.address(), kShortDeadline * 5), 0);
    for (QDeadlineTimer wait(5000); !server.closed && !wait.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(server.closed);
    EXPECT_LT(server.sent, 64 << 20);
}

} // namespace
