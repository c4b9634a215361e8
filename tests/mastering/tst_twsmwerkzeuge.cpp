#include "testing/Masterbaum.h"
#include "TWSMUmgebung.h"

#include <QtWidgets>
#include <functional>

#include "app/Start.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Hauptprogramm.h"
#include "internet/Internet.h"
#include "mastering/F_TWSM.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/Zutatenliste.h"
#include "reference/F_Lex.h"
#include "reference/Lexikon.h"

// The small tools of the release window, run through its buttons: the
// master dictionary, the upload key pictures, and the dialogs of the text
// conversion and the crop.

namespace {
const QString Masterlexikon = QStringLiteral("Master/Masterdaten/PRGDATA/ENG/LEXIKON/Lexikon.hbd");
const QString Lexikon = QStringLiteral("PRGDATA/ENG/LEXIKON/Lexikon.hbd");

QStringList Lexikondatei(const QStringList &begriffe)
{
    QStringList z{"[TAFELWERKSTATT LEXIKON]", "380000", "Das kleine Herdfibel 5.00", "1", "Kochbegriffe"};
    for (const QString &b : begriffe)
        z << "{GRUPPENART}" << "0" << "{GRAFIKFILENAME}" << "" << "{GRUPPE}" << b << "{TEXT}" << "Text." << "{DIVERS}"
          << "{END}";
    return z;
}

// The value the key picture holds: length at byte 61, start at byte 60,
// each character stored 10 higher.
QString Verborgener_Wert(const QByteArray &b)
{
    const int p = quint8(b[60]);
    QString wert;
    for (int i = 0; i < quint8(b[61]); ++i)
        wert += QChar(quint8(b[p + i]) - 10);
    return wert;
}
} // namespace

class TestTWSMWerkzeuge : public QObject, TWSMUmgebung
{
    Q_OBJECT

private slots:
    void initTestCase() { erzeuge(); }
    void init()
    {
        beginne({"Master/Masterdaten/PRGDATA/ENG/LEXIKON", "PRGDATA/ENG/LEXIKON"});
        Protokoll.clear();
    }
    void cleanup() { beende(); }

    // The master dictionary is edited in the dictionary window and goes
    // back to the master; the release window waits meanwhile.
    void dictionary()
    {
        m_base->writeLines(Masterlexikon, Lexikondatei({"Blanchieren", "Zesten"}));
        m_base->writeLines(Lexikon, Lexikondatei({"Eigenes"}));
        m_meldungen->allow("Lexikongrafiken");
        m_meldungen->expect("Das Lexikon wurde abgespeichert!");
        bool gewartet = false;
        QTimer::singleShot(0, this, [&] {
            gewartet = FLex->isVisible() && !FTWSM->isEnabled();
            TTLexikon neu;
            neu.Begriff = "Abschrecken";
            neu.Text = {"Kalt abspülen."};
            GlobalLexikon.append(neu);
            FLex->EditSpeichernClick();
            FLex->close();
        });
        FTWSM->BLexikon->click();
        QVERIFY(gewartet);
        QVERIFY(FTWSM->isEnabled());
        const QStringList master = m_base->readLines(Masterlexikon);
        QVERIFY(master.contains("Abschrecken") && master.contains("Zesten") && !master.contains("Eigenes"));
        const QString m = Masterpfad + "Masterdaten\\PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd";
        const QString l = Programmverzeichnis + "PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd";
        QCOMPARE(Protokoll, Einheitlich(TString{"Kopiere: " + m + "->" + l, "Kopiere: " + l + "->" + m, "OK:      Ready..."}));
    }

