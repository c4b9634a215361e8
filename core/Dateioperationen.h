#pragma once
// The data core's file routines: the only readers and writers of the recipe
// files, the recipe index, the ingredient databases, the units list, the
// comments, the verb lists and the options.
//
// Each routine takes the flags of Globals.h or-ed together (Load, Save,
// Update, Alle). A reader checks header, counts, numbers and indexes; a bad
// file gives a message through Zeige_Meldung and failure, and the global it
// reads into is left as it was (data are read into a local and assigned on
// success). A file whose load failed is never saved over. Every write is
// atomic: on failure the old file stays and the routine reports failure.
// Paths are system paths ("PRGDATA\\ENG\\x" below Programmverzeichnis).
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

#include "core/Globals.h"

class QImage;
class QObject;
class QLabel;
class QWidget;

// --- ingredient database ----------------------------------------------

// (flags, file name below PRGDATA\ENG\, may hold a sub-folder; empty =
// "Lebensmittel.hbr"). Load replaces Zutatentotal; without Alle the records
// with Status 0 are dropped. Save writes every record with a Zutatname; when
// the data came from a load of the same file without Alle, the inactive
// records that load left out are kept. Missing file: false without a message.
bool Lade_Zutaten(int flags, const QString &datei = QString());
// True when Zutatentotal holds the user's database (Lebensmittel.hbr) as its
// last load with Alle left it, inactive records included.
bool Zutaten_mit_Inaktiven_geladen();

// --- units list -----------------------------------------------------------

// PRGDATA\ENG\Variablen200.hbr <-> VariablenTotal[0].
bool Lade_Variablenlisten(int flags);

// --- ingredient comments ---------------------------------------------

// PRGDATA\ENG\Kommentare.hbr <-> liste (file order; empty entries not written).
bool Lade_Zutatenkommentare(int flags, TString &liste);

// --- cooking verbs ------------------------------------------------------

// (flags, file name below PRGDATA\ENG\; empty = "IAVariablenliste.hbr") -> 0
// on success, -1 on failure. With Save and Load it writes IAVERBEN first and
// reads the file back. Typ is recomputed from the text on reading.
qint32 Lade_IAVerben(int flags, const QString &datei = QString());

// (flags, list, file name below PRGDATA\ENG\; empty = "IAVTotal.hbr"). With
// Save and Load it writes first and then reads back.
bool Lade_IAVerbenTotal(int flags, TIAVTotalliste &liste, const QString &datei = QString());

// Adds every verb text of IAVERBEN that IAVTotalliste lacks (start-up).
// True when the whole list changed (and was saved).
bool Update_IAVTotal();

// --- options ------------------------------------------------------------

// PRGDATA\ENG\nenoitpo.kop <-> Optionen and IAStatus. A missing file keeps
// the defaults (true); Load applies the option fonts to the windows
// (Wende_Optionsschriften_an).
bool Lade_Optionen(int flags);

// A window that shows an option font registers how it applies it (for
// example the dictionary window with Setze_Lexikonschrift). The registered
// routines run after every Load of the options, and once at registration.
// A window that is destroyed drops out.
void Registriere_Optionsschrift(QObject *fenster, std::function<void()> anwenden);
void Wende_Optionsschriften_an();

// --- recipes --------------------------------------------------------------

// (flags, recipe index; -1 = all). Load with -1 reads every recipe file named
// by the records of RezepteTotal (as rebuilt by Lade_RezeptdateiManager),
// drops the ones that cannot be read (one message lists them) and sorts the
// array by Rezeptname. Load with an index re-reads that record's file. Save
// with an index writes that record to its Dateiname; a record without a name,
// or whose file would be another recipe's file, is refused with a message.
// Save with -1 writes every recipe.
bool Lade_Rezepte(int flags, qint32 index);
// Lade_Rezepte(Save, index) for a file the user has agreed to replace (a save
// dialog asked): the record is written even when another record names the
// same file. Every other check stays.
bool Speichere_Rezept_ersetzend(qint32 index);

// The recipe index PRGDATA\ENG\RMListe.hbr. Load reads it, merges it with the
// recipe files found in Recipes\ (files gone are dropped, new ones added) and
// rebuilds RezepteTotal with Dateiname, Dateiendung, Kategorie and
// Rezeptname. Save writes the index from RezepteTotal (records without a file
// or with a foreign extension are left out). A recipe file outside the base
// folder (an export to another folder) is kept with its absolute path; from
// outside the base folder only files with a recipe extension are taken.
bool Lade_RezeptdateiManager(int flags);

// System paths of a recipe's rich-text side files beside its recipe file:
// the folder of Dateiname + Anleitungsdatei / Bemerkungsdatei, or, while that
// field is empty, the default name (recipe file name + ".RRT" / ".BRT"; the
// editor stores the bare name in the field when it writes the file). Empty
// for an index out of range or a record without Dateiname.
QString Rezept_Anleitungspfad(qint32 index);
QString Rezept_Bemerkungspfad(qint32 index);

