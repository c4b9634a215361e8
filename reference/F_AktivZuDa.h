#pragma once
// Ingredient management: lists the user's ingredients (active and inactive)
// with a search text, a group filter and a state filter, and activates,
// deactivates or deletes the checked ones. Changes stay in memory until the
// window closes (or the details of one are edited), which saves the database.
#include <functional>

#include "core/Globals.h"
#include "reference/Zutatenlistenfenster.h"

// Fewest active ingredients a database keeps: deactivating or deleting is
// refused when fewer would stay active.
constexpr qint32 MindestzahlAktiveZutaten = 2;

// Records with Status 1 and a name (a deleted record keeps its slot, without
// a name, until the save).
qint32 Zaehle_aktive_Zutaten(const TZutatentotal &zutaten);
// Whether the checked lines may be deactivated or deleted.
bool Abwahl_erlaubt(qint32 aktive, qint32 markierte);

// Which popup items are enabled.
struct TAktivZuDaPopup {
    bool AlleAuswaehlen = false;
    bool Auswahlaufheben = false;
    bool Markierteaktivieren = false;
    bool Markiertedeaktivieren = false;
    bool Markierteloeschen = false;
    bool Zudatendetailsbearbeiten = false;
};
TAktivZuDaPopup Ermittle_AktivZuDaPopup(qint32 zeilen, qint32 markierte, qint32 aktive, bool zeileGewaehlt);

class TFAktivZuDa : public TZutatenlistenfenster
{
    Q_OBJECT
public:
    explicit TFAktivZuDa(QWidget *parent = nullptr);

    // CBZart: "All ingredient categories", then the 19 groups
    QComboBox *CBAktiv; // all, non-active (Status 0), active (Status 1)
    QPushButton *BAktiv;
    QPushButton *BInaktiv;
    QPushButton *BLoeschen;

    QMenu *PMAktivZuDa;
    QAction *PMAlleAuswaehlen;
    QAction *PMAuswahlaufheben;
    QAction *PMMarkierteaktivieren;
    QAction *PMMarkiertedeaktivieren;
    QAction *PMMarkierteloeschen;
    QAction *PMSucheingabenzuruecksetzen;
    QAction *PMZudatendetailsbearbeiten;
    QAction *PMHerdfibel;
    QAction *PMHilfe;
    QAction *PMBearbeitungbeenden;

    // Fills the filters and runs the search (on opening).
    void Vorbereiten();
    void Suche() override;
    void CLBZutatClick() override;
    void BAktivClick();
    void BInaktivClick();
    void BLoeschenClick();
    void PMAktivZuDaPopup();
    void PMAlleAuswaehlenClick();
    void PMAuswahlaufhebenClick();
    void PMSucheingabenzuruecksetzenClick();
    void PMZudatendetailsbearbeitenClick();
    void FormClose() override;

private:
    void Baue_Menue();
    void Verbinde();
    // Changes the record of every checked line and searches again.
    void Aendere_Markierte(const std::function<void(TTZutatentotal &)> &aenderung);
};

extern TFAktivZuDa *FAktivZuDa;

// Loads the database with its inactive records and opens the window; with
// fewer than three named ingredients it says so and stays closed.
void Zeige_Zutatenverwaltung();
