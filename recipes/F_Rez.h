#pragma once
// The recipe editor: header fields, ingredient lines (normal and deluxe
// layout), instructions and remarks as rich text, saving.
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/Globals.h"
#include "recipes/Rezeptspeicher.h"

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTextEdit;
class TZutatenliste;

class TFRez : public QWidget
{
    Q_OBJECT
public:
    explicit TFRez(QWidget *parent = nullptr);

    QMenuBar *MMHauptmenue;
    QAction *MRezeptspeichern;
    QAction *MRezeptmengenberechnen;
    QAction *MDeluxe;
    QAction *MSchliessen;
    QAction *ZSNeueZutatinDatenbankaufnehmen;
    QAction *MGesamtzutatendatenbank;
    QAction *MEinheiten;
    QAction *MZutatkommentar;
    QAction *MLexikon;
    QAction *MHilfe; // F1: the editor's help chapter

    // header
    QLineEdit *ERName;
    QComboBox *CBKategorie; // display order (Kategorienamen)
    QLineEdit *EUnterkategorien;
    QLineEdit *ERAnzahlportionen;  // normal layout
    QLineEdit *ERAnzahlportionen1; // deluxe layout
    QLineEdit *ERZubereitungszeit;
    QComboBox *CBSchwierigkeit; // 0 = not set, 1..5
    QDateEdit *DTPKochdatum;
    QComboBox *CBKochgeraete; // entry 0 is the prompt
    QLineEdit *EKochgeraete;
    QLineEdit *ERPreis;  // normal layout
    QLineEdit *ERPreis1; // deluxe layout
    QLabel *IRezeptgrafik;
    QPushButton *BRezeptgrafik;
    QPushButton *BRezeptgrafikloeschen;

    QStackedWidget *SZutaten; // page 0 normal, page 1 deluxe

    // normal layout: search, line entry, list
    QLineEdit *EZutatSuchen;
    TZutatenliste *LBZutatsuche;
    QLabel *ISuchbild;
    QComboBox *CBMenge;
    QComboBox *CBEinheit;
    QLineEdit *EZutat;
    QPushButton *BZutathinzufuegen;
    QPushButton *BZutataendern;
    QPushButton *BZutatloeschen;
    QPushButton *BZutathoch;
    QPushButton *BZutatrunter;
    QLabel *LZutatzeile;
    QListWidget *LBZutatliste;

    // deluxe layout: four aligned columns
    QComboBox *CBZutatauswahl1;
    QPushButton *BZutateinfuegen1;
    QPlainTextEdit *MMenge1;
    QPlainTextEdit *MEinheit1;
    QPlainTextEdit *MZutat1;
    QPlainTextEdit *MZubereitung1;

    QTextEdit *REREingabe;      // instructions
    QTextEdit *RERBemerkungen;  // remarks, normal layout
    QTextEdit *RERBemerkungen1; // remarks, deluxe layout
    QLabel *LStatus;

    // Fills every field from RezepteTotal[AktuellesRezept] (no show).
    void Fuelle_Formular();
    // Panels and fields for the record's layout, background picture.
    void Setze_Layout();
    // The record index the fields were filled from (-1 none).
    qint32 Formularrezept() const { return m_rezept; }
    bool Geaendert() const { return m_geaendert; }
    // The kitchen starts with empty instruction and remark fields. Emptying
    // them is no edit, and a recipe open in the editor keeps its texts.
    void Leere_Kuechentexte();
    // The recipe's file was removed or renamed while it was open here: the
    // form keeps its record (without a file name) until it is saved again
    // or closed.
    bool Verwaist() const { return m_verwaist; }

    // Before RezepteTotal is read again: remembers the form's record.
    void Merke_vor_Neuladen();
    // After: the form follows its recipe by file name to its new index and
    // keeps its unsaved edits (the ingredient lines edited in the record
    // among them); unchanged, it shows the recipe as read. A recipe that is
    // gone stays open as a record of its own at the end of RezepteTotal.
    // Returns the form's new index (-1 none).
    qint32 Folge_nach_Neuladen();
    // The record at index left RezepteTotal: the form's index follows.
    void Rezept_entfernt(qint32 index);
    // RezepteTotal[index] was saved (here or by another window): when the
    // form shows it, it is unchanged and says so.
    void Rezept_gespeichert(qint32 index);
    // Unit choices for an ingredient group in the recipe's category, then
    // the quantity choices of the chosen unit.
    void Fuelle_Einheiten(qint32 gruppe, const QString &einheit, const QString &menge);
    // Marks the recipe as changed (windows that edit its lines call it).
    void Geaendert_setzen();
    // The deluxe layout's selected line: the row of the caret in the column
    // last worked in (0 when none was).
    int Deluxezeile() const;
    // Inserts a row into the deluxe columns at row zeile (-1: after the
    // last), name in the ingredient column; the rows from there move down.
    void Fuege_Deluxezeile_ein(int zeile, const QString &name);

public slots:
    // The user's Save: saves the recipe the fields show (Formularrezept(),
    // not another window's current recipe): fields into the record, Zutaten
    // rebuilt, recipe file, side files and index written, overview rebuilt.
    // False when nothing was written (the user was told why). The wizard and
    // the import save their own records through Speichere_Rezeptsatz.
    bool MRezeptspeichernClick();
    void MRezeptmengenberechnenClick();
    void ZSNeueZutatinDatenbankaufnehmenClick();
    void MDeluxeClick();
    void MSchliessenClick();

