#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Real servers on 127.0.0.1 for tests: a free port, and a server process that lives as long as its object.
namespace LocalServers {

// Debian's Python, which has the test servers' modules.
inline const QString kPython = QStringLiteral("/usr/bin/python3");

inline sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A port no one listens on now; 0 when none could be had.
inline quint16 freePort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof(address);
    quint16 port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

inline bool accepts(quint16 port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(s);
    return connected;
}

class Server {
public:
    // Starts the program and waits up to 20 seconds for it to listen on the port.
    Server(const QString& program, const QStringList& arguments, quint16 port)
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program, arguments);
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            if (accepts(port)) {
                m_listening = true;
                break;
            }
            QThread::msleep(50);
        }
    }
    ~Server()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    bool listening() const { return m_listening; }
    // What the server printed so far, for a failing test's message.
    QString output()
    {
        m_process.waitForReadyRead(100);
        return QString::fromUtf8(m_process.readAll());
    }

private:
    QProcess m_process;
    bool m_listening = false;
};

} // namespace LocalServers
