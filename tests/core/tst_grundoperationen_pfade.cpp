// Paths, category display order, brand suffixes, verb surfaces, hit tests.
#include <limits>

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "testing/Testing.h"

class TestGrundoperationenPfade : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void pfade_data()
    {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("verzeichnis");
        QTest::addColumn<QString>("datei");
        QTest::newRow("backslashes") << "C:\\TWS\\Recipes\\Soup.URP" << "C:\\TWS\\Recipes\\" << "Soup.URP";
        QTest::newRow("slashes") << "/home/u/GFXZUTAT/ENG/x.png" << "/home/u/GFXZUTAT/ENG/" << "x.png";
        QTest::newRow("mixed, last wins") << "a\\b/c\\d.png" << "a\\b/c\\" << "d.png";
        QTest::newRow("name only") << "Butter.png" << "" << "Butter.png";
        QTest::newRow("empty") << "" << "" << "";
    }
    void pfade()
    {
        QFETCH(QString, pfad);
        QFETCH(QString, verzeichnis);
        QFETCH(QString, datei);
        QCOMPARE(Ermittle_Verzeichnis(pfad), verzeichnis);
        QCOMPARE(Ermittle_Dateiname(pfad), datei);
    }

    void kategorien()
    {
        // Display row 0 is "Antipasto Recipes", category 6; category 0 shows in row 6.
        QCOMPARE(Ermittle_Kategorie_aus_Anzeigeposition(0), 6);
        QCOMPARE(Ermittle_Anzeigeposition_aus_Kategorie(0), 6);
        for (int p = 0; p < AnzahlKategorien; ++p) {
            const int k = Ermittle_Kategorie_aus_Anzeigeposition(p);
            QVERIFY(k >= 0 && k < AnzahlKategorien);
            QCOMPARE(Kategoriebezeichnungen[k], Kategorienamen[p]);
            QCOMPARE(Ermittle_Anzeigeposition_aus_Kategorie(k), p);
        }
        for (int v : {-1, 21, 1000, std::numeric_limits<int>::min()}) {
            QCOMPARE(Ermittle_Kategorie_aus_Anzeigeposition(v), v);
            QCOMPARE(Ermittle_Anzeigeposition_aus_Kategorie(v), v);
        }
    }

    void marken_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("marke");
        QTest::addColumn<QString>("ohneMarke");
        const QString &m1 = Markennamen[1], &m10 = Markennamen[10], &m0 = Markennamen[0];
        QTest::newRow("brand") << "Butter (" + m1 + ")" << 1 << "Butter ";
        QTest::newRow("generic word") << "Ketchup (" + m0 + ")" << 0 << "Ketchup ";
        QTest::newRow("later bracket") << "Oats (fine) (" + m10 + ") extra" << 10 << "Oats (fine) ";
        // "(Brandy soaked)" must not read as the brand "Brand".
        QTest::newRow("longer word is no brand") << "Cherries (" + m0 + "y soaked)" << -1
                                                 << "Cherries (" + m0 + "y soaked)";
        QTest::newRow("no closing bracket") << "Butter (" + m1 << 1 << "Butter ";
        QTest::newRow("no bracket") << m1 + " Butter" << -1 << m1 + " Butter";
        QTest::newRow("open bracket at end") << "Butter (" << -1 << "Butter (";
        QTest::newRow("empty") << "" << -1 << "";
    }
    void marken()
    {
        QFETCH(QString, name);
        QFETCH(int, marke);
        QFETCH(QString, ohneMarke);
        qint32 m = 99;
        QCOMPARE(Finde_Markenzutatzusatz(name, m), marke >= 0);
        QCOMPARE(m, marke);
        Entferne_MArkenzutatzusatz(name);
        QCOMPARE(name, ohneMarke);
    }

    void verbflaechen_data()
    {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QList<int>>("gesetzt");
        QTest::newRow("list") << "1,3,11," << QList<int>{1, 3, 11};
        QTest::newRow("empty clears") << "" << QList<int>{};
        QTest::newRow("out of range and garbage") << "0,15,16,-1,abc,,x1," << QList<int>{0, 15};
        QTest::newRow("last without comma") << "2, 5" << QList<int>{2, 5};
    }
    void verbflaechen()
    {
        QFETCH(QString, liste);
        QFETCH(QList<int>, gesetzt);
        TIAVERBEN verben(2);
        verben[1].Zulassung.fill(1);
        Setze_Verbflaechen_aus_Liste(liste, 1, verben);
        for (int i = 0; i < AnzahlGeraete; ++i)
            QCOMPARE(int(verben[1].Zulassung[size_t(i)]), gesetzt.contains(i) ? 1 : 0);
        // The other verb and an index beyond the list stay untouched.
        Setze_Verbflaechen_aus_Liste(liste, 2, verben);
        Setze_Verbflaechen_aus_Liste(liste, -1, verben);
        QCOMPARE(verben.size(), 2);
        for (quint8 f : verben[0].Zulassung)
            QCOMPARE(int(f), 0);
    }

    void rechteck()
    {
        // Left 10, top 20, width 5, height 3: x 10..14, y 20..22.
        QVERIFY(Ist_Punkt_im_Rechteck(10, 20, 10, 20, 5, 3));
        QVERIFY(Ist_Punkt_im_Rechteck(14, 22, 10, 20, 5, 3));
        QVERIFY(!Ist_Punkt_im_Rechteck(15, 22, 10, 20, 5, 3));
        QVERIFY(!Ist_Punkt_im_Rechteck(14, 23, 10, 20, 5, 3));
        QVERIFY(!Ist_Punkt_im_Rechteck(9, 21, 10, 20, 5, 3));
        QVERIFY(!Ist_Punkt_im_Rechteck(0, 0, 0, 0, 0, 0));
        const int max = std::numeric_limits<int>::max();
        QVERIFY(Ist_Punkt_im_Rechteck(max, max, max - 1, max - 1, max, max));
    }
};

QTEST_GUILESS_MAIN(TestGrundoperationenPfade)
#include "tst_grundoperationen_pfade.moc"