    // A master dictionary that is missing or does not load opens nothing,
    // and the program keeps its own dictionary.
    void dictionaryRefused_data()
    {
        QTest::addColumn<QStringList>("master");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("missing") << QStringList{} << "ERROR:   Copy-FAILURE ";
        QTest::newRow("not a dictionary") << QStringList{"[TWS 2.X]"} << "ERROR:   Lexikon nicht lesbar: ";
    }
    void dictionaryRefused()
    {
        QFETCH(QStringList, master);
        QFETCH(QString, zeile);
        if (!master.isEmpty())
            m_base->writeLines(Masterlexikon, master);
        m_base->writeLines(Lexikon, Lexikondatei({"Eigenes"}));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        FTWSM->BLexikon->click();
        QVERIFY(!FLex->isVisible());
        QCOMPARE(m_base->readLines(Masterlexikon), master);
        QCOMPARE(m_base->readLines(Lexikon), Lexikondatei({"Eigenes"}));
        QCOMPARE(GlobalLexikon.size(), 1);
        QVERIFY(Protokoll.last().startsWith(zeile));
    }

    // "Make Lebensmittel.hbr": the browser offers what the master's shipped
    // database lacks of the all-ingredients one, the release window waits,
    // and the imported ingredient reaches the master; the program then
    // loads its (now replaced) database again.
    void makeShippedDatabase()
    {
        testing::MasterTree tree(*m_base);
        m_base->writeLines(tree.local("Lebensmittel.hbr"),
                           testing::MasterTree::ingredientLines({{"Eigenes", 5, 1, "Butter.png"}}));
        QStringList angeboten;
        bool gewartet = false;
        // The loading notice lets events through before the browser shows.
        std::function<void()> imBrowser = [&] {
            if (!FGeAllZuDa->isVisible()) {
                QTimer::singleShot(10, this, imBrowser);
                return;
            }
            gewartet = !FTWSM->isEnabled();
            TZutatenliste *l = FGeAllZuDa->CLBZutat;
            for (int i = 0; i < l->count(); ++i) {
                angeboten << l->Text(i);
                l->model()->setData(l->model()->index(i, 0), l->Text(i) == "Anis" ? Qt::Checked : Qt::Unchecked,
                                    Qt::CheckStateRole);
            }
            FGeAllZuDa->BImportieren->click();
            FGeAllZuDa->BZurueck->click();
        };
        QTimer::singleShot(0, this, imBrowser);
        FTWSM->BMakeLebensmittel->click();
        QVERIFY(gewartet);
        QVERIFY(FTWSM->isEnabled());
        angeboten.sort();
        QCOMPARE(angeboten, (QStringList{"Anis", "Drei", "Zwei"}));
        const QStringList master = tree.masterLines("Lebensmittel.hbr");
        QVERIFY(master.contains("Anis") && master.contains("Butter") && !master.contains("Zwei") && !master.contains("Eigenes"));
        QCOMPARE(tree.masterLines("Lebensmittel_ALL.hbr"),
                 testing::MasterTree::ingredientLines(testing::MasterTree::allIngredients()));
        QVERIFY(Suche_Zutat("Anis", -1) >= 0);
        QVERIFY(Suche_Zutat("Eigenes", -1) < 0);
    }

