// Saving a recipe record without a window: the head check, the completed
// record, and saves that fail or are cut short leaving whole files.
#include <QTextDocument>
#include <QtTest>
#include <optional>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/Paths.h"
#include "recipes/Rezeptspeicher.h"
#include "reference/Zutatenhilfen.h"
#include "testing/Testing.h"

namespace {

// One unsaved recipe, current, with two lines (one deleted).
void Grundzustand()
{
    testing::startState();
    Zutatentotal = {Zutat("Flour", 9)};
    RezepteTotal = TRezepteTotal(1);
    Initialisiere_Rezept(0);
    AktuellesRezept = 0;
}

TTRezepteTotal Satz(const QString &name)
{
    TTRezepteTotal r = RezepteTotal[0];
    r.Rezeptname = name;
    r.Kategorie = 0;
    r.Zutatenliste = {{"1", "g", "Salt", -1}, {"200", "g", "Flour", 0}};
    return r;
}

struct Texte {
    QTextDocument anleitung, bemerkungen;
    Texte(const QString &a, const QString &b)
    {
        anleitung.setHtml(a);
        bemerkungen.setHtml(b);
    }
};

TSpeicherergebnis Speichere(const QString &name, const QString &anleitung,
                            const QString &bemerkungen = QStringLiteral("Remarks."))
{
    const Texte t(anleitung, bemerkungen);
    return Speichere_Rezeptsatz(0, Satz(name), t.anleitung, t.bemerkungen);
}

} // namespace

