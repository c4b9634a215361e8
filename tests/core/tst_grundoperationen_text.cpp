// Text clean-up, letter folding, search words, digit separation.
#include "core/Grundoperationen.h"
#include "testing/Testing.h"

class TestGrundoperationenText : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void bereinigen_data()
    {
        QTest::addColumn<int>("routine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("double blanks") << 0 << "a  b     c" << "a b c";
        QTest::newRow("double commas") << 1 << "a,,b,,,,c" << "a,b,c";
        QTest::newRow("tabs") << 2 << "a\tb\t\tc" << "a b  c";
        QTest::newRow("all blanks") << 3 << " a b  c " << "abc";
        QTest::newRow("leading blanks") << 4 << "   a b " << "a b ";
        QTest::newRow("trailing blanks") << 5 << " a b   " << " a b";
        QTest::newRow("only blanks, leading") << 4 << "   " << "";
        QTest::newRow("only blanks, trailing") << 5 << "   " << "";
        for (int r = 0; r < 6; ++r)
            QTest::addRow("empty %d", r) << r << "" << "";
    }
    void bereinigen()
    {
        QFETCH(int, routine);
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        void (*const routinen[])(QString &) = {Entferne_doppelte_Leerzeichen, Entferne_doppelte_Kommas,
                                               Ersetze_Tabulatoren, Entferne_alle_Leerzeichen,
                                               Entferne_fuehrende_Leerzeichen, Entferne_endende_Leerzeichen};
        routinen[routine](text);
        QCOMPARE(text, ergebnis);
    }

    void sonderbuchstaben_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("sharp s") << "Soße" << "Sosse";
        QTest::newRow("accents") << "crème brûlée à la île" << "creme brulee a la ile";
        QTest::newRow("capitals") << "ÀÁÂÈÉÎÔÛ" << "AAAEEIOU";
        QTest::newRow("umlauts stay") << "Käse Öl Müsli" << "Käse Öl Müsli";
        QTest::newRow("others stay") << "jalapeño" << "jalapeño";
    }
    void sonderbuchstaben()
    {
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        Ersetze_Sonderbuchstaben(text);
        QCOMPARE(text, ergebnis);
    }

    void suchbegriffe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sossen");
        QTest::addColumn<bool>("gross");
        QTest::addColumn<bool>("falten");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<int>("modus");
        QTest::newRow("empty") << "" << true << true << true << QStringList() << 0;
        QTest::newRow("two words") << "a b" << false << false << false << QStringList{"a", "b"} << 0;
        QTest::newRow("leading blank") << " a" << false << false << false << QStringList{"", "a"} << 0;
        QTest::newRow("double blank") << "a  b" << false << false << false << QStringList{"a", "", "b"} << 0;
        QTest::newRow("trailing blank") << "a " << false << false << false << QStringList{"a"} << 0;
        QTest::newRow("fold and upper") << "Soße crème" << false << true << true << QStringList{"SOSSE", "CREME"} << 0;
        QTest::newRow("code-page upper keeps sharp s") << "straße ÿ" << false << true << false
                                                      << QStringList{"STRAßE", "Ÿ"} << 0;
        QTest::newRow("sauce expanded") << "tomato sauce" << true << false << false
                                        << QStringList{"tomato", "sauce", "sosse", "soße"} << 2;
        QTest::newRow("sosse in capitals") << "SOSSE hot" << true << false << false
                                           << QStringList{"SOSSE", "hot", "sauce", "soße"} << 2;
        QTest::newRow("soße folded and upper") << "Soße" << true << true << true
                                               << QStringList{"SOSSE", "SAUCE", "SOSSE"} << 2;
        QTest::newRow("saucepan is no sauce") << "saucepan" << true << false << false << QStringList{"saucepan"} << 0;
        QTest::newRow("expansion off") << "sauce" << false << false << false << QStringList{"sauce"} << 0;
    }
    void suchbegriffe()
    {
        QFETCH(QString, text);
        QFETCH(bool, sossen);
        QFETCH(bool, gross);
        QFETCH(bool, falten);
        QFETCH(QStringList, woerter);
        QFETCH(int, modus);
        qint32 m = 9;
        TString w{QStringLiteral("old")};
        Zerlege_Suchbegriffe(text, sossen, m, w, gross, falten);
        QCOMPARE(w, woerter);
        QCOMPARE(m, modus);
    }

    void zifferUndBuchstabe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("nurErste");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("grams") << "200g flour" << true << "200 g flour";
        QTest::newRow("first only") << "2x3y" << true << "2 x3y";
        QTest::newRow("every place") << "2x3y" << false << "2 x3 y";
        QTest::newRow("decimal comma") << "1,5kg" << true << "1,5 kg";
        QTest::newRow("decimal point") << "2.5l" << true << "2.5 l";
        QTest::newRow("range") << "2-3tbsp" << true << "2-3 tbsp";
        QTest::newRow("fraction") << "1/2cup" << true << "1/2 cup";
        QTest::newRow("already apart") << "200 g" << false << "200 g";
        QTest::newRow("digit at end") << "g2" << false << "g2";
        QTest::newRow("empty") << "" << false << "";
    }
    void zifferUndBuchstabe()
    {
        QFETCH(QString, text);
        QFETCH(bool, nurErste);
        QFETCH(QString, ergebnis);
        Trenne_Ziffer_und_Buchstabe(text, nurErste);
        QCOMPARE(text, ergebnis);
    }

    void ersterBuchstabe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("plain") << "salt and pepper" << "Salt and pepper";
        QTest::newRow("accent") << "éclair" << "Éclair";
        QTest::newRow("sharp s stays") << "ßx" << "ßx";
        QTest::newRow("y diaeresis") << "ÿ" << "Ÿ";
        QTest::newRow("empty") << "" << "";
    }
    void ersterBuchstabe()
    {
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        QCOMPARE(Setze_ersten_Buchstaben_gross(text), ergebnis);
    }
};

QTEST_MAIN(TestGrundoperationenText)
#include "tst_grundoperationen_text.moc"
