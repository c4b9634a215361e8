// The kitchen window on the default installation: the ways in, the chooser,
// the start of a session, the tutorial's start and the drawing of the panels.
#include <QtWidgets>

#include "interactive/F_IAMSG.h"
#include "interactive/F_IARezepttext.h"
#include "interactive/F_IAVDB.h"
#include "interactive/F_IAVerb.h"
#include "interactive/F_IAZutat.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Colors.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"
#include "KuecheFixtures.h"
#include "KuechenLauf.h"

namespace {

using kueche::zeilenVon;

int sichtbare(const auto &bilder)
{
    int n = 0;
    for (const QLabel *b : bilder)
        n += !b->isHidden();
    return n;
}

// Two pieces of an item, as the kitchen keeps it.
TTIAZutatenliste zwei(const QString &name, int ort, int gewuerz = 0)
{
    return KuechenLauf::zutat(name, ort, gewuerz, QStringLiteral("2"), QStringLiteral("Stück"));
}

// A stored run: one item (on the scale or on the shelf) and the device.
QStringList iaDatei(const QString &name, int ort, int geraet)
{
    return QStringList{IAKopf, name, "0", "1", "Tomatoes", "", "", "500", "g", "2", "-1", "Tomatoes", QString::number(ort),
                       "", "-1", "-1", "-1", "1", "3", "0", "0", "0", "0", QString::number(geraet), "0", "50", "0"}
           + QStringList(20) + QStringList{"[EOF]"};
}

} // namespace

class TestKueche : public QObject, protected KuechenLauf
{
    Q_OBJECT
private slots:
    // One installation for all tests; each test leaves its files as it found them.
    void initTestCase() { starteInstallation(); }
    void cleanupTestCase() { base.reset(); }
    void init() { beginneTest(); }
    void cleanup()
    {
        FIARezeptladen->hide();
        FIAZutat->hide();
        verlasseKueche();
        FRez->hide();
        beendeTest();
        for (const char *datei : {"Alt.IAK", "Fremd.IAK", "Waage.IAK", "Kaputt.IAK", "Letztes Rezept.IAK"})
            platform::removeFile(base->path(QStringLiteral("Recipes/IAKochen/") + QLatin1String(datei)));
        if (!m_gekocht.isEmpty())
            platform::removeFile(base->path(QStringLiteral("Recipes/IAKochen/") + m_gekocht));
        m_gekocht.clear();
        platform::setFileDialogScript({});
    }

    // Each way in opens the kitchen disabled under the chooser (the menu's
    // way starts at once); the kitchen is usable once a recipe is there.
    void waysIn_data()
    {
        QTest::addColumn<int>("weg");
        QTest::newRow("first row of the overview") << 0;
        QTest::newRow("cook the selected recipe") << 1;
        QTest::newRow("wizard") << 2;
    }
    void waysIn()
    {
        QFETCH(int, weg);
        QString name;
        if (weg == 0) {
            oeffneErsteZeile();
            name = QStringLiteral("Neues Rezept");
        } else if (weg == 1) {
            QVERIFY(FMain->Waehle_Rezept(1));
            name = RezepteTotal[1].Rezeptname;
            FMain->MRezeptnachkochen->trigger();
        } else {
            Starte_Rezeptassistent();
            FWiz01->ERezeptname->setText(QStringLiteral("Kartoffelsalat"));
            FWiz01->BWeiter->click();
            FWiz06->BBIAKochen->click();
            QCOMPARE(WizRezept, -1);
            QVERIFY(!FWiz01->isVisible());
            name = QStringLiteral("Kartoffelsalat");
        }
        QVERIFY(FIAMain->isVisible());
        // The overview steps aside while the kitchen cooks.
        QVERIFY(!FMain->isVisible());
        QCOMPARE(RezepteTotal.size(), m_rezepte + 1);
        if (weg == 1) {
            // No chooser: the recipe is cooked under its own name.
            QVERIFY(!FIARezeptladen->isVisible() && FIAMain->isEnabled());
            QCOMPARE(IADateiname, Erzeuge_IARezeptdateiname(name) + QStringLiteral(".IAK"));
            return;
        }
        QVERIFY(!FIAMain->isEnabled() && FIARezeptladen->isVisible() && !FIARezeptladen->PNeu->isHidden());
        QCOMPARE(!FIARezeptladen->PLaden->isHidden(), weg == 0);
        QCOMPARE(FIARezeptladen->EName->text(), name);
        FIARezeptladen->EName->setText(QStringLiteral("Erbsen (neu): 1/2"));
        FIARezeptladen->LBKategorie->setCurrentRow(Ermittle_Anzeigeposition_aus_Kategorie(4));
        FIARezeptladen->BNeu->click();
        // A new recipe first fills its shelf; the kitchen waits until the
        // ingredient selection hands it back.
        QVERIFY(FIAZutat->isVisible() && !FIAMain->isEnabled());
        FIAZutat->BFertig->click();
        QVERIFY(FIAMain->isEnabled());
        QCOMPARE(IARezept()->Kategorie, 4);
        QCOMPARE(IADateiname, QStringLiteral("Erbsen neu 12.IAK"));
        // No phantom item from the initialised record.
        QVERIFY(IAZutaten().isEmpty() && IARezepttext.isEmpty());
        QVERIFY(!FIAMain->P0->isHidden() && !FIAMain->P2->isHidden() && FIAMain->P3->isHidden());
    }

