// The version check, the internet check with the news merge, the set-up
// download and its start at exit, the database update and the start-up's
// question and notice, against a real HTTP server on 127.0.0.1.
#include <QtWidgets>

#include "core/Dateioperationen.h"
#include "app/Start.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "internet/F_Down.h"
#include "internet/News.h"
#include "internet/Update.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "Serverbaum.h"
#include "testing/Testing.h"

namespace {
const QString Setup = QStringLiteral("Setup401.exe");

QStringList Versionen(int programm, int news, int rezepte, int grafik, int datenbank, const QString &setup)
{
    QStringList z{QStringLiteral("[TWS 2.X]")};
    for (const auto &[name, wert] : {std::pair{"TWS", programm}, {"TWSNEWS", news}, {"TWSRECIPES", rezepte},
                                     {"TWSGRAPHICS", grafik}, {"TWSDATENBANK", datenbank}})
        z << QStringLiteral("%1VERSION=%2").arg(QLatin1String(name)).arg(wert);
    return z << QStringLiteral("SETUPNAME=") + setup << QStringLiteral("DOWNLOADSIZEKB=1");
}

QStringList Newsdatei(const QList<QStringList> &eintraege)
{
    // Each entry: ID, product tag, language, subject.
    QStringList z{QStringLiteral("[TWSNEWS]"), QString::number(eintraege.size())};
    for (const QStringList &e : eintraege)
        z << QStringLiteral("**NEWSSTART**") << e[0] << QStringLiteral(" 4.53210000000000E+0004") << e[1]
          << QStringLiteral("*ALL*") << e[2] << QStringLiteral("-1") << e[3] << QStringLiteral("1")
          << QStringLiteral("Text of ") + e[3];
    z << QString();
    return z;
}

QString Wert(const QString &datei, const QString &schluessel)
{
    TString werte;
    LoadValueFile(Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\") + datei, werte);
    return GetValueStr(schluessel, werte);
}
} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

    testing::Serverbaum m_server;
    std::unique_ptr<testing::BaseFolder> m_base;
    QList<platform::ShellRequest> m_shell;

