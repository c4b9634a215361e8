#include "reference/F_AktivZuDa.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
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
#include "core/Tabellen.h"
#include "platform/Pictures.h"
#include "recipes/F_Hilfe.h"
#include "recipes/F_Main.h"
#include "recipes/F_Meldung.h"
#include "recipes/F_Warten.h"
#include "reference/F_Lex.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatensuche.h"

TFAktivZuDa *FAktivZuDa = nullptr;

namespace {

template <typename T> T *benannt(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

const QString Mindestmeldung = QStringLiteral("Two ingredients are minimum on the database!");

} // namespace

qint32 Zaehle_aktive_Zutaten(const TZutatentotal &zutaten)
{
    qint32 n = 0;
    for (const TTZutatentotal &z : zutaten)
        if (z.Status == 1 && !z.Zutatname.isEmpty())
            ++n;
    return n;
}

bool Abwahl_erlaubt(qint32 aktive, qint32 markierte)
{
    return markierte > 0 && aktive - markierte >= MindestzahlAktiveZutaten;
}

TAktivZuDaPopup Ermittle_AktivZuDaPopup(qint32 zeilen, qint32 markierte, qint32 aktive, bool zeileGewaehlt)
{
    TAktivZuDaPopup p;
    if (zeilen <= 0)
        return p;
    const bool erlaubt = Abwahl_erlaubt(aktive, markierte);
    p.Auswahlaufheben = p.Markierteaktivieren = markierte > 0;
    p.Markiertedeaktivieren = p.Markierteloeschen = erlaubt;
    p.AlleAuswaehlen = zeilen != markierte;
    p.Zudatendetailsbearbeiten = zeileGewaehlt;
    return p;
}

TFAktivZuDa::TFAktivZuDa(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FAktivZuDa"));
    setWindowTitle(QStringLiteral("Organize ingredients on the database:"));
    resize(560, 520);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Menue();
    Baue_Layout();
    Verbinde();
    Registriere_Tooltipps(this, {
        {QStringLiteral("ESuche"), QStringLiteral("Search ingredients")},
        {QStringLiteral("CBZart"), QStringLiteral("Show one ingredient group")},
        {QStringLiteral("CBAktiv"), QStringLiteral("Show active or non-active ingredients")},
        {QStringLiteral("BAktiv"), QStringLiteral("Activate the ticked ingredients")},
        {QStringLiteral("BInaktiv"), QStringLiteral("Deactivate the ticked ingredients")},
        {QStringLiteral("BLoeschen"), QStringLiteral("Delete the ticked ingredients")},
        {QStringLiteral("BZurueck"), QStringLiteral("Save and close")},
        {QStringLiteral("BBInfo"), QStringLiteral("Help")},
    });
}

void TFAktivZuDa::Baue_Felder()
{
    IBack = benannt(new QLabel(this), "IBack");
    IBack->setScaledContents(true);
    IBack->lower();
    ESuche = benannt(new QLineEdit(this), "ESuche");
    CBZart = benannt(new QComboBox(this), "CBZart");
    CBAktiv = benannt(new QComboBox(this), "CBAktiv");
    CLBZutat = benannt(new QListWidget(this), "CLBZutat");
    CLBZutat->setContextMenuPolicy(Qt::CustomContextMenu);
    IZutat = benannt(new QLabel(this), "IZutat");
    IZutat->setFixedSize(96, 96);
    IZutat->setScaledContents(true);
    BAktiv = benannt(new QPushButton(QStringLiteral("Activate"), this), "BAktiv");
    BInaktiv = benannt(new QPushButton(QStringLiteral("Deactivate"), this), "BInaktiv");
    BLoeschen = benannt(new QPushButton(QStringLiteral("Delete"), this), "BLoeschen");
    BZurueck = benannt(new QPushButton(QStringLiteral("Back"), this), "BZurueck");
    BBInfo = benannt(new QPushButton(QStringLiteral("Help"), this), "BBInfo");
}

void TFAktivZuDa::Baue_Menue()
{
    PMAktivZuDa = benannt(new QMenu(this), "PMAktivZuDa");
    auto eintrag = [this](const char *name, const QString &text) {
        return benannt(PMAktivZuDa->addAction(text), name);
    };
    PMAlleAuswaehlen = eintrag("PMAlleAuswaehlen", QStringLiteral("Select all"));
    PMAuswahlaufheben = eintrag("PMAuswahlaufheben", QStringLiteral("Clear selection"));
    PMAktivZuDa->addSeparator();
    PMMarkierteaktivieren = eintrag("PMMarkierteaktivieren", QStringLiteral("Activate selected ingredients"));
    PMMarkiertedeaktivieren = eintrag("PMMarkiertedeaktivieren", QStringLiteral("Deactivate selected ingredients"));
    PMMarkierteloeschen = eintrag("PMMarkierteloeschen", QStringLiteral("Delete selected ingredients"));
    PMAktivZuDa->addSeparator();
    PMSucheingabenzuruecksetzen = eintrag("PMSucheingabenzuruecksetzen", QStringLiteral("Reset search"));
    PMZudatendetailsbearbeiten = eintrag("PMZudatendetailsbearbeiten", QStringLiteral("Edit ingredient details..."));
    PMAktivZuDa->addSeparator();
    PMHerdfibel = eintrag("PMHerdfibel", QStringLiteral("Cooking dictionary..."));
    PMHilfe = eintrag("PMHilfe", QStringLiteral("Help"));
    PMBearbeitungbeenden = eintrag("PMBearbeitungbeenden", QStringLiteral("Close"));
}

void TFAktivZuDa::Baue_Layout()
{
    auto *filter = new QHBoxLayout;
    filter->addWidget(CBZart, 1);
    filter->addWidget(CBAktiv, 1);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(IZutat);
    rechts->addWidget(BAktiv);
    rechts->addWidget(BInaktiv);
    rechts->addWidget(BLoeschen);
    rechts->addStretch(1);
    rechts->addWidget(BBInfo);
    rechts->addWidget(BZurueck);
    auto *gitter = new QGridLayout(this);
    gitter->addWidget(ESuche, 0, 0);
    gitter->addLayout(filter, 1, 0);
    gitter->addWidget(CLBZutat, 2, 0);
    gitter->addLayout(rechts, 0, 1, 3, 1);
    gitter->setRowStretch(2, 1);
}

void TFAktivZuDa::Verbinde()
{
    connect(ESuche, &QLineEdit::textChanged, this, &TFAktivZuDa::Suche);
    connect(CBZart, &QComboBox::currentIndexChanged, this, &TFAktivZuDa::Suche);
    connect(CBAktiv, &QComboBox::currentIndexChanged, this, &TFAktivZuDa::Suche);
    connect(CLBZutat, &QListWidget::currentRowChanged, this, &TFAktivZuDa::CLBZutatClick);
    connect(CLBZutat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PMAktivZuDa->popup(CLBZutat->viewport()->mapToGlobal(p)); });
    connect(PMAktivZuDa, &QMenu::aboutToShow, this, &TFAktivZuDa::PMAktivZuDaPopup);
    connect(BAktiv, &QPushButton::clicked, this, &TFAktivZuDa::BAktivClick);
    connect(BInaktiv, &QPushButton::clicked, this, &TFAktivZuDa::BInaktivClick);
    connect(BLoeschen, &QPushButton::clicked, this, &TFAktivZuDa::BLoeschenClick);
    connect(BZurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(BBInfo, &QPushButton::clicked, this, [] { Zeige_Hilfe(3); });
    connect(PMAlleAuswaehlen, &QAction::triggered, this, &TFAktivZuDa::PMAlleAuswaehlenClick);
    connect(PMAuswahlaufheben, &QAction::triggered, this, &TFAktivZuDa::PMAuswahlaufhebenClick);
    connect(PMMarkierteaktivieren, &QAction::triggered, this, &TFAktivZuDa::BAktivClick);
    connect(PMMarkiertedeaktivieren, &QAction::triggered, this, &TFAktivZuDa::BInaktivClick);
    connect(PMMarkierteloeschen, &QAction::triggered, this, &TFAktivZuDa::BLoeschenClick);
    connect(PMSucheingabenzuruecksetzen, &QAction::triggered, this, &TFAktivZuDa::PMSucheingabenzuruecksetzenClick);
    connect(PMZudatendetailsbearbeiten, &QAction::triggered, this, &TFAktivZuDa::PMZudatendetailsbearbeitenClick);
    connect(PMHerdfibel, &QAction::triggered, this, [] { Zeige_Lexikon(true, -1, QString()); });
    connect(PMHilfe, &QAction::triggered, this, [] { Zeige_Hilfe(3); });
    connect(PMBearbeitungbeenden, &QAction::triggered, this, &QWidget::close);
}

void TFAktivZuDa::Vorbereiten()
{
    IBack->setPixmap(platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\")
                                          + Hintergrundgrafik));
    BBInfo->setIcon(QIcon(platform::loadPixmap(Programmverzeichnis
                                               + QStringLiteral("Grafiken\\ENG\\BMP\\Hilfe_Blau.bmp"))));
    {
        const QSignalBlocker a(CBAktiv), z(CBZart), s(ESuche);
        CBAktiv->clear();
        CBAktiv->addItems({QStringLiteral("All ingredient categories"), QStringLiteral("Non-active ingredients"),
                           QStringLiteral("Active ingredients")});
        CBZart->clear();
        CBZart->addItem(QStringLiteral("All ingredient categories"));
        for (const QString &g : Zutatengruppen)
            CBZart->addItem(g);
        CBAktiv->setCurrentIndex(0);
        CBZart->setCurrentIndex(0);
        ESuche->clear();
    }
    IZutat->clear();
    CLBZutat->clear();
    Suche();
}