class TestRezeptspeicher : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        meldungen.emplace();
        Grundzustand();
    }
    void cleanup()
    {
        Rezeptspeichern_Schritt = nullptr;
        QVERIFY(meldungen->pending().isEmpty());
        meldungen.reset();
        base.reset();
    }

    void rezeptkopf_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<int>("kopf");
        QTest::newRow("complete") << "Stew" << 0 << int(TRezeptkopf::Vollstaendig);
        QTest::newRow("last category") << "Stew" << AnzahlKategorien - 1 << int(TRezeptkopf::Vollstaendig);
        QTest::newRow("blank name") << "  " << 0 << int(TRezeptkopf::Ohne_Name);
        QTest::newRow("no category") << "Stew" << -1 << int(TRezeptkopf::Ohne_Kategorie);
        QTest::newRow("past the categories") << "Stew" << AnzahlKategorien << int(TRezeptkopf::Ohne_Kategorie);
    }
    void rezeptkopf()
    {
        QFETCH(QString, name);
        QFETCH(int, kategorie);
        QFETCH(int, kopf);
        QCOMPARE(int(Pruefe_Rezeptkopf(name, kategorie)), kopf);
    }

    // The record is completed and written with its texts and the index.
    void speichertNeuesRezept()
    {
        const TSpeicherergebnis e = Speichere("Stew", "Stir <b>well</b>.");
        QCOMPARE(int(e.Ergebnis), int(TRezeptspeicherung::Gespeichert));
        QVERIFY(e.Dateiname.endsWith("Recipes\\Stew.KRP"));
        const TTRezepteTotal &r = RezepteTotal[0];
        QCOMPARE(r.Rezeptliste, QStringList{"Stir well."});
        QCOMPARE(r.Zutatenliste.size(), 1); // the deleted line is gone
        QCOMPARE(r.Zutaten.value(0).Kategorie, 9);
        QCOMPARE(r.Einkaufsliste, QStringList{"200 g Flour"});
        QCOMPARE(QDir(base->path("Recipes")).entryList(QDir::Files),
                 (QStringList{"Stew.KRP", "Stew.KRP.BRT", "Stew.KRP.RRT"}));
        QVERIFY(base->exists("PRGDATA/ENG/RMListe.hbr"));
        QVERIFY(Speichermeldung(e).isEmpty());
    }

    // A file of another record is never written over.
    void dateiEinesAnderen()
    {
        RezepteTotal[0].Dateiname = platform::baseFolder() + "Recipes\\Stew.KRP";
        RezepteTotal.append(RezepteTotal[0]);
        const TSpeicherergebnis e = Speichere("Stew", "x");
        QCOMPARE(int(e.Ergebnis), int(TRezeptspeicherung::Datei_vergeben));
        QVERIFY(Speichermeldung(e).contains("\"Stew.KRP\" belongs to another recipe"));
        QVERIFY(QDir(base->path("Recipes")).entryList(QDir::Files).isEmpty());
        QVERIFY(RezepteTotal[0].Rezeptname.isEmpty());
        QCOMPARE(int(Speichere("", "x").Ergebnis), int(TRezeptspeicherung::Ohne_Dateiname));
    }

    // A write that fails takes its new side files back and leaves the record;
    // the file routines say nothing, the save's one message gives the cause.
    void schreibfehler()
    {
        QVERIFY(QDir().mkpath(base->path("Recipes/Stew.KRP"))); // the recipe file cannot be written
        const TTRezepteTotal vorher = RezepteTotal[0];
        const TSpeicherergebnis e = Speichere("Stew", "x");
        QCOMPARE(int(e.Ergebnis), int(TRezeptspeicherung::Fehlgeschlagen));
        QCOMPARE(Speichermeldung(e), "The recipe could not be saved because a folder stands in the file's place. "
                                     "The recipe file was not changed.");
        QCOMPARE(QDir(base->path("Recipes")).entryList(QDir::Files), QStringList());
        QCOMPARE(RezepteTotal[0].Rezeptname, vorher.Rezeptname);
        QCOMPARE(RezepteTotal[0].Dateiname, vorher.Dateiname);

        // saved, but the index is not written
        QVERIFY(QDir(base->path("Recipes/Stew.KRP")).removeRecursively());
        QVERIFY(QDir().mkpath(base->path("PRGDATA/ENG/RMListe.hbr")));
        const TSpeicherergebnis ohneIndex = Speichere("Stew", "x");
        QCOMPARE(int(ohneIndex.Ergebnis), int(TRezeptspeicherung::Ohne_Index));
        QVERIFY(Speichermeldung(ohneIndex).endsWith("the recipe index could not be written because a folder "
                                                    "stands in the file's place!"));
    }

    // Cut short at any step, the recipe file names side files that exist and
    // hold its old or its new text, formatting included; the next save
    // leaves no stray side file.
    void abgebrochen_data()
    {
        QTest::addColumn<int>("schritt");
        QTest::addColumn<bool>("neu");
        QTest::newRow("before the instructions") << 1 << false;
        QTest::newRow("before the remarks") << 2 << false;
        QTest::newRow("before the recipe file") << 3 << false;
        QTest::newRow("before the old side files go") << 4 << true;
        QTest::newRow("not cut short") << 0 << true;
    }
    void abgebrochen()
    {
        QFETCH(int, schritt);
        QFETCH(bool, neu);
        const auto ordner = [&] { return QDir(base->path("Recipes")).entryList(QDir::Files); };
        QVERIFY(Speichere("Stew", "Old <b>way</b>.", "Old remarks.").Gespeichert());
        Rezeptspeichern_Schritt = [schritt](int s) { return s != schritt; };
        QCOMPARE(int(Speichere("Stew", "New <i>way</i>.", "New remarks.").Ergebnis),
                 int(schritt ? TRezeptspeicherung::Abgebrochen : TRezeptspeicherung::Gespeichert));
        Rezeptspeichern_Schritt = nullptr;

        QVERIFY(Lade_Rezepte(Load, -1));
        QCOMPARE(RezepteTotal.size(), 1);
        QTextDocument anleitung, bemerkungen;
        Lade_Rezepttext(anleitung, Rezept_Anleitungspfad(0), RezepteTotal[0].Rezeptliste);
        Lade_Rezepttext(bemerkungen, Rezept_Bemerkungspfad(0), RezepteTotal[0].Bemerkungsliste);
        QCOMPARE(anleitung.toPlainText(), neu ? "New way." : "Old way.");
        QCOMPARE(bemerkungen.toPlainText(), neu ? "New remarks." : "Old remarks.");
        // read from the side file, not made up from the recipe file's lines
        const QTextCharFormat f = anleitung.find("way").charFormat();
        QCOMPARE(f.fontItalic(), neu);
        QCOMPARE(f.fontWeight() >= QFont::Bold, !neu);
        if (schritt == 0)
            QCOMPARE(ordner().size(), 3);

        QVERIFY(Speichere("Stew", "Third way.").Gespeichert());
        // names alternate from save to save
        QCOMPARE(ordner(), neu ? QStringList({"Stew.KRP", "Stew.KRP.BRT", "Stew.KRP.RRT"})
                               : QStringList({"Stew.KRP", "Stew.KRP.1.BRT", "Stew.KRP.1.RRT"}));
    }

    void bereinigteFelder()
    {
        TTRezepteTotal r;
        r.Rezeptname = " Stew ";
        r.Portionen = "4 ";
        r.Schwierigkeit = 9;
        r.Kochdatum = 0;
        r.Kochgeraete = "oven, pot,oven";
        r.Preis = 2.499;
        Bereinige_Rezeptfelder(r);
        QCOMPARE((QStringList{r.Rezeptname, r.Portionen, r.Kochgeraete}), (QStringList{"Stew", "4", "oven,pot,"}));
        QCOMPARE(r.Schwierigkeit, -1);
        QVERIFY(r.Kochdatum > 0);
        QCOMPARE(r.Preis, 2.5);
    }

private:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> meldungen;
};

QTEST_GUILESS_MAIN(TestRezeptspeicher)
#include "tst_rezeptspeicher.moc"