// Recipe file name for a recipe name and category: Recipes\<name><ext> below
// the base folder, characters that cannot stand in a file name replaced.
// Empty for an empty name or a category outside 0..20.
QString Rezept_Dateiname(const QString &rezeptname, qint32 kategorie);
// The head a record of a category is written with: category, extension,
// section tag and the current file header. The category must be in 0..20.
void Setze_Rezeptkategorie(TTRezepteTotal &r, qint32 kategorie);

// --- pictures, copies, shell -------------------------------------------

// Loads the ingredient's picture (GFXZUTAT\ENG\ + Grafik when it exists and
// Optionen.Zutatengrafiken is set) or its group picture
// (Grafiken\ENG\PNG\IAKOCHEN\, group 16 for a negative Kategorie, when
// Optionen.Zutatengruppengrafiken is set). True when a picture was loaded;
// the label is cleared when none was. An index below 0 does nothing.
bool Lade_Zutatengrafik(QLabel *bild, qint32 index);
// The same rule for a record that need not be in Zutatentotal.
bool Lade_Zutatengrafik(QLabel *bild, const TTZutatentotal &zutat);
bool Lade_Zutatengrafik(QImage &bild, qint32 index);

// Copies a file, replacing the target. The target is never truncated when the
// source cannot be read, and a file is never copied onto itself. No message;
// the result is there for callers that want it.
bool Kopiere_Datei(const QString &quelle, const QString &ziel);

// Starts a program or opens a document through the shell and returns at once.
// parameter is one command-line string ("a b" -> two arguments); an empty
// parameter with a non-program file opens the document. showMode is accepted
// for the callers' sake and has no meaning here.
bool Starte_ShellExecute(const QString &datei, const QString &parameter, const QString &verzeichnis,
                         int showMode = 1);

// --- tool tips ------------------------------------------------------------

// Each window registers the hint texts of its controls (by objectName) once,
// with the option switch that decides whether its hints show (default
// Optionen.Tooltipps; e.g. &Optionen.TooltippsFDigI or &IAStatus.Tooltipps).
// The texts are applied at once. Registering again replaces the texts.
void Registriere_Tooltipps(QWidget *form, const QHash<QString, QString> &hintByObjectName,
                           const quint8 *schalter = nullptr);

// Sets the hint pause (500 ms) and hide pause (4000 ms) for the application,
// the hint texts of every registered window and, for the windows in the set
// only, whether their hints show according to each window's switch.
void Setze_Tooltipps(const QList<QWidget *> &formen = {});
// Whether a registered window shows its hints now (false when unregistered).
bool Tooltipps_sichtbar(QWidget *form);

// --- start-up -------------------------------------------------------------

// The take-over of the delivered files of PRGDATA\ENG\ at start-up, one
// routine per kind (the start-up in app/ calls them in order, with the units
// list and the dictionary between). Each valid file is taken over and
// deleted; an invalid one is reported and left alone, and the file it would
// replace is untouched.
// LM_Share.hbr (becomes Lebensmittel_ALL.hbr) and Lebensmittel_Neu.hbr (new
// names appended to Lebensmittel.hbr).
void Uebernehme_Neue_Zutaten();
// IAVariablenliste_NEU.hbr replaces the verb list; the old one is kept as
// IAVariablenlisteBAK.hbr.
void Uebernehme_Neue_Verbliste();
// RICNEU.hbr and RICWerteNEU.hbr: new entries merged into the units list.
void Uebernehme_Neue_Einheiteneintraege();
// Kommentare_neu.hbr: new comments appended.
void Uebernehme_Neue_Kommentare();
// Whether the file is a readable units list; the reason otherwise.
bool Pruefe_Variablenliste(const QString &pfad, QString &grund);
// The messages of the take-over, for the steps that live outside the core.
void Melde_Lieferungsfehler(const QString &name, const QString &grund);
void Melde_Schreibfehler(const QString &pfad);

// The cause of a failed write (an errno value from the platform's writers)
// as it completes "... could not be written because ...": "the disk is
// full", "the folder may not be written", ...; empty for 0.
QString Schreibfehlergrund(int fehler);

// While one lives, the file routines leave a failed write to the caller
// instead of reporting it: the caller tells the user once, in its own words,
// with the cause of the first write that failed meanwhile (0 while none).
class TEigene_Schreibfehlermeldung
{
public:
    TEigene_Schreibfehlermeldung();
    ~TEigene_Schreibfehlermeldung();
    TEigene_Schreibfehlermeldung(const TEigene_Schreibfehlermeldung &) = delete;
    TEigene_Schreibfehlermeldung &operator=(const TEigene_Schreibfehlermeldung &) = delete;
    int Fehler() const { return m_fehler; }
    // Called by the file routines; false when no one is taking the report.
    static bool Uebernimm(int fehler);

private:
    TEigene_Schreibfehlermeldung *m_vorige;
    int m_fehler = 0;
};

// Checks the installation: the required files and folders must exist
// ("Installation error:" / "Missing file: " + item, ProgrammOK := 0 and
// false); the folders the program writes to are created when missing.
bool TWS_Dateicheck();
