#pragma once
// The release tool's work on the master verb lists: merging the verb files
// that users uploaded (*.VIA) into the master verb list IAVariablenliste.hbr,
// and keeping the whole verb list IAVTotal_Neu.hbr (searched and extended in
// the verb editor FMIAVerb). Texts are compared in code-page upper case.
#include <QString>
#include <QStringList>

#include "core/Globals.h"

// Verb icons that stand for an intermediate product: 25..28, 30, 33..42.
bool Ist_Produktsymbol(qint32 symbol);

// Reads the lines of an uploaded verb file (named datei in the lines it
// writes). False when the first line does not begin with "[IAVERBEN 2.00]"
// or no count follows: no verbs. A verb with an empty text, an icon outside
// 0..42 or a surface outside 0..15 is refused with a WARNING line; a count
// past the end of the file reads the verbs that are there (WARNING line).
bool Lies_Verbupload(const QStringList &zeilen, const QString &datei, TIAVERBEN &verben);

// By text, case-sensitive, equal texts keeping their order.
void Sortiere_Verben(TIAVERBEN &verben);
void Sortiere_Totalliste(TIAVTotalliste &liste);

// Merges uploaded verbs into master: every master verb of the same text takes
// the upload's surfaces (added, never removed), a product icon, and a zero
// counter ("IAVerb ergänzt: "); an upload verb without a match is appended
// ("Neues IAVerb: ").
void Fuehre_Verben_zusammen(TIAVERBEN &master, const TIAVERBEN &upload);

// Of entries with equal texts only the last keeps its text; the others are
// emptied (a save leaves them out).
void Entferne_doppelte_Verbtexte(TIAVTotalliste &liste);
// Appends every verb text of verben that the list lacks.
void Ergaenze_Totalliste(TIAVTotalliste &liste, const TIAVERBEN &verben);

// The verb editor's search: sets each entry's Treffer (-1 shown, -2 not
// matching), sorts the list by text with the entries that begin with the
// first word first, and returns the texts to show. Every word must occur; a
// spelling of "sauce" matches each of its spellings.
TString Suche_in_Totalliste(TIAVTotalliste &liste, const QString &eingabe);
// Appends text unless it is empty or already in the list. True when added.
bool Fuege_Verbtext_hinzu(TIAVTotalliste &liste, const QString &text);

// "Web-Statistik": merges every *.VIA of the upload folder (system path with
// its backslash) into the master verb list and the whole verb list and
// copies both back to the master. The uploads are deleted only once the
// merged list is saved. False when the run stopped early.
bool Werte_Verbuploads_aus(const QString &masterpfad, const QString &uploadordner);

// The verb editor's data: the whole verb list copied in from the master,
// loaded into IAVTotalliste without duplicates. False (nothing to edit) when
// it does not load.
bool Lade_Verbeditordaten(const QString &masterpfad);
// Saves the whole verb list without duplicates and copies IAVTotal.hbr and
// IAVTotal_Neu.hbr back to the master.
bool Speichere_Verbeditordaten(const QString &masterpfad);
