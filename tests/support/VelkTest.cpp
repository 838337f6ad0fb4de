#include "support/VelkTest.h"

#include "platform/UserDefaults.h"

#include <QDir>
#include <QFileInfo>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

VelkTest::~VelkTest()
{
    UserDefaults::standard().synchronize();
}

void VelkTest::SetUp()
{
    ASSERT_TRUE(m_home.isValid());
    UserDefaults::standard().setStorageFile(m_home.filePath(QStringLiteral("defaults.ini")));
    QDir(m_home.path()).mkpath(QStringLiteral("tmp"));
    m_previousTmpDir = qgetenv("TMPDIR");
    qputenv("TMPDIR", m_home.filePath(QStringLiteral("tmp")).toUtf8());
}

void VelkTest::TearDown()
{
    if (m_previousTmpDir.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_previousTmpDir);
}

QString VelkTest::pathInHome(const QString& relative) const
{
    const QString path = m_home.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

quint16 freeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    quint16 port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}
