// The kitchen window on the default installation: the ways in, the chooser,
// the start of a session, the tutorial's start and the drawing of the panels.
#include <QtWidgets>

#include "interactive/F_IAMSG.h"
#include "interactive/F_IAZutat.h"
#include "platform/Paths.h"
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
        for (const char *datei : {"Alt.IAK", "Fremd.IAK", "Waage.IAK", "Letztes Rezept.IAK"})
            platform::removeFile(base->path(QStringLiteral("Recipes/IAKochen/") + QLatin1String(datei)));
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
            FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
            FMain->LVRezepteDblClick();
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
        FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
        FMain->LVRezepteDblClick();
        QCOMPARE(FRez->REREingabe->toPlainText(), anleitung);
        QVERIFY(!FRez->Geaendert());
        FIARezeptladen->close();
        meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
        FIAMain->close();

        FRez->hide();
        FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
        FMain->LVRezepteDblClick();
        QVERIFY(FRez->REREingabe->toPlainText().isEmpty() && FRez->RERBemerkungen->toPlainText().isEmpty());
        QVERIFY(!FRez->Geaendert());
    }

    // The chooser lists only stored runs, refuses a name in use in any
    // letter case, deletes a run after asking and protects the tutorial.
    void chooser()
    {
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Alt.IAK"), iaDatei(QStringLiteral("Alt"), 0, 1));
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Fremd.IAK"), QStringList{"[ANDERS]", "Fremd", "0"});
        FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
        FMain->LVRezepteDblClick();
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

    // A run stored on the scale opens there with its item, quantity and unit.
    void scaleOnStart()
    {
        base->writeLines(QStringLiteral("Recipes\\IAKochen\\Waage.IAK"), iaDatei(QStringLiteral("Waage"), 2, 16));
        FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
        FMain->LVRezepteDblClick();
        FIARezeptladen->LBRezept->setCurrentRow(zeilenVon(FIARezeptladen->LBRezept).indexOf("Waage"));
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
        FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
        FMain->LVRezepteDblClick();
        FIARezeptladen->LBRezept->setCurrentRow(zeilenVon(FIARezeptladen->LBRezept).indexOf("Tutorial"));
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
};

QTEST_MAIN(TestKueche)
#include "tst_kueche.moc"