    void EZutatSuchenChange();
    void LBZutatsucheClick();
    void LBZutatsucheDblClick();
    void LBZutatlisteClick();
    void CBEinheitChange();
    void BZutathinzufuegenClick();
    void BZutataendernClick();
    void BZutatloeschenClick();
    void BZutathochClick();
    void BZutatrunterClick();
    void BZutateinfuegen1Click();
    void DeluxespaltenChange();
    void CBKategorieChange();
    void CBKochgeraeteChange();
    void BRezeptgrafikClick();
    void BRezeptgrafikloeschenClick();

protected:
    void closeEvent(class QCloseEvent *event) override;
    void paintEvent(class QPaintEvent *event) override;

private:
    // the constructor's steps, in F_Rez_Aufbau.cpp
    void Baue_Menue();
    QWidget *Baue_Kopf();
    void Baue_Kopflayout(QWidget *kopf);
    void Baue_Zutaten_normal();
    void Baue_Zutatenlayout(QWidget *normal);
    void Baue_Zutaten_deluxe();
    QWidget *Baue_Texte();
    void Baue_Layout(QWidget *kopf, QWidget *texte);
    void Verbinde();

    void Fuelle_Mengen(const QString &menge);
    qint32 Formularkategorie() const;
    void Zeige_Rezeptgrafik();
    void Fuelle_Deluxespalten();
    void Verschiebe_Zutat(int richtung);
    bool Verwerfe_Aenderungen();

    // A line of the form that a recipe file cannot hold: the user is told
    // which field and which characters; false then.
    bool Pruefe_Zeichen(const QString &feld, const QString &text);
    bool Pruefe_Formularzeichen();

    qint32 m_rezept = -1;
    bool m_geaendert = false;
    bool m_verwaist = false;
    bool m_gemerkt = false;
    TTRezepteTotal m_vorNeuladen;
    int m_fuellen = 0; // > 0 while fields are filled from the record
    int m_deluxezeile = 0;
    qint32 m_gruppe = 16;
    QString m_rezeptgrafik;
    QPixmap m_hintergrund;
};

extern TFRez *FRez;

// Shows a window in front of the others.
void Nach_vorne(QWidget *fenster);
// Fills the editor from RezepteTotal[AktuellesRezept] and shows it.
void Zeige_Rezept();
// Removes RezepteTotal[index]; AktuellesRezept, WizRezept and the editor's
// record follow (one that pointed at it becomes -1).
void Entferne_Rezeptsatz(qint32 index);
// Rebuilds LBZutatliste from the editor's recipe's Zutatenliste (lines in
// Listenindex order, deleted lines dropped) and its shopping list.
void Aktualisiere_Zutatenliste();
// Shows the selected ingredient line: label, unit and quantity choices.
void Zeige_Zutatzeile();
// count < 1 clears the search picture; else the picture of the database
// record zutat (the one of the list's selected line; -1 for none).
void Zeige_Zutatgrafik_DigI(qint32 count, qint32 zutat);
// Prepares the editor for the current recipe (layout, background); fills
// the fields from the record when the editor does not show that record,
// after asking about the unsaved edits of the recipe it shows.
void Setze_Hintergrund_FRez();
// Applies the option fonts to the editor's list and text fields.
void Setze_Textschrift();
// The font a field shows for an option font: the option's default font
// stands for the system's font.
QFont Anzeigeschrift(const QFont &option);

// Lets the user choose a recipe picture. A picture outside the base folder
// is copied into Recipes\Pictures\ so that the recipe never points outside
// it. True with the entry for Rezeptgrafik (a path below the base folder).
bool Waehle_Rezeptgrafik(QWidget *parent, QString &eintrag);
// The picture of a Rezeptgrafik entry; null when there is none.
QPixmap Lade_Rezeptgrafik(const QString &eintrag);
// Reads the servings and price of the editor's current layout into the
// Rech* globals (reference/F_Rech.h). False (nothing set) without a current
// recipe or an ingredient line, and in the normal layout without a selected
// line.
bool Bereite_Mengenberechnung_vor();

// Installs the editor's services for the windows below it
// (dialogs/Dienste.h); the editor does so when it is created.
void Installiere_Editordienste();
