#include "TWSMUmgebung.h"
#include "testing/Masterbaum.h"
#include "testing/Testing.h"

#include <QtWidgets>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "mastering/F_TWSM.h"
#include "mastering/F_TWSMZu.h"
#include "mastering/Masterdaten.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"

using testing::MasterIngredient;
using testing::MasterTree;

namespace {
const QString OK = QStringLiteral("OK:      ");
const QString ERR = QStringLiteral("ERROR:   ");
const QString WARN = QStringLiteral("WARNING: ");

QStringList Namen(const QStringList &datenbank)
{
    QStringList namen;
    for (qsizetype i = 2; i + 17 <= datenbank.size(); i += 17)
        namen << datenbank[i];
    return namen;
}
} // namespace

class TestMasterdaten : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TWS_Grundwerte();
        FTWSMZu = new TFTWSMZu;
        FTWSM = new TFTWSM;
    }
    void cleanupTestCase()
    {
        delete FTWSM;
        delete FTWSMZu;
    }
    void init()
    {
        testing::failOnWarnings();
        Protokoll.clear();
        Zutatentotal.clear();
    }

    // The whole protocol of a check on a sound master tree.
    void checkOfSoundTree()
    {
        testing::BaseFolder base;
        MasterTree tree(base);
        Checke_Lebensmittel(tree.root());
        const QString lokal = Programmverzeichnis + "PRGDATA\\ENG\\";
        const QString master = tree.root() + "Masterdaten\\PRGDATA\\ENG\\";
        // Per database: loaded, pictures, inactive, active, [2], [3] found.
        const auto block = [&](const QString &datei, QList<int> n) {
            return QStringList{OK + "Copying " + lokal + datei, OK + "Zutatendatei: " + lokal + datei,
                               OK + QString("Geladene Zutaten: %1").arg(n[0]),
                               OK + QString("Zutatengrafiken zugeordnet: %1").arg(n[0]),
                               OK + QString("Inaktive Zutaten gefunden: %1").arg(n[1]),
                               OK + QString("Aktive Zutaten gefunden: %1").arg(n[2]),
                               OK + QString("[2] Zutaten gefunden: %1").arg(n[3]),
                               OK + QString("[3] Zutaten gefunden: %1").arg(n[3]), OK + "IA-Kochen Zutaten gefunden: 1",
                               OK + "Falsche Zutaten gefunden: 0", OK + "Back-Copying " + master + datei, OK + "Ready.", OK};
        };
        QCOMPARE(Protokoll, Einheitlich(block("Lebensmittel.hbr", {3, 0, 2, 0}) + block("Lebensmittel_ALL.hbr", {5, 1, 1, 1})));
        QVERIFY(Zutatentotal.isEmpty());
    }

    // Counter and picture rules: each row changes one database of the sound
    // tree and expects lines among the protocol.
    void checkRules_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QList<MasterIngredient>>("zutaten");
        QTest::addColumn<QStringList>("zeilen");
        // <B> stands for the base folder of the test run.
        const QString gfx = QStringLiteral("<B>GFXZUTAT/ENG/");
        auto geliefert = MasterTree::shippedIngredients();
        auto alle = MasterTree::allIngredients();

        QTest::newRow("inactive in the shipped database")
            << "Lebensmittel.hbr" << (geliefert + QList<MasterIngredient>{{"Zimt", 7, 0, "Zimt.png"}})
            << QStringList{ERR + "Inaktive Zutaten gefunden: 1", OK + "Geladene Zutaten: 4"};
        QTest::newRow("no kitchen-only ingredient shipped, a [2] one")
            << "Lebensmittel.hbr" << QList<MasterIngredient>{geliefert[0], geliefert[1], {"Zwei", 1, 2, "Zwei.png"}}
            << QStringList{ERR + "IA-Kochen Zutaten gefunden: 0", ERR + "[2] Zutaten gefunden: 1"};
        QTest::newRow("status above 5 counts as wrong")
            << "Lebensmittel.hbr" << (geliefert + QList<MasterIngredient>{{"Komisch", 1, 9, "Butter.png"}})
            << QStringList{ERR + "Falsche Zutaten gefunden: 1", OK + "Zutatengrafiken zugeordnet: 4"};
        QTest::newRow("no inactive ingredient in the all-ingredients database")
            << "Lebensmittel_ALL.hbr" << alle.mid(1)
            << QStringList{ERR + "Inaktive Zutaten gefunden: 0", OK + "Aktive Zutaten gefunden: 1"};
        QTest::newRow("picture file missing, picture name empty")
            << "Lebensmittel.hbr"
            << (geliefert + QList<MasterIngredient>{{"Salbei", 4, 1, "Salbei.png", false}, {"Dill", 4, 1, ""}})
            << QStringList{ERR + "Grafik fehlt: " + gfx + "Salbei.png",
                           WARN + "Grafik fehlt, Zutatname: " + gfx + "Dill",
                           WARN + "Zutatengrafiken zugeordnet: 3"};
        QTest::newRow("shorter than 128 bytes")
            << "Lebensmittel.hbr" << QList<MasterIngredient>{{"Ei", 1, 4, "Ei.png"}}
            << QStringList{ERR + "Copy-FAILURE (Length=0): <B>PRGDATA/ENG/Lebensmittel.hbr",
                           OK + "Geladene Zutaten: 1"};
    }
    void checkRules()
    {
        QFETCH(QString, datei);
        QFETCH(QList<MasterIngredient>, zutaten);
        QFETCH(QStringList, zeilen);
        testing::BaseFolder base;
        MasterTree tree(base);
        tree.writeIngredients(datei, zutaten);
        Checke_Lebensmittel(tree.root());
        for (QString z : zeilen)
            QVERIFY2(Protokoll.contains(z.replace("<B>", Programmverzeichnis)), qPrintable(z + "\n" + Protokoll.join('\n')));
    }

    // A trailing point goes from all three names unless the ingredient is
    // kitchen-only; the corrected database reaches the master.
    void trailingPointRule()
    {
        testing::BaseFolder base;
        MasterTree tree(base);
        tree.writeIngredients("Lebensmittel_ALL.hbr",
                              MasterTree::allIngredients()
                                  + QList<MasterIngredient>{{"Zimt.", 7, 1, "Zimt.png", true, "Zimt.", "Zimtstange."},
                                                            {"Topf.", 18, 4, "Topf.png"}});
        Checke_Lebensmittel(tree.root());
        const QStringList master = tree.masterLines("Lebensmittel_ALL.hbr");
        QCOMPARE(Namen(master).mid(5), (QStringList{"Zimt", "Topf."}));
        QCOMPARE(master.mid(2 + 5 * 17, 3), (QStringList{"Zimt", "Zimt", "Zimtstange"}));
        QCOMPARE(Protokoll.filter("angepasst").size(), 3);
    }

    // A missing or unreadable master copy: the local file is kept, nothing
    // goes back to the master, and the other database is still checked.
    void missingAndBrokenMaster()
    {
        testing::BaseFolder base;
        MasterTree tree(base);
        testing::ScriptedMessages meldungen;
        meldungen.allow("could not be read");
        QVERIFY(QFile::remove(base.path(MasterTree::master("Lebensmittel.hbr"))));
        const QStringList eigene = MasterTree::ingredientLines({{"Eigene Zutat", 1, 1, ""}});
        base.writeLines(MasterTree::local("Lebensmittel.hbr"), eigene);
        const QStringList kaputt{"[KEIN KOPF]", "1", "x"};
        base.writeLines(MasterTree::master("Lebensmittel_ALL.hbr"), kaputt);

        Checke_Lebensmittel(tree.root());
        QCOMPARE(base.readLines(MasterTree::local("Lebensmittel.hbr")), eigene);
        QVERIFY(!base.exists(MasterTree::master("Lebensmittel.hbr")));
        QCOMPARE(tree.masterLines("Lebensmittel_ALL.hbr"), kaputt);
        QVERIFY(Protokoll.contains(ERR + "Copy-FAILURE " + Programmverzeichnis + "PRGDATA/ENG/Lebensmittel.hbr"));
        QVERIFY(Protokoll.contains(ERR + "Zutatendatei nicht geladen: " + Programmverzeichnis
                                   + "PRGDATA/ENG/Lebensmittel_ALL.hbr"));
        QVERIFY(Protokoll.filter("Back-Cop").isEmpty());
    }

    void pictureNames()
    {
        QCOMPARE(Bereinige_Grafikname("a b,c;d:e?f#g+h*i\\j@k-l/m.png"), "a_b_c_d_e_f_g_h_i_j_k_l_m.png");
        QCOMPARE(Bereinige_Grafikname("Senf (mild).v2.png"), "Senf_(mild).v2.png"); // brackets and dots stay
    }

    // "Zutaten erweitern" through the window: pictures become ingredients
    // with the chosen categories, a name already in the database is skipped,
    // and both master copies are rewritten.
    void ingredientsFromPictures()
    {
        testing::BaseFolder base;
        MasterTree tree(base);
        const QString marke = Markennamen[1];
        for (const QString &n : {QString("Rote Bete.png"), "Senf (" + marke + ").png", QString("butter.png")})
            tree.writePicture("Neu/" + n);
        base.writeBytes("Neu/Notiz.txt", "x");
        testing::ScriptedMessages meldungen;
        meldungen.expect("Zutaten aktiv aufnehmen?", Antwort_Ja);
        platform::setFileDialogScript([&](platform::DialogKind, const QString &titel, const QString &, const QString &) {
            return titel == "Zutaten per Grafikimport erweitern:" ? base.root() + "Neu/Rote Bete.png" : QString();
        });
        FTWSM->CBMP->setEditText(tree.root());
        // The picker: first picture category 3, the rest keep what was chosen
        // before except the second, which gets 8.
        QStringList gefragt;
        QTimer picker;
        connect(&picker, &QTimer::timeout, [&] {
            if (!FTWSMZu->isVisible())
                return;
            gefragt << FTWSMZu->Label1->text();
            if (gefragt.size() == 1)
                FTWSMZu->CBZutat->setCurrentIndex(3);
            if (gefragt.size() == 2)
                FTWSMZu->CBZutat->setCurrentIndex(8);
            FTWSMZu->BOK->click();
        });
        picker.start(0);
        FTWSM->BZutatErweitern->click();
        picker.stop();

        QCOMPARE(meldungen.pending(), QStringList());
        QCOMPARE(gefragt, (QStringList{"butter", "Rote Bete", "Senf (" + marke + ")"}));
        const QStringList alle = tree.masterLines("Lebensmittel_ALL.hbr");
        QCOMPARE(Namen(alle), (QStringList{"Anis", "Butter", "Zwei", "Drei", "Kochtopf", "Rote Bete", "Senf (" + marke + ")"}));
        QCOMPARE(tree.masterLines("LM_Share.hbr"), alle);
        // Zutatname, Rezepttextname, Suchname, Kategorie, Status, S1, Grafik
        QCOMPARE(alle.mid(2 + 5 * 17, 7), (QStringList{"Rote Bete", "Rote Bete", "Rote Bete", "8", "1", "", "Rote_Bete.png"}));
        const QStringList senf = alle.mid(2 + 6 * 17, 7);
        QCOMPARE(senf[3], "8");
        QCOMPARE(senf[6], "\\" + marke + "\\Senf_(" + marke + ").png");
        QVERIFY(base.exists("GFXZUTAT/ENG/Rote_Bete.png"));
        QVERIFY(base.exists("GFXZUTAT/ENG/" + marke + "/Senf_(" + marke + ").png"));
        QCOMPARE(Namen(base.readLines(MasterTree::local("New_Lebensmittel.hbr"))).size(), 3);
        QVERIFY(Protokoll.contains(WARN + "Zutat schon vorhanden, nicht aufgenommen: butter"));
        // The program has its own database in memory again, not an empty one.
        QCOMPARE(Zutatentotal.size(), 3);
    }
};

QTEST_MAIN(TestMasterdaten)
#include "tst_masterdaten.moc"
