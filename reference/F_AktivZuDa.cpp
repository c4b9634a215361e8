#include "reference/F_AktivZuDa.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/Dateioperationen.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "core/Meldung.h"
#include "dialogs/F_Warten.h"
#include "reference/F_Lex.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"

TFAktivZuDa *FAktivZuDa = nullptr;

namespace {

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

TFAktivZuDa::TFAktivZuDa(QWidget *parent)
    : TZutatenlistenfenster(QStringLiteral("FAktivZuDa"), QStringLiteral("Organize ingredients on the database:"), 3,
                            Zutatentotal, parent)
{
    CBAktiv = Neue_Auswahl("CBAktiv");
    BAktiv = Neuer_Knopf("BAktiv", QStringLiteral("Activate"));
    BInaktiv = Neuer_Knopf("BInaktiv", QStringLiteral("Deactivate"));
    BLoeschen = Neuer_Knopf("BLoeschen", QStringLiteral("Delete"));
    Baue_Menue();
    Baue_Layout(CBAktiv, {BAktiv, BInaktiv, BLoeschen});
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

void TFAktivZuDa::Baue_Menue()
{
    PMAktivZuDa = Neues_Popup("PMAktivZuDa");
    PMAlleAuswaehlen = Eintrag("PMAlleAuswaehlen", QStringLiteral("Select all"));
    PMAuswahlaufheben = Eintrag("PMAuswahlaufheben", QStringLiteral("Clear selection"));
    PMAktivZuDa->addSeparator();
    PMMarkierteaktivieren = Eintrag("PMMarkierteaktivieren", QStringLiteral("Activate selected ingredients"));
    PMMarkiertedeaktivieren = Eintrag("PMMarkiertedeaktivieren", QStringLiteral("Deactivate selected ingredients"));
    PMMarkierteloeschen = Eintrag("PMMarkierteloeschen", QStringLiteral("Delete selected ingredients"));
    PMAktivZuDa->addSeparator();
    PMSucheingabenzuruecksetzen = Eintrag("PMSucheingabenzuruecksetzen", QStringLiteral("Reset search"));
    PMZudatendetailsbearbeiten = Eintrag("PMZudatendetailsbearbeiten", QStringLiteral("Edit ingredient details..."));
    PMAktivZuDa->addSeparator();
    PMHerdfibel = Eintrag("PMHerdfibel", QStringLiteral("Cooking dictionary..."));
    PMHilfe = Eintrag("PMHilfe", QStringLiteral("Help"));
    PMBearbeitungbeenden = Eintrag("PMBearbeitungbeenden", QStringLiteral("Close"));
}

void TFAktivZuDa::Verbinde()
{
    connect(PMAktivZuDa, &QMenu::aboutToShow, this, &TFAktivZuDa::PMAktivZuDaPopup);
    connect(BAktiv, &QPushButton::clicked, this, &TFAktivZuDa::BAktivClick);
    connect(BInaktiv, &QPushButton::clicked, this, &TFAktivZuDa::BInaktivClick);
    connect(BLoeschen, &QPushButton::clicked, this, &TFAktivZuDa::BLoeschenClick);
    connect(PMAlleAuswaehlen, &QAction::triggered, this, &TFAktivZuDa::PMAlleAuswaehlenClick);
    connect(PMAuswahlaufheben, &QAction::triggered, this, &TFAktivZuDa::PMAuswahlaufhebenClick);
    connect(PMMarkierteaktivieren, &QAction::triggered, this, &TFAktivZuDa::BAktivClick);
    connect(PMMarkiertedeaktivieren, &QAction::triggered, this, &TFAktivZuDa::BInaktivClick);
    connect(PMMarkierteloeschen, &QAction::triggered, this, &TFAktivZuDa::BLoeschenClick);
    connect(PMSucheingabenzuruecksetzen, &QAction::triggered, this, &TFAktivZuDa::PMSucheingabenzuruecksetzenClick);
    connect(PMZudatendetailsbearbeiten, &QAction::triggered, this, &TFAktivZuDa::PMZudatendetailsbearbeitenClick);
    connect(PMHerdfibel, &QAction::triggered, this, [] { Zeige_Lexikon(true, -1, QString()); });
    connect(PMHilfe, &QAction::triggered, this, [this] { Zeige_Hilfe(Hilfethema); });
    connect(PMBearbeitungbeenden, &QAction::triggered, this, &QWidget::close);
}

void TFAktivZuDa::Vorbereiten()
{
    Lade_Bilder();
    {
        const QSignalBlocker a(CBAktiv);
        CBAktiv->clear();
        CBAktiv->addItems({QStringLiteral("All ingredient categories"), QStringLiteral("Non-active ingredients"),
                           QStringLiteral("Active ingredients")});
        CBAktiv->setCurrentIndex(0);
    }
    Fuelle_Gruppen(QStringLiteral("All ingredient categories"));
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
    CLBZutat->Suche(ESuche->text(), art);
    CLBZutatClick();
}

void TFAktivZuDa::CLBZutatClick()
{
    const qint32 i = CLBZutat->Aktuelle_Zutat();
    if (i < 0 || !Lade_Zutatengrafik(IZutat, i))
        IZutat->clear();
}

void TFAktivZuDa::Aendere_Markierte(const std::function<void(TTZutatentotal &)> &aenderung)
{
    for (const qint32 i : CLBZutat->Filter()->Angekreuzte())
        if (i < Zutatentotal.size())
            aenderung(Zutatentotal[i]);
    Suche();
}

void TFAktivZuDa::BAktivClick()
{
    if (CLBZutat->count() == 0)
        return;
    if (Markierte() == 0) {
        Zeige_Meldung(QStringLiteral("Please select an ingredient!"), QStringLiteral("Note:"), Knopf_OK);
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
        Zeige_Meldung(QStringLiteral("No ingredient selected!"), QStringLiteral("Error:"), Knopf_OK);
        return;
    }
    if (!Abwahl_erlaubt(Zaehle_aktive_Zutaten(Zutatentotal), markiert)) {
        Zeige_Meldung(Mindestmeldung, QStringLiteral("Note:"), Knopf_OK);
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
        Zeige_Meldung(QStringLiteral("No ingredient selscted!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    if (!Abwahl_erlaubt(Zaehle_aktive_Zutaten(Zutatentotal), markiert)) {
        Zeige_Meldung(Mindestmeldung, QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    if (Zeige_Meldung(QStringLiteral("Delete selected ingredients?"), QStringLiteral("Question:"), Knoepfe_Ja_Nein) == Antwort_Ja)
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
    Setze_Suche_zurueck(CBAktiv);
}

void TFAktivZuDa::PMZudatendetailsbearbeitenClick()
{
    const qint32 i = CLBZutat->Aktuelle_Zutat();
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
    Gib_Aufrufer_frei();
}

void Zeige_Zutatenverwaltung()
{
    if (!FAktivZuDa || !Pruefe_Zutateneditor_geschlossen())
        return;
    Aufbereitungsfenster_Auf(Hauptfenster(), 0, QStringLiteral("Loading ingredient database..."));
    const bool geladen = Lade_Zutaten(Load | Alle);
    qint32 benannte = 0;
    for (const TTZutatentotal &z : std::as_const(Zutatentotal))
        if (!z.Zutatname.isEmpty())
            ++benannte;
    if (!geladen || benannte < 3) {
        Aufbereitungsfenster_Zu(0);
        Zeige_Meldung(QStringLiteral("No ingredients found!"), QStringLiteral("Note:"), Knopf_OK);
        Lade_Zutaten(Load);
        return;
    }
    FAktivZuDa->Vorbereiten();
    FAktivZuDa->Sperre_Aufrufer();
    Aufbereitungsfenster_Zu(0);
    FAktivZuDa->show();
    FAktivZuDa->raise();
    FAktivZuDa->activateWindow();
}
