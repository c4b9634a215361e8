#include "testing/Testing.h"

#include <QtWidgets>

#include "core/Globals.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"
#include "reference/F_Lex.h"
#include "reference/F_TWSMLex.h"
#include "reference/F_VAR.h"
#include "recipes/F_Main.h"
#include "reference/Lexikon.h"
#include "Lexikonhilfen.h"

namespace {
const QString Lexikonbilder = QStringLiteral("Grafiken/ENG/PNG/LEXIKON/");

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
    base.writeLines(Datei, QStringList{"[TAFELWERKSTATT LEXIKON]", "380000", "Das kleine Herdfibel 5.00", "2",
                                       "Kochbegriffe", "Obst und Gemüse"}
                               + eintraege);
    Bild(base, Lexikonbilder + "Abbruehen.png", Qt::red);
    QVERIFY(Lade_Lexikon(Load, -1, QString()));
}


const QStringList Standard = Eintrag(1, "Meersalz", {"Salz aus dem Meer."}) + Eintrag(1, "Salz", {"Würzt."})
                             + Eintrag(0, "Blanchieren", {"Kurz in kochendes Wasser geben."}, {"abbrühen"})
                             + Eintrag(0, "Crème fraîche", {"Saure Sahne."})
                             + Eintrag(1, "Zucchini", {"Ein Kürbis."}, {}, "Zucchini.png");

QStringList Liste()
{
    QStringList out;
    for (int i = 0; i < FLex->LBBegriff->count(); ++i)
        out << FLex->LBBegriff->item(i)->text();
    return out;
}

QString Gewaehlt()
{
    const QListWidgetItem *item = FLex->LBBegriff->currentItem();
    return item ? item->text() : QString();
}
} // namespace

