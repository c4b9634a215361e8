// The recipe editor: open, edit, save and reopen with rich text; the
// servings preparation; the shopping list; saves that must fail safely.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "testing/Testing.h"

namespace {

TTEinheit Einheit(const QString &name, bool nichtEinkaufen, const QStringList &mengen)
{
    TTEinheit e;
    e.Schluessel = QLatin1Char('[') + name + QLatin1Char(']');
    e.Name = name;
    e.Zuordnung.fill(1);
    e.NichtEinkaufen = nichtEinkaufen ? 1 : 0;
    e.Mengentabelle = QStringList{QStringLiteral("not stated"), QStringLiteral("1")} + mengen;
    return e;
}

TTZutatentotal Zutat(const QString &name, qint32 gruppe)
{
    TTZutatentotal z;
    z.Zutatname = z.Rezepttextname = z.Suchname = name;
    z.Kategorie = gruppe;
    z.Status = 1;
    return z;
}

// Globals as after start-up, with a small units list and database.
void Grundzustand()
{
    GlobalSystemInit();
    GlobalVARInit();
    Setze_GlobalOptionen();
    ProgrammOK = 1;
    TTVariablenTotal &v = VariablenTotal[0];
    v.Einheiten = {QStringLiteral("[pinch]"), QStringLiteral("[ml]"), QStringLiteral("[g]")};
    for (TTAEinheit &k : v.Kategorien)
        k = {Einheit(QStringLiteral("g"), false, {QStringLiteral("100"), QStringLiteral("200")}),
             Einheit(QStringLiteral("ml"), false, {}), Einheit(QStringLiteral("pinch"), true, {})};
    Zutatentotal = {Zutat(QStringLiteral("Flour"), 9), Zutat(QStringLiteral("Salt"), 8),
                    Zutat(QStringLiteral("Eggs"), 5), Zutat(QStringLiteral("Water"), 14)};
    platform::makeFolder(QStringLiteral("PRGDATA\\ENG"));
    platform::makeFolder(QStringLiteral("Recipes"));
}

QStringList Rezeptdatei(const QString &name, const QString &tag)
{
    const QChar t = QLatin1Char('|');
    return QStringLiteral("[TAFELWERKSTATT 2.0]|%1|%2|0|45321.750000|2|4 persons|30 minutes|cooking pot,||Italian,|"
                          "12.50||").arg(tag, name).split(t) + QStringList(29, QString()) +
           QStringLiteral("0|[ZUTATEN]:|3|Flour|9|200|g|Salt|8|1|pinch|Water|14|100|ml|"
                          "[ZUTATENLISTE]:|3|200|g|Flour|1|pinch|Salt|100|ml|Water|"
                          "[REZEPTLISTE]:|2|Mix the flour.|Bake it.|[EINKAUFSLISTE]:|0|[DELUXELISTE]:|0|"
                          "[BEMERKUNGSLISTE]:|1|Tasty.|[EOF]").split(t);
}

qint32 Rezept_mit_Namen(const QString &name)
{
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (RezepteTotal[i].Rezeptname == name)
            return i;
    return -1;
}

// Loads the recipes from their files and opens the one named name in the editor.
bool Oeffne(const QString &name)
{
    Programmstart(true);
    AktuellesRezept = Rezept_mit_Namen(name);
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

// Lines of a section of a recipe file, after its count line.
QStringList Abschnitt(const QStringList &datei, const QString &kopf)
{
    const int i = datei.indexOf(kopf);
    if (i < 0 || i + 1 >= datei.size())
        return {};
    const int n = datei[i + 1].toInt();
    return datei.mid(i + 2, n * (kopf == QLatin1String("[ZUTATEN]:") ? 4 : kopf == QLatin1String("[ZUTATENLISTE]:") ? 3 : 1));
}

bool Ist_fett(const QTextDocument *doc, const QString &wort)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(wort))
                return it.fragment().charFormat().fontWeight() >= QFont::Bold;
    return false;
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
    void init() { testing::failOnWarnings(); }
    void cleanup()
    {
        FRez->hide();
    }

