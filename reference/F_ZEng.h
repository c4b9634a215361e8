#pragma once
// Makers' tools for preparing an ingredient database in another language.
// The translation tool walks through a source database
// (PRGDATA\ENG\ENG\Lebensmittel.hbr) record by record and builds a translated
// list, saved as PRGDATA\ENG\ENG\Lebensmittel_E.hbr; the merge tool (F_ZMerge)
// appends the translated names, with a group, to that database. No menu
// opens them; Zeige_Zutatenuebersetzung and Zeige_Zutatenzusammenfuehrung do.
// Leaving either tool puts the user's database back into Zutatentotal.
#include <QWidget>

#include "core/Globals.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The working state both tools share.
extern TZutatentotal ZEngListe; // the translated list
extern qint32 ZEngIndex;        // its current entry
extern qint32 ZEngQuelle;       // the source record being translated

// Database names below PRGDATA\ENG\.
extern const QString ZEngQuelldatei; // "ENG\Lebensmittel.hbr"
extern const QString ZEngZieldatei;  // "ENG\Lebensmittel_E.hbr"

// The translated entry for a source record: names, plural, active, no
// default unit. With mitGrafik (the source had a picture and one is kept)
// the picture name becomes name + ".bmp"; the source picture's name always
// stays in Quellgrafik.
TTZutatentotal Uebersetze_Zutat(const TTZutatentotal &quelle, const QString &name, const QString &plural,
                                bool mitGrafik);

class TFZEng : public QWidget
{
    Q_OBJECT
public:
    explicit TFZEng(QWidget *parent = nullptr);

    QLineEdit *EZNO;
    QLineEdit *EZNEng;
    QLineEdit *EZNEngPlural;
    QLabel *IZO;
    QLabel *IZEng;
    QLabel *Label1;
    QPushButton *BYes;
    QPushButton *BNo;
    QPushButton *BGFXDelete;

    void Zeige_Eintrag();
    void BYesClick();
    void BNoClick();
    void BGFXDeleteClick();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Weiter();
};

extern TFZEng *FZEng;

// Loads the source database and opens the translation tool; false (with a
// message) when there is nothing to translate.
bool Zeige_Zutatenuebersetzung();
