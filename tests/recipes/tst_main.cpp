// The recipe overview: browsing, filters, search, preview, opening, closing.
#include <QtWidgets>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "testing/RecipeFile.h"
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
    const QStringList zutaten = teile(p.zutaten);
    testing::RecipeFile r;
    r.tag = QStringLiteral("[%1REZEPT]:").arg(QLatin1String(p.kopf));
    r.name = QString::fromUtf8(p.name);
    r.cookedOn = "45300.500000";
    r.devices = p.geraete;
    r.subcategories = p.unterkategorien;
    r.price = "3.50";
    for (int i = 0; i + 2 < zutaten.size(); i += 3)
        r.ingredients << testing::RecipeIngredient(zutaten[i + 2], -1, zutaten[i], zutaten[i + 1]);
    r.instructions = teile(p.anleitung);
    r.remarks = teile(p.bemerkungen);
    return r.lines();
}

QString text(int zeile, int spalte)
{
    const QAbstractItemModel *m = FMain->LVRezepte->model();
    return m->index(zeile, spalte).data().toString();
}

QStringList zeilen()
{
    QStringList out;
    for (int i = 1; i < FMain->LVRezepte->model()->rowCount(); ++i)
        out << text(i, 0);
    return out;
}

// Picks the entry text of a filter box; the first entry is "all".
void Waehle(QComboBox *box, const QString &text)
{
    const int zeile = box->findText(text);
    QVERIFY2(zeile > 0, qPrintable(text));
    box->setCurrentIndex(zeile);
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

    void filter_data()
    {
        QTest::addColumn<QString>("kategorie"); // a display name, or empty for all
        QTest::addColumn<QString>("unterkategorie");
        QTest::addColumn<QString>("suche");
        QTest::addColumn<QStringList>("erwartet");
        // Sorted by name regardless of letter case; the stray text file is no recipe.
        QTest::newRow("none") << "" << "" << ""
                              << QStringList{"apple crumble", "Apple Pie", "Bratensosse", "Green Salad",
                                             "Pasta with tomato sauce", "Schnitzel mit So\u00DFe", "Zucchini Soup"};
        QTest::newRow("category") << "Sauce Recipes" << "" << "" << QStringList{"Bratensosse"};
        QTest::newRow("sub-category") << "" << "Quick" << ""
                                      << QStringList{"Green Salad", "Pasta with tomato sauce", "Zucchini Soup"};
        QTest::newRow("category and sub-category") << "Salad Recipes" << "Quick" << "" << QStringList{"Green Salad"};
        QTest::newRow("word in the name, any case") << "" << "" << "APPLE" << QStringList{"apple crumble", "Apple Pie"};
        // every spelling of sauce finds the others; the words' rules are the overview model's test
        QTest::newRow("sauce") << "" << "" << "sauce"
                               << QStringList{"Bratensosse", "Pasta with tomato sauce", "Schnitzel mit So\u00DFe"};
        QTest::newRow("accents folded") << "" << "" << "creme fraiche" << QStringList{"Green Salad"};
        QTest::newRow("category and search") << "Sauce Recipes" << "" << "sauce" << QStringList{"Bratensosse"};
    }

    void filter()
    {
        QFETCH(QString, kategorie);
        QFETCH(QString, unterkategorie);
        QFETCH(QString, suche);
        QFETCH(QStringList, erwartet);
        if (!kategorie.isEmpty()) {
            Waehle(FMain->CBKategorie, kategorie);
            QCOMPARE(Optionen.Kategoriefilter, FMain->CBKategorie->currentIndex() - 1);
        }
        if (!unterkategorie.isEmpty()) {
            Waehle(FMain->CBUnterkategorie, unterkategorie);
            QCOMPARE(Optionen.Unterkategoriefilter, unterkategorie);
        }
        FMain->ESuche->setText(suche);
        QCOMPARE(zeilen(), erwartet);
        QCOMPARE(FMain->LAnzahl->text(),
                 erwartet.size() == 1 ? "1 recipe" : QString::number(erwartet.size()) + " recipes");
        int gelistet = 0; // each listed record knows its row
        for (const TTRezepteTotal &r : RezepteTotal)
            if (r.Listenposition >= 0) {
                ++gelistet;
                QCOMPARE(text(r.Listenposition, 0), r.Rezeptname);
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
        Waehle(FMain->CBUnterkategorie, "Sweet");
        Waehle(FMain->CBKategorie, "Sauce Recipes");
        QCOMPARE(eintraege(), (QStringList{"All sub-categories", "Basics", "German"}));
        // "Sweet" has no sauce: the filter falls back to all sub-categories.
        QCOMPARE(FMain->CBUnterkategorie->currentIndex(), 0);
        QVERIFY(Optionen.Unterkategoriefilter.isEmpty());
        QCOMPARE(zeilen(), QStringList{"Bratensosse"});
    }

    // Typing on narrows a search to its last hits; a wider category or
    // sub-category afterwards looks at every recipe again.
    void sucheUndFilterwechsel_data()
    {
        QTest::addColumn<bool>("kategorie");
        QTest::newRow("category") << true;
        QTest::newRow("sub-category") << false;
    }
    void sucheUndFilterwechsel()
    {
        QFETCH(bool, kategorie);
        QComboBox *filter = kategorie ? FMain->CBKategorie : FMain->CBUnterkategorie;
        Waehle(filter, kategorie ? "Sauce Recipes" : "Italian");
        FMain->ESuche->setText("sauce");
        QCOMPARE(zeilen(), QStringList{kategorie ? "Bratensosse" : "Pasta with tomato sauce"});
        filter->setCurrentIndex(0);
        QCOMPARE(zeilen(), (QStringList{"Bratensosse", "Pasta with tomato sauce", "Schnitzel mit So\u00DFe"}));
    }

    // A saved recipe, or a file changed on disk and read again, is found by
    // its new words and no longer by its old ones, also when the search
    // texts were built ahead while the program was idle.
    void geaendertesRezeptGefunden_data()
    {
        QTest::addColumn<bool>("vonPlatte");
        QTest::newRow("saved") << false;
        QTest::newRow("file read again") << true;
    }
    void geaendertesRezeptGefunden()
    {
        QFETCH(bool, vonPlatte);
        QTRY_VERIFY(FMain->Suchtexte_bereit());
        FMain->ESuche->setText("stock");
        QCOMPARE(zeilen(), QStringList{"Bratensosse"});
        if (vonPlatte) {
            Probe neu = Proben[1];
            neu.zutaten = "1|l|Red wine";
            neu.anleitung = "Reduce the wine.";
            m_base->writeLines(QStringLiteral("Recipes\\Bratensosse.ORP"), Rezeptdatei(neu));
            Programmstart(true);
        } else {
            const qint32 sosse = testing::recipeIndex("Bratensosse");
            RezepteTotal[sosse].Zutatenliste[0].Name = QStringLiteral("Red wine");
            RezepteTotal[sosse].Rezeptliste[0] = QStringLiteral("Reduce the wine.");
            QVERIFY(Lade_Rezepte(Save, sosse));
            Programmstart(false);
        }
        QTRY_VERIFY(FMain->Suchtexte_bereit());
        QCOMPARE(zeilen(), QStringList{});
        FMain->ESuche->setText("wine");
        QCOMPARE(zeilen(), QStringList{"Bratensosse"});
    }

    void vorschau()
    {
        FMain->show();
        QVERIFY(FMain->Waehle_Rezept(testing::recipeIndex("Green Salad")));
        QCOMPARE(FMainRezeptbild->LRezeptname->text(), "Green Salad");
        const QString text = FMainTextanzeige->MTextanzeige->toPlainText();
        for (const char *teil : {"Salad Recipes", "4 persons", "30 minutes", "2 of 5", "Salad dish", "1 Lettuce",
                                 "2 tbsp Olive oil", "cr\u00E8me fra\u00EEche"})
            QVERIFY2(text.contains(QString::fromUtf8(teil)), teil);
        QCOMPARE(FMainZutatbild->LVZutatbild->count(), 2);
        QCOMPARE(FMainZutatbild->LVZutatbild->item(0)->text(), "Lettuce");
        QVERIFY(FMain->MRezeptoeffnen->isEnabled());
        // A search that hides the recipe empties the preview.
        FMain->ESuche->setText("apple");
        QVERIFY(FMainRezeptbild->LRezeptname->text().isEmpty());
        QVERIFY(FMainTextanzeige->MTextanzeige->toPlainText().isEmpty());
        QCOMPARE(FMainZutatbild->LVZutatbild->count(), 0);
        QVERIFY(!FMain->MRezeptoeffnen->isEnabled());
    }

    void oeffnen()
    {
        const qint32 salat = testing::recipeIndex("Green Salad");
        QVERIFY(FMain->Waehle_Rezept(salat));
        QTest::keyClick(FMain->LVRezepte, Qt::Key_Return);
        QCOMPARE(AktuellesRezept, salat);
        QVERIFY(FRez->isVisible());
        QCOMPARE(FRez->Formularrezept(), salat);
        FRez->hide();
        AktuellesRezept = -1;
        FMain->MRezeptoeffnen->trigger();
        QCOMPARE(AktuellesRezept, salat);
        // The fixed first row opens no recipe.
        AktuellesRezept = -1;
        emit FMain->LVRezepte->doubleClicked(FMain->LVRezepte->model()->index(0, 0));
        QCOMPARE(AktuellesRezept, -1);
        emit FMain->LVRezepte->doubleClicked(FMain->LVRezepte->model()->index(1, 2));
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, "apple crumble");
    }

    void neuLaden()
    {
        const qint32 pie = testing::recipeIndex("Apple Pie");
        AktuellesRezept = pie;
        QVERIFY(FMain->Waehle_Rezept(pie));
        // A recipe put into the folder sorts in before the current one.
        Probe aioli = Proben[2];
        aioli.name = "Aioli";
        m_base->writeLines("Recipes\\Aioli.SRP", Rezeptdatei(aioli));
        Programmstart(true);
        QCOMPARE(zeilen().first(), "Aioli");
        QCOMPARE(RezepteTotal[AktuellesRezept].Rezeptname, "Apple Pie");
        QCOMPARE(FMain->Ausgewaehltes_Rezept(), AktuellesRezept);
        // A recipe whose file is gone drops out, and so does the current index.
        QVERIFY(platform::removeFile("Recipes\\Apple Pie.TRP"));
        Programmstart(true);
        QVERIFY(!zeilen().contains("Apple Pie"));
        QCOMPARE((QList<qint32>{AktuellesRezept, FMain->Ausgewaehltes_Rezept()}), (QList<qint32>{-1, -1}));
        // A damaged index is reported; the recipes are still read from their files.
        m_base->writeLines("PRGDATA\\ENG\\RMListe.hbr", {"damaged"});
        testing::ScriptedMessages meldungen;
        meldungen.expect("Error in the recipe manager file!");
        Programmstart(true);
        QVERIFY(meldungen.pending().isEmpty());
        QCOMPARE(RezepteTotal.value(testing::recipeIndex("Aioli")).Zutatenliste.size(), 2);
    }

    void werkzeugfenster()
    {
        FMain->show();
        QVERIFY(FMainRezeptbild->isVisible() && FMainTextanzeige->isVisible() && FMainZutatbild->isVisible());
        FMainTextanzeige->close();
        QCOMPARE(Optionen.Textanzeigezeigen, quint8(0));
        QVERIFY(!FMain->MTextanzeigeanzeigen->isChecked());
        FMain->hide();
        QVERIFY(FMainRezeptbild->isHidden());
        FMain->show();
        QVERIFY(FMainRezeptbild->isVisible() && FMainTextanzeige->isHidden());
        FMain->MTextanzeigeanzeigen->trigger();
        QVERIFY(FMainTextanzeige->isVisible());
        QCOMPARE(Optionen.Textanzeigezeigen, quint8(1));
    }

    // Beside the main window: right when there is room, else left, never
    // over it; with room on neither side on the screen, on the roomier side.
    void werkzeugfensterplaetze_data()
    {
        QTest::addColumn<QRect>("haupt");
        QTest::addColumn<int>("x");
        QTest::newRow("room on the right") << QRect(100, 50, 600, 400) << 708;
        QTest::newRow("only left has room") << QRect(700, 50, 600, 400) << 392;
        QTest::newRow("no room: more on the right") << QRect(10, 50, 1300, 400) << 1300;
        QTest::newRow("no room: more on the left") << QRect(300, 50, 1300, 400) << 0;
    }
    void werkzeugfensterplaetze()
    {
        QFETCH(QRect, haupt);
        QFETCH(int, x);
        const QList<QPoint> p =
            Werkzeugfensterplaetze(haupt, QRect(0, 0, 1600, 900), {QSize(300, 200), QSize(250, 100)});
        QCOMPARE(p, (QList<QPoint>{QPoint(x, 50), QPoint(x, 258)}));
    }

    // They follow the main window when it moves or grows.
    void werkzeugfensterFolgen()
    {
        const QRect bildschirm = QGuiApplication::primaryScreen()->availableGeometry();
        FMain->move(bildschirm.topLeft());
        FMain->show();
        const QList<QWidget *> fenster{FMainRezeptbild, FMainTextanzeige, FMainZutatbild};
        auto folgen = [&] {
            QList<QSize> groessen;
            QList<QPoint> ist;
            for (QWidget *w : fenster) {
                groessen << w->frameGeometry().size();
                ist << w->frameGeometry().topLeft();
            }
            return ist == Werkzeugfensterplaetze(FMain->frameGeometry(), bildschirm, groessen);
        };
        QVERIFY(folgen());
        const QPoint vorher = FMainRezeptbild->pos();
        FMain->move(FMain->pos() + QPoint(0, 30));
        QVERIFY(folgen());
        QCOMPARE(FMainRezeptbild->pos(), vorher + QPoint(0, 30));
        FMain->resize(FMain->width() + 40, FMain->height());
        QVERIFY(folgen());
    }

    void schliessen_data()
    {
        QTest::addColumn<int>("programmOK"); // 0: the program ends at start-up; nothing is saved
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("antwort"); // to the exit question; 0: no question
        QTest::addColumn<bool>("eigensinnig"); // another window keeps its unsaved work, and the program open
        QTest::newRow("Yes") << 1 << 0 << 6 << false;
        QTest::newRow("No") << 1 << 0 << 7 << false;
        QTest::newRow("program ends at start-up") << 0 << 0 << 0 << false;
        QTest::newRow("set-up waiting") << 1 << 1 << 0 << false;
        QTest::newRow("Yes, a window keeps its work") << 1 << 0 << 6 << true;
        QTest::newRow("set-up waiting, a window keeps its work") << 1 << 1 << 0 << true;
    }

    void schliessen()
    {
        QFETCH(int, programmOK);
        QFETCH(int, setup);
        QFETCH(int, antwort);
        QFETCH(bool, eigensinnig);
        testing::ScriptedMessages meldungen; // any other message fails
        if (antwort)
            meldungen.expect("Question: Exit Tablecraft Works?", antwort);
        FMain->show();
        Eigensinnig anderes;
        anderes.setVisible(eigensinnig);
        ProgrammOK = quint8(programmOK);
        SetupStarten = quint8(setup);
        Optionen.Kategoriefilter = 4;
        QVERIFY(!m_base->exists(Optionsdatei));
        const bool offen = antwort == Antwort_Nein || eigensinnig;
        QCOMPARE(FMain->close(), !offen);
        QVERIFY(meldungen.pending().isEmpty());
        QCOMPARE(meldungen.seen.value(0).buttons, antwort ? Knoepfe_Ja_Nein : Knopf_OK);
        QCOMPARE(FMain->isVisible(), offen);
        QCOMPARE(FMainRezeptbild->isVisible(), offen);
        // The options are saved whatever the answer.
        QCOMPARE(m_base->exists(Optionsdatei), bool(programmOK));
        Setze_GlobalOptionen();
        QCOMPARE(Lade_Optionen(Load) && Optionen.Kategoriefilter == 4, bool(programmOK));
        if (eigensinnig) {
            anderes.hide();
            if (antwort)
                meldungen.expect("Exit Tablecraft Works?", antwort);
            QVERIFY(FMain->close());
        }
    }

private:
    std::unique_ptr<testing::BaseFolder> m_base;
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
