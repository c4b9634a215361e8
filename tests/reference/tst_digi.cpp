// The digital import window, offscreen: from the wizard through the check,
// the transfer and the matching of every line to a saved recipe; the reset;
// loading text files; leaving without saving. The servings calculator and
// the comment picker opened from the recipe editor: what they write into
// the recipe and the comment file.
#include <QtWidgets>
#include <optional>

#include "app/Start.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Hauptprogramm.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"
#include "recipes/F_DigI.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/F_Lex.h"
#include "reference/F_Rech.h"
#include "reference/F_ZuDa.h"
#include "recipes/F_ZutKom.h"
#include "testing/RecipeFile.h"
#include "testing/Testing.h"
#include "Zutatenhilfen.h"

namespace {

// Globals as after start-up; the database is a file, since the import reads it.
void Grundzustand()
{
    testing::startState();
    Optionen.Tipps = 0;
    VariablenTotal[0].Einheiten = {"[piece of]", "[tbsp]", "[g]"};
    Zutatentotal = {Zutat("Flour", 9), Zutat("Eggs", 5), Zutat("Hidden flour", 9)};
    Zutatentotal[2].Status = 4;
    QVERIFY(Lade_Zutaten(Save));
}

QStringList Memo(const QPlainTextEdit *m)
{
    return TFDigI::Zeilen(m);
}

// Which of the phase buttons are shown and usable.
QString Knoepfe()
{
    QStringList an;
    for (QPushButton *b : {FDigI->BBHaken, FDigI->BBPfeilrechts, FDigI->BBPFeillinks, FDigI->BBNeu, FDigI->BBSave})
        if (b->isVisibleTo(FDigI) && b->isEnabled())
            an << b->objectName();
    return an.join(QLatin1Char(' '));
}

// A new recipe from the wizard up to step 5, which hands its text to the import.
void Wizard_bis_zum_Import(const QString &zutaten, const QString &anleitung)
{
    Starte_Rezeptassistent();
    FWiz01->ERezeptname->setText("Lemon cake");
    FWiz01->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(17));
    for (TFWizBasis *s : std::initializer_list<TFWizBasis *>{FWiz01, FWiz02, FWiz03, FWiz04})
        s->BWeiter->click();
    FWiz05->MZutaten->setPlainText(zutaten);
    FWiz05->MAnleitung->setPlainText(anleitung);
    FWiz05->BWeiter->click();
}

// The same with ingredients only, checked and transferred.
void Bis_zur_Zuordnung(testing::ScriptedMessages &m, const QString &zutaten, const QString &gefunden)
{
    Wizard_bis_zum_Import(zutaten, QString());
    m.expect(gefunden + " ingredients found!");
    FDigI->BBHaken->click();
    FDigI->BBPfeilrechts->click();
}

// Menge|Einheit|Name of each line of the wizard's recipe as read back.
QStringList Gespeicherte_Zeilen()
{
    QStringList zeilen;
    for (const TTZutatenliste &z : RezepteTotal.value(testing::recipeIndex("Lemon cake")).Zutatenliste)
        zeilen << z.Menge + '|' + z.Einheit + '|' + z.Name;
    return zeilen;
}

