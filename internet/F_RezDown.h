#pragma once
// The recipe download window: the recipes of the server's index that are not
// installed, by category, with their short description; the checked ones
// are installed into Recipes\.
#include "internet/Downloadbasis.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

class TFRezDown : public TDownloadfenster
{
    Q_OBJECT
public:
    explicit TFRezDown(QWidget *parent = nullptr);

    QLabel *Label2;
    QComboBox *CBKategorie; // "All categories", then the categories with their counts
    QListWidget *CLBRezepte; // checkable lines; an entry's Listenindex is its line
    QLabel *Label1;
    QPlainTextEdit *MRezepte;
    QLabel *IRezeptart;
    QPushButton *BRezeptinstallieren;
    QPushButton *BAbbrechen;
    QPushButton *BBInfo;
    QMenu *PMRezeptdownload;
    QAction *PMAlleauswaehlen;
    QAction *PMAlleabwaehlen;
    QAction *PMRezepteinstallieren;
    QAction *PMAbbrechen;
    QAction *PMHilfe;

    void CBKategorieChange();
    void CLBRezepteClick();
    void BRezeptinstallierenClick();
    void PMRezeptdownloadPopup();
    void PMAlleauswaehlenClick();
    void PMAlleabwaehlenClick();
    void PMRezepteinstallierenClick();
    void BAbbrechenClick();
    void PMAbbrechenClick();
    void BBInfoClick();
    void PMHilfeClick();
    void FormClose() override;

private:
    void Baue_Felder();
    void Baue_Menue();
    void Baue_Layout();
    void Verbinde();
    void Setze_Haken(bool an);
};

extern TFRezDown *FRezDown;

// Fetches the index and opens the window with the recipes not yet
// installed; says so instead when there is nothing to offer.
void Zeige_Rezeptdownload();
// Refills the list for the chosen category (neu) and shows the selected
// recipe's description and category icon.
void Zeige_Rezeptauswahl(bool neu);
