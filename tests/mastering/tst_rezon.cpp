#include "TWSMUmgebung.h"

#include <QtWidgets>

#include "app/Start.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "mastering/F_MRezOn.h"
#include "mastering/F_TWSM.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"

// The index editor window: loading an index, adding ticked recipes, saving
// with the copies, editing a short description, and the overview afterwards.

namespace {
const QString Indexordner = QStringLiteral("Master/Masterdaten/Upload_FTP/TWS/RECIPES/");
const QStringList Rezeptdateien{"Apple Crumble.DRP", "Apple Crumble.DRP.BRT", "Apple Crumble.DRP.RRT",
                                "Banana Bread.BRP",  "Banana Bread.BRP.BRT",  "Banana Bread.BRP.RRT"};

qint32 Rezept(const QString &name)
{
    for (qint32 i = 0; i < RezepteTotal.size(); ++i)
        if (RezepteTotal[i].Rezeptname == name)
            return i;
    return -1;
}

QStringList Memo()
{
    return FMRezOn->MRecipe->toPlainText().split('\n');
}
} // namespace

class TestRezOn : public QObject, TWSMUmgebung
{
    Q_OBJECT
    QString m_oeffnen, m_speichern, m_ordner;

private slots:
    void initTestCase() { erzeuge(); }
    void init()
    {
        beginne({Indexordner});
        QVERIFY(platform::makeFolder("PRGDATA\\ENG") && platform::makeFolder("Recipes"));
        for (const QString &d : Rezeptdateien)
            QVERIFY(QFile::copy(TW_INSTALLATION_DIR "/Recipes/" + d, m_base->path("Recipes/" + d)));
        GlobalVARInit();
        Setze_GlobalOptionen();
        Programmstart(true);
        // Banana Bread goes without a short description.
        RezepteTotal[Rezept("Banana Bread")].Rezeptkurzinfo.clear();
        QVERIFY(Lade_Rezepte(Save, Rezept("Banana Bread")));
        m_oeffnen.clear();
        m_speichern.clear();
        platform::setFileDialogScript([this](platform::DialogKind art, const QString &, const QString &ordner, const QString &) {
            m_ordner = ordner;
            return art == platform::DialogKind::OpenFile ? m_oeffnen : m_speichern;
        });
    }
    void cleanup()
    {
        FMRezOn->hide();
        beende();
    }

    void addAndSave()
    {
        m_base->writeLines(Indexordner + "RECIPESS.HRB",
                           {"[TWS 2.X]", "TWSRECIPESVERSION=7", "COUNTRECIPES=1", "RECIPE=0", "DOWNLOADSIZEKB=2",
                            "RECIPENAME=Old", "RECIPEFILE=Old.KRP", "RECIPEFILE=", "RECIPEFILE=", "RECIPETEXTBEGIN=",
                            " ", "RECIPETEXTEND=", "RECIPEEND0="});
        m_oeffnen = m_base->path(Indexordner + "RECIPESS.HRB");
        FTWSM->BRezepteonline->click();
        QCOMPARE(platform::nativePath(m_ordner), m_base->path(Indexordner).chopped(1));
        QCOMPARE(Memo().size(), 13);
        const int banane = RezepteTotal[Rezept("Banana Bread")].Listenposition;
        QVERIFY(FMRezOn->CLBRecipe->item(banane)->text().endsWith(".BRP) *"));
        QVERIFY(FMRezOn->CLBRecipe->item(1 - banane)->text().endsWith(".DRP)"));

        FMRezOn->CLBRecipe->item(0)->setCheckState(Qt::Checked);
        FMRezOn->CLBRecipe->item(1)->setCheckState(Qt::Checked);
        FMRezOn->BAufnehmen->click();
        const QStringList memo = Memo(); // the blocks themselves are the index writer's

        m_speichern = m_base->path("Server/RECIPESS.HRB");
        QVERIFY(QDir().mkpath(m_base->path("Server")));
        m_meldungen->expect("Datei gespeichert: " + m_speichern);
        FMRezOn->BSpeichern->click();
        const QStringList datei = m_base->readLines("Server/RECIPESS.HRB");
        QCOMPARE(datei.mid(0, 3), (QStringList{"[TWS 2.X]", "TWSRECIPESVERSION=8", "COUNTRECIPES=3"}));
        QCOMPARE(datei.size(), memo.size());
        for (const QString &d : Rezeptdateien)
            QCOMPARE(m_base->readBytes("Server/" + d), m_base->readBytes("Recipes/" + d));

        // Closing gave the overview its own list positions back.
        QCOMPARE(FMain->LVRezepte->model()->rowCount(), 3);
        for (int zeile = 1; zeile < 3; ++zeile) {
            qint32 index = -1;
            for (qint32 i = 0; i < RezepteTotal.size(); ++i)
                if (RezepteTotal[i].Listenposition == zeile)
                    index = i;
            QVERIFY(index >= 0);
            QCOMPARE(FMain->LVRezepte->model()->index(zeile, 0).data().toString(), RezepteTotal[index].Rezeptname);
        }
    }

