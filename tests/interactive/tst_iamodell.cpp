#include "KuecheFixtures.h"
#include "interactive/IAModell.h"

using namespace kueche;

namespace {

// Shelf and kitchen items, and their page offsets before and after.
struct Seiten {
    int regal, kueche, regalVorher, kuecheVorher, regalNachher, kuecheNachher;
};

// The display slot of each item or verb.
QList<int> plaetze(const auto &liste)
{
    QList<int> p;
    for (const auto &e : liste)
        p << e.Anzeigeplatz;
    return p;
}

} // namespace

class TestIAModell : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init() { beginne(); }
    void cleanup() { beende(); }

    // Gaps close in the old order, newcomers take the next slot, and the
    // shelf and the kitchen are numbered apart.
    void slotsCloseGapsAndNewcomersFollow()
    {
        neueKueche({zutat(u"A"_s, 0), zutat(u"B"_s, 0), zutat(u"C"_s, 0), zutat(u"K"_s, 1), zutat(u"S"_s, 0, 1)});
        QCOMPARE(Ordne_Anzeigeplaetze(0, 0), 3);
        QCOMPARE(plaetze(IAZutaten()), (QList<int>{0, 1, 2, -1, -1}));
        Aktualisiere_IAZustand();
        QCOMPARE(plaetze(IAZutaten()), (QList<int>{0, 1, 2, 0, 0}));
        // B leaves the shelf for the kitchen and joins its end.
        IAZutat(1)->Ort = 1;
        IAZutat(1)->Anzeigeplatz = -1;
        Aktualisiere_IAZustand();
        QCOMPARE(plaetze(IAZutaten()), (QList<int>{0, 1, 1, 0, 0}));
        // B comes back: after C.
        IAZutat(1)->Ort = 0;
        IAZutat(1)->Anzeigeplatz = -1;
        Aktualisiere_IAZustand();
        QCOMPARE(plaetze(IAZutaten()), (QList<int>{0, 2, 1, 0, 0}));
        QCOMPARE((QList<int>{Finde_Regalzutat(0, 1), Finde_Regalzutat(3, 0)}), (QList<int>{4, -1}));
    }

    void pagingFollowsTheItems_data()
    {
        QTest::addColumn<Seiten>("s");
        QTest::newRow("offsets on the items stay") << Seiten{12, 7, 10, 6, 10, 6};
        QTest::newRow("five at offset 5 fall back to 0") << Seiten{5, 6, 5, 6, 0, 0};
        QTest::newRow("a page far past the end comes all the way back") << Seiten{3, 2, 10, 12, 0, 0};
        QTest::newRow("empty kitchen") << Seiten{0, 0, 0, 6, 0, 0};
    }
    void pagingFollowsTheItems()
    {
        QFETCH(Seiten, s);
        neueKueche(TTAIAZutatenliste(s.regal, zutat(u"R"_s, 0)) + TTAIAZutatenliste(s.kueche, zutat(u"K"_s, 1)));
        IAZutatenregalOffset = s.regalVorher;
        IAGeraeteOffset = s.kuecheVorher;
        IAStatus.Auswahlmodus = 1;
        Aktualisiere_IAZustand();
        QCOMPARE((QList<int>{IAZutatenregalOffset, IAGeraeteOffset}), (QList<int>{s.regalNachher, s.kuecheNachher}));
        QCOMPARE(IAStatus.Auswahlmodus, s.kueche == 0 ? 0 : 1);
    }

    // The arrows: twelve shelf items page 0, 5, 10 and stay at 10; six
    // kitchen items have one page.
    void pageArrows()
    {
        QList<int> seiten{0};
        for (int i = 0; i < 3; ++i)
            seiten << Naechste_Seite(seiten.last(), 5, 12);
        QCOMPARE(seiten, (QList<int>{0, 5, 10, 10}));
        QCOMPARE((QList<int>{Naechste_Seite(0, 6, 6), Vorige_Seite(0, 5)}), (QList<int>{0, 0}));
    }

    void deviceHistory()
    {
        neueKueche({zutat(u"A"_s, 1)});
        Merke_Kochgeraet(0, 1);
        Merke_Kochgeraet(0, 1);
        QCOMPARE(IAZutat(0)->Geraete, (std::array<qint32, 5>{-1, -1, -1, -1, 1}));
        for (int g : {3, 4, 5, 6, 7})
            Merke_Kochgeraet(0, g);
        QCOMPARE(IAZutat(0)->Geraete, (std::array<qint32, 5>{3, 4, 5, 6, 7}));
        Merke_Kochgeraet(5, 1); // no such item
    }

    // Verbs: 0 plain on the pot, 1 needs degrees (oven), 2 needs time (pot),
    // 3 needs both (oven), 4 plain on the pan.
    void verbFilter_data()
    {
        QTest::addColumn<int>("geraet");
        QTest::addColumn<int>("grad");
        QTest::addColumn<int>("zeit");
        QTest::addColumn<int>("alle");
        QTest::addColumn<QList<int>>("erwartet");
        QTest::newRow("oven off hides degree verbs even with all verbs") << 11 << 50 << 10 << 1 << QList<int>{0, -2, 1, -2, 2};
        QTest::newRow("oven at 55 offers them") << 11 << 55 << 10 << 1 << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("time off hides time verbs") << 11 << 55 << 0 << 1 << QList<int>{0, 1, -2, -2, 2};
        QTest::newRow("by device; the pot has no temperature slider") << 1 << 180 << 10 << 0 << QList<int>{0, -2, 1, -2, -1};
        QTest::newRow("scale with all verbs off: empty board") << IAWaage << 180 << 10 << 0 << QList<int>{-1, -2, -2, -2, -1};
    }
    void verbFilter()
    {
        neueKueche();
        IAVERBEN = {verb(u" ... waschen"_s, 0, {1}), verb(u" ... bei GGG backen"_s, 1, {11}),
                    verb(u" ... ZZZ kochen"_s, 2, {1}), verb(u" ... bei GGG ZZZ backen"_s, 3, {11}),
                    verb(u" ... braten"_s, 0, {3})};
        QFETCH(int, geraet);
        QFETCH(int, grad);
        QFETCH(int, zeit);
        QFETCH(int, alle);
        IAStatus.Geraet = geraet;
        Setze_Temperatur(grad);
        Setze_Kochzeit(zeit);
        IAStatus.AlleVerben = quint8(alle);
        Aktualisiere_IAZustand();
        QTEST(plaetze(IAVERBEN), "erwartet");
    }

    void verbBoardOffset()
    {
        neueKueche();
        IAVERBEN = TIAVERBEN(26, verb(u" ... rühren"_s, 0, {}));
        IAVerbOffset = 25;
        Aktualisiere_IAZustand();
        QCOMPARE(IAVerbOffset, 0);
        IAVerbOffset = 15;
        Aktualisiere_IAZustand();
        QCOMPARE(IAVerbOffset, 15);
    }

    void selectionModes_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QList<int>>("vorher");
        QTest::addColumn<int>("modusNachher");
        QTest::addColumn<QList<int>>("nachher");
        // Items 0..2 in the kitchen, item 3 on the shelf; the click hits item 0.
        QTest::newRow("none: the item is selected") << 0 << QList<int>{0, 0, 0, 0} << 2 << QList<int>{2, 0, 0, 0};
        QTest::newRow("all: every kitchen item explicitly") << 1 << QList<int>{1, 1, 1, 0} << 2 << QList<int>{2, 2, 2, 0};
        QTest::newRow("some: toggled off, others stay") << 2 << QList<int>{2, 2, 0, 0} << 2 << QList<int>{0, 2, 0, 0};
        QTest::newRow("some: the last one off ends the selection") << 2 << QList<int>{2, 0, 0, 0} << 0 << QList<int>{0, 0, 0, 0};
    }
    void selectionModes()
    {
        QFETCH(QList<int>, vorher);
        neueKueche({zutat(u"A"_s, 1), zutat(u"B"_s, 1), zutat(u"C"_s, 1), zutat(u"D"_s, 0)});
        for (int i = 0; i < 4; ++i)
            IAZutat(i)->Auswahl = vorher[i];
        QFETCH(int, modus);
        IAStatus.Auswahlmodus = modus;
        Waehle_Kuechenzutat(0);
        QTEST(IAStatus.Auswahlmodus, "modusNachher");
        QList<int> nachher;
        for (const TTIAZutatenliste &z : IAZutaten())
            nachher << z.Auswahl;
        QTEST(nachher, "nachher");
    }

    void onTheScale()
    {
        neueKueche({zutat(u"Salz"_s, -1, 1), zutat(u"Mehl"_s, -1, 0, u"200"_s, u"g"_s)}); // a spice is the window's test
        QVERIFY(!Lege_auf_Waage()); // empty hand
        IAZutat(1)->Geraete = {-1, -1, -1, 1, 3};
        IAHandZutat = 1;
        TTIAWaagenanzeige a;
        QVERIFY(Lege_auf_Waage(&a));
        QCOMPARE((QList<int>{IAHandZutat, Waagenzutat()}), (QList<int>{-1, 1}));
        QCOMPARE((QStringList{IAZutat(1)->WaageMenge, a.Verlauf[2]}), (QStringList{u"200"_s, QString()}));
        QCOMPARE(a.Verlauf[4], Programmverzeichnis + u"Grafiken\\ENG\\PNG\\IAKOCHEN\\Pfanne_Ic.png"_s);
    }

    // However often the tutorial starts, its end gives back the user's own
    // switches; an end without a start changes nothing.
    void tutorialSwitches()
    {
        IAStatus.Tooltipps = 0;
        IAStatus.AlleVerben = 0;
        Setze_Tutorialschalter();
        Setze_Tutorialschalter();
        QCOMPARE((QList<int>{IAStatus.Tooltipps, IAStatus.AlleVerben}), (QList<int>{1, 1}));
        Stelle_Tutorialschalter_zurueck();
        QCOMPARE((QList<int>{IAStatus.Tooltipps, IAStatus.AlleVerben}), (QList<int>{0, 0}));
        IAStatus.AlleVerben = 1;
        Stelle_Tutorialschalter_zurueck();
        QCOMPARE((QList<int>{IAStatus.Tooltipps, IAStatus.AlleVerben}), (QList<int>{0, 1}));
    }
};

QTEST_GUILESS_MAIN(TestIAModell)
#include "tst_iamodell.moc"
