// The overview's kept recipes: search texts made once per recipe and change,
// narrowing searches that give what a fresh search gives, the date column.
#include <QtTest>

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/CodePage.h"
#include "recipes/Uebersicht.h"
#include "testing/Testing.h"

namespace {

TTRezepteTotal rezept(const QString &datei, const QString &name, const QStringList &anleitung,
                      const QString &unterkategorien = QString())
{
    TTRezepteTotal r;
    r.Dateiname = QStringLiteral("C:\\Book\\Recipes\\") + datei;
    r.Rezeptname = name;
    r.Rezeptliste = anleitung;
    r.Unterkategorien = unterkategorien;
    TTZutatenliste z;
    z.Menge = QStringLiteral("2");
    z.Einheit = QStringLiteral("tbsp");
    z.Name = QStringLiteral("Olive oil");
    r.Zutatenliste = {z};
    return r;
}

TRezepteTotal buch()
{
    return {
        rezept("Aioli.ORP", "Aioli", {"Crush the garlic with salt."}, "Basics"),
        rezept("Garlic Bread.KRP", "Garlic Bread", {"Spread the garlic butter."}, "Quick, Baking"),
        rezept("Gravy.ORP", "Gravy", {"Stir the sauce until smooth."}, "Basics"),
        rezept("Soup.URP", "Zucchini Soup", {"Simmer and pur\u00E9e with a garlic clove."}, "Quick"),
        rezept("Notes.TXT", "not listed", {"garlic"}),
        rezept("Salad.SRP", "Green Salad", {"Wash the lettuce."}, "Quick"),
    };
}

QStringList namen(const TRezepteTotal &rezepte, const QVector<qint32> &treffer)
{
    QStringList out;
    for (qint32 i : treffer)
        out << rezepte[i].Rezeptname;
    return out;
}

QStringList suche(TUebersicht &u, const TRezepteTotal &rezepte, const QString &text)
{
    TUebersichtFilter f;
    f.Suchtext = text;
    return namen(rezepte, u.Filtere(rezepte, f));
}

} // namespace

class TestUebersicht : public QObject
{
    Q_OBJECT

private slots:
    void init() { testing::failOnWarnings(); }

    // Each text is made at the first search and then only for a recipe that
    // changed, however it was changed.
    void suchtexteEinmal_data()
    {
        QTest::addColumn<int>("aenderung");
        QTest::addColumn<QString>("altesWort");
        QTest::newRow("instruction line written in place") << 0 << "butter";
        QTest::newRow("list replaced, as the editor saves") << 1 << "butter";
        QTest::newRow("record replaced, as a reload does") << 2 << "butter";
        QTest::newRow("ingredient written in place") << 3 << "olive";
    }
    void suchtexteEinmal()
    {
        QFETCH(int, aenderung);
        QFETCH(QString, altesWort);
        TRezepteTotal rezepte = buch();
        TUebersicht u;
        QCOMPARE(suche(u, rezepte, "garlic"), (QStringList{"Aioli", "Garlic Bread", "Zucchini Soup"}));
        QCOMPARE(u.Gebaute_Suchtexte(), 5); // the listable ones
        QCOMPARE(suche(u, rezepte, "lettuce"), QStringList{"Green Salad"});
        QVERIFY(suche(u, rezepte, altesWort).contains("Garlic Bread"));
        QCOMPARE(u.Gebaute_Suchtexte(), 5);

        TTRezepteTotal &brot = rezepte[1];
        switch (aenderung) {
        case 0: brot.Rezeptliste[0] = QStringLiteral("Spread the herb oil."); break;
        case 1: brot.Rezeptliste = QStringList{QStringLiteral("Spread the herb oil.")}; break;
        case 2: brot = rezept("Garlic Bread.KRP", "Garlic Bread", {"Spread the herb oil."}); break;
        case 3: brot.Zutatenliste[0].Name = QStringLiteral("Herb salt"); break;
        }
        // Found by its new words, no longer by its old ones.
        QCOMPARE(suche(u, rezepte, "herb"), QStringList{"Garlic Bread"});
        QVERIFY(!suche(u, rezepte, altesWort).contains("Garlic Bread"));
        QCOMPARE(suche(u, rezepte, "garlic"), (QStringList{"Aioli", "Garlic Bread", "Zucchini Soup"}));
        QCOMPARE(u.Gebaute_Suchtexte(), 6);
    }

