#pragma once
// The makers' editor of the recipe download index: the index text in a memo,
// every recipe of the program in a check list, one block appended per ticked
// recipe, the short description of a recipe edited and saved into its file,
// and the index saved with a raised version beside copies of the recipe
// files its new blocks name.
#include <QWidget>

#include "core/Globals.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TFMRezOn : public QWidget
{
    Q_OBJECT
public:
    explicit TFMRezOn(QWidget *parent = nullptr);

    QPlainTextEdit *MRecipe; // memo: the index
    QListWidget *CLBRecipe;
    QPlainTextEdit *CLBMemo; // memo: the short description
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *BAufnehmen;
    QPushButton *BDatenloeschen;
    QPushButton *BSpeichern;
    QPushButton *BSave;

    void BAufnehmenClick();
    void BDatenloeschenClick();
    void BSpeichernClick();
    void CLBRecipeClick();
    void CLBRecipeDblClick();
    void BSaveClick();
    void FormClose();

    // Full paths of the files the blocks added since opening name, in order.
    TString Speicherliste;

    // Fills the recipe list from RezepteTotal (Listenposition := item row).
    void Fuelle_Rezeptliste();
    // Edit mode: the description editable, list and "Speichern" disabled.
    void Bearbeitungsmodus(bool an);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
    TString Memozeilen() const;
    void Setze_Memozeilen(const TString &zeilen);
    // The record listed at the row; -1 for none.
    qint32 Rezept_in_Zeile(int zeile) const;
};

extern TFMRezOn *FMRezOn;

// Loads every recipe, asks for the index file (its text goes into the memo;
// a cancelled choice starts an empty index) and shows the editor.
void Zeige_RezepteOnline();
