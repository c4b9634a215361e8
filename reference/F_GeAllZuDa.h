#pragma once
// The global ingredient database browser: lists the ingredients of
// PRGDATA\ENG\Lebensmittel_ALL.hbr that the user's database does not hold
// yet and takes the checked ones over. Closing saves the user's database.
#include "core/Globals.h"
#include "reference/Zutatenlistenfenster.h"

// The candidates: a copy of the global database in which every record whose
// name the user's database holds has an empty Zutatname. Filled on opening,
// emptied on closing.
extern TZutatentotal GesamtZutaten;

// Empties the name of every record of gesamt whose name (upper case) the
// user's database holds. Returns the number of named records left.
qint32 Entferne_vorhandene_Zutaten(TZutatentotal &gesamt, const TZutatentotal &eigene);
// Appends copies of the records gesamt[indexe] to eigene, active and without
// list positions, skipping names eigene already holds (upper case), and
// empties their names in gesamt. Returns the number appended.
qint32 Uebernimm_Zutaten(TZutatentotal &eigene, TZutatentotal &gesamt, const QVector<qint32> &indexe);

class TFGeAllZuDa : public TZutatenlistenfenster
{
    Q_OBJECT
public:
    explicit TFGeAllZuDa(QWidget *parent = nullptr);

    // CBZart: "All ingredients", then the 19 groups
    QComboBox *CBMarke; // "Ingredients of all makes"
    QPushButton *BImportieren;
    QPushButton *BAlle;

    QMenu *PMFGE;
    QAction *PMMarkierteimportieren;
    QAction *PMAlleMarkieren;
    QAction *PMAuswahlaufheben;
    QAction *PMSucheingabenzuruecksetzen;
    QAction *PMHerdfibel;
    QAction *PMHilfe;
    QAction *PMImportbeenden;

    void Vorbereiten();
    void Suche() override;
    void CLBZutatClick() override;
    void BAlleClick();
    void PMAuswahlaufhebenClick();
    void BImportierenClick();
    void PMSucheingabenzuruecksetzenClick();
    void PMFGEPopup();
    void FormClose() override;

private:
    void Baue_Menue();
    void Verbinde();
};

extern TFGeAllZuDa *FGeAllZuDa;

// Loads both databases and opens the window; when the global database holds
// nothing new (or cannot be read) it says so and stays closed.
void Zeige_Gesamtzutatendatenbank();
