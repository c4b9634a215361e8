#include <QFile>

#include "KuecheFixtures.h"
#include "interactive/IADatei.h"
#include "interactive/IAModell.h"

using namespace kueche;

namespace {

const QString Datei = u"Recipes\\IAKochen\\Test.IAK"_s;

// An item block as the file holds it.
QStringList block(const QString &name, const char *gewuerz, int ort, const QString &grafik = {})
{
    return QStringList{name, u"500"_s, u"g"_s, u"200"_s, u"g"_s, u"2"_s, QString::fromLatin1(gewuerz), name + u" fein"_s,
                       QString::number(ort), grafik, u"-1"_s, u"-1"_s, u"-1"_s, u"1"_s, u"3"_s, u"99"_s, u"0"_s};
}

// A file with the given item blocks, one seasoning line and the state.
QStringList datei(const QList<QStringList> &bloecke)
{
    QStringList z = zeilen("[IATAFELWERKSTATT 3.00]|Kartoffelsuppe|4") << QString::number(bloecke.size());
    for (const QStringList &b : bloecke)
        z += b;
    return z + zeilen("1|0|Kartoffeln|Prise(n)|2|Salz|Kartoffeln mit 2 Prisen Salz würzen.|1|11|0|180|25") + QStringList(20)
           + zeilen("[EOF]");
}

// What the kitchen holds, to see that a failed load leaves it alone.
QStringList zustand()
{
    QStringList s{IARezept()->Rezeptname, QString::number(IARezept()->Kategorie), QString::number(IAZutaten().size()),
                  QString::number(IARezepttext.size()), QString::number(IAStatus.Geraet)};
    for (const TTIAZutatenliste &z : IAZutaten())
        s << z.Zutatname;
    return s;
}

} // namespace

