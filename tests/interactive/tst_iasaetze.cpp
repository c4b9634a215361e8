#include "KuecheFixtures.h"
#include "interactive/IAModell.h"
#include "interactive/IASaetze.h"

using namespace kueche;

namespace {

// Kitchen items 0..2, a product named "Sauce" (3), two lots of flour (4, 5),
// and salt in the hand (6).
void richteKuecheEin()
{
    TTIAZutatenliste sauce = zutat(u"Die Sauce ..."_s, 1, 0, u"1"_s, u"Portion(en)"_s);
    sauce.Anzeigename = u"Sauce"_s;
    neueKueche({zutat(u"Kartoffeln"_s, 1), zutat(u"Zwiebel"_s, 1), zutat(u"Möhre"_s, 1), sauce,
                zutat(u"Mehl"_s, 1, 0, u"200"_s, u"g"_s), zutat(u"Mehl"_s, 0, 0, u"100"_s, u"g"_s),
                zutat(u"Salz"_s, -1, 1, {}, u"Prise(n)"_s)});
}

// A verb, the selection mode and the items selected, the target item and the
// time at 180 degrees; the sentence.
struct Satz {
    QString vorlage;
    int modus;
    QList<int> ausgewaehlt;
    int ziel, zeit;
    QString satz;
};

QStringList saetze()
{
    QStringList s;
    for (const TTIARezepttext &z : IARezepttext)
        s << z.Satz;
    return s;
}

} // namespace

