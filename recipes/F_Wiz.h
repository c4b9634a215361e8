#pragma once
// The new-recipe wizard: six windows shown one after the other. The first
// step adds the new record to RezepteTotal (AktuellesRezept); the last one
// turns the typed texts into ingredient and instruction lines, saves the
// recipe and opens it in the editor. Cancelling removes the record again.
#include <QPixmap>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// The frame every step shares: heading, category picture, Back/Next/Cancel.
class TFWizBasis : public QWidget
{
    Q_OBJECT
public:
    TFWizBasis(const QString &objektname, const QString &titel, const QString &erklaerung, QWidget *parent);

    QLabel *LTitel;
    QLabel *LErklaerung;
    QLabel *IWizard; // category picture
    QPushButton *BZurueck;
    QPushButton *BWeiter;
    QPushButton *BAbbrechen;

    // Fills the step's fields from the wizard's record and shows the step.
    virtual void Zeige_Schritt();

public slots:
    virtual void BZurueckClick();
    virtual void BWeiterClick();
    void BAbbrechenClick();

protected:
    QVBoxLayout *Inhalt; // the step's own controls go here
    void closeEvent(class QCloseEvent *event) override;
    void keyPressEvent(class QKeyEvent *event) override;
    void paintEvent(class QPaintEvent *event) override;
    void Zeige_Kategoriegrafik();
    // Leaves this step for another one at the same place on the screen.
    void Wechsle_zu(TFWizBasis *ziel);

private:
    QPixmap m_hintergrund;
};

// Step 1: name and category; creates the record.
class TFWiz01 : public TFWizBasis
{
    Q_OBJECT
public:
    explicit TFWiz01(QWidget *parent = nullptr);
    QLineEdit *ERezeptname;
    QComboBox *CBKategorie; // display order
    void Zeige_Schritt() override;
public slots:
    void BWeiterClick() override;
    void CBKategorieChange();
};

// Step 2: servings, preparation time, difficulty.
class TFWiz02 : public TFWizBasis
{
    Q_OBJECT
public:
    explicit TFWiz02(QWidget *parent = nullptr);
    QLineEdit *EPortionen;
    QLineEdit *EZubereitungszeit;
    QComboBox *CBSchwierigkeit;
    void Zeige_Schritt() override;
public slots:
    void BZurueckClick() override;
    void BWeiterClick() override;
private:
    void Uebernehme();
};

// Step 3: cooking devices and sub-categories.
class TFWiz03 : public TFWizBasis
{
    Q_OBJECT
public:
    explicit TFWiz03(QWidget *parent = nullptr);
    QListWidget *CLBKochgeraete; // checkable, Kochgeraetenamen 1..18
    QLineEdit *EUnterkategorien;
    void Zeige_Schritt() override;
public slots:
    void BZurueckClick() override;
    void BWeiterClick() override;
private:
    void Uebernehme();
};

// Step 4: the recipe picture.
class TFWiz04 : public TFWizBasis
{
    Q_OBJECT
public:
    explicit TFWiz04(QWidget *parent = nullptr);
    QLabel *IRezeptgrafik;
    QPushButton *BRezeptgrafik;
    QPushButton *BRezeptgrafikloeschen;
    void Zeige_Schritt() override;
public slots:
    void BZurueckClick() override;
    void BWeiterClick() override;
    void BRezeptgrafikClick();
    void BRezeptgrafikloeschenClick();
private:
    void Zeige_Grafik();
};

// Step 5: ingredient text and instruction text.
class TFWiz05 : public TFWizBasis
{
    Q_OBJECT
public:
    explicit TFWiz05(QWidget *parent = nullptr);
    QPlainTextEdit *MZutaten;   // one ingredient a line
    QPlainTextEdit *MAnleitung; // the instructions
    // Opens the digital import on the wizard's record with the ingredients
    // and instructions typed here, cleaned.
    void Oeffne_Import();
    void Zeige_Schritt() override;
public slots:
    void BZurueckClick() override;
    void BWeiterClick() override;
};

// Step 6: finish.
class TFWiz06 : public TFWizBasis
{
    Q_OBJECT
public:
    explicit TFWiz06(QWidget *parent = nullptr);
    QLabel *LZusammenfassung;
    QPushButton *BBFertig;
    QPushButton *BBFDigI;   // digital import
    QPushButton *BBIAKochen; // interactive cooking
    void Zeige_Schritt() override;
public slots:
    void BZurueckClick() override;
    void BWeiterClick() override; // = finish
    void BBFertigClick();
    void BBFDigIClick();
    void BBIAKochenClick();
};

extern TFWiz01 *FWiz01;
extern TFWiz02 *FWiz02;
extern TFWiz03 *FWiz03;
extern TFWiz04 *FWiz04;
extern TFWiz05 *FWiz05;
extern TFWiz06 *FWiz06;

// Index in RezepteTotal of the recipe the wizard is building; -1 when none.
// The wizard knows its record by file name as well and ignores an index
// that no longer points at it.
extern qint32 WizRezept;

// Before and after RezepteTotal is read again: the wizard's record follows
// to its new place (appended again while it has no file yet). Returns the
// new WizRezept.
void Merke_Rezeptassistent_vor_Neuladen();
qint32 Folge_Rezeptassistent_nach_Neuladen();

// Starts the wizard at its first step with empty fields.
void Starte_Rezeptassistent();
// Removes the unfinished record (one that was saved meanwhile stays) and
// hides the wizard; WizRezept is -1 afterwards.
void Breche_Rezeptassistent_ab();
// Turns the texts into lines, saves, rebuilds the overview and opens the
// editor. False when the recipe could not be saved (the wizard stays open).
bool Beende_Rezeptassistent();
