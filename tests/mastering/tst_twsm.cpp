#include "testing/Masterbaum.h"
#include "testing/Testing.h"

#include <QtWidgets>

#include "core/Globals.h"
#include "app/Start.h"
#include "core/Hauptprogramm.h"
#include "mastering/F_MIAVerb.h"
#include "mastering/F_TWSM.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"
#include "recipes/F_Main.h"

using testing::MasterTree;

namespace {
QStringList Liste(QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

void Tippe(QLineEdit *e, const QString &text)
{
    // Key clicks carry ASCII only; the field sees the same change either way.
    e->setFocus();
    e->setText(text);
}
} // namespace

class TestTWSM : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TWS_Grundwerte();
        // A line written during start-up, before the windows exist.
        Protokoll.clear();
        Schreibe_Protokoll(ProtokollOK, "Kopiert: Variablen200.hbr");
        Erzeuge_Formulare();
    }
    void init() { testing::failOnWarnings(); }

    // The memo starts with its own line and the lines already written, and
    // shows every later one.
    void protocolMemo()
    {
        QCOMPARE(FTWSM->MProto->toPlainText(), "MProto\nOK:      Kopiert: Variablen200.hbr");
        Schreibe_Protokoll(ProtokollFehler, "Schritt");
        QCOMPARE(FTWSM->MProto->toPlainText().split('\n').last(), "ERROR:   Schritt");
        QVERIFY(!FTWSM->isVisible());
    }

    // The window starts on "Kein Update", so the first edition chosen is
    // the one built, not an update package.
    void startsWithoutPackage()
    {
        QCOMPARE(FTWSM->CBUpdate->currentText(), QStringLiteral("Kein Update"));
        FTWSM->CBArt->setCurrentIndex(0);
        emit FTWSM->CBArt->activated(0);
        QCOMPARE(Masterupdate, -1);
    }

    // The update list after an edition is chosen, and the package it gives.
    void updateChoice()
    {
        const struct {
            int edition;
            TUpdatewahl vorher, nachher;
            int paket;
        } faelle[] = {{7, {true, 2}, {false, -1}, -1}, // after 3 with a package
                      {0, {true, 3}, {true, 5}, 4},
                      {3, {false, -1}, {true, 0}, -1}, // enables, entry 0 when none
                      {4, {true, 1}, {false, -1}, -1}};
        for (const auto &f : faelle) {
            const TUpdatewahl w = Update_fuer_Edition(f.edition, f.vorher);
            QCOMPARE(w.Aktiv, f.nachher.Aktiv);
            QCOMPARE(w.Index, f.nachher.Index);
            QCOMPARE(Masterupdate_aus(w), f.paket);
        }
    }

    // Choosing an edition in the window clears the memo, names the edition
    // and sets the update list; choosing a package runs it again.
    void choosingEditions()
    {
        FTWSM->CBArt->setCurrentIndex(3);
        emit FTWSM->CBArt->activated(3);
        QCOMPARE(Masterart, 3);
        QCOMPARE(FTWSM->MProto->toPlainText(), "OK:      " + FTWSM->CBArt->itemText(3) + ":");
        FTWSM->CBUpdate->setCurrentIndex(3);
        emit FTWSM->CBUpdate->activated(3);
        QCOMPARE(Masterupdate, 2);
        FTWSM->CBArt->setCurrentIndex(7);
        emit FTWSM->CBArt->activated(7);
        QVERIFY(!FTWSM->CBUpdate->isEnabled());
        QCOMPARE(Masterupdate, -1);
    }

    void masterRoot()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        FTWSM->CBMP->setEditText("  /srv/master  ");
        QCOMPARE(Masterpfad, "/srv/master\\");
        // No tool runs without a master tree.
        Protokoll.clear();
        FTWSM->CBMP->setEditText("");
        FTWSM->BZutat->click();
        QCOMPARE(Protokoll, TString{"ERROR:   Masterpfad ohne Masterdaten: "});
    }

    void keyCombinationOpensIt()
    {
        FMain->show();
        QVERIFY(QTest::qWaitForWindowExposed(FMain));
        QTest::keyClick(FMain, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        QTRY_VERIFY(FTWSM->isVisible());
        FTWSM->close();
        FMain->hide();
    }

    // The verb editor: search, add with Enter (a refused duplicate does not
    // block the next), close: the master gets the list back.
    void verbEditor()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        MasterTree tree(base);
        tree.writeWholeList("IAVTotal_neu.hbr", MasterTree::wholeVerbList() << "rühre ... um");
        FTWSM->CBMP->setEditText(tree.root());
        FTWSM->show();
        FTWSM->BIAVerbeneditor->click();
        QVERIFY(FMIAVerb->isVisible() && FTWSM->isMinimized());
        QCOMPARE(Liste(FMIAVerb->LBVerb), (QStringList{"Backe ... bei GGG Grad", "Gieße Tomatensoße über ...",
                                                       "Koche ... für ZZZ Minuten", "Schneide ... in Würfel", "rühre ... um"}));

        Tippe(FMIAVerb->EEingabe, "sosse");
        QCOMPARE(Liste(FMIAVerb->LBVerb), QStringList{"Gieße Tomatensoße über ..."});
        QTest::keyClick(FMIAVerb->EEingabe, Qt::Key_Backspace, Qt::ShiftModifier);
        QCOMPARE(FMIAVerb->LBVerb->count(), 5);

        for (const QString &t : {QString("Würze ... mit Salz"), QString("RÜHRE ... UM"), QString("Brate ... an")}) {
            Tippe(FMIAVerb->EEingabe, t);
            QTest::keyClick(FMIAVerb->EEingabe, Qt::Key_Return);
            QCOMPARE(FMIAVerb->EEingabe->text(), QString());
        }
        // Each added verb stands in its sorted place at once, selected.
        QCOMPARE(Liste(FMIAVerb->LBVerb),
                 (QStringList{"Backe ... bei GGG Grad", "Brate ... an", "Gieße Tomatensoße über ...",
                              "Koche ... für ZZZ Minuten", "Schneide ... in Würfel", "Würze ... mit Salz", "rühre ... um"}));
        QCOMPARE(FMIAVerb->LBVerb->currentItem()->text(), QStringLiteral("Brate ... an"));

        FMIAVerb->close();
        QVERIFY(FTWSM->isVisible() && !FTWSM->isMinimized());
        const QStringList master = tree.masterLines("IAVTotal_Neu.hbr");
        QCOMPARE(master.mid(0, 2), (QStringList{"[IAVTOTAL 2.00]", "7"}));
        QVERIFY(master.contains("Würze ... mit Salz") && master.contains("Brate ... an"));
        QCOMPARE(master.filter("hre ... um", Qt::CaseInsensitive).size(), 1);
        FTWSM->close();
    }

    // "Web-Statistik" asks for the upload folder; cancelling does nothing.
    void verbUploadDialog()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages meldungen;
        MasterTree tree(base);
        base.writeLines("UPLOAD/a.VIA", MasterTree::verbLines({{"Würze ... mit Salz und Pfeffer aus der Mühle", 2, {4}},
                                                               {"Brate ... scharf an, bis es braun ist", 3, {2}}}));
        FTWSM->CBMP->setEditText(tree.root());
        QString antwort;
        platform::setFileDialogScript([&](platform::DialogKind, const QString &titel, const QString &, const QString &) {
            return titel == "Verzeichnis für Statistikdaten UPLOAD" ? antwort : QString();
        });
        FTWSM->BStatistik->click();
        QVERIFY(base.exists("UPLOAD/a.VIA"));
        antwort = base.root() + "UPLOAD/a.VIA";
        FTWSM->BStatistik->click();
        QVERIFY(!base.exists("UPLOAD/a.VIA"));
        QVERIFY(tree.masterLines("IAVariablenliste.hbr").contains("Brate ... scharf an, bis es braun ist"));
    }
};

QTEST_MAIN(TestTWSM)
#include "tst_twsm.moc"
