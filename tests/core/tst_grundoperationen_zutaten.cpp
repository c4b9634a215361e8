// Ingredient lines: lookup, splitting into quantity, unit and name, joining,
// plural markers and the recipe-text normaliser.
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "testing/Testing.h"

namespace {
void neueZutat(const QString &name, qint32 kategorie)
{
    Zutatentotal.append(TTZutatentotal());
    Zutatentotal.last().Zutatname = name;
    Zutatentotal.last().Kategorie = kategorie;
}
} // namespace

class TestGrundoperationenZutaten : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit(); // leaves one empty placeholder record
        VariablenTotal[0].Einheiten = QStringLiteral("[]|[clove(s)]|[cup]|[g]|[heaped tbsp]|[kg]|[l]|[piece of]|[piece]"
                                                     "|[pinch]|[Stück]|[tbsp]|[to taste]")
                                          .split(QLatin1Char('|'));
        neueZutat(QStringLiteral("Salt"), 8);
        neueZutat(QStringLiteral("Cup cakes"), 10);
        neueZutat(QStringLiteral("Weißwurst"), 0);
        neueZutat(QStringLiteral("salt"), 5);
    }

    void sucheZutat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<int>("index");
        QTest::newRow("any category, upper case") << "SALT" << -1 << 1;
        QTest::newRow("category must match") << "salt" << 5 << 4;
        QTest::newRow("no such category") << "Salt" << 3 << -1;
        QTest::newRow("code page keeps sharp s") << "WEIßWURST" << -1 << 3;
        QTest::newRow("no SS for sharp s") << "WEISSWURST" << -1 << -1;
        QTest::newRow("empty never matches the placeholder") << "" << -1 << -1;
    }
    void sucheZutat()
    {
        QFETCH(QString, name);
        QFETCH(int, kategorie);
        QFETCH(int, index);
        QCOMPARE(Suche_Zutat(name, kategorie), index);
    }

    void zerlege_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("ohneGross");
        QTest::addColumn<QString>("teile"); // quantity|unit|name
        QTest::newRow("full line") << "200 g flour" << true << "200|g|flour";
        QTest::newRow("unit needs a blank after it") << "2 garlic cloves" << true << "2||garlic cloves";
        QTest::newRow("case kept") << "2 G flour" << false << "2||G flour";
        QTest::newRow("case ignored") << "2 G flour" << true << "2|g|flour";
        QTest::newRow("code-page case") << "1 STÜCK butter" << true << "1|Stück|butter";
        QTest::newRow("range") << "2-3 tbsp sugar" << true << "2-3|tbsp|sugar";
        QTest::newRow("decimal comma") << "1,5 kg potatoes" << true << "1,5|kg|potatoes";
        QTest::newRow("whole number and fraction") << "2 1/2 tbsp brown sugar" << true << "2 1/2|tbsp|brown sugar";
        QTest::newRow("fraction sign after a number") << "1 ½ cup milk" << true << "1 ½|cup|milk";
        QTest::newRow("fraction alone") << "3/4 cup water" << true << "3/4|cup|water";
        QTest::newRow("no fraction over 0") << "2 1/0 cup water" << true << "2||1/0 cup water";
        QTest::newRow("fraction only after a whole number") << "1,5 1/2 cup" << true << "1,5||1/2 cup";
        QTest::newRow("longer unit first") << "2 piece of cake" << true << "2|piece of|cake";
        QTest::newRow("unit with blank") << "1 heaped tbsp salt" << true << "1|heaped tbsp|salt";
        QTest::newRow("unit without quantity") << "pinch of salt" << true << "|pinch|of salt";
        QTest::newRow("hyphenated word is no quantity") << "low-fat yogurt" << true << "||low-fat yogurt";
        QTest::newRow("known ingredient whole") << "cup cakes" << true << "||cup cakes";
        QTest::newRow("blanks") << "  3   cup   water  " << true << "3|cup|water";
        QTest::newRow("empty") << "" << true << "||";
        QTest::newRow("garbage number") << "1e400 g" << true << "||1e400 g";
    }
    void zerlege()
    {
        QFETCH(QString, zeile);
        QFETCH(bool, ohneGross);
        QFETCH(QString, teile);
        QString m = QStringLiteral("x"), e = QStringLiteral("x"), n = QStringLiteral("x");
        Zerlege_Zutatenstring(zeile, m, e, ohneGross, n);
        QCOMPARE(m + QLatin1Char('|') + e + QLatin1Char('|') + n, teile);
        // Joining the parts gives the line back, blanks cleaned, unit as listed.
        if (!n.isEmpty()) {
            QString sauber = zeile.trimmed();
            Entferne_doppelte_Leerzeichen(sauber);
            QCOMPARE(platform::upperCase(Verbinde_Zutatenstring(m, e, n)), platform::upperCase(sauber));
        }
        // The line may be the variable that gets the name.
        QString zeileUndName = zeile;
        Zerlege_Zutatenstring(zeileUndName, m, e, ohneGross, zeileUndName);
        QCOMPARE(zeileUndName, n);
    }

    void zerlegeOhneEinheitenliste()
    {
        VariablenTotal.clear();
        Zutatentotal.clear();
        QString m, e, n;
        Zerlege_Zutatenstring(QStringLiteral("2 g flour"), m, e, true, n);
        QCOMPARE(QStringList({m, e, n}), QStringList({"2", "", "g flour"}));
    }

    // The editor's quantity box typed with the unit already chosen beside it.
    void mengeOhneEinheit_data()
    {
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("einheit");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("unit after a blank") << " 200 G " << "g" << "200";
        QTest::newRow("unit glued, range") << "1-2g" << "g" << "1-2";
        QTest::newRow("unit with full stop") << "1 1/2 tbsp." << "tbsp" << "1 1/2";
        QTest::newRow("no quantity before it") << "Ball" << "l" << "Ball";
        QTest::newRow("only the unit") << "g" << "g" << "g";
        QTest::newRow("other unit") << "2 cups" << "cup" << "2 cups";
    }
    void mengeOhneEinheit()
    {
        QFETCH(QString, menge);
        QFETCH(QString, einheit);
        QFETCH(QString, ergebnis);
        QCOMPARE(Menge_ohne_Einheit(menge, einheit), ergebnis);
    }

    void verbinde_data()
    {
        QTest::addColumn<QString>("teile"); // quantity|unit|name
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("plural");
        QTest::newRow("all parts") << "2|Portion(en)|Tomate(n)" << "2 Portion(en) Tomate(n)" << "2 Portionen Tomaten";
        QTest::newRow("one") << "1|Portion(en)|Tomate(n)" << "1 Portion(en) Tomate(n)" << "1 Portion Tomate";
        QTest::newRow("half is plural") << "0,5||Zwiebel(n)" << "0,5 Zwiebel(n)" << "0,5 Zwiebeln";
        QTest::newRow("range is plural") << "1-2||Hund(e)" << "1-2 Hund(e)" << "1-2 Hunde";
        QTest::newRow("no quantity") << "||Zwiebel(n)" << "Zwiebel(n)" << "Zwiebel";
        QTest::newRow("no name") << "2|g|" << "2 g " << "2 g";
    }
    void verbinde()
    {
        QFETCH(QString, teile);
        QFETCH(QString, zeile);
        QFETCH(QString, plural);
        const QStringList t = teile.split(QLatin1Char('|'));
        QCOMPARE(Verbinde_Zutatenstring(t[0], t[1], t[2]), zeile);
        QCOMPARE(Setze_Pluralformen(t[0], t[1], t[2]), plural);
    }

    void zutatenname_data()
    {
        QTest::addColumn<bool>("rezepttext");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        const QString &m1 = Markennamen[1];
        QTest::newRow("brand word") << true << m1 + " Butter" << "Butter";
        QTest::newRow("generic word stays") << true << Markennamen[0] + " Butter" << Markennamen[0] + " Butter";
        QTest::newRow("brand glued to word stays") << true << m1 + "butter" << m1 + "butter";
        QTest::newRow("markers and can") << true << "Tomate(n) (Dose) geschält" << "Tomaten geschält";
        QTest::newRow("hyphen spaced") << true << "Salt-Pepper" << "Salt - Pepper";
        QTest::newRow("blanks") << true << " a  b  " << " a b";
        QTest::newRow("hyphen joined") << false << "Salt - Pepper  mix " << "Salt-Pepper mix";
        QTest::newRow("empty") << true << "" << "";
    }
    void zutatenname()
    {
        QFETCH(bool, rezepttext);
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        QCOMPARE(Formatiere_Zutatenname(rezepttext, text), ergebnis);
    }
};

QTEST_GUILESS_MAIN(TestGrundoperationenZutaten)
#include "tst_grundoperationen_zutaten.moc"
