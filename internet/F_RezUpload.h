#pragma once
// The recipe upload window: the user's e-mail address, where the recipe
// comes from, and the button that sends the recipe selected in the overview.
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFRezUpload : public QWidget
{
    Q_OBJECT
public:
    explicit TFRezUpload(QWidget *parent = nullptr);

    QLabel *IBack;
    QLabel *Label1;
    QLineEdit *EEmail;
    QLabel *Label2;
    QGroupBox *RG1; // choice 0: cooked by the user, 1: copied from a magazine
    QRadioButton *RG1Eigen;
    QRadioButton *RG1Abgeschrieben;
    QPushButton *BOK;
    QPushButton *BAbbrechen;

    // The chosen item of RG1, -1 for none.
    int RG1Auswahl() const;
    void Setze_RG1Auswahl(int index);

    // Fills the window for the recipe RezepteTotal[rezept] and shows it.
    void Oeffne(qint32 rezept);

    void BOKClick();
    void BAbbrechenClick();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();

    QButtonGroup *m_auswahl = nullptr;
    qint32 m_rezept = -1;
};

extern TFRezUpload *FRezUpload;

// Opens the window for the recipe selected in the overview. With none
// selected, or with no upload server set, it says so and returns false.
bool Zeige_Rezeptupload();
