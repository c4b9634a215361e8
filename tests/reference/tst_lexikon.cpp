#include "testing/Testing.h"

#include "core/Globals.h"
#include "mastering/Mastering.h"
#include "reference/Lexikon.h"
#include "Lexikonhilfen.h"

namespace {
const QString NeuDatei = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon_NEU.hbd");

QStringList Kopf(const QString &anzahl = "380000", const QString &gruppen = "3")
{
    return {"[TAFELWERKSTATT LEXIKON]", anzahl, "Das kleine Herdfibel 5.00", gruppen, "Kochbegriffe", "Obst und Gemüse",
            "Sonstiges", ";; GesamtZeilenanzahl zum Einlesen"};
}

QStringList Zeilen(const QString &muster, int anzahl)
{
    QStringList out;
    for (int i = 1; i <= anzahl; ++i)
        out << muster.arg(i);
    return out;
}
} // namespace

class TestLexikon : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        Protokoll.clear();
    }

    void roundTrip()
    {
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(1, "Zucchini", {"Ein Kürbis.", "", "Grün."}, {"Courgette"}, "Zucchini.png")
                                   + Eintrag(0, "Blanchieren", {"Kurz kochen;; dann abschrecken."})
                                   + QStringList{";; Kommentar mitten in der Datei"} + Eintrag(3, "Gruppe drei")
                                   + Eintrag(2, "Ahornsirup", {}, {}, "-\\GFXZUTAT\\ENG\\sirup.png"));
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Ahornsirup", "Blanchieren", "Gruppe drei", "Zucchini"}));
        QCOMPARE(GlobalLexikon[3].Text.mid(0, 4), QStringList({"Ein Kürbis.", "", "Grün.", ""}));

        const QStringList geschrieben = base.readLines(Datei);
        QCOMPARE(geschrieben.mid(0, 8), Kopf());
        QCOMPARE(geschrieben.mid(11), Eintrag(2, "Ahornsirup", {}, {}, "-\\GFXZUTAT\\ENG\\sirup.png")
                                          + Eintrag(0, "Blanchieren", {"Kurz kochen;; dann abschrecken."})
                                          + Eintrag(1, "Zucchini", {"Ein Kürbis.", "Grün."}, {"Courgette"}, "Zucchini.png"));
        QVERIFY(base.readBytes(Datei).contains("Gr\xfcn.\r\n"));

        // An entry without a term is dropped by the next save as well.
        GlobalLexikon[1].Begriff.clear();
        QVERIFY(Lade_Lexikon(Save, -1, QString()));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Ahornsirup", "Zucchini"}));
        QCOMPARE(LexikonGruppen, QStringList({"Kochbegriffe", "Obst und Gemüse", "Sonstiges"}));
    }

    void capsAndReadingToTheEnd()
    {
        testing::BaseFolder base;
        QStringList z = Kopf("12") + Eintrag(0, "Lang", Zeilen("Zeile %1", 105), Zeilen("Such %1", 12))
                        + Eintrag(0, "Nachher", {"kurz"}, {"x"});
        for (int i = 0; i < 20; ++i)
            z << Eintrag(0, QString("Weitere %1").arg(i, 2, 10, QChar('0')));
        base.writeLines(Datei, z);
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        // The count line is no limit: every entry of the file is read.
        QCOMPARE(GlobalLexikon.size(), 22);
        QCOMPARE(GlobalLexikon[0].Text, Zeilen("Zeile %1", 100));
        QCOMPARE(GlobalLexikon[0].Divers, Zeilen("Such %1", 10));
        QCOMPARE(GlobalLexikon[1].Text.first(), QStringLiteral("kurz"));
    }

    void groupFilter_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("begriffe");
        QTest::newRow("all") << -1 << QStringList({"Apfel", "Braten", "Dill"});
        QTest::newRow("group 0") << 0 << QStringList({"Braten"});
    }
    void groupFilter()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, begriffe);
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Braten") + Eintrag(1, "Apfel") + Eintrag(1, "Dill")
                                   + QStringList{"{GRUPPENART}", "eins", "{GRUPPE}", "Kaputt", "{END}"});
        QVERIFY(Lade_Lexikon(Load, filter, QString()));
        QCOMPARE(Begriffe(), begriffe);
    }

    void sortAndPictures_data()
    {
        QTest::addColumn<QStringList>("datei");
        QTest::addColumn<QStringList>("geladen");
        QTest::newRow("accent folded") << QStringList({"beta", "Alpha", "éclair"}) << QStringList({"Alpha", "beta", "éclair"});
        QTest::newRow("capitals first") << QStringList({"apple", "Banana", "cherry"}) << QStringList({"Banana", "apple", "cherry"});
        QTest::newRow("equal keys keep order") << QStringList({"Ecru", "Éclair", "Soße", "Eclair", "Sosse"})
                                               << QStringList({"Éclair", "Eclair", "Ecru", "Soße", "Sosse"});
        QTest::newRow("two keep file order") << QStringList({"b", "a"}) << QStringList({"b", "a"});
        QTest::newRow("pictures") << QStringList({"a|x.bmp", "b|Y.BMP", "c|x.png", "d|-\\GFXZUTAT\\ENG\\q.png", "e|-\\GFX\\s.bmp"})
                                  << QStringList({"a|x.PNG", "b|Y.PNG", "c|x.png", "d|-\\GFXZUTAT\\ENG\\q.png", "e|-\\GFX\\s.PNG"});
    }
    void sortAndPictures()
    {
        QFETCH(QStringList, datei);
        QFETCH(QStringList, geladen);
        testing::BaseFolder base;
        QStringList z = Kopf();
        for (const QString &b : datei)
            z << Eintrag(0, b.section('|', 0, 0), {"t"}, {}, b.section('|', 1));
        base.writeLines(Datei, z);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QStringList out;
        for (const TTLexikon &e : std::as_const(GlobalLexikon))
            out << (e.Grafik.isEmpty() ? e.Begriff : e.Begriff + '|' + e.Grafik);
        QCOMPARE(out, geladen);
    }

    void badFile_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QStringList kopf = Kopf() + Eintrag(0, "A");
        kopf[0] = "[TAFELWERKSTATT LEXIKON 2]";
        QTest::newRow("wrong header") << kopf;
        QTest::newRow("negative count") << Kopf("-1") + Eintrag(0, "A");
        QTest::newRow("group count not a number") << Kopf("380000", "drei") + Eintrag(0, "A");
        QTest::newRow("group count beyond the file") << Kopf("380000", "500");
        QTest::newRow("missing file") << QStringList{"-"};
    }
    void badFile()
    {
        QFETCH(QStringList, zeilen);
        testing::BaseFolder base;
        if (zeilen != QStringList{"-"})
            base.writeLines(Datei, zeilen);
        const QByteArray vorher = base.readBytes(Datei);
        QVERIFY(!Lade_Lexikon(Load | Save, -1, QString()));
        QVERIFY(GlobalLexikon.isEmpty());
        QCOMPARE(base.readBytes(Datei), vorher);
    }

    // Whatever the first load accepts, load, save, load, save gives the same
    // bytes, and the marker-like values read back as they were.
    void markerLikeValuesSurvive_data()
    {
        QTest::addColumn<QStringList>("datei");
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<QStringList>("divers");
        QTest::addColumn<int>("eintraege");
        QTest::newRow("markers inside text lines")
            << Kopf() + Eintrag(0, "Etikett", {"Write {END} on the label", "see {DIVERS} below", "{TEXT} again"}, {"x {END}"})
            << "Etikett" << QStringList({"Write {END} on the label", "see {DIVERS} below", "{TEXT} again"})
            << QStringList({"x {END}"}) << 1;
        QTest::newRow("term that is a marker") << Kopf() + Eintrag(0, "{TEXT}", {"eins"}) << "{TEXT}"
                                               << QStringList({"eins"}) << QStringList() << 1;
        QTest::newRow("term that begins with the end marker") << Kopf() + Eintrag(0, "{END} of it", {"eins"}, {"d"})
                                                              << "{END} of it" << QStringList({"eins"}) << QStringList({"d"}) << 1;
        QStringList gruppen = Kopf("380000", "5") + Eintrag(0, "Nur einer", {"t"});
        gruppen.insert(7, "{GRUPPENART}");
        gruppen.insert(8, "0");
        QTest::newRow("group names that are markers") << gruppen << "Nur einer" << QStringList({"t"}) << QStringList() << 1;
        QStringList ohneEnde = Kopf() + Eintrag(0, "Erster", {"a"}) + Eintrag(0, "Zweiter", {"b"});
        ohneEnde.removeAll("{END}");
        ohneEnde.removeAll("{DIVERS}");
        QTest::newRow("entries without end marker") << ohneEnde << "Erster" << QStringList({"a"}) << QStringList() << 2;
        QTest::newRow("text run ended by a dangling group marker")
            << Kopf() + QStringList({"{GRUPPENART}", "0", "{GRUPPE}", "Zeilen", "{TEXT}", "a", "{GRUPPENART}", "",
                                     "7", "{END}"})
            << "Zeilen" << QStringList({"a"}) << QStringList() << 1;
        QTest::newRow("picture named twice .bmp") << Kopf() + Eintrag(0, "Bild", {"t"}, {}, "a.bmp.bmp") << "Bild"
                                                  << QStringList({"t"}) << QStringList() << 1;
    }
    void markerLikeValuesSurvive()
    {
        QFETCH(QStringList, datei);
        QFETCH(QString, begriff);
        QFETCH(QStringList, text);
        QFETCH(QStringList, divers);
        QFETCH(int, eintraege);
        testing::BaseFolder base;
        base.writeLines(Datei, datei);
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        const QByteArray erste = base.readBytes(Datei);
        const qsizetype anzahl = GlobalLexikon.size();
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QCOMPARE(base.readBytes(Datei), erste);
        QCOMPARE(GlobalLexikon.size(), anzahl);
        QCOMPARE(anzahl, qsizetype(eintraege));
        const TTLexikon &e = GlobalLexikon.first();
        QCOMPARE(e.Begriff, begriff);
        QCOMPARE(e.Text.mid(0, text.size() + 1), text + QStringList{QString()});
        QCOMPARE(e.Divers.mid(0, divers.size() + 1), divers + QStringList{QString()});
    }

    void takeOver()
    {
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Eigener Begriff") + Eintrag(0, "Braten", {"meine Fassung"}));
        QStringList neu = Kopf("380000", "4") + Eintrag(0, "Braten", {"geliefert"}) + Eintrag(1, "Apfel");
        neu.insert(7, "Getränke");
        base.writeLines("PRGDATA\\ENG\\LEXIKON\\Lexikon_Neu.hbd", neu);
        QVERIFY(Uebernehme_Lexikon_Neu());
        QVERIFY(!base.exists(NeuDatei));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Apfel", "Braten", "Eigener Begriff"}));
        // The delivered text replaces the old one; the user's own term stays.
        QCOMPARE(GlobalLexikon[1].Text[0], QStringLiteral("geliefert"));
        QCOMPARE(LexikonGruppen.size(), 4);
    }

    void takeOverRefusesBadDelivery()
    {
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Eigener Begriff"));
        base.writeLines(NeuDatei, {"<html>Not found</html>"});
        const QByteArray eigen = base.readBytes(Datei);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QVERIFY(!Uebernehme_Lexikon_Neu());
        QCOMPARE(base.readBytes(Datei), eigen);
        QVERIFY(base.exists(NeuDatei));
        QCOMPARE(Begriffe(), QStringList({"Eigener Begriff"}));
        QVERIFY(Protokoll.last().startsWith("ERROR:   "));
    }
};

QTEST_MAIN(TestLexikon)
#include "tst_lexikon.moc"
