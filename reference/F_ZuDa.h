#pragma once
// The ingredient editor: creates a new ingredient of the user's database or
// edits one, working on one record of Zutatentotal. Writing the database file
// is the caller's business.
//
// Hand-over (globals of core/Globals.h): the caller sets ZuDaNeu (1 new, 0
// edit) and ZuDaIndex (-1 for new, else the record), makes sure the database
// is loaded with its inactive records, calls Zeige_Zutateneditor, waits until
// ZuDaFertig is 1, resets ZuDaNeu and ZuDaIndex, saves and reloads the
// database. Bearbeite_Zutat does all of that for a caller.
#include <QString>
#include <QWidget>
#include <functional>

#include "core/Globals.h"
#include "dialogs/Dienste.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TZutatenliste;
class QPushButton;

class TFZuDa : public QWidget
{
    Q_OBJECT
public:
    explicit TFZuDa(QWidget *parent = nullptr);

    QLabel *IBack;
    QLineEdit *Ezutatname;
    QLineEdit *EZutatRezeptname;
    QComboBox *CBKategorie;
    QGroupBox *RGAktiv; // "Aktiv" (0), "Inaktiv" (1)
    QButtonGroup *RGAktivKnoepfe;
    QLabel *IZutatneu;  // a click chooses a picture
    QPushButton *BRezeptgrafik;
    QLineEdit *Ezutatsuche;
    TZutatenliste *LBZutatsuche;
    QLabel *IZutatsuche;
    QPushButton *BUebernehmen;
    QPushButton *BAbbrechen;

    // Fills the form for ZuDaIndex (see Zeige_Zutateneditor).
    void Fuelle(const QString &name, const QString &rezeptname, const QString &suchtext, qint32 statusindex,
                qint32 kategorie);

    void EzutatsucheChange();
    void LBZutatsucheClick();
    void BRezeptgrafikClick();
    void EzutatnameExit();
    void EZutatRezeptnameExit();
    void BUebernehmenClick();
    void BAbbrechenClick();

    // The picture name the take-over will store (chosen, not yet stored).
    QString Gewaehlte_Grafik() const { return m_grafik; }

    // On opening: the main window and the recipe editor wait until the
    // editor is left (see Zeige_Zutateneditor).
    void Sperre_Aufrufer() { m_sperre.Sperre(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void Baue_Felder();
    void Baue_Layout();
    void Verbinde();
    void Zeige_Grafik();
    void Zurueck_zum_Aufrufer();
    // A record appended in new mode and not taken over leaves the array.
    void Verwerfe_neue_Zutat();

    QString m_grafik;
    bool m_uebernommen = false;
    TAufrufersperre m_sperre;
};

extern TFZuDa *FZuDa;

// (name, recipe-text name, search text, disable the caller, caller window,
// status index 0 "Aktiv" / 1 "Inaktiv", category). In new mode a record is
// appended and ZuDaIndex set to it. Returns false, showing nothing and
// leaving ZuDaFertig at 0, when ZuDaIndex names no record: the caller must
// not wait then.
//
// The editor keeps ZuDaIndex until it is left, so nothing may load the
// database meanwhile: the main window and the recipe editor wait while it
// is open (their menus open the management and the global database browser,
// which reload it), and those two do not open while it is open.
bool Zeige_Zutateneditor(const QString &name, const QString &rezeptname, const QString &suchtext,
                         bool aufruferSperren, QWidget *aufrufer, qint32 statusindex, qint32 kategorie);

// The whole calling order for a caller: loads the database with its
// inactive records unless it is so loaded already, opens the editor (new
// mode when index < 0), waits, resets the hand-over, saves the database and
// reloads it (with its inactive records when mitInaktiven). False when the
// database could not be loaded (after a message) or the editor did not open;
// nothing is saved then.
bool Bearbeite_Zutat(qint32 index, bool aufruferSperren, QWidget *aufrufer, bool mitInaktiven);

// For a window that reloads the database: true when the ingredient editor
// is closed; else the user is asked to finish it first, and false.
bool Pruefe_Zutateneditor_geschlossen();

// Name clean-up when a name field is left: tabs to blanks, double blanks and
// double commas collapsed, leading blanks removed; with ende also trailing
// blanks.
QString Bereinige_Zutatname(const QString &text, bool ende);

// The take-over's checks: an empty string when the names may be stored, else
// the message and its heading. In new mode a name the database holds already
// (compared cleaned and in upper case) is refused.
struct TZuDaPruefung {
    QString Meldung;
    QString Ueberschrift;
};
TZuDaPruefung Pruefe_Zutat(const TZutatentotal &zutaten, const QString &name, const QString &rezeptname,
                           bool neu, qint32 index);

// The hand-back to the digital import: called after a take-over with the
// record taken over. The import window registers it when it is built (it
// resolves its selected line with the new ingredient and saves and reloads
// the database with its inactive records); until then nothing is handed back.
void Setze_Zutatenrueckgabe(std::function<void(const TTZutatentotal &)> rueckgabe);
