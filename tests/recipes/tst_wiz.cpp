// The new-recipe wizard: a finished run gives a recipe file, an overview
// entry and the open editor; cancelling leaves nothing behind.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"
#include "testing/Testing.h"

namespace {

void Grundzustand()
{
    GlobalSystemInit();
    GlobalVARInit();
    Setze_GlobalOptionen();
    ProgrammOK = 1;
    TTVariablenTotal &v = VariablenTotal[0];
    v.Einheiten = {QStringLiteral("[tbsp]"), QStringLiteral("[g]")};
    TTEinheit g;
    g.Schluessel = QStringLiteral("[g]");
    g.Name = QStringLiteral("g");
    g.Zuordnung.fill(1);
    for (TTAEinheit &k : v.Kategorien)
        k = {g};
    TTZutatentotal mehl;
    mehl.Zutatname = QStringLiteral("Flour");
    mehl.Kategorie = 9;
    mehl.Status = 1;
    Zutatentotal = {mehl};
    platform::makeFolder(QStringLiteral("PRGDATA\\ENG"));
    platform::makeFolder(QStringLiteral("Recipes"));
}

qint32 Rezept_mit_Namen(const QString &name)
{
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (RezepteTotal[i].Rezeptname == name)
            return i;
    return -1;
}

void Schritt1(const QString &name, qint32 kategorie)
{
    QVERIFY(FWiz01->isVisible());
    FWiz01->ERezeptname->setText(name);
    FWiz01->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(kategorie));
    FWiz01->BWeiter->click();
}