void TFAktivZuDa::Suche()
{
    TZutatensuchart art;
    const int gruppe = CBZart->currentIndex() - 1;
    const int zustand = CBAktiv->currentIndex() - 1;
    art.Ausgeschlossen = [gruppe, zustand](const TTZutatentotal &z) {
        return (gruppe >= 0 && z.Kategorie != gruppe) || (zustand >= 0 && z.Status != zustand);
    };
    art.Anzeigetext = [](const TTZutatentotal &z) {
        return z.Status == 1 ? z.Zutatname : z.Zutatname + QStringLiteral(" (inaktiv)");
    };
    Zeige_Zutatensuche(CLBZutat, Zutatentotal, ESuche->text(), art, true);
    CLBZutatClick();
}

void TFAktivZuDa::CLBZutatClick()
{
    const qint32 i = Zutat_in_Zeile(Zutatentotal, CLBZutat->currentRow());
    if (i < 0 || !Lade_Zutatengrafik(IZutat, i))
        IZutat->clear();
}

qint32 TFAktivZuDa::Markierte() const
{
    qint32 n = 0;
    for (int i = 0; i < CLBZutat->count(); ++i)
        if (CLBZutat->item(i)->checkState() == Qt::Checked)
            ++n;
    return n;
}

void TFAktivZuDa::Aendere_Markierte(const std::function<void(TTZutatentotal &)> &aenderung)
{
    for (int zeile = 0; zeile < CLBZutat->count(); ++zeile)
        if (CLBZutat->item(zeile)->checkState() == Qt::Checked)
            if (const qint32 i = Zutat_in_Zeile(Zutatentotal, zeile); i >= 0)
                aenderung(Zutatentotal[i]);
    Suche();
}