    void bearbeitenSpeichernUndWiederOeffnen()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta al forno")}));
        QVERIFY(FRez->isVisible());
        QCOMPARE(FRez->ERName->text(), QStringLiteral("Pasta al forno"));
        QCOMPARE(FRez->ERAnzahlportionen->text(), QStringLiteral("4 persons"));
        QCOMPARE(FRez->LBZutatliste->count(), 3);
        QCOMPARE(FRez->LBZutatliste->item(0)->text(), QStringLiteral("200 g Flour"));
        QCOMPARE(FRez->REREingabe->toPlainText(), QStringLiteral("Mix the flour.\nBake it."));
        QCOMPARE(FRez->RERBemerkungen->toPlainText(), QStringLiteral("Tasty."));

        // edit: servings, a new ingredient found by the search, bold instructions
        FRez->ERAnzahlportionen->setText(QStringLiteral("6 persons"));
        FRez->EZutatSuchen->setText(QStringLiteral("eg"));
        QCOMPARE(FRez->LBZutatsuche->count(), 1);
        QCOMPARE(FRez->EZutat->text(), QStringLiteral("Eggs"));
        FRez->CBMenge->setCurrentText(QStringLiteral("2"));
        FRez->CBEinheit->setCurrentText(QString());
        QTest::keyClick(FRez->LBZutatsuche, Qt::Key_Return); // adds it as a double click does
        QCOMPARE(FRez->LBZutatliste->count(), 4);
        QCOMPARE(FRez->LBZutatliste->item(3)->text(), QStringLiteral("2 Eggs"));
        FRez->REREingabe->clear();
        QTextCursor c(FRez->REREingabe->document());
        c.insertText(QStringLiteral("Boil the pasta "));
        QTextCharFormat fett;
        fett.setFontWeight(QFont::Bold);
        c.insertText(QStringLiteral("carefully"), fett);
        c.insertText(QStringLiteral("."), QTextCharFormat());
        QVERIFY(FRez->Geaendert());

        QVERIFY(FRez->MRezeptspeichernClick());
        QVERIFY(meldungen.seen.isEmpty());
        QVERIFY(!FRez->Geaendert());

        const QStringList datei = base.readLines(QStringLiteral("Recipes/Pasta.KRP"));
        QCOMPARE(datei.value(0), QStringLiteral("[TAFELWERKSTATT 2.0]"));
        QCOMPARE(datei.value(1), QStringLiteral("[KOCHREZEPT]:"));
        QVERIFY(datei.contains(QStringLiteral("6 persons")));
        QCOMPARE(Abschnitt(datei, QStringLiteral("[ZUTATENLISTE]:")).mid(9),
                 QStringList({QStringLiteral("2"), QString(), QStringLiteral("Eggs")}));
        QCOMPARE(Abschnitt(datei, QStringLiteral("[ZUTATEN]:")).mid(12),
                 QStringList({QStringLiteral("Eggs"), QStringLiteral("5"), QStringLiteral("2"), QString()}));
        QCOMPARE(Abschnitt(datei, QStringLiteral("[REZEPTLISTE]:")),
                 QStringList{QStringLiteral("Boil the pasta carefully.")});
        // the pinch of salt is not bought
        QCOMPARE(Abschnitt(datei, QStringLiteral("[EINKAUFSLISTE]:")),
                 QStringList({QStringLiteral("200 g Flour"), QStringLiteral("100 ml Water"), QStringLiteral("2 Eggs")}));
        QVERIFY(base.readBytes(QStringLiteral("Recipes/Pasta.KRP.RRT")).startsWith("{\\rtf"));
        QVERIFY(base.exists(QStringLiteral("Recipes/Pasta.KRP.BRT")));
        QVERIFY(base.readLines(QStringLiteral("PRGDATA/ENG/RMListe.hbr")).join(QLatin1Char('|')).contains(
            QStringLiteral("Pasta al forno")));