    // Texts built ahead while the program is idle belong to the records as
    // they were: a record changed after its text was built is searched by its
    // new words.
    void suchtexteVorgebaut()
    {
        TRezepteTotal rezepte = buch();
        TUebersicht u;
        QCOMPARE(suche(u, rezepte, QString()).size(), 5);
        QVERIFY(!u.Baue_Suchtexte(0)); // no time at all: nothing built yet
        QVERIFY(u.Baue_Suchtexte(1000000000));
        QCOMPARE(u.Gebaute_Suchtexte(), 5);
        rezepte[1].Rezeptliste[0] = QStringLiteral("Spread the herb oil.");
        QCOMPARE(suche(u, rezepte, "herb"), QStringList{"Garlic Bread"});
        QCOMPARE(suche(u, rezepte, "garlic"), (QStringList{"Aioli", "Garlic Bread", "Zucchini Soup"}));
        QVERIFY(suche(u, rezepte, "butter").isEmpty());
        QCOMPARE(u.Gebaute_Suchtexte(), 6);
        QVERIFY(u.Baue_Suchtexte(1000000000)); // nothing left to build
        QCOMPARE(u.Gebaute_Suchtexte(), 6);
    }

    // The table of byte pairs passes most texts over unread; every word must
    // still find exactly the recipes whose text holds it, whatever the
    // search before it was.
    void kurzeWoerter()
    {
        const TRezepteTotal rezepte = buch();
        TUebersicht u;
        QStringList woerter{"2", "tb", "ga", "gar", "are", "lic", "oil."};
        for (char a = 'a'; a <= 'z'; ++a) {
            woerter << QString(QLatin1Char(a));
            for (char b : {'a', 'e', 'i', 'l', 'r', 's', 't', 'z'})
                woerter << QString(QLatin1Char(a)) + QLatin1Char(b);
        }
        for (const QString &w : woerter) {
            QStringList erwartet;
            for (const TTRezepteTotal &r : rezepte)
                if (Ist_Uebersichtsrezept(r) && Erzeuge_Suchtext(r).contains(w.toUpper()))
                    erwartet << r.Rezeptname;
            QStringList gefunden = suche(u, rezepte, w);
            gefunden.sort();
            erwartet.sort();
            QVERIFY2(gefunden == erwartet, qPrintable(w));
        }
    }

    // Records added, removed or renamed between two searches: the list
    // follows them, and the texts of the others are kept.
    void datensaetzeVerschoben()
    {
        TRezepteTotal rezepte = buch();
        TUebersicht u;
        QCOMPARE(suche(u, rezepte, "quick"), QStringList{}); // sub-categories are not searched
        QCOMPARE(suche(u, rezepte, "the"), (QStringList{"Aioli", "Garlic Bread", "Gravy", "Green Salad"}));
        rezepte.removeFirst();
        rezepte.append(rezept("Tart.TRP", "Apple Tart", {"Bake the apples."}));
        rezepte[1].Rezeptname = QStringLiteral("Brown Gravy");
        QCOMPARE(suche(u, rezepte, "the"), (QStringList{"Apple Tart", "Brown Gravy", "Garlic Bread", "Green Salad"}));
        QCOMPARE(u.Gebaute_Suchtexte(), 5 + 2); // the new one and the renamed one
        TUebersichtFilter f;
        f.Unterkategorie = QStringLiteral(" quick ");
        QCOMPARE(namen(rezepte, u.Filtere(rezepte, f)), (QStringList{"Garlic Bread", "Green Salad", "Zucchini Soup"}));
    }

