// Downloads and uploads against real HTTP and FTP servers on 127.0.0.1, the
// internet settings file and the key=value files of the update.
#include <QtWidgets>
#include <memory>

#include "core/Globals.h"
#include "internet/F_Down.h"
#include "internet/Internet.h"
#include "internet/Wertdatei.h"
#include "testing/Servers.h"
#include "testing/Testing.h"

namespace {
const QString Konto = QStringLiteral("abc0123456789");
const QString Versionsdatei = QStringLiteral("PRGDATA\\ENG\\VERSION.HRB");

QByteArray Lies(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestInternet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_webordner;
    QTemporaryDir m_ftpordner;
    std::unique_ptr<testing::HttpServer> m_http;
    std::unique_ptr<testing::FtpServer> m_ftp;
    std::unique_ptr<testing::BaseFolder> m_base;
    QByteArray m_daten;

    void Setze_Server()
    {
        Interneteinstellungen = TInterneteinstellungen();
        Interneteinstellungen.Serveradresse = m_http->url(QString());
        Interneteinstellungen.FTPHost = QStringLiteral("127.0.0.1");
        Interneteinstellungen.FTPPort = m_ftp->port();
        Interneteinstellungen.FTPKonto = Konto;
        Interneteinstellungen.Zeitlimit = 10;
    }

private slots:
    void initTestCase()
    {
        // 37 KB and a bit: more blocks than the bar's maximum in the tests.
        m_daten.resize(37 * 1024 + 100);
        for (char &c : m_daten)
            c = char(QRandomGenerator::global()->bounded(256));
        for (const auto &[name, inhalt] : {std::pair{"data.bin", m_daten}, std::pair{"empty.bin", QByteArray()}}) {
            QFile f(m_webordner.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
        }
        QVERIFY(QDir(m_ftpordner.path()).mkpath(Konto + QStringLiteral("/UPLOAD")));
        QVERIFY(QDir(m_ftpordner.path()).mkpath(QStringLiteral("xyz9999999999")));

        m_http.reset(new testing::HttpServer(m_webordner.path()));
        QVERIFY2(m_http->port(), qPrintable(m_http->error()));
        m_ftp.reset(new testing::FtpServer(m_ftpordner.path(), QStringLiteral("koch"), QStringLiteral("geheim")));
        QVERIFY2(m_ftp->port(), qPrintable(m_ftp->error()));
        FDown = new TFDown;
    }
    void cleanupTestCase()
    {
        delete FDown;
        FDown = nullptr;
        m_http.reset();
        m_ftp.reset();
    }
    void init()
    {
        testing::failOnWarnings();
        m_base.reset(new testing::BaseFolder);
        Setze_Server();
        FDown->PBDown->setRange(0, 10);
        FDown->PBDown->setValue(0);
    }
    void cleanup() { m_base.reset(); }

    // position, minimum, maximum, steps -> the bar's position
    void fortschritt_data()
    {
        QTest::addColumn<QList<int>>("werte");
        QTest::newRow("wraps twice, ends after the wrap") << QList<int>{9, 0, 10, 21, 0};
        QTest::newRow("range not from 0, from the maximum") << QList<int>{10, 5, 10, 7, 7};
        QTest::newRow("empty range") << QList<int>{0, 0, 0, 5, 0};
    }
    void fortschritt()
    {
        QFETCH(QList<int>, werte);
        QCOMPARE(Fortschrittsposition(werte[0], werte[1], werte[2], werte[3]), werte[4]);
    }

    // Only a whole 2xx answer replaces the file; anything else keeps the old one.
    void herunterladen_data()
    {
        QTest::addColumn<QString>("url"); // "%1" = the HTTP server's base
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<bool>("server");
        QTest::addColumn<bool>("erfolg");
        QTest::addColumn<QByteArray>("inhalt"); // empty = the served file
        QTest::newRow("200") << "%1/data.bin" << "PRGDATA\\ENG\\x.bin" << true << true << QByteArray();
        QTest::newRow("zero bytes") << "%1/empty.bin" << "PRGDATA\\ENG\\x.bin" << true << true
                                    << QByteArray("<empty>");
        QTest::newRow("404") << "%1/nothing.bin" << "PRGDATA\\ENG\\x.bin" << true << false << QByteArray("old");
        QTest::newRow("cut off") << "%1/cut/data.bin" << "PRGDATA\\ENG\\x.bin" << true << false
                                 << QByteArray("old");
        QTest::newRow("no server set") << "%1/data.bin" << "PRGDATA\\ENG\\x.bin" << false << false
                                       << QByteArray("old");
        QTest::newRow("not http") << "file:///etc/hostname" << "PRGDATA\\ENG\\x.bin" << true << false
                                  << QByteArray("old");
        QTest::newRow("folder missing") << "%1/data.bin" << "NOFOLDER\\x.bin" << true << false
                                        << QByteArray("<missing>");
    }
    void herunterladen()
    {
        QFETCH(QString, url);
        QFETCH(QString, ziel);
        QFETCH(bool, server);
        QFETCH(bool, erfolg);
        QFETCH(QByteArray, inhalt);
        m_base->writeBytes(QStringLiteral("PRGDATA\\ENG\\x.bin"), "old");
        if (!server)
            Interneteinstellungen.Serveradresse.clear();

        url.replace(QStringLiteral("%1"), m_http->url(QString()));
        QCOMPARE(GetInetFile(url, Programmverzeichnis + ziel), erfolg);

        const QString pfad = m_base->root() + QString(ziel).replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QByteArray erwartet = inhalt.isEmpty() ? m_daten : inhalt == "<empty>" ? QByteArray() : inhalt;
        QCOMPARE(Lies(pfad), erwartet);
        // No half-written file is left beside the target.
        QCOMPARE(QDir(m_base->path(QStringLiteral("PRGDATA\\ENG"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("x.bin")});
        if (erfolg)
            QCOMPARE(FDown->PBDown->value(), FDown->PBDown->maximum());
        QVERIFY(!Internetuebertragung_laeuft());
    }

    // Events are handled during a download, and a second transfer started
    // from one of them is refused.
    void zweiteUebertragungAbgewiesen()
    {
        bool lief = false, zweiteGelang = true;
        QTimer::singleShot(0, this, [&] {
            lief = Internetuebertragung_laeuft();
            zweiteGelang = GetInetFile(m_http->url(QStringLiteral("/data.bin")), Programmverzeichnis + "y.bin")
                || FTP_Hochladen("127.0.0.1", "koch", "geheim", Programmverzeichnis + "x.bin");
        });
        QVERIFY(GetInetFile(m_http->url(QStringLiteral("/slow/data.bin")), Programmverzeichnis + "x.bin"));
        QVERIFY(lief);
        QVERIFY(!zweiteGelang);
        QVERIFY(!m_base->exists(QStringLiteral("y.bin")));
        QCOMPARE(m_base->readBytes(QStringLiteral("x.bin")), m_daten);
    }

    void hochladen_data()
    {
        QTest::addColumn<QString>("konto");
        QTest::addColumn<QString>("passwort");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("erfolg");
        QTest::newRow("stored in UPLOAD") << Konto << "geheim" << "PRGDATA\\ENG\\Mein Rezept.TRP" << true;
        QTest::newRow("wrong password") << Konto << "falsch" << "PRGDATA\\ENG\\Mein Rezept.TRP" << false;
        QTest::newRow("account without UPLOAD") << "xyz9999999999" << "geheim" << "PRGDATA\\ENG\\Mein Rezept.TRP"
                                                << false;
        QTest::newRow("local file missing") << Konto << "geheim" << "PRGDATA\\ENG\\Fehlt.TRP" << false;
    }
    void hochladen()
    {
        QFETCH(QString, konto);
        QFETCH(QString, passwort);
        QFETCH(QString, datei);
        QFETCH(bool, erfolg);
        // Line ends and code-page characters arrive unchanged.
        const QByteArray inhalt("[TAFELWERKSTATT 2.0]\r\nCr\xE8me br\xFBl\xE9\r\n");
        m_base->writeBytes(QStringLiteral("PRGDATA\\ENG\\Mein Rezept.TRP"), inhalt);
        Interneteinstellungen.FTPKonto = konto;
        const QString hochgeladen =
            m_ftpordner.filePath(Konto + QStringLiteral("/UPLOAD/") + datei.section(QLatin1Char('\\'), -1));
        QFile::remove(hochgeladen);

        QCOMPARE(FTP_Hochladen("127.0.0.1", "koch", passwort, Programmverzeichnis + datei), erfolg);
        QCOMPARE(QFileInfo::exists(hochgeladen), erfolg);
        if (erfolg)
            QCOMPARE(Lies(hochgeladen), inhalt);
        QCOMPARE(QDir(m_ftpordner.filePath(QStringLiteral("xyz9999999999"))).entryList(QDir::Files), QStringList());
    }

    void einstellungen_data()
    {
        QTest::addColumn<QStringList>("datei"); // empty = no file
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QStringList>("erwartet"); // server, ftp host, port, account, mail, timeout
        const QStringList keiner{"", "", "21", "", "", "30"};
        QTest::newRow("no file") << QStringList() << "" << keiner;
        QTest::newRow("server set") << QStringList{"[TWS 2.X]", "SERVERURL=http://127.0.0.1:8080/", "FTPPORT=2121",
                                                   "FTPACCOUNT=abc0123456789", "CONTACTMAIL= team@example.org ",
                                                   "TIMEOUTSEC=5"}
                                    << ""
                                    << QStringList{"http://127.0.0.1:8080", "127.0.0.1", "2121", "abc0123456789",
                                                   "team@example.org", "5"};
        QTest::newRow("FTP host without server")
            << QStringList{"[TWS 2.X]", "SERVERURL=", "FTPHOST=ftp.example.org"} << "" << keiner;
        QTest::newRow("bad values") << QStringList{"[TWS 2.X]", "SERVERURL=https://h", "FTPHOST=f", "FTPPORT=99999",
                                                   "FTPACCOUNT=../etc", "TIMEOUTSEC=-4"}
                                    << "" << QStringList{"https://h", "f", "21", "", "", "30"};
        QTest::newRow("not a web address") << QStringList{"[TWS 2.X]", "SERVERURL=file:///etc"}
                                           << "is not valid: file:///etc" << keiner;
    }
    void einstellungen()
    {
        QFETCH(QStringList, datei);
        QFETCH(QString, meldung);
        QFETCH(QStringList, erwartet);
        testing::ScriptedMessages meldungen;
        if (!meldung.isEmpty())
            meldungen.expect(meldung);
        if (!datei.isEmpty())
            m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\INTERNET.HRB"), datei);
        Lade_Interneteinstellungen();
        const TInterneteinstellungen &e = Interneteinstellungen;
        QCOMPARE((QStringList{e.Serveradresse, e.FTPHost, QString::number(e.FTPPort), e.FTPKonto, e.Kontaktadresse,
                              QString::number(e.Zeitlimit)}),
                 erwartet);
        QCOMPARE(meldungen.pending(), QStringList());
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QStringList>("werte");
        QTest::newRow("header with more text, LF only") << QByteArray("[TWS 2.X] x\nA=1\n") << 0 << QStringList({"[TWS 2.X] x", "A=1"});
        QTest::newRow("error page") << QByteArray("<html>404</html>\r\nA=1\r\n") << -2 << QStringList({"<html>404</html>"});
        QTest::newRow("empty file") << QByteArray() << -2 << QStringList({""});
        QTest::newRow("missing") << QByteArray("-") << -1 << QStringList();
    }
    void load()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, ergebnis);
        QFETCH(QStringList, werte);
        testing::ScriptedMessages messages;
        if (ergebnis == -2)
            messages.expect("Corrupt header found in file: (" + werte.first() + ") " + Programmverzeichnis + Versionsdatei);
        if (inhalt != "-")
            m_base->writeBytes(Versionsdatei, inhalt);
        TString gelesen{"alt"};
        QCOMPARE(LoadValueFile(Programmverzeichnis + Versionsdatei, gelesen), ergebnis);
        QCOMPARE(gelesen, werte);
        QVERIFY(messages.pending().isEmpty());
    }

    void getInt_data()
    {
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<int>("wert");
        QTest::newRow("COUNT is not COUNTRECIPES") << "COUNT" << 3;
        QTest::newRow("minus one") << "A" << -1;
        QTest::newRow("leading blank does not match") << "TWSVERSION" << 0;
        QTest::newRow("first of two") << "DOPPELT" << 11;
        QTest::newRow("missing or other case") << "count" << 0;
        QTest::newRow("not a number") << "TEXT" << 0;
        QTest::newRow("digits then text") << "GEMISCHT" << 0;
        QTest::newRow("too large") << "RIESIG" << 0;
        QTest::newRow("smallest") << "KLEINSTE" << -2147483647 - 1;
    }
    void getInt()
    {
        QFETCH(QString, schluessel);
        QFETCH(int, wert);
        const TString werte{"[TWS 2.X]", "COUNT=3", "COUNTRECIPES=7", "A=-1", "B=-2", " TWSVERSION=400", "DOPPELT=11",
                            "DOPPELT=12", "TEXT=vierhundert", "LEER=", "GEMISCHT=12x", "RIESIG=2147483648",
                            "KLEINSTE=-2147483648"};
        QCOMPARE(GetValueInt(schluessel, werte), wert);
    }

    void getAndSetText()
    {
        TString werte{"[TWS 2.X]", "SETUPNAME=a=b.exe", "X=1", "SETUPNAME=zweiter.exe", "BLANK= x "};
        QCOMPARE(GetValueStr("SETUPNAME", werte), QStringLiteral("a=b.exe"));
        QString text = "alt";
        GetValueStr("BLANK", werte, text);
        QCOMPARE(text, QStringLiteral(" x "));
        GetValueStr("FEHLT", werte, text);
        QCOMPARE(text, QString());

        QCOMPARE(SetValueStr("SETUPNAME", "neu.exe", werte), 0);
        QCOMPARE(SetValueInt("TWSVERSION", 400, werte), 0);
        QCOMPARE(werte, TString({"[TWS 2.X]", "SETUPNAME=neu.exe", "X=1", "SETUPNAME=zweiter.exe", "BLANK= x ", "TWSVERSION=400"}));

        // On an empty array the header comes first, so a save keeps the key.
        TString leer;
        SetValueInt("COUNT", -5, leer);
        QCOMPARE(leer, TString({"[TWS 2.X]", "COUNT=-5"}));
    }

    void save()
    {
        testing::ScriptedMessages messages;
        TString werte{"[TWS 2.X] alt", "; Kommentar", "Irgendwas", "", "TWSVERSION=400", "SETUPNAME="};
        // The save never creates a file.
        QCOMPARE(SaveValueFile(Programmverzeichnis + Versionsdatei, werte), -1);
        QVERIFY(!m_base->exists(Versionsdatei));

        m_base->writeLines(Versionsdatei, {"[TWS 2.X] alt"});
        QCOMPARE(SaveValueFile(Programmverzeichnis + Versionsdatei, werte), 0);
        QCOMPARE(m_base->readBytes(Versionsdatei), QByteArray("[TWS 2.X]\r\n; Kommentar\r\nTWSVERSION=400\r\nSETUPNAME=\r\n"));
        QCOMPARE(werte, TString({"[TWS 2.X]", "; Kommentar", "", "", "TWSVERSION=400", "SETUPNAME="}));

        // A full disk: the failed write is reported.
        messages.expect("VERSION.HRB");
        const testing::FileSizeLimit fullDisk(0);
        QCOMPARE(SaveValueFile(Programmverzeichnis + Versionsdatei, werte), -2);
        QVERIFY(messages.pending().isEmpty());
    }
};

QTEST_MAIN(TestInternet)
#include "tst_internet.moc"
