#pragma once
// The makers' news editor: the items of a server news file in a check list,
// the fields of the selected item, and "Neu", "Speichern" and "Löschen",
// each of which saves the whole file at once.
#include <QString>
#include <QWidget>

class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TFTWSMNews : public QWidget
{
    Q_OBJECT
public:
    explicit TFTWSMNews(QWidget *parent = nullptr);

    QListWidget *CHLB;
    QPlainTextEdit *Memo1; // memo: the item's text
    QDateEdit *DateTimePicker1;
    QLineEdit *EID;
    QLineEdit *EBetreff;
    QGroupBox *RGPRG;
    QGroupBox *RGTyp;
    QGroupBox *RGL;
    QPushButton *BNeu;
    QPushButton *BSpeichern;
    QPushButton *BLoeschen;

    // The chosen entry of a radio group (-1 none) and setting it.
    int Auswahl(QGroupBox *gruppe) const;
    void Setze_Auswahl(QGroupBox *gruppe, int index);

    void CHLBClick();
    void CHLBClickCheck() {}
    void BNeuClick();
    void BSpeichernClick();
    void BLoeschenClick();
    void FormClose();

    // The news file being edited; empty while none is open.
    QString Newsdatei;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
    QGroupBox *Radiogruppe(const char *name, const QString &titel, const QStringList &eintraege);
    // Saves the list to the open file and refreshes the window.
    void Speichere_und_zeige();
};

extern TFTWSMNews *FTWSMNews;

// With erstesMal: asks for a news file, loads it into News and shows the
// editor (the release window stays disabled until it closes); a cancelled
// choice or a file that is not a news file opens nothing. Without: refills
// the list, keeping the check marks by line, and shows the selected item.
void Zeige_Newseditor(bool erstesMal);

// Fills item index of News from the editor's fields, with a new ID.
void Erstelle_Newseintrag(int index);