class TestIADatei : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init()
    {
        beginne();
        neueKueche();
        schreibeDatenbank(*base);
        QVERIFY(Lade_Zutaten(Load));
        IADateiname = u"Test.IAK"_s;
    }
    void cleanup() { beende(); }

    // The layout as written: spices store "0", ingredients "-1"; unnamed
    // items are left out and not counted. What is written reads back and is
    // written again the same.
    void roundTrip()
    {
        TTIAZutatenliste salz = zutat(u"Salz"_s, 0, 1, u"1"_s, u"Prise(n)"_s);
        salz.Geraete = {-1, -1, -1, 1, 3};
        salz.Auswahl = 2;
        TTIAZutatenliste kartoffeln = zutat(u"Kartoffeln"_s, 2, 0, u"500"_s, u"g"_s);
        kartoffeln.WaageMenge = u"1000"_s;
        IARezept()->IAZutaten = {salz, TTIAZutatenliste(), kartoffeln};
        IARezept()->Rezeptname = u"Suppe: heiß"_s;
        IARezepttext = {{1, u"Kartoffeln"_s, u"Prise(n)"_s, u"1"_s, u"Salz"_s, u"Kartoffeln mit 1 Prise Salz würzen."_s},
                        {0, {}, {}, {}, {}, u"Kartoffeln schälen."_s}};
        IAStatus = {2, 16, 2, 1, 1, 1, 180, 25, 0, 1, {}};
        QVERIFY(Speichere_IARezept());
        const QStringList geschrieben = base->readLines(Datei);
        QCOMPARE(geschrieben,
                 zeilen("[IATAFELWERKSTATT 3.00]|Suppe: heiß|0|2"
                        "|Salz|||1|Prise(n)|-1|0|Salz|0||-1|-1|-1|1|3|-1|2"
                        "|Kartoffeln|1000||500|g|-1|-1|Kartoffeln|2||-1|-1|-1|-1|-1|-1|0"
                        "|2|0|Kartoffeln|Prise(n)|1|Salz|Kartoffeln mit 1 Prise Salz würzen.|-1|||||Kartoffeln schälen."
                        "|2|16|2|180|25")
                     + QStringList(20) + zeilen("[EOF]"));

        neueKueche();
        QVERIFY(Lade_IARezept());
        QCOMPARE(IAZutaten()[1].DBIndex, Suche_Zutat(u"Kartoffeln"_s, -1));
        IAZutat(0)->DBIndex = IAZutat(1)->DBIndex = -1; // as they were stored
        QVERIFY(Speichere_IARezept());
        QCOMPARE(base->readLines(Datei), geschrieben);
    }

    void emptyRecipe()
    {
        IARezept()->IAZutaten = TTAIAZutatenliste(1); // the initialiser's placeholder
        IARezepttext = TIARezepttext(1);
        QVERIFY(Speichere_IARezept());
        QCOMPARE(base->readLines(Datei),
                 zeilen("[IATAFELWERKSTATT 3.00]|Testrezept|0|0|0|0|1|0|50|0") + QStringList(20) + zeilen("[EOF]"));
    }

    // "1" is no spice flag; a stored picture that exists stays, a missing
    // one is taken from the database record's group.
    void readingFlagsAndPictures()
    {
        base->writeBytes(u"GFXZUTAT\\ENG\\eigen.png"_s, "x");
        const QString eigen = Programmverzeichnis + u"GFXZUTAT\\ENG\\eigen.png"_s;
        base->writeLines(Datei, datei({block(u"Salz"_s, "1", 0, eigen), block(u"Zwiebel"_s, "0", 1, u"/nirgends.png"_s)}));
        QVERIFY(Lade_IARezept());
        QCOMPARE((QList<int>{IAZutaten()[0].Gewuerz, IAZutaten()[1].Gewuerz}), (QList<int>{0, 1}));
        QCOMPARE(IAZutaten()[0].Grafik, eigen);
        QCOMPARE(IAZutaten()[1].Grafik, Programmverzeichnis + u"Grafiken\\ENG\\PNG\\IAKOCHEN\\Z_Gemuese.png"_s);
    }

    // An item whose ingredient is gone is dropped once and the file written
    // without it; an inactive ingredient is no missing one. A file that
    // cannot be written is loaded all the same.
    void missingIngredientsDropped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("schreibbar");
        QTest::newRow("writable") << u"Test.IAK"_s << true;
        // No temporary file can be made beside a name at the length limit,
        // so the file reads but cannot be written (whoever runs the test).
        QTest::newRow("unwritable") << QString(251, u'x') + u".IAK"_s << false;
    }
    void missingIngredientsDropped()
    {
        QFETCH(QString, name);
        QFETCH(bool, schreibbar);
        IADateiname = name;
        const QString pfad = u"Recipes\\IAKochen\\"_s + name;
        const QStringList vorher = datei({block(u"Kartoffeln"_s, "-1", 0), block(u"Weg"_s, "-1", 1),
                                          block(u"Basilikum"_s, "0", 0)});
        base->writeLines(Datei, vorher);
        if (!schreibbar)
            QVERIFY(QFile::rename(base->path(Datei), base->path(u"Recipes\\IAKochen"_s) + u'/' + name));
        QVERIFY(Lade_IARezept());
        QCOMPARE(zustand().mid(5), (QStringList{u"Kartoffeln"_s, u"Basilikum"_s}));
        const QStringList nachher = base->readLines(pfad);
        if (schreibbar) {
            QCOMPARE(nachher[3], u"2"_s);
            QVERIFY(!nachher.contains(u"Weg"_s));
        } else {
            QCOMPARE(nachher, vorher);
        }
        QVERIFY(Lade_IARezept());
        QCOMPARE(IAZutaten().size(), 2);
    }

    // A wrong header is refused quietly; a short or garbled file with a
    // message; either leaves the kitchen as it was, and the garbled file is
    // not written over.
    void badFiles_data()
    {
        QTest::addColumn<QStringList>("inhalt");
        QTest::addColumn<bool>("meldung");
        const QStringList gut = datei({block(u"Kartoffeln"_s, "-1", 0)});
        auto mit = [&](int zeile, const char *wert) {
            QStringList z = gut;
            z[zeile] = QString::fromLatin1(wert);
            return z;
        };
        QTest::newRow("header in another case") << mit(0, "[iatafelwerkstatt 3.00]") << false;
        QTest::newRow("empty file") << QStringList() << false;
        QTest::newRow("cut in an item") << gut.mid(0, 12) << true;
        QTest::newRow("item count beyond the file") << mit(3, "400000000") << true;
        QTest::newRow("negative line count") << mit(21, "-1") << true;
        QTest::newRow("category 21") << mit(2, "21") << true;
        QTest::newRow("device 16 in the history") << mit(14, "16") << true;
    }
    void badFiles()
    {
        QFETCH(QStringList, inhalt);
        QFETCH(bool, meldung);
        neueKueche({zutat(u"Zwiebel"_s, 0)});
        IAStatus.Geraet = 3;
        const QStringList vorher = zustand();
        base->writeLines(Datei, inhalt);
        if (meldung)
            messages->expect(u"unvollständig oder beschädigt"_s);
        QVERIFY(!Lade_IARezept());
        QCOMPARE(zustand(), vorher);
        if (meldung) {
            messages->expect(u"wird deshalb nicht überschrieben"_s);
            QVERIFY(!Speichere_IARezept());
            QCOMPARE(base->readLines(Datei), inhalt);
        }
    }

    void fileNameRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::newRow("all of them") << u",;:?#+*\\@-/\"[]()x"_s << u"x"_s;
        QTest::newRow("no file name holds these") << u"a<b>c|d\te\nf"_s << u"abcdef"_s;
        QTest::newRow("blanks, dots and accents stay") << u" Crème brûlée. 2 "_s << u" Crème brûlée. 2 "_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void fileNameRule()
    {
        QFETCH(QString, name);
        QTEST(Erzeuge_IARezeptdateiname(name), "datei");
    }

    // The chooser offers only files with the header, whatever their letter
    // case, and finds a name again ignoring case.
    void chooserList()
    {
        base->writeLines(u"Recipes\\IAKochen\\b.IAK"_s, datei({}));
        base->writeLines(u"Recipes\\IAKochen\\A.iak"_s, zeilen("[IATAFELWERKSTATT 3.00]|Apfelmus|x"));
        base->writeLines(u"Recipes\\IAKochen\\old.IAK"_s, zeilen("[IATAFELWERKSTATT 2.00]|Alt|0"));
        base->writeLines(u"Recipes\\IAKochen\\lower.IAK"_s, zeilen("[iatafelwerkstatt 3.00]|Klein|0"));
        base->writeBytes(u"Recipes\\IAKochen\\leer.IAK"_s, QByteArray());
        base->writeLines(u"Recipes\\IAKochen\\notes.txt"_s, zeilen("[IATAFELWERKSTATT 3.00]|Notiz|0"));
        const TIARLadeliste liste = Lies_IARezeptliste();
        QCOMPARE(liste.size(), 2);
        QCOMPARE((QStringList{liste[0].Dateiname, liste[0].Rezeptname, liste[1].Rezeptname}),
                 (QStringList{u"A.iak"_s, u"Apfelmus"_s, u"Kartoffelsuppe"_s}));
        QCOMPARE((QList<int>{liste[0].Kategorie, liste[1].Kategorie}), (QList<int>{0, 4})); // "x" reads as 0
        QVERIFY(Ist_IARezeptdatei_vorhanden(liste, u"B.IAK"_s));
        QVERIFY(!Ist_IARezeptdatei_vorhanden(liste, u"old.IAK"_s));
    }
};

QTEST_GUILESS_MAIN(TestIADatei)
#include "tst_iadatei.moc"