// One recipe in memory, open in the editor with these lines and servings.
void Rezept(const QStringList &zeilen, const QString &portionen, const QString &preis = QStringLiteral("10"))
{
    Grundzustand();
    VariablenTotal[0].Einheiten = {"[pinch]", "[ml]", "[g]"};
    Zutatentotal.clear();
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

// A recipe opened from the overview as the user does: selected, Enter.
void Oeffne_aus_Uebersicht(const QString &name)
{
    QVERIFY(FMain->Waehle_Rezept(testing::recipeIndex(name)));
    QTest::keyClick(FMain->LVRezepte, Qt::Key_Return);
    QCOMPARE(FRez->Formularrezept(), testing::recipeIndex(name));
}

// Two recipe files read into the book; "Chilli con Carne" open in the editor
// from the overview, a line selected, and the servings calculator on it.
void Chilli_im_Rechner(testing::BaseFolder &base)
{
    for (const QString name : {"Chilli con Carne", "Banana Bread"}) {
        testing::RecipeFile datei;
        datei.name = name;
        datei.price = name.startsWith('C') ? "10.40" : "5.00";
        datei.ingredients = {{name.startsWith('C') ? "Minced beef" : "Flour", -1, "500", "g"}, {"Onions", -1, "2"}};
        base.writeLines("Recipes/" + name + ".KRP", datei.lines());
    }
    Programmstart(true);
    Oeffne_aus_Uebersicht("Chilli con Carne");
    FRez->LBZutatliste->setCurrentRow(1);
    FRez->MRezeptmengenberechnen->trigger();
    QVERIFY(FRech->isVisible());
}

// What a recipe of the book holds after its file is read again: servings,
// price and ingredient lines.
QString Gelesen(const QString &name)
{
    const TTRezepteTotal r = RezepteTotal.value(testing::recipeIndex(name));
    QStringList zeilen{r.Portionen, QString::number(r.Preis, 'f', 2)};
    for (const TTZutatenliste &z : r.Zutatenliste)
        zeilen << Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name);
    return zeilen.join(QLatin1Char('|'));
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

class TestDigI : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testing::BaseFolder base;
        Grundzustand();
        Erzeuge_Formulare();
        QVERIFY(FDigI && FWiz05 && FRez && FRech && FZutKom);
    }
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        Grundzustand();
        meldungen.emplace();
    }
    void cleanup()
    {
        FDigI->hide();
        FMain->setEnabled(true);
        if (WizRezept >= 0)
            Breche_Rezeptassistent_ab();
        FRez->hide();
        FRez->setEnabled(true);
        FRech->hide();
        FZutKom->hide();
        FLex->hide();
        FGeAllZuDa->hide();
        QVERIFY2(meldungen->pending().isEmpty(), qPrintable(meldungen->pending().join(QLatin1Char('|'))));
        meldungen.reset();
        base.reset();
    }

    void vomWizardZumGespeichertenRezept()
    {
        Programmstart(true);
        Wizard_bis_zum_Import("200g Flour\n3\tEggs\n\n2  Mehl\n*** for the glaze ***", "Mix.\nBake for 40 minutes.");
        QVERIFY(!FMain->isEnabled());

        meldungen->expect("Note: 3 of 4 ingredients found! Units converted!");
        FDigI->BBHaken->click();
        QCOMPARE(Memo(FDigI->MZutatenliste),
                 (QStringList{"200 g Flour", "3 piece of Eggs", "2 Mehl (?\?)", "*** for the glaze ***"}));

        // a line with a quantity and no unit stays behind, the others move
        meldungen->expect("Missing unit or quantity: 2 Mehl (?\?) (unit is incorrect!)");
        FDigI->BBPfeilrechts->click();
        QCOMPARE(Memo(FDigI->MZutatenliste), QStringList{"2 Mehl (?\?)"});
        FDigI->MZutatenliste->setPlainText("2 g Mehl (?\?)");
        FDigI->BBPfeilrechts->click();
        // the corrected line keeps its place among the others
        QCOMPARE(Zeilen(FDigI->LBZutatliste),
                 (QStringList{"200 g Flour", "3 piece of Eggs", "2 g Mehl (?\?)", "*** for the glaze ***"}));
        QCOMPARE(FDigI->EZutatSuchen->text(), "Flour");
        QCOMPARE(Zeilen(FDigI->LBZutatsuchen), QStringList{"Flour"}); // status 4 never listed

        FDigI->BBPFeillinks->click();
        QCOMPARE(FDigI->EZutatSuchen->text(), "Eggs");
        // a known line is no new ingredient
        meldungen->expect("Error: Ingredient exists on the database!");
        FDigI->BBNeu->click();
        FDigI->LBZutatsuchen->setCurrentRow(0);
        FDigI->BBPFeillinks->click();
        // the marked line: a double click does nothing, a search and the arrow take it
        QCOMPARE(FDigI->EZutatSuchen->text(), "Mehl");
        FDigI->EZutatSuchen->setText("flo");
        FDigI->LBZutatlisteDblClick();
        QCOMPARE(FDigI->LBZutatliste->count(), 2);
        FDigI->EZutatSuchen->setText("flo");
        FDigI->BBPFeillinks->click();
        // the comment line: nothing found, so it is taken as a comment
        QCOMPARE(FDigI->EZutatSuchen->text(), "for the glaze");
        QCOMPARE(FDigI->LBZutatsuchen->count(), 0);
        meldungen->expect("Register as comment: \"*** for the glaze ***\" inserting as comment?", Antwort_Ja);
        meldungen->expect("Note: You can save the recipe now");
        FDigI->BBPFeillinks->click();
        QCOMPARE(Knoepfe(), "BBSave");

        meldungen->expect("Question Do you want to exit?", Antwort_Ja);
        FDigI->BBSave->click();
        QVERIFY(FMain->isEnabled());
        QCOMPARE(WizRezept, -1);
        QVERIFY(base->readLines("PRGDATA/ENG/RMListe.hbr").join('|').contains("Lemon cake.TRP"));
        QCOMPARE(Gespeicherte_Zeilen(),
                 (QStringList{"200|g|Flour", "3|piece of|Eggs", "2|g|Flour", "||*** for the glaze ***"}));
        const TTRezepteTotal r = RezepteTotal.value(testing::recipeIndex("Lemon cake"));
        QCOMPARE(r.Zutaten.value(1).Kategorie, 5);
        QCOMPARE(r.Rezeptliste, (QStringList{"Mix.", "Bake for 40 minutes."}));
    }

    void zuruecksetzen_data()
    {
        QTest::addColumn<bool>("fertig");
        QTest::newRow("free text") << false;
        QTest::newRow("complete") << true;
    }
    void zuruecksetzen()
    {
        QFETCH(bool, fertig);
        Wizard_bis_zum_Import("200g Flour\n2 Eggs", "");
        FDigI->MZutatenliste->setPlainText("1 g Flour");
        if (fertig) {
            meldungen->expect("1 of 1 ingredients found!");
            FDigI->BBHaken->click();
            FDigI->BBPfeilrechts->click();
            meldungen->expect("You can save the recipe now");
            FDigI->BBPFeillinks->click();
        }
        meldungen->expect("Question: Do you want to replace the original ingredients?", Antwort_Nein);
        FDigI->BBZutatResetClick();
        meldungen->expect("Question: Do you want to replace the original ingredients?", Antwort_Ja);
        FDigI->Datenreset1->trigger();
        QCOMPARE(Memo(FDigI->MZutatenliste), (QStringList{"200g Flour", "2 Eggs"}));
        QVERIFY(!FDigI->MZutatenliste->isReadOnly());
        QCOMPARE(Knoepfe(), "BBHaken");
        QCOMPARE(FDigI->LBZutatliste->count(), 0);
        // and the whole way again, with the completion note once more
        meldungen->expect("2 of 2 ingredients found!");
        FDigI->BBHaken->click();
        FDigI->BBPfeilrechts->click();
        FDigI->BBPFeillinks->click();
        meldungen->expect("You can save the recipe now");
        FDigI->BBPFeillinks->click();
        QCOMPARE(Memo(FDigI->MZutatenliste), (QStringList{"200 g Flour", "2 piece of Eggs"}));
    }

    // Moving and deleting registered lines; deleting the last one completes.
    void ordnenUndLoeschen()
    {
        Bis_zur_Zuordnung(*meldungen, "1 g A\n2 g B\n3 g C", "0 of 3");
        FDigI->BBPfeilObenClick(); // the first line stays
        FDigI->BBPfeiluntenClick();
        FDigI->BBPfeiluntenClick();
        FDigI->BBPfeiluntenClick(); // the last line stays
        QCOMPARE(Zeilen(FDigI->LBZutatliste), (QStringList{"2 g B (?\?)", "3 g C (?\?)", "1 g A (?\?)"}));
        QCOMPARE(FDigI->LBZutatliste->currentRow(), 2);
        FDigI->BBPfeilObenClick();
        QCOMPARE(FDigI->LBZutatliste->currentRow(), 1);
        meldungen->expect("Question: Delete ingredient: 1 g A (?\?)?", Antwort_Ja);
        FDigI->MZutatloeschenClick();
        QCOMPARE(FDigI->LBZutatliste->currentRow(), 0);
        meldungen->expect("Delete ingredient: 2 g B", Antwort_Ja);
        FDigI->MZutatloeschenClick();
        meldungen->expect("Delete ingredient: 3 g C", Antwort_Ja);
        meldungen->expect("You can save the recipe now");
        FDigI->MZutatloeschenClick();
        QCOMPARE(Knoepfe(), "BBSave");
        QVERIFY(!FDigI->BBPfeilOben->isVisibleTo(FDigI));
    }

    // Every change of the current line runs its selection: arrow keys,
    // Home and End as a click does. The search's picture follows its keys.
    void tastenWaehlen()
    {
        const auto bild = [this](const char *datei, QColor farbe) {
            QImage b(4, 4, QImage::Format_RGB32);
            b.fill(farbe);
            QDir().mkpath(base->path("GFXZUTAT/ENG"));
            QVERIFY(b.save(base->path(QStringLiteral("GFXZUTAT/ENG/") + QLatin1String(datei)), "PNG"));
        };
        bild("flour.png", Qt::red);
        bild("spelt.png", Qt::blue);
        Zutatentotal = {Zutat("Flour", 9), Zutat("Sugar", 9), Zutat("Flour of spelt", 9)};
        Zutatentotal[0].Grafik() = "flour.png";
        Zutatentotal[2].Grafik() = "spelt.png";
        QVERIFY(Lade_Zutaten(Save));
        Bis_zur_Zuordnung(*meldungen, "200 g Flour\n100 g Sugar", "2 of 2");
        QCOMPARE(FDigI->EZutatSuchen->text(), "Flour");
        QTest::keyClick(FDigI->LBZutatliste, Qt::Key_Down);
        QCOMPARE(FDigI->EZutatSuchen->text(), "Sugar");
        QTest::keyClick(FDigI->LBZutatliste, Qt::Key_Home);
        QCOMPARE(FDigI->EZutatSuchen->text(), "Flour");
        QTest::keyClick(FDigI->LBZutatliste, Qt::Key_End);
        QCOMPARE(Zeilen(FDigI->LBZutatsuchen), QStringList{"Sugar"});
        FDigI->BBPFeillinks->click();
        QCOMPARE(Memo(FDigI->MZutatenliste), QStringList{"100 g Sugar"});
        // the other line: two hits, the picture goes with the key
        QCOMPARE(Zeilen(FDigI->LBZutatsuchen), (QStringList{"Flour", "Flour of spelt"}));
        QCOMPARE(FDigI->IZutat->pixmap().toImage().pixel(0, 0), QColor(Qt::red).rgb());
        QTest::keyClick(FDigI->LBZutatsuchen, Qt::Key_Down);
        QCOMPARE(FDigI->IZutat->pixmap().toImage().pixel(0, 0), QColor(Qt::blue).rgb());
        meldungen->expect("You can save the recipe now");
        FDigI->BBPFeillinks->click();
        // the user's order, whatever the order of taking
        QCOMPARE(Memo(FDigI->MZutatenliste), (QStringList{"200 g Flour of spelt", "100 g Sugar"}));
    }

    // Pasted and typed text with characters a recipe file cannot hold:
    // spaces and invisible characters are settled as they come in, the
    // fractions written out; what is left is shown on its line while the
    // memo can still be edited. The recipe read back is what the window showed.
    void fremdeZeichen()
    {
        Zutatentotal = {Zutat("Flour", 9), Zutat("Sugar", 9), Zutat("Mehl", 9), Zutat("Zucker", 9), Zutat("Salz", 9)};
        QVERIFY(Lade_Zutaten(Save));
        Programmstart(true);
        Wizard_bis_zum_Import("1 g Flour", "");
        QApplication::clipboard()->setText(QString::fromUtf8("\xEF\xBB\xBF" "200 g Flour\n"
                                                             "100\xC2\xA0g Sugar\n"
                                                             "\xE2\x85\x93 tbsp Flour\n"
                                                             "1\xE2\x85\x94 tbsp Mehl\n"
                                                             "250\xE2\x80\xAFg Zu\xC2\xAD" "cker\xE2\x80\x8B\n"
                                                             "1 g Salz \xE2\x89\x88 Prise"));
        QPlainTextEdit *memo = FDigI->MZutatenliste;
        memo->selectAll();
        memo->paste();
        QCOMPARE(Memo(memo), (QStringList{"200 g Flour", "100 g Sugar", "1/3 tbsp Flour", "1 2/3 tbsp Mehl",
                                          "250 g Zucker", QString::fromUtf8("1 g Salz \xE2\x89\x88 Prise")}));
        QCOMPARE(memo->extraSelections().size(), 1);
        // the check names the line and leaves the caret on the character
        meldungen->expect(QString::fromUtf8("Line 6 \"1 g Salz \xE2\x89\x88 Prise\": a recipe file cannot hold "
                                            "these characters: \xE2\x89\x88"));
        FDigI->BBHaken->click();
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(memo->textCursor().blockNumber(), 5);
        QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(memo, Qt::Key_Backspace);
        for (const QChar c : QString::fromUtf8("\xC2\xAD\xE2\x80\x83")) // typed: soft hyphen, em space
            QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(Memo(memo).last(), "1 g Salz  ");
        QVERIFY(memo->extraSelections().isEmpty());

        meldungen->expect("6 of 6 ingredients found!");
        FDigI->BBHaken->click();
        FDigI->BBPfeilrechts->click();
        for (int i = 0; i < 5; ++i)
            FDigI->BBPFeillinks->click();
        meldungen->expect("You can save the recipe now");
        FDigI->BBPFeillinks->click();
        meldungen->expect("Question Do you want to exit?", Antwort_Ja);
        FDigI->BBSave->click();
        QCOMPARE(Gespeicherte_Zeilen(), (QStringList{"200|g|Flour", "100|g|Sugar", "1/3|tbsp|Flour", "1 2/3|tbsp|Mehl",
                                                     "250|g|Zucker", "1|g|Salz"}));
    }

    void textdateiLaden()
    {
        base->writeBytes("a.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 2 g Salt\\par 1 tbsp Sugar\\par}");
        base->writeBytes("b.txt", "1 g Cr\xC3\xA8" "me\r\n2\xC2\xA0g Quark\xE2\x80\x8B\r\n");
        QString datei;
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &, const QString &filter) {
            return filter.contains("*.rk") ? datei : QString();
        });
        Wizard_bis_zum_Import("200 g Flour", "");
        QApplication::setActiveWindow(FDigI);
        FDigI->MZutatenliste->setFocus();
        QTRY_VERIFY(FDigI->MZutatenliste->hasFocus());
        datei = base->path("a.rtf");
        FDigI->PPDigiPopup();
        QVERIFY(FDigI->MTextdateieinladen->isEnabled());
        FDigI->MTextdateieinladenClick();
        QCOMPARE(Memo(FDigI->MZutatenliste), (QStringList{"200 g Flour", "2 g Salt", "1 tbsp Sugar"}));
        // the instructions memo takes a file the same way
        FDigI->MRezeptliste->setFocus();
        QTRY_VERIFY(FDigI->MRezeptliste->hasFocus());
        datei = base->path("b.txt");
        FDigI->MTextdateieinladenClick();
        // a no-break space and a zero-width space settled as the file comes in
        QCOMPARE(Memo(FDigI->MRezeptliste), (QStringList{"1 g Crème", "2 g Quark"}));
        // after the transfer the ingredient memo is out of the menu's reach
        FDigI->MZutatenliste->setFocus();
        QTRY_VERIFY(FDigI->MZutatenliste->hasFocus());
        meldungen->allow("ingredients found!");
        FDigI->BBHaken->click();
        FDigI->BBPfeilrechts->click();
        FDigI->PPDigiPopup();
        for (QAction *a : FDigI->PPDigi->actions())
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    }

    // A marked line becomes a new database ingredient through the ingredient
    // editor, which hands the line back matched.
    void neueZutat()
    {
        Bis_zur_Zuordnung(*meldungen, "200 g Mehl\n2 g Quark", "0 of 2");
        QTimer::singleShot(0, this, [] {
            QVERIFY(!FDigI->isEnabled());
            QCOMPARE(FZuDa->Ezutatname->text(), "Mehl");
            FZuDa->Ezutatname->setText("Wheat flour");
            FZuDa->BUebernehmen->click();
        });
        FDigI->BBNeu->click();
        QCOMPARE(Memo(FDigI->MZutatenliste), QStringList{"200 g Wheat flour"});
        QCOMPARE(Zeilen(FDigI->LBZutatliste), QStringList{"2 g Quark (?\?)"});
        QVERIFY(base->readLines("PRGDATA/ENG/Lebensmittel.hbr").contains("Wheat flour"));
        // the last line: the editor closed by its close box hands nothing back
        QTimer::singleShot(0, this, [this] {
            meldungen->expect("Exit edit mode?", Antwort_Ja);
            FZuDa->close();
        });
        FDigI->BBNeu->click();
        QCOMPARE(FDigI->LBZutatliste->count(), 1);
        QTimer::singleShot(0, this, [this] {
            meldungen->expect("Note: The recipe can be saved now!");
            FZuDa->BUebernehmen->click();
        });
        FDigI->BBNeu->click();
        QCOMPARE(Memo(FDigI->MZutatenliste), (QStringList{"200 g Wheat flour", "2 g Quark"}));
        QCOMPARE(Knoepfe(), "BBSave");
    }

    // An ingredient made from the recipe editor meanwhile resolves no line.
    void fremdeNeueZutat()
    {
        Bis_zur_Zuordnung(*meldungen, "200 g Mehl", "0 of 1");
        QTimer::singleShot(0, this, [] {
            FZuDa->Ezutatname->setText("Quark");
            FZuDa->EZutatRezeptname->setText("Quark");
            FZuDa->BUebernehmen->click();
        });
        QVERIFY(Bearbeite_Zutat(-1, true, FRez, false));
        QCOMPARE(Zeilen(FDigI->LBZutatliste), QStringList{"200 g Mehl (?\?)"});
        QVERIFY(Memo(FDigI->MZutatenliste).isEmpty());
    }

    // The picture of the chosen database ingredient and the option fonts
    // reach the import as they reach the editor.
    void bildUndSchrift()
    {
        Zutatentotal[0].Grafik() = "Flour.png";
        QVERIFY(Lade_Zutaten(Save));
        QVERIFY(QDir().mkpath(base->path("GFXZUTAT/ENG")));
        QImage bild(8, 8, QImage::Format_RGB32);
        bild.fill(Qt::green);
        QVERIFY(bild.save(base->path("GFXZUTAT/ENG/Flour.png"), "PNG"));
        Optionen.Schrift1 = QFont("Courier", 13);
        Bis_zur_Zuordnung(*meldungen, "200 g Flour", "1 of 1");
        QCOMPARE(FDigI->LBZutatliste->font().pointSize(), 13);
        QVERIFY(!FDigI->IZutat->pixmap().isNull());
        FDigI->EZutatSuchen->setText("nothing like it");
        QVERIFY(FDigI->IZutat->pixmap().isNull());
    }

    // Leaving without saving drops the wizard's recipe; nothing is written.
    void verlassenOhneSpeichern()
    {
        Programmstart(true);
        const int vorher = RezepteTotal.size();
        Wizard_bis_zum_Import("", "");
        QVERIFY(FWiz06->isVisible()); // no ingredients: the last step
        FWiz06->BBFDigI->click();
        meldungen->expect("Back to recipe overwiew? Non-saved data will be lost!", Antwort_Nein);
        FDigI->close();
        QVERIFY(FDigI->isVisible());
        meldungen->expect("Back to recipe overwiew?", Antwort_Ja);
        FDigI->Importabbrechen1->trigger();
        QCOMPARE(WizRezept, -1);
        QCOMPARE(RezepteTotal.size(), vorher);
        QVERIFY(platform::listFiles("Recipes", "*.*").isEmpty());
    }

    // Instructions typed in step 5 reach the saved recipe also when the
    // import is opened from step 6; the blank goes after the first number
    // also where a replacement takes away what stands before it.
    void anleitungAusSchritt5UndErsteZahl()
    {
        Programmstart(true);
        VariablenTotal[0].RICWerte = {"approx.="};
        Wizard_bis_zum_Import("", "Mix.\nBake for 40 minutes.");
        FWiz06->BBFDigI->click();
        QCOMPARE(Memo(FDigI->MRezeptliste), (QStringList{"Mix.", "Bake for 40 minutes."}));
        FDigI->MZutatenliste->setPlainText("approx. 200g Flour");
        meldungen->expect("1 of 1 ingredients found!");
        FDigI->BBHaken->click();
        FDigI->BBPfeilrechts->click();
        meldungen->expect("You can save the recipe now");
        FDigI->BBPFeillinks->click();
        meldungen->expect("Do you want to exit?", Antwort_Ja);
        FDigI->BBSave->click();
        QCOMPARE(Gespeicherte_Zeilen(), QStringList{"200|g|Flour"});
        QCOMPARE(RezepteTotal.value(testing::recipeIndex("Lemon cake")).Rezeptliste,
                 (QStringList{"Mix.", "Bake for 40 minutes."}));
    }

    // F2 opens the dictionary, although its menu item is hidden.
    void f2ZeigtLexikon()
    {
        GlobalLexikon = {TTLexikon()};
        GlobalLexikon[0].Begriff = "Blanchieren";
        Wizard_bis_zum_Import("", "");
        FWiz06->BBFDigI->click();
        QVERIFY(QTest::qWaitForWindowActive(FDigI));
        QVERIFY(!FDigI->MHerdfibelDigi->isVisible());
        meldungen->expect("Lexikongrafiken herunterzuladen"); // none are installed here
        QTest::keyClick(FDigI->MZutatenliste, Qt::Key_F2);
        QVERIFY(FLex->isVisible());
        QCOMPARE(Zeilen(FLex->LBBegriff), QStringList{"Blanchieren"});
        FLex->close();
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

    void portionentext()
    {
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

    void rechnerBleibtBeimRezept_data()
    {
        QTest::addColumn<bool>("assistent");
        QTest::newRow("the overview opens another recipe") << false;
        QTest::newRow("the wizard makes its recipe current") << true;
    }

    // The calculator changes only the recipe it was opened for: when the
    // editor takes another, it closes unwritten; another window's current
    // recipe is not the editor's.
    void rechnerBleibtBeimRezept()
    {
        QFETCH(bool, assistent);
        Chilli_im_Rechner(*base);
        const QString banane = Gelesen("Banana Bread");
        if (assistent) {
            Starte_Rezeptassistent();
            FWiz01->ERezeptname->setText("Lemon cake");
            FWiz01->BWeiter->click();
        } else {
            Oeffne_aus_Uebersicht("Banana Bread");
        }
        const bool offen = FRech->isVisible();
        FRech->EAnzahl->setText("8");
        FRech->BBerechnen->click();
        meldungen->allow("New servings: 8 persons");
        FRech->BUebernehmen->click();
        if (assistent)
            Breche_Rezeptassistent_ab();
        QVERIFY(FRez->MRezeptspeichernClick());
        Programmstart(true);
        QCOMPARE(Gelesen("Chilli con Carne"), assistent ? "8 persons|20.80|1000 g Minced beef|4 Onions"
                                                        : "4 persons|10.40|500 g Minced beef|2 Onions");
        QCOMPARE(Gelesen("Banana Bread"), banane);
        QCOMPARE(offen, assistent);
        QVERIFY(FRez->isEnabled());
    }

    void editorNebenDemImport_data()
    {
        QTest::addColumn<bool>("deluxe");
        QTest::newRow("normal layout") << false;
        QTest::newRow("deluxe layout") << true;
    }

    // While the import works on the wizard's recipe (the current one), the
    // editor still edits and saves the recipe it shows: its lines, deluxe
    // columns, comments, servings and Save. The import saves its own.
    void editorNebenDemImport()
    {
        QFETCH(bool, deluxe);
        testing::RecipeFile datei;
        datei.name = "Pasta";
        datei.deluxe = deluxe ? "1" : "0";
        datei.price = "5.00";
        datei.ingredients = {{"Flour", -1, "500", "g"}};
        datei.deluxeList = {"500", "g", "Flour", "sifted"};
        base->writeLines("Recipes/Pasta.KRP", datei.lines());
        Kommentare(*base, {"for the sauce"});
        Programmstart(true);
        Oeffne_aus_Uebersicht("Pasta");
        const qint32 pasta = FRez->Formularrezept();
        Bis_zur_Zuordnung(*meldungen, "200 g Flour", "1 of 1");
        QVERIFY(FDigI->isVisible() && FRez->isVisible() && FRez->isEnabled());
        QCOMPARE(AktuellesRezept, WizRezept);

        if (deluxe) {
            FRez->MZubereitung1->setPlainText("sifted twice");
            FRez->MMenge1->setPlainText("600");
            FRez->ERAnzahlportionen1->setText("6 persons");
        } else {
            FRez->LBZutatliste->setCurrentRow(-1);
            FRez->EZutat->setText("Eggs");
            FRez->CBMenge->setCurrentText("2");
            FRez->BZutathinzufuegen->click();
            FRez->ERAnzahlportionen->setText("6 persons");
            FRez->LBZutatliste->setCurrentRow(0);
        }
        QCOMPARE(FRez->LBZutatliste->count(), deluxe ? 1 : 2);
        FRez->MZutatkommentar->trigger();
        meldungen->expect("Insert \"*** for the sauce ***\" as comment?", Antwort_Ja);
        FZutKom->BOK->click();
        // the user's Save: no question, the editor's recipe is written and
        // stays open, the import goes on with its own
        FRez->MRezeptspeichern->trigger();
        QCOMPARE(FRez->Formularrezept(), pasta);
        QCOMPARE(FRez->ERName->text(), "Pasta");
        QVERIFY(!FRez->Geaendert());
        QCOMPARE(AktuellesRezept, WizRezept);
        QVERIFY(!base->exists("Recipes/Lemon cake.TRP"));

        meldungen->expect("You can save the recipe now");
        FDigI->BBPFeillinks->click();
        meldungen->expect("Do you want to exit?", Antwort_Ja);
        FDigI->BBSave->click();
        Programmstart(true);
        QCOMPARE(Gelesen("Pasta"), deluxe ? "6 persons|5.00|*** for the sauce ***|600 g Flour"
                                          : "6 persons|5.00|*** for the sauce ***|500 g Flour|2 Eggs");
        if (deluxe) {
            const TTDeluxeliste d = RezepteTotal[testing::recipeIndex("Pasta")].Deluxeliste;
            QCOMPARE(d.Zubereitung.join('|'), "|sifted twice");
        }
        QCOMPARE(Gelesen("Lemon cake"), "|0.00|200 g Flour");
    }

    // The editor's "Global ingredient database..." reloads the database
    // without its inactive records while the import, which loaded them,
    // stays open: the import's list shows the database as it is now, and
    // the arrow takes the ingredient the user sees.
    void importNachNeuladenDerDatenbank()
    {
        Zutatentotal = {Zutat("Kale", 4)};
        QVERIFY(Lade_Zutaten(Save, "Lebensmittel_ALL.hbr"));
        Zutatentotal = {Zutat("Almond", 0, 0), Zutat("Flour", 9), Zutat("Eggs", 5)};
        QVERIFY(Lade_Zutaten(Save));
        FRez->show();
        Bis_zur_Zuordnung(*meldungen, "200 g Flour", "1 of 1");
        QCOMPARE(Zeilen(FDigI->LBZutatsuchen), QStringList{"Flour"});
        QVERIFY(FRez->isEnabled());
        FRez->MGesamtzutatendatenbank->trigger();
        QVERIFY(FGeAllZuDa->isVisible());
        FGeAllZuDa->BZurueck->click();
        QCOMPARE(Zutatentotal.size(), 2); // Almond is left out now
        QCOMPARE(Zeilen(FDigI->LBZutatsuchen), QStringList{"Flour"});
        QTest::mouseClick(FDigI->LBZutatsuchen->viewport(), Qt::LeftButton, {},
                          FDigI->LBZutatsuchen->visualRect(FDigI->LBZutatsuchen->model()->index(0, 0)).center());
        QCOMPARE(FDigI->LBZutatsuchen->Aktuelle_Zutat(), Suche_Zutat("Flour", -1));
        meldungen->expect("You can save the recipe now");
        FDigI->BBPFeillinks->click();
        meldungen->expect("Do you want to exit?", Antwort_Ja);
        FDigI->BBSave->click();
        Programmstart(true);
        QCOMPARE(Gespeicherte_Zeilen(), QStringList{"200|g|Flour"});
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
        meldungen->expect("Note: Insert \"*** " + text + " ***\" as comment?", Antwort_Ja);
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
        meldungen->expect("Do you want to delete this comment?", Antwort_Ja);
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
        meldungen->expect("as comment?", Antwort_Nein);
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

QTEST_MAIN(TestDigI)
#include "tst_digi.moc"
