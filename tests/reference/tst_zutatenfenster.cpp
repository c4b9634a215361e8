// The ingredient windows end to end on real files: the editor from a caller
// (new, duplicate, cancel, pictures, the group shown), the management
// (opening, minimum, filters, delete and close), the global database browser
// (what is offered, take-over and close) and the makers' tools.
#include <QtWidgets>
#include <optional>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "reference/F_AktivZuDa.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/F_ZEng.h"
#include "reference/F_ZMerge.h"
#include "reference/F_ZuDa.h"
#include "dialogs/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"
#include "testing/Testing.h"
#include "Zutatenhilfen.h"

namespace {
// Writes a database file below PRGDATA\ENG\ through the data core's writer.
void Schreibe_Datenbank(const TZutatentotal &liste, const QString &datei = QString())
{
    // a whole load first: a save after a load without Alle keeps the
    // inactive records that load left out
    Lade_Zutaten(Load | Alle, datei);
    Zutatentotal = liste;
    QVERIFY(Lade_Zutaten(Save, datei));
}

// "name:status" of every record of a database file.
QStringList Datei(const QString &datei = QString())
{
    const TZutatentotal gemerkt = Zutatentotal;
    QStringList out;
    if (Lade_Zutaten(Load | Alle, datei))
        for (const TTZutatentotal &z : std::as_const(Zutatentotal))
            out << z.Zutatname + ':' + QString::number(z.Status) + ':' + QString::number(z.Kategorie);
    Zutatentotal = gemerkt;
    return out;
}

QStringList Namen(const TZutatentotal &liste)
{
    QStringList out;
    for (const TTZutatentotal &z : liste)
        out << z.Zutatname;
    return out;
}

QString Bild(const testing::BaseFolder &base, const QString &relativ)
{
    QImage bild(4, 4, QImage::Format_RGB32);
    bild.fill(Qt::red);
    const QString pfad = base.path(relativ);
    QDir().mkpath(QFileInfo(pfad).path());
    bild.save(pfad, "PNG");
    return pfad;
}
} // namespace

