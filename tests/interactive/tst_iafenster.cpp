#include <QtWidgets>

#include "KuecheFixtures.h"
#include "interactive/F_IAVDB.h"
#include "interactive/F_IAVerb.h"
#include "interactive/F_IAZutat.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IAExportdialog.h"
#include "interactive/IAModell.h"
#include "platform/Seams.h"
#include "reference/F_ZuDa.h"

using namespace kueche;

namespace {

const QString Datenbank = u"PRGDATA\\ENG\\Lebensmittel.hbr"_s;
const QString Verbdatei = u"PRGDATA\\ENG\\IAVariablenliste.hbr"_s;

// Name and status of every record in the database file.
QStringList datenbankdatei(testing::BaseFolder &base)
{
    const QStringList z = base.readLines(Datenbank);
    QStringList namen;
    for (qsizetype i = 2; i + 16 < z.size(); i += 17)
        namen << z[i] + u':' + z[i + 4];
    return namen;
}

// Category 0 offers "Stück" to every group and "g" to vegetables and spices.
void einheiten()
{
    TTEinheit stueck = einheit(u"Stück"_s, {}, {u"x"_s, u"1"_s, u"2"_s});
    stueck.Zuordnung.fill(1);
    kategorieNull({stueck, einheit(u"g"_s, {2, 8}, {u"0"_s, u"100"_s, u"500"_s})});
}

} // namespace

