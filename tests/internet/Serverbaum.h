#pragma once
// A download server for the update and download tests: a folder the test
// fills in the server's layout (/TWS/ENG/...), served on 127.0.0.1, and the
// program's settings pointed at it. The main and download windows are made
// once; per test a fresh base folder gets the given version file, the
// settings their start values and the program the test server.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "core/Globals.h"
#include "internet/F_Down.h"
#include "internet/Internet.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "recipes/F_Main.h"
#include "testing/Servers.h"
#include "testing/Testing.h"

namespace testing {

class Serverbaum
{
public:
    // False when the server did not start (error() says why).
    bool starte()
    {
        m_http.reset(new HttpServer(m_ordner.path()));
        return m_http->port() != 0;
    }
    QString error() const { return m_http ? m_http->error() : QString(); }
    QString url(const QString &pfad) const { return m_http->url(pfad); }

    // Points the program at this server and empties the folder.
    void verbinde()
    {
        Interneteinstellungen = TInterneteinstellungen();
        Interneteinstellungen.Serveradresse = m_http->url(QString());
        Interneteinstellungen.Zeitlimit = 10;
        QDir(m_ordner.path()).removeRecursively();
        QDir().mkpath(m_ordner.path());
    }

    // A data file (Windows-1252, CR LF) at a server path ("TWS/ENG/...").
    void schreibe(const QString &pfad, const QStringList &zeilen) { schreibe(pfad, platform::joinLines(zeilen)); }
    void schreibe(const QString &pfad, const QByteArray &bytes)
    {
        const QString datei = m_ordner.filePath(pfad);
        QDir().mkpath(QFileInfo(datei).path());
        QFile f(datei);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

private:
    QTemporaryDir m_ordner;
    std::unique_ptr<HttpServer> m_http;
};

inline void erzeugeDownloadfenster()
{
    FMain = new TFMain;
    FDown = new TFDown;
}

inline void loescheDownloadfenster()
{
    delete FDown;
    delete FMain;
    FDown = nullptr;
    FMain = nullptr;
}

inline void neueDownloadbasis(std::unique_ptr<BaseFolder> &base, Serverbaum &server, const QStringList &version)
{
    failOnWarnings();
    base.reset(new BaseFolder);
    QVERIFY(platform::makeFolder(QStringLiteral("PRGDATA\\ENG")));
    QVERIFY(platform::makeFolder(QStringLiteral("Recipes")));
    base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"), version);
    GlobalVARInit();
    Setze_GlobalOptionen();
    server.verbinde();
}

} // namespace testing
