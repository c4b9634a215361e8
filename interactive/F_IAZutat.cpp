#include "interactive/F_IAZutat.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IAModell.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Fensterlage.h"
#include "reference/F_Lex.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"

TFIAZutat *FIAZutat = nullptr;

namespace {

template <typename T> T *benannt(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

constexpr int Hilfethema = 14;

// Only active ingredients are offered.
TZutatensuchart suchart()
{
    TZutatensuchart art;
    art.Ausgeschlossen = [](const TTZutatentotal &z) { return z.Status != 1; };
    return art;
}

} // namespace

TFIAZutat::TFIAZutat(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FIAZutat"));
    setWindowTitle(QStringLiteral("Interaktives Kochen - Zutatenauswahl"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(520, 400);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Menue();
    Baue_Layout();
    Verbinde();
    Registriere_Tooltipps(this, {{QStringLiteral("ESuche"), QStringLiteral("Suchbegriffe zur Zutatensuche eingeben")}},
                          &IAStatus.Tooltipps);
}

void TFIAZutat::Baue_Felder()
{
    IBack = benannt(new QLabel(this), "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    Label1 = benannt(new QLabel(QStringLiteral("Zutat suchen:"), this), "Label1");
    ESuche = benannt(new QLineEdit(this), "ESuche");
    LBZutat = benannt(new TZutatenliste(Zutatentotal, false, this), "LBZutat");
    LBZutat->setContextMenuPolicy(Qt::CustomContextMenu);
    P1 = benannt(new QLabel(QStringLiteral("Keine Grafik gefunden..."), this), "P1");
    P1->setFixedSize(160, 160);
    P1->setAlignment(Qt::AlignCenter);
    P1->setFrameShape(QFrame::Panel);
    P1->setFrameShadow(QFrame::Sunken);
    IZutat = benannt(new QLabel(P1), "IZutat");
    IZutat->setScaledContents(true);
    IZutat->setGeometry(2, 2, 156, 156);
    Label2 = benannt(new QLabel(QStringLiteral("Rubrik:"), this), "Label2");
    LDetails = benannt(new QLabel(this), "LDetails");
    LDetails->setWordWrap(true);
    BZabwiegen = benannt(new QPushButton(QStringLiteral("Als Zutat abwiegen"), this), "BZabwiegen");
    BGabwiegen = benannt(new QPushButton(QStringLiteral("Als Gewürz definieren"), this), "BGabwiegen");
    BFertig = benannt(new QPushButton(QStringLiteral("In die Küche gehen"), this), "BFertig");
    BBInfo = benannt(new QPushButton(QStringLiteral("Hilfe"), this), "BBInfo");
}

void TFIAZutat::Baue_Menue()
{
    PPIAZutat = benannt(new QMenu(this), "PPIAZutat");
    auto eintrag = [this](const char *name, const QString &text) { return benannt(PPIAZutat->addAction(text), name); };
    MAlsZutatabwiegen = eintrag("MAlsZutatabwiegen", QStringLiteral("Als Zutat abwiegen"));
    MAlsGewuerzdefinieren = eintrag("MAlsGewuerzdefinieren", QStringLiteral("Als Gewürz definieren"));
    PPIAZutat->addSeparator();
    MNeueZutatinDatenbankaufnehmen =
        eintrag("MNeueZutatinDatenbankaufnehmen", QStringLiteral("Neue Zutat in Datenbank aufnehmen"));
    MZutatausGesamtdatenbankaufnehmen =
        eintrag("MZutatausGesamtdatenbankaufnehmen", QStringLiteral("Zutat aus Gesamtdatenbank aufnehmen"));
    MZutatausGesamtdatenbankaufnehmen->setEnabled(false);
    MZutatendetailsbearbeiten = eintrag("MZutatendetailsbearbeiten", QStringLiteral("Zutatendetails bearbeiten"));
    PPIAZutat->addSeparator();
    MHerdfibelanzeigen = eintrag("MHerdfibelanzeigen", QStringLiteral("Herdfibel anzeigen"));
    MHilfeanzeigen = eintrag("MHilfeanzeigen", QStringLiteral("Hilfe anzeigen"));
}

void TFIAZutat::Baue_Layout()
{
    auto *links = new QVBoxLayout;
    links->addWidget(Label1);
    links->addWidget(ESuche);
    links->addWidget(LBZutat, 1);
    auto *rubrik = new QHBoxLayout;
    rubrik->addWidget(Label2);
    rubrik->addWidget(LDetails, 1);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(P1, 0, Qt::AlignHCenter);
    rechts->addLayout(rubrik);
    rechts->addStretch(1);
    rechts->addWidget(BZabwiegen);
    rechts->addWidget(BGabwiegen);
    rechts->addWidget(BFertig);
    rechts->addWidget(BBInfo);
    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(rechts);
}

void TFIAZutat::Verbinde()
{
    connect(ESuche, &QLineEdit::textChanged, this, &TFIAZutat::ESucheChange);
    connect(LBZutat, &TZutatenliste::currentRowChanged, this, &TFIAZutat::LBZutatClick);
    connect(LBZutat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PPIAZutat->popup(LBZutat->viewport()->mapToGlobal(p)); });
    connect(PPIAZutat, &QMenu::aboutToShow, this, &TFIAZutat::PPIAZutatPopup);
    connect(BZabwiegen, &QPushButton::clicked, this, [this] { Nimm_auf(false); });
    connect(MAlsZutatabwiegen, &QAction::triggered, this, [this] { Nimm_auf(false); });
    connect(BGabwiegen, &QPushButton::clicked, this, [this] { Nimm_auf(true); });
    connect(MAlsGewuerzdefinieren, &QAction::triggered, this, [this] { Nimm_auf(true); });
    connect(BFertig, &QPushButton::clicked, this, &QWidget::close);
    connect(MNeueZutatinDatenbankaufnehmen, &QAction::triggered, this,
            &TFIAZutat::MNeueZutatinDatenbankaufnehmenClick);
    connect(MZutatendetailsbearbeiten, &QAction::triggered, this, &TFIAZutat::MZutatendetailsbearbeitenClick);
    connect(MHerdfibelanzeigen, &QAction::triggered, this, [] { Zeige_Lexikon(true, -1, QString()); });
    connect(MHilfeanzeigen, &QAction::triggered, this, [] { Zeige_Hilfe(Hilfethema); });
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(Hilfethema); });
}

qint32 TFIAZutat::Gewaehlte_Zutat() const
{
    return LBZutat->Aktuelle_Zutat();
}

void TFIAZutat::ESucheChange()
{
    LBZutat->Suche(ESuche->text(), suchart());
    Zeige_IAZutatdetails(LBZutat->count(), LBZutat->currentRow());
}

void TFIAZutat::LBZutatClick()
{
    Zeige_IAZutatdetails(LBZutat->count(), LBZutat->currentRow());
}

void TFIAZutat::Nimm_auf(bool gewuerz)
{
    const qint32 db = Gewaehlte_Zutat();
    if (db < 0 || !IARezept())
        return;
    if (IAZutat_im_Rezept(db) && Zeige_Meldung(IAAufnahmefrage(gewuerz), QStringLiteral("Frage:"), Knoepfe_Ja_Nein) != Antwort_Ja)
        return;
    const TTIAWaagenaufnahme aufnahme = Nimm_IAZutat_auf(db, gewuerz);
    if (aufnahme.Zutat < 0)
        return;
    if (IAKuechenanbindung.Waage_oeffnen)
        IAKuechenanbindung.Waage_oeffnen(aufnahme);
    setEnabled(false);
    showMinimized();
    if (IAKuechenanbindung.Kueche_nach_vorn)
        IAKuechenanbindung.Kueche_nach_vorn();
}

void TFIAZutat::PPIAZutatPopup()
{
    const bool gewaehlt = Gewaehlte_Zutat() >= 0;
    MAlsZutatabwiegen->setEnabled(gewaehlt);
    MAlsGewuerzdefinieren->setEnabled(gewaehlt);
    MZutatendetailsbearbeiten->setEnabled(gewaehlt);
    MZutatausGesamtdatenbankaufnehmen->setEnabled(false);
}

void TFIAZutat::Zurueck_aus_Datenbank()
{
    Pruefe_IADatenbankindizes();
    show();
    raise();
    ESucheChange();
}

void TFIAZutat::MNeueZutatinDatenbankaufnehmenClick()
{
    hide();
    // reloaded with the inactive records, so that saving keeps them
    Bearbeite_Zutat(-1, true, this, true);
    Zurueck_aus_Datenbank();
}

void TFIAZutat::MZutatendetailsbearbeitenClick()
{
    const qint32 db = Gewaehlte_Zutat();
    if (db < 0)
        return;
    for (const TTIAZutatenliste &z : IAZutaten())
        if (z.DBIndex == db) {
            Zeige_Meldung(QStringLiteral("Diese Zutat wird bereits verwendet. Sie kann nicht editiert werden!"),
                          QStringLiteral("Hinweis:"), Knopf_OK);
            return;
        }
    hide();
    Bearbeite_Zutat(db, false, this, true);
    Zurueck_aus_Datenbank();
}

void TFIAZutat::FormClose()
{
    Beende_IAZutatenauswahl();
    hide();
    if (IAKuechenanbindung.Zutatenauswahl_beendet)
        IAKuechenanbindung.Zutatenauswahl_beendet();
}

void TFIAZutat::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible())
        FormClose();
}