class TestIAFenster : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FZuDa = new TFZuDa;
        FIAZutat = new TFIAZutat;
        FIAVDB = new TFIAVDB;
        FIAVerb = new TFIAVerb;
    }
    void init()
    {
        beginne();
        ProgrammOK = 1;
        schreibeDatenbank(*base);
        neueKueche();
        einheiten();
        IAKuechenanbindung = {};
        for (QWidget *w : std::initializer_list<QWidget *>{FZuDa, FIAZutat, FIAVDB, FIAVerb})
            w->hide();
    }
    void cleanup() { beende(); }

    // Only active ingredients are listed; taking one puts it on the scale
    // with the database's default unit, hands the kitchen the scale panel and
    // leaves the window minimised and disabled; a spice gets only a unit.
    void auswahlUndUebernahme()
    {
        QList<TTIAWaagenaufnahme> waage;
        int vorn = 0;
        IAKuechenanbindung.Waage_oeffnen = [&](const TTIAWaagenaufnahme &a) { waage << a; };
        IAKuechenanbindung.Kueche_nach_vorn = [&] { ++vorn; };
        Zeige_IAZutatenauswahl();
        QCOMPARE(zeilenVon(FIAZutat->LBZutat), (QStringList{u"Kartoffeln"_s, u"Zwiebel"_s, u"Salz"_s}));

        FIAZutat->ESuche->setText(u"zwie"_s);
        QCOMPARE(zeilenVon(FIAZutat->LBZutat), QStringList{u"Zwiebel"_s});
        FIAZutat->BZabwiegen->click();
        QCOMPARE((QStringList{IAZutaten()[0].Zutatname, IAZutaten()[0].Einheit}), (QStringList{u"Zwiebel"_s, u"g"_s}));
        QCOMPARE(waage.value(0).Einheiten.LW10, u"??? g"_s);
        QCOMPARE(vorn, 1);
        QVERIFY(FIAZutat->isMinimized() && !FIAZutat->isEnabled());

        FIAZutat->setEnabled(true);
        FIAZutat->showNormal();
        FIAZutat->ESuche->setText(u"salz"_s);
        FIAZutat->BGabwiegen->click();
        QVERIFY(!waage[1].MengeZeigen);

        // a second take asks; No takes nothing
        FIAZutat->setEnabled(true);
        messages->expect(u"Das Gewürz existiert bereits."_s, Antwort_Nein);
        FIAZutat->BGabwiegen->click();
        QCOMPARE(IAZutaten().size(), 2);
    }

    // With no row selected the take-over buttons do nothing, and the popup's
    // entries follow the selection every time it opens.
    void ohneAuswahl()
    {
        Zeige_IAZutatenauswahl();
        FIAZutat->ESuche->setText(u"quitte"_s);
        FIAZutat->BZabwiegen->click();
        FIAZutat->BGabwiegen->click();
        QVERIFY(IAZutaten().isEmpty());
        const QList<QAction *> auswahl{FIAZutat->MAlsZutatabwiegen, FIAZutat->MAlsGewuerzdefinieren,
                                       FIAZutat->MZutatendetailsbearbeiten};
        FIAZutat->PPIAZutatPopup();
        for (QAction *a : auswahl)
            QVERIFY(!a->isEnabled());
        FIAZutat->ESuche->clear();
        FIAZutat->PPIAZutatPopup();
        for (QAction *a : auswahl)
            QVERIFY(a->isEnabled());
    }

    // New and edited ingredients go through the editor and are saved with
    // the inactive ingredient still in the file; an ingredient in use
    // cannot be edited.
    void neueUndGeaenderteZutat()
    {
        Zeige_IAZutatenauswahl();
        QTimer::singleShot(0, [] {
            FZuDa->Ezutatname->setText(u"Lauch"_s);
            FZuDa->EZutatRezeptname->setText(u"Lauch"_s);
            FZuDa->CBKategorie->setCurrentIndex(2);
            FZuDa->BUebernehmen->click();
        });
        FIAZutat->MNeueZutatinDatenbankaufnehmenClick();
        QCOMPARE(datenbankdatei(*base), (QStringList{u"Kartoffeln:1"_s, u"Zwiebel:1"_s, u"Salz:1"_s,
                                                     u"Basilikum:0"_s, u"Die Sauce ...:4"_s, u"Lauch:1"_s}));
        QVERIFY(zeilenVon(FIAZutat->LBZutat).contains(u"Lauch"_s));

        // an item of the recipe names Kartoffeln: it cannot be edited
        FIAZutat->ESuche->setText(u"kartoffeln"_s);
        FIAZutat->BZabwiegen->click();
        FIAZutat->setEnabled(true);
        FIAZutat->showNormal();
        messages->expect(u"Diese Zutat wird bereits verwendet."_s);
        FIAZutat->MZutatendetailsbearbeitenClick();

        FIAZutat->ESuche->setText(u"zwiebel"_s);
        QTimer::singleShot(0, [] {
            FZuDa->Ezutatname->setText(u"Zwiebeln"_s);
            FZuDa->BUebernehmen->click();
        });
        FIAZutat->MZutatendetailsbearbeitenClick();
        QCOMPARE(datenbankdatei(*base), (QStringList{u"Kartoffeln:1"_s, u"Zwiebeln:1"_s, u"Salz:1"_s,
                                                     u"Basilikum:0"_s, u"Die Sauce ...:4"_s, u"Lauch:1"_s}));
        QCOMPARE(IAZutaten()[0].DBIndex, Suche_Zutat(u"Kartoffeln"_s, -1));
    }

    // Opening the selection reloads the database with its inactive records;
    // every item still names its own ingredient: the scale offers its units
    // and an ingredient in use cannot be edited.
    void itemsKeepTheirRecordsAfterTheReload()
    {
        base->writeLines(Datenbank, zeilen("[TAFELWERKSTATT 2.00]|3") + zutatenRecord(u"Basilikum"_s, 7, 0)
                                        + zutatenRecord(u"Kartoffeln"_s, 2, 1) + zutatenRecord(u"Zwiebel"_s, 2, 1)
                                        + zeilen("[EOF]"));
        QVERIFY(Lade_Zutaten(Load)); // as at start: without Basilikum
        TTIAZutatenliste k = zutat(u"Kartoffeln"_s, 0, 0, u"500"_s, u"g"_s);
        k.DBIndex = Suche_Zutat(k.Zutatname, -1);
        IARezept()->IAZutaten = {k};
        Zeige_IAZutatenauswahl();
        QCOMPARE(Zutatentotal.value(IAZutaten()[0].DBIndex).Zutatname, u"Kartoffeln"_s);
        const TTIAEinheitenanzeige waage = Fuelle_IAEinheitenliste(IAZutaten()[0].DBIndex, 0, false);
        QCOMPARE(waage.Einheiten.value(waage.Einheit), u"g"_s);

        FIAZutat->ESuche->setText(u"kartoffeln"_s);
        messages->expect(u"Diese Zutat wird bereits verwendet."_s);
        QTimer::singleShot(0, [this] { // should the editor open after all
            if (!FZuDa->isVisible())
                return;
            messages->allow(u"Exit edit mode?"_s, Antwort_Ja);
            FZuDa->BAbbrechen->click();
        });
        FIAZutat->MZutatendetailsbearbeitenClick();
        QVERIFY(!FZuDa->isVisible());
    }


    // A double click takes the verb for the current device into the hand and
    // writes the verb list; on the scale a note comes instead.
    void ganzeVerbliste()
    {
        qint32 inHand = -1;
        IAKuechenanbindung.Verb_in_Hand = [&](qint32 v) { inHand = v; };
        IAVTotalliste = {{u" ... schneiden"_s, 0}, {u"schneiden ... fein"_s, 0}, {u" ... schälen"_s, 0}};
        IAStatus.Geraet = 0;
        FIAVDB->show();
        FIAVDB->ESuche->setText(u"schneiden"_s);
        QCOMPARE(zeilenVon(FIAVDB->LBVerb), (QStringList{u"schneiden ... fein"_s, u" ... schneiden"_s}));
        FIAVDB->LBVerb->setCurrentRow(1);
        FIAVDB->LBVerbDblClick();
        QCOMPARE(inHand, 0);
        QCOMPARE(verbdatei(*base), QStringList{u" ... schneiden|16|0,"_s});
        QVERIFY(FIAVDB->isMinimized());

        // with a verb in hand nothing is taken
        FIAVDB->showNormal();
        FIAVDB->LBVerb->setCurrentRow(0);
        FIAVDB->LBVerbDblClick();
        QCOMPARE(IAVERBEN.size(), 1);

        IAVerbInHand = -1;
        IAStatus.Geraet = IAWaage;
        messages->expect(u"Die Waage ist nicht zugelassen!"_s);
        FIAVDB->LBVerbDblClick();
        QCOMPARE(IAVERBEN.size(), 1);

        // "Neu" adds the search text to the whole list and takes it
        IAStatus.Geraet = 1;
        FIAVDB->ESuche->setText(u" ... würzen"_s);
        FIAVDB->BNeu->click();
        QCOMPARE(IAVTotalliste.size(), 4);
        QCOMPARE(IAVERBEN.last().Text, u" ... würzen"_s);
    }

    // Each step of the verb editor is in the file at once: add, change a
    // verb by its text (no copy, no other verb touched), delete down to one
    // verb. A new text not taken on leaves the file as it was.
    void verbeditor()
    {
        base->writeLines(Verbdatei, zeilen("[IAVERBEN 2.00]|2| ... schälen|3|1,|1,|0|0||| ... braten|4|3,|3,|0|0||"));
        QCOMPARE(Lade_IAVerben(Load), 0);
        Zeige_Verbeditor();
        QCOMPARE(zeilenVon(FIAVerb->LBVerb), (QStringList{u" ... schälen"_s, u" ... braten"_s}));

        FIAVerb->EVerb->setText(u"   ... würfeln"_s);
        FIAVerb->Waehle_Verbsymbol(2);
        messages->expect(u"\" ... würfeln\" neu aufnehmen?"_s, Antwort_Ja);
        FIAVerb->BBOK->click();
        QCOMPARE(verbdatei(*base), (QStringList{u" ... schälen|3|1,"_s, u" ... braten|4|3,"_s, u" ... würfeln|5|1,"_s}));

        const QByteArray vorher = base->readBytes(Verbdatei);
        FIAVerb->EVerb->setText(u" ... klein würfeln"_s);
        messages->expect(u"neu aufnehmen?"_s, Antwort_Nein);
        FIAVerb->BBOK->click();
        QCOMPARE(base->readBytes(Verbdatei), vorher);
        QCOMPARE(IAVERBEN.size(), 3);

        // the text of another verb: that verb is changed, keeping its text
        FIAVerb->LBVerb->setCurrentRow(0);
        FIAVerb->EVerb->setText(u" ... braten"_s);
        messages->expect(u"Für \" ... braten\" Änderungen übernehmen?"_s, Antwort_Ja);
        FIAVerb->BBOK->click();
        QCOMPARE(verbdatei(*base),
                 (QStringList{u" ... schälen|3|1,"_s, u" ... braten|3|1,"_s, u" ... würfeln|5|1,"_s}));

        for (int rest = 3; rest > 1; --rest) {
            FIAVerb->LBVerb->setCurrentRow(0);
            messages->expect(u"wirklich löschen?"_s, Antwort_Ja);
            FIAVerb->Verblschen1Click();
        }
        QCOMPARE(verbdatei(*base), QStringList{u" ... würfeln|5|1,"_s});
        FIAVerb->Verblschen1Click(); // the last verb stays, without a question
        QCOMPARE(IAVERBEN.size(), 1);

        int board = 0;
        IAKuechenanbindung.Verbleiste_zeigen = [&] { ++board; };
        messages->expect(u"Verbeneditor beenden"_s, Antwort_Ja);
        FIAVerb->BFertig->click();
        QVERIFY(IAVerbPuffer.isEmpty());
        QCOMPARE(board, 1);
    }

    // The dialog proposes the cleaned name in the recipe folder with the
    // category's filter. Cancelling writes nothing, nor does refusing to
    // overwrite.
    void exportieren()
    {
        QVERIFY(Lade_Zutaten(Load | Alle));
        RezepteTotal[0].Rezeptname = u"Kartoffeln: gebraten"_s;
        RezepteTotal[0].IAZutaten = {zutat(u"Kartoffeln"_s, 1, 0, u"500"_s, u"g"_s)};

        QStringList dialoge;
        platform::setFileDialogScript([&](platform::DialogKind art, const QString &titel, const QString &ordner,
                                          const QString &filter) {
            dialoge << QString::number(int(art)) + u'|' + titel + u'|' + ordner + u'|' + filter;
            return QString();
        });
        QCOMPARE(Exportiere_zur_Tafelwerkstatt(nullptr), TIAExportergebnis::Abgebrochen);
        QCOMPARE(dialoge, QStringList{u"1|Rezept speichern:|"_s + Programmverzeichnis
                                      + u"Recipes\\Kartoffeln gebraten.KRP|Cooking Recipes (*.KRP)"_s});
        QVERIFY(!base->exists(u"Recipes/Kartoffeln gebraten.KRP"_s));

        platform::setFileDialogScript([](platform::DialogKind, const QString &, const QString &ordner, const QString &) {
            return ordner.left(ordner.size() - 4); // the user removed the extension
        });
        QCOMPARE(Exportiere_zur_Tafelwerkstatt(nullptr), TIAExportergebnis::Geschrieben);
        // the file the appended extension names exists now: asked, kept
        const QByteArray geschrieben = base->readBytes(u"Recipes/Kartoffeln gebraten.KRP"_s);
        IARezepttext.clear();
        messages->expect(u"Die Datei existiert bereits! Überschreiben?"_s, Antwort_Nein);
        QCOMPARE(Exportiere_zur_Tafelwerkstatt(nullptr), TIAExportergebnis::Abgebrochen);
        QCOMPARE(base->readBytes(u"Recipes/Kartoffeln gebraten.KRP"_s), geschrieben);
    }
};

QTEST_MAIN(TestIAFenster)
#include "tst_iafenster.moc"
