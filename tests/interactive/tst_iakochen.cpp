#include "KuecheFixtures.h"
#include "interactive/IADatei.h"
#include "interactive/IAHandlung.h"
#include "interactive/IAModell.h"
#include "interactive/IASaetze.h"
#include "interactive/IASchliessen.h"
#include "interactive/IATutorial.h"
#include "interactive/IAWaage.h"

using namespace kueche;

namespace {

const QString Teilen = u"Soll die Zutat gesplittet werden?"_s;
const QString Einheitwechsel = u"Soll die Zutateneinheit geändert werden?"_s;

// A lot of onions weighed, then taken off with a new amount and unit; the
// question asked and its answer; the places afterwards, then the hand's unit.
struct Waegung {
    QString gewogen, neu, einheit, frage;
    int antwort;
    QStringList ergebnis;
};

// A quantity table, the amount typed, the recipe's category and the option;
// the table afterwards.
struct Lernen {
    TString vorher;
    QString menge;
    int kategorie, option;
    TString nachher;
};

// A fresh kitchen with these items and the database read.
void mitDatenbank(const TTAIAZutatenliste &zutaten = {})
{
    neueKueche(zutaten);
    QVERIFY(Lade_Zutaten(Load | Alle));
}

QStringList orte()
{
    QStringList o;
    for (const TTIAZutatenliste &z : IAZutaten())
        o << z.Zutatname + u':' + QString::number(z.Ort) + u':' + z.Menge;
    return o;
}

} // namespace

