// The new-recipe wizard: a finished run gives a recipe file, an overview
// entry and the open editor; cancelling leaves nothing behind.
#include <QtWidgets>
#include <optional>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "app/Start.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"
#include "reference/Zutatenhilfen.h"
#include "testing/Testing.h"

namespace {

// Globals as after start-up: one unit, one ingredient, no recipes.
void Grundzustand()
{
    testing::startState();
    TTVariablenTotal &v = VariablenTotal[0];
    v.Einheiten = {"[tbsp]", "[g]"};
    TTEinheit g;
    g.Schluessel = "[g]";
    g.Name = "g";
    g.Zuordnung.fill(1);
    v.Kategorien.fill({g});
    Zutatentotal = {Zutat("Flour", 9)};
}

// Step 1 with a name and a category, then Next.
void Schritt1(const QString &name, qint32 kategorie)
{
    QVERIFY(FWiz01->isVisible());
    FWiz01->ERezeptname->setText(name);
    FWiz01->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(kategorie));
    FWiz01->BWeiter->click();
}

// Steps 2 to 4 as they are.
void Bis_Schritt5()
{
    for (TFWizBasis *s : std::initializer_list<TFWizBasis *>{FWiz02, FWiz03, FWiz04})
        s->BWeiter->click();
}

// Steps 2 to 5 as they are, then Finish.
void Bis_zum_Ende()
{
    Bis_Schritt5();
    FWiz05->BWeiter->click();
    FWiz06->BBFertig->click();
}

// Writes a recipe file as another window would, leaving RezepteTotal as it was.
void Schreibe_Rezept(const QString &name)
{
    RezepteTotal.append(TTRezepteTotal());
    const qint32 i = RezepteTotal.size() - 1;
    testing::newRecord(i, name, 0);
    QVERIFY(Lade_Rezepte(Save, i));
    RezepteTotal.removeLast();
}

} // namespace

