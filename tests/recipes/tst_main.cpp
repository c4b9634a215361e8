// The recipe overview: browsing, filters, search, preview, opening, closing.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "testing/Testing.h"

namespace {

const QString Optionsdatei = QStringLiteral("PRGDATA\\ENG\\nenoitpo.kop");

// The sample recipes. Ingredients are quantity|unit|name triples; "|" also
// separates the lines of the instructions and the remarks.
struct Probe {
    const char *datei, *kopf, *name, *geraete, *unterkategorien, *zutaten, *anleitung, *bemerkungen;
};
const Probe Proben[] = {
    {"Apple Pie.TRP", "TORTEN", "Apple Pie", "baking oven,", "Baking, Sweet", "1|kg|Apples|250|g|Flour",
     "Bake at 180 degrees for 45 minutes.", ""},
    {"Bratensosse.ORP", "SOSSEN", "Bratensosse", "cooking pot,", "German, Basics", "1|l|Stock", "Reduce the stock.",
     ""},
    {"Green Salad.SRP", "SALAT", "Green Salad", "Salad dish,", "Quick", "1||Lettuce|2|tbsp|Olive oil",
     "Wash the lettuce.", "A dressing of cr\u00E8me fra\u00EEche suits it."},
    {"Pasta with tomato sauce.NRP", "NUDEL", "Pasta with tomato sauce", "cooking pot,", "Italian, Quick",
     "400|g|Spaghetti|500|g|Tomatoes", "Cook the pasta.|Pour the sauce over it.", "Serve hot."},
    {"Schnitzel mit Sosse.MRP", "FLEISCH", "Schnitzel mit So\u00DFe", "skillet,", "German",
     "4||Pork escalopes|1|cup|Cream", "Fry the escalopes.", "Goes well with rice."},
    {"Zucchini Soup.URP", "SUPPEN", "Zucchini Soup", "cooking pot,", "Quick", "2||Zucchini", "Simmer and pur\u00E9e.",
     "Tastes of summer."},
    {"apple crumble.DRP", "DESSERT", "apple crumble", "baking oven,", "Sweet", "4||Apples|100|g|Butter",
     "Rub butter and flour to crumbs.", ""},
};

QStringList Rezeptdatei(const Probe &p)
{
    auto teile = [](const char *t) { return *t ? QString::fromUtf8(t).split(QLatin1Char('|')) : QStringList(); };
    const QStringList zutaten = teile(p.zutaten), anleitung = teile(p.anleitung), bemerkungen = teile(p.bemerkungen);
    QStringList l = {"[TAFELWERKSTATT 2.0]", QStringLiteral("[%1REZEPT]:").arg(QLatin1String(p.kopf)),
                     QString::fromUtf8(p.name), "0", "45300.500000", "2", "4 persons", "30 minutes", p.geraete, "",
                     p.unterkategorien, "3.50"};
    l << QStringList(31, QString()) << "0" << "[ZUTATEN]:" << QString::number(zutaten.size() / 3);
    for (int i = 0; i + 2 < zutaten.size(); i += 3)
        l << zutaten[i + 2] << "-1" << zutaten[i] << zutaten[i + 1];
    l << "[ZUTATENLISTE]:" << QString::number(zutaten.size() / 3) << zutaten;
    l << "[REZEPTLISTE]:" << QString::number(anleitung.size()) << anleitung << "[EINKAUFSLISTE]:" << "0"
      << "[DELUXELISTE]:" << "0" << "[BEMERKUNGSLISTE]:" << QString::number(bemerkungen.size()) << bemerkungen
      << "[EOF]";
    return l;
}

QStringList zeilen()
{
    QStringList out;
    for (int i = 1; i < FMain->LVRezepte->topLevelItemCount(); ++i)
        out << FMain->LVRezepte->topLevelItem(i)->text(0);
    return out;
}

qint32 rezept(const QString &name)
{
    for (qint32 i = 0; i < RezepteTotal.size(); ++i)
        if (RezepteTotal[i].Rezeptname == name)
            return i;
    return -1;
}

// A window with unsaved work that does not let itself be closed.
class Eigensinnig : public QWidget
{
protected:
    void closeEvent(QCloseEvent *e) override { e->ignore(); }
};
} // namespace

class TestMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FMain = new TFMain;
        FMainZutatbild = new TFMainZutatbild(FMain);
        FMainTextanzeige = new TFMainTextanzeige(FMain);
        FMainRezeptbild = new TFMainRezeptbild(FMain);
        FRez = new TFRez;
    }
    void cleanupTestCase()
    {
        delete FRez;
        delete FMain;
    }

    void init()
    {
        testing::failOnWarnings();
        m_base.reset(new testing::BaseFolder);
        for (const Probe &p : Proben)
            m_base->writeLines(QStringLiteral("Recipes\\") + QString::fromUtf8(p.datei), Rezeptdatei(p));
        m_base->writeLines(QStringLiteral("Recipes\\notes.txt"), {"not a recipe"});
        QVERIFY(platform::makeFolder(QStringLiteral("PRGDATA\\ENG")));
        GlobalVARInit();
        Setze_GlobalOptionen();
        ProgrammOK = 1;
        SetupStarten = 0;
        AktuellesRezept = -1;
        FMain->ESuche->clear();
        Programmstart(true);
    }
    void cleanup()
    {
        FMain->hide();
        m_base.reset();
    }

    void browse()
    {
        QTreeWidgetItem *kochen = FMain->LVRezepte->topLevelItem(0);
        QCOMPARE(kochen->text(0), QStringLiteral("Cook interactively"));
        QVERIFY(kochen->isDisabled());
        // Sorted by name regardless of letter case; the stray text file is no recipe.
        QCOMPARE(zeilen(), (QStringList{"apple crumble", "Apple Pie", "Bratensosse", "Green Salad",
                                        "Pasta with tomato sauce", "Schnitzel mit So\u00DFe", "Zucchini Soup"}));
        QCOMPARE(FMain->LAnzahl->text(), QStringLiteral("7 recipes"));
        for (int row = 1; row < FMain->LVRezepte->topLevelItemCount(); ++row)
            QCOMPARE(RezepteTotal[rezept(FMain->LVRezepte->topLevelItem(row)->text(0))].Listenposition, row);
        QCOMPARE(FMain->LVRezepte->topLevelItem(3)->text(1), QStringLiteral("Sauce Recipes"));
        QVERIFY(!FMain->LVRezepte->topLevelItem(3)->text(3).isEmpty());
    }

    void filter_data()
    {
        QTest::addColumn<QString>("kategorie"); // a display name, or empty for all
        QTest::addColumn<QString>("unterkategorie");
        QTest::addColumn<QString>("suche");
        QTest::addColumn<QStringList>("erwartet");
        const QStringList sossen{"Bratensosse", "Pasta with tomato sauce", "Schnitzel mit So\u00DFe"};
        QTest::newRow("category") << "Sauce Recipes" << "" << "" << QStringList{"Bratensosse"};
        QTest::newRow("empty category") << "Fish Recipes" << "" << "" << QStringList{};
        QTest::newRow("sub-category") << "" << "Quick" << ""
                                      << QStringList{"Green Salad", "Pasta with tomato sauce", "Zucchini Soup"};
        QTest::newRow("category and sub-category") << "Salad Recipes" << "Quick" << "" << QStringList{"Green Salad"};
        QTest::newRow("word in the name, any case") << "" << "" << "APPLE" << QStringList{"apple crumble", "Apple Pie"};
        QTest::newRow("sauce") << "" << "" << "sauce" << sossen;
        QTest::newRow("sosse") << "" << "" << "Sosse" << sossen;
        QTest::newRow("so\u00DFe") << "" << "" << "so\u00DFe" << sossen;
        QTest::newRow("sauce and another word") << "" << "" << "sauce tomatoes"
                                                << QStringList{"Pasta with tomato sauce"};
        QTest::newRow("sauce and a remark word") << "" << "" << "rice sosse" << QStringList{"Schnitzel mit So\u00DFe"};
        QTest::newRow("every word must occur") << "" << "" << "spaghetti lettuce" << QStringList{};
        QTest::newRow("instructions") << "" << "" << "180 degrees" << QStringList{"Apple Pie"};
        QTest::newRow("ingredients") << "" << "" << "butter apples" << QStringList{"apple crumble"};
        QTest::newRow("accents folded") << "" << "" << "creme fraiche" << QStringList{"Green Salad"};
        QTest::newRow("accents typed") << "" << "" << "cr\u00E8me" << QStringList{"Green Salad"};
        QTest::newRow("blanks around") << "" << "" << "  salad  " << QStringList{"Green Salad"};
        QTest::newRow("category and search") << "Sauce Recipes" << "" << "sauce" << QStringList{"Bratensosse"};
    }

    void filter()
    {
        QFETCH(QString, kategorie);
        QFETCH(QString, unterkategorie);
        QFETCH(QString, suche);
        QFETCH(QStringList, erwartet);
        if (!kategorie.isEmpty()) {
            const int zeile = FMain->CBKategorie->findText(kategorie);
            QVERIFY(zeile > 0);
            FMain->CBKategorie->setCurrentIndex(zeile);
            QCOMPARE(Optionen.Kategoriefilter, zeile - 1);
        }
        if (!unterkategorie.isEmpty()) {
            const int zeile = FMain->CBUnterkategorie->findText(unterkategorie);
            QVERIFY(zeile > 0);
            FMain->CBUnterkategorie->setCurrentIndex(zeile);
            QCOMPARE(Optionen.Unterkategoriefilter, unterkategorie);
        }
        FMain->ESuche->setText(suche);
        QCOMPARE(zeilen(), erwartet);
        QCOMPARE(FMain->LVRezepte->topLevelItem(0)->text(0), QStringLiteral("Cook interactively"));
        int gelistet = 0;
        for (const TTRezepteTotal &r : RezepteTotal) {
            if (r.Listenposition < 0)
                continue;
            ++gelistet;
            QCOMPARE(FMain->LVRezepte->topLevelItem(r.Listenposition)->text(0), r.Rezeptname);
        }
        QCOMPARE(gelistet, erwartet.size());
        // The filters stay when the overview is rebuilt.
        Programmstart(true);
        QCOMPARE(zeilen(), erwartet);
    }

    void unterkategorien()
    {
        auto eintraege = [] {
            QStringList out;
            for (int i = 0; i < FMain->CBUnterkategorie->count(); ++i)
                out << FMain->CBUnterkategorie->itemText(i);
            return out;
        };
        QCOMPARE(eintraege(), (QStringList{"All sub-categories", "Baking", "Basics", "German", "Italian", "Quick",
                                           "Sweet"}));
        FMain->CBUnterkategorie->setCurrentIndex(FMain->CBUnterkategorie->findText(QStringLiteral("Sweet")));
        FMain->CBKategorie->setCurrentIndex(FMain->CBKategorie->findText(QStringLiteral("Sauce Recipes")));
        QCOMPARE(eintraege(), (QStringList{"All sub-categories", "Basics", "German"}));
        // "Sweet" has no sauce: the filter falls back to all sub-categories.
        QCOMPARE(FMain->CBUnterkategorie->currentIndex(), 0);
        QVERIFY(Optionen.Unterkategoriefilter.isEmpty());
        QCOMPARE(zeilen(), QStringList{"Bratensosse"});
    }

    // The editor changes a record in memory and rebuilds without reload.
    void aenderungImSpeicher()
    {
        FMain->ESuche->setText(QStringLiteral("marzipan"));
        QVERIFY(zeilen().isEmpty());
        const qint32 suppe = rezept(QStringLiteral("Zucchini Soup"));
        RezepteTotal[suppe].Bemerkungsliste << QStringLiteral("Top with grated marzipan.");
        RezepteTotal[suppe].Rezeptname = QStringLiteral("Almond Soup");
        Programmstart(false);
        QCOMPARE(zeilen(), QStringList{"Almond Soup"});
        FMain->ESuche->clear();
        QCOMPARE(zeilen().first(), QStringLiteral("Almond Soup"));
    }

    void vorschau()
    {
        FMain->show();
        QVERIFY(FMain->Waehle_Rezept(rezept(QStringLiteral("Green Salad"))));
        QCOMPARE(FMainRezeptbild->LRezeptname->text(), QStringLiteral("Green Salad"));
        const QString text = FMainTextanzeige->MTextanzeige->toPlainText();
        for (const char *teil : {"Salad Recipes", "4 persons", "30 minutes", "2 of 5", "Salad dish", "1 Lettuce",
                                 "2 tbsp Olive oil", "cr\u00E8me fra\u00EEche"})
            QVERIFY2(text.contains(QString::fromUtf8(teil)), teil);
        QCOMPARE(FMainZutatbild->LVZutatbild->count(), 2);
        QCOMPARE(FMainZutatbild->LVZutatbild->item(0)->text(), QStringLiteral("Lettuce"));
        QVERIFY(FMain->MRezeptoeffnen->isEnabled());
        // A search that hides the recipe empties the preview.
        FMain->ESuche->setText(QStringLiteral("apple"));
        QVERIFY(FMainRezeptbild->LRezeptname->text().isEmpty());
        QVERIFY(FMainTextanzeige->MTextanzeige->toPlainText().isEmpty());
        QCOMPARE(FMainZutatbild->LVZutatbild->count(), 0);
        QVERIFY(!FMain->MRezeptoeffnen->isEnabled());
    }

    void oeffnen()
    {
        const qint32 salat = rezept(QStringLiteral("Green Salad"));
        QVERIFY(FMain->Waehle_Rezept(salat));
        QTest::keyClick(FMain->LVRezepte, Qt::Key_Return);
        QCOMPARE(AktuellesRezept, salat);
        // The editor shows that recipe.
        QVERIFY(FRez->isVisible());
        QCOMPARE(FRez->Formularrezept(), salat);
        FRez->hide();
        AktuellesRezept = -1;
        FMain->MRezeptoeffnen->trigger();
        QCOMPARE(AktuellesRezept, salat);
        // The fixed first row opens no recipe.
        AktuellesRezept = -1;
        emit FMain->LVRezepte->itemDoubleClicked(FMain->LVRezepte->topLevelItem(0), 0);
        QCOMPARE(AktuellesRezept, -1);
        emit FMain->LVRezepte->itemDoubleClicked(FMain->LVRezepte->topLevelItem(1), 0);
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, QStringLiteral("apple crumble"));
    }

    void neuLaden()
    {
        const qint32 pie = rezept(QStringLiteral("Apple Pie"));
        AktuellesRezept = pie;
        QVERIFY(FMain->Waehle_Rezept(pie));
        // A recipe put into the folder sorts in before the current one.
        Probe aioli = Proben[2];
        aioli.name = "Aioli";
        m_base->writeLines(QStringLiteral("Recipes\\Aioli.SRP"), Rezeptdatei(aioli));
        Programmstart(true);
        QCOMPARE(zeilen().first(), QStringLiteral("Aioli"));
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, QStringLiteral("Apple Pie"));
        QCOMPARE(FMain->Ausgewaehltes_Rezept(), AktuellesRezept);
        // A recipe whose file is gone drops out, and so does the current index.
        QVERIFY(platform::removeFile(QStringLiteral("Recipes\\Apple Pie.TRP")));
        Programmstart(true);
        QVERIFY(!zeilen().contains(QStringLiteral("Apple Pie")));
        QCOMPARE(AktuellesRezept, -1);
        QCOMPARE(FMain->Ausgewaehltes_Rezept(), -1);
        // A damaged index is reported; the recipes are still read from their files.
        m_base->writeLines(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr"), {"damaged"});
        testing::ScriptedMessages meldungen;
        meldungen.expect(QStringLiteral("Error in the recipe manager file!"));
        Programmstart(true);
        QVERIFY(meldungen.pending().isEmpty());
        QCOMPARE(RezepteTotal.value(rezept(QStringLiteral("Aioli"))).Zutatenliste.size(), 2);
    }

    void werkzeugfenster()
    {
        FMain->show();
        QVERIFY(FMainRezeptbild->isVisible());
        QVERIFY(FMainTextanzeige->isVisible());
        QVERIFY(FMainZutatbild->isVisible());
        FMainTextanzeige->close();
        QCOMPARE(Optionen.Textanzeigezeigen, quint8(0));
        QVERIFY(!FMain->MTextanzeigeanzeigen->isChecked());
        FMain->hide();
        QVERIFY(FMainRezeptbild->isHidden());
        FMain->show();
        QVERIFY(FMainRezeptbild->isVisible());
        QVERIFY(FMainTextanzeige->isHidden());
        FMain->MTextanzeigeanzeigen->trigger();
        QVERIFY(FMainTextanzeige->isVisible());
        QCOMPARE(Optionen.Textanzeigezeigen, quint8(1));
    }

    void schliessen_data()
    {
        QTest::addColumn<int>("programmOK");
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("antwort"); // to the exit question; 0: no question
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("Yes") << 1 << 0 << 6 << true;
        QTest::newRow("No") << 1 << 0 << 7 << true;
        QTest::newRow("program ends at start-up") << 0 << 0 << 0 << false;
        QTest::newRow("set-up waiting") << 1 << 1 << 0 << true;
    }

    void schliessen()
    {
        QFETCH(int, programmOK);
        QFETCH(int, setup);
        QFETCH(int, antwort);
        QFETCH(bool, gespeichert);
        testing::ScriptedMessages meldungen; // any other message fails
        if (antwort)
            meldungen.expect(QStringLiteral("Exit Tablecraft Works?"), antwort);
        FMain->show();
        ProgrammOK = quint8(programmOK);
        SetupStarten = quint8(setup);
        Optionen.Kategoriefilter = 4;
        QVERIFY(!m_base->exists(Optionsdatei));
        QCOMPARE(FMain->close(), antwort != 7);
        QCOMPARE(meldungen.seen.size(), antwort ? 1 : 0);
        if (antwort) {
            QCOMPARE(meldungen.seen.first().heading, QStringLiteral("Question:"));
            QCOMPARE(meldungen.seen.first().buttons, 4);
        }
        QCOMPARE(FMain->isVisible(), antwort == 7);
        QCOMPARE(FMainRezeptbild->isVisible(), antwort == 7);
        // The options are saved whatever the answer.
        QCOMPARE(m_base->exists(Optionsdatei), gespeichert);
        Setze_GlobalOptionen();
        QCOMPARE(Lade_Optionen(Load) && Optionen.Kategoriefilter == 4, gespeichert);
    }

    void schliessenMitOffenemFenster_data()
    {
        QTest::addColumn<int>("setup");
        QTest::newRow("after Yes") << 0;
        QTest::newRow("set-up waiting") << 1;
    }

    // A window that keeps its unsaved work keeps the program open.
    void schliessenMitOffenemFenster()
    {
        QFETCH(int, setup);
        testing::ScriptedMessages meldungen;
        meldungen.allow(QStringLiteral("Exit Tablecraft Works?"), 6);
        SetupStarten = quint8(setup);
        FMain->show();
        Eigensinnig anderes;
        anderes.show();
        QVERIFY(!FMain->close());
        QVERIFY(FMain->isVisible());
        QVERIFY(m_base->exists(Optionsdatei));
        anderes.hide();
        QVERIFY(FMain->close());
    }

private:
    std::unique_ptr<testing::BaseFolder> m_base;
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
