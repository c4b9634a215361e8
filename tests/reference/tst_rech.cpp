// The servings calculator and the comment picker, both opened from the
// recipe editor: what they write into the recipe and the comment file.
#include <QtWidgets>
#include <optional>

#include "app/Start.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Hauptprogramm.h"
#include "platform/Paths.h"
#include "recipes/F_Rez.h"
#include "reference/F_Rech.h"
#include "reference/F_ZutKom.h"
#include "testing/Testing.h"
#include "Zutatenhilfen.h"

namespace {

void Grundzustand()
{
    GlobalSystemInit();
    GlobalVARInit();
    Setze_GlobalOptionen();
    ProgrammOK = 1;
    VariablenTotal[0].Einheiten = {"[pinch]", "[ml]", "[g]"};
    Zutatentotal.clear();
    platform::makeFolder(QStringLiteral("PRGDATA\\ENG"));
}

// One recipe in memory, open in the editor with these lines and servings.
void Rezept(const QStringList &zeilen, const QString &portionen, const QString &preis = QStringLiteral("10"))
{
    Grundzustand();
    RezepteTotal = TRezepteTotal(1);
    Initialisiere_Rezept(0);
    TTRezepteTotal &r = RezepteTotal[0];
    r.Zutatenliste.clear();
    r.Zutaten.clear();
    for (const QString &z : zeilen) {
        TTZutatenliste l;
        Zerlege_Zutatenstring(z, l.Menge, l.Einheit, true, l.Name);
        l.Listenindex = r.Zutatenliste.size();
        r.Zutatenliste.append(l);
        r.Zutaten.append({l.Name, -1, l.Menge, l.Einheit});
    }
    AktuellesRezept = 0;
    FRez->Fuelle_Formular();
    FRez->ERAnzahlportionen->setText(portionen);
    FRez->ERPreis->setText(preis);
    FRez->LBZutatliste->setCurrentRow(0);
}

// The comment file with these comments, and the comments read back.
void Kommentare(testing::BaseFolder &base, const QStringList &liste)
{
    base.writeLines("PRGDATA/ENG/Kommentare.hbr",
                    QStringList{"[TAFELWERKSTATTZUTATKOMMENTARE 2.0]", QString::number(liste.size())} + liste);
}
QStringList Kommentare(const testing::BaseFolder &base)
{
    return base.readLines("PRGDATA/ENG/Kommentare.hbr").mid(2);
}

QStringList Rezeptzeilen()
{
    QStringList z;
    for (const TTZutatenliste &l : RezepteTotal[0].Zutatenliste)
        z << QString::number(l.Listenindex) + QLatin1Char(':') + Verbinde_Zutatenstring(l.Menge, l.Einheit, l.Name);
    z.sort();
    return z;
}

} // namespace

