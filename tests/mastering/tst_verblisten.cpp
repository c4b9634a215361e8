#include "testing/Masterbaum.h"
#include "testing/Testing.h"

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "mastering/Mastering.h"
#include "mastering/Verblisten.h"
#include "platform/TextFile.h"

using testing::MasterTree;
using testing::MasterVerb;

namespace {
TIAVERBEN Verben(const QList<MasterVerb> &liste)
{
    TIAVERBEN out;
    for (const MasterVerb &m : liste) {
        TTIAVERBEN v;
        v.Text = m.text;
        v.Symbol = m.icon;
        for (int f : m.surfaces)
            v.Zulassung[size_t(f)] = 1;
        v.Zaehler = m.counter;
        out.append(v);
    }
    return out;
}

// "text|icon|surfaces|counter" per verb, surfaces as "1,3,".
QStringList Beschreibe(const TIAVERBEN &verben)
{
    QStringList out;
    for (const TTIAVERBEN &v : verben) {
        QString f;
        for (int i = 0; i < AnzahlGeraete; ++i)
            if (v.Zulassung[size_t(i)])
                f += QString::number(i) + ',';
        out << QStringLiteral("%1|%2|%3|%4").arg(v.Text).arg(v.Symbol).arg(f).arg(v.Zaehler);
    }
    return out;
}

TIAVTotalliste Totalliste(const QStringList &texte)
{
    TIAVTotalliste l;
    for (const QString &t : texte)
        l.append(TTIAVTotalliste{t, 0});
    return l;
}

QStringList Texte(const TIAVTotalliste &l)
{
    QStringList out;
    for (const TTIAVTotalliste &e : l)
        out << e.Text;
    return out;
}

const auto Verbdatei = [](const QList<MasterVerb> &liste) { return MasterTree::verbLines(liste); };
} // namespace

