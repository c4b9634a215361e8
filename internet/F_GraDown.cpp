#include "internet/F_GraDown.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "internet/Downloadbasis.h"
#include "internet/Grafikdownload.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/Fensterlage.h"

TFGraDown *FGraDown = nullptr;

TFGraDown::TFGraDown(QWidget *parent) : TDownloadfenster(parent)
{
    setObjectName(QStringLiteral("FGraDown"));
    setWindowTitle(QStringLiteral("Download:"));
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
}

void TFGraDown::Baue_Felder()
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    BInstallieren = new QPushButton(QStringLiteral("Install"), this);
    BInstallieren->setObjectName(QStringLiteral("BInstallieren"));
    BInstallieren->setDefault(true);
    BAbbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    BAbbrechen->setObjectName(QStringLiteral("BAbbrechen"));
    BBInfo = new QPushButton(this);
    BBInfo->setObjectName(QStringLiteral("BBInfo"));
    BBInfo->setToolTip(QStringLiteral("Help"));
    BBInfo->setFixedSize(36, 36);
    BBInfo->setIconSize(QSize(32, 32));
}

void TFGraDown::Baue_Layout()
{
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBInfo);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BInstallieren);
    knoepfe->addWidget(BAbbrechen);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(Label1, 1);
    haupt->addLayout(knoepfe);
    setFixedSize(380, 160);
}

void TFGraDown::Verbinde()
{
    connect(BInstallieren, &QPushButton::clicked, this, &TFGraDown::BInstallierenClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFGraDown::BAbbrechenClick);
    connect(BBInfo, &QPushButton::clicked, this, &TFGraDown::BBInfoClick);
}

void TFGraDown::BInstallierenClick()
{
    setEnabled(false);
    const bool alle = Installiere_Grafiken();
    setEnabled(true);
    close();
    // Only a complete run counts as done; otherwise the entry stays for a
    // second try.
    if (alle) {
        Zeige_Meldung(QStringLiteral("Download was successful!"), QStringLiteral("Note:"), Knopf_OK);
        if (Hauptfenster())
            Schalte_Menueeintrag(TMenueeintrag::Grafikdownload, false);
    }
}

void TFGraDown::BAbbrechenClick()
{
    close();
}

void TFGraDown::BBInfoClick()
{
    Zeige_Hilfe(Hilfethema);
}

void TFGraDown::FormClose()
{
    Grafikdownloadliste.clear();
    hide();
    // New pictures are read at the rebuild.
    Kehre_zur_Uebersicht_zurueck();
}

void Pruefe_Grafikupdate()
{
    const qint32 summe = Hole_Grafikliste();
    if (summe < 0)
        return;
    if (summe == 0) {
        Grafikdownloadliste.clear();
        Zeige_Meldung(QStringLiteral("All graphics and data already exists!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    if (!FGraDown)
        return;
    if (Hauptfenster()) {
        Hauptfenster()->setEnabled(false);
        Hauptfenster()->hide();
    }
    FGraDown->setWindowTitle(QStringLiteral("Download:"));
    FGraDown->Label1->setText(QString::number(summe) + QStringLiteral(" KB new data wait for downloading!"));
    FGraDown->IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    FGraDown->BBInfo->setIcon(
        QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    Zentriere_Fenster(FGraDown);
    FGraDown->show();
    FGraDown->raise();
    FGraDown->activateWindow();
}
