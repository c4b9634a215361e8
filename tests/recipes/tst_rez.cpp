// The recipe editor: open, edit, save and reopen with rich text; the
// servings preparation; the shopping list; saves that must fail safely.
#include <QtWidgets>
#include <optional>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "app/Start.h"
#include "core/Hauptprogramm.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "recipes/F_ZutKom.h"
#include "reference/Einkaufsliste.h"
#include "reference/F_AktivZuDa.h"
#include "reference/F_Rech.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatenhilfen.h"
#include "testing/RecipeFile.h"
#include "testing/Testing.h"

namespace {

TTEinheit Einheit(const QString &name, bool nichtEinkaufen, const QStringList &mengen)
{
    TTEinheit e;
    e.Schluessel = QLatin1Char('[') + name + QLatin1Char(']');
    e.Name = name;
    e.Zuordnung.fill(1);
    e.NichtEinkaufen = nichtEinkaufen ? 1 : 0;
    e.Mengentabelle = QStringList{"not stated", "1"} + mengen;
    return e;
}

// Globals as after start-up, with a small units list and database.
void Grundzustand()
{
    testing::startState();
    TTVariablenTotal &v = VariablenTotal[0];
    v.Einheiten = {"[pinch]", "[ml]", "[g]"};
    for (TTAEinheit &k : v.Kategorien)
        k = {Einheit("g", false, {"100", "200"}), Einheit("ml", false, {}), Einheit("pinch", true, {})};
    Zutatentotal = {Zutat("Flour", 9), Zutat("Salt", 8), Zutat("Eggs", 5), Zutat("Water", 14)};
}

QStringList Rezeptdatei(const QString &name, const QString &tag)
{
    testing::RecipeFile r;
    r.tag = tag;
    r.name = name;
    r.subcategories = "Italian,";
    r.price = "12.50";
    r.ingredients = {{"Flour", 9, "200", "g"}, {"Salt", 8, "1", "pinch"}, {"Water", 14, "100", "ml"}};
    r.instructions = {"Mix the flour.", "Bake it."};
    r.remarks = {"Tasty."};
    return r.lines();
}

// Loads the recipes from their files and opens the one named name in the editor afresh.
bool Oeffne(const QString &name)
{
    FRez->hide();
    Programmstart(true);
    AktuellesRezept = testing::recipeIndex(name);
    if (AktuellesRezept < 0)
        return false;
    Zeige_Rezept();
    return true;
}

// Globals as after start-up and a recipe file Recipes\<first word>.KRP for
// each name; the first recipe is opened.
bool Mit_Rezepten(testing::BaseFolder &base, const QStringList &namen)
{
    Grundzustand();
    for (const QString &name : namen)
        base.writeLines(QStringLiteral("Recipes\\") + name.section(QLatin1Char(' '), 0, 0) + QStringLiteral(".KRP"),
                        Rezeptdatei(name, QStringLiteral("[KOCHREZEPT]:")));
    return Oeffne(namen.first());
}

// One recipe in memory only, the current one.
void Ein_Rezept(const TTAZutatenliste &zutaten)
{
    Grundzustand();
    RezepteTotal = TRezepteTotal(1);
    Initialisiere_Rezept(0);
    RezepteTotal[0].Zutatenliste = zutaten;
    AktuellesRezept = 0;
}

// What the editor shows: name, servings, instructions, remarks, then the ingredient lines.
QStringList Formular()
{
    QStringList l{FRez->ERName->text(), FRez->ERAnzahlportionen->text(), FRez->REREingabe->toPlainText(),
                  FRez->RERBemerkungen->toPlainText()};
    for (int i = 0; i < FRez->LBZutatliste->count(); ++i)
        l << FRez->LBZutatliste->item(i)->text();
    return l;
}

// Recipes\Stew.KRP in the deluxe layout: a preparation for each line, and
// a row holding only a preparation after the first.
void Deluxerezept(testing::BaseFolder &base, const QString &deluxe = "1")
{
    testing::RecipeFile r;
    r.name = "Stew";
    r.deluxe = deluxe;
    r.price = "12.50";
    r.ingredients = {{"Flour", 9, "200", "g"}, {"Salt", 8, "1", "pinch"}, {"Water", 14, "100", "ml"}};
    r.deluxeList = {"200", "g", "Flour", "sifted", "", "", "", "twice",
                    "1", "pinch", "Salt", "fine", "100", "ml", "Water", "lukewarm"};
    r.remarks = {"Tasty."};
    base.writeLines("Recipes\\Stew.KRP", r.lines());
    base.writeLines("PRGDATA/ENG/Kommentare.hbr", {"[TAFELWERKSTATTZUTATKOMMENTARE 2.0]", "1", "For the sauce:"});
}

// A section of a recipe file: its entries of breite lines, each joined by "|".
QStringList Abschnitt(const QStringList &l, const QString &kopf, int breite)
{
    const int k = l.indexOf(kopf);
    QStringList eintraege;
    for (int i = 0; k >= 0 && i < l.value(k + 1).toInt(); ++i)
        eintraege << l.mid(k + 2 + i * breite, breite).join(QLatin1Char('|'));
    return eintraege;
}

// Insert comment... with this text, answered Yes.
void Kommentar(testing::ScriptedMessages &meldungen, const QString &text)
{
    FRez->MZutatkommentar->trigger();
    QVERIFY(FZutKom->isVisible());
    FZutKom->CBZutatKommentar->setEditText(text);
    meldungen.expect("Insert \"*** " + text + " ***\" as comment?", Antwort_Ja);
    FZutKom->BOK->click();
    QVERIFY(!FZutKom->isVisible());
}

} // namespace

