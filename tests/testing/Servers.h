#pragma once
// Loopback test servers: the scripts in tests/servers/, started on a free
// port of 127.0.0.1 and stopped again when the object goes.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing {

class LoopbackServer
{
public:
    // Runs tests/servers/<script> with the arguments under Debian's python3
    // and waits for the port it prints. port() is 0 when it did not start;
    // error() then says why.
    LoopbackServer(const QString &script, const QStringList &arguments);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer &) = delete;
    LoopbackServer &operator=(const LoopbackServer &) = delete;

    quint16 port() const { return m_port; }
    QString error() const { return m_error; }

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};

// An HTTP server for the files of a folder (see http_server.py for the
// "/cut/" and "/slow/" paths).
class HttpServer : public LoopbackServer
{
public:
    explicit HttpServer(const QString &folder);
    QString url(const QString &path) const; // "http://127.0.0.1:<port>" + path
};

// An FTP server whose user sees home as its login folder.
class FtpServer : public LoopbackServer
{
public:
    FtpServer(const QString &home, const QString &user, const QString &password);
};

} // namespace testing