class TestIASaetze : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init()
    {
        beginne();
        richteKuecheEin();
    }
    void cleanup() { beende(); }

    void verbSentences_data()
    {
        QTest::addColumn<Satz>("s");
        QTest::newRow("preview") << Satz{u" ... waschen"_s, 0, {}, -1, 0, u"... waschen."_s};
        QTest::newRow("dots inside: two blanks in the preview")
            << Satz{u"mit ... bestreuen"_s, 0, {}, 0, 0, u"Mit  Kartoffeln bestreuen."_s};
        QTest::newRow("one minute") << Satz{u" ... ZZZ kochen"_s, 0, {}, 1, 1, u"Zwiebel 1 Minute kochen."_s};
        QTest::newRow("minutes") << Satz{u" ... ZZZ kochen"_s, 0, {}, 1, 12, u"Zwiebel 12 Minuten kochen."_s};
        QTest::newRow("degrees") << Satz{u" ... bei GGG backen"_s, 0, {}, 0, 0, u"Kartoffeln bei 180°C backen."_s};
        QTest::newRow("selection of three")
            << Satz{u" ... schälen"_s, 2, {0, 1, 2}, 1, 0, u"Kartoffeln, Zwiebel und Möhre schälen."_s};
        QTest::newRow("unselected target in mode 2 stands alone")
            << Satz{u" ... schälen"_s, 2, {0, 2}, 1, 0, u"Zwiebel schälen."_s};
        QTest::newRow("all items")
            << Satz{u"Die Pfanne mit ... ausfetten"_s, 1, {0, 1}, 0, 0, u"Die Pfanne mit  alle(n) Zutaten ausfetten."_s};
        QTest::newRow("same ingredient told apart by quantity") << Satz{u" ... sieben"_s, 0, {}, 4, 0, u"200 g Mehl sieben."_s};
        QTest::newRow("a product alone takes its article")
            << Satz{u" ... abschmecken"_s, 0, {}, 3, 0, u"Die Sauce abschmecken."_s};
    }
    void verbSentences()
    {
        QFETCH(Satz, s);
        IAVERBEN = {verb(s.vorlage, 0, {1})};
        IAStatus.Zeit = s.zeit;
        IAStatus.Temperatur = 180;
        IAStatus.Auswahlmodus = s.modus;
        for (int i : s.ausgewaehlt)
            IAZutat(i)->Auswahl = s.modus;
        QCOMPARE(Erzeuge_Verbtext(s.modus, s.ziel, 0), s.satz);
    }

    // A target whose name carries the article loses it once named, verb or
    // seasoning, so later lists do not repeat it.
    void articleTakenOffTheName()
    {
        IAVERBEN = {verb(u" ... schälen"_s, 0, {1})};
        IAZutat(3)->Anzeigename = u"Die Sauce"_s;
        QCOMPARE(Erzeuge_Verbtext(0, 3, 0), u"Die Sauce schälen."_s);
        QCOMPARE(IAZutaten()[3].Anzeigename, u"Sauce"_s);
        IAZutat(1)->Auswahl = IAZutat(3)->Auswahl = 2;
        QCOMPARE(Erzeuge_Verbtext(2, 1, 0), u"Zwiebel und Sauce schälen."_s);

        IAZutat(2)->Anzeigename = u"Das Gemüse"_s;
        IAHandZutat = 6;
        QCOMPARE(Erzeuge_Wuerztext(2).Satz, u"Das Gemüse mit 1 Prise Salz würzen."_s);
        QCOMPARE(IAZutaten()[2].Anzeigename, u"Gemüse"_s);
    }

    // The written line has one blank where the preview has two, and the
    // lines come newest first; deleting takes the newest.
    void verbLinesAreWrittenNewestFirst()
    {
        IAVERBEN = {verb(u"mit ... bestreuen"_s, 0, {1}), verb(u" ... schälen"_s, 0, {1})};
        Schreibe_Rezeptzeile(0, 1);
        Schreibe_Rezeptzeile(1, 0);
        QCOMPARE(saetze(), (QStringList{u"Mit Zwiebel bestreuen."_s, u"Kartoffeln schälen."_s}));
        Schreibe_Rezeptzeile(-1, -1);
        Schreibe_Rezeptzeile(-1, -1);
        Schreibe_Rezeptzeile(-1, -1); // nothing left to delete
        QVERIFY(IARezepttext.isEmpty());
    }

    // Seasoning the same target twice in a row gives one line with the sum;
    // another line in between keeps them apart.
    void seasoningLinesMerge()
    {
        IAVERBEN = {verb(u" ... schälen"_s, 0, {1})};
        QCOMPARE(Erzeuge_Wuerztext(0).Satz, QString()); // empty hand
        IAHandZutat = 6;
        QCOMPARE(Erzeuge_Wuerztext(-1).Satz, u"... mit 1 Prise Salz würzen."_s);
        QCOMPARE(Erzeuge_Wuerztext(3).Satz, u"Die Sauce mit 1 Prise Salz würzen."_s);
        IAStatus.Auswahlmodus = 2;
        IAZutat(0)->Auswahl = IAZutat(1)->Auswahl = 2;
        QCOMPARE(Erzeuge_Wuerztext(0).Satz, u"Kartoffeln und Zwiebel mit 1 Prise Salz würzen."_s);
        IAStatus.Auswahlmodus = 0;
        Schreibe_Rezeptzeile(0, -1);
        Schreibe_Rezeptzeile(0, -1);
        QCOMPARE(saetze(), QStringList{u"Kartoffeln mit 2 Prisen Salz würzen."_s});
        QCOMPARE(IARezepttext[0].Menge, u"2"_s);
        Schreibe_Rezeptzeile(1, -1); // another target
        Schreibe_Rezeptzeile(0, -1);
        QCOMPARE(IARezepttext.size(), 3);
        IAHandZutat = -1;
        Schreibe_Rezeptzeile(0, 0);
        IAHandZutat = 6;
        Schreibe_Rezeptzeile(0, -1);
        QCOMPARE(saetze().mid(0, 3), (QStringList{u"Kartoffeln mit 1 Prise Salz würzen."_s, u"Kartoffeln schälen."_s,
                                                  u"Kartoffeln mit 1 Prise Salz würzen."_s}));
        // An ingredient in the hand writes nothing.
        IAHandZutat = 0;
        Schreibe_Rezeptzeile(1, -1);
        QCOMPARE(IARezepttext.size(), 5);
    }

    // The newest line is cut at 62 characters, the two before it at 68, a
    // verb caption at 37; the recipe-text window reads oldest first.
    void displayCuts()
    {
        for (const QString &s : {QString(66, u'a'), u"zwei"_s, QString(65, u'c'), QString(70, u'n')}) {
            Neue_Rezeptzeile();
            IARezepttext[0].Satz = s;
        }
        const TTIARezeptzeilenanzeige a = Zeige_Rezeptzeilen();
        QCOMPARE((QStringList{a.LRK1, a.LRK2, a.LRK3, a.Titel}),
                 (QStringList{QString(62, u'n') + u"..."_s, QString(65, u'c'), u"zwei"_s, u"Testrezept:"_s}));
        QCOMPARE(a.Saetze.first(), QString(66, u'a'));
        QCOMPARE(Kuerze_Rezeptzeile(true, QString(70, u'n')), QString(68, u'n') + u"..."_s);
        QCOMPARE(Erzeuge_Verbbeschriftung(QString(40, u'v')), QString(37, u'v') + u"..."_s);
        IAStatus.Zeit = 5;
        QCOMPARE(Erzeuge_Verbbeschriftung(u" ... ZZZ "_s), u" ... 5 Minuten"_s);
    }

    // A product comes from its database record; without the record the
    // kitchen stays as it was and the user is told why.
    void intermediateProducts()
    {
        schreibeDatenbank(*base);
        QVERIFY(Lade_Zutaten(Load | Alle));
        const qint32 n = IAZutaten().size();
        const qint32 i = Erzeuge_Zwischenprodukt(2, 3);
        QCOMPARE(i, n);
        const TTIAZutatenliste &p = IAZutaten()[i];
        QCOMPARE((QStringList{p.Anzeigename, p.Menge, p.Einheit}), (QStringList{u"Sauce"_s, u"1"_s, u"Portion(en)"_s}));
        QCOMPARE(p.Geraete, (std::array<qint32, 5>{-1, -1, -1, -1, 3}));
        QCOMPARE((QList<int>{p.Ort, p.DBIndex}), (QList<int>{1, Suche_Zutat(u"Die Sauce ..."_s, -1)}));

        messages->expect(u"\"Die Suppe ...\" fehlt in der Zutatendatenbank"_s);
        QCOMPARE(Erzeuge_Zwischenprodukt(3, 1), -1);
        QCOMPARE(Erzeuge_Zwischenprodukt(16, 1), -1);
        QCOMPARE(IAZutaten().size(), n + 1);
    }
};

QTEST_GUILESS_MAIN(TestIASaetze)
#include "tst_iasaetze.moc"
