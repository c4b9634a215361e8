#include "testing/Testing.h"

#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "internet/Rezeptdownload.h"
#include "internet/Wertdatei.h"
#include "mastering/Rezeptindex.h"

// The recipe download index as the release tool writes it, read back by the
// program's recipe download reader.

namespace {
TRecipetype Lies_wie_Download(const TString &index)
{
    TRecipetype liste;
    Lies_Rezeptliste(GetValueInt(QStringLiteral("COUNTRECIPES"), index), index, liste, false);
    return liste;
}

TTRezepteTotal Rezept(const QString &name, const QString &datei, const QString &bemerkung = {},
                      const QString &anleitung = {}, const QStringList &kurzinfo = {})
{
    TTRezepteTotal r;
    r.Rezeptname = name;
    r.Dateiname = Programmverzeichnis + QStringLiteral("Recipes\\") + datei;
    r.Bemerkungsdatei = bemerkung;
    r.Anleitungsdatei = anleitung;
    r.Rezeptkurzinfo = kurzinfo;
    return r;
}

QStringList Block(int i, const QString &name, const QStringList &innen = {"RECIPETEXTBEGIN=", " ", "RECIPETEXTEND="})
{
    return QStringList{"RECIPE=" + QString::number(i), "DOWNLOADSIZEKB=1", "RECIPENAME=" + name, "RECIPEFILE=" + name}
           + innen + QStringList{"RECIPEEND" + QString::number(i) + "="};
}
} // namespace