    QList<QAction *> Eintraege() const
    {
        return {FMain->MPRGUpdatestarten, FMain->MRezeptedownloaden, FMain->MGrafikendownloaden,
                FMain->MDatenbankenupdaten, FMain->MNachrichtenlesen, FMain->MUpdateinformationenmanuelldownloaden,
                FMain->MUpdatesimInternet};
    }
    QStringList Eingeschaltet() const
    {
        QStringList namen;
        for (QAction *a : Eintraege())
            if (a->isEnabled())
                namen << a->objectName();
        return namen;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.starte(), qPrintable(m_server.error()));
        testing::erzeugeDownloadfenster();
    }
    void cleanupTestCase() { testing::loescheDownloadfenster(); }
    void init()
    {
        testing::neueDownloadbasis(m_base, m_server, Versionen(400, 0, 1, 1, 1, QString()));
        ProgrammOK = 1;
        SetupStarten = NeueVersion = NeueRezepte = NeueGrafiken = NeueZutaten = NewsLaden = 0;
        for (QAction *a : Eintraege())
            a->setEnabled(false);
        FMain->MUpdate->setEnabled(false);
        FMain->setEnabled(true);
        m_shell.clear();
        platform::setShellRecorder([this](const platform::ShellRequest &r) {
            m_shell.append(r);
            return true;
        });
    }
    void cleanup()
    {
        FMain->hide();
        m_base.reset();
    }

    // The local check against the server's version file of the last run.
    void versionscheck_data()
    {
        QTest::addColumn<QString>("server");   // TWSVERSION in VERSIONS.HRB
        QTest::addColumn<QString>("setup");    // SETUPNAME in VERSION.HRB
        QTest::addColumn<int>("antwort");      // to the question; 0 = none asked
        QTest::addColumn<bool>("bleibt");      // the set-up file is still there
        QTest::addColumn<QString>("name");     // SETUPNAME afterwards
        QTest::newRow("401 asks, No keeps it") << "401" << Setup << 7 << true << Setup;
        QTest::newRow("400 means installed") << "400" << Setup << 0 << false << "";
        QTest::newRow("not a number reads 0") << "4.01" << Setup << 0 << true << Setup;
        QTest::newRow("a path is refused") << "401" << "..\\PRGDATA\\ENG\\Setup401.exe" << -1 << true << "";
        QTest::newRow("no set-up, nothing asked") << "401" << "" << 0 << true << "";
    }
    void versionscheck()
    {
        QFETCH(QString, server);
        QFETCH(QString, setup);
        QFETCH(int, antwort);
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"),
                           {QStringLiteral("[TWS 2.X]"), QStringLiteral("TWSVERSION=300"), "SETUPNAME=" + setup});
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSIONS.HRB"),
                           {QStringLiteral("[TWS 2.X]"), "TWSVERSION=" + server});
        m_base->writeBytes(QStringLiteral("PRGDATA\\ENG\\") + Setup, "setup");
        testing::ScriptedMessages meldungen;
        if (antwort > 0)
            meldungen.expect(QStringLiteral("Do you want to start the update?"), antwort);
        if (antwort < 0)
            meldungen.expect(QStringLiteral("cannot be used: ") + setup);
        TWS_Versionscheck();
        QVERIFY(meldungen.pending().isEmpty());
        QTEST(m_base->exists(QStringLiteral("PRGDATA\\ENG\\") + Setup), "bleibt");
        QTEST(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("SETUPNAME")), "name");
        QCOMPARE(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("TWSVERSION")), QStringLiteral("400"));
        QVERIFY(m_shell.isEmpty());
    }

    // Leaving the program normally starts a downloaded set-up too; a name
    // with a folder in it is never started.
    void setup_beim_beenden_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("gestartet");
        QTest::newRow("downloaded set-up") << Setup << true;
        QTest::newRow("name with a folder") << "sub/" + Setup << false;
    }
    void setup_beim_beenden()
    {
        QFETCH(QString, setup);
        QFETCH(bool, gestartet);
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"), Versionen(400, 0, 1, 1, 1, setup));
        QVERIFY(platform::makeFolder(QStringLiteral("PRGDATA\\ENG\\sub")));
        m_base->writeBytes(QStringLiteral("PRGDATA\\ENG\\") + Setup, "setup");
        m_base->writeBytes(QStringLiteral("PRGDATA\\ENG\\sub\\") + Setup, "setup");
        FMain->show();
        testing::ScriptedMessages meldungen;
        meldungen.expect(QStringLiteral("Exit Tablecraft Works?"), Antwort_Ja);
        if (gestartet)
            meldungen.expect(QStringLiteral("The update starts now!"));
        QVERIFY(FMain->close());
        QVERIFY(meldungen.pending().isEmpty());
        QCOMPARE(m_shell.size(), gestartet ? 1 : 0);
    }

    // Each newer server version switches on its entry; older ones are taken
    // over silently.
    void internetcheck_data()
    {
        QTest::addColumn<QStringList>("server");
        QTest::addColumn<QStringList>("eingeschaltet");
        QTest::addColumn<int>("rezepte"); // TWSRECIPESVERSION afterwards
        QTest::newRow("new program") << Versionen(401, 0, 1, 1, 1, Setup) << QStringList{"MPRGUpdatestarten"} << 1;
        QTest::newRow("new data and database")
            << Versionen(400, 0, 1, 2, 2, Setup) << QStringList{"MGrafikendownloaden", "MDatenbankenupdaten"} << 1;
        QTest::newRow("new recipes") << Versionen(400, 0, 2, 1, 1, Setup) << QStringList{"MRezeptedownloaden"} << 1;
        QTest::newRow("server older: taken over") << Versionen(399, 0, 0, 0, 0, Setup) << QStringList() << 0;
    }
    void internetcheck()
    {
        QFETCH(QStringList, server);
        QFETCH(QStringList, eingeschaltet);
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/VERSIONS.HRB"), server);
        testing::ScriptedMessages meldungen;
        QVERIFY(Internetupdate_Starten());
        QCOMPARE(Eingeschaltet(), eingeschaltet);
        QCOMPARE(FMain->MUpdate->isEnabled(), !eingeschaltet.isEmpty());
        QCOMPARE(Updatehinweis().isEmpty(), eingeschaltet.isEmpty());
        if (eingeschaltet.contains(QStringLiteral("MPRGUpdatestarten")))
            QCOMPARE(FMain->MPRGUpdatestarten->text(), QStringLiteral("Download update to version 4.01"));
        // A newer version is raised only by its download; one the server
        // has gone back on is taken over, but never the program's own.
        QTEST(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("TWSRECIPESVERSION")).toInt(), "rezepte");
        QCOMPARE(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("TWSVERSION")), QStringLiteral("400"));
        // Back at the program's version, the server offers no update.
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/VERSIONS.HRB"), Versionen(400, 0, 1, 1, 1, Setup));
        FMain->MPRGUpdatestarten->setEnabled(false);
        QVERIFY(Internetupdate_Starten());
        QVERIFY(!FMain->MPRGUpdatestarten->isEnabled());
    }

    // A recipe index of an earlier download whose recipes are not all
    // installed keeps the recipe download on offer.
    void alter_rezeptindex()
    {
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/VERSIONS.HRB"), Versionen(400, 0, 1, 1, 1, Setup));
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\RECIPESS.HRB"),
                           {"[TWS 2.X]", "TWSRECIPESVERSION=1", "COUNTRECIPES=1", "RECIPE=0", "DOWNLOADSIZEKB=1",
                            "RECIPENAME=Stew", "RECIPEFILE=Stew.KRP", "RECIPEFILE=", "RECIPEFILE=", "RECIPETEXTBEGIN=",
                            " ", "RECIPETEXTEND=", "RECIPEEND0="});
        testing::ScriptedMessages meldungen;
        QVERIFY(Internetupdate_Starten());
        QVERIFY(FMain->MRezeptedownloaden->isEnabled());
        m_base->writeLines(QStringLiteral("Recipes\\Stew.KRP"), {"[TAFELWERKSTATT 2.0]"});
        FMain->MRezeptedownloaden->setEnabled(false);
        QVERIFY(Internetupdate_Starten());
        QVERIFY(!FMain->MRezeptedownloaden->isEnabled());
    }

    // Newer news are fetched and merged: only items for this program in
    // English, none twice, new ones dated today.
    void news_data()
    {
        QTest::addColumn<int>("lokal");
        QTest::addColumn<int>("server");
        QTest::addColumn<bool>("geholt");
        QTest::addColumn<int>("danach");
        QTest::newRow("first run 0 -> 5") << 0 << 5 << true << 5;
        QTest::newRow("behind 3 -> 5: fetched, kept") << 3 << 5 << true << 3;
        QTest::newRow("ahead 7 -> 5") << 7 << 5 << false << 5;
    }
    void news()
    {
        QFETCH(int, lokal);
        QFETCH(int, server);
        QFETCH(bool, geholt);
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"), Versionen(400, lokal, 1, 1, 1, QString()));
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\NEWS.HRB"),
                           Newsdatei({{"1", "*TWSTCW*", "ENG", "Welcome"}}));
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/VERSIONS.HRB"), Versionen(400, server, 1, 1, 1, QString()));
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/NEWSS.HBR"),
                          Newsdatei({{"1", "*TWSTCW*", "ENG", "Welcome"},
                                     {"2", "*TWSTCW*", "GER", "Willkommen"},
                                     {"3", "*TWSTCW**PQ*", "ENG", "Other product"},
                                     {"4", "*OTHER*", "ENG", "Not for us"},
                                     {"5", "*ALL**TWSTCW*", "ENG", "New recipes online"},
                                     {"5", "*ALL**TWSTCW*", "ENG", "New recipes online"}}));
        platform::setClock([] { return QDateTime(QDate(2026, 3, 1), QTime(15, 30)); });
        testing::ScriptedMessages meldungen;
        QVERIFY(Internetupdate_Starten());
        QVERIFY(Lade_News(Load, QString()));
        QStringList betreffe;
        for (const TTNewsInhalt &n : std::as_const(News.Inhalt))
            betreffe << n.Betreff;
        QCOMPARE(betreffe, geholt ? QStringList({"Welcome", "New recipes online"}) : QStringList{"Welcome"});
        if (geholt)
            QCOMPARE(News.Inhalt[1].Datum, std::floor(DateTimeToTWS(QDateTime(QDate(2026, 3, 1), QTime(0, 0)))));
        QTEST(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("TWSNEWSVERSION")).toInt(), "danach");
    }

    // The set-up download names the file in VERSION.HRB only when it arrived.
    void setup_download_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("aufServer");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<QString>("danach");
        QTest::newRow("arrives") << Setup << true
                                 << QStringList{"Loading update", "Download was succesful! You can install"} << Setup;
        QTest::newRow("missing on the server") << Setup << false
                                               << QStringList{"Loading update", "Error by downloading!"} << "";
        QTest::newRow("path refused") << "../" + Setup << true << QStringList{"cannot be used"} << "";
    }
    void setup_download()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, erwartet);
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSIONS.HRB"), Versionen(401, 0, 1, 1, 1, name));
        QFETCH(bool, aufServer);
        QFETCH(QString, danach);
        if (aufServer)
            m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/") + Setup, QByteArray("MZ setup program"));
        testing::ScriptedMessages meldungen;
        for (const QString &t : erwartet)
            meldungen.expect(t);
        FMain->MPRGUpdatestartenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QCOMPARE(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("SETUPNAME")), danach);
        QCOMPARE(m_base->exists(QStringLiteral("PRGDATA\\ENG\\") + Setup), !danach.isEmpty());
    }

    // The database update installs a checked copy and keeps what is wrong.
    void datenbank_data()
    {
        QTest::addColumn<QByteArray>("inhalt"); // empty = not on the server
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("installiert");
        QTest::addColumn<bool>("downloadBleibt");
        QTest::newRow("database") << QByteArray("[TAFELWERKSTATT 2.00]\r\n1\r\nApple\r\n")
                                  << "Download and installation were succesful!" << true << false;
        QTest::newRow("error page") << QByteArray("<html><body>Sorry</body></html>\r\n")
                                    << "Download file is corrupt!" << false << true;
        QTest::newRow("not on the server") << QByteArray() << "Download was not succesful!" << false << false;
    }
    void datenbank()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, installiert);
        if (!inhalt.isEmpty())
            m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLAOD/Lebensmittel_All.HBR"), inhalt);
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSIONS.HRB"), Versionen(400, 0, 1, 1, 7, QString()));
        FMain->MDatenbankenupdaten->setEnabled(true);
        testing::ScriptedMessages meldungen;
        QFETCH(QString, meldung);
        meldungen.expect(meldung);
        FMain->MDatenbankenupdatenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QCOMPARE(m_base->exists(QStringLiteral("PRGDATA\\ENG\\LM_Share.hbr")), installiert);
        if (installiert)
            QCOMPARE(m_base->readBytes(QStringLiteral("PRGDATA\\ENG\\LM_Share.hbr")), inhalt);
        QTEST(m_base->exists(QStringLiteral("PRGDATA\\ENG\\D_LM_Share.hbr")), "downloadBleibt");
        QCOMPARE(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("TWSDATENBANKVERSION")),
                 installiert ? QStringLiteral("7") : QStringLiteral("1"));
        QCOMPARE(FMain->MDatenbankenupdaten->isEnabled(), !installiert);
    }

    // Without a server the start-up asks nothing (Yes and No are the
    // start-up run's cases); the manual check is on offer and says that no
    // server is set and where to set one.
    void startfrage_ohne_server()
    {
        Interneteinstellungen.Serveradresse.clear();
        testing::ScriptedMessages meldungen;
        Frage_nach_Updates();
        QVERIFY(meldungen.seen.isEmpty());
        QVERIFY(FMain->MUpdate->isEnabled());
        QCOMPARE(Eingeschaltet(), QStringList{"MUpdateinformationenmanuelldownloaden"});
        meldungen.expect(QStringLiteral("No download server is set"));
        FMain->MUpdateinformationenmanuelldownloadenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(meldungen.seen.last().text.contains(QLatin1String("PRGDATA\\ENG\\INTERNET.HRB")));
        QVERIFY(FMain->isEnabled());
    }

    // The manual check says how it went; without VERSIONS.HRB on the
    // server nothing is switched on or taken over.
    void manuell()
    {
        testing::ScriptedMessages meldungen;
        meldungen.expect(QStringLiteral("Download fails!"));
        FMain->MUpdateinformationenmanuelldownloadenClick();
        QVERIFY(Eingeschaltet().isEmpty());
        QCOMPARE(Wert(QStringLiteral("VERSION.HRB"), QStringLiteral("TWSRECIPESVERSION")), QStringLiteral("1"));
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/VERSIONS.HRB"), Versionen(400, 0, 2, 1, 1, Setup));
        meldungen.expect(QStringLiteral("Loaded update, recipe and data update information succesful!"));
        FMain->MUpdateinformationenmanuelldownloadenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(FMain->MRezeptedownloaden->isEnabled());
    }

    // The start-up on the default installation: the version check, the
    // question only with a server, then the news; a waiting set-up that the
    // user starts ends the start-up.
    void startablauf_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("setup");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("weiter");
        const QString frage = QStringLiteral("Do you want to search for new program versions or new recipes?");
        const QString news = QStringLiteral("You have some news to read! Use the menu entry \"update\"!");
        QTest::newRow("Yes") << 6 << false << QStringList{frage, news} << true;
        QTest::newRow("No") << 7 << false << QStringList{frage} << true;
        QTest::newRow("waiting set-up started")
            << 6 << true
            << QStringList{"Do you want to start the update?", "The update starts now! Please install the setup!"}
            << false;
    }
    void startablauf()
    {
        QFETCH(int, antwort);
        QFETCH(bool, setup);
        QFETCH(QStringList, meldungen);
        m_base->copyInstallation();
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\INTERNET.HRB"),
                           {QStringLiteral("[TWS 2.X]"), "SERVERURL=" + m_server.url(QString())});
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/VERSIONS.HRB"), Versionen(401, 5, 1, 1, 1, Setup));
        m_server.schreibe(QStringLiteral("TWS/ENG/DOWNLOAD/NEWSS.HBR"),
                          Newsdatei({{"7", "*TWSTCW*", "ENG", "Version 4.01 is out"}}));
        if (setup) {
            m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"), Versionen(400, 0, 1, 1, 1, Setup));
            m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSIONS.HRB"), Versionen(401, 0, 1, 1, 1, Setup));
            m_base->writeBytes(QStringLiteral("PRGDATA\\ENG\\") + Setup, "setup");
        }
        testing::ScriptedMessages meldungenSkript;
        for (const QString &m : meldungen)
            meldungenSkript.expect(m, m == meldungen.first() ? antwort : 1);
        TWS_Grundwerte();
        QTEST(TWS_Programmstart_Daten(), "weiter");
        QStringList gesehen;
        for (const auto &m : std::as_const(meldungenSkript.seen))
            gesehen << m.text;
        QCOMPARE(gesehen, meldungen);
        QCOMPARE(FMain->MPRGUpdatestarten->isEnabled(), antwort == Antwort_Ja && !setup);
        QCOMPARE(FMain->MUpdateinformationenmanuelldownloaden->isEnabled(), antwort == Antwort_Nein);
        QCOMPARE(m_shell.size(), setup ? 1 : 0);
        // Yes closes the main window, which starts the set-up through the shell.
        if (setup)
            QCOMPARE(m_shell[0].target, m_base->path(QStringLiteral("PRGDATA/ENG/") + Setup));
    }

    // One notice, by priority.
    void hinweis()
    {
        NeueZutaten = 1;
        QVERIFY(Updatehinweis().startsWith(QStringLiteral("A new ingredient database")));
        NeueRezepte = 1;
        QVERIFY(Updatehinweis().startsWith(QStringLiteral("New recipes")));
        NeueVersion = 1;
        QVERIFY(Updatehinweis().startsWith(QStringLiteral("A new program version")));
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
