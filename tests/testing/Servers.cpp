#include "testing/Servers.h"

namespace testing {

LoopbackServer::LoopbackServer(const QString &script, const QStringList &arguments)
{
    // Debian's own python3: the FTP server's library is a Debian package.
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral(TW_SERVERS_DIR "/") + script} + arguments);
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("cannot start /usr/bin/python3");
        return;
    }
    QByteArray zeile;
    while (!zeile.contains('\n') && m_process.state() == QProcess::Running && m_process.waitForReadyRead(15000))
        zeile += m_process.readAllStandardOutput();
    m_port = quint16(zeile.trimmed().toUInt());
    if (m_port == 0) {
        m_process.waitForFinished(2000);
        m_error = QStringLiteral("%1 gave no port: %2").arg(script, QString::fromLocal8Bit(m_process.readAllStandardError()));
    }
}

LoopbackServer::~LoopbackServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

HttpServer::HttpServer(const QString &folder) : LoopbackServer(QStringLiteral("http_server.py"), {folder}) {}

QString HttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

FtpServer::FtpServer(const QString &home, const QString &user, const QString &password)
    : LoopbackServer(QStringLiteral("ftp_server.py"), {home, user, password})
{
}

} // namespace testing
