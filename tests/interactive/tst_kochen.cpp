// Cooking by hand in the kitchen window, driven by mouse events on its click
// surfaces and the carried item.
#include <QtWidgets>

#include "interactive/F_IAMSG.h"
#include "interactive/F_IAVDB.h"
#include "interactive/F_IAZutat.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IAHandlung.h"
#include "platform/Paths.h"
#include "KuecheFixtures.h"
#include "KuechenLauf.h"

namespace {

TTIAVERBEN verb(const QString &text, int geraet)
{
    return kueche::verb(text, 0, {geraet});
}

void maus(QWidget *w, QEvent::Type typ, const QPoint &lokal, Qt::MouseButton knopf)
{
    const Qt::MouseButtons knoepfe = typ == QEvent::MouseButtonPress ? Qt::MouseButtons(knopf) : Qt::NoButton;
    QMouseEvent e(typ, lokal, w->mapToGlobal(lokal), knopf, knoepfe, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The pointer moves to a point of the window (over the whole-window surface).
void zeige(const QPoint &fensterpunkt)
{
    maus(FIAMain->IFront, QEvent::MouseMove, fensterpunkt, Qt::NoButton);
}

QPoint mitte(const QWidget *w)
{
    return w->mapTo(FIAMain, w->rect().center());
}

// A click at a window point, landing on the surface `flaeche`.
void klicke(QWidget *flaeche, const QPoint &fensterpunkt, Qt::MouseButton knopf = Qt::LeftButton)
{
    const QPoint lokal = flaeche->mapFrom(FIAMain, fensterpunkt);
    maus(flaeche, QEvent::MouseMove, lokal, Qt::NoButton);
    maus(flaeche, QEvent::MouseButtonPress, lokal, knopf);
    maus(flaeche, QEvent::MouseButtonRelease, lokal, knopf);
}

// The carried item (or verb) is put down at a window point: the pointer goes
// there, the carried picture follows it, and the click lands on the picture.
void legeAb(const QPoint &fensterpunkt, QWidget *getragen = nullptr)
{
    zeige(fensterpunkt);
    klicke(getragen ? getragen : FIAMain->IZDummy, fensterpunkt);
}

} // namespace

class TestKochen : public QObject, protected KuechenLauf
{
    Q_OBJECT
private slots:
    void initTestCase() { starteInstallation(); }
    void cleanupTestCase() { base.reset(); }
    void init()
    {
        beginneTest();
        oeffneKueche();
    }
    void cleanup()
    {
        if (FIAMSG->isVisible())
            FIAMSG->hide();
        verlasseKueche();
        beendeTest();
        platform::removeFile(base->path(QStringLiteral("Recipes/IAKochen/Letztes Rezept.IAK")));
    }

    // Flour from the shelf, weighed, into the pot, a verb on it, salt on it.
    void fullRun()
    {
        IARezept()->IAZutaten = {zutat(QStringLiteral("Flour"), 0), zutat(QStringLiteral("Salt"), 0, 1, {}, QStringLiteral("Prise(n)"))};
        IAVERBEN = {verb(QStringLiteral(" ... sieben"), 1)};
        zeigeGeraet(1, 0);

        klicke(FIAMain->IZFront, mitte(FIAMain->IZ[0]));
        QCOMPARE(IAHandZutat, 0);
        // Unweighed: it stays in the hand.
        meldungen->expect(QStringLiteral("Bitte wiegen Sie die Zutat erst in der Waage ab!"));
        legeAb(FIAMain->P2->geometry().center());
        QCOMPARE(IAHandZutat, 0);

        // The scale icon opens the scale for the item in hand.
        legeAb(mitte(FIAMain->IC[0]));
        legeAb(FIAMain->P3->geometry().center());
        QCOMPARE(IAZutaten()[0].Ort, 2);
        QVERIFY(FIAMain->LBEinheit->count() > 0);
        FIAMain->LBEinheit->setCurrentRow(0);
        const QString einheit = FIAMain->LBEinheit->item(0)->text();
        FIAMain->CBMenge->setEditText(QStringLiteral("200"));
        klicke(FIAMain->IWFront, mitte(FIAMain->IZW1));
        QCOMPARE(IAZutaten()[0].Menge, QStringLiteral("200"));
        QCOMPARE(IAZutaten()[0].Einheit, einheit);

        legeAb(mitte(FIAMain->IC[2]));
        legeAb(FIAMain->P2->geometry().center());
        QCOMPARE(IAZutaten()[0].Ort, 1);
        QVERIFY(FIAMain->P4->isHidden() && !FIAMain->IZK[0]->isHidden());

        klicke(FIAMain->IFront, mitte(FIAMain->IVariable));
        klicke(FIAMain->IVFront, mitte(FIAMain->IV[0]));
        legeAb(mitte(FIAMain->IZK[0]), FIAMain->IVDummy);
        QCOMPARE(IARezepttext.size(), 1);
        QCOMPARE(FIAMain->LRK[0]->text(), QStringLiteral("Flour sieben."));

        // Seasoning writes a line and the spice stays in the hand.
        klicke(FIAMain->IFront, mitte(FIAMain->IGewuerz));
        klicke(FIAMain->IZFront, mitte(FIAMain->IZ[0]));
        zeige(mitte(FIAMain->IZK[0]));
        QVERIFY(!FIAMain->P8->isHidden());
        legeAb(mitte(FIAMain->IZK[0]));
        QCOMPARE(IARezepttext[0].Satz, QStringLiteral("Flour mit 1 Prise Salt würzen."));
        QCOMPARE(IAHandZutat, 1);
        legeAb(QPoint(FIAMain->width() - 5, FIAMain->height() - 5)); // over the margin: back to its shelf
        QCOMPARE(IAZutaten()[1].Ort, 0);
        QVERIFY(FIAMain->P8->isHidden());
    }

    // "Fertig" on the scale opened by the ingredient selection puts the item
    // on the shelf, keeps its unit as the default and hands back.
    void scaleFromTheSelection()
    {
        zeigeGeraet(1, 0);
        const qint32 db = Suche_Zutat(QStringLiteral("Flour"), -1);
        QVERIFY(db >= 0);
        FIAZutat->show();
        IAKuechenanbindung.Waage_oeffnen(Nimm_IAZutat_auf(db, false));
        const int letzte = FIAMain->LBEinheit->count() - 1;
        QVERIFY(letzte >= 0);
        FIAMain->LBEinheit->setCurrentRow(letzte);
        const QString einheit = FIAMain->LBEinheit->item(letzte)->text();
        FIAMain->CBMenge->setEditText(QStringLiteral("250"));
        FIAMain->BBOK->click();
        QCOMPARE((QStringList{IAZutaten().last().Menge, IAZutaten().last().Einheit}), (QStringList{QStringLiteral("250"), einheit}));
        QCOMPARE(IAZutaten().last().Ort, 0);
        QCOMPARE(Zutatentotal[db].Standardeinheit(), einheit);
        QVERIFY(!FIAMain->isEnabled() && FIAZutat->isEnabled());
        FIAZutat->close();
        QVERIFY(FIAMain->isEnabled());
    }

    // An item left on the scale while new ingredients are chosen stays on
    // the open scale and can be weighed.
    void scaleKeptThroughTheSelection()
    {
        IARezept()->IAZutaten = {zutat(QStringLiteral("Flour"), 0)};
        zeigeGeraet(1, 0);
        klicke(FIAMain->IZFront, mitte(FIAMain->IZ[0]));
        legeAb(mitte(FIAMain->IC[0]));
        legeAb(FIAMain->P3->geometry().center());
        QCOMPARE(IAZutaten()[0].Ort, 2);
        FIAMain->MZutatoderGewuerzneuaufnehmen->trigger();
        QVERIFY(FIAZutat->isVisible());
        FIAZutat->BFertig->click();
        QVERIFY(FIAMain->isEnabled() && !FIAMain->P3->isHidden() && FIAMain->P2->isHidden());
        QCOMPARE(IAStatus.Geraet, IAWaage);
        QVERIFY(FIAMain->LBEinheit->currentItem());
        FIAMain->CBMenge->setEditText(QStringLiteral("200"));
        klicke(FIAMain->IWFront, mitte(FIAMain->IZW1));
        QCOMPARE(IAZutaten()[0].Menge, QStringLiteral("200"));
    }

    // The whole verb list goes with the kitchen and takes nothing without it.
    void verbListGoesWithTheKitchen()
    {
        zeigeGeraet(1, 0);
        QTest::keyClick(FIAMain, Qt::Key_Escape);
        QVERIFY(FIAVDB->isVisible());
        meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
        FIAMain->MInteraktivesKochenbeenden->trigger();
        QVERIFY(!FIAMain->isVisible() && !FIAVDB->isVisible());

        const QString verben = QStringLiteral("PRGDATA\\ENG\\IAVariablenliste.hbr");
        const QByteArray vorher = base->readBytes(verben);
        FIAVDB->showNormal();
        FIAVDB->LBVerb->setCurrentRow(0);
        FIAVDB->LBVerbDblClick();
        FIAVDB->ESuche->setText(QStringLiteral("Neues Verb ..."));
        FIAVDB->BNeu->click();
        FIAVDB->hide();
        QCOMPARE(base->readBytes(verben), vorher);
    }

    // From step 5 the tutorial page hands Escape to the whole verb list;
    // Alt+F4 does not close the page.
    void tutorialPageKeys()
    {
        IARezept()->Rezeptname = QStringLiteral("Tutorial");
        zeigeGeraet(11, 2);
        FIAVDB->hide();
        FIAMSG->show();
        for (int schritt : {2, 6}) {
            TutorialSchritt = schritt;
            QTest::keyClick(FIAMSG, Qt::Key_Escape);
            QCOMPARE(FIAVDB->isVisible(), schritt == 6);
        }
        QTest::keyClick(FIAMSG, Qt::Key_F4, Qt::AltModifier);
        QVERIFY(FIAMSG->isVisible());
        FIAMSG->hide();
        FIAVDB->hide();
        TutorialSchritt = 0;
    }

    // A right click selects, a click on the label deselects, the group icon
    // selects all (a new arrival joining is the model's test).
    void selection()
    {
        IARezept()->IAZutaten = {zutat(QStringLiteral("Flour"), 1, 0, QStringLiteral("1"), QStringLiteral("g")),
                                 zutat(QStringLiteral("Butter"), 1, 0, QStringLiteral("1"), QStringLiteral("g"))};
        zeigeGeraet(1, 0);
        klicke(FIAMain->IKFront, mitte(FIAMain->IZK[1]), Qt::RightButton);
        QCOMPARE((QList<int>{IAStatus.Auswahlmodus, IAZutaten()[0].Auswahl, IAZutaten()[1].Auswahl}), (QList<int>{2, 0, 2}));
        klicke(FIAMain->IKFront, mitte(FIAMain->LK[1]));
        QCOMPARE(IAStatus.Auswahlmodus, 0);
        // On a desktop the popup menu opens on the press and takes the
        // release: the press alone selects, and the release adds nothing.
        const QPoint erstes = FIAMain->IKFront->mapFrom(FIAMain, mitte(FIAMain->IZK[0]));
        maus(FIAMain->IKFront, QEvent::MouseButtonPress, erstes, Qt::RightButton);
        QCOMPARE((QList<int>{IAStatus.Auswahlmodus, IAZutaten()[0].Auswahl}), (QList<int>{2, 2}));
        maus(FIAMain->IKFront, QEvent::MouseButtonRelease, erstes, Qt::RightButton);
        QCOMPARE(IAZutaten()[0].Auswahl, 2);
        klicke(FIAMain->IKFront, mitte(FIAMain->LK[0]));
        QCOMPARE(IAStatus.Auswahlmodus, 0);

        klicke(FIAMain->IKFront, mitte(FIAMain->IZKGruppe));
        QCOMPARE(IAStatus.Auswahlmodus, 1);
        QCOMPARE(FIAMain->LK[0]->text(), QStringLiteral("Alle Zutaten..."));
    }

    // The popup offers nothing with a full hand; on a shelf item it offers to
    // throw it away.
    void popupAndKeys()
    {
        IARezept()->IAZutaten = {zutat(QStringLiteral("Flour"), 0, 0, QStringLiteral("1"), QStringLiteral("g")),
                                 zutat(QStringLiteral("Sugar"), 0, 0, QStringLiteral("1"), QStringLiteral("g"))};
        IAVERBEN = {verb(QStringLiteral(" ... sieben"), 1)};
        zeigeGeraet(1, 0);
        FIAMain->PMIAPopup(FIAMain->mapToGlobal(mitte(FIAMain->IZ[1])));
        QVERIFY(FIAMain->MZutatoderGewuerzloeschen->isVisible());
        FIAMain->PMIA->hide();
        meldungen->expect(QStringLiteral("Soll die Zutat \"Sugar\" wirklich gelöscht werden?"), Antwort_Ja);
        FIAMain->MZutatoderGewuerzloeschen->trigger();
        QVERIFY(FIAMain->IZ[1]->isHidden());

        // Typing k over the board scrolls it to the first verb with K.
        IAStatus.AlleVerben = 0;
        IAVERBEN = {verb(QStringLiteral("Abgießen"), 1), verb(QStringLiteral("Kneten"), 2), verb(QStringLiteral("kochen"), 1)};
        for (int n = 0; n < 30; ++n)
            IAVERBEN << verb(QStringLiteral("rühren ") + QString::number(n), 1);
        klicke(FIAMain->IFront, mitte(FIAMain->IVariable));
        QTest::keyClick(FIAMain, Qt::Key_K);
        QCOMPARE(FIAMain->LV[0]->text(), QStringLiteral("kochen"));
        IAVERBEN = {verb(QStringLiteral(" ... sieben"), 1)};

        // F3 does not open the verb editor while a verb is in hand.
        IAVerbInHand = 0;
        QTest::keyClick(FIAMain, Qt::Key_F3);
        QVERIFY(FIAMain->isEnabled());
        FIAMain->PMIAPopup(FIAMain->mapToGlobal(mitte(FIAMain->IZ[0])));
        QVERIFY(!FIAMain->MZutatoderGewuerzloeschen->isVisible());
        IAVerbInHand = -1;

        // Ctrl+S saves; Del takes the newest line back after asking.
        IARezepttext = {TTIARezepttext{0, {}, {}, {}, {}, QStringLiteral("Flour sieben.")}};
        FIAMain->Zeige_Rezeptzeilen();
        IADateiname = QStringLiteral("Kochtest.IAK");
        meldungen->expect(QStringLiteral("Das Rezept wurde gespeichert!"));
        QTest::keyClick(FIAMain, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(base->path(QStringLiteral("Recipes/IAKochen/Kochtest.IAK"))));
        meldungen->expect(QStringLiteral("Letzte Rezeptzeile löschen?"), Antwort_Ja);
        QTest::keyClick(FIAMain, Qt::Key_Delete);
        QVERIFY(FIAMain->LRK[0]->text().isEmpty());
        platform::removeFile(base->path(QStringLiteral("Recipes/IAKochen/Kochtest.IAK")));

        // Converting puts the item on the scale as a spice.
        zeigeGeraet(1, 0);
        FIAMain->PMIAPopup(FIAMain->mapToGlobal(mitte(FIAMain->IZ[0])));
        FIAMain->PMIA->hide();
        meldungen->expect(QStringLiteral("Die Zutat \"Flour\" wird zu einem Gewürz gewandelt! Richtig?"), Antwort_Ja);
        FIAMain->MZutatzumGewuerz->trigger();
        QVERIFY(!FIAMain->P3->isHidden() && !FIAMain->IZW1->isHidden());
        QCOMPARE(FIAMain->LTitel->text(), QStringLiteral("Gewürzeinheit festlegen:"));
    }

    // "Rezept laden" keeps the running recipe when the chooser is closed.
    void loadingKeepsTheRecipeUntilChosen()
    {
        IARezept()->IAZutaten = {zutat(QStringLiteral("Flour"), 0, 0, QStringLiteral("1"), QStringLiteral("g"))};
        IARezept()->Rezeptname = QStringLiteral("Brot");
        FIAMain->MRezeptladen->trigger();
        QVERIFY(FIARezeptladen->isVisible());
        FIARezeptladen->close();
        QVERIFY(FIAMain->isEnabled());
        QCOMPARE(IAZutaten().size(), 1);
    }

    // "Verbendatenbank reseten" is never offered. Its handler asks, copies
    // the backup over the verb list and shows the backup's verbs; No, a
    // missing backup or one that is no verb list leave the verb list as it was.
    void verbListReset()
    {
        const QString verben = QStringLiteral("PRGDATA\\ENG\\IAVariablenliste.hbr");
        const QString sicherung = QStringLiteral("PRGDATA\\ENG\\IAVariablenlisteBAK.hbr");
        const QByteArray liste = base->readBytes(verben), gesichert = base->readBytes(sicherung);
        const auto zurueck = qScopeGuard([&] {
            base->writeBytes(verben, liste);
            base->writeBytes(sicherung, gesichert);
        });
        IAVERBEN = {verb(QStringLiteral(" ... sieben"), 1)};
        zeigeGeraet(1, 2);
        FIAMain->PMIAPopup(FIAMain->mapToGlobal(QPoint(5, 5)));
        FIAMain->PMIA->hide();
        QVERIFY(!FIAMain->MDatenbankreseten->isVisible() && !FIAMain->MDatenbankreseten->isEnabled());
        QCOMPARE(FIAMain->MDatenbankreseten->text(), QStringLiteral("Verbendatenbank reseten"));

        const QString frage = QStringLiteral("Möchten Sie die Verbendatenbank reseten?");
        meldungen->expect(frage, Antwort_Nein);
        FIAMain->MDatenbankresetenClick();
        QCOMPARE(base->readBytes(verben), liste);
        for (const QByteArray &kaputt : {QByteArray(), QByteArray("[IAVERBEN 2.00]\n7\n")}) {
            if (kaputt.isEmpty())
                platform::removeFile(base->path(sicherung));
            else
                base->writeBytes(sicherung, kaputt);
            meldungen->expect(frage, Antwort_Ja);
            if (!kaputt.isEmpty())
                meldungen->expect(QStringLiteral("IAVariablenlisteBAK.hbr could not be read"));
            meldungen->expect(QStringLiteral("Die Verben wurden nicht zurückgesetzt"));
            FIAMain->MDatenbankresetenClick();
            QCOMPARE(base->readBytes(verben), liste);
            QCOMPARE(FIAMain->LV[0]->text(), QStringLiteral(" ... sieben"));
            QVERIFY(FIAMain->isEnabled());
        }

        base->writeLines(sicherung, {"[IAVERBEN 2.00]", "2", " ... rühren", "3", "1,", "1,", "0", "0", "", "",
                                     "Kochen ...", "4", "1,", "1,", "0", "0", "", ""});
        meldungen->expect(frage, Antwort_Ja);
        meldungen->expect(QStringLiteral("Die Verben wurden neu geladen!"));
        FIAMain->MDatenbankresetenClick();
        QCOMPARE(base->readBytes(verben), base->readBytes(sicherung));
        QCOMPARE((QStringList{FIAMain->LV[0]->text(), FIAMain->LV[1]->text()}),
                 (QStringList{" ... rühren", "Kochen ..."}));
        QVERIFY(FIAMain->isEnabled());
    }

    // The temperature slider at the top is 250 degrees and passes step 5 of
    // the tour; step 6 moves on by itself and step 7 ends the tour.
    void tutorialToItsEnd()
    {
        IARezept()->Rezeptname = QStringLiteral("Tutorial");
        zeigeGeraet(11, 2);
        TutorialSchritt = 5;
        FIAMSG->Setze_Tutorialknoepfe(true, false);
        FIAMSG->show();
        FIAMain->TBGrad->setValue(FIAMain->TBGrad->minimum());
        QCOMPARE(IAStatus.Temperatur, 250);
        zeige(QPoint(500, 300));
        QCOMPARE(TutorialSchritt, 6);
        FIAMSG->hide();

        // The next page is shown and waits; "Weiter" hides it.
        QTimer::singleShot(0, this, [] { FIAMSG->hide(); });
        zeige(QPoint(500, 300));
        QCOMPARE(TutorialSchritt, 7);

        // Closing asks nothing during the tour and keeps the kitchen open.
        FIAMain->close();
        QVERIFY(FIAMain->isVisible());

        FIAVDB->show();
        zeige(QPoint(500, 300));
        QVERIFY(!FIAMain->isVisible() && !FIAVDB->isVisible() && FMain->isVisible());
        QVERIFY(!QFile::exists(base->path(QStringLiteral("Recipes/IAKochen/Letztes Rezept.IAK"))));
    }

    // Closing keeps the run as the last recipe and returns to the overview.
    void closing()
    {
        IARezept()->IAZutaten = {zutat(QStringLiteral("Flour"), 0, 0, QStringLiteral("1"), QStringLiteral("g"))};
        IARezept()->Rezeptname = QStringLiteral("Brot");
        IAStatus.VerbenSpeichern = 0;
        meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Nein);
        FIAMain->close();
        QVERIFY(FIAMain->isVisible());
        meldungen->expect(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), Antwort_Ja);
        FIAMain->MInteraktivesKochenbeenden->trigger();
        QVERIFY(!FIAMain->isVisible() && FMain->isVisible());
        QVERIFY(base->exists(QStringLiteral("Recipes/IAKochen/Letztes Rezept.IAK")));
    }

private:
    // Device (or the scale) and left panel shown and drawn.
    void zeigeGeraet(qint32 geraet, qint32 panel)
    {
        IAStatus.Geraet = geraet;
        IAStatus.Panel = panel;
        FIAMain->P2->setVisible(geraet < IAWaage);
        FIAMain->P3->setVisible(geraet == IAWaage);
        FIAMain->P0->setVisible(panel < 2);
        FIAMain->P1->setVisible(panel == 2);
        std::array<bool, 17> alle;
        alle.fill(true);
        FIAMain->Zeige_Geraetesymbole(alle);
        FIAMain->Zeige_Regalsymbole(true, true, true, true, true);
        FIAMain->Aktualisiere();
        FIAMain->Zeige_Kochgeraet();
        FIAMain->Aktualisiere();
        FIAMain->Zeige_linkes_Panel();
    }
};

QTEST_MAIN(TestKochen)
#include "tst_kochen.moc"