    // Emptying the editor's texts for the kitchen is no edit, and a recipe
    // still open in the editor keeps its texts.
    void editorTexts()
    {
        QVERIFY(FMain->Waehle_Rezept(1));
        FMain->MRezeptoeffnenClick();
        QVERIFY(FRez->isVisible());
        const QString anleitung = FRez->REREingabe->toPlainText();
        QVERIFY(!anleitung.isEmpty());
        oeffneErsteZeile();
        QCOMPARE(FRez->REREingabe->toPlainText(), anleitung);
        QVERIFY(!FRez->Geaendert());
        FIARezeptladen->close();
        meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
        FIAMain->close();

        FRez->hide();
        oeffneErsteZeile();
        QVERIFY(FRez->REREingabe->toPlainText().isEmpty() && FRez->RERBemerkungen->toPlainText().isEmpty());
        QVERIFY(!FRez->Geaendert());
    }

    // The chooser lists only stored runs, refuses a name in use in any
    // letter case, deletes a run after asking and protects the tutorial.
    void chooser()
    {
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Alt.IAK"), iaDatei(QStringLiteral("Alt"), 0, 1));
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Fremd.IAK"), QStringList{"[ANDERS]", "Fremd", "0"});
        oeffneErsteZeile();
        QCOMPARE(zeilenVon(FIARezeptladen->LBRezept), (QStringList{"Alt", "Tutorial"}));

        meldungen->expect(QStringLiteral("Es existiert bereits ein Rezept mit diesem Namen!"));
        FIARezeptladen->EName->setText(QStringLiteral("tutorial"));
        FIARezeptladen->BNeu->click();
        QVERIFY(FIARezeptladen->isVisible());

        FIARezeptladen->LBRezept->setCurrentRow(1);
        meldungen->expect(QStringLiteral("Das Tutorial kann nicht gelöscht werden!"));
        FIARezeptladen->MRezeptloeschen->trigger();
        QVERIFY(base->exists(QStringLiteral("Recipes/IAKochen/Tutorial.IAK")));

        FIARezeptladen->LBRezept->setCurrentRow(0);
        meldungen->expect(QStringLiteral("Rezept \"Alt\" wirklich löschen?"), Antwort_Nein);
        FIARezeptladen->MRezeptloeschen->trigger();
        QVERIFY(base->exists(QStringLiteral("Recipes/IAKochen/Alt.IAK")));
        meldungen->expect(QStringLiteral("Rezept \"Alt\" wirklich löschen?"), Antwort_Ja);
        FIARezeptladen->MRezeptloeschen->trigger();
        QVERIFY(!base->exists(QStringLiteral("Recipes/IAKochen/Alt.IAK")));
        QCOMPARE(zeilenVon(FIARezeptladen->LBRezept), (QStringList{"Tutorial"}));
    }

