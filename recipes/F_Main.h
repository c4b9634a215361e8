#pragma once
// The main window: the recipe overview with its filters, the three preview
// tool windows beside it, and the program's menus.
#include <QHash>
#include <QIcon>
#include <QMainWindow>

#include "dialogs/Hintergrund.h"
#include "recipes/Uebersicht.h"

class QTimer;

class QAction;
class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTextBrowser;
class QTreeView;
class TRezeptliste;

// Preview: the ingredient pictures of the selected recipe.
class TFMainZutatbild : public QWidget
{
    Q_OBJECT
public:
    explicit TFMainZutatbild(QWidget *parent = nullptr);
    QListWidget *LVZutatbild;

protected:
    void closeEvent(QCloseEvent *event) override;
};

// Preview: ingredients, remarks and devices of the selected recipe.
class TFMainTextanzeige : public QWidget
{
    Q_OBJECT
public:
    explicit TFMainTextanzeige(QWidget *parent = nullptr);
    QTextBrowser *MTextanzeige;

protected:
    void closeEvent(QCloseEvent *event) override;
};

// Preview: the recipe's picture.
class TFMainRezeptbild : public QWidget
{
    Q_OBJECT
public:
    explicit TFMainRezeptbild(QWidget *parent = nullptr);
    QLabel *LRezeptname;
    QLabel *IRezeptbild;

protected:
    void closeEvent(QCloseEvent *event) override;
};

class TFMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFMain(QWidget *parent = nullptr);

    // Menu "File"
    QMenu *MDatei;
    QAction *MNeuesRezept;
    QAction *MRezeptoeffnen;
    QAction *MRezeptnachkochen; // the kitchen: enabled once it exists
    QAction *MRezeptUpload;
    QAction *MBeenden;
    // Menu "View": the tool windows (Optionen.Zutatbildzeigen ...)
    QMenu *MAnsicht;
    QAction *MZutatbildanzeigen;
    QAction *MTextanzeigeanzeigen;
    QAction *MRezeptbildanzeigen;
    // Menu "Extras": the reference-data windows, enabled once they exist
    QMenu *MExtras;
    QAction *MZutatenverwaltung;
    QAction *MGesamtzutatendatenbank;
    QAction *MEinheiten;
    QAction *MLexikon;
    // Menu "Update": a submenu; MUpdate->setEnabled() switches it as a whole
    // and MUpdate->setTitle() captions it. Its entries are QActions
    // (setEnabled, setText).
    QMenu *MUpdate;
    QAction *MPRGUpdatestarten;
    QAction *MRezeptedownloaden;
    QAction *MGrafikendownloaden;
    QAction *MDatenbankenupdaten;
    QAction *MNachrichtenlesen;
    QAction *MUpdateinformationenmanuelldownloaden;
    QAction *MUpdatesimInternet;
    // Menu "Help"
    QMenu *MHilfe;
    QAction *MHilfeanzeigen;
    QAction *MTippsanzeigen;
    QAction *EmailansTafelwerkstatt1;
    QAction *MInfo;

    QLabel *IBack = nullptr; // background picture
    QComboBox *CBKategorie;      // "All categories" + Kategorienamen
    QComboBox *CBUnterkategorie; // "All sub-categories" + those in use
    QLineEdit *ESuche;
    // Row 0 is "Cook interactively"; the other rows are recipes, each
    // record's Listenposition is its row (-1 for records not listed). Its
    // model is a TRezeptliste.
    QTreeView *LVRezepte = nullptr; // the event filter runs before it exists
    QLabel *LAnzahl;

    // Rebuilds the filters and the list from RezepteTotal (no reload).
    void Aktualisiere_Uebersicht();
    // The list alone for the filters as they are set.
    void Zeige_Liste();
    // After a reload: no record is the one the overview knew.
    void Vergiss_Rezepte();
    // True once every listed recipe's search text is built (they are built
    // while the program is idle after the list is shown).
    bool Suchtexte_bereit() const;
    // RezepteTotal index of the selected row; -1 for none or row 0.
    qint32 Ausgewaehltes_Rezept() const;
    // Selects the row of a recipe; false when it is not listed.
    bool Waehle_Rezept(qint32 index);
    // Pictures are read again at the next rebuild (new downloads).
    void Vergiss_Bilder();
    // Fills the tool windows with a recipe (-1 empties them).
    void Zeige_Vorschau(qint32 index);
    // Shows the tool windows the options ask for / hides all of them.
    void Zeige_Werkzeugfenster();
    void Verstecke_Werkzeugfenster();
    // A tool window was closed by its close box.
    void Werkzeugfenster_geschlossen(QWidget *fenster);

    void FormClose(QCloseEvent *event);

public slots:
    void LVRezepteClick();
    void LVRezepteDblClick();
    void CBKategorieChange();
    void CBUnterkategorieChange();
    void ESucheChange();
    void MNeuesRezeptClick();
    void MRezeptoeffnenClick();
    void MRezeptnachkochenClick();
    void MRezeptUploadClick();
    void MBeendenClick();
    void MZutatbildanzeigenClick();
    void MTextanzeigeanzeigenClick();
    void MRezeptbildanzeigenClick();
    void MZutatenverwaltungClick();
    void MGesamtzutatendatenbankClick();
    void MEinheitenClick();
    void MLexikonClick();
    void MPRGUpdatestartenClick();
    void MRezeptedownloadenClick();
    void MGrafikendownloadenClick();
    void MDatenbankenupdatenClick();
    void MNachrichtenlesenClick();
    void MUpdateinformationenmanuelldownloadenClick();
    void MUpdatesimInternetClick();
    void Updateinformationendownloaden1Click();
    void MHilfeanzeigenClick();
    void MTippsanzeigenClick();
    void EmailansTafelwerkstatt1Click();
    void MInfoClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // the constructor's steps
    void Baue_Filter();
    void Baue_Liste();
    void Baue_Layout();
    void Baue_Menues();
    void Verbinde();
    void Fuelle_Unterkategorien();
    void Platziere_Werkzeugfenster();
    QIcon Kategorieicon(qint32 kategorie);

    int m_bauen = 0; // > 0 while the filters are filled from code
    QHash<qint32, QIcon> m_icons;
    TRezeptliste *m_liste = nullptr;
    TUebersicht m_uebersicht;
    // Builds the search texts a slice at a time while the program is idle,
    // after the list is shown.
    QTimer *m_suchtexte = nullptr;
    QString m_gewaehlteDatei; // the selected recipe's file
    QWidget *m_mitte = nullptr;
};

extern TFMain *FMain;
extern TFMainZutatbild *FMainZutatbild;
extern TFMainTextanzeige *FMainTextanzeige;
extern TFMainRezeptbild *FMainRezeptbild;

// Where the tool windows of the given frame sizes go, one below the other:
// beside the main window's frame, never over it while the screen has room.
QList<QPoint> Werkzeugfensterplaetze(const QRect &haupt, const QRect &bildschirm, const QList<QSize> &groessen);

// Rebuilds the overview; with reload it first reads the recipe index and
// every recipe file again (recipe files added to Recipes\ appear). The
// current recipe stays the same recipe when it is still there, else -1.
void Programmstart(bool reload);

// Installs the main window's services for the windows below it
// (dialogs/Dienste.h); the main window does so when it is created.
void Installiere_Hauptfensterdienste();
