// Where the program's windows open: every window on the screen, the
// dictionary windows fixed and centred, the comment picker on top, the whole
// verb list beside the kitchen, the tutorial page at its top, the export's
// file dialog in front.
#include <QtWidgets>

#include "interactive/F_IAMSG.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IAVDB.h"
#include "interactive/KuechenLauf.h"
#include "recipes/F_ZutKom.h"
#include "reference/F_Lex.h"
#include "reference/F_TWSMLex.h"

namespace {
QRect bildschirm()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool fest(const QWidget *w)
{
    return w->minimumSize() == w->maximumSize() && !(w->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// The frame's centre lies on the screen's centre (the frame guessed before
// the first mapping may differ by a few pixels).
bool zentriert(const QWidget *w)
{
    return (w->frameGeometry().center() - bildschirm().center()).manhattanLength() < 40;
}
} // namespace

class TestFenster : public QObject, KuechenLauf
{
    Q_OBJECT
private slots:
    void initTestCase() { starteInstallation(); }
    void init() { beginneTest(); }
    void cleanup()
    {
        verlasseKueche();
        beendeTest();
    }

    // The first tutorial page opens at its heading, not scrolled to its end
    // (first here: the first showing of the page window is the one that scrolled).
    void tutorialseiteOben()
    {
        int oben = -1, unten = -1;
        QTimer::singleShot(0, this, [&] {
            oben = FIAMSG->RETut->verticalScrollBar()->value();
            unten = FIAMSG->RETut->verticalScrollBar()->maximum();
            FIAMSG->hide();
        });
        FIAMSG->Zeige_Tutorialschritt(1, true, false);
        QVERIFY(unten > 0); // the page is longer than the window
        QCOMPARE(oben, 0);
    }

    // Shown one by one, every window of the program lies wholly on the screen.
    void jedesFensterAufDemSchirm()
    {
        meldungen->allow(QString());
        int gezeigt = 0;
        const QWidgetList alle = QApplication::topLevelWidgets();
        for (QWidget *w : alle) {
            if (w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip
                || w->windowType() == Qt::Desktop || w->objectName().isEmpty())
                continue;
            w->show();
            QVERIFY2(bildschirm().contains(w->frameGeometry()), qPrintable(w->objectName()));
            w->hide();
            ++gezeigt;
        }
        QVERIFY(gezeigt > 30);
    }

    void woerterbuchFestUndZentriert()
    {
        meldungen->allow(QStringLiteral("Lexikongrafiken"));
        QVERIFY(fest(FLex) && fest(FTWSMLex));
        QVERIFY(FLex->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(FLex->windowFlags() & Qt::WindowMinimizeButtonHint);
        FLex->move(bildschirm().topLeft());
        Zeige_Lexikon(true, -1, QString());
        QVERIFY(FLex->isVisible() && zentriert(FLex));
        FTWSMLex->move(bildschirm().topLeft());
        Zeige_Lexikoneditor(0);
        QVERIFY(FTWSMLex->isVisible() && zentriert(FTWSMLex));
        FTWSMLex->hide();
        FLex->hide();
    }

    void kommentarwahlBleibtOben() { QVERIFY(FZutKom->windowFlags() & Qt::WindowStaysOnTopHint); }

    // The whole verb list covers neither the kitchen nor the tutorial page
    // (placed at the kitchen's right edge, 200 below its top), and so no
    // dialog centred over the kitchen either.
    void verblisteNebenDerKueche()
    {
        oeffneKueche();
        FIAVDB->show();
        const QRect kueche = FIAMain->frameGeometry();
        const QRect tutorial(kueche.right() + 1 - FIAMSG->frameGeometry().width(), kueche.top() + 200,
                             FIAMSG->frameGeometry().width(), FIAMSG->frameGeometry().height());
        const QRect liste = FIAVDB->frameGeometry();
        QVERIFY(bildschirm().contains(liste));
        QVERIFY(!liste.intersects(kueche) && !liste.intersects(tutorial));
        QCOMPARE(liste.bottom(), kueche.bottom());
        FIAVDB->hide();
    }

    // The export's file dialog stands in front of the whole verb list, which
    // stays on top, as a question does, and takes the keys.
    void exportdialogVorDerVerbliste()
    {
        oeffneKueche();
        FIAVDB->show();
        QWindow *vor = nullptr;
        bool oben = false;
        bool aktiv = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
            auto *dialog = QApplication::activeModalWidget();
            QTRY_COMPARE(QApplication::activeWindow(), dialog);
            aktiv = true;
            vor = dialog->windowHandle()->transientParent();
            oben = dialog->windowHandle()->flags() & Qt::WindowStaysOnTopHint;
            dialog->close();
        });
        FIAMain->ExportzumTafelwerkstatt1Click();
        QVERIFY(aktiv);
        QCOMPARE(vor, FIAVDB->windowHandle());
        QVERIFY(oben);
        FIAVDB->hide();
    }
};

QTEST_MAIN(TestFenster)
#include "tst_fenster.moc"
