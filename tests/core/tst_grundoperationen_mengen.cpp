// Numbers and quantities: reading, writing, ranges, scaling, sums.
#include <QLocale>
#include <limits>

#include "core/Grundoperationen.h"
#include "testing/Testing.h"

class TestGrundoperationenMengen : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void liesZahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("wert");
        QTest::newRow("integer") << "2" << true << 2.0;
        QTest::newRow("point") << "1.5" << true << 1.5;
        QTest::newRow("comma") << "1,5" << true << 1.5;
        QTest::newRow("blanks") << "  3 " << true << 3.0;
        QTest::newRow("signs") << "-2.5" << true << -2.5;
        QTest::newRow("no integer part") << ",5" << true << 0.5;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("big") << "99999999999999999999" << true << 1e20;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("word") << "pinch" << false << 0.0;
        QTest::newRow("two separators") << "1.000,5" << false << 0.0;
        QTest::newRow("trailing text") << "3kg" << false << 0.0;
        QTest::newRow("inner blank") << "1 000" << false << 0.0;
        QTest::newRow("lone point") << "." << false << 0.0;
        QTest::newRow("overflow") << "1e400" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("bare exponent") << "2e" << false << 0.0;
        QTest::newRow("huge text") << QString(5000, QLatin1Char('9')) << false << 0.0;
    }
    void liesZahl()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, wert);
        // A German default locale must not change how numbers read.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        double w = -7;
        QCOMPARE(Lies_Zahl(text, w), ok);
        QCOMPARE(w, wert);
    }

    void textInKommazahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("comma") << "2,5" << 2.5;
        QTest::newRow("range reads its low end") << "2-3" << 2.0;
        QTest::newRow("leading minus cuts all") << "-5" << 0.0;
        QTest::newRow("unit after it") << "3.5 kg" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }
    void textInKommazahl()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(Wandle_Text_in_Kommazahl(text), wert);
    }

    void kommazahlInText_data()
    {
        QTest::addColumn<int>("stellen");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("servings") << 2 << 4.0 << "4.00";
        QTest::newRow("wider than width") << 2 << 1234.5 << "1234.50";
        QTest::newRow("rounded") << 0 << 2.6 << "3";
        QTest::newRow("negative") << 2 << -1.5 << "-1.50";
        QTest::newRow("no minus zero") << 2 << -0.001 << "0.00";
        QTest::newRow("nan") << 2 << std::numeric_limits<double>::quiet_NaN() << "0.00";
        QTest::newRow("negative decimals") << -3 << 2.4 << "2";
    }
    void kommazahlInText()
    {
        QFETCH(int, stellen);
        QFETCH(double, wert);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QString t = QStringLiteral("old");
        Wandle_Kommazahl_in_Text(3, stellen, t, wert);
        QCOMPARE(t, text);
    }

    void versionsnummer_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("text");
        QTest::newRow("401") << 401 << "4.01";
        QTest::newRow("400") << 400 << "4.00";
        QTest::newRow("small") << 5 << "0.05";
        QTest::newRow("negative") << -401 << "-4.01";
        QTest::newRow("lowest") << std::numeric_limits<int>::min() << "-21474836.48";
    }
    void versionsnummer()
    {
        QFETCH(int, nummer);
        QFETCH(QString, text);
        QCOMPARE(Formatiere_Versionsnummer(nummer), text);
        QCOMPARE(Wandle_Zahl_in_Text(-12), QStringLiteral("-12"));
    }

    void dezimaltrenner_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("comma") << "1,5" << "1.5";
        QTest::newRow("thousands") << "1.000,5" << "1.0005";
        QTest::newRow("commas only") << "1,2,3" << "1.2.3";
        QTest::newRow("empty") << "" << "";
    }
    void dezimaltrenner()
    {
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);
        Normalisiere_Dezimaltrenner(text);
        QCOMPARE(text, ergebnis);
    }

    void addiere_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("summe");
        QTest::newRow("numbers") << "1" << "2" << "3";
        QTest::newRow("decimal comma") << "1,5" << "2" << "3.50";
        QTest::newRow("ranges end by end") << "1-2" << "3-4" << "4-6";
        QTest::newRow("range and number") << "1-2" << "3" << "4-5";
        QTest::newRow("empty counts 0") << "" << "200" << "200";
        QTest::newRow("word counts 0") << "some" << "2" << "2";
        QTest::newRow("rounded") << "1.333" << "1" << "2.33";
    }
    void addiere()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, summe);
        QCOMPARE(Addiere_Mengen(a, b), summe);
    }

    void multipliziere_data()
    {
        QTest::addColumn<QString>("menge");
        QTest::addColumn<double>("faktor");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("number") << "2" << 2.0 << "4";
        QTest::newRow("range keeps both ends") << "2-3" << 2.0 << "4-6";
        QTest::newRow("range with decimals") << "1.5-2,5" << 2.0 << "3-5";
        QTest::newRow("decimal comma") << "1,5" << 3.0 << "4.50";
        QTest::newRow("third") << "1" << 1.0 / 3 << "0.33";
        QTest::newRow("half") << "100" << 0.5 << "50";
        QTest::newRow("word stays") << "a pinch" << 2.0 << "a pinch";
        QTest::newRow("word end stays") << "2-a few" << 2.0 << "4-a few";
        QTest::newRow("empty") << "" << 2.0 << "";
        QTest::newRow("overflow stays") << "1e308" << 10.0 << "1e308";
    }
    void multipliziere()
    {
        QFETCH(QString, menge);
        QFETCH(double, faktor);
        QFETCH(QString, ergebnis);
        Multipliziere_Menge(menge, faktor);
        QCOMPARE(menge, ergebnis);
    }

    void mengenbereich_data()
    {
        QTest::addColumn<QString>("menge");
        QTest::addColumn<double>("von");
        QTest::addColumn<double>("bis");
        QTest::addColumn<QString>("text");
        QTest::newRow("single") << "2" << 2.0 << 2.0 << "2";
        QTest::newRow("reversed") << "3-1" << 1.0 << 3.0 << "1-3";
        QTest::newRow("decimal comma") << "1,5-2" << 1.5 << 2.0 << "1.50-2";
        QTest::newRow("unreadable") << "abc" << 0.0 << 0.0 << "0";
        QTest::newRow("one end unreadable") << "2-abc" << 0.0 << 2.0 << "0-2";
        QTest::newRow("empty") << "" << 0.0 << 0.0 << "0";
    }
    void mengenbereich()
    {
        QFETCH(QString, menge);
        QFETCH(double, von);
        QFETCH(double, bis);
        QFETCH(QString, text);
        double v = -1, b = -1;
        Zerlege_Mengenbereich(menge, v, b);
        QCOMPARE(v, von);
        QCOMPARE(b, bis);
        QCOMPARE(Formatiere_Mengenbereich(v, b), text);
    }

    void mengenbereichSchreiben()
    {
        // What the kitchen's scale writes after taking 100-200 from 300-500.
        QCOMPARE(Formatiere_Mengenbereich(300 - 100, 500 - 200), QStringLiteral("200-300"));
        // Ends equal within the written decimals are one number.
        QCOMPARE(Formatiere_Mengenbereich(0.1 + 0.2, 0.3), QStringLiteral("0.30"));
        QCOMPARE(Formatiere_Mengenbereich(1.001, 1.004), QStringLiteral("1"));
        QCOMPARE(Formatiere_Mengenbereich(-100, -100), QStringLiteral("-100"));
    }
};

QTEST_MAIN(TestGrundoperationenMengen)
#include "tst_grundoperationen_mengen.moc"
