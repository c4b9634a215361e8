// The recipe upload window and the main window's upload and mail entries,
// uploading to a real FTP server on 127.0.0.1.
#include <QtWidgets>
#include <memory>

#include "core/Globals.h"
#include "internet/F_RezUpload.h"
#include "internet/Internet.h"
#include "internet/Rezeptupload.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "testing/Servers.h"
#include "testing/Testing.h"

namespace {
const QString Konto = QStringLiteral("abc0123456789");
// A shipped recipe under a name with a blank, a hyphen and a hash; its side
// files keep the names the recipe file gives them.
const QString Rezeptdatei = QStringLiteral("Recipes\\Apple Crumble-Mum's #1.DRP");
const QString Seitendatei = QStringLiteral("Recipes\\Apple Crumble.DRP");
} // namespace

class TestRezUpload : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ftpordner;
    std::unique_ptr<testing::FtpServer> m_ftp;
    std::unique_ptr<testing::BaseFolder> m_base;
    qint32 m_rezept = -1;

    QString Ablage() const { return m_ftpordner.filePath(Konto + QStringLiteral("/UPLOAD")); }
    QStringList Hochgeladen() const { return QDir(Ablage()).entryList(QDir::Files, QDir::Name); }
    QStringList Zwischenablage() const
    {
        return QDir(m_base->path(QStringLiteral("DRUCKTEMP"))).entryList(QDir::Files);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_ftpordner.path()).mkpath(Konto + QStringLiteral("/UPLOAD")));
        m_ftp.reset(new testing::FtpServer(m_ftpordner.path(), QStringLiteral("koch"), QStringLiteral("geheim")));
        QVERIFY2(m_ftp->port(), qPrintable(m_ftp->error()));
        FMain = new TFMain;
        FRezUpload = new TFRezUpload;
    }
    void cleanupTestCase()
    {
        delete FRezUpload;
        delete FMain;
        m_ftp.reset();
    }
    void init()
    {
        testing::failOnWarnings();
        m_base.reset(new testing::BaseFolder);
        QVERIFY(platform::makeFolder(QStringLiteral("Recipes")));
        QVERIFY(platform::makeFolder(QStringLiteral("PRGDATA\\ENG")));
        const QString quelle = QStringLiteral(TW_INSTALLATION_DIR "/Recipes/Apple Crumble.DRP");
        QVERIFY(QFile::copy(quelle, m_base->path(Rezeptdatei)));
        for (const QString &endung : {QStringLiteral(".BRT"), QStringLiteral(".RRT")})
            QVERIFY(QFile::copy(quelle + endung, m_base->path(Seitendatei + endung)));
        m_base->writeLines(QStringLiteral("NoOut.hbr"), {QStringLiteral("1")});
        GlobalVARInit();
        Setze_GlobalOptionen();
        Programmstart(true);
        m_rezept = -1;
        for (qint32 i = 0; i < RezepteTotal.size(); ++i)
            if (RezepteTotal[i].Rezeptname == QLatin1String("Apple Crumble"))
                m_rezept = i;
        QVERIFY(FMain->Waehle_Rezept(m_rezept));

        Interneteinstellungen = TInterneteinstellungen();
        Interneteinstellungen.Serveradresse = QStringLiteral("http://127.0.0.1:1");
        Interneteinstellungen.FTPHost = QStringLiteral("127.0.0.1");
        Interneteinstellungen.FTPPort = m_ftp->port();
        Interneteinstellungen.FTPKonto = Konto;
        Interneteinstellungen.FTPBenutzer = QStringLiteral("koch");
        Interneteinstellungen.FTPPasswort = QStringLiteral("geheim");
        for (const QString &f : Hochgeladen())
            QFile::remove(Ablage() + QLatin1Char('/') + f);
    }
    void cleanup()
    {
        FRezUpload->hide();
        m_base.reset();
    }

    // What the user enters and which files exist decide what is sent and
    // what the information file says.
    void hochladen_data()
    {
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<int>("wahl");
        QTest::addColumn<QStringList>("fehlt"); // endings of files removed before
        QTest::addColumn<QString>("passwort");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("angabe");
        const QString a = QStringLiteral("cook@example.org"), ok = QStringLiteral("succesfully uploaded");
        const QString n = QStringLiteral("Apple_Crumble_Mum's__1.DRP");
        const QStringList alle{"Apple_Crumble.DRP.BRT", "Apple_Crumble.DRP.RRT", n, n + ".inh"};
        const QString erlaubt = QStringLiteral("REZEPTANGABE=VEROEEFENTLICHUNG IST ERLAUBT");
        QTest::newRow("cooked, both side files") << a << 0 << QStringList() << "geheim" << ok << alle << erlaubt;
        QTest::newRow("from a magazine") << a << 1 << QStringList() << "geheim" << ok << alle
                                         << "REZEPTANGABE=VEROEEFENTLICHUNG IST VERBOTEN";
        QTest::newRow("no side files") << a << 0 << QStringList{".BRT", ".RRT"} << "geheim" << ok
                                       << QStringList{n, n + ".inh"} << erlaubt;
        QTest::newRow("example address") << Upload_Beispieladresse << 0 << QStringList() << "geheim"
                                         << "valid email address" << QStringList() << "";
        QTest::newRow("login refused") << a << 0 << QStringList() << "falsch" << "Upload failed!" << QStringList()
                                       << "";
        // Side files alone are no recipe.
        QTest::newRow("recipe file missing") << a << 0 << QStringList{""} << "geheim" << "Upload failed!"
                                             << QStringList() << "";
    }
    void hochladen()
    {
        QFETCH(QString, adresse);
        QFETCH(int, wahl);
        QFETCH(QStringList, fehlt);
        QFETCH(QString, passwort);
        QFETCH(QString, meldung);
        QFETCH(QStringList, dateien);
        QFETCH(QString, angabe);
        for (const QString &endung : fehlt)
            QVERIFY(platform::removeFile(endung.isEmpty() ? Rezeptdatei : Seitendatei + endung));
        Interneteinstellungen.FTPPasswort = passwort;
        testing::ScriptedMessages meldungen;
        meldungen.expect(meldung);

        QVERIFY(Zeige_Rezeptupload());
        FRezUpload->EEmail->setText(adresse);
        FRezUpload->Setze_RG1Auswahl(wahl);
        FRezUpload->BOK->click();

        QCOMPARE(meldungen.pending(), QStringList());
        QCOMPARE(Hochgeladen(), dateien);
        QCOMPARE(FRezUpload->isVisible(), meldung.contains(QLatin1String("valid email")));
        QCOMPARE(m_base->exists(QStringLiteral("NoOut.hbr")), dateien.isEmpty());
        QCOMPARE(Zwischenablage(), QStringList());
        if (!dateien.isEmpty()) {
            QFile info(Ablage() + QStringLiteral("/Apple_Crumble_Mum's__1.DRP.inh"));
            QVERIFY(info.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromLatin1(info.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
                     (QStringList{"[TAFELWERKSTATT INOUT]", "VERSIONSNUMMER=400", "EMAIL=" + adresse, angabe}));
        }
    }

    // Without a choice the first click only asks and selects the first
    // choice; the second one sends.
    void ohneAuswahl()
    {
        testing::ScriptedMessages meldungen;
        meldungen.expect(QStringLiteral("Please select the information for the recipe!"));
        QVERIFY(Zeige_Rezeptupload());
        FRezUpload->EEmail->setText(QStringLiteral("cook@example.org"));
        FRezUpload->BOK->click();
        QCOMPARE(FRezUpload->RG1Auswahl(), 0);
        QCOMPARE(Hochgeladen(), QStringList());

        meldungen.expect(QStringLiteral("Recipe succesfully uploaded. Thank you!"));
        FRezUpload->BOK->click();
        QCOMPARE(meldungen.pending(), QStringList());
        QCOMPARE(Hochgeladen().size(), 4);
    }

    // The menu entry keeps the main window disabled while the window is open,
    // and refuses with a message when no recipe is selected.
    void menue()
    {
        bool gesperrt = false;
        QTimer::singleShot(0, this, [&] {
            gesperrt = !FMain->isEnabled() && FRezUpload->isVisible();
            FRezUpload->BAbbrechen->click();
        });
        FMain->MRezeptUpload->trigger();
        QVERIFY(gesperrt);
        QVERIFY(FMain->isEnabled());

        FMain->LVRezepte->clearSelection();
        testing::ScriptedMessages meldungen;
        meldungen.expect(QStringLiteral("Please select the recipe you want to upload"));
        FMain->MRezeptUpload->trigger();
        QCOMPARE(meldungen.pending(), QStringList());
        QCOMPARE(Hochgeladen(), QStringList());
    }

    // Without an upload server the window does not open for nothing; the
    // message says where to set one.
    void ohneServer()
    {
        Interneteinstellungen = TInterneteinstellungen();
        testing::ScriptedMessages meldungen;
        meldungen.expect(QStringLiteral("No upload server is set"));
        QVERIFY(!Zeige_Rezeptupload());
        QCOMPARE(meldungen.pending(), QStringList());
        QVERIFY(meldungen.seen.last().text.contains(QLatin1String("INTERNET.HRB")));
        QVERIFY(!FRezUpload->isVisible());
    }

    void mailverweis()
    {
        QList<platform::ShellRequest> auftraege;
        platform::setShellRecorder([&](const platform::ShellRequest &r) {
            auftraege << r;
            return true;
        });
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\INTERNET.HRB"),
                           {"[TWS 2.X]", "SERVERURL=", "CONTACTMAIL=team@example.org"});
        Starte_Internetdienste();
        QVERIFY(FMain->EmailansTafelwerkstatt1->isEnabled());
        FMain->EmailansTafelwerkstatt1->trigger();
        QCOMPARE(auftraege.size(), 1);
        QCOMPARE(auftraege[0].target,
                 QStringLiteral("mailto:team@example.org?subject=Tablecraft Works&body=Hello Tablecraft Works developers,"));

        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\INTERNET.HRB"), {"[TWS 2.X]", "CONTACTMAIL="});
        Starte_Internetdienste();
        QVERIFY(!FMain->EmailansTafelwerkstatt1->isEnabled());
    }
};

QTEST_MAIN(TestRezUpload)
#include "tst_rezupload.moc"
