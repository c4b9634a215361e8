// The dictionary file (load, save, caps, group filter, sort, bad files,
// take-over of a delivered dictionary) and its windows: search, pictures,
// save and delete, the entry editor.
#include "testing/Testing.h"

#include <QtWidgets>
#include <optional>

#include "core/Globals.h"
#include "internet/Internet.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"
#include "reference/F_Lex.h"
#include "reference/F_TWSMLex.h"
#include "reference/F_VAR.h"
#include "recipes/F_Main.h"
#include "reference/Lexikon.h"
#include "Zutatenhilfen.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd");

QStringList Eintrag(int gruppe, const QString &begriff, const QStringList &text = {}, const QStringList &divers = {},
                    const QString &grafik = QString())
{
    return QStringList{"{GRUPPENART}", QString::number(gruppe), "{GRAFIKFILENAME}", grafik, "{GRUPPE}", begriff, "{TEXT}"}
           + text + QStringList{"{DIVERS}"} + divers + QStringList{"{END}"};
}

QStringList Begriffe()
{
    QStringList out;
    for (const TTLexikon &e : std::as_const(GlobalLexikon))
        out << e.Begriff;
    return out;
}

const QString NeuDatei = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon_NEU.hbd");
const QString Lexikonbilder = QStringLiteral("Grafiken/ENG/PNG/LEXIKON/");

QStringList Kopf(const QString &anzahl = "380000", const QString &gruppen = "3")
{
    return {"[TAFELWERKSTATT LEXIKON]", anzahl, "Das kleine Herdfibel 5.00", gruppen, "Kochbegriffe", "Obst und Gemüse",
            "Sonstiges", ";; GesamtZeilenanzahl zum Einlesen"};
}

QStringList Nummeriert(const QString &muster, int anzahl)
{
    QStringList out;
    for (int i = 1; i <= anzahl; ++i)
        out << muster.arg(i);
    return out;
}

void Bild(testing::BaseFolder &base, const QString &relativ, QColor farbe)
{
    QImage bild(20, 15, QImage::Format_RGB32);
    bild.fill(farbe);
    QVERIFY(QDir().mkpath(QFileInfo(base.path(relativ)).absolutePath()));
    QVERIFY(bild.save(base.path(relativ), "PNG"));
}

// Writes a small dictionary with its download marker picture and loads it.
void Lexikon(testing::BaseFolder &base, const QStringList &eintraege)
{
    base.writeLines(Datei, Kopf() + eintraege);
    Bild(base, Lexikonbilder + "Abbruehen.png", Qt::red);
    QVERIFY(Lade_Lexikon(Load, -1, QString()));
}

const QStringList Standard = Eintrag(1, "Meersalz", {"Salz aus dem Meer."}) + Eintrag(1, "Salz", {"Würzt."})
                             + Eintrag(0, "Blanchieren", {"Kurz in kochendes Wasser geben."}, {"abbrühen"})
                             + Eintrag(0, "Crème fraîche", {"Saure Sahne."})
                             + Eintrag(1, "Zucchini", {"Ein Kürbis."}, {}, "Zucchini.png");
} // namespace

