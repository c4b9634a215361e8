#pragma once
// The cooking dictionary window: a search over terms, text lines and further
// lines, a group choice, the entry's picture and text, and a popup to add,
// change, delete and save entries. Its captions are German.
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/Globals.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTextEdit;

// --- the search, without a window ---------------------------------------

// Runs the search over GlobalLexikon: gruppenzeile is the row of the group
// choice (0 = every group, else group row - 1 only). Every entry's
// Listenindex becomes its row in the result, -1 when not listed or -2 when
// its group is not chosen. Returns the listed terms in array order;
// vorauswahl is the first row whose term begins with the first word, else 0
// (-1 when nothing is listed). A word is found in the term, the text lines
// or the further lines; an empty word (a leading or doubled blank) matches
// nothing.
QStringList Suche_im_Lexikon(const QString &suchtext, int gruppenzeile, int &vorauswahl);

// Full system path of a picture reference: "-\<path>" is below the base
// folder, a plain name lies in Grafiken\ENG\PNG\LEXIKON\. Empty for an empty
// reference.
QString Lexikongrafikpfad(const QString &grafik);

// Index into GlobalLexikon of the entry listed at the row; -1 for none.
qint32 Lexikoneintrag_in_Zeile(int zeile);

// --- the window ------------------------------------------------------------

class TFLex : public QWidget
{
    Q_OBJECT
public:
    explicit TFLex(QWidget *parent = nullptr);

    QLabel *IBack;
    QLabel *Panel1; // caption "Diese Grafik fehlt leider..." when there is no picture
    QLabel *ILex;
    QLineEdit *ESuche;
    QComboBox *CBSuchart; // row 0 every group, then the group names
    QListWidget *LBBegriff;
    QTextEdit *RELex;
    QMenu *PMLex;
    QAction *MRezeptesuchen;
    QAction *MLZeichensatzaendern;
    QAction *MLHilfe;
    QAction *EditNeuerEintrag;
    QAction *EditEintragaendern;
    QAction *EditSpeichern;
    QAction *Lexikoneintragloeschen;

    void ESucheChange();
    void CBSuchartChange();
    void LBBegriffClick();
    void PMLexPopup();
    void MRezeptesuchenClick();
    void MLZeichensatzaendernClick();
    void MLHilfeClick();
    void EditNeuerEintragClick();
    void EditEintragaendernClick();
    void EditSpeichernClick();
    void LexikoneintragloeschenClick();
    void FormClose();

    // Empties the list, the text and the picture.
    void Leere_Anzeige();
    // A message while the window waits disabled (answer as Zeige_Meldung).
    int Meldung(const QString &text, const QString &ueberschrift, int knoepfe);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Menue();
    void Baue_Layout();
    void Verbinde();
    // The window stays in front of the others, except while a message, the
    // font dialog or the help is in front of it.
    void Vordergrund(bool an);
    // Saves the whole dictionary and reads it back; false (after a message,
    // with memory unchanged) when the file could not be written.
    bool Speichere_und_lade();
};

extern TFLex *FLex;

// Opens (zeigen) or refreshes the window: gruppe -1 = every group, else a
// group number; text = the search text. Does nothing while the dictionary
// is empty, except emptying a window that is open.
void Zeige_Lexikon(bool zeigen, qint32 gruppe, const QString &text);

// Gives the list, the text, the search field and the group choice the font;
// Optionen.Lexikonschrift takes it too.
void Setze_Lexikonschrift(const QFont &schrift);

// Shows the entry of the selected row: picture and text lines.
void Zeige_Lexikongrafik();