class TestWiz : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::BaseFolder base;
        Grundzustand();
        Erzeuge_Formulare();
        QVERIFY(FWiz01 && FWiz05 && FWiz06 && FRez);
    }
    // Every test has its own base folder; a message no test expects fails it.
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        Grundzustand();
        meldungen.emplace();
    }
    void cleanup()
    {
        if (WizRezept >= 0)
            Breche_Rezeptassistent_ab();
        FRez->hide();
        QVERIFY2(meldungen->pending().isEmpty(), qPrintable(meldungen->pending().join(QLatin1Char('|'))));
        meldungen.reset();
        base.reset();
    }

    void assistentLegtRezeptAn()
    {
        Programmstart(true);
        const int vorher = RezepteTotal.size();

        Starte_Rezeptassistent();
        Schritt1("Lemon cake", 17);
        QVERIFY(FWiz02->isVisible());
        QVERIFY(!FWiz01->isVisible());
        QCOMPARE((QList<qint32>{qint32(RezepteTotal.size()), AktuellesRezept}), (QList<qint32>{vorher + 1, WizRezept}));
        const TTRezepteTotal &r = RezepteTotal[WizRezept];
        QCOMPARE(r.Kategorie, 17);
        QCOMPARE((QStringList{r.Dateiendung, r.Kategoriezeile, r.Dateikopf}),
                 (QStringList{".TRP", "[TORTENREZEPT]:", "[TAFELWERKSTATT 2.0]"}));

        FWiz02->EPortionen->setText("12 pieces");
        FWiz02->CBSchwierigkeit->setCurrentIndex(2);
        QTest::keyClick(FWiz02->EPortionen, Qt::Key_Return); // Next is the default
        QVERIFY(FWiz03->isVisible());
        FWiz03->CLBKochgeraete->findItems("baking oven", Qt::MatchExactly).value(0)->setCheckState(Qt::Checked);
        FWiz03->BWeiter->click();
        // back and forth keeps what was entered
        FWiz04->BZurueck->click();
        QVERIFY(FWiz03->isVisible());
        FWiz03->BWeiter->click();
        FWiz04->BWeiter->click();
        QVERIFY(FWiz05->isVisible());
        // typed ingredients go through the digital import; without any, step 6 finishes
        FWiz05->MAnleitung->setPlainText("Mix everything.\nBake for 40 minutes.\n");
        FWiz05->BWeiter->click();
        QVERIFY(FWiz06->isVisible());
        QVERIFY(FWiz06->BBFDigI->isEnabled());
        QVERIFY(FWiz06->BBIAKochen->isEnabled());
        QTest::keyClick(FWiz06, Qt::Key_Return); // Finish is the default

        QVERIFY(!FWiz06->isVisible());
        QCOMPARE(WizRezept, -1);
        QVERIFY(FRez->isVisible());
        QCOMPARE(FRez->ERName->text(), "Lemon cake");
        QCOMPARE(FRez->LBZutatliste->count(), 0);
        QCOMPARE(FRez->REREingabe->toPlainText(), "Mix everything.\nBake for 40 minutes.");

        // the overview lists it, read back from its file
        Programmstart(true);
        const TTRezepteTotal neu = RezepteTotal.value(testing::recipeIndex("Lemon cake"));
        QVERIFY(neu.Listenposition >= 1);
        QCOMPARE((QStringList{neu.Portionen, QString::number(neu.Schwierigkeit), neu.Kochgeraete}),
                 (QStringList{"12 pieces", "2", "baking oven,"}));
        QVERIFY(neu.Zutatenliste.isEmpty());
        QCOMPARE(neu.Rezeptliste, (QStringList{"Mix everything.", "Bake for 40 minutes."}));
    }

    void gleicherNameUeberschreibtNichts()
    {
        base->writeBytes("Recipes/Lemon cake.TRP", "not ours");
        Starte_Rezeptassistent();
        Schritt1("Lemon cake", 17);
        Bis_zum_Ende();
        QCOMPARE(base->readBytes("Recipes/Lemon cake.TRP"), QByteArray("not ours"));
        QCOMPARE(base->readLines("Recipes/Lemon cake (2).TRP").value(2), "Lemon cake");
    }

    // Finishing fills the editor: unsaved changes of the recipe open in it are asked about first.
    void offenesRezeptWirdErstGefragt()
    {
        Starte_Rezeptassistent();
        Schritt1("Pie", 0);
        Bis_zum_Ende();
        FRez->ERAnzahlportionen->setText("3 persons");
        Starte_Rezeptassistent();
        Schritt1("Stew", 0);
        meldungen->expect("save the changes", Antwort_Ja);
        Bis_zum_Ende();
        QVERIFY(base->readLines("Recipes/Pie.KRP").contains("3 persons"));
        QVERIFY(base->exists("Recipes/Stew.KRP"));
        QCOMPARE(FRez->ERName->text(), "Stew");
        QVERIFY(!FRez->Geaendert());
    }

    void abbrechenHinterlaesstNichts()
    {
        Programmstart(true);
        const int vorher = RezepteTotal.size();
        const qint32 aktuell = AktuellesRezept;
        Starte_Rezeptassistent();
        Schritt1("Soup", 4);
        Bis_Schritt5();
        FWiz05->MZutaten->setPlainText("1 g Salt");
        // Escape is Cancel; No keeps the wizard open
        meldungen->expect("cancel the new recipe", Antwort_Nein);
        QTest::keyClick(FWiz05->MZutaten, Qt::Key_Escape);
        QVERIFY(FWiz05->isVisible());
        QCOMPARE(RezepteTotal.size(), vorher + 1);
        // the close box is Cancel too
        meldungen->expect("cancel the new recipe", Antwort_Ja);
        FWiz05->close();
        QVERIFY(!FWiz05->isVisible());
        QCOMPARE((QList<qint32>{qint32(RezepteTotal.size()), WizRezept, AktuellesRezept}),
                 (QList<qint32>{vorher, -1, aktuell}));
        QVERIFY(platform::listFiles("Recipes", "*.*").isEmpty());
        QVERIFY(!base->exists("PRGDATA/ENG/RMListe.hbr"));
    }

    // The wizard keeps its record through a reload that re-sorts the
    // recipes; cancelling then removes that record and nothing else.
    void assistentFolgtSeinemRezept()
    {
        Programmstart(true);
        Starte_Rezeptassistent();
        Schritt1("Stew", 0);
        for (const char *name : {"Apple pie", "Beans"})
            Schreibe_Rezept(QString::fromLatin1(name));
        Programmstart(true);
        auto namen = [] {
            QStringList n;
            for (const TTRezepteTotal &r : RezepteTotal)
                n << r.Rezeptname;
            std::sort(n.begin(), n.end());
            return n;
        };
        QCOMPARE(namen(), (QStringList{"Apple pie", "Beans", "Stew"}));
        QCOMPARE(RezepteTotal[WizRezept].Rezeptname, "Stew");
        QCOMPARE(AktuellesRezept, WizRezept);
        meldungen->expect("cancel the new recipe", Antwort_Ja);
        FWiz02->BAbbrechen->click();
        QCOMPARE(WizRezept, -1);
        QCOMPARE(namen(), (QStringList{"Apple pie", "Beans"}));

        // saved by another window meanwhile, it is a recipe of the book:
        // cancelling does not take it away, and a later start touches nothing
        Starte_Rezeptassistent();
        Schritt1("Soup", 0);
        QVERIFY(Lade_Rezepte(Save, WizRezept));
        Programmstart(true);
        QCOMPARE(RezepteTotal[WizRezept].Rezeptname, "Soup");
        meldungen->expect("cancel the new recipe", Antwort_Ja);
        FWiz02->BAbbrechen->click();
        QCOMPARE(WizRezept, -1);
        QCOMPARE(namen(), (QStringList{"Apple pie", "Beans", "Soup"}));
        Starte_Rezeptassistent();
        FWiz01->BAbbrechen->click();
        QCOMPARE(namen(), (QStringList{"Apple pie", "Beans", "Soup"}));
    }

    void zeichenAusserhalbDerCodepage()
    {
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8D\xB2");
        Starte_Rezeptassistent();
        meldungen->expect("cannot hold these characters: " + emoji, Antwort_OK);
        Schritt1("Stew " + emoji, 0);
        QVERIFY(FWiz01->isVisible());
        QCOMPARE(WizRezept, -1);
        Schritt1("Stew", 0);
        Bis_Schritt5();
        // spaces and invisible characters settled as they come in, the rest refused
        FWiz05->MZutaten->setPlainText(QString::fromUtf8("\xEF\xBB\xBF" "200\xC2\xA0g Flour\n1 ") + emoji);
        QCOMPARE(FWiz05->MZutaten->toPlainText(), "200 g Flour\n1 " + emoji);
        meldungen->expect("Line 2 \"1 " + emoji + "\": a recipe file cannot hold these characters: " + emoji, Antwort_OK);
        FWiz05->BWeiter->click();
        QVERIFY(FWiz05->isVisible());
    }

    void nameIstNoetig()
    {
        const int vorher = RezepteTotal.size();
        Starte_Rezeptassistent();
        meldungen->expect("Please enter a name for the recipe!", Antwort_OK);
        Schritt1("   ", 0);
        QVERIFY(FWiz01->isVisible());
        QCOMPARE((QList<qint32>{qint32(RezepteTotal.size()), WizRezept}), (QList<qint32>{vorher, -1}));
        // cancelling before a record exists asks nothing
        FWiz01->BAbbrechen->click();
        QVERIFY(!FWiz01->isVisible());
    }

private:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> meldungen;
};

QTEST_MAIN(TestWiz)
#include "tst_wiz.moc"