// Steps 2 to 5 as they are, then Finish.
void Bis_zum_Ende()
{
    for (TFWizBasis *s : {static_cast<TFWizBasis *>(FWiz02), static_cast<TFWizBasis *>(FWiz03),
                          static_cast<TFWizBasis *>(FWiz04), static_cast<TFWizBasis *>(FWiz05)})
        s->BWeiter->click();
    FWiz06->BBFertig->click();
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
    void init() { testing::failOnWarnings(); }
    void cleanup()
    {
        if (WizRezept >= 0)
            Breche_Rezeptassistent_ab();
        FRez->hide();
    }

    void assistentLegtRezeptAn()
    {
        testing::BaseFolder base;
        Grundzustand();
        testing::ScriptedMessages meldungen;
        Programmstart(true);
        const int vorher = RezepteTotal.size();

        Starte_Rezeptassistent();
        Schritt1(QStringLiteral("Lemon cake"), 17);
        QVERIFY(FWiz02->isVisible());
        QVERIFY(!FWiz01->isVisible());
        QCOMPARE(RezepteTotal.size(), vorher + 1);
        QCOMPARE(AktuellesRezept, WizRezept);
        const TTRezepteTotal &r = RezepteTotal[WizRezept];
        QCOMPARE(r.Kategorie, 17);
        QCOMPARE(r.Dateiendung, QStringLiteral(".TRP"));
        QCOMPARE(r.Kategoriezeile, QStringLiteral("[TORTENREZEPT]:"));
        QCOMPARE(r.Dateikopf, QStringLiteral("[TAFELWERKSTATT 2.0]"));
        QVERIFY(r.Dateiname.endsWith(QStringLiteral("Lemon cake.TRP")));

        FWiz02->EPortionen->setText(QStringLiteral("12 pieces"));
        FWiz02->CBSchwierigkeit->setCurrentIndex(2);
        QTest::keyClick(FWiz02->EPortionen, Qt::Key_Return); // Next is the default
        QVERIFY(FWiz03->isVisible());
        FWiz03->CLBKochgeraete->findItems(QStringLiteral("baking oven"), Qt::MatchExactly)
            .value(0)
            ->setCheckState(Qt::Checked);
        FWiz03->BWeiter->click();
        // back and forth keeps what was entered
        FWiz04->BZurueck->click();
        QVERIFY(FWiz03->isVisible());
        FWiz03->BWeiter->click();
        FWiz04->BWeiter->click();
        QVERIFY(FWiz05->isVisible());
        FWiz05->MZutaten->setPlainText(QStringLiteral("200 g Flour\n3\tEggs\n\n*** for the glaze ***\n"));
        FWiz05->MAnleitung->setPlainText(QStringLiteral("Mix everything.\nBake for 40 minutes.\n"));
        FWiz05->BWeiter->click();
        QVERIFY(FWiz06->isVisible());
        QVERIFY(!FWiz06->BBFDigI->isEnabled());
        QVERIFY(!FWiz06->BBIAKochen->isEnabled());
        QTest::keyClick(FWiz06, Qt::Key_Return); // Finish is the default

        QVERIFY(!FWiz06->isVisible());
        QCOMPARE(WizRezept, -1);
        QVERIFY(base.exists(QStringLiteral("Recipes/Lemon cake.TRP")));
        QVERIFY(FRez->isVisible());
        QCOMPARE(FRez->ERName->text(), QStringLiteral("Lemon cake"));
        QCOMPARE(FRez->LBZutatliste->count(), 3);
        QCOMPARE(FRez->REREingabe->toPlainText(), QStringLiteral("Mix everything.\nBake for 40 minutes."));

        Programmstart(true);
        const qint32 i = Rezept_mit_Namen(QStringLiteral("Lemon cake"));
        QVERIFY(i >= 0);
        QVERIFY(RezepteTotal[i].Listenposition >= 1);
        const TTRezepteTotal &neu = RezepteTotal[i];
        QCOMPARE(neu.Portionen, QStringLiteral("12 pieces"));
        QCOMPARE(neu.Schwierigkeit, 2);
        QCOMPARE(neu.Kochgeraete, QStringLiteral("baking oven,"));
        QStringList zeilen; // quantity|unit|name
        for (const TTZutatenliste &z : neu.Zutatenliste)
            zeilen << z.Menge + QLatin1Char('|') + z.Einheit + QLatin1Char('|') + z.Name;
        QCOMPARE(zeilen, (QStringList{"200|g|Flour", "3||Eggs", "||*** for the glaze ***"}));
        QCOMPARE(neu.Zutaten.value(0).Kategorie, 9);
        QCOMPARE(neu.Rezeptliste, QStringList({QStringLiteral("Mix everything."), QStringLiteral("Bake for 40 minutes.")}));
        QVERIFY(meldungen.seen.isEmpty());
    }

    void gleicherNameUeberschreibtNichts()
    {
        testing::BaseFolder base;
        Grundzustand();
        testing::ScriptedMessages meldungen;
        base.writeBytes(QStringLiteral("Recipes/Lemon cake.TRP"), "not ours");
        Starte_Rezeptassistent();
        Schritt1(QStringLiteral("Lemon cake"), 17);
        Bis_zum_Ende();
        QCOMPARE(base.readBytes(QStringLiteral("Recipes/Lemon cake.TRP")), QByteArray("not ours"));
        QCOMPARE(base.readLines(QStringLiteral("Recipes/Lemon cake (2).TRP")).value(2), QStringLiteral("Lemon cake"));
    }

    // Finishing fills the editor: unsaved changes of the recipe open in it are asked about first.
    void offenesRezeptWirdErstGefragt()
    {
        testing::BaseFolder base;
        Grundzustand();
        testing::ScriptedMessages meldungen;
        Starte_Rezeptassistent();
        Schritt1(QStringLiteral("Pie"), 0);
        Bis_zum_Ende();
        FRez->ERAnzahlportionen->setText(QStringLiteral("3 persons"));
        Starte_Rezeptassistent();
        Schritt1(QStringLiteral("Stew"), 0);
        meldungen.expect(QStringLiteral("save the changes"), 6);
        Bis_zum_Ende();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(base.readLines(QStringLiteral("Recipes/Pie.KRP")).contains(QStringLiteral("3 persons")));
        QVERIFY(base.exists(QStringLiteral("Recipes/Stew.KRP")));
        QCOMPARE(FRez->ERName->text(), QStringLiteral("Stew"));
        QVERIFY(!FRez->Geaendert());
    }

    void abbrechenHinterlaesstNichts()
    {
        testing::BaseFolder base;
        Grundzustand();
        testing::ScriptedMessages meldungen;
        Programmstart(true);
        const int vorher = RezepteTotal.size();
        const qint32 aktuell = AktuellesRezept;

        Starte_Rezeptassistent();
        Schritt1(QStringLiteral("Soup"), 4);
        FWiz02->BWeiter->click();
        FWiz03->BWeiter->click();
        FWiz04->BWeiter->click();
        FWiz05->MZutaten->setPlainText(QStringLiteral("1 g Salt"));
        // Escape is Cancel; No keeps the wizard open
        meldungen.expect(QStringLiteral("cancel the new recipe"), 7);
        QTest::keyClick(FWiz05->MZutaten, Qt::Key_Escape);
        QVERIFY(FWiz05->isVisible());
        QCOMPARE(RezepteTotal.size(), vorher + 1);
        // the close box is Cancel too
        meldungen.expect(QStringLiteral("cancel the new recipe"), 6);
        FWiz05->close();
        QVERIFY(!FWiz05->isVisible());
        QCOMPARE(RezepteTotal.size(), vorher);
        QCOMPARE(WizRezept, -1);
        QCOMPARE(AktuellesRezept, aktuell);
        QVERIFY(platform::listFiles(QStringLiteral("Recipes"), QStringLiteral("*.*")).isEmpty());
        QVERIFY(!base.exists(QStringLiteral("PRGDATA/ENG/RMListe.hbr")));
        QVERIFY(meldungen.pending().isEmpty());
    }

    void nameIstNoetig()
    {
        testing::BaseFolder base;
        Grundzustand();
        testing::ScriptedMessages meldungen;
        const int vorher = RezepteTotal.size();
        Starte_Rezeptassistent();
        meldungen.expect(QStringLiteral("Please enter a name for the recipe!"), 1);
        Schritt1(QStringLiteral("   "), 0);
        QVERIFY(FWiz01->isVisible());
        QCOMPARE(RezepteTotal.size(), vorher);
        QCOMPARE(WizRezept, -1);
        // cancelling before a record exists asks nothing
        FWiz01->BAbbrechen->click();
        QVERIFY(!FWiz01->isVisible());
        QVERIFY(meldungen.pending().isEmpty());
    }
};

QTEST_MAIN(TestWiz)
#include "tst_wiz.moc"