    // A run stored on the scale opens there with its item, quantity and unit;
    // so does one saved with an item on the scale and another device.
    void scaleOnStart_data()
    {
        QTest::addColumn<int>("geraet");
        QTest::newRow("scale") << 16;
        QTest::newRow("pot") << 1;
    }
    void scaleOnStart()
    {
        QFETCH(int, geraet);
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Waage.IAK"), iaDatei(QStringLiteral("Waage"), 2, geraet));
        waehleLauf(QStringLiteral("Waage"));
        FIARezeptladen->BLaden->click();
        QVERIFY(FIAMain->isEnabled());
        QVERIFY(!FIAMain->P3->isHidden() && FIAMain->P2->isHidden());
        QCOMPARE(Waagenzutat(), 0);
        QCOMPARE(FIAMain->CBMenge->currentText(), QStringLiteral("500"));
        QVERIFY(FIAMain->LBEinheit->currentItem());
        QCOMPARE(FIAMain->LBEinheit->currentItem()->text(), QStringLiteral("g"));
        QCOMPARE(sichtbare(FIAMain->IZWVerlauf), 2); // the devices the item has been on
    }

    // The board shows no sliders; the oven's stand for the set values, the
    // highest temperature at the top.
    void devices()
    {
        oeffneKueche();
        IARezept()->IAZutaten = {zwei(QStringLiteral("Kartoffeln"), 1)};
        IARezept()->IAZutaten[0].Geraete = {1, 3, 11, 9, 4};
        IAStatus.Temperatur = 250;
        IAStatus.Zeit = 65;
        FIAMain->P2->show();
        for (int geraet : {0, 11}) {
            IAStatus.Geraet = geraet;
            FIAMain->Aktualisiere();
            FIAMain->Zeige_Kochgeraet();
            for (QWidget *w : std::initializer_list<QWidget *>{FIAMain->TBZeit, FIAMain->LZeit, FIAMain->TBGrad, FIAMain->LGrad})
                QCOMPARE(!w->isHidden(), geraet == 11);
        }
        QCOMPARE(FIAMain->TBGrad->value(), FIAMain->TBGrad->minimum());
        QCOMPARE(FIAMain->LGrad->text(), QStringLiteral("250°C"));
        QCOMPARE(FIAMain->TBZeit->value(), 120 - 65);
        QCOMPARE(FIAMain->LZeit->text(), QStringLiteral("01:05"));
        // The kitchen shows the newest three devices of the history.
        QCOMPARE(sichtbare(FIAMain->IZKVerlauf[0]), 3);
        QCOMPARE(sichtbare(FIAMain->IZKVerlauf[1]), 0);
    }

    // A carried item follows the pointer and goes out of the way when put
    // down, so that its picture catches no later click.
    void carried()
    {
        oeffneKueche();
        IARezept()->IAZutaten = {zwei(QStringLiteral("Salz"), -1, 1), zwei(QStringLiteral("Kartoffeln"), 1)};
        IAMausX = 300;
        IAMausY = 400;
        IAHandZutat = 0;
        FIAMain->Zeige_Zutat_in_Hand(QPixmap(10, 10), 0);
        QCOMPARE(FIAMain->P4->pos(), QPoint(310, 410));
        FIAMain->Zeige_Wuerzvorschau(1);
        QCOMPARE(FIAMain->P8->y() + FIAMain->P8->height() + 1, FIAMain->P4->y());
        QCOMPARE(FIAMain->LZuwuerzen->text(), QStringLiteral("Kartoffeln"));
        FIAMain->Lege_Zutat_ab();
        FIAMain->Verberge_Wuerzvorschau();
        QVERIFY(FIAMain->P4->isHidden() && FIAMain->P8->isHidden());
        QVERIFY(!FIAMain->rect().contains(FIAMain->P4->pos()));
    }

