#pragma once

// ser2net for tests: a serial device (a simulator's pseudo-terminal) offered on loopback TCP,
// raw and telnet, and the loopback sockets the network tests need.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>
#include <vector>

// A TCP socket on the loopback: listening with the given backlog, or -1 for none.
struct LoopbackSocket {
    int fd = -1;
    quint16 port = 0;

    explicit LoopbackSocket(int backlog)
    {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        auto *any = reinterpret_cast<sockaddr *>(&address);
        if (fd < 0 || ::bind(fd, any, size) != 0 || (backlog >= 0 && ::listen(fd, backlog) != 0)
            || ::getsockname(fd, any, &size) != 0)
            return;
        port = ntohs(address.sin_port);
    }
    ~LoopbackSocket()
    {
        if (fd >= 0)
            ::close(fd);
    }
    LoopbackSocket(const LoopbackSocket &) = delete;
    LoopbackSocket &operator=(const LoopbackSocket &) = delete;
};

// Connects to the port; true once connected within waitMs. The socket stays open in `kept`.
inline bool connectTo(quint16 port, int waitMs, std::vector<int> &kept)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    kept.push_back(fd);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    pollfd wait{fd, POLLOUT, 0};
    int error = 0;
    socklen_t size = sizeof error;
    return ::poll(&wait, 1, waitMs) == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

inline quint16 freePort()
{
    return LoopbackSocket(-1).port;
}

// ser2net in front of a device, raw TCP on one loopback port and telnet on another.
class Ser2net {
public:
    Ser2net(const QTemporaryDir &dir, const QString &device)
        : m_raw(freePort())
        , m_telnet(freePort())
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("ser2net"));
        if (program.isEmpty())
            return;
        QString yaml = QStringLiteral("%YAML 1.1\n---\n");
        for (const auto &[accepter, port] : {std::pair{"tcp", m_raw}, std::pair{"telnet(rfc2217),tcp", m_telnet}})
            yaml += QStringLiteral(
                        "connection: &c%1\n  accepter: %2,127.0.0.1,%1\n  connector: serialdev,%3,9600n81,local\n"
                        "  options:\n    kickolduser: true\n")
                        .arg(port)
                        .arg(QLatin1String(accepter), device);
        const QString config = dir.filePath(QStringLiteral("ser2net.yaml"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) || file.write(yaml.toUtf8()) != yaml.toUtf8().size())
            return;
        file.close();
        m_process.start(program, {"-n", "-u", "-c", config, "-P", dir.filePath(QStringLiteral("ser2net.pid"))});
        // Up once it accepts connections.
        for (int attempt = 0; attempt < 200 && m_process.state() != QProcess::NotRunning; ++attempt) {
            std::vector<int> probe;
            const bool up = connectTo(m_raw, 50, probe);
            for (int fd : probe)
                ::close(fd);
            if (up) {
                m_running = true;
                return;
            }
            ::usleep(20000);
        }
    }
    ~Ser2net()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool running() const { return m_running; }
    QString raw() const { return QStringLiteral("socket://127.0.0.1:%1").arg(m_raw); }
    QString telnet() const { return QStringLiteral("rfc2217://127.0.0.1:%1").arg(m_telnet); }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    quint16 m_raw;
    quint16 m_telnet;
    QProcess m_process;
    bool m_running = false;
};

inline bool haveSer2net()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ser2net")).isEmpty();
}
