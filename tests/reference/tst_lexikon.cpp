#include "testing/Testing.h"

#include "core/Globals.h"
#include "mastering/Mastering.h"
#include "reference/Lexikon.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd");
const QString NeuDatei = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon_NEU.hbd");

QStringList Kopf(int anzahl = 380000)
{
    return {QStringLiteral("[TAFELWERKSTATT LEXIKON]"), QString::number(anzahl), QStringLiteral("Das kleine Herdfibel 5.00"),
            QStringLiteral("3"), QStringLiteral("Kochbegriffe"), QStringLiteral("Obst und Gemüse"),
            QStringLiteral("Sonstiges"), QStringLiteral(";; GesamtZeilenanzahl zum Einlesen")};
}

QStringList Eintrag(int gruppe, const QString &begriff, const QStringList &text = {}, const QStringList &divers = {},
                    const QString &grafik = QString())
{
    QStringList z{QStringLiteral("{GRUPPENART}"), QString::number(gruppe), QStringLiteral("{GRAFIKFILENAME}"), grafik,
                  QStringLiteral("{GRUPPE}"), begriff, QStringLiteral("{TEXT}")};
    z << text << QStringLiteral("{DIVERS}") << divers << QStringLiteral("{END}");
    return z;
}

QStringList Begriffe()
{
    QStringList out;
    for (const TTLexikon &e : std::as_const(GlobalLexikon))
        out << e.Begriff;
    return out;
}

