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
    // named (or present under the default name); the RECIPEFILE lines stay
    // even for a side file the recipe lacks.
    void blockFiles_data()
    {
        QTest::addColumn<int>("rezept");
        QTest::addColumn<int>("bemerkung"); // bytes; -1 no such file
        QTest::addColumn<int>("anleitung");
        QTest::addColumn<bool>("benannt");  // side files named in the record
        QTest::addColumn<int>("kb");
        QTest::addColumn<QStringList>("dateien");
        QTest::newRow("1024 bytes, no side files") << 1024 << -1 << -1 << false << 2
                                                   << QStringList{"Pasta.KRP", "", ""};
        QTest::newRow("1023 bytes") << 1023 << -1 << -1 << false << 1 << QStringList{"Pasta.KRP", "", ""};
        QTest::newRow("named side file missing") << 100 << -1 << -1 << true << 3
                                                 << QStringList{"Pasta.KRP", "Pasta.KRP.BRT", "Pasta.KRP.RRT"};
        QTest::newRow("default names present") << 100 << 2048 << -1 << false << 4
                                               << QStringList{"Pasta.KRP", "Pasta.KRP.BRT", ""};
    }
    void blockFiles()
    {
        QFETCH(int, rezept);
        QFETCH(int, bemerkung);
        QFETCH(int, anleitung);
        QFETCH(bool, benannt);
        QFETCH(int, kb);
        QFETCH(QStringList, dateien);
        testing::BaseFolder base;
        base.writeBytes("Recipes/Pasta.KRP", QByteArray(rezept, 'x'));
        if (bemerkung >= 0)
            base.writeBytes("Recipes/Pasta.KRP.BRT", QByteArray(bemerkung, 'b'));
        if (anleitung >= 0)
            base.writeBytes("Recipes/Pasta.KRP.RRT", QByteArray(anleitung, 'a'));
        const TTRezepteTotal r = benannt ? Rezept("Pasta", "Pasta.KRP", "Pasta.KRP.BRT", "Pasta.KRP.RRT")
                                         : Rezept("Pasta", "Pasta.KRP");
        TString index, speicherliste;
        Fuege_Rezeptbloecke_an(index, {r}, speicherliste);
        const TRecipetype gelesen = Lies_wie_Download(index);
        QCOMPARE(gelesen.size(), 1);
        QCOMPARE(gelesen[0].GroesseKB, kb);
        QCOMPARE(gelesen[0].Dateien, dateien);
        QCOMPARE(speicherliste.size(), benannt ? 3 : 1 + (bemerkung >= 0) + (anleitung >= 0));
        QCOMPARE(speicherliste.first(), r.Dateiname);
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
    // (one blank line for a recipe without a short description).
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
        QStringList elf = kopf;
        for (int i = 0; i <= 10; ++i)
            elf += Block(i, QString::number(i));
        QTest::newRow("RECIPE=1 against RECIPE=10") << elf << leer;
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