class TestRezeptindex : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TWS_Grundwerte(); }
    void init() { testing::failOnWarnings(); }

    // Sizes count every file as bytes div 1024 + 1, side files only when
    // named (or present under the default name).
    void blockFiles()
    {
        const struct {
            int rezept, bemerkung, kb;
            QStringList dateien;
        } faelle[] = {{1024, -1, 2, {"Pasta.KRP", "", ""}},
                      {1023, -1, 1, {"Pasta.KRP", "", ""}},
                      {100, 2048, 4, {"Pasta.KRP", "Pasta.KRP.BRT", ""}}}; // the default name present
        for (const auto &f : faelle) {
            testing::BaseFolder base;
            base.writeBytes("Recipes/Pasta.KRP", QByteArray(f.rezept, 'x'));
            if (f.bemerkung >= 0)
                base.writeBytes("Recipes/Pasta.KRP.BRT", QByteArray(f.bemerkung, 'b'));
            TString index, speicherliste;
            Fuege_Rezeptbloecke_an(index, {Rezept("Pasta", "Pasta.KRP")}, speicherliste);
            const TRecipetype gelesen = Lies_wie_Download(index);
            QCOMPARE(gelesen.size(), 1);
            QCOMPARE(gelesen[0].GroesseKB, f.kb);
            QCOMPARE(gelesen[0].Dateien, f.dateien);
            QCOMPARE(speicherliste.size(), 1 + (f.bemerkung >= 0));
        }
    }

    // Blocks continue the numbering of the index and the count follows;
    // an index without a count line gets one, an empty one its header too.
    void numbering_data()
    {
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<int>("erster");
        QTest::newRow("count 3") << QStringList{"[TWS 2.X]", "TWSRECIPESVERSION=4", "COUNTRECIPES=3"}
                                 << QStringList{"[TWS 2.X]", "TWSRECIPESVERSION=4", "COUNTRECIPES=5"} << 3;
        QTest::newRow("no count line") << QStringList{"[TWS 2.X]", "TWSRECIPESVERSION=4"}
                                       << QStringList{"[TWS 2.X]", "COUNTRECIPES=2", "TWSRECIPESVERSION=4"} << 0;
        QTest::newRow("empty index") << QStringList{} << QStringList{"[TWS 2.X]", "COUNTRECIPES=2"} << 0;
        QTest::newRow("every count line") << QStringList{"[TWS 2.X]", "COUNTRECIPES=1", "; note", "COUNTRECIPES=1"}
                                          << QStringList{"[TWS 2.X]", "COUNTRECIPES=3", "; note", "COUNTRECIPES=3"}
                                          << 1;
    }
    void numbering()
    {
        QFETCH(QStringList, index);
        QFETCH(QStringList, kopf);
        QFETCH(int, erster);
        testing::BaseFolder base;
        TString speicherliste;
        Fuege_Rezeptbloecke_an(index, {Rezept("A", "A.KRP"), Rezept("B", "B.KRP")}, speicherliste);
        QCOMPARE(index.mid(0, kopf.size()), kopf);
        QCOMPARE(index.filter(QRegularExpression("^RECIPE=")),
                 (QStringList{"RECIPE=" + QString::number(erster), "RECIPE=" + QString::number(erster + 1)}));
        QVERIFY(index.contains("RECIPEEND" + QString::number(erster + 1) + "="));
    }

    // Twelve recipes: blocks 1 and 10 are told apart, every field comes back
    // (one blank line for a recipe without a short description), and a named
    // side file the recipe lacks still counts and is listed for the upload.
    void roundTrip()
    {
        testing::BaseFolder base;
        QList<TTRezepteTotal> rezepte;
        for (int i = 0; i < 12; ++i) {
            const QString name = QString("Recipe %1").arg(i);
            base.writeBytes("Recipes/" + name + ".KRP", QByteArray(1024 * i, 'x'));
            rezepte << Rezept(name, name + ".KRP", i % 2 ? name + ".KRP.BRT" : "", "",
                              i % 3 ? QStringList{"Line of " + name, "RECIPE=1 is text here"} : QStringList{});
        }
        TString index{"[TWS 2.X]", "TWSRECIPESVERSION=1", "COUNTRECIPES=0"};
        TString speicherliste;
        Fuege_Rezeptbloecke_an(index, rezepte, speicherliste);
        QCOMPARE(speicherliste.size(), 12 + 6);
        const TRecipetype gelesen = Lies_wie_Download(index);
        QCOMPARE(gelesen.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(gelesen[i].Name, rezepte[i].Rezeptname);
            QCOMPARE(gelesen[i].GroesseKB, i + 1 + (i % 2));
            QCOMPARE(gelesen[i].Dateien, (QStringList{rezepte[i].Rezeptname + ".KRP", rezepte[i].Bemerkungsdatei, ""}));
            QCOMPARE(gelesen[i].Text, rezepte[i].Rezeptkurzinfo.isEmpty() ? QStringList{" "} : rezepte[i].Rezeptkurzinfo);
        }
        // The end lines let the editor take every block out again.
        Entferne_Rezeptbloecke(index);
        QCOMPARE(index, (TString{"[TWS 2.X]", "TWSRECIPESVERSION=1", "COUNTRECIPES=0"}));
    }

    // Removing takes every block whole, whatever its number, and only the
    // blocks; the count becomes 0.
    void removing_data()
    {
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QStringList>("danach");
        const QStringList kopf{"[TWS 2.X]", "TWSRECIPESVERSION=9", "COUNTRECIPES=2", "; Rezepte"};
        const QStringList leer{"[TWS 2.X]", "TWSRECIPESVERSION=9", "COUNTRECIPES=0", "; Rezepte"};
        QTest::newRow("block 1 without its end, block 10 after it")
            << kopf + Block(1, "B").mid(0, 5) + Block(10, "K") + QStringList{"; Ende"} << leer + QStringList{"; Ende"};
        QTest::newRow("cut short before a key line")
            << kopf + Block(0, "A").mid(0, 3) + QStringList{"TWSRECIPESVERSION=3", "; Ende"}
            << leer + QStringList{"TWSRECIPESVERSION=3", "; Ende"};
        QTest::newRow("no count line") << QStringList{"[TWS 2.X]"} + Block(0, "A")
                                       << QStringList{"[TWS 2.X]", "COUNTRECIPES=0"};
    }
    void removing()
    {
        QFETCH(QStringList, index);
        QFETCH(QStringList, danach);
        Entferne_Rezeptbloecke(index);
        QCOMPARE(index, danach);
    }
};

QTEST_GUILESS_MAIN(TestRezeptindex)
#include "tst_rezeptindex.moc"