QStringList Ohne_Leere(const TString &zeilen)
{
    QStringList out;
    for (const QString &z : zeilen)
        if (!z.isEmpty())
            out << z;
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
        testing::ScriptedMessages messages;
        base.writeLines(Datei, Kopf() + Eintrag(1, QStringLiteral("Zucchini"), {QStringLiteral("Ein Kürbis."), QString(), QStringLiteral("Grün.")},
                                                {QStringLiteral("Courgette")}, QStringLiteral("Zucchini.png"))
                                   + Eintrag(0, QStringLiteral("Blanchieren"), {QStringLiteral("Kurz kochen;; dann abschrecken.")})
                                   + QStringList{QStringLiteral(";; ein Kommentar mitten in der Datei")}
                                   + Eintrag(2, QStringLiteral("Ahornsirup"), {}, {}, QStringLiteral("-\\GFXZUTAT\\ENG\\sirup.png")));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Ahornsirup", "Blanchieren", "Zucchini"}));
        QCOMPARE(LexikonGruppenanzahl, 3);
        QCOMPARE(LexikonGruppen, QStringList({"Kochbegriffe", "Obst und Gemüse", "Sonstiges"}));
        const TTLexikon zucchini = GlobalLexikon[2];
        QCOMPARE(zucchini.Gruppe, 1);
        QCOMPARE(zucchini.Grafik, QStringLiteral("Zucchini.png"));
        QCOMPARE(zucchini.Text.size(), 100);
        QCOMPARE(zucchini.Divers.size(), 10);
        QCOMPARE(zucchini.Text.mid(0, 4), QStringList({"Ein Kürbis.", "", "Grün.", ""}));
        QCOMPARE(GlobalLexikon[1].Text[0], QStringLiteral("Kurz kochen;; dann abschrecken."));
        QCOMPARE(GlobalLexikon[0].Grafik, QStringLiteral("-\\GFXZUTAT\\ENG\\sirup.png"));

        QVERIFY(Lade_Lexikon(Save, -1, QString()));
        const QStringList geschrieben = base.readLines(Datei);
        QCOMPARE(geschrieben.mid(0, 7), QStringList({"[TAFELWERKSTATT LEXIKON]", "380000", "Das kleine Herdfibel 5.00", "3",
                                                     "Kochbegriffe", "Obst und Gemüse", "Sonstiges"}));
        QVERIFY(geschrieben[7].startsWith(";; GesamtZeilenanzahl"));
        QCOMPARE(geschrieben.mid(11, 9), Eintrag(2, QStringLiteral("Ahornsirup"), {}, {}, QStringLiteral("-\\GFXZUTAT\\ENG\\sirup.png")));
        // The empty text line is not kept.
        QVERIFY(geschrieben.join('|').contains("{TEXT}|Ein Kürbis.|Grün.|{DIVERS}|Courgette|{END}"));
        QVERIFY(base.readBytes(Datei).contains("Gr\xfcn.\r\n"));

        const TGlobalLexikon vorher = GlobalLexikon;
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(GlobalLexikon.size(), vorher.size());
        for (int i = 0; i < vorher.size(); ++i) {
            QCOMPARE(GlobalLexikon[i].Begriff, vorher[i].Begriff);
            QCOMPARE(GlobalLexikon[i].Gruppe, vorher[i].Gruppe);
            QCOMPARE(GlobalLexikon[i].Grafik, vorher[i].Grafik);
            QCOMPARE(Ohne_Leere(GlobalLexikon[i].Text), Ohne_Leere(vorher[i].Text));
            QCOMPARE(Ohne_Leere(GlobalLexikon[i].Divers), Ohne_Leere(vorher[i].Divers));
        }
    }

    void caps()
    {
        testing::BaseFolder base;
        QStringList text, divers;
        for (int i = 1; i <= 105; ++i)
            text << QStringLiteral("Zeile %1").arg(i);
        for (int i = 1; i <= 12; ++i)
            divers << QStringLiteral("Such %1").arg(i);
        base.writeLines(Datei, Kopf() + Eintrag(0, QStringLiteral("Lang"), text, divers)
                                   + Eintrag(0, QStringLiteral("Nachher"), {QStringLiteral("kurz")}, {QStringLiteral("x")})
                                   + Eintrag(0, QStringLiteral("Ohne Ende"), {QStringLiteral("a"), QStringLiteral("b")}));
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Lang", "Nachher", "Ohne Ende"}));
        QCOMPARE(GlobalLexikon[0].Text.size(), 100);
        QCOMPARE(GlobalLexikon[0].Text.first(), QStringLiteral("Zeile 1"));
        QCOMPARE(GlobalLexikon[0].Text.last(), QStringLiteral("Zeile 100"));
        // The further lines after an overlong text are still found.
        QCOMPARE(GlobalLexikon[0].Divers, divers.mid(0, 10));
        QCOMPARE(Ohne_Leere(GlobalLexikon[1].Text), QStringList({"kurz"}));
        QCOMPARE(Ohne_Leere(GlobalLexikon[1].Divers), QStringList({"x"}));

        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(GlobalLexikon[0].Text, text.mid(0, 100));
        QCOMPARE(GlobalLexikon[0].Divers, divers.mid(0, 10));
        QCOMPARE(Ohne_Leere(GlobalLexikon[2].Text), QStringList({"a", "b"}));
    }

    void readsPastTheLineCount()
    {
        testing::BaseFolder base;
        QStringList z = Kopf(12);
        for (int i = 0; i < 30; ++i)
            z << Eintrag(0, QStringLiteral("Begriff %1").arg(i, 2, 10, QLatin1Char('0')));
        base.writeLines(Datei, z);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(GlobalLexikon.size(), 30);
        QCOMPARE(GlobalLexikon.last().Begriff, QStringLiteral("Begriff 29"));
    }

    void groupFilter_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("begriffe");
        QTest::newRow("all") << -1 << QStringList({"Apfel", "Braten", "Dill", "Essig"});
        QTest::newRow("group 0") << 0 << QStringList({"Braten", "Essig"});
        QTest::newRow("group 1") << 1 << QStringList({"Apfel", "Dill"});
        QTest::newRow("group 5") << 5 << QStringList();
    }
    void groupFilter()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, begriffe);
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Braten") + Eintrag(1, "Apfel") + Eintrag(1, "Dill") + Eintrag(0, "Essig")
                                   + QStringList{"{GRUPPENART}", "eins", "{GRUPPE}", "Kaputt", "{END}"});
        QVERIFY(Lade_Lexikon(Load, filter, QString()));
        QCOMPARE(Begriffe(), begriffe);
        QCOMPARE(LexikonGruppen.size(), 3);
    }

    void sort_data()
    {
        QTest::addColumn<QStringList>("datei");
        QTest::addColumn<QStringList>("sortiert");
        QTest::newRow("accent folded") << QStringList({"beta", "Alpha", "éclair"}) << QStringList({"Alpha", "beta", "éclair"});
        QTest::newRow("capitals first") << QStringList({"apple", "Banana", "cherry"}) << QStringList({"Banana", "apple", "cherry"});
        QTest::newRow("equal keys keep order") << QStringList({"Ecru", "Éclair", "Eclair", "Abc"})
                                               << QStringList({"Abc", "Éclair", "Eclair", "Ecru"});
        QTest::newRow("sharp s") << QStringList({"Sosse", "Soße", "Sossa"}) << QStringList({"Sossa", "Sosse", "Soße"});
        QTest::newRow("two keep file order") << QStringList({"b", "a"}) << QStringList({"b", "a"});
    }
    void sort()
    {
        QFETCH(QStringList, datei);
        QFETCH(QStringList, sortiert);
        testing::BaseFolder base;
        QStringList z = Kopf();
        for (const QString &b : datei)
            z << Eintrag(0, b);
        base.writeLines(Datei, z);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), sortiert);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("geladen");
        QTest::newRow("bmp") << "Blanchieren.bmp" << "Blanchieren.PNG";
        QTest::newRow("BMP") << "X.BMP" << "X.PNG";
        QTest::newRow("png") << "x.png" << "x.png";
        QTest::newRow("below base") << "-\\GFXZUTAT\\ENG\\quark.png" << "-\\GFXZUTAT\\ENG\\quark.png";
        QTest::newRow("below base bmp") << "-\\GFXZUTAT\\speisequark.bmp" << "-\\GFXZUTAT\\speisequark.PNG";
        QTest::newRow("none") << "" << "";
    }
    void pictures()
    {
        QFETCH(QString, datei);
        QFETCH(QString, geladen);
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Begriff", {"t"}, {}, datei));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(GlobalLexikon.size(), 1);
        QCOMPARE(GlobalLexikon[0].Grafik, geladen);
    }

    void saveDropsDeletedEntries()
    {
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Bleibt") + Eintrag(3, "Gruppe drei") + Eintrag(1, "Leer wird"));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(GlobalLexikon.size(), 3);
        QCOMPARE(GlobalLexikon[2].Begriff, QStringLiteral("Leer wird"));
        GlobalLexikon[2].Begriff.clear();
        QVERIFY(Lade_Lexikon(Save, -1, QString()));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Bleibt"}));
    }

    void badFile_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QStringList falscherKopf = Kopf() + Eintrag(0, "A");
        falscherKopf[0] = "[TAFELWERKSTATT LEXIKON 2]";
        QStringList negativ = Kopf() + Eintrag(0, "A");
        negativ[1] = "-1";
        QStringList keineZahl = Kopf() + Eintrag(0, "A");
        keineZahl[3] = "drei";
        QStringList zuVieleGruppen = Kopf() + Eintrag(0, "A");
        zuVieleGruppen[3] = "500";
        QTest::newRow("wrong header") << falscherKopf;
        QTest::newRow("negative count") << negativ;
        QTest::newRow("group count not a number") << keineZahl;
        QTest::newRow("group count beyond the file") << zuVieleGruppen;
        QTest::newRow("empty file") << QStringList();
    }
    void badFile()
    {
        QFETCH(QStringList, zeilen);
        testing::BaseFolder base;
        base.writeLines(Datei, zeilen);
        const QByteArray vorher = base.readBytes(Datei);
        QVERIFY(!Lade_Lexikon(Load | Save, -1, QString()));
        QVERIFY(GlobalLexikon.isEmpty());
        QCOMPARE(base.readBytes(Datei), vorher);
    }

    void missingFile()
    {
        testing::BaseFolder base;
        QVERIFY(!Lade_Lexikon(Load | Save, -1, QString()));
        QVERIFY(GlobalLexikon.isEmpty());
        QVERIFY(!base.exists(Datei));
    }

    void takeOverMerges()
    {
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Eigener Begriff", {"vom Benutzer"}) + Eintrag(0, "Braten", {"meine Fassung"}));
        QStringList neu = Kopf() + Eintrag(0, "Braten", {"gelieferte Fassung"}) + Eintrag(1, "Apfel", {"neu"});
        neu[3] = "4";
        neu.insert(7, "Getränke");
        base.writeLines("PRGDATA\\ENG\\LEXIKON\\Lexikon_Neu.hbd", neu);
        QVERIFY(Uebernehme_Lexikon_Neu());
        QVERIFY(!base.exists(NeuDatei));
        QCOMPARE(Begriffe(), QStringList({"Apfel", "Braten", "Eigener Begriff"}));
        QCOMPARE(LexikonGruppen.size(), 4);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Apfel", "Braten", "Eigener Begriff"}));
        QCOMPARE(GlobalLexikon[1].Text[0], QStringLiteral("meine Fassung"));
        QCOMPARE(LexikonGruppen.last(), QStringLiteral("Getränke"));
        QVERIFY(Protokoll.last().startsWith("OK:      "));
    }

    void takeOverWithoutOwnDictionary()
    {
        testing::BaseFolder base;
        base.writeLines(NeuDatei, Kopf() + Eintrag(1, "Apfel"));
        QVERIFY(Uebernehme_Lexikon_Neu());
        QVERIFY(base.exists(Datei));
        QVERIFY(!base.exists(NeuDatei));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Apfel"}));
    }

    void takeOverRefusesBadDelivery()
    {
        testing::BaseFolder base;
        base.writeLines(Datei, Kopf() + Eintrag(0, "Eigener Begriff"));
        base.writeLines(NeuDatei, QStringList{"<html>Not found</html>"});
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
