#include "internet/F_RezDown.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "internet/Downloadbasis.h"
#include "internet/Rezeptdownload.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/Fensterlage.h"

TFRezDown *FRezDown = nullptr;

namespace {

TTRecipetype *Eintrag_in_Zeile(int zeile)
{
    if (zeile < 0)
        return nullptr;
    for (TTRecipetype &e : Rezeptdownloadliste)
        if (e.Listenindex == zeile)
            return &e;
    return nullptr;
}
} // namespace

TFRezDown::TFRezDown(QWidget *parent) : TDownloadfenster(parent)
{
    setObjectName(QStringLiteral("FRezDown"));
    setWindowTitle(QStringLiteral("Download recipes:"));
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Menue();
    Baue_Layout();
    Verbinde();
}

void TFRezDown::Baue_Felder()
{
    Label2 = new QLabel(QStringLiteral("Choose a category:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    CBKategorie = new QComboBox(this);
    CBKategorie->setObjectName(QStringLiteral("CBKategorie"));
    CBKategorie->setMaxVisibleItems(20);
    Label2->setBuddy(CBKategorie);

    CLBRezepte = new QListWidget(this);
    CLBRezepte->setObjectName(QStringLiteral("CLBRezepte"));
    CLBRezepte->setSelectionMode(QAbstractItemView::SingleSelection);
    CLBRezepte->setContextMenuPolicy(Qt::CustomContextMenu);

    Label1 = new QLabel(QStringLiteral("Short decription:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    MRezepte = new QPlainTextEdit(this);
    MRezepte->setObjectName(QStringLiteral("MRezepte"));
    MRezepte->setReadOnly(true);
    IRezeptart = new QLabel(this);
    IRezeptart->setObjectName(QStringLiteral("IRezeptart"));
    IRezeptart->setFixedSize(48, 48);

    BRezeptinstallieren = new QPushButton(QStringLiteral("Install recipes"), this);
    BRezeptinstallieren->setObjectName(QStringLiteral("BRezeptinstallieren"));
    BRezeptinstallieren->setDefault(true);
    BAbbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    BAbbrechen->setObjectName(QStringLiteral("BAbbrechen"));
    BBInfo = new QPushButton(this);
    BBInfo->setObjectName(QStringLiteral("BBInfo"));
    BBInfo->setToolTip(QStringLiteral("Help"));
    BBInfo->setFixedSize(36, 36);
    BBInfo->setIconSize(QSize(32, 32));
}

void TFRezDown::Baue_Menue()
{
    PMRezeptdownload = new QMenu(this);
    PMRezeptdownload->setObjectName(QStringLiteral("PMRezeptdownload"));
    auto eintrag = [this](const QString &name, const QString &text, void (TFRezDown::*slot)()) {
        QAction *a = PMRezeptdownload->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    PMAlleauswaehlen = eintrag(QStringLiteral("PMAlleauswaehlen"), QStringLiteral("Select all"),
                               &TFRezDown::PMAlleauswaehlenClick);
    PMAlleabwaehlen = eintrag(QStringLiteral("PMAlleabwaehlen"), QStringLiteral("Unselect all"),
                              &TFRezDown::PMAlleabwaehlenClick);
    PMRezepteinstallieren = eintrag(QStringLiteral("PMRezepteinstallieren"), QStringLiteral("Download recipes"),
                                    &TFRezDown::PMRezepteinstallierenClick);
    PMRezeptdownload->addSeparator();
    PMAbbrechen = eintrag(QStringLiteral("PMAbbrechen"), QStringLiteral("Cancel"), &TFRezDown::PMAbbrechenClick);
    PMHilfe = eintrag(QStringLiteral("PMHilfe"), QStringLiteral("Help"), &TFRezDown::PMHilfeClick);
}

void TFRezDown::Baue_Layout()
{
    auto *links = new QVBoxLayout;
    links->addWidget(Label2);
    links->addWidget(CBKategorie);
    links->addWidget(CLBRezepte, 1);

    auto *kopf = new QHBoxLayout;
    kopf->addWidget(Label1, 0, Qt::AlignBottom);
    kopf->addStretch(1);
    kopf->addWidget(IRezeptart);
    auto *rechts = new QVBoxLayout;
    rechts->addLayout(kopf);
    rechts->addWidget(MRezepte, 1);

    auto *mitte = new QHBoxLayout;
    mitte->addLayout(links, 1);
    mitte->addLayout(rechts, 1);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBInfo);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BRezeptinstallieren);
    knoepfe->addWidget(BAbbrechen);

    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(mitte, 1);
    haupt->addLayout(knoepfe);
    resize(620, 440);
}

void TFRezDown::Verbinde()
{
    connect(CBKategorie, &QComboBox::currentIndexChanged, this, &TFRezDown::CBKategorieChange);
    connect(CLBRezepte, &QListWidget::currentRowChanged, this, &TFRezDown::CLBRezepteClick);
    connect(CLBRezepte, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        PMRezeptdownloadPopup();
        PMRezeptdownload->popup(CLBRezepte->viewport()->mapToGlobal(pos));
    });
    connect(BRezeptinstallieren, &QPushButton::clicked, this, &TFRezDown::BRezeptinstallierenClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFRezDown::BAbbrechenClick);
    connect(BBInfo, &QPushButton::clicked, this, &TFRezDown::BBInfoClick);
}

void TFRezDown::CBKategorieChange()
{
    // A new category starts a new choice: the check marks go.
    Zeige_Rezeptauswahl(true);
}

void TFRezDown::CLBRezepteClick()
{
    Zeige_Rezeptauswahl(false);
}

void TFRezDown::BRezeptinstallierenClick()
{
    QList<qint32> gewaehlt;
    for (int zeile = 0; zeile < CLBRezepte->count(); ++zeile) {
        if (CLBRezepte->item(zeile)->checkState() != Qt::Checked)
            continue;
        for (qint32 i = 0; i < Rezeptdownloadliste.size(); ++i)
            if (Rezeptdownloadliste[i].Listenindex == zeile)
                gewaehlt.append(i);
    }
    if (gewaehlt.isEmpty()) {
        Zeige_Meldung(QStringLiteral("No recipe selected!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    setEnabled(false);
    Installiere_Rezepte(gewaehlt);
    setEnabled(true);
    close();
}

void TFRezDown::PMRezeptdownloadPopup()
{
    PMAlleauswaehlen->setEnabled(false);
    PMAlleabwaehlen->setEnabled(false);
    PMRezepteinstallieren->setEnabled(false);
    PMAbbrechen->setEnabled(true);
    if (CLBRezepte->count() == 0 || CLBRezepte->currentRow() < 0)
        return;
    bool einer = false, keiner = false;
    for (int zeile = 0; zeile < CLBRezepte->count(); ++zeile)
        (CLBRezepte->item(zeile)->checkState() == Qt::Checked ? einer : keiner) = true;
    PMAlleabwaehlen->setEnabled(einer);
    PMRezepteinstallieren->setEnabled(einer);
    PMAlleauswaehlen->setEnabled(keiner);
}

void TFRezDown::Setze_Haken(bool an)
{
    for (int zeile = 0; zeile < CLBRezepte->count(); ++zeile)
        CLBRezepte->item(zeile)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

void TFRezDown::PMAlleauswaehlenClick()
{
    Setze_Haken(true);
}

void TFRezDown::PMAlleabwaehlenClick()
{
    Setze_Haken(false);
}

void TFRezDown::PMRezepteinstallierenClick()
{
    BRezeptinstallierenClick();
}

void TFRezDown::BAbbrechenClick()
{
    close();
}

void TFRezDown::PMAbbrechenClick()
{
    close();
}

void TFRezDown::BBInfoClick()
{
    Zeige_Hilfe(Hilfethema);
}

void TFRezDown::PMHilfeClick()
{
    Zeige_Hilfe(Hilfethema);
}

void TFRezDown::FormClose()
{
    Rezeptdownloadliste.clear();
    {
        const QSignalBlocker sperre(CLBRezepte);
        CLBRezepte->clear();
    }
    hide();
    // The new recipe files are read in here.
    Kehre_zur_Uebersicht_zurueck();
}

void Zeige_Rezeptauswahl(bool neu)
{
    if (!FRezDown)
        return;
    QListWidget *liste = FRezDown->CLBRezepte;
    if (neu) {
        const QSignalBlocker sperre(liste);
        const int gemerkt = liste->currentRow();
        liste->clear();
        for (TTRecipetype &e : Rezeptdownloadliste)
            e.Listenindex = -1;
        if (FRezDown->CBKategorie->currentIndex() < 0 && FRezDown->CBKategorie->count() > 0) {
            const QSignalBlocker sperreKategorie(FRezDown->CBKategorie);
            FRezDown->CBKategorie->setCurrentIndex(0);
        }
        const int position = FRezDown->CBKategorie->currentIndex();
        const qint32 kategorie = position > 0 ? Ermittle_Kategorie_aus_Anzeigeposition(position - 1) : -1;
        for (TTRecipetype &e : Rezeptdownloadliste) {
            const QString erste = e.Dateien.value(0);
            if (erste.isEmpty() || (kategorie >= 0 && !Kategorien_der_Datei(erste).contains(kategorie)))
                continue;
            auto *zeile = new QListWidgetItem(e.Name, liste);
            zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            zeile->setCheckState(Qt::Unchecked);
            e.Listenindex = liste->count() - 1;
        }
        if (liste->count() > 0)
            liste->setCurrentRow(qBound(0, gemerkt, liste->count() - 1));
    }

    FRezDown->MRezepte->clear();
    FRezDown->IRezeptart->clear();
    const TTRecipetype *e = Eintrag_in_Zeile(liste->currentRow());
    if (!e)
        return;
    FRezDown->MRezepte->setPlainText(e->Text.join(QLatin1Char('\n')));
    for (qint32 k : Kategorien_der_Datei(e->Dateien.value(0))) {
        const QString icon =
            Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\ICO\\48_48\\Wizard_") + QString::number(k) + ".ICO";
        if (platform::fileExists(icon))
            FRezDown->IRezeptart->setPixmap(platform::loadPixmap(icon));
    }
}

void Zeige_Rezeptdownload()
{
    if (!FRezDown)
        return;
    {
        const QSignalBlocker sperre(FRezDown->CBKategorie);
        FRezDown->CBKategorie->clear();
        FRezDown->CBKategorie->addItem(QStringLiteral("All categories"));
        FRezDown->CBKategorie->setCurrentIndex(0);
    }
    const qint32 angeboten = Hole_Rezeptliste();
    if (angeboten < 0)
        return;
    if (angeboten == 0) {
        Rezeptdownloadliste.clear();
        if (Hauptfenster())
            Schalte_Menueeintrag(TMenueeintrag::Rezeptdownload, false);
        Zeige_Meldung(QStringLiteral("All recipes are installed!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    const auto zaehler = Zaehle_Kategorien(Rezeptdownloadliste);
    {
        const QSignalBlocker sperre(FRezDown->CBKategorie);
        for (qint32 p = 0; p < AnzahlKategorien; ++p)
            FRezDown->CBKategorie->addItem(Kategorienamen[p] + QLatin1Char(' ')
                                           + QString::number(zaehler[Ermittle_Kategorie_aus_Anzeigeposition(p)]));
        FRezDown->CBKategorie->setCurrentIndex(0);
    }
    Zeige_Rezeptauswahl(true);

    if (Hauptfenster()) {
        Hauptfenster()->setEnabled(false);
        Hauptfenster()->hide();
    }
    FRezDown->IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    FRezDown->BBInfo->setIcon(
        QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    Zentriere_Fenster(FRezDown);
    FRezDown->show();
    FRezDown->raise();
    FRezDown->activateWindow();
    FRezDown->CLBRezepte->setFocus();
}