void TFAktivZuDa::BAktivClick()
{
    if (CLBZutat->count() == 0)
        return;
    if (Markierte() == 0) {
        Zeige_Meldung(QStringLiteral("Please select an ingredient!"), QStringLiteral("Note:"), 0);
        return;
    }
    Aendere_Markierte([](TTZutatentotal &z) { z.Status = 1; });
}

void TFAktivZuDa::BInaktivClick()
{
    if (CLBZutat->count() == 0)
        return;
    const qint32 markiert = Markierte();
    if (markiert == 0) {
        Zeige_Meldung(QStringLiteral("No ingredient selected!"), QStringLiteral("Error:"), 0);
        return;
    }
    if (!Abwahl_erlaubt(Zaehle_aktive_Zutaten(Zutatentotal), markiert)) {
        Zeige_Meldung(Mindestmeldung, QStringLiteral("Note:"), 0);
        return;
    }
    Aendere_Markierte([](TTZutatentotal &z) { z.Status = 0; });
}

void TFAktivZuDa::BLoeschenClick()
{
    if (CLBZutat->count() == 0)
        return;
    const qint32 markiert = Markierte();
    if (markiert == 0) {
        Zeige_Meldung(QStringLiteral("No ingredient selscted!"), QStringLiteral("Note:"), 0);
        return;
    }
    if (!Abwahl_erlaubt(Zaehle_aktive_Zutaten(Zutatentotal), markiert)) {
        Zeige_Meldung(Mindestmeldung, QStringLiteral("Note:"), 0);
        return;
    }
    if (Zeige_Meldung(QStringLiteral("Delete selected ingredients?"), QStringLiteral("Question:"), 4) == 6)
        // the record keeps its slot without a name; the save leaves it out
        Aendere_Markierte([](TTZutatentotal &z) { z.Zutatname.clear(); });
}