    // The tutorial starts on the scale with only the scale's icon, its page
    // beside the kitchen, and gives the user's switches back at its end.
    void tutorialStart()
    {
        IAStatus.AlleVerben = 0;
        IAStatus.Tooltipps = 0;
        waehleLauf(QStringLiteral("Tutorial"));
        meldungen->expect(QStringLiteral("Herzlich willkommen beim Tutorial."));
        QStringList gesehen;
        QTimer pruefer;
        connect(&pruefer, &QTimer::timeout, this, [&] {
            if (!FIAMSG->isVisible())
                return;
            pruefer.stop();
            gesehen << QString::number(sichtbare(FIAMain->IC)) << QString::number(!FIAMain->IC[0]->isHidden())
                    << QString::number(!FIAMain->IVariable->isHidden()) << QString::number(!FIAMain->IZutat->isHidden())
                    << QString::number(FIAMSG->geometry().right() - FIAMain->geometry().right())
                    << QString::number(FIAMSG->y() - FIAMain->y()) << QString::number(FIAMSG->BWeiter->isEnabled())
                    << QString::number(FIAMSG->RETut->toPlainText().isEmpty())
                    << QString::number(IAStatus.AlleVerben) + QString::number(IAStatus.Tooltipps)
                    << QString::number(!FIAMain->P3->isHidden()) + QString::number(!FIAMain->P0->isHidden());
            FIAMSG->hide();
        });
        pruefer.start(5);
        FIARezeptladen->BLaden->click();
        QCOMPARE(TutorialSchritt, 1);
        QCOMPARE(gesehen, (QStringList{"1", "1", "0", "1", "0", "200", "0", "0", "11", "11"}));
        FIAMain->Verlasse_Kueche(false);
        QCOMPARE((QList<int>{TutorialSchritt, IAStatus.AlleVerben, IAStatus.Tooltipps}), (QList<int>{0, 0, 0}));
    }

    // Cooking a recipe from the menu after another run starts with no line
    // of that run, and Ctrl+S writes none.
    void cookingAgainStartsClean()
    {
        oeffneKueche();
        IARezepttext = {TTIARezepttext{0, {}, {}, {}, {}, QStringLiteral("Tomatoes in Würfel schneiden.")}};
        FIAMain->Zeige_Rezeptzeilen();
        meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
        FIAMain->MInteraktivesKochenbeenden->trigger();
        QVERIFY(!FIAMain->isVisible());

        kocheRezept(1);
        QVERIFY(IARezepttext.isEmpty() && FIAMain->LRK[0]->text().isEmpty());
        meldungen->expect(QStringLiteral("Das Rezept wurde gespeichert!"));
        QTest::keyClick(FIAMain, Qt::Key_S, Qt::ControlModifier);
        const QStringList datei = base->readLines(QStringLiteral("Recipes\\IAKochen\\") + m_gekocht);
        QVERIFY(!datei.join(QLatin1Char('|')).contains(QStringLiteral("Würfel")));
    }