    // Typing on only looks at the last hits; each step must still give what
    // a fresh search gives, also when letters are taken back or a word ends.
    void tippen_data()
    {
        QTest::addColumn<QStringList>("schritte");
        auto buchstaben = [](const QString &wort) {
            QStringList out;
            for (int i = 1; i <= wort.size(); ++i)
                out << wort.left(i);
            return out;
        };
        QTest::newRow("garlic") << buchstaben("garlic");
        QTest::newRow("two words") << buchstaben("garlic the");
        QTest::newRow("letters taken back") << (buchstaben("garlic") + QStringList{"garli", "gar", "g", "", "s"});
        QTest::newRow("sauce spellings") << buchstaben("sosse") + buchstaben("sauce");
        QTest::newRow("a word typed in front") << QStringList{"butter", "g butter", "ga butter", "gar butter"};
        QTest::newRow("accents") << QStringList{"pur", "pure", "pur\u00E9", "pur\u00E9e"};
    }
    void tippen()
    {
        QFETCH(QStringList, schritte);
        const TRezepteTotal rezepte = buch();
        TUebersicht u;
        for (const QString &s : schritte) {
            TUebersichtFilter f;
            f.Suchtext = s;
            QCOMPARE(namen(rezepte, u.Filtere(rezepte, f)), namen(rezepte, Ermittle_Uebersicht(rezepte, f)));
        }
        QCOMPARE(suche(u, rezepte, "sauce"), QStringList{"Gravy"});
        QCOMPARE(suche(u, rezepte, "purée garlic"), QStringList{"Zucchini Soup"});
    }

    // The search text is written in one pass; it must read as the recipe's
    // lines joined, folded and upper-cased one after the other would.
    void suchtextInEinemGang()
    {
        TTRezepteTotal r = rezept("Tart.TRP", QStringLiteral("Cr\u00E8me br\u00FBl\u00E9e \u00E0 la Stra\u00DFe"),
                                  {QStringLiteral("Fl\u00E2mbier \u00ECt, na\u00EFve \u00FF \u0153uf \u0161 \u017E"),
                                   QString(), QStringLiteral("\u00C0\u00C1\u00C2 \u00C8\u00C9 \u00CE\u00D4\u00DB \U0001F373 x\u00F7y")});
        r.Zutatenliste.append({QString(), QStringLiteral("g"), QStringLiteral("Gr\u00FCner Tee"), 1});
        r.Zutatenliste.append({QStringLiteral("1"), QString(), QStringLiteral("\u00C9clair"), 2});
        r.Deluxeliste.Name = QStringList{QStringLiteral("Pi\u00F1a")};
        r.Deluxeliste.Zubereitung = QStringList{QStringLiteral("gew\u00FCrfelt")};
        r.Bemerkungsliste = QStringList{QStringLiteral("S\u00FC\u00DF")};

        QStringList teile{r.Rezeptname};
        for (const TTZutatenliste &z : r.Zutatenliste)
            teile << Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name);
        teile << r.Deluxeliste.Name << r.Deluxeliste.Zubereitung << r.Rezeptliste << r.Bemerkungsliste;
        QString erwartet = teile.join(QLatin1Char('\n'));
        Ersetze_Sonderbuchstaben(erwartet);
        QCOMPARE(Erzeuge_Suchtext(r), platform::upperCase(erwartet));
    }

    void kochdatum_data()
    {
        QTest::addColumn<double>("tage");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("never cooked") << 0.0 << QDate();
        QTest::newRow("negative") << -3.5 << QDate();
        QTest::newRow("first day") << 1.0 << QDate(1899, 12, 31);
        QTest::newRow("late evening") << 45300.99 << QDate(2024, 1, 9);
        QTest::newRow("rounds up to midnight") << 45300.9999999999 << QDate(2024, 1, 10);
        QTest::newRow("leap day") << 45351.5 << QDate(2024, 2, 29);
        QTest::newRow("out of range") << 1e12 << QDate(9999, 12, 31);
        QTest::newRow("not a number") << std::nan("") << QDate();
    }
    void kochdatum()
    {
        QFETCH(double, tage);
        QFETCH(QDate, datum);
        QCOMPARE(Kochdatum_als_Datum(tage), datum);
        // The same day as the conversion through a time.
        if (datum.isValid())
            QCOMPARE(TWSToDateTime(tage).date(), datum);
    }
};

QTEST_GUILESS_MAIN(TestUebersicht)
#include "tst_uebersicht.moc"