        // reopen from the files
        FRez->hide();
        QVERIFY(Oeffne(QStringLiteral("Pasta al forno")));
        QCOMPARE(RezepteTotal[AktuellesRezept].Zutatenliste.size(), 4);
        QCOMPARE(FRez->ERAnzahlportionen->text(), QStringLiteral("6 persons"));
        QCOMPARE(FRez->REREingabe->toPlainText(), QStringLiteral("Boil the pasta carefully."));
        QVERIFY(Ist_fett(FRez->REREingabe->document(), QStringLiteral("carefully")));
        QVERIFY(!Ist_fett(FRez->REREingabe->document(), QStringLiteral("Boil")));
        QCOMPARE(FRez->RERBemerkungen->toPlainText(), QStringLiteral("Tasty."));
        QVERIFY(meldungen.seen.isEmpty());
    }

    // The side file loses to the record's lines when another window rewrote them.
    void veralteteSeitendateiWirdNichtGezeigt()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        base.writeBytes(QStringLiteral("Recipes/Pasta.KRP.RRT"), "{\\rtf1\\ansi Something {\\b old}.\\par}");
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta")}));
        QCOMPARE(FRez->REREingabe->toPlainText(), QStringLiteral("Mix the flour.\nBake it."));
    }

    void zeilenBearbeiten()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta")}));
        auto zeilen = [] {
            QStringList l;
            for (int i = 0; i < FRez->LBZutatliste->count(); ++i)
                l << FRez->LBZutatliste->item(i)->text();
            return l;
        };
        // the selected line shows its unit and quantity choices
        FRez->LBZutatliste->setCurrentRow(0);
        QCOMPARE(FRez->EZutat->text(), QStringLiteral("Flour"));
        QCOMPARE(FRez->CBEinheit->currentText(), QStringLiteral("g"));
        QVERIFY(FRez->CBMenge->findText(QStringLiteral("200")) >= 0);
        FRez->BZutatrunter->click();
        QCOMPARE(zeilen(), QStringList({QStringLiteral("1 pinch Salt"), QStringLiteral("200 g Flour"),
                                        QStringLiteral("100 ml Water")}));
        QCOMPARE(FRez->LBZutatliste->currentRow(), 1);
        FRez->CBMenge->setCurrentText(QStringLiteral("250"));
        FRez->BZutataendern->click();
        QCOMPARE(zeilen().value(1), QStringLiteral("250 g Flour"));
        meldungen.expect(QStringLiteral("Delete ingredient: 1 pinch Salt?"), 6);
        FRez->LBZutatliste->setCurrentRow(0);
        FRez->BZutatloeschen->click();
        QCOMPARE(zeilen(), QStringList({QStringLiteral("250 g Flour"), QStringLiteral("100 ml Water")}));
        const TTAZutatenliste &z = RezepteTotal[AktuellesRezept].Zutatenliste;
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].Name, QStringLiteral("Flour"));
        QCOMPARE(z[0].Listenindex, 0);
        QCOMPARE(z[1].Listenindex, 1);
        // another category offers its own units before the recipe is saved
        VariablenTotal[0].Kategorien[12] = {Einheit(QStringLiteral("cup"), false, {QStringLiteral("3")})};
        FRez->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(12));
        QCOMPARE(FRez->CBEinheit->count(), 2);
        QCOMPARE(FRez->CBEinheit->itemText(1), QStringLiteral("cup"));
        // a chosen device joins the list; one whose name ends another's stays
        FRez->EKochgeraete->setText(QStringLiteral("baking oven,oven"));
        FRez->CBKochgeraete->setCurrentIndex(9);
        FRez->CBKochgeraeteChange();
        QCOMPARE(FRez->EKochgeraete->text(), QStringLiteral("baking oven,oven,microwave,"));
        QVERIFY(meldungen.pending().isEmpty());
    }

    void einkaufsliste()
    {
        testing::BaseFolder base;
        Ein_Rezept({
            {QStringLiteral("2"), QString(), QStringLiteral("Eggs"), 2},
            {QStringLiteral("1"), QStringLiteral("Pinch"), QStringLiteral("Salt"), 1},
            {QStringLiteral("200"), QStringLiteral("g"), QStringLiteral("Flour"), 0},
            {QString(), QString(), QStringLiteral("*** for the sauce ***"), 3},
            {QStringLiteral("1"), QStringLiteral("g"), QStringLiteral("Removed"), -1},
            {QStringLiteral("3"), QStringLiteral("spoons"), QStringLiteral("Water"), 4},
        });
        RezepteTotal[0].Kategorie = 3;
        Erstelle_Einkaufsliste();
        QCOMPARE(RezepteTotal[0].Einkaufsliste,
                 QStringList({QStringLiteral("200 g Flour"), QStringLiteral("2 Eggs"), QStringLiteral("3 spoons Water")}));
    }

    void portionen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("portionen");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<bool>("meldung");
        QTest::newRow("number") << "4" << 4.0 << "" << "Original ingredients (4.00):" << false;
        QTest::newRow("number and word") << "4 persons" << 4.0 << "persons" << "Original ingredients (4.00 persons):"
                                         << false;
        QTest::newRow("decimal") << "2.5 servings" << 2.5 << "servings" << "Original ingredients (2.50 servings):"
                                 << false;
        QTest::newRow("word and word") << "four persons" << 4.0 << "persons" << "Original ingredients (4.00 persons):"
                                       << false;
        QTest::newRow("word alone") << "Four" << 4.0 << "" << "Original ingredients (4.00):" << false;
        QTest::newRow("ten") << "TEN cakes" << 10.0 << "cakes" << "Original ingredients (10.00 cakes):" << false;
        QTest::newRow("no number") << "some people" << 1.0 << "people" << "Original ingredients (1.00 people):" << true;
        QTest::newRow("empty") << "" << 1.0 << "" << "Original ingredients (1.00):" << true;
        QTest::newRow("zero") << "0 persons" << 1.0 << "persons" << "Original ingredients (1.00 persons):" << true;
    }

    void portionen()
    {
        QFETCH(QString, text);
        QFETCH(double, portionen);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        QFETCH(bool, meldung);
        testing::BaseFolder base;
        Ein_Rezept({{QStringLiteral("200"), QStringLiteral("g"), QStringLiteral("Flour"), 0}});
        FRez->Fuelle_Formular();
        FRez->ERAnzahlportionen->setText(text);
        FRez->ERPreis->setText(QStringLiteral("7.5"));
        FRez->LBZutatliste->setCurrentRow(0);
        testing::ScriptedMessages meldungen;
        if (meldung)
            meldungen.expect(QStringLiteral("No number found! Value is set to 1!"), 1);
        QVERIFY(Bereite_Mengenberechnung_vor());
        QVERIFY(meldungen.pending().isEmpty());
        if (meldung)
            QCOMPARE(meldungen.seen.value(0).heading, QStringLiteral("Note:"));
        QCOMPARE(RechPortionen, portionen);
        QCOMPARE(RechFaktor, portionen);
        QCOMPARE(RechPreis, 7.5);
        QCOMPARE(RechLabel1Text, label1);
        QCOMPARE(RechLabel2Text, label2);
    }

    void portionenBrauchenZeileUndLayout()
    {
        testing::BaseFolder base;
        Ein_Rezept({{QStringLiteral("200"), QStringLiteral("g"), QStringLiteral("Flour"), 0}});
        FRez->Fuelle_Formular();
        // no selected line: nothing is prepared
        RechPortionen = 99;
        QVERIFY(!Bereite_Mengenberechnung_vor());
        QCOMPARE(RechPortionen, 99.0);
        // the deluxe layout reads its own fields
        RezepteTotal[0].Deluxe = 1;
        FRez->Fuelle_Formular();
        FRez->ERAnzahlportionen->setText(QStringLiteral("2"));
        FRez->ERAnzahlportionen1->setText(QStringLiteral("3 bowls"));
        FRez->ERPreis1->setText(QStringLiteral("4,20"));
        FRez->LBZutatliste->setCurrentRow(0);
        QVERIFY(Bereite_Mengenberechnung_vor());
        QCOMPARE(RechPortionen, 3.0);
        QCOMPARE(RechPreis, 4.2);
        QCOMPARE(RechEAnzahlText, QStringLiteral("3.00"));
    }

    void speichernDasScheitert_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("side file cannot be written") << "rrt" << "could not be saved";
        QTest::newRow("file of another recipe") << "fremd" << "belongs to another recipe";
        QTest::newRow("empty name") << "name" << "Please enter a name";
    }

    void speichernDasScheitert()
    {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta"), QStringLiteral("Soup")}));
        const QByteArray vorher = base.readBytes(QStringLiteral("Recipes/Pasta.KRP"));
        FRez->ERAnzahlportionen->setText(QStringLiteral("8 persons"));
        FRez->ERName->setText(fall == QLatin1String("name") ? QStringLiteral("  ") : QStringLiteral("Pasta new"));
        if (fall == QLatin1String("rrt"))
            QVERIFY(QDir().mkpath(base.path(QStringLiteral("Recipes/Pasta.KRP.RRT"))));
        if (fall == QLatin1String("fremd"))
            RezepteTotal[Rezept_mit_Namen(QStringLiteral("Soup"))].Dateiname = RezepteTotal[AktuellesRezept].Dateiname;

        meldungen.allow(meldung, 1);
        QVERIFY(!FRez->MRezeptspeichernClick());
        QVERIFY(!meldungen.seen.isEmpty());
        QCOMPARE(meldungen.seen.last().heading, QStringLiteral("Error:"));
        QCOMPARE(base.readBytes(QStringLiteral("Recipes/Pasta.KRP")), vorher);
        QVERIFY(!base.exists(QStringLiteral("Recipes/Pasta.KRP.BRT")));
        // the record still holds what the file holds; the edit is still on screen
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, QStringLiteral("Pasta"));
        QCOMPARE(RezepteTotal[AktuellesRezept].Portionen, QStringLiteral("4 persons"));
        QCOMPARE(FRez->ERAnzahlportionen->text(), QStringLiteral("8 persons"));
        QVERIFY(FRez->Geaendert());
        FRez->ERName->setText(QStringLiteral("Pasta"));
    }

    // A new category is a new extension; the old files go, nothing is overwritten.
    void kategoriewechselBenenntUm()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        base.writeLines(QStringLiteral("Recipes\\Pasta.NRP"),
                        Rezeptdatei(QStringLiteral("Other pasta"), QStringLiteral("[NUDELREZEPT]:")));
        const QByteArray fremd = base.readBytes(QStringLiteral("Recipes/Pasta.NRP"));
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta")}));
        FRez->CBKategorie->setCurrentIndex(Ermittle_Anzeigeposition_aus_Kategorie(12));
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(base.readBytes(QStringLiteral("Recipes/Pasta.NRP")), fremd);
        QVERIFY(!base.exists(QStringLiteral("Recipes/Pasta.KRP")));
        QVERIFY(!base.exists(QStringLiteral("Recipes/Pasta.KRP.RRT")));
        QCOMPARE(base.readLines(QStringLiteral("Recipes/Pasta (2).NRP")).mid(1, 2),
                 QStringList({QStringLiteral("[NUDELREZEPT]:"), QStringLiteral("Pasta")}));
        QVERIFY(base.exists(QStringLiteral("Recipes/Pasta (2).NRP.RRT")));
        FRez->hide();
        QVERIFY(Oeffne(QStringLiteral("Pasta")));
        QCOMPARE(RezepteTotal[AktuellesRezept].Kategorie, 12);
        QVERIFY(meldungen.seen.isEmpty());
    }

    void deluxeLayout()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta")}));
        FRez->MDeluxe->trigger();
        QVERIFY(FRez->MDeluxe->isChecked());
        QVERIFY(!FRez->ERAnzahlportionen1->isHidden());
        QVERIFY(FRez->ERAnzahlportionen->isHidden());
        QCOMPARE(FRez->ERAnzahlportionen1->text(), QStringLiteral("4 persons"));
        QCOMPARE(FRez->MZutat1->toPlainText(), QStringLiteral("Flour\nSalt\nWater"));
        QCOMPARE(FRez->RERBemerkungen1->toPlainText(), QStringLiteral("Tasty."));
        FRez->MZubereitung1->setPlainText(QStringLiteral("sifted\n\nlukewarm"));
        FRez->MMenge1->setPlainText(QStringLiteral("250\n1\n100"));
        QCOMPARE(FRez->LBZutatliste->item(0)->text(), QStringLiteral("250 g Flour"));
        FRez->ERAnzahlportionen1->setText(QStringLiteral("2 persons"));
        QVERIFY(FRez->MRezeptspeichernClick());

        const QStringList datei = base.readLines(QStringLiteral("Recipes/Pasta.KRP"));
        QCOMPARE(datei.value(3), QStringLiteral("1"));
        QVERIFY(datei.contains(QStringLiteral("2 persons")));
        const int d = datei.indexOf(QStringLiteral("[DELUXELISTE]:"));
        QVERIFY(d > 0);
        QCOMPARE(datei.value(d + 1), QStringLiteral("3"));
        QVERIFY(datei.mid(d + 2, 12).contains(QStringLiteral("lukewarm")));
        QCOMPARE(Abschnitt(datei, QStringLiteral("[ZUTATENLISTE]:")).mid(0, 3),
                 QStringList({QStringLiteral("250"), QStringLiteral("g"), QStringLiteral("Flour")}));

        FRez->hide();
        QVERIFY(Oeffne(QStringLiteral("Pasta")));
        QVERIFY(FRez->MDeluxe->isChecked());
        QCOMPARE(FRez->MZubereitung1->toPlainText(), QStringLiteral("sifted\n\nlukewarm"));
        QCOMPARE(FRez->ERAnzahlportionen1->text(), QStringLiteral("2 persons"));
        QVERIFY(meldungen.seen.isEmpty());
    }

    // A picture from outside the base folder is copied in; the recipe keeps a relative path.
    void rezeptgrafik()
    {
        testing::BaseFolder base;
        QTemporaryDir draussen;
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::red);
        const QString datei = draussen.path() + QStringLiteral("/dish.png");
        QVERIFY(bild.save(datei));
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &, const QString &) {
            return datei;
        });
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta")}));
        FRez->BRezeptgrafik->click();
        QVERIFY(!FRez->IRezeptgrafik->pixmap().isNull());
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptgrafik, QStringLiteral("Recipes\\Pictures\\dish.png"));
        QVERIFY(base.exists(QStringLiteral("Recipes/Pictures/dish.png")));
        QVERIFY(base.readLines(QStringLiteral("Recipes/Pasta.KRP")).contains(QStringLiteral("Recipes\\Pictures\\dish.png")));
        FRez->BRezeptgrafikloeschen->click();
        QVERIFY(FRez->MRezeptspeichernClick());
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptgrafik, QString());
        QVERIFY(meldungen.seen.isEmpty());
    }

    void andereRezeptOeffnenFragtErst()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta"), QStringLiteral("Soup")}));
        FRez->ERAnzahlportionen->setText(QStringLiteral("3 persons"));
        // the same recipe again: nothing asked, nothing lost
        Zeige_Rezept();
        QCOMPARE(FRez->ERAnzahlportionen->text(), QStringLiteral("3 persons"));
        QVERIFY(FRez->Geaendert());
        meldungen.expect(QStringLiteral("save the changes"), 6);
        AktuellesRezept = Rezept_mit_Namen(QStringLiteral("Soup"));
        Zeige_Rezept();
        QCOMPARE(FRez->ERName->text(), QStringLiteral("Soup"));
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, QStringLiteral("Soup"));
        QVERIFY(base.readLines(QStringLiteral("Recipes/Pasta.KRP")).contains(QStringLiteral("3 persons")));
        QVERIFY(meldungen.pending().isEmpty());
    }

    void schliessenFragtNachAenderungen()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        QVERIFY(Mit_Rezepten(base, {QStringLiteral("Pasta")}));
        FRez->LBZutatliste->setCurrentRow(0);
        meldungen.expect(QStringLiteral("Delete ingredient"), 6);
        FRez->BZutatloeschen->click();
        QCOMPARE(RezepteTotal[AktuellesRezept].Zutatenliste.size(), 2);
        // No: the record is the file's again
        meldungen.expect(QStringLiteral("save the changes"), 7);
        QVERIFY(FRez->close());
        QCOMPARE(RezepteTotal[AktuellesRezept].Zutatenliste.size(), 3);
        QVERIFY(meldungen.pending().isEmpty());
    }
};

QTEST_MAIN(TestRez)
#include "tst_rez.moc"