class TestIAKochen : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init()
    {
        beginne();
        schreibeDatenbank(*base);
        mitDatenbank();
        TutorialSchritt = 0;
    }
    void cleanup() { beende(); }

    // Taking an item off the scale with a new amount: a smaller amount of the
    // same unit splits the lot after asking, the rest goes to the shelf.
    void scaleSplitsAndChangesUnits_data()
    {
        QTest::addColumn<Waegung>("w");
        QTest::newRow("500 to 200 leaves 300")
            << Waegung{u"500"_s, u"200"_s, u"g"_s, Teilen, 6, {u"Zwiebel:0:300"_s, u"Zwiebel:-1:200"_s, u"g"_s}};
        QTest::newRow("a wider range never leaves a negative rest")
            << Waegung{u"300-500"_s, u"400-450"_s, u"g"_s, Teilen, 6, {u"Zwiebel:0:0-50"_s, u"Zwiebel:-1:400-450"_s, u"g"_s}};
        QTest::newRow("split refused: the whole lot with the new amount")
            << Waegung{u"500"_s, u"200"_s, u"g"_s, Teilen, 7, {u"Zwiebel:-1:200"_s, u"g"_s}};
        QTest::newRow("same amount: no question") << Waegung{u"500"_s, u"500"_s, u"g"_s, {}, 0, {u"Zwiebel:-1:500"_s, u"g"_s}};
        QTest::newRow("new unit kept")
            << Waegung{u"500"_s, u"2"_s, u"Stück"_s, Einheitwechsel, 6, {u"Zwiebel:-1:2"_s, u"Stück"_s}};
        QTest::newRow("new unit refused: the old one stays")
            << Waegung{u"500"_s, u"2"_s, u"Stück"_s, Einheitwechsel, 7, {u"Zwiebel:-1:2"_s, u"g"_s}};
    }
    void scaleSplitsAndChangesUnits()
    {
        QFETCH(Waegung, w);
        mitDatenbank({zutat(u"Zwiebel"_s, -1, 0, w.gewogen, u"g"_s)});
        IAHandZutat = 0;
        QVERIFY(Lege_auf_Waage());
        if (!w.frage.isEmpty())
            messages->expect(w.frage, w.antwort);
        const qint32 hand = Nimm_von_Waage(w.neu, w.einheit);
        QCOMPARE(orte() << IAZutaten()[hand].Einheit, w.ergebnis);
    }

    void scaleWantsAnAmountAndTreatsSpicesApart()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 2), zutat(u"Salz"_s, 0, 1, u"2"_s, u"Prise(n)"_s)});
        messages->expect(u"Bei Zutaten muß eine Menge angegeben werden!"_s);
        QCOMPARE(Nimm_von_Waage(u"etwas"_s, u"g"_s), -1);
        messages->expect(u"Bitte wiegen Sie das Gewürz erst in der Waage ab!"_s);
        IAZutat(1)->Einheit.clear();
        QVERIFY(!Pruefe_Zutat_abgewogen(1));

        // A spice in the kitchen: its amount may be dropped, only its unit counts.
        mitDatenbank({zutat(u"Salz"_s, 2, 1, u"2"_s, u"Prise(n)"_s)});
        messages->expect(u"Soll die Menge (2) gelöscht werden?"_s, Antwort_Ja);
        QCOMPARE(Nimm_von_Waage(QString(), u"Prise(n)"_s), 0);
        QVERIFY(IAZutaten()[0].Menge.isEmpty());
        QVERIFY(Pruefe_Zutat_abgewogen(0));

        // From the browser a spice goes to the shelf with its unit and no amount.
        mitDatenbank({zutat(u"Salz"_s, 2, 1, u"3"_s, u"Prise(n)"_s)});
        QVERIFY(Beende_Waegung(0, u"g"_s, QString()));
        QCOMPARE((QStringList{IAZutaten()[0].Menge, IAZutaten()[0].WaageEinheit}), (QStringList{QString(), u"Prise(n)"_s}));
    }

    // "Fertig": the item goes to the shelf, the unit becomes the ingredient's
    // default in the database file, the amount is learned.
    void finishingWritesTheDefaultUnitAndLearns()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 2)});
        kategorieNull({einheit(u"kg"_s, {}, {u"keine Angabe"_s, u"100"_s, u"500"_s})});
        IAZutat(0)->Menge = u"250"_s;
        messages->expect(u"Bei Zutaten muß eine Menge angegeben werden!"_s);
        QVERIFY(!Beende_Waegung(0, QString(), u"250"_s));
        QVERIFY(Beende_Waegung(0, u"kg"_s, u" 250 "_s));
        QCOMPARE(IAZutaten()[0].Ort, 0);
        QCOMPARE(VariablenTotal[0].Kategorien[0][0].Mengentabelle,
                 (TString{u"keine Angabe"_s, u"100"_s, u"250"_s, u"500"_s}));
        Zutatentotal.clear();
        QVERIFY(Lade_Zutaten(Load | Alle));
        QCOMPARE(Zutatentotal[Suche_Zutat(u"Zwiebel"_s, -1)].Standardeinheit(), u"kg"_s);
    }

    void learning_data()
    {
        QTest::addColumn<Lernen>("l");
        // Sorting in is the finishing test's.
        const TString drei{u"n.a."_s, u"1"_s, u"5"_s};
        QTest::newRow("two lines stay unsorted") << Lernen{{u"n.a."_s}, u"3"_s, 0, 1, {u"n.a."_s, u"3"_s}};
        QTest::newRow("known amount") << Lernen{drei, u"5"_s, 0, 1, drei};
        QTest::newRow("option off") << Lernen{drei, u"2"_s, 0, 0, drei};
        QTest::newRow("no category (after loading a recipe)") << Lernen{drei, u"2"_s, -1, 1, drei};
        QTest::newRow("nothing typed") << Lernen{drei, u"  "_s, 0, 1, drei};
    }
    void learning()
    {
        QFETCH(Lernen, l);
        kategorieNull({einheit(u"g"_s, {}, l.vorher)});
        IARezept()->Kategorie = l.kategorie;
        Optionen.AutoMengenergaenzung = quint8(l.option);
        Lerne_Menge(u"g"_s, l.menge);
        QCOMPARE(VariablenTotal[0].Kategorien[0][0].Mengentabelle, l.nachher);
    }

    // Nothing is picked from the shelf while the scale holds an item. A
    // product verb on a manual selection books out the selected items only,
    // and they can be fetched back.
    void productFromASelection()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 0), zutat(u"Kartoffeln"_s, 1, 0, u"1"_s, u"kg"_s),
                    zutat(u"Salz"_s, 0, 1, {}, u"Prise(n)"_s), zutat(u"Möhre"_s, 1, 0, u"2"_s, u"Stück"_s)});
        IAVERBEN = {verb(u" ... zu einer Sauce verkochen"_s, 0, {1})};
        IAVERBEN[0].Symbol = saucensymbol();
        IAStatus.Panel = 0;
        Aktualisiere_IAZustand();

        QCOMPARE(Nimm_aus_Regal(0), 0);
        QVERIFY(Lege_auf_Waage());
        QCOMPARE(Nimm_aus_Regal(0), -1);
        QCOMPARE(Nimm_von_Waage(u"200"_s, u"g"_s), 0);
        QVERIFY(Lege_in_Kueche(-1));
        Aktualisiere_IAZustand();

        Waehle_Kuechenzutat(0);
        Waehle_Kuechenzutat(1);
        IAVerbInHand = 0;
        messages->expect(u"Sollen die Zutaten nun durch"_s, Antwort_Ja);
        QVERIFY(Wende_Verb_an(0));
        QCOMPARE(orte().mid(0, 4), (QStringList{u"Zwiebel:-1:200"_s, u"Kartoffeln:-1:1"_s, u"Salz:0:"_s, u"Möhre:1:2"_s}));
        QCOMPARE((QList<int>{int(IAZutaten().size()), IAStatus.Auswahlmodus}), (QList<int>{5, 0}));

        messages->expect(u"Alle Zutaten, die durch Teig"_s, Antwort_Ja);
        QVERIFY(Hole_Zutaten_zurueck());
        QCOMPARE(IAZutaten()[0].Ort, 0);
    }

    // A product verb answered No: the sentence stays, nothing is booked out.
    // A missing product record books nothing out either.
    void productVerbRefusedOrMissing()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 1, 0, u"1"_s, u"Stück"_s)});
        IAVERBEN = {verb(u" ... verkochen"_s, 0, {1})};
        IAVERBEN[0].Symbol = saucensymbol();
        IAVERBEN[0].Zaehler = 1000000;
        IAVerbInHand = 0;
        messages->expect(u"Sollen die Zutaten nun durch"_s, Antwort_Nein);
        QVERIFY(Wende_Verb_an(0));
        QCOMPARE(IARezepttext.size(), 1);
        QCOMPARE(orte(), QStringList{u"Zwiebel:1:1"_s});
        QCOMPARE(IAVERBEN[0].Zaehler, 0);

        Zutatentotal.clear();
        IAVerbInHand = 0;
        messages->expect(u"Sollen die Zutaten nun durch"_s, Antwort_Ja);
        messages->expect(u"fehlt in der Zutatendatenbank"_s);
        QVERIFY(Wende_Verb_an(0));
        QCOMPARE(orte(), QStringList{u"Zwiebel:1:1"_s});
    }

    void selectAllThenANewArrivalJoins()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 1, 0, u"1"_s, u"Stück"_s), zutat(u"Möhre"_s, -1, 0, u"2"_s, u"Stück"_s)});
        Gruppiere_Kueche();
        IAHandZutat = 1;
        QVERIFY(Lege_in_Kueche(-1));
        QCOMPARE((QList<int>{IAStatus.Auswahlmodus, IAZutaten()[0].Auswahl, IAZutaten()[1].Auswahl}), (QList<int>{1, 1, 1}));
        Gruppiere_Kueche();
        QCOMPARE((QList<int>{IAStatus.Auswahlmodus, IAZutaten()[0].Auswahl, IAZutaten()[1].Auswahl}), (QList<int>{0, 0, 0}));
        // Spices never go into the kitchen.
        mitDatenbank({zutat(u"Salz"_s, -1, 1, {}, u"Prise(n)"_s)});
        IAHandZutat = 0;
        QVERIFY(!Lege_in_Kueche(-1));
    }

    // Putting an item before a slot moves that slot and the ones after it on.
    void puttingOnAShelfSlotMovesTheRestOn()
    {
        mitDatenbank({zutat(u"A"_s, 0), zutat(u"B"_s, 0), zutat(u"C"_s, 0), zutat(u"S"_s, 0, 1), zutat(u"D"_s, -1)});
        Aktualisiere_IAZustand();
        IAHandZutat = 4;
        Stelle_ins_Regal(4, Regalzutat_an(1, 0), 0);
        Lege_Zutat_ab();
        Aktualisiere_IAZustand();
        QStringList regal;
        for (qint32 s = 0; s < 4; ++s)
            regal << IAZutaten()[Regalzutat_an(s, 0)].Zutatname;
        QCOMPARE(regal, (QStringList{u"A"_s, u"D"_s, u"B"_s, u"C"_s}));
        QCOMPARE(IAZutaten()[3].Anzeigeplatz, 0);
    }

    void devicesPreheatAndMenu()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 2), zutat(u"Salz"_s, 0, 1, {}, u"Prise(n)"_s)});
        messages->expect(u"Bitte die vorhandene Zutat in der Waage erst abwiegen!"_s);
        QVERIFY(!Waehle_Geraet(11));
        IAZutat(0)->Ort = 0;
        QVERIFY(Waehle_Geraet(11));
        IAStatus.Temperatur = 180;
        messages->expect(u"Den Backofen auf 180°C vorheizen?"_s, Antwort_Ja);
        messages->expect(u"Umluft"_s, Antwort_Ja);
        QVERIFY(Heize_vor());
        QCOMPARE(IARezepttext[0].Satz, u"Den Backofen auf 180°C vorheizen. (Umluft)"_s);
        QVERIFY(Waehle_Geraet(10));
        QVERIFY(!Heize_vor()); // the microwave asks nothing

        // Deleting a line and converting an item are the window's tests.
        messages->expect(u"Soll das Gewürz \"Salz\" wirklich gelöscht werden?"_s, Antwort_Ja);
        QVERIFY(Wirf_Zutat_weg(1));
        QCOMPARE(IAZutaten().size(), 1);
    }

    void popupRules()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 0, 0, u"1"_s, u"Stück"_s), zutat(u"Salz"_s, 0, 1, {}, u"Prise(n)"_s),
                      zutat(u"Möhre"_s, -1, 0, u"1"_s, u"Stück"_s)});
        Aktualisiere_IAZustand();
        IAStatus.Panel = 0;
        TTIAPopup p = Ermittle_IAPopup(true, true, 0);
        QCOMPARE((QStringList{p.Wegwerfen, p.Umwandeln}), (QStringList{u"Zutat wegwerfen"_s, u"Zutat in Gewürz umwandeln"_s}));
        QVERIFY(Ermittle_IAPopup(false, false, 3).Wegwerfen.isEmpty()); // no item at that slot
        QCOMPARE(IAPopupZutat, -1);

        // Something on the scale: no converting, and nothing on the spice shelf.
        IAZutat(2)->Ort = 2;
        QVERIFY(Ermittle_IAPopup(false, true, 0).Umwandeln.isEmpty());
        IAStatus.Panel = 1;
        QVERIFY(Ermittle_IAPopup(false, true, 0).Wegwerfen.isEmpty());

        // An item in hand or the tutorial: an empty menu, and no verb editor.
        IAHandZutat = 2;
        QVERIFY(Ermittle_IAPopup(true, true, 0).Leer);
        QVERIFY(!Darf_Verbeditor_oeffnen());
        IAHandZutat = -1;
        TutorialSchritt = 3;
        QVERIFY(Ermittle_IAPopup(true, true, 0).Leer);
        TutorialSchritt = 0;
        QVERIFY(Darf_Verbeditor_oeffnen());
    }

    // Type-ahead compares first letters in the code page's upper case: "ß"
    // stays itself there, so "s" passes over a text that begins with it.
    void typeAheadFirstLetter()
    {
        const QStringList texte{u"ßig"_s, QString(), u"Äpfel"_s, u"salzen"_s};
        QCOMPARE(Erster_Text_mit_Anfang(texte, u'S'), 3);
        QCOMPARE(Erster_Text_mit_Anfang(texte, u'ä'), 2);
        QCOMPARE(Erster_Text_mit_Anfang(texte, u'ß'), 0);
        QCOMPARE(Erster_Text_mit_Anfang(texte, u'x'), -1);
    }

    void tutorialSteps()
    {
        mitDatenbank({zutat(u"Zwiebel"_s, 2, 0, u"1"_s, u"Stück"_s), zutat(u"Möhre"_s, 0, 0, u"1"_s, u"Stück"_s),
                    zutat(u"Lauch"_s, 0, 0, u"1"_s, u"Stück"_s), zutat(u"Salz"_s, 0, 1, {}, u"Prise(n)"_s)});
        IARezept()->Rezeptname = u"Tutorial"_s;
        TutorialSchritt = 1;
        QVERIFY(!Pruefe_Tutorialschritt()); // an item still lies on the scale
        IAZutat(0)->Ort = 0;
        QVERIFY(Pruefe_Tutorialschritt());

        Richte_Tutorialschritt_ein();
        QCOMPARE(IAStatus.Geraet, 0);
        IAZutat(0)->Ort = IAZutat(1)->Ort = 1;
        QVERIFY(!Pruefe_Tutorialschritt());
        IAVERBEN = {verb(u" ... schälen"_s, 0, {0})};
        IAVerbInHand = 0;
        QVERIFY(Wende_Verb_an(0));
        QVERIFY(Pruefe_Tutorialschritt());

        QCOMPARE(Richte_Tutorialschritt_ein().Seite, 3);
        QCOMPARE(IAStatus.Panel, 1);
        QVERIFY(!Pruefe_Tutorialschritt());
        IAHandZutat = 3;
        QVERIFY(Wuerze(0));
        QVERIFY(Pruefe_Tutorialschritt());
        Lege_Zutat_ab();

        const TTIATutorialschritt vier = Richte_Tutorialschritt_ein();
        QVERIFY(vier.Weiter);
        QCOMPARE(TutorialSchritt, 5); // no test: on at once
        QVERIFY(!Richte_Tutorialschritt_ein().Weiter);
        QVERIFY(!Pruefe_Tutorialschritt());
        IAStatus.Zeit = 10; // a time alone passes; the rest of the tour is the window's test
        QVERIFY(Pruefe_Tutorialschritt());
    }

    // Closing keeps the running recipe as the last one and removes the working
    // recipe wherever it stands in the list; the tutorial is not kept.
    void closingWritesTheLastRecipe_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("a recipe") << u"Kartoffelsuppe"_s << true;
        QTest::newRow("the tutorial") << u"Tutorial"_s << false;
    }
    void closingWritesTheLastRecipe()
    {
        QFETCH(QString, name);
        QFETCH(bool, geschrieben);
        mitDatenbank({zutat(u"Zwiebel"_s, 0, 0, u"1"_s, u"Stück"_s)});
        RezepteTotal.append(TTRezepteTotal());
        RezepteTotal[1].Rezeptname = u"Danach"_s;
        IARezept()->Rezeptname = name;
        IAStatus.VerbenSpeichern = 0;
        messages->expect(u"Soll das Interaktive Kochen beendet werden?"_s, Antwort_Ja);
        QVERIFY(Frage_IAKochen_beenden(false));
        QVERIFY(!Frage_IAKochen_beenden(true));
        Optionen.AutoMengenergaenzung = 0;
        QVERIFY(Schliesse_IASitzung());
        QCOMPARE(AktuellesRezept, -1);
        QCOMPARE(RezepteTotal.size(), 1);
        QCOMPARE(RezepteTotal[0].Rezeptname, u"Danach"_s); // the working recipe went, not the one after it
        QCOMPARE(Optionen.AutoMengenergaenzung, quint8(0)); // saved before it was read back
        QCOMPARE(base->exists(u"Recipes/IAKochen/Letztes Rezept.IAK"_s), geschrieben);
        if (geschrieben)
            QCOMPARE(base->readLines(u"Recipes/IAKochen/Letztes Rezept.IAK"_s).value(1), u"-Letztes Rezept-"_s);
    }

    // Saving with success is the window's Ctrl+S test.
    void savingReportsAFailure()
    {
        IADateiname.clear();
        messages->expect(u"Das Rezept konnte nicht gespeichert werden!"_s);
        QVERIFY(!Zwischenspeichern());
    }
};

QTEST_GUILESS_MAIN(TestIAKochen)
#include "tst_iakochen.moc"