class TestRech : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::BaseFolder base;
        Grundzustand();
        Erzeuge_Formulare();
        QVERIFY(FRech && FZutKom && FRez);
    }
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        meldungen.emplace();
    }
    void cleanup()
    {
        FRech->hide();
        FZutKom->hide();
        FRez->hide();
        FRez->setEnabled(true);
        QVERIFY2(meldungen->pending().isEmpty(), qPrintable(meldungen->pending().join(QLatin1Char('|'))));
        meldungen.reset();
        base.reset();
    }

    void portionenzahl_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<double>("wert");
        QTest::newRow("decimal comma") << "2,5" << 2.5;
        QTest::newRow("blanks inside") << " 1 2 " << 12.0;
        QTest::newRow("thousands and point") << "1,000.5" << 1000.5;
        QTest::newRow("minus cuts") << "-3" << 0.0;
        QTest::newRow("letters") << "six" << 0.0;
    }
    void portionenzahl()
    {
        QFETCH(QString, eingabe);
        QFETCH(double, wert);
        QCOMPARE(Lies_Portionenzahl(eingabe), wert);
    }

    void zeilenUndPortionentext()
    {
        VariablenTotal = TVariablenTotal(1);
        VariablenTotal[0].Einheiten = {"[g]"};
        QCOMPARE(Berechne_Zutatenzeilen({"200 g Flour", "2-3 Eggs", "1/2 g Salt", "*** for the glaze ***", "0.5 Lemon"},
                                        1.5),
                 (QStringList{"300 g Flour", "3-4.50 Eggs", "1/2 g Salt", "*** for the glaze ***", "0.75 Lemon"}));
        QCOMPARE(Formatiere_Portionentext(6, "persons"), "6 persons");
        QCOMPARE(Formatiere_Portionentext(2.5, ""), "2.50");
    }

    // 4 to 6 servings from the editor's menu: lines, record, servings, price.
    void berechnenUndUebernehmen()
    {
        Rezept({"200 g Flour", "2-3 Eggs", "*** for the glaze ***"}, "4 persons", "10");
        FRez->show();
        FRez->MRezeptmengenberechnen->trigger();
        QVERIFY(!FRez->isEnabled());
        QCOMPARE(FRech->Label2->text(), "Original ingredients (4.00 persons):");

        // refused entries change nothing
        for (const char *falsch : {"-3", "", "0"}) {
            FRech->EAnzahl->setText(falsch);
            meldungen->expect("Error: Incorrect number!");
            FRech->BBerechnen->click();
        }
        QCOMPARE(RechFaktor, 4.0);
        // repeated calculations work from the original lines
        for (const char *n : {"8", "6"}) {
            FRech->EAnzahl->setText(n);
            FRech->BBerechnen->click();
        }
        QCOMPARE(Zeilen(FRech->LBNeu), (QStringList{"300 g Flour", "3-4.50 Eggs", "*** for the glaze ***"}));

        meldungen->expect("Hint: Please change the cooking time, if necessary! New servings: 6 persons");
        FRech->BUebernehmen->click();
        QVERIFY(FRez->isEnabled());
        QCOMPARE(FRez->ERAnzahlportionen->text(), "6 persons");
        QCOMPARE(FRez->ERPreis->text(), "15.00");
        QCOMPARE(Zeilen(FRez->LBZutatliste), (QStringList{"300 g Flour", "3-4.50 Eggs", "*** for the glaze ***"}));
        QCOMPARE(RezepteTotal[0].Zutaten.value(1).Menge, "3-4.50");
        QVERIFY(FRez->Geaendert());
    }

    // A decimal comma; a cancel writes nothing; a servings base of 0 is 1.
    void kommaAbbrechenUndNullBasis()
    {
        Rezept({"100 g Flour"}, "0");
        meldungen->expect("Note: No number found! Value is set to 1!");
        FRez->MRezeptmengenberechnen->trigger();
        QCOMPARE(RechPortionen, 1.0);
        FRech->EAnzahl->setText("2,5");
        FRech->BBerechnen->click();
        QCOMPARE(Zeilen(FRech->LBNeu), QStringList{"250 g Flour"});
        FRech->BAbbrechen->click();
        QVERIFY(FRez->isEnabled());
        QCOMPARE(RezepteTotal[0].Zutatenliste.value(0).Menge, "100");
        QCOMPARE(FRez->ERAnzahlportionen->text(), "0");
    }

    // The deluxe layout scales its quantity column, which holds its lines.
    void deluxe()
    {
        Rezept({"200 g Flour", "1 pinch Salt"}, "2");
        RezepteTotal[0].Deluxe = 1;
        FRez->Fuelle_Formular();
        FRez->ERAnzahlportionen1->setText("2");
        FRez->LBZutatliste->setCurrentRow(0);
        FRez->MRezeptmengenberechnen->trigger();
        FRech->EAnzahl->setText("3");
        FRech->BBerechnen->click();
        meldungen->expect("New servings: 3");
        FRech->BUebernehmen->click();
        QCOMPARE(FRez->MMenge1->toPlainText(), "300\n1.50");
        QCOMPARE(Rezeptzeilen(), (QStringList{"0:300 g Flour", "1:1.50 pinch Salt"}));
    }

    // -- the comment picker --

    void kommentarEinfuegen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("zeile"); // selected editor line, -1 none
        QTest::addColumn<QStringList>("datei");
        QTest::addColumn<QStringList>("rezept");
        const QStringList ohne{"0:200 g Flour", "1:1 pinch Salt"};
        QTest::newRow("other case replaces") << "FOR THE SAUCE:" << 0 << QStringList{"finely chopped", "FOR THE SAUCE:"}
                                             << QStringList{"0:*** FOR THE SAUCE: ***", "1:200 g Flour", "2:1 pinch Salt"};
        QTest::newRow("new one appended") << "peeled" << 1
                                          << QStringList{"finely chopped", "For the sauce:", "peeled"}
                                          << QStringList{"0:200 g Flour", "1:*** peeled ***", "2:1 pinch Salt"};
        QTest::newRow("no line: only stored") << "peeled" << -1
                                              << QStringList{"finely chopped", "For the sauce:", "peeled"} << ohne;
    }
    void kommentarEinfuegen()
    {
        QFETCH(QString, text);
        QFETCH(int, zeile);
        QFETCH(QStringList, datei);
        QFETCH(QStringList, rezept);
        Kommentare(*base, {"For the sauce:", "finely chopped"});
        Rezept({"200 g Flour", "1 pinch Salt"}, "2");
        FRez->show();
        FRez->LBZutatliste->setCurrentRow(zeile);
        FRez->MZutatkommentar->trigger();
        QCOMPARE(FZutKom->CBZutatKommentar->currentText(), "For the sauce:");
        // the file changed meanwhile: the comment is found by its text
        Kommentare(*base, {"finely chopped", "For the sauce:"});
        FZutKom->CBZutatKommentar->setEditText(text);
        meldungen->expect("Note: Insert \"*** " + text + " ***\" as comment?", 6);
        FZutKom->BOK->click();
        QCOMPARE(Kommentare(*base), datei);
        QCOMPARE(Rezeptzeilen(), rezept);
    }

    void kommentarLoeschenUndLeer()
    {
        Kommentare(*base, {"For the sauce:", "finely chopped"});
        Rezept({"200 g Flour"}, "2");
        Zeige_Zutatkommentare();
        FZutKom->CBZutatKommentar->setCurrentIndex(1);
        meldungen->expect("Do you want to delete this comment?", 6);
        QTest::keyClick(FZutKom->CBZutatKommentar, Qt::Key_F3);
        QCOMPARE(Kommentare(*base), QStringList{"For the sauce:"});
        // the last comment stays
        QTest::keyClick(FZutKom->CBZutatKommentar, Qt::Key_F3);
        QCOMPARE(Kommentare(*base), QStringList{"For the sauce:"});
        // an empty text and a refused question leave everything as it was
        FZutKom->CBZutatKommentar->setEditText("");
        meldungen->expect("Please enter a comment first!");
        FZutKom->BOK->click();
        FZutKom->CBZutatKommentar->setEditText("new");
        meldungen->expect("as comment?", 7);
        FZutKom->BOK->click();
        QCOMPARE(Kommentare(*base), QStringList{"For the sauce:"});
        QCOMPARE(Rezeptzeilen(), QStringList{"0:200 g Flour"});

        Kommentare(*base, {});
        meldungen->expect("Error: No comments found!");
        Zeige_Zutatkommentare();
        QVERIFY(!FZutKom->isVisible());
    }

private:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> meldungen;
};

QTEST_MAIN(TestRech)
#include "tst_rech.moc"
