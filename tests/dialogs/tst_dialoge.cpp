// The shared dialogs: message window, wait window, help viewer, tips.
#include <QtWidgets>
#include <optional>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "platform/Paths.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/F_Tipp.h"
#include "dialogs/F_Warten.h"
#include "testing/Testing.h"

namespace {
QByteArray Absatz(const QByteArray &text)
{
    return "\\pard\\sa120 " + text + "\\par\n";
}

// The three tips, and a help file whose chapters are each taller than the
// viewer; chapter 1 opens with a numbered list that must not pass for chapters.
void Hilfedateien(testing::BaseFolder &base)
{
    base.copyFixture(QStringLiteral("recipes/main/PRGDATA"), QStringLiteral("PRGDATA"));
    const QByteArray fuellung =
        Absatz("This paragraph explains one more detail of the window in plain words.").repeated(40);
    auto kapitel = [](const char *titel) { return Absatz(QByteArray("\\b\\fs32 ") + titel + "\\b0\\fs20"); };
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                     "\\viewkind4\\uc1\\pard\\f0\\fs20\n" +
                     Absatz("Tablecraft Works help") + kapitel("1. Recipe overview");
    for (const char *zeile : {"The overview lists your recipes. To find one:", "1. Choose a category.",
                              "2. Type search words.", "3. Select a row.", "4. Double-click it."})
        rtf += Absatz(zeile);
    for (const char *titel :
         {"2. Recipe editor", "4. Digital import", "11. Interactive cooking", "18. Ingredient comments"})
        rtf += fuellung + kapitel(titel);
    base.writeBytes(QStringLiteral("PRGDATA/ENG/Anleitung.hbr"),
                    rtf + fuellung + Absatz("The end of the help text with the word marmalade.") + "}");
}
} // namespace

