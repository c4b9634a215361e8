#include "interactive/F_IARezeptladen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IAZutat.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Wait.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "dialogs/F_Tipp.h"
#include "dialogs/Fensterlage.h"

TFIARezeptladen *FIARezeptladen = nullptr;
TIARLadeliste IARLadeliste;

namespace {

const QString Hinweis = QStringLiteral("Hinweis:");
const QString Tutorial = QStringLiteral("Tutorial");

template <typename T>
T *benannt(QWidget *eltern, const char *name)
{
    auto *w = new T(eltern);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel *ueberschrift(QWidget *eltern, const char *name, const QString &text)
{
    auto *l = benannt<QLabel>(eltern, name);
    l->setText(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// Shows a tip and keeps `fenster` disabled while it is up.
void Zeige_Tipp_ueber(QWidget *fenster, int tipp)
{
    // The window may be waiting for another one (a new recipe's kitchen
    // waits for the ingredient selection): it gets its own state back.
    const bool bereit = fenster->isEnabled();
    fenster->setEnabled(false);
    AktuellerTipp = tipp;
    if (Zeige_Tipp() == 0 && FTipp) {
        platform::waitWhileVisible(FTipp);
        fenster->raise();
    }
    fenster->setEnabled(bereit);
    fenster->raise();
}

} // namespace

TFIARezeptladen::TFIARezeptladen(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FIARezeptladen"));
    setWindowTitle(QStringLiteral("Interaktives Kochen:"));
    setFixedSize(560, 360);
    Setze_Fensterfarbe(this);
    IFBack = benannt<QLabel>(this, "IFBack");
    IFBack->setGeometry(rect());
    IFBack->setScaledContents(true);
    Baue_Neu();
    Baue_Laden();
    connect(BNeu, &QPushButton::clicked, this, &TFIARezeptladen::BNeuClick);
    connect(BBInfo, &QPushButton::clicked, this, &TFIARezeptladen::BBInfoClick);
    connect(BLaden, &QPushButton::clicked, this, &TFIARezeptladen::BLadenClick);
    connect(LBRezept, &QListWidget::itemDoubleClicked, this, &TFIARezeptladen::LBRezeptDblClick);
    connect(MRezeptloeschen, &QAction::triggered, this, &TFIARezeptladen::MRezeptloeschenClick);
    connect(LBRezept, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PMLaden->popup(LBRezept->viewport()->mapToGlobal(p)); });
}

void TFIARezeptladen::Baue_Neu()
{
    PNeu = benannt<QFrame>(this, "PNeu");
    PNeu->setGeometry(8, 8, 268, 344);
    PNeu->setFrameShape(QFrame::Panel);
    IBackN = benannt<QLabel>(PNeu, "IBackN");
    IBackN->setScaledContents(true);
    Label1 = ueberschrift(PNeu, "Label1", QStringLiteral("Neues Rezept kochen:"));
    Label4 = benannt<QLabel>(PNeu, "Label4");
    Label4->setText(QStringLiteral("Rezeptname:"));
    EName = benannt<QLineEdit>(PNeu, "EName");
    Label3 = benannt<QLabel>(PNeu, "Label3");
    Label3->setText(QStringLiteral("Rezeptkategorie:"));
    LBKategorie = benannt<QListWidget>(PNeu, "LBKategorie");
    BNeu = benannt<QPushButton>(PNeu, "BNeu");
    BNeu->setText(QStringLiteral("Neues Rezept kochen"));
    BBInfo = benannt<QPushButton>(PNeu, "BBInfo");
    BBInfo->setFixedSize(36, 36);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BBInfo);
    knoepfe->addStretch();
    knoepfe->addWidget(BNeu);
    auto *l = new QVBoxLayout(PNeu);
    l->addWidget(Label1);
    l->addWidget(Label4);
    l->addWidget(EName);
    l->addWidget(Label3);
    l->addWidget(LBKategorie, 1);
    l->addLayout(knoepfe);
}

void TFIARezeptladen::Baue_Laden()
{
    PLaden = benannt<QFrame>(this, "PLaden");
    PLaden->setGeometry(284, 8, 268, 344);
    PLaden->setFrameShape(QFrame::Panel);
    IBackL = benannt<QLabel>(PLaden, "IBackL");
    IBackL->setScaledContents(true);
    Label2 = ueberschrift(PLaden, "Label2", QStringLiteral("Vorhandenes Rezept laden:"));
    LBRezept = benannt<QListWidget>(PLaden, "LBRezept");
    LBRezept->setContextMenuPolicy(Qt::CustomContextMenu);
    PMLaden = new QMenu(this);
    PMLaden->setObjectName(QStringLiteral("PMLaden"));
    MRezeptloeschen = PMLaden->addAction(QStringLiteral("Rezept löschen"));
    MRezeptloeschen->setObjectName(QStringLiteral("MRezeptloeschen"));
    BLaden = benannt<QPushButton>(PLaden, "BLaden");
    BLaden->setText(QStringLiteral("Rezept laden"));
    auto *l = new QVBoxLayout(PLaden);
    l->addWidget(Label2);
    l->addWidget(LBRezept, 1);
    l->addWidget(BLaden, 0, Qt::AlignRight);
}

const TTIARLadeliste *TFIARezeptladen::Gewaehlter_Eintrag() const
{
    const int zeile = LBRezept->currentRow();
    if (zeile < 0 || LBRezept->selectedItems().isEmpty())
        return nullptr;
    for (const TTIARLadeliste &e : IARLadeliste)
        if (e.Listenindex == zeile)
            return &e;
    return nullptr;
}

void TFIARezeptladen::Schliesse()
{
    hide();
    if (FIAMain) {
        FIAMain->setWindowFlag(Qt::WindowCloseButtonHint, true);
        FIAMain->show();
        FIAMain->setEnabled(true);
        FIAMain->raise();
    }
}

void TFIARezeptladen::closeEvent(QCloseEvent *event)
{
    event->accept();
    Schliesse();
}

void TFIARezeptladen::keyPressEvent(QKeyEvent *event)
{
    // F2 (the dictionary elsewhere) does nothing here.
    if (event->key() == Qt::Key_F2) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFIARezeptladen::BLadenClick()
{
    const TTIARLadeliste *gewaehlt = Gewaehlter_Eintrag();
    TTRezepteTotal *r = IARezept();
    if (IARLadeliste.isEmpty() || !gewaehlt || !r) {
        setEnabled(false);
        Zeige_Meldung(QStringLiteral("Es wurden keine Rezepte gefunden..."), QStringLiteral("Fehler:"), Knopf_OK);
        setEnabled(true);
        return;
    }
    // A file that cannot be read keeps the chooser open (the load has said why).
    if (!Lade_Eintrag(*gewaehlt))
        return;
    Schliesse();
    Starte_geladen();
}

bool TFIARezeptladen::Lade_Eintrag(const TTIARLadeliste &eintrag)
{
    const TTIARLadeliste e = eintrag;
    TTRezepteTotal *r = IARezept();
    if (!r)
        return false;
    // A file that cannot be read leaves the running recipe, its lines and
    // its file name as they were.
    const TTRezepteTotal rezept = *r;
    const TIARezepttext zeilen = IARezepttext;
    const QString datei = IADateiname;
    IARezepttext.clear();
    Initialisiere_Rezept(AktuellesRezept);
    r->IAZutaten.clear();
    r->Kategorie = e.Kategorie;
    r->Rezeptname = e.Rezeptname;
    r->Dateiendung = Dateiendung_aus_Kategorie(e.Kategorie);
    IADateiname = e.Dateiname;
    if (Lade_IARezept())
        return true;
    *r = rezept;
    IARezepttext = zeilen;
    IADateiname = datei;
    return false;
}

void TFIARezeptladen::Starte_geladen()
{
    if (IARezept()->Rezeptname == Tutorial) {
        TutorialSchritt = 1;
        Zeige_Meldung(QStringLiteral("Herzlich willkommen beim Tutorial. Sie erfahren nun in wenigen Schritten, wie die "
                                     "virtuelle Küche bedient wird. Viel Spaß!"),
                      Hinweis, Knopf_OK);
    }
    if (FIAMain)
        FIAMain->Starte_IASitzung(false);
}

void TFIARezeptladen::LBRezeptDblClick()
{
    BLadenClick();
}

void TFIARezeptladen::BNeuClick()
{
    TTRezepteTotal *r = IARezept();
    if (!r)
        return;
    const QString datei = Erzeuge_IARezeptdateiname(EName->text()) + QStringLiteral(".IAK");
    if (Ist_IARezeptdatei_vorhanden(IARLadeliste, datei)) {
        setEnabled(false);
        Zeige_Meldung(QStringLiteral("Es existiert bereits ein Rezept mit diesem Namen!"), Hinweis, Knopf_OK);
        setEnabled(true);
        if (EName->isVisible() && EName->isEnabled())
            EName->setFocus();
        return;
    }
    IARezepttext.clear();
    r->Kategorie = Ermittle_Kategorie_aus_Anzeigeposition(LBKategorie->currentRow());
    r->Rezeptname = EName->text();
    // A new recipe starts with nothing on its shelves.
    r->IAZutaten.clear();
    IADateiname = datei;
    Schliesse();
    if (!FIAMain)
        return;
    FIAMain->Starte_IASitzung(true);
    Zeige_Tipp_ueber(FIAMain, 7);
    // The ingredient selection the new recipe starts with stays in front.
    if (FIAZutat && FIAZutat->isVisible())
        FIAZutat->raise();
}

void TFIARezeptladen::MRezeptloeschenClick()
{
    const TTIARLadeliste *gewaehlt = Gewaehlter_Eintrag();
    if (!gewaehlt)
        return;
    const TTIARLadeliste e = *gewaehlt;
    setEnabled(false);
    if (e.Rezeptname == Tutorial) {
        Zeige_Meldung(QStringLiteral("Das Tutorial kann nicht gelöscht werden!"), Hinweis, Knopf_OK);
        setEnabled(true);
        return;
    }
    const int antwort = Zeige_Meldung(QStringLiteral("Rezept \"") + e.Rezeptname + QStringLiteral("\" wirklich löschen?"),
                                      QStringLiteral("Frage:"), Knoepfe_Ja_Nein);
    setEnabled(true);
    if (antwort != Antwort_Ja)
        return;
    platform::removeFile(platform::nativePath(Programmverzeichnis + IAOrdner + e.Dateiname));
    Zeige_IARezeptauswahl(EName->text(), true, true);
}

void TFIARezeptladen::BBInfoClick()
{
    Zeige_Hilfe(13);
}

void Zeige_IARezeptauswahl(const QString &name, bool laden, bool neu)
{
    TFIARezeptladen *f = FIARezeptladen;
    if (!f)
        return;
    Leere_Kuechentexte();
    TutorialSchritt = 0;
    Stelle_Tutorialschalter_zurueck();

    const QPixmap hintergrund =
        platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\") + Hintergrundgrafik);
    for (QLabel *b : {f->IFBack, f->IBackN, f->IBackL})
        b->setPixmap(hintergrund);
    f->IBackL->setGeometry(1, 1, f->PLaden->width() - 2, f->PLaden->height() - 2);
    f->IBackN->setGeometry(1, 1, f->PNeu->width() - 2, f->PNeu->height() - 2);
    f->IBackL->lower();
    f->IBackN->lower();
    f->BBInfo->setIcon(QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    for (QFrame *p : {f->PNeu, f->PLaden}) {
        p->hide();
        p->setEnabled(false);
    }

    IARLadeliste = Lies_IARezeptliste();
    if (laden) {
        f->PLaden->setEnabled(true);
        f->PLaden->show();
    }
    if (neu) {
        f->PNeu->setEnabled(true);
        f->PNeu->show();
        f->EName->show();
    }
    f->LBRezept->clear();
    for (int i = 0; i < IARLadeliste.size(); ++i) {
        IARLadeliste[i].Listenindex = i;
        f->LBRezept->addItem(IARLadeliste[i].Rezeptname);
    }
    if (!IARLadeliste.isEmpty())
        f->LBRezept->setCurrentRow(0);
    f->EName->setText(name);
    f->LBKategorie->clear();
    for (const QString &k : Kategorienamen)
        f->LBKategorie->addItem(k);
    const TTRezepteTotal *r = IARezept();
    qint32 zeile = r ? Ermittle_Anzeigeposition_aus_Kategorie(r->Kategorie) : 0;
    if (zeile < 0 || zeile >= AnzahlKategorien)
        zeile = 0;
    f->LBKategorie->setCurrentRow(zeile);

    if (!laden && !neu) {
        f->Schliesse();
        if (r && FIAMain) {
            IADateiname = Erzeuge_IARezeptdateiname(r->Rezeptname) + QStringLiteral(".IAK");
            // A run stored under that name is cooked on, not replaced by an empty one.
            const auto gespeichert = std::find_if(IARLadeliste.cbegin(), IARLadeliste.cend(), [](const TTIARLadeliste &e) {
                return platform::upperCase(e.Dateiname) == platform::upperCase(IADateiname);
            });
            if (gespeichert != IARLadeliste.cend() && f->Lade_Eintrag(*gespeichert))
                f->Starte_geladen();
            else
                FIAMain->Starte_IASitzung(false);
        }
    } else {
        Zentriere_Fenster(f);
        f->show();
        f->raise();
    }
    Zeige_Tipp_ueber(f, 5);
}