class TestVerblisten : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        IAStatus = TTIAStatus();
        Protokoll.clear();
    }

    void readUpload_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<bool>("gelesen");
        QTest::addColumn<QStringList>("verben");
        QTest::addColumn<int>("warnungen");
        const QList<MasterVerb> gut{{"Rühre ... um", 1, {0, 15}}, {"Backe ... bei GGG Grad", 30, {2}}};
        QTest::newRow("sound") << Verbdatei(gut) << true
                               << QStringList{"Rühre ... um|1|0,15,|0", "Backe ... bei GGG Grad|30|2,|0"} << 0;
        QTest::newRow("wrong header") << Verbdatei(gut).replaceInStrings("[IAVERBEN 2.00]", "[IAVERBEN 1.00]") << false
                                      << QStringList() << 0;
        QTest::newRow("icon 43, surface 16 or -1 or no number, empty text: refused one by one")
            << Verbdatei({{"A", 43, {1}}, {"B", 2, {16}}, {"C", 2, {-1}}, {"D", 42, {3}}, {"", 1, {1}}, {"F", 1, {7}}})
                   .replaceInStrings("7,", "x,")
            << true << QStringList{"D|42|3,|0"} << 5;
        QStringList kurz = Verbdatei(gut);
        kurz[1] = "5";
        kurz.removeLast();
        QTest::newRow("count past the end reads the whole verbs there") << kurz << true << QStringList{"Rühre ... um|1|0,15,|0"} << 1;
    }
    void readUpload()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(bool, gelesen);
        QFETCH(QStringList, verben);
        QFETCH(int, warnungen);
        TIAVERBEN v;
        QCOMPARE(Lies_Verbupload(zeilen, "up.VIA", v), gelesen);
        QCOMPARE(Beschreibe(v), verben);
        QCOMPARE(Protokoll.filter("WARNING: ").size(), warnungen);
        for (const TTIAVERBEN &x : v) {
            QCOMPARE(x.Typ, x.Text.contains(" GGG ") ? 1 : 0);
            QCOMPARE(x.Geraete, (std::array<quint8, AnzahlGeraete>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
        }
        // Without "all verbs" a verb is offered where it may be dropped.
        IAStatus.AlleVerben = 0;
        Lies_Verbupload(zeilen, "up.VIA", v);
        for (const TTIAVERBEN &x : v)
            QCOMPARE(x.Geraete, x.Zulassung);
    }

    // Every master verb of the same text (any letter case, umlauts too) is
    // updated: surfaces added, a product icon taken, the counter reset.
    void merge()
    {
        TIAVERBEN master = Verben({{"Schäle ...", 3, {1}, 4},
                                   {"Backe ... bei GGG Grad", 7, {2, 5}, 3},
                                   {"SCHÄLE ...", 5, {2}, 6},
                                   {"Rühre ... um", 1, {0}, 9}});
        const TIAVERBEN upload = Verben({{"schäle ...", 30, {9}}, {"BACKE ... BEI GGG GRAD", 5, {5, 6}}, {"Würze ...", 2, {4}}});
        Fuehre_Verben_zusammen(master, upload);
        QCOMPARE(Beschreibe(master), (QStringList{"Schäle ...|30|1,9,|0", "Backe ... bei GGG Grad|7|2,5,6,|0",
                                                  "SCHÄLE ...|30|2,9,|0", "Rühre ... um|1|0,|9", "Würze ...|2|4,|0"}));
        QCOMPARE(Protokoll, (TString{"OK:      IAVerb ergänzt: Schäle ...", "OK:      IAVerb ergänzt: SCHÄLE ...",
                                     "OK:      IAVerb ergänzt: Backe ... bei GGG Grad", "OK:      Neues IAVerb: Würze ..."}));
    }

    // The run over an upload folder: LF-only and CR LF files are merged, a
    // file with a wrong header goes, a short one stays, other files are not
    // touched; both lists reach the master.
    void uploadRun()
    {
        testing::BaseFolder base;
        MasterTree tree(base);
        const QList<MasterVerb> neu{{"Würze ... mit Salz und Pfeffer aus der Mühle", 2, {4}},
                                    {"rühre ... um", 33, {7}},
                                    {"Knete ... gründlich durch, bis ein glatter Teig entsteht", 50, {1}}};
        base.writeBytes("UPLOAD/a.VIA", Verbdatei(neu).join('\n').toLatin1() + "\n");
        base.writeLines("UPLOAD/b.via",
                        Verbdatei({{"Brate ... scharf an, bis alles goldbraun und knusprig geworden ist, und wende es dabei mehrmals", 3, {2}}}));
        base.writeLines("UPLOAD/c.VIA", Verbdatei(neu).replaceInStrings("[IAVERBEN 2.00]", "[NOTIZEN]"));
        base.writeLines("UPLOAD/kurz.VIA", Verbdatei({{"Brühe", 1, {1}}}));
        base.writeLines("UPLOAD/liesmich.txt", {"x"});

        QVERIFY(Werte_Verbuploads_aus(tree.root(), Programmverzeichnis + "UPLOAD\\"));

        // Sorted before each merge, new verbs appended.
        QCOMPARE(base.readBytes(MasterTree::master("IAVariablenliste.hbr")), base.readBytes(MasterTree::local("IAVariablenliste.hbr")));
        QCOMPARE(Lade_IAVerben(Load), 0);
        QCOMPARE(Beschreibe(IAVERBEN),
                 (QStringList{"Backe ... bei GGG Grad|7|2,5,|3", "Koche ... für ZZZ Minuten|12|0,1,|0",
                              "Rühre ... um|33|0,7,|0", "Würze ... mit Salz und Pfeffer aus der Mühle|2|4,|0",
                              "Brate ... scharf an, bis alles goldbraun und knusprig geworden ist, und wende es dabei mehrmals|3|2,|0"}));
        const QStringList gesamt = tree.masterLines("IAVTotal_neu.hbr");
        QCOMPARE(gesamt.size(), 2 + 7);
        QCOMPARE(gesamt.filter("hre ... um", Qt::CaseInsensitive).size(), 1);
        for (const char *weg : {"a.VIA", "b.via", "c.VIA"})
            QVERIFY2(!base.exists(QString("UPLOAD/") + weg), weg);
        QVERIFY(base.exists("UPLOAD/kurz.VIA") && base.exists("UPLOAD/liesmich.txt"));
        QCOMPARE(Protokoll.filter("IAVerb abgelehnt").size(), 1);
    }

    // A master verb list that does not load: no upload is merged or deleted
    // and the master stays as it was.
    void uploadRunWithBrokenMaster()
    {
        testing::BaseFolder base;
        MasterTree tree(base);
        testing::ScriptedMessages meldungen;
        meldungen.allow("could not be read");
        QStringList kaputt = tree.masterLines("IAVariablenliste.hbr");
        kaputt[1] = "x";
        base.writeLines(MasterTree::master("IAVariablenliste.hbr"), kaputt);
        base.writeLines("UPLOAD/a.VIA", Verbdatei({{"Würze ... mit Salz und Pfeffer aus der Mühle", 2, {4}},
                                                   {"Brate ... scharf an", 3, {2}}}));
        QVERIFY(!Werte_Verbuploads_aus(tree.root(), Programmverzeichnis + "UPLOAD\\"));
        QVERIFY(base.exists("UPLOAD/a.VIA"));
        QCOMPARE(tree.masterLines("IAVariablenliste.hbr"), kaputt);
        QCOMPARE(tree.masterLines("IAVTotal_neu.hbr"), MasterTree::wholeListLines(MasterTree::wholeVerbList()));
    }

    // Of equal texts (any case) the last survives.
    void duplicates()
    {
        TIAVTotalliste l = Totalliste({"Rühre", "RÜHRE", "rühre", "Koche"});
        Entferne_doppelte_Verbtexte(l);
        QCOMPARE(Texte(l), (QStringList{"", "", "rühre", "Koche"}));
    }

    void search_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("gezeigt");
        const QStringList alle{"Brate ...", "Gieße Soße über ...", "Koche ...", "Sauce über ... gießen",
                               "Würze die Sosse ...", "backe ..."};
        QTest::newRow("empty: the whole list, sorted") << "" << alle;
        QTest::newRow("sauce in any spelling, beginning first")
            << "soße über" << QStringList{"Sauce über ... gießen", "Gieße Soße über ..."};
        QTest::newRow("folded and upper case") << "GIESSE" << QStringList{"Gieße Soße über ...", "Sauce über ... gießen"};
        QTest::newRow("every word must occur") << "sauce koche" << QStringList();
    }
    void search()
    {
        QFETCH(QString, eingabe);
        QFETCH(QStringList, gezeigt);
        TIAVTotalliste l = Totalliste({"Würze die Sosse ...", "Koche ...", "Sauce über ... gießen", "backe ...",
                                       "Gieße Soße über ...", "Brate ..."});
        QCOMPARE(Suche_in_Totalliste(l, eingabe), gezeigt);
        QCOMPARE(l.size(), 6);
    }

    // A text already in the list (any case) is refused; a refused one does
    // not block the next, and a list that holds duplicates still takes new
    // texts.
    void adding()
    {
        TIAVTotalliste l = Totalliste({"Rühre ...", "rühre ...", "Koche ..."});
        QVERIFY(!Fuege_Verbtext_hinzu(l, "RÜHRE ..."));
        QVERIFY(!Fuege_Verbtext_hinzu(l, "  "));
        QVERIFY(Fuege_Verbtext_hinzu(l, "Würze ..."));
        QVERIFY(Fuege_Verbtext_hinzu(l, "Brate ..."));
        QCOMPARE(Texte(l), (QStringList{"Rühre ...", "rühre ...", "Koche ...", "Würze ...", "Brate ..."}));
    }
};

QTEST_GUILESS_MAIN(TestVerblisten)
#include "tst_verblisten.moc"