class TestZutatenfenster : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FZuDa = new TFZuDa;
        FAktivZuDa = new TFAktivZuDa;
        FGeAllZuDa = new TFGeAllZuDa;
        FZEng = new TFZEng;
        FZMerge = new TFZMerge;
    }
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        Setze_GlobalOptionen();
        ProgrammOK = 1;
        ZuDaNeu = 0;
        ZuDaIndex = -1;
        for (QWidget *w : std::initializer_list<QWidget *>{FZuDa, FAktivZuDa, FGeAllZuDa, FZEng, FZMerge})
            w->hide();
        base.emplace();
        messages.emplace();
    }
    // A message no test expects fails it.
    void cleanup()
    {
        QVERIFY2(messages->pending().isEmpty(), qPrintable(messages->pending().join(QLatin1Char('|'))));
        messages.reset();
        base.reset();
    }

    // A caller's whole round: the inactive ingredient stays in the file, a
    // duplicate is refused, the group shown is the one stored.
    void neueZutatVomAufrufer()
    {
        Schreibe_Datenbank({Zutat("Apple", 1), Zutat("Quince", 1, 0)});
        QVERIFY(Lade_Zutaten(Load));
        QWidget aufrufer;
        aufrufer.show();
        bool gesperrt = false;
        messages->expect("Ingredient already exists!");
        QTimer::singleShot(0, [&] {
            gesperrt = !aufrufer.isEnabled();
            FZuDa->Ezutatname->setText(QStringLiteral("  apple\t"));
            FZuDa->EZutatRezeptname->setText("apple");
            FZuDa->BUebernehmen->click();
            FZuDa->Ezutatname->setText(QStringLiteral("Chard "));
            FZuDa->CBKategorie->setCurrentIndex(18);
            FZuDa->BUebernehmen->click();
        });
        QVERIFY(Bearbeite_Zutat(-1, true, &aufrufer, false));
        QVERIFY(gesperrt);
        QVERIFY(aufrufer.isEnabled());
        QCOMPARE(messages->pending(), QStringList());
        QCOMPARE(Datei(), (QStringList{"Apple:1:1", "Quince:0:1", "Chard:1:18"}));
        QCOMPARE(Namen(Zutatentotal), (QStringList{"Apple", "Chard"}));
    }

    // A name the database file cannot hold is settled (spaces, invisible
    // characters, fractions) or refused before it is stored: the fields show
    // what the file reads back.
    void namenDieDieDateiHaelt()
    {
        Schreibe_Datenbank({Zutat("Apple", 1)});
        QVERIFY(Lade_Zutaten(Load));
        QWidget aufrufer;
        aufrufer.show();
        messages->expect(QString::fromUtf8("Note: The ingredient database cannot hold these characters: \xE2\x89\x88"));
        QTimer::singleShot(0, [&] {
            FZuDa->Ezutatname->setText(QString::fromUtf8("Wasser \xE2\x89\x88 lauwarm"));
            FZuDa->EZutatRezeptname->setText("Wasser");
            FZuDa->BUebernehmen->click();
            QVERIFY(FZuDa->isVisible());
            FZuDa->Ezutatname->setText(QString::fromUtf8("\xEF\xBB\xBF\xE2\x85\x93\xC2\xA0water"));
            FZuDa->EZutatRezeptname->setText(QString::fromUtf8("hot\xE2\x80\x89water\xE2\x80\x8B"));
            FZuDa->BUebernehmen->click();
        });
        QVERIFY(Bearbeite_Zutat(-1, true, &aufrufer, false));
        QCOMPARE(messages->pending(), QStringList());
        QCOMPARE(FZuDa->Ezutatname->text(), "1/3 water");
        QCOMPARE(FZuDa->EZutatRezeptname->text(), "hot water");
        QVERIFY(Lade_Zutaten(Load | Alle));
        QCOMPARE(Namen(Zutatentotal), (QStringList{"Apple", "1/3 water"}));
        QCOMPARE(Zutatentotal[1].Rezepttextname, "hot water");
    }

    // Cancel in new mode answered No keeps the record for a later take-over;
    // confirmed, the appended record leaves the array.
    void abbrechenImNeumodus()
    {
        Zutatentotal = {Zutat("Apple"), Zutat("Pear")};
        ZuDaNeu = 1;
        QVERIFY(Zeige_Zutateneditor(QString(), QString(), QString(), false, nullptr, 0, 0));
        QCOMPARE(ZuDaIndex, 2);
        messages->expect("Exit edit mode?", Antwort_Nein);
        FZuDa->BAbbrechen->click();
        QVERIFY(FZuDa->isVisible());
        FZuDa->Ezutatname->setText("Fig");
        FZuDa->EZutatRezeptname->setText("fig");
        FZuDa->BUebernehmen->click();
        QCOMPARE(Namen(Zutatentotal), (QStringList{"Apple", "Pear", "Fig"}));

        ZuDaNeu = 1;
        QVERIFY(Zeige_Zutateneditor(QString(), QString(), QString(), false, nullptr, 0, 0));
        messages->expect("Exit edit mode?", Antwort_Ja);
        FZuDa->BAbbrechen->click();
        QVERIFY(FZuDa->isHidden());
        QCOMPARE(Zutatentotal.size(), 3);
        QCOMPARE(messages->pending(), QStringList());

        // an index that names no record shows nothing
        ZuDaNeu = 0;
        ZuDaIndex = 7;
        QVERIFY(!Zeige_Zutateneditor("x", "x", "", false, nullptr, 0, 0));
    }

    // The group combo follows the selected search line, not the argument.
    void gruppeFolgtDerSuche()
    {
        Zutatentotal = {Zutat("Hidden", 2, 4), Zutat("Apple", 1), Zutat("Red pepper", 7), Zutat("Pepper", 8)};
        ZuDaIndex = 3;
        QVERIFY(Zeige_Zutateneditor("Pepper", "Pepper", "", false, nullptr, 0, 5));
        QCOMPARE(FZuDa->CBKategorie->currentIndex(), 1);
        FZuDa->Ezutatsuche->setText("pep");
        QCOMPARE(FZuDa->CBKategorie->currentIndex(), 8);
        FZuDa->LBZutatsuche->setCurrentRow(0);
        QCOMPARE(FZuDa->CBKategorie->currentIndex(), 7);
        FZuDa->hide();
    }

    void grafikwahl()
    {
        Bild(*base, "GFXZUTAT/ENG/Apple.png");
        const QString fremd = Bild(*base, "Bilder/Apple.png");
        const QString neu = Bild(*base, "Bilder/Fig.png");
        Zutatentotal = {Zutat("Apple")};
        ZuDaIndex = 0;
        QString antwort;
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &, const QString &) {
            return antwort;
        });
        QVERIFY(Zeige_Zutateneditor("Apple", "Apple", "", false, nullptr, 0, 0));
        // from inside the picture folder, spelt as the dialog spells it: no copy, no question
        antwort = base->root() + "gfxzutat/eng/Apple.png";
        FZuDa->BRezeptgrafik->click();
        QCOMPARE(FZuDa->Gewaehlte_Grafik(), QStringLiteral("Apple.png"));
        // another file of that name: No leaves no picture
        antwort = fremd;
        messages->expect("The file already exists! Overwrite?", Antwort_Nein);
        FZuDa->BRezeptgrafik->click();
        QCOMPARE(FZuDa->Gewaehlte_Grafik(), QString());
        // a new name is copied in and stored with the take-over
        antwort = neu;
        FZuDa->BRezeptgrafik->click();
        QVERIFY(base->exists("GFXZUTAT/ENG/Fig.png"));
        QCOMPARE(Optionen.Zutatgrafikverzeichnis, base->root() + "Bilder/");
        FZuDa->BUebernehmen->click();
        QCOMPARE(Zutatentotal[0].Grafik(), QStringLiteral("Fig.png"));
    }

    void verwaltung()
    {
        Schreibe_Datenbank({Zutat("Apple"), Zutat(QString()), Zutat("Pear", 0, 0)});
        messages->expect("No ingredients found!");
        Zeige_Zutatenverwaltung();
        QVERIFY(FAktivZuDa->isHidden());

        Schreibe_Datenbank({Zutat("Apple", 1), Zutat("Beet", 4), Zutat("Chard", 4), Zutat("Dill", 8),
                            Zutat("Egg", 5), Zutat("Fig", 1, 0), Zutat("Gin", 2, 2)});
        QVERIFY(Lade_Zutaten(Load));
        Zeige_Zutatenverwaltung();
        TZutatenliste *l = FAktivZuDa->CLBZutat;
        FAktivZuDa->CBAktiv->setCurrentIndex(1);
        QCOMPARE(Zeilen(l), QStringList{"Fig (inaktiv)"});
        FAktivZuDa->PMSucheingabenzuruecksetzenClick();

        // three checked: allowed; delete, then close writes the file
        Kreuze_an(l, {"Apple", "Beet", "Fig (inaktiv)"});
        messages->expect("Delete selected ingredients?", Antwort_Ja);
        FAktivZuDa->BLoeschen->click();
        QCOMPARE(Zeilen(l), (QStringList{"Chard", "Dill", "Egg", "Gin (inaktiv)"}));
        // the deleted ones no longer count: two of three may not go
        Kreuze_an(l, {"Chard", "Dill"});
        messages->expect("Two ingredients are minimum on the database!");
        FAktivZuDa->BInaktiv->click();
        Kreuze_an(l, {"Chard"});
        FAktivZuDa->BInaktiv->click();
        messages->expect("Please select an ingredient!");
        Kreuze_an(l, {});
        FAktivZuDa->BAktiv->click();
        FAktivZuDa->BZurueck->click();
        QCOMPARE(messages->pending(), QStringList());
        QCOMPARE(Datei(), (QStringList{"Chard:0:4", "Dill:1:8", "Egg:1:5", "Gin:2:2"}));
        QCOMPARE(Namen(Zutatentotal), (QStringList{"Dill", "Egg", "Gin"}));
    }

    void gesamtdatenbank()
    {
        Schreibe_Datenbank({Zutat("apple", 1), Zutat("Chard", 4), Zutat("Hidden", 4, 4), Zutat("Kale", 4, 0),
                            Zutat("Egg", 5)},
                           "Lebensmittel_ALL.hbr");
        Schreibe_Datenbank({Zutat("Apple"), Zutat("Pear", 1, 0), Zutat("Egg", 5), Zutat("Fig")});
        Bild(*base, "Grafiken/ENG/PNG/IAKOCHEN/" + Zutatengruppengrafiken[4]);
        // whether the user's database is loaded with its inactive records
        QVERIFY(Lade_Zutaten(Load | Alle, "Lebensmittel_ALL.hbr"));
        QVERIFY(!Zutaten_mit_Inaktiven_geladen());
        QVERIFY(Lade_Zutaten(Load | Alle));
        QVERIFY(Zutaten_mit_Inaktiven_geladen());
        QVERIFY(Lade_Zutaten(Load));
        QVERIFY(!Zutaten_mit_Inaktiven_geladen());
        Zeige_Gesamtzutatendatenbank();
        TZutatenliste *l = FGeAllZuDa->CLBZutat;
        QCOMPARE(Zeilen(l), (QStringList{"Chard", "Kale"}));
        // the picture of a record that is not in Zutatentotal
        QVERIFY(!FGeAllZuDa->IZutat->pixmap().isNull());
        Kreuze_an(l, {"Kale"});
        FGeAllZuDa->BImportieren->click();
        FGeAllZuDa->BZurueck->click();
        QCOMPARE(Datei(), (QStringList{"Apple:1:0", "Pear:0:1", "Egg:1:5", "Fig:1:0", "Kale:1:4"}));
        QCOMPARE(Datei("Lebensmittel_ALL.hbr").size(), 5);

        // nothing new left: the window stays closed
        Schreibe_Datenbank({Zutat("EGG", 5)}, "Lebensmittel_ALL.hbr");
        messages->expect("No new ingredients found!");
        Zeige_Gesamtzutatendatenbank();
        QVERIFY(FGeAllZuDa->isHidden());

        // a global database that cannot be read: the user's stays as it was
        base->writeLines("PRGDATA/ENG/Lebensmittel_ALL.hbr", {"[TAFELWERKSTATT 2.00]", "7", "Chard"});
        messages->allow("Lebensmittel_ALL.hbr");
        messages->expect("The global ingredient database could not be read!");
        const QByteArray vorher = base->readBytes("PRGDATA/ENG/Lebensmittel.hbr");
        Zeige_Gesamtzutatendatenbank();
        QVERIFY(FGeAllZuDa->isHidden());
        QVERIFY(Lade_Zutaten(Save));
        QCOMPARE(base->readBytes("PRGDATA/ENG/Lebensmittel.hbr"), vorher);
    }

    // Both windows save the database in memory on closing: while one is
    // open, the overview and the recipe editor wait, so neither reloads it
    // and loses the unsaved changes. A window already waiting keeps waiting.
    void eines_nach_dem_anderen()
    {
        if (!FMain) {
            FMain = new TFMain;
            FRez = new TFRez;
        }
        Schreibe_Datenbank({Zutat("Apple"), Zutat("Beet", 4), Zutat("Chard", 4), Zutat("Dill", 7, 0)});
        Schreibe_Datenbank({Zutat("Kale", 4)}, "Lebensmittel_ALL.hbr");
        QVERIFY(Lade_Zutaten(Load));
        FRez->setEnabled(false); // waiting for another window already
        FMain->MZutatenverwaltung->trigger();
        QVERIFY(!FMain->isEnabled());
        Kreuze_an(FAktivZuDa->CLBZutat, {"Apple"});
        FAktivZuDa->BInaktiv->click();
        FAktivZuDa->close();
        QVERIFY(FMain->isEnabled());
        QVERIFY(!FRez->isEnabled());
        QCOMPARE(Datei(), (QStringList{"Apple:0:0", "Beet:1:4", "Chard:1:4", "Dill:0:7"}));

        FRez->setEnabled(true);
        FRez->MGesamtzutatendatenbank->trigger();
        QCOMPARE(Zeilen(FGeAllZuDa->CLBZutat), QStringList{"Kale"});
        QVERIFY(!FMain->isEnabled());
        QVERIFY(!FRez->isEnabled());
        FGeAllZuDa->close();
        QVERIFY(FMain->isEnabled());
        QVERIFY(FRez->isEnabled());

        // The editor's new ingredient is saved and found by its search.
        QTimer::singleShot(0, [] {
            FZuDa->Ezutatname->setText("Fig");
            FZuDa->EZutatRezeptname->setText("fig");
            FZuDa->BUebernehmen->click();
        });
        FRez->ZSNeueZutatinDatenbankaufnehmen->trigger();
        QCOMPARE(Datei(), (QStringList{"Apple:0:0", "Beet:1:4", "Chard:1:4", "Dill:0:7", "Fig:1:0"}));
        FRez->EZutatSuchen->setText("fi");
        QCOMPARE(Zeilen(FRez->LBZutatsuche), QStringList{"Fig"});
    }

    void neueZutatBeiOffenerDatenbank_data()
    {
        QTest::addColumn<bool>("gesamt");
        QTest::newRow("global database, five taken over") << true;
        QTest::newRow("management, one deleted") << false;
    }

    // The ingredient editor keeps its record's index until it is left: the
    // main window's windows that reload the database do not open meanwhile,
    // so the new ingredient joins every record the file held.
    void neueZutatBeiOffenerDatenbank()
    {
        QFETCH(bool, gesamt);
        if (!FMain) {
            FMain = new TFMain;
            FRez = new TFRez;
        }
        Schreibe_Datenbank({Zutat("Apple"), Zutat("Beet", 4), Zutat("Chard", 4), Zutat("Dill", 7, 0)});
        Schreibe_Datenbank({Zutat("Kale", 4), Zutat("Leek", 4), Zutat("Mint", 7), Zutat("Nori", 4), Zutat("Okra", 4)},
                           "Lebensmittel_ALL.hbr");
        const QStringList vorher = Datei();
        QVERIFY(Lade_Zutaten(Load));
        FRez->show();
        bool gesperrt = false;
        QTimer::singleShot(0, [&] {
            gesperrt = !FMain->isEnabled() && !FRez->isEnabled();
            // what the main window's Extras menu would do
            messages->expect("Please finish the ingredient editor first!");
            (gesamt ? FMain->MGesamtzutatendatenbank : FMain->MZutatenverwaltung)->trigger();
            // and the user in the window, had it opened
            if (FGeAllZuDa->isVisible()) {
                Kreuze_an(FGeAllZuDa->CLBZutat, Zeilen(FGeAllZuDa->CLBZutat));
                FGeAllZuDa->BImportieren->click();
                FGeAllZuDa->BZurueck->click();
            } else if (FAktivZuDa->isVisible()) {
                Kreuze_an(FAktivZuDa->CLBZutat, {"Beet"});
                messages->allow("Delete selected ingredients?", Antwort_Ja);
                FAktivZuDa->BLoeschen->click();
                FAktivZuDa->BZurueck->click();
            }
            FZuDa->Ezutatname->setText("Fig");
            FZuDa->EZutatRezeptname->setText("fig");
            FZuDa->BUebernehmen->click();
            messages->allow("Exit edit mode?", Antwort_Ja);
            FZuDa->close(); // when the take-over did not end it
        });
        FRez->ZSNeueZutatinDatenbankaufnehmen->trigger();
        FRez->hide();
        QCOMPARE(Datei(), vorher + QStringList{"Fig:1:0"});
        QVERIFY(gesperrt);
        QVERIFY(FMain->isEnabled());
        QVERIFY(FRez->isEnabled());
    }

    void tasten_data()
    {
        QTest::addColumn<QWidget *>("fenster");
        QTest::newRow("management") << static_cast<QWidget *>(FAktivZuDa);
        QTest::newRow("global database") << static_cast<QWidget *>(FGeAllZuDa);
    }

    // F1 opens the help from the list as the Help button does; Escape
    // closes the window.
    void tasten()
    {
        QFETCH(QWidget *, fenster);
        QFile hilfe(QStringLiteral(TW_INSTALLATION_DIR "/PRGDATA/ENG/Anleitung.hbr"));
        QVERIFY(hilfe.open(QIODevice::ReadOnly));
        base->writeBytes("PRGDATA/ENG/Anleitung.hbr", hilfe.readAll());
        fenster->show();
        auto *liste = fenster->findChild<TZutatenliste *>(QStringLiteral("CLBZutat"));
        QTest::keyClick(liste, Qt::Key_F1);
        QVERIFY(FHilfe && FHilfe->isVisible());
        FHilfe->hide();
        QTest::keyClick(liste, Qt::Key_Escape);
        QVERIFY(fenster->isHidden());
    }

    // Both tools work on the ENG\ databases and leave the user's in memory.
    void werkzeuge()
    {
        platform::makeFolder(Programmverzeichnis + "PRGDATA\\ENG\\ENG");
        Schreibe_Datenbank({Zutat("Apfel", 1), Zutat("Birne", 1, 0)}, ZEngQuelldatei);
        Schreibe_Datenbank({Zutat("Plum")});
        QVERIFY(Lade_Zutaten(Load));
        QVERIFY(Zeige_Zutatenuebersetzung());
        QCOMPARE(FZEng->EZNO->text(), QStringLiteral("Apfel"));
        FZEng->EZNEng->setText("Apple");
        FZEng->EZNEngPlural->setText("Apples");
        FZEng->BYes->click();
        QCOMPARE(FZEng->EZNO->text(), QStringLiteral("Birne"));
        FZEng->BNo->click();
        QCOMPARE(Datei(ZEngZieldatei), QStringList{"Apple:1:1"});
        QCOMPARE(Datei(ZEngQuelldatei), QStringList());
        QCOMPARE(Namen(Zutatentotal), QStringList{"Plum"});

        QVERIFY(Zeige_Zutatenzusammenfuehrung());
        QCOMPARE(FZMerge->EName->text(), QStringLiteral("Apple"));
        FZMerge->LBKat->setCurrentRow(3);
        FZMerge->BOK->click();
        QCOMPARE(Datei(ZEngQuelldatei), QStringList{"Apple:1:3"});
        QVERIFY(base->exists("PRGDATA/ENG/ENG/food.txt"));
        QCOMPARE(base->readLines("PRGDATA/ENG/ENG/food.txt"), QStringList());
    }

private:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> messages;
};

QTEST_MAIN(TestZutatenfenster)
#include "tst_zutatenfenster.moc"
