// Numbers and quantities: reading, writing, ranges, scaling, sums.
#include <QLocale>
#include <limits>

#include "core/Grundoperationen.h"
#include "testing/Testing.h"

class TestGrundoperationenMengen : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        // A German default locale must not change how numbers read or print.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void liesZahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("wert");
        QTest::newRow("point") << " -1.5 " << true << -1.5;
        QTest::newRow("comma") << ",5" << true << 0.5;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("big") << "99999999999999999999" << true << 1e20;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("two separators") << "1.000,5" << false << 0.0;
        QTest::newRow("trailing text") << "3kg" << false << 0.0;
        QTest::newRow("inner blank") << "1 000" << false << 0.0;
        QTest::newRow("overflow") << "1e400" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("huge text") << QString(5000, QLatin1Char('9')) << false << 0.0;
    }
    void liesZahl()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, wert);
        double w = -7;
        QCOMPARE(Lies_Zahl(text, w), ok);
        QCOMPARE(w, wert);
    }

    void zahlentexte()
    {
        QCOMPARE(Wandle_Text_in_Kommazahl(QStringLiteral("2,5")), 2.5);
        QCOMPARE(Wandle_Text_in_Kommazahl(QStringLiteral("2-3")), 2.0);
        QCOMPARE(Wandle_Text_in_Kommazahl(QStringLiteral("3.5 kg")), 0.0);
        QString t;
        Wandle_Kommazahl_in_Text(3, 2, t, 1234.5);
        QCOMPARE(t, QStringLiteral("1234.50"));
        Wandle_Kommazahl_in_Text(3, 2, t, -0.001);
        QCOMPARE(t, QStringLiteral("0.00"));
        Wandle_Kommazahl_in_Text(3, 2, t, std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(t, QStringLiteral("0.00"));
        // Ends equal within the written decimals are one number.
        QCOMPARE(Formatiere_Mengenbereich(0.1 + 0.2, 0.3), QStringLiteral("0.30"));
        QCOMPARE(Formatiere_Versionsnummer(401), QStringLiteral("4.01"));
        QCOMPARE(Formatiere_Versionsnummer(5), QStringLiteral("0.05"));
        QCOMPARE(Formatiere_Versionsnummer(std::numeric_limits<int>::min()), QStringLiteral("-21474836.48"));
    }

    void addiere_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("summe");
        QTest::newRow("decimal comma") << "1,5" << "2" << "3.50";
        QTest::newRow("ranges end by end") << "1-2" << "3-4" << "4-6";
        QTest::newRow("range and number") << "1-2" << "3" << "4-5";
        QTest::newRow("empty counts 0") << "" << "200" << "200";
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
        QTest::newRow("each end normalised alone") << "1.5-2,5" << 2.0 << "3-5";
        QTest::newRow("decimal comma") << "1,5" << 3.0 << "4.50";
        QTest::newRow("third") << "1" << 1.0 / 3 << "0.33";
        QTest::newRow("word stays") << "a pinch" << 2.0 << "a pinch";
        QTest::newRow("word end stays") << "2-a few" << 2.0 << "4-a few";
        QTest::newRow("overflow stays") << "1e308" << 10.0 << "1e308";
        // 8 servings to 7
        QTest::newRow("mixed number") << "2 1/2" << 7.0 / 8 << "2.19";
        QTest::newRow("fraction sign") << "\u00BD" << 7.0 / 8 << "0.44";
        QTest::newRow("mixed with fraction sign") << "1 \u00BD" << 7.0 / 8 << "1.31";
        QTest::newRow("fractions in a range") << "1/4-1 1/2" << 2.0 << "0.50-3";
        QTest::newRow("no fraction over 0") << "1/0" << 2.0 << "1/0";
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
        QTest::newRow("one end unreadable") << "2-abc" << 0.0 << 2.0 << "0-2";
        QTest::newRow("fractions") << "1/2-1 1/4" << 0.5 << 1.25 << "0.50-1.25";
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
};

QTEST_GUILESS_MAIN(TestGrundoperationenMengen)
#include "tst_grundoperationen_mengen.moc"