void TFAktivZuDa::PMAktivZuDaPopup()
{
    const TAktivZuDaPopup p = Ermittle_AktivZuDaPopup(CLBZutat->count(), Markierte(),
                                                      Zaehle_aktive_Zutaten(Zutatentotal),
                                                      CLBZutat->currentRow() >= 0);
    PMAlleAuswaehlen->setEnabled(p.AlleAuswaehlen);
    PMAuswahlaufheben->setEnabled(p.Auswahlaufheben);
    PMMarkierteaktivieren->setEnabled(p.Markierteaktivieren);
    PMMarkiertedeaktivieren->setEnabled(p.Markiertedeaktivieren);
    PMMarkierteloeschen->setEnabled(p.Markierteloeschen);
    PMZudatendetailsbearbeiten->setEnabled(p.Zudatendetailsbearbeiten);
    PMBearbeitungbeenden->setEnabled(true);
    PMHilfe->setEnabled(true);
    PMHerdfibel->setEnabled(true);
}

void TFAktivZuDa::Markiere_alle(bool an)
{
    const QSignalBlocker sperre(CLBZutat);
    for (int i = 0; i < CLBZutat->count(); ++i)
        CLBZutat->item(i)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

void TFAktivZuDa::PMAlleAuswaehlenClick()
{
    Markiere_alle(true);
}

void TFAktivZuDa::PMAuswahlaufhebenClick()
{
    Markiere_alle(false);
}

void TFAktivZuDa::PMSucheingabenzuruecksetzenClick()
{
    {
        const QSignalBlocker a(CBAktiv), z(CBZart), s(ESuche);
        ESuche->clear();
        CBZart->setCurrentIndex(0);
        CBAktiv->setCurrentIndex(0);
    }
    Suche();
}

void TFAktivZuDa::PMZudatendetailsbearbeitenClick()
{
    const qint32 i = Zutat_in_Zeile(Zutatentotal, CLBZutat->currentRow());
    if (i < 0)
        return;
    hide();
    Bearbeite_Zutat(i, false, this, true);
    show();
    raise();
    Suche();
}

void TFAktivZuDa::FormClose()
{
    Lade_Zutaten(Save);
    // the rest of the program works on the active ingredients
    Lade_Zutaten(Load);
    hide();
}

void TFAktivZuDa::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isVisible())
        FormClose();
}

void TFAktivZuDa::keyPressEvent(QKeyEvent *event)
{
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFAktivZuDa::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

void Zeige_Zutatenverwaltung()
{
    if (!FAktivZuDa)
        return;
    Aufbereitungsfenster_Auf(FMain, 0, QStringLiteral("Loading ingredient database..."));
    const bool geladen = Lade_Zutaten(Load | Alle);
    qint32 benannte = 0;
    for (const TTZutatentotal &z : std::as_const(Zutatentotal))
        if (!z.Zutatname.isEmpty())
            ++benannte;
    if (!geladen || benannte < 3) {
        Aufbereitungsfenster_Zu(0);
        Zeige_Meldung(QStringLiteral("No ingredients found!"), QStringLiteral("Note:"), 0);
        Lade_Zutaten(Load);
        return;
    }
    FAktivZuDa->Vorbereiten();
    Aufbereitungsfenster_Zu(0);
    FAktivZuDa->show();
    FAktivZuDa->raise();
    FAktivZuDa->activateWindow();
}
