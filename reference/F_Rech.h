#pragma once
// The servings calculator: recalculates the ingredient quantities of the
// recipe open in the editor for another number of servings. The editor's
// menu command (TFRez::MRezeptmengenberechnenClick) reads the servings and
// the price into the Rech* globals below and opens the window with
// Zeige_Mengenberechnung; the editor stays disabled until the window is
// left. The window reaches the editor through its services
// (dialogs/Dienste.h). Several calculations may precede the take-over; each works from
// the original lines, so results never compound.
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The entered number of servings: blanks removed, decimal comma read as a
// point, everything from a "-" cut off, absolute value; 0 when nothing
// usable is left.
double Lies_Portionenzahl(const QString &eingabe);
// Every line with its quantity (or each end of a range) times the factor;
// lines without a quantity and quantities that are no number stay.
QStringList Berechne_Zutatenzeilen(const QStringList &zeilen, double faktor);
// The servings text written back: the number with two decimals, ".00" cut,
// then the word after a blank when there is one ("6 persons", "2.50").
QString Formatiere_Portionentext(double portionen, const QString &wort);

class TFRech : public QWidget
{
    Q_OBJECT
public:
    explicit TFRech(QWidget *parent = nullptr);

    QLabel *IBack;
    QLabel *Label1; // the word after the servings number
    QLabel *Label2; // heading of LBOri
    QListWidget *LBOri;
    QListWidget *LBNeu;
    QLineEdit *EAnzahl;
    QPushButton *BBerechnen;
    QPushButton *BUebernehmen;
    QPushButton *BAbbrechen;
    QPushButton *BBInfo;

public slots:
    void BBerechnenClick();
    void BUebernehmenClick();
    void BAbbrechenClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
    void Zurueck_zum_Editor();
};

extern TFRech *FRech;

// The calculator's inputs, set by the editor (Bereite_Mengenberechnung_vor).
extern QString RechPortionentext;
extern double RechPreis;
extern double RechPortionen;
extern double RechFaktor;
extern QString RechLabel1Text;  // the word after the number ("persons")
extern QString RechLabel2Text;  // "Original ingredients (4.00 persons):"
extern QString RechEAnzahlText; // "4.00"

// Fills the calculator from the Rech* globals and the editor's ingredient
// lines and shows it; the editor is disabled until the calculator is left.
void Zeige_Mengenberechnung();
