// The ingredient text conversion without a window: the check pass, the
// transfer pass and reading a pasted-text file.
#include <QtTest>

#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "reference/F_DigI.h"
#include "reference/Zutatentext.h"
#include "testing/Testing.h"

namespace {

TTZutatentotal Zutat(const QString &name)
{
    TTZutatentotal z;
    z.Zutatname = name;
    z.Status = 1;
    return z;
}

// A small units list with replacements and synonyms, and a small database.
void Grundzustand()
{
    GlobalSystemInit();
    GlobalVARInit();
    TTVariablenTotal &v = VariablenTotal[0];
    v.Einheiten = {"[piece of]", "[to taste]", "[tbsp]", "[ml]", "[g]", "[l]"};
    v.RICWerte = {"EL=1 tbsp", "no separator", "=orphan", "a=1", "1 handful=2 tbsp", "1 1/2=1.5"};
    v.RICDATA = {{"cup=ml", 250}, {"pint=l", 0.5}, {"ml=l", 0.001}, {"no separator", 9}};
    Zutatentotal = {Zutat("Flour"), Zutat("Eggs"), Zutat("Salt"), Zutat("Milk"), Zutat("Sugar"), Zutat("Nuts")};
}

} // namespace

class TestZutatentext : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        Grundzustand();
    }

    void pruefen_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("gefunden");
        QTest::newRow("digit and unit split") << "200g Flour" << "200 g Flour" << true;
        QTest::newRow("missing name marked") << "200g Mehl" << "200 g Mehl (?\?)" << false;
        QTest::newRow("tabs and blanks") << "\t200  g\tFlour  " << "200 g Flour" << true;
        QTest::newRow("unit lower case") << "2 TBSP Sugar" << "2 tbsp Sugar" << true;
        QTest::newRow("egg word") << "2 eggs" << "2 piece of eggs" << true;
        QTest::newRow("egg word once when missing") << "3 yolk" << "3 piece of yolk (?\?)" << false;
        QTest::newRow("egg word needs quantity") << "Egg" << "Egg (?\?)" << false;
        QTest::newRow("salt alone") << "salt" << "1 to taste salt" << true;
        QTest::newRow("salt keeps its unit") << "2 g salt" << "2 g salt" << true;
        QTest::newRow("range with factor") << "1-2 cup Milk" << "250-500 ml Milk" << true;
        QTest::newRow("synonyms chain") << "2 pint Milk" << "1 l Milk" << true;
        QTest::newRow("synonym only before a blank") << "2 cupcakes" << "2 cupcakes (?\?)" << false;
        QTest::newRow("replacement") << "EL Sugar" << "1 tbsp Sugar" << true;
        QTest::newRow("replacement needs a blank") << "ELBE Sugar" << "ELBE Sugar (?\?)" << false;
        QTest::newRow("replacements chain") << "a handful Nuts" << "2 tbsp Nuts" << true;
        QTest::newRow("fraction replaced") << "1 1/2 cup Milk" << "375 ml Milk" << true;
        QTest::newRow("unit not a word start") << "2 garlic cloves" << "2 garlic cloves (?\?)" << false;
        QTest::newRow("no name counts found") << "200 g" << "200 g" << true;
        QTest::newRow("comment passes") << "*** for the glaze ***" << "*** for the glaze ***" << true;
    }
    void pruefen()
    {
        QFETCH(QString, zeile);
        QFETCH(QString, ergebnis);
        QFETCH(bool, gefunden);
        const TZutatenpruefung p = Pruefe_Zutatenzeilen({zeile});
        QCOMPARE(p.Zeilen, QStringList{ergebnis});
        QCOMPARE((QList<int>{p.Gefunden, p.Nichtgefunden}), (QList<int>{gefunden ? 1 : 0, gefunden ? 0 : 1}));
        // a second pass changes nothing
        QCOMPARE(Pruefe_Zutatenzeilen(p.Zeilen).Zeilen, p.Zeilen);
    }

    void zaehlenUndLeerzeilen()
    {
        const QStringList zeilen{"200g Flour", "", "2 eggs", "  ", "salt", "1 l Milk", "Sugar", "Nuts",
                                 "2 g Salt", "Mehl", "Quark", "3 Kiwis"};
        const TZutatenpruefung p = Pruefe_Zutatenzeilen(zeilen);
        QCOMPARE(p.Zeilen.size(), 10);
        QCOMPARE(Pruefmeldung(p), "7 of 10 ingredients found! Units converted!");
        QCOMPARE(Pruefmeldung(Pruefe_Zutatenzeilen({})), "0 of 0 ingredients found! Units converted!");
    }

    void uebertragen_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("registriert");
        QTest::addColumn<QStringList>("verblieben");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("all well-formed")
            << QStringList{"200 g Flour", "", "Salt", "*** glaze ***", "2 g Mehl (?\?)"}
            << QStringList{"200 g Flour", "Salt", "*** glaze ***", "2 g Mehl (?\?)"} << QStringList{} << "";
        QTest::newRow("quantity without unit")
            << QStringList{"200 g Flour", "3 Kiwis", "g Sugar", "2 tbsp Sugar"}
            << QStringList{"200 g Flour", "2 tbsp Sugar"} << QStringList{"3 Kiwis", "g Sugar"}
            << "3 Kiwis (unit is incorrect!)";
        QTest::newRow("unit without quantity") << QStringList{"g\tSugar", "200g Flour"} << QStringList{"200 g Flour"}
                                               << QStringList{"g Sugar"} << "g Sugar (quantity is incorrect!)";
    }
    void uebertragen()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, registriert);
        QFETCH(QStringList, verblieben);
        QFETCH(QString, meldung);
        const TZutatenuebertragung u = Uebertrage_Zutatenzeilen(zeilen);
        QCOMPARE(u.Registriert, registriert);
        QCOMPARE(u.Verblieben, verblieben);
        QCOMPARE(u.Meldung, meldung);
    }

    // A line without quantity takes the database name alone.
    void zuordnen() { QCOMPARE(Zugeordnete_Zeile("Mehl (?\?)", "Flour"), "Flour"); }

    void textdatei_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("utf-8") << QByteArray("200 g Cr\xC3\xA8me fra\xC3\xAE" "che\r\n2 Eier\r\n")
                               << QStringList{"200 g Crème fraîche", "2 Eier"};
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF" "1 K\xC3\xA4" "se\n2 x")
                                         << QStringList{"1 Käse", "2 x"};
        QTest::newRow("windows-1252") << QByteArray("200 g Cr\xE8" "me\r1 K\xE4" "se\x80") << QStringList{"200 g Crème", "1 Käse€"};
    }
    void textdatei()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, zeilen);
        QCOMPARE(Lies_Textdatei_Zeilen(bytes), zeilen);
    }
};

QTEST_MAIN(TestZutatentext)
#include "tst_zutatentext.moc"
