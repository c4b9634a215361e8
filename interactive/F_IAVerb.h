#pragma once
// The verb editor: the user's cooking verbs with their text (markers " ... ",
// " GGG ", " ZZZ "), icon and the devices they are allowed on. Every accepted
// change, addition and deletion is written to the verb list at once. It works
// on a one-verb buffer (IAVerbPuffer) loaded from the chosen verb.
#include <QWidget>
#include <array>

#include "core/Globals.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

class TFIAVerb : public QWidget
{
    Q_OBJECT
public:
    explicit TFIAVerb(QWidget *parent = nullptr);

    static constexpr int IAVerbSymbolAnzahl = 9; // icons shown in the strip

    QWidget *Panel1;
    QLineEdit *EVerb;
    QListWidget *LBVerb;
    QMenu *PMVerb;
    QAction *Verblschen1;
    QLabel *IVerb;
    std::array<QToolButton *, IAVerbSymbolAnzahl> IV{};
    QToolButton *IPFeiloben;
    QToolButton *IPfeilunten;
    QLabel *Label1;
    std::array<QToolButton *, AnzahlGeraete> IK{};
    QGroupBox *RGVerb; // disabled; shows the kind of the verb
    QRadioButton *RGZeit;
    QRadioButton *RGGrad;
    QPushButton *BBOK;
    QPushButton *BFertig;
    QPushButton *BBInfo;

    // Fills the form for the verb list's first verb.
    void Oeffne();
    void Zeichne_Verbeditor();

    void LBVerbClick();
    void EVerbChange();
    void IPFeilobenClick();
    void IPfeiluntenClick();
    void Waehle_Verbsymbol(int slot);
    void Schalte_Verbflaeche(int geraet);
    void BBOKClick();
    void Verblschen1Click();
    void BFertigClick();

    // First icon shown in the strip.
    qint32 IAVerbSymbolOffset = 0;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
    void Setze_Radiogruppe(qint32 art);
    qint32 Radiogruppe() const;
    // Shows verb v: buffer, selected row, icon strip and text.
    void Zeige_Verb(qint32 v);

    bool m_verbGetippt = false;
};

extern TFIAVerb *FIAVerb;

// Opens the editor on the first verb (the kitchen disables itself meanwhile).
void Zeige_Verbeditor();
