#include "interactive/F_IAMSG.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Meldung.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IAVDB.h"
#include "interactive/IAAuswahl.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "platform/Wait.h"

TFIAMSG *FIAMSG = nullptr;

QString Tutorialseite(int seite)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\IAKOCHEN\\") + QString::number(seite)
           + QStringLiteral(".hbr");
}

TFIAMSG::TFIAMSG(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FIAMSG"));
    setWindowTitle(QStringLiteral("Tutorial:"));
    setFixedSize(360, 300);
    IBack = new QLabel(this);
    IBack->setObjectName(QStringLiteral("IBack"));
    IBack->setGeometry(rect());
    IBack->setScaledContents(true);
    RETut = new QTextBrowser(this);
    RETut->setObjectName(QStringLiteral("RETut"));
    RETut->setReadOnly(true);
    RETut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BWeiter = new QPushButton(QStringLiteral("Weiter"), this);
    BWeiter->setObjectName(QStringLiteral("BWeiter"));
    BEnde = new QPushButton(QStringLiteral("Abbrechen"), this);
    BEnde->setObjectName(QStringLiteral("BEnde"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BEnde);
    knoepfe->addStretch();
    knoepfe->addWidget(BWeiter);
    auto *l = new QVBoxLayout(this);
    l->addWidget(RETut, 1);
    l->addLayout(knoepfe);
    connect(BWeiter, &QPushButton::clicked, this, &TFIAMSG::BWeiterClick);
    connect(BEnde, &QPushButton::clicked, this, &TFIAMSG::BEndeClick);
}

void TFIAMSG::Zeige_Tutorialschritt(int seite, bool abbrechen, bool weiter)
{
    const QString hintergrund = Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\") + Hintergrundgrafik;
    if (!Hintergrundgrafik.isEmpty() && platform::fileExists(hintergrund))
        IBack->setPixmap(platform::loadPixmap(hintergrund));
    Setze_Tutorialknoepfe(abbrechen, weiter);
    RETut->clear();
    if (platform::fileExists(Tutorialseite(seite)))
        platform::loadRtfFile(platform::nativePath(Tutorialseite(seite)), RETut->document());
    // The page opens at its heading: the first showing scrolls to the cursor,
    // which the loaded text pushed to its end.
    RETut->moveCursor(QTextCursor::Start);
    show();
    raise();
    platform::waitWhileVisible(this);
}

void TFIAMSG::Setze_Tutorialknoepfe(bool abbrechen, bool weiter)
{
    BWeiter->show();
    BWeiter->setEnabled(weiter);
    BEnde->show();
    BEnde->setEnabled(abbrechen);
}

void TFIAMSG::BWeiterClick()
{
    hide();
}

void TFIAMSG::BEndeClick()
{
    if (Zeige_Meldung(QStringLiteral("Soll das Tutorial beendet werden?"), QStringLiteral("Frage:"), Knoepfe_Ja_Nein)
        != Antwort_Ja)
        return;
    TutorialSchritt = 0;
    hide();
    if (FIAMain)
        FIAMain->Verlasse_Kueche(true);
}

void TFIAMSG::closeEvent(QCloseEvent *event)
{
    // Only "Weiter" and "Abbrechen" leave a page.
    event->ignore();
}

void TFIAMSG::keyPressEvent(QKeyEvent *event)
{
    // Alt+F4 does not close a page. From step 5 on the whole verb list takes
    // its short cuts from here (page 6 asks for Escape); typed characters go
    // to the kitchen. Nothing else leaves this window.
    event->accept();
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier))
        return;
    if (TutorialSchritt >= 5 && TutorialSchritt <= 7 && FIAVDB && FIAVDB->Kurztaste(event))
        return;
    if (IAKuechenanbindung.Taste && !event->text().isEmpty() && event->text().at(0).isPrint())
        IAKuechenanbindung.Taste(event);
}