class TestDialoge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Installiere_Meldungsfenster(); }
    void init()
    {
        testing::failOnWarnings();
        base.emplace();
        GlobalVARInit();
        Setze_GlobalOptionen();
    }
    void cleanup() { base.reset(); }

    void meldung_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("aktion"); // a button's name, "close", "escape" or "enter"
        QTest::addColumn<int>("antwort");
        QTest::newRow("OK") << 0 << "BOK" << 1;
        QTest::newRow("Yes") << 4 << "BJa" << 6;
        QTest::newRow("No") << 4 << "BNein" << 7;
        // a Yes/No question outlives Escape and the close box; Yes answers it then
        QTest::newRow("close box keeps Yes/No open") << 4 << "close" << 6;
        QTest::newRow("close box on OK is OK") << 0 << "close" << 1;
        QTest::newRow("Escape keeps Yes/No open") << 4 << "escape" << 6;
        QTest::newRow("Escape on OK is OK") << 0 << "escape" << 1;
        QTest::newRow("Enter takes the focused Yes") << 4 << "enter" << 6;
    }

    void meldung()
    {
        QFETCH(int, buttons);
        QFETCH(QString, aktion);
        QFETCH(int, antwort);
        const QString text = "<b>Not bold</b> & 1 < 2\nsecond line";
        const QString heading = "<i>Question:</i>";
        bool geprueft = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(FMeldung && FMeldung->isVisible());
            // the heading above the text, both as plain text; the buttons asked for
            const TFMeldung *m = FMeldung;
            QCOMPARE((QStringList{m->LUeberschrift->text(), m->LText->text()}), (QStringList{heading, text}));
            QVERIFY(m->LUeberschrift->textFormat() == Qt::PlainText && m->LText->textFormat() == Qt::PlainText);
            QCOMPARE((QList<bool>{m->BOK->isVisible(), m->BJa->isVisible(), m->BNein->isVisible()}),
                     (QList<bool>{buttons == 0, buttons == 4, buttons == 4}));
            geprueft = true;
            if (aktion == QLatin1String("close"))
                FMeldung->close();
            else if (aktion == QLatin1String("escape"))
                QTest::keyClick(FMeldung, Qt::Key_Escape);
            else if (aktion == QLatin1String("enter"))
                QTest::keyClick(FMeldung, Qt::Key_Return);
            else
                FMeldung->findChild<QPushButton *>(aktion)->click();
            if (buttons == 4 && (aktion == QLatin1String("close") || aktion == QLatin1String("escape"))) {
                QVERIFY(FMeldung->isVisible());
                FMeldung->BJa->click();
            }
        });
        QCOMPARE(Zeige_Meldung(text, heading, buttons), antwort);
        QVERIFY(geprueft);
        QVERIFY(FMeldung->isHidden());
    }

    // A message raised while one is open must not steal the first one's answer.
    void meldungInMeldung()
    {
        int innen = 0;
        QTimer::singleShot(0, this, [&] {
            QTimer::singleShot(0, this, [&] {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (w != FMeldung && w->objectName() == QLatin1String("FMeldung") && w->isVisible())
                        w->findChild<QPushButton *>("BOK")->click();
            });
            innen = Zeige_Meldung("inner", "Note:", 0);
            QVERIFY(FMeldung->isVisible());
            FMeldung->BNein->click();
        });
        QCOMPARE(Zeige_Meldung("outer", "Question:", 4), 7);
        QCOMPARE(innen, 1);
    }

    // A question opens in front of the window that waits for it, above a
    // window that stays on top, and takes the keys; a second question opens
    // in front of the first. Without a window on top it stays an ordinary one.
    void meldungVorne()
    {
        const QRect bereich = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget kueche;
        kueche.resize(500, 400);
        kueche.show();
        QWidget auswahl(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        auswahl.resize(300, 200);
        auswahl.show();
        struct Lage {
            QWindow *vor;
            bool oben;
            bool aufDemSchirm;
        };
        QList<Lage> gesehen;
        auto merke = [&](QWidget *m) {
            QTRY_COMPARE(QApplication::activeWindow(), m);
            gesehen << Lage{m->windowHandle()->transientParent(), bool(m->windowFlags() & Qt::WindowStaysOnTopHint),
                            bereich.contains(m->frameGeometry())};
        };
        QTimer::singleShot(0, this, [&] {
            merke(FMeldung);
            QTimer::singleShot(0, this, [&] {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (w != FMeldung && w->objectName() == QLatin1String("FMeldung") && w->isVisible()) {
                        merke(w);
                        w->findChild<QPushButton *>("BOK")->click();
                    }
            });
            Zeige_Meldung("inner", "Note:", 0);
            FMeldung->BNein->click();
        });
        QCOMPARE(Zeige_Meldung("Delete the recipe?", "Question:", 4), 7);
        QCOMPARE(gesehen.size(), 2);
        QCOMPARE(gesehen[0].vor, auswahl.windowHandle());
        QCOMPARE(gesehen[1].vor, FMeldung->windowHandle());
        QVERIFY(gesehen[0].oben && gesehen[1].oben && gesehen[0].aufDemSchirm && gesehen[1].aufDemSchirm);

        auswahl.hide();
        gesehen.clear();
        QTimer::singleShot(0, this, [&] {
            merke(FMeldung);
            FMeldung->BOK->click();
        });
        Zeige_Meldung("Saved.", "Note:", 0);
        QCOMPARE(gesehen.size(), 1);
        QCOMPARE(gesehen[0].vor, kueche.windowHandle());
        QVERIFY(!gesehen[0].oben);
    }

    // After the answer the keys go back to the window that waited for the
    // question, not to the disabled window behind it; when the answer closed
    // it, to the window enabled again in its place; a window the answer
    // opened keeps them.
    void tastenNachDerAntwort()
    {
        QWidget kueche;
        kueche.resize(500, 400);
        kueche.show();
        QTRY_COMPARE(QApplication::activeWindow(), &kueche);
        kueche.setEnabled(false);
        QWidget editor(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        editor.resize(300, 200);
        editor.show();
        QTRY_COMPARE(QApplication::activeWindow(), &editor);
        auto antworte = [&](QPushButton *TFMeldung::*knopf) {
            QTimer::singleShot(0, this, [&, knopf] {
                QTRY_COMPARE(QApplication::activeWindow(), FMeldung);
                (FMeldung->*knopf)->click();
            });
        };

        antworte(&TFMeldung::BNein);
        QCOMPARE(Zeige_Meldung("\"Desktop\" neu aufnehmen?", "Verbeneditor:", 4), 7);
        QTRY_COMPARE(QApplication::activeWindow(), &editor);

        antworte(&TFMeldung::BJa);
        QCOMPARE(Zeige_Meldung("Verbeneditor beenden und zur\u00fcck in die K\u00fcche?", "Hinweis:", 4), 6);
        editor.hide();
        kueche.setEnabled(true);
        QTRY_COMPARE(QApplication::activeWindow(), &kueche);

        QWidget seite(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        seite.resize(200, 100);
        antworte(&TFMeldung::BOK);
        Zeige_Meldung("Welcome.", "Note:", 0);
        seite.show();
        QTRY_COMPARE(QApplication::activeWindow(), &seite);
        QTest::qWait(200);
        QCOMPARE(QApplication::activeWindow(), &seite);
    }

    // The wait window stays on top: a question at start-up would open under
    // it. It gives way while the question is open and comes back after.
    void meldungUeberWartefenster()
    {
        Aufbereitungsfenster_Auf(nullptr, AF_Nichts, "Tablecraft Works 4.00\nSearching for internet connection...");
        bool verdeckt = true;
        QTimer::singleShot(0, this, [&] {
            verdeckt = FWarten->isVisible();
            FMeldung->BJa->click();
        });
        QCOMPARE(Zeige_Meldung("Do you want to start the update?", "Question:", 4), 6);
        QVERIFY(!verdeckt);
        QVERIFY(FWarten->isVisible());
        Aufbereitungsfenster_Zu(AF_Nichts);
        QVERIFY(FWarten->isHidden());
    }

    // A tip opens in front of the chooser that stays on top and waits for
    // it, and stays in front when the chooser is brought forward.
    void tippVorne()
    {
        Hilfedateien(*base);
        Lade_FirstTipp();
        QWidget auswahl(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
        auswahl.show();
        Zeige_Tipp_immer(2);
        QVERIFY(FTipp->isVisible());
        QCOMPARE(FTipp->windowHandle()->transientParent(), auswahl.windowHandle());
        QVERIFY(FTipp->windowFlags() & Qt::WindowStaysOnTopHint);
        QTRY_COMPARE(QApplication::activeWindow(), FTipp);
        FTipp->close();
        auswahl.hide();
        Zeige_Tipp_immer(1);
        QVERIFY(!(FTipp->windowFlags() & Qt::WindowStaysOnTopHint));
        FTipp->close();
    }

    // Every window opens wholly on the screen: one placed past its bottom,
    // one larger than the screen, and one never placed (centred).
    void fensterAufDemSchirm()
    {
        const QRect bereich = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget unten;
        unten.resize(300, 200);
        unten.move(bereich.left() + 100, bereich.bottom() - 166);
        unten.show();
        QVERIFY(bereich.contains(unten.frameGeometry()));
        QCOMPARE(unten.x(), bereich.left() + 100);
        QWidget riesig;
        riesig.setMinimumSize(bereich.width() + 300, bereich.height() + 200);
        riesig.move(bereich.topLeft() - QPoint(50, 50));
        riesig.show();
        QVERIFY(bereich.contains(riesig.frameGeometry()));
        QWidget frei;
        frei.resize(400, 300);
        frei.show();
        QVERIFY(bereich.contains(frei.frameGeometry()));
        QVERIFY((frei.frameGeometry().center() - bereich.center()).manhattanLength() < 40);
    }

    void warten_data()
    {
        QTest::addColumn<int>("auf");
        QTest::addColumn<int>("zu");
        QTest::addColumn<QString>("offen"); // the window's state while the wait window is shown
        QTest::addColumn<QString>("danach");
        QTest::newRow("no flags") << 0 << 0 << "enabled shown" << "enabled shown";
        QTest::newRow("0x2000 leaves the window alone") << 0 << AF_Nichts << "enabled shown" << "enabled shown";
        QTest::newRow("disable, then enable")
            << AF_Deaktivieren << AF_Aktivieren << "disabled shown" << "enabled shown";
        QTest::newRow("disabled stays disabled with 0x2000")
            << AF_Deaktivieren << AF_Nichts << "disabled shown" << "disabled shown";
        QTest::newRow("hide, then show and bring to top") << (AF_Deaktivieren | AF_Verstecken)
            << (AF_Zeigen | AF_Aktivieren | AF_NachVorne) << "disabled hidden" << "enabled shown";
    }

    void warten()
    {
        QFETCH(int, auf);
        QFETCH(int, zu);
        QFETCH(QString, offen);
        QFETCH(QString, danach);
        QWidget fenster;
        auto zustand = [&] {
            return QStringLiteral("%1 %2").arg(fenster.isEnabled() ? "enabled" : "disabled",
                                               fenster.isVisible() ? "shown" : "hidden");
        };
        fenster.show();
        Aufbereitungsfenster_Auf(&fenster, auf, "Tablecraft Works 4.00\nSearching...");
        QVERIFY(FWarten->isVisible());
        QCOMPARE(FWarten->LText->text(), "Tablecraft Works 4.00\nSearching...");
        QCOMPARE(zustand(), offen);
        Aufbereitungsfenster_Zu(zu);
        QVERIFY(FWarten->isHidden());
        QVERIFY(FWarten->LText->text().isEmpty());
        QCOMPARE(zustand(), danach);
        // No window given: nothing to treat, nothing to crash on.
        Aufbereitungsfenster_Auf(nullptr, AF_Deaktivieren | AF_Verstecken, "x");
        Aufbereitungsfenster_Zu(AF_Zeigen | AF_Aktivieren);
        QVERIFY(FWarten->isHidden());
    }

    void kapitelsuche_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kapitel");
        QTest::addColumn<QString>("erwartet"); // empty: none
        const QString schlicht = QStringLiteral("Intro\n1. Overview\nSteps:\n1. Choose\n2. Type\n3. Click\n"
                                                "2. Editor\ntext\n3. Wizard\n4. Import\n12. Later");
        QTest::newRow("plain: a step is not the chapter") << schlicht << 2 << "2. Editor";
        QTest::newRow("plain: missing chapter") << schlicht << 7 << "";
        QTest::newRow("no chapters") << "just text\nmore" << 1 << "";
        QTest::newRow("chapter 0 is none") << schlicht << 0 << "";
        QTest::newRow("number without title") << "5.\n5. Title" << 5 << "5. Title";
    }

    void kapitelsuche()
    {
        QFETCH(QString, text);
        QFETCH(int, kapitel);
        QFETCH(QString, erwartet);
        QTextDocument doc;
        doc.setPlainText(text);
        const QTextBlock b = Finde_Kapitel(&doc, kapitel);
        QCOMPARE(b.isValid() ? b.text() : QString(), erwartet);
    }

    void hilfeAmKapitel_data()
    {
        QTest::addColumn<int>("thema");
        QTest::addColumn<QString>("erwartet");
        QTest::addColumn<bool>("ausModal"); // asked for from a modal window
        QTest::newRow("contents") << 1 << "1. Recipe overview" << false;
        QTest::newRow("a step of chapter 1 is not chapter 4") << 4 << "4. Digital import" << false;
        QTest::newRow("kitchen") << 12 << "11. Interactive cooking" << false;
        QTest::newRow("comments") << 18 << "18. Ingredient comments" << false;
        QTest::newRow("no chapter of its own: top") << 3 << "Tablecraft Works help" << false;
        QTest::newRow("unknown: top") << 99 << "Tablecraft Works help" << false;
        QTest::newRow("from a modal window: modal too") << 2 << "2. Recipe editor" << true;
    }

    void hilfeAmKapitel()
    {
        QFETCH(int, thema);
        QFETCH(QString, erwartet);
        QFETCH(bool, ausModal);
        Hilfedateien(*base);
        QWidget modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.setVisible(ausModal);
        Zeige_Hilfe(thema);
        QVERIFY(FHilfe->isVisible());
        QCOMPARE(FHilfe->windowModality(), ausModal ? Qt::ApplicationModal : Qt::NonModal);
        QVERIFY(FHilfe->REHilfe->isReadOnly());
        const QTextBlock block = FHilfe->REHilfe->textCursor().block();
        QCOMPARE(block.text(), erwartet);
        // The heading stands at the top of the view.
        const QRectF wo = FHilfe->REHilfe->document()->documentLayout()->blockBoundingRect(block);
        QVERIFY(qAbs(wo.top() - FHilfe->REHilfe->verticalScrollBar()->value()) < wo.height() + 1);
        FHilfe->close();
    }

    void hilfeSuchen()
    {
        // Without the help file: an error, and no viewer.
        testing::ScriptedMessages meldungen;
        meldungen.expect("Error: The help file is missing");
        Zeige_Hilfe(1);
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(!FHilfe || FHilfe->isHidden());
        Hilfedateien(*base);
        Zeige_Hilfe(18);
        // Found only above the cursor: the search goes on from the top.
        FHilfe->ESuchen->setText("Double-click");
        FHilfe->BSuchen->click();
        QCOMPARE(FHilfe->REHilfe->textCursor().selectedText(), "Double-click");
        QCOMPARE(FHilfe->REHilfe->textCursor().block().text(), "4. Double-click it.");
        FHilfe->ESuchen->setText("marmalade");
        FHilfe->BSuchen->click();
        QCOMPARE(FHilfe->REHilfe->textCursor().selectedText(), "marmalade");
        const int position = FHilfe->REHilfe->textCursor().position();
        FHilfe->ESuchen->setText("no such words");
        FHilfe->BSuchen->click();
        QCOMPARE(FHilfe->LSuchergebnis->text(), "Text not found.");
        QCOMPARE(FHilfe->REHilfe->textCursor().position(), position);
        QTest::keyClick(FHilfe->REHilfe, Qt::Key_Escape);
        QVERIFY(FHilfe->isHidden());
    }

    void tippEinmal()
    {
        // No tip files, or a number beyond the tips: nothing to show, nothing marked.
        Lade_FirstTipp();
        QVERIFY(GlobalFirstTipp.isEmpty());
        AktuellerTipp = 1;
        QCOMPARE(Zeige_Tipp(), -1);
        Hilfedateien(*base);
        Lade_FirstTipp();
        QCOMPARE(GlobalFirstTipp.size(), 3);
        for (const int tipp : {4, 0, -1}) {
            AktuellerTipp = tipp;
            QCOMPARE(Zeige_Tipp(), -1);
        }
        QVERIFY(!FTipp || FTipp->isHidden());
        QVERIFY(Optionen.TippsGezeigt.isEmpty());

        AktuellerTipp = 2;
        QCOMPARE(Zeige_Tipp(), 0);
        QVERIFY(FTipp->isVisible());
        QVERIFY(FTipp->RETipp->toPlainText().contains("second tip"));
        QVERIFY(!FTipp->CBKeineTipps->isChecked());
        QCOMPARE(Optionen.TippsGezeigt, "01");
        QTest::keyClick(FTipp->RETipp, Qt::Key_Return); // the default OK
        QVERIFY(FTipp->isHidden());
        QCOMPARE(Optionen.Tipps, quint8(1));
        QCOMPARE(Zeige_Tipp(), -1);
        AktuellerTipp = 1;
        QCOMPARE(Zeige_Tipp(), 0);
        FTipp->close(); // the close box counts as OK
        QCOMPARE(Optionen.TippsGezeigt, "11");
    }

    void tippAbgeschaltet()
    {
        Hilfedateien(*base);
        Lade_FirstTipp();
        AktuellerTipp = 3;
        QCOMPARE(Zeige_Tipp(), 0);
        FTipp->CBKeineTipps->setChecked(true);
        FTipp->BOK->click();
        QCOMPARE(Optionen.Tipps, quint8(0));
        AktuellerTipp = 1;
        QCOMPARE(Zeige_Tipp(), -1);
        QVERIFY(FTipp->isHidden());
        // The Help menu still shows one, with the switch as it stands.
        Zeige_Tipp_immer(1);
        QVERIFY(FTipp->isVisible());
        QVERIFY(FTipp->CBKeineTipps->isChecked());
        FTipp->CBKeineTipps->setChecked(false);
        QTest::keyClick(FTipp->RETipp, Qt::Key_Escape);
        QVERIFY(FTipp->isHidden());
        QCOMPARE(Optionen.Tipps, quint8(1));
    }

private:
    std::optional<testing::BaseFolder> base;
};

QTEST_MAIN(TestDialoge)
#include "tst_dialoge.moc"