    // A cancelled save still raises the version in the memo; a save with
    // nothing added warns; a save into the recipe folder leaves the recipe
    // files as they are.
    void savingCases()
    {
        FTWSM->BRezepteonline->click();
        FMRezOn->BSpeichern->click();
        QVERIFY(FMRezOn->isVisible());
        QCOMPARE(Memo(), (QStringList{"[TWS 2.X]", "TWSRECIPESVERSION=1"}));

        m_speichern = m_base->path("Server.HRB");
        m_meldungen->expect("Speicherliste ist leer!");
        m_meldungen->expect("Datei gespeichert: ");
        FMRezOn->BSpeichern->click();
        QCOMPARE(m_base->readLines("Server.HRB"), (QStringList{"[TWS 2.X]", "TWSRECIPESVERSION=2"}));

        const auto rezepte = [this] {
            QByteArray b;
            for (const QString &d : Rezeptdateien)
                b += m_base->readBytes("Recipes/" + d);
            return b;
        };
        const QByteArray vorher = rezepte();
        FTWSM->BRezepteonline->click();
        for (int i = 0; i < FMRezOn->CLBRecipe->count(); ++i)
            FMRezOn->CLBRecipe->item(i)->setCheckState(Qt::Checked);
        FMRezOn->BAufnehmen->click();
        m_speichern = m_base->path("Recipes/RECIPESS.HRB");
        m_meldungen->expect("Datei gespeichert: ");
        FMRezOn->BSpeichern->click();
        QCOMPARE(rezepte(), vorher);
    }

    // A double click opens the description for editing; "Save" with an empty
    // first line does nothing, otherwise writes it into the recipe file.
    void shortDescription()
    {
        FTWSM->BRezepteonline->click();
        const qint32 index = Rezept("Banana Bread");
        const int zeile = RezepteTotal[index].Listenposition;
        FMRezOn->CLBRecipe->setCurrentRow(zeile);
        emit FMRezOn->CLBRecipe->itemDoubleClicked(FMRezOn->CLBRecipe->item(zeile));
        QVERIFY(FMRezOn->CLBMemo->isEnabled() && !FMRezOn->CLBRecipe->isEnabled());

        FMRezOn->CLBMemo->setPlainText("\nMoist.");
        FMRezOn->BSave->click();
        QVERIFY(FMRezOn->BSave->isEnabled());

        FMRezOn->CLBMemo->setPlainText("Moist.\nEasy to bake.");
        FMRezOn->BSave->click();
        QVERIFY(!FMRezOn->BSave->isEnabled() && FMRezOn->CLBRecipe->isEnabled());
        const QStringList datei = m_base->readLines("Recipes/Banana Bread.BRP");
        const qsizetype k = datei.indexOf("Moist.");
        QVERIFY(k > 0);
        QCOMPARE(datei.mid(k - 1, 3), (QStringList{"2", "Moist.", "Easy to bake."}));

        // A single click shows a description, read only.
        const int andere = 1 - zeile;
        FMRezOn->CLBRecipe->setCurrentRow(andere);
        emit FMRezOn->CLBRecipe->itemClicked(FMRezOn->CLBRecipe->item(andere));
        QVERIFY(FMRezOn->CLBMemo->isReadOnly());
        QCOMPARE(FMRezOn->CLBMemo->toPlainText(), RezepteTotal[Rezept("Apple Crumble")].Rezeptkurzinfo.join('\n'));
    }
};

QTEST_MAIN(TestRezOn)
#include "tst_rezon.moc"
