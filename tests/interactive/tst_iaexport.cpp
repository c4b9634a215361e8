#include <QDir>
#include <QTemporaryDir>

#include "KuecheFixtures.h"
#include "interactive/IADatei.h"
#include "interactive/IAExport.h"
#include "interactive/IAModell.h"

using namespace kueche;

namespace {

const QString Index = u"PRGDATA\\ENG\\RMListe.hbr"_s;

TTIAZutatenliste mitGeraeten(TTIAZutatenliste z, std::array<qint32, 5> geraete)
{
    z.Geraete = geraete;
    return z;
}

// Potatoes were on the pot and then the pan; the onion on the board, the
// bowl, the tray, the fridge and the freezer; the salt was seasoned twice
// (1 and 2 pinches, another line in between); the sauce is a product and an
// item whose ingredient is gone was on the oven.
void kochen()
{
    neueKueche({mitGeraeten(zutat(u"Kartoffeln"_s, -1, 0, u"500"_s, u"g"_s), {-1, -1, -1, 1, 3}),
                mitGeraeten(zutat(u"Zwiebel"_s, 1, 0, u"1"_s, u"Stück"_s), {0, 2, 7, 13, 14}),
                mitGeraeten(zutat(u"Salz"_s, 0, 1, {}, u"Prise(n)"_s), {-1, -1, -1, -1, 1}),
                mitGeraeten(zutat(u"Die Sauce ..."_s, 1, 0, u"1"_s, u"Portion(en)"_s), {-1, -1, -1, -1, 3}),
                mitGeraeten(zutat(u"Weg"_s, 1, 0, u"2"_s, u"g"_s), {-1, -1, -1, -1, 11})});
    IARezepttext = {{1, u"Kartoffeln"_s, u"Prise(n)"_s, u"2"_s, u"Salz"_s, u"Kartoffeln mit 2 Prisen Salz würzen."_s},
                    {0, {}, {}, {}, {}, u"Kartoffeln schälen."_s},
                    {1, u"Zwiebel"_s, u"Prise(n)"_s, u"1"_s, u"Salz"_s, u"Zwiebel mit 1 Prise Salz würzen."_s}};
    IADateiname = u"Testrezept.IAK"_s;
    QVERIFY(Lade_Zutaten(Load | Alle));
}

QStringList zutatenzeilen(const TTARezeptzutat &zutaten)
{
    QStringList z;
    for (const TTRezeptzutat &e : zutaten)
        z << e.Menge + u'|' + e.Einheit + u'|' + e.Name;
    return z;
}

} // namespace

