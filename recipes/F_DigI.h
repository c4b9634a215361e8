#pragma once
// The digital import: takes a recipe's ingredient list and instructions as
// free text into the current recipe. Phases: free text (check pass), checked
// text (transfer pass), matching (every registered line is taken with a
// database ingredient, as a comment or as a new ingredient) and complete
// (saving). The reset returns to the first phase from any phase. The
// conversion itself is reference/Zutatentext. Opening the import empties the
// current recipe's ingredient lines, shopping list and deluxe columns; the
// rest of the record changes when the import saves, through the recipe
// editor's save.
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/Globals.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class TZutatenliste;

class TFDigI : public QWidget
{
    Q_OBJECT
public:
    explicit TFDigI(QWidget *parent = nullptr);

    QLabel *IBack;
    QMenuBar *MMenue;
    QAction *Rezeptspeichern1;
    QAction *Datenreset1;
    QAction *Importabbrechen1;
    QAction *Hilfeanzeigen1;
    QAction *MHerdfibelDigi;

    QPlainTextEdit *MOriginalzutaten; // memo, read-only
    QPlainTextEdit *MZutatenliste;    // memo: free text, later the matched lines
    QPlainTextEdit *MRezeptliste;     // memo: the instructions
    QListWidget *LBZutatliste;        // registered lines still to be matched
    QLineEdit *EZutatSuchen;
    TZutatenliste *LBZutatsuchen;
    QLabel *IZutat;
    QLabel *IRezeptgrafik;
    QLabel *LRezeptname;

    QPushButton *BBHaken;       // check pass
    QPushButton *BBPfeilrechts; // transfer pass
    QPushButton *BBPFeillinks;  // take the selected line
    QPushButton *BBNeu;         // new database ingredient from the line
    QPushButton *BBPfeilOben;
    QPushButton *BBPfeilunten;
    QPushButton *BBZutatReset;
    QPushButton *BBSave;
    QPushButton *BBInfo;

    QMenu *PPDigi; // text menu of both memos
    QAction *MZutatenueberpruefen;
    QAction *MZutatenuebernehmen;
    QAction *MEinfuegen;
    QAction *MKopieren;
    QAction *MAusschneiden;
    QAction *MTextdateieinladen;
    QAction *MOriginalkopie;
    QMenu *PMZutatatenliste; // menu of LBZutatliste
    QAction *MZutatloeschen;

    // The start state for the check pass with these texts (the wizard's).
    void Beginne(const QStringList &zutaten, const QStringList &anleitung);
    // The lines of a memo (trailing empty lines dropped).
    static QStringList Zeilen(const QPlainTextEdit *memo);

    // A new database ingredient was taken over for the selected line: the
    // line becomes a matched line with its name. False when no line was
    // waiting for it.
    bool Uebernimm_neue_Zutat(const QString &zutatname);

public slots:
    void BBHakenClick();
    void BBPfeilrechtsClick();
    void EZutatSuchenChange();
    void LBZutatlisteClick();
    void LBZutatsuchenClick();
    void LBZutatlisteDblClick();
    void BBPFeillinksClick();
    void BBNeuClick();
    void BBPfeilObenClick();
    void BBPfeiluntenClick();
    void MZutatloeschenClick();
    void BBZutatResetClick();
    bool Rezeptspeichern1Click();
    void PPDigiPopup();
    void MEinfuegenClick();
    void MKopierenClick();
    void MAusschneidenClick();
    void MTextdateieinladenClick();
    void MOriginalkopieClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Menues();
    void Baue_Layout();
    void Verbinde();
    void Zeige(QWidget *w, bool an);
    void Startzustand();
    void Zuordnung_beginnen();
    // Every line is matched: only saving is left. The note shows once.
    void Abschliessen(const QString &meldung);
    void Waehle_Zeile(int zeile);
    // The line selection; fokus: the search takes the focus (a click, not
    // the keys that move through the list).
    void Zeile_gewaehlt(bool fokus);
    // A matched line into the memo at the place of its key.
    void Fuege_zugeordnet_ein(const QString &zeile, double schluessel);
    QPlainTextEdit *Textmemo() const; // the memo the text menu works on
    void Haenge_an(QPlainTextEdit *memo, const QStringList &zeilen);
    void Verlasse_Import();

    QPlainTextEdit *m_memo = nullptr;
    // The user's order of lines: each line keeps the key of its place in the
    // memo at the first transfer, through corrections and later transfers
    // (lines left in the memo), the list (item data) and the matched lines.
    QList<double> m_restSchluessel;
    QList<double> m_memoSchluessel;
    bool m_fertig = false;
    bool m_neueZutat = false; // the ingredient editor works for this window
};

extern TFDigI *FDigI;

// Opens the import for the current recipe (AktuellesRezept) with the given
// ingredient and instruction lines (empty for a blank import): the record's
// ingredient rows, lines, shopping list and deluxe lists are emptied first.
void Zeige_DigitalImport(const QStringList &zutaten, const QStringList &anleitung);

// Reads a pasted-text file: UTF-8 (with or without a byte-order mark) when
// the bytes are valid UTF-8, else Windows-1252; line ends CR LF, LF or CR.
QStringList Lies_Textdatei_Zeilen(const QByteArray &bytes);
