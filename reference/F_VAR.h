#pragma once
// The units editor: which units each recipe category offers, and per unit
// its ingredient groups, its shopping flag and its quantity table. It edits
// VariablenTotal in place; Save checks and writes the file, Cancel and the
// close box put the list back as it was when the window opened.
#include <QWidget>
#include <optional>

#include "core/Globals.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QRadioButton;

class TFVAR : public QWidget
{
    Q_OBJECT
public:
    explicit TFVAR(QWidget *parent = nullptr);

    QLabel *IBack;
    QComboBox *CBKategorie;      // Kategorienamen, in display order
    QListWidget *CLBEinheit;     // every unit; checked = offered in the category
    QListWidget *CLBZZuordnung;  // the 19 ingredient groups of the selected unit
    QListWidget *CLBInhalt;      // the selected unit's quantity table
    QMenu *PMVar;
    QAction *PMVMarkierteloeschen;
    QAction *PMVAlleMarkieren;
    QGroupBox *RGZEinkauf;       // 0 bought, 1 not on the shopping list
    QRadioButton *RBEinkaufen;
    QRadioButton *RBNichtEinkaufen;
    QCheckBox *CBAll;            // changes apply to all 21 categories
    QPushButton *BSpeichern;
    QPushButton *BAbbrechen;
    QPushButton *BBInfo;

    void CBKategorieChange();
    void CLBEinheitClick();
    void CLBZZuordnungClick();
    void CLBEinheitClickCheck(QListWidgetItem *item);
    void CLBZZuordnungClickCheck(QListWidgetItem *item);
    void RGZEinkaufExit();
    void PMVarPopup();
    void PMVMarkierteloeschenClick();
    void PMVAlleMarkierenClick();
    void BSpeichernClick();
    void BAbbrechenClick();
    void BBInfoClick();
    void FormClose();

    // Fills the lists for the opening (the list as it is now is kept for
    // Cancel) and shows the window.
    void Oeffne();
    // The display step: checks, groups, shopping flag and table from
    // VariablenTotal for the chosen category.
    void Anzeigen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
    int Kategorie() const;
    QString Gewaehlte_Einheit() const;
    bool Einheit_angeboten() const;
    QVector<int> Bereich() const;
    int Markierte_Mengen() const;

    QButtonGroup *m_einkauf = nullptr;
    std::optional<TTVariablenTotal> m_vorher; // the list when the window opened
};

extern TFVAR *FVAR;

// Opens the units editor on the current recipe's category (else the first).
void Zeige_Einheiten();