void TFIAZutat::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        Zeige_Hilfe(Hilfethema);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFIAZutat::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

void Zeige_IAZutatdetails(int zeilen, int zeile)
{
    if (!FIAZutat)
        return;
    if (zeilen <= 0) {
        FIAZutat->IZutat->clear();
        FIAZutat->LDetails->clear();
        return;
    }
    if (zeile < 0)
        return;
    const qint32 db = FIAZutat->LBZutat->Zutat(zeile);
    if (db < 0) {
        FIAZutat->IZutat->clear();
        return;
    }
    const qint32 gruppe = Zutatentotal[db].Kategorie;
    FIAZutat->LDetails->setText(gruppe >= 0 && gruppe < AnzahlZutatengruppen ? Zutatengruppen[gruppe] : QString());
    if (!Lade_Zutatengrafik(FIAZutat->IZutat, db))
        FIAZutat->IZutat->clear();
}

void Zeige_IAZutatenauswahl()
{
    if (!FIAZutat)
        return;
    Lade_Zutaten(Load | Alle);
    // The inactive records shift the others: each item finds its own again.
    Pruefe_IADatenbankindizes();
    FIAZutat->IBack->setPixmap(
        platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\") + Hintergrundgrafik));
    FIAZutat->BBInfo->setIcon(
        QIcon(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_blau.bmp"))));
    FIAZutat->LBZutat->Leere();
    {
        const QSignalBlocker sperre(FIAZutat->ESuche);
        FIAZutat->ESuche->clear();
    }
    FIAZutat->setEnabled(true);
    FIAZutat->ESucheChange();
    Zentriere_Fenster(FIAZutat);
    FIAZutat->showNormal();
    FIAZutat->raise();
    FIAZutat->activateWindow();
}

void Zeige_IAEinheitenliste(const TTIAEinheitenanzeige &anzeige, QListWidget *LBEinheit, QComboBox *CBMenge,
                            QLabel *LW10, QLabel *LW11, QLineEdit *EZutatName)
{
    {
        const QSignalBlocker sperre(LBEinheit);
        LBEinheit->clear();
        LBEinheit->addItems(anzeige.Einheiten);
        LBEinheit->setCurrentRow(anzeige.Einheit);
    }
    {
        const QSignalBlocker sperre(CBMenge);
        CBMenge->clear();
        CBMenge->addItems(anzeige.Mengen);
        CBMenge->setCurrentIndex(anzeige.Menge);
        CBMenge->setEditText(anzeige.Mengentext);
    }
    LW10->setText(anzeige.LW10);
    LW11->setText(anzeige.LW11);
    const QSignalBlocker sperre(EZutatName);
    EZutatName->setText(anzeige.LW11);
}