class TestIAExport : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init()
    {
        beginne();
        schreibeDatenbank(*base);
        kochen();
    }
    void cleanup() { beende(); }

    // The recipe from the kitchen: ingredients of the database (not the
    // product, not the lost one), the seasonings summed, each device's
    // caption once, the sentences in cooking order. Exporting twice gives
    // the same recipe and leaves the kitchen and its own file alone.
    void exportBuildsTheRecipe()
    {
        TTIAExportdialog d;
        QVERIFY(Bereite_IAExport_vor(d));
        const TTAIAZutatenliste vorher = IAZutaten();
        for (int mal = 0; mal < 2; ++mal) {
            QVERIFY(Exportiere_IARezept(Programmverzeichnis + u"Recipes\\Testrezept"_s, true));
            const TTRezepteTotal &r = *IARezept();
            QCOMPARE(r.Kochgeraete, u"cooking pot,skillet,refrigerator,baking oven,"_s);
            QCOMPARE(zutatenzeilen(r.Zutaten), (QStringList{u"500|g|Kartoffeln"_s, u"1|Stück|Zwiebel"_s, u"3|Prise(n)|Salz"_s}));
            QCOMPARE(r.Rezeptliste, (QStringList{u"Zwiebel mit 1 Prise Salz würzen."_s, u"Kartoffeln schälen."_s,
                                                 u"Kartoffeln mit 2 Prisen Salz würzen."_s}));
        }
        QCOMPARE(IAZutaten().size(), vorher.size());
        QCOMPARE(IAZutaten()[2].Menge, QString());

        QVERIFY(base->readLines(Index).contains(u"Recipes\\Testrezept.KRP"_s));

        QVERIFY(Speichere_IARezept());
        QVERIFY(base->exists(u"Recipes\\IAKochen\\Testrezept.IAK"_s));
    }

    void withoutLinesSpicesHaveNoUnit()
    {
        TTARezeptzutat zutaten;
        TTAZutatenliste liste;
        Exportzutaten(IAZutaten(), {}, zutaten, liste);
        QCOMPARE(zutatenzeilen(zutaten).last(), u"||Salz"_s);
    }

    void chosenExtension_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("datei");
        QTest::newRow("in another case") << u"Suppe.krp"_s << u"Suppe.krp"_s;
        QTest::newRow("another one") << u"Suppe.txt"_s << u"Suppe.txt.KRP"_s;
    }
    void chosenExtension()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, datei);
        TTIAExportdialog d;
        QVERIFY(Bereite_IAExport_vor(d));
        QVERIFY(Exportiere_IARezept(Programmverzeichnis + u"Recipes\\"_s + gewaehlt, false));
        QVERIFY(base->exists(u"Recipes\\"_s + datei));
        QCOMPARE(Ermittle_Dateiname(IARezept()->Dateiname), datei);
    }

    // Another recipe names the file: refused unless the user agreed to
    // replace it.
    void exportingAgainReplacesWithConsent()
    {
        base->writeLines(u"Recipes\\Testrezept.KRP"_s, rezept(u"Alt"_s));
        TTRezepteTotal alt;
        alt.Rezeptname = u"Alt"_s;
        alt.Dateiname = Programmverzeichnis + u"Recipes\\Testrezept.KRP"_s;
        RezepteTotal.prepend(alt);
        AktuellesRezept = 1;
        TTIAExportdialog d;
        QVERIFY(Bereite_IAExport_vor(d));
        messages->expect(u"already uses the file"_s);
        QVERIFY(!Exportiere_IARezept(Programmverzeichnis + u"Recipes\\Testrezept.KRP"_s, false));
        QCOMPARE(base->readLines(u"Recipes\\Testrezept.KRP"_s)[2], u"Alt"_s);
        QVERIFY(Exportiere_IARezept(Programmverzeichnis + u"Recipes\\Testrezept.KRP"_s, true));
        QCOMPARE(base->readLines(u"Recipes\\Testrezept.KRP"_s)[2], u"Testrezept"_s);
    }

    // A recipe exported to another folder is in the overview after a restart;
    // from outside the base folder the index takes nothing but recipe files.
    void exportOutsideTheBaseFolder()
    {
        QTemporaryDir aussen;
        QVERIFY(aussen.isValid());
        const QString ziel = aussen.path() + u"/Suppe.KRP"_s;
        TTIAExportdialog d;
        QVERIFY(Bereite_IAExport_vor(d));
        QVERIFY(Exportiere_IARezept(ziel, false));
        QVERIFY(base->readLines(Index).contains(ziel));

        QFile geheim(aussen.path() + u"/geheim.txt"_s);
        QVERIFY(geheim.open(QIODevice::WriteOnly));
        geheim.close();
        base->writeLines(Index, index({{ziel, u"Testrezept"_s}, {geheim.fileName(), u"X"_s},
                                       {aussen.path() + u"/fehlt.KRP"_s, u"X"_s}, {u"../../etc/passwd"_s, u"X"_s}}));

        GlobalVARInit();
        QVERIFY(Lade_RezeptdateiManager(Load));
        QVERIFY(Lade_Rezepte(Load, -1));
        QStringList dateien;
        for (const TTRezepteTotal &r : RezepteTotal)
            dateien << r.Dateiname;
        QCOMPARE(dateien, QStringList{ziel});
        QCOMPARE(RezepteTotal[0].Rezeptname, u"Testrezept"_s);
        QCOMPARE(zutatenzeilen(RezepteTotal[0].Zutaten).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestIAExport)
#include "tst_iaexport.moc"
