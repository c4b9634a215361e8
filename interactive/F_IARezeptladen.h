#pragma once
// The interactive recipe chooser: start a new recipe (name and category) or
// load or delete one of the .IAK files of Recipes\IAKochen\.
#include <QWidget>

#include "interactive/IADatei.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

class TFIARezeptladen : public QWidget
{
    Q_OBJECT
public:
    explicit TFIARezeptladen(QWidget *parent = nullptr);

    QLabel *IFBack;
    // new recipe
    QFrame *PNeu;
    QLabel *IBackN, *Label1, *Label4, *Label3;
    QLineEdit *EName;
    QListWidget *LBKategorie;
    QPushButton *BNeu, *BBInfo;
    // load
    QFrame *PLaden;
    QLabel *IBackL, *Label2;
    QListWidget *LBRezept;
    QMenu *PMLaden;
    QAction *MRezeptloeschen;
    QPushButton *BLaden;

    // Hides the chooser and hands the kitchen back to the user.
    void Schliesse();
    // Reads the run of a listed file into the working recipe; false (the
    // load has said why) when it cannot be read.
    bool Lade_Eintrag(const TTIARLadeliste &eintrag);
    // Starts cooking the loaded run; the recipe "Tutorial" starts the tour.
    void Starte_geladen();

public slots:
    void BLadenClick();
    void LBRezeptDblClick();
    void BNeuClick();
    void MRezeptloeschenClick();
    void BBInfoClick();

protected:
    void closeEvent(class QCloseEvent *event) override;
    void keyPressEvent(class QKeyEvent *event) override;

private:
    void Baue_Neu();
    void Baue_Laden();
    const TTIARLadeliste *Gewaehlter_Eintrag() const;
};

extern TFIARezeptladen *FIARezeptladen;
// The files the chooser lists, rebuilt each time it opens.
extern TIARLadeliste IARLadeliste;

// Prepares and shows the chooser with `name` in the name field and the load
// and new-recipe panels as asked. With neither, nothing is shown and cooking
// starts at once with the working recipe under its own name; a run already
// stored under that name is loaded and cooked on.
void Zeige_IARezeptauswahl(const QString &name, bool laden, bool neu);