class TestRez : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::BaseFolder base;
        Grundzustand();
        Erzeuge_Formulare();
        QVERIFY(FRez);
    }
    // Every test has its own base folder; a message no test expects fails it.
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        meldungen.emplace();
    }
    void cleanup()
    {
        FRez->hide();
        QVERIFY2(meldungen->pending().isEmpty(), qPrintable(meldungen->pending().join(QLatin1Char('|'))));
        meldungen.reset();
        base.reset();
    }

    void bearbeitenSpeichernUndWiederOeffnen()
    {
        // A side file that another window left behind loses to the record's lines.
        base->writeBytes("Recipes/Pasta.KRP.RRT", "{\\rtf1\\ansi Something {\\b old}.\\par}");
        QVERIFY(Mit_Rezepten(*base, {"Pasta al forno"}));
        QVERIFY(FRez->isVisible());
        QCOMPARE(Formular(), (QStringList{"Pasta al forno", "4 persons", "Mix the flour.\nBake it.", "Tasty.",
                                          "200 g Flour", "1 pinch Salt", "100 ml Water"}));

        FRez->ERAnzahlportionen->setText("6 persons");
        FRez->LBZutatliste->setCurrentRow(0);
        QCOMPARE(FRez->CBMenge->currentText(), "200");
        FRez->EZutatSuchen->setText("eg");
        QCOMPARE(FRez->LBZutatsuche->count(), 1);
        QCOMPARE(FRez->EZutat->text(), "Eggs");
        QCOMPARE(FRez->CBMenge->currentText(), QString()); // not the flour's quantity
        FRez->LBZutatliste->setCurrentRow(-1);
        FRez->CBMenge->setCurrentText("2");
        FRez->CBEinheit->setCurrentText(QString());
        QTest::keyClick(FRez->LBZutatsuche, Qt::Key_Return); // adds it as a double click does
        QCOMPARE(Formular().mid(7), QStringList{"2 Eggs"});
        FRez->REREingabe->setHtml("Boil the pasta <b>carefully</b>.");
        QVERIFY(FRez->Geaendert());

        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(!FRez->Geaendert());
        // new side files beside the old one, which is gone
        QCOMPARE(QDir(base->path("Recipes")).entryList(QDir::Files),
                 (QStringList{"Pasta.KRP", "Pasta.KRP.1.BRT", "Pasta.KRP.1.RRT"}));

        QVERIFY(Oeffne("Pasta al forno"));
        QCOMPARE(Formular(), (QStringList{"Pasta al forno", "6 persons", "Boil the pasta carefully.", "Tasty.",
                                          "200 g Flour", "1 pinch Salt", "100 ml Water", "2 Eggs"}));
        // the format of a found word is that of its last letter
        QVERIFY(FRez->REREingabe->document()->find("carefully").charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(FRez->REREingabe->document()->find("Boil").charFormat().fontWeight() < QFont::Bold);
    }

    // Long instructions with many format runs reach the field in one change,
    // laid out once and not once per run: opening grows with the text, not
    // with its square.
    void langeAnleitungInEinemZug()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        QString html;
        for (int i = 0; i < 400; ++i)
            html += QString(i % 2 ? "step %1 " : "<b>step %1</b> ").arg(i) + (i % 8 == 7 ? "<br>" : "");
        FRez->REREingabe->setHtml(html);
        QVERIFY(FRez->MRezeptspeichernClick());
        int aenderungen = 0;
        const QObject zaehler; // the count ends with this test
        connect(FRez->REREingabe->document(), &QTextDocument::contentsChange, &zaehler, [&] { ++aenderungen; });
        QVERIFY(Oeffne("Pasta"));
        QVERIFY(FRez->REREingabe->document()->find("step 398").charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(FRez->REREingabe->document()->find("step 399").charFormat().fontWeight() < QFont::Bold);
        QVERIFY2(aenderungen < 10, qPrintable(QString::number(aenderungen)));
    }

    void zeilenBearbeiten()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        // the selected line shows its unit and quantity choices
        FRez->LBZutatliste->setCurrentRow(0);
        QCOMPARE(FRez->EZutat->text(), "Flour");
        QCOMPARE(FRez->CBEinheit->currentText(), "g");
        QVERIFY(FRez->CBMenge->findText("200") >= 0);
        FRez->BZutatrunter->click();
        QCOMPARE(Formular().mid(4), (QStringList{"1 pinch Salt", "200 g Flour", "100 ml Water"}));
        QCOMPARE(FRez->LBZutatliste->currentRow(), 1);
        FRez->CBMenge->setCurrentText("250 g"); // the unit typed again is not written twice
        FRez->BZutataendern->click();
        QCOMPARE(FRez->LZutatzeile->text(), "Selected: 250 g Flour");
        meldungen->expect("Delete ingredient: 1 pinch Salt?", Antwort_Ja);
        FRez->LBZutatliste->setCurrentRow(0);
        FRez->BZutatloeschen->click();
        QCOMPARE(Formular().mid(4), (QStringList{"250 g Flour", "100 ml Water"}));
        QStringList imRezept; // name@list index
        for (const TTZutatenliste &z : RezepteTotal[AktuellesRezept].Zutatenliste)
            imRezept << z.Name + QLatin1Char('@') + QString::number(z.Listenindex);
        QCOMPARE(imRezept, (QStringList{"Flour@0", "Water@1"}));
        // another category offers its own units before the recipe is saved
        VariablenTotal[0].Kategorien[12] = {Einheit("cup", false, {"3"})};
        FRez->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(12));
        QCOMPARE(FRez->CBEinheit->count(), 2);
        QCOMPARE(FRez->CBEinheit->itemText(1), "cup");
        // a chosen device joins the list; one whose name ends another's stays
        FRez->EKochgeraete->setText("baking oven,oven");
        FRez->CBKochgeraete->setCurrentIndex(9);
        FRez->CBKochgeraeteChange();
        QCOMPARE(FRez->EKochgeraete->text(), "baking oven,oven,microwave,");
    }

    void einkaufsliste()
    {
        // in list order, without the unit not bought, the heading and the removed line
        Ein_Rezept({{"2", "", "Eggs", 2}, {"1", "Pinch", "Salt", 1}, {"200", "g", "Flour", 0},
                    {"", "", "*** for the sauce ***", 3}, {"1", "g", "Removed", -1}, {"3", "spoons", "Water", 4}});
        RezepteTotal[0].Kategorie = 3;
        Erstelle_Einkaufsliste();
        QCOMPARE(RezepteTotal[0].Einkaufsliste, (QStringList{"200 g Flour", "2 Eggs", "3 spoons Water"}));
    }

    void portionen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("portionen");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2"); // between "Original ingredients " and ":"
        QTest::addColumn<bool>("meldung");   // "No number found! Value is set to 1!"
        QTest::addColumn<bool>("deluxe");    // the deluxe layout reads its own fields
        QTest::newRow("number") << "4" << 4.0 << "" << "(4.00)" << false << false;
        QTest::newRow("number and word") << "4 persons" << 4.0 << "persons" << "(4.00 persons)" << false << false;
        QTest::newRow("word and word") << "four persons" << 4.0 << "persons" << "(4.00 persons)" << false << false;
        QTest::newRow("ten") << "TEN cakes" << 10.0 << "cakes" << "(10.00 cakes)" << false << false;
        QTest::newRow("no number") << "some people" << 1.0 << "people" << "(1.00 people)" << true << false;
        QTest::newRow("empty") << "" << 1.0 << "" << "(1.00)" << true << false;
        QTest::newRow("deluxe") << "3 bowls" << 3.0 << "bowls" << "(3.00 bowls)" << false << true;
    }

    void portionen()
    {
        QFETCH(QString, text);
        QFETCH(double, portionen);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        QFETCH(bool, meldung);
        QFETCH(bool, deluxe);
        Ein_Rezept({{"200", "g", "Flour", 0}});
        RezepteTotal[0].Deluxe = deluxe;
        FRez->Fuelle_Formular();
        // the other layout's fields hold decoys
        (deluxe ? FRez->ERAnzahlportionen1 : FRez->ERAnzahlportionen)->setText(text);
        (deluxe ? FRez->ERAnzahlportionen : FRez->ERAnzahlportionen1)->setText("2");
        (deluxe ? FRez->ERPreis1 : FRez->ERPreis)->setText(deluxe ? "7,5" : "7.5");
        (deluxe ? FRez->ERPreis : FRez->ERPreis1)->setText("1");
        // no selected line: nothing is prepared (the deluxe layout's line is the caret's)
        RechPortionen = 99;
        if (!deluxe) {
            QVERIFY(!Bereite_Mengenberechnung_vor());
            QCOMPARE(RechPortionen, 99.0);
        }
        FRez->LBZutatliste->setCurrentRow(0);
        if (meldung)
            meldungen->expect("Note: No number found! Value is set to 1!", Antwort_OK);
        QVERIFY(Bereite_Mengenberechnung_vor());
        QCOMPARE(RechPortionen, portionen);
        QCOMPARE(RechFaktor, portionen);
        QCOMPARE(RechPreis, 7.5);
        QCOMPARE(RechEAnzahlText, QString::number(portionen, 'f', 2));
        QCOMPARE(RechLabel1Text, label1);
        QCOMPARE(RechLabel2Text, "Original ingredients " + label2 + ":");
    }

    void speichernDasScheitert_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("side file cannot be written") << "rrt" << "could not be saved";
        QTest::newRow("empty name") << "name" << "Please enter a name";
    }

    void speichernDasScheitert()
    {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        QVERIFY(Mit_Rezepten(*base, {"Pasta", "Soup"}));
        const QByteArray vorher = base->readBytes("Recipes/Pasta.KRP");
        FRez->ERAnzahlportionen->setText("8 persons");
        FRez->ERName->setText(fall == "name" ? "  " : "Pasta new");
        if (fall == "rrt")
            QVERIFY(QDir().mkpath(base->path("Recipes/Pasta.KRP.1.RRT")));

        meldungen->allow(meldung, Antwort_OK);
        QVERIFY(!FRez->MRezeptspeichernClick());
        QCOMPARE(meldungen->seen.value(0).heading, "Error:");
        QCOMPARE(base->readBytes("Recipes/Pasta.KRP"), vorher);
        QVERIFY(!base->exists("Recipes/Pasta.KRP.BRT"));
        QVERIFY(!base->exists("Recipes/Pasta.KRP.1.BRT"));
        // the record still holds what the file holds; the edit is still on screen
        const TTRezepteTotal &r = RezepteTotal[AktuellesRezept];
        QCOMPARE((QStringList{r.Rezeptname, r.Portionen}), (QStringList{"Pasta", "4 persons"}));
        QCOMPARE(FRez->ERAnzahlportionen->text(), "8 persons");
        QVERIFY(FRez->Geaendert());
        FRez->ERName->setText("Pasta");
    }

    // A write the system refuses is told once, with its cause; every file
    // stays as it was and the edit on screen, and is saved once the cause
    // is gone.
    void speichernMitGrund_data()
    {
        QTest::addColumn<bool>("voll");
        QTest::addColumn<QString>("grund");
        QTest::newRow("full disk") << true << "because the disk is full";
        QTest::newRow("read-only folder") << false << "because the folder may not be written";
    }
    void speichernMitGrund()
    {
        QFETCH(bool, voll);
        QFETCH(QString, grund);
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        FRez->REREingabe->setHtml("Old <b>way</b>.");
        QVERIFY(FRez->MRezeptspeichernClick());
        const auto dateien = [this] {
            QStringList l;
            for (const QString ordner : {"Recipes", "PRGDATA/ENG"})
                for (const QString &f : QDir(base->path(ordner)).entryList(QDir::Files | QDir::Hidden, QDir::Name))
                    l << f + ": " + base->readBytes(ordner + "/" + f).toHex();
            return l;
        };
        const QStringList vorher = dateien();
        FRez->REREingabe->setHtml("New <i>way</i>.");
        FRez->ERAnzahlportionen->setText("8 persons");

        meldungen->expect(grund);
        {
            std::optional<testing::FileSizeLimit> platz;
            std::optional<testing::ReadOnlyFolder> gesperrt;
            if (voll)
                platz.emplace(0);
            else
                gesperrt.emplace(base->path("Recipes"));
            QVERIFY(!FRez->MRezeptspeichernClick());
        }
        QCOMPARE(meldungen->seen.size(), 1);
        QVERIFY(meldungen->seen[0].text.startsWith("The recipe could not be saved"));
        QCOMPARE(dateien(), vorher);
        QCOMPARE(FRez->REREingabe->toPlainText(), "New way.");

        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(Oeffne("Pasta"));
        QCOMPARE(FRez->ERAnzahlportionen->text(), "8 persons");
        QVERIFY(FRez->REREingabe->document()->find("way").charFormat().fontItalic());
    }

    // A new category is a new extension; the old files go, nothing is overwritten.
    void kategoriewechselBenenntUm()
    {
        base->writeLines("Recipes\\Pasta.NRP", Rezeptdatei("Other pasta", "[NUDELREZEPT]:"));
        const QByteArray fremd = base->readBytes("Recipes/Pasta.NRP");
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        FRez->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(12));
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(base->readBytes("Recipes/Pasta.NRP"), fremd);
        QVERIFY(!base->exists("Recipes/Pasta.KRP"));
        QVERIFY(!base->exists("Recipes/Pasta.KRP.RRT"));
        QCOMPARE(base->readLines("Recipes/Pasta (2).NRP").mid(1, 2), (QStringList{"[NUDELREZEPT]:", "Pasta"}));
        QVERIFY(base->exists("Recipes/Pasta (2).NRP.RRT"));
        QVERIFY(Oeffne("Pasta"));
        QCOMPARE(RezepteTotal[AktuellesRezept].Kategorie, 12);
    }

    // A save cut short is reported as failed, and the editor keeps the text.
    void unterbrochenesSpeichern()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        FRez->REREingabe->setHtml("New <i>way</i>.");
        Rezeptspeichern_Schritt = [](int s) { return s != 3; };
        const bool gespeichert = FRez->MRezeptspeichernClick();
        Rezeptspeichern_Schritt = nullptr;
        QVERIFY(!gespeichert);
        QCOMPARE(FRez->REREingabe->toPlainText(), "New way.");
    }

    // Side files under names of another installation are read, and the
    // next save puts them under the recipe's own names.
    void fremdeSeitendateinamen()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        FRez->hide();
        QStringList datei = base->readLines("Recipes/Pasta.KRP");
        datei[12] = "Anleitung.RRT";
        datei[13] = "Pasta.KRP.RRT"; // the remarks under the instructions' usual name
        base->writeLines("Recipes\\Pasta.KRP", datei);
        base->writeBytes("Recipes/Anleitung.RRT", "{\\rtf1 Mix the flour.\\par Bake {\\b it}.}");
        base->writeBytes("Recipes/Pasta.KRP.RRT", "{\\rtf1 {\\i Tasty}.}");
        QVERIFY(Oeffne("Pasta"));
        FRez->Geaendert_setzen();
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(base->readLines("Recipes/Pasta.KRP").mid(12, 2), (QStringList{"Pasta.KRP.1.RRT", "Pasta.KRP.BRT"}));
        QCOMPARE(QDir(base->path("Recipes")).entryList(QDir::Files),
                 (QStringList{"Pasta.KRP", "Pasta.KRP.1.RRT", "Pasta.KRP.BRT"}));
        QVERIFY(Oeffne("Pasta"));
        QVERIFY(FRez->REREingabe->document()->find("it").charFormat().fontWeight() >= QFont::Bold);
        QVERIFY(FRez->RERBemerkungen->document()->find("Tasty").charFormat().fontItalic());
    }

    void deluxeLayout()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        FRez->MDeluxe->trigger();
        QVERIFY(FRez->MDeluxe->isChecked());
        QVERIFY(!FRez->ERAnzahlportionen1->isHidden());
        QVERIFY(FRez->ERAnzahlportionen->isHidden());
        QCOMPARE(FRez->ERAnzahlportionen1->text(), "4 persons");
        QCOMPARE(FRez->MZutat1->toPlainText(), "Flour\nSalt\nWater");
        QCOMPARE(FRez->RERBemerkungen1->toPlainText(), "Tasty.");
        FRez->MZubereitung1->setPlainText("sifted\n\nlukewarm");
        FRez->MMenge1->setPlainText("250\n1\n100");
        QCOMPARE(FRez->LBZutatliste->item(0)->text(), "250 g Flour");
        FRez->ERAnzahlportionen1->setText("2 persons");
        QVERIFY(FRez->MRezeptspeichernClick());

        QVERIFY(Oeffne("Pasta"));
        QVERIFY(FRez->MDeluxe->isChecked());
        QCOMPARE(FRez->MZubereitung1->toPlainText(), "sifted\n\nlukewarm");
        QCOMPARE(FRez->ERAnzahlportionen1->text(), "2 persons");
        QCOMPARE(FRez->LBZutatliste->item(0)->text(), "250 g Flour");
    }

    // Lines edited in the normal layout keep their preparations, whether the
    // recipe goes back to the deluxe layout or is saved as it is.
    void zubereitungenBleibenBeiIhrenZeilen_data()
    {
        QTest::addColumn<bool>("normalGespeichert");
        QTest::newRow("switched back") << false;
        QTest::newRow("saved in the normal layout") << true;
    }
    void zubereitungenBleibenBeiIhrenZeilen()
    {
        QFETCH(bool, normalGespeichert);
        Grundzustand();
        Deluxerezept(*base);
        QVERIFY(Oeffne("Stew"));
        FRez->MDeluxe->trigger();
        QVERIFY(!FRez->MDeluxe->isChecked());
        FRez->LBZutatliste->setCurrentRow(1);
        Kommentar(*meldungen, "for the stew");
        FRez->LBZutatliste->setCurrentRow(3);
        FRez->BZutathoch->click(); // Water above Salt
        FRez->LBZutatliste->setCurrentRow(3);
        FRez->CBMenge->setCurrentText("2");
        FRez->BZutataendern->click();
        if (normalGespeichert) {
            QVERIFY(FRez->MRezeptspeichernClick());
            QVERIFY(Oeffne("Stew"));
        }
        FRez->MDeluxe->trigger();
        QCOMPARE(FRez->MZubereitung1->toPlainText(), "sifted\ntwice\n\nlukewarm\nfine");
        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(Oeffne("Stew"));
        QCOMPARE(Abschnitt(base->readLines("Recipes/Stew.KRP"), "[DELUXELISTE]:", 4),
                 (QStringList{"200|g|Flour|sifted", "|||twice", "||*** for the stew ***|", "100|ml|Water|lukewarm",
                              "2|pinch|Salt|fine"}));
        QCOMPARE(FRez->MZubereitung1->toPlainText(), "sifted\ntwice\n\nlukewarm\nfine");
    }

    // In the deluxe layout the caret's row is the selected line: a comment
    // goes into the columns there, and the servings calculator scales them.
    void deluxeKommentarUndPortionen()
    {
        Grundzustand();
        Deluxerezept(*base);
        QVERIFY(Oeffne("Stew"));
        FRez->MRezeptmengenberechnen->trigger();
        QVERIFY(FRech->isVisible());
        FRech->EAnzahl->setText("8");
        FRech->BBerechnen->click();
        meldungen->expect("New servings: 8 persons");
        FRech->BUebernehmen->click();

        FRez->LBZutatliste->setCurrentRow(0); // left over from the normal layout
        FRez->MZubereitung1->setTextCursor(QTextCursor(FRez->MZubereitung1->document()->findBlockByNumber(2)));
        Kommentar(*meldungen, "for the stew");
        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(Oeffne("Stew"));
        const QStringList datei = base->readLines("Recipes/Stew.KRP");
        QCOMPARE((QStringList{datei[6], datei[11], FRez->ERAnzahlportionen1->text()}),
                 (QStringList{"8 persons", "25.00", "8 persons"}));
        QCOMPARE(Abschnitt(datei, "[ZUTATENLISTE]:", 3),
                 (QStringList{"400|g|Flour", "||*** for the stew ***", "2|pinch|Salt", "200|ml|Water"}));
        QCOMPARE(Abschnitt(datei, "[DELUXELISTE]:", 4),
                 (QStringList{"400|g|Flour|sifted", "|||twice", "||*** for the stew ***|", "2|pinch|Salt|fine",
                              "200|ml|Water|lukewarm"}));
        QCOMPARE(FRez->MZutat1->toPlainText(), "Flour\n\n*** for the stew ***\nSalt\nWater");
    }

    // Servings, price and remarks each have a field per layout: the save
    // reads the one the user sees, whichever layout the recipe was opened in.
    void felderJeLayout_data()
    {
        QTest::addColumn<QString>("geoeffnet"); // the deluxe flag of the file
        QTest::addColumn<bool>("umschalten");
        QTest::newRow("normal") << "0" << false;
        QTest::newRow("deluxe") << "1" << false;
        QTest::newRow("normal, switched to deluxe") << "0" << true;
        QTest::newRow("deluxe, switched to normal") << "1" << true;
    }
    void felderJeLayout()
    {
        QFETCH(QString, geoeffnet);
        QFETCH(bool, umschalten);
        Grundzustand();
        Deluxerezept(*base, geoeffnet);
        QVERIFY(Oeffne("Stew"));
        if (umschalten)
            FRez->MDeluxe->trigger();
        const bool d = FRez->MDeluxe->isChecked();
        QCOMPARE(d, (geoeffnet == "1") != umschalten);
        const auto felder = [d] {
            return std::tuple{d ? FRez->ERAnzahlportionen1 : FRez->ERAnzahlportionen, d ? FRez->ERPreis1 : FRez->ERPreis,
                              d ? FRez->RERBemerkungen1 : FRez->RERBemerkungen};
        };
        auto [portionen, preis, bemerkungen] = felder();
        portionen->setText("3 bowls");
        preis->setText("9.80");
        bemerkungen->setPlainText("Serve hot.");
        QVERIFY(FRez->MRezeptspeichernClick());
        const QStringList datei = base->readLines("Recipes/Stew.KRP");
        QCOMPARE((QStringList{datei[3], datei[6], datei[11], datei.value(datei.indexOf("[BEMERKUNGSLISTE]:") + 2)}),
                 (QStringList{d ? "1" : "0", "3 bowls", "9.80", "Serve hot."}));
        QVERIFY(Oeffne("Stew"));
        QCOMPARE(FRez->MDeluxe->isChecked(), d);
        std::tie(portionen, preis, bemerkungen) = felder();
        QCOMPARE((QStringList{portionen->text(), preis->text(), bemerkungen->toPlainText()}),
                 (QStringList{"3 bowls", "9.80", "Serve hot."}));
    }

    // A comment the comment file cannot hold is settled or refused before
    // anything is stored; Enter asks once and inserts once.
    void kommentarZeichenUndEnter()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        base->writeLines("PRGDATA/ENG/Kommentare.hbr", {"[TAFELWERKSTATTZUTATKOMMENTARE 2.0]", "1", "For the sauce:"});
        const QByteArray kommentare = base->readBytes("PRGDATA/ENG/Kommentare.hbr");
        FRez->LBZutatliste->setCurrentRow(1);
        FRez->MZutatkommentar->trigger();
        QLineEdit *eingabe = FZutKom->CBZutatKommentar->lineEdit();
        eingabe->setText(QString::fromUtf8("heat \u2192 simmer"));
        meldungen->expect(QString::fromUtf8("Note: The comment file cannot hold these characters: \u2192"));
        QTest::keyClick(eingabe, Qt::Key_Return);
        QVERIFY(FZutKom->isVisible());
        QCOMPARE(base->readBytes("PRGDATA/ENG/Kommentare.hbr"), kommentare);
        // a no-break space becomes a blank, a zero-width space goes
        eingabe->setText(QString::fromUtf8("heat\u00A0gently\u200B"));
        meldungen->expect("Insert \"*** heat gently ***\" as comment?", Antwort_Ja);
        QTest::keyClick(eingabe, Qt::Key_Return);
        QCOMPARE(meldungen->seen.size(), 2);
        QCOMPARE(base->readLines("PRGDATA/ENG/Kommentare.hbr").mid(1), (QStringList{"2", "For the sauce:", "heat gently"}));
        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(Oeffne("Pasta"));
        QCOMPARE(Formular().mid(4), (QStringList{"200 g Flour", "*** heat gently ***", "1 pinch Salt", "100 ml Water"}));
    }

    // A picture from outside the base folder is copied in; the recipe keeps a relative path.
    void rezeptgrafik()
    {
        QTemporaryDir draussen;
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::red);
        const QString datei = draussen.path() + QStringLiteral("/dish.png");
        QVERIFY(bild.save(datei));
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &, const QString &) {
            return datei;
        });
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        FRez->BRezeptgrafik->click();
        QVERIFY(!FRez->IRezeptgrafik->pixmap().isNull());
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptgrafik, "Recipes\\Pictures\\dish.png");
        QVERIFY(base->exists("Recipes/Pictures/dish.png"));
        QVERIFY(base->readLines("Recipes/Pasta.KRP").contains("Recipes\\Pictures\\dish.png"));
        FRez->BRezeptgrafikloeschen->click();
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptgrafik, QString());
    }

    // Another recipe, or closing, asks about unsaved edits first: Yes saves them, No drops them.
    void ungespeicherteAenderungen()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta", "Soup"}));
        FRez->ERAnzahlportionen->setText("3 persons");
        // the same recipe again: nothing asked, nothing lost
        Zeige_Rezept();
        QCOMPARE(FRez->ERAnzahlportionen->text(), "3 persons");
        QVERIFY(FRez->Geaendert());
        meldungen->expect("save the changes", Antwort_Ja);
        AktuellesRezept = testing::recipeIndex("Soup");
        Zeige_Rezept();
        QCOMPARE(FRez->ERName->text(), "Soup");
        QVERIFY(base->readLines("Recipes/Pasta.KRP").contains("3 persons"));

        FRez->LBZutatliste->setCurrentRow(0);
        meldungen->expect("Delete ingredient", Antwort_Ja);
        FRez->BZutatloeschen->click();
        QCOMPARE(RezepteTotal[AktuellesRezept].Zutatenliste.size(), 2);
        // No: the record is the file's again
        meldungen->expect("save the changes", Antwort_Nein);
        QVERIFY(FRez->close());
        QCOMPARE(RezepteTotal[AktuellesRezept].Zutatenliste.size(), 3);

        // another window prepares the editor for another recipe: asked too
        Zeige_Rezept();
        FRez->ERAnzahlportionen->setText("2 persons");
        AktuellesRezept = testing::recipeIndex("Pasta");
        meldungen->expect("save the changes", Antwort_Ja);
        Setze_Hintergrund_FRez();
        QCOMPARE(FRez->ERName->text(), "Pasta");
        QVERIFY(base->readLines("Recipes/Soup.KRP").contains("2 persons"));
    }

    // A reload re-sorts the recipes: the editor keeps its recipe (found by
    // file name) and every unsaved edit, those made in the record included.
    void folgtDemRezeptBeimNeuladen()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta", "Soup"}));
        const qint32 vorher = FRez->Formularrezept();
        FRez->ERAnzahlportionen->setText("7 persons");
        FRez->LBZutatliste->setCurrentRow(1);
        meldungen->expect("Delete ingredient", Antwort_Ja);
        FRez->BZutatloeschen->click();
        // recipes that sort before it come in
        base->writeLines("Recipes\\Apple.KRP", Rezeptdatei("Apple pie", "[KOCHREZEPT]:"));
        base->writeLines("Recipes\\Beans.KRP", Rezeptdatei("Beans", "[KOCHREZEPT]:"));
        Programmstart(true);
        QVERIFY(FRez->Formularrezept() != vorher);
        QCOMPARE(AktuellesRezept, FRez->Formularrezept());
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, "Pasta");
        const QStringList bearbeitet{"7 persons", "Mix the flour.\nBake it.", "Tasty.", "200 g Flour", "100 ml Water"};
        QCOMPARE(Formular().mid(1), bearbeitet);
        QVERIFY(FRez->Geaendert());
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(base->readLines("Recipes/Apple.KRP").value(2), "Apple pie");
        // read back: the editor, unchanged, shows the file
        Programmstart(true);
        QCOMPARE(Formular().mid(1), bearbeitet);

        // unchanged, the editor shows what another window saved meanwhile
        QStringList anders = Rezeptdatei("Pasta", "[KOCHREZEPT]:");
        anders[6] = "9 persons";
        base->writeLines("Recipes\\Pasta.KRP", anders);
        Programmstart(true);
        QCOMPARE(FRez->ERAnzahlportionen->text(), "9 persons");
        QVERIFY(!FRez->Geaendert());
    }

    // The recipe's file went away while it was open: the edits stay, saving
    // says so and offers to store it again, closing asks before dropping them.
    void rezeptVerschwindetWaehrendDerBearbeitung()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta", "Soup"}));
        auto entferne_dateien = [&] {
            for (const char *d : {"Recipes/Pasta.KRP", "Recipes/Pasta.KRP.RRT", "Recipes/Pasta.KRP.BRT"})
                QFile::remove(base->path(d));
        };
        FRez->ERAnzahlportionen->setText("7 persons");
        entferne_dateien();
        Programmstart(true);
        QVERIFY(FRez->Verwaist());
        QCOMPARE(FRez->ERAnzahlportionen->text(), "7 persons");
        QCOMPARE(FMain->LVRezepte->model()->rowCount(), 2); // "Cook interactively" and Soup
        meldungen->expect("is no longer in the recipe book", Antwort_Nein);
        QVERIFY(!FRez->MRezeptspeichernClick());
        QVERIFY(!base->exists("Recipes/Pasta.KRP"));
        meldungen->expect("is no longer in the recipe book", Antwort_Ja);
        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(!FRez->Verwaist());
        QVERIFY(base->readLines("Recipes/Pasta.KRP").contains("7 persons"));
        QVERIFY(base->readLines("PRGDATA/ENG/RMListe.hbr").join('|').contains("Pasta"));

        // gone again, then closed: asked, and No leaves no record behind
        FRez->ERAnzahlportionen->setText("8 persons");
        entferne_dateien();
        Programmstart(true);
        QCOMPARE(RezepteTotal.size(), 2);
        meldungen->expect("save the changes", Antwort_Nein);
        QVERIFY(FRez->close());
        QCOMPARE(RezepteTotal.size(), 1);
        QCOMPARE(RezepteTotal[0].Rezeptname, "Soup");
        QCOMPARE(AktuellesRezept, -1);
    }

    // A character a recipe file cannot hold is refused where it is entered or
    // saved, so that file name, index and side files always agree.
    void zeichenAusserhalbDerCodepage_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::newRow("recipe name") << "ERName";
        QTest::newRow("ingredient line") << "EZutat";
        QTest::newRow("sub-categories") << "EUnterkategorien";
    }
    void zeichenAusserhalbDerCodepage()
    {
        QFETCH(QString, feld);
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        const QByteArray vorher = base->readBytes("Recipes/Pasta.KRP");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8D\x9D");
        FRez->findChild<QLineEdit *>(feld)->setText("Pasta " + emoji);
        meldungen->expect("cannot hold these characters: " + emoji, Antwort_OK);
        if (feld == "EZutat") {
            FRez->BZutathinzufuegen->click();
            QCOMPARE(FRez->LBZutatliste->count(), 3);
        } else {
            QVERIFY(!FRez->MRezeptspeichernClick());
        }
        QCOMPARE(meldungen->seen.value(0).heading, "Error:");
        QCOMPARE(base->readBytes("Recipes/Pasta.KRP"), vorher);
        QCOMPARE(platform::listFiles("Recipes", "*.KRP"), QStringList{"Pasta.KRP"});
        // the instructions are rich text and keep it
        FRez->findChild<QLineEdit *>(feld)->setText(feld == "ERName" ? "Pasta" : QString());
        FRez->REREingabe->setPlainText("Serve with " + emoji);
        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(Oeffne("Pasta"));
        QCOMPARE(FRez->REREingabe->toPlainText(), "Serve with " + emoji);
    }

    // With the default options the ingredient list and the texts have the
    // size of the other fields, remarks as instructions.
    void schriften()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        const double feld = QFontInfo(FRez->EZutat->font()).pointSizeF();
        QCOMPARE(QFontInfo(FRez->LBZutatliste->font()).pointSizeF(), feld);
        for (QTextEdit *t : {FRez->REREingabe, FRez->RERBemerkungen}) {
            QTextCursor c(t->document());
            c.setPosition(1);
            const QTextCharFormat f = c.charFormat();
            QCOMPARE(f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : t->document()->defaultFont().pointSizeF(),
                     feld);
        }
    }

    // Ingredient management reloads the database while the editor waits:
    // then the editor's search list shows the database as it is now, and
    // its line leads to the ingredient it shows.
    void sucheNachNeuladenDerDatenbank()
    {
        QVERIFY(Mit_Rezepten(*base, {"Pasta"}));
        Zutatentotal = {Zutat("Almond flour", 9), Zutat("Buckwheat flour", 9), Zutat("Corn flour", 9),
                        Zutat("Rye flour", 9)};
        Zutatentotal[2].Standardeinheit() = "g";
        QVERIFY(Lade_Zutaten(Save));
        QVERIFY(Lade_Zutaten(Load));
        FRez->EZutatSuchen->setText("flour");
        QCOMPARE(Zeilen(FRez->LBZutatsuche).size(), 4);
        FMain->MZutatenverwaltung->trigger();
        QVERIFY(FAktivZuDa->isVisible() && !FRez->isEnabled());
        Kreuze_an(FAktivZuDa->CLBZutat, {"Almond flour"});
        meldungen->expect("Delete selected ingredients?", Antwort_Ja);
        FAktivZuDa->BLoeschen->click();
        FAktivZuDa->BZurueck->click();
        QVERIFY(FRez->isEnabled());
        TZutatenliste *l = FRez->LBZutatsuche;
        QCOMPARE(Zeilen(l), (QStringList{"Buckwheat flour", "Corn flour", "Rye flour"}));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(l->model()->index(1, 0)).center());
        QCOMPARE(l->Aktuelle_Zutat(), Suche_Zutat("Corn flour", -1));
        QCOMPARE(FRez->EZutat->text(), "Corn flour");
        FRez->LBZutatliste->setCurrentRow(-1);
        FRez->CBMenge->setCurrentText("50");
        QTest::keyClick(FRez->LBZutatsuche, Qt::Key_Return);
        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(Oeffne("Pasta"));
        QCOMPARE(Formular().mid(4), (QStringList{"200 g Flour", "1 pinch Salt", "100 ml Water", "50 g Corn flour"}));
    }

private:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> meldungen;
};

QTEST_MAIN(TestRez)
#include "tst_rez.moc"