class TestLexikon : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FLex = new TFLex;
        FTWSMLex = new TFTWSMLex;
        FVAR = new TFVAR;
        FMain = new TFMain;
    }
    void init()
    {
        testing::failOnWarnings();
        GlobalVARInit();
        Protokoll.clear();
        FLex->hide();
        FTWSMLex->hide();
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

    void roundTrip()
    {
        base->writeLines(Datei, Kopf() + Eintrag(1, "Zucchini", {"Ein Kürbis.", "", "Grün."}, {"Courgette"}, "Zucchini.png")
                                   + Eintrag(0, "Blanchieren", {"Kurz kochen;; dann abschrecken."})
                                   + QStringList{";; Kommentar mitten in der Datei"} + Eintrag(3, "Gruppe drei")
                                   + Eintrag(2, "Ahornsirup", {}, {}, "-\\GFXZUTAT\\ENG\\sirup.png"));
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Ahornsirup", "Blanchieren", "Gruppe drei", "Zucchini"}));
        QCOMPARE(GlobalLexikon[3].Text.mid(0, 4), QStringList({"Ein Kürbis.", "", "Grün.", ""}));

        const QStringList geschrieben = base->readLines(Datei);
        QCOMPARE(geschrieben.mid(0, 8), Kopf());
        QCOMPARE(geschrieben.mid(11), Eintrag(2, "Ahornsirup", {}, {}, "-\\GFXZUTAT\\ENG\\sirup.png")
                                          + Eintrag(0, "Blanchieren", {"Kurz kochen;; dann abschrecken."})
                                          + Eintrag(1, "Zucchini", {"Ein Kürbis.", "Grün."}, {"Courgette"}, "Zucchini.png"));
        QVERIFY(base->readBytes(Datei).contains("Gr\xfcn.\r\n"));

        // An entry without a term is dropped by the next save as well.
        GlobalLexikon[1].Begriff.clear();
        QVERIFY(Lade_Lexikon(Save, -1, QString()));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Ahornsirup", "Zucchini"}));
        QCOMPARE(LexikonGruppen, QStringList({"Kochbegriffe", "Obst und Gemüse", "Sonstiges"}));
    }

    void capsAndReadingToTheEnd()
    {
        QStringList z = Kopf("12") + Eintrag(0, "Lang", Nummeriert("Zeile %1", 105), Nummeriert("Such %1", 12))
                        + Eintrag(0, "Nachher", {"kurz"}, {"x"});
        for (int i = 0; i < 20; ++i)
            z << Eintrag(0, QString("Weitere %1").arg(i, 2, 10, QChar('0')));
        base->writeLines(Datei, z);
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        // The count line is no limit: every entry of the file is read.
        QCOMPARE(GlobalLexikon.size(), 22);
        QCOMPARE(GlobalLexikon[0].Text, Nummeriert("Zeile %1", 100));
        QCOMPARE(GlobalLexikon[0].Divers, Nummeriert("Such %1", 10));
        QCOMPARE(GlobalLexikon[1].Text.first(), QStringLiteral("kurz"));
    }

    void groupFilter_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("begriffe");
        QTest::newRow("all") << -1 << QStringList({"Apfel", "Braten", "Dill"});
        QTest::newRow("group 0") << 0 << QStringList({"Braten"});
    }
    void groupFilter()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, begriffe);
        base->writeLines(Datei, Kopf() + Eintrag(0, "Braten") + Eintrag(1, "Apfel") + Eintrag(1, "Dill")
                                   + QStringList{"{GRUPPENART}", "eins", "{GRUPPE}", "Kaputt", "{END}"});
        QVERIFY(Lade_Lexikon(Load, filter, QString()));
        QCOMPARE(Begriffe(), begriffe);
    }

    void sortAndPictures_data()
    {
        QTest::addColumn<QStringList>("datei");
        QTest::addColumn<QStringList>("geladen");
        QTest::newRow("accent folded") << QStringList({"beta", "Alpha", "éclair"}) << QStringList({"Alpha", "beta", "éclair"});
        QTest::newRow("capitals first") << QStringList({"apple", "Banana", "cherry"}) << QStringList({"Banana", "apple", "cherry"});
        QTest::newRow("equal keys keep order") << QStringList({"Ecru", "Éclair", "Soße", "Eclair", "Sosse"})
                                               << QStringList({"Éclair", "Eclair", "Ecru", "Soße", "Sosse"});
        QTest::newRow("two keep file order") << QStringList({"b", "a"}) << QStringList({"b", "a"});
        QTest::newRow("pictures") << QStringList({"a|x.bmp", "b|Y.BMP", "c|x.png", "d|-\\GFXZUTAT\\ENG\\q.png", "e|-\\GFX\\s.bmp"})
                                  << QStringList({"a|x.PNG", "b|Y.PNG", "c|x.png", "d|-\\GFXZUTAT\\ENG\\q.png", "e|-\\GFX\\s.PNG"});
    }
    void sortAndPictures()
    {
        QFETCH(QStringList, datei);
        QFETCH(QStringList, geladen);
        QStringList z = Kopf();
        for (const QString &b : datei)
            z << Eintrag(0, b.section('|', 0, 0), {"t"}, {}, b.section('|', 1));
        base->writeLines(Datei, z);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QStringList out;
        for (const TTLexikon &e : std::as_const(GlobalLexikon))
            out << (e.Grafik.isEmpty() ? e.Begriff : e.Begriff + '|' + e.Grafik);
        QCOMPARE(out, geladen);
    }

    void badFile_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QStringList kopf = Kopf() + Eintrag(0, "A");
        kopf[0] = "[TAFELWERKSTATT LEXIKON 2]";
        QTest::newRow("wrong header") << kopf;
        QTest::newRow("negative count") << Kopf("-1") + Eintrag(0, "A");
        QTest::newRow("group count beyond the file") << Kopf("380000", "500");
        QTest::newRow("missing file") << QStringList{"-"};
    }
    void badFile()
    {
        QFETCH(QStringList, zeilen);
        if (zeilen != QStringList{"-"})
            base->writeLines(Datei, zeilen);
        const QByteArray vorher = base->readBytes(Datei);
        QVERIFY(!Lade_Lexikon(Load | Save, -1, QString()));
        QVERIFY(GlobalLexikon.isEmpty());
        QCOMPARE(base->readBytes(Datei), vorher);
    }

    // Whatever the first load accepts, load, save, load, save gives the same
    // bytes, and the marker-like values read back as they were.
    void markerLikeValuesSurvive_data()
    {
        QTest::addColumn<QStringList>("datei");
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<QStringList>("divers");
        QTest::addColumn<int>("eintraege");
        QTest::newRow("markers inside text lines")
            << Kopf() + Eintrag(0, "Etikett", {"Write {END} on the label", "see {DIVERS} below", "{TEXT} again"}, {"x {END}"})
            << "Etikett" << QStringList({"Write {END} on the label", "see {DIVERS} below", "{TEXT} again"})
            << QStringList({"x {END}"}) << 1;
        QTest::newRow("term that is a marker") << Kopf() + Eintrag(0, "{TEXT}", {"eins"}) << "{TEXT}"
                                               << QStringList({"eins"}) << QStringList() << 1;
        QTest::newRow("term that begins with the end marker") << Kopf() + Eintrag(0, "{END} of it", {"eins"}, {"d"})
                                                              << "{END} of it" << QStringList({"eins"}) << QStringList({"d"}) << 1;
        QStringList gruppen = Kopf("380000", "5") + Eintrag(0, "Nur einer", {"t"});
        gruppen.insert(7, "{GRUPPENART}");
        gruppen.insert(8, "0");
        QTest::newRow("group names that are markers") << gruppen << "Nur einer" << QStringList({"t"}) << QStringList() << 1;
        QStringList ohneEnde = Kopf() + Eintrag(0, "Erster", {"a"}) + Eintrag(0, "Zweiter", {"b"});
        ohneEnde.removeAll("{END}");
        ohneEnde.removeAll("{DIVERS}");
        QTest::newRow("entries without end marker") << ohneEnde << "Erster" << QStringList({"a"}) << QStringList() << 2;
        QTest::newRow("text run ended by a dangling group marker")
            << Kopf() + QStringList({"{GRUPPENART}", "0", "{GRUPPE}", "Zeilen", "{TEXT}", "a", "{GRUPPENART}", "",
                                     "7", "{END}"})
            << "Zeilen" << QStringList({"a"}) << QStringList() << 1;
        QTest::newRow("picture named twice .bmp") << Kopf() + Eintrag(0, "Bild", {"t"}, {}, "a.bmp.bmp") << "Bild"
                                                  << QStringList({"t"}) << QStringList() << 1;
    }
    void markerLikeValuesSurvive()
    {
        QFETCH(QStringList, datei);
        QFETCH(QString, begriff);
        QFETCH(QStringList, text);
        QFETCH(QStringList, divers);
        QFETCH(int, eintraege);
        base->writeLines(Datei, datei);
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        const QByteArray erste = base->readBytes(Datei);
        const qsizetype anzahl = GlobalLexikon.size();
        QVERIFY(Lade_Lexikon(Load | Save, -1, QString()));
        QCOMPARE(base->readBytes(Datei), erste);
        QCOMPARE(GlobalLexikon.size(), anzahl);
        QCOMPARE(anzahl, qsizetype(eintraege));
        const TTLexikon &e = GlobalLexikon.first();
        QCOMPARE(e.Begriff, begriff);
        QCOMPARE(e.Text.mid(0, text.size() + 1), text + QStringList{QString()});
        QCOMPARE(e.Divers.mid(0, divers.size() + 1), divers + QStringList{QString()});
    }

    void takeOver()
    {
        base->writeLines(Datei, Kopf() + Eintrag(0, "Eigener Begriff") + Eintrag(0, "Braten", {"meine Fassung"}));
        QStringList neu = Kopf("380000", "4") + Eintrag(0, "Braten", {"geliefert"}) + Eintrag(1, "Apfel");
        neu.insert(7, "Getränke");
        base->writeLines("PRGDATA\\ENG\\LEXIKON\\Lexikon_Neu.hbd", neu);
        QVERIFY(Uebernehme_Lexikon_Neu());
        QVERIFY(!base->exists(NeuDatei));
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe(), QStringList({"Apfel", "Braten", "Eigener Begriff"}));
        // The delivered text replaces the old one; the user's own term stays.
        QCOMPARE(GlobalLexikon[1].Text[0], QStringLiteral("geliefert"));
        QCOMPARE(LexikonGruppen.size(), 4);
    }

    void takeOverRefusesBadDelivery()
    {
        base->writeLines(Datei, Kopf() + Eintrag(0, "Eigener Begriff"));
        base->writeLines(NeuDatei, {"<html>Not found</html>"});
        const QByteArray eigen = base->readBytes(Datei);
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QVERIFY(!Uebernehme_Lexikon_Neu());
        QCOMPARE(base->readBytes(Datei), eigen);
        QVERIFY(base->exists(NeuDatei));
        QCOMPARE(Begriffe(), QStringList({"Eigener Begriff"}));
        QVERIFY(Protokoll.last().startsWith("ERROR:   "));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("gruppenzeile");
        QTest::addColumn<QStringList>("treffer");
        QTest::addColumn<QString>("vorauswahl");
        QTest::newRow("preselects the term that begins with the word")
            << "salz" << 0 << QStringList{"Meersalz", "Salz"} << "Salz";
        QTest::newRow("words in term and further lines") << "blanch abbrühen" << 0 << QStringList{"Blanchieren"}
                                                         << "Blanchieren";
        QTest::newRow("accents folded") << "creme fraiche" << 0 << QStringList{"Crème fraîche"} << "Crème fraîche";
        QTest::newRow("words in different entries") << "kürbis meer" << 0 << QStringList{} << "";
        QTest::newRow("other group hidden") << "salz" << 1 << QStringList{} << "";
        QTest::newRow("group only") << "" << 2 << QStringList{"Meersalz", "Salz", "Zucchini"} << "Meersalz";
        QTest::newRow("leading blank") << " salz" << 0 << QStringList{} << "";
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, gruppenzeile);
        QFETCH(QStringList, treffer);
        QFETCH(QString, vorauswahl);
        Lexikon(*base, Standard);
        int zeile = -2;
        QCOMPARE(Suche_im_Lexikon(text, gruppenzeile, zeile), treffer);
        QCOMPARE(zeile >= 0 ? treffer.value(zeile) : QString(), vorauswahl);
        // Each listed entry knows its row; hidden groups are marked apart.
        for (int i = 0; i < treffer.size(); ++i)
            QCOMPARE(GlobalLexikon[Lexikoneintrag_in_Zeile(i)].Begriff, treffer[i]);
        for (const TTLexikon &e : std::as_const(GlobalLexikon))
            if (gruppenzeile > 0 && e.Gruppe != gruppenzeile - 1)
                QCOMPARE(e.Listenindex, -2);
    }

    void windowAndSearchText()
    {
        // A dictionary that did not load opens nothing.
        QVERIFY(!Lade_Lexikon(Load, -1, QString()));
        Zeige_Lexikon(true, -1, QString());
        QVERIFY(FLex->isHidden());

        Lexikon(*base, Standard);
        Zeige_Lexikon(true, -1, "salz");
        QCOMPARE(Zeilen(FLex->LBBegriff), QStringList({"Meersalz", "Salz"}));
        // Typing runs the search; the group choice narrows it.
        FLex->ESuche->setText("");
        QCOMPARE(Zeilen(FLex->LBBegriff).size(), 5);
        FLex->CBSuchart->setCurrentIndex(1);
        QCOMPARE(Zeilen(FLex->LBBegriff), QStringList({"Blanchieren", "Crème fraîche"}));
        // An open window keeps its search text when the caller gives one
        // while its own field is empty.
        Zeige_Lexikon(true, -1, "zucchini");
        QCOMPARE(FLex->ESuche->text(), QString());
        QCOMPARE(FLex->CBSuchart->currentIndex(), 0);
        // The popup offers change and delete only for a selected term.
        FLex->PMLexPopup();
        QVERIFY(FLex->EditEintragaendern->isVisible());
        FLex->ESuche->setText("nichts");
        FLex->PMLexPopup();
        QVERIFY(!FLex->Lexikoneintragloeschen->isVisible());
        // "Rezepte suchen" opens the program's web site, when one is known.
        QStringList geoeffnet;
        platform::setShellRecorder([&](const platform::ShellRequest &r) {
            geoeffnet << r.target;
            return true;
        });
        Interneteinstellungen.Webseite.clear();
        FLex->PMLexPopup();
        QVERIFY(!FLex->MRezeptesuchen->isEnabled());
        Interneteinstellungen.Webseite = QStringLiteral("https://recipes.example/search");
        FLex->PMLexPopup();
        QVERIFY(FLex->MRezeptesuchen->isEnabled());
        FLex->MRezeptesuchen->trigger();
        QCOMPARE(geoeffnet, QStringList{"https://recipes.example/search"});
        Interneteinstellungen = TInterneteinstellungen();
        platform::setShellRecorder({});
        // A chosen font is kept to the sizes the window is laid out for.
        platform::setFontDialogScript([](QFont &f) {
            f.setPointSize(20);
            return true;
        });
        FLex->MLZeichensatzaendernClick();
        QCOMPARE(Optionen.Lexikonschrift.pointSize(), 12);
        FLex->close();
        Zeige_Lexikon(true, -1, "zucchini");
        QCOMPARE(Zeilen(FLex->LBBegriff), QStringList({"Zucchini"}));

        // Without the dictionary pictures the user hears where to get them.
        QVERIFY(QFile::remove(base->path(Lexikonbilder + "Abbruehen.png")));
        FLex->close();
        messages->expect("Lexikongrafiken herunterzuladen");
        Zeige_Lexikon(true, -1, QString());
        FLex->close();
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("grafik");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("bild");
        QTest::newRow("plain name") << "Zucchini.png" << Lexikonbilder + "Zucchini.png" << true;
        QTest::newRow("reference below the base") << "-\\GFXZUTAT\\ENG\\zucchini.png" << "GFXZUTAT/ENG/zucchini.png"
                                                  << true;
        QTest::newRow("missing file") << "Zucchini.png" << QString() << false;
        QTest::newRow("reference leaving the base") << "-\\..\\zucchini.png" << "../zucchini.png" << false;
    }
    void pictures()
    {
        QFETCH(QString, grafik);
        QFETCH(QString, datei);
        QFETCH(bool, bild);
        if (!datei.isEmpty() && !datei.startsWith(".."))
            Bild(*base, datei, Qt::green);
        Lexikon(*base, Eintrag(1, "Zucchini", {"Ein Kürbis.", "", "Grün."}, {"unsichtbar"}, grafik));
        Zeige_Lexikon(true, -1, QString());
        QCOMPARE(FLex->ILex->pixmap().isNull(), !bild);
        QCOMPARE(FLex->Panel1->text(), bild ? QString() : QString("Diese Grafik fehlt leider..."));
        // Empty lines inside the text stay; further lines are never shown.
        QCOMPARE(FLex->RELex->toPlainText(), QString("Ein Kürbis.\n\nGrün."));
        FLex->close();
    }

    void saveAndDelete()
    {
        Lexikon(*base, Standard);
        Zeige_Lexikon(true, -1, "salz");

        messages->expect("Das Lexikon wurde abgespeichert!");
        FLex->EditSpeichernClick();
        QVERIFY(messages->pending().isEmpty());

        // A save that fails says so and keeps the dictionary in memory.
        GlobalLexikon[0].Text[0] = "Geändert.";
        QVERIFY(QFile::remove(base->path(Datei)));
        QVERIFY(QDir().mkpath(base->path(Datei)));
        messages->allow("konnte nicht", Antwort_OK);
        FLex->EditSpeichernClick();
        QCOMPARE(std::count_if(messages->seen.begin(), messages->seen.end(),
                               [](const auto &m) { return m.text.endsWith("abgespeichert!"); }),
                 1);
        QCOMPARE(GlobalLexikon[0].Text[0], QString("Geändert."));
        messages->expect("Diesen Eintrag löschen? \"Salz\"", Antwort_Ja);
        FLex->LexikoneintragloeschenClick();
        QCOMPARE(Begriffe().size(), 5);
        QCOMPARE(GlobalLexikon[Lexikoneintrag_in_Zeile(1)].Begriff, QString("Salz"));
        QVERIFY(QDir(base->path(Datei)).removeRecursively());

        // No deletes nothing; Yes removes the entry from the file at once.
        messages->expect("Diesen Eintrag löschen?", Antwort_Nein);
        FLex->LexikoneintragloeschenClick();
        messages->expect("Diesen Eintrag löschen? \"Salz\"", Antwort_Ja);
        FLex->LexikoneintragloeschenClick();
        QVERIFY(messages->pending().isEmpty());
        QCOMPARE(Zeilen(FLex->LBBegriff), QStringList({"Meersalz"}));
        QVERIFY(!base->readLines(Datei).contains("Salz"));
        QVERIFY(base->readLines(Datei).contains("Geändert."));

        // Deleting the last entry leaves an empty window with no stale row.
        GlobalLexikon.resize(1);
        FLex->ESuche->setText("");
        messages->expect("Diesen Eintrag löschen?", Antwort_Ja);
        FLex->LexikoneintragloeschenClick();
        QVERIFY(GlobalLexikon.isEmpty());
        QVERIFY(FLex->RELex->toPlainText().isEmpty());
        QCOMPARE(Lexikoneintrag_in_Zeile(FLex->LBBegriff->currentRow()), -1);
        FLex->close();
    }

    void entryEditor()
    {
        Lexikon(*base, Standard);
        Zeige_Lexikon(true, -1, "blanchieren");

        // A new entry that is cancelled leaves nothing behind.
        Zeige_Lexikoneditor(-1);
        // The menu leaves the dictionary hidden behind the editor.
        Zeige_Lexikon(true, -1, QString());
        QVERIFY(FLex->isHidden());
        FTWSMLex->BAbbrechenClick();
        QVERIFY(FLex->isVisible());
        QCOMPARE(GlobalLexikon.size(), 5);

        // Changing an entry keeps its further lines.
        FLex->EditEintragaendernClick();
        FTWSMLex->EBegriff->setText(" ");
        messages->expect("Bitte einen Hauptsuchbegriff eingeben!");
        FTWSMLex->BUebernehmenClick();
        FTWSMLex->EBegriff->setText("Blanchieren");
        FTWSMLex->MLex->setPlainText("\n\n");
        messages->expect("Bitte einen Text für den Lexikoneintrag eingeben!");
        FTWSMLex->BUebernehmenClick();
        QVERIFY(messages->pending().isEmpty());
        QVERIFY(FTWSMLex->isVisible());
        FTWSMLex->MLex->setPlainText("Eins\nZwei\n\nDrei\n\n");
        FTWSMLex->CBSuchart->setCurrentIndex(1);
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(FLex->ESuche->text(), QString("Blanchieren"));
        QCOMPARE(FLex->CBSuchart->currentIndex(), 2);
        const TTLexikon &e = GlobalLexikon[Lexikoneintrag_in_Zeile(FLex->LBBegriff->currentRow())];
        QCOMPARE(e.Gruppe, 1);
        QCOMPARE(e.Text.mid(0, 5), QStringList({"Eins", "Zwei", "Drei", "", ""}));
        QCOMPARE(e.Divers.first(), QString("abbrühen"));

        // A new entry taken over is listed and saved.
        FLex->CBSuchart->setCurrentIndex(0);
        Zeige_Lexikoneditor(-1);
        FTWSMLex->EBegriff->setText("Abschrecken");
        FTWSMLex->MLex->setPlainText("In Eiswasser tauchen.");
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(Zeilen(FLex->LBBegriff), QStringList({"Abschrecken"}));
        messages->expect("abgespeichert!");
        FLex->EditSpeichernClick();
        QVERIFY(base->readLines(Datei).contains("Abschrecken"));
        QVERIFY(base->readLines(Datei).contains("abbrühen"));
        FLex->close();
    }

    void editorPictures_data()
    {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("grafik");
        QTest::addColumn<bool>("kopiert");
        QTest::newRow("dictionary picture keeps its name") << Lexikonbilder + "Zucchini.png" << "Zucchini.png" << false;
        QTest::newRow("brand folder stays in the reference")
            << "GFXZUTAT/ENG/Marke/zucchini.png" << "-\\GFXZUTAT\\ENG\\Marke\\zucchini.png" << false;
        QTest::newRow("outside picture copied") << "Bilder/Gemuese.png" << "Gemuese.png" << true;
    }
    void editorPictures()
    {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, grafik);
        QFETCH(bool, kopiert);
        Bild(*base, Lexikonbilder + "Zucchini.png", Qt::green);
        Bild(*base, gewaehlt, Qt::blue);
        const QByteArray inhalt = base->readBytes(gewaehlt);
        Lexikon(*base, Eintrag(1, "Zucchini", {"Ein Kürbis."}, {}, "Zucchini.png"));
        Zeige_Lexikon(true, -1, QString());
        FLex->EditEintragaendernClick();
        QCOMPARE(FTWSMLex->Label2->text(), base->path(Lexikonbilder + "Zucchini.png"));
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &, const QString &) {
            return base->path(gewaehlt);
        });
        FTWSMLex->BGrafikladenClick();
        QVERIFY(!FTWSMLex->ILex->pixmap().isNull());
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(GlobalLexikon[0].Grafik, grafik);
        // The chosen file is intact, also when it is its own target.
        QCOMPARE(base->readBytes(gewaehlt), inhalt);
        const QString ziel = Lexikonbilder + grafik;
        QCOMPARE(kopiert && base->exists(ziel) && base->readBytes(ziel) == inhalt, kopiert);
        QCOMPARE(Protokoll, kopiert ? QStringList{"Kopiere: " + base->path(gewaehlt) + "->" + base->path(ziel)}
                                    : QStringList{});
        FLex->close();
    }

    // An entry whose picture is not installed keeps its reference when it
    // is changed without choosing a picture.
    void editorKeepsMissingPicture()
    {
        Lexikon(*base, Eintrag(1, "Zucchini", {"Ein Kürbis."}, {}, "Zucchini.png"));
        Zeige_Lexikon(true, -1, QString());
        FLex->EditEintragaendernClick();
        FTWSMLex->MLex->setPlainText("Ein grüner Kürbis.");
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(GlobalLexikon[0].Grafik, QString("Zucchini.png"));
        FLex->close();
    }

    // What the file would read as its own marker or comment, or cannot
    // hold, is refused before the take-over, naming the line; what is taken
    // over reads the same after a save and a reload.
    void editorKeepsToTheFile()
    {
        Lexikon(*base, Standard);
        Zeige_Lexikon(true, -1, QString());
        Zeige_Lexikoneditor(-1);
        auto abgelehnt = [&](const QString &begriff, const QString &zeile, const QString &meldung) {
            FTWSMLex->EBegriff->setText(begriff);
            FTWSMLex->MLex->setPlainText("Die duenne gelbe Schale.\n" + zeile + "\nNur das Gelbe.");
            messages->expect(meldung);
            FTWSMLex->BUebernehmenClick();
            QVERIFY2(messages->pending().isEmpty() && FTWSMLex->isVisible(), qPrintable(meldung));
        };
        abgelehnt(";;Notiz", "Text.", "Hauptsuchbegriff \";;Notiz\": Die Lexikondatei liest eine Zeile, die mit \";;\"");
        abgelehnt(QString::fromUtf8("Zeste \u2248"), "Text.", QString::fromUtf8("nicht aufnehmen: \u2248"));
        for (const QString marke : {"{END}", ";; my remark", "{DIVERS}", "{GRUPPENART}"})
            abgelehnt("Zitronenzeste", marke, "Zeile 2 \"" + marke + "\": Die Lexikondatei liest");
        abgelehnt("Zitronenzeste", QString::fromUtf8("Abreiben \u2192 fein"), QString::fromUtf8("Zeile 2 \"Abreiben \u2192 fein\": Die Lexikondatei kann diese Zeichen nicht aufnehmen: \u2192"));
        QCOMPARE(GlobalLexikon.size(), 5);

        // a marker is one only at the very start of a line
        const QStringList text = {" {END} ist Text.", "Schreibe {DIVERS} aufs Etikett.", "1", "{Gruppe}"};
        FTWSMLex->MLex->setPlainText(text.join('\n'));
        FTWSMLex->BUebernehmenClick();
        messages->expect("abgespeichert!");
        FLex->EditSpeichernClick();
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        QCOMPARE(Begriffe().value(4), QString("Zitronenzeste"));
        QCOMPARE(GlobalLexikon[4].Text.mid(0, 5), text + QStringList{QString()});
        FLex->close();
    }

    // The file keeps no empty text line: the take-over leaves them out, so
    // that the dictionary shows the entry as it reads after a save and a
    // reload, and the editor opens it so again. A line of blanks is kept.
    void editorShowsWhatIsStored()
    {
        Lexikon(*base, Standard);
        Zeige_Lexikon(true, -1, QString());
        Zeige_Lexikoneditor(-1);
        FTWSMLex->EBegriff->setText("Abschrecken");
        FTWSMLex->MLex->setPlainText("In Eiswasser tauchen.\n\nSo bleibt es gruen.\n  \n\nFertig.\n\n");
        FTWSMLex->BUebernehmenClick();
        QVERIFY(FLex->isVisible());
        const QString gezeigt = FLex->RELex->toPlainText();
        QCOMPARE(gezeigt, QString("In Eiswasser tauchen.\nSo bleibt es gruen.\n  \nFertig."));
        messages->expect("abgespeichert!");
        FLex->EditSpeichernClick();
        QVERIFY(Lade_Lexikon(Load, -1, QString()));
        Zeige_Lexikon(true, -1, "Abschrecken");
        QCOMPARE(FLex->RELex->toPlainText(), gezeigt);
        FLex->EditEintragaendernClick();
        QCOMPARE(FTWSMLex->MLex->toPlainText(), gezeigt);
        FTWSMLex->BAbbrechenClick();
        FLex->close();
    }

private:
    std::optional<testing::BaseFolder> base;
    std::optional<testing::ScriptedMessages> messages;
};

QTEST_MAIN(TestLexikon)
#include "tst_lexikon.moc"