class TestLexikonfenster : public QObject
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
        testing::BaseFolder base;
        Lexikon(base, Standard);
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
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        // A dictionary that did not load opens nothing.
        QVERIFY(!Lade_Lexikon(Load, -1, QString()));
        Zeige_Lexikon(true, -1, QString());
        QVERIFY(FLex->isHidden());

        Lexikon(base, Standard);
        Zeige_Lexikon(true, -1, "salz");
        QCOMPARE(FLex->windowTitle(), QString("Das kleine Herdfibel 5.00"));
        QCOMPARE(Liste(), QStringList({"Meersalz", "Salz"}));
        QCOMPARE(Gewaehlt(), QString("Salz"));
        // Typing runs the search; the group choice narrows it.
        FLex->ESuche->setText("");
        QCOMPARE(Liste().size(), 5);
        FLex->CBSuchart->setCurrentIndex(1);
        QCOMPARE(Liste(), QStringList({"Blanchieren", "Crème fraîche"}));
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
        // A chosen font is kept to the sizes the window is laid out for.
        platform::setFontDialogScript([](QFont &f) {
            f.setPointSize(20);
            return true;
        });
        FLex->MLZeichensatzaendernClick();
        QCOMPARE(Optionen.Lexikonschrift.pointSize(), 12);
        FLex->close();
        Zeige_Lexikon(true, -1, "zucchini");
        QCOMPARE(Liste(), QStringList({"Zucchini"}));

        // Without the dictionary pictures the user hears where to get them.
        QVERIFY(QFile::remove(base.path(Lexikonbilder + "Abbruehen.png")));
        FLex->close();
        messages.expect("Lexikongrafiken herunterzuladen");
        Zeige_Lexikon(true, -1, QString());
        QVERIFY(messages.pending().isEmpty());
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
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        if (!datei.isEmpty() && !datei.startsWith(".."))
            Bild(base, datei, Qt::green);
        Lexikon(base, Eintrag(1, "Zucchini", {"Ein Kürbis.", "", "Grün."}, {"unsichtbar"}, grafik));
        Zeige_Lexikon(true, -1, QString());
        QCOMPARE(FLex->ILex->pixmap().isNull(), !bild);
        QCOMPARE(FLex->Panel1->text(), bild ? QString() : QString("Diese Grafik fehlt leider..."));
        // Empty lines inside the text stay; further lines are never shown.
        QCOMPARE(FLex->RELex->toPlainText(), QString("Ein Kürbis.\n\nGrün."));
        FLex->close();
    }

    void saveAndDelete()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        Lexikon(base, Standard);
        Zeige_Lexikon(true, -1, "salz");

        messages.expect("Das Lexikon wurde abgespeichert!");
        FLex->EditSpeichernClick();
        QVERIFY(messages.pending().isEmpty());

        // A save that fails says so and keeps the dictionary in memory.
        GlobalLexikon[0].Text[0] = "Geändert.";
        QVERIFY(QFile::remove(base.path(Datei)));
        QVERIFY(QDir().mkpath(base.path(Datei)));
        messages.allow("konnte nicht", 1);
        FLex->EditSpeichernClick();
        QCOMPARE(std::count_if(messages.seen.begin(), messages.seen.end(),
                               [](const auto &m) { return m.text.endsWith("abgespeichert!"); }),
                 1);
        QCOMPARE(GlobalLexikon[0].Text[0], QString("Geändert."));
        messages.expect("Diesen Eintrag löschen? \"Salz\"", 6);
        FLex->LexikoneintragloeschenClick();
        QCOMPARE(Begriffe().size(), 5);
        QCOMPARE(GlobalLexikon[Lexikoneintrag_in_Zeile(1)].Begriff, QString("Salz"));
        QVERIFY(QDir(base.path(Datei)).removeRecursively());

        // No deletes nothing; Yes removes the entry from the file at once.
        messages.expect("Diesen Eintrag löschen?", 7);
        FLex->LexikoneintragloeschenClick();
        messages.expect("Diesen Eintrag löschen? \"Salz\"", 6);
        FLex->LexikoneintragloeschenClick();
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(Liste(), QStringList({"Meersalz"}));
        QVERIFY(!base.readLines(Datei).contains("Salz"));
        QVERIFY(base.readLines(Datei).contains("Geändert."));

        // Deleting the last entry leaves an empty window with no stale row.
        GlobalLexikon.resize(1);
        FLex->ESuche->setText("");
        messages.expect("Diesen Eintrag löschen?", 6);
        FLex->LexikoneintragloeschenClick();
        QVERIFY(GlobalLexikon.isEmpty());
        QVERIFY(FLex->RELex->toPlainText().isEmpty());
        QCOMPARE(Lexikoneintrag_in_Zeile(FLex->LBBegriff->currentRow()), -1);
        FLex->close();
    }

    void entryEditor()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        Lexikon(base, Standard);
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
        messages.expect("Bitte einen Hauptsuchbegriff eingeben!");
        FTWSMLex->BUebernehmenClick();
        FTWSMLex->EBegriff->setText("Blanchieren");
        FTWSMLex->MLex->setPlainText("\n\n");
        messages.expect("Bitte einen Text für den Lexikoneintrag eingeben!");
        FTWSMLex->BUebernehmenClick();
        QVERIFY(messages.pending().isEmpty());
        QVERIFY(FTWSMLex->isVisible());
        FTWSMLex->MLex->setPlainText("Eins\nZwei\n\nDrei\n\n");
        FTWSMLex->CBSuchart->setCurrentIndex(1);
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(FLex->ESuche->text(), QString("Blanchieren"));
        QCOMPARE(FLex->CBSuchart->currentIndex(), 2);
        const TTLexikon &e = GlobalLexikon[Lexikoneintrag_in_Zeile(FLex->LBBegriff->currentRow())];
        QCOMPARE(e.Gruppe, 1);
        QCOMPARE(e.Text.mid(0, 5), QStringList({"Eins", "Zwei", "", "Drei", ""}));
        QCOMPARE(e.Divers.first(), QString("abbrühen"));

        // A new entry taken over is listed and saved.
        FLex->CBSuchart->setCurrentIndex(0);
        Zeige_Lexikoneditor(-1);
        FTWSMLex->EBegriff->setText("Abschrecken");
        FTWSMLex->MLex->setPlainText("In Eiswasser tauchen.");
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(Liste(), QStringList({"Abschrecken"}));
        messages.expect("abgespeichert!");
        FLex->EditSpeichernClick();
        QVERIFY(base.readLines(Datei).contains("Abschrecken"));
        QVERIFY(base.readLines(Datei).contains("abbrühen"));
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
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        Bild(base, Lexikonbilder + "Zucchini.png", Qt::green);
        Bild(base, gewaehlt, Qt::blue);
        const QByteArray inhalt = base.readBytes(gewaehlt);
        Lexikon(base, Eintrag(1, "Zucchini", {"Ein Kürbis."}, {}, "Zucchini.png"));
        Zeige_Lexikon(true, -1, QString());
        FLex->EditEintragaendernClick();
        QCOMPARE(FTWSMLex->Label2->text(), base.path(Lexikonbilder + "Zucchini.png"));
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &, const QString &) {
            return base.path(gewaehlt);
        });
        FTWSMLex->BGrafikladenClick();
        QVERIFY(!FTWSMLex->ILex->pixmap().isNull());
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(GlobalLexikon[0].Grafik, grafik);
        // The chosen file is intact, also when it is its own target.
        QCOMPARE(base.readBytes(gewaehlt), inhalt);
        const QString ziel = Lexikonbilder + grafik;
        QCOMPARE(kopiert && base.exists(ziel) && base.readBytes(ziel) == inhalt, kopiert);
        QCOMPARE(Protokoll, kopiert ? QStringList{"Kopiere: " + base.path(gewaehlt) + "->" + base.path(ziel)}
                                    : QStringList{});
        FLex->close();
    }

    // An entry whose picture is not installed keeps its reference when it
    // is changed without choosing a picture.
    void editorKeepsMissingPicture()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        Lexikon(base, Eintrag(1, "Zucchini", {"Ein Kürbis."}, {}, "Zucchini.png"));
        Zeige_Lexikon(true, -1, QString());
        FLex->EditEintragaendernClick();
        FTWSMLex->MLex->setPlainText("Ein grüner Kürbis.");
        FTWSMLex->BUebernehmenClick();
        QCOMPARE(GlobalLexikon[0].Grafik, QString("Zucchini.png"));
        FLex->close();
    }
};

QTEST_MAIN(TestLexikonfenster)
#include "tst_lexikonfenster.moc"
