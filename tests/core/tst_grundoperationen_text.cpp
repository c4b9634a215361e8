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
        QTest::newRow("trailing blanks") << 5 << "   " << "";
        QTest::newRow("sharp s folded") << 6 << "Soße" << "Sosse";
        QTest::newRow("accents folded") << 6 << "crème brûlée À LA ÎLE" << "creme brulee A LA ILE";
        QTest::newRow("umlauts not folded") << 6 << "Käse Öl ñ" << "Käse Öl ñ";
        QTest::newRow("digit and unit") << 7 << "200g flour, 1,5kg 2-3tbsp 1/2cup" << "200 g flour, 1,5 kg 2-3 tbsp 1/2 cup";
        QTest::newRow("only first place") << 8 << "2x3y" << "2 x3y";
        QTest::newRow("digit at end") << 7 << "g2" << "g2";
        QTest::newRow("first letter up, code page") << 9 << "éclair" << "Éclair";
        QTest::newRow("first letter sharp s stays") << 9 << "ßx" << "ßx";
        for (int r = 0; r <= 9; ++r)
            QTest::addRow("empty %d", r) << r << "" << "";
    }
    void bereinigen()
    {
        QFETCH(int, routine);
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        void (*const routinen[])(QString &) = {
            Entferne_doppelte_Leerzeichen, Entferne_doppelte_Kommas,     Ersetze_Tabulatoren,
            Entferne_alle_Leerzeichen,     Entferne_fuehrende_Leerzeichen, Entferne_endende_Leerzeichen,
            Ersetze_Sonderbuchstaben,
            [](QString &t) { Trenne_Ziffer_und_Buchstabe(t, false); },
            [](QString &t) { Trenne_Ziffer_und_Buchstabe(t, true); },
            [](QString &t) { t = Setze_ersten_Buchstaben_gross(t); }};
        routinen[routine](text);
        QCOMPARE(text, ergebnis);
    }

    void suchbegriffe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sossen");
        QTest::addColumn<bool>("gross");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<int>("modus");
        // Folding is on in every row but "no folding".
        QTest::newRow("empty") << "" << true << true << QStringList() << 0;
        QTest::newRow("leading, double and trailing blanks") << " a  b " << false << false
                                                             << QStringList{"", "a", "", "b"} << 0;
        QTest::newRow("fold and upper") << "Soße crème" << false << true << QStringList{"SOSSE", "CREME"} << 0;
        QTest::newRow("no folding") << "straße ÿ" << false << true << QStringList{"STRAßE", "Ÿ"} << 0;
        QTest::newRow("sauce expanded") << "tomato sauce" << true << false
                                        << QStringList{"tomato", "sauce", "sosse", "soße"} << 2;
        QTest::newRow("sosse in capitals") << "SOSSE hot" << true << false
                                           << QStringList{"SOSSE", "hot", "sauce", "soße"} << 2;
        QTest::newRow("soße folded, upper") << "Soße" << true << true << QStringList{"SOSSE", "SAUCE", "SOSSE"} << 2;
        QTest::newRow("saucepan is no sauce") << "saucepan" << true << false << QStringList{"saucepan"} << 0;
    }
    void suchbegriffe()
    {
        QFETCH(QString, text);
        QFETCH(bool, sossen);
        QFETCH(bool, gross);
        QFETCH(QStringList, woerter);
        QFETCH(int, modus);
        qint32 m = 9;
        TString w{QStringLiteral("old")};
        Zerlege_Suchbegriffe(text, sossen, m, w, gross, QByteArray(QTest::currentDataTag()) != "no folding");
        QCOMPARE(w, woerter);
        QCOMPARE(m, modus);
    }
};

QTEST_GUILESS_MAIN(TestGrundoperationenText)
#include "tst_grundoperationen_text.moc"