    // A recipe with a stored run is cooked on from that run: the menu's way
    // in neither empties nor replaces the file.
    void cookingAgainKeepsTheStoredRun()
    {
        const QString name = RezepteTotal[1].Rezeptname;
        m_gekocht = Erzeuge_IARezeptdateiname(name) + QStringLiteral(".IAK");
        const QString pfad = QStringLiteral("Recipes\\IAKochen\\") + m_gekocht;
        // The run as the kitchen stores it: one item weighed on the shelf.
        oeffneKueche();
        IARezept()->Rezeptname = name;
        IARezept()->IAZutaten = {zwei(QStringLiteral("Tomatoes"), 0)};
        IADateiname = m_gekocht;
        QVERIFY(Speichere_IARezept());
        FIAMain->Verlasse_Kueche(false);
        const QByteArray vorher = base->readBytes(pfad);
        kocheRezept(1);
        QCOMPARE(IAZutaten().size(), 1);
        meldungen->expect(QStringLiteral("Das Rezept wurde gespeichert!"));
        QTest::keyClick(FIAMain, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(base->readBytes(pfad), vorher);
    }

    // Closing the chooser without a choice, or a loaded run in which nothing
    // was done, keeps the last recipe byte for byte.
    void emptyRunsKeepTheLastRecipe()
    {
        const QString letztes = QStringLiteral("Recipes\\IAKochen\\Letztes Rezept.IAK");
        base->writeLines(letztes, iaDatei(QStringLiteral("-Letztes Rezept-"), 0, 1));
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Alt.IAK"), iaDatei(QStringLiteral("Alt"), 0, 1));
        const QByteArray vorher = base->readBytes(letztes);
        for (bool laden : {false, true}) {
            oeffneErsteZeile();
            if (laden) {
                FIARezeptladen->LBRezept->setCurrentRow(zeilenVon(FIARezeptladen->LBRezept).indexOf("Alt"));
                FIARezeptladen->BLaden->click();
            } else {
                FIARezeptladen->close();
            }
            meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
            FIAMain->close();
            QVERIFY(!FIAMain->isVisible());
            QCOMPARE(base->readBytes(letztes), vorher);
        }
    }

    // A run file that cannot be read, chosen through "Rezept laden", leaves
    // the running recipe as it was: Ctrl+S writes the same file again.
    void failedLoadKeepsTheRun()
    {
        oeffneKueche();
        IARezept()->Rezeptname = QStringLiteral("Suppe");
        IARezept()->IAZutaten = {zwei(QStringLiteral("Tomatoes"), 0), zwei(QStringLiteral("Flour"), 1)};
        IARezepttext = {TTIARezepttext{0, {}, {}, {}, {}, QStringLiteral("Tomatoes in Würfel schneiden.")}};
        m_gekocht = IADateiname = QStringLiteral("Suppe.IAK");
        FIAMain->Aktualisiere();
        const QString pfad = QStringLiteral("Recipes\\IAKochen\\Suppe.IAK");
        meldungen->expect(QStringLiteral("Das Rezept wurde gespeichert!"));
        QTest::keyClick(FIAMain, Qt::Key_S, Qt::ControlModifier);
        const QByteArray vorher = base->readBytes(pfad);
        QVERIFY(!vorher.isEmpty());
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Kaputt.IAK"), QStringList{IAKopf, "Kaputt", "0", "5"});

        FIAMain->MRezeptladen->trigger();
        FIARezeptladen->LBRezept->setCurrentRow(zeilenVon(FIARezeptladen->LBRezept).indexOf("Kaputt"));
        meldungen->expect(QStringLiteral("\"Kaputt.IAK\" ist unvollständig oder beschädigt"));
        FIARezeptladen->BLaden->click();
        QVERIFY(FIARezeptladen->isVisible());
        FIARezeptladen->close();
        QVERIFY(FIAMain->isEnabled());
        QCOMPARE((QStringList{IARezept()->Rezeptname, IADateiname}), (QStringList{"Suppe", "Suppe.IAK"}));
        QCOMPARE(IAZutaten().size(), 2);
        QCOMPARE(IARezepttext.size(), 1);
        meldungen->expect(QStringLiteral("Das Rezept wurde gespeichert!"));
        QTest::keyClick(FIAMain, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(base->readBytes(pfad), vorher);
    }

    // "Abbrechen" on the tutorial's first page, reached through the chooser,
    // leaves no kitchen behind: the overview is back and every way in works.
    void tutorialCancelledOnItsFirstPage()
    {
        waehleLauf(QStringLiteral("Tutorial"));
        meldungen->expect(QStringLiteral("Herzlich willkommen beim Tutorial."));
        meldungen->expect(QStringLiteral("Soll das Tutorial beendet werden?"), Antwort_Ja);
        QTimer abbrechen;
        connect(&abbrechen, &QTimer::timeout, this, [&] {
            if (!FIAMSG->isVisible())
                return;
            abbrechen.stop();
            FIAVDB->show();
            FIAMSG->BEnde->click();
        });
        abbrechen.start(5);
        FIARezeptladen->BLaden->click();
        QVERIFY(!FIAMain->isVisible() && !FIAVDB->isVisible() && FMain->isVisible());
        QCOMPARE(RezepteTotal.size(), m_rezepte);
        kocheRezept(1);
        QVERIFY(FIAMain->isVisible() && FIAMain->isEnabled());
    }

    // The export never proposes the file of the recipe the run was cooked
    // from; its question about an existing file is German.
    void exportProposal()
    {
        kocheRezept(1);
        QString vorschlag;
        platform::setFileDialogScript([&](platform::DialogKind, const QString &, const QString &ordner, const QString &) {
            vorschlag = ordner;
            return QString();
        });
        QTest::keyClick(FIAMain, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!vorschlag.isEmpty());
        QVERIFY(!platform::fileExists(vorschlag));
        QVERIFY(platform::upperCase(vorschlag) != platform::upperCase(RezepteTotal[1].Dateiname));
        QCOMPARE(FIAMain->ExportzumTafelwerkstatt1->text(), QStringLiteral("Export zum Tafelwerkstatt"));
    }

    // The verb editor's list and fields and the recipe text window take the
    // kitchen's colour; the recipe text window keeps its size; a verb's
    // caption shows whole on the board; tutorial page 5 tells where the
    // sliders are.
    void looks()
    {
        const QColor farbe = platform::fromTColor(Fensterfarbe);
        QCOMPARE(FIAVerb->LBVerb->palette().color(QPalette::Base), farbe);
        QCOMPARE(FIAVerb->EVerb->palette().color(QPalette::Base), farbe);
        QCOMPARE(FIAVerb->Panel1->palette().color(QPalette::Window), farbe);
        QCOMPARE(FIARezepttext->minimumSize(), FIARezepttext->maximumSize());

        oeffneKueche();
        IAVERBEN = {kueche::verb(QStringLiteral("Die Zwiebeln ... in feine Scheiben schneiden"), 0, {1})};
        IAStatus.Geraet = 1;
        FIAMain->Aktualisiere();
        FIAMain->Zeige_Verbleiste();
        const QLabel *l = FIAMain->LV[0];
        QCOMPARE(l->text().size(), 40);
        const QRect noetig = l->fontMetrics().boundingRect(l->contentsRect(), int(l->alignment())
                                                               | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        QVERIFY2(l->contentsRect().contains(noetig), qPrintable(QStringLiteral("%1x%2").arg(noetig.width()).arg(noetig.height())));

        TutorialSchritt = 5;
        QTimer::singleShot(0, this, [] { FIAMSG->hide(); });
        FIAMSG->Zeige_Tutorialschritt(5, true, true);
        TutorialSchritt = 0;
        QVERIFY(FIAMSG->RETut->toPlainText().contains(QStringLiteral("Links neben dem Gerät finden Sie zwei Schieberegler: oben die Garzeit")));
    }

    // "Abbrechen" on a tutorial page asks first and then leaves the kitchen
    // without saving.
    void tutorialPage()
    {
        oeffneKueche();
        QTimer::singleShot(0, this, [] { FIAMSG->BEnde->click(); });
        QTimer::singleShot(0, this, [] { FIAMSG->BEnde->click(); });
        meldungen->expect(QStringLiteral("Soll das Tutorial beendet werden?"), Antwort_Nein);
        meldungen->expect(QStringLiteral("Soll das Tutorial beendet werden?"), Antwort_Ja);
        TutorialSchritt = 2;
        FIAMSG->Zeige_Tutorialschritt(3, true, false);
        QVERIFY(!FIAMSG->isVisible() && !FIAMain->isVisible());
        QCOMPARE(AktuellesRezept, -1);
    }

private:
    // The overview's first row ("Neues Rezept") opened: the kitchen under its chooser.
    void oeffneErsteZeile()
    {
        FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
        FMain->LVRezepteDblClick();
    }
    // The chooser, with the stored run of this name selected.
    void waehleLauf(const QString &name)
    {
        oeffneErsteZeile();
        FIARezeptladen->LBRezept->setCurrentRow(zeilenVon(FIARezeptladen->LBRezept).indexOf(name));
    }
    // The overview's "Cook interactively..." on recipe `zeile`.
    void kocheRezept(int zeile)
    {
        QVERIFY(FMain->Waehle_Rezept(zeile));
        m_gekocht = Erzeuge_IARezeptdateiname(RezepteTotal[zeile].Rezeptname) + QStringLiteral(".IAK");
        FMain->MRezeptnachkochen->trigger();
        QVERIFY(FIAMain->isVisible() && FIAMain->isEnabled());
    }

    QString m_gekocht;
};

QTEST_MAIN(TestKueche)
#include "tst_kueche.moc"