    // A master database that is missing or does not load opens no browser
    // and touches no master copy; the program keeps its own database.
    void makeShippedDatabaseRefused_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("inhalt");
        QTest::newRow("shipped garbled") << "Lebensmittel.hbr" << QStringList{"[TAFELWERKSTATT 2.00]", "7", "Chard"};
        QTest::newRow("all-ingredients missing") << "Lebensmittel_ALL.hbr" << QStringList{};
    }
    void makeShippedDatabaseRefused()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, inhalt);
        testing::MasterTree tree(*m_base);
        if (inhalt.isEmpty())
            QVERIFY(QFile::remove(m_base->path(tree.master(datei))));
        else
            m_base->writeLines(tree.master(datei), inhalt);
        const QStringList eigene = testing::MasterTree::ingredientLines({{"Eigenes", 5, 1, "Butter.png"}});
        m_base->writeLines(tree.local("Lebensmittel.hbr"), eigene);
        const QByteArray shipped = m_base->readBytes(tree.master("Lebensmittel.hbr"));
        m_meldungen->allow("Lebensmittel");
        FTWSM->BMakeLebensmittel->click();
        QVERIFY(!FGeAllZuDa->isVisible());
        QVERIFY(FTWSM->isEnabled());
        QCOMPARE(m_base->readBytes(tree.master("Lebensmittel.hbr")), shipped);
        QCOMPARE(m_base->readLines(tree.local("Lebensmittel.hbr")), eigene);
        QVERIFY(Protokoll.last().startsWith("ERROR:   "));
        QVERIFY(Suche_Zutat("Eigenes", -1) >= 0);
    }

    // Each login goes into its key picture; an empty one is refused.
    void ftpKeys_data()
    {
        QTest::addColumn<QString>("passwort");
        QTest::addColumn<QString>("benutzer");
        QTest::newRow("both") << "k12345678" << "AbCd1234";
        QTest::newRow("no password") << "" << "AbCd1234";
    }
    void ftpKeys()
    {
        QFETCH(QString, passwort);
        QFETCH(QString, benutzer);
        Interneteinstellungen = TInterneteinstellungen();
        Interneteinstellungen.FTPPasswort = passwort;
        Interneteinstellungen.FTPBenutzer = benutzer;
        QVERIFY(QDir().mkpath(m_base->path("Master/Masterdaten/FTP_KEYS/READY")));
        QByteArray ori(600, '\0');
        for (int i = 0; i < ori.size(); ++i)
            ori[i] = char(i * 7);
        for (const char *n : {"Pfirsich__.png", "Sossenbinder__.png"})
            m_base->writeBytes(QString("Master/Masterdaten/FTP_KEYS/ORI/") + n, ori);
        if (!passwort.isEmpty())
            m_meldungen->expect("Key generated: PW");
        m_meldungen->expect("Key generated: UID");
        FTWSM->BFTPKeys->click();
        QCOMPARE(m_base->exists("Master/Masterdaten/FTP_KEYS/READY/Pfirsich__.png"), !passwort.isEmpty());
        if (!passwort.isEmpty())
            QCOMPARE(Verborgener_Wert(m_base->readBytes("Master/Masterdaten/FTP_KEYS/READY/Pfirsich__.png")), passwort);
        const QByteArray uid = m_base->readBytes("Master/Masterdaten/FTP_KEYS/READY/Sossenbinder__.png");
        QCOMPARE(uid.size(), ori.size());
        QCOMPARE(Verborgener_Wert(uid), benutzer);
        QCOMPARE(Protokoll.size(), passwort.isEmpty() ? 1 : 0);
        Interneteinstellungen = TInterneteinstellungen();
    }

    // The conversion and the crop start from their dialogs; what they make
    // is checked where they are tested on their own.
    void dialogs()
    {
        m_base->writeLines("conv/Pasta.txt", {"Pasta"});
        m_base->writeBytes("kaputt.png", "x");
        QString antwort;
        platform::setFileDialogScript([&](platform::DialogKind, const QString &titel, const QString &, const QString &) {
            if (titel == "Rezepte txt to rtf konvertieren")
                return m_base->path("conv/Pasta.txt");
            return titel == "Grafiken schneiden" ? antwort : QString();
        });
        FTWSM->RTXTRTF->click();
        QVERIFY(m_base->exists("conv/Pasta.rtf"));

        // a picture that does not read is not cut, and says so
        antwort = m_base->path("kaputt.png");
        m_meldungen->expect("Grafik nicht geschnitten: ");
        FTWSM->BGrafikschneiden->click();
        QCOMPARE(m_base->readBytes("kaputt.png"), QByteArray("x"));
    }
};

QTEST_MAIN(TestTWSMWerkzeuge)
#include "tst_twsmwerkzeuge.moc"
