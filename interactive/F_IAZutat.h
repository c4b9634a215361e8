#pragma once
// The kitchen's pantry door: lists the active ingredients of the database,
// searches them, and puts the chosen one on the scale as an ingredient to
// weigh or as a spice whose unit is set. Opens the ingredient editor for a
// new or an existing ingredient, and the dictionary.
#include <QWidget>

#include "interactive/IAAuswahl.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class TZutatenliste;
class QMenu;
class QPushButton;

class TFIAZutat : public QWidget
{
    Q_OBJECT
public:
    explicit TFIAZutat(QWidget *parent = nullptr);

    QLabel *IBack;
    QLabel *Label1;
    QLineEdit *ESuche;
    TZutatenliste *LBZutat;
    QLabel *P1; // caption "Keine Grafik gefunden..." shows through an empty picture
    QLabel *IZutat;
    QLabel *Label2;
    QLabel *LDetails;
    QPushButton *BZabwiegen;
    QPushButton *BGabwiegen;
    QPushButton *BFertig;
    QPushButton *BBInfo;

    QMenu *PPIAZutat;
    QAction *MAlsZutatabwiegen;
    QAction *MAlsGewuerzdefinieren;
    QAction *MNeueZutatinDatenbankaufnehmen;
    QAction *MZutatausGesamtdatenbankaufnehmen; // never offered: always disabled
    QAction *MZutatendetailsbearbeiten;
    QAction *MHerdfibelanzeigen;
    QAction *MHilfeanzeigen;

    void ESucheChange();
    void LBZutatClick();
    // Takes the selected ingredient onto the scale as an ingredient (false)
    // or a spice (true).
    void Nimm_auf(bool gewuerz);
    void PPIAZutatPopup();
    void MNeueZutatinDatenbankaufnehmenClick();
    void MZutatendetailsbearbeitenClick();

    // Database record of the selected row; -1 for none.
    qint32 Gewaehlte_Zutat() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Menue();
    void Baue_Layout();
    void Verbinde();
    void FormClose();
    // After the database was edited: items re-resolved, window back, search again.
    void Zurueck_aus_Datenbank();
};

extern TFIAZutat *FIAZutat;

// Reloads the database with its inactive records, empties the search and
// shows the window with every active ingredient.
void Zeige_IAZutatenauswahl();
// Group and picture of the record listed in that row; with no rows the
// picture is cleared.
void Zeige_IAZutatdetails(int zeilen, int zeile);

// The window half of Fuelle_IAEinheitenliste for the kitchen's scale panel:
// puts the lists, the selections and the texts into its controls without
// emitting their signals.
void Zeige_IAEinheitenliste(const TTIAEinheitenanzeige &anzeige, QListWidget *LBEinheit, QComboBox *CBMenge,
                            QLabel *LW10, QLabel *LW11, QLineEdit *EZutatName);
